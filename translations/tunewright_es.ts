<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>NoteRequests</name>
    <message>
        <source>scratch</source>
        <translation>scratch</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>pausa</translation>
    </message>
    <message>
        <source>power down</source>
        <translation>efecto de apagado</translation>
    </message>
    <message>
        <source>tape stop</source>
        <translation>parada de cinta</translation>
    </message>
    <message>
        <source>slow down</source>
        <translation>ralentización</translation>
    </message>
    <message>
        <source>glitch</source>
        <translation>glitch</translation>
    </message>
    <message>
        <source>bpm</source>
        <translation>BPM</translation>
    </message>
    <message>
        <source>pitch</source>
        <translation>tono</translation>
    </message>
    <message>
        <source>key change</source>
        <translation>cambio de tonalidad</translation>
    </message>
    <message>
        <source>internal</source>
        <translation>sección interna</translation>
    </message>
    <message>
        <source>stems</source>
        <translation>pistas separadas</translation>
    </message>
    <message>
        <source>lyrics</source>
        <translation>letra</translation>
    </message>
    <message>
        <source>section map</source>
        <translation>mapa de secciones</translation>
    </message>
    <message>
        <source>vocal entrance</source>
        <translation>entrada de la voz</translation>
    </message>
    <message>
        <source>first vocal</source>
        <translation>primera entrada de la voz</translation>
    </message>
    <message>
        <source>backspin</source>
        <translation>backspin</translation>
    </message>
    <message>
        <source>stutter</source>
        <translation>stutter</translation>
    </message>
    <message>
        <source>echo out</source>
        <translation>eco final</translation>
    </message>
</context>
<context>
    <name>PlatformWords</name>
    <message>
        <source>in the file manager</source>
        <translation>en el gestor de archivos</translation>
    </message>
    <message>
        <source>a regular folder</source>
        <translation>una carpeta normal</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>este ordenador</translation>
    </message>
    <message>
        <source>slower computers</source>
        <translation>ordenadores más lentos</translation>
    </message>
    <message>
        <source>the Music and Pictures libraries</source>
        <translation>las bibliotecas Música e Imágenes</translation>
    </message>
    <message>
        <source>access to the Music or Pictures libraries</source>
        <translation>acceso a las bibliotecas Música o Imágenes</translation>
    </message>
    <message>
        <source>Do not choose the Music or Pictures libraries or a media-library package.</source>
        <translation>No elijas las bibliotecas Música o Imágenes ni un paquete de biblioteca multimedia.</translation>
    </message>
