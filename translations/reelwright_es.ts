<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>reelwright::BoxQueue</name>
    <message numerus="yes">
        <source>%n more came meanwhile; all of them are under Show Details.</source>
        <translation><numerusform>Llegaron %n más mientras tanto; todos están en «Mostrar detalles».</numerusform><numerusform>Llegaron %n más mientras tanto; todos están en «Mostrar detalles».</numerusform></translation>
    </message>
</context>
<context>
    <name>reelwright::Dialogs</name>
    <message>
        <source>Save as Preset</source>
        <translation>Guardar como preajuste</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>Nombre del preajuste</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Preset name:</source>
        <translation>Nombre del preajuste:</translation>
    </message>
</context>
<context>
    <name>reelwright::EncoderOutputView</name>
    <message>
        <source>Encoder Output - %1</source>
        <translation>Salida del codificador – %1</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Copiar todo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>What the encoder said</source>
        <translation>Lo que dijo el codificador</translation>
    </message>
</context>
<context>
    <name>reelwright::JobGrid</name>
    <message>
        <source>Ticked</source>
        <translation>Marcada</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>Sin marcar</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vacía</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Marca</translation>
    </message>
</context>
<context>
    <name>reelwright::JobListStore</name>
    <message>
        <source>File Path</source>
        <translation>Ruta del archivo</translation>
    </message>
    <message>
        <source>Conversion Status</source>
        <translation>Estado de la conversión</translation>
    </message>
    <message>
        <source>Time Length</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamaño</translation>
    </message>
</context>
<context>
    <name>reelwright::Status</name>
    <message>
        <source>Waiting Conversion</source>
        <translation>Esperando conversión</translation>
    </message>
    <message>
        <source>Unkown Format</source>
        <translation>Formato desconocido</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Iniciando…</translation>
    </message>
    <message>
        <source>Unknown format</source>
        <translation>Formato desconocido</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelada</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completada</translation>
    </message>
    <message>
        <source>Waiting Next Batch</source>
        <translation>Espera al siguiente lote</translation>
    </message>
</context>
<context>
    <name>reelwright::frmMain</name>
    <message>
        <source>The list of files cannot be kept for the next start (%1). Converting goes on, but the list will be lost when Reelwright ends.</source>
        <translation>La lista de archivos no se puede guardar para el próximo inicio (%1). La conversión sigue, pero la lista se perderá al cerrar Reelwright.</translation>
    </message>
    <message>
        <source>The encoder's output cannot be kept in logs (%1). Converting goes on.</source>
        <translation>La salida del codificador no se puede guardar en registros (%1). La conversión sigue.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 (F1)</source>
        <translation>%1 (F1)</translation>
    </message>
    <message>
        <source>Three easy steps to convert your video files.</source>
        <translation>Tres pasos sencillos para convertir sus vídeos.</translation>
    </message>
    <message>
        <source>  - Add Video Files/Folders</source>
        <translation>  - Añadir vídeos o carpetas</translation>
    </message>
    <message>
        <source>Add Video File...</source>
        <translation>Añadir vídeo…</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Añadir carpeta…</translation>
    </message>
    <message>
        <source>For Quick Adding:You can drag and drop video files into the below list</source>
        <translation>Más rápido: arrastre los vídeos a la lista de abajo</translation>
    </message>
    <message>
        <source>Select/Unselect All</source>
        <translation>Marcar todo</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Play Highlighted File</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>  - Select Output Folder and Format</source>
        <translation>  - Carpeta y formato de salida</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>Carpeta de salida:</translation>
    </message>
    <message>
        <source>Same folder as input file</source>
        <translation>Carpeta del original</translation>
    </message>
    <message>
        <source>Other folder</source>
        <translation>Otra carpeta</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Formato de salida:</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Cambiar…</translation>
    </message>
    <message>
        <source>- Click Convert to start conversion</source>
        <translation>- Pulse Convertir para empezar</translation>
    </message>
    <message>
        <source>Files at once:</source>
        <translation>A la vez:</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Files at once</source>
        <translation>Archivos a la vez</translation>
    </message>
    <message>
        <source>How many files convert at the same time. Auto converts several short files at once,
and long ones one at a time when their encoder already keeps every core busy.</source>
        <translation>Cuántos archivos se convierten a la vez. Auto convierte varios archivos cortos a la vez,
