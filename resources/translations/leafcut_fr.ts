<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BookmarkModePage</name>
    <message>
        <source>Files: %1</source>
        <translation>Fichiers&#xa0;: %1</translation>
    </message>
    <message>
        <source>Bookmark level:</source>
        <translation>Niveau de signets&#xa0;:</translation>
    </message>
    <message>
        <source>This document has no bookmarks, so it cannot be split at them.</source>
        <translation>Ce document n’a pas de signets&#xa0;: il ne peut pas être divisé selon ses signets.</translation>
    </message>
    <message>
        <source>A new file starts at every bookmark of this level and the levels above it, named after the bookmark. Pages before the first bookmark form a file of their own.</source>
        <translation>Un nouveau fichier commence à chaque signet de ce niveau et des niveaux supérieurs, et porte le nom du signet. Les pages avant le premier signet forment un fichier à part.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Splits and merges PDF files. One PDF file opens on the split screen; several go to the merge list in the order given.</source>
        <translation>Divise et fusionne des fichiers PDF. Un seul fichier PDF s’ouvre sur l’écran de division ; plusieurs vont dans la liste de fusion dans l’ordre donné.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
    </message>
    <message>
        <source>PDF files to open.</source>
        <translation>Fichiers PDF à ouvrir.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n’existe pas.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a PDF file.</source>
        <translation>%1 est un dossier, pas un fichier PDF.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>%1 is not a PDF file.</source>
        <translation>%1 n’est pas un fichier PDF.</translation>
    </message>
    <message>
        <source>Try &quot;sheafwright --help&quot; for more information.</source>
        <translation>Essayez « sheafwright --help » pour plus d’informations.</translation>
    </message>
</context>
<context>
    <name>DropArea</name>
    <message>
        <source>Add file</source>
        <translation>Ajouter un fichier</translation>
    </message>
    <message>
        <source>or drag &amp; drop</source>
        <translation>ou glisser-déposer</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>FileOpener</name>
    <message>
        <source>File not opened</source>
        <translation>Fichier non ouvert</translation>
    </message>
    <message>
        <source>Files not opened</source>
        <translation>Fichiers non ouverts</translation>
    </message>
</context>
<context>
    <name>InformationWorkerList</name>
    <message>
        <source>%1 out of %2 files. %3</source>
        <translation>Fichier %1 sur %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcuts</name>
    <message>
        <source>Open PDF files</source>
        <translation>Ouvrir des fichiers PDF</translation>
    </message>
    <message>
        <source>Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Diviser</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>or</source>
        <translation>ou</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Last split:</source>
        <translation>Dernière division&#xa0;:</translation>
    </message>
    <message>
        <source>Last merge:</source>
        <translation>Dernière fusion&#xa0;:</translation>
    </message>
</context>
<context>
    <name>MergeItemDelegate</name>
    <message>
        <source>Enter Password</source>
        <translation>Saisir le mot de passe</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MergeModel</name>
    <message>
        <source>Filename</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Can not open file</source>
        <translation>Impossible d&apos;ouvrir le fichier</translation>
    </message>
    <message>
        <source>The password for %1 is incorrect</source>
        <translation>Le mot de passe de %1 est incorrect</translation>
    </message>
</context>
<context>
    <name>MergeView</name>
    <message>
        <source>Save to folder:</source>
        <translation>Dossier de destination&#xa0;:</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Nom du fichier&#xa0;:</translation>
    </message>
    <message>
        <source>MERGE</source>
        <translation>FUSIONNER</translation>
    </message>
    <message>
        <source>Set Password</source>
        <translation>Définir un mot de passe</translation>
    </message>
    <message>
        <source>Select one or more files to open</source>
        <translation>Choisissez un ou plusieurs fichiers à ouvrir</translation>
    </message>
    <message>
        <source>Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 pages total</source>
        <translation>%1 pages au total</translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <source>Set password</source>
        <translation>Définir un mot de passe</translation>
    </message>
    <message>
        <source>Merging files..</source>
        <translation>Fusion des fichiers en cours…</translation>
    </message>
    <message>
        <source>Merge failed</source>
        <translation>Échec de la fusion</translation>
    </message>
    <message>
        <source>Merge files failed</source>
        <translation>Les fichiers n&apos;ont pas pu être fusionnés</translation>
    </message>
    <message>
        <source>Can not open file</source>
        <translation>Impossible d&apos;ouvrir le fichier</translation>
    </message>
    <message>
        <source>The password for %1 is incorrect</source>
        <translation>Le mot de passe de %1 est incorrect</translation>
    </message>
</context>
<context>
    <name>MergeWorker</name>
    <message>
        <source>Merging files..</source>
        <translation>Fusion des fichiers en cours…</translation>
    </message>
    <message>
        <source>%1 out of %2. Add for merge %3</source>
        <translation>%1 sur %2. Ajouté à la fusion&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>MessageMerge</name>
    <message>
        <source>Merge complete</source>
        <translation>Fusion terminée</translation>
    </message>
    <message>
        <source>All of your files have been merged. You can open the folder to view the result</source>
        <translation>Tous vos fichiers ont été fusionnés. Vous pouvez ouvrir le dossier pour voir le résultat.</translation>
    </message>
    <message>
        <source>Your files have been merged, except those listed below. You can open the folder to view the result</source>
        <translation>Vos fichiers ont été fusionnés, sauf ceux indiqués ci-dessous. Vous pouvez ouvrir le dossier pour voir le résultat.</translation>
    </message>
    <message>
        <source>Left out of the merged file: %1</source>
        <translation>Non repris dans le fichier fusionné&#xa0;: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OPEN FOLDER</source>
        <translation>OUVRIR LE DOSSIER</translation>
    </message>