</context>
<context>
    <name>Prepare</name>
    <message>
        <source>AI fallback: song %1 %2</source>
        <translation>IA de respaldo: en la canción %1, %2</translation>
    </message>
    <message>
        <source>AI fallback: the selected song count is not 1, 2, or 3.</source>
        <translation>IA de respaldo: el número de canciones seleccionadas no es 1, 2 o 3.</translation>
    </message>
    <message>
        <source>start time is not a simple timestamp.</source>
        <translation>el tiempo de inicio no es una marca de tiempo simple.</translation>
    </message>
    <message>
        <source>end time is not a simple timestamp.</source>
        <translation>el tiempo final no es una marca de tiempo simple.</translation>
    </message>
    <message>
        <source>End time must be later than Start time.</source>
        <translation>el tiempo final debe ser posterior al tiempo de inicio.</translation>
    </message>
    <message>
        <source>note asks for an effect, vocal isolation, beatmatching, or another advanced request.</source>
        <translation>la nota pide un efecto, aislar la voz, igualar el tempo u otra petición avanzada.</translation>
    </message>
    <message>
        <source>Standalone local engine: using typed times, local structure cues, and phrase-aware cut detection.</source>
        <translation>Motor local autónomo: usa los tiempos escritos, indicios locales de estructura y una detección de cortes que respeta las frases.</translation>
    </message>
    <message>
        <source>Choose a song folder first.</source>
        <translation>Elige primero una carpeta de canciones.</translation>
    </message>
    <message>
        <source>No audio files found. Add 1, 2, or 3 songs to the folder first.</source>
        <translation>No se encontraron archivos de audio. Añade primero 1, 2 o 3 canciones a la carpeta.</translation>
    </message>
    <message>
        <source>This setup expects 1, 2, or 3 source songs.</source>
        <translation>Esta configuración espera 1, 2 o 3 canciones de origen.</translation>
    </message>
    <message>
        <source>Could not create music edit setup files: %1</source>
        <translation>No se pudieron crear los archivos de configuración de la edición musical: %1</translation>
    </message>
    <message>
        <source>Created standalone edit work files in %1</source>
        <translation>Se crearon los archivos de trabajo de la edición autónoma en %1</translation>
    </message>
    <message>
        <source>Needs AI help: %1</source>
        <translation>Necesita ayuda de la IA: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Cuts on the bar</source>
        <translation>Cortes en la línea de compás</translation>
    </message>
    <message>
        <source>Cut into song %1</source>
        <translation>Corte a la canción %1</translation>
    </message>
    <message>
        <source>Blend into song %1 over %2 beats, beat-matched</source>
        <translation>Mezcla hacia la canción %1 durante %2 pulsos, con los pulsos sincronizados</translation>
    </message>
    <message>
        <source>%1, on the bar</source>
        <translation>%1, en la línea de compás</translation>
    </message>
    <message>
        <source>%1 (your choice in %2 wins over the note)</source>
        <translation>%1 (tu elección en %2 prevalece sobre la nota)</translation>
    </message>
    <message>
        <source>Tape stop into song %1</source>
        <translation>Tape stop hacia la canción %1</translation>
    </message>
    <message>
        <source>Ends with a tape stop</source>
        <translation>Termina con un tape stop</translation>
    </message>
    <message>
        <source>Backspin into song %1</source>
        <translation>Backspin hacia la canción %1</translation>
    </message>
    <message>
        <source>Ends with a backspin</source>
        <translation>Termina con un backspin</translation>
    </message>
    <message>
        <source>Scratch into song %1</source>
        <translation>Scratch hacia la canción %1</translation>
    </message>
    <message>
        <source>Ends with a scratch</source>
        <translation>Termina con un scratch</translation>
    </message>
    <message>
        <source>Stutter into song %1</source>
        <translation>Stutter hacia la canción %1</translation>
    </message>
    <message>
        <source>Ends with a stutter</source>
        <translation>Termina con un stutter</translation>
    </message>
    <message>
        <source>Echo out into song %1</source>
        <translation>Eco final hacia la canción %1</translation>
    </message>
    <message>
        <source>Ends with an echo out</source>
        <translation>Termina con un eco final</translation>
    </message>
    <message>
        <source>Pause, then song %1 on its beat</source>
        <translation>Pausa, luego la canción %1 en su pulso</translation>
    </message>
    <message>
        <source>The chosen ending wins over the note&apos;s %1</source>
        <translation>El final elegido prevalece sobre «%1» de la nota</translation>
    </message>
    <message>
        <source>Plays at %1 BPM</source>
        <translation>Suena a %1 BPM</translation>
    </message>
    <message>
        <source>Plays %1 % slower</source>
        <translation>Suena un %1 % más lenta</translation>
    </message>
    <message>
        <source>Plays %1 % faster</source>
        <translation>Suena un %1 % más rápida</translation>
    </message>
    <message>
        <source>Plays at the tempo of song %1</source>
        <translation>Suena al tempo de la canción %1</translation>
    </message>
    <message>
        <source>Key %1 semitones down</source>
        <translation>Tonalidad %1 semitonos más baja</translation>
    </message>
    <message>
        <source>Key %1 semitones up</source>
        <translation>Tonalidad %1 semitonos más alta</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Blend into song %1 over %2 seconds, beat-matched</source>
        <translation>Mezcla hacia la canción %1 durante %2 segundos, con los pulsos sincronizados</translation>
    </message>
    <message>
        <source>Ends on its cut</source>
        <translation>Termina en su corte</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Complete</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Problem found</source>
        <translation>Problema detectado</translation>
    </message>
    <message>
        <source>Edit stopped</source>
        <translation>Edición detenida</translation>
    </message>
    <message>
        <source>Standing by</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>The finished MP3 and edit notes are saved in the selected output folder.</source>
        <translation>El MP3 terminado y las notas de la edición están guardados en la carpeta de salida seleccionada.</translation>
    </message>
    <message>
        <source>The app stopped the run and saved the error details in the work folder. Use Show Work Folder if you need the log.</source>
        <translation>La aplicación detuvo la ejecución y guardó los detalles del error en la carpeta de trabajo. Usa Abrir carpeta de trabajo si necesitas el registro.</translation>
    </message>
    <message>
        <source>The background edit was cancelled. Go back to change a song, note, edit approach, output folder, or final ending effect.</source>
        <translation>Se canceló la edición en segundo plano. Vuelve atrás para cambiar una canción, una nota, el método de edición, la carpeta de salida o el efecto de final.</translation>
    </message>
    <message>
        <source>Click Create Edit when the notes and output folder are ready.</source>
        <translation>Haz clic en Crear edición cuando las notas y la carpeta de salida estén listas.</translation>
    </message>
    <message>
        <source>Still working on %1. No new local-engine or output-file activity has appeared for %2. You can keep waiting or use Stop Edit if it stays here too long.</source>
        <translation>Se sigue trabajando en %1. No ha habido actividad nueva del motor local ni de los archivos de salida desde hace %2. Puedes seguir esperando o usar Detener edición si se queda aquí demasiado tiempo.</translation>
    </message>
    <message>
        <source>Starting the background editor and preparing the work folder.</source>
        <translation>Iniciando el editor en segundo plano y preparando la carpeta de trabajo.</translation>
    </message>
    <message>
        <source>Elapsed: %1</source>
        <translation>Transcurrido: %1</translation>
    </message>
    <message>
        <source>calculating</source>
        <translation>calculando</translation>
    </message>
    <message>
        <source>usually under 1 minute</source>
        <translation>normalmente menos de 1 minuto</translation>
    </message>
    <message>
        <source>under 1 minute</source>
        <translation>menos de 1 minuto</translation>
    </message>
    <message>
        <source>about 1-3 minutes</source>
        <translation>unos 1-3 minutos</translation>
    </message>
    <message>
        <source>about 1-2 minutes</source>
        <translation>unos 1-2 minutos</translation>
    </message>
    <message>
        <source>about 1-4 minutes</source>
        <translation>unos 1-4 minutos</translation>
    </message>
    <message>
        <source>Elapsed: %1 | Estimated remaining: %2 | Last activity: %3 ago</source>
        <translation>Transcurrido: %1 | Restante estimado: %2 | Última actividad: hace %3</translation>
    </message>
    <message>
        <source>The app is still monitoring local engine output, generated files, and the finished MP3 while this runs.</source>
        <translation>Mientras tanto, la aplicación sigue vigilando la salida del motor local, los archivos generados y el MP3 terminado.</translation>
    </message>
    <message>
        <source>Not run because the edit was stopped.</source>
        <translation>No se ejecutó porque la edición se detuvo.</translation>
    </message>
    <message>
        <source>Still building and checking the edit. If this phase slows down, that is normal while the MP3 is encoded, finalized, and verified.</source>
        <translation>Se sigue generando y comprobando la edición. Si esta fase va más lenta, es normal mientras el MP3 se codifica, se finaliza y se verifica.</translation>
    </message>
    <message>
        <source>the local engine</source>
        <translation>el motor local</translation>
    </message>
    <message>
        <source>AI fallback</source>
        <translation>la IA de respaldo</translation>
    </message>
    <message>
        <source>Right now the app is checking the selected songs, output folder, and local edit work files.</source>
        <translation>Ahora mismo la aplicación está comprobando las canciones seleccionadas, la carpeta de salida y los archivos de trabajo locales de la edición.</translation>
    </message>
    <message>
        <source>Right now %1 is scanning the audio files, finding the first real notes, and measuring duration/volume.</source>
        <translation>Ahora mismo %1 está examinando los archivos de audio, buscando las primeras notas reales y midiendo duración/volumen.</translation>
    </message>
    <message>
        <source>Right now %1 is checking beats, downbeats, and clean cut points near the typed times.</source>
        <translation>Ahora mismo %1 está comprobando pulsos, tiempos fuertes y puntos de corte limpios cerca de los tiempos escritos.</translation>
    </message>
    <message>
        <source>Right now %1 is confirming the time targets and making sure the cut lands before the next lyric line when needed.</source>
        <translation>Ahora mismo %1 está confirmando los tiempos objetivo y asegurándose de que el corte caiga antes de la siguiente línea de la letra cuando haga falta.</translation>
    </message>
    <message>
        <source>Right now %1 is scoring cut points close to the typed time and snapping to the nearest clean beat/bar instead of drifting into the next lyric.</source>
        <translation>Ahora mismo %1 está puntuando los puntos de corte cercanos al tiempo escrito y ajustándolos al pulso/compás limpio más cercano en lugar de desviarse hacia la siguiente línea de la letra.</translation>
    </message>
    <message>
        <source>Right now the app is encoding the continuous 320 kbps MP3, matching loudness, trimming silence, and checking the join. If this bar slows near the end, that is normal while the MP3 is finalized.</source>
        <translation>Ahora mismo la aplicación está codificando el MP3 continuo de 320 kbps, igualando la sonoridad, recortando silencios y comprobando la unión. Si esta barra va más lenta cerca del final, es normal mientras se finaliza el MP3.</translation>
    </message>
    <message>
        <source>Right now AI fallback is building the continuous MP3 and checking the join. This phase can take several minutes on full-song analysis, so a slow bar does not mean the app is frozen.</source>
        <translation>Ahora mismo la IA de respaldo está generando el MP3 continuo y comprobando la unión. Esta fase puede tardar varios minutos si se analizan canciones completas, así que una barra lenta no significa que la aplicación se haya bloqueado.</translation>
    </message>
    <message>
        <source>Right now %1 is verifying the 320 kbps MP3, writing edit notes, and saving everything in the selected output folder. Final verification can take a little time.</source>
        <translation>Ahora mismo %1 está verificando el MP3 de 320 kbps, escribiendo las notas de la edición y guardándolo todo en la carpeta de salida seleccionada. La verificación final puede tardar un poco.</translation>
    </message>
    <message>
        <source>Right now the app is monitoring the local editor.</source>
        <translation>Ahora mismo la aplicación está vigilando el editor local.</translation>
    </message>
    <message>
        <source>Songs and output folder are ready.</source>
        <translation>Las canciones y la carpeta de salida están listas.</translation>
    </message>
    <message>
        <source>Local audio and structure scan complete.</source>
        <translation>Análisis local del audio y de la estructura completado.</translation>
    </message>
    <message>
        <source>Audio analysis complete.</source>
        <translation>Análisis del audio completado.</translation>
    </message>
    <message>
        <source>Timing and phrase targets snapped to clean cut points.</source>
        <translation>Objetivos de tiempo y de frase ajustados a puntos de corte limpios.</translation>
    </message>
    <message>
        <source>Edit points selected.</source>
        <translation>Puntos de edición seleccionados.</translation>
    </message>
    <message>
        <source>Continuous 320 kbps MP3 built.</source>
        <translation>MP3 continuo de 320 kbps generado.</translation>
    </message>
    <message>
        <source>Continuous edit built.</source>
        <translation>Edición continua generada.</translation>
    </message>
    <message>
        <source>MP3, edit notes, and QC files saved in the selected output folder.</source>
        <translation>MP3, notas de la edición y archivos de control de calidad guardados en la carpeta de salida seleccionada.</translation>
    </message>
    <message>
        <source>320 kbps MP3 file saved in the selected output folder.</source>
        <translation>Archivo MP3 de 320 kbps guardado en la carpeta de salida seleccionada.</translation>
    </message>
    <message>
        <source>Standalone local engine: scanning first notes, beats, phrase cues, and clean cut points.</source>
        <translation>Motor local autónomo: examinando primeras notas, pulsos, indicios de frase y puntos de corte limpios.</translation>
    </message>
    <message>
        <source>AI fallback: scanning first notes, beats, and clean cut points near the typed times.</source>
        <translation>IA de respaldo: examinando primeras notas, pulsos y puntos de corte limpios cerca de los tiempos escritos.</translation>
    </message>
    <message>
        <source>Standalone local engine: choosing clean beat/bar and phrase-boundary cut points.</source>
        <translation>Motor local autónomo: eligiendo puntos de corte limpios en pulso/compás y en límites de frase.</translation>
    </message>
    <message>
        <source>AI fallback: choosing the nearest clean beat/bar around the typed target.</source>
        <translation>IA de respaldo: eligiendo el pulso/compás limpio más cercano al objetivo escrito.</translation>
    </message>
    <message>
        <source>Standalone local engine: encoding the MP3. A slower final stretch is normal while the file is finalized and checked.</source>
        <translation>Motor local autónomo: codificando el MP3. Es normal que el tramo final vaya más lento mientras el archivo se finaliza y se comprueba.</translation>
    </message>
    <message>
        <source>Rendering the continuous MP3. If this takes a while, AI fallback is still exporting and verifying audio.</source>
        <translation>Renderizando el MP3 continuo. Si tarda un rato, la IA de respaldo sigue exportando y verificando el audio.</translation>
    </message>
    <message>
        <source>Verifying audio, writing notes, and closing the job. This can take a little time near the end.</source>
        <translation>Verificando el audio, escribiendo las notas y cerrando el trabajo. Cerca del final puede tardar un poco.</translation>
    </message>
    <message>
        <source>Monitoring local engine and generated files.</source>
        <translation>Vigilando el motor local y los archivos generados.</translation>
    </message>
    <message>
        <source>starting the edit</source>
        <translation>el inicio de la edición</translation>
    </message>
    <message>
        <source>preparing the song files</source>
        <translation>la preparación de los archivos de las canciones</translation>
    </message>
    <message>
        <source>analyzing the songs</source>
        <translation>el análisis de las canciones</translation>
    </message>
    <message>
        <source>finding edit points</source>
        <translation>la búsqueda de puntos de edición</translation>
    </message>
    <message>
        <source>building the MP3</source>
        <translation>la generación del MP3</translation>
    </message>
    <message>
        <source>saving and verifying files</source>
        <translation>el guardado y la verificación de los archivos</translation>
    </message>
    <message>
        <source>Stop the edit before going back to change the setup.</source>
        <translation>Detén la edición antes de volver atrás para cambiar la configuración.</translation>
    </message>
    <message>
        <source>Back on Step 3. The finished edit is still available from View Edit.</source>
        <translation>De vuelta en el paso 3. La edición terminada sigue disponible en Ver edición.</translation>
    </message>
    <message>
        <source>Back on Step 3. Review the notes, edit approach, output folder, or final ending effect.</source>
        <translation>De vuelta en el paso 3. Revisa las notas, el método de edición, la carpeta de salida o el efecto de final.</translation>
    </message>
    <message>
        <source>Prepare Songs</source>
        <translation>Preparar canciones</translation>
    </message>
    <message>
        <source>Checking selected songs, output folder, and local edit work files.</source>
        <translation>Comprobando las canciones seleccionadas, la carpeta de salida y los archivos de trabajo locales de la edición.</translation>
    </message>
    <message>
        <source>Analyze Audio</source>
        <translation>Analizar audio</translation>
    </message>
    <message>
        <source>Scanning source audio, first notes, levels, beats, and song structure.</source>
        <translation>Examinando el audio de origen, primeras notas, niveles, pulsos y estructura de las canciones.</translation>
    </message>
    <message>
        <source>Find Edit Points</source>
        <translation>Buscar puntos de edición</translation>
    </message>
    <message>
        <source>Comparing timing, beats, count, and clean join candidates.</source>
        <translation>Comparando tiempos, pulsos, recuento y candidatas a unión limpia.</translation>
    </message>
    <message>
        <source>Build Edit</source>
        <translation>Generar edición</translation>
    </message>
    <message>
        <source>Rendering the continuous 320 kbps MP3 and matching levels.</source>
        <translation>Renderizando el MP3 continuo de 320 kbps e igualando niveles.</translation>
    </message>
    <message>
        <source>Save Files</source>
        <translation>Guardar archivos</translation>
    </message>
    <message>
        <source>Verifying the MP3, writing edit notes, and saving files in the selected output folder.</source>
        <translation>Verificando el MP3, escribiendo las notas de la edición y guardando los archivos en la carpeta de salida seleccionada.</translation>
    </message>
