<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>reelwright::BoxQueue</name>
    <message numerus="yes">
        <source>%n more came meanwhile; all of them are under Show Details.</source>
        <translation><numerusform>%n weitere kamen inzwischen hinzu; alle stehen unter „Details einblenden“.</numerusform><numerusform>%n weitere kamen inzwischen hinzu; alle stehen unter „Details einblenden“.</numerusform></translation>
    </message>
</context>
<context>
    <name>reelwright::Dialogs</name>
    <message>
        <source>Save as Preset</source>
        <translation>Als Vorlage speichern</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>Name der Vorlage</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Preset name:</source>
        <translation>Name der Vorlage:</translation>
    </message>
</context>
<context>
    <name>reelwright::EncoderOutputView</name>
    <message>
        <source>Encoder Output - %1</source>
        <translation>Ausgabe des Encoders – %1</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Alles kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>What the encoder said</source>
        <translation>Was der Encoder ausgab</translation>
    </message>
</context>
<context>
    <name>reelwright::JobGrid</name>
    <message>
        <source>Ticked</source>
        <translation>Angehakt</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>Nicht angehakt</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Haken</translation>
    </message>
</context>
<context>
    <name>reelwright::JobListStore</name>
    <message>
        <source>File Path</source>
        <translation>Dateipfad</translation>
    </message>
    <message>
        <source>Conversion Status</source>
        <translation>Konvertierungsstatus</translation>
    </message>
    <message>
        <source>Time Length</source>
        <translation>Spieldauer</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Dateigröße</translation>
    </message>
</context>
<context>
    <name>reelwright::Status</name>
    <message>
        <source>Waiting Conversion</source>
        <translation>Wartet auf Konvertierung</translation>
    </message>
    <message>
        <source>Unkown Format</source>
        <translation>Unbekanntes Format</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Wird gestartet …</translation>
    </message>
    <message>
        <source>Unknown format</source>
        <translation>Unbekanntes Format</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Waiting Next Batch</source>
        <translation>Wartet auf nächsten Durchlauf</translation>
    </message>
</context>
<context>
    <name>reelwright::frmMain</name>
    <message>
        <source>The list of files cannot be kept for the next start (%1). Converting goes on, but the list will be lost when Reelwright ends.</source>
        <translation>Die Dateiliste kann nicht für den nächsten Start aufbewahrt werden (%1). Die Konvertierung läuft weiter, aber die Liste geht verloren, wenn Reelwright endet.</translation>
    </message>
    <message>
        <source>The encoder's output cannot be kept in logs (%1). Converting goes on.</source>
        <translation>Die Ausgabe des Encoders kann nicht protokolliert werden (%1). Die Konvertierung läuft weiter.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 (F1)</source>
        <translation>%1 (F1)</translation>
    </message>
    <message>
        <source>Three easy steps to convert your video files.</source>
        <translation>In drei einfachen Schritten Videodateien konvertieren.</translation>
    </message>
    <message>
        <source>  - Add Video Files/Folders</source>
        <translation>  - Videodateien/Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Add Video File...</source>
        <translation>Videodatei …</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Ordner …</translation>
    </message>
    <message>
        <source>For Quick Adding:You can drag and drop video files into the below list</source>
        <translation>Schneller: Videodateien einfach in die Liste unten ziehen</translation>
    </message>
    <message>
        <source>Select/Unselect All</source>
        <translation>Alle an/ab</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Play Highlighted File</source>
        <translation>Markierte abspielen</translation>
    </message>
    <message>
        <source>  - Select Output Folder and Format</source>
        <translation>  - Zielordner und Format wählen</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>Zielordner:</translation>
    </message>
    <message>
        <source>Same folder as input file</source>
        <translation>Ordner der Quelldatei</translation>
    </message>
    <message>
        <source>Other folder</source>
        <translation>Anderer Ordner</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Wählen …</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Zielformat:</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Ändern …</translation>
    </message>
    <message>
        <source>- Click Convert to start conversion</source>
        <translation>- Auf Konvertieren klicken</translation>
    </message>
    <message>
        <source>Files at once:</source>
        <translation>Gleichzeitig:</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Files at once</source>
        <translation>Dateien gleichzeitig</translation>
    </message>
    <message>
        <source>How many files convert at the same time. Auto converts several short files at once,
and long ones one at a time when their encoder already keeps every core busy.</source>
        <translation>Wie viele Dateien gleichzeitig konvertiert werden. Auto konvertiert mehrere kurze Dateien zugleich
