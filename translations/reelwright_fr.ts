<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>reelwright::BoxQueue</name>
    <message numerus="yes">
        <source>%n more came meanwhile; all of them are under Show Details.</source>
        <translation><numerusform>%n autre(s) message(s) entre-temps ; tous sont sous « Afficher les détails ».</numerusform><numerusform>%n autre(s) message(s) entre-temps ; tous sont sous « Afficher les détails ».</numerusform></translation>
    </message>
</context>
<context>
    <name>reelwright::Dialogs</name>
    <message>
        <source>Save as Preset</source>
        <translation>Enregistrer comme préréglage</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>Nom du préréglage</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>Preset name:</source>
        <translation>Nom du préréglage :</translation>
    </message>
</context>
<context>
    <name>reelwright::EncoderOutputView</name>
    <message>
        <source>Encoder Output - %1</source>
        <translation>Sortie de l’encodeur – %1</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Tout copier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>What the encoder said</source>
        <translation>Ce qu’a dit l’encodeur</translation>
    </message>
</context>
<context>
    <name>reelwright::JobGrid</name>
    <message>
        <source>Ticked</source>
        <translation>Cochée</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>Non cochée</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Case</translation>
    </message>
</context>
<context>
    <name>reelwright::JobListStore</name>
    <message>
        <source>File Path</source>
        <translation>Chemin du fichier</translation>
    </message>
    <message>
        <source>Conversion Status</source>
        <translation>État de la conversion</translation>
    </message>
    <message>
        <source>Time Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Taille</translation>
    </message>
</context>
<context>
    <name>reelwright::Status</name>
    <message>
        <source>Waiting Conversion</source>
        <translation>En attente de conversion</translation>
    </message>
    <message>
        <source>Unkown Format</source>
        <translation>Format inconnu</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Démarrage…</translation>
    </message>
    <message>
        <source>Unknown format</source>
        <translation>Format inconnu</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulée</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Terminée</translation>
    </message>
    <message>
        <source>Waiting Next Batch</source>
        <translation>Attend le prochain lot</translation>
    </message>
</context>
<context>
    <name>reelwright::frmMain</name>
    <message>
        <source>The list of files cannot be kept for the next start (%1). Converting goes on, but the list will be lost when Reelwright ends.</source>
        <translation>La liste des fichiers ne peut pas être gardée pour le prochain démarrage (%1). La conversion continue, mais la liste sera perdue à la fermeture de Reelwright.</translation>
    </message>
    <message>
        <source>The encoder's output cannot be kept in logs (%1). Converting goes on.</source>
        <translation>La sortie de l’encodeur ne peut pas être journalisée (%1). La conversion continue.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 (F1)</source>
        <translation>%1 (F1)</translation>
    </message>
    <message>
        <source>Three easy steps to convert your video files.</source>
        <translation>Trois étapes simples pour convertir vos vidéos.</translation>
    </message>
    <message>
        <source>  - Add Video Files/Folders</source>
        <translation>  - Ajouter des vidéos ou dossiers</translation>
    </message>
    <message>
        <source>Add Video File...</source>
        <translation>Ajouter vidéo…</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Ajouter dossier…</translation>
    </message>
    <message>
        <source>For Quick Adding:You can drag and drop video files into the below list</source>
        <translation>Plus vite : glissez-déposez vos vidéos dans la liste ci-dessous</translation>
    </message>
    <message>
        <source>Select/Unselect All</source>
        <translation>Tout cocher</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Play Highlighted File</source>
        <translation>Lire la vidéo</translation>
    </message>
    <message>
        <source>  - Select Output Folder and Format</source>
        <translation>  - Dossier et format de sortie</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>Dossier de sortie :</translation>
    </message>
    <message>
        <source>Same folder as input file</source>
        <translation>Dossier de la source</translation>
    </message>
    <message>
        <source>Other folder</source>
        <translation>Autre dossier</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Format de sortie :</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Modifier…</translation>
    </message>
    <message>
        <source>- Click Convert to start conversion</source>
        <translation>- Cliquez sur Convertir</translation>
    </message>
    <message>
        <source>Files at once:</source>
        <translation>Simultanés :</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Files at once</source>
        <translation>Fichiers simultanés</translation>
    </message>
    <message>
        <source>How many files convert at the same time. Auto converts several short files at once,
and long ones one at a time when their encoder already keeps every core busy.</source>
        <translation>Combien de fichiers sont convertis en même temps. Auto convertit plusieurs fichiers courts à la fois,
