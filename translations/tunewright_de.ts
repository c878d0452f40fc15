<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>NoteRequests</name>
    <message>
        <source>scratch</source>
        <translation>Scratch</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>power down</source>
        <translation>Power-down-Effekt</translation>
    </message>
    <message>
        <source>tape stop</source>
        <translation>Tape-Stop</translation>
    </message>
    <message>
        <source>slow down</source>
        <translation>Verlangsamen</translation>
    </message>
    <message>
        <source>glitch</source>
        <translation>Glitch</translation>
    </message>
    <message>
        <source>bpm</source>
        <translation>BPM</translation>
    </message>
    <message>
        <source>pitch</source>
        <translation>Tonhöhe</translation>
    </message>
    <message>
        <source>key change</source>
        <translation>Tonartwechsel</translation>
    </message>
    <message>
        <source>internal</source>
        <translation>interner Abschnitt</translation>
    </message>
    <message>
        <source>stems</source>
        <translation>Stems</translation>
    </message>
    <message>
        <source>lyrics</source>
        <translation>Songtext</translation>
    </message>
    <message>
        <source>section map</source>
        <translation>Abschnittsplan</translation>
    </message>
    <message>
        <source>vocal entrance</source>
        <translation>Gesangseinsatz</translation>
    </message>
    <message>
        <source>first vocal</source>
        <translation>erster Gesangseinsatz</translation>
    </message>
    <message>
        <source>backspin</source>
        <translation>Backspin</translation>
    </message>
    <message>
        <source>stutter</source>
        <translation>Stutter</translation>
    </message>
    <message>
        <source>echo out</source>
        <translation>Echo-Out</translation>
    </message>
</context>
<context>
    <name>PlatformWords</name>
    <message>
        <source>in the file manager</source>
        <translation>im Dateimanager</translation>
    </message>
    <message>
        <source>a regular folder</source>
        <translation>einen normalen Ordner</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>diesem Computer</translation>
    </message>
    <message>
        <source>slower computers</source>
        <translation>langsameren Computern</translation>
    </message>
    <message>
        <source>the Music and Pictures libraries</source>
        <translation>die Bibliotheken „Musik“ und „Bilder“</translation>
    </message>
    <message>
        <source>access to the Music or Pictures libraries</source>
        <translation>Zugriff auf die Bibliotheken „Musik“ oder „Bilder“</translation>
    </message>
    <message>
        <source>Do not choose the Music or Pictures libraries or a media-library package.</source>
        <translation>Wählen Sie nicht die Bibliotheken „Musik“ oder „Bilder“ und auch kein Mediathek-Paket.</translation>
    </message>