und lange nacheinander, wenn ihr Encoder schon alle Kerne auslastet.</translation>
    </message>
    <message>
        <source>Convert Selected</source>
        <translation>Markierte konvertieren</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Alle konvertieren</translation>
    </message>
    <message>
        <source>Shutdown after conversion complete</source>
        <translation>Danach herunterfahren</translation>
    </message>
    <message>
        <source>Select folder to add</source>
        <translation>Hinzuzufügenden Ordner wählen</translation>
    </message>
    <message>
        <source>Select one or more video files</source>
        <translation>Eine oder mehrere Videodateien wählen</translation>
    </message>
    <message>
        <source>Please Stop Conversion first.</source>
        <translation>Bitte zuerst die Konvertierung anhalten.</translation>
    </message>
    <message>
        <source>Select the output folder</source>
        <translation>Zielordner wählen</translation>
    </message>
    <message>
        <source>The list is empty, Please add Video files from step 1</source>
        <translation>Die Liste ist leer. Bitte in Schritt 1 Videodateien hinzufügen.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>No checked file is waiting for conversion. Tick the files to convert, or use Convert All.</source>
        <translation>Keine angehakte Datei wartet auf Konvertierung. Haken Sie die zu konvertierenden Dateien an oder nutzen Sie „Alle konvertieren“.</translation>
    </message>
    <message>
        <source>No file is waiting for conversion: every file in the list has been converted or cannot be read.</source>
        <translation>Keine Datei wartet auf Konvertierung: Jede Datei der Liste wurde konvertiert oder ist nicht lesbar.</translation>
    </message>
    <message>
        <source> To try a file that failed again, right-click it and choose Convert Again.</source>
        <translation> Um eine fehlgeschlagene Datei erneut zu versuchen, klicken Sie sie mit rechts an und wählen „Erneut konvertieren“.</translation>
    </message>
    <message>
        <source>Output Video Formats</source>
        <translation>Zielformate</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Vorlagen</translation>
    </message>
    <message>
        <source>Custom (Advanced)</source>
        <translation>Eigene (Experten)</translation>
    </message>
    <message>
        <source>Keep every audio and subtitle track</source>
        <translation>Alle Ton- und Untertitelspuren behalten</translation>
    </message>
    <message>
        <source>Every sound and subtitle track of a file goes into its result, as far as the format can
hold them; what it cannot hold is named on the file's row. Off: one of each kind.</source>
        <translation>Jede Ton- und Untertitelspur einer Datei kommt ins Ergebnis, soweit das Format sie
aufnehmen kann; was nicht geht, steht in der Zeile der Datei. Aus: je eine Spur pro Art.</translation>
    </message>
    <message>
        <source>Keep the original's date</source>
        <translation>Datum des Originals behalten</translation>
    </message>
    <message>
        <source>Each result takes the date and time its original was last changed.</source>
        <translation>Jedes Ergebnis erhält Datum und Uhrzeit der letzten Änderung seines Originals.</translation>
    </message>
    <message>
        <source>Check results by decoding them</source>
        <translation>Ergebnisse durch Dekodieren prüfen</translation>
    </message>
    <message>
        <source>Each result is played through once, as fast as the computer can, before it takes its
name; a result with a fault fails instead. Converting takes longer.</source>
        <translation>Jedes Ergebnis wird einmal so schnell wie möglich durchgespielt, bevor es seinen
Namen erhält; ein fehlerhaftes Ergebnis schlägt fehl. Die Konvertierung dauert länger.</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>Speichern &amp;&amp; schließen</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>Output Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Output Video Codec:</source>
        <translation>Videocodec:</translation>
    </message>
    <message>
        <source>Output File Format (Container):</source>
        <translation>Dateiformat (Container):</translation>
    </message>
    <message>
        <source>Output Format(Container):</source>
        <translation>Format (Container):</translation>
    </message>
    <message>
        <source>Output Audio Options</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Output Audio Codec:</source>
        <translation>Audiocodec:</translation>
    </message>
    <message>
        <source>Sampling Rate:</source>
        <translation>Abtastrate:</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Kanäle:</translation>
    </message>
    <message>
        <source>Output Video Options</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Bildgröße:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Seitenverh.:</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>Bildrate:</translation>
    </message>
    <message>
        <source>Error occured while getting paramters</source>
        <translation>Beim Ermitteln der Parameter ist ein Fehler aufgetreten</translation>
    </message>
    <message>
        <source>Switching Off</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>Power Off Now</source>
        <translation>Jetzt ausschalten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The batch has ended. The computer will be switched off in 1 second.</source>
        <translation>Der Durchlauf ist beendet. Der Computer wird in 1 Sekunde ausgeschaltet.</translation>
    </message>
    <message>
        <source>The batch has ended. The computer will be switched off in %1 seconds.</source>
        <translation>Der Durchlauf ist beendet. Der Computer wird in %1 Sekunden ausgeschaltet.</translation>
    </message>
    <message>
        <source>Interrupted Batch</source>
        <translation>Unterbrochener Durchlauf</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>The list of files kept from the last run could not be read (%1), so the list starts empty. It was kept as %2.</source>
        <translation>Die vom letzten Lauf aufbewahrte Dateiliste konnte nicht gelesen werden (%1), daher beginnt die Liste leer. Sie wurde als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>Another Reelwright window is open and keeps the list of files. The files of this window are not kept when it closes, and the other window's batch is not offered here.</source>
        <translation>Ein anderes Reelwright-Fenster ist geöffnet und verwaltet die Dateiliste. Die Dateien dieses Fensters werden beim Schließen nicht aufbewahrt, und der Durchlauf des anderen Fensters wird hier nicht angeboten.</translation>
    </message>
    <message>
        <source>One row of the list kept from the last run could not be read and was left out. The list as it was is kept as %1.</source>
        <translation>Eine Zeile der vom letzten Lauf aufbewahrten Liste war nicht lesbar und wurde weggelassen. Die Liste, wie sie war, ist als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>%1 rows of the list kept from the last run could not be read and were left out. The list as it was is kept as %2.</source>
        <translation>%1 Zeilen der vom letzten Lauf aufbewahrten Liste waren nicht lesbar und wurden weggelassen. Die Liste, wie sie war, ist als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>One file kept in the list is no longer there and was left out.</source>
        <translation>Eine Datei der Liste ist nicht mehr vorhanden und wurde weggelassen.</translation>
    </message>
    <message>
        <source>%1 files kept in the list are no longer there and were left out.</source>
        <translation>%1 Dateien der Liste sind nicht mehr vorhanden und wurden weggelassen.</translation>
    </message>
    <message>
        <source>beside each file</source>
        <translation>neben jeder Datei</translation>
    </message>
    <message>
        <source>The last batch was interrupted before it ended: 1 file is still to convert.

