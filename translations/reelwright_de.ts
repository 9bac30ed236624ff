<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>reelwright::BatchDriver</name>
    <message>
        <location filename="../src/batch/BatchDriver.cpp" line="+50"/>
        <source>Error converting file: %1<byte value="xd"/>
%2</source>
        <extracomment>%1 is the file&apos;s name; %2, on the next line, why it failed.</extracomment>
        <translation>Fehler beim Konvertieren der Datei: %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+302"/>
        <source>Added while a batch of chosen files converts: the next batch converts it.</source>
        <translation>Hinzugefügt, während ein Durchlauf mit ausgewählten Dateien läuft: Die Datei wird im nächsten Durchlauf konvertiert.</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>The play length &quot;%1&quot; cannot be read.</source>
        <extracomment>%1 is a play length as the list shows it.</extracomment>
        <translation>Die Spieldauer „%1“ ist nicht lesbar.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error occured while getting paramters<byte value="xd"/>
%1</source>
        <extracomment>%1, on the next line, is what is wrong with the format.</extracomment>
        <translation>Beim Ermitteln der Parameter ist ein Fehler aufgetreten<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <location line="+227"/>
        <source>Checking the result by decoding it</source>
        <translation>Das Ergebnis wird durch Dekodieren geprüft</translation>
    </message>
    <message>
        <source>Measuring the sound&apos;s loudness</source>
        <translation>Die Lautheit des Tons wird gemessen</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The folder %1 does not keep file locks (%2). Converting into it goes on, but another copy of Reelwright cannot tell whether the hidden file being written there is still being written, so it never removes it: should a copy be ended while it converts into this folder, remove the hidden .reelwright-nolock-... file it leaves by hand, once no copy is converting there.</source>
        <extracomment>%1 is a folder, %2 the system&apos;s reason. Keep the file name .reelwright-nolock-...</extracomment>
        <translation>Der Ordner %1 unterstützt keine Dateisperren (%2). Die Konvertierung in diesen Ordner läuft weiter, aber eine andere Instanz von Reelwright kann nicht erkennen, ob die versteckte Datei, die dort geschrieben wird, noch in Arbeit ist, und entfernt sie daher nie: Wird eine Instanz beendet, während sie in diesen Ordner konvertiert, entfernen Sie die von ihr hinterlassene versteckte Datei .reelwright-nolock-... von Hand, sobald dort keine Instanz mehr konvertiert.</translation>
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
        <translation>noch %1 für diese Datei</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 left for the batch</source>
        <extracomment>%1 is a time, such as 1:20.</extracomment>
        <translation>noch %1 für den Durchlauf</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 for the batch</source>
        <extracomment>Follows &quot;1:20 left for this file, &quot;: %1 is a time, such as 12:40.</extracomment>
        <translation>%1 für den Durchlauf</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1x real time</source>
        <extracomment>%1 is how many times faster than playing the file converts, such as 2.5.</extracomment>
        <translation>%1-fache Echtzeit</translation>
    </message>
</context>
<context>
    <name>reelwright::BoxQueue</name>
    <message numerus="yes">
        <location filename="../src/platform/BoxQueue.cpp" line="+67"/>
        <source>%n more came meanwhile; all of them are under Show Details.</source>
        <translation>
            <numerusform>%n weitere kamen inzwischen hinzu; alle stehen unter „Details einblenden“.</numerusform>
            <numerusform>%n weitere kamen inzwischen hinzu; alle stehen unter „Details einblenden“.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelwright::CRegister</name>
    <message>
        <location filename="../src/settings/CRegister.cpp" line="+91"/>
        <source>%1 is read-only</source>
        <extracomment>Why the settings cannot be saved: %1 is their file.</extracomment>
        <translation>%1 ist schreibgeschützt</translation>
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
        <translation>die Registry hat die Werte abgelehnt</translation>
    </message>
</context>
<context>
    <name>reelwright::CVideoConv</name>
    <message>
        <location filename="../src/engine/CVideoConv.cpp" line="+115"/>
        <source>The encoder options have a quote that is not closed: %1</source>
        <extracomment>%1 is the encoder options as given.</extracomment>
        <translation>Die Optionen des Encoders enthalten ein nicht geschlossenes Anführungszeichen: %1</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Error converting file: %1<byte value="xd"/>
%2</source>
        <extracomment>%1 is the file&apos;s name; %2, on the next line, why it failed.</extracomment>
        <translation>Fehler beim Konvertieren der Datei: %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Error Occured:<byte value="xd"/>
%1</source>
        <extracomment>%1 is a technical description of the fault, for a bug report.</extracomment>
        <translation>Ein Fehler ist aufgetreten:<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>reelwright::CatalogueScanner</name>
    <message>
        <location filename="../src/formats/CatalogueScanner.cpp" line="+20"/>
        <source>File not found: %1</source>
        <extracomment>%1 is a catalogue&apos;s path.</extracomment>
        <translation>Datei nicht gefunden: %1</translation>
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
        <translation>Die Datei ist leer: %1</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>a field line has no tag: &quot;%1&quot;</source>
        <extracomment>What is wrong in a catalogue: %1 is one of its lines.</extracomment>
        <translation>eine Feldzeile hat kein Tag: „%1“</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the &lt;%1&gt; field has no closing tag: &quot;%2&quot;</source>
        <extracomment>What is wrong in a catalogue: %1 is a field&apos;s tag, %2 its line.</extracomment>
        <translation>das Feld &lt;%1&gt; hat kein schließendes Tag: „%2“</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The file has %1 lines; at most %2 are read.</source>
        <extracomment>%1 is a catalogue&apos;s number of lines, %2 the most that are read.</extracomment>
        <translation>Die Datei hat %1 Zeilen; höchstens %2 werden gelesen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>line %1: an entry needs %2 field lines</source>
        <extracomment>What is wrong in a catalogue: %1 is a line number, %2 how many lines an entry has.</extracomment>
        <translation>Zeile %1: Ein Eintrag braucht %2 Feldzeilen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>line %1: %2</source>
        <extracomment>Where a catalogue is wrong: %1 is a line number, %2 what is wrong there.</extracomment>
        <translation>Zeile %1: %2</translation>
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
        <translation>Aufruf: reelwright-cli [Optionen] [--] DATEI|ORDNER...
        reelwright-cli [Optionen] --files-from LISTE [--null]
        reelwright-cli [Optionen] --watch ORDNER
Konvertiert Videodateien und die Dateien direkt in Ordnern nacheinander mit
ffmpeg, wie es das Reelwright-Fenster täte. Ergebnisse ersetzen nie eine
vorhandene Datei.

  --preset &quot;KATEGORIE/NAME&quot;  eine Vorlage, mitgeliefert oder eigene (Standard:
                             die im Fenster gespeicherte Wahl)
  --extension ENDUNG         der Container, wenn die Vorlage mehrere anbietet
  --custom                   die im Fenster gespeicherten Felder des eigenen
                             Formats
  --output-folder ORDNER     Ergebnisse kommen nach ORDNER (wird bei Bedarf
                             angelegt, eine Ebene); Standard: der im Fenster
                             gespeicherte Ordner, derzeit
                             %1
  --same-folder              Ergebnisse kommen neben ihre Quelldateien
  --jobs N|auto              wie viele Dateien gleichzeitig konvertiert werden,
                             1 bis 8 (Standard: die Wahl im Fenster, anfangs
                             auto: bei kurzen Dateien eine mehr, als es Kerne
                             gibt, bei langen weniger)
  --skip-existing            eine Quelldatei, deren Ergebnis unter seinem
                             einfachen Namen schon vorhanden ist, gilt als
                             erledigt und wird nicht erneut konvertiert; eine,
                             die ein anderer Lauf gerade konvertiert, bleibt
                             diesem überlassen
  --files-from LISTE         zusätzlich die in LISTE genannten Dateien und
                             Ordner, ein Name pro Zeile (- für die
                             Standardeingabe)
  --null                     die Namen in LISTE enden mit NUL (find -print0)
  --dry-run                  zeigen, was aus jeder Quelldatei würde und wie ihr
                             Ergebnis hieße; nichts konvertieren oder schreiben
  --watch ORDNER             jedes in ORDNER erscheinende Video konvertieren,
                             sobald sich seine Größe nicht mehr ändert; läuft,
                             bis es angehalten wird
  --tracks all|first         alle Ton- und Untertitelspuren behalten, die der
                             Container aufnehmen kann, oder je eine pro Art
                             (Standard: die Wahl im Fenster, anfangs all)
  --verify                   jedes Ergebnis vollständig dekodieren, bevor es
                             seinen Namen erhält; bei einem Dekodierfehler
                             schlägt die Datei fehl
  --keep-dates               jedes Ergebnis erhält die Änderungszeit seiner
                             Quelldatei
  --loudness off|LUFS        den Ton jedes Ergebnisses auf diese Lautheit
                             bringen, -31 bis -5: -23 Rundfunk, -16 Web und
                             Podcasts, -14 Streaming; Spitzen höchstens -1 dBTP
                             (Standard: die Wahl im Fenster, anfangs off)
  --max-size GRÖSSE          jedes Ergebnis höchstens GRÖSSE (25M, 1.5G,
                             700MiB): die Datenrate des Bildes wird passend
                             berechnet; ein zu großes Ergebnis wird kleiner neu
                             kodiert oder schlägt fehl
  --smaller-to-fit           mit --max-size: ein Bild, das so nicht passt, wird
                             stufenweise verkleinert (1080p, 720p, 480p, 360p),
                             bis es passt
  --crop auto|none           schwarze Balken entfernen, wo der ganze Film sie
                             hat (Vorgabe: none)
  --no-sidecars              Untertiteldateien neben einem Video (film.en.srt)
                             kommen nicht in sein Ergebnis
  --estimate                 Größe und Dauer jedes Ergebnisses nennen, aus
                             einigen kodierten Sekunden; nichts umwandeln
  --json                     ein JSON-Objekt pro Zeile und pro Quelldatei, dann
                             ein Zusammenfassungsobjekt, statt der Zeilen für
                             Menschen
  --progress                 mit --json: ein Fortschrittsobjekt für jede
                             laufende Datei, höchstens einmal pro Sekunde
  --list-presets             eine Zeile pro Vorlage: KATEGORIE/NAME, ein
                             Tabulator, ihre Endungen (mit --json ein Objekt
                             pro Vorlage)
  -h, --help                 diese Hilfe anzeigen und beenden
  --version                  Versionsinformation anzeigen und beenden
  --                         alles Folgende sind Dateien, auch wenn sie mit -
                             beginnen

Der Wert einer Option folgt ihr (--output-folder out) oder wird mit = angehängt
(--output-folder=out). Zu jeder Datei sagt eine Zeile, was aus ihr wurde, und
eine Zusammenfassung beendet den Lauf.

Die Einstellungen des Fensters werden gelesen, nie geschrieben, aus
~/.config/Fennick Reelwright/HKEY_LOCAL_MACHINE.ini
(oder unter $XDG_CONFIG_HOME).
Was der Encoder zu jeder Datei ausgibt, wird aufbewahrt in
~/.local/state/Fennick Reelwright/logs/ (oder unter $XDG_STATE_HOME).

Exit-Status:
  0    jede angenommene Datei wurde konvertiert (oder war, mit --skip-existing,
       schon vorhanden oder wurde von einem anderen Lauf konvertiert)
  1    eine Datei schlug fehl, war nicht lesbar oder wurde angehalten, oder
       eine genannte Datei wurde abgelehnt, während andere angenommen wurden
  2    falscher Aufruf, oder keine Datei konnte angenommen werden: keine wurde
       angegeben oder gefunden, oder alle wurden abgelehnt
  129, 130, 143  beendet durch SIGHUP, Strg+C (SIGINT) oder SIGTERM: Der
       Encoder wird angehalten und seine unfertige Datei entfernt
  141  wer die Ausgabe las, ist nicht mehr da (eine geschlossene Pipe); ebenso
       sorgfältig beendet