</context>
<context>
    <name>Run</name>
    <message>
        <source>The background editor could not start.
Make sure Codex is installed and signed in, then try Create Edit again.</source>
        <translation>El editor en segundo plano no pudo iniciarse.
Comprueba que Codex esté instalado y con la sesión iniciada, y vuelve a probar Crear edición.</translation>
    </message>
    <message>
        <source>The background editor could not start: %1</source>
        <translation>El editor en segundo plano no pudo iniciarse: %1</translation>
    </message>
    <message>
        <source>Complete. Your edit is ready in:
%1</source>
        <translation>Completado. Tu edición está lista en:
%1</translation>
    </message>
    <message>
        <source>Complete. Your edit is ready. Click View Edit to open the finished file.</source>
        <translation>Completado. Tu edición está lista. Haz clic en Ver edición para abrir el archivo terminado.</translation>
    </message>
    <message>
        <source>The background editor stopped before a verified MP3 and edit notes were found.</source>
        <translation>El editor en segundo plano se detuvo antes de que aparecieran un MP3 verificado y las notas de la edición.</translation>
    </message>
    <message>
        <source>The background edit did not finish.
No verified MP3 and edit notes were found in the selected output folder.</source>
        <translation>La edición en segundo plano no terminó.
No se encontraron un MP3 verificado ni las notas de la edición en la carpeta de salida seleccionada.</translation>
    </message>
    <message>
        <source>The background edit did not finish.
%1</source>
        <translation>La edición en segundo plano no terminó.
%1</translation>
    </message>
    <message>
        <source>The background edit did not finish. A log was saved in the Tunewright Setup folder.</source>
        <translation>La edición en segundo plano no terminó. Se guardó un registro en la carpeta Tunewright Setup.</translation>
    </message>
    <message>
        <source>The 320 kbps MP3 file is saved. The editor is writing the final note and closing the job.</source>
        <translation>El archivo MP3 de 320 kbps está guardado. El editor está escribiendo la nota final y cerrando el trabajo.</translation>
    </message>
    <message>
        <source>320 kbps MP3 file saved:
%1
Writing final notes and closing. This should finish shortly.</source>
        <translation>Archivo MP3 de 320 kbps guardado:
%1
Escribiendo las notas finales y cerrando. Debería terminar en breve.</translation>
    </message>
    <message>
        <source>AI assist is set to Local Only. Change AI assist fallback to Codex or a configured provider for difficult edits.</source>
        <translation>La asistencia de IA está en Solo local. Para ediciones difíciles, cambia el respaldo de la asistencia de IA a Codex o a un proveedor configurado.</translation>
    </message>
    <message>
        <source>Codex fallback is selected, but Codex was not found or is not signed in on %1.</source>
        <translation>Está seleccionado Codex de respaldo, pero Codex no se encontró o no tiene la sesión iniciada en %1.</translation>
    </message>
    <message>
        <source>Provider API fallback is selected, but secure OpenAI/Gemini/Grok/custom provider setup is not connected yet.</source>
        <translation>Está seleccionado el respaldo con API de proveedor, pero la configuración segura de OpenAI/Gemini/Grok/proveedor personalizado aún no está conectada.</translation>
    </message>
    <message>
        <source>Choose 1, 2, or 3 songs first.</source>
        <translation>Elige primero 1, 2 o 3 canciones.</translation>
    </message>
    <message>
        <source>No audio files found. Add 1, 2, or 3 songs first.</source>
        <translation>No se encontraron archivos de audio. Añade primero 1, 2 o 3 canciones.</translation>
    </message>
    <message>
        <source>This setup expects 1, 2, or 3 source songs.</source>
        <translation>Esta configuración espera 1, 2 o 3 canciones de origen.</translation>
    </message>
    <message>
        <source>Choose an output folder before creating the edit.</source>
        <translation>Elige una carpeta de salida antes de crear la edición.</translation>
    </message>
    <message>
        <source>Could not use that output folder: %1</source>
        <translation>No se pudo usar esa carpeta de salida: %1</translation>
    </message>
    <message>
        <source>Preparing the songs.</source>
        <translation>Preparando las canciones.</translation>
    </message>
    <message>
        <source>Creating the music edit...</source>
        <translation>Creando la edición musical...</translation>
    </message>
    <message>
        <source>Preparing the selected songs and output folder.</source>
        <translation>Preparando las canciones seleccionadas y la carpeta de salida.</translation>
    </message>
    <message>
        <source>Could not prepare the setup files.</source>
        <translation>No se pudieron preparar los archivos de configuración.</translation>
    </message>
    <message>
        <source>The edit did not start.</source>
        <translation>La edición no se inició.</translation>
    </message>
    <message>
        <source>Setup files could not be prepared. Check the selected songs and try again.</source>
        <translation>No se pudieron preparar los archivos de configuración. Comprueba las canciones seleccionadas y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>The selected song folder was not found.</source>
        <translation>No se encontró la carpeta de canciones seleccionada.</translation>
    </message>
    <message>
        <source>Choose the song files again, then try Create Edit.</source>
        <translation>Vuelve a elegir los archivos de las canciones y luego prueba Crear edición.</translation>
    </message>
    <message>
        <source>The selected song folder was not found. Choose the song files again, then try Create Edit.</source>
        <translation>No se encontró la carpeta de canciones seleccionada. Vuelve a elegir los archivos de las canciones y luego prueba Crear edición.</translation>
    </message>
    <message>
        <source>Standalone local engine: analyzing timing, notes, phrase structure, and clean cut points.</source>
        <translation>Motor local autónomo: analizando tiempos, notas, estructura de frases y puntos de corte limpios.</translation>
    </message>
    <message>
        <source>The background editing engine was not found.</source>
        <translation>No se encontró el motor de edición en segundo plano.</translation>
    </message>
    <message>
        <source>The local engine could not handle this edit. %1
%2</source>
        <translation>El motor local no pudo encargarse de esta edición. %1
%2</translation>
    </message>
    <message>
        <source>The local engine needs AI help for this edit.</source>
        <translation>El motor local necesita ayuda de IA para esta edición.</translation>
    </message>
    <message>
        <source>Standalone local engine unavailable: bundled renderer was not found. Switching to AI fallback.</source>
        <translation>Motor local autónomo no disponible: no se encontró el renderizador incluido. Se pasa a la IA de respaldo.</translation>
    </message>
    <message>
        <source>The local engine and AI fallback were not available.</source>
        <translation>Ni el motor local ni la IA de respaldo estaban disponibles.</translation>
    </message>
    <message>
        <source>Standalone local engine could not prepare its job files. Switching to AI fallback.</source>
        <translation>El motor local autónomo no pudo preparar sus archivos de trabajo. Se pasa a la IA de respaldo.</translation>
    </message>
    <message>
        <source>The fast renderer could not start.</source>
        <translation>El renderizador rápido no pudo iniciarse.</translation>
    </message>
    <message>
        <source>Standalone local engine could not start. Switching to AI fallback.</source>
        <translation>El motor local autónomo no pudo iniciarse. Se pasa a la IA de respaldo.</translation>
    </message>
    <message>
        <source>The local engine could not start.</source>
        <translation>El motor local no pudo iniciarse.</translation>
    </message>
    <message>
        <source>Bundled local renderer and AI fallback were not available.</source>
        <translation>Ni el renderizador local incluido ni la IA de respaldo estaban disponibles.</translation>
    </message>
    <message>
        <source>The standalone local engine could not start and AI fallback was not available.</source>
        <translation>El motor local autónomo no pudo iniciarse y la IA de respaldo no estaba disponible.</translation>
    </message>
    <message>
        <source>Complete. Standalone local engine finished without AI fallback.
%1</source>
        <translation>Completado. El motor local autónomo terminó sin la IA de respaldo.