et les longs un par un quand leur encodeur occupe déjà tous les cœurs.</translation>
    </message>
    <message>
        <source>Convert Selected</source>
        <translation>Convertir cochés</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Tout convertir</translation>
    </message>
    <message>
        <source>Shutdown after conversion complete</source>
        <translation>Éteindre à la fin</translation>
    </message>
    <message>
        <source>Select folder to add</source>
        <translation>Choisir le dossier à ajouter</translation>
    </message>
    <message>
        <source>Select one or more video files</source>
        <translation>Choisir un ou plusieurs fichiers vidéo</translation>
    </message>
    <message>
        <source>Please Stop Conversion first.</source>
        <translation>Veuillez d’abord arrêter la conversion.</translation>
    </message>
    <message>
        <source>Select the output folder</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>The list is empty, Please add Video files from step 1</source>
        <translation>La liste est vide. Ajoutez des vidéos à l’étape 1.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>No checked file is waiting for conversion. Tick the files to convert, or use Convert All.</source>
        <translation>Aucun fichier coché n’attend de conversion. Cochez les fichiers à convertir, ou utilisez « Tout convertir ».</translation>
    </message>
    <message>
        <source>No file is waiting for conversion: every file in the list has been converted or cannot be read.</source>
        <translation>Aucun fichier n’attend de conversion : chaque fichier de la liste a été converti ou ne peut pas être lu.</translation>
    </message>
    <message>
        <source> To try a file that failed again, right-click it and choose Convert Again.</source>
        <translation> Pour réessayer un fichier en échec, faites un clic droit dessus et choisissez « Convertir à nouveau ».</translation>
    </message>
    <message>
        <source>Output Video Formats</source>
        <translation>Formats de sortie</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Préréglages</translation>
    </message>
    <message>
        <source>Custom (Advanced)</source>
        <translation>Personnalisé (avancé)</translation>
    </message>
    <message>
        <source>Keep every audio and subtitle track</source>
        <translation>Garder pistes audio et sous-titres</translation>
    </message>
    <message>
        <source>Every sound and subtitle track of a file goes into its result, as far as the format can
hold them; what it cannot hold is named on the file's row. Off: one of each kind.</source>
        <translation>Chaque piste audio et de sous-titres va dans le résultat, autant que le format peut
les contenir ; ce qu’il ne peut pas contenir est indiqué sur la ligne du fichier. Désactivé : une de chaque sorte.</translation>
    </message>
    <message>
        <source>Keep the original's date</source>
        <translation>Garder la date de l’original</translation>
    </message>
    <message>
        <source>Each result takes the date and time its original was last changed.</source>
        <translation>Chaque résultat prend la date et l’heure de dernière modification de son original.</translation>
    </message>
    <message>
        <source>Check results by decoding them</source>
        <translation>Vérifier en décodant</translation>
    </message>
    <message>
        <source>Each result is played through once, as fast as the computer can, before it takes its
name; a result with a fault fails instead. Converting takes longer.</source>
        <translation>Chaque résultat est lu une fois, aussi vite que possible, avant de prendre son
nom ; un résultat défectueux échoue. La conversion prend plus de temps.</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>Enregistrer &amp;&amp; fermer</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Output Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>Output Video Codec:</source>
        <translation>Codec vidéo :</translation>
    </message>
    <message>
        <source>Output File Format (Container):</source>
        <translation>Format de fichier (conteneur) :</translation>
    </message>
    <message>
        <source>Output Format(Container):</source>
        <translation>Format (conteneur) :</translation>
    </message>
    <message>
        <source>Output Audio Options</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Output Audio Codec:</source>
        <translation>Codec audio :</translation>
    </message>
    <message>
        <source>Sampling Rate:</source>
        <translation>Échantillonnage :</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Débit :</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canaux :</translation>
    </message>
    <message>
        <source>Output Video Options</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Proportions :</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>Images/s :</translation>
    </message>
    <message>
        <source>Error occured while getting paramters</source>
        <translation>Une erreur est survenue lors de la lecture des paramètres</translation>
    </message>
    <message>
        <source>Switching Off</source>
        <translation>Extinction</translation>
    </message>
    <message>
        <source>Power Off Now</source>
        <translation>Éteindre maintenant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The batch has ended. The computer will be switched off in 1 second.</source>
        <translation>Le lot est terminé. L’ordinateur s’éteindra dans 1 seconde.</translation>
    </message>
    <message>
        <source>The batch has ended. The computer will be switched off in %1 seconds.</source>
        <translation>Le lot est terminé. L’ordinateur s’éteindra dans %1 secondes.</translation>
    </message>
    <message>
        <source>Interrupted Batch</source>
        <translation>Lot interrompu</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>The list of files kept from the last run could not be read (%1), so the list starts empty. It was kept as %2.</source>
        <translation>La liste des fichiers gardée de la dernière session n’a pas pu être lue (%1) : la liste commence vide. Elle a été gardée sous %2.</translation>
    </message>
    <message>
        <source>Another Reelwright window is open and keeps the list of files. The files of this window are not kept when it closes, and the other window's batch is not offered here.</source>
        <translation>Une autre fenêtre Reelwright est ouverte et garde la liste des fichiers. Les fichiers de cette fenêtre ne sont pas gardés à sa fermeture, et le lot de l’autre fenêtre n’est pas proposé ici.</translation>
    </message>
    <message>
        <source>One row of the list kept from the last run could not be read and was left out. The list as it was is kept as %1.</source>
        <translation>Une ligne de la liste gardée de la dernière session n’a pas pu être lue et a été écartée. La liste telle qu’elle était est gardée sous %1.</translation>
    </message>
    <message>
        <source>%1 rows of the list kept from the last run could not be read and were left out. The list as it was is kept as %2.</source>
        <translation>%1 lignes de la liste gardée de la dernière session n’ont pas pu être lues et ont été écartées. La liste telle qu’elle était est gardée sous %2.</translation>
    </message>
    <message>
        <source>One file kept in the list is no longer there and was left out.</source>
        <translation>Un fichier de la liste n’existe plus et a été écarté.</translation>
    </message>
    <message>
        <source>%1 files kept in the list are no longer there and were left out.</source>
        <translation>%1 fichiers de la liste n’existent plus et ont été écartés.</translation>
    </message>
    <message>
        <source>beside each file</source>
        <translation>à côté de chaque fichier</translation>
    </message>
    <message>
        <source>The last batch was interrupted before it ended: 1 file is still to convert.