</context>
<context>
    <name>Prepare</name>
    <message>
        <source>AI fallback: song %1 %2</source>
        <translation>KI-Fallback: Bei Song %1 %2</translation>
    </message>
    <message>
        <source>AI fallback: the selected song count is not 1, 2, or 3.</source>
        <translation>KI-Fallback: Die Anzahl der ausgewählten Songs ist nicht 1, 2 oder 3.</translation>
    </message>
    <message>
        <source>start time is not a simple timestamp.</source>
        <translation>ist die Startzeit keine einfache Zeitangabe.</translation>
    </message>
    <message>
        <source>end time is not a simple timestamp.</source>
        <translation>ist die Endzeit keine einfache Zeitangabe.</translation>
    </message>
    <message>
        <source>End time must be later than Start time.</source>
        <translation>muss die Endzeit nach der Startzeit liegen.</translation>
    </message>
    <message>
        <source>note asks for an effect, vocal isolation, beatmatching, or another advanced request.</source>
        <translation>verlangt die Notiz einen Effekt, eine Gesangsisolierung, Beatmatching oder eine andere fortgeschrittene Bearbeitung.</translation>
    </message>
    <message>
        <source>Standalone local engine: using typed times, local structure cues, and phrase-aware cut detection.</source>
        <translation>Eigenständige lokale Engine: verwendet die eingegebenen Zeiten, lokale Strukturhinweise und eine Schnitterkennung, die Phrasen berücksichtigt.</translation>
    </message>
    <message>
        <source>Choose a song folder first.</source>
        <translation>Wählen Sie zuerst einen Song-Ordner.</translation>
    </message>
    <message>
        <source>No audio files found. Add 1, 2, or 3 songs to the folder first.</source>
        <translation>Keine Audiodateien gefunden. Legen Sie zuerst 1, 2 oder 3 Songs in den Ordner.</translation>
    </message>
    <message>
        <source>This setup expects 1, 2, or 3 source songs.</source>
        <translation>Es werden 1, 2 oder 3 Quellsongs erwartet.</translation>
    </message>
    <message>
        <source>Could not create music edit setup files: %1</source>
        <translation>Die Einrichtungsdateien für den Mix konnten nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>Created standalone edit work files in %1</source>
        <translation>Arbeitsdateien für den eigenständigen Mix in %1 erstellt</translation>
    </message>
    <message>
        <source>Needs AI help: %1</source>
        <translation>Braucht KI-Hilfe: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Cuts on the bar</source>
        <translation>Schnitte auf dem Taktanfang</translation>
    </message>
    <message>
        <source>Cut into song %1</source>
        <translation>Schnitt in Song %1</translation>
    </message>
    <message>
        <source>Blend into song %1 over %2 beats, beat-matched</source>
        <translation>Überblendung in Song %1 über %2 Beats, beatgenau angeglichen</translation>
    </message>
    <message>
        <source>%1, on the bar</source>
        <translation>%1, auf dem Taktanfang</translation>
    </message>
    <message>
        <source>%1 (your choice in %2 wins over the note)</source>
        <translation>%1 (Ihre Wahl bei „%2“ geht der Notiz vor)</translation>
    </message>
    <message>
        <source>Tape stop into song %1</source>
        <translation>Tape-Stop in Song %1</translation>
    </message>
    <message>
        <source>Ends with a tape stop</source>
        <translation>Endet mit einem Tape-Stop</translation>
    </message>
    <message>
        <source>Backspin into song %1</source>
        <translation>Backspin in Song %1</translation>
    </message>
    <message>
        <source>Ends with a backspin</source>
        <translation>Endet mit einem Backspin</translation>
    </message>
    <message>
        <source>Scratch into song %1</source>
        <translation>Scratch in Song %1</translation>
    </message>
    <message>
        <source>Ends with a scratch</source>
        <translation>Endet mit einem Scratch</translation>
    </message>
    <message>
        <source>Stutter into song %1</source>
        <translation>Stutter in Song %1</translation>
    </message>
    <message>
        <source>Ends with a stutter</source>
        <translation>Endet mit einem Stutter</translation>
    </message>
    <message>
        <source>Echo out into song %1</source>
        <translation>Echo-Out in Song %1</translation>
    </message>
    <message>
        <source>Ends with an echo out</source>
        <translation>Endet mit einem Echo-Out</translation>
    </message>
    <message>
        <source>Pause, then song %1 on its beat</source>
        <translation>Pause, dann Song %1 auf seinem Beat</translation>
    </message>
    <message>
        <source>The chosen ending wins over the note&apos;s %1</source>
        <translation>Das gewählte Ende hat Vorrang vor „%1“ aus der Notiz</translation>
    </message>
    <message>
        <source>Plays at %1 BPM</source>
        <translation>Spielt mit %1 BPM</translation>
    </message>
    <message>
        <source>Plays %1 % slower</source>
        <translation>Spielt %1 % langsamer</translation>
    </message>
    <message>
        <source>Plays %1 % faster</source>
        <translation>Spielt %1 % schneller</translation>
    </message>
    <message>
        <source>Plays at the tempo of song %1</source>
        <translation>Spielt im Tempo von Song %1</translation>
    </message>
    <message>
        <source>Key %1 semitones down</source>
        <translation>Tonart %1 Halbtöne tiefer</translation>
    </message>
    <message>
        <source>Key %1 semitones up</source>
        <translation>Tonart %1 Halbtöne höher</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Blend into song %1 over %2 seconds, beat-matched</source>
        <translation>Überblendung in Song %1 über %2 Sekunden, beatgenau angeglichen</translation>
    </message>
    <message>
        <source>Ends on its cut</source>
        <translation>Endet an seinem Schnitt</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Problem found</source>
        <translation>Problem gefunden</translation>
    </message>
    <message>
        <source>Edit stopped</source>
        <translation>Mix gestoppt</translation>
    </message>
    <message>
        <source>Standing by</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>The finished MP3 and edit notes are saved in the selected output folder.</source>
        <translation>Die fertige MP3-Datei und die Mix-Notizen sind im ausgewählten Ausgabeordner gespeichert.</translation>
    </message>
    <message>
        <source>The app stopped the run and saved the error details in the work folder. Use Show Work Folder if you need the log.</source>
        <translation>Die App hat den Vorgang abgebrochen und die Fehlerdetails im Arbeitsordner gespeichert. Verwenden Sie „Arbeitsordner anzeigen“, wenn Sie das Protokoll brauchen.</translation>
    </message>
    <message>
        <source>The background edit was cancelled. Go back to change a song, note, edit approach, output folder, or final ending effect.</source>
        <translation>Der Mix im Hintergrund wurde abgebrochen. Gehen Sie zurück, um einen Song, eine Notiz, die Mix-Methode, den Ausgabeordner oder den Schlusseffekt zu ändern.</translation>
    </message>
    <message>
        <source>Click Create Edit when the notes and output folder are ready.</source>
        <translation>Klicken Sie auf „Mix erstellen“, sobald Notizen und Ausgabeordner bereit sind.</translation>
    </message>
    <message>
        <source>Still working on %1. No new local-engine or output-file activity has appeared for %2. You can keep waiting or use Stop Edit if it stays here too long.</source>
        <translation>Die App ist noch mit %1 beschäftigt. Seit %2 gab es keine neue Aktivität der lokalen Engine oder bei den Ausgabedateien. Sie können weiter warten oder „Mix stoppen“ verwenden, wenn es hier zu lange dauert.</translation>
    </message>
    <message>
        <source>Starting the background editor and preparing the work folder.</source>
        <translation>Der Hintergrund-Editor wird gestartet und der Arbeitsordner vorbereitet.</translation>
    </message>
    <message>
        <source>Elapsed: %1</source>
        <translation>Verstrichen: %1</translation>
    </message>
    <message>
        <source>calculating</source>
        <translation>wird berechnet</translation>
    </message>
    <message>
        <source>usually under 1 minute</source>
        <translation>meist unter 1 Minute</translation>
    </message>
    <message>
        <source>under 1 minute</source>
        <translation>unter 1 Minute</translation>
    </message>
    <message>
        <source>about 1-3 minutes</source>
        <translation>etwa 1-3 Minuten</translation>
    </message>
    <message>
        <source>about 1-2 minutes</source>
        <translation>etwa 1-2 Minuten</translation>
    </message>
    <message>
        <source>about 1-4 minutes</source>
        <translation>etwa 1-4 Minuten</translation>
    </message>
    <message>
        <source>Elapsed: %1 | Estimated remaining: %2 | Last activity: %3 ago</source>
        <translation>Verstrichen: %1 | Geschätzte Restzeit: %2 | Letzte Aktivität: vor %3</translation>
    </message>
    <message>
        <source>The app is still monitoring local engine output, generated files, and the finished MP3 while this runs.</source>
        <translation>Während des Vorgangs überwacht die App weiterhin die Ausgabe der lokalen Engine, die erzeugten Dateien und die fertige MP3-Datei.</translation>
    </message>
    <message>
        <source>Not run because the edit was stopped.</source>
        <translation>Nicht ausgeführt, da der Mix gestoppt wurde.</translation>
    </message>
    <message>
        <source>Still building and checking the edit. If this phase slows down, that is normal while the MP3 is encoded, finalized, and verified.</source>
        <translation>Der Mix wird noch erstellt und geprüft. Wird diese Phase langsamer, ist das normal, während die MP3-Datei kodiert, abgeschlossen und überprüft wird.</translation>
    </message>
    <message>
        <source>the local engine</source>
        <translation>die lokale Engine</translation>
    </message>
    <message>
        <source>AI fallback</source>
        <translation>der KI-Fallback</translation>
    </message>
    <message>
        <source>Right now the app is checking the selected songs, output folder, and local edit work files.</source>
        <translation>Die App prüft gerade die ausgewählten Songs, den Ausgabeordner und die lokalen Arbeitsdateien für den Mix.</translation>
    </message>
    <message>
        <source>Right now %1 is scanning the audio files, finding the first real notes, and measuring duration/volume.</source>
        <translation>Gerade untersucht %1 die Audiodateien, findet die ersten echten Töne und misst Dauer/Lautstärke.</translation>
    </message>
    <message>
        <source>Right now %1 is checking beats, downbeats, and clean cut points near the typed times.</source>
        <translation>Gerade prüft %1 Beats, Downbeats und saubere Schnittpunkte nahe den eingegebenen Zeiten.</translation>
    </message>
    <message>
        <source>Right now %1 is confirming the time targets and making sure the cut lands before the next lyric line when needed.</source>
        <translation>Gerade bestätigt %1 die Zielzeiten und sorgt bei Bedarf dafür, dass der Schnitt vor der nächsten Textzeile liegt.</translation>
    </message>
    <message>
        <source>Right now %1 is scoring cut points close to the typed time and snapping to the nearest clean beat/bar instead of drifting into the next lyric.</source>
        <translation>Gerade bewertet %1 Schnittpunkte nahe der eingegebenen Zeit und richtet sie am nächsten sauberen Beat/Takt aus, statt in die nächste Textzeile zu rutschen.</translation>
    </message>
    <message>
        <source>Right now the app is encoding the continuous 320 kbps MP3, matching loudness, trimming silence, and checking the join. If this bar slows near the end, that is normal while the MP3 is finalized.</source>
        <translation>Die App kodiert gerade die durchgehende 320-kbps-MP3-Datei, gleicht die Lautheit an, kürzt Stille und prüft den Übergang. Wird dieser Balken gegen Ende langsamer, ist das normal, während die MP3-Datei abgeschlossen wird.</translation>
    </message>
    <message>
        <source>Right now AI fallback is building the continuous MP3 and checking the join. This phase can take several minutes on full-song analysis, so a slow bar does not mean the app is frozen.</source>
        <translation>Der KI-Fallback erstellt gerade die durchgehende MP3-Datei und prüft den Übergang. Bei der Analyse ganzer Songs kann diese Phase mehrere Minuten dauern; ein langsamer Balken bedeutet also nicht, dass die App hängt.</translation>
    </message>
    <message>
        <source>Right now %1 is verifying the 320 kbps MP3, writing edit notes, and saving everything in the selected output folder. Final verification can take a little time.</source>
        <translation>Gerade überprüft %1 die 320-kbps-MP3-Datei, schreibt die Mix-Notizen und speichert alles im ausgewählten Ausgabeordner. Die abschließende Überprüfung kann etwas dauern.</translation>
    </message>
    <message>
        <source>Right now the app is monitoring the local editor.</source>
        <translation>Die App überwacht gerade den lokalen Editor.</translation>
    </message>
    <message>
        <source>Songs and output folder are ready.</source>
        <translation>Songs und Ausgabeordner sind bereit.</translation>
    </message>
    <message>
        <source>Local audio and structure scan complete.</source>
        <translation>Lokale Audio- und Strukturuntersuchung abgeschlossen.</translation>
    </message>
    <message>
        <source>Audio analysis complete.</source>
        <translation>Audioanalyse abgeschlossen.</translation>
    </message>
    <message>
        <source>Timing and phrase targets snapped to clean cut points.</source>
        <translation>Zeit- und Phrasenziele an sauberen Schnittpunkten ausgerichtet.</translation>
    </message>
    <message>
        <source>Edit points selected.</source>
        <translation>Schnittpunkte gewählt.</translation>
    </message>
    <message>
        <source>Continuous 320 kbps MP3 built.</source>
        <translation>Durchgehende 320-kbps-MP3-Datei erstellt.</translation>
    </message>
    <message>
        <source>Continuous edit built.</source>
        <translation>Durchgehender Mix erstellt.</translation>
    </message>
    <message>
        <source>MP3, edit notes, and QC files saved in the selected output folder.</source>
        <translation>MP3-Datei, Mix-Notizen und Dateien zur Qualitätskontrolle im ausgewählten Ausgabeordner gespeichert.</translation>
    </message>
    <message>
        <source>320 kbps MP3 file saved in the selected output folder.</source>
        <translation>320-kbps-MP3-Datei im ausgewählten Ausgabeordner gespeichert.</translation>
    </message>
    <message>
        <source>Standalone local engine: scanning first notes, beats, phrase cues, and clean cut points.</source>
        <translation>Eigenständige lokale Engine: untersucht erste Töne, Beats, Phrasenhinweise und saubere Schnittpunkte.</translation>
    </message>
    <message>
        <source>AI fallback: scanning first notes, beats, and clean cut points near the typed times.</source>
        <translation>KI-Fallback: untersucht erste Töne, Beats und saubere Schnittpunkte nahe den eingegebenen Zeiten.</translation>
    </message>
    <message>
        <source>Standalone local engine: choosing clean beat/bar and phrase-boundary cut points.</source>
        <translation>Eigenständige lokale Engine: wählt saubere Schnittpunkte an Beat/Takt und Phrasengrenzen.</translation>
    </message>
    <message>
        <source>AI fallback: choosing the nearest clean beat/bar around the typed target.</source>
        <translation>KI-Fallback: wählt den nächsten sauberen Beat/Takt um die eingegebene Zielzeit.</translation>
    </message>
    <message>
        <source>Standalone local engine: encoding the MP3. A slower final stretch is normal while the file is finalized and checked.</source>
        <translation>Eigenständige lokale Engine: kodiert die MP3-Datei. Ein langsamerer Endspurt ist normal, während die Datei abgeschlossen und geprüft wird.</translation>
    </message>
    <message>
        <source>Rendering the continuous MP3. If this takes a while, AI fallback is still exporting and verifying audio.</source>
        <translation>Die durchgehende MP3-Datei wird gerendert. Dauert das eine Weile, exportiert und überprüft der KI-Fallback noch Audio.</translation>
    </message>
    <message>
        <source>Verifying audio, writing notes, and closing the job. This can take a little time near the end.</source>
        <translation>Audio wird überprüft, Notizen werden geschrieben und der Auftrag wird abgeschlossen. Gegen Ende kann das etwas dauern.</translation>
    </message>
    <message>
        <source>Monitoring local engine and generated files.</source>
        <translation>Lokale Engine und erzeugte Dateien werden überwacht.</translation>
    </message>
    <message>
        <source>starting the edit</source>
        <translation>dem Start des Mixes</translation>
    </message>
    <message>
        <source>preparing the song files</source>
        <translation>dem Vorbereiten der Songdateien</translation>
    </message>
    <message>
        <source>analyzing the songs</source>
        <translation>dem Analysieren der Songs</translation>
    </message>
    <message>
        <source>finding edit points</source>
        <translation>der Suche nach Schnittpunkten</translation>
    </message>
    <message>
        <source>building the MP3</source>
        <translation>dem Erstellen der MP3-Datei</translation>
    </message>
    <message>
        <source>saving and verifying files</source>
        <translation>dem Speichern und Überprüfen der Dateien</translation>
    </message>
    <message>
        <source>Stop the edit before going back to change the setup.</source>
        <translation>Stoppen Sie den Mix, bevor Sie zurückgehen, um die Einrichtung zu ändern.</translation>
    </message>
    <message>
        <source>Back on Step 3. The finished edit is still available from View Edit.</source>
        <translation>Zurück bei Schritt 3. Der fertige Mix ist weiterhin über „Mix anzeigen“ erreichbar.</translation>
    </message>
    <message>
        <source>Back on Step 3. Review the notes, edit approach, output folder, or final ending effect.</source>
        <translation>Zurück bei Schritt 3. Prüfen Sie Notizen, Mix-Methode, Ausgabeordner oder Schlusseffekt.</translation>
    </message>
    <message>
        <source>Prepare Songs</source>
        <translation>Songs vorbereiten</translation>
    </message>
    <message>
        <source>Checking selected songs, output folder, and local edit work files.</source>
        <translation>Ausgewählte Songs, Ausgabeordner und lokale Arbeitsdateien für den Mix werden geprüft.</translation>
    </message>
    <message>
        <source>Analyze Audio</source>
        <translation>Audio analysieren</translation>
    </message>
    <message>
        <source>Scanning source audio, first notes, levels, beats, and song structure.</source>
        <translation>Quellaudio, erste Töne, Pegel, Beats und Songstruktur werden untersucht.</translation>
    </message>
    <message>
        <source>Find Edit Points</source>
        <translation>Schnittpunkte finden</translation>
    </message>
    <message>
        <source>Comparing timing, beats, count, and clean join candidates.</source>
        <translation>Zeiten, Beats, Zählzeiten und saubere Kandidaten für Übergänge werden verglichen.</translation>
    </message>
    <message>
        <source>Build Edit</source>
        <translation>Mix zusammensetzen</translation>
    </message>
    <message>
        <source>Rendering the continuous 320 kbps MP3 and matching levels.</source>
        <translation>Die durchgehende 320-kbps-MP3-Datei wird gerendert und die Pegel werden angeglichen.</translation>
    </message>
    <message>
        <source>Save Files</source>
        <translation>Dateien speichern</translation>
    </message>
    <message>
        <source>Verifying the MP3, writing edit notes, and saving files in the selected output folder.</source>
        <translation>Die MP3-Datei wird überprüft, Mix-Notizen werden geschrieben und die Dateien im ausgewählten Ausgabeordner gespeichert.</translation>
    </message>