%1</translation>
    </message>
    <message>
        <source>Waiting for AI fallback to choose edit points.</source>
        <translation>Esperando a que la IA de respaldo elija los puntos de edición.</translation>
    </message>
    <message>
        <source>Waiting for AI fallback to render the MP3.</source>
        <translation>Esperando a que la IA de respaldo renderice el MP3.</translation>
    </message>
    <message>
        <source>Waiting for the finished MP3 and notes.</source>
        <translation>Esperando el MP3 terminado y las notas.</translation>
    </message>
    <message>
        <source>Standalone local engine could not verify the edit. Switching to AI fallback.</source>
        <translation>El motor local autónomo no pudo verificar la edición. Se pasa a la IA de respaldo.</translation>
    </message>
    <message>
        <source>Local engine needed AI fallback. Continuing in the background.</source>
        <translation>El motor local ha necesitado la IA de respaldo. Se continúa en segundo plano.</translation>
    </message>
    <message>
        <source>Standalone local engine stopped before a verified MP3 and edit notes were found.</source>
        <translation>El motor local autónomo se detuvo antes de que aparecieran un MP3 verificado y las notas de la edición.</translation>
    </message>
    <message>
        <source>Standalone local engine did not finish and AI fallback was not available.</source>
        <translation>El motor local autónomo no terminó y la IA de respaldo no estaba disponible.</translation>
    </message>
    <message>
        <source>The fast render did not finish.</source>
        <translation>El renderizado rápido no terminó.</translation>
    </message>
    <message>
        <source>Standalone local engine: scanning first notes, section notes, phrase boundaries, and typed targets.</source>
        <translation>Motor local autónomo: examinando primeras notas, notas de sección, límites de frase y objetivos escritos.</translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <translation>No se pudo crear %1: %2</translation>
    </message>
    <message>
        <source>Stopped by the user.</source>
        <translation>Detenido por el usuario.</translation>
    </message>
    <message>
        <source>Edit stopped. Go back to change anything, then click Create Edit again.</source>
        <translation>Edición detenida. Vuelve atrás para cambiar lo que quieras y luego haz clic de nuevo en Crear edición.</translation>
    </message>
    <message>
        <source>Edit stopped. You can go back and make changes.</source>
        <translation>Edición detenida. Puedes volver atrás y hacer cambios.</translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <source>Step %1</source>
        <translation>Paso %1</translation>
    </message>
    <message>
        <source>Cover art</source>
        <translation>Portada</translation>
    </message>
    <message>
        <source>Overall progress</source>
        <translation>Progreso general</translation>
    </message>
    <message>
        <source>Music edit progress</source>
        <translation>Progreso de la edición musical</translation>
    </message>
    <message>
        <source>S&amp;top Edit</source>
        <translation>&amp;Detener edición</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;View Edit</source>
        <translation>&amp;Ver edición</translation>
    </message>
    <message>
        <source>Show &amp;Work Folder</source>
        <translation>Abrir carpeta de &amp;trabajo</translation>
    </message>
    <message>
        <source>Create &amp;Another Edit</source>
        <translation>&amp;Nueva edición</translation>
    </message>
    <message>
        <source>Back to &amp;Setup</source>
        <translation>Volver a &amp;configurar</translation>
    </message>
    <message>
        <source>%1 progress</source>
        <translation>%1: progreso</translation>
    </message>
    <message>
        <source>All %1 steps complete</source>
        <translation>Los %1 pasos completados</translation>
    </message>
    <message>
        <source> into </source>
        <translation> y </translation>
    </message>
    <message>
        <source>Play Ending</source>
        <translation>Reproducir final</translation>
    </message>
    <message>
        <source>Play Join %1</source>
        <translation>Reproducir unión %1</translation>
    </message>
    <message>
        <source>Stop Ending</source>
        <translation>Detener final</translation>
    </message>
    <message>
        <source>Stop Join %1</source>
        <translation>Detener unión %1</translation>
    </message>
    <message>
        <source>No audio output found.</source>
        <translation>No se encontró ninguna salida de audio.</translation>
    </message>
    <message>
        <source>Reading the finished edit...</source>
        <translation>Leyendo la edición terminada...</translation>
    </message>
    <message>
        <source>The finished edit could not be read: %1</source>
        <translation>No se pudo leer la edición terminada: %1</translation>
    </message>
    <message>
        <source>Edit waveform</source>
        <translation>Forma de onda de la edición</translation>
    </message>
    <message>
        <source>%1 join(s) marked%2</source>
        <translation>%1 unión(es) marcada(s)%2</translation>
    </message>
    <message>
        <source>, ending shaded</source>
        <translation>, final sombreado</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Enter the timing for each song</source>
        <translation>Indica los tiempos de cada canción</translation>
    </message>
    <message>
        <source>Add start and end times for each song, plus any short note. Click a song number to replace that file, or use the arrows to reorder.</source>
        <translation>Añade el tiempo de inicio y el tiempo final de cada canción y, si quieres, una nota breve. Haz clic en el número de una canción para reemplazar ese archivo, o usa las flechas para cambiar el orden.</translation>
    </message>
    <message>
        <source>Timing is the default</source>
        <translation>Por defecto mandan los tiempos</translation>
    </message>
    <message>
        <source>Use Start time and End time as tight targets. The editor normalizes 0:00 to the first real musical note, then snaps only to the nearest clean beat, bar, downbeat, or zero crossing.</source>
        <translation>Usa Tiempo de inicio y Tiempo final como objetivos precisos. El editor sitúa 0:00 en la primera nota musical real y después solo ajusta al pulso, compás, tiempo fuerte o paso por cero limpio más cercano.</translation>
    </message>
    <message>
        <source>Create Edit will move to a progress screen and show the editing phases until the job is complete.</source>
        <translation>Crear edición pasa a una pantalla de progreso y muestra las fases de la edición hasta que el trabajo termina.</translation>
    </message>
    <message>
        <source>&amp;Create Edit</source>
        <translation>&amp;Crear edición</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>Elegir carpeta de salida</translation>
    </message>
    <message>
        <source>Pick where the finished 320 kbps MP3 and edit notes should be saved.</source>
        <translation>Elige dónde guardar el MP3 de 320 kbps terminado y las notas de la edición.</translation>
    </message>
    <message>
        <source>Required before Create Edit.</source>
        <translation>Necesaria antes de Crear edición.</translation>
    </message>
    <message>
        <source>Choose &amp;Output Folder</source>
        <translation>Elegir carpeta de &amp;salida</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Final ending effect</source>
        <translation>Efecto de final</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>AI assist connection</source>
        <translation>Conexión de asistencia de IA</translation>
    </message>
    <message>
        <source>Local engine runs first. Pick a fallback only for low-confidence edits.</source>
        <translation>El motor local actúa primero. Elige un respaldo solo para ediciones de poca confianza.</translation>
    </message>
    <message>
        <source>%1  ·  %2</source>
        <translation>%1  ·  %2</translation>
    </message>
    <message>
        <source>Provider setup links only. Secure API-key saving is planned for a future update.</source>
        <translation>Solo enlaces para configurar proveedores. Guardar claves de API de forma segura está previsto para una próxima actualización.</translation>
    </message>
    <message>
        <source>Create Edit</source>
        <translation>Crear edición</translation>
    </message>
    <message>
        <source>Change &amp;Folder</source>
        <translation>Ca&amp;mbiar carpeta</translation>
    </message>
    <message>
        <source>Tunewright</source>
        <translation>Tunewright</translation>
    </message>
    <message>
        <source>Audio files (%1)</source>
        <translation>Archivos de audio (%1)</translation>
    </message>
    <message>
        <source>The music editing engine is ready. Choose songs, add notes, and create the finished edit here.</source>
        <translation>El motor de edición musical está listo. Elige canciones, añade notas y crea aquí la edición terminada.</translation>
    </message>
    <message>
        <source>Complete. The finished edit is ready in the selected output folder.</source>
        <translation>Completado. La edición terminada está lista en la carpeta de salida seleccionada.</translation>
    </message>
    <message>
        <source>Step 4 of 4: Complete</source>
        <translation>Paso 4 de 4: Completado</translation>
    </message>
    <message>
        <source>Step 4 of 4: Failed</source>
        <translation>Paso 4 de 4: Fallido</translation>
    </message>
    <message>
        <source>Step 4 of 4: Stopped</source>
        <translation>Paso 4 de 4: Detenido</translation>
    </message>
    <message>
        <source>Creating the finished edit. Keep this app open while the progress bars run.</source>
        <translation>Creando la edición terminada. Mantén abierta esta aplicación mientras avanzan las barras de progreso.</translation>
    </message>
    <message>
        <source>Step 4 of 4: Creating</source>
        <translation>Paso 4 de 4: Creando</translation>
    </message>
    <message>
        <source>Step 3 of 4: Instructions</source>
        <translation>Paso 3 de 4: Instrucciones</translation>
    </message>
    <message>
        <source>Step 2 of 4: Songs</source>
        <translation>Paso 2 de 4: Canciones</translation>
    </message>
    <message>
        <source>A step-by-step app: verify setup, choose songs, add timing notes, then create the finished edit.</source>
        <translation>Una aplicación paso a paso: verifica la configuración, elige canciones, añade notas de tiempos y crea la edición terminada.</translation>
    </message>
    <message>
        <source>Step 1 of 4: Tools</source>
        <translation>Paso 1 de 4: Herramientas</translation>
    </message>
    <message>
        <source>%1 audio file found</source>
        <translation>%1 archivo de audio encontrado</translation>
    </message>
    <message>
        <source>%1 audio files found</source>
        <translation>%1 archivos de audio encontrados</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en espera</translation>
    </message>
    <message>
        <source>needs 1 to 3 songs</source>
        <translation>necesita de 1 a 3 canciones</translation>
    </message>
    <message>
        <source>%1-song edit ready</source>
        <translation>edición lista con %1 canción(es)</translation>
    </message>
    <message>
        <source>Where should this song shorten or fade after the phrase resolves?</source>
        <translation>¿Dónde debe acortarse esta canción o empezar el fundido cuando se resuelva la frase?</translation>
    </message>
    <message>
        <source>Example: 2:00 Shorten - finish the verse or chorus near 2:00, then slowly fade after the phrase resolves.</source>
        <translation>Ejemplo: 2:00 Acortar - termina la estrofa o el estribillo cerca de 2:00 y luego haz un fundido lento cuando se resuelva la frase.</translation>
    </message>
    <message>
        <source>What complete chorus, hook, or phrase should finish before song 2 enters?</source>
        <translation>¿Qué estribillo, gancho o frase completos deben terminar antes de que entre la canción 2?</translation>
    </message>
    <message>
        <source>Example: Start at the first strong musical phrase, play through the first complete chorus, let it resolve, then exit on a clean downbeat.</source>
        <translation>Ejemplo: Empieza en la primera frase musical fuerte, sigue hasta completar el primer estribillo, deja que se resuelva y sal en un tiempo fuerte limpio.</translation>
    </message>
    <message>
        <source>Should song 2 start at the beginning/opening downbeat, or did you specifically want a vocal/internal section?</source>
        <translation>¿La canción 2 debe empezar desde el principio/el primer tiempo fuerte, o querías expresamente una sección vocal/interna?</translation>
    </message>
    <message>
        <source>Example: Start from the beginning/opening downbeat, play through the first complete chorus, then end on a clean phrase ending. Only use vocals if I type that.</source>
        <translation>Ejemplo: Empieza desde el principio/el primer tiempo fuerte, sigue hasta completar el primer estribillo y termina en un final de frase limpio. Usa la voz solo si lo escribo.</translation>
    </message>
    <message>
        <source>Example: Start at the first strong musical phrase, play through the first complete chorus, then exit on a clean downbeat into song 2.</source>
        <translation>Ejemplo: Empieza en la primera frase musical fuerte, sigue hasta completar el primer estribillo y sal en un tiempo fuerte limpio hacia la canción 2.</translation>
    </message>
    <message>
        <source>Example: Start from the beginning/opening downbeat, play through the first complete chorus, then exit on a clean downbeat into song 3. Only use vocals if I type that.</source>
        <translation>Ejemplo: Empieza desde el principio/el primer tiempo fuerte, sigue hasta completar el primer estribillo y sal en un tiempo fuerte limpio hacia la canción 3. Usa la voz solo si lo escribo.</translation>
    </message>
    <message>
        <source>Should song 3 start at the beginning/opening downbeat, or did you specifically want a vocal/internal section?</source>
        <translation>¿La canción 3 debe empezar desde el principio/el primer tiempo fuerte, o querías expresamente una sección vocal/interna?</translation>
    </message>
    <message>
        <source>Where should this song be used in the edit?</source>
        <translation>¿Qué parte de esta canción debe usarse en la edición?</translation>
    </message>
    <message>
        <source>Example: specific time, chorus, hook, drop, outro, or general idea.</source>
        <translation>Ejemplo: un tiempo concreto, estribillo, gancho, drop, outro o una idea general.</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>En curso</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Needs Attention</source>
        <translation>Requiere atención</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Select Output Folder First</source>
        <translation>Selecciona antes la carpeta de salida</translation>
    </message>
    <message>
        <source>Creating Edit...</source>
        <translation>Creando edición...</translation>
    </message>
    <message>
        <source>Creating your music edit</source>
        <translation>Creando tu edición musical</translation>
    </message>
    <message>
        <source>The finished edit is ready. Click the green View Edit button to open the song %1.</source>
        <translation>La edición terminada está lista. Haz clic en el botón verde Ver edición para abrir la canción %1.</translation>
    </message>
    <message>
        <source>The app is using the standalone local engine first. If the engine cannot make a confident edit, it can hand off to AI fallback.</source>
        <translation>La aplicación usa primero el motor local autónomo. Si el motor no logra una edición fiable, puede pasar el trabajo a la IA de respaldo.</translation>
    </message>
    <message>
        <source>The app is editing in the background. Full-song analysis and final verification can take several minutes, especially on first runs or %1.</source>
        <translation>La aplicación está editando en segundo plano. El análisis de canciones completas y la verificación final pueden tardar varios minutos, sobre todo en las primeras ejecuciones o en %1.</translation>
    </message>
    <message>
        <source>Song %1</source>
        <translation>Canción %1</translation>
    </message>
    <message>
        <source>Replace song %1</source>
        <translation>Reemplazar canción %1</translation>
    </message>
    <message>
        <source>Move earlier</source>
        <translation>Mover antes</translation>
    </message>
    <message>
        <source>Move later</source>
        <translation>Mover después</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Tiempo de inicio</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Tiempo final</translation>
    </message>
    <message>
        <source>Song %1 note</source>
        <translation>Nota de la canción %1</translation>
    </message>
    <message>
        <source>Song %1 %2</source>
        <translation>%2 de la canción %1</translation>
    </message>
    <message>
        <source>Example: 1:04</source>
        <translation>Ejemplo: 1:04</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Song Folder</source>
        <translation>Carpeta de canciones</translation>
    </message>
    <message>
        <source>Choose audio files or a normal folder</source>
        <translation>Elige archivos de audio o una carpeta normal</translation>
    </message>
    <message>
        <source>Select 1, 2, or 3 audio files, or select one regular folder that contains the source songs. %1 are not needed.</source>
        <translation>Selecciona 1, 2 o 3 archivos de audio, o una sola carpeta normal que contenga las canciones de origen. %1 no hacen falta.</translation>
    </message>
    <message>
        <source>Tunewright is ready</source>
        <translation>Tunewright está listo</translation>
    </message>
    <message>
        <source>The editing tools are installed. Choose 1, 2, or 3 songs, add timing notes, and create the finished edit from this app.</source>
        <translation>Las herramientas de edición están instaladas. Elige 1, 2 o 3 canciones, añade notas de tiempos y crea la edición terminada desde esta aplicación.</translation>
    </message>
    <message>
        <source>Choose &amp;Audio Files</source>
        <translation>Elegir &amp;archivos de audio</translation>
    </message>
    <message>
        <source>Choose &amp;Folder</source>
        <translation>Elegir &amp;carpeta</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>&amp;Reexaminar</translation>
    </message>
    <message>
        <source>C&amp;lear Songs</source>
        <translation>&amp;Quitar canciones</translation>
    </message>
    <message>
        <source>&amp;Show Folder</source>
        <translation>A&amp;brir carpeta</translation>
    </message>
    <message>
        <source>No audio files found yet. Supported: MP3, WAV, AIFF, M4A, FLAC, AAC.</source>
        <translation>Aún no se ha encontrado ningún archivo de audio. Compatibles: MP3, WAV, AIFF, M4A, FLAC, AAC.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Falta</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>No instalado</translation>
    </message>
    <message>
        <source>%1 (optional)</source>
        <translation>%1 (opcional)</translation>
    </message>
    <message>
        <source>optional, not installed</source>
        <translation>opcional, no instalado</translation>
    </message>
    <message>
        <source>Complete setup checked first</source>
        <translation>Primero se comprueba toda la configuración</translation>
    </message>
    <message>
        <source>Tunewright verifies its local audio engine before songs are chosen. Codex is checked only as an optional fallback for difficult edits.</source>
        <translation>Tunewright verifica su motor de audio local antes de que elijas las canciones. Codex solo se comprueba como respaldo opcional para ediciones difíciles.</translation>
    </message>
    <message>
        <source>Checking installed tools...</source>
        <translation>Comprobando las herramientas instaladas...</translation>
    </message>
    <message>
        <source>Setup needed</source>
        <translation>Hace falta configurar</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation>&amp;Volver a comprobar</translation>
    </message>
    <message>
        <source>Missing local engine pieces: %1. Reinstall Tunewright or contact support.</source>
        <translation>Faltan piezas del motor local: %1. Reinstala Tunewright o contacta con el soporte técnico.</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Comprobando...</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Snap cuts to</source>
        <translation>Ajustar cortes a</translation>
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
        <translation>Edición por tiempos</translation>
    </message>
    <message>
        <source>Use each Start time and End time as a tight target after setting 0:00 to the first real musical note, then snap only to the nearest clean beat or bar.</source>
        <translation>Usa cada Tiempo de inicio y Tiempo final como objetivo preciso tras situar 0:00 en la primera nota musical real, y ajusta solo al pulso o compás limpio más cercano.</translation>
    </message>
    <message>
        <source>Local Only</source>
        <translation>Solo local</translation>
    </message>
    <message>
        <source>Codex Fallback</source>
        <translation>Codex de respaldo</translation>
    </message>
    <message>
        <source>Provider API</source>
        <translation>API de proveedor</translation>
    </message>
    <message>
        <source>No outside help. If confidence is low, the app stops and explains what it needs.</source>
        <translation>Sin ayuda externa. Si la confianza es baja, la aplicación se detiene y explica qué necesita.</translation>
    </message>
    <message>
        <source>Local engine first, then Codex on %1 only if the edit needs help.</source>
        <translation>Primero el motor local y luego Codex en %1, solo si la edición necesita ayuda.</translation>
    </message>
    <message>
        <source>Future secure-key option for OpenAI, Gemini, Grok, or another provider.</source>
        <translation>Futura opción con clave segura para OpenAI, Gemini, Grok u otro proveedor.</translation>
    </message>
    <message>
        <source>OpenAI</source>
        <translation>OpenAI</translation>
    </message>
    <message>
        <source>API keys</source>
        <translation>Claves de API</translation>
    </message>
    <message>
        <source>Opened OpenAI setup. Secure API-key saving is planned for a future update.</source>
        <translation>Se abrió la configuración de OpenAI. Guardar claves de API de forma segura está previsto para una próxima actualización.</translation>
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
        <translation>Se abrió la configuración de Gemini. Guardar claves de API de forma segura está previsto para una próxima actualización.</translation>
    </message>
    <message>
        <source>Grok</source>
        <translation>Grok</translation>
    </message>
    <message>
        <source>xAI console</source>
        <translation>consola de xAI</translation>
    </message>
    <message>
        <source>Opened Grok setup. Secure API-key saving is planned for a future update.</source>
        <translation>Se abrió la configuración de Grok. Guardar claves de API de forma segura está previsto para una próxima actualización.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>coming next</source>
        <translation>próximamente</translation>
    </message>
    <message>
        <source>Custom provider setup is planned for the secure-key version.</source>
        <translation>La configuración de un proveedor personalizado está prevista para la versión con claves seguras.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Cuts stay on the nearest zero crossing to the typed times.</source>
        <translation>Los cortes se quedan en el paso por cero más cercano a los tiempos escritos.</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Fundido</translation>
    </message>
    <message>
        <source>Echo/Fade</source>
        <translation>Eco/Fundido</translation>
    </message>
    <message>
        <source>The finished edit ends on the final clean phrase ending.</source>
        <translation>La edición terminada acaba en el último final de frase limpio.</translation>
    </message>
    <message>
        <source>The fade starts at the chosen endpoint, then fades for about 2 more seconds.</source>
        <translation>El fundido empieza en el punto final elegido y dura unos 2 segundos más.</translation>
    </message>
    <message>
        <source>Place the endpoint after the last word. The app repeats that word softly into a 4-second fade.</source>
        <translation>Sitúa el punto final después de la última palabra. La aplicación repite esa palabra suavemente en un fundido de 4 segundos.</translation>
    </message>
    <message>
        <source>Choose 1, 2, or 3 songs before choosing the output folder.</source>
        <translation>Elige 1, 2 o 3 canciones antes de elegir la carpeta de salida.</translation>
    </message>
    <message>
        <source>Stop the edit before going back to change the setup.</source>
        <translation>Detén la edición antes de volver atrás para cambiar la configuración.</translation>
    </message>
    <message>
        <source>Choose where the finished edit should be saved</source>
        <translation>Elige dónde guardar la edición terminada</translation>
    </message>
    <message>
        <source>Choose Output Folder</source>
        <translation>Elegir carpeta de salida</translation>
    </message>
    <message>
        <source>Choose where this app should save the finished MP3 and edit notes.</source>
        <translation>Elige dónde debe guardar esta aplicación el MP3 terminado y las notas de la edición.</translation>
    </message>
    <message>
        <source>Choose a regular output folder in Desktop, Downloads, or Documents. This app does not need %1.</source>
        <translation>Elige una carpeta de salida normal en Escritorio, Descargas o Documentos. Esta aplicación no necesita %1.</translation>
    </message>
    <message>
        <source>Output folder selected. Add any timing notes, then click Create Edit.</source>
        <translation>Carpeta de salida seleccionada. Añade las notas de tiempos que quieras y luego haz clic en Crear edición.</translation>
    </message>
    <message>
        <source>Move or copy the audio files to Desktop, Downloads, or Documents first. This app does not need %1.</source>
        <translation>Mueve o copia primero los archivos de audio a Escritorio, Descargas o Documentos. Esta aplicación no necesita %1.</translation>
    </message>
    <message>
        <source>Step 2 complete. Add timing notes, then choose an output folder.</source>
        <translation>Paso 2 completado. Añade notas de tiempos y luego elige una carpeta de salida.</translation>
    </message>
    <message>
        <source>Step 2 complete. Add any timing or section instructions for the edit.</source>
        <translation>Paso 2 completado. Añade las instrucciones de tiempos o de secciones que quieras para la edición.</translation>
    </message>
    <message>
        <source>Choose 1 to 3 audio files</source>
        <translation>Elige de 1 a 3 archivos de audio</translation>
    </message>
    <message>
        <source>Choose Audio Files</source>
        <translation>Elegir archivos de audio</translation>
    </message>
    <message>
        <source>Choose only the song files for this edit. %1 are not needed.</source>
        <translation>Elige solo los archivos de las canciones de esta edición. %1 no hacen falta.</translation>
    </message>
    <message>
        <source>Choose a normal folder with 1 to 3 songs</source>
        <translation>Elige una carpeta normal que tenga de 1 a 3 canciones</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>Elegir carpeta</translation>
    </message>
    <message>
        <source>Choose %1 that contains 1 to 3 audio files. %2</source>
        <translation>Elige %1 que contenga de 1 a 3 archivos de audio. %2</translation>
    </message>
    <message>
        <source>Choose replacement for song %1</source>
        <translation>Elige el reemplazo de la canción %1</translation>
    </message>
    <message>
        <source>Replace Song %1</source>
        <translation>Reemplazar canción %1</translation>
    </message>
    <message>
        <source>Choose one replacement audio file from the same folder as the other selected songs.</source>
        <translation>Elige un archivo de audio de reemplazo de la misma carpeta que las demás canciones seleccionadas.</translation>
    </message>
    <message>
        <source>Missing local engine setup: %1. Reinstall Tunewright or contact support.</source>
        <translation>Falta configuración del motor local: %1. Reinstala Tunewright o contacta con el soporte técnico.</translation>
    </message>
    <message>
        <source>Choose 1, 2, or 3 audio files.</source>
        <translation>Elige 1, 2 o 3 archivos de audio.</translation>
    </message>
    <message>
        <source>No supported audio files were selected. Supported: MP3, WAV, AIFF, M4A, FLAC, AAC.</source>
        <translation>No se seleccionó ningún archivo de audio compatible. Compatibles: MP3, WAV, AIFF, M4A, FLAC, AAC.</translation>
    </message>
    <message>
        <source>Choose songs from one folder so the setup files can be created beside them.</source>
        <translation>Elige canciones de una sola carpeta para que los archivos de configuración puedan crearse junto a ellas.</translation>
    </message>
    <message>
        <source>Selected %1 supported audio file. Choose 1, 2, or 3 songs.</source>
        <translation>Se seleccionó %1 archivo de audio compatible. Elige 1, 2 o 3 canciones.</translation>
    </message>
    <message>
        <source>Selected %1 supported audio files. Choose 1, 2, or 3 songs.</source>
        <translation>Se seleccionaron %1 archivos de audio compatibles. Elige 1, 2 o 3 canciones.</translation>
    </message>
    <message>
        <source>Choose a regular folder that contains 1, 2, or 3 audio files.</source>
        <translation>Elige una carpeta normal que contenga 1, 2 o 3 archivos de audio.</translation>
    </message>
    <message>
        <source>Choose a folder first.</source>
        <translation>Elige primero una carpeta.</translation>
    </message>
    <message>
        <source>No supported audio files found in that folder.</source>
        <translation>No se encontraron archivos de audio compatibles en esa carpeta.</translation>
    </message>
    <message>
        <source>Found %1 audio files. This app expects 1, 2, or 3 source songs.</source>
        <translation>Se encontraron %1 archivos de audio. Esta aplicación espera 1, 2 o 3 canciones de origen.</translation>
    </message>
    <message>
        <source>Song selection cleared. Choose 1, 2, or 3 songs again.</source>
        <translation>Selección de canciones vaciada. Vuelve a elegir 1, 2 o 3 canciones.</translation>
    </message>
    <message>
        <source>Move or copy the replacement song to the same regular folder as the other songs. This app does not need %1.</source>
        <translation>Mueve o copia la canción de reemplazo a la misma carpeta normal que las demás canciones. Esta aplicación no necesita %1.</translation>
    </message>
    <message>
        <source>Choose a supported audio file: MP3, WAV, AIFF, M4A, FLAC, or AAC.</source>
        <translation>Elige un archivo de audio compatible: MP3, WAV, AIFF, M4A, FLAC o AAC.</translation>
    </message>
    <message>
        <source>Choose the replacement song from the same folder as the other selected songs.</source>
        <translation>Elige la canción de reemplazo de la misma carpeta que las demás canciones seleccionadas.</translation>
    </message>
    <message>
        <source>That song is already selected. Choose a different song or use the arrows to reorder.</source>
        <translation>Esa canción ya está seleccionada. Elige otra canción o usa las flechas para cambiar el orden.</translation>
    </message>
    <message>
        <source>Song %1 replaced. Review the notes, then choose an output folder or click Create Edit.</source>
        <translation>Canción %1 reemplazada. Revisa las notas y luego elige una carpeta de salida o haz clic en Crear edición.</translation>
    </message>
    <message>
        <source>Song order updated. Add any timing notes, then click Create Edit.</source>
        <translation>Orden de las canciones actualizado. Añade las notas de tiempos que quieras y luego haz clic en Crear edición.</translation>
    </message>
    <message>
        <source>Song order updated. Add timing notes, then choose an output folder.</source>
        <translation>Orden de las canciones actualizado. Añade notas de tiempos y luego elige una carpeta de salida.</translation>
    </message>
    <message>
        <source>Beat</source>
        <translation>Pulso</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Compás</translation>
    </message>
    <message>
        <source>Cuts move to just before the nearest steady beat, at most half a beat. A song whose note asks for the bar line has its cuts moved to its bars.</source>
        <translation>Los cortes se mueven justo antes del pulso estable más cercano, como mucho medio pulso. Si la nota de una canción pide la línea de compás, sus cortes se mueven a sus compases.</translation>
    </message>
    <message>
        <source>Cuts move to just before the nearest bar line, at most half a bar or 1.2 seconds. Where a song&apos;s bars are unclear, its cuts move to the beat.</source>
        <translation>Los cortes se mueven justo antes de la línea de compás más cercana, como mucho medio compás o 1,2 segundos. Si los compases de una canción no están claros, sus cortes se mueven al pulso.</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Corte</translation>
    </message>
    <message>
        <source>Blend %1 beats</source>
        <translation>Mezcla de %1 pulsos</translation>
    </message>
    <message>
        <source>Into song %1</source>
        <translation>Hacia la canción %1</translation>
    </message>
    <message>
        <source>Tape stop</source>
        <translation>Tape stop</translation>
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
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stutter</source>
        <translation>Stutter</translation>
    </message>
    <message>
        <source>Echo out</source>
        <translation>Eco final</translation>
    </message>
    <message>
        <source>Ending</source>
        <translation>Final</translation>
    </message>
