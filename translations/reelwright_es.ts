<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>reelwright::BatchDriver</name>
    <message>
        <location filename="../src/batch/BatchDriver.cpp" line="+50"/>
        <source>Error converting file: %1<byte value="xd"/>
%2</source>
        <extracomment>%1 is the file&apos;s name; %2, on the next line, why it failed.</extracomment>
        <translation>Error al convertir el archivo: %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+302"/>
        <source>Added while a batch of chosen files converts: the next batch converts it.</source>
        <translation>Se añadió mientras se convertía un lote de archivos elegidos: lo convertirá el siguiente lote.</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>The play length &quot;%1&quot; cannot be read.</source>
        <extracomment>%1 is a play length as the list shows it.</extracomment>
        <translation>No se puede leer la duración «%1».</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error occured while getting paramters<byte value="xd"/>
%1</source>
        <extracomment>%1, on the next line, is what is wrong with the format.</extracomment>
        <translation>Se produjo un error al obtener los parámetros<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <location line="+227"/>
        <source>Checking the result by decoding it</source>
        <translation>Comprobando el resultado mediante descodificación</translation>
    </message>
    <message>
        <source>Measuring the sound&apos;s loudness</source>
        <translation>Midiendo la sonoridad del sonido</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The folder %1 does not keep file locks (%2). Converting into it goes on, but another copy of Reelwright cannot tell whether the hidden file being written there is still being written, so it never removes it: should a copy be ended while it converts into this folder, remove the hidden .reelwright-nolock-... file it leaves by hand, once no copy is converting there.</source>
        <extracomment>%1 is a folder, %2 the system&apos;s reason. Keep the file name .reelwright-nolock-...</extracomment>
        <translation>La carpeta %1 no admite bloqueos de archivo (%2). La conversión en ella sigue, pero otra instancia de Reelwright no puede saber si el archivo oculto que se escribe allí se sigue escribiendo, así que nunca lo elimina: si se cierra una instancia mientras convierte en esta carpeta, elimine a mano el archivo oculto .reelwright-nolock-... que deje, cuando ya no haya ninguna instancia convirtiendo en ella.</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>%1, %2</source>
        <extracomment>Joins the parts of a note on a converting file: &quot;1:20 left for this file, 2.5x real time&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 left for this file</source>
        <extracomment>%1 is a time, such as 1:20.</extracomment>
        <translation>Quedan %1 para este archivo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 left for the batch</source>
        <extracomment>%1 is a time, such as 1:20.</extracomment>
        <translation>Quedan %1 para el lote</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 for the batch</source>
        <extracomment>Follows &quot;1:20 left for this file, &quot;: %1 is a time, such as 12:40.</extracomment>
        <translation>%1 para el lote</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1x real time</source>
        <extracomment>%1 is how many times faster than playing the file converts, such as 2.5.</extracomment>
        <translation>%1x tiempo real</translation>
    </message>
</context>
<context>
    <name>reelwright::BoxQueue</name>
    <message numerus="yes">
        <location filename="../src/platform/BoxQueue.cpp" line="+67"/>
        <source>%n more came meanwhile; all of them are under Show Details.</source>
        <translation>
            <numerusform>Llegaron %n más mientras tanto; todos están en «Mostrar detalles».</numerusform>
            <numerusform>Llegaron %n más mientras tanto; todos están en «Mostrar detalles».</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelwright::CRegister</name>
    <message>
        <location filename="../src/settings/CRegister.cpp" line="+91"/>
        <source>%1 is read-only</source>
        <extracomment>Why the settings cannot be saved: %1 is their file.</extracomment>
        <translation>%1 es de solo lectura</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1: %2</source>
        <extracomment>Why the settings cannot be saved: %1 is their file, %2 the system&apos;s reason.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+202"/>
        <source>the registry refused the values</source>
        <translation>el registro rechazó los valores</translation>
    </message>
</context>
<context>
    <name>reelwright::CVideoConv</name>
    <message>
        <location filename="../src/engine/CVideoConv.cpp" line="+115"/>
        <source>The encoder options have a quote that is not closed: %1</source>
        <extracomment>%1 is the encoder options as given.</extracomment>
        <translation>Las opciones del codificador tienen unas comillas sin cerrar: %1</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Error converting file: %1<byte value="xd"/>
%2</source>
        <extracomment>%1 is the file&apos;s name; %2, on the next line, why it failed.</extracomment>
        <translation>Error al convertir el archivo: %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Error Occured:<byte value="xd"/>
%1</source>
        <extracomment>%1 is a technical description of the fault, for a bug report.</extracomment>
        <translation>Se produjo un error:<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>reelwright::CatalogueScanner</name>
    <message>
        <location filename="../src/formats/CatalogueScanner.cpp" line="+20"/>
        <source>File not found: %1</source>
        <extracomment>%1 is a catalogue&apos;s path.</extracomment>
        <translation>No se encontró el archivo: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2</source>
        <extracomment>%1 is why a catalogue cannot be read, %2 its path.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file is empty: %1</source>
        <extracomment>%1 is a catalogue&apos;s path.</extracomment>
        <translation>El archivo está vacío: %1</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>a field line has no tag: &quot;%1&quot;</source>
        <extracomment>What is wrong in a catalogue: %1 is one of its lines.</extracomment>
        <translation>una línea de campo no tiene etiqueta: «%1»</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the &lt;%1&gt; field has no closing tag: &quot;%2&quot;</source>
        <extracomment>What is wrong in a catalogue: %1 is a field&apos;s tag, %2 its line.</extracomment>
        <translation>el campo &lt;%1&gt; no tiene etiqueta de cierre: «%2»</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The file has %1 lines; at most %2 are read.</source>
        <extracomment>%1 is a catalogue&apos;s number of lines, %2 the most that are read.</extracomment>
        <translation>El archivo tiene %1 líneas; se leen como máximo %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>line %1: an entry needs %2 field lines</source>
        <extracomment>What is wrong in a catalogue: %1 is a line number, %2 how many lines an entry has.</extracomment>
        <translation>línea %1: una entrada necesita %2 líneas de campo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>line %1: %2</source>
        <extracomment>Where a catalogue is wrong: %1 is a line number, %2 what is wrong there.</extracomment>
        <translation>línea %1: %2</translation>
    </message>
</context>
<context>
    <name>reelwright::CliOptions</name>
    <message>
        <location filename="../src/cli/CliOptions.cpp" line="+13"/>
        <source>Usage: reelwright-cli [options] [--] FILE|FOLDER...
       reelwright-cli [options] --files-from LIST [--null]
       reelwright-cli [options] --watch FOLDER
Converts video files, and the files directly inside folders, one after another with
ffmpeg, as the Reelwright window would. Results never replace an existing file.

  --preset &quot;CATEGORY/LABEL&quot;  a preset, shipped or your own (default: the choice saved
                             by the window)
  --extension EXT            the container, when the preset offers several
  --custom                   the custom fields saved by the window
  --output-folder DIR        results go to DIR (made if missing, one level);
                             default: the folder saved by the window, now
                             %1
  --same-folder              results go beside their inputs
  --jobs N|auto              how many files convert at once, 1 to 8 (default:
                             the window&apos;s choice, at first auto: one more than
                             the cores for short files, fewer for long ones)
  --skip-existing            an input whose result is already there under its
                             plain name counts as done and is not converted
                             again; one another run is converting is left to it
  --files-from LIST          also the files and folders named in LIST, one to a
                             line (- for the standard input)
  --null                     the names in LIST end with NUL (find -print0)
  --dry-run                  tell what would become of each input and its
                             result&apos;s name; convert and write nothing
  --watch FOLDER             convert each video that appears in FOLDER once its
                             size has stopped changing, until stopped
  --tracks all|first         keep every audio and subtitle track the container
                             can hold, or one of each kind (default: the
                             window&apos;s choice, at first all)
  --verify                   decode each result end to end before it takes its
                             name; a decoding error fails the file
  --keep-dates               each result takes its source&apos;s modification time
  --loudness off|LUFS        even every result&apos;s sound to this loudness, -31 to
                             -5: -23 broadcast, -16 web and podcasts, -14
                             streaming; true peaks at most -1 dBTP (default:
                             the window&apos;s choice, at first off)
  --max-size SIZE            each result at most SIZE (25M, 1.5G, 700MiB): the
                             picture&apos;s rate is worked out to fit, and a result
                             over it is encoded again smaller, or fails
  --smaller-to-fit           with --max-size: a picture that cannot fit as it
                             is made smaller (1080p, 720p, 480p, 360p) until
                             it can
  --crop auto|none           remove black bars where the whole film has them
                             (default: none)
  --no-sidecars              subtitle files beside a video (film.en.srt) do not
                             join its result
  --estimate                 tell each result&apos;s size and the time it takes, from
                             a few seconds of it encoded; convert nothing
  --json                     one JSON object per line and per input, then a
                             summary object, instead of the lines for people
  --progress                 with --json: a progress object for each running
                             file, at most once a second
  --list-presets             one line per preset: CATEGORY/LABEL, a tab, its
                             extensions (with --json, an object per preset)
  -h, --help                 show this and end
  --version                  show the version and end
  --                         what follows are files, even if they begin with -

An option&apos;s value follows it (--output-folder out) or is joined to it with =
(--output-folder=out). Each file gets a line telling what became of it, and a
summary ends the run.

The window&apos;s choices are read, never written, from
~/.config/Fennick Reelwright/HKEY_LOCAL_MACHINE.ini (or under $XDG_CONFIG_HOME).
What the encoder says for each file is kept in
~/.local/state/Fennick Reelwright/logs/ (or under $XDG_STATE_HOME).

Exit status:
  0    every file taken was converted (or, with --skip-existing, was already
       there or being converted by another run)
  1    a file failed, could not be read or was stopped, or a file named was
       refused while others were taken
  2    bad usage, or no file could be taken at all: none was given or found,
       or every one was refused
  129, 130, 143  ended by SIGHUP, Ctrl+C (SIGINT) or SIGTERM: the encoder is
       stopped and its unfinished file removed
  141  whoever read the output went away (a closed pipe), with the same care
</source>
        <translation>Uso: reelwright-cli [opciones] [--] ARCHIVO|CARPETA...
     reelwright-cli [opciones] --files-from LISTA [--null]
     reelwright-cli [opciones] --watch CARPETA
Convierte archivos de vídeo, y los archivos que hay directamente dentro de
carpetas, uno tras otro con ffmpeg, como lo haría la ventana de Reelwright.
Los resultados nunca sustituyen a un archivo existente.

  --preset &quot;CATEGORÍA/NOMBRE&quot;
                             un preajuste, de los incluidos o propio
                             (predeterminado: el elegido y guardado en la
                             ventana)
  --extension EXT            el contenedor, cuando el preajuste ofrece varios
  --custom                   los campos del formato personalizado guardados
                             en la ventana
  --output-folder CARPETA    los resultados van a CARPETA (se crea si no
                             existe, solo un nivel); predeterminado: la
                             carpeta guardada en la ventana, ahora
                             %1
  --same-folder              los resultados van junto a sus archivos de
                             entrada
  --jobs N|auto              cuántos archivos se convierten a la vez, de 1 a 8
                             (predeterminado: lo elegido en la ventana, al
                             principio auto: uno más que el número de núcleos
                             para archivos cortos, menos para los largos)
  --skip-existing            un archivo de entrada cuyo resultado ya existe
                             con su nombre simple cuenta como hecho y no se
                             vuelve a convertir; si otra ejecución lo está
                             convirtiendo, se deja a esa ejecución
  --files-from LISTA         también los archivos y carpetas indicados en
                             LISTA, uno por línea (- para la entrada estándar)
  --null                     los nombres de LISTA terminan en NUL (find
                             -print0)
  --dry-run                  indica qué pasaría con cada archivo de entrada y
                             el nombre de su resultado; no convierte ni
                             escribe nada
  --watch CARPETA            convierte cada vídeo que aparezca en CARPETA en
                             cuanto su tamaño deje de cambiar, hasta que se
                             detenga
  --tracks all|first         conserva todas las pistas de audio y subtítulos
                             que admita el contenedor, o una de cada tipo
                             (predeterminado: lo elegido en la ventana, al
                             principio all)
  --verify                   descodifica cada resultado de principio a fin
                             antes de darle su nombre; un error de
                             descodificación hace fallar el archivo
  --keep-dates               cada resultado toma la fecha de modificación de
                             su original
  --loudness off|LUFS        iguala el sonido de cada resultado a esta
                             sonoridad, de -31 a -5: -23 radio y televisión,
                             -16 web y pódcast, -14 streaming; picos reales
                             como mucho -1 dBTP (predeterminado: lo elegido en
                             la ventana, al principio off)
  --max-size TAMAÑO          cada resultado ocupa como mucho TAMAÑO (25M, 1.5G,
                             700MiB): la tasa de la imagen se calcula para que
                             quepa; un resultado mayor se codifica de nuevo más
                             pequeño, o falla
  --smaller-to-fit           con --max-size: una imagen que no cabe tal cual se
                             reduce por pasos (1080p, 720p, 480p, 360p) hasta
                             que quepa
  --crop auto|none           quitar las franjas negras donde toda la película
                             las tiene (predeterminado: none)
  --no-sidecars              los archivos de subtítulos junto a un vídeo
                             (film.en.srt) no se unen a su resultado
  --estimate                 decir el tamaño de cada resultado y el tiempo que
                             lleva, a partir de unos segundos codificados; no
                             convertir nada
  --json                     un objeto JSON por línea y por archivo de
                             entrada, y después un objeto de resumen, en lugar
                             de las líneas para personas
  --progress                 con --json: un objeto de progreso por cada
                             archivo en conversión, como mucho uno por segundo
  --list-presets             una línea por preajuste: CATEGORÍA/NOMBRE, un
                             tabulador y sus extensiones (con --json, un
                             objeto por preajuste)
  -h, --help                 muestra esta ayuda y termina
  --version                  muestra la versión y termina
  --                         lo que sigue son archivos, aunque empiecen por -