</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>Unknown option %1. A file whose name begins with - goes after --.</source>
        <translation>Unbekannte Option %1. Eine Datei, deren Name mit - beginnt, gehört hinter --.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>An empty name was given where a file or folder was expected.</source>
        <translation>Ein leerer Name wurde angegeben, wo eine Datei oder ein Ordner erwartet wurde.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 needs a value.</source>
        <translation>%1 braucht einen Wert.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 takes no value.</source>
        <translation>%1 erwartet keinen Wert.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is given twice.</source>
        <translation>%1 ist doppelt angegeben.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>--jobs takes a number from 1 to %1, or auto.</source>
        <translation>--jobs erwartet eine Zahl von 1 bis %1 oder auto.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>--tracks takes all or first.</source>
        <translation>--tracks erwartet all oder first.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unknown option %1.</source>
        <translation>Unbekannte Option %1.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--preset and --custom cannot be used together.</source>
        <translation>--preset und --custom können nicht zusammen verwendet werden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--extension goes with --preset.</source>
        <translation>--extension setzt --preset voraus.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--same-folder and --output-folder cannot be used together.</source>
        <translation>--same-folder und --output-folder können nicht zusammen verwendet werden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--progress goes with --json.</source>
        <translation>--progress setzt --json voraus.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--null goes with --files-from.</source>
        <translation>--null setzt --files-from voraus.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--watch takes no other files or folders.</source>
        <translation>--watch erlaubt keine weiteren Dateien oder Ordner.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--watch and --dry-run cannot be used together.</source>
        <translation>--watch und --dry-run können nicht zusammen verwendet werden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No file or folder to convert was given.</source>
        <translation>Es wurde keine Datei und kein Ordner zum Konvertieren angegeben.</translation>
    </message>
    <message>
        <location filename="../src/cli/CliOptions.h" line="+46"/>
        <source>Try reelwright-cli --help.</source>
        <translation>Weitere Informationen mit reelwright-cli --help.</translation>
    </message>
    <message>
        <source>--crop takes auto or none.</source>
        <translation>--crop nimmt auto oder none.</translation>
    </message>
    <message>
        <source>--watch and --estimate cannot be used together.</source>
        <translation>--watch und --estimate können nicht zusammen verwendet werden.</translation>
    </message>
    <message>
        <source>%1 takes only a name that is valid UTF-8; rename the file or folder, or give a link to it whose name is.</source>
        <translation>%1 erwartet nur einen Namen in gültigem UTF-8; benennen Sie die Datei oder den Ordner um oder geben Sie einen Link darauf an, dessen Name gültig ist.</translation>
    </message>
    <message>
        <source>--loudness takes off, or a loudness in LUFS from %1 to %2 (such as -23, -16 or -14).</source>
        <extracomment>%1 and %2 are the lowest and highest loudness taken, such as -31 and -5.</extracomment>
        <translation>--loudness erwartet off oder eine Lautheit in LUFS von %1 bis %2 (etwa -23, -16 oder -14).</translation>
    </message>
    <message>
        <source>--max-size takes %1.</source>
        <extracomment>%1 names the accepted forms of a size.</extracomment>
        <translation>--max-size erwartet %1.</translation>
    </message>
</context>
<context>
    <name>reelwright::CliReport</name>
    <message>
        <location filename="../src/cli/CliReport.cpp" line="+93"/>
        <source>converting</source>
        <translation>wird konvertiert</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>refused: %1</source>
        <translation>abgelehnt: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>already converted -&gt; %1</source>
        <translation>schon konvertiert -&gt; %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>being converted elsewhere -&gt; %1</source>
        <translation>wird anderswo konvertiert -&gt; %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>would convert -&gt; %1</source>
        <translation>würde konvertiert -&gt; %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not converted: the run was stopped</source>
        <translation>nicht konvertiert: Lauf angehalten</translation>
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
        <translation>1 Datei</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 files</source>
        <translation>%1 Dateien</translation>
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
        <translation>%1 zu konvertieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 converted, %2 failed</source>
        <translation>%1 konvertiert, %2 fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 failed</source>
        <translation>%1 fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 unreadable</source>
        <translation>%1 nicht lesbar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 refused</source>
        <translation>%1 abgelehnt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 already converted</source>
        <translation>%1 schon konvertiert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 being converted elsewhere</source>
        <translation>%1 anderswo in Arbeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 stopped</source>
        <translation>%1 angehalten</translation>
    </message>
</context>
<context>
    <name>reelwright::CommandLineConverter</name>
    <message>
        <location filename="../src/cli/CommandLineConverter.cpp" line="+290"/>
        <source>no preset &quot;%1&quot;; --list-presets shows them all. The closest:</source>
        <translation>Vorlage &quot;%1&quot; nicht gefunden; --list-presets zeigt alle. Die ähnlichsten:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no preset &quot;%1&quot; (--preset takes &quot;CATEGORY/LABEL&quot;); --list-presets shows them all. The closest:</source>
        <translation>Vorlage &quot;%1&quot; nicht gefunden (--preset erwartet &quot;KATEGORIE/NAME&quot;); --list-presets zeigt alle. Die ähnlichsten:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the preset offers %1, not %2.</source>
        <translation>die Vorlage bietet %1, nicht %2.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the format cannot be used: %1</source>
        <translation>das Format ist nicht verwendbar: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no output format is chosen; give --preset or --custom.</source>
        <translation>kein Zielformat gewählt; --preset oder --custom angeben.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>the list %1 cannot be read: %2</source>
        <translation>die Liste %1 ist nicht lesbar: %2</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>the folder holds no files</source>
        <translation>der Ordner enthält keine Dateien</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>%1; a run beside this one may convert the same files</source>
        <translation>%1; ein gleichzeitiger Lauf konvertiert womöglich dieselben Dateien</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>beside each input</source>
        <translation>neben jeder Quelldatei</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>nothing to convert.</source>
        <translation>nichts zu konvertieren.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no such folder to watch</source>
        <translation>zu überwachender Ordner nicht gefunden</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the results would land in the watched folder %1; give --output-folder with another folder</source>
        <translation>die Ergebnisse landeten im überwachten Ordner %1; --output-folder mit einem anderen Ordner angeben</translation>
    </message>
    <message>
        <source>The format or the file&apos;s length cannot be had.</source>
        <translation>Das Format oder die Länge der Datei ist nicht zu ermitteln.</translation>
    </message>
    <message>
        <source>%1: the watched folder is back</source>
        <translation>%1: Der überwachte Ordner ist wieder da</translation>
    </message>
    <message>
        <source>%1; waiting for it to come back</source>
        <translation>%1; es wird gewartet, bis er wieder da ist</translation>
    </message>
    <message>
        <source>the result keeps this name: it could not take its input&apos;s: %1</source>
        <translation>das Ergebnis behält diesen Namen: Es konnte den seiner Quelldatei nicht erhalten: %1</translation>
    </message>
</context>
<context>
    <name>reelwright::CustomFormat</name>
    <message>
        <location filename="../src/formats/CustomFormat.cpp" line="+39"/>
        <source>The video bit rate &quot;%1&quot; is not a number.</source>
        <translation>Die Video-Bitrate „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The audio bit rate &quot;%1&quot; is not a number.</source>
        <translation>Die Audio-Bitrate „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>The video bit rate &quot;%1&quot; is not above 0.</source>
        <translation>Die Video-Bitrate „%1“ ist nicht größer als 0.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The audio bit rate &quot;%1&quot; is not above 0.</source>
        <translation>Die Audio-Bitrate „%1“ ist nicht größer als 0.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>The video bit rate &quot;%1&quot; is too large.</source>
        <translation>Die Video-Bitrate „%1“ ist zu groß.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The audio bit rate &quot;%1&quot; is too large.</source>
        <translation>Die Audio-Bitrate „%1“ ist zu groß.</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>The channel count &quot;%1&quot; is not above 0.</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>Die Kanalzahl „%1“ ist nicht größer als 0.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The video size &quot;%1&quot; is not one of the list.</source>
        <extracomment>%1 is a video size as given.</extracomment>
        <translation>Die Bildgröße „%1“ steht nicht in der Liste.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The frame rate &quot;%1&quot; is not above 0.</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>Die Bildrate „%1“ ist nicht größer als 0.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Copy (no re-encoding)</source>
        <extracomment>The choice of a codec list that copies the track as it is.</extracomment>
        <translation>Kopieren (ohne Neukodierung)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The video is copied as it is (Copy, no re-encoding): its bit rate, size, aspect and frame rate stay the source&apos;s.</source>
        <translation>Das Video wird unverändert kopiert (Kopieren, ohne Neukodierung): Bitrate, Bildgröße, Seitenverhältnis und Bildrate bleiben wie bei der Quelle.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The sound is copied as it is (Copy, no re-encoding): its sampling rate, bit rate and channels stay the source&apos;s.</source>
        <translation>Der Ton wird unverändert kopiert (Kopieren, ohne Neukodierung): Abtastrate, Bitrate und Kanäle bleiben wie bei der Quelle.</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Audio Bitrate</source>
        <translation>Audio-Bitrate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Video Bitrate</source>
        <translation>Video-Bitrate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frame Rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 Field in the custom Format must be a number greater than 0.</source>
        <extracomment>%1 is a field&apos;s name: Audio Bitrate, Channels, Video Bitrate or Frame Rate.</extracomment>
        <translation>Das Feld „%1“ im eigenen Format muss eine Zahl größer als 0 sein.</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>The %1 container cannot hold %2 video. Choose one of: %3.</source>
        <extracomment>%1 is a container, such as AVI; %2 a codec; %3 the codecs it holds.</extracomment>
        <translation>Der Container %1 kann kein %2-Video aufnehmen. Wählen Sie einen dieser Codecs: %3.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The %1 container cannot hold %2 sound. Choose one of: %3.</source>
        <extracomment>%1 is a container, such as AVI; %2 a codec; %3 the codecs it holds.</extracomment>
        <translation>Der Container %1 kann keinen %2-Ton aufnehmen. Wählen Sie einen dieser Codecs: %3.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Category:%1, Codec:&quot;%2&quot;, Container:&quot;%3&quot;</source>
        <extracomment>The chosen preset: %1 is its category, %2 its name, %3 its container.</extracomment>
        <translation>Kategorie: %1, Codec: „%2“, Container: „%3“</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Container:%1, Video Codec:&quot;%2&quot;, Audio Codec:&quot;%3&quot;</source>
        <extracomment>The custom format: %1 is its container, %2 and %3 its codecs.</extracomment>
        <translation>Container: %1, Videocodec: „%2“, Audiocodec: „%3“</translation>
    </message>
</context>
<context>
    <name>reelwright::DOSOutputs</name>
    <message>
        <location filename="../src/engine/DOSOutputs.cpp" line="+75"/>
        <source>Command Line is empty</source>
        <translation>Die Befehlszeile ist leer</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+20"/>
        <source>CreatePipe failed. Error: %1</source>
        <extracomment>%1 is the system&apos;s error number.</extracomment>
        <translation>CreatePipe fehlgeschlagen. Fehler: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File or command not found</source>
        <translation>Datei oder Befehl nicht gefunden</translation>
    </message>
</context>
<context>
    <name>reelwright::DecodeCheck</name>
    <message>
        <location filename="../src/engine/DecodeCheck.cpp" line="+107"/>
        <source>The encoder could not be started to check %1 by decoding it.</source>
        <extracomment>%1 is the converted file.</extracomment>
        <translation>Der Encoder konnte nicht gestartet werden, um %1 durch Dekodieren zu prüfen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 decodes only %2 of %3 seconds, so it was not kept.</source>
        <extracomment>%1 is the converted file; %2 and %3 are numbers of seconds.</extracomment>
        <translation>Von %1 lassen sich nur %2 von %3 Sekunden dekodieren; die Datei wurde daher nicht behalten.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 does not decode without errors, so it was not kept.</source>
        <extracomment>%1 is the converted file.</extracomment>
        <translation>%1 lässt sich nicht fehlerfrei dekodieren und wurde daher nicht behalten.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 does not decode without errors, so it was not kept: %2</source>
        <extracomment>%1 is the converted file, %2 the decoder&apos;s first complaint.</extracomment>
        <translation>%1 lässt sich nicht fehlerfrei dekodieren und wurde daher nicht behalten: %2</translation>
    </message>
</context>
<context>
    <name>reelwright::Desktop</name>
    <message>
        <location filename="../src/platform/Desktop.cpp" line="+41"/>
        <source>the file is missing.</source>
        <extracomment>Why a file or page could not be opened.</extracomment>
        <translation>Die Datei fehlt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the desktop has no program for it. Installing xdg-utils (sudo apt install xdg-utils) and a player or browser helps.</source>
        <extracomment>Why a file or page could not be opened.</extracomment>
        <translation>Die Arbeitsumgebung hat kein Programm dafür. Abhilfe schafft die Installation von xdg-utils (sudo apt install xdg-utils) und eines Players oder Browsers.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no program on this computer could open it. Install a player or browser, or choose one as the desktop&apos;s default for it.</source>
        <extracomment>Why a file or page could not be opened.</extracomment>
        <translation>Kein Programm auf diesem Computer konnte sie öffnen. Installieren Sie einen Player oder Browser oder legen Sie einen als Standard der Arbeitsumgebung dafür fest.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 could not be opened: %2</source>
        <extracomment>%1 is a file or web address, %2 why it could not be opened.</extracomment>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>reelwright::Dialogs</name>
    <message>
        <location filename="../src/platform/Dialogs.cpp" line="+61"/>
        <source>Save as Preset</source>
        <translation>Als Vorlage speichern</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preset name</source>
        <translation>Name der Vorlage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset name:</source>
        <translation>Name der Vorlage:</translation>
    </message>