Resume converts it with the format and output folder the batch had:
%1</source>
        <translation>Le dernier lot a été interrompu avant la fin : 1 fichier reste à convertir.

« Reprendre » le convertit avec le format et le dossier de sortie du lot :
%1</translation>
    </message>
    <message>
        <source>The last batch was interrupted before it ended: %1 files are still to convert.

Resume converts them with the format and output folder the batch had:
%2</source>
        <translation>Le dernier lot a été interrompu avant la fin : %1 fichiers restent à convertir.

« Reprendre » les convertit avec le format et le dossier de sortie du lot :
%2</translation>
    </message>
    <message>
        <source>Show Encoder Output...</source>
        <translation>Afficher la sortie de l’encodeur…</translation>
    </message>
    <message>
        <source>Convert Again</source>
        <translation>Convertir à nouveau</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Retirer les terminés</translation>
    </message>
    <message>
        <source>Takes the converted files out of the list</source>
        <translation>Retire de la liste les fichiers convertis</translation>
    </message>
    <message>
        <source>1 file converted, %1 failed</source>
        <translation>1 fichier converti, %1 en échec</translation>
    </message>
    <message>
        <source>%1 files converted, %2 failed</source>
        <translation>%1 fichiers convertis, %2 en échec</translation>
    </message>
    <message>
        <source>, %1 stopped</source>
        <translation>, %1 arrêté(s)</translation>
    </message>
    <message>
        <source>Conversion stopped</source>
        <translation>Conversion arrêtée</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversion terminée</translation>
    </message>
    <message>
        <source>Every file was converted.</source>
        <translation>Tous les fichiers ont été convertis.</translation>
    </message>
    <message>
        <source>These files could not be converted:
</source>
        <translation>Ces fichiers n’ont pas pu être convertis :
</translation>
    </message>
    <message>
        <source>Your choices (output folder and format) could not be saved, so the next start will not show them:</source>
        <translation>Vos choix (dossier et format de sortie) n’ont pas pu être enregistrés ; le prochain démarrage ne les reprendra pas :</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Converts a list of video files, one after another, into the format your computer, phone or player needs, with the FFmpeg encoder doing the work.</source>
        <translation>Convertit une liste de vidéos, l’une après l’autre, au format dont votre ordinateur, téléphone ou lecteur a besoin, grâce à l’encodeur FFmpeg.</translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>Conçu par</translation>
    </message>
    <message>
        <source>Converts with</source>
        <translation>Convertit avec</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Fichiers à convertir</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Audio bitrate in kbps</source>
        <translation>Débit audio en kbit/s</translation>
    </message>
    <message>
        <source>Audio channels</source>
        <translation>Canaux audio</translation>
    </message>
    <message>
        <source>Video bitrate in kbps</source>
        <translation>Débit vidéo en kbit/s</translation>
    </message>
    <message>
        <source>Frame rate in fps</source>
        <translation>Images par seconde</translation>
    </message>
    <message>
        <source>Save as Preset...</source>
        <translation>Enregistrer…</translation>
    </message>
    <message>
        <source>Keeps the custom format as a preset of your own, listed with the others. Your presets
live in your own folder, where installing or upgrading the program never touches them.</source>
        <translation>Garde le format personnalisé comme préréglage à vous, listé avec les autres. Vos préréglages
sont dans votre propre dossier, que l’installation ou la mise à jour du programme ne touche jamais.</translation>
    </message>
    <message>
        <source>Remove Preset</source>
        <translation>Retirer le préréglage</translation>
    </message>
    <message>
        <source>Removes the chosen preset of your own.</source>
        <translation>Retire le préréglage personnel choisi.</translation>
    </message>
</context>
</TS>