y los largos de uno en uno cuando su codificador ya ocupa todos los núcleos.</translation>
    </message>
    <message>
        <source>Convert Selected</source>
        <translation>Convertir marcados</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Convertir todo</translation>
    </message>
    <message>
        <source>Shutdown after conversion complete</source>
        <translation>Apagar al terminar</translation>
    </message>
    <message>
        <source>Select folder to add</source>
        <translation>Elija la carpeta que añadir</translation>
    </message>
    <message>
        <source>Select one or more video files</source>
        <translation>Elija uno o varios archivos de vídeo</translation>
    </message>
    <message>
        <source>Please Stop Conversion first.</source>
        <translation>Detenga primero la conversión.</translation>
    </message>
    <message>
        <source>Select the output folder</source>
        <translation>Elija la carpeta de salida</translation>
    </message>
    <message>
        <source>The list is empty, Please add Video files from step 1</source>
        <translation>La lista está vacía. Añada vídeos en el paso 1.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>No checked file is waiting for conversion. Tick the files to convert, or use Convert All.</source>
        <translation>Ningún archivo marcado espera conversión. Marque los archivos que convertir o use «Convertir todo».</translation>
    </message>
    <message>
        <source>No file is waiting for conversion: every file in the list has been converted or cannot be read.</source>
        <translation>Ningún archivo espera conversión: todos los de la lista se han convertido o no se pueden leer.</translation>
    </message>
    <message>
        <source> To try a file that failed again, right-click it and choose Convert Again.</source>
        <translation> Para reintentar un archivo que falló, haga clic derecho en él y elija «Convertir de nuevo».</translation>
    </message>
    <message>
        <source>Output Video Formats</source>
        <translation>Formatos de salida</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Preajustes</translation>
    </message>
    <message>
        <source>Custom (Advanced)</source>
        <translation>Personalizado (avanzado)</translation>
    </message>
    <message>
        <source>Keep every audio and subtitle track</source>
        <translation>Conservar pistas de audio y subtítulos</translation>
    </message>
    <message>
        <source>Every sound and subtitle track of a file goes into its result, as far as the format can
hold them; what it cannot hold is named on the file's row. Off: one of each kind.</source>
        <translation>Cada pista de audio y de subtítulos pasa al resultado, en la medida en que el formato
las admita; lo que no admite se indica en la fila del archivo. Desactivado: una de cada tipo.</translation>
    </message>
    <message>
        <source>Keep the original's date</source>
        <translation>Conservar la fecha del original</translation>
    </message>
    <message>
        <source>Each result takes the date and time its original was last changed.</source>
        <translation>Cada resultado toma la fecha y hora de la última modificación de su original.</translation>
    </message>
    <message>
        <source>Check results by decoding them</source>
        <translation>Comprobar descodificando</translation>
    </message>
    <message>
        <source>Each result is played through once, as fast as the computer can, before it takes its
name; a result with a fault fails instead. Converting takes longer.</source>
        <translation>Cada resultado se reproduce una vez, tan rápido como se pueda, antes de recibir su
nombre; un resultado con fallos falla. La conversión tarda más.</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>Guardar &amp;&amp; cerrar</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Output Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Output Video Codec:</source>
        <translation>Códec de vídeo:</translation>
    </message>
    <message>
        <source>Output File Format (Container):</source>
        <translation>Formato de archivo (contenedor):</translation>
    </message>
    <message>
        <source>Output Format(Container):</source>
        <translation>Formato (contenedor):</translation>
    </message>
    <message>
        <source>Output Audio Options</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Output Audio Codec:</source>
        <translation>Códec:</translation>
    </message>
    <message>
        <source>Sampling Rate:</source>
        <translation>Muestreo:</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Tasa:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canales:</translation>
    </message>
    <message>
        <source>Output Video Options</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Proporción:</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>Fotogramas:</translation>
    </message>
    <message>
        <source>Error occured while getting paramters</source>
        <translation>Se produjo un error al obtener los parámetros</translation>
    </message>
    <message>
        <source>Switching Off</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <source>Power Off Now</source>
        <translation>Apagar ahora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The batch has ended. The computer will be switched off in 1 second.</source>
        <translation>El lote ha terminado. El equipo se apagará en 1 segundo.</translation>
    </message>
    <message>
        <source>The batch has ended. The computer will be switched off in %1 seconds.</source>
        <translation>El lote ha terminado. El equipo se apagará en %1 segundos.</translation>
    </message>
    <message>
        <source>Interrupted Batch</source>
        <translation>Lote interrumpido</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Ahora no</translation>
    </message>
    <message>
        <source>The list of files kept from the last run could not be read (%1), so the list starts empty. It was kept as %2.</source>
        <translation>No se pudo leer la lista de archivos guardada de la última vez (%1), así que la lista empieza vacía. Se guardó como %2.</translation>
    </message>
    <message>
        <source>Another Reelwright window is open and keeps the list of files. The files of this window are not kept when it closes, and the other window's batch is not offered here.</source>
        <translation>Hay otra ventana de Reelwright abierta que guarda la lista de archivos. Los archivos de esta ventana no se guardan al cerrarla, y el lote de la otra ventana no se ofrece aquí.</translation>
    </message>
    <message>
        <source>One row of the list kept from the last run could not be read and was left out. The list as it was is kept as %1.</source>
        <translation>Una fila de la lista guardada de la última vez no se pudo leer y se omitió. La lista tal como estaba se guarda como %1.</translation>
    </message>
    <message>
        <source>%1 rows of the list kept from the last run could not be read and were left out. The list as it was is kept as %2.</source>
        <translation>%1 filas de la lista guardada de la última vez no se pudieron leer y se omitieron. La lista tal como estaba se guarda como %2.</translation>
    </message>
    <message>
        <source>One file kept in the list is no longer there and was left out.</source>
        <translation>Un archivo de la lista ya no existe y se omitió.</translation>
    </message>
    <message>
        <source>%1 files kept in the list are no longer there and were left out.</source>
        <translation>%1 archivos de la lista ya no existen y se omitieron.</translation>
    </message>
    <message>
        <source>beside each file</source>
        <translation>junto a cada archivo</translation>
    </message>
    <message>
        <source>The last batch was interrupted before it ended: 1 file is still to convert.

