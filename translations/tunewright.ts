<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>NoteRequests</name>
    <message>
        <source>scratch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tape stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slow down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bpm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>internal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lyrics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>section map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vocal entrance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first vocal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>backspin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stutter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>echo out</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlatformWords</name>
    <message>
        <source>in the file manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a regular folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slower computers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Music and Pictures libraries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>access to the Music or Pictures libraries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not choose the Music or Pictures libraries or a media-library package.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prepare</name>
    <message>
        <source>AI fallback: song %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AI fallback: the selected song count is not 1, 2, or 3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start time is not a simple timestamp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>end time is not a simple timestamp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End time must be later than Start time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>note asks for an effect, vocal isolation, beatmatching, or another advanced request.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standalone local engine: using typed times, local structure cues, and phrase-aware cut detection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a song folder first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No audio files found. Add 1, 2, or 3 songs to the folder first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This setup expects 1, 2, or 3 source songs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not create music edit setup files: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created standalone edit work files in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Needs AI help: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cuts on the bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut into song %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blend into song %1 over %2 beats, beat-matched</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, on the bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (your choice in %2 wins over the note)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tape stop into song %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends with a tape stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backspin into song %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends with a backspin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scratch into song %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends with a scratch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stutter into song %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends with a stutter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Echo out into song %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends with an echo out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause, then song %1 on its beat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chosen ending wins over the note&apos;s %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays at %1 BPM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays %1 % slower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays %1 % faster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays at the tempo of song %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key %1 semitones down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key %1 semitones up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blend into song %1 over %2 seconds, beat-matched</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends on its cut</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standing by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The finished MP3 and edit notes are saved in the selected output folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The app stopped the run and saved the error details in the work folder. Use Show Work Folder if you need the log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The background edit was cancelled. Go back to change a song, note, edit approach, output folder, or final ending effect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Create Edit when the notes and output folder are ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Still working on %1. No new local-engine or output-file activity has appeared for %2. You can keep waiting or use Stop Edit if it stays here too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting the background editor and preparing the work folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>calculating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usually under 1 minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>under 1 minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about 1-3 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about 1-2 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about 1-4 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed: %1 | Estimated remaining: %2 | Last activity: %3 ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The app is still monitoring local engine output, generated files, and the finished MP3 while this runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not run because the edit was stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Still building and checking the edit. If this phase slows down, that is normal while the MP3 is encoded, finalized, and verified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the local engine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AI fallback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right now the app is checking the selected songs, output folder, and local edit work files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right now %1 is scanning the audio files, finding the first real notes, and measuring duration/volume.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right now %1 is checking beats, downbeats, and clean cut points near the typed times.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right now %1 is confirming the time targets and making sure the cut lands before the next lyric line when needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right now %1 is scoring cut points close to the typed time and snapping to the nearest clean beat/bar instead of drifting into the next lyric.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right now the app is encoding the continuous 320 kbps MP3, matching loudness, trimming silence, and checking the join. If this bar slows near the end, that is normal while the MP3 is finalized.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right now AI fallback is building the continuous MP3 and checking the join. This phase can take several minutes on full-song analysis, so a slow bar does not mean the app is frozen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right now %1 is verifying the 320 kbps MP3, writing edit notes, and saving everything in the selected output folder. Final verification can take a little time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right now the app is monitoring the local editor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Songs and output folder are ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local audio and structure scan complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio analysis complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timing and phrase targets snapped to clean cut points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit points selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continuous 320 kbps MP3 built.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continuous edit built.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3, edit notes, and QC files saved in the selected output folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>320 kbps MP3 file saved in the selected output folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standalone local engine: scanning first notes, beats, phrase cues, and clean cut points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AI fallback: scanning first notes, beats, and clean cut points near the typed times.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standalone local engine: choosing clean beat/bar and phrase-boundary cut points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AI fallback: choosing the nearest clean beat/bar around the typed target.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standalone local engine: encoding the MP3. A slower final stretch is normal while the file is finalized and checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rendering the continuous MP3. If this takes a while, AI fallback is still exporting and verifying audio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifying audio, writing notes, and closing the job. This can take a little time near the end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitoring local engine and generated files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>starting the edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>preparing the song files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>analyzing the songs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>finding edit points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>building the MP3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>saving and verifying files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the edit before going back to change the setup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back on Step 3. The finished edit is still available from View Edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back on Step 3. Review the notes, edit approach, output folder, or final ending effect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prepare Songs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking selected songs, output folder, and local edit work files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analyze Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning source audio, first notes, levels, beats, and song structure.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Edit Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparing timing, beats, count, and clean join candidates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rendering the continuous 320 kbps MP3 and matching levels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifying the MP3, writing edit notes, and saving files in the selected output folder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Run</name>
    <message>
        <source>The background editor could not start.