El valor de una opción va detrás de ella (--output-folder out) o unido a ella
con = (--output-folder=out). Cada archivo recibe una línea que indica qué ha
sido de él, y un resumen cierra la ejecución.

Las opciones de la ventana se leen, nunca se escriben, de
~/.config/Fennick Reelwright/HKEY_LOCAL_MACHINE.ini (o bajo $XDG_CONFIG_HOME).
Lo que dice el codificador de cada archivo se guarda en
~/.local/state/Fennick Reelwright/logs/ (o bajo $XDG_STATE_HOME).

Estado de salida:
  0    se convirtieron todos los archivos aceptados (o, con --skip-existing,
       ya existían o los estaba convirtiendo otra ejecución)
  1    un archivo falló, no se pudo leer o se detuvo, o se rechazó un archivo
       indicado mientras se aceptaban otros
  2    uso incorrecto, o no se pudo aceptar ningún archivo: no se indicó ni
       se encontró ninguno, o se rechazaron todos
  129, 130, 143  terminado por SIGHUP, Ctrl+C (SIGINT) o SIGTERM: se detiene
       el codificador y se elimina su archivo sin terminar
  141  quien leía la salida desapareció (una tubería cerrada); se actúa del
       mismo modo
</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>Unknown option %1. A file whose name begins with - goes after --.</source>
        <translation>Opción desconocida: %1. Un archivo cuyo nombre empiece por - debe ir después de --.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>An empty name was given where a file or folder was expected.</source>
        <translation>Se indicó un nombre vacío donde se esperaba un archivo o una carpeta.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 needs a value.</source>
        <translation>%1 necesita un valor.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 takes no value.</source>
        <translation>%1 no admite ningún valor.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is given twice.</source>
        <translation>%1 se indica dos veces.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>--jobs takes a number from 1 to %1, or auto.</source>
        <translation>--jobs admite un número del 1 al %1, o auto.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>--tracks takes all or first.</source>
        <translation>--tracks admite all o first.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unknown option %1.</source>
        <translation>Opción desconocida: %1.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--preset and --custom cannot be used together.</source>
        <translation>--preset y --custom no se pueden usar juntas.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--extension goes with --preset.</source>
        <translation>--extension requiere --preset.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--same-folder and --output-folder cannot be used together.</source>
        <translation>--same-folder y --output-folder no se pueden usar juntas.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--progress goes with --json.</source>
        <translation>--progress requiere --json.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--null goes with --files-from.</source>
        <translation>--null requiere --files-from.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--watch takes no other files or folders.</source>
        <translation>--watch no admite otros archivos ni carpetas.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--watch and --dry-run cannot be used together.</source>
        <translation>--watch y --dry-run no se pueden usar juntas.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No file or folder to convert was given.</source>
        <translation>No se indicó ningún archivo ni carpeta que convertir.</translation>
    </message>
    <message>
        <location filename="../src/cli/CliOptions.h" line="+46"/>
        <source>Try reelwright-cli --help.</source>
        <translation>Pruebe con reelwright-cli --help.</translation>
    </message>
    <message>
        <source>--crop takes auto or none.</source>
        <translation>--crop admite auto o none.</translation>
    </message>
    <message>
        <source>--watch and --estimate cannot be used together.</source>
        <translation>--watch y --estimate no se pueden usar juntos.</translation>
    </message>
    <message>
        <source>%1 takes only a name that is valid UTF-8; rename the file or folder, or give a link to it whose name is.</source>
        <translation>%1 solo admite un nombre en UTF-8 válido; cambie el nombre del archivo o de la carpeta, o indique un enlace a él cuyo nombre sí lo sea.</translation>
    </message>
    <message>
        <source>--loudness takes off, or a loudness in LUFS from %1 to %2 (such as -23, -16 or -14).</source>
        <extracomment>%1 and %2 are the lowest and highest loudness taken, such as -31 and -5.</extracomment>
        <translation>--loudness admite off, o una sonoridad en LUFS de %1 a %2 (como -23, -16 o -14).</translation>
    </message>
    <message>
        <source>--max-size takes %1.</source>
        <extracomment>%1 names the accepted forms of a size.</extracomment>
        <translation>--max-size admite %1.</translation>
    </message>
</context>
<context>
    <name>reelwright::CliReport</name>
    <message>
        <location filename="../src/cli/CliReport.cpp" line="+93"/>
        <source>converting</source>
        <translation>convirtiendo</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>refused: %1</source>
        <translation>rechazado: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>already converted -&gt; %1</source>
        <translation>ya convertido -&gt; %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>being converted elsewhere -&gt; %1</source>
        <translation>en conversión en otra ejecución -&gt; %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>would convert -&gt; %1</source>
        <translation>se convertiría -&gt; %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not converted: the run was stopped</source>
        <translation>no convertido: la ejecución se detuvo</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>%1, %2</source>
        <extracomment>Joins the counts of the run&apos;s summary: &quot;1 converted, 0 failed&quot; and &quot;2 refused&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1 file</source>
        <translation>1 archivo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 files</source>
        <translation>%1 archivos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2</source>
        <extracomment>The run&apos;s summary: %1 is how many files, %2 what became of them.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>%1 would convert</source>
        <translation>%1 por convertir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 converted, %2 failed</source>
        <translation>%1 convertidos, %2 con error</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 failed</source>
        <translation>%1 con error</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 unreadable</source>
        <translation>%1 ilegibles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 refused</source>
        <translation>%1 rechazados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 already converted</source>
        <translation>%1 ya convertidos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 being converted elsewhere</source>
        <translation>%1 en conversión en otra ejecución</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 stopped</source>
        <translation>%1 detenidos</translation>
    </message>
</context>
<context>
    <name>reelwright::CommandLineConverter</name>
    <message>
        <location filename="../src/cli/CommandLineConverter.cpp" line="+290"/>
        <source>no preset &quot;%1&quot;; --list-presets shows them all. The closest:</source>
        <translation>no hay ningún preajuste «%1»; --list-presets los muestra todos. Los más parecidos:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no preset &quot;%1&quot; (--preset takes &quot;CATEGORY/LABEL&quot;); --list-presets shows them all. The closest:</source>
        <translation>no hay ningún preajuste «%1» (--preset admite &quot;CATEGORÍA/NOMBRE&quot;); --list-presets los muestra todos. Los más parecidos:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the preset offers %1, not %2.</source>
        <translation>el preajuste ofrece %1, no %2.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the format cannot be used: %1</source>
        <translation>no se puede usar el formato: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no output format is chosen; give --preset or --custom.</source>
        <translation>no se ha elegido ningún formato de salida; indique --preset o --custom.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>the list %1 cannot be read: %2</source>
        <translation>no se puede leer la lista %1: %2</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>the folder holds no files</source>
        <translation>la carpeta no contiene archivos</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>%1; a run beside this one may convert the same files</source>
        <translation>%1; otra ejecución simultánea puede convertir los mismos archivos</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>beside each input</source>
        <translation>junto a cada archivo de entrada</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>nothing to convert.</source>
        <translation>nada que convertir.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no such folder to watch</source>
        <translation>no existe la carpeta que vigilar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the results would land in the watched folder %1; give --output-folder with another folder</source>
        <translation>los resultados irían a parar a la carpeta vigilada %1; indique --output-folder con otra carpeta</translation>
    </message>
    <message>
        <source>The format or the file&apos;s length cannot be had.</source>
        <translation>No se puede obtener el formato o la duración del archivo.</translation>
    </message>
    <message>
        <source>%1: the watched folder is back</source>
        <translation>%1: la carpeta vigilada vuelve a estar disponible</translation>
    </message>
    <message>
        <source>%1; waiting for it to come back</source>
        <translation>%1; esperando a que vuelva a estar disponible</translation>
    </message>
    <message>
        <source>the result keeps this name: it could not take its input&apos;s: %1</source>
        <translation>el resultado conserva este nombre: no pudo tomar el de su archivo de entrada: %1</translation>
    </message>
</context>
<context>
    <name>reelwright::CustomFormat</name>
    <message>
        <location filename="../src/formats/CustomFormat.cpp" line="+39"/>
        <source>The video bit rate &quot;%1&quot; is not a number.</source>
        <translation>La tasa de bits de vídeo «%1» no es un número.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The audio bit rate &quot;%1&quot; is not a number.</source>
        <translation>La tasa de bits de audio «%1» no es un número.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>The video bit rate &quot;%1&quot; is not above 0.</source>
        <translation>La tasa de bits de vídeo «%1» no es mayor que 0.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The audio bit rate &quot;%1&quot; is not above 0.</source>
        <translation>La tasa de bits de audio «%1» no es mayor que 0.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>The video bit rate &quot;%1&quot; is too large.</source>
        <translation>La tasa de bits de vídeo «%1» es demasiado alta.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The audio bit rate &quot;%1&quot; is too large.</source>
        <translation>La tasa de bits de audio «%1» es demasiado alta.</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>The channel count &quot;%1&quot; is not above 0.</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>El número de canales «%1» no es mayor que 0.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The video size &quot;%1&quot; is not one of the list.</source>
        <extracomment>%1 is a video size as given.</extracomment>
        <translation>El tamaño de vídeo «%1» no es ninguno de los de la lista.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The frame rate &quot;%1&quot; is not above 0.</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>La frecuencia de fotogramas «%1» no es mayor que 0.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Copy (no re-encoding)</source>
        <extracomment>The choice of a codec list that copies the track as it is.</extracomment>
        <translation>Copia (sin recodificar)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The video is copied as it is (Copy, no re-encoding): its bit rate, size, aspect and frame rate stay the source&apos;s.</source>
        <translation>El vídeo se copia tal cual (Copia, sin recodificar): su tasa de bits, tamaño, proporción y frecuencia de fotogramas son los del original.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The sound is copied as it is (Copy, no re-encoding): its sampling rate, bit rate and channels stay the source&apos;s.</source>
        <translation>El audio se copia tal cual (Copia, sin recodificar): su frecuencia de muestreo, tasa de bits y canales son los del original.</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Audio Bitrate</source>
        <translation>Tasa de bits de audio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Video Bitrate</source>
        <translation>Tasa de bits de vídeo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frame Rate</source>
        <translation>Fotogramas por segundo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 Field in the custom Format must be a number greater than 0.</source>
        <extracomment>%1 is a field&apos;s name: Audio Bitrate, Channels, Video Bitrate or Frame Rate.</extracomment>
        <translation>El campo «%1» del formato personalizado debe ser un número mayor que 0.</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>The %1 container cannot hold %2 video. Choose one of: %3.</source>
        <extracomment>%1 is a container, such as AVI; %2 a codec; %3 the codecs it holds.</extracomment>
        <translation>El contenedor %1 no admite vídeo %2. Elija uno de estos: %3.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The %1 container cannot hold %2 sound. Choose one of: %3.</source>
        <extracomment>%1 is a container, such as AVI; %2 a codec; %3 the codecs it holds.</extracomment>
        <translation>El contenedor %1 no admite audio %2. Elija uno de estos: %3.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Category:%1, Codec:&quot;%2&quot;, Container:&quot;%3&quot;</source>
        <extracomment>The chosen preset: %1 is its category, %2 its name, %3 its container.</extracomment>
        <translation>Categoría: %1, códec: «%2», contenedor: «%3»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Container:%1, Video Codec:&quot;%2&quot;, Audio Codec:&quot;%3&quot;</source>
        <extracomment>The custom format: %1 is its container, %2 and %3 its codecs.</extracomment>
        <translation>Contenedor: %1, códec de vídeo: «%2», códec de audio: «%3»</translation>
    </message>
</context>
<context>
    <name>reelwright::DOSOutputs</name>
    <message>
        <location filename="../src/engine/DOSOutputs.cpp" line="+75"/>
        <source>Command Line is empty</source>
        <translation>La línea de comandos está vacía</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+20"/>
        <source>CreatePipe failed. Error: %1</source>
        <extracomment>%1 is the system&apos;s error number.</extracomment>
        <translation>Falló CreatePipe. Error: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File or command not found</source>
        <translation>No se encontró el archivo o el comando</translation>
    </message>