</context>
<context>
    <name>Run</name>
    <message>
        <source>The background editor could not start.
Make sure Codex is installed and signed in, then try Create Edit again.</source>
        <translation>Der Hintergrund-Editor konnte nicht starten.
Stellen Sie sicher, dass Codex installiert und angemeldet ist, und versuchen Sie es dann erneut mit „Mix erstellen“.</translation>
    </message>
    <message>
        <source>The background editor could not start: %1</source>
        <translation>Der Hintergrund-Editor konnte nicht starten: %1</translation>
    </message>
    <message>
        <source>Complete. Your edit is ready in:
%1</source>
        <translation>Fertig. Ihr Mix liegt bereit in:
%1</translation>
    </message>
    <message>
        <source>Complete. Your edit is ready. Click View Edit to open the finished file.</source>
        <translation>Fertig. Ihr Mix ist bereit. Klicken Sie auf „Mix anzeigen“, um die fertige Datei zu öffnen.</translation>
    </message>
    <message>
        <source>The background editor stopped before a verified MP3 and edit notes were found.</source>
        <translation>Der Hintergrund-Editor wurde beendet, bevor eine überprüfte MP3-Datei und Mix-Notizen gefunden wurden.</translation>
    </message>
    <message>
        <source>The background edit did not finish.
No verified MP3 and edit notes were found in the selected output folder.</source>
        <translation>Der Mix im Hintergrund wurde nicht abgeschlossen.
Im ausgewählten Ausgabeordner wurden keine überprüfte MP3-Datei und keine Mix-Notizen gefunden.</translation>
    </message>
    <message>
        <source>The background edit did not finish.
%1</source>
        <translation>Der Mix im Hintergrund wurde nicht abgeschlossen.
%1</translation>
    </message>
    <message>
        <source>The background edit did not finish. A log was saved in the Tunewright Setup folder.</source>
        <translation>Der Mix im Hintergrund wurde nicht abgeschlossen. Ein Protokoll wurde im Ordner „Tunewright Setup“ gespeichert.</translation>
    </message>
    <message>
        <source>The 320 kbps MP3 file is saved. The editor is writing the final note and closing the job.</source>
        <translation>Die 320-kbps-MP3-Datei ist gespeichert. Der Editor schreibt die letzte Notiz und schließt den Auftrag ab.</translation>
    </message>
    <message>
        <source>320 kbps MP3 file saved:
%1
Writing final notes and closing. This should finish shortly.</source>
        <translation>320-kbps-MP3-Datei gespeichert:
%1
Die letzten Notizen werden geschrieben und der Auftrag wird abgeschlossen. Das sollte gleich fertig sein.</translation>
    </message>
    <message>
        <source>AI assist is set to Local Only. Change AI assist fallback to Codex or a configured provider for difficult edits.</source>
        <translation>Die KI-Unterstützung steht auf „Nur lokal“. Stellen Sie für schwierige Mixe den KI-Fallback auf Codex oder einen eingerichteten Anbieter um.</translation>
    </message>
    <message>
        <source>Codex fallback is selected, but Codex was not found or is not signed in on %1.</source>
        <translation>Der Codex-Fallback ist ausgewählt, aber Codex wurde auf %1 nicht gefunden oder ist nicht angemeldet.</translation>
    </message>
    <message>
        <source>Provider API fallback is selected, but secure OpenAI/Gemini/Grok/custom provider setup is not connected yet.</source>
        <translation>Die Anbieter-API ist als Fallback ausgewählt, aber die sichere Einrichtung für OpenAI/Gemini/Grok/eigene Anbieter ist noch nicht angebunden.</translation>
    </message>
    <message>
        <source>Choose 1, 2, or 3 songs first.</source>
        <translation>Wählen Sie zuerst 1, 2 oder 3 Songs.</translation>
    </message>
    <message>
        <source>No audio files found. Add 1, 2, or 3 songs first.</source>
        <translation>Keine Audiodateien gefunden. Fügen Sie zuerst 1, 2 oder 3 Songs hinzu.</translation>
    </message>
    <message>
        <source>This setup expects 1, 2, or 3 source songs.</source>
        <translation>Es werden 1, 2 oder 3 Quellsongs erwartet.</translation>
    </message>
    <message>
        <source>Choose an output folder before creating the edit.</source>
        <translation>Wählen Sie einen Ausgabeordner, bevor Sie den Mix erstellen.</translation>
    </message>
    <message>
        <source>Could not use that output folder: %1</source>
        <translation>Dieser Ausgabeordner kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>Preparing the songs.</source>
        <translation>Die Songs werden vorbereitet.</translation>
    </message>
    <message>
        <source>Creating the music edit...</source>
        <translation>Der Mix wird erstellt...</translation>
    </message>
    <message>
        <source>Preparing the selected songs and output folder.</source>
        <translation>Die ausgewählten Songs und der Ausgabeordner werden vorbereitet.</translation>
    </message>
    <message>
        <source>Could not prepare the setup files.</source>
        <translation>Die Einrichtungsdateien konnten nicht vorbereitet werden.</translation>
    </message>
    <message>
        <source>The edit did not start.</source>
        <translation>Der Mix wurde nicht gestartet.</translation>
    </message>
    <message>
        <source>Setup files could not be prepared. Check the selected songs and try again.</source>
        <translation>Die Einrichtungsdateien konnten nicht vorbereitet werden. Prüfen Sie die ausgewählten Songs und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The selected song folder was not found.</source>
        <translation>Der ausgewählte Song-Ordner wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Choose the song files again, then try Create Edit.</source>
        <translation>Wählen Sie die Songdateien erneut und versuchen Sie es dann mit „Mix erstellen“.</translation>
    </message>
    <message>
        <source>The selected song folder was not found. Choose the song files again, then try Create Edit.</source>
        <translation>Der ausgewählte Song-Ordner wurde nicht gefunden. Wählen Sie die Songdateien erneut und versuchen Sie es dann mit „Mix erstellen“.</translation>
    </message>
    <message>
        <source>Standalone local engine: analyzing timing, notes, phrase structure, and clean cut points.</source>
        <translation>Eigenständige lokale Engine: analysiert Zeiten, Notizen, Phrasenstruktur und saubere Schnittpunkte.</translation>
    </message>
    <message>
        <source>The background editing engine was not found.</source>
        <translation>Die Mix-Engine für den Hintergrund wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The local engine could not handle this edit. %1
%2</source>
        <translation>Die lokale Engine konnte diesen Mix nicht verarbeiten. %1
%2</translation>
    </message>
    <message>
        <source>The local engine needs AI help for this edit.</source>
        <translation>Die lokale Engine braucht für diesen Mix KI-Hilfe.</translation>
    </message>
    <message>
        <source>Standalone local engine unavailable: bundled renderer was not found. Switching to AI fallback.</source>
        <translation>Eigenständige lokale Engine nicht verfügbar: Der mitgelieferte Renderer wurde nicht gefunden. Wechsel zum KI-Fallback.</translation>
    </message>
    <message>
        <source>The local engine and AI fallback were not available.</source>
        <translation>Weder die lokale Engine noch der KI-Fallback war verfügbar.</translation>
    </message>
    <message>
        <source>Standalone local engine could not prepare its job files. Switching to AI fallback.</source>
        <translation>Die eigenständige lokale Engine konnte ihre Auftragsdateien nicht vorbereiten. Wechsel zum KI-Fallback.</translation>
    </message>
    <message>
        <source>The fast renderer could not start.</source>
        <translation>Der schnelle Renderer konnte nicht starten.</translation>
    </message>
    <message>
        <source>Standalone local engine could not start. Switching to AI fallback.</source>
        <translation>Die eigenständige lokale Engine konnte nicht starten. Wechsel zum KI-Fallback.</translation>
    </message>
    <message>
        <source>The local engine could not start.</source>
        <translation>Die lokale Engine konnte nicht starten.</translation>
    </message>
    <message>
        <source>Bundled local renderer and AI fallback were not available.</source>
        <translation>Weder der mitgelieferte lokale Renderer noch der KI-Fallback war verfügbar.</translation>
    </message>
    <message>
        <source>The standalone local engine could not start and AI fallback was not available.</source>
        <translation>Die eigenständige lokale Engine konnte nicht starten, und der KI-Fallback war nicht verfügbar.</translation>
    </message>
    <message>
        <source>Complete. Standalone local engine finished without AI fallback.
%1</source>
        <translation>Fertig. Die eigenständige lokale Engine hat den Mix ohne KI-Fallback fertiggestellt.
