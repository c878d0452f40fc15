#include "app/prepare/prompt_rules.h"

namespace app::prepare {

QString endingAndEntranceRules() {
    return QStringLiteral(R"txt(

## Time-Specific Shorten / Fade Rule

A song note such as `2:00 Shorten`, `fade at 2:00`, `fade after verse`, or `fade after chorus` marks the area where the finished edit should end. It is not an exact fade frame. Let the current verse, chorus, hook, lyric line, or musical phrase finish near that time, choose the clean endpoint there, and only then begin the final slow fade. Never fade out in the middle of a word. A fade ending keeps fading for about 2 seconds after the endpoint; an echo/fade ending lets the repeated last word fade for about 4 seconds.

## Incoming Song Start Rule

Every join lands on the nearest clean beat, bar, downbeat, or zero crossing to the typed end time of the outgoing song, before its next lyric line starts. The incoming song starts at its beginning or at its first true opening downbeat. Trim only silence, padding, or room tone that lasts more than about 0.10–0.20 seconds, and keep a musical pickup, count-in, or opening hit. Enter a song at an internal point (a later section, a chorus, or a vocal entrance) only when the buyer explicitly asked for it, and document that choice in `edit-notes.md`.

## Bride Timestamp / Version Offset Rule

Buyers, brides, and planners often type ranges such as `song 1 0:00-1:04` that they timed on another copy of the song, a streaming version, or a video. Normalize every such range to this file's own musical zero: the first sustained audio, the first real note, or the first true downbeat. When this file's musical zero sits more than about 0.10–0.20 seconds after the start of the file, trim that offset before applying the typed times, and document the offset and the trim in `edit-notes.md`.

## Production Standard

The finished edit must sound broadcast-quality and finished, ready to play on the radio, at a wedding, or on a dance floor. No clicks, pops, clipping, pumping, sudden volume jumps, or awkward silence at any join or at the ending. Typed times are tight targets: stay almost exact and move only as far as a clean musical cut needs. A note that says "first chorus" means the boundary of the first chorus, not a later chorus and not the end of a repeated hook.

)txt");
}

QString fastPathParagraph() {
    return QStringLiteral(
        R"txt(For Time Based Edit with typed start/end targets, use a fast practical path first. Measure only the short windows around each typed target, choose the cleanest cut, render, verify, and finish. Do not look up lyrics online, run stem separation, run speech recognition, or build a full song-structure analysis unless a song note asks for that level of detail, such as an exact vocal entrance or a specific lyric. Do not write a large bespoke renderer script: short, focused ffmpeg or sox commands are enough.)txt");
}

QString backgroundAppRules() {
    return QStringLiteral(R"txt(

## Background App Rules

Tunewright runs this edit in the background and judges it only by the files you leave in the output folder.

- Keep terminal output short: one line per major step is enough.
- Save detailed analysis as files in the output folder instead of printing it.
- Do not print scripts, diffs, memory citations, or logs.
- The deliverable is one 320 kbps MP3 plus `edit-notes.md` in the output folder, with the compact `analysis-map.json` described below. Write a WAV only when the buyer explicitly asks for one.
- Make one final verification pass of the finished MP3; do not repeat the full analysis.
- Then send one short final message that lists the output file names, and exit.

## Analysis Map And Efficiency Rules

)txt");
}

QString compactAnalysisMapParagraph() {
    return QStringLiteral(
        R"txt(For clear Time Based edits, keep `analysis-map.json` compact: for each song record the source path, its size or modification time, its duration, the first sustained audio (musical zero), the typed start and end targets, the chosen cut points, and any gain notes, then record the final QC result of the finished edit. Do not store waveforms, full beat grids, or frame-by-frame data in it.)txt");
}

QString joinCheckAndWorkflowStart() {
    return QStringLiteral(R"txt(

Reuse an existing `analysis-map.json` only while every source path and its size or modification time still match the songs in the folder. When anything differs, measure again and replace the map.

For each join, score at least three candidate cut points near the target by beat or bar alignment, zero crossing, level match, and whether a new lyric line or section starts there, and keep the best one. Do not search the whole song.

During verification, measure the first 0.20 seconds after every join. If that window is effectively silent (peak below about −45 dBFS or RMS below about −55 dBFS), the incoming song entered in dead air: move its entrance to the first real audio and render again, unless the buyer requested a stop or pause effect at that join.

## Required Workflow

1. Never delete, rename, move, or overwrite the source songs. Read them only, and work on decoded copies in a temporary folder.
2. Save every generated file in the output folder, never beside the source songs. Create the output folder if it does not already exist: `)txt");
}

QString workflowMiddle() {
    return QStringLiteral(R"txt(`.
3. Read the Source Songs, Timing / Edit Guidance, Wizard Defaults, and Final Ending Effect sections above before touching any audio. The song notes are the buyer's brief and override the wizard defaults.
4. Run `Tunewright Setup/run-audio-diagnostics.sh` only for fallback troubleshooting, when a tool, a package, or a song seems to be missing or unreadable. A normal edit does not need it.
5. Use the tools that are already installed (ffmpeg, ffprobe, sox, the bundled local renderer and its LAME encoder) before anything else. Do not install large packages or models unless a song note asks for work that needs them.
6. Probe each song with ffprobe or an equivalent reader: duration, format, sample rate, and channels. Decode to 44.1 kHz 16-bit stereo for analysis and rendering.
7. Find each song's musical zero (first-note normalization): the first sustained audio, the first real musical note, or the first true opening downbeat after any silence, padding, or room tone.
8. Add that musical zero to every typed Start time and End time of the song, so that 0:00 in the notes means the first real note, not the first sample of the file.
9. Treat every typed time and every time inside a note as the center of a small search area, not as an exact frame, and look only a little around it for the cleanest cut.
10. Resolve note words such as "first chorus", "after verse", or "fade at 2:00" to the nearest matching boundary inside that search area, following the rules above.
11. )txt");
}

QString localEngineBasedPathItem() {
    return QStringLiteral(
        R"txt(Use the fast Time Based path first: for each join, measure only a few seconds around the resolved target, score at least three candidate cut points, keep the best one, and move on. Do not run stem separation, speech recognition, online lyric lookups, or a full song-structure analysis unless a song note asks for that detail, and do not write a large bespoke renderer script. If an `analysis-map.json` or `edit-notes.md` from an earlier attempt is in the output folder, read it first and reuse whatever still matches the songs.)txt");
}

QString workflowEndCommandsAndOutputRules() {
    return QStringLiteral(R"txt(
12. Cut each outgoing song on the nearest clean beat, bar, downbeat, or zero crossing to its resolved end target, before the next lyric line starts. Do not keep playing into the next lyric, chorus, or section to complete a longer phrase.
13. Start each incoming song at its beginning or first true opening downbeat. Trim only silence, padding, or room tone that lasts more than about 0.10–0.20 seconds, and use an internal entry point only when the buyer explicitly asked for one.
14. Join the songs end to start with no gap, no crossfade, and no transition fade. Use only very short de-click ramps of a few milliseconds at each join.
15. Add effects such as a record scratch, tape stop, power loss, slow down, glitch, or stop-and-pause only when the buyer typed that request in a note.
16. Do not time-stretch, beat-match, change the tempo, change the pitch, or change the key unless the buyer asked for it.
17. Loudness-match the songs so that no join has a volume jump, and keep the whole edit free of clipping and pumping.
18. Apply the final ending effect exactly as the Final Ending Effect section describes, and only at the end of the finished edit.
19. Keep the final peak safely below full scale with a clean gain change or a gentle limiter, never by hard clipping.
20. Export one finished MP3 at 320 kbps constant bit rate into the output folder. Name it after the source songs, ending in ` - continuous DJ edit.mp3` (` - DJ edit.mp3` for a one-song edit).
21. Keep the source songs' metadata and artwork in the finished MP3 when that is practical; never let tagging block the delivery.
22. Do not deliver a WAV or any other audio format unless the buyer explicitly asked for it.
23. Reload the finished MP3 and verify it once: its duration, that every join sits where the notes asked, that the first 0.20 seconds after every join is not dead air, that nothing clips, and that the ending effect is the chosen one.
24. When the verification finds a problem, fix that cut or gain, render again, and verify the new file; do not start the whole analysis over.
25. Write the compact `analysis-map.json` described above into the output folder.
26. Write a short `edit-notes.md` into the output folder: for each song its musical zero, the typed targets, the chosen cut points, any trimmed offset or internal entry, the gain changes, and the ending effect.
27. If the song files are missing, protected, or unreadable, or the folder does not hold 1, 2, or 3 songs, stop and ask the buyer which files to use instead of guessing.

## Suggested Commands

- Diagnose songs and setup, only when the background app created this helper: `bash "Tunewright Setup/run-audio-diagnostics.sh"`
- Inspect a song: `ffprobe -v error -show_entries format=duration:stream=codec_name,sample_rate,channels "SONG FILE"`
- Encode the finished edit: `ffmpeg -i edit.wav -codec:a libmp3lame -b:a 320k "OUTPUT FILE.mp3"`
- If the bundled local renderer or bundled LAME encoder is missing, tell the buyer to reinstall Tunewright or contact support.

## Output Rules

Save all generated files inside:

`)txt");
}

}  // namespace app::prepare