</context>
<context>
    <name>reelwright::DecodeCheck</name>
    <message>
        <location filename="../src/engine/DecodeCheck.cpp" line="+107"/>
        <source>The encoder could not be started to check %1 by decoding it.</source>
        <extracomment>%1 is the converted file.</extracomment>
        <translation>No se pudo iniciar el codificador para comprobar %1 descodificándolo.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 decodes only %2 of %3 seconds, so it was not kept.</source>
        <extracomment>%1 is the converted file; %2 and %3 are numbers of seconds.</extracomment>
        <translation>%1 solo se descodifica en %2 de %3 segundos, así que no se conservó.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 does not decode without errors, so it was not kept.</source>
        <extracomment>%1 is the converted file.</extracomment>
        <translation>%1 no se descodifica sin errores, así que no se conservó.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 does not decode without errors, so it was not kept: %2</source>
        <extracomment>%1 is the converted file, %2 the decoder&apos;s first complaint.</extracomment>
        <translation>%1 no se descodifica sin errores, así que no se conservó: %2</translation>
    </message>
</context>
<context>
    <name>reelwright::Desktop</name>
    <message>
        <location filename="../src/platform/Desktop.cpp" line="+41"/>
        <source>the file is missing.</source>
        <extracomment>Why a file or page could not be opened.</extracomment>
        <translation>el archivo no existe.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the desktop has no program for it. Installing xdg-utils (sudo apt install xdg-utils) and a player or browser helps.</source>
        <extracomment>Why a file or page could not be opened.</extracomment>
        <translation>el escritorio no tiene ningún programa para abrirlo. Puede ayudar instalar xdg-utils (sudo apt install xdg-utils) y un reproductor o un navegador.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no program on this computer could open it. Install a player or browser, or choose one as the desktop&apos;s default for it.</source>
        <extracomment>Why a file or page could not be opened.</extracomment>
        <translation>ningún programa de este equipo pudo abrirlo. Instale un reproductor o un navegador, o elija uno como programa predeterminado del escritorio para este tipo de contenido.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 could not be opened: %2</source>
        <extracomment>%1 is a file or web address, %2 why it could not be opened.</extracomment>
        <translation>No se pudo abrir %1: %2</translation>
    </message>
</context>
<context>
    <name>reelwright::Dialogs</name>
    <message>
        <location filename="../src/platform/Dialogs.cpp" line="+61"/>
        <source>Save as Preset</source>
        <translation>Guardar como preajuste</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preset name</source>
        <translation>Nombre del preajuste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset name:</source>
        <translation>Nombre del preajuste:</translation>
    </message>
</context>
<context>
    <name>reelwright::Encoder</name>
    <message>
        <location filename="../src/engine/Encoder.cpp" line="+33"/>
        <source>The encoder %1 cannot be run: it is not executable. Make it executable (chmod +x) or remove it to use the ffmpeg installed on the system.</source>
        <extracomment>%1 is the path of the ffmpeg beside the program.</extracomment>
        <translation>No se puede ejecutar el codificador %1: no es ejecutable. Hágalo ejecutable (chmod +x) o elimínelo para usar el ffmpeg instalado en el sistema.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The encoder ffmpeg was not found. It was looked for in %1 and in the folders of PATH (%2). Install it with: sudo apt install ffmpeg</source>
        <extracomment>%1 is the program&apos;s folder, %2 the folders of PATH.</extracomment>
        <translation>No se encontró el codificador ffmpeg. Se buscó en %1 y en las carpetas de PATH (%2). Instálelo con: sudo apt install ffmpeg</translation>
    </message>
</context>
<context>
    <name>reelwright::EncoderOutputView</name>
    <message>
        <location filename="../src/window/EncoderOutputView.cpp" line="+20"/>
        <source>Encoder Output - %1</source>
        <translation>Salida del codificador – %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Copy All</source>
        <translation>Copiar todo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>What the encoder said</source>
        <translation>Lo que dijo el codificador</translation>
    </message>
</context>
<context>
    <name>reelwright::FailureReason</name>
    <message>
        <location filename="../src/engine/FailureReason.cpp" line="+108"/>
        <source>%1 has no sound to convert.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>%1 no tiene audio que convertir.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 has no picture to convert.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>%1 no tiene imagen que convertir.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 has neither picture nor sound to convert.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>%1 no tiene ni imagen ni audio que convertir.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The chosen format keeps nothing of %1.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>El formato elegido no conserva nada de %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nothing was converted: %1 holds no picture frames or sound samples the encoder could read. It may be empty or damaged.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>No se convirtió nada: %1 no contiene fotogramas de imagen ni muestras de audio que el codificador pueda leer. Puede que esté vacío o dañado.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The encoder cannot read %1: it is not a kind of media file it knows, or it is damaged.</source>
        <extracomment>%1 is a file&apos;s name.</extracomment>
        <translation>El codificador no puede leer %1: no es un tipo de archivo multimedia que conozca, o está dañado.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The encoder took more than %1 seconds to read %2, so it is taken as unreadable.</source>
        <extracomment>%1 is a number of seconds, %2 a file&apos;s name.</extracomment>
        <translation>El codificador tardó más de %1 segundos en leer %2, así que se considera ilegible.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The disk of %1 is full: %2 could not be written.</source>
        <extracomment>%1 is a folder, %2 the converted file&apos;s name.</extracomment>
        <translation>El disco de %1 está lleno: no se pudo escribir %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 grew larger than the disk of %2 allows for one file.</source>
        <extracomment>%1 is the converted file&apos;s name, %2 its folder.</extracomment>
        <translation>%1 ha superado el tamaño máximo de archivo que admite el disco de %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be written: permission denied.</source>
        <extracomment>%1 is the output folder.</extracomment>
        <translation>No se puede escribir en %1: permiso denegado.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is on a disk that cannot be written to (read-only).</source>
        <extracomment>%1 is the output folder.</extracomment>
        <translation>%1 está en un disco en el que no se puede escribir (solo lectura).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The output folder %1 is not there any more.</source>
        <translation>La carpeta de salida %1 ya no existe.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not there any more: it was moved, renamed or deleted after it was added.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>%1 ya no existe: se movió, se renombró o se eliminó después de añadirlo.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 cannot be read: permission denied.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>No se puede leer %1: permiso denegado.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This ffmpeg has no encoder &quot;%1&quot;: choose another codec, or install an ffmpeg that has it.</source>
        <extracomment>%1 is the encoder&apos;s name for a codec, such as libx264.</extracomment>
        <translation>Este ffmpeg no tiene el codificador «%1»: elija otro códec o instale un ffmpeg que lo tenga.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This ffmpeg has no encoder for the chosen format: choose another format, or install an ffmpeg that has it.</source>
        <translation>Este ffmpeg no tiene ningún codificador para el formato elegido: elija otro formato o instale un ffmpeg que lo tenga.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This ffmpeg does not know the option -%1 of the chosen format.</source>
        <extracomment>%1 is an encoder option&apos;s name, shown after its dash.</extracomment>
        <translation>Este ffmpeg no reconoce la opción -%1 del formato elegido.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The encoder refused the value &quot;%1&quot; of the option -%2 of the chosen format.</source>
        <extracomment>%1 is a value, %2 an encoder option&apos;s name, shown after its dash.</extracomment>
        <translation>El codificador rechazó el valor «%1» de la opción -%2 del formato elegido.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The encoder refused the chosen format&apos;s settings for %1.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>El codificador rechazó los ajustes del formato elegido para %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The encoder refused the chosen format&apos;s settings for %1: %2</source>
        <extracomment>%1 is the name of the file being converted, %2 the encoder&apos;s own words.</extracomment>
        <translation>El codificador rechazó los ajustes del formato elegido para %1: %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The chosen container cannot hold what the format puts in it.</source>
        <translation>El contenedor elegido no admite lo que el formato introduce en él.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The chosen container cannot hold what the format puts in it: %1</source>
        <extracomment>%1 is the encoder&apos;s own words.</extracomment>
        <translation>El contenedor elegido no admite lo que el formato introduce en él: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The encoder was interrupted (signal %1) before it finished %2.</source>
        <extracomment>%1 is a signal&apos;s number, %2 the name of the file being converted.</extracomment>
        <translation>El codificador se interrumpió (señal %1) antes de terminar %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The encoder could not convert %1:<byte value="xd"/>
%2</source>
        <extracomment>%1 is the name of the file being converted; the encoder&apos;s own last lines follow on the next line (%2).</extracomment>
        <translation>El codificador no pudo convertir %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The encoder stopped with exit code %1.</source>
        <translation>El codificador se detuvo con el código de salida %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The encoder crashed.</source>
        <translation>El codificador se cerró inesperadamente.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The encoder wrote nothing into %1.</source>
        <extracomment>%1 is the converted file&apos;s name.</extracomment>
        <translation>El codificador no escribió nada en %1.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The input file ended early: only %1 of %2 seconds were converted. It may be truncated or damaged.</source>
        <extracomment>%1 and %2 are numbers of seconds.</extracomment>
        <translation>El archivo de entrada terminó antes de tiempo: solo se convirtieron %1 de %2 segundos. Puede que esté truncado o dañado.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The input file ended early. It may be truncated or damaged.</source>
        <translation>El archivo de entrada terminó antes de tiempo. Puede que esté truncado o dañado.</translation>
    </message>
    <message>
        <source>%1 was not read: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 what it is instead of a file (&quot;it is a named pipe, not a regular file&quot;).</extracomment>
        <translation>No se leyó %1: %2.</translation>
    </message>
</context>
<context>
    <name>reelwright::FileEstimate</name>
    <message>
        <source>about %1 s</source>
        <translation>unos %1 s</translation>
    </message>
    <message>
        <source>about %1 min</source>
        <translation>unos %1 min</translation>
    </message>
    <message>
        <source>about %1 h %2 min</source>
        <translation>unas %1 h %2 min</translation>
    </message>
    <message>
        <source>About %1, %2 to convert</source>
        <translation>Unos %1, %2 para convertir</translation>
    </message>
    <message>
        <source>About %1; %2</source>
        <translation>Unos %1; %2</translation>
    </message>
    <message>
        <source>Its length is not known.</source>
        <translation>No se conoce su duración.</translation>
    </message>
    <message>
        <source>A piece of it could not be encoded.</source>
        <translation>No se pudo codificar un fragmento.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Detenido.</translation>
    </message>
</context>
<context>
    <name>reelwright::FormatChoice</name>
    <message>
        <location filename="../src/formats/FormatChoice.cpp" line="+25"/>
        <source>Error Occured while Loading Presets.</source>
        <translation>Se produjo un error al cargar los preajustes.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The catalogue holds no video codec.</source>
        <translation>El catálogo no contiene ningún códec de vídeo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The catalogue holds no audio codec.</source>
        <translation>El catálogo no contiene ningún códec de audio.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Error Occured while Loading Codecs.</source>
        <translation>Se produjo un error al cargar los códecs.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>There is no folder for your own presets.</source>
        <translation>No hay ninguna carpeta para sus preajustes propios.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; in &quot;%2&quot; (%3) is a preset that comes with the program; choose another name.</source>
        <translation>«%1» en «%2» (%3) es un preajuste que viene con el programa; elija otro nombre.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The custom format&apos;s options cannot be kept in a preset: %1</source>
        <translation>Las opciones del formato personalizado no se pueden guardar en un preajuste: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The preset could not be saved in %1: %2</source>
        <translation>No se pudo guardar el preajuste en %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The preset &quot;%1&quot; was replaced under &quot;%2&quot; with the presets, kept in %3.</source>
        <translation>Se sustituyó el preajuste «%1» en «%2», entre los preajustes; se guarda en %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The preset &quot;%1&quot; is listed under &quot;%2&quot; with the presets, kept in %3.</source>
        <translation>El preajuste «%1» aparece en «%2», entre los preajustes; se guarda en %3.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Only presets of your own can be removed.</source>
        <translation>Solo se pueden quitar los preajustes propios.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The preset could not be removed from %1: %2</source>
        <translation>No se pudo quitar el preajuste de %1: %2</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>the video codec &quot;%1&quot;</source>
        <translation>el códec de vídeo «%1»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the audio codec &quot;%1&quot;</source>
        <translation>el códec de audio «%1»</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the video codec at position %1</source>
        <translation>el códec de vídeo de la posición %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the audio codec at position %1</source>
        <translation>el códec de audio de la posición %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A codec saved for the custom format is no longer in the codec list (%1), so none is chosen in its place: choose one in the format panel before converting with the custom format.</source>
        <translation>Un códec guardado para el formato personalizado ya no está en la lista de códecs (%1), así que no se ha elegido ninguno en su lugar: elija uno en el panel de formato antes de convertir con el formato personalizado.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>No video codec is chosen in the custom format: choose one in the format panel.</source>
        <translation>No se ha elegido ningún códec de vídeo en el formato personalizado: elija uno en el panel de formato.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No audio codec is chosen in the custom format: choose one in the format panel.</source>
        <translation>No se ha elegido ningún códec de audio en el formato personalizado: elija uno en el panel de formato.</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>The preset &quot;%1 / %2&quot; (%3) has a quote that is not closed in its params: %4</source>
        <translation>El preajuste «%1 / %2» (%3) tiene unas comillas sin cerrar en sus parámetros (params): %4</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>A codec name of the custom format has a quote that is not closed: %1</source>
        <translation>Un nombre de códec del formato personalizado tiene unas comillas sin cerrar: %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Channels Field in the custom Format can not be empty.</source>
        <translation>El campo «Canales» del formato personalizado no puede estar vacío.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Frame Rate Field in the custom Format can not be empty.</source>
        <translation>El campo «Fotogramas por segundo» del formato personalizado no puede estar vacío.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Audio Bitrate Field in the custom Format can not be empty.</source>
        <translation>El campo «Tasa de bits de audio» del formato personalizado no puede estar vacío.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Video Bitrate Field in the custom Format can not be empty.</source>
        <translation>El campo «Tasa de bits de vídeo» del formato personalizado no puede estar vacío.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>The %1 container holds video only: the sound is left out.</source>
        <translation>El contenedor %1 solo admite vídeo: se omite el audio.</translation>
    </message>
    <message>
        <source>&quot;%1 / %2&quot; (%3)</source>
        <extracomment>A preset as the user is told of it: its category, its name and its container.</extracomment>
        <translation>«%1 / %2» (%3)</translation>
    </message>
    <message>
        <source>The custom format&apos;s options cannot be used: %1</source>
        <translation>Las opciones del formato personalizado no se pueden usar: %1</translation>
    </message>
    <message>
        <source>The preset &quot;%1 / %2&quot; (%3) cannot be used: %4</source>
        <translation>El preajuste «%1 / %2» (%3) no se puede usar: %4</translation>
    </message>
    <message>
        <source>The preset %1 in %2 was left out.<byte value="xd"/>
