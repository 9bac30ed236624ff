<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>reelwright::BatchDriver</name>
    <message>
        <location filename="../src/batch/BatchDriver.cpp" line="+50"/>
        <source>Error converting file: %1<byte value="xd"/>
%2</source>
        <extracomment>%1 is the file&apos;s name; %2, on the next line, why it failed.</extracomment>
        <translation>Erreur lors de la conversion du fichier : %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+302"/>
        <source>Added while a batch of chosen files converts: the next batch converts it.</source>
        <translation>Ajouté pendant la conversion d’un lot de fichiers choisis : le prochain lot le convertira.</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>The play length &quot;%1&quot; cannot be read.</source>
        <extracomment>%1 is a play length as the list shows it.</extracomment>
        <translation>La durée « %1 » ne peut pas être lue.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error occured while getting paramters<byte value="xd"/>
%1</source>
        <extracomment>%1, on the next line, is what is wrong with the format.</extracomment>
        <translation>Une erreur est survenue lors de la lecture des paramètres<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <location line="+227"/>
        <source>Checking the result by decoding it</source>
        <translation>Vérification du résultat par décodage</translation>
    </message>
    <message>
        <source>Measuring the sound&apos;s loudness</source>
        <translation>Mesure de la sonie du son</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The folder %1 does not keep file locks (%2). Converting into it goes on, but another copy of Reelwright cannot tell whether the hidden file being written there is still being written, so it never removes it: should a copy be ended while it converts into this folder, remove the hidden .reelwright-nolock-... file it leaves by hand, once no copy is converting there.</source>
        <extracomment>%1 is a folder, %2 the system&apos;s reason. Keep the file name .reelwright-nolock-...</extracomment>
        <translation>Le dossier %1 ne prend pas en charge les verrous de fichiers (%2). La conversion dans ce dossier continue, mais une autre instance de Reelwright ne peut pas savoir si le fichier caché qui y est écrit est encore en cours d’écriture ; elle ne le supprime donc jamais. Si une instance est arrêtée pendant qu’elle convertit dans ce dossier, supprimez à la main le fichier caché .reelwright-nolock-... qu’elle laisse, une fois qu’aucune instance n’y convertit plus.</translation>
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
        <translation>%1 restant pour ce fichier</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 left for the batch</source>
        <extracomment>%1 is a time, such as 1:20.</extracomment>
        <translation>%1 restant pour le lot</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 for the batch</source>
        <extracomment>Follows &quot;1:20 left for this file, &quot;: %1 is a time, such as 12:40.</extracomment>
        <translation>%1 pour le lot</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1x real time</source>
        <extracomment>%1 is how many times faster than playing the file converts, such as 2.5.</extracomment>
        <translation>%1 fois le temps réel</translation>
    </message>
</context>
<context>
    <name>reelwright::BoxQueue</name>
    <message numerus="yes">
        <location filename="../src/platform/BoxQueue.cpp" line="+67"/>
        <source>%n more came meanwhile; all of them are under Show Details.</source>
        <translation>
            <numerusform>%n autre(s) message(s) entre-temps ; tous sont sous « Afficher les détails ».</numerusform>
            <numerusform>%n autre(s) message(s) entre-temps ; tous sont sous « Afficher les détails ».</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelwright::CRegister</name>
    <message>
        <location filename="../src/settings/CRegister.cpp" line="+91"/>
        <source>%1 is read-only</source>
        <extracomment>Why the settings cannot be saved: %1 is their file.</extracomment>
        <translation>%1 est en lecture seule</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1: %2</source>
        <extracomment>Why the settings cannot be saved: %1 is their file, %2 the system&apos;s reason.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <location line="+202"/>
        <source>the registry refused the values</source>
        <translation>le registre a refusé les valeurs</translation>
    </message>
</context>
<context>
    <name>reelwright::CVideoConv</name>
    <message>
        <location filename="../src/engine/CVideoConv.cpp" line="+115"/>
        <source>The encoder options have a quote that is not closed: %1</source>
        <extracomment>%1 is the encoder options as given.</extracomment>
        <translation>Les options de l’encodeur contiennent un guillemet non fermé : %1</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Error converting file: %1<byte value="xd"/>
%2</source>
        <extracomment>%1 is the file&apos;s name; %2, on the next line, why it failed.</extracomment>
        <translation>Erreur lors de la conversion du fichier : %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Error Occured:<byte value="xd"/>
%1</source>
        <extracomment>%1 is a technical description of the fault, for a bug report.</extracomment>
        <translation>Une erreur est survenue :<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>reelwright::CatalogueScanner</name>
    <message>
        <location filename="../src/formats/CatalogueScanner.cpp" line="+20"/>
        <source>File not found: %1</source>
        <extracomment>%1 is a catalogue&apos;s path.</extracomment>
        <translation>Fichier introuvable : %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2</source>
        <extracomment>%1 is why a catalogue cannot be read, %2 its path.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file is empty: %1</source>
        <extracomment>%1 is a catalogue&apos;s path.</extracomment>
        <translation>Le fichier est vide : %1</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>a field line has no tag: &quot;%1&quot;</source>
        <extracomment>What is wrong in a catalogue: %1 is one of its lines.</extracomment>
        <translation>une ligne de champ n’a pas de balise : « %1 »</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the &lt;%1&gt; field has no closing tag: &quot;%2&quot;</source>
        <extracomment>What is wrong in a catalogue: %1 is a field&apos;s tag, %2 its line.</extracomment>
        <translation>le champ &lt;%1&gt; n’a pas de balise fermante : « %2 »</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The file has %1 lines; at most %2 are read.</source>
        <extracomment>%1 is a catalogue&apos;s number of lines, %2 the most that are read.</extracomment>
        <translation>Le fichier compte %1 lignes ; %2 au plus sont lues.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>line %1: an entry needs %2 field lines</source>
        <extracomment>What is wrong in a catalogue: %1 is a line number, %2 how many lines an entry has.</extracomment>
        <translation>ligne %1 : une entrée demande %2 lignes de champ</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>line %1: %2</source>
        <extracomment>Where a catalogue is wrong: %1 is a line number, %2 what is wrong there.</extracomment>
        <translation>ligne %1 : %2</translation>
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
        <translation>Utilisation : reelwright-cli [options] [--] FICHIER|DOSSIER...
              reelwright-cli [options] --files-from LISTE [--null]
              reelwright-cli [options] --watch DOSSIER
Convertit les fichiers vidéo, ainsi que les fichiers placés directement dans les
dossiers, l’un après l’autre avec ffmpeg, comme le ferait la fenêtre de
Reelwright. Les résultats ne remplacent jamais un fichier existant.

  --preset &quot;CATÉGORIE/NOM&quot;   un préréglage, fourni ou personnel (par défaut : le
                             choix enregistré par la fenêtre)
  --extension EXT            le conteneur, quand le préréglage en propose
                             plusieurs
  --custom                   les champs personnalisés enregistrés par la fenêtre
  --output-folder DOSSIER    les résultats vont dans DOSSIER (créé s’il manque,
                             sur un seul niveau) ; par défaut : le dossier
                             enregistré par la fenêtre, actuellement
                             %1
  --same-folder              les résultats vont à côté de leurs sources
  --jobs N|auto              nombre de fichiers convertis à la fois, de 1 à 8
                             (par défaut : le choix de la fenêtre, au départ
                             auto : un de plus que le nombre de cœurs pour les
                             fichiers courts, moins pour les longs)
  --skip-existing            une source dont le résultat existe déjà sous son
                             nom simple compte comme traitée et n’est pas
                             reconvertie ; une source qu’une autre exécution
                             est en train de convertir lui est laissée
  --files-from LISTE         ajouter aussi les fichiers et dossiers nommés dans
                             LISTE, un par ligne (- pour l’entrée standard)
  --null                     les noms dans LISTE se terminent par NUL
                             (find -print0)
  --dry-run                  indiquer ce que deviendrait chaque source et le
                             nom de son résultat ; ne rien convertir ni écrire
  --watch DOSSIER            convertir chaque vidéo qui apparaît dans DOSSIER
                             une fois que sa taille ne change plus, jusqu’à ce
                             qu’on l’arrête
  --tracks all|first         garder toutes les pistes audio et de sous-titres
                             que le conteneur peut contenir, ou une de chaque
                             sorte (par défaut : le choix de la fenêtre, au
                             départ all)
  --verify                   décoder chaque résultat en entier avant qu’il ne
                             prenne son nom ; une erreur de décodage fait
                             échouer le fichier
  --keep-dates               chaque résultat prend la date de modification de
                             sa source
  --loudness off|LUFS        amener le son de chaque résultat à cette sonie,
                             de -31 à -5 : -23 radiodiffusion, -16 web et
                             podcasts, -14 streaming ; crêtes vraies au plus
                             -1 dBTP (par défaut : le choix de la fenêtre, au
                             départ off)
  --max-size TAILLE          chaque résultat fait au plus TAILLE (25M, 1.5G,
                             700MiB) : le débit de l’image est calculé pour
                             tenir ; un résultat plus gros est réencodé plus
                             petit, ou échoue
  --smaller-to-fit           avec --max-size : une image qui ne tient pas telle
                             quelle est réduite par paliers (1080p, 720p, 480p,
                             360p) jusqu’à ce qu’elle tienne
  --crop auto|none           retirer les bandes noires là où tout le film en a
                             (par défaut : none)
  --no-sidecars              les fichiers de sous-titres à côté d’une vidéo
                             (film.en.srt) ne rejoignent pas son résultat
  --estimate                 donner la taille de chaque résultat et le temps
                             qu’il prend, d’après quelques secondes encodées ;
                             ne rien convertir
  --json                     un objet JSON par ligne et par source, puis un
                             objet de bilan, au lieu des lignes destinées aux
                             humains
  --progress                 avec --json : un objet de progression pour chaque
                             fichier en cours, au plus une fois par seconde
  --list-presets             une ligne par préréglage : CATÉGORIE/NOM, une
                             tabulation, ses extensions (avec --json, un objet
                             par préréglage)
  -h, --help                 afficher cette aide et terminer
  --version                  afficher la version et terminer
  --                         les arguments qui suivent sont des fichiers, même
                             s’ils commencent par -

La valeur d’une option la suit (--output-folder out) ou lui est jointe par =
(--output-folder=out). Chaque fichier reçoit une ligne indiquant ce qu’il est
devenu, et un bilan termine l’exécution.

Les choix de la fenêtre sont lus, jamais écrits, depuis
~/.config/Fennick Reelwright/HKEY_LOCAL_MACHINE.ini (ou sous $XDG_CONFIG_HOME).
Ce que l’encodeur dit pour chaque fichier est conservé dans
~/.local/state/Fennick Reelwright/logs/ (ou sous $XDG_STATE_HOME).

Code de sortie :
  0    chaque fichier pris en charge a été converti (ou, avec --skip-existing,
       existait déjà ou était en cours de conversion par une autre exécution)
  1    un fichier a échoué, n’a pas pu être lu ou a été arrêté, ou un fichier
       nommé a été refusé alors que d’autres ont été pris en charge
  2    mauvaise utilisation, ou aucun fichier n’a pu être pris en charge : aucun
       n’a été donné ni trouvé, ou tous ont été refusés
  129, 130, 143  arrêt par SIGHUP, Ctrl+C (SIGINT) ou SIGTERM : l’encodeur est
       arrêté et son fichier inachevé supprimé
  141  celui qui lisait la sortie s’est arrêté (tube fermé), avec les mêmes
       précautions