Resume converts it with the format and output folder the batch had:
%1</source>
        <translation>Der letzte Durchlauf wurde vor seinem Ende unterbrochen: 1 Datei ist noch zu konvertieren.

„Fortsetzen“ konvertiert sie mit Format und Zielordner des Durchlaufs:
%1</translation>
    </message>
    <message>
        <source>The last batch was interrupted before it ended: %1 files are still to convert.

Resume converts them with the format and output folder the batch had:
%2</source>
        <translation>Der letzte Durchlauf wurde vor seinem Ende unterbrochen: %1 Dateien sind noch zu konvertieren.

„Fortsetzen“ konvertiert sie mit Format und Zielordner des Durchlaufs:
%2</translation>
    </message>
    <message>
        <source>Show Encoder Output...</source>
        <translation>Ausgabe des Encoders …</translation>
    </message>
    <message>
        <source>Convert Again</source>
        <translation>Erneut konvertieren</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Fertige entfernen</translation>
    </message>
    <message>
        <source>Takes the converted files out of the list</source>
        <translation>Nimmt die konvertierten Dateien aus der Liste</translation>
    </message>
    <message>
        <source>1 file converted, %1 failed</source>
        <translation>1 Datei konvertiert, %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 files converted, %2 failed</source>
        <translation>%1 Dateien konvertiert, %2 fehlgeschlagen</translation>
    </message>
    <message>
        <source>, %1 stopped</source>
        <translation>, %1 angehalten</translation>
    </message>
    <message>
        <source>Conversion stopped</source>
        <translation>Konvertierung angehalten</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Konvertierung beendet</translation>
    </message>
    <message>
        <source>Every file was converted.</source>
        <translation>Alle Dateien wurden konvertiert.</translation>
    </message>
    <message>
        <source>These files could not be converted:
</source>
        <translation>Diese Dateien konnten nicht konvertiert werden:
</translation>
    </message>
    <message>
        <source>Your choices (output folder and format) could not be saved, so the next start will not show them:</source>
        <translation>Ihre Einstellungen (Zielordner und Format) konnten nicht gespeichert werden; der nächste Start zeigt sie daher nicht:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Converts a list of video files, one after another, into the format your computer, phone or player needs, with the FFmpeg encoder doing the work.</source>
        <translation>Konvertiert eine Liste von Videodateien nacheinander in das Format, das Ihr Computer, Telefon oder Player braucht; die Arbeit leistet der Encoder FFmpeg.</translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Converts with</source>
        <translation>Konvertiert mit</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Zu konvertierende Dateien</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Audio bitrate in kbps</source>
        <translation>Audio-Bitrate in kbit/s</translation>
    </message>
    <message>
        <source>Audio channels</source>
        <translation>Audiokanäle</translation>
    </message>
    <message>
        <source>Video bitrate in kbps</source>
        <translation>Video-Bitrate in kbit/s</translation>
    </message>
    <message>
        <source>Frame rate in fps</source>
        <translation>Bildrate in Bildern/s</translation>
    </message>
    <message>
        <source>Save as Preset...</source>
        <translation>Als Vorlage …</translation>
    </message>
    <message>
        <source>Keeps the custom format as a preset of your own, listed with the others. Your presets
live in your own folder, where installing or upgrading the program never touches them.</source>
        <translation>Speichert das eigene Format als eigene Vorlage, die mit den anderen aufgeführt wird. Ihre Vorlagen
liegen in Ihrem eigenen Ordner, den Installation oder Aktualisierung des Programms nie berühren.</translation>
    </message>
    <message>
        <source>Remove Preset</source>
        <translation>Vorlage entfernen</translation>
    </message>
    <message>
        <source>Removes the chosen preset of your own.</source>
        <translation>Entfernt die gewählte eigene Vorlage.</translation>
    </message>
</context>
</TS>