It holds more than options for the file being converted: %3.</source>
        <extracomment>%1 is a preset, %2 the file it is in, %3 why it was left out.</extracomment>
        <translation>Se omitió el preajuste %1 de %2.<byte value="xd"/>
Contiene algo más que opciones para el archivo que se convierte: %3.</translation>
    </message>
    <message>
        <source>These presets in %1 were left out, since they hold more than options for the file being converted:<byte value="xd"/>
%2</source>
        <extracomment>%1 is a file of presets, %2 the presets left out of it, one a line.</extracomment>
        <translation>Se omitieron estos preajustes de %1, porque contienen algo más que opciones para el archivo que se convierte:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>reelwright::JobGrid</name>
    <message>
        <location filename="../src/joblist/JobGridAccessible.cpp" line="+42"/>
        <source>Ticked</source>
        <translation>Marcada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not ticked</source>
        <translation>Sin marcar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Empty</source>
        <translation>Vacía</translation>
    </message>
    <message>
        <location line="+169"/>
        <source>Tick</source>
        <translation>Marca</translation>
    </message>
</context>
<context>
    <name>reelwright::JobList</name>
    <message>
        <location filename="../src/joblist/JobList.cpp" line="+48"/>
        <source>its full name is too long for the system (%1 bytes; the most it takes is %2), so neither Reelwright nor the encoder can open it</source>
        <extracomment>Why a file is not added. %1 and %2 are numbers of bytes.</extracomment>
        <translation>su ruta completa es demasiado larga para el sistema (%1 bytes; el máximo que admite es %2), así que ni Reelwright ni el codificador pueden abrirlo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>one of the names in its path is too long for the system (the most it takes is %1 bytes)</source>
        <extracomment>Why a file is not added. %1 is a number of bytes.</extracomment>
        <translation>uno de los nombres de su ruta es demasiado largo para el sistema (el máximo que admite es %1 bytes)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>An error occured while Adding File<byte value="xd"/>%1:%2</source>
        <extracomment>%1 is an error number, %2 what went wrong.</extracomment>
        <translation>Se produjo un error al añadir el archivo<byte value="xd"/>%1:%2</translation>
    </message>
    <message>
        <location line="+142"/>
        <source>it has no extension, so its kind cannot be told</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>no tiene extensión, así que no se puede saber de qué tipo es</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a video file (.%1)</source>
        <extracomment>Why a file is not added. %1 is its extension.</extracomment>
        <translation>no es un archivo de vídeo (.%1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>another add is running</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>ya se están añadiendo otros archivos</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>already in the list</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>ya está en la lista</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>its name is not valid UTF-8, so it cannot be passed on unchanged; rename the file to add it</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>su nombre no es UTF-8 válido, así que no se puede transmitir sin cambios; cambie el nombre del archivo para añadirlo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>not found</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>no se encontró</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a regular file</source>
        <extracomment>Why a file is not added: it is a folder, a device or a pipe.</extracomment>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Bad file name: %1 (%2)</source>
        <extracomment>%1 is a path, %2 why it cannot be used.</extracomment>
        <translation>Nombre de archivo no válido: %1 (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File not found: %1 (%2)</source>
        <extracomment>%1 is a path, %2 why it cannot be used.</extracomment>
        <translation>No se encontró el archivo: %1 (%2)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it cannot be read (permission denied)</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>no se puede leer (permiso denegado)</translation>
    </message>
    <message>
        <source>a sound file, with no picture: to convert it, choose one of the Audio Only presets</source>
        <extracomment>Why a file is not added. &quot;Audio Only&quot; is the category of presets in the format panel; keep it as the panel shows it.</extracomment>
        <translation>archivo de audio, sin imagen: para convertirlo, elija uno de los preajustes de «Audio Only»</translation>
    </message>
    <message>
        <source>it has no sound, and the chosen format keeps sound only</source>
        <extracomment>Why a file is not added: the chosen format (an Audio Only preset) makes sound files.</extracomment>
        <translation>no tiene audio, y el formato elegido solo conserva el audio</translation>
    </message>
    <message>
        <source>it holds neither picture nor sound to convert</source>
        <extracomment>Why a file is not added: it can be read, but has no track a conversion can keep.</extracomment>
        <translation>no contiene ni imagen ni audio que convertir</translation>
    </message>
</context>
<context>
    <name>reelwright::JobListStore</name>
    <message>
        <location filename="../src/joblist/JobListStore.cpp" line="+188"/>
        <source>File Path</source>
        <translation>Ruta del archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Conversion Status</source>
        <translation>Estado de la conversión</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time Length</source>
        <translation>Duración</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File Size</source>
        <translation>Tamaño</translation>
    </message>
</context>
<context>
    <name>reelwright::KeptListScanner</name>
    <message>
        <location filename="../src/batch/KeptListScanner.cpp" line="+44"/>
        <source>reading was abandoned</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>se abandonó la lectura</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it ends too early</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>termina antes de lo previsto</translation>
    </message>
    <message>
        <location line="+91"/>
        <location line="+6"/>
        <source>it is not a kept job list</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>no es una lista de archivos guardada</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>a member has no name at byte %1</source>
        <extracomment>Why the kept job list cannot be read; %1 is a position in the file.</extracomment>
        <translation>un miembro no tiene nombre en el byte %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a member has no value at byte %1</source>
        <extracomment>Why the kept job list cannot be read; %1 is a position in the file.</extracomment>
        <translation>un miembro no tiene valor en el byte %1</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>the rows are not a list at byte %1</source>
        <extracomment>Why the kept job list cannot be read; %1 is a position in the file.</extracomment>
        <translation>las filas no son una lista en el byte %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>a value cannot be read before byte %1</source>
        <extracomment>Why the kept job list cannot be read; %1 is a position in the file.</extracomment>
        <translation>no se puede leer un valor antes del byte %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>garbage at byte %1</source>
        <extracomment>Why the kept job list cannot be read; %1 is a position in the file.</extracomment>
        <translation>datos no válidos en el byte %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>garbage at the end</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>datos sobrantes al final</translation>
    </message>
</context>
<context>
    <name>reelwright::KeptQueue</name>
    <message>
        <location filename="../src/batch/KeptQueue.cpp" line="+295"/>
        <source>it is not a kept job list</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>no es una lista de archivos guardada</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it was written by a newer Reelwright</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>la escribió una versión más reciente de Reelwright</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1: %2</source>
        <extracomment>Why the job list cannot be kept: %1 is its file, %2 the reason.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>it is larger than any list of files</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>es más grande que cualquier lista de archivos</translation>
    </message>
</context>
<context>
    <name>reelwright::MediaTracks</name>
    <message>
        <location filename="../src/engine/MediaTracks.cpp" line="+272"/>
        <source>out of memory</source>
        <extracomment>Why a file&apos;s tracks could not be read.</extracomment>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+7"/>
        <source>it took too long to read</source>
        <extracomment>Why a file&apos;s tracks could not be read.</extracomment>
        <translation>la lectura tardó demasiado</translation>
    </message>
</context>
<context>
    <name>reelwright::Notifier</name>
    <message>
        <location filename="../src/platform/Notifier.cpp" line="+66"/>
        <source>... and %1 more</source>
        <extracomment>Ends a list cut short in a message: %1 is how many lines are not shown.</extracomment>
        <translation>... y %1 más</translation>
    </message>
</context>
<context>
    <name>reelwright::OutputNaming</name>
    <message>
        <location filename="../src/batch/OutputNaming.cpp" line="+106"/>
        <source>The output folder %1 does not exist and cannot be made: %2.</source>
        <extracomment>%1 is a folder, %2 why it cannot be made.</extracomment>
        <translation>La carpeta de salida %1 no existe y no se puede crear: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Every name for the converted file is taken in %1.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Todos los nombres posibles para el archivo convertido están ocupados en %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Output Folder is not exist and can not be created.</source>
        <translation>La carpeta de salida no existe y no se puede crear.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>its parent folder does not exist (only one missing level is made)</source>
        <extracomment>Why the output folder cannot be had.</extracomment>
        <translation>su carpeta superior no existe (solo se crea un nivel que falte)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>no folder is given</source>
        <extracomment>Why the output folder cannot be had.</extracomment>
        <translation>no se indicó ninguna carpeta</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is not a full path</source>
        <extracomment>Why the output folder cannot be had.</extracomment>
        <translation>no es una ruta completa</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a file of that name is in the way</source>
        <extracomment>Why the output folder cannot be had.</extracomment>
        <translation>hay un archivo con ese nombre que lo impide</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>it could not be made</source>
        <extracomment>Why the output folder cannot be had.</extracomment>
        <translation>no se pudo crear</translation>
    </message>
    <message>
        <location line="+113"/>
        <source>No file can be written in %1: %2</source>
        <extracomment>%1 is a folder, %2 the system&apos;s reason.</extracomment>
        <translation>No se puede escribir ningún archivo en %1: %2</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>The converted file could not be named %1: %2.</source>
        <extracomment>%1 is a path, %2 the system&apos;s reason.</extracomment>
        <translation>No se pudo dar al archivo convertido el nombre %1: %2.</translation>
    </message>
    <message>
        <source>The converted file was taken away from %1 by another program while it was written, so it was not kept.</source>
        <extracomment>%1 is a hidden file&apos;s path.</extracomment>
        <translation>Otro programa se llevó el archivo convertido de %1 mientras se escribía, así que no se conservó.</translation>
    </message>
</context>
<context>
    <name>reelwright::OwnPresets</name>
    <message>
        <location filename="../src/formats/OwnPresets.cpp" line="+25"/>
        <source>Your own presets in %1 cannot be read (%2), so they are not listed; the file is left as it is.</source>
        <extracomment>%1 is the file of the user&apos;s own presets, %2 why it cannot be read.</extracomment>
        <translation>Sus preajustes propios de %1 no se pueden leer (%2), así que no aparecen en la lista; el archivo se deja como está.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>the folder %1 cannot be made</source>
        <extracomment>Why a preset cannot be saved: %1 is a folder.</extracomment>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Your own presets in %1 are damaged (%2). The file was set aside as %3; the presets that come with the program are listed.</source>
        <extracomment>%1 is the file of the user&apos;s own presets, %2 what is wrong in it, %3 the name it was given.</extracomment>
        <translation>Sus preajustes propios de %1 están dañados (%2). El archivo se ha apartado como %3; se muestran los preajustes que vienen con el programa.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your own presets in %1 are damaged (%2) and could not be set aside, so they are not listed.</source>
        <extracomment>%1 is the file of the user&apos;s own presets, %2 what is wrong in it.</extracomment>
        <translation>Sus preajustes propios de %1 están dañados (%2) y no se han podido apartar, así que no aparecen en la lista.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>category</source>
        <extracomment>A preset&apos;s field, named in &quot;The preset&apos;s %1 cannot be empty.&quot; and the like.</extracomment>
        <translation>categoría</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>name</source>
        <extracomment>A preset&apos;s field, named in &quot;The preset&apos;s %1 cannot be empty.&quot; and the like.</extracomment>
        <translation>nombre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>container</source>
        <extracomment>A preset&apos;s field, named in &quot;The preset&apos;s %1 cannot be empty.&quot; and the like.</extracomment>
        <translation>contenedor</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The preset&apos;s %1 cannot be empty.</source>
        <extracomment>%1 is a preset&apos;s field: category, name or container.</extracomment>
        <translation>El campo «%1» del preajuste no puede estar vacío.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The preset&apos;s %1 cannot begin or end with a space.</source>
        <extracomment>%1 is a preset&apos;s field: category, name or container.</extracomment>
        <translation>El campo «%1» del preajuste no puede empezar ni terminar con un espacio.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The preset&apos;s %1 can be at most 100 characters long.</source>
        <extracomment>%1 is a preset&apos;s field: category, name or container.</extracomment>
        <translation>El campo «%1» del preajuste puede tener como máximo 100 caracteres.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The preset&apos;s %1 cannot hold &quot;&lt;&quot;, &quot;&gt;&quot; or a line break.</source>
        <extracomment>%1 is a preset&apos;s field: category, name or container.</extracomment>
        <translation>El campo «%1» del preajuste no puede contener «&lt;», «&gt;» ni saltos de línea.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The preset&apos;s category cannot hold &quot;/&quot;.</source>
        <translation>La categoría del preajuste no puede contener «/».</translation>
    </message>
    <message>
        <source>it lists no presets: it begins with &lt;%1&gt;, not &lt;presets&gt;</source>
        <extracomment>%1 is the name of the first element of a file that should list presets.</extracomment>
        <translation>no contiene ningún preajuste: empieza por &lt;%1&gt;, no por &lt;presets&gt;</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <extracomment>%1 and %2 are a line and a column of the file; %3 what the XML reader found there.</extracomment>
        <translation>línea %1, columna %2: %3</translation>
    </message>
    <message>
        <source>the preset that ends on line %1 lacks its label, params, extension or category</source>
        <extracomment>%1 is a line number of the file of one&apos;s own presets.</extracomment>
        <translation>al preajuste que termina en la línea %1 le falta label, params, extension o category</translation>
    </message>
</context>
<context>
    <name>reelwright::PassLogs</name>
    <message>
        <source>No folder for the first pass&apos;s log can be made as %1: %2</source>
        <translation>No se puede crear la carpeta %1 para el registro de la primera pasada: %2</translation>
    </message>
</context>
<context>
    <name>reelwright::PicturePlan</name>
    <message>
        <location filename="../src/batch/PicturePlan.cpp" line="+165"/>
        <source>Interlaced picture kept, top field first.</source>
        <translation>Imagen entrelazada conservada, campo superior primero.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Interlaced picture kept, bottom field first.</source>
        <translation>Imagen entrelazada conservada, campo inferior primero.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Interlaced picture made progressive.</source>
        <translation>Imagen entrelazada convertida a progresiva.</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>HDR kept: 10-bit, BT.2020 with %1.</source>
        <extracomment>%1 is the HDR transfer curve: PQ or HLG.</extracomment>
        <translation>HDR conservado: 10 bits, BT.2020 con %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>HDR kept: 10-bit, BT.2020 with %1, and its mastering display and light levels.</source>
        <extracomment>%1 is the HDR transfer curve: PQ or HLG.</extracomment>
        <translation>HDR conservado: 10 bits, BT.2020 con %1, junto con los datos de la pantalla de masterización y los niveles de luz.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>HDR brought to standard range (BT.709).</source>
        <translation>HDR convertido a rango estándar (BT.709).</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Full-range picture brought to standard range.</source>
        <translation>Imagen de rango completo convertida a rango estándar.</translation>
    </message>
    <message>
        <source>Black bars removed: %1 of %2.</source>
        <translation>Franjas negras quitadas: %1 de %2.</translation>
    </message>
    <message>
        <source>Film frames put back together (%1 fps).</source>
        <extracomment>%1 is the film&apos;s rate of frames a second: 23.976 or 24.</extracomment>
        <translation>Fotogramas de película reconstruidos (%1 fps).</translation>
    </message>
    <message>
        <source>Frames flagged interlaced are whole pictures: left as they are.</source>
        <translation>Los fotogramas marcados como entrelazados son imágenes completas: se dejaron tal cual.</translation>
    </message>
    <message>
        <source>Interlaced parts made progressive; whole frames left as they are.</source>
        <translation>Partes entrelazadas convertidas a progresivas; fotogramas completos dejados tal cual.</translation>
    </message>
    <message>
        <source>Interlaced picture brought to %1 fields a second, top field first.</source>
        <extracomment>%1 is a count of fields a second: 50 or 59.94.</extracomment>
        <translation>Imagen entrelazada llevada a %1 campos por segundo, campo superior primero.</translation>
    </message>
</context>
<context>
    <name>reelwright::ResultClaim</name>
    <message>
        <location filename="../src/batch/ResultClaim.cpp" line="+75"/>
        <source>the claim file cannot be made: %1</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>no se puede crear el archivo de reserva: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the folder keeps no locks: %1</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>la carpeta no admite bloqueos: %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the claim file keeps changing</source>
        <translation>el archivo de reserva no deja de cambiar</translation>
    </message>
</context>
<context>
    <name>reelwright::RunLog</name>
    <message>
        <location filename="../src/batch/RunLog.cpp" line="+30"/>
        <source>%1 cannot be made</source>
        <extracomment>Why no log can be written: %1 is the logs&apos; folder.</extracomment>
        <translation>no se puede crear %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>no file can be written in %1: %2</source>
        <extracomment>Why no log can be written: %1 is the logs&apos; folder, %2 the system&apos;s reason.</extracomment>
        <translation>no se puede escribir ningún archivo en %1: %2</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>%1 cannot be written: %2</source>
        <extracomment>Why a log is not whole: %1 is its file, %2 the system&apos;s reason.</extracomment>
        <translation>no se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>reelwright::SizeFitting</name>
    <message>
        <source>A copy keeps its picture as it is, so it cannot be made to fit a size: choose a format that encodes the picture.</source>
        <translation>Una copia conserva su imagen tal cual, así que no se puede ajustar a un tamaño: elija un formato que codifique la imagen.</translation>
    </message>
    <message>
        <source>This format&apos;s picture (%1) keeps a quality of its own that no bit rate changes, so it cannot be made to fit a size: choose a format such as MP4 or WebM.</source>
        <translation>La imagen de este formato (%1) tiene una calidad propia que ninguna tasa de bits cambia, así que no se puede ajustar a un tamaño: elija un formato como MP4 o WebM.</translation>
    </message>
    <message>
        <source>Picture made smaller to fit: %1.</source>
        <translation>Imagen reducida para que quepa: %1.</translation>
    </message>
    <message>
        <source>The result reached %1, over the limit of %2, and at a lower rate its picture would not be worth watching; it was not kept.</source>
        <translation>El resultado llegó a %1, por encima del límite de %2, y con una tasa menor su imagen no merecería verse; no se ha conservado.</translation>
    </message>
    <message>
        <source>The result reached %1, over the limit of %2, after %3 encodes; it was not kept.</source>
        <translation>El resultado llegó a %1, por encima del límite de %2, tras %3 codificaciones; no se ha conservado.</translation>
    </message>
    <message>
        <source>Made to fit %1: %2.</source>
        <translation>Ajustado a %1: %2.</translation>
    </message>
    <message>
        <source>Made to fit %1: %2, encoded %3 times.</source>
        <translation>Ajustado a %1: %2, codificado %3 veces.</translation>
    </message>
    <message>
        <source>This file cannot be made to fit %1 in this format: even at its lowest quality its picture needs more. A larger limit, a smaller picture or another format would fit.</source>
        <translation>Este archivo no puede ajustarse a %1 en este formato: incluso con su calidad más baja, su imagen necesita más. Un límite mayor, una imagen más pequeña u otro formato cabrían.</translation>
    </message>
</context>
<context>
    <name>reelwright::SizePlan</name>
    <message>
        <source>The file cannot fit in %1 and still be worth watching: at %3x%4 it needs at least %2. Choose a smaller picture, a shorter file or a larger limit.</source>
        <translation>El archivo no cabe en %1 sin dejar de merecer verse: a %3x%4 necesita al menos %2. Elija una imagen más pequeña, un archivo más corto o un límite mayor.</translation>
    </message>
</context>
<context>
    <name>reelwright::Status</name>
    <message>
        <location filename="../src/joblist/StatusText.cpp" line="+9"/>
        <source>Waiting Conversion</source>
        <translation>Esperando conversión</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unkown Format</source>
        <translation>Formato desconocido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Starting...</source>
        <translation>Iniciando…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown format</source>
        <translation>Formato desconocido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancelled</source>
        <translation>Cancelada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complete</source>
        <translation>Completada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Waiting Next Batch</source>
        <translation>Espera al siguiente lote</translation>
    </message>
</context>
<context>
    <name>reelwright::TimeLeft</name>
    <message>
        <location filename="../src/batch/TimeLeft.cpp" line="+209"/>
        <source>File %1 of %2</source>
        <extracomment>The batch&apos;s progress: the file converting now, of how many.</extracomment>
        <translation>Archivo %1 de %2</translation>
    </message>
    <message numerus="yes">
        <source>%1% of %n files</source>
        <translation>
            <numerusform>%1 % de %n archivo</numerusform>
            <numerusform>%1 % de %n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1% of %n files, %2 left</source>
        <translation>
            <numerusform>%1 % de %n archivo, quedan %2</numerusform>
            <numerusform>%1 % de %n archivos, quedan %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelwright::TrackPlan</name>
    <message>
        <location filename="../src/batch/TrackPlan.cpp" line="+143"/>
        <source>Its tracks could not be read (%1), so the encoder chose one of each kind.</source>
        <extracomment>%1 is why the file&apos;s tracks could not be read.</extracomment>
        <translation>No se pudieron leer sus pistas (%1), así que el codificador eligió una de cada tipo.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>one track of each kind is kept (Keep every audio and subtitle track is off)</source>
        <extracomment>Why a track was left out. The words in parentheses are a setting&apos;s name in the window.</extracomment>
        <translation>se conserva una pista de cada tipo («Conservar pistas de audio y subtítulos» está desactivado)</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>%1 holds no picture</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 no admite imagen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds one picture track: the main one is kept</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 admite una sola pista de imagen: se conserva la principal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the chosen format keeps no picture</source>
        <extracomment>Why a track was left out.</extracomment>
        <translation>el formato elegido no conserva la imagen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 holds no sound</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 no admite audio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds one sound track: the default one is kept</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 admite una sola pista de audio: se conserva la predeterminada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the chosen format keeps no sound</source>
        <extracomment>Why a track was left out.</extracomment>
        <translation>el formato elegido no conserva el audio</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>the chosen format keeps no subtitles</source>
        <extracomment>Why a track was left out.</extracomment>
        <translation>el formato elegido no conserva los subtítulos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot hold picture subtitles</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 no admite subtítulos de imagen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot hold text subtitles</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 no admite subtítulos de texto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot hold subtitles</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 no admite subtítulos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot hold subtitles of this kind</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 no admite subtítulos de este tipo</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 cannot hold fonts</source>
        <extracomment>Why a font was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 no admite fuentes</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot hold cover art</source>
        <extracomment>Why the cover art was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 no admite carátulas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its picture could not be read</source>
        <extracomment>Why the cover art was left out.</extracomment>
        <translation>no se pudo leer su imagen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The source has no picture: only its sound was kept.</source>
        <translation>El original no tiene imagen: solo se conservó su audio.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 cannot hold %2 video copied as it is, so nothing was written: choose a preset that encodes it, or a container that holds %2 (MKV holds any).</source>
        <extracomment>%1 is a kind of file, such as AVI; %2 a codec, such as HEVC.</extracomment>
        <translation>%1 no admite vídeo %2 copiado tal cual, así que no se escribió nada: elija un preajuste que lo codifique o un contenedor que admita %2 (MKV admite cualquiera).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 cannot hold %2 sound copied as it is, so nothing was written: choose a preset that encodes it, or a container that holds %2 (MKV holds any).</source>
        <extracomment>%1 is a kind of file, such as AVI; %2 a codec, such as Opus.</extracomment>
        <translation>%1 no admite audio %2 copiado tal cual, así que no se escribió nada: elija un preajuste que lo codifique o un contenedor que admita %2 (MKV admite cualquiera).</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 cannot hold %2 video as it is: it was encoded as %3.</source>
        <extracomment>%1 is a kind of file, such as MP4; %2 and %3 are codecs.</extracomment>
        <translation>%1 no admite vídeo %2 tal cual: se codificó como %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot hold %2 sound as it is: it was encoded as %3.</source>
        <extracomment>%1 is a kind of file, such as MP4; %2 and %3 are codecs.</extracomment>
        <translation>%1 no admite audio %2 tal cual: se codificó como %3.</translation>
    </message>
    <message>
        <source>%1 cannot hold %2 subtitles as they are: they were converted to %3.</source>
        <extracomment>%1 is a kind of file, such as MP4; %2 and %3 are subtitle formats, such as SRT.</extracomment>
        <translation>%1 no admite subtítulos %2 tal cual: se convirtieron a %3.</translation>
    </message>
    <message>
        <location line="+156"/>
        <source>The converted file %1 cannot be read back (%2), so it was not kept.</source>
        <extracomment>%1 is the converted file, %2 why it cannot be read.</extracomment>
        <translation>El archivo convertido %1 no se puede volver a leer (%2), así que no se conservó.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1, %2</source>
        <extracomment>Joins the kinds of tracks a converted file lacks.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n video tracks</source>
        <translation>
            <numerusform>%1 de las %n pistas de vídeo</numerusform>
            <numerusform>%1 de las %n pistas de vídeo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n audio tracks</source>
        <translation>
            <numerusform>%1 de las %n pistas de audio</numerusform>
            <numerusform>%1 de las %n pistas de audio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n subtitle tracks</source>
        <translation>
            <numerusform>%1 de las %n pistas de subtítulos</numerusform>
            <numerusform>%1 de las %n pistas de subtítulos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n cover pictures</source>
        <translation>
            <numerusform>%1 de las %n carátulas</numerusform>
            <numerusform>%1 de las %n carátulas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n fonts</source>
        <translation>
            <numerusform>%1 de las %n fuentes</numerusform>
            <numerusform>%1 de las %n fuentes</numerusform>
        </translation>
    </message>
    <message>
        <source>The converted file %1 lacks %2 it was to keep, so it was not kept.</source>
        <translation>Al archivo convertido %1 le falta lo que debía conservar (%2), así que no se conservó.</translation>
    </message>
    <message>
        <source>the video track</source>
        <translation>la pista de vídeo</translation>
    </message>
    <message>
        <source>the audio track</source>
        <translation>la pista de audio</translation>
    </message>
    <message>
        <source>the subtitle track</source>
        <translation>la pista de subtítulos</translation>
    </message>
    <message>
        <source>the cover picture</source>
        <translation>la carátula</translation>
    </message>
    <message>
        <source>the font</source>
        <translation>la fuente</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 holds DVD subtitles only, and these pictures cannot become them without being misplaced and recoloured</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MPEG (DVD).</extracomment>
        <translation>%1 solo admite subtítulos de DVD, y estas imágenes no pueden convertirse en ellos sin quedar mal situadas y con los colores cambiados</translation>
    </message>
    <message>
        <source>Subtitles beside the video joined it: %1.</source>
        <extracomment>%1 lists subtitle files beside the video, such as &quot;film.en.srt, film.de.srt&quot;.</extracomment>
        <translation>Los subtítulos que hay junto al vídeo se unieron a él: %1.</translation>
    </message>
    <message>
        <source>The source was not read: %1, so nothing was converted.</source>
        <extracomment>%1 says what the source is instead of a file (&quot;it is a named pipe, not a regular file&quot;).</extracomment>
        <translation>No se leyó el original: %1, así que no se convirtió nada.</translation>
    </message>
    <message>
        <source>the file declares it but holds no picture in it</source>
        <extracomment>Why a track was left out: the file lists it, but no frame of it.</extracomment>
        <translation>el archivo la declara, pero no contiene ninguna imagen de ella</translation>
    </message>
    <message>
        <source>the file declares it but holds no sound in it</source>
        <extracomment>Why a track was left out: the file lists it, but no sound of it.</extracomment>
        <translation>el archivo la declara, pero no contiene ningún audio de ella</translation>
    </message>
</context>
<context>
    <name>reelwright::TrackReport</name>
    <message>
        <location filename="../src/joblist/TrackReport.cpp" line="+23"/>
        <location line="+117"/>
        <source>%1, %2</source>
        <extracomment>Joins the items of a list but the last: &quot;1 video, 2 audio&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="-114"/>
        <source>%1 and %2</source>
        <extracomment>Joins the last item of a list: &quot;1 video, 2 audio and 2 subtitle&quot;.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message numerus="yes">
        <source>%n fonts</source>
        <translation>
            <numerusform>%n fuente</numerusform>
            <numerusform>%n fuentes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video tracks</source>
        <translation>
            <numerusform>%n pista de vídeo</numerusform>
            <numerusform>%n pistas de vídeo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n audio tracks</source>
        <translation>
            <numerusform>%n pista de audio</numerusform>
            <numerusform>%n pistas de audio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle tracks</source>
        <translation>
            <numerusform>%n pista de subtítulos</numerusform>
            <numerusform>%n pistas de subtítulos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n picture subtitle tracks</source>
        <translation>
            <numerusform>%n pista de subtítulos de imagen</numerusform>
            <numerusform>%n pistas de subtítulos de imagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n %1 tracks</source>
        <translation>
            <numerusform>%n pista de tipo %1</numerusform>
            <numerusform>%n pistas de tipo %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 video</source>
        <extracomment>How many tracks of a kind were kept; &quot;tracks&quot; follows after the list.</extracomment>
        <translation>%1 de vídeo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 audio</source>
        <extracomment>How many tracks of a kind were kept; &quot;tracks&quot; follows after the list.</extracomment>
        <translation>%1 de audio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 subtitle</source>
        <extracomment>How many tracks of a kind were kept; &quot;tracks&quot; follows after the list.</extracomment>
        <translation>%1 de subtítulos</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+42"/>
        <source>the cover art</source>
        <translation>la carátula</translation>
    </message>
    <message numerus="yes">
        <source>Kept %1 tracks.</source>
        <translation>
            <numerusform>Pista conservada: %1.</numerusform>
            <numerusform>Pistas conservadas: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Kept %1 tracks, with %2.</source>
        <translation>
            <numerusform>Pista conservada: %1, junto con %2.</numerusform>
            <numerusform>Pistas conservadas: %1, junto con %2.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kept %1.</source>
        <extracomment>%1 is the cover art or fonts kept.</extracomment>
        <translation>Elementos conservados: %1.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>%1 (%2)</source>
        <extracomment>%1 is what was left out, %2 the language codes of its tracks.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: %2</source>
        <extracomment>%1 is what was left out, %2 why.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1; %2</source>
        <extracomment>Joins the groups of tracks left out, each with its reason.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Left out: %1.</source>
        <extracomment>%1 lists what was left out, each with its reason.</extracomment>
        <translation>Elementos omitidos: %1.</translation>
    </message>
</context>
<context>
    <name>reelwright::UnendedProcesses</name>
    <message>
        <location filename="../src/engine/UnendedProcesses.cpp" line="+70"/>
        <source>Stopped, but the encoder (process %1) could not be stopped yet: it does not answer, as when a network folder it reads or writes no longer responds. It ends as soon as the system lets it, and its half-written file is removed then.</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>Detenida, pero el codificador (proceso %1) todavía no se ha podido detener: no responde, como ocurre cuando deja de responder una carpeta de red en la que lee o escribe. Terminará en cuanto el sistema lo permita, y entonces se eliminará su archivo a medio escribir.</translation>
    </message>
</context>
<context>
    <name>reelwright::VideoFileAdder</name>
    <message>
        <location filename="../src/joblist/VideoFileAdder.cpp" line="+73"/>
        <source>Common Video Files (%1)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (%1)&quot; at the end, it holds the patterns.</extracomment>
        <translation>Archivos de vídeo comunes (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MPEG Files(.mpg,*.mpeg,*.mp2,*.mp4,*.mpe,*.m4v) (%1)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (%1)&quot; at the end, it holds the patterns.</extracomment>
        <translation>Archivos MPEG (.mpg,*.mpeg,*.mp2,*.mp4,*.mpe,*.m4v) (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Windows Media Files(*.wmv,*.asf) (%1)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (%1)&quot; at the end, it holds the patterns.</extracomment>
        <translation>Archivos de Windows Media (*.wmv,*.asf) (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AVI Files(*.avi) (%1)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (%1)&quot; at the end, it holds the patterns.</extracomment>
        <translation>Archivos AVI (*.avi) (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QuickTime Files-Ver2 or less(*.mov) (%1)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (%1)&quot; at the end, it holds the patterns.</extracomment>
        <translation>Archivos QuickTime, versión 2 o anterior (*.mov) (%1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All Files(*.*) (*)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (*)&quot; at the end, it is the pattern.</extracomment>
        <translation>Todos los archivos (*.*) (*)</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Selected Folder is empty.</source>
        <translation>La carpeta elegida está vacía.</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>%1: %2</source>
        <extracomment>A line of the list of files not added: %1 is a path, %2 why it was not added.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Some files are not supported or already exist and will not be added</source>
        <translation>Algunos archivos no son compatibles o ya están en la lista, y no se añadirán</translation>
    </message>
</context>
<context>
    <name>reelwright::WholeFile</name>
    <message>
        <location filename="../src/platform/WholeFile.cpp" line="+40"/>
        <source>the file written is not whole</source>
        <extracomment>Why a file could not be saved.</extracomment>
        <translation>el archivo escrito no está completo</translation>
    </message>
</context>
<context>
    <name>reelwright::frmMain</name>
    <message>
        <source>[As Input]</source>
        <extracomment>The first item of the picture size and aspect lists: what the source has.</extracomment>
        <translation>[Como la entrada]</translation>
    </message>
    <message>
        <location filename="../src/window/frmMain.cpp" line="+98"/>
        <source>The list of files cannot be kept for the next start (%1). Converting goes on, but the list will be lost when Reelwright ends.</source>
        <translation>La lista de archivos no se puede guardar para el próximo inicio (%1). La conversión sigue, pero la lista se perderá al cerrar Reelwright.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The encoder&apos;s output cannot be kept in logs (%1). Converting goes on.</source>
        <translation>La salida del codificador no se puede guardar en registros (%1). La conversión sigue.</translation>
    </message>
    <message>
        <location line="+87"/>
        <location filename="../src/window/frmMainShell.cpp" line="+63"/>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/frmMainShell.cpp" line="+26"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (F1)</source>
        <translation>%1 (F1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Three easy steps to convert your video files.</source>
        <translation>Tres pasos sencillos para convertir sus vídeos.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  - Add Video Files/Folders</source>
        <translation>  - Añadir vídeos o carpetas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Video File...</source>
        <translation>Añadir vídeo…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Folder...</source>
        <translation>Añadir carpeta…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>For Quick Adding:You can drag and drop video files into the below list</source>
        <translation>Más rápido: arrastre los vídeos a la lista de abajo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select/Unselect All</source>
        <translation>Marcar todo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove Selected</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play Highlighted File</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>  - Select Output Folder and Format</source>
        <translation>  - Carpeta y formato de salida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output Folder:</source>
        <translation>Carpeta de salida:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Same folder as input file</source>
        <translation>Carpeta del original</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other folder</source>
        <translation>Otra carpeta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Browse...</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output Format:</source>
        <translation>Formato de salida:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Change...</source>
        <translation>Cambiar…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>- Click Convert to start conversion</source>
        <translation>- Pulse Convertir para empezar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files at once:</source>
        <translation>A la vez:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Files at once</source>
        <translation>Archivos a la vez</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How many files convert at the same time. Auto converts several short files at once,
and long ones one at a time when their encoder already keeps every core busy.</source>
        <translation>Cuántos archivos se convierten a la vez. Auto convierte varios archivos cortos a la vez,
y los largos de uno en uno cuando su codificador ya ocupa todos los núcleos.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/window/frmMainBatch.cpp" line="+28"/>
        <source>Convert Selected</source>
        <translation>Convertir marcados</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/frmMainBatch.cpp" line="-3"/>
        <location line="+110"/>
        <source>Convert All</source>
        <translation>Convertir todo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shutdown after conversion complete</source>
        <translation>Apagar al terminar</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Select folder to add</source>
        <translation>Elija la carpeta que añadir</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Select one or more video files</source>
        <translation>Elija uno o varios archivos de vídeo</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>Please Stop Conversion first.</source>
        <translation>Detenga primero la conversión.</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainBatch.cpp" line="-95"/>
        <source>Select the output folder</source>
        <translation>Elija la carpeta de salida</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The list is empty, Please add Video files from step 1</source>
        <translation>La lista está vacía. Añada vídeos en el paso 1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+32"/>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>No checked file is waiting for conversion. Tick the files to convert, or use Convert All.</source>
        <translation>Ningún archivo marcado espera conversión. Marque los archivos que convertir o use «Convertir todo».</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No file is waiting for conversion: every file in the list has been converted or cannot be read.</source>
        <translation>Ningún archivo espera conversión: todos los de la lista se han convertido o no se pueden leer.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> To try a file that failed again, right-click it and choose Convert Again.</source>
        <translation> Para reintentar un archivo que falló, haga clic derecho en él y elija «Convertir de nuevo».</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainFormats.cpp" line="+96"/>
        <source>Output Video Formats</source>
        <translation>Formatos de salida</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Presets</source>
        <translation>Preajustes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom (Advanced)</source>
        <translation>Personalizado (avanzado)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Keep every audio and subtitle track</source>
        <translation>Conservar pistas de audio y subtítulos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every sound and subtitle track of a file goes into its result, as far as the format can
hold them; what it cannot hold is named on the file&apos;s row. Off: one of each kind.</source>
        <translation>Cada pista de audio y de subtítulos pasa al resultado, en la medida en que el formato
las admita; lo que no admite se indica en la fila del archivo. Desactivado: una de cada tipo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep the original&apos;s date</source>
        <translation>Conservar la fecha del original</translation>
    </message>
    <message>
        <source>Largest result:</source>
        <translation>Resultado máximo:</translation>
    </message>
    <message>
        <source>Largest result, in the unit beside it</source>
        <translation>Resultado máximo, en la unidad de al lado</translation>
    </message>
    <message>
        <source>Unit of the largest result</source>
        <translation>Unidad del resultado máximo</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>A copy keeps its pictures as they are, so it cannot be made to fit a size.</source>
        <translation>Una copia conserva sus imágenes tal cual, así que no puede ajustarse a un tamaño.</translation>
    </message>
    <message>
        <source>Each result is made to fit this size: the picture&apos;s bit rate is worked out
from it, and a result over it is encoded again smaller. A limit too small
for a watchable picture is refused before anything is written.</source>
        <translation>Cada resultado se ajusta a este tamaño: la tasa de la imagen se calcula a partir
de él, y un resultado mayor se codifica de nuevo más pequeño. Un límite demasiado
pequeño para una imagen que se pueda ver se rechaza antes de escribir nada.</translation>
    </message>
    <message>
        <source>Remove black bars</source>
        <translation>Quitar las franjas negras</translation>
    </message>
    <message>
        <source>Make the picture smaller when needed</source>
        <translation>Reducir la imagen si hace falta</translation>
    </message>
    <message>
        <source>A picture too large for the size at a watchable quality is made smaller
(1080p, 720p, 480p, then 360p) until it fits, and the row says to what.</source>
        <translation>Una imagen demasiado grande para el tamaño con una calidad aceptable se reduce
(1080p, 720p, 480p y luego 360p) hasta que quepa, y la fila dice a cuánto.</translation>
    </message>
    <message>
        <source>This format keeps a quality of its own that no bit rate changes, so it
cannot be made to fit a size.</source>
        <translation>Este formato tiene una calidad propia que ninguna tasa de bits cambia, así que
no se puede ajustar a un tamaño.</translation>
    </message>
    <message>
        <source>Black bars around the picture (a letterbox, a pillarbox) are cut off where
the whole file has them; a dark scene or a fade to black is never cut.</source>
        <translation>Las franjas negras alrededor de la imagen (letterbox, pillarbox) se recortan
donde todo el archivo las tiene; una escena oscura o un fundido a negro nunca se recorta.</translation>
    </message>
    <message>
        <source>A copy keeps its pictures as they are, so their black bars stay.</source>
        <translation>Una copia conserva sus imágenes tal cual, así que sus franjas negras se quedan.</translation>
    </message>
    <message>
        <source>Even loudness:</source>
        <translation>Sonoridad uniforme:</translation>
    </message>
    <message>
        <source>Even loudness</source>
        <translation>Sonoridad uniforme</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivada</translation>
    </message>
    <message>
        <source>Broadcast (-23 LUFS)</source>
        <translation>Radio y televisión (-23 LUFS)</translation>
    </message>
    <message>
        <source>Web and podcasts (-16 LUFS)</source>
        <translation>Web y pódcast (-16 LUFS)</translation>
    </message>
    <message>
        <source>Streaming (-14 LUFS)</source>
        <translation>Streaming (-14 LUFS)</translation>
    </message>
    <message>
        <source>%1 LUFS</source>
        <translation>%1 LUFS</translation>
    </message>
    <message>
        <source>Every result&apos;s sound is measured and brought to the same loudness, so that no file
plays much louder or softer than the others; its peaks stay below -1 dBTP. Measuring
adds a short pass before each file. A copy&apos;s sound is encoded to be evened.</source>
        <translation>El sonido de cada resultado se mide y se lleva a la misma sonoridad, para que ningún
archivo suene mucho más fuerte o más bajo que los demás; sus picos quedan por debajo de
-1 dBTP. Medir añade una pasada breve antes de cada archivo. En una copia, el sonido se
codifica para igualarlo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each result takes the date and time its original was last changed.</source>
        <translation>Cada resultado toma la fecha y hora de la última modificación de su original.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check results by decoding them</source>
        <translation>Comprobar descodificando</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each result is played through once, as fast as the computer can, before it takes its
name; a result with a fault fails instead. Converting takes longer.</source>
        <translation>Cada resultado se reproduce una vez, tan rápido como se pueda, antes de recibir su
nombre; un resultado con fallos falla. La conversión tarda más.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;&amp; Close</source>
        <translation>Guardar &amp;&amp; cerrar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restore Defaults</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Output Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+49"/>
        <source>Output Video Codec:</source>
        <translation>Códec de vídeo:</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>Output File Format (Container):</source>
        <translation>Formato de archivo (contenedor):</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Output Format(Container):</source>
        <translation>Formato (contenedor):</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Output Audio Options</source>
        <translation>Audio</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Output Audio Codec:</source>
        <translation>Códec:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sampling Rate:</source>
        <translation>Muestreo:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+13"/>
        <source>Bitrate:</source>
        <translation>Tasa:</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Channels:</source>
        <translation>Canales:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Output Video Options</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Video Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aspect Ratio:</source>
        <translation>Proporción:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frame rate:</source>
        <translation>Fotogramas:</translation>
    </message>
    <message>
        <location line="+149"/>
        <source>Error occured while getting paramters</source>
        <translation>Se produjo un error al obtener los parámetros</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainRuns.cpp" line="+27"/>
        <source>Switching Off</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Power Off Now</source>
        <translation>Apagar ahora</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message numerus="yes">
        <source>The batch has ended. The computer will be switched off in %n seconds.</source>
        <translation>
            <numerusform>El lote ha terminado. El equipo se apagará en %n segundo.</numerusform>
            <numerusform>El lote ha terminado. El equipo se apagará en %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Interrupted Batch</source>
        <translation>Lote interrumpido</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not now</source>
        <translation>Ahora no</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The list of files kept from the last run could not be read (%1), so the list starts empty. It was kept as %2.</source>
        <translation>No se pudo leer la lista de archivos guardada de la última vez (%1), así que la lista empieza vacía. Se guardó como %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Another Reelwright window is open and keeps the list of files. The files of this window are not kept when it closes, and the other window&apos;s batch is not offered here.</source>
        <translation>Hay otra ventana de Reelwright abierta que guarda la lista de archivos. Los archivos de esta ventana no se guardan al cerrarla, y el lote de la otra ventana no se ofrece aquí.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows of the list kept from the last run could not be read and were left out. The list as it was is kept as %1.</source>
        <translation>
            <numerusform>Una fila de la lista guardada de la última vez no se pudo leer y se omitió. La lista tal como estaba se guarda como %1.</numerusform>
            <numerusform>%n filas de la lista guardada de la última vez no se pudieron leer y se omitieron. La lista tal como estaba se guarda como %1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>One file kept in the list is no longer there and was left out: %1</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Un archivo de la lista ya no existe y se omitió: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n files kept in the list are no longer there and were left out.</source>
        <translation>
            <numerusform>%n archivos de la lista ya no existen y se omitieron.</numerusform>
            <numerusform>%n archivos de la lista ya no existen y se omitieron.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>beside each file</source>
        <translation>junto a cada archivo</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted before it ended: %n files are still to convert.

Resume converts them with the format and output folder the batch had:
%1</source>
        <translation>
            <numerusform>El último lote se interrumpió antes de terminar: queda %n archivo por convertir.

«Reanudar» lo convierte con el formato y la carpeta de salida que tenía el lote:
%1</numerusform>
            <numerusform>El último lote se interrumpió antes de terminar: quedan %n archivos por convertir.

«Reanudar» los convierte con el formato y la carpeta de salida que tenía el lote:
%1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Show Encoder Output...</source>
        <translation>Mostrar la salida del codificador…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Convert Again</source>
        <translation>Convertir de nuevo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear Finished</source>
        <translation>Quitar completados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Takes the converted files out of the list</source>
        <translation>Quita de la lista los archivos convertidos</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted, %1 failed</source>
        <translation>
            <numerusform>%n archivo convertido, %1 con error</numerusform>
            <numerusform>%n archivos convertidos, %1 con error</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, %1 stopped</source>
        <translation>, %1 detenidos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Conversion stopped</source>
        <translation>Conversión detenida</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Conversion finished</source>
        <translation>Conversión terminada</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Every file was converted.</source>
        <translation>Se convirtieron todos los archivos.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>These files could not be converted:
</source>
        <translation>Estos archivos no se pudieron convertir:
</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainSettings.cpp" line="+122"/>
        <source>Your choices (output folder and format) could not be saved, so the next start will not show them:</source>
        <translation>Sus opciones (carpeta y formato de salida) no se pudieron guardar, así que el próximo inicio no las mostrará:</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainShell.cpp" line="-15"/>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Converts a list of video files, one after another, into the format your computer, phone or player needs, with the FFmpeg encoder doing the work.</source>
        <translation>Convierte una lista de vídeos, uno tras otro, al formato que necesita su ordenador, teléfono o reproductor; el trabajo lo hace el codificador FFmpeg.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Made by</source>
        <translation>Creado por</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Converts with</source>
        <translation>Convierte con</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Files to convert</source>
        <translation>Archivos que convertir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Audio bitrate in kbps</source>
        <translation>Tasa de bits de audio en kbps</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Audio channels</source>
        <translation>Canales de audio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Video bitrate in kbps</source>
        <translation>Tasa de bits de vídeo en kbps</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frame rate in fps</source>
        <translation>Fotogramas por segundo</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainFormats.cpp" line="-258"/>
        <source>Save as Preset...</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keeps the custom format as a preset of your own, listed with the others. Your presets
live in your own folder, where installing or upgrading the program never touches them.</source>
        <translation>Guarda el formato personalizado como un preajuste propio, junto a los demás. Sus preajustes
están en su propia carpeta, que instalar o actualizar el programa nunca toca.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Remove Preset</source>
        <translation>Quitar preajuste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Removes the chosen preset of your own.</source>
        <translation>Quita el preajuste propio elegido.</translation>
    </message>
    <message>
        <source>Expected size and time of the batch</source>
        <translation>Tamaño y tiempo previstos del lote</translation>
    </message>
    <message>
        <source>Reelwright windows started later cannot hand their files to this one (%1). They open windows of their own.</source>
        <translation>Las ventanas de Reelwright que se abran después no pueden entregar sus archivos a esta (%1). Abren sus propias ventanas.</translation>
    </message>
    <message>
        <source>Remove your preset &quot;%1&quot; from &quot;%2&quot;? This cannot be undone.</source>
        <extracomment>%1 is a preset&apos;s name, %2 its category.</extracomment>
        <translation>¿Quitar su preajuste «%1» de «%2»? No se puede deshacer.</translation>
    </message>
</context>
<context>
    <name>reelwright::FileSize</name>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
</context>
<context>
    <name>reelwright::CliInputs</name>
    <message>
        <source>%1: a link that leads out of %2, to %3</source>
        <translation>%1: un enlace que sale de %2, hacia %3</translation>
    </message>
</context>
<context>
    <name>reelwright::EvenSizeNote</name>
    <message>
        <source>The picture was made %1 from %2: the encoder takes even sizes only.</source>
        <extracomment>%1 and %2 are picture sizes in pixels, such as 720x404 and 721x405.</extracomment>
        <translation>La imagen pasó de %2 a %1: el codificador solo admite tamaños pares.</translation>
    </message>
</context>
<context>
    <name>reelwright::FileConversion</name>
    <message>
        <source>The file changed while it was converted; its result is not kept.</source>
        <translation>El archivo cambió mientras se convertía; su resultado no se conserva.</translation>
    </message>
</context>
<context>
    <name>reelwright::FilterGraphCheck</name>
    <message>
        <source>the filter &quot;%1&quot; is not one this program knows, so it cannot tell that it opens no file</source>
        <extracomment>Why a preset is refused: %1 is the name of a filter.</extracomment>
        <translation>el filtro «%1» no es uno que este programa conozca, así que no puede asegurar que no abra ningún archivo</translation>
    </message>
    <message>
        <source>the filter &quot;%1&quot; must be given its options by name (name=value)</source>
        <extracomment>Why a preset is refused: %1 is a filter such as drawtext.</extracomment>
        <translation>el filtro «%1» debe recibir sus opciones por nombre (name=value)</translation>
    </message>
    <message>
        <source>the filter &quot;%1&quot; opens files, libraries or sockets by name</source>
        <extracomment>Why a preset is refused: %1 is the name of a filter, such as movie.</extracomment>
        <translation>el filtro «%1» abre archivos, bibliotecas o sockets por su nombre</translation>
    </message>
    <message>
        <source>the filter &quot;%1&quot; would read its option &quot;%2&quot; from a file</source>
        <extracomment>Why a preset is refused: %1 is a filter, %2 one of its options.</extracomment>
        <translation>el filtro «%1» leería su opción «%2» de un archivo</translation>
    </message>
    <message>
        <source>the filter graph &quot;%1&quot; cannot be read</source>
        <extracomment>Why a preset is refused: %1 is one of its filter graphs.</extracomment>
        <translation>no se puede leer el grafo de filtros «%1»</translation>
    </message>
    <message>
        <source>the filter label &quot;[%1]&quot; takes tracks from another input than the one being converted</source>
        <extracomment>Why a preset is refused: %1 is a label of a filter graph, such as &quot;1:v&quot;.</extracomment>
        <translation>la etiqueta de filtro «[%1]» toma pistas de una entrada distinta de la que se convierte</translation>
    </message>
    <message>
        <source>the option &quot;%2&quot; of the filter &quot;%1&quot; names a file</source>
        <extracomment>Why a preset is refused: %1 is a filter, %2 one of its options.</extracomment>
        <translation>la opción «%2» del filtro «%1» indica un archivo</translation>
    </message>
</context>
<context>
    <name>reelwright::FixedFrame</name>
    <message>
        <source>Picture fitted into %1 with black bars, shown at %2.</source>
        <extracomment>%1 is the frame&apos;s size (&quot;720x576&quot;), %2 its shape (&quot;16:9&quot;).</extracomment>
        <translation>Imagen ajustada a %1 con franjas negras, mostrada en %2.</translation>
    </message>
</context>
<context>
    <name>reelwright::LoudnessLook</name>
    <message>
        <source>The sound could not be measured to even its loudness.</source>
        <extracomment>Said when the sound could not be measured before evening its loudness.</extracomment>
        <translation>No se pudo medir el audio para igualar su sonoridad.</translation>
    </message>
    <message>
        <source>The sound could not be measured to even its loudness: %1</source>
        <translation>No se pudo medir el audio para igualar su sonoridad: %1</translation>
    </message>
</context>
<context>
    <name>reelwright::LoudnessPlan</name>
    <message>
        <source>%1 LUFS</source>
        <extracomment>A loudness, such as &quot;-16.0 LUFS&quot;.</extracomment>
        <translation>%1 LUFS</translation>
    </message>
    <message>
        <source>%1 holds no sound this program can encode, so its loudness was left as it is.</source>
        <extracomment>%1 is a kind of file, such as AVI.</extracomment>
        <translation>%1 no admite ningún audio que este programa pueda codificar, así que su sonoridad se dejó como estaba.</translation>
    </message>
    <message>
        <source>Loudness %1 → %2, through a limiter: one gain would have taken its peaks above %3 dBTP.</source>
        <extracomment>%1 and %2 are loudnesses; %3 the true-peak limit, such as -1.</extracomment>
        <translation>Sonoridad %1 → %2, mediante un limitador: una sola ganancia habría llevado sus picos por encima de %3 dBTP.</translation>
    </message>
    <message>
        <source>Loudness %1 → %2.</source>
        <extracomment>%1 and %2 are loudnesses: &quot;-31.2 LUFS → -16.0 LUFS&quot;.</extracomment>
        <translation>Sonoridad %1 → %2.</translation>
    </message>
    <message>
        <source>Picture copied, sound encoded to even its loudness (%1).</source>
        <extracomment>%1 is an audio codec, such as AAC.</extracomment>
        <translation>Imagen copiada, audio codificado para igualar su sonoridad (%1).</translation>
    </message>
    <message>
        <source>Sound track %1: %2</source>
        <extracomment>%1 is a sound track&apos;s number; %2 what was done to it, such as &quot;loudness -31.2 LUFS → -16.0 LUFS.&quot;</extracomment>
        <translation>Pista de audio %1: %2</translation>
    </message>
    <message>
        <source>The format filters its sound itself, so its loudness was left as it is.</source>
        <translation>El formato filtra su audio por sí mismo, así que su sonoridad se dejó como estaba.</translation>
    </message>
    <message>
        <source>The sound is silent or nearly so: its loudness was left as it is.</source>
        <translation>El audio está en silencio o casi: su sonoridad se dejó como estaba.</translation>
    </message>
    <message>
        <source>The sound was encoded to even its loudness (%1).</source>
        <extracomment>%1 is an audio codec, such as AAC.</extracomment>
        <translation>El audio se codificó para igualar su sonoridad (%1).</translation>
    </message>
    <message>
        <source>The sound&apos;s loudness could not be measured: it was left as it is.</source>
        <translation>No se pudo medir la sonoridad del audio: se dejó como estaba.</translation>
    </message>
    <message>
        <source>about %1</source>
        <extracomment>A loudness that was not measured: &quot;about -16.0 LUFS&quot;.</extracomment>
        <translation>unos %1</translation>
    </message>
    <message>
        <source>its loudness could not be measured: it was left as it is.</source>
        <translation>no se pudo medir su sonoridad: se dejó como estaba.</translation>
    </message>
    <message>
        <source>loudness %1 → %2, through a limiter: one gain would have taken its peaks above %3 dBTP.</source>
        <extracomment>%1 and %2 are loudnesses; %3 the true-peak limit, such as -1.</extracomment>
        <translation>sonoridad %1 → %2, mediante un limitador: una sola ganancia habría llevado sus picos por encima de %3 dBTP.</translation>
    </message>
    <message>
        <source>loudness %1 → %2.</source>
        <extracomment>%1 and %2 are loudnesses: &quot;-31.2 LUFS → -16.0 LUFS&quot;.</extracomment>
        <translation>sonoridad %1 → %2.</translation>
    </message>
    <message>
        <source>silent or nearly so: its loudness was left as it is.</source>
        <translation>en silencio o casi: su sonoridad se dejó como estaba.</translation>
    </message>
</context>
<context>
    <name>reelwright::OwnFolder</name>
    <message>
        <source>%1 belongs to another user (uid %2)</source>
        <translation>%1 pertenece a otro usuario (uid %2)</translation>
    </message>
    <message>
        <source>%1 cannot be looked at: %2</source>
        <translation>no se puede examinar %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>no se puede crear %1: %2</translation>
    </message>
    <message>
        <source>%1 has mode %2, not 0700: other users could reach into it</source>
        <translation>%1 tiene el modo %2, no 0700: otros usuarios podrían entrar en ella</translation>
    </message>
    <message>
        <source>%1 is a link, not a folder</source>
        <translation>%1 es un enlace, no una carpeta</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
</context>
<context>
    <name>reelwright::PresetParams</name>
    <message>
        <source>&quot;%1 %2&quot; takes tracks from another input than the one being converted</source>
        <extracomment>Why a preset is refused: %1 %2 is an option and its value, such as -map 1:v.</extracomment>
        <translation>«%1 %2» toma pistas de una entrada distinta de la que se convierte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; decides whether existing files are written over, which the program decides itself</source>
        <extracomment>Why a preset is refused: %1 is -y or -n.</extracomment>
        <translation>«%1» decide si se sobrescriben los archivos existentes, algo que decide el propio programa</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option or an option&apos;s value: the encoder would write a second output file there</source>
        <extracomment>Why a preset is refused: %1 is a word of its params.</extracomment>
        <translation>«%1» no es una opción ni el valor de una opción: el codificador escribiría ahí un segundo archivo de salida</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option the encoder takes</source>
        <extracomment>Why a preset is refused: %1 is a word of its params.</extracomment>
        <translation>«%1» no es una opción que admita el codificador</translation>
    </message>
    <message>
        <source>&quot;%1&quot; makes the encoder print information and stop instead of converting</source>
        <extracomment>Why a preset is refused: %1 is an option such as -version.</extracomment>
        <translation>«%1» hace que el codificador muestre información y se detenga en lugar de convertir</translation>
    </message>
    <message>
        <source>&quot;%1&quot; makes the encoder read or write a file other than the one it converts</source>
        <extracomment>Why a preset is refused: %1 is an option such as -progress.</extracomment>
        <translation>«%1» hace que el codificador lea o escriba un archivo distinto del que convierte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value, and none follows it</source>
        <extracomment>Why a preset is refused: %1 is an option such as -c:v.</extracomment>
        <translation>«%1» necesita un valor, y no le sigue ninguno</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would add another input</source>
        <extracomment>Why a preset is refused: %1 is -i.</extracomment>
        <translation>«%1» añadiría otra entrada</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would read its value from a file</source>
        <extracomment>Why a preset is refused: %1 is an option such as -/vf.</extracomment>
        <translation>«%1» leería su valor de un archivo</translation>
    </message>
    <message>
        <source>a quote is not closed</source>
        <extracomment>Why a preset is refused.</extracomment>
        <translation>hay unas comillas sin cerrar</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; of &quot;%2&quot; names a file</source>
        <extracomment>Why a preset is refused: %1 is a setting such as stats, %2 an option such as -x264-params.</extracomment>
        <translation>el ajuste «%1» de «%2» indica un archivo</translation>
    </message>
    <message>
        <source>the value of &quot;%1&quot; names a file: &quot;%2&quot;</source>
        <extracomment>Why a preset is refused: %1 is an option such as -attach, %2 its value.</extracomment>
        <translation>el valor de «%1» indica un archivo: «%2»</translation>
    </message>
</context>
<context>
    <name>reelwright::RunningWindow</name>
    <message>
        <source>%1 cannot be listened on: %2</source>
        <translation>no se puede escuchar en %1: %2</translation>
    </message>
    <message>
        <source>The files are not handed to the Reelwright window open, and this window opens on its own: %1.</source>
        <translation>Los archivos no se entregan a la ventana de Reelwright abierta, y esta ventana se abre por su cuenta: %1.</translation>
    </message>
    <message>
        <source>The files are not handed to the window at %1: it belongs to another user. This window opens on its own.</source>
        <translation>Los archivos no se entregan a la ventana de %1: pertenece a otro usuario. Esta ventana se abre por su cuenta.</translation>
    </message>
    <message>
        <source>Too many files to hand to the Reelwright window open; this window opens on its own.</source>
        <translation>Demasiados archivos para entregarlos a la ventana de Reelwright abierta; esta ventana se abre por su cuenta.</translation>
    </message>
</context>
<context>
    <name>reelwright::SafeFile</name>
    <message>
        <source>it is a device, not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>es un dispositivo, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a folder, not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>es una carpeta, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a link, not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>es un enlace, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>es una tubería con nombre, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>es un socket, no un archivo normal</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>reelwright::SizeLimit</name>
    <message>
        <source>a size such as 25M, 25MB, 1.5G or 700MiB (K, M and G count by thousands, KiB, MiB and GiB by 1024), of 100K or more</source>
        <translation>un tamaño como 25M, 25MB, 1.5G o 700MiB (K, M y G cuentan por miles; KiB, MiB y GiB, por 1024), de 100K o más</translation>
    </message>
</context>
<context>
    <name>reelwright::SoundLayout</name>
    <message>
        <source>%1 cannot hold %2.</source>
        <extracomment>%1 is an audio codec (&quot;AAC&quot;), %2 a channel layout (&quot;6.1&quot;).</extracomment>
        <translation>%1 no admite %2.</translation>
    </message>
    <message>
        <source>%1 sound mixed down to %2: %3</source>
        <extracomment>%1 and %2 are channel layouts (&quot;5.1&quot;, &quot;stereo&quot;); %3 says why.</extracomment>
        <translation>Audio %1 reducido a %2: %3</translation>
    </message>
    <message>
        <source>the format is %1.</source>
        <translation>el formato es %1.</translation>
    </message>
    <message>
        <source>the format keeps %1 channels.</source>
        <translation>el formato conserva %1 canales.</translation>
    </message>
</context>
<context>
    <name>reelwright::TrackMarks</name>
    <message>
        <source>%1 keeps no commentary marks: %2 no longer marked so.</source>
        <translation>%1 no conserva marcas de comentario: se quitó la marca a %2.</translation>
    </message>
    <message>
        <source>%1 keeps no forced marks: %2 no longer marked so.</source>
        <translation>%1 no conserva marcas de forzado: se quitó la marca a %2.</translation>
    </message>
    <message>
        <source>%1 keeps no languages: %2 left out.</source>
        <translation>%1 no conserva idiomas; omitidos: %2.</translation>
    </message>
    <message>
        <source>%1 keeps no track titles: %2 left out.</source>
        <translation>%1 no conserva títulos de pista; omitidos: %2.</translation>
    </message>
</context>
<context>
    <name>reelwright::WatchedFolder</name>
    <message>
        <source>not a folder, so it cannot be watched</source>
        <translation>no es una carpeta, así que no se puede vigilar</translation>
    </message>
    <message>
        <source>not taken: a link, which a watched folder never follows</source>
        <extracomment>Why a watched folder&apos;s entry is not converted.</extracomment>
        <translation>no aceptado: un enlace, que una carpeta vigilada nunca sigue</translation>
    </message>
    <message>
        <source>not taken: not a regular file (a pipe, a device or a socket)</source>
        <translation>no aceptado: no es un archivo normal (una tubería, un dispositivo o un socket)</translation>
    </message>
    <message>
        <source>the folder to watch cannot be read: %1</source>
        <translation>no se puede leer la carpeta que vigilar: %1</translation>
    </message>
</context>
</TS>