Make sure Codex is installed and signed in, then try Create Edit again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The background editor could not start: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete. Your edit is ready in:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete. Your edit is ready. Click View Edit to open the finished file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The background editor stopped before a verified MP3 and edit notes were found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The background edit did not finish.
No verified MP3 and edit notes were found in the selected output folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The background edit did not finish.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The background edit did not finish. A log was saved in the Tunewright Setup folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The 320 kbps MP3 file is saved. The editor is writing the final note and closing the job.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>320 kbps MP3 file saved:
%1
Writing final notes and closing. This should finish shortly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AI assist is set to Local Only. Change AI assist fallback to Codex or a configured provider for difficult edits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codex fallback is selected, but Codex was not found or is not signed in on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Provider API fallback is selected, but secure OpenAI/Gemini/Grok/custom provider setup is not connected yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose 1, 2, or 3 songs first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No audio files found. Add 1, 2, or 3 songs first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This setup expects 1, 2, or 3 source songs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an output folder before creating the edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not use that output folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing the songs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating the music edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing the selected songs and output folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not prepare the setup files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The edit did not start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup files could not be prepared. Check the selected songs and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected song folder was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the song files again, then try Create Edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected song folder was not found. Choose the song files again, then try Create Edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standalone local engine: analyzing timing, notes, phrase structure, and clean cut points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The background editing engine was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The local engine could not handle this edit. %1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The local engine needs AI help for this edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standalone local engine unavailable: bundled renderer was not found. Switching to AI fallback.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The local engine and AI fallback were not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standalone local engine could not prepare its job files. Switching to AI fallback.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fast renderer could not start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standalone local engine could not start. Switching to AI fallback.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The local engine could not start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bundled local renderer and AI fallback were not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The standalone local engine could not start and AI fallback was not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete. Standalone local engine finished without AI fallback.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for AI fallback to choose edit points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for AI fallback to render the MP3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the finished MP3 and notes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standalone local engine could not verify the edit. Switching to AI fallback.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local engine needed AI fallback. Continuing in the background.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standalone local engine stopped before a verified MP3 and edit notes were found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standalone local engine did not finish and AI fallback was not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fast render did not finish.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standalone local engine: scanning first notes, section notes, phrase boundaries, and typed targets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped by the user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit stopped. Go back to change anything, then click Create Edit again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit stopped. You can go back and make changes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <source>Step %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cover art</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music edit progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Work Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create &amp;Another Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to &amp;Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All %1 steps complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> into </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Ending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Join %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Ending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Join %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No audio output found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the finished edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The finished edit could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit waveform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 join(s) marked%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, ending shaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the timing for each song</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add start and end times for each song, plus any short note. Click a song number to replace that file, or use the arrows to reorder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timing is the default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Start time and End time as tight targets. The editor normalizes 0:00 to the first real musical note, then snaps only to the nearest clean beat, bar, downbeat, or zero crossing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Edit will move to a progress screen and show the editing phases until the job is complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick where the finished 320 kbps MP3 and edit notes should be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required before Create Edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose &amp;Output Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final ending effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AI assist connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local engine runs first. Pick a fallback only for low-confidence edits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  ·  %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Provider setup links only. Secure API-key saving is planned for a future update.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change &amp;Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tunewright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio files (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The music editing engine is ready. Choose songs, add notes, and create the finished edit here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete. The finished edit is ready in the selected output folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 4 of 4: Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 4 of 4: Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 4 of 4: Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating the finished edit. Keep this app open while the progress bars run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 4 of 4: Creating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 3 of 4: Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 2 of 4: Songs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A step-by-step app: verify setup, choose songs, add timing notes, then create the finished edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 1 of 4: Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 audio file found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 audio files found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs 1 to 3 songs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-song edit ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where should this song shorten or fade after the phrase resolves?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example: 2:00 Shorten - finish the verse or chorus near 2:00, then slowly fade after the phrase resolves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What complete chorus, hook, or phrase should finish before song 2 enters?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example: Start at the first strong musical phrase, play through the first complete chorus, let it resolve, then exit on a clean downbeat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Should song 2 start at the beginning/opening downbeat, or did you specifically want a vocal/internal section?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example: Start from the beginning/opening downbeat, play through the first complete chorus, then end on a clean phrase ending. Only use vocals if I type that.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example: Start at the first strong musical phrase, play through the first complete chorus, then exit on a clean downbeat into song 2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example: Start from the beginning/opening downbeat, play through the first complete chorus, then exit on a clean downbeat into song 3. Only use vocals if I type that.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Should song 3 start at the beginning/opening downbeat, or did you specifically want a vocal/internal section?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where should this song be used in the edit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example: specific time, chorus, hook, drop, outro, or general idea.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Needs Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Output Folder First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating your music edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The finished edit is ready. Click the green View Edit button to open the song %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The app is using the standalone local engine first. If the engine cannot make a confident edit, it can hand off to AI fallback.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The app is editing in the background. Full-song analysis and final verification can take several minutes, especially on first runs or %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace song %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song %1 note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example: 1:04</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose audio files or a normal folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select 1, 2, or 3 audio files, or select one regular folder that contains the source songs. %1 are not needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tunewright is ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The editing tools are installed. Choose 1, 2, or 3 songs, add timing notes, and create the finished edit from this app.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose &amp;Audio Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose &amp;Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear Songs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No audio files found yet. Supported: MP3, WAV, AIFF, M4A, FLAC, AAC.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>optional, not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete setup checked first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tunewright verifies its local audio engine before songs are chosen. Codex is checked only as an optional fallback for difficult edits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking installed tools...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing local engine pieces: %1. Reinstall Tunewright or contact support.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snap cuts to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Songs</name>
    <message>
        <source>Time Based Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use each Start time and End time as a tight target after setting 0:00 to the first real musical note, then snap only to the nearest clean beat or bar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codex Fallback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Provider API</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No outside help. If confidence is low, the app stops and explains what it needs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local engine first, then Codex on %1 only if the edit needs help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Future secure-key option for OpenAI, Gemini, Grok, or another provider.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenAI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>API keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opened OpenAI setup. Secure API-key saving is planned for a future update.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AI Studio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opened Gemini setup. Secure API-key saving is planned for a future update.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xAI console</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opened Grok setup. Secure API-key saving is planned for a future update.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>coming next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom provider setup is planned for the secure-key version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cuts stay on the nearest zero crossing to the typed times.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Echo/Fade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The finished edit ends on the final clean phrase ending.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fade starts at the chosen endpoint, then fades for about 2 more seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place the endpoint after the last word. The app repeats that word softly into a 4-second fade.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose 1, 2, or 3 songs before choosing the output folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the edit before going back to change the setup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose where the finished edit should be saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Output Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose where this app should save the finished MP3 and edit notes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a regular output folder in Desktop, Downloads, or Documents. This app does not need %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output folder selected. Add any timing notes, then click Create Edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move or copy the audio files to Desktop, Downloads, or Documents first. This app does not need %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 2 complete. Add timing notes, then choose an output folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 2 complete. Add any timing or section instructions for the edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose 1 to 3 audio files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Audio Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose only the song files for this edit. %1 are not needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a normal folder with 1 to 3 songs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose %1 that contains 1 to 3 audio files. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose replacement for song %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace Song %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose one replacement audio file from the same folder as the other selected songs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing local engine setup: %1. Reinstall Tunewright or contact support.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose 1, 2, or 3 audio files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No supported audio files were selected. Supported: MP3, WAV, AIFF, M4A, FLAC, AAC.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose songs from one folder so the setup files can be created beside them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected %1 supported audio file. Choose 1, 2, or 3 songs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected %1 supported audio files. Choose 1, 2, or 3 songs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a regular folder that contains 1, 2, or 3 audio files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a folder first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No supported audio files found in that folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found %1 audio files. This app expects 1, 2, or 3 source songs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song selection cleared. Choose 1, 2, or 3 songs again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move or copy the replacement song to the same regular folder as the other songs. This app does not need %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a supported audio file: MP3, WAV, AIFF, M4A, FLAC, or AAC.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the replacement song from the same folder as the other selected songs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That song is already selected. Choose a different song or use the arrows to reorder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song %1 replaced. Review the notes, then choose an output folder or click Create Edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song order updated. Add any timing notes, then click Create Edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song order updated. Add timing notes, then choose an output folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cuts move to just before the nearest steady beat, at most half a beat. A song whose note asks for the bar line has its cuts moved to its bars.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cuts move to just before the nearest bar line, at most half a bar or 1.2 seconds. Where a song&apos;s bars are unclear, its cuts move to the beat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blend %1 beats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Into song %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tape stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backspin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scratch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stutter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Echo out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ending</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolCheck</name>
    <message>
        <source>Local music renderer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 encoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bundled in this app:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional helper. Not required for local standalone edits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional fallback not configured on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio decoding libraries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional. Needed only for Codex fallback.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing from app bundle. Reinstall Tunewright.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used by the local renderer:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing bundled LAME encoder. Reinstall Tunewright.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bundled lame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>system python3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codex CLI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional AI fallback ready:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional. Local standalone edits can still run without Codex.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velvetcut skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional fallback skill ready:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Package manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codex login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional fallback not signed in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional fallback signed in:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional fallback not signed in:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Homebrew</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Git</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ffmpeg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ffprobe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rubberband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aubio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Python 3.11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Python audio packages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>audio venv import check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music AI analysis packages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>music AI venv import check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 1 is already complete. Choose 1, 2, or 3 songs to create an edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some local engine files may be missing. Reinstall Tunewright if anything required is not ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio tools are ready. Choose 1, 2, or 3 songs, or choose a folder containing the songs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 2 complete. Add timing notes, then choose an output folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 2 complete. Add any timing or section instructions for the edit.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Wizard</name>
    <message>
        <source>Choose an output folder first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete. Showing the finished edit %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete. Showing the output folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a folder first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the complete music-edit setup before choosing songs.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::ui::DesktopNotification</name>
    <message>
        <source>Show Tunewright</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