%1</translation>
    </message>
    <message>
        <source>Waiting for AI fallback to choose edit points.</source>
        <translation>Es wird gewartet, bis der KI-Fallback die Schnittpunkte gewählt hat.</translation>
    </message>
    <message>
        <source>Waiting for AI fallback to render the MP3.</source>
        <translation>Es wird gewartet, bis der KI-Fallback die MP3-Datei gerendert hat.</translation>
    </message>
    <message>
        <source>Waiting for the finished MP3 and notes.</source>
        <translation>Es wird auf die fertige MP3-Datei und die Notizen gewartet.</translation>
    </message>
    <message>
        <source>Standalone local engine could not verify the edit. Switching to AI fallback.</source>
        <translation>Die eigenständige lokale Engine konnte den Mix nicht überprüfen. Wechsel zum KI-Fallback.</translation>
    </message>
    <message>
        <source>Local engine needed AI fallback. Continuing in the background.</source>
        <translation>Die lokale Engine brauchte den KI-Fallback. Es geht im Hintergrund weiter.</translation>
    </message>
    <message>
        <source>Standalone local engine stopped before a verified MP3 and edit notes were found.</source>
        <translation>Die eigenständige lokale Engine wurde beendet, bevor eine überprüfte MP3-Datei und Mix-Notizen gefunden wurden.</translation>
    </message>
    <message>
        <source>Standalone local engine did not finish and AI fallback was not available.</source>
        <translation>Die eigenständige lokale Engine hat ihre Arbeit nicht abgeschlossen, und der KI-Fallback war nicht verfügbar.</translation>
    </message>
    <message>
        <source>The fast render did not finish.</source>
        <translation>Das schnelle Rendern wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>Standalone local engine: scanning first notes, section notes, phrase boundaries, and typed targets.</source>
        <translation>Eigenständige lokale Engine: untersucht erste Töne, Abschnittsnotizen, Phrasengrenzen und eingegebene Zielzeiten.</translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <translation>%1 konnte nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>Stopped by the user.</source>
        <translation>Vom Benutzer gestoppt.</translation>
    </message>
    <message>
        <source>Edit stopped. Go back to change anything, then click Create Edit again.</source>
        <translation>Mix gestoppt. Gehen Sie zurück, um etwas zu ändern, und klicken Sie dann erneut auf „Mix erstellen“.</translation>
    </message>
    <message>
        <source>Edit stopped. You can go back and make changes.</source>
        <translation>Mix gestoppt. Sie können zurückgehen und Änderungen vornehmen.</translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <source>Step %1</source>
        <translation>Schritt %1</translation>
    </message>
    <message>
        <source>Cover art</source>
        <translation>Coverbild</translation>
    </message>
    <message>
        <source>Overall progress</source>
        <translation>Gesamtfortschritt</translation>
    </message>
    <message>
        <source>Music edit progress</source>
        <translation>Fortschritt des Mixes</translation>
    </message>
    <message>
        <source>S&amp;top Edit</source>
        <translation>Mix &amp;stoppen</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;View Edit</source>
        <translation>Mix &amp;anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;Work Folder</source>
        <translation>A&amp;rbeitsordner anzeigen</translation>
    </message>
    <message>
        <source>Create &amp;Another Edit</source>
        <translation>&amp;Weiteren Mix erstellen</translation>
    </message>
    <message>
        <source>Back to &amp;Setup</source>
        <translation>Zurück zur &amp;Einrichtung</translation>
    </message>
    <message>
        <source>%1 progress</source>
        <translation>Fortschritt: %1</translation>
    </message>
    <message>
        <source>All %1 steps complete</source>
        <translation>Alle %1 Schritte abgeschlossen</translation>
    </message>
    <message>
        <source> into </source>
        <translation> und dann </translation>
    </message>
    <message>
        <source>Play Ending</source>
        <translation>Schluss abspielen</translation>
    </message>
    <message>
        <source>Play Join %1</source>
        <translation>Übergang %1 abspielen</translation>
    </message>
    <message>
        <source>Stop Ending</source>
        <translation>Schluss stoppen</translation>
    </message>
    <message>
        <source>Stop Join %1</source>
        <translation>Übergang %1 stoppen</translation>
    </message>
    <message>
        <source>No audio output found.</source>
        <translation>Keine Audioausgabe gefunden.</translation>
    </message>
    <message>
        <source>Reading the finished edit...</source>
        <translation>Der fertige Mix wird gelesen...</translation>
    </message>
    <message>
        <source>The finished edit could not be read: %1</source>
        <translation>Der fertige Mix konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Edit waveform</source>
        <translation>Wellenform des Mixes</translation>
    </message>
    <message>
        <source>%1 join(s) marked%2</source>
        <translation>Markierte Übergänge: %1%2</translation>
    </message>
    <message>
        <source>, ending shaded</source>
        <translation>, Schluss schattiert</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anweisungen</translation>
    </message>
    <message>
        <source>Enter the timing for each song</source>
        <translation>Zeiten für jeden Song eingeben</translation>
    </message>
    <message>
        <source>Add start and end times for each song, plus any short note. Click a song number to replace that file, or use the arrows to reorder.</source>
        <translation>Geben Sie für jeden Song Start- und Endzeit ein, dazu bei Bedarf eine kurze Notiz. Klicken Sie auf eine Songnummer, um die Datei zu ersetzen, oder ändern Sie die Reihenfolge mit den Pfeilen.</translation>
    </message>
    <message>
        <source>Timing is the default</source>
        <translation>Standardmäßig zeitbasiert</translation>
    </message>
    <message>
        <source>Use Start time and End time as tight targets. The editor normalizes 0:00 to the first real musical note, then snaps only to the nearest clean beat, bar, downbeat, or zero crossing.</source>
        <translation>Startzeit und Endzeit gelten als enge Zielvorgaben. Der Editor setzt 0:00 auf den ersten echten Ton der Musik und richtet Schnitte nur am nächsten sauberen Beat, Takt, Downbeat oder Nulldurchgang aus.</translation>
    </message>
    <message>
        <source>Create Edit will move to a progress screen and show the editing phases until the job is complete.</source>
        <translation>„Mix erstellen“ wechselt zu einer Fortschrittsanzeige und zeigt die Arbeitsphasen, bis der Auftrag abgeschlossen ist.</translation>
    </message>
    <message>
        <source>&amp;Create Edit</source>
        <translation>Mix &amp;erstellen</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>Ausgabeordner wählen</translation>
    </message>
    <message>
        <source>Pick where the finished 320 kbps MP3 and edit notes should be saved.</source>
        <translation>Wählen Sie, wo die fertige 320-kbps-MP3-Datei und die Mix-Notizen gespeichert werden sollen.</translation>
    </message>
    <message>
        <source>Required before Create Edit.</source>
        <translation>Vor „Mix erstellen“ erforderlich.</translation>
    </message>
    <message>
        <source>Choose &amp;Output Folder</source>
        <translation>Ausgabeordner &amp;wählen</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Final ending effect</source>
        <translation>Schlusseffekt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>AI assist connection</source>
        <translation>Verbindung zur KI-Unterstützung</translation>
    </message>
    <message>
        <source>Local engine runs first. Pick a fallback only for low-confidence edits.</source>
        <translation>Die lokale Engine läuft zuerst. Wählen Sie einen Fallback nur für Mixe, bei denen die Engine unsicher ist.</translation>
    </message>
    <message>
        <source>%1  ·  %2</source>
        <translation>%1  ·  %2</translation>
    </message>
    <message>
        <source>Provider setup links only. Secure API-key saving is planned for a future update.</source>
        <translation>Nur Links zur Einrichtung beim Anbieter. Das sichere Speichern von API-Schlüsseln ist für ein künftiges Update geplant.</translation>
    </message>
    <message>
        <source>Create Edit</source>
        <translation>Mix erstellen</translation>
    </message>
    <message>
        <source>Change &amp;Folder</source>
        <translation>&amp;Ordner ändern</translation>
    </message>
    <message>
        <source>Tunewright</source>
        <translation>Tunewright</translation>
    </message>
    <message>
        <source>Audio files (%1)</source>
        <translation>Audiodateien (%1)</translation>
    </message>
    <message>
        <source>The music editing engine is ready. Choose songs, add notes, and create the finished edit here.</source>
        <translation>Die Mix-Engine ist bereit. Wählen Sie hier Songs, fügen Sie Notizen hinzu und erstellen Sie den fertigen Mix.</translation>
    </message>
    <message>
        <source>Complete. The finished edit is ready in the selected output folder.</source>
        <translation>Fertig. Der Mix liegt im ausgewählten Ausgabeordner bereit.</translation>
    </message>
    <message>
        <source>Step 4 of 4: Complete</source>
        <translation>Schritt 4 von 4: Fertig</translation>
    </message>
    <message>
        <source>Step 4 of 4: Failed</source>
        <translation>Schritt 4 von 4: Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Step 4 of 4: Stopped</source>
        <translation>Schritt 4 von 4: Gestoppt</translation>
    </message>
    <message>
        <source>Creating the finished edit. Keep this app open while the progress bars run.</source>
        <translation>Der fertige Mix wird erstellt. Lassen Sie diese App geöffnet, solange die Fortschrittsbalken laufen.</translation>
    </message>
    <message>
        <source>Step 4 of 4: Creating</source>
        <translation>Schritt 4 von 4: Erstellung</translation>
    </message>
    <message>
        <source>Step 3 of 4: Instructions</source>
        <translation>Schritt 3 von 4: Anweisungen</translation>
    </message>
    <message>
        <source>Step 2 of 4: Songs</source>
        <translation>Schritt 2 von 4: Songs</translation>
    </message>
    <message>
        <source>A step-by-step app: verify setup, choose songs, add timing notes, then create the finished edit.</source>
        <translation>Eine App, die Schritt für Schritt führt: Einrichtung prüfen, Songs wählen, Zeitangaben eingeben, dann den fertigen Mix erstellen.</translation>
    </message>
    <message>
        <source>Step 1 of 4: Tools</source>
        <translation>Schritt 1 von 4: Werkzeuge</translation>
    </message>
    <message>
        <source>%1 audio file found</source>
        <translation>%1 Audiodatei gefunden</translation>
    </message>
    <message>
        <source>%1 audio files found</source>
        <translation>%1 Audiodateien gefunden</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>needs 1 to 3 songs</source>
        <translation>braucht 1 bis 3 Songs</translation>
    </message>
    <message>
        <source>%1-song edit ready</source>
        <translation>%1-Song-Mix bereit</translation>
    </message>
    <message>
        <source>Where should this song shorten or fade after the phrase resolves?</source>
        <translation>Wo soll dieser Song nach dem Ausklingen der Phrase gekürzt oder ausgeblendet werden?</translation>
    </message>
    <message>
        <source>Example: 2:00 Shorten - finish the verse or chorus near 2:00, then slowly fade after the phrase resolves.</source>
        <translation>Beispiel: 2:00 Kürzen - Strophe oder Refrain um 2:00 zu Ende spielen, dann nach dem Ausklingen der Phrase langsam ausblenden.</translation>
    </message>
    <message>
        <source>What complete chorus, hook, or phrase should finish before song 2 enters?</source>
        <translation>Welcher Refrain, welche Hook oder welche Phrase soll vollständig enden, bevor Song 2 einsetzt?</translation>
    </message>
    <message>
        <source>Example: Start at the first strong musical phrase, play through the first complete chorus, let it resolve, then exit on a clean downbeat.</source>
        <translation>Beispiel: Mit der ersten starken Phrase beginnen, den ersten vollständigen Refrain durchspielen, ausklingen lassen und dann auf einem sauberen Downbeat aussteigen.</translation>
    </message>
    <message>
        <source>Should song 2 start at the beginning/opening downbeat, or did you specifically want a vocal/internal section?</source>
        <translation>Soll Song 2 am Anfang/ersten Downbeat beginnen, oder möchten Sie gezielt eine Gesangsstelle/einen Abschnitt mitten im Song?</translation>
    </message>
    <message>
        <source>Example: Start from the beginning/opening downbeat, play through the first complete chorus, then end on a clean phrase ending. Only use vocals if I type that.</source>
        <translation>Beispiel: Am Anfang/ersten Downbeat beginnen, den ersten vollständigen Refrain durchspielen, dann an einem sauberen Phrasenende aufhören. Gesang nur verwenden, wenn ich das schreibe.</translation>
    </message>
    <message>
        <source>Example: Start at the first strong musical phrase, play through the first complete chorus, then exit on a clean downbeat into song 2.</source>
        <translation>Beispiel: Mit der ersten starken Phrase beginnen, den ersten vollständigen Refrain durchspielen, dann auf einem sauberen Downbeat in Song 2 übergehen.</translation>
    </message>
    <message>
        <source>Example: Start from the beginning/opening downbeat, play through the first complete chorus, then exit on a clean downbeat into song 3. Only use vocals if I type that.</source>
        <translation>Beispiel: Am Anfang/ersten Downbeat beginnen, den ersten vollständigen Refrain durchspielen, dann auf einem sauberen Downbeat in Song 3 übergehen. Gesang nur verwenden, wenn ich das schreibe.</translation>
    </message>
    <message>
        <source>Should song 3 start at the beginning/opening downbeat, or did you specifically want a vocal/internal section?</source>
        <translation>Soll Song 3 am Anfang/ersten Downbeat beginnen, oder möchten Sie gezielt eine Gesangsstelle/einen Abschnitt mitten im Song?</translation>
    </message>
    <message>
        <source>Where should this song be used in the edit?</source>
        <translation>Wo soll dieser Song im Mix vorkommen?</translation>
    </message>
    <message>
        <source>Example: specific time, chorus, hook, drop, outro, or general idea.</source>
        <translation>Beispiel: bestimmte Zeit, Refrain, Hook, Drop, Outro oder grobe Idee.</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>In Arbeit</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Needs Attention</source>
        <translation>Bitte prüfen</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Select Output Folder First</source>
        <translation>Zuerst Ausgabeordner wählen</translation>
    </message>
    <message>
        <source>Creating Edit...</source>
        <translation>Mix wird erstellt...</translation>
    </message>
    <message>
        <source>Creating your music edit</source>
        <translation>Ihr Mix wird erstellt</translation>
    </message>
    <message>
        <source>The finished edit is ready. Click the green View Edit button to open the song %1.</source>
        <translation>Der fertige Mix ist bereit. Klicken Sie auf die grüne Schaltfläche „Mix anzeigen“, um den Song %1 zu öffnen.</translation>
    </message>
    <message>
        <source>The app is using the standalone local engine first. If the engine cannot make a confident edit, it can hand off to AI fallback.</source>
        <translation>Die App verwendet zuerst die eigenständige lokale Engine. Kann die Engine keinen sicheren Mix erstellen, übergibt sie an den KI-Fallback.</translation>
    </message>
    <message>
        <source>The app is editing in the background. Full-song analysis and final verification can take several minutes, especially on first runs or %1.</source>
        <translation>Die App erstellt den Mix im Hintergrund. Die Analyse ganzer Songs und die abschließende Überprüfung können mehrere Minuten dauern, besonders beim ersten Durchlauf oder auf %1.</translation>
    </message>
    <message>
        <source>Song %1</source>
        <translation>Song %1</translation>
    </message>
    <message>
        <source>Replace song %1</source>
        <translation>Song %1 ersetzen</translation>
    </message>
    <message>
        <source>Move earlier</source>
        <translation>Nach vorne verschieben</translation>
    </message>
    <message>
        <source>Move later</source>
        <translation>Nach hinten verschieben</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Song %1 note</source>
        <translation>Notiz zu Song %1</translation>
    </message>
    <message>
        <source>Song %1 %2</source>
        <translation>Song %1 %2</translation>
    </message>
    <message>
        <source>Example: 1:04</source>
        <translation>Beispiel: 1:04</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Song Folder</source>
        <translation>Song-Ordner</translation>
    </message>
    <message>
        <source>Choose audio files or a normal folder</source>
        <translation>Audiodateien oder einen normalen Ordner wählen</translation>
    </message>
    <message>
        <source>Select 1, 2, or 3 audio files, or select one regular folder that contains the source songs. %1 are not needed.</source>
        <translation>Wählen Sie 1, 2 oder 3 Audiodateien oder einen normalen Ordner, der die Quellsongs enthält. %1 werden nicht benötigt.</translation>
    </message>
    <message>
        <source>Tunewright is ready</source>
        <translation>Tunewright ist bereit</translation>
    </message>
    <message>
        <source>The editing tools are installed. Choose 1, 2, or 3 songs, add timing notes, and create the finished edit from this app.</source>
        <translation>Die Werkzeuge für den Mix sind installiert. Wählen Sie 1, 2 oder 3 Songs, geben Sie Zeitangaben ein und erstellen Sie den fertigen Mix in dieser App.</translation>
    </message>
    <message>
        <source>Choose &amp;Audio Files</source>
        <translation>&amp;Audiodateien wählen</translation>
    </message>
    <message>
        <source>Choose &amp;Folder</source>
        <translation>&amp;Ordner wählen</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>&amp;Neu einlesen</translation>
    </message>
    <message>
        <source>C&amp;lear Songs</source>
        <translation>Songs &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Show Folder</source>
        <translation>Ordner an&amp;zeigen</translation>
    </message>
    <message>
        <source>No audio files found yet. Supported: MP3, WAV, AIFF, M4A, FLAC, AAC.</source>
        <translation>Noch keine Audiodateien gefunden. Unterstützt: MP3, WAV, AIFF, M4A, FLAC, AAC.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Fehlt</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>Nicht installiert</translation>
    </message>
    <message>
        <source>%1 (optional)</source>
        <translation>%1 (optional)</translation>
    </message>
    <message>
        <source>optional, not installed</source>
        <translation>optional, nicht installiert</translation>
    </message>
    <message>
        <source>Complete setup checked first</source>
        <translation>Zuerst wird die gesamte Einrichtung geprüft</translation>
    </message>
    <message>
        <source>Tunewright verifies its local audio engine before songs are chosen. Codex is checked only as an optional fallback for difficult edits.</source>
        <translation>Tunewright überprüft seine lokale Audio-Engine, bevor Songs gewählt werden. Codex wird nur als optionaler Fallback für schwierige Mixe geprüft.</translation>
    </message>
    <message>
        <source>Checking installed tools...</source>
        <translation>Installierte Werkzeuge werden geprüft...</translation>
    </message>
    <message>
        <source>Setup needed</source>
        <translation>Einrichtung erforderlich</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation>&amp;Erneut prüfen</translation>
    </message>
    <message>
        <source>Missing local engine pieces: %1. Reinstall Tunewright or contact support.</source>
        <translation>Fehlende Teile der lokalen Engine: %1. Installieren Sie Tunewright neu oder wenden Sie sich an den Support.</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Wird geprüft...</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Snap cuts to</source>
        <translation>Schnitte ausrichten an</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Songs</name>
    <message>
        <source>Time Based Edit</source>
        <translation>Zeitbasierter Mix</translation>
    </message>
    <message>
        <source>Use each Start time and End time as a tight target after setting 0:00 to the first real musical note, then snap only to the nearest clean beat or bar.</source>
        <translation>Jede Startzeit und Endzeit gilt als enge Zielvorgabe, nachdem 0:00 auf den ersten echten Ton der Musik gesetzt wurde; Schnitte werden nur am nächsten sauberen Beat oder Takt ausgerichtet.</translation>
    </message>
    <message>
        <source>Local Only</source>
        <translation>Nur lokal</translation>
    </message>
    <message>
        <source>Codex Fallback</source>
        <translation>Codex-Fallback</translation>
    </message>
    <message>
        <source>Provider API</source>
        <translation>Anbieter-API</translation>
    </message>
    <message>
        <source>No outside help. If confidence is low, the app stops and explains what it needs.</source>
        <translation>Keine Hilfe von außen. Ist sich die App unsicher, hält sie an und erklärt, was sie braucht.</translation>
    </message>
    <message>
        <source>Local engine first, then Codex on %1 only if the edit needs help.</source>
        <translation>Zuerst die lokale Engine; Codex auf %1 nur, wenn der Mix Hilfe braucht.</translation>
    </message>
    <message>
        <source>Future secure-key option for OpenAI, Gemini, Grok, or another provider.</source>
        <translation>Künftige Option mit sicherem Schlüssel für OpenAI, Gemini, Grok oder einen anderen Anbieter.</translation>
    </message>
    <message>
        <source>OpenAI</source>
        <translation>OpenAI</translation>
    </message>
    <message>
        <source>API keys</source>
        <translation>API-Schlüssel</translation>
    </message>
    <message>
        <source>Opened OpenAI setup. Secure API-key saving is planned for a future update.</source>
        <translation>Einrichtung für OpenAI geöffnet. Das sichere Speichern von API-Schlüsseln ist für ein künftiges Update geplant.</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gemini</translation>
    </message>
    <message>
        <source>AI Studio</source>
        <translation>AI Studio</translation>
    </message>
    <message>
        <source>Opened Gemini setup. Secure API-key saving is planned for a future update.</source>
        <translation>Einrichtung für Gemini geöffnet. Das sichere Speichern von API-Schlüsseln ist für ein künftiges Update geplant.</translation>
    </message>
    <message>
        <source>Grok</source>
        <translation>Grok</translation>
    </message>
    <message>
        <source>xAI console</source>
        <translation>xAI-Konsole</translation>
    </message>
    <message>
        <source>Opened Grok setup. Secure API-key saving is planned for a future update.</source>
        <translation>Einrichtung für Grok geöffnet. Das sichere Speichern von API-Schlüsseln ist für ein künftiges Update geplant.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigener Anbieter</translation>
    </message>
    <message>
        <source>coming next</source>
        <translation>folgt bald</translation>
    </message>
    <message>
        <source>Custom provider setup is planned for the secure-key version.</source>
        <translation>Die Einrichtung eigener Anbieter ist für die Version mit sicheren Schlüsseln geplant.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Cuts stay on the nearest zero crossing to the typed times.</source>
        <translation>Schnitte bleiben am Nulldurchgang, der den eingegebenen Zeiten am nächsten liegt.</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Echo/Fade</source>
        <translation>Echo/Ausblenden</translation>
    </message>
    <message>
        <source>The finished edit ends on the final clean phrase ending.</source>
        <translation>Der fertige Mix endet am letzten sauberen Phrasenende.</translation>
    </message>
    <message>
        <source>The fade starts at the chosen endpoint, then fades for about 2 more seconds.</source>
        <translation>Die Ausblendung beginnt am gewählten Endpunkt und dauert noch etwa 2 Sekunden.</translation>
    </message>
    <message>
        <source>Place the endpoint after the last word. The app repeats that word softly into a 4-second fade.</source>
        <translation>Setzen Sie den Endpunkt hinter das letzte Wort. Die App wiederholt dieses Wort leise und blendet es über 4 Sekunden aus.</translation>
    </message>
    <message>
        <source>Choose 1, 2, or 3 songs before choosing the output folder.</source>
        <translation>Wählen Sie 1, 2 oder 3 Songs, bevor Sie den Ausgabeordner wählen.</translation>
    </message>
    <message>
        <source>Stop the edit before going back to change the setup.</source>
        <translation>Stoppen Sie den Mix, bevor Sie zurückgehen, um die Einrichtung zu ändern.</translation>
    </message>
    <message>
        <source>Choose where the finished edit should be saved</source>
        <translation>Wählen Sie, wo der fertige Mix gespeichert werden soll</translation>
    </message>
    <message>
        <source>Choose Output Folder</source>
        <translation>Ausgabeordner wählen</translation>
    </message>
    <message>
        <source>Choose where this app should save the finished MP3 and edit notes.</source>
        <translation>Wählen Sie, wo diese App die fertige MP3-Datei und die Mix-Notizen speichern soll.</translation>
    </message>
    <message>
        <source>Choose a regular output folder in Desktop, Downloads, or Documents. This app does not need %1.</source>
        <translation>Wählen Sie einen normalen Ausgabeordner in einem der Ordner Schreibtisch, Downloads oder Dokumente. %1 ist für diese App nicht nötig.</translation>
    </message>
    <message>
        <source>Output folder selected. Add any timing notes, then click Create Edit.</source>
        <translation>Ausgabeordner gewählt. Geben Sie bei Bedarf Zeitangaben ein und klicken Sie dann auf „Mix erstellen“.</translation>
    </message>
    <message>
        <source>Move or copy the audio files to Desktop, Downloads, or Documents first. This app does not need %1.</source>
        <translation>Verschieben oder kopieren Sie die Audiodateien zuerst in einen der Ordner Schreibtisch, Downloads oder Dokumente. %1 ist für diese App nicht nötig.</translation>
    </message>
    <message>
        <source>Step 2 complete. Add timing notes, then choose an output folder.</source>
        <translation>Schritt 2 abgeschlossen. Geben Sie Zeitangaben ein und wählen Sie dann einen Ausgabeordner.</translation>
    </message>
    <message>
        <source>Step 2 complete. Add any timing or section instructions for the edit.</source>
        <translation>Schritt 2 abgeschlossen. Geben Sie bei Bedarf Anweisungen zu Zeiten oder Abschnitten für den Mix ein.</translation>
    </message>
    <message>
        <source>Choose 1 to 3 audio files</source>
        <translation>1 bis 3 Audiodateien wählen</translation>
    </message>
    <message>
        <source>Choose Audio Files</source>
        <translation>Audiodateien wählen</translation>
    </message>
    <message>
        <source>Choose only the song files for this edit. %1 are not needed.</source>
        <translation>Wählen Sie nur die Songdateien für diesen Mix. %1 werden nicht benötigt.</translation>
    </message>
    <message>
        <source>Choose a normal folder with 1 to 3 songs</source>
        <translation>Normalen Ordner mit 1 bis 3 Songs wählen</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Choose %1 that contains 1 to 3 audio files. %2</source>
        <translation>Wählen Sie %1 mit 1 bis 3 Audiodateien. %2</translation>
    </message>
    <message>
        <source>Choose replacement for song %1</source>
        <translation>Ersatz für Song %1 wählen</translation>
    </message>
    <message>
        <source>Replace Song %1</source>
        <translation>Song %1 ersetzen</translation>
    </message>
    <message>
        <source>Choose one replacement audio file from the same folder as the other selected songs.</source>
        <translation>Wählen Sie eine Ersatz-Audiodatei aus demselben Ordner wie die anderen ausgewählten Songs.</translation>
    </message>
    <message>
        <source>Missing local engine setup: %1. Reinstall Tunewright or contact support.</source>
        <translation>Einrichtung der lokalen Engine unvollständig: %1. Installieren Sie Tunewright neu oder wenden Sie sich an den Support.</translation>
    </message>
    <message>
        <source>Choose 1, 2, or 3 audio files.</source>
        <translation>Wählen Sie 1, 2 oder 3 Audiodateien.</translation>
    </message>
    <message>
        <source>No supported audio files were selected. Supported: MP3, WAV, AIFF, M4A, FLAC, AAC.</source>
        <translation>Es wurden keine unterstützten Audiodateien ausgewählt. Unterstützt: MP3, WAV, AIFF, M4A, FLAC, AAC.</translation>
    </message>
    <message>
        <source>Choose songs from one folder so the setup files can be created beside them.</source>
        <translation>Wählen Sie Songs aus einem einzigen Ordner, damit die Einrichtungsdateien daneben erstellt werden können.</translation>
    </message>
    <message>
        <source>Selected %1 supported audio file. Choose 1, 2, or 3 songs.</source>
        <translation>%1 unterstützte Audiodatei ausgewählt. Wählen Sie 1, 2 oder 3 Songs.</translation>
    </message>
    <message>
        <source>Selected %1 supported audio files. Choose 1, 2, or 3 songs.</source>
        <translation>%1 unterstützte Audiodateien ausgewählt. Wählen Sie 1, 2 oder 3 Songs.</translation>
    </message>
    <message>
        <source>Choose a regular folder that contains 1, 2, or 3 audio files.</source>
        <translation>Wählen Sie einen normalen Ordner mit 1, 2 oder 3 Audiodateien.</translation>
    </message>
    <message>
        <source>Choose a folder first.</source>
        <translation>Wählen Sie zuerst einen Ordner.</translation>
    </message>
    <message>
        <source>No supported audio files found in that folder.</source>
        <translation>In diesem Ordner wurden keine unterstützten Audiodateien gefunden.</translation>
    </message>
    <message>
        <source>Found %1 audio files. This app expects 1, 2, or 3 source songs.</source>
        <translation>%1 Audiodateien gefunden. Diese App erwartet 1, 2 oder 3 Quellsongs.</translation>
    </message>
    <message>
        <source>Song selection cleared. Choose 1, 2, or 3 songs again.</source>
        <translation>Songauswahl aufgehoben. Wählen Sie erneut 1, 2 oder 3 Songs.</translation>
    </message>
    <message>
        <source>Move or copy the replacement song to the same regular folder as the other songs. This app does not need %1.</source>
        <translation>Verschieben oder kopieren Sie den Ersatzsong in denselben normalen Ordner wie die anderen Songs. %1 ist für diese App nicht nötig.</translation>
    </message>
    <message>
        <source>Choose a supported audio file: MP3, WAV, AIFF, M4A, FLAC, or AAC.</source>
        <translation>Wählen Sie eine unterstützte Audiodatei: MP3, WAV, AIFF, M4A, FLAC oder AAC.</translation>
    </message>
    <message>
        <source>Choose the replacement song from the same folder as the other selected songs.</source>
        <translation>Wählen Sie den Ersatzsong aus demselben Ordner wie die anderen ausgewählten Songs.</translation>
    </message>
    <message>
        <source>That song is already selected. Choose a different song or use the arrows to reorder.</source>
        <translation>Dieser Song ist bereits ausgewählt. Wählen Sie einen anderen Song oder ändern Sie die Reihenfolge mit den Pfeilen.</translation>
    </message>
    <message>
        <source>Song %1 replaced. Review the notes, then choose an output folder or click Create Edit.</source>
        <translation>Song %1 ersetzt. Prüfen Sie die Notizen und wählen Sie dann einen Ausgabeordner oder klicken Sie auf „Mix erstellen“.</translation>
    </message>
    <message>
        <source>Song order updated. Add any timing notes, then click Create Edit.</source>
        <translation>Reihenfolge der Songs geändert. Geben Sie bei Bedarf Zeitangaben ein und klicken Sie dann auf „Mix erstellen“.</translation>
    </message>
    <message>
        <source>Song order updated. Add timing notes, then choose an output folder.</source>
        <translation>Reihenfolge der Songs geändert. Geben Sie Zeitangaben ein und wählen Sie dann einen Ausgabeordner.</translation>
    </message>
    <message>
        <source>Beat</source>
        <translation>Beat</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Takt</translation>
    </message>
    <message>
        <source>Cuts move to just before the nearest steady beat, at most half a beat. A song whose note asks for the bar line has its cuts moved to its bars.</source>
        <translation>Schnitte rücken knapp vor den nächsten gleichmäßigen Beat, höchstens um einen halben Beat. Verlangt die Notiz eines Songs den Taktanfang, rücken seine Schnitte an die Takte.</translation>
    </message>
    <message>
        <source>Cuts move to just before the nearest bar line, at most half a bar or 1.2 seconds. Where a song&apos;s bars are unclear, its cuts move to the beat.</source>
        <translation>Schnitte rücken knapp vor den nächsten Taktanfang, höchstens um einen halben Takt oder 1,2 Sekunden. Sind die Takte eines Songs unklar, rücken seine Schnitte an den Beat.</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Schnitt</translation>
    </message>
    <message>
        <source>Blend %1 beats</source>
        <translation>Überblendung %1 Beats</translation>
    </message>
    <message>
        <source>Into song %1</source>
        <translation>Übergang in Song %1</translation>
    </message>
    <message>
        <source>Tape stop</source>
        <translation>Tape-Stop</translation>
    </message>
    <message>
        <source>Backspin</source>
        <translation>Backspin</translation>
    </message>
    <message>
        <source>Scratch</source>
        <translation>Scratch</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stutter</source>
        <translation>Stutter</translation>
    </message>
    <message>
        <source>Echo out</source>
        <translation>Echo-Out</translation>
    </message>
    <message>
        <source>Ending</source>
        <translation>Ende</translation>
    </message>