</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>Unknown option %1. A file whose name begins with - goes after --.</source>
        <translation>Option inconnue : %1. Un fichier dont le nom commence par - se place après --.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>An empty name was given where a file or folder was expected.</source>
        <translation>Un nom vide a été donné là où un fichier ou un dossier était attendu.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 needs a value.</source>
        <translation>%1 demande une valeur.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 takes no value.</source>
        <translation>%1 n’accepte pas de valeur.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is given twice.</source>
        <translation>%1 est donné deux fois.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>--jobs takes a number from 1 to %1, or auto.</source>
        <translation>--jobs accepte un nombre de 1 à %1, ou auto.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>--tracks takes all or first.</source>
        <translation>--tracks accepte all ou first.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unknown option %1.</source>
        <translation>Option inconnue : %1.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--preset and --custom cannot be used together.</source>
        <translation>--preset et --custom ne peuvent pas être utilisés ensemble.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--extension goes with --preset.</source>
        <translation>--extension s’utilise avec --preset.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--same-folder and --output-folder cannot be used together.</source>
        <translation>--same-folder et --output-folder ne peuvent pas être utilisés ensemble.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--progress goes with --json.</source>
        <translation>--progress s’utilise avec --json.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--null goes with --files-from.</source>
        <translation>--null s’utilise avec --files-from.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--watch takes no other files or folders.</source>
        <translation>--watch n’accepte aucun autre fichier ni dossier.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--watch and --dry-run cannot be used together.</source>
        <translation>--watch et --dry-run ne peuvent pas être utilisés ensemble.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No file or folder to convert was given.</source>
        <translation>Aucun fichier ni dossier à convertir n’a été donné.</translation>
    </message>
    <message>
        <location filename="../src/cli/CliOptions.h" line="+46"/>
        <source>Try reelwright-cli --help.</source>
        <translation>Essayez reelwright-cli --help.</translation>
    </message>
    <message>
        <source>--crop takes auto or none.</source>
        <translation>--crop prend auto ou none.</translation>
    </message>
    <message>
        <source>--watch and --estimate cannot be used together.</source>
        <translation>--watch et --estimate ne peuvent pas être utilisés ensemble.</translation>
    </message>
    <message>
        <source>%1 takes only a name that is valid UTF-8; rename the file or folder, or give a link to it whose name is.</source>
        <translation>%1 n’accepte qu’un nom en UTF-8 valide ; renommez le fichier ou le dossier, ou indiquez un lien vers celui-ci dont le nom est en UTF-8 valide.</translation>
    </message>
    <message>
        <source>--loudness takes off, or a loudness in LUFS from %1 to %2 (such as -23, -16 or -14).</source>
        <extracomment>%1 and %2 are the lowest and highest loudness taken, such as -31 and -5.</extracomment>
        <translation>--loudness accepte off, ou une sonie en LUFS de %1 à %2 (comme -23, -16 ou -14).</translation>
    </message>
    <message>
        <source>--max-size takes %1.</source>
        <extracomment>%1 names the accepted forms of a size.</extracomment>
        <translation>--max-size accepte %1.</translation>
    </message>
