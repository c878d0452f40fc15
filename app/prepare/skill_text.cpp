#include "app/prepare/skill_text.h"

namespace app::prepare {

QString skillText() {
    return QStringLiteral(R"skill(---
name: velvetcut
description: Use when a user wants Codex to create a continuous, professional DJ-ready or radio-ready music edit from a folder containing 1 to 3 songs, with clean natural transitions, phrase-complete joins, and no gaps, transition fades, or crossfades by default.
---

# Velvetcut

This skill gives Codex the repeatable fallback workflow for continuous audio edits when Tunewright asks for extra help beyond the bundled local renderer.

The result of every edit is one finished MP3 at 320 kbps that plays the chosen songs one after another as if they had been recorded that way: no gap, no dead air, no transition fade, no crossfade, and no audible click at any join. The buyer decides where each song starts and ends; your job is to honour those choices as closely as the music allows and to leave a short, honest record of what you did.

## When To Use

Use this skill when:

- A buyer wants a 1-song edit: one song shortened or trimmed to a typed start and end, with an optional final ending effect.
- A buyer wants a 2-song edit: song 1 moves into song 2 as one continuous piece of music.
- A buyer wants a 3-song edit: song 1 moves into song 2, which moves into song 3, as one continuous piece of music.
- A buyer wants continuous transitions for a first dance, a processional, a walk-in, a cheer or dance routine, a radio segment, or a DJ set, with natural joins instead of fades or crossfades.
- A buyer typed start and end times that count from the first real note of each song rather than from the first sample of the file, so each song needs first-note normalization before any cut is placed (a Time Based Edit).
- Tunewright's bundled local renderer refused the job or could not finish it, and the app handed the edit to Codex with a prompt and this skill.

Do not use this skill for remixes, mash-ups that play two songs at the same time, tempo or key changes, karaoke or instrumental versions, or edits of more than 3 songs. For those, tell the buyer what this workflow covers and ask how to proceed.

## First Questions

When the app did not already answer them in the prompt, ask only these four questions, in one short message:

1. Which folder holds the songs? It must be one ordinary folder with 1, 2, or 3 audio files (MP3, WAV, AIFF, M4A, FLAC, or AAC).
2. Where should the finished edit be saved? This is the output folder; create it if it does not exist.
3. What timeframe should each song play? A start time and an end time per song, counted from the song's first real musical note.
4. If a song has no exact times, what is the approximate timing or section? For example "end after the first chorus", "about 1:30", or "start at the second verse".

Assume a Time Based Edit by default: the typed times are tight targets after first-note normalization, and every cut snaps only to the nearest clean beat, bar, downbeat, or zero crossing. When the app's prompt already names the folders, the times, and the notes, do not ask again: start working.

## Tooling

Look at what the app already produced before doing any work of your own:

- The hand-off folder "Tunewright Setup" beside the songs holds the app's prompt (`velvetcut-prompt.md`), the render job the app wrote for its local renderer (`fast-time-render-job.json`), that renderer's log (`fast-time-render-log.txt`), and the diagnostics script (`run-audio-diagnostics.sh`).
- The local renderer's output in the output folder, when it got that far: `analysis-map.json`, `qc-report.json`, `render-stats.json`, and `edit-notes.md`. Its measurements of musical zero, cut points, and levels are a good starting point; reuse them while the songs are unchanged.
- Read the log before repeating work: it usually says which song or join stopped the local renderer.

The app hands an edit over for a few typical reasons: a start or end time that is not a plain timestamp, an end time that is not later than its start time, a note that asks for an effect, vocal isolation, beatmatching, or another advanced request, a join that the local renderer rejected because the next song entered in dead air, or a song it could not decode. Begin with that song or join, and keep what the local renderer already measured for the others while their files are unchanged.

Optional command-line tools, used when they are installed:

- `ffmpeg` to decode, trim, join, apply gain and fades, and encode MP3.
- `ffprobe` to read duration, format, sample rate, channels, and tags.
- `sox` for quick level statistics, trims, and silence measurements.
- `rubberband` and `aubio` for onset, beat, and tempo estimates. Use them to find beats, never to stretch or shift the audio unless the buyer asked for it.

Optional Python environments, used when they exist:

- `Tunewright Setup/.brightloom-env` inside the song folder, or `~/Documents/Tunewright Setup/.brightloom-env`: the basic audio packages numpy, scipy, librosa, soundfile, pydub, mutagen, and pyloudnorm. Enough for onsets, beats, loudness, and tags.
- `~/Documents/Tunewright Setup/.music-ai-env`: the music analysis packages PyTorch, Torchaudio, TorchCodec, Demucs, Whisper, Essentia, Librosa, Madmom, and All-In-One (allin1). Use stem separation, speech recognition, or full structure analysis only when a song note asks for that level of detail, such as an exact vocal entrance or a specific lyric.

Run `bash "Tunewright Setup/run-audio-diagnostics.sh"` from the song folder only for fallback troubleshooting, when a tool, a package, or a song seems to be missing or unreadable. It prints one OK or MISSING line per check and what ffprobe reports for each song.

Online lyric pages may be used only as a reference map, to find where a lyric line or a chorus falls. Never copy lyrics into any file or message.

If the bundled local renderer or the bundled LAME encoder is missing, tell the buyer to reinstall Tunewright or contact support. Do not try to download a replacement.

## App Handoff Defaults

When Tunewright hands an edit over, its prompt and its song notes are the brief. Follow them in this order: the buyer's own note for a song, then the typed start and end times, then the wizard defaults listed in the prompt, then this skill.

- Typed times are tight targets. Normalize song zero to the first real musical note or opening downbeat, then stay almost exact: snap only to the nearest clean beat, bar, downbeat, or zero crossing needed for a musical cut.
- First-note normalization applies to every typed time: 0:00 in a note means the first sustained audio of that file, not its first sample. A range such as `song 1 0:00-1:04` timed on another copy of the song is normalized the same way, and an offset of more than about 0.10–0.20 seconds is trimmed and documented in `edit-notes.md`.
- When the end target sits at the end of a vocal line or an instrumental beat, cut before the next lyric line starts. Do not continue into the next lyric, the next chorus, or the next section just to complete a longer phrase.
- The incoming song starts at its beginning or its first true opening downbeat. Trim only silence, padding, or room tone that lasts more than about 0.10–0.20 seconds. Enter a song at an internal point only when the buyer explicitly asked for it, and document that choice in `edit-notes.md`.
- A note that says "first chorus" means the boundary of the first chorus, not a later one and not the end of a repeated hook.
- A note such as `2:00 Shorten`, `fade at 2:00`, `fade after verse`, or `fade after chorus` marks the area of the final ending, not an exact fade frame. Let the current verse, chorus, hook, lyric line, or phrase finish, then start the final slow fade at that resolved endpoint. Never fade in the middle of a word.
- The final ending effect applies only at the end of the finished edit: none ends on the final clean phrase ending; a fade starts at the chosen endpoint and fades for about 2 more seconds; an echo/fade repeats the last word softly while fading for about 4 more seconds.
- Effects such as a record scratch, tape stop, power loss, slow down, glitch, or stop-and-pause are added only when the buyer typed that request in a note.
- When something blocks the edit (a missing or unreadable song, a protected folder, a missing tool, a failed encode), report the exact blocking error in one short message: the file or tool involved and the text of the error. Do not guess around it and do not report success.

## Production Standard

Every edit must sound broadcast-quality and finished, ready for the radio, a wedding, or a dance floor:

- No clicks, pops, clipping, pumping, sudden volume jumps, or awkward silence at any join or at the ending.
- Joins are end to start, with no gap and no overlap. Use only very short de-click ramps of a few milliseconds at each join; never use a fade or crossfade as the transition method.
- The songs are loudness-matched so that the second and third songs arrive at the same perceived level as the first.
- The final peak stays safely below full scale, reached by a clean gain change or a gentle limiter, never by hard clipping.
- No time-stretching, beat-matching, tempo change, pitch change, or key change unless the buyer asked for it.
- Source songs are never deleted, renamed, moved, or overwritten.

Use a fast practical path first for a Time Based Edit with typed start and end targets: measure only the short windows around each target, choose the cleanest cut, render, verify, and finish. Do not look up lyrics online, run stem separation, run speech recognition, or build a full song-structure analysis unless a song note asks for that detail. Do not write a large bespoke renderer script; short, focused commands are enough.

When Tunewright runs you in the background, keep terminal output short, save detailed analysis as files in the output folder, and do not print scripts, diffs, memory citations, or logs. Finish with one short message that lists the output file names, then exit.

## Analysis Map And Efficiency

Keep a compact `analysis-map.json` in the output folder. For each song record:

- the source path, and its size or modification time;
- its duration;
- the first sustained audio (musical zero);
- the typed start and end targets;
- the chosen cut points, in file time and in music time;
- any gain notes.

Then record the final QC result of the finished edit. Do not store waveforms, full beat grids, or frame-by-frame data in it.

A compact map looks like this:

```json
{
  "songs": [
    {
      "path": "/Users/me/Desktop/Wedding/01 First Dance.mp3",
      "size": 8123456,
      "modified": "2025-05-01T18:22:10Z",
      "duration": 241.37,
      "musicalZero": 0.42,
      "typedStart": "0:00",
      "typedEnd": "1:04",
      "cutIn": 0.42,
      "cutOut": 64.51,
      "gainDb": -1.5
    }
  ],
  "joins": [
    { "after": 1, "candidates": 3, "chosen": 64.51, "peakAfterJoinDbfs": -9.8, "rmsAfterJoinDbfs": -21.4 }
  ],
  "qc": { "peakDbfs": -1.0, "deadAirJoins": 0, "clipping": false }
}
```

Reuse an existing map only while every source path and its size or modification time still match the songs in the folder. When anything differs, measure again and replace the map.

For each join, score at least three candidate cut points near the target by beat or bar alignment, zero crossing, level match, and whether a new lyric line or section starts there, and keep the best one. Do not search the whole song.

During verification, measure the first 0.20 seconds after every join. If that window is effectively silent (peak below about −45 dBFS or RMS below about −55 dBFS), the incoming song entered in dead air: move its entrance to the first real audio and render again, unless the buyer requested a stop or pause effect at that join.

## Workflow

1. Never delete, rename, move, or overwrite the source songs. Read them only, and work on decoded copies in a temporary folder.
2. Save every generated file in the output folder, never beside the source songs. Create the output folder if it does not already exist.
3. Read the app's prompt, the song notes, the typed times, and the final ending effect before touching any audio. The song notes are the buyer's brief and override the wizard defaults.
4. Run `Tunewright Setup/run-audio-diagnostics.sh` only for fallback troubleshooting, when a tool, a package, or a song seems to be missing or unreadable.
5. Use the tools that are already installed before anything else. Do not install large packages or models unless a song note asks for work that needs them.
6. Probe each song with ffprobe: duration, format, sample rate, and channels. Decode to 44.1 kHz 16-bit stereo for analysis and rendering.
7. Find each song's musical zero: the first sustained audio, the first real musical note, or the first true opening downbeat after any silence, padding, or room tone.
8. Add that musical zero to every typed start and end time of the song.
9. Treat every typed time and every time inside a note as the center of a small search area, not as an exact frame.
10. Resolve note words such as "first chorus", "after verse", or "fade at 2:00" to the nearest matching boundary inside that search area.
11. Use the fast Time Based path first: for each join, measure only a few seconds around the resolved target, score at least three candidate cut points, keep the best one, and move on.
12. Cut each outgoing song on the nearest clean beat, bar, downbeat, or zero crossing to its resolved end target, before the next lyric line starts.
13. Start each incoming song at its beginning or first true opening downbeat, trimming only silence, padding, or room tone that lasts more than about 0.10–0.20 seconds.
14. Join the songs end to start with no gap, no crossfade, and no transition fade, using only very short de-click ramps.
15. Add effects such as a record scratch, tape stop, power loss, or stop-and-pause only when the buyer typed that request.
16. Do not time-stretch, beat-match, change the pitch, or change the key unless the buyer asked for it.
17. Loudness-match the songs and keep the whole edit free of clipping and pumping.
18. Apply the final ending effect only at the end of the finished edit: a fade for about 2 seconds after the endpoint, an echo/fade for about 4 seconds.
19. Keep the final peak safely below full scale without hard clipping.
20. Export one finished MP3 at 320 kbps constant bit rate into the output folder. When you encode with ffmpeg, prefer `libmp3lame -b:a 320k`; the bundled LAME encoder with `-b 320 --cbr` gives the same result.
21. Keep the source songs' metadata and artwork in the finished MP3 when that is practical.
22. Do not deliver a WAV or any other audio format unless the buyer explicitly asked for it.
23. Reload the finished MP3 and verify it once: duration, join positions, the first 0.20 seconds after every join, peaks, and the ending effect.
24. When the verification finds a problem, fix that cut or gain, render again, and verify the new file.
25. Write the compact `analysis-map.json` into the output folder.
26. Write a short `edit-notes.md` into the output folder: for each song its musical zero, the typed targets, the chosen cut points, any trimmed offset or internal entry, the gain changes, and the ending effect.
27. If the song files are missing, protected, or unreadable, or the folder does not hold 1, 2, or 3 songs, stop and ask the buyer which files to use.

A short `edit-notes.md` has one heading for the edit and one short block per song:

- the song's file name and its musical zero, with any offset that was trimmed;
- the typed start and end targets and the cut points actually used, in music time;
- why a cut moved from its target, when it moved more than a beat;
- any internal entry point the buyer asked for;
- the gain change applied to the song.

Close with the final ending effect, the QC result of the last verification pass, and the name of the finished MP3.

Useful commands:

- Probe a song: `ffprobe -v error -show_entries format=duration:stream=codec_name,sample_rate,channels "SONG FILE"`
- Decode for analysis: `ffmpeg -v error -i "SONG FILE" -ar 44100 -ac 2 -c:a pcm_s16le work/song1.wav`
- Measure a short window after a join: `sox edit.wav -n trim 83.40 0.20 stats`
- Encode the finished edit: `ffmpeg -v error -i edit.wav -codec:a libmp3lame -b:a 320k "OUTPUT FILE.mp3"`

## Default

Unless the buyer asks for something else, every edit is continuous, clean, phrase-complete, and radio-ready: the songs play in the chosen order, each cut lands on a clean musical boundary near the typed time, each incoming song starts on its first real note or opening downbeat, the levels match, nothing clicks or clips, and the only fade is the optional final ending effect at the very end of the finished edit.
)skill");
}

}  // namespace app::prepare