</context>
<context>
    <name>ToolCheck</name>
    <message>
        <source>Local music renderer</source>
        <translation>Renderizador de música local</translation>
    </message>
    <message>
        <source>MP3 encoder</source>
        <translation>Codificador MP3</translation>
    </message>
    <message>
        <source>Bundled in this app:
%1</source>
        <translation>Incluido en esta aplicación:
%1</translation>
    </message>
    <message>
        <source>Optional helper. Not required for local standalone edits.</source>
        <translation>Herramienta auxiliar opcional. No es necesaria para ediciones locales autónomas.</translation>
    </message>
    <message>
        <source>Optional fallback not configured on %1.</source>
        <translation>Respaldo opcional no configurado en %1.</translation>
    </message>
    <message>
        <source>Audio decoding libraries</source>
        <translation>Bibliotecas de decodificación de audio</translation>
    </message>
    <message>
        <source>Optional. Needed only for Codex fallback.</source>
        <translation>Opcional. Solo hace falta para Codex de respaldo.</translation>
    </message>
    <message>
        <source>Missing from app bundle. Reinstall Tunewright.</source>
        <translation>Falta en el paquete de la aplicación. Reinstala Tunewright.</translation>
    </message>
    <message>
        <source>Used by the local renderer:
%1</source>
        <translation>Usadas por el renderizador local:
%1</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
    <message>
        <source>Missing bundled LAME encoder. Reinstall Tunewright.</source>
        <translation>Falta el codificador LAME incluido. Reinstala Tunewright.</translation>
    </message>
    <message>
        <source>bundled lame</source>
        <translation>lame incluido</translation>
    </message>
    <message>
        <source>system python3</source>
        <translation>python3 del sistema</translation>
    </message>
    <message>
        <source>Codex CLI</source>
        <translation>Codex CLI</translation>
    </message>
    <message>
        <source>Optional AI fallback ready:
%1</source>
        <translation>IA de respaldo opcional lista:
%1</translation>
    </message>
    <message>
        <source>Optional. Local standalone edits can still run without Codex.</source>
        <translation>Opcional. Las ediciones locales autónomas funcionan igualmente sin Codex.</translation>
    </message>
    <message>
        <source>Velvetcut skill</source>
        <translation>Habilidad de Velvetcut</translation>
    </message>
    <message>
        <source>Optional fallback skill ready:
%1</source>
        <translation>Habilidad de respaldo opcional lista:
%1</translation>
    </message>
    <message>
        <source>Package manager</source>
        <translation>Gestor de paquetes</translation>
    </message>
    <message>
        <source>Codex login</source>
        <translation>Sesión de Codex</translation>
    </message>
    <message>
        <source>Optional fallback not signed in.</source>
        <translation>Respaldo opcional sin sesión iniciada.</translation>
    </message>
    <message>
        <source>Optional fallback signed in:
%1</source>
        <translation>Respaldo opcional con sesión iniciada:
%1</translation>
    </message>
    <message>
        <source>Optional fallback not signed in:
%1</source>
        <translation>Respaldo opcional sin sesión iniciada:
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
        <translation>Paquetes de audio de Python</translation>
    </message>
    <message>
        <source>audio venv import check</source>
        <translation>comprobación de importación del venv de audio</translation>
    </message>
    <message>
        <source>Music AI analysis packages</source>
        <translation>Paquetes de análisis musical con IA</translation>
    </message>
    <message>
        <source>music AI venv import check</source>
        <translation>comprobación de importación del venv de IA musical</translation>
    </message>
    <message>
        <source>Step 1 is already complete. Choose 1, 2, or 3 songs to create an edit.</source>
        <translation>El paso 1 ya está completado. Elige 1, 2 o 3 canciones para crear una edición.</translation>
    </message>
    <message>
        <source>Some local engine files may be missing. Reinstall Tunewright if anything required is not ready.</source>
        <translation>Puede que falten archivos del motor local. Reinstala Tunewright si algo necesario no está listo.</translation>
    </message>
    <message>
        <source>Audio tools are ready. Choose 1, 2, or 3 songs, or choose a folder containing the songs.</source>
        <translation>Las herramientas de audio están listas. Elige 1, 2 o 3 canciones, o elige una carpeta que las contenga.</translation>
    </message>
    <message>
        <source>Step 2 complete. Add timing notes, then choose an output folder.</source>
        <translation>Paso 2 completado. Añade notas de tiempos y luego elige una carpeta de salida.</translation>
    </message>
    <message>
        <source>Step 2 complete. Add any timing or section instructions for the edit.</source>
        <translation>Paso 2 completado. Añade las instrucciones de tiempos o de secciones que quieras para la edición.</translation>
    </message>
</context>
<context>
    <name>Wizard</name>
    <message>
        <source>Checking the complete music-edit setup before choosing songs.</source>
        <translation>Comprobando toda la configuración de edición musical antes de elegir canciones.</translation>
    </message>
    <message>
        <source>Choose an output folder first.</source>
        <translation>Elige primero una carpeta de salida.</translation>
    </message>
    <message>
        <source>Complete. Showing the finished edit %1.</source>
        <translation>Completado. Mostrando la edición terminada %1.</translation>
    </message>
    <message>
        <source>Complete. Showing the output folder %1.</source>
        <translation>Completado. Mostrando la carpeta de salida %1.</translation>
    </message>
    <message>
        <source>Choose a folder first.</source>
        <translation>Elige primero una carpeta.</translation>
    </message>
</context>
<context>
    <name>app::ui::DesktopNotification</name>
    <message>
        <source>Show Tunewright</source>
        <translation>Mostrar Tunewright</translation>
    </message>
</context>
</TS>