</context>
<context>
    <name>reelwright::Encoder</name>
    <message>
        <location filename="../src/engine/Encoder.cpp" line="+33"/>
        <source>The encoder %1 cannot be run: it is not executable. Make it executable (chmod +x) or remove it to use the ffmpeg installed on the system.</source>
        <extracomment>%1 is the path of the ffmpeg beside the program.</extracomment>
        <translation>Der Encoder %1 kann nicht gestartet werden: Er ist nicht ausführbar. Machen Sie ihn ausführbar (chmod +x) oder entfernen Sie ihn, um das auf dem System installierte ffmpeg zu verwenden.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The encoder ffmpeg was not found. It was looked for in %1 and in the folders of PATH (%2). Install it with: sudo apt install ffmpeg</source>
        <extracomment>%1 is the program&apos;s folder, %2 the folders of PATH.</extracomment>
        <translation>Der Encoder ffmpeg wurde nicht gefunden. Gesucht wurde in %1 und in den Ordnern von PATH (%2). Installieren Sie ihn mit: sudo apt install ffmpeg</translation>
    </message>
</context>
<context>
    <name>reelwright::EncoderOutputView</name>
    <message>
        <location filename="../src/window/EncoderOutputView.cpp" line="+20"/>
        <source>Encoder Output - %1</source>
        <translation>Ausgabe des Encoders – %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Copy All</source>
        <translation>Alles kopieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>What the encoder said</source>
        <translation>Was der Encoder ausgab</translation>
    </message>
</context>
<context>
    <name>reelwright::FailureReason</name>
    <message>
        <location filename="../src/engine/FailureReason.cpp" line="+108"/>
        <source>%1 has no sound to convert.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>%1 enthält keinen Ton zum Konvertieren.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 has no picture to convert.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>%1 enthält kein Bild zum Konvertieren.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 has neither picture nor sound to convert.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>%1 enthält weder Bild noch Ton zum Konvertieren.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The chosen format keeps nothing of %1.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>Das gewählte Format übernimmt nichts aus %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nothing was converted: %1 holds no picture frames or sound samples the encoder could read. It may be empty or damaged.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>Es wurde nichts konvertiert: %1 enthält keine Einzelbilder oder Tonsamples, die der Encoder lesen konnte. Die Datei ist möglicherweise leer oder beschädigt.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The encoder cannot read %1: it is not a kind of media file it knows, or it is damaged.</source>
        <extracomment>%1 is a file&apos;s name.</extracomment>
        <translation>Der Encoder kann %1 nicht lesen: Die Datei ist keine ihm bekannte Art von Mediendatei oder sie ist beschädigt.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The encoder took more than %1 seconds to read %2, so it is taken as unreadable.</source>
        <extracomment>%1 is a number of seconds, %2 a file&apos;s name.</extracomment>
        <translation>Der Encoder brauchte mehr als %1 Sekunden, um %2 zu lesen; die Datei gilt daher als nicht lesbar.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The disk of %1 is full: %2 could not be written.</source>
        <extracomment>%1 is a folder, %2 the converted file&apos;s name.</extracomment>
        <translation>Der Datenträger von %1 ist voll: %2 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 grew larger than the disk of %2 allows for one file.</source>
        <extracomment>%1 is the converted file&apos;s name, %2 its folder.</extracomment>
        <translation>%1 wurde größer, als der Datenträger von %2 für eine einzelne Datei zulässt.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be written: permission denied.</source>
        <extracomment>%1 is the output folder.</extracomment>
        <translation>In %1 kann nicht geschrieben werden: Zugriff verweigert.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is on a disk that cannot be written to (read-only).</source>
        <extracomment>%1 is the output folder.</extracomment>
        <translation>%1 liegt auf einem Datenträger, auf den nicht geschrieben werden kann (schreibgeschützt).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The output folder %1 is not there any more.</source>
        <translation>Der Zielordner %1 ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not there any more: it was moved, renamed or deleted after it was added.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>%1 ist nicht mehr vorhanden: Die Datei wurde nach dem Hinzufügen verschoben, umbenannt oder gelöscht.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 cannot be read: permission denied.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>%1 kann nicht gelesen werden: Zugriff verweigert.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This ffmpeg has no encoder &quot;%1&quot;: choose another codec, or install an ffmpeg that has it.</source>
        <extracomment>%1 is the encoder&apos;s name for a codec, such as libx264.</extracomment>
        <translation>Dieses ffmpeg hat keinen Encoder „%1“: Wählen Sie einen anderen Codec oder installieren Sie ein ffmpeg, das ihn hat.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This ffmpeg has no encoder for the chosen format: choose another format, or install an ffmpeg that has it.</source>
        <translation>Dieses ffmpeg hat keinen Encoder für das gewählte Format: Wählen Sie ein anderes Format oder installieren Sie ein ffmpeg, das einen solchen Encoder hat.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This ffmpeg does not know the option -%1 of the chosen format.</source>
        <extracomment>%1 is an encoder option&apos;s name, shown after its dash.</extracomment>
        <translation>Dieses ffmpeg kennt die Option -%1 des gewählten Formats nicht.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The encoder refused the value &quot;%1&quot; of the option -%2 of the chosen format.</source>
        <extracomment>%1 is a value, %2 an encoder option&apos;s name, shown after its dash.</extracomment>
        <translation>Der Encoder hat den Wert „%1“ der Option -%2 des gewählten Formats abgelehnt.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The encoder refused the chosen format&apos;s settings for %1.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>Der Encoder hat die Einstellungen des gewählten Formats für %1 abgelehnt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The encoder refused the chosen format&apos;s settings for %1: %2</source>
        <extracomment>%1 is the name of the file being converted, %2 the encoder&apos;s own words.</extracomment>
        <translation>Der Encoder hat die Einstellungen des gewählten Formats für %1 abgelehnt: %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The chosen container cannot hold what the format puts in it.</source>
        <translation>Der gewählte Container kann nicht aufnehmen, was das Format in ihn schreibt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The chosen container cannot hold what the format puts in it: %1</source>
        <extracomment>%1 is the encoder&apos;s own words.</extracomment>
        <translation>Der gewählte Container kann nicht aufnehmen, was das Format in ihn schreibt: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The encoder was interrupted (signal %1) before it finished %2.</source>
        <extracomment>%1 is a signal&apos;s number, %2 the name of the file being converted.</extracomment>
        <translation>Der Encoder wurde unterbrochen (Signal %1), bevor er %2 fertigstellen konnte.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The encoder could not convert %1:<byte value="xd"/>
%2</source>
        <extracomment>%1 is the name of the file being converted; the encoder&apos;s own last lines follow on the next line (%2).</extracomment>
        <translation>Der Encoder konnte %1 nicht konvertieren:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The encoder stopped with exit code %1.</source>
        <translation>Der Encoder wurde mit dem Exit-Code %1 beendet.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The encoder crashed.</source>
        <translation>Der Encoder ist abgestürzt.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The encoder wrote nothing into %1.</source>
        <extracomment>%1 is the converted file&apos;s name.</extracomment>
        <translation>Der Encoder hat nichts in %1 geschrieben.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The input file ended early: only %1 of %2 seconds were converted. It may be truncated or damaged.</source>
        <extracomment>%1 and %2 are numbers of seconds.</extracomment>
        <translation>Die Quelldatei endete vorzeitig: Nur %1 von %2 Sekunden wurden konvertiert. Sie ist möglicherweise abgeschnitten oder beschädigt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The input file ended early. It may be truncated or damaged.</source>
        <translation>Die Quelldatei endete vorzeitig. Sie ist möglicherweise abgeschnitten oder beschädigt.</translation>
    </message>
    <message>
        <source>%1 was not read: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 what it is instead of a file (&quot;it is a named pipe, not a regular file&quot;).</extracomment>
        <translation>%1 wurde nicht gelesen: %2.</translation>
    </message>
</context>
<context>
    <name>reelwright::FileEstimate</name>
    <message>
        <source>about %1 s</source>
        <translation>etwa %1 s</translation>
    </message>
    <message>
        <source>about %1 min</source>
        <translation>etwa %1 min</translation>
    </message>
    <message>
        <source>about %1 h %2 min</source>
        <translation>etwa %1 h %2 min</translation>
    </message>
    <message>
        <source>About %1, %2 to convert</source>
        <translation>Etwa %1, %2 zum Umwandeln</translation>
    </message>
    <message>
        <source>About %1; %2</source>
        <translation>Etwa %1; %2</translation>
    </message>
    <message>
        <source>Its length is not known.</source>
        <translation>Seine Länge ist nicht bekannt.</translation>
    </message>
    <message>
        <source>A piece of it could not be encoded.</source>
        <translation>Ein Stück davon konnte nicht kodiert werden.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Angehalten.</translation>
    </message>
</context>
<context>
    <name>reelwright::FormatChoice</name>
    <message>
        <location filename="../src/formats/FormatChoice.cpp" line="+25"/>
        <source>Error Occured while Loading Presets.</source>
        <translation>Fehler beim Laden der Vorlagen.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The catalogue holds no video codec.</source>
        <translation>Der Katalog enthält keinen Videocodec.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The catalogue holds no audio codec.</source>
        <translation>Der Katalog enthält keinen Audiocodec.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Error Occured while Loading Codecs.</source>
        <translation>Fehler beim Laden der Codecs.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>There is no folder for your own presets.</source>
        <translation>Es gibt keinen Ordner für eigene Vorlagen.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; in &quot;%2&quot; (%3) is a preset that comes with the program; choose another name.</source>
        <translation>„%1“ in „%2“ (%3) ist eine mitgelieferte Vorlage; wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The custom format&apos;s options cannot be kept in a preset: %1</source>
        <translation>Die Optionen des eigenen Formats können nicht in einer Vorlage gespeichert werden: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The preset could not be saved in %1: %2</source>
        <translation>Die Vorlage konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The preset &quot;%1&quot; was replaced under &quot;%2&quot; with the presets, kept in %3.</source>
        <translation>Die Vorlage „%1“ wurde unter „%2“ bei den Vorlagen ersetzt; gespeichert in %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The preset &quot;%1&quot; is listed under &quot;%2&quot; with the presets, kept in %3.</source>
        <translation>Die Vorlage „%1“ steht unter „%2“ bei den Vorlagen; gespeichert in %3.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Only presets of your own can be removed.</source>
        <translation>Nur eigene Vorlagen können entfernt werden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The preset could not be removed from %1: %2</source>
        <translation>Die Vorlage konnte nicht aus %1 entfernt werden: %2</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>the video codec &quot;%1&quot;</source>
        <translation>der Videocodec „%1“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the audio codec &quot;%1&quot;</source>
        <translation>der Audiocodec „%1“</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the video codec at position %1</source>
        <translation>der Videocodec an Position %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the audio codec at position %1</source>
        <translation>der Audiocodec an Position %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A codec saved for the custom format is no longer in the codec list (%1), so none is chosen in its place: choose one in the format panel before converting with the custom format.</source>
        <translation>Ein für das eigene Format gespeicherter Codec ist nicht mehr in der Codecliste (%1), daher ist an seiner Stelle keiner gewählt: Wählen Sie im Formatbereich einen, bevor Sie mit dem eigenen Format konvertieren.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>No video codec is chosen in the custom format: choose one in the format panel.</source>
        <translation>Im eigenen Format ist kein Videocodec gewählt: Wählen Sie einen im Formatbereich.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No audio codec is chosen in the custom format: choose one in the format panel.</source>
        <translation>Im eigenen Format ist kein Audiocodec gewählt: Wählen Sie einen im Formatbereich.</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>The preset &quot;%1 / %2&quot; (%3) has a quote that is not closed in its params: %4</source>
        <translation>Die Vorlage „%1 / %2“ (%3) hat in ihren Parametern ein nicht geschlossenes Anführungszeichen: %4</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>A codec name of the custom format has a quote that is not closed: %1</source>
        <translation>Ein Codecname des eigenen Formats hat ein nicht geschlossenes Anführungszeichen: %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Channels Field in the custom Format can not be empty.</source>
        <translation>Das Feld „Kanäle“ im eigenen Format darf nicht leer sein.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Frame Rate Field in the custom Format can not be empty.</source>
        <translation>Das Feld „Bildrate“ im eigenen Format darf nicht leer sein.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Audio Bitrate Field in the custom Format can not be empty.</source>
        <translation>Das Feld „Audio-Bitrate“ im eigenen Format darf nicht leer sein.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Video Bitrate Field in the custom Format can not be empty.</source>
        <translation>Das Feld „Video-Bitrate“ im eigenen Format darf nicht leer sein.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>The %1 container holds video only: the sound is left out.</source>
        <translation>Der Container %1 nimmt nur Video auf: Der Ton wird weggelassen.</translation>
    </message>
    <message>
        <source>&quot;%1 / %2&quot; (%3)</source>
        <extracomment>A preset as the user is told of it: its category, its name and its container.</extracomment>
        <translation>„%1 / %2“ (%3)</translation>
    </message>
    <message>
        <source>The custom format&apos;s options cannot be used: %1</source>
        <translation>Die Optionen des eigenen Formats sind nicht verwendbar: %1</translation>
    </message>
    <message>
        <source>The preset &quot;%1 / %2&quot; (%3) cannot be used: %4</source>
        <translation>Die Vorlage „%1 / %2“ (%3) ist nicht verwendbar: %4</translation>
    </message>
    <message>
        <source>The preset %1 in %2 was left out.<byte value="xd"/>