</context>
<context>
    <name>reelwright::CliReport</name>
    <message>
        <location filename="../src/cli/CliReport.cpp" line="+93"/>
        <source>converting</source>
        <translation>conversion en cours</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>refused: %1</source>
        <translation>refusé : %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>already converted -&gt; %1</source>
        <translation>déjà converti -&gt; %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>being converted elsewhere -&gt; %1</source>
        <translation>en cours de conversion ailleurs -&gt; %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>would convert -&gt; %1</source>
        <translation>serait converti -&gt; %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not converted: the run was stopped</source>
        <translation>non converti : l’exécution a été arrêtée</translation>
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
        <translation>1 fichier</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 files</source>
        <translation>%1 fichiers</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2</source>
        <extracomment>The run&apos;s summary: %1 is how many files, %2 what became of them.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>%1 would convert</source>
        <translation>%1 à convertir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 converted, %2 failed</source>
        <translation>%1 converti(s), %2 en échec</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 failed</source>
        <translation>%1 en échec</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 unreadable</source>
        <translation>%1 illisible(s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 refused</source>
        <translation>%1 refusé(s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 already converted</source>
        <translation>%1 déjà converti(s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 being converted elsewhere</source>
        <translation>%1 en cours de conversion ailleurs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 stopped</source>
        <translation>%1 arrêté(s)</translation>
    </message>
</context>
<context>
    <name>reelwright::CommandLineConverter</name>
    <message>
        <location filename="../src/cli/CommandLineConverter.cpp" line="+290"/>
        <source>no preset &quot;%1&quot;; --list-presets shows them all. The closest:</source>
        <translation>aucun préréglage « %1 » ; --list-presets les affiche tous. Les plus proches :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no preset &quot;%1&quot; (--preset takes &quot;CATEGORY/LABEL&quot;); --list-presets shows them all. The closest:</source>
        <translation>aucun préréglage « %1 » (--preset attend « CATÉGORIE/NOM ») ; --list-presets les affiche tous. Les plus proches :</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the preset offers %1, not %2.</source>
        <translation>le préréglage propose %1, pas %2.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the format cannot be used: %1</source>
        <translation>le format ne peut pas être utilisé : %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no output format is chosen; give --preset or --custom.</source>
        <translation>aucun format de sortie n’est choisi ; indiquez --preset ou --custom.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>the list %1 cannot be read: %2</source>
        <translation>la liste %1 ne peut pas être lue : %2</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>the folder holds no files</source>
        <translation>le dossier ne contient aucun fichier</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>%1; a run beside this one may convert the same files</source>
        <translation>%1 ; une autre exécution lancée en parallèle pourrait convertir les mêmes fichiers</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>beside each input</source>
        <translation>à côté de chaque source</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>nothing to convert.</source>
        <translation>rien à convertir.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no such folder to watch</source>
        <translation>le dossier à surveiller n’existe pas</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the results would land in the watched folder %1; give --output-folder with another folder</source>
        <translation>les résultats arriveraient dans le dossier surveillé %1 ; indiquez --output-folder avec un autre dossier</translation>
    </message>
    <message>
        <source>The format or the file&apos;s length cannot be had.</source>
        <translation>Le format ou la durée du fichier ne peut pas être obtenu.</translation>
    </message>
    <message>
        <source>%1: the watched folder is back</source>
        <translation>%1 : le dossier surveillé est de retour</translation>
    </message>
    <message>
        <source>%1; waiting for it to come back</source>
        <translation>%1 ; en attente de son retour</translation>
    </message>
    <message>
        <source>the result keeps this name: it could not take its input&apos;s: %1</source>
        <translation>le résultat garde ce nom : il n’a pas pu prendre celui de sa source : %1</translation>
    </message>
</context>
<context>
    <name>reelwright::CustomFormat</name>
    <message>
        <location filename="../src/formats/CustomFormat.cpp" line="+39"/>
        <source>The video bit rate &quot;%1&quot; is not a number.</source>
        <translation>Le débit vidéo « %1 » n’est pas un nombre.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The audio bit rate &quot;%1&quot; is not a number.</source>
        <translation>Le débit audio « %1 » n’est pas un nombre.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>The video bit rate &quot;%1&quot; is not above 0.</source>
        <translation>Le débit vidéo « %1 » n’est pas supérieur à 0.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The audio bit rate &quot;%1&quot; is not above 0.</source>
        <translation>Le débit audio « %1 » n’est pas supérieur à 0.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>The video bit rate &quot;%1&quot; is too large.</source>
        <translation>Le débit vidéo « %1 » est trop élevé.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The audio bit rate &quot;%1&quot; is too large.</source>
        <translation>Le débit audio « %1 » est trop élevé.</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>The channel count &quot;%1&quot; is not above 0.</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>Le nombre de canaux « %1 » n’est pas supérieur à 0.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The video size &quot;%1&quot; is not one of the list.</source>
        <extracomment>%1 is a video size as given.</extracomment>
        <translation>La taille vidéo « %1 » ne fait pas partie de la liste.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The frame rate &quot;%1&quot; is not above 0.</source>
        <extracomment>%1 is what the user typed.</extracomment>
        <translation>La fréquence d’images « %1 » n’est pas supérieure à 0.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Copy (no re-encoding)</source>
        <extracomment>The choice of a codec list that copies the track as it is.</extracomment>
        <translation>Copie (sans réencodage)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The video is copied as it is (Copy, no re-encoding): its bit rate, size, aspect and frame rate stay the source&apos;s.</source>
        <translation>La vidéo est copiée telle quelle (Copie, sans réencodage) : son débit, sa taille, ses proportions et sa fréquence d’images restent ceux de la source.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The sound is copied as it is (Copy, no re-encoding): its sampling rate, bit rate and channels stay the source&apos;s.</source>
        <translation>Le son est copié tel quel (Copie, sans réencodage) : sa fréquence d’échantillonnage, son débit et ses canaux restent ceux de la source.</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Audio Bitrate</source>
        <translation>Débit audio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Video Bitrate</source>
        <translation>Débit vidéo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frame Rate</source>
        <translation>Images par seconde</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 Field in the custom Format must be a number greater than 0.</source>
        <extracomment>%1 is a field&apos;s name: Audio Bitrate, Channels, Video Bitrate or Frame Rate.</extracomment>
        <translation>Le champ « %1 » du format personnalisé doit être un nombre supérieur à 0.</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>The %1 container cannot hold %2 video. Choose one of: %3.</source>
        <extracomment>%1 is a container, such as AVI; %2 a codec; %3 the codecs it holds.</extracomment>
        <translation>Le conteneur %1 ne peut pas contenir de vidéo %2. Choisissez parmi : %3.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The %1 container cannot hold %2 sound. Choose one of: %3.</source>
        <extracomment>%1 is a container, such as AVI; %2 a codec; %3 the codecs it holds.</extracomment>
        <translation>Le conteneur %1 ne peut pas contenir de son %2. Choisissez parmi : %3.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Category:%1, Codec:&quot;%2&quot;, Container:&quot;%3&quot;</source>
        <extracomment>The chosen preset: %1 is its category, %2 its name, %3 its container.</extracomment>
        <translation>Catégorie : %1, Codec : « %2 », Conteneur : « %3 »</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Container:%1, Video Codec:&quot;%2&quot;, Audio Codec:&quot;%3&quot;</source>
        <extracomment>The custom format: %1 is its container, %2 and %3 its codecs.</extracomment>
        <translation>Conteneur : %1, Codec vidéo : « %2 », Codec audio : « %3 »</translation>
    </message>
</context>
<context>
    <name>reelwright::DOSOutputs</name>
    <message>
        <location filename="../src/engine/DOSOutputs.cpp" line="+75"/>
        <source>Command Line is empty</source>
        <translation>La ligne de commande est vide</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+20"/>
        <source>CreatePipe failed. Error: %1</source>
        <extracomment>%1 is the system&apos;s error number.</extracomment>
        <translation>Échec de CreatePipe. Erreur : %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File or command not found</source>
        <translation>Fichier ou commande introuvable</translation>
    </message>
</context>
<context>
    <name>reelwright::DecodeCheck</name>
    <message>
        <location filename="../src/engine/DecodeCheck.cpp" line="+107"/>
        <source>The encoder could not be started to check %1 by decoding it.</source>
        <extracomment>%1 is the converted file.</extracomment>
        <translation>L’encodeur n’a pas pu être lancé pour vérifier %1 en le décodant.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 decodes only %2 of %3 seconds, so it was not kept.</source>
        <extracomment>%1 is the converted file; %2 and %3 are numbers of seconds.</extracomment>
        <translation>%1 ne se décode que sur %2 des %3 secondes ; il n’a donc pas été gardé.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 does not decode without errors, so it was not kept.</source>
        <extracomment>%1 is the converted file.</extracomment>
        <translation>%1 ne se décode pas sans erreurs ; il n’a donc pas été gardé.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 does not decode without errors, so it was not kept: %2</source>
        <extracomment>%1 is the converted file, %2 the decoder&apos;s first complaint.</extracomment>
        <translation>%1 ne se décode pas sans erreurs ; il n’a donc pas été gardé : %2</translation>
    </message>
</context>
<context>
    <name>reelwright::Desktop</name>
    <message>
        <location filename="../src/platform/Desktop.cpp" line="+41"/>
        <source>the file is missing.</source>
        <extracomment>Why a file or page could not be opened.</extracomment>
        <translation>le fichier est introuvable.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the desktop has no program for it. Installing xdg-utils (sudo apt install xdg-utils) and a player or browser helps.</source>
        <extracomment>Why a file or page could not be opened.</extracomment>
        <translation>le bureau n’a aucun programme pour l’ouvrir. Installer xdg-utils (sudo apt install xdg-utils) ainsi qu’un lecteur ou un navigateur peut y remédier.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no program on this computer could open it. Install a player or browser, or choose one as the desktop&apos;s default for it.</source>
        <extracomment>Why a file or page could not be opened.</extracomment>
        <translation>aucun programme de cet ordinateur n’a pu l’ouvrir. Installez un lecteur ou un navigateur, ou définissez-en un comme programme par défaut du bureau pour l’ouvrir.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 could not be opened: %2</source>
        <extracomment>%1 is a file or web address, %2 why it could not be opened.</extracomment>
        <translation>%1 n’a pas pu être ouvert : %2</translation>
    </message>
</context>
<context>
    <name>reelwright::Dialogs</name>
    <message>
        <location filename="../src/platform/Dialogs.cpp" line="+61"/>
        <source>Save as Preset</source>
        <translation>Enregistrer comme préréglage</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preset name</source>
        <translation>Nom du préréglage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset name:</source>
        <translation>Nom du préréglage :</translation>
    </message>
</context>
<context>
    <name>reelwright::Encoder</name>
    <message>
        <location filename="../src/engine/Encoder.cpp" line="+33"/>
        <source>The encoder %1 cannot be run: it is not executable. Make it executable (chmod +x) or remove it to use the ffmpeg installed on the system.</source>
        <extracomment>%1 is the path of the ffmpeg beside the program.</extracomment>
        <translation>L’encodeur %1 ne peut pas être lancé : il n’est pas exécutable. Rendez-le exécutable (chmod +x) ou supprimez-le pour utiliser le ffmpeg installé sur le système.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The encoder ffmpeg was not found. It was looked for in %1 and in the folders of PATH (%2). Install it with: sudo apt install ffmpeg</source>
        <extracomment>%1 is the program&apos;s folder, %2 the folders of PATH.</extracomment>
        <translation>L’encodeur ffmpeg est introuvable. Il a été cherché dans %1 et dans les dossiers de PATH (%2). Installez-le avec : sudo apt install ffmpeg</translation>
    </message>
</context>
<context>
    <name>reelwright::EncoderOutputView</name>
    <message>
        <location filename="../src/window/EncoderOutputView.cpp" line="+20"/>
        <source>Encoder Output - %1</source>
        <translation>Sortie de l’encodeur – %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Copy All</source>
        <translation>Tout copier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>What the encoder said</source>
        <translation>Ce qu’a dit l’encodeur</translation>
    </message>
</context>
<context>
    <name>reelwright::FailureReason</name>
    <message>
        <location filename="../src/engine/FailureReason.cpp" line="+108"/>
        <source>%1 has no sound to convert.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>%1 n’a pas de son à convertir.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 has no picture to convert.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>%1 n’a pas d’image à convertir.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 has neither picture nor sound to convert.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>%1 n’a ni image ni son à convertir.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The chosen format keeps nothing of %1.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>Le format choisi ne garde rien de %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nothing was converted: %1 holds no picture frames or sound samples the encoder could read. It may be empty or damaged.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>Rien n’a été converti : %1 ne contient aucune image ni aucun échantillon sonore que l’encodeur puisse lire. Il est peut-être vide ou endommagé.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The encoder cannot read %1: it is not a kind of media file it knows, or it is damaged.</source>
        <extracomment>%1 is a file&apos;s name.</extracomment>
        <translation>L’encodeur ne peut pas lire %1 : ce n’est pas un type de fichier multimédia qu’il connaît, ou il est endommagé.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The encoder took more than %1 seconds to read %2, so it is taken as unreadable.</source>
        <extracomment>%1 is a number of seconds, %2 a file&apos;s name.</extracomment>
        <translation>L’encodeur a mis plus de %1 secondes à lire %2 ; ce fichier est donc considéré comme illisible.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The disk of %1 is full: %2 could not be written.</source>
        <extracomment>%1 is a folder, %2 the converted file&apos;s name.</extracomment>
        <translation>Le disque de %1 est plein : %2 n’a pas pu être écrit.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 grew larger than the disk of %2 allows for one file.</source>
        <extracomment>%1 is the converted file&apos;s name, %2 its folder.</extracomment>
        <translation>%1 a dépassé la taille maximale que le disque de %2 autorise pour un fichier.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be written: permission denied.</source>
        <extracomment>%1 is the output folder.</extracomment>
        <translation>%1 n’est pas accessible en écriture : permission refusée.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is on a disk that cannot be written to (read-only).</source>
        <extracomment>%1 is the output folder.</extracomment>
        <translation>%1 se trouve sur un disque sur lequel on ne peut pas écrire (lecture seule).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The output folder %1 is not there any more.</source>
        <translation>Le dossier de sortie %1 n’existe plus.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not there any more: it was moved, renamed or deleted after it was added.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>%1 n’existe plus : il a été déplacé, renommé ou supprimé après avoir été ajouté.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 cannot be read: permission denied.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>%1 ne peut pas être lu : permission refusée.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This ffmpeg has no encoder &quot;%1&quot;: choose another codec, or install an ffmpeg that has it.</source>
        <extracomment>%1 is the encoder&apos;s name for a codec, such as libx264.</extracomment>
        <translation>Ce ffmpeg n’a pas d’encodeur « %1 » : choisissez un autre codec, ou installez un ffmpeg qui en dispose.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This ffmpeg has no encoder for the chosen format: choose another format, or install an ffmpeg that has it.</source>
        <translation>Ce ffmpeg n’a pas d’encodeur pour le format choisi : choisissez un autre format, ou installez un ffmpeg qui en dispose.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>This ffmpeg does not know the option -%1 of the chosen format.</source>
        <extracomment>%1 is an encoder option&apos;s name, shown after its dash.</extracomment>
        <translation>Ce ffmpeg ne connaît pas l’option -%1 du format choisi.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The encoder refused the value &quot;%1&quot; of the option -%2 of the chosen format.</source>
        <extracomment>%1 is a value, %2 an encoder option&apos;s name, shown after its dash.</extracomment>
        <translation>L’encodeur a refusé la valeur « %1 » de l’option -%2 du format choisi.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The encoder refused the chosen format&apos;s settings for %1.</source>
        <extracomment>%1 is the name of the file being converted.</extracomment>
        <translation>L’encodeur a refusé les réglages du format choisi pour %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The encoder refused the chosen format&apos;s settings for %1: %2</source>
        <extracomment>%1 is the name of the file being converted, %2 the encoder&apos;s own words.</extracomment>
        <translation>L’encodeur a refusé les réglages du format choisi pour %1 : %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The chosen container cannot hold what the format puts in it.</source>
        <translation>Le conteneur choisi ne peut pas contenir ce que le format y met.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The chosen container cannot hold what the format puts in it: %1</source>
        <extracomment>%1 is the encoder&apos;s own words.</extracomment>
        <translation>Le conteneur choisi ne peut pas contenir ce que le format y met : %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The encoder was interrupted (signal %1) before it finished %2.</source>
        <extracomment>%1 is a signal&apos;s number, %2 the name of the file being converted.</extracomment>
        <translation>L’encodeur a été interrompu (signal %1) avant d’avoir terminé %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The encoder could not convert %1:<byte value="xd"/>
%2</source>
        <extracomment>%1 is the name of the file being converted; the encoder&apos;s own last lines follow on the next line (%2).</extracomment>
        <translation>L’encodeur n’a pas pu convertir %1 :<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The encoder stopped with exit code %1.</source>
        <translation>L’encodeur s’est arrêté avec le code de sortie %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The encoder crashed.</source>
        <translation>L’encodeur a planté.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The encoder wrote nothing into %1.</source>
        <extracomment>%1 is the converted file&apos;s name.</extracomment>
        <translation>L’encodeur n’a rien écrit dans %1.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The input file ended early: only %1 of %2 seconds were converted. It may be truncated or damaged.</source>
        <extracomment>%1 and %2 are numbers of seconds.</extracomment>
        <translation>Le fichier source s’est terminé trop tôt : seules %1 des %2 secondes ont été converties. Il est peut-être tronqué ou endommagé.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The input file ended early. It may be truncated or damaged.</source>
        <translation>Le fichier source s’est terminé trop tôt. Il est peut-être tronqué ou endommagé.</translation>
    </message>
    <message>
        <source>%1 was not read: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 what it is instead of a file (&quot;it is a named pipe, not a regular file&quot;).</extracomment>
        <translation>%1 n’a pas été lu : %2.</translation>
    </message>
</context>
<context>
    <name>reelwright::FileEstimate</name>
    <message>
        <source>about %1 s</source>
        <translation>environ %1 s</translation>
    </message>
    <message>
        <source>about %1 min</source>
        <translation>environ %1 min</translation>
    </message>
    <message>
        <source>about %1 h %2 min</source>
        <translation>environ %1 h %2 min</translation>
    </message>
    <message>
        <source>About %1, %2 to convert</source>
        <translation>Environ %1, %2 pour convertir</translation>
    </message>
    <message>
        <source>About %1; %2</source>
        <translation>Environ %1 ; %2</translation>
    </message>
    <message>
        <source>Its length is not known.</source>
        <translation>Sa durée n’est pas connue.</translation>
    </message>
    <message>
        <source>A piece of it could not be encoded.</source>
        <translation>Un extrait n’a pas pu être encodé.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Arrêté.</translation>
    </message>
</context>
<context>
    <name>reelwright::FormatChoice</name>
    <message>
        <location filename="../src/formats/FormatChoice.cpp" line="+25"/>
        <source>Error Occured while Loading Presets.</source>
        <translation>Une erreur est survenue lors du chargement des préréglages.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The catalogue holds no video codec.</source>
        <translation>Le catalogue ne contient aucun codec vidéo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The catalogue holds no audio codec.</source>
        <translation>Le catalogue ne contient aucun codec audio.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Error Occured while Loading Codecs.</source>
        <translation>Une erreur est survenue lors du chargement des codecs.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>There is no folder for your own presets.</source>
        <translation>Il n’y a pas de dossier pour vos propres préréglages.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; in &quot;%2&quot; (%3) is a preset that comes with the program; choose another name.</source>
        <translation>« %1 » dans « %2 » (%3) est un préréglage fourni avec le programme ; choisissez un autre nom.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The custom format&apos;s options cannot be kept in a preset: %1</source>
        <translation>Les options du format personnalisé ne peuvent pas être gardées dans un préréglage : %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The preset could not be saved in %1: %2</source>
        <translation>Le préréglage n’a pas pu être enregistré dans %1 : %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The preset &quot;%1&quot; was replaced under &quot;%2&quot; with the presets, kept in %3.</source>
        <translation>Le préréglage « %1 » a été remplacé sous « %2 » parmi les préréglages ; il est gardé dans %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The preset &quot;%1&quot; is listed under &quot;%2&quot; with the presets, kept in %3.</source>
        <translation>Le préréglage « %1 » figure sous « %2 » parmi les préréglages ; il est gardé dans %3.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Only presets of your own can be removed.</source>
        <translation>Seuls vos propres préréglages peuvent être retirés.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The preset could not be removed from %1: %2</source>
        <translation>Le préréglage n’a pas pu être retiré de %1 : %2</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>the video codec &quot;%1&quot;</source>
        <translation>le codec vidéo « %1 »</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the audio codec &quot;%1&quot;</source>
        <translation>le codec audio « %1 »</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the video codec at position %1</source>
        <translation>le codec vidéo en position %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the audio codec at position %1</source>
        <translation>le codec audio en position %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A codec saved for the custom format is no longer in the codec list (%1), so none is chosen in its place: choose one in the format panel before converting with the custom format.</source>
        <translation>Un codec enregistré pour le format personnalisé ne figure plus dans la liste des codecs (%1) ; aucun n’est donc choisi à sa place : choisissez-en un dans le panneau des formats avant de convertir avec le format personnalisé.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>No video codec is chosen in the custom format: choose one in the format panel.</source>
        <translation>Aucun codec vidéo n’est choisi dans le format personnalisé : choisissez-en un dans le panneau des formats.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No audio codec is chosen in the custom format: choose one in the format panel.</source>
        <translation>Aucun codec audio n’est choisi dans le format personnalisé : choisissez-en un dans le panneau des formats.</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>The preset &quot;%1 / %2&quot; (%3) has a quote that is not closed in its params: %4</source>
        <translation>Le préréglage « %1 / %2 » (%3) contient un guillemet non fermé dans ses paramètres : %4</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>A codec name of the custom format has a quote that is not closed: %1</source>
        <translation>Un nom de codec du format personnalisé contient un guillemet non fermé : %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Channels Field in the custom Format can not be empty.</source>
        <translation>Le champ « Canaux » du format personnalisé ne peut pas être vide.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Frame Rate Field in the custom Format can not be empty.</source>
        <translation>Le champ « Images par seconde » du format personnalisé ne peut pas être vide.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Audio Bitrate Field in the custom Format can not be empty.</source>
        <translation>Le champ « Débit audio » du format personnalisé ne peut pas être vide.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Video Bitrate Field in the custom Format can not be empty.</source>
        <translation>Le champ « Débit vidéo » du format personnalisé ne peut pas être vide.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>The %1 container holds video only: the sound is left out.</source>
        <translation>Le conteneur %1 ne contient que de la vidéo : le son est écarté.</translation>
    </message>
    <message>
        <source>&quot;%1 / %2&quot; (%3)</source>
        <extracomment>A preset as the user is told of it: its category, its name and its container.</extracomment>
        <translation>« %1 / %2 » (%3)</translation>
    </message>
    <message>
        <source>The custom format&apos;s options cannot be used: %1</source>
        <translation>Les options du format personnalisé ne peuvent pas être utilisées : %1</translation>
    </message>
    <message>
        <source>The preset &quot;%1 / %2&quot; (%3) cannot be used: %4</source>
        <translation>Le préréglage « %1 / %2 » (%3) ne peut pas être utilisé : %4</translation>
    </message>
    <message>
        <source>The preset %1 in %2 was left out.<byte value="xd"/>
It holds more than options for the file being converted: %3.</source>
        <extracomment>%1 is a preset, %2 the file it is in, %3 why it was left out.</extracomment>
        <translation>Le préréglage %1 de %2 a été écarté.<byte value="xd"/>
Il contient plus que des options pour le fichier en cours de conversion : %3.</translation>
    </message>
    <message>
        <source>These presets in %1 were left out, since they hold more than options for the file being converted:<byte value="xd"/>
%2</source>
        <extracomment>%1 is a file of presets, %2 the presets left out of it, one a line.</extracomment>
        <translation>Ces préréglages de %1 ont été écartés, car ils contiennent plus que des options pour le fichier en cours de conversion :<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>reelwright::JobGrid</name>
    <message>
        <location filename="../src/joblist/JobGridAccessible.cpp" line="+42"/>
        <source>Ticked</source>
        <translation>Cochée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not ticked</source>
        <translation>Non cochée</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
    <message>
        <location line="+169"/>
        <source>Tick</source>
        <translation>Case</translation>
    </message>
</context>
<context>
    <name>reelwright::JobList</name>
    <message>
        <location filename="../src/joblist/JobList.cpp" line="+48"/>
        <source>its full name is too long for the system (%1 bytes; the most it takes is %2), so neither Reelwright nor the encoder can open it</source>
        <extracomment>Why a file is not added. %1 and %2 are numbers of bytes.</extracomment>
        <translation>son nom complet est trop long pour le système (%1 octets, alors qu’il en accepte au plus %2) : ni Reelwright ni l’encodeur ne peuvent donc l’ouvrir</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>one of the names in its path is too long for the system (the most it takes is %1 bytes)</source>
        <extracomment>Why a file is not added. %1 is a number of bytes.</extracomment>
        <translation>l’un des noms de son chemin est trop long pour le système (il accepte au plus %1 octets)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>An error occured while Adding File<byte value="xd"/>%1:%2</source>
        <extracomment>%1 is an error number, %2 what went wrong.</extracomment>
        <translation>Une erreur est survenue lors de l’ajout du fichier<byte value="xd"/>%1:%2</translation>
    </message>
    <message>
        <location line="+142"/>
        <source>it has no extension, so its kind cannot be told</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>il n’a pas d’extension, son type ne peut donc pas être déterminé</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a video file (.%1)</source>
        <extracomment>Why a file is not added. %1 is its extension.</extracomment>
        <translation>ce n’est pas un fichier vidéo (.%1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>another add is running</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>un autre ajout est en cours</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>already in the list</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>déjà dans la liste</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>its name is not valid UTF-8, so it cannot be passed on unchanged; rename the file to add it</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>son nom n’est pas en UTF-8 valide, il ne peut donc pas être transmis tel quel ; renommez le fichier pour l’ajouter</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>not found</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>introuvable</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a regular file</source>
        <extracomment>Why a file is not added: it is a folder, a device or a pipe.</extracomment>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Bad file name: %1 (%2)</source>
        <extracomment>%1 is a path, %2 why it cannot be used.</extracomment>
        <translation>Nom de fichier incorrect : %1 (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File not found: %1 (%2)</source>
        <extracomment>%1 is a path, %2 why it cannot be used.</extracomment>
        <translation>Fichier introuvable : %1 (%2)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it cannot be read (permission denied)</source>
        <extracomment>Why a file is not added.</extracomment>
        <translation>il ne peut pas être lu (permission refusée)</translation>
    </message>
    <message>
        <source>a sound file, with no picture: to convert it, choose one of the Audio Only presets</source>
        <extracomment>Why a file is not added. &quot;Audio Only&quot; is the category of presets in the format panel; keep it as the panel shows it.</extracomment>
        <translation>un fichier audio, sans image : pour le convertir, choisissez l’un des préréglages « Audio Only »</translation>
    </message>
    <message>
        <source>it has no sound, and the chosen format keeps sound only</source>
        <extracomment>Why a file is not added: the chosen format (an Audio Only preset) makes sound files.</extracomment>
        <translation>il n’a pas de son, et le format choisi ne garde que le son</translation>
    </message>
    <message>
        <source>it holds neither picture nor sound to convert</source>
        <extracomment>Why a file is not added: it can be read, but has no track a conversion can keep.</extracomment>
        <translation>il ne contient ni image ni son à convertir</translation>
    </message>
</context>
<context>
    <name>reelwright::JobListStore</name>
    <message>
        <location filename="../src/joblist/JobListStore.cpp" line="+188"/>
        <source>File Path</source>
        <translation>Chemin du fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Conversion Status</source>
        <translation>État de la conversion</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File Size</source>
        <translation>Taille</translation>
    </message>
</context>
<context>
    <name>reelwright::KeptListScanner</name>
    <message>
        <location filename="../src/batch/KeptListScanner.cpp" line="+44"/>
        <source>reading was abandoned</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>la lecture a été abandonnée</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it ends too early</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>elle se termine trop tôt</translation>
    </message>
    <message>
        <location line="+91"/>
        <location line="+6"/>
        <source>it is not a kept job list</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>ce n’est pas une liste de fichiers gardée</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>a member has no name at byte %1</source>
        <extracomment>Why the kept job list cannot be read; %1 is a position in the file.</extracomment>
        <translation>un membre n’a pas de nom à l’octet %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a member has no value at byte %1</source>
        <extracomment>Why the kept job list cannot be read; %1 is a position in the file.</extracomment>
        <translation>un membre n’a pas de valeur à l’octet %1</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>the rows are not a list at byte %1</source>
        <extracomment>Why the kept job list cannot be read; %1 is a position in the file.</extracomment>
        <translation>les lignes ne forment pas une liste à l’octet %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>a value cannot be read before byte %1</source>
        <extracomment>Why the kept job list cannot be read; %1 is a position in the file.</extracomment>
        <translation>une valeur ne peut pas être lue avant l’octet %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>garbage at byte %1</source>
        <extracomment>Why the kept job list cannot be read; %1 is a position in the file.</extracomment>
        <translation>données parasites à l’octet %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>garbage at the end</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>données parasites à la fin</translation>
    </message>
</context>
<context>
    <name>reelwright::KeptQueue</name>
    <message>
        <location filename="../src/batch/KeptQueue.cpp" line="+295"/>
        <source>it is not a kept job list</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>ce n’est pas une liste de fichiers gardée</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it was written by a newer Reelwright</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>elle a été écrite par une version plus récente de Reelwright</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1: %2</source>
        <extracomment>Why the job list cannot be kept: %1 is its file, %2 the reason.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>it is larger than any list of files</source>
        <extracomment>Why the kept job list cannot be read.</extracomment>
        <translation>elle est plus volumineuse que ne peut l’être une liste de fichiers</translation>
    </message>
</context>
<context>
    <name>reelwright::MediaTracks</name>
    <message>
        <location filename="../src/engine/MediaTracks.cpp" line="+272"/>
        <source>out of memory</source>
        <extracomment>Why a file&apos;s tracks could not be read.</extracomment>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+7"/>
        <source>it took too long to read</source>
        <extracomment>Why a file&apos;s tracks could not be read.</extracomment>
        <translation>sa lecture a pris trop de temps</translation>
    </message>
</context>
<context>
    <name>reelwright::Notifier</name>
    <message>
        <location filename="../src/platform/Notifier.cpp" line="+66"/>
        <source>... and %1 more</source>
        <extracomment>Ends a list cut short in a message: %1 is how many lines are not shown.</extracomment>
        <translation>… et %1 de plus</translation>
    </message>
</context>
<context>
    <name>reelwright::OutputNaming</name>
    <message>
        <location filename="../src/batch/OutputNaming.cpp" line="+106"/>
        <source>The output folder %1 does not exist and cannot be made: %2.</source>
        <extracomment>%1 is a folder, %2 why it cannot be made.</extracomment>
        <translation>Le dossier de sortie %1 n’existe pas et ne peut pas être créé : %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Every name for the converted file is taken in %1.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Tous les noms possibles pour le fichier converti sont déjà pris dans %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Output Folder is not exist and can not be created.</source>
        <translation>Le dossier de sortie n’existe pas et ne peut pas être créé.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>its parent folder does not exist (only one missing level is made)</source>
        <extracomment>Why the output folder cannot be had.</extracomment>
        <translation>son dossier parent n’existe pas (un seul niveau manquant est créé)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>no folder is given</source>
        <extracomment>Why the output folder cannot be had.</extracomment>
        <translation>aucun dossier n’est indiqué</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is not a full path</source>
        <extracomment>Why the output folder cannot be had.</extracomment>
        <translation>ce n’est pas un chemin complet</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a file of that name is in the way</source>
        <extracomment>Why the output folder cannot be had.</extracomment>
        <translation>un fichier portant ce nom se trouve déjà à sa place</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>it could not be made</source>
        <extracomment>Why the output folder cannot be had.</extracomment>
        <translation>il n’a pas pu être créé</translation>
    </message>
    <message>
        <location line="+113"/>
        <source>No file can be written in %1: %2</source>
        <extracomment>%1 is a folder, %2 the system&apos;s reason.</extracomment>
        <translation>Aucun fichier ne peut être écrit dans %1 : %2</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>The converted file could not be named %1: %2.</source>
        <extracomment>%1 is a path, %2 the system&apos;s reason.</extracomment>
        <translation>Le fichier converti n’a pas pu être nommé %1 : %2.</translation>
    </message>
    <message>
        <source>The converted file was taken away from %1 by another program while it was written, so it was not kept.</source>
        <extracomment>%1 is a hidden file&apos;s path.</extracomment>
        <translation>Le fichier converti a été retiré de %1 par un autre programme pendant son écriture ; il n’a donc pas été gardé.</translation>
    </message>
</context>
<context>
    <name>reelwright::OwnPresets</name>
    <message>
        <location filename="../src/formats/OwnPresets.cpp" line="+25"/>
        <source>Your own presets in %1 cannot be read (%2), so they are not listed; the file is left as it is.</source>
        <extracomment>%1 is the file of the user&apos;s own presets, %2 why it cannot be read.</extracomment>
        <translation>Vos propres préréglages dans %1 ne peuvent pas être lus (%2), ils ne sont donc pas listés ; le fichier est laissé tel quel.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>the folder %1 cannot be made</source>
        <extracomment>Why a preset cannot be saved: %1 is a folder.</extracomment>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Your own presets in %1 are damaged (%2). The file was set aside as %3; the presets that come with the program are listed.</source>
        <extracomment>%1 is the file of the user&apos;s own presets, %2 what is wrong in it, %3 the name it was given.</extracomment>
        <translation>Vos propres préréglages dans %1 sont endommagés (%2). Le fichier a été mis de côté sous le nom %3 ; les préréglages fournis avec le programme sont listés.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your own presets in %1 are damaged (%2) and could not be set aside, so they are not listed.</source>
        <extracomment>%1 is the file of the user&apos;s own presets, %2 what is wrong in it.</extracomment>
        <translation>Vos propres préréglages dans %1 sont endommagés (%2) et n’ont pas pu être mis de côté ; ils ne sont donc pas listés.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>category</source>
        <extracomment>A preset&apos;s field, named in &quot;The preset&apos;s %1 cannot be empty.&quot; and the like.</extracomment>
        <translation>catégorie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>name</source>
        <extracomment>A preset&apos;s field, named in &quot;The preset&apos;s %1 cannot be empty.&quot; and the like.</extracomment>
        <translation>nom</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>container</source>
        <extracomment>A preset&apos;s field, named in &quot;The preset&apos;s %1 cannot be empty.&quot; and the like.</extracomment>
        <translation>conteneur</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The preset&apos;s %1 cannot be empty.</source>
        <extracomment>%1 is a preset&apos;s field: category, name or container.</extracomment>
        <translation>Le champ « %1 » du préréglage ne peut pas être vide.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The preset&apos;s %1 cannot begin or end with a space.</source>
        <extracomment>%1 is a preset&apos;s field: category, name or container.</extracomment>
        <translation>Le champ « %1 » du préréglage ne peut ni commencer ni finir par un espace.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The preset&apos;s %1 can be at most 100 characters long.</source>
        <extracomment>%1 is a preset&apos;s field: category, name or container.</extracomment>
        <translation>Le champ « %1 » du préréglage ne peut pas dépasser 100 caractères.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The preset&apos;s %1 cannot hold &quot;&lt;&quot;, &quot;&gt;&quot; or a line break.</source>
        <extracomment>%1 is a preset&apos;s field: category, name or container.</extracomment>
        <translation>Le champ « %1 » du préréglage ne peut contenir ni « &lt; », ni « &gt; », ni saut de ligne.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The preset&apos;s category cannot hold &quot;/&quot;.</source>
        <translation>La catégorie du préréglage ne peut pas contenir « / ».</translation>
    </message>
    <message>
        <source>it lists no presets: it begins with &lt;%1&gt;, not &lt;presets&gt;</source>
        <extracomment>%1 is the name of the first element of a file that should list presets.</extracomment>
        <translation>il ne liste aucun préréglage : il commence par &lt;%1&gt;, et non par &lt;presets&gt;</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <extracomment>%1 and %2 are a line and a column of the file; %3 what the XML reader found there.</extracomment>
        <translation>ligne %1, colonne %2 : %3</translation>
    </message>
    <message>
        <source>the preset that ends on line %1 lacks its label, params, extension or category</source>
        <extracomment>%1 is a line number of the file of one&apos;s own presets.</extracomment>
        <translation>le préréglage qui se termine à la ligne %1 n’a pas de label, de params, d’extension ou de category</translation>
    </message>
</context>
<context>
    <name>reelwright::PassLogs</name>
    <message>
        <source>No folder for the first pass&apos;s log can be made as %1: %2</source>
        <translation>Aucun dossier ne peut être créé en %1 pour le journal de la première passe : %2</translation>
    </message>
</context>
<context>
    <name>reelwright::PicturePlan</name>
    <message>
        <location filename="../src/batch/PicturePlan.cpp" line="+165"/>
        <source>Interlaced picture kept, top field first.</source>
        <translation>Image entrelacée gardée, trame supérieure en premier.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Interlaced picture kept, bottom field first.</source>
        <translation>Image entrelacée gardée, trame inférieure en premier.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Interlaced picture made progressive.</source>
        <translation>Image entrelacée rendue progressive.</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>HDR kept: 10-bit, BT.2020 with %1.</source>
        <extracomment>%1 is the HDR transfer curve: PQ or HLG.</extracomment>
        <translation>HDR gardé : 10 bits, BT.2020 avec %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>HDR kept: 10-bit, BT.2020 with %1, and its mastering display and light levels.</source>
        <extracomment>%1 is the HDR transfer curve: PQ or HLG.</extracomment>
        <translation>HDR gardé : 10 bits, BT.2020 avec %1, ainsi que les données de son écran de mastering et ses niveaux de luminosité.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>HDR brought to standard range (BT.709).</source>
        <translation>HDR ramené en plage dynamique standard (BT.709).</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Full-range picture brought to standard range.</source>
        <translation>Image en plage complète ramenée à la plage standard.</translation>
    </message>
    <message>
        <source>Black bars removed: %1 of %2.</source>
        <translation>Bandes noires retirées : %1 sur %2.</translation>
    </message>
    <message>
        <source>Film frames put back together (%1 fps).</source>
        <extracomment>%1 is the film&apos;s rate of frames a second: 23.976 or 24.</extracomment>
        <translation>Images du film reconstituées (%1 fps).</translation>
    </message>
    <message>
        <source>Frames flagged interlaced are whole pictures: left as they are.</source>
        <translation>Les images signalées comme entrelacées sont des images entières : laissées telles quelles.</translation>
    </message>
    <message>
        <source>Interlaced parts made progressive; whole frames left as they are.</source>
        <translation>Parties entrelacées rendues progressives ; images entières laissées telles quelles.</translation>
    </message>
    <message>
        <source>Interlaced picture brought to %1 fields a second, top field first.</source>
        <extracomment>%1 is a count of fields a second: 50 or 59.94.</extracomment>
        <translation>Image entrelacée amenée à %1 trames par seconde, trame supérieure en premier.</translation>
    </message>
</context>
<context>
    <name>reelwright::ResultClaim</name>
    <message>
        <location filename="../src/batch/ResultClaim.cpp" line="+75"/>
        <source>the claim file cannot be made: %1</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>le fichier de réservation ne peut pas être créé : %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the folder keeps no locks: %1</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>le dossier ne prend pas en charge les verrous : %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the claim file keeps changing</source>
        <translation>le fichier de réservation change sans cesse</translation>
    </message>
</context>
<context>
    <name>reelwright::RunLog</name>
    <message>
        <location filename="../src/batch/RunLog.cpp" line="+30"/>
        <source>%1 cannot be made</source>
        <extracomment>Why no log can be written: %1 is the logs&apos; folder.</extracomment>
        <translation>%1 ne peut pas être créé</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>no file can be written in %1: %2</source>
        <extracomment>Why no log can be written: %1 is the logs&apos; folder, %2 the system&apos;s reason.</extracomment>
        <translation>aucun fichier ne peut être écrit dans %1 : %2</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>%1 cannot be written: %2</source>
        <extracomment>Why a log is not whole: %1 is its file, %2 the system&apos;s reason.</extracomment>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
</context>
<context>
    <name>reelwright::SizeFitting</name>
    <message>
        <source>A copy keeps its picture as it is, so it cannot be made to fit a size: choose a format that encodes the picture.</source>
        <translation>Une copie garde son image telle quelle : elle ne peut donc pas être ajustée à une taille. Choisissez un format qui encode l’image.</translation>
    </message>
    <message>
        <source>This format&apos;s picture (%1) keeps a quality of its own that no bit rate changes, so it cannot be made to fit a size: choose a format such as MP4 or WebM.</source>
        <translation>L’image de ce format (%1) garde une qualité propre qu’aucun débit ne change : elle ne peut donc pas être ajustée à une taille. Choisissez un format comme MP4 ou WebM.</translation>
    </message>
    <message>
        <source>Picture made smaller to fit: %1.</source>
        <translation>Image réduite pour tenir : %1.</translation>
    </message>
    <message>
        <source>The result reached %1, over the limit of %2, and at a lower rate its picture would not be worth watching; it was not kept.</source>
        <translation>Le résultat a atteint %1, au-delà de la limite de %2, et à un débit plus bas son image ne vaudrait pas d’être regardée ; il n’a pas été gardé.</translation>
    </message>
    <message>
        <source>The result reached %1, over the limit of %2, after %3 encodes; it was not kept.</source>
        <translation>Le résultat a atteint %1, au-delà de la limite de %2, après %3 encodages ; il n’a pas été gardé.</translation>
    </message>
    <message>
        <source>Made to fit %1: %2.</source>
        <translation>Ajusté à %1 : %2.</translation>
    </message>
    <message>
        <source>Made to fit %1: %2, encoded %3 times.</source>
        <translation>Ajusté à %1 : %2, encodé %3 fois.</translation>
    </message>
    <message>
        <source>This file cannot be made to fit %1 in this format: even at its lowest quality its picture needs more. A larger limit, a smaller picture or another format would fit.</source>
        <translation>Ce fichier ne peut pas tenir dans %1 avec ce format : même à sa qualité la plus basse, son image demande davantage. Une limite plus grande, une image plus petite ou un autre format conviendraient.</translation>
    </message>
</context>
<context>
    <name>reelwright::SizePlan</name>
    <message>
        <source>The file cannot fit in %1 and still be worth watching: at %3x%4 it needs at least %2. Choose a smaller picture, a shorter file or a larger limit.</source>
        <translation>Le fichier ne peut pas tenir dans %1 et rester regardable : en %3x%4, il lui faut au moins %2. Choisissez une image plus petite, un fichier plus court ou une limite plus grande.</translation>
    </message>
</context>
<context>
    <name>reelwright::Status</name>
    <message>
        <location filename="../src/joblist/StatusText.cpp" line="+9"/>
        <source>Waiting Conversion</source>
        <translation>En attente de conversion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unkown Format</source>
        <translation>Format inconnu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Starting...</source>
        <translation>Démarrage…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown format</source>
        <translation>Format inconnu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancelled</source>
        <translation>Annulée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complete</source>
        <translation>Terminée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Waiting Next Batch</source>
        <translation>Attend le prochain lot</translation>
    </message>
</context>
<context>
    <name>reelwright::TimeLeft</name>
    <message>
        <location filename="../src/batch/TimeLeft.cpp" line="+209"/>
        <source>File %1 of %2</source>
        <extracomment>The batch&apos;s progress: the file converting now, of how many.</extracomment>
        <translation>Fichier %1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>%1% of %n files</source>
        <translation>
            <numerusform>%1 % sur %n fichier</numerusform>
            <numerusform>%1 % sur %n fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1% of %n files, %2 left</source>
        <translation>
            <numerusform>%1 % sur %n fichier, %2 restant</numerusform>
            <numerusform>%1 % sur %n fichiers, %2 restant</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelwright::TrackPlan</name>
    <message>
        <location filename="../src/batch/TrackPlan.cpp" line="+143"/>
        <source>Its tracks could not be read (%1), so the encoder chose one of each kind.</source>
        <extracomment>%1 is why the file&apos;s tracks could not be read.</extracomment>
        <translation>Ses pistes n’ont pas pu être lues (%1) ; l’encodeur en a donc choisi une de chaque sorte.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>one track of each kind is kept (Keep every audio and subtitle track is off)</source>
        <extracomment>Why a track was left out. The words in parentheses are a setting&apos;s name in the window.</extracomment>
        <translation>une piste de chaque sorte est gardée (« Garder pistes audio et sous-titres » est désactivé)</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>%1 holds no picture</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 ne contient aucune image</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds one picture track: the main one is kept</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 ne contient qu’une piste vidéo : la principale est gardée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the chosen format keeps no picture</source>
        <extracomment>Why a track was left out.</extracomment>
        <translation>le format choisi ne garde pas l’image</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 holds no sound</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 ne contient aucun son</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds one sound track: the default one is kept</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 ne contient qu’une piste audio : celle par défaut est gardée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the chosen format keeps no sound</source>
        <extracomment>Why a track was left out.</extracomment>
        <translation>le format choisi ne garde pas le son</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>the chosen format keeps no subtitles</source>
        <extracomment>Why a track was left out.</extracomment>
        <translation>le format choisi ne garde pas les sous-titres</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot hold picture subtitles</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 ne peut pas contenir de sous-titres en image</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot hold text subtitles</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 ne peut pas contenir de sous-titres texte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot hold subtitles</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 ne peut pas contenir de sous-titres</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot hold subtitles of this kind</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 ne peut pas contenir de sous-titres de ce type</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 cannot hold fonts</source>
        <extracomment>Why a font was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 ne peut pas contenir de polices</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot hold cover art</source>
        <extracomment>Why the cover art was left out. %1 is a kind of file, such as MP4.</extracomment>
        <translation>%1 ne peut pas contenir de pochette</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its picture could not be read</source>
        <extracomment>Why the cover art was left out.</extracomment>
        <translation>son image n’a pas pu être lue</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The source has no picture: only its sound was kept.</source>
        <translation>La source n’a pas d’image : seul le son a été gardé.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 cannot hold %2 video copied as it is, so nothing was written: choose a preset that encodes it, or a container that holds %2 (MKV holds any).</source>
        <extracomment>%1 is a kind of file, such as AVI; %2 a codec, such as HEVC.</extracomment>
        <translation>%1 ne peut pas contenir de vidéo %2 copiée telle quelle ; rien n’a donc été écrit : choisissez un préréglage qui l’encode, ou un conteneur qui accepte %2 (MKV les accepte tous).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 cannot hold %2 sound copied as it is, so nothing was written: choose a preset that encodes it, or a container that holds %2 (MKV holds any).</source>
        <extracomment>%1 is a kind of file, such as AVI; %2 a codec, such as Opus.</extracomment>
        <translation>%1 ne peut pas contenir de son %2 copié tel quel ; rien n’a donc été écrit : choisissez un préréglage qui l’encode, ou un conteneur qui accepte %2 (MKV les accepte tous).</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 cannot hold %2 video as it is: it was encoded as %3.</source>
        <extracomment>%1 is a kind of file, such as MP4; %2 and %3 are codecs.</extracomment>
        <translation>%1 ne peut pas contenir la vidéo %2 telle quelle : elle a été encodée en %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot hold %2 sound as it is: it was encoded as %3.</source>
        <extracomment>%1 is a kind of file, such as MP4; %2 and %3 are codecs.</extracomment>
        <translation>%1 ne peut pas contenir le son %2 tel quel : il a été encodé en %3.</translation>
    </message>
    <message>
        <source>%1 cannot hold %2 subtitles as they are: they were converted to %3.</source>
        <extracomment>%1 is a kind of file, such as MP4; %2 and %3 are subtitle formats, such as SRT.</extracomment>
        <translation>%1 ne peut pas contenir les sous-titres %2 tels quels : ils ont été convertis en %3.</translation>
    </message>
    <message>
        <location line="+156"/>
        <source>The converted file %1 cannot be read back (%2), so it was not kept.</source>
        <extracomment>%1 is the converted file, %2 why it cannot be read.</extracomment>
        <translation>Le fichier converti %1 ne peut pas être relu (%2) ; il n’a donc pas été gardé.</translation>
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
            <numerusform>%1 des %n pistes vidéo</numerusform>
            <numerusform>%1 des %n pistes vidéo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n audio tracks</source>
        <translation>
            <numerusform>%1 des %n pistes audio</numerusform>
            <numerusform>%1 des %n pistes audio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n subtitle tracks</source>
        <translation>
            <numerusform>%1 des %n pistes de sous-titres</numerusform>
            <numerusform>%1 des %n pistes de sous-titres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n cover pictures</source>
        <translation>
            <numerusform>%1 des %n images de pochette</numerusform>
            <numerusform>%1 des %n images de pochette</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n fonts</source>
        <translation>
            <numerusform>%1 des %n polices</numerusform>
            <numerusform>%1 des %n polices</numerusform>
        </translation>
    </message>
    <message>
        <source>The converted file %1 lacks %2 it was to keep, so it was not kept.</source>
        <translation>Il manque au fichier converti %1 des éléments qui devaient être gardés (%2) ; il n’a donc pas été gardé.</translation>
    </message>
    <message>
        <source>the video track</source>
        <translation>la piste vidéo</translation>
    </message>
    <message>
        <source>the audio track</source>
        <translation>la piste audio</translation>
    </message>
    <message>
        <source>the subtitle track</source>
        <translation>la piste de sous-titres</translation>
    </message>
    <message>
        <source>the cover picture</source>
        <translation>l’image de pochette</translation>
    </message>
    <message>
        <source>the font</source>
        <translation>la police</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 holds DVD subtitles only, and these pictures cannot become them without being misplaced and recoloured</source>
        <extracomment>Why a track was left out. %1 is a kind of file, such as MPEG (DVD).</extracomment>
        <translation>%1 ne contient que des sous-titres DVD, et ces images ne peuvent pas en devenir sans être mal placées et recolorées</translation>
    </message>
    <message>
        <source>Subtitles beside the video joined it: %1.</source>
        <extracomment>%1 lists subtitle files beside the video, such as &quot;film.en.srt, film.de.srt&quot;.</extracomment>
        <translation>Les sous-titres à côté de la vidéo l’ont rejointe : %1.</translation>
    </message>
    <message>
        <source>The source was not read: %1, so nothing was converted.</source>
        <extracomment>%1 says what the source is instead of a file (&quot;it is a named pipe, not a regular file&quot;).</extracomment>
        <translation>La source n’a pas été lue : %1, donc rien n’a été converti.</translation>
    </message>
    <message>
        <source>the file declares it but holds no picture in it</source>
        <extracomment>Why a track was left out: the file lists it, but no frame of it.</extracomment>
        <translation>le fichier la déclare mais n’y contient aucune image</translation>
    </message>
    <message>
        <source>the file declares it but holds no sound in it</source>
        <extracomment>Why a track was left out: the file lists it, but no sound of it.</extracomment>
        <translation>le fichier la déclare mais n’y contient aucun son</translation>
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
        <translation>%1 et %2</translation>
    </message>
    <message numerus="yes">
        <source>%n fonts</source>
        <translation>
            <numerusform>%n police</numerusform>
            <numerusform>%n polices</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video tracks</source>
        <translation>
            <numerusform>%n piste vidéo</numerusform>
            <numerusform>%n pistes vidéo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n audio tracks</source>
        <translation>
            <numerusform>%n piste audio</numerusform>
            <numerusform>%n pistes audio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle tracks</source>
        <translation>
            <numerusform>%n piste de sous-titres</numerusform>
            <numerusform>%n pistes de sous-titres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n picture subtitle tracks</source>
        <translation>
            <numerusform>%n piste de sous-titres en image</numerusform>
            <numerusform>%n pistes de sous-titres en image</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n %1 tracks</source>
        <translation>
            <numerusform>%n piste %1</numerusform>
            <numerusform>%n pistes %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 video</source>
        <extracomment>How many tracks of a kind were kept; &quot;tracks&quot; follows after the list.</extracomment>
        <translation>%1 vidéo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 audio</source>
        <extracomment>How many tracks of a kind were kept; &quot;tracks&quot; follows after the list.</extracomment>
        <translation>%1 audio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 subtitle</source>
        <extracomment>How many tracks of a kind were kept; &quot;tracks&quot; follows after the list.</extracomment>
        <translation>%1 de sous-titres</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+42"/>
        <source>the cover art</source>
        <translation>la pochette</translation>
    </message>
    <message numerus="yes">
        <source>Kept %1 tracks.</source>
        <translation>
            <numerusform>Piste gardée : %1.</numerusform>
            <numerusform>Pistes gardées : %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Kept %1 tracks, with %2.</source>
        <translation>
            <numerusform>Piste gardée : %1, avec %2.</numerusform>
            <numerusform>Pistes gardées : %1, avec %2.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kept %1.</source>
        <extracomment>%1 is the cover art or fonts kept.</extracomment>
        <translation>Éléments gardés : %1.</translation>
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
        <translation>%1 : %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1; %2</source>
        <extracomment>Joins the groups of tracks left out, each with its reason.</extracomment>
        <translation>%1 ; %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Left out: %1.</source>
        <extracomment>%1 lists what was left out, each with its reason.</extracomment>
        <translation>Éléments écartés : %1.</translation>
    </message>
</context>
<context>
    <name>reelwright::UnendedProcesses</name>
    <message>
        <location filename="../src/engine/UnendedProcesses.cpp" line="+70"/>
        <source>Stopped, but the encoder (process %1) could not be stopped yet: it does not answer, as when a network folder it reads or writes no longer responds. It ends as soon as the system lets it, and its half-written file is removed then.</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>Arrêtée, mais l’encodeur (processus %1) n’a pas encore pu être arrêté : il ne répond pas, comme lorsqu’un dossier réseau qu’il lit ou dans lequel il écrit ne répond plus. Il se terminera dès que le système le permettra, et son fichier à moitié écrit sera alors supprimé.</translation>
    </message>
</context>
<context>
    <name>reelwright::VideoFileAdder</name>
    <message>
        <location filename="../src/joblist/VideoFileAdder.cpp" line="+73"/>
        <source>Common Video Files (%1)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (%1)&quot; at the end, it holds the patterns.</extracomment>
        <translation>Fichiers vidéo courants (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MPEG Files(.mpg,*.mpeg,*.mp2,*.mp4,*.mpe,*.m4v) (%1)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (%1)&quot; at the end, it holds the patterns.</extracomment>
        <translation>Fichiers MPEG (.mpg,*.mpeg,*.mp2,*.mp4,*.mpe,*.m4v) (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Windows Media Files(*.wmv,*.asf) (%1)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (%1)&quot; at the end, it holds the patterns.</extracomment>
        <translation>Fichiers Windows Media (*.wmv,*.asf) (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AVI Files(*.avi) (%1)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (%1)&quot; at the end, it holds the patterns.</extracomment>
        <translation>Fichiers AVI (*.avi) (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QuickTime Files-Ver2 or less(*.mov) (%1)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (%1)&quot; at the end, it holds the patterns.</extracomment>
        <translation>Fichiers QuickTime version 2 ou antérieure (*.mov) (%1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All Files(*.*) (*)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot; (*)&quot; at the end, it is the pattern.</extracomment>
        <translation>Tous les fichiers (*.*) (*)</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Selected Folder is empty.</source>
        <translation>Le dossier choisi est vide.</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>%1: %2</source>
        <extracomment>A line of the list of files not added: %1 is a path, %2 why it was not added.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Some files are not supported or already exist and will not be added</source>
        <translation>Certains fichiers ne sont pas pris en charge ou sont déjà dans la liste, et ne seront pas ajoutés</translation>
    </message>
</context>
<context>
    <name>reelwright::WholeFile</name>
    <message>
        <location filename="../src/platform/WholeFile.cpp" line="+40"/>
        <source>the file written is not whole</source>
        <extracomment>Why a file could not be saved.</extracomment>
        <translation>le fichier écrit n’est pas complet</translation>
    </message>
</context>
<context>
    <name>reelwright::frmMain</name>
    <message>
        <source>[As Input]</source>
        <extracomment>The first item of the picture size and aspect lists: what the source has.</extracomment>
        <translation>[Comme la source]</translation>
    </message>
    <message>
        <location filename="../src/window/frmMain.cpp" line="+98"/>
        <source>The list of files cannot be kept for the next start (%1). Converting goes on, but the list will be lost when Reelwright ends.</source>
        <translation>La liste des fichiers ne peut pas être gardée pour le prochain démarrage (%1). La conversion continue, mais la liste sera perdue à la fermeture de Reelwright.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The encoder&apos;s output cannot be kept in logs (%1). Converting goes on.</source>
        <translation>La sortie de l’encodeur ne peut pas être journalisée (%1). La conversion continue.</translation>
    </message>
    <message>
        <location line="+87"/>
        <location filename="../src/window/frmMainShell.cpp" line="+63"/>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/frmMainShell.cpp" line="+26"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (F1)</source>
        <translation>%1 (F1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Three easy steps to convert your video files.</source>
        <translation>Trois étapes simples pour convertir vos vidéos.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  - Add Video Files/Folders</source>
        <translation>  - Ajouter des vidéos ou dossiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Video File...</source>
        <translation>Ajouter vidéo…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Folder...</source>
        <translation>Ajouter dossier…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>For Quick Adding:You can drag and drop video files into the below list</source>
        <translation>Plus vite : glissez-déposez vos vidéos dans la liste ci-dessous</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select/Unselect All</source>
        <translation>Tout cocher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove Selected</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play Highlighted File</source>
        <translation>Lire la vidéo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>  - Select Output Folder and Format</source>
        <translation>  - Dossier et format de sortie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output Folder:</source>
        <translation>Dossier de sortie :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Same folder as input file</source>
        <translation>Dossier de la source</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other folder</source>
        <translation>Autre dossier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Browse...</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output Format:</source>
        <translation>Format de sortie :</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Change...</source>
        <translation>Modifier…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>- Click Convert to start conversion</source>
        <translation>- Cliquez sur Convertir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files at once:</source>
        <translation>Simultanés :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Files at once</source>
        <translation>Fichiers simultanés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How many files convert at the same time. Auto converts several short files at once,
and long ones one at a time when their encoder already keeps every core busy.</source>
        <translation>Combien de fichiers sont convertis en même temps. Auto convertit plusieurs fichiers courts à la fois,
et les longs un par un quand leur encodeur occupe déjà tous les cœurs.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/window/frmMainBatch.cpp" line="+28"/>
        <source>Convert Selected</source>
        <translation>Convertir cochés</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/window/frmMainBatch.cpp" line="-3"/>
        <location line="+110"/>
        <source>Convert All</source>
        <translation>Tout convertir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shutdown after conversion complete</source>
        <translation>Éteindre à la fin</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Select folder to add</source>
        <translation>Choisir le dossier à ajouter</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Select one or more video files</source>
        <translation>Choisir un ou plusieurs fichiers vidéo</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>Please Stop Conversion first.</source>
        <translation>Veuillez d’abord arrêter la conversion.</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainBatch.cpp" line="-95"/>
        <source>Select the output folder</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The list is empty, Please add Video files from step 1</source>
        <translation>La liste est vide. Ajoutez des vidéos à l’étape 1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+32"/>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>No checked file is waiting for conversion. Tick the files to convert, or use Convert All.</source>
        <translation>Aucun fichier coché n’attend de conversion. Cochez les fichiers à convertir, ou utilisez « Tout convertir ».</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No file is waiting for conversion: every file in the list has been converted or cannot be read.</source>
        <translation>Aucun fichier n’attend de conversion : chaque fichier de la liste a été converti ou ne peut pas être lu.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> To try a file that failed again, right-click it and choose Convert Again.</source>
        <translation> Pour réessayer un fichier en échec, faites un clic droit dessus et choisissez « Convertir à nouveau ».</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainFormats.cpp" line="+96"/>
        <source>Output Video Formats</source>
        <translation>Formats de sortie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Presets</source>
        <translation>Préréglages</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom (Advanced)</source>
        <translation>Personnalisé (avancé)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Keep every audio and subtitle track</source>
        <translation>Garder pistes audio et sous-titres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every sound and subtitle track of a file goes into its result, as far as the format can
hold them; what it cannot hold is named on the file&apos;s row. Off: one of each kind.</source>
        <translation>Chaque piste audio et de sous-titres va dans le résultat, autant que le format peut
les contenir ; ce qu’il ne peut pas contenir est indiqué sur la ligne du fichier. Désactivé : une de chaque sorte.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep the original&apos;s date</source>
        <translation>Garder la date de l’original</translation>
    </message>
    <message>
        <source>Largest result:</source>
        <translation>Résultat maximal :</translation>
    </message>
    <message>
        <source>Largest result, in the unit beside it</source>
        <translation>Résultat maximal, dans l’unité à côté</translation>
    </message>
    <message>
        <source>Unit of the largest result</source>
        <translation>Unité du résultat maximal</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>A copy keeps its pictures as they are, so it cannot be made to fit a size.</source>
        <translation>Une copie garde ses images telles quelles : elle ne peut donc pas tenir dans une taille.</translation>
    </message>
    <message>
        <source>Each result is made to fit this size: the picture&apos;s bit rate is worked out
from it, and a result over it is encoded again smaller. A limit too small
for a watchable picture is refused before anything is written.</source>
        <translation>Chaque résultat est fait pour tenir dans cette taille : le débit de l’image en est
déduit, et un résultat plus gros est réencodé plus petit. Une limite trop petite
pour une image regardable est refusée avant que rien ne soit écrit.</translation>
    </message>
    <message>
        <source>Remove black bars</source>
        <translation>Retirer les bandes noires</translation>
    </message>
    <message>
        <source>Make the picture smaller when needed</source>
        <translation>Réduire l’image si nécessaire</translation>
    </message>
    <message>
        <source>A picture too large for the size at a watchable quality is made smaller
(1080p, 720p, 480p, then 360p) until it fits, and the row says to what.</source>
        <translation>Une image trop grande pour la taille avec une qualité regardable est réduite
(1080p, 720p, 480p, puis 360p) jusqu’à ce qu’elle tienne, et la ligne dit à combien.</translation>
    </message>
    <message>
        <source>This format keeps a quality of its own that no bit rate changes, so it
cannot be made to fit a size.</source>
        <translation>Ce format garde une qualité propre qu’aucun débit ne change : il ne peut donc
pas être ajusté à une taille.</translation>
    </message>
    <message>
        <source>Black bars around the picture (a letterbox, a pillarbox) are cut off where
the whole file has them; a dark scene or a fade to black is never cut.</source>
        <translation>Les bandes noires autour de l’image (letterbox, pillarbox) sont retirées là où
tout le fichier en a ; une scène sombre ou un fondu au noir n’est jamais rogné.</translation>
    </message>
    <message>
        <source>A copy keeps its pictures as they are, so their black bars stay.</source>
        <translation>Une copie garde ses images telles quelles : leurs bandes noires restent.</translation>
    </message>
    <message>
        <source>Even loudness:</source>
        <translation>Sonie égale :</translation>
    </message>
    <message>
        <source>Even loudness</source>
        <translation>Sonie égale</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source>Broadcast (-23 LUFS)</source>
        <translation>Radiodiffusion (-23 LUFS)</translation>
    </message>
    <message>
        <source>Web and podcasts (-16 LUFS)</source>
        <translation>Web et podcasts (-16 LUFS)</translation>
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
        <translation>Le son de chaque résultat est mesuré et amené à la même sonie, pour qu’aucun fichier ne
sonne beaucoup plus fort ou plus bas que les autres ; ses crêtes restent sous -1 dBTP. La
mesure ajoute un court passage avant chaque fichier. Le son d’une copie est encodé pour
être égalisé.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each result takes the date and time its original was last changed.</source>
        <translation>Chaque résultat prend la date et l’heure de dernière modification de son original.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check results by decoding them</source>
        <translation>Vérifier en décodant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each result is played through once, as fast as the computer can, before it takes its
name; a result with a fault fails instead. Converting takes longer.</source>
        <translation>Chaque résultat est lu une fois, aussi vite que possible, avant de prendre son
nom ; un résultat défectueux échoue. La conversion prend plus de temps.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;&amp; Close</source>
        <translation>Enregistrer &amp;&amp; fermer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restore Defaults</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Output Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+49"/>
        <source>Output Video Codec:</source>
        <translation>Codec vidéo :</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>Output File Format (Container):</source>
        <translation>Format de fichier (conteneur) :</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Output Format(Container):</source>
        <translation>Format (conteneur) :</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Output Audio Options</source>
        <translation>Audio</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Output Audio Codec:</source>
        <translation>Codec audio :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sampling Rate:</source>
        <translation>Échantillonnage :</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+13"/>
        <source>Bitrate:</source>
        <translation>Débit :</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Channels:</source>
        <translation>Canaux :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Output Video Options</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Video Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aspect Ratio:</source>
        <translation>Proportions :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frame rate:</source>
        <translation>Images/s :</translation>
    </message>
    <message>
        <location line="+149"/>
        <source>Error occured while getting paramters</source>
        <translation>Une erreur est survenue lors de la lecture des paramètres</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainRuns.cpp" line="+27"/>
        <source>Switching Off</source>
        <translation>Extinction</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Power Off Now</source>
        <translation>Éteindre maintenant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message numerus="yes">
        <source>The batch has ended. The computer will be switched off in %n seconds.</source>
        <translation>
            <numerusform>Le lot est terminé. L’ordinateur s’éteindra dans %n seconde.</numerusform>
            <numerusform>Le lot est terminé. L’ordinateur s’éteindra dans %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Interrupted Batch</source>
        <translation>Lot interrompu</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not now</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The list of files kept from the last run could not be read (%1), so the list starts empty. It was kept as %2.</source>
        <translation>La liste des fichiers gardée de la dernière session n’a pas pu être lue (%1) : la liste commence vide. Elle a été gardée sous %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Another Reelwright window is open and keeps the list of files. The files of this window are not kept when it closes, and the other window&apos;s batch is not offered here.</source>
        <translation>Une autre fenêtre Reelwright est ouverte et garde la liste des fichiers. Les fichiers de cette fenêtre ne sont pas gardés à sa fermeture, et le lot de l’autre fenêtre n’est pas proposé ici.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows of the list kept from the last run could not be read and were left out. The list as it was is kept as %1.</source>
        <translation>
            <numerusform>Une ligne de la liste gardée de la dernière session n’a pas pu être lue et a été écartée. La liste telle qu’elle était est gardée sous %1.</numerusform>
            <numerusform>%n lignes de la liste gardée de la dernière session n’ont pas pu être lues et ont été écartées. La liste telle qu’elle était est gardée sous %1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>One file kept in the list is no longer there and was left out: %1</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Un fichier de la liste n’existe plus et a été écarté : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n files kept in the list are no longer there and were left out.</source>
        <translation>
            <numerusform>%n fichiers de la liste n’existent plus et ont été écartés.</numerusform>
            <numerusform>%n fichiers de la liste n’existent plus et ont été écartés.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>beside each file</source>
        <translation>à côté de chaque fichier</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted before it ended: %n files are still to convert.

Resume converts them with the format and output folder the batch had:
%1</source>
        <translation>
            <numerusform>Le dernier lot a été interrompu avant la fin : %n fichier reste à convertir.

« Reprendre » le convertit avec le format et le dossier de sortie du lot :
%1</numerusform>
            <numerusform>Le dernier lot a été interrompu avant la fin : %n fichiers restent à convertir.

« Reprendre » les convertit avec le format et le dossier de sortie du lot :
%1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Show Encoder Output...</source>
        <translation>Afficher la sortie de l’encodeur…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Convert Again</source>
        <translation>Convertir à nouveau</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear Finished</source>
        <translation>Retirer les terminés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Takes the converted files out of the list</source>
        <translation>Retire de la liste les fichiers convertis</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted, %1 failed</source>
        <translation>
            <numerusform>%n fichier converti, %1 en échec</numerusform>
            <numerusform>%n fichiers convertis, %1 en échec</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, %1 stopped</source>
        <translation>, %1 arrêté(s)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Conversion stopped</source>
        <translation>Conversion arrêtée</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Conversion finished</source>
        <translation>Conversion terminée</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Every file was converted.</source>
        <translation>Tous les fichiers ont été convertis.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>These files could not be converted:
</source>
        <translation>Ces fichiers n’ont pas pu être convertis :
</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainSettings.cpp" line="+122"/>
        <source>Your choices (output folder and format) could not be saved, so the next start will not show them:</source>
        <translation>Vos choix (dossier et format de sortie) n’ont pas pu être enregistrés ; le prochain démarrage ne les reprendra pas :</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainShell.cpp" line="-15"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Converts a list of video files, one after another, into the format your computer, phone or player needs, with the FFmpeg encoder doing the work.</source>
        <translation>Convertit une liste de vidéos, l’une après l’autre, au format dont votre ordinateur, téléphone ou lecteur a besoin, grâce à l’encodeur FFmpeg.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Made by</source>
        <translation>Conçu par</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Converts with</source>
        <translation>Convertit avec</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Files to convert</source>
        <translation>Fichiers à convertir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Audio bitrate in kbps</source>
        <translation>Débit audio en kbit/s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Audio channels</source>
        <translation>Canaux audio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Video bitrate in kbps</source>
        <translation>Débit vidéo en kbit/s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frame rate in fps</source>
        <translation>Images par seconde</translation>
    </message>
    <message>
        <location filename="../src/window/frmMainFormats.cpp" line="-258"/>
        <source>Save as Preset...</source>
        <translation>Enregistrer…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keeps the custom format as a preset of your own, listed with the others. Your presets
live in your own folder, where installing or upgrading the program never touches them.</source>
        <translation>Garde le format personnalisé comme préréglage à vous, listé avec les autres. Vos préréglages
sont dans votre propre dossier, que l’installation ou la mise à jour du programme ne touche jamais.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Remove Preset</source>
        <translation>Retirer le préréglage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Removes the chosen preset of your own.</source>
        <translation>Retire le préréglage personnel choisi.</translation>
    </message>
    <message>
        <source>Expected size and time of the batch</source>
        <translation>Taille et durée prévues du lot</translation>
    </message>
    <message>
        <source>Reelwright windows started later cannot hand their files to this one (%1). They open windows of their own.</source>
        <translation>Les fenêtres Reelwright ouvertes plus tard ne peuvent pas transmettre leurs fichiers à celle-ci (%1). Elles ouvrent leurs propres fenêtres.</translation>
    </message>
    <message>
        <source>Remove your preset &quot;%1&quot; from &quot;%2&quot;? This cannot be undone.</source>
        <extracomment>%1 is a preset&apos;s name, %2 its category.</extracomment>
        <translation>Retirer votre préréglage « %1 » de « %2 » ? Cette opération ne peut pas être annulée.</translation>
    </message>
</context>
<context>
    <name>reelwright::FileSize</name>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 Go</translation>
    </message>
</context>
<context>
    <name>reelwright::CliInputs</name>
    <message>
        <source>%1: a link that leads out of %2, to %3</source>
        <translation>%1 : un lien qui sort de %2, vers %3</translation>
    </message>
</context>
<context>
    <name>reelwright::EvenSizeNote</name>
    <message>
        <source>The picture was made %1 from %2: the encoder takes even sizes only.</source>
        <extracomment>%1 and %2 are picture sizes in pixels, such as 720x404 and 721x405.</extracomment>
        <translation>L’image est passée de %2 à %1 : l’encodeur n’accepte que des tailles paires.</translation>
    </message>
</context>
<context>
    <name>reelwright::FileConversion</name>
    <message>
        <source>The file changed while it was converted; its result is not kept.</source>
        <translation>Le fichier a changé pendant sa conversion ; son résultat n’est pas gardé.</translation>
    </message>
</context>
<context>
    <name>reelwright::FilterGraphCheck</name>
    <message>
        <source>the filter &quot;%1&quot; is not one this program knows, so it cannot tell that it opens no file</source>
        <extracomment>Why a preset is refused: %1 is the name of a filter.</extracomment>
        <translation>le filtre « %1 » n’est pas connu de ce programme, qui ne peut donc pas s’assurer qu’il n’ouvre aucun fichier</translation>
    </message>
    <message>
        <source>the filter &quot;%1&quot; must be given its options by name (name=value)</source>
        <extracomment>Why a preset is refused: %1 is a filter such as drawtext.</extracomment>
        <translation>le filtre « %1 » doit recevoir ses options par leur nom (name=value)</translation>
    </message>
    <message>
        <source>the filter &quot;%1&quot; opens files, libraries or sockets by name</source>
        <extracomment>Why a preset is refused: %1 is the name of a filter, such as movie.</extracomment>
        <translation>le filtre « %1 » ouvre des fichiers, des bibliothèques ou des sockets par leur nom</translation>
    </message>
    <message>
        <source>the filter &quot;%1&quot; would read its option &quot;%2&quot; from a file</source>
        <extracomment>Why a preset is refused: %1 is a filter, %2 one of its options.</extracomment>
        <translation>le filtre « %1 » lirait son option « %2 » depuis un fichier</translation>
    </message>
    <message>
        <source>the filter graph &quot;%1&quot; cannot be read</source>
        <extracomment>Why a preset is refused: %1 is one of its filter graphs.</extracomment>
        <translation>le graphe de filtres « %1 » ne peut pas être lu</translation>
    </message>
    <message>
        <source>the filter label &quot;[%1]&quot; takes tracks from another input than the one being converted</source>
        <extracomment>Why a preset is refused: %1 is a label of a filter graph, such as &quot;1:v&quot;.</extracomment>
        <translation>l’étiquette de filtre « [%1] » prend des pistes d’une autre source que celle en cours de conversion</translation>
    </message>
    <message>
        <source>the option &quot;%2&quot; of the filter &quot;%1&quot; names a file</source>
        <extracomment>Why a preset is refused: %1 is a filter, %2 one of its options.</extracomment>
        <translation>l’option « %2 » du filtre « %1 » désigne un fichier</translation>
    </message>
</context>
<context>
    <name>reelwright::FixedFrame</name>
    <message>
        <source>Picture fitted into %1 with black bars, shown at %2.</source>
        <extracomment>%1 is the frame&apos;s size (&quot;720x576&quot;), %2 its shape (&quot;16:9&quot;).</extracomment>
        <translation>Image ajustée dans %1 avec des bandes noires, affichée en %2.</translation>
    </message>
</context>
<context>
    <name>reelwright::LoudnessLook</name>
    <message>
        <source>The sound could not be measured to even its loudness.</source>
        <extracomment>Said when the sound could not be measured before evening its loudness.</extracomment>
        <translation>Le son n’a pas pu être mesuré pour égaliser sa sonie.</translation>
    </message>
    <message>
        <source>The sound could not be measured to even its loudness: %1</source>
        <translation>Le son n’a pas pu être mesuré pour égaliser sa sonie : %1</translation>
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
        <translation>%1 ne contient aucun son que ce programme sache encoder ; sa sonie a donc été laissée telle quelle.</translation>
    </message>
    <message>
        <source>Loudness %1 → %2, through a limiter: one gain would have taken its peaks above %3 dBTP.</source>
        <extracomment>%1 and %2 are loudnesses; %3 the true-peak limit, such as -1.</extracomment>
        <translation>Sonie %1 → %2, avec un limiteur : un gain unique aurait porté ses crêtes au-dessus de %3 dBTP.</translation>
    </message>
    <message>
        <source>Loudness %1 → %2.</source>
        <extracomment>%1 and %2 are loudnesses: &quot;-31.2 LUFS → -16.0 LUFS&quot;.</extracomment>
        <translation>Sonie %1 → %2.</translation>
    </message>
    <message>
        <source>Picture copied, sound encoded to even its loudness (%1).</source>
        <extracomment>%1 is an audio codec, such as AAC.</extracomment>
        <translation>Image copiée, son encodé pour égaliser sa sonie (%1).</translation>
    </message>
    <message>
        <source>Sound track %1: %2</source>
        <extracomment>%1 is a sound track&apos;s number; %2 what was done to it, such as &quot;loudness -31.2 LUFS → -16.0 LUFS.&quot;</extracomment>
        <translation>Piste audio %1 : %2</translation>
    </message>
    <message>
        <source>The format filters its sound itself, so its loudness was left as it is.</source>
        <translation>Le format filtre lui-même le son ; sa sonie a donc été laissée telle quelle.</translation>
    </message>
    <message>
        <source>The sound is silent or nearly so: its loudness was left as it is.</source>
        <translation>Le son est silencieux ou presque : sa sonie a été laissée telle quelle.</translation>
    </message>
    <message>
        <source>The sound was encoded to even its loudness (%1).</source>
        <extracomment>%1 is an audio codec, such as AAC.</extracomment>
        <translation>Le son a été encodé pour égaliser sa sonie (%1).</translation>
    </message>
    <message>
        <source>The sound&apos;s loudness could not be measured: it was left as it is.</source>
        <translation>La sonie du son n’a pas pu être mesurée : elle a été laissée telle quelle.</translation>
    </message>
    <message>
        <source>about %1</source>
        <extracomment>A loudness that was not measured: &quot;about -16.0 LUFS&quot;.</extracomment>
        <translation>environ %1</translation>
    </message>
    <message>
        <source>its loudness could not be measured: it was left as it is.</source>
        <translation>sa sonie n’a pas pu être mesurée : elle a été laissée telle quelle.</translation>
    </message>
    <message>
        <source>loudness %1 → %2, through a limiter: one gain would have taken its peaks above %3 dBTP.</source>
        <extracomment>%1 and %2 are loudnesses; %3 the true-peak limit, such as -1.</extracomment>
        <translation>sonie %1 → %2, avec un limiteur : un gain unique aurait porté ses crêtes au-dessus de %3 dBTP.</translation>
    </message>
    <message>
        <source>loudness %1 → %2.</source>
        <extracomment>%1 and %2 are loudnesses: &quot;-31.2 LUFS → -16.0 LUFS&quot;.</extracomment>
        <translation>sonie %1 → %2.</translation>
    </message>
    <message>
        <source>silent or nearly so: its loudness was left as it is.</source>
        <translation>silencieux ou presque : sa sonie a été laissée telle quelle.</translation>
    </message>
</context>
<context>
    <name>reelwright::OwnFolder</name>
    <message>
        <source>%1 belongs to another user (uid %2)</source>
        <translation>%1 appartient à un autre utilisateur (uid %2)</translation>
    </message>
    <message>
        <source>%1 cannot be looked at: %2</source>
        <translation>%1 ne peut pas être examiné : %2</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>%1 ne peut pas être créé : %2</translation>
    </message>
    <message>
        <source>%1 has mode %2, not 0700: other users could reach into it</source>
        <translation>%1 a le mode %2, et non 0700 : d’autres utilisateurs pourraient y accéder</translation>
    </message>
    <message>
        <source>%1 is a link, not a folder</source>
        <translation>%1 est un lien, pas un dossier</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n’est pas un dossier</translation>
    </message>
</context>
<context>
    <name>reelwright::PresetParams</name>
    <message>
        <source>&quot;%1 %2&quot; takes tracks from another input than the one being converted</source>
        <extracomment>Why a preset is refused: %1 %2 is an option and its value, such as -map 1:v.</extracomment>
        <translation>« %1 %2 » prend des pistes d’une autre source que celle en cours de conversion</translation>
    </message>
    <message>
        <source>&quot;%1&quot; decides whether existing files are written over, which the program decides itself</source>
        <extracomment>Why a preset is refused: %1 is -y or -n.</extracomment>
        <translation>« %1 » décide si les fichiers existants sont écrasés, ce que le programme décide lui-même</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option or an option&apos;s value: the encoder would write a second output file there</source>
        <extracomment>Why a preset is refused: %1 is a word of its params.</extracomment>
        <translation>« %1 » n’est ni une option ni la valeur d’une option : l’encodeur y écrirait un second fichier de sortie</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option the encoder takes</source>
        <extracomment>Why a preset is refused: %1 is a word of its params.</extracomment>
        <translation>« %1 » n’est pas une option acceptée par l’encodeur</translation>
    </message>
    <message>
        <source>&quot;%1&quot; makes the encoder print information and stop instead of converting</source>
        <extracomment>Why a preset is refused: %1 is an option such as -version.</extracomment>
        <translation>« %1 » fait que l’encodeur affiche des informations et s’arrête au lieu de convertir</translation>
    </message>
    <message>
        <source>&quot;%1&quot; makes the encoder read or write a file other than the one it converts</source>
        <extracomment>Why a preset is refused: %1 is an option such as -progress.</extracomment>
        <translation>« %1 » fait que l’encodeur lit ou écrit un fichier autre que celui qu’il convertit</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value, and none follows it</source>
        <extracomment>Why a preset is refused: %1 is an option such as -c:v.</extracomment>
        <translation>« %1 » demande une valeur, et aucune ne le suit</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would add another input</source>
        <extracomment>Why a preset is refused: %1 is -i.</extracomment>
        <translation>« %1 » ajouterait une autre source</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would read its value from a file</source>
        <extracomment>Why a preset is refused: %1 is an option such as -/vf.</extracomment>
        <translation>« %1 » lirait sa valeur depuis un fichier</translation>
    </message>
    <message>
        <source>a quote is not closed</source>
        <extracomment>Why a preset is refused.</extracomment>
        <translation>un guillemet n’est pas fermé</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; of &quot;%2&quot; names a file</source>
        <extracomment>Why a preset is refused: %1 is a setting such as stats, %2 an option such as -x264-params.</extracomment>
        <translation>le réglage « %1 » de « %2 » désigne un fichier</translation>
    </message>
    <message>
        <source>the value of &quot;%1&quot; names a file: &quot;%2&quot;</source>
        <extracomment>Why a preset is refused: %1 is an option such as -attach, %2 its value.</extracomment>
        <translation>la valeur de « %1 » désigne un fichier : « %2 »</translation>
    </message>
</context>
<context>
    <name>reelwright::RunningWindow</name>
    <message>
        <source>%1 cannot be listened on: %2</source>
        <translation>%1 ne peut pas être mis en écoute : %2</translation>
    </message>
    <message>
        <source>The files are not handed to the Reelwright window open, and this window opens on its own: %1.</source>
        <translation>Les fichiers ne sont pas transmis à la fenêtre Reelwright ouverte, et cette fenêtre s’ouvre séparément : %1.</translation>
    </message>
    <message>
        <source>The files are not handed to the window at %1: it belongs to another user. This window opens on its own.</source>
        <translation>Les fichiers ne sont pas transmis à la fenêtre située à %1 : elle appartient à un autre utilisateur. Cette fenêtre s’ouvre séparément.</translation>
    </message>
    <message>
        <source>Too many files to hand to the Reelwright window open; this window opens on its own.</source>
        <translation>Trop de fichiers à transmettre à la fenêtre Reelwright ouverte ; cette fenêtre s’ouvre séparément.</translation>
    </message>
</context>
<context>
    <name>reelwright::SafeFile</name>
    <message>
        <source>it is a device, not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>c’est un périphérique, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a folder, not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>c’est un dossier, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a link, not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>c’est un lien, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>c’est un tube nommé, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>c’est un socket, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file is not read.</extracomment>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>reelwright::SizeLimit</name>
    <message>
        <source>a size such as 25M, 25MB, 1.5G or 700MiB (K, M and G count by thousands, KiB, MiB and GiB by 1024), of 100K or more</source>
        <translation>une taille comme 25M, 25MB, 1.5G ou 700MiB (K, M et G comptent par milliers, KiB, MiB et GiB par 1024), de 100K ou plus</translation>
    </message>
</context>
<context>
    <name>reelwright::SoundLayout</name>
    <message>
        <source>%1 cannot hold %2.</source>
        <extracomment>%1 is an audio codec (&quot;AAC&quot;), %2 a channel layout (&quot;6.1&quot;).</extracomment>
        <translation>%1 ne peut pas contenir %2.</translation>
    </message>
    <message>
        <source>%1 sound mixed down to %2: %3</source>
        <extracomment>%1 and %2 are channel layouts (&quot;5.1&quot;, &quot;stereo&quot;); %3 says why.</extracomment>
        <translation>Son %1 réduit en %2 : %3</translation>
    </message>
    <message>
        <source>the format is %1.</source>
        <translation>le format est en %1.</translation>
    </message>
    <message>
        <source>the format keeps %1 channels.</source>
        <translation>le format garde %1 canaux.</translation>
    </message>
</context>
<context>
    <name>reelwright::TrackMarks</name>
    <message>
        <source>%1 keeps no commentary marks: %2 no longer marked so.</source>
        <translation>%1 ne garde aucune marque « commentaire » ; marque retirée : %2.</translation>
    </message>
    <message>
        <source>%1 keeps no forced marks: %2 no longer marked so.</source>
        <translation>%1 ne garde aucune marque « forcé » ; marque retirée : %2.</translation>
    </message>
    <message>
        <source>%1 keeps no languages: %2 left out.</source>
        <translation>%1 ne garde aucune langue ; langues écartées : %2.</translation>
    </message>
    <message>
        <source>%1 keeps no track titles: %2 left out.</source>
        <translation>%1 ne garde aucun titre de piste ; titres écartés : %2.</translation>
    </message>
</context>
<context>
    <name>reelwright::WatchedFolder</name>
    <message>
        <source>not a folder, so it cannot be watched</source>
        <translation>pas un dossier : il ne peut donc pas être surveillé</translation>
    </message>
    <message>
        <source>not taken: a link, which a watched folder never follows</source>
        <extracomment>Why a watched folder&apos;s entry is not converted.</extracomment>
        <translation>non pris en charge : un lien, qu’un dossier surveillé ne suit jamais</translation>
    </message>
    <message>
        <source>not taken: not a regular file (a pipe, a device or a socket)</source>
        <translation>non pris en charge : pas un fichier ordinaire (un tube, un périphérique ou un socket)</translation>
    </message>
    <message>
        <source>the folder to watch cannot be read: %1</source>
        <translation>le dossier à surveiller ne peut pas être lu : %1</translation>
    </message>
</context>
</TS>