Resume converts it with the format and output folder the batch had:
%1</source>
        <translation>El último lote se interrumpió antes de terminar: queda 1 archivo por convertir.

«Reanudar» lo convierte con el formato y la carpeta de salida que tenía el lote:
%1</translation>
    </message>
    <message>
        <source>The last batch was interrupted before it ended: %1 files are still to convert.

Resume converts them with the format and output folder the batch had:
%2</source>
        <translation>El último lote se interrumpió antes de terminar: quedan %1 archivos por convertir.

«Reanudar» los convierte con el formato y la carpeta de salida que tenía el lote:
%2</translation>
    </message>
    <message>
        <source>Show Encoder Output...</source>
        <translation>Mostrar la salida del codificador…</translation>
    </message>
    <message>
        <source>Convert Again</source>
        <translation>Convertir de nuevo</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Quitar completados</translation>
    </message>
    <message>
        <source>Takes the converted files out of the list</source>
        <translation>Quita de la lista los archivos convertidos</translation>
    </message>
    <message>
        <source>1 file converted, %1 failed</source>
        <translation>1 archivo convertido, %1 con error</translation>
    </message>
    <message>
        <source>%1 files converted, %2 failed</source>
        <translation>%1 archivos convertidos, %2 con error</translation>
    </message>
    <message>
        <source>, %1 stopped</source>
        <translation>, %1 detenidos</translation>
    </message>
    <message>
        <source>Conversion stopped</source>
        <translation>Conversión detenida</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversión terminada</translation>
    </message>
    <message>
        <source>Every file was converted.</source>
        <translation>Se convirtieron todos los archivos.</translation>
    </message>
    <message>
        <source>These files could not be converted:
</source>
        <translation>Estos archivos no se pudieron convertir:
</translation>
    </message>
    <message>
        <source>Your choices (output folder and format) could not be saved, so the next start will not show them:</source>
        <translation>Sus opciones (carpeta y formato de salida) no se pudieron guardar, así que el próximo inicio no las mostrará:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Converts a list of video files, one after another, into the format your computer, phone or player needs, with the FFmpeg encoder doing the work.</source>
        <translation>Convierte una lista de vídeos, uno tras otro, al formato que necesita su ordenador, teléfono o reproductor; el trabajo lo hace el codificador FFmpeg.</translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>Creado por</translation>
    </message>
    <message>
        <source>Converts with</source>
        <translation>Convierte con</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Archivos que convertir</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>Audio bitrate in kbps</source>
        <translation>Tasa de bits de audio en kbps</translation>
    </message>
    <message>
        <source>Audio channels</source>
        <translation>Canales de audio</translation>
    </message>
    <message>
        <source>Video bitrate in kbps</source>
        <translation>Tasa de bits de vídeo en kbps</translation>
    </message>
    <message>
        <source>Frame rate in fps</source>
        <translation>Fotogramas por segundo</translation>
    </message>
    <message>
        <source>Save as Preset...</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Keeps the custom format as a preset of your own, listed with the others. Your presets
live in your own folder, where installing or upgrading the program never touches them.</source>
        <translation>Guarda el formato personalizado como un preajuste propio, junto a los demás. Sus preajustes
están en su propia carpeta, que instalar o actualizar el programa nunca toca.</translation>
    </message>
    <message>
        <source>Remove Preset</source>
        <translation>Quitar preajuste</translation>
    </message>
    <message>
        <source>Removes the chosen preset of your own.</source>
        <translation>Quita el preajuste propio elegido.</translation>
    </message>
</context>
</TS>