It holds more than options for the file being converted: %3.</source>
        <extracomment>%1 is a preset, %2 the file it is in, %3 why it was left out.</extracomment>
        <translation>Die Vorlage %1 in %2 wurde weggelassen.<byte value="xd"/>
Sie enthält mehr als Optionen für die zu konvertierende Datei: %3.</translation>
    </message>
    <message>
        <source>These presets in %1 were left out, since they hold more than options for the file being converted:<byte value="xd"/>
%2</source>
        <extracomment>%1 is a file of presets, %2 the presets left out of it, one a line.</extracomment>
        <translation>Diese Vorlagen in %1 wurden weggelassen, da sie mehr als Optionen für die zu konvertierende Datei enthalten:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>reelwright::JobGrid</name>
    <message>
        <location filename="../src/joblist/JobGridAccessible.cpp" line="+42"/>
        <source>Ticked</source>
        <translation>Angehakt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not ticked</source>
        <translation>Nicht angehakt</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <location line="+169"/>
        <source>Tick</source>
        <translation>Haken</translation>
    </message>
</context>
<context>
    <name>reelwright::JobList</name>
    <message>
        <location filename="../src/joblist/JobList.cpp" line="+48"/>
        <source>its full name is too long for the system (%1 bytes; the most it takes is %2), so neither Reelwright nor the encoder can open it</source>
        <extracomment>Why a file is not added. %1 and %2 are numbers of bytes.</extracomment>
        <translation>ihr vollständiger Name ist für das System zu lang (%1 Byte; höchstens %2 sind möglich), daher können weder Reelwright noch der Encoder sie öffnen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>one of the names in its path is too long for the system (the most it takes is %1 bytes)</source>
        <extracomment>Why a file is not added. %1 is a number of bytes.</extracomment>
        <translation>einer der Namen in ihrem Pfad ist für das System zu lang (höchstens %1 Byte sind möglich)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>An error occured while Adding File<byte value="xd"/>%1:%2</source>
        <extracomment>%1 is an error number, %2 what went wrong.</extracomment>
        <translation>Beim Hinzufügen der Datei ist ein Fehler aufgetreten<byte value="xd"/>%1:%2</translation>
    </message>
    <message>
        <location line="+142"/>
        <source>it has no extension, so its kind cannot be told</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>sie hat keine Dateiendung, daher lässt sich ihre Art nicht erkennen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a video file (.%1)</source>
        <extracomment>Why a file is not added. %1 is its extension.</extracomment>
        <translation>keine Videodatei (.%1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>another add is running</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>ein anderer Hinzufügevorgang läuft gerade</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>already in the list</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>bereits in der Liste</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>its name is not valid UTF-8, so it cannot be passed on unchanged; rename the file to add it</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>ihr Name ist kein gültiges UTF-8 und kann daher nicht unverändert weitergegeben werden; benennen Sie die Datei um, um sie hinzuzufügen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>not found</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a regular file</source>
        <extracomment>Why a file is not added: it is a folder, a device or a pipe.</extracomment>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Bad file name: %1 (%2)</source>
        <extracomment>%1 is a path, %2 why it cannot be used.</extracomment>
        <translation>Ungültiger Dateiname: %1 (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File not found: %1 (%2)</source>
        <extracomment>%1 is a path, %2 why it cannot be used.</extracomment>
        <translation>Datei nicht gefunden: %1 (%2)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it cannot be read (permission denied)</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>sie kann nicht gelesen werden (Zugriff verweigert)</translation>
    </message>
    <message>
        <source>a sound file, with no picture: to convert it, choose one of the Audio Only presets</source>
        <extracomment>Why a file is not added. &quot;Audio Only&quot; is the category of presets in the format panel; keep it as the panel shows it.</extracomment>
        <translation>eine Audiodatei ohne Bild: Um sie zu konvertieren, wählen Sie eine der Vorlagen unter „Audio Only“</translation>
    </message>
    <message>
        <source>it has no sound, and the chosen format keeps sound only</source>
        <extracomment>Why a file is not added: the chosen format (an Audio Only preset) makes sound files.</extracomment>
        <translation>sie hat keinen Ton, und das gewählte Format behält nur Ton</translation>
    </message>
    <message>
        <source>it holds neither picture nor sound to convert</source>
        <extracomment>Why a file is not added: it can be read, but has no track a conversion can keep.</extracomment>
        <translation>sie enthält weder Bild noch Ton zum Konvertieren</translation>
    </message>
</context>
<context>
    <name>reelwright::JobListStore</name>
    <message>
        <location filename="../src/joblist/JobListStore.cpp" line="+188"/>
        <source>File Path</source>
        <translation>Dateipfad</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Conversion Status</source>
        <translation>Konvertierungsstatus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time Length</source>
        <translation>Spieldauer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File Size</source>
        <translation>Dateigröße</translation>
    </message>
</context>
<context>
    <name>reelwright::KeptListScanner</name>
    <message>
        <location filename="../src/batch/KeptListScanner.cpp" line="+44"/>
        <source>reading was abandoned</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>das Lesen wurde abgebrochen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it ends too early</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>sie endet vorzeitig</translation>
    </message>
    <message>
        <location line="+91"/>
        <location line="+6"/>
        <source>it is not a kept job list</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>sie ist keine aufbewahrte Dateiliste</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>a member has no name at byte %1</source>
        <extracomment>Why the kept job list cannot be read; %1 is a position in the file.</extracomment>
        <translation>ein Eintrag hat bei Byte %1 keinen Namen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a member has no value at byte %1</source>
        <extracomment>Why the kept job list cannot be read; %1 is a position in the file.</extracomment>
        <translation>ein Eintrag hat bei Byte %1 keinen Wert</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>the rows are not a list at byte %1</source>
        <extracomment>Why the kept job list cannot be read; %1 is a position in the file.</extracomment>
        <translation>die Zeilen sind bei Byte %1 keine Liste</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>a value cannot be read before byte %1</source>
        <extracomment>Why the kept job list cannot be read; %1 is a position in the file.</extracomment>
        <translation>ein Wert vor Byte %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>garbage at byte %1</source>
        <extracomment>Why the kept job list cannot be read; %1 is a position in the file.</extracomment>
        <translation>ungültige Daten bei Byte %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>garbage at the end</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>ungültige Daten am Ende</translation>
    </message>
</context>
<context>
    <name>reelwright::KeptQueue</name>
    <message>
        <location filename="../src/batch/KeptQueue.cpp" line="+295"/>
        <source>it is not a kept job list</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>sie ist keine aufbewahrte Dateiliste</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it was written by a newer Reelwright</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>sie wurde von einer neueren Version von Reelwright geschrieben</translation>
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
        <translation>sie ist größer als jede mögliche Dateiliste</translation>
    </message>
</context>
<context>
    <name>reelwright::MediaTracks</name>
    <message>
        <location filename="../src/engine/MediaTracks.cpp" line="+272"/>
        <source>out of memory</source>
        <extracomment>Why a file&apos;s tracks could not be read.</extracomment>
        <translation>nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+7"/>
        <source>it took too long to read</source>
        <extracomment>Why a file&apos;s tracks could not be read.</extracomment>
        <translation>das Lesen dauerte zu lange</translation>
    </message>
</context>
<context>
    <name>reelwright::Notifier</name>
    <message>
        <location filename="../src/platform/Notifier.cpp" line="+66"/>
        <source>... and %1 more</source>
        <extracomment>Ends a list cut short in a message: %1 is how many lines are not shown.</extracomment>
        <translation>… und %1 weitere</translation>
    </message>
</context>
<context>
    <name>reelwright::OutputNaming</name>
    <message>
        <location filename="../src/batch/OutputNaming.cpp" line="+106"/>
        <source>The output folder %1 does not exist and cannot be made: %2.</source>
        <extracomment>%1 is a folder, %2 why it cannot be made.</extracomment>
        <translation>Der Zielordner %1 existiert nicht und kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Every name for the converted file is taken in %1.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>In %1 sind alle Namen für die konvertierte Datei bereits vergeben.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Output Folder is not exist and can not be created.</source>
        <translation>Der Zielordner existiert nicht und kann nicht angelegt werden.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>its parent folder does not exist (only one missing level is made)</source>
        <extracomment>Why the output folder cannot be had.</extracomment>
        <translation>sein übergeordneter Ordner existiert nicht (nur eine fehlende Ebene wird angelegt)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>no folder is given</source>
        <extracomment>Why the output folder cannot be had.</extracomment>
        <translation>kein Ordner angegeben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is not a full path</source>
        <extracomment>Why the output folder cannot be had.</extracomment>
        <translation>er ist kein vollständiger Pfad</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a file of that name is in the way</source>
        <extracomment>Why the output folder cannot be had.</extracomment>
        <translation>eine gleichnamige Datei steht im Weg</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>it could not be made</source>
        <extracomment>Why the output folder cannot be had.</extracomment>
        <translation>er konnte nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+113"/>
        <source>No file can be written in %1: %2</source>
        <extracomment>%1 is a folder, %2 the system&apos;s reason.</extracomment>
        <translation>In %1 kann keine Datei geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>The converted file could not be named %1: %2.</source>
        <extracomment>%1 is a path, %2 the system&apos;s reason.</extracomment>
        <translation>Die konvertierte Datei konnte nicht den Namen %1 erhalten: %2.</translation>
    </message>
    <message>
        <source>The converted file was taken away from %1 by another program while it was written, so it was not kept.</source>
        <extracomment>%1 is a hidden file&apos;s path.</extracomment>
        <translation>Die konvertierte Datei wurde während des Schreibens von einem anderen Programm von %1 entfernt und daher nicht behalten.</translation>
    </message>
</context>
<context>
    <name>reelwright::OwnPresets</name>
    <message>
        <location filename="../src/formats/OwnPresets.cpp" line="+25"/>
        <source>Your own presets in %1 cannot be read (%2), so they are not listed; the file is left as it is.</source>
        <extracomment>%1 is the file of the user&apos;s own presets, %2 why it cannot be read.</extracomment>
        <translation>Ihre eigenen Vorlagen in %1 können nicht gelesen werden (%2) und werden daher nicht aufgeführt; die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>the folder %1 cannot be made</source>
        <extracomment>Why a preset cannot be saved: %1 is a folder.</extracomment>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Your own presets in %1 are damaged (%2). The file was set aside as %3; the presets that come with the program are listed.</source>
        <extracomment>%1 is the file of the user&apos;s own presets, %2 what is wrong in it, %3 the name it was given.</extracomment>
        <translation>Ihre eigenen Vorlagen in %1 sind beschädigt (%2). Die Datei wurde als %3 beiseitegelegt; die mitgelieferten Vorlagen werden aufgeführt.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your own presets in %1 are damaged (%2) and could not be set aside, so they are not listed.</source>
        <extracomment>%1 is the file of the user&apos;s own presets, %2 what is wrong in it.</extracomment>
        <translation>Ihre eigenen Vorlagen in %1 sind beschädigt (%2) und konnten nicht beiseitegelegt werden; sie werden daher nicht aufgeführt.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>category</source>
        <extracomment>A preset&apos;s field, named in &quot;The preset&apos;s %1 cannot be empty.&quot; and the like.</extracomment>
        <translation>Kategorie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>name</source>
        <extracomment>A preset&apos;s field, named in &quot;The preset&apos;s %1 cannot be empty.&quot; and the like.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>container</source>
        <extracomment>A preset&apos;s field, named in &quot;The preset&apos;s %1 cannot be empty.&quot; and the like.</extracomment>
        <translation>Container</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The preset&apos;s %1 cannot be empty.</source>
        <extracomment>%1 is a preset&apos;s field: category, name or container.</extracomment>
        <translation>Das Feld „%1“ der Vorlage darf nicht leer sein.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The preset&apos;s %1 cannot begin or end with a space.</source>
        <extracomment>%1 is a preset&apos;s field: category, name or container.</extracomment>
        <translation>Das Feld „%1“ der Vorlage darf nicht mit einem Leerzeichen beginnen oder enden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The preset&apos;s %1 can be at most 100 characters long.</source>
        <extracomment>%1 is a preset&apos;s field: category, name or container.</extracomment>
        <translation>Das Feld „%1“ der Vorlage darf höchstens 100 Zeichen lang sein.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The preset&apos;s %1 cannot hold &quot;&lt;&quot;, &quot;&gt;&quot; or a line break.</source>
        <extracomment>%1 is a preset&apos;s field: category, name or container.</extracomment>
        <translation>Das Feld „%1“ der Vorlage darf weder „&lt;“ noch „&gt;“ noch einen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The preset&apos;s category cannot hold &quot;/&quot;.</source>
        <translation>Die Kategorie der Vorlage darf kein „/“ enthalten.</translation>
    </message>
    <message>
        <source>it lists no presets: it begins with &lt;%1&gt;, not &lt;presets&gt;</source>
        <extracomment>%1 is the name of the first element of a file that should list presets.</extracomment>
        <translation>sie führt keine Vorlagen auf: Sie beginnt mit &lt;%1&gt;, nicht mit &lt;presets&gt;</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <extracomment>%1 and %2 are a line and a column of the file; %3 what the XML reader found there.</extracomment>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>the preset that ends on line %1 lacks its label, params, extension or category</source>
        <extracomment>%1 is a line number of the file of one&apos;s own presets.</extracomment>
        <translation>der Vorlage, die in Zeile %1 endet, fehlt Name, Parameter, Endung oder Kategorie</translation>
    </message>
</context>
<context>
    <name>reelwright::PassLogs</name>
    <message>
        <source>No folder for the first pass&apos;s log can be made as %1: %2</source>
        <translation>Für das Protokoll des ersten Durchgangs kann kein Ordner %1 angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>reelwright::PicturePlan</name>
    <message>
        <location filename="../src/batch/PicturePlan.cpp" line="+165"/>
        <source>Interlaced picture kept, top field first.</source>
        <translation>Interlaced-Bild beibehalten, oberes Halbbild zuerst.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Interlaced picture kept, bottom field first.</source>
        <translation>Interlaced-Bild beibehalten, unteres Halbbild zuerst.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Interlaced picture made progressive.</source>
        <translation>Interlaced-Bild in progressives Bild umgewandelt.</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>HDR kept: 10-bit, BT.2020 with %1.</source>
        <extracomment>%1 is the HDR transfer curve: PQ or HLG.</extracomment>
        <translation>HDR beibehalten: 10 Bit, BT.2020 mit %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>HDR kept: 10-bit, BT.2020 with %1, and its mastering display and light levels.</source>
        <extracomment>%1 is the HDR transfer curve: PQ or HLG.</extracomment>
        <translation>HDR beibehalten: 10 Bit, BT.2020 mit %1, samt Angaben zum Mastering-Display und zu den Helligkeitspegeln.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>HDR brought to standard range (BT.709).</source>
        <translation>HDR auf Standarddynamikumfang umgesetzt (BT.709).</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Full-range picture brought to standard range.</source>
        <translation>Bild mit vollem Wertebereich auf den Standardbereich umgesetzt.</translation>
    </message>
    <message>
        <source>Black bars removed: %1 of %2.</source>
        <translation>Schwarze Balken entfernt: %1 von %2.</translation>
    </message>
    <message>
        <source>Film frames put back together (%1 fps).</source>
        <extracomment>%1 is the film&apos;s rate of frames a second: 23.976 or 24.</extracomment>
        <translation>Filmbilder wieder zusammengesetzt (%1 fps).</translation>
    </message>
    <message>
        <source>Frames flagged interlaced are whole pictures: left as they are.</source>
        <translation>Als interlaced gekennzeichnete Bilder sind Vollbilder: unverändert belassen.</translation>
    </message>
    <message>
        <source>Interlaced parts made progressive; whole frames left as they are.</source>
        <translation>Interlaced-Teile in progressive Bilder umgewandelt; Vollbilder unverändert belassen.</translation>
    </message>
    <message>
        <source>Interlaced picture brought to %1 fields a second, top field first.</source>
        <extracomment>%1 is a count of fields a second: 50 or 59.94.</extracomment>
        <translation>Interlaced-Bild auf %1 Halbbilder pro Sekunde gebracht, oberes Halbbild zuerst.</translation>
    </message>
</context>
<context>
    <name>reelwright::ResultClaim</name>
    <message>
        <location filename="../src/batch/ResultClaim.cpp" line="+75"/>
        <source>the claim file cannot be made: %1</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>die Reservierungsdatei kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the folder keeps no locks: %1</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>der Ordner unterstützt keine Sperren: %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the claim file keeps changing</source>
        <translation>die Reservierungsdatei ändert sich ständig</translation>
    </message>
</context>
<context>
    <name>reelwright::RunLog</name>
    <message>
        <location filename="../src/batch/RunLog.cpp" line="+30"/>
        <source>%1 cannot be made</source>
        <extracomment>Why no log can be written: %1 is the logs&apos; folder.</extracomment>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>no file can be written in %1: %2</source>
        <extracomment>Why no log can be written: %1 is the logs&apos; folder, %2 the system&apos;s reason.</extracomment>
        <translation>in %1 kann keine Datei geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>%1 cannot be written: %2</source>
        <extracomment>Why a log is not whole: %1 is its file, %2 the system&apos;s reason.</extracomment>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>reelwright::SizeFitting</name>
    <message>
        <source>A copy keeps its picture as it is, so it cannot be made to fit a size: choose a format that encodes the picture.</source>
        <translation>Eine Kopie behält ihr Bild, wie es ist, und kann daher nicht auf eine Größe gebracht werden: Wählen Sie ein Format, das das Bild kodiert.</translation>
    </message>
    <message>
        <source>This format&apos;s picture (%1) keeps a quality of its own that no bit rate changes, so it cannot be made to fit a size: choose a format such as MP4 or WebM.</source>
        <translation>Das Bild dieses Formats (%1) hat eine eigene Qualität, die keine Datenrate ändert, und kann daher nicht auf eine Größe gebracht werden: Wählen Sie ein Format wie MP4 oder WebM.</translation>
    </message>
    <message>
        <source>Picture made smaller to fit: %1.</source>
        <translation>Bild verkleinert, damit es passt: %1.</translation>
    </message>
    <message>
        <source>The result reached %1, over the limit of %2, and at a lower rate its picture would not be worth watching; it was not kept.</source>
        <translation>Das Ergebnis erreichte %1, über der Grenze von %2, und mit einer geringeren Datenrate wäre sein Bild nicht sehenswert; es wurde nicht behalten.</translation>
    </message>
    <message>
        <source>The result reached %1, over the limit of %2, after %3 encodes; it was not kept.</source>
        <translation>Das Ergebnis erreichte %1, über der Grenze von %2, nach %3 Kodierungen; es wurde nicht behalten.</translation>
    </message>
    <message>
        <source>Made to fit %1: %2.</source>
        <translation>Auf %1 gebracht: %2.</translation>
    </message>
    <message>
        <source>Made to fit %1: %2, encoded %3 times.</source>
        <translation>Auf %1 gebracht: %2, %3-mal kodiert.</translation>
    </message>
    <message>
        <source>This file cannot be made to fit %1 in this format: even at its lowest quality its picture needs more. A larger limit, a smaller picture or another format would fit.</source>
        <translation>Diese Datei lässt sich in diesem Format nicht auf %1 bringen: Selbst in seiner niedrigsten Qualität braucht ihr Bild mehr. Eine größere Grenze, ein kleineres Bild oder ein anderes Format würde passen.</translation>
    </message>
</context>
<context>
    <name>reelwright::SizePlan</name>
    <message>
        <source>The file cannot fit in %1 and still be worth watching: at %3x%4 it needs at least %2. Choose a smaller picture, a shorter file or a larger limit.</source>
        <translation>Die Datei passt nicht in %1, ohne unansehnlich zu werden: bei %3x%4 braucht sie mindestens %2. Wählen Sie ein kleineres Bild, eine kürzere Datei oder eine größere Grenze.</translation>
    </message>
</context>
<context>
    <name>reelwright::Status</name>
    <message>
        <location filename="../src/joblist/StatusText.cpp" line="+9"/>
        <source>Waiting Conversion</source>
        <translation>Wartet auf Konvertierung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unkown Format</source>
        <translation>Unbekanntes Format</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Starting...</source>
        <translation>Wird gestartet …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown format</source>
        <translation>Unbekanntes Format</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Waiting Next Batch</source>
        <translation>Wartet auf nächsten Durchlauf</translation>
    </message>
</context>
<context>
    <name>reelwright::TimeLeft</name>
    <message>
        <location filename="../src/batch/TimeLeft.cpp" line="+209"/>
        <source>File %1 of %2</source>
        <extracomment>The batch&apos;s progress: the file converting now, of how many.</extracomment>
        <translation>Datei %1 von %2</translation>
    </message>
    <message numerus="yes">
        <source>%1% of %n files</source>
        <translation>
            <numerusform>%1 % von %n Datei</numerusform>
            <numerusform>%1 % von %n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1% of %n files, %2 left</source>
        <translation>
            <numerusform>%1 % von %n Datei, noch %2</numerusform>
            <numerusform>%1 % von %n Dateien, noch %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelwright::TrackPlan</name>
    <message>
        <location filename="../src/batch/TrackPlan.cpp" line="+143"/>
        <source>Its tracks could not be read (%1), so the encoder chose one of each kind.</source>
        <extracomment>%1 is why the file&apos;s tracks could not be read.</extracomment>
        <translation>Die Spuren der Datei konnten nicht gelesen werden (%1), daher hat der Encoder je eine Spur pro Art gewählt.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>one track of each kind is kept (Keep every audio and subtitle track is off)</source>
        <extracomment>Why a track was left out. The words in parentheses are a setting&apos;s name in the window.</extracomment>
        <translation>je eine Spur pro Art wird behalten („Alle Ton- und Untertitelspuren behalten“ ist ausgeschaltet)</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>%1 holds no picture</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 nimmt kein Bild auf</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds one picture track: the main one is kept</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 nimmt nur eine Bildspur auf: Die Hauptspur wird behalten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the chosen format keeps no picture</source>
        <extracomment>Why a track was left out.</extracomment>
        <translation>das gewählte Format behält kein Bild</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 holds no sound</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 nimmt keinen Ton auf</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds one sound track: the default one is kept</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 nimmt nur eine Tonspur auf: Die Standardspur wird behalten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the chosen format keeps no sound</source>
        <extracomment>Why a track was left out.</extracomment>
        <translation>das gewählte Format behält keinen Ton</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>the chosen format keeps no subtitles</source>
        <extracomment>Why a track was left out.</extracomment>
        <translation>das gewählte Format behält keine Untertitel</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot hold picture subtitles</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 kann keine grafischen Untertitel aufnehmen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot hold text subtitles</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 kann keine Textuntertitel aufnehmen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot hold subtitles</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 kann keine Untertitel aufnehmen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot hold subtitles of this kind</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 kann Untertitel dieser Art nicht aufnehmen</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 cannot hold fonts</source>
        <extracomment>Why a font was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 kann keine Schriften aufnehmen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot hold cover art</source>
        <extracomment>Why the cover art was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 kann kein Coverbild aufnehmen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its picture could not be read</source>
        <extracomment>Why the cover art was left out.</extracomment>
        <translation>sein Bild konnte nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The source has no picture: only its sound was kept.</source>
        <translation>Die Quelle hat kein Bild: Nur ihr Ton wurde behalten.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 cannot hold %2 video copied as it is, so nothing was written: choose a preset that encodes it, or a container that holds %2 (MKV holds any).</source>
        <extracomment>%1 is a kind of file, such as AVI; %2 a codec, such as HEVC.</extracomment>
        <translation>%1 kann unverändert kopiertes %2-Video nicht aufnehmen, daher wurde nichts geschrieben: Wählen Sie eine Vorlage, die es kodiert, oder einen Container, der %2 aufnehmen kann (MKV nimmt alles auf).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 cannot hold %2 sound copied as it is, so nothing was written: choose a preset that encodes it, or a container that holds %2 (MKV holds any).</source>
        <extracomment>%1 is a kind of file, such as AVI; %2 a codec, such as Opus.</extracomment>
        <translation>%1 kann unverändert kopierten %2-Ton nicht aufnehmen, daher wurde nichts geschrieben: Wählen Sie eine Vorlage, die ihn kodiert, oder einen Container, der %2 aufnehmen kann (MKV nimmt alles auf).</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 cannot hold %2 video as it is: it was encoded as %3.</source>
        <extracomment>%1 is a kind of file, such as MP4; %2 and %3 are codecs.</extracomment>
        <translation>%1 kann %2-Video nicht unverändert aufnehmen: Es wurde als %3 kodiert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot hold %2 sound as it is: it was encoded as %3.</source>
        <extracomment>%1 is a kind of file, such as MP4; %2 and %3 are codecs.</extracomment>
        <translation>%1 kann %2-Ton nicht unverändert aufnehmen: Er wurde als %3 kodiert.</translation>
    </message>
    <message>
        <source>%1 cannot hold %2 subtitles as they are: they were converted to %3.</source>
        <extracomment>%1 is a kind of file, such as MP4; %2 and %3 are subtitle formats, such as SRT.</extracomment>
        <translation>%1 kann %2-Untertitel nicht unverändert aufnehmen: Sie wurden in %3 umgewandelt.</translation>
    </message>
    <message>
        <location line="+156"/>
        <source>The converted file %1 cannot be read back (%2), so it was not kept.</source>
        <extracomment>%1 is the converted file, %2 why it cannot be read.</extracomment>
        <translation>Die konvertierte Datei %1 lässt sich nicht zurücklesen (%2) und wurde daher nicht behalten.</translation>
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
            <numerusform>%1 der %n Videospuren</numerusform>
            <numerusform>%1 der %n Videospuren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n audio tracks</source>
        <translation>
            <numerusform>%1 der %n Tonspuren</numerusform>
            <numerusform>%1 der %n Tonspuren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n subtitle tracks</source>
        <translation>
            <numerusform>%1 der %n Untertitelspuren</numerusform>
            <numerusform>%1 der %n Untertitelspuren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n cover pictures</source>
        <translation>
            <numerusform>%1 der %n Coverbilder</numerusform>
            <numerusform>%1 der %n Coverbilder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n fonts</source>
        <translation>
            <numerusform>%1 der %n Schriften</numerusform>
            <numerusform>%1 der %n Schriften</numerusform>
        </translation>
    </message>
    <message>
        <source>The converted file %1 lacks %2 it was to keep, so it was not kept.</source>
        <translation>In der konvertierten Datei %1 fehlt, was behalten werden sollte: %2; sie wurde daher nicht behalten.</translation>
    </message>
    <message>
        <source>the video track</source>
        <translation>die Videospur</translation>
    </message>
    <message>
        <source>the audio track</source>
        <translation>die Tonspur</translation>
    </message>
    <message>
        <source>the subtitle track</source>
        <translation>die Untertitelspur</translation>
    </message>
    <message>
        <source>the cover picture</source>
        <translation>das Coverbild</translation>
    </message>
    <message>
        <source>the font</source>
        <translation>die Schrift</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 holds DVD subtitles only, and these pictures cannot become them without being misplaced and recoloured</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MPEG (DVD).</extracomment>
        <translation>%1 nimmt nur DVD-Untertitel auf, und diese Bilder lassen sich nicht in solche umwandeln, ohne verschoben und umgefärbt zu werden</translation>
    </message>
    <message>
        <source>Subtitles beside the video joined it: %1.</source>
        <extracomment>%1 lists subtitle files beside the video, such as &quot;film.en.srt, film.de.srt&quot;.</extracomment>
        <translation>Untertitel neben dem Video wurden aufgenommen: %1.</translation>
    </message>
    <message>
        <source>The source was not read: %1, so nothing was converted.</source>
        <extracomment>%1 says what the source is instead of a file (&quot;it is a named pipe, not a regular file&quot;).</extracomment>
        <translation>Die Quelle wurde nicht gelesen: %1, daher wurde nichts konvertiert.</translation>
    </message>
    <message>
        <source>the file declares it but holds no picture in it</source>
        <extracomment>Why a track was left out: the file lists it, but no frame of it.</extracomment>
        <translation>die Datei gibt sie an, enthält aber kein Bild davon</translation>
    </message>
    <message>
        <source>the file declares it but holds no sound in it</source>
        <extracomment>Why a track was left out: the file lists it, but no sound of it.</extracomment>
        <translation>die Datei gibt sie an, enthält aber keinen Ton davon</translation>
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
        <translation>%1 und %2</translation>
    </message>
    <message numerus="yes">
        <source>%n fonts</source>
        <translation>
            <numerusform>%n Schrift</numerusform>
            <numerusform>%n Schriften</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video tracks</source>
        <translation>
            <numerusform>%n Videospur</numerusform>
            <numerusform>%n Videospuren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n audio tracks</source>
        <translation>
            <numerusform>%n Tonspur</numerusform>
            <numerusform>%n Tonspuren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle tracks</source>
        <translation>
            <numerusform>%n Untertitelspur</numerusform>
            <numerusform>%n Untertitelspuren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n picture subtitle tracks</source>
        <translation>
            <numerusform>%n grafische Untertitelspur</numerusform>
            <numerusform>%n grafische Untertitelspuren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n %1 tracks</source>
        <translation>
            <numerusform>%n Spur vom Typ %1</numerusform>
            <numerusform>%n Spuren vom Typ %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 video</source>
        <extracomment>How many tracks of a kind were kept; &quot;tracks&quot; follows after the list.</extracomment>
        <translation>%1× Video</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 audio</source>
        <extracomment>How many tracks of a kind were kept; &quot;tracks&quot; follows after the list.</extracomment>
        <translation>%1× Ton</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 subtitle</source>
        <extracomment>How many tracks of a kind were kept; &quot;tracks&quot; follows after the list.</extracomment>
        <translation>%1× Untertitel</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+42"/>
        <source>the cover art</source>
        <translation>das Coverbild</translation>
    </message>
    <message numerus="yes">
        <source>Kept %1 tracks.</source>
        <translation>
            <numerusform>Behaltene Spur: %1.</numerusform>
            <numerusform>Behaltene Spuren: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Kept %1 tracks, with %2.</source>
        <translation>
            <numerusform>Behaltene Spur: %1, dazu %2.</numerusform>
            <numerusform>Behaltene Spuren: %1, dazu %2.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kept %1.</source>
        <extracomment>%1 is the cover art or fonts kept.</extracomment>
        <translation>Behalten: %1.</translation>
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
        <translation>Weggelassen: %1.</translation>
    </message>
</context>
<context>
    <name>reelwright::UnendedProcesses</name>
    <message>
        <location filename="../src/engine/UnendedProcesses.cpp" line="+70"/>
        <source>Stopped, but the encoder (process %1) could not be stopped yet: it does not answer, as when a network folder it reads or writes no longer responds. It ends as soon as the system lets it, and its half-written file is removed then.</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>Angehalten, aber der Encoder (Prozess %1) konnte noch nicht beendet werden: Er reagiert nicht, etwa weil ein Netzwerkordner, aus dem er liest oder in den er schreibt, nicht mehr antwortet. Er endet, sobald das System es zulässt, und seine halb geschriebene Datei wird dann entfernt.</translation>
    </message>
</context>
<context>
    <name>reelwright::VideoFileAdder</name>
    <message>
        <location filename="../src/joblist/VideoFileAdder.cpp" line="+73"/>
        <source>Common Video Files (%1)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (%1)&quot; at the end, it holds the patterns.</extracomment>
        <translation>Gängige Videodateien (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MPEG Files(.mpg,*.mpeg,*.mp2,*.mp4,*.mpe,*.m4v) (%1)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (%1)&quot; at the end, it holds the patterns.</extracomment>
        <translation>MPEG-Dateien (.mpg,*.mpeg,*.mp2,*.mp4,*.mpe,*.m4v) (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Windows Media Files(*.wmv,*.asf) (%1)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (%1)&quot; at the end, it holds the patterns.</extracomment>
        <translation>Windows-Media-Dateien (*.wmv,*.asf) (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AVI Files(*.avi) (%1)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (%1)&quot; at the end, it holds the patterns.</extracomment>
        <translation>AVI-Dateien (*.avi) (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QuickTime Files-Ver2 or less(*.mov) (%1)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (%1)&quot; at the end, it holds the patterns.</extracomment>
        <translation>QuickTime-Dateien bis Version 2 (*.mov) (%1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All Files(*.*) (*)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (*)&quot; at the end, it is the pattern.</extracomment>
        <translation>Alle Dateien (*.*) (*)</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Selected Folder is empty.</source>
        <translation>Der gewählte Ordner ist leer.</translation>
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
        <translation>Einige Dateien werden nicht unterstützt oder sind bereits in der Liste und werden nicht hinzugefügt</translation>
    </message>
</context>
<context>
    <name>reelwright::WholeFile</name>
    <message>
        <location filename="../src/platform/WholeFile.cpp" line="+40"/>
        <source>the file written is not whole</source>
        <extracomment>Why a file could not be saved.</extracomment>
        <translation>die geschriebene Datei ist unvollständig</translation>
    </message>
</context>
<context>
    <name>reelwright::frmMain</name>
    <message>
        <source>[As Input]</source>
        <extracomment>The first item of the picture size and aspect lists: what the source has.</extracomment>
        <translation>[Wie die Quelle]</translation>
    </message>
    <message>
        <location filename="../src/window/frmMain.cpp" line="+98"/>
        <source>The list of files cannot be kept for the next start (%1). Converting goes on, but the list will be lost when Reelwright ends.</source>
        <translation>Die Dateiliste kann nicht für den nächsten Start aufbewahrt werden (%1). Die Konvertierung läuft weiter, aber die Liste geht verloren, wenn Reelwright endet.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The encoder&apos;s output cannot be kept in logs (%1). Converting goes on.</source>
        <translation>Die Ausgabe des Encoders kann nicht protokolliert werden (%1). Die Konvertierung läuft weiter.</translation>
    </message>
    <message>
        <location line="+87"/>
        <location filename="../src/window/frmMainShell.cpp" line="+63"/>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/frmMainShell.cpp" line="+26"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (F1)</source>
        <translation>%1 (F1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Three easy steps to convert your video files.</source>
        <translation>In drei einfachen Schritten Videodateien konvertieren.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  - Add Video Files/Folders</source>
        <translation>  - Videodateien/Ordner hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Video File...</source>
        <translation>Videodatei …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Folder...</source>
        <translation>Ordner …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>For Quick Adding:You can drag and drop video files into the below list</source>
        <translation>Schneller: Videodateien einfach in die Liste unten ziehen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select/Unselect All</source>
        <translation>Alle an/ab</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove Selected</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play Highlighted File</source>
        <translation>Markierte abspielen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>  - Select Output Folder and Format</source>
        <translation>  - Zielordner und Format wählen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output Folder:</source>
        <translation>Zielordner:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Same folder as input file</source>
        <translation>Ordner der Quelldatei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other folder</source>
        <translation>Anderer Ordner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Browse...</source>
        <translation>Wählen …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output Format:</source>
        <translation>Zielformat:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Change...</source>
        <translation>Ändern …</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>- Click Convert to start conversion</source>
        <translation>- Auf Konvertieren klicken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files at once:</source>
        <translation>Gleichzeitig:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Files at once</source>
        <translation>Dateien gleichzeitig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How many files convert at the same time. Auto converts several short files at once,
and long ones one at a time when their encoder already keeps every core busy.</source>
        <translation>Wie viele Dateien gleichzeitig konvertiert werden. Auto konvertiert mehrere kurze Dateien zugleich
und lange nacheinander, wenn ihr Encoder schon alle Kerne auslastet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/window/frmMainBatch.cpp" line="+28"/>
        <source>Convert Selected</source>
        <translation>Markierte konvertieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/frmMainBatch.cpp" line="-3"/>
        <location line="+110"/>
        <source>Convert All</source>
        <translation>Alle konvertieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shutdown after conversion complete</source>
        <translation>Danach herunterfahren</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Select folder to add</source>
        <translation>Hinzuzufügenden Ordner wählen</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Select one or more video files</source>
        <translation>Eine oder mehrere Videodateien wählen</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>Please Stop Conversion first.</source>
        <translation>Bitte zuerst die Konvertierung anhalten.</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainBatch.cpp" line="-95"/>
        <source>Select the output folder</source>
        <translation>Zielordner wählen</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The list is empty, Please add Video files from step 1</source>
        <translation>Die Liste ist leer. Bitte in Schritt 1 Videodateien hinzufügen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+32"/>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>No checked file is waiting for conversion. Tick the files to convert, or use Convert All.</source>
        <translation>Keine angehakte Datei wartet auf Konvertierung. Haken Sie die zu konvertierenden Dateien an oder nutzen Sie „Alle konvertieren“.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No file is waiting for conversion: every file in the list has been converted or cannot be read.</source>
        <translation>Keine Datei wartet auf Konvertierung: Jede Datei der Liste wurde konvertiert oder ist nicht lesbar.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> To try a file that failed again, right-click it and choose Convert Again.</source>
        <translation> Um eine fehlgeschlagene Datei erneut zu versuchen, klicken Sie sie mit rechts an und wählen „Erneut konvertieren“.</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainFormats.cpp" line="+96"/>
        <source>Output Video Formats</source>
        <translation>Zielformate</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Presets</source>
        <translation>Vorlagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom (Advanced)</source>
        <translation>Eigene (Experten)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Keep every audio and subtitle track</source>
        <translation>Alle Ton- und Untertitelspuren behalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every sound and subtitle track of a file goes into its result, as far as the format can
hold them; what it cannot hold is named on the file&apos;s row. Off: one of each kind.</source>
        <translation>Jede Ton- und Untertitelspur einer Datei kommt ins Ergebnis, soweit das Format sie
aufnehmen kann; was nicht geht, steht in der Zeile der Datei. Aus: je eine Spur pro Art.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep the original&apos;s date</source>
        <translation>Datum des Originals behalten</translation>
    </message>
    <message>
        <source>Largest result:</source>
        <translation>Größtes Ergebnis:</translation>
    </message>
    <message>
        <source>Largest result, in the unit beside it</source>
        <translation>Größtes Ergebnis, in der Einheit daneben</translation>
    </message>
    <message>
        <source>Unit of the largest result</source>
        <translation>Einheit des größten Ergebnisses</translation>
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
        <translation>Eine Kopie behält ihre Bilder, wie sie sind, und kann daher nicht auf eine Größe gebracht werden.</translation>
    </message>
    <message>
        <source>Each result is made to fit this size: the picture&apos;s bit rate is worked out
from it, and a result over it is encoded again smaller. A limit too small
for a watchable picture is refused before anything is written.</source>
        <translation>Jedes Ergebnis wird auf diese Größe gebracht: die Datenrate des Bildes wird
daraus berechnet, und ein größeres Ergebnis wird kleiner neu kodiert. Eine zu
kleine Grenze für ein sehenswertes Bild wird abgelehnt, bevor etwas geschrieben wird.</translation>
    </message>
    <message>
        <source>Remove black bars</source>
        <translation>Schwarze Balken entfernen</translation>
    </message>
    <message>
        <source>Make the picture smaller when needed</source>
        <translation>Bild bei Bedarf verkleinern</translation>
    </message>
    <message>
        <source>A picture too large for the size at a watchable quality is made smaller
(1080p, 720p, 480p, then 360p) until it fits, and the row says to what.</source>
        <translation>Ein Bild, das in sehenswerter Qualität zu groß für die Größe ist, wird verkleinert
(1080p, 720p, 480p, dann 360p), bis es passt, und die Zeile sagt, auf welche Größe.</translation>
    </message>
    <message>
        <source>This format keeps a quality of its own that no bit rate changes, so it
cannot be made to fit a size.</source>
        <translation>Dieses Format hat eine eigene Qualität, die keine Datenrate ändert, und kann
daher nicht auf eine Größe gebracht werden.</translation>
    </message>
    <message>
        <source>Black bars around the picture (a letterbox, a pillarbox) are cut off where
the whole file has them; a dark scene or a fade to black is never cut.</source>
        <translation>Schwarze Balken um das Bild (Letterbox, Pillarbox) werden abgeschnitten, wo
die ganze Datei sie hat; eine dunkle Szene oder eine Abblende wird nie beschnitten.</translation>
    </message>
    <message>
        <source>A copy keeps its pictures as they are, so their black bars stay.</source>
        <translation>Eine Kopie behält ihre Bilder, wie sie sind; ihre schwarzen Balken bleiben.</translation>
    </message>
    <message>
        <source>Even loudness:</source>
        <translation>Gleiche Lautheit:</translation>
    </message>
    <message>
        <source>Even loudness</source>
        <translation>Gleiche Lautheit</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Broadcast (-23 LUFS)</source>
        <translation>Rundfunk (-23 LUFS)</translation>
    </message>
    <message>
        <source>Web and podcasts (-16 LUFS)</source>
        <translation>Web und Podcasts (-16 LUFS)</translation>
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
        <translation>Der Ton jedes Ergebnisses wird gemessen und auf dieselbe Lautheit gebracht, damit keine
Datei viel lauter oder leiser spielt als die anderen; seine Spitzen bleiben unter -1 dBTP.
Das Messen fügt vor jeder Datei einen kurzen Durchgang hinzu. Bei einer Kopie wird der Ton
dafür kodiert.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each result takes the date and time its original was last changed.</source>
        <translation>Jedes Ergebnis erhält Datum und Uhrzeit der letzten Änderung seines Originals.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check results by decoding them</source>
        <translation>Ergebnisse durch Dekodieren prüfen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each result is played through once, as fast as the computer can, before it takes its
name; a result with a fault fails instead. Converting takes longer.</source>
        <translation>Jedes Ergebnis wird einmal so schnell wie möglich durchgespielt, bevor es seinen
Namen erhält; ein fehlerhaftes Ergebnis schlägt fehl. Die Konvertierung dauert länger.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;&amp; Close</source>
        <translation>Speichern &amp;&amp; schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restore Defaults</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Output Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+49"/>
        <source>Output Video Codec:</source>
        <translation>Videocodec:</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>Output File Format (Container):</source>
        <translation>Dateiformat (Container):</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Output Format(Container):</source>
        <translation>Format (Container):</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Output Audio Options</source>
        <translation>Ton</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Output Audio Codec:</source>
        <translation>Audiocodec:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sampling Rate:</source>
        <translation>Abtastrate:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+13"/>
        <source>Bitrate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Channels:</source>
        <translation>Kanäle:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Output Video Options</source>
        <translation>Video</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Video Size:</source>
        <translation>Bildgröße:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aspect Ratio:</source>
        <translation>Seitenverh.:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frame rate:</source>
        <translation>Bildrate:</translation>
    </message>
    <message>
        <location line="+149"/>
        <source>Error occured while getting paramters</source>
        <translation>Beim Ermitteln der Parameter ist ein Fehler aufgetreten</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainRuns.cpp" line="+27"/>
        <source>Switching Off</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Power Off Now</source>
        <translation>Jetzt ausschalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message numerus="yes">
        <source>The batch has ended. The computer will be switched off in %n seconds.</source>
        <translation>
            <numerusform>Der Durchlauf ist beendet. Der Computer wird in %n Sekunde ausgeschaltet.</numerusform>
            <numerusform>Der Durchlauf ist beendet. Der Computer wird in %n Sekunden ausgeschaltet.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Interrupted Batch</source>
        <translation>Unterbrochener Durchlauf</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The list of files kept from the last run could not be read (%1), so the list starts empty. It was kept as %2.</source>
        <translation>Die vom letzten Lauf aufbewahrte Dateiliste konnte nicht gelesen werden (%1), daher beginnt die Liste leer. Sie wurde als %2 aufbewahrt.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Another Reelwright window is open and keeps the list of files. The files of this window are not kept when it closes, and the other window&apos;s batch is not offered here.</source>
        <translation>Ein anderes Reelwright-Fenster ist geöffnet und verwaltet die Dateiliste. Die Dateien dieses Fensters werden beim Schließen nicht aufbewahrt, und der Durchlauf des anderen Fensters wird hier nicht angeboten.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows of the list kept from the last run could not be read and were left out. The list as it was is kept as %1.</source>
        <translation>
            <numerusform>Eine Zeile der vom letzten Lauf aufbewahrten Liste war nicht lesbar und wurde weggelassen. Die Liste, wie sie war, ist als %1 aufbewahrt.</numerusform>
            <numerusform>%n Zeilen der vom letzten Lauf aufbewahrten Liste waren nicht lesbar und wurden weggelassen. Die Liste, wie sie war, ist als %1 aufbewahrt.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>One file kept in the list is no longer there and was left out: %1</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Eine Datei der Liste ist nicht mehr vorhanden und wurde weggelassen: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n files kept in the list are no longer there and were left out.</source>
        <translation>
            <numerusform>%n Dateien der Liste sind nicht mehr vorhanden und wurden weggelassen.</numerusform>
            <numerusform>%n Dateien der Liste sind nicht mehr vorhanden und wurden weggelassen.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>beside each file</source>
        <translation>neben jeder Datei</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted before it ended: %n files are still to convert.

Resume converts them with the format and output folder the batch had:
%1</source>
        <translation>
            <numerusform>Der letzte Durchlauf wurde vor seinem Ende unterbrochen: %n Datei ist noch zu konvertieren.

„Fortsetzen“ konvertiert sie mit Format und Zielordner des Durchlaufs:
%1</numerusform>
            <numerusform>Der letzte Durchlauf wurde vor seinem Ende unterbrochen: %n Dateien sind noch zu konvertieren.

„Fortsetzen“ konvertiert sie mit Format und Zielordner des Durchlaufs:
%1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Show Encoder Output...</source>
        <translation>Ausgabe des Encoders …</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Convert Again</source>
        <translation>Erneut konvertieren</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear Finished</source>
        <translation>Fertige entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Takes the converted files out of the list</source>
        <translation>Nimmt die konvertierten Dateien aus der Liste</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted, %1 failed</source>
        <translation>
            <numerusform>%n Datei konvertiert, %1 fehlgeschlagen</numerusform>
            <numerusform>%n Dateien konvertiert, %1 fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, %1 stopped</source>
        <translation>, %1 angehalten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Conversion stopped</source>
        <translation>Konvertierung angehalten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Conversion finished</source>
        <translation>Konvertierung beendet</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Every file was converted.</source>
        <translation>Alle Dateien wurden konvertiert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>These files could not be converted:
</source>
        <translation>Diese Dateien konnten nicht konvertiert werden:
</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainSettings.cpp" line="+122"/>
        <source>Your choices (output folder and format) could not be saved, so the next start will not show them:</source>
        <translation>Ihre Einstellungen (Zielordner und Format) konnten nicht gespeichert werden; der nächste Start zeigt sie daher nicht:</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainShell.cpp" line="-15"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Converts a list of video files, one after another, into the format your computer, phone or player needs, with the FFmpeg encoder doing the work.</source>
        <translation>Konvertiert eine Liste von Videodateien nacheinander in das Format, das Ihr Computer, Telefon oder Player braucht; die Arbeit leistet der Encoder FFmpeg.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Made by</source>
        <translation>Von</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Converts with</source>
        <translation>Konvertiert mit</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Files to convert</source>
        <translation>Zu konvertierende Dateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Audio bitrate in kbps</source>
        <translation>Audio-Bitrate in kbit/s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Audio channels</source>
        <translation>Audiokanäle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Video bitrate in kbps</source>
        <translation>Video-Bitrate in kbit/s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frame rate in fps</source>
        <translation>Bildrate in Bildern/s</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainFormats.cpp" line="-258"/>
        <source>Save as Preset...</source>
        <translation>Als Vorlage …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keeps the custom format as a preset of your own, listed with the others. Your presets
live in your own folder, where installing or upgrading the program never touches them.</source>
        <translation>Speichert das eigene Format als eigene Vorlage, die mit den anderen aufgeführt wird. Ihre Vorlagen
liegen in Ihrem eigenen Ordner, den Installation oder Aktualisierung des Programms nie berühren.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Remove Preset</source>
        <translation>Vorlage entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Removes the chosen preset of your own.</source>
        <translation>Entfernt die gewählte eigene Vorlage.</translation>
    </message>
    <message>
        <source>Expected size and time of the batch</source>
        <translation>Erwartete Größe und Dauer des Stapels</translation>
    </message>
    <message>
        <source>Reelwright windows started later cannot hand their files to this one (%1). They open windows of their own.</source>
        <translation>Später gestartete Reelwright-Fenster können ihre Dateien nicht an dieses übergeben (%1). Sie öffnen eigene Fenster.</translation>
    </message>
    <message>
        <source>Remove your preset &quot;%1&quot; from &quot;%2&quot;? This cannot be undone.</source>
        <extracomment>%1 is a preset&apos;s name, %2 its category.</extracomment>
        <translation>Ihre Vorlage „%1“ aus „%2“ entfernen? Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
</context>
<context>
    <name>reelwright::FileSize</name>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 Bytes</translation>
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
        <translation>%1: ein Link, der aus %2 hinausführt, nach %3</translation>
    </message>
</context>
<context>
    <name>reelwright::EvenSizeNote</name>
    <message>
        <source>The picture was made %1 from %2: the encoder takes even sizes only.</source>
        <extracomment>%1 and %2 are picture sizes in pixels, such as 720x404 and 721x405.</extracomment>
        <translation>Das Bild wurde von %2 auf %1 gebracht: Der Encoder nimmt nur gerade Abmessungen an.</translation>
    </message>
</context>
<context>
    <name>reelwright::FileConversion</name>
    <message>
        <source>The file changed while it was converted; its result is not kept.</source>
        <translation>Die Datei hat sich während der Konvertierung geändert; ihr Ergebnis wird nicht behalten.</translation>
    </message>
</context>
<context>
    <name>reelwright::FilterGraphCheck</name>
    <message>
        <source>the filter &quot;%1&quot; is not one this program knows, so it cannot tell that it opens no file</source>
        <extracomment>Why a preset is refused: %1 is the name of a filter.</extracomment>
        <translation>der Filter „%1“ ist diesem Programm nicht bekannt, daher kann es nicht feststellen, dass er keine Datei öffnet</translation>
    </message>
    <message>
        <source>the filter &quot;%1&quot; must be given its options by name (name=value)</source>
        <extracomment>Why a preset is refused: %1 is a filter such as drawtext.</extracomment>
        <translation>dem Filter „%1“ müssen seine Optionen mit Namen übergeben werden (name=value)</translation>
    </message>
    <message>
        <source>the filter &quot;%1&quot; opens files, libraries or sockets by name</source>
        <extracomment>Why a preset is refused: %1 is the name of a filter, such as movie.</extracomment>
        <translation>der Filter „%1“ öffnet Dateien, Bibliotheken oder Sockets über ihren Namen</translation>
    </message>
    <message>
        <source>the filter &quot;%1&quot; would read its option &quot;%2&quot; from a file</source>
        <extracomment>Why a preset is refused: %1 is a filter, %2 one of its options.</extracomment>
        <translation>der Filter „%1“ würde seine Option „%2“ aus einer Datei lesen</translation>
    </message>
    <message>
        <source>the filter graph &quot;%1&quot; cannot be read</source>
        <extracomment>Why a preset is refused: %1 is one of its filter graphs.</extracomment>
        <translation>der Filtergraph „%1“ ist nicht lesbar</translation>
    </message>
    <message>
        <source>the filter label &quot;[%1]&quot; takes tracks from another input than the one being converted</source>
        <extracomment>Why a preset is refused: %1 is a label of a filter graph, such as &quot;1:v&quot;.</extracomment>
        <translation>der Filterbezeichner „[%1]“ nimmt Spuren aus einer anderen Quelle als der zu konvertierenden</translation>
    </message>
    <message>
        <source>the option &quot;%2&quot; of the filter &quot;%1&quot; names a file</source>
        <extracomment>Why a preset is refused: %1 is a filter, %2 one of its options.</extracomment>
        <translation>die Option „%2“ des Filters „%1“ nennt eine Datei</translation>
    </message>
</context>
<context>
    <name>reelwright::FixedFrame</name>
    <message>
        <source>Picture fitted into %1 with black bars, shown at %2.</source>
        <extracomment>%1 is the frame&apos;s size (&quot;720x576&quot;), %2 its shape (&quot;16:9&quot;).</extracomment>
        <translation>Bild mit schwarzen Balken in %1 eingepasst, dargestellt in %2.</translation>
    </message>
</context>
<context>
    <name>reelwright::LoudnessLook</name>
    <message>
        <source>The sound could not be measured to even its loudness.</source>
        <extracomment>Said when the sound could not be measured before evening its loudness.</extracomment>
        <translation>Der Ton konnte zum Angleichen der Lautheit nicht gemessen werden.</translation>
    </message>
    <message>
        <source>The sound could not be measured to even its loudness: %1</source>
        <translation>Der Ton konnte zum Angleichen der Lautheit nicht gemessen werden: %1</translation>
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
        <translation>%1 nimmt keinen Ton auf, den dieses Programm kodieren kann, daher blieb die Lautheit unverändert.</translation>
    </message>
    <message>
        <source>Loudness %1 → %2, through a limiter: one gain would have taken its peaks above %3 dBTP.</source>
        <extracomment>%1 and %2 are loudnesses; %3 the true-peak limit, such as -1.</extracomment>
        <translation>Lautheit %1 → %2, über einen Limiter: Eine gleichmäßige Verstärkung hätte die Spitzen über %3 dBTP gehoben.</translation>
    </message>
    <message>
        <source>Loudness %1 → %2.</source>
        <extracomment>%1 and %2 are loudnesses: &quot;-31.2 LUFS → -16.0 LUFS&quot;.</extracomment>
        <translation>Lautheit %1 → %2.</translation>
    </message>
    <message>
        <source>Picture copied, sound encoded to even its loudness (%1).</source>
        <extracomment>%1 is an audio codec, such as AAC.</extracomment>
        <translation>Bild kopiert, Ton zum Angleichen der Lautheit kodiert (%1).</translation>
    </message>
    <message>
        <source>Sound track %1: %2</source>
        <extracomment>%1 is a sound track&apos;s number; %2 what was done to it, such as &quot;loudness -31.2 LUFS → -16.0 LUFS.&quot;</extracomment>
        <translation>Tonspur %1: %2</translation>
    </message>
    <message>
        <source>The format filters its sound itself, so its loudness was left as it is.</source>
        <translation>Das Format filtert seinen Ton selbst, daher blieb die Lautheit unverändert.</translation>
    </message>
    <message>
        <source>The sound is silent or nearly so: its loudness was left as it is.</source>
        <translation>Der Ton ist still oder fast still: Seine Lautheit blieb unverändert.</translation>
    </message>
    <message>
        <source>The sound was encoded to even its loudness (%1).</source>
        <extracomment>%1 is an audio codec, such as AAC.</extracomment>
        <translation>Der Ton wurde zum Angleichen der Lautheit kodiert (%1).</translation>
    </message>
    <message>
        <source>The sound&apos;s loudness could not be measured: it was left as it is.</source>
        <translation>Die Lautheit des Tons konnte nicht gemessen werden: Sie blieb unverändert.</translation>
    </message>
    <message>
        <source>about %1</source>
        <extracomment>A loudness that was not measured: &quot;about -16.0 LUFS&quot;.</extracomment>
        <translation>etwa %1</translation>
    </message>
    <message>
        <source>its loudness could not be measured: it was left as it is.</source>
        <translation>Ihre Lautheit konnte nicht gemessen werden: Sie blieb unverändert.</translation>
    </message>
    <message>
        <source>loudness %1 → %2, through a limiter: one gain would have taken its peaks above %3 dBTP.</source>
        <extracomment>%1 and %2 are loudnesses; %3 the true-peak limit, such as -1.</extracomment>
        <translation>Lautheit %1 → %2, über einen Limiter: Eine gleichmäßige Verstärkung hätte die Spitzen über %3 dBTP gehoben.</translation>
    </message>
    <message>
        <source>loudness %1 → %2.</source>
        <extracomment>%1 and %2 are loudnesses: &quot;-31.2 LUFS → -16.0 LUFS&quot;.</extracomment>
        <translation>Lautheit %1 → %2.</translation>
    </message>
    <message>
        <source>silent or nearly so: its loudness was left as it is.</source>
        <translation>still oder fast still: Ihre Lautheit blieb unverändert.</translation>
    </message>
</context>
<context>
    <name>reelwright::OwnFolder</name>
    <message>
        <source>%1 belongs to another user (uid %2)</source>
        <translation>%1 gehört einem anderen Benutzer (uid %2)</translation>
    </message>
    <message>
        <source>%1 cannot be looked at: %2</source>
        <translation>%1 kann nicht geprüft werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 has mode %2, not 0700: other users could reach into it</source>
        <translation>%1 hat den Modus %2, nicht 0700: Andere Benutzer könnten darauf zugreifen</translation>
    </message>
    <message>
        <source>%1 is a link, not a folder</source>
        <translation>%1 ist ein Link, kein Ordner</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
</context>
<context>
    <name>reelwright::PresetParams</name>
    <message>
        <source>&quot;%1 %2&quot; takes tracks from another input than the one being converted</source>
        <extracomment>Why a preset is refused: %1 %2 is an option and its value, such as -map 1:v.</extracomment>
        <translation>„%1 %2“ nimmt Spuren aus einer anderen Quelle als der zu konvertierenden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; decides whether existing files are written over, which the program decides itself</source>
        <extracomment>Why a preset is refused: %1 is -y or -n.</extracomment>
        <translation>„%1“ legt fest, ob vorhandene Dateien überschrieben werden, was das Programm selbst entscheidet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option or an option&apos;s value: the encoder would write a second output file there</source>
        <extracomment>Why a preset is refused: %1 is a word of its params.</extracomment>
        <translation>„%1“ ist weder eine Option noch der Wert einer Option: Der Encoder würde dorthin eine zweite Ausgabedatei schreiben</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option the encoder takes</source>
        <extracomment>Why a preset is refused: %1 is a word of its params.</extracomment>
        <translation>„%1“ ist keine Option, die der Encoder annimmt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; makes the encoder print information and stop instead of converting</source>
        <extracomment>Why a preset is refused: %1 is an option such as -version.</extracomment>
        <translation>„%1“ lässt den Encoder Informationen ausgeben und enden, statt zu konvertieren</translation>
    </message>
    <message>
        <source>&quot;%1&quot; makes the encoder read or write a file other than the one it converts</source>
        <extracomment>Why a preset is refused: %1 is an option such as -progress.</extracomment>
        <translation>„%1“ lässt den Encoder eine andere Datei lesen oder schreiben als die, die er konvertiert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value, and none follows it</source>
        <extracomment>Why a preset is refused: %1 is an option such as -c:v.</extracomment>
        <translation>„%1“ braucht einen Wert, aber keiner folgt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would add another input</source>
        <extracomment>Why a preset is refused: %1 is -i.</extracomment>
        <translation>„%1“ würde eine weitere Quelle hinzufügen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would read its value from a file</source>
        <extracomment>Why a preset is refused: %1 is an option such as -/vf.</extracomment>
        <translation>„%1“ würde seinen Wert aus einer Datei lesen</translation>
    </message>
    <message>
        <source>a quote is not closed</source>
        <extracomment>Why a preset is refused.</extracomment>
        <translation>ein Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; of &quot;%2&quot; names a file</source>
        <extracomment>Why a preset is refused: %1 is a setting such as stats, %2 an option such as -x264-params.</extracomment>
        <translation>die Einstellung „%1“ von „%2“ nennt eine Datei</translation>
    </message>
    <message>
        <source>the value of &quot;%1&quot; names a file: &quot;%2&quot;</source>
        <extracomment>Why a preset is refused: %1 is an option such as -attach, %2 its value.</extracomment>
        <translation>der Wert von „%1“ nennt eine Datei: „%2“</translation>
    </message>
</context>
<context>
    <name>reelwright::RunningWindow</name>
    <message>
        <source>%1 cannot be listened on: %2</source>
        <translation>An %1 lassen sich keine Verbindungen annehmen: %2</translation>
    </message>
    <message>
        <source>The files are not handed to the Reelwright window open, and this window opens on its own: %1.</source>
        <translation>Die Dateien werden nicht an das geöffnete Reelwright-Fenster übergeben, und dieses Fenster öffnet sich eigenständig: %1.</translation>
    </message>
    <message>
        <source>The files are not handed to the window at %1: it belongs to another user. This window opens on its own.</source>
        <translation>Die Dateien werden nicht an das Fenster unter %1 übergeben: Es gehört einem anderen Benutzer. Dieses Fenster öffnet sich eigenständig.</translation>
    </message>
    <message>
        <source>Too many files to hand to the Reelwright window open; this window opens on its own.</source>
        <translation>Zu viele Dateien für die Übergabe an das geöffnete Reelwright-Fenster; dieses Fenster öffnet sich eigenständig.</translation>
    </message>
</context>
<context>
    <name>reelwright::SafeFile</name>
    <message>
        <source>it is a device, not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>es ist ein Gerät, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a folder, not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>es ist ein Ordner, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a link, not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>es ist ein Link, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>es ist eine benannte Pipe, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>es ist ein Socket, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>es ist keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>reelwright::SizeLimit</name>
    <message>
        <source>a size such as 25M, 25MB, 1.5G or 700MiB (K, M and G count by thousands, KiB, MiB and GiB by 1024), of 100K or more</source>
        <translation>eine Größe wie 25M, 25MB, 1.5G oder 700MiB (K, M und G rechnen mit 1000, KiB, MiB und GiB mit 1024), von mindestens 100K</translation>
    </message>
</context>
<context>
    <name>reelwright::SoundLayout</name>
    <message>
        <source>%1 cannot hold %2.</source>
        <extracomment>%1 is an audio codec (&quot;AAC&quot;), %2 a channel layout (&quot;6.1&quot;).</extracomment>
        <translation>%1 kann kein %2 aufnehmen.</translation>
    </message>
    <message>
        <source>%1 sound mixed down to %2: %3</source>
        <extracomment>%1 and %2 are channel layouts (&quot;5.1&quot;, &quot;stereo&quot;); %3 says why.</extracomment>
        <translation>%1-Ton auf %2 heruntergemischt: %3</translation>
    </message>
    <message>
        <source>the format is %1.</source>
        <translation>Das Format ist %1.</translation>
    </message>
    <message>
        <source>the format keeps %1 channels.</source>
        <translation>Das Format behält %1 Kanäle.</translation>
    </message>
</context>
<context>
    <name>reelwright::TrackMarks</name>
    <message>
        <source>%1 keeps no commentary marks: %2 no longer marked so.</source>
        <translation>%1 behält keine Markierung „Kommentar“: %2 nicht mehr so markiert.</translation>
    </message>
    <message>
        <source>%1 keeps no forced marks: %2 no longer marked so.</source>
        <translation>%1 behält keine Markierung „erzwungen“: %2 nicht mehr so markiert.</translation>
    </message>
    <message>
        <source>%1 keeps no languages: %2 left out.</source>
        <translation>%1 behält keine Sprachangaben: %2 weggelassen.</translation>
    </message>
    <message>
        <source>%1 keeps no track titles: %2 left out.</source>
        <translation>%1 behält keine Spurtitel: %2 weggelassen.</translation>
    </message>
</context>
<context>
    <name>reelwright::WatchedFolder</name>
    <message>
        <source>not a folder, so it cannot be watched</source>
        <translation>kein Ordner, daher nicht überwachbar</translation>
    </message>
    <message>
        <source>not taken: a link, which a watched folder never follows</source>
        <extracomment>Why a watched folder&apos;s entry is not converted.</extracomment>
        <translation>nicht angenommen: ein Link, dem ein überwachter Ordner nie folgt</translation>
    </message>
    <message>
        <source>not taken: not a regular file (a pipe, a device or a socket)</source>
        <translation>nicht angenommen: keine reguläre Datei (eine Pipe, ein Gerät oder ein Socket)</translation>
    </message>
    <message>
        <source>the folder to watch cannot be read: %1</source>
        <translation>der zu überwachende Ordner ist nicht lesbar: %1</translation>
    </message>
</context>
</TS>