</context>
<context>
    <name>ToolCheck</name>
    <message>
        <source>Local music renderer</source>
        <translation>Lokaler Musik-Renderer</translation>
    </message>
    <message>
        <source>MP3 encoder</source>
        <translation>MP3-Encoder</translation>
    </message>
    <message>
        <source>Bundled in this app:
%1</source>
        <translation>In dieser App mitgeliefert:
%1</translation>
    </message>
    <message>
        <source>Optional helper. Not required for local standalone edits.</source>
        <translation>Optionales Hilfsprogramm. Für eigenständige lokale Mixe nicht erforderlich.</translation>
    </message>
    <message>
        <source>Optional fallback not configured on %1.</source>
        <translation>Optionaler Fallback ist auf %1 nicht eingerichtet.</translation>
    </message>
    <message>
        <source>Audio decoding libraries</source>
        <translation>Bibliotheken zur Audiodekodierung</translation>
    </message>
    <message>
        <source>Optional. Needed only for Codex fallback.</source>
        <translation>Optional. Nur für den Codex-Fallback nötig.</translation>
    </message>
    <message>
        <source>Missing from app bundle. Reinstall Tunewright.</source>
        <translation>Fehlt im App-Paket. Installieren Sie Tunewright neu.</translation>
    </message>
    <message>
        <source>Used by the local renderer:
%1</source>
        <translation>Vom lokalen Renderer verwendet:
%1</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>Missing bundled LAME encoder. Reinstall Tunewright.</source>
        <translation>Der mitgelieferte LAME-Encoder fehlt. Installieren Sie Tunewright neu.</translation>
    </message>
    <message>
        <source>bundled lame</source>
        <translation>mitgeliefertes lame</translation>
    </message>
    <message>
        <source>system python3</source>
        <translation>python3 des Systems</translation>
    </message>
    <message>
        <source>Codex CLI</source>
        <translation>Codex CLI</translation>
    </message>
    <message>
        <source>Optional AI fallback ready:
%1</source>
        <translation>Optionaler KI-Fallback bereit:
%1</translation>
    </message>
    <message>
        <source>Optional. Local standalone edits can still run without Codex.</source>
        <translation>Optional. Eigenständige lokale Mixe funktionieren auch ohne Codex.</translation>
    </message>
    <message>
        <source>Velvetcut skill</source>
        <translation>Velvetcut-Skill</translation>
    </message>
    <message>
        <source>Optional fallback skill ready:
%1</source>
        <translation>Optionaler Fallback-Skill bereit:
%1</translation>
    </message>
    <message>
        <source>Package manager</source>
        <translation>Paketverwaltung</translation>
    </message>
    <message>
        <source>Codex login</source>
        <translation>Codex-Anmeldung</translation>
    </message>
    <message>
        <source>Optional fallback not signed in.</source>
        <translation>Optionaler Fallback nicht angemeldet.</translation>
    </message>
    <message>
        <source>Optional fallback signed in:
%1</source>
        <translation>Optionaler Fallback angemeldet:
%1</translation>
    </message>
    <message>
        <source>Optional fallback not signed in:
%1</source>
        <translation>Optionaler Fallback nicht angemeldet:
%1</translation>
    </message>
    <message>
        <source>Homebrew</source>
        <translation>Homebrew</translation>
    </message>
    <message>
        <source>Git</source>
        <translation>Git</translation>
    </message>
    <message>
        <source>ffmpeg</source>
        <translation>ffmpeg</translation>
    </message>
    <message>
        <source>ffprobe</source>
        <translation>ffprobe</translation>
    </message>
    <message>
        <source>sox</source>
        <translation>sox</translation>
    </message>
    <message>
        <source>rubberband</source>
        <translation>rubberband</translation>
    </message>
    <message>
        <source>aubio</source>
        <translation>aubio</translation>
    </message>
    <message>
        <source>Python 3.11</source>
        <translation>Python 3.11</translation>
    </message>
    <message>
        <source>Python audio packages</source>
        <translation>Python-Audiopakete</translation>
    </message>
    <message>
        <source>audio venv import check</source>
        <translation>Importprüfung der Audio-venv</translation>
    </message>
    <message>
        <source>Music AI analysis packages</source>
        <translation>Pakete für die Musik-KI-Analyse</translation>
    </message>
    <message>
        <source>music AI venv import check</source>
        <translation>Importprüfung der Musik-KI-venv</translation>
    </message>
    <message>
        <source>Step 1 is already complete. Choose 1, 2, or 3 songs to create an edit.</source>
        <translation>Schritt 1 ist bereits abgeschlossen. Wählen Sie 1, 2 oder 3 Songs, um einen Mix zu erstellen.</translation>
    </message>
    <message>
        <source>Some local engine files may be missing. Reinstall Tunewright if anything required is not ready.</source>
        <translation>Möglicherweise fehlen Dateien der lokalen Engine. Installieren Sie Tunewright neu, falls etwas Erforderliches nicht bereit ist.</translation>
    </message>
    <message>
        <source>Audio tools are ready. Choose 1, 2, or 3 songs, or choose a folder containing the songs.</source>
        <translation>Die Audiowerkzeuge sind bereit. Wählen Sie 1, 2 oder 3 Songs oder einen Ordner, der die Songs enthält.</translation>
    </message>
    <message>
        <source>Step 2 complete. Add timing notes, then choose an output folder.</source>
        <translation>Schritt 2 abgeschlossen. Geben Sie Zeitangaben ein und wählen Sie dann einen Ausgabeordner.</translation>
    </message>
    <message>
        <source>Step 2 complete. Add any timing or section instructions for the edit.</source>
        <translation>Schritt 2 abgeschlossen. Geben Sie bei Bedarf Anweisungen zu Zeiten oder Abschnitten für den Mix ein.</translation>
    </message>
</context>
<context>
    <name>Wizard</name>
    <message>
        <source>Checking the complete music-edit setup before choosing songs.</source>
        <translation>Vor der Songauswahl wird die gesamte Einrichtung für den Mix geprüft.</translation>
    </message>
    <message>
        <source>Choose an output folder first.</source>
        <translation>Wählen Sie zuerst einen Ausgabeordner.</translation>
    </message>
    <message>
        <source>Complete. Showing the finished edit %1.</source>
        <translation>Fertig. Der Mix wird %1 angezeigt.</translation>
    </message>
    <message>
        <source>Complete. Showing the output folder %1.</source>
        <translation>Fertig. Der Ausgabeordner wird %1 angezeigt.</translation>
    </message>
    <message>
        <source>Choose a folder first.</source>
        <translation>Wählen Sie zuerst einen Ordner.</translation>
    </message>
</context>
<context>
    <name>app::ui::DesktopNotification</name>
    <message>
        <source>Show Tunewright</source>
        <translation>Tunewright anzeigen</translation>
    </message>
</context>
</TS>