</context>
<context>
    <name>MessagePassword</name>
    <message>
        <source>Enter password</source>
        <translation>Saisir le mot de passe</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>IGNORER</translation>
    </message>
    <message>
        <source>SKIP ALL</source>
        <translation>TOUT IGNORER</translation>
    </message>
</context>
<context>
    <name>MessageSplit</name>
    <message>
        <source>Split complete</source>
        <translation>Division terminée</translation>
    </message>
    <message>
        <source>Your document was split in %1 files. You can open folder to view the results of proceed of merging them.</source>
        <translation>Votre document a été divisé en %1 fichiers. Vous pouvez ouvrir le dossier pour voir le résultat ou fusionner ces fichiers.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>OUVRIR</translation>
    </message>
    <message>
        <source>MERGE RESULTS</source>
        <translation>FUSIONNER</translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PreviewWidget</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>enter password</source>
        <translation>saisir le mot de passe</translation>
    </message>
    <message>
        <source>Password protected:</source>
        <translation>Protégé par mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Pages: %1</source>
        <translation>Pages&#xa0;: %1</translation>
    </message>
    <message>
        <source>Can not open file</source>
        <translation>Impossible d&apos;ouvrir le fichier</translation>
    </message>
    <message>
        <source>The password for %1 is incorrect</source>
        <translation>Le mot de passe de %1 est incorrect</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Add files</source>
        <translation>Ajout de fichiers</translation>
    </message>
</context>
<context>
    <name>SaveFolderModel</name>
    <message>
        <source>Sub folder</source>
        <translation>Sous-dossier</translation>
    </message>
    <message>
        <source>Original folder</source>
        <translation>Dossier d&apos;origine</translation>
    </message>
    <message>
        <source>Select folder...</source>
        <translation>Choisir un dossier…</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>English</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>SAVE SETTINGS</source>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Enregistrer dans</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Éditeur</translation>
    </message>
</context>
<context>
    <name>SizeModePage</name>
    <message>
        <source>Largest file size:</source>
        <translation>Taille maximale&#xa0;:</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>The pages are put in order into files no larger than this, for example to fit a mail attachment. A page that alone is larger gets a file of its own.</source>
        <translation>Les pages sont réparties dans l’ordre en fichiers qui ne dépassent pas cette taille, par exemple pour une pièce jointe. Une page plus grande à elle seule forme un fichier à part.</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Loading%1</source>
        <translation>Chargement%1</translation>
    </message>
</context>
<context>
    <name>SplitView</name>
    <message>
        <source>Into files of 1 page</source>
        <translation>En fichiers d&apos;une page</translation>
    </message>
    <message>
        <source>By groups of pages</source>
        <translation>Par groupes de pages</translation>
    </message>
    <message>
        <source>Get rid of certain pages</source>
        <translation>Supprimer certaines pages</translation>
    </message>
    <message>
        <source>By page ranges</source>
        <translation>Par plages de pages</translation>
    </message>
    <message>
        <source>Every page will be splited to isolated file...</source>
        <translation>Chaque page sera enregistrée dans un fichier distinct.</translation>
    </message>
    <message>
        <source>Group of pages:</source>
        <translation>Pages par groupe&#xa0;:</translation>
    </message>
    <message>
        <source>Starting from:</source>
        <translation>À partir de la page&#xa0;:</translation>
    </message>
    <message>
        <source>Choose how much pages will be in every group and you should choose pages, where splitting will be started...</source>
        <translation>Indiquez combien de pages compte chaque groupe et à partir de quelle page la division commence.</translation>
    </message>
    <message>
        <source>Add page</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>You can choose and add pages which you want to delete...</source>
        <translation>Choisissez les pages à supprimer et ajoutez-les à la liste.</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De&#xa0;:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>À&#xa0;:</translation>
    </message>
    <message>
        <source>Add range</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>You should choose and add a interval from document, which you will want to split...</source>
        <translation>Choisissez les plages de pages à extraire et ajoutez-les : chacune deviendra un fichier.</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Enregistrer dans&#xa0;:</translation>
    </message>
    <message>
        <source>SPLIT</source>
        <translation>DIVISER</translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <source>Split failed</source>
        <translation>Échec de la division</translation>
    </message>
    <message>
        <source>Split canceled</source>
        <translation>La division a été annulée</translation>
    </message>
    <message>
        <source>The document could not be split (error %1).</source>
        <translation>Le document n&apos;a pas pu être divisé (erreur %1).</translation>
    </message>
    <message>
        <source>Error: this file has read permission only!</source>
        <translation>Erreur&#xa0;: ce fichier n&apos;est autorisé qu&apos;en lecture&#xa0;!</translation>
    </message>
    <message>
        <source>By bookmarks</source>
        <translation>Par signets</translation>
    </message>
    <message>
        <source>By size</source>
        <translation>Par taille</translation>
    </message>
    <message>
        <source>Nothing to split</source>
        <translation>Rien à diviser</translation>
    </message>
    <message>
        <source>Enter the largest file size first.</source>
        <translation>Indiquez d’abord la taille maximale des fichiers.</translation>
    </message>
    <message>
        <source>Pages that alone are larger than the size limit are each in a file of their own: %1</source>
        <translation>Les pages qui dépassent à elles seules la taille maximale forment chacune un fichier à part&#xa0;: %1</translation>
    </message>
</context>
</TS>
