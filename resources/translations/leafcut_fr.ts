<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BookmarkModePage</name>
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
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 fichier</numerusform>
            <numerusform>%1 fichiers</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliMerge</name>
    <message>
        <source>Writes the merged file as OUTPUT (its folder is made when missing); an existing file is never replaced.</source>
        <translation>Écrit le fichier fusionné sous le nom OUTPUT (son dossier est créé s’il manque)&#xa0;; un fichier existant n’est jamais remplacé.</translation>
    </message>
    <message>
        <source>Merges PDF files into one, in the order given, without opening a window. Bookmarks, links and named destinations of every file keep working in the merged file.</source>
        <translation>Fusionne des fichiers PDF en un seul, dans l’ordre donné, sans ouvrir de fenêtre. Les signets, liens et destinations nommées de chaque fichier continuent de fonctionner dans le fichier fusionné.</translation>
    </message>
    <message>
        <source>The PDF files to merge, at least two.</source>
        <translation type="vanished">Les fichiers PDF à fusionner, au moins deux.</translation>
    </message>
    <message>
        <source>Name the merged file with -o OUTPUT.</source>
        <translation>Nommez le fichier fusionné avec -o OUTPUT.</translation>
    </message>
    <message>
        <source>%1 exists already, and a merge never replaces a file: choose another name.</source>
        <translation>%1 existe déjà, et une fusion ne remplace jamais un fichier&#xa0;: choisissez un autre nom.</translation>
    </message>
    <message>
        <source>It was left out.</source>
        <translation>Il a été laissé de côté.</translation>
    </message>
    <message>
        <source>Usage: sheafwright merge [options] -o OUTPUT FILE...</source>
        <translation type="vanished">Usage&#xa0;: sheafwright merge [options] -o OUTPUT FILE...</translation>
    </message>
    <message>
        <source>Name at least two PDF files to merge.</source>
        <translation>Indiquez au moins deux fichiers PDF à fusionner.</translation>
    </message>
    <message>
        <source>No file could be merged: none of them can be read.</source>
        <translation>Aucun fichier n’a pu être fusionné&#xa0;: aucun ne peut être lu.</translation>
    </message>
    <message numerus="yes">
        <source>Merging %n file(s) into %1...</source>
        <translation>
            <numerusform>Fusion de %n fichier dans %1...</numerusform>
            <numerusform>Fusion de %n fichiers dans %1...</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be merged: it is damaged or its pages cannot be copied. It was left out.</source>
        <translation type="vanished">%1 n’a pas pu être fusionné&#xa0;: il est endommagé ou ses pages ne peuvent pas être copiées. Il a été laissé de côté.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) merged into %1.</source>
        <translation>
            <numerusform>%n fichier fusionné dans %1.</numerusform>
            <numerusform>%n fichiers fusionnés dans %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 was written without the %n file(s) left out.</source>
        <translation>
            <numerusform>%1 a été écrit sans le fichier laissé de côté.</numerusform>
            <numerusform>%1 a été écrit sans les %n fichiers laissés de côté.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge was stopped. No merged file was written.</source>
        <translation type="vanished">La fusion a été arrêtée. Aucun fichier fusionné n’a été écrit.</translation>
    </message>
    <message>
        <source>The merged file could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">Le fichier fusionné n’a pas pu être écrit dans %1. Vérifiez que le disque n’est pas plein.</translation>
    </message>
    <message>
        <source>The merged file could not be written into %1.</source>
        <translation type="vanished">Le fichier fusionné n’a pas pu être écrit dans %1.</translation>
    </message>
    <message>
        <source>Nothing was left behind.</source>
        <translation type="vanished">Rien n’a été laissé.</translation>
    </message>
    <message>
        <source>The merge stopped unexpectedly: the helper program pdfworker ended before it finished. No merged file was written.</source>
        <translation type="vanished">La fusion s’est arrêtée de façon inattendue&#xa0;: le programme auxiliaire pdfworker s’est terminé avant la fin. Aucun fichier fusionné n’a été écrit.</translation>
    </message>
    <message>
        <source>The merge could not start: the helper program %1 is missing or cannot be run. Reinstalling Sheafwright should mend this.</source>
        <translation type="vanished">La fusion n’a pas pu démarrer&#xa0;: le programme auxiliaire %1 est absent ou ne peut pas être lancé. Réinstaller Sheafwright devrait corriger cela.</translation>
    </message>
    <message>
        <source>The merge could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">La fusion n’a pas pu démarrer&#xa0;: ses fichiers de travail n’ont pas pu être écrits dans %1. Vérifiez que le disque n’est pas plein.</translation>
    </message>
    <message>
        <source>The merge could not finish: its working files could not be written into %1. Check that the disk is not full. No merged file was written.</source>
        <translation type="vanished">La fusion n’a pas pu aboutir&#xa0;: ses fichiers de travail n’ont pas pu être écrits dans %1. Vérifiez que le disque n’est pas plein. Aucun fichier fusionné n’a été écrit.</translation>
    </message>
    <message>
        <source>No merged file was written (error %1).</source>
        <translation type="vanished">Aucun fichier fusionné n’a été écrit (erreur %1).</translation>
    </message>
    <message>
        <source>Takes one page from each file in turn (scans of front sides and of back sides become one document).</source>
        <translation>Prend une page de chaque fichier à tour de rôle (les numérisations des recto et des verso deviennent un seul document).</translation>
    </message>
    <message>
        <source>With --interleave: takes the last file&apos;s pages from its end (back sides scanned in reverse order).</source>
        <translation>Avec --interleave&#xa0;: prend les pages du dernier fichier en partant de la fin (verso numérisés dans l’ordre inverse).</translation>
    </message>
    <message>
        <source>Adds a blank page after every file with an odd number of pages but the last, so that each file starts on a front side when printed on both sides.</source>
        <translation>Ajoute une page blanche après chaque fichier ayant un nombre impair de pages, sauf le dernier, pour que chaque fichier commence sur un recto à l’impression recto verso.</translation>
    </message>
    <message>
        <source>The PDF files to merge, at least two. FILE:PAGES takes only those pages of FILE, in the order given (for example report.pdf:1-3,7,10-).</source>
        <translation>Les fichiers PDF à fusionner, au moins deux. FILE:PAGES ne prend que ces pages de FILE, dans l’ordre donné (par exemple rapport.pdf:1-3,7,10-).</translation>
    </message>
    <message>
        <source>--reverse-last reverses the last file of an interleaved merge: add --interleave.</source>
        <translation>--reverse-last inverse le dernier fichier d’une fusion entrelacée&#xa0;: ajoutez --interleave.</translation>
    </message>
    <message>
        <source>--interleave and --blank-after-odd cannot go together: interleaved pages leave no file to start on a front side.</source>
        <translation>--interleave et --blank-after-odd ne vont pas ensemble&#xa0;: avec des pages entrelacées, aucun fichier ne commence seul sur un recto.</translation>
    </message>
    <message>
        <source>Usage: sheafwright merge [options] -o OUTPUT FILE[:PAGES]...</source>
        <translation>Usage&#xa0;: sheafwright merge [options] -o OUTPUT FILE[:PAGES]...</translation>
    </message>
</context>
<context>
    <name>CliSplit</name>
    <message>
        <source>Writes one file per page.</source>
        <translation>Écrit un fichier par page.</translation>
    </message>
    <message>
        <source>Writes one file per N pages.</source>
        <translation>Écrit un fichier toutes les N pages.</translation>
    </message>
    <message>
        <source>With --every: starts the first group at page K (pages before it are left out).</source>
        <translation>Avec --every&#xa0;: le premier groupe commence à la page K (les pages précédentes sont laissées de côté).</translation>
    </message>
    <message>
        <source>Writes one file per page range of LIST, such as &quot;1-3, 7, 10-&quot; (&quot;10-&quot;: page 10 to the last).</source>
        <translation>Écrit un fichier par plage de pages de LIST, par exemple «&#xa0;1-3, 7, 10-&#xa0;» («&#xa0;10-&#xa0;»&#xa0;: de la page 10 à la dernière).</translation>
    </message>
    <message>
        <source>Writes one copy of the document without the pages of LIST.</source>
        <translation>Écrit une copie du document sans les pages de LIST.</translation>
    </message>
    <message>
        <source>Writes one file per bookmark of levels 1 to LEVEL, named after it (1: chapters).</source>
        <translation>Écrit un fichier par signet des niveaux 1 à LEVEL, nommé d’après lui (1&#xa0;: chapitres).</translation>
    </message>
    <message>
        <source>Writes consecutive files of at most SIZE each, such as 9MB or 500KB.</source>
        <translation>Écrit des fichiers consécutifs d’au plus SIZE chacun, par exemple 9MB ou 500KB.</translation>
    </message>
    <message>
        <source>Writes the files into FOLDER (made when missing) instead of beside FILE.</source>
        <translation>Écrit les fichiers dans FOLDER (créé s’il manque) au lieu d’à côté de FILE.</translation>
    </message>
    <message>
        <source>Splits one PDF file without opening a window. Give exactly one of --per-page, --every, --ranges, --without, --by-bookmarks and --by-size. Existing files are never replaced: a new file whose name is taken gets a number in front of its name.</source>
        <translation>Divise un fichier PDF sans ouvrir de fenêtre. Donnez exactement une des options --per-page, --every, --ranges, --without, --by-bookmarks et --by-size. Les fichiers existants ne sont jamais remplacés&#xa0;: un nouveau fichier dont le nom est pris reçoit un numéro devant son nom.</translation>
    </message>
    <message>
        <source>The PDF file to split.</source>
        <translation>Le fichier PDF à diviser.</translation>
    </message>
    <message>
        <source>--%1 and --%2 are two ways to split: choose one.</source>
        <translation>--%1 et --%2 sont deux façons de diviser&#xa0;: choisissez-en une.</translation>
    </message>
    <message>
        <source>Choose how to split: --per-page, --every N, --ranges LIST, --without LIST, --by-bookmarks LEVEL or --by-size SIZE.</source>
        <translation>Choisissez comment diviser&#xa0;: --per-page, --every N, --ranges LIST, --without LIST, --by-bookmarks LEVEL ou --by-size SIZE.</translation>
    </message>
    <message>
        <source>--start goes with --every.</source>
        <translation>--start va avec --every.</translation>
    </message>
    <message>
        <source>--every needs a whole number of pages, at least 1, not &quot;%1&quot;.</source>
        <translation>--every demande un nombre entier de pages, au moins 1, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--start needs a page number, at least 1, not &quot;%1&quot;.</source>
        <translation>--start demande un numéro de page, au moins 1, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--by-bookmarks needs a bookmark level, at least 1, not &quot;%1&quot;.</source>
        <translation>--by-bookmarks demande un niveau de signets, au moins 1, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--by-size needs a size with its unit, at least 1KB, such as 9MB or 500KB, not &quot;%1&quot;.</source>
        <translation>--by-size demande une taille avec son unité, au moins 1KB, par exemple 9MB ou 500KB, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--start %1 is past the last page of %2 (%3).</source>
        <translation>--start %1 dépasse la dernière page de %2 (%3).</translation>
    </message>
    <message>
        <source>--ranges: %1</source>
        <translation>--ranges&#xa0;: %1</translation>
    </message>
    <message>
        <source>--without: %1</source>
        <translation>--without&#xa0;: %1</translation>
    </message>
    <message>
        <source>--without: every page of %1 would be removed.</source>
        <translation>--without&#xa0;: toutes les pages de %1 seraient retirées.</translation>
    </message>
    <message>
        <source>%1 has no bookmarks that lead to its pages.</source>
        <translation>%1 n’a aucun signet menant à ses pages.</translation>
    </message>
    <message>
        <source>Usage: sheafwright split [options] FILE</source>
        <translation>Usage&#xa0;: sheafwright split [options] FILE</translation>
    </message>
    <message>
        <source>Name the PDF file to split.</source>
        <translation>Indiquez le fichier PDF à diviser.</translation>
    </message>
    <message>
        <source>split takes one PDF file; run it once for each file.</source>
        <translation>split prend un seul fichier PDF&#xa0;; lancez-le une fois par fichier.</translation>
    </message>
    <message>
        <source>%1 has a single page: there is nothing to split.</source>
        <translation>%1 n’a qu’une page&#xa0;: il n’y a rien à diviser.</translation>
    </message>
    <message>
        <source>%1 does not allow copying its pages. Its owner password, given with --password-file, lifts that.</source>
        <translation>%1 n’autorise pas la copie de ses pages. Son mot de passe propriétaire, donné avec --password-file, lève cette restriction.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) written into %1.</source>
        <translation>
            <numerusform>%n fichier écrit dans %1.</numerusform>
            <numerusform>%n fichiers écrits dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The split could not start: the helper program %1 is missing or cannot be run. Reinstalling Sheafwright should mend this.</source>
        <translation type="vanished">La division n’a pas pu démarrer&#xa0;: le programme auxiliaire %1 est absent ou ne peut pas être lancé. Réinstaller Sheafwright devrait corriger cela.</translation>
    </message>
    <message>
        <source>The split could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">La division n’a pas pu démarrer&#xa0;: ses fichiers de travail n’ont pas pu être écrits dans %1. Vérifiez que le disque n’est pas plein.</translation>
    </message>
    <message>
        <source>The split could not finish: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">La division n’a pas pu aboutir&#xa0;: ses fichiers de travail n’ont pas pu être écrits dans %1. Vérifiez que le disque n’est pas plein.</translation>
    </message>
    <message>
        <source>The split was stopped.</source>
        <translation type="vanished">La division a été arrêtée.</translation>
    </message>
    <message>
        <source>The split stopped unexpectedly: the helper program pdfworker ended before it finished.</source>
        <translation type="vanished">La division s’est arrêtée de façon inattendue&#xa0;: le programme auxiliaire pdfworker s’est terminé avant la fin.</translation>
    </message>
    <message>
        <source>No file could be written into %1. Check that the folder can be written to and that the disk is not full.</source>
        <translation type="vanished">Aucun fichier n’a pu être écrit dans %1. Vérifiez que le dossier est accessible en écriture et que le disque n’est pas plein.</translation>
    </message>
    <message>
        <source>No file could be written into %1.</source>
        <translation type="vanished">Aucun fichier n’a pu être écrit dans %1.</translation>
    </message>
    <message>
        <source>Not every file could be written. Check that the disk is not full.</source>
        <translation type="vanished">Tous les fichiers n’ont pas pu être écrits. Vérifiez que le disque n’est pas plein.</translation>
    </message>
    <message>
        <source>Not every file could be written.</source>
        <translation type="vanished">Tous les fichiers n’ont pas pu être écrits.</translation>
    </message>
    <message>
        <source>The document could not be split (error %1).</source>
        <translation type="vanished">Le document n&apos;a pas pu être divisé (erreur %1).</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were written whole and kept in %1.</source>
        <translation type="vanished">
            <numerusform>%n fichier a été écrit en entier et conservé dans %1.</numerusform>
            <numerusform>%n fichiers ont été écrits en entier et conservés dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation type="vanished">Aucun fichier n’a été écrit.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
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
    <message>
        <source>Splits and merges PDF files. One PDF file opens on the split screen; several go to the merge list in the order given. Without a window: &quot;sheafwright split --help&quot; and &quot;sheafwright merge --help&quot;.</source>
        <translation>Divise et fusionne des fichiers PDF. Un seul fichier PDF s’ouvre sur l’écran de division&#xa0;; plusieurs vont dans la liste de fusion dans l’ordre donné. Sans fenêtre&#xa0;: «&#xa0;sheafwright split --help&#xa0;» et «&#xa0;sheafwright merge --help&#xa0;».</translation>
    </message>
    <message>
        <source>Splits and merges PDF files. One PDF file opens on the split screen; several go to the merge list in the order given.</source>
        <translation type="vanished">Divise et fusionne des fichiers PDF. Un seul fichier PDF s’ouvre sur l’écran de division ; plusieurs vont dans la liste de fusion dans l’ordre donné.</translation>
    </message>
    <message>
        <source>Writes trace messages to standard error (they always go to the log file). SHEAFWRIGHT_DEBUG=1 does the same.</source>
        <translation>Écrit les messages de suivi sur la sortie d&apos;erreur standard (ils vont toujours dans le fichier journal). SHEAFWRIGHT_DEBUG=1 fait de même.</translation>
    </message>
</context>
<context>
    <name>CommandOptions</name>
    <message>
        <source>Shows this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Writes TEXT as the title of the new files.</source>
        <translation>Écrit TEXT comme titre des nouveaux fichiers.</translation>
    </message>
    <message>
        <source>Writes TEXT as the author of the new files.</source>
        <translation>Écrit TEXT comme auteur des nouveaux fichiers.</translation>
    </message>
    <message>
        <source>Opens protected files with the passwords in FILE, one per line, each tried in turn (&quot;-&quot;: read them from standard input).</source>
        <translation>Ouvre les fichiers protégés avec les mots de passe de FILE, un par ligne, essayés tour à tour («&#xa0;-&#xa0;»&#xa0;: les lire sur l’entrée standard).</translation>
    </message>
    <message>
        <source>Reads the passwords of protected files from standard input, one per line.</source>
        <translation>Lit les mots de passe des fichiers protégés sur l’entrée standard, un par ligne.</translation>
    </message>
    <message>
        <source>Protects the new files with a password, asked for twice on the terminal.</source>
        <translation>Protège les nouveaux fichiers par un mot de passe, demandé deux fois dans le terminal.</translation>
    </message>
    <message>
        <source>Protects the new files with the password on the first line of FILE (&quot;-&quot;: read it from standard input).</source>
        <translation>Protège les nouveaux fichiers par le mot de passe de la première ligne de FILE («&#xa0;-&#xa0;»&#xa0;: le lire sur l’entrée standard).</translation>
    </message>
    <message>
        <source>Prints what was written (files, pages, files left out and why) as JSON on standard output.</source>
        <translation>Affiche ce qui a été écrit (fichiers, pages, fichiers laissés de côté et pourquoi) en JSON sur la sortie standard.</translation>
    </message>
    <message>
        <source>Prints the program&apos;s trace on standard error.</source>
        <translation>Affiche la trace du programme sur la sortie d’erreur standard.</translation>
    </message>
    <message>
        <source>Standard input can hold either the passwords of protected files or the protection password, not both.</source>
        <translation>L’entrée standard peut contenir soit les mots de passe des fichiers protégés, soit le mot de passe de protection, pas les deux.</translation>
    </message>
    <message>
        <source>--protect and --protect-password-file both give the protection password: choose one.</source>
        <translation>--protect et --protect-password-file donnent tous deux le mot de passe de protection&#xa0;: choisissez-en un.</translation>
    </message>
    <message>
        <source>The protection password file %1 holds no password.</source>
        <translation>Le fichier de mot de passe de protection %1 ne contient aucun mot de passe.</translation>
    </message>
    <message>
        <source>--protect asks for the password on a terminal, and there is none: use --protect-password-file instead.</source>
        <translation>--protect demande le mot de passe dans un terminal, et il n’y en a pas&#xa0;: utilisez plutôt --protect-password-file.</translation>
    </message>
    <message>
        <source>Password for the new files: </source>
        <translation>Mot de passe des nouveaux fichiers&#xa0;: </translation>
    </message>
    <message>
        <source>The same password again: </source>
        <translation>Le même mot de passe à nouveau&#xa0;: </translation>
    </message>
    <message>
        <source>An empty password protects nothing.</source>
        <translation>Un mot de passe vide ne protège rien.</translation>
    </message>
    <message>
        <source>The two passwords differ.</source>
        <translation>Les deux mots de passe diffèrent.</translation>
    </message>
    <message>
        <source>No protection password was set.</source>
        <translation>Aucun mot de passe de protection n’a été défini.</translation>
    </message>
    <message>
        <source>Try &quot;sheafwright %1 --help&quot; for more information.</source>
        <translation>Essayez «&#xa0;sheafwright %1 --help&#xa0;» pour plus d’informations.</translation>
    </message>
    <message>
        <source>Works on a copy repaired by MuPDF of a file that cannot be read; the file itself is not changed.</source>
        <translation>Travaille sur une copie réparée par MuPDF d’un fichier illisible ; le fichier lui-même n’est pas modifié.</translation>
    </message>
</context>
<context>
    <name>DocumentViewer</name>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Type a page number and press Return to go there (Ctrl+G)</source>
        <translation>Tapez un numéro de page et appuyez sur Entrée pour y aller (Ctrl+G)</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Numéro de page</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>sur %1</translation>
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
    <message numerus="yes">
        <source>%1 out of %2 files. %3</source>
        <translation>
            <numerusform>Fichier %1 sur %2&#xa0;: %3</numerusform>
            <numerusform>Fichier %1 sur %2&#xa0;: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InputDocument</name>
    <message>
        <source>Password for %1: </source>
        <translation>Mot de passe de %1&#xa0;: </translation>
    </message>
    <message>
        <source>%1 is protected by a password, and none of the passwords given opens it.</source>
        <translation>%1 est protégé par un mot de passe, et aucun des mots de passe donnés ne l’ouvre.</translation>
    </message>
    <message>
        <source>%1 is protected by a password. Give it with --password-file or --password-stdin, or run the command on a terminal to be asked for it.</source>
        <translation>%1 est protégé par un mot de passe. Donnez-le avec --password-file ou --password-stdin, ou lancez la commande dans un terminal pour qu’il vous soit demandé.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a PDF file: it is damaged or not a PDF file.</source>
        <translation type="vanished">%1 ne peut pas être lu comme fichier PDF&#xa0;: il est endommagé ou ce n’est pas un fichier PDF.</translation>
    </message>
    <message>
        <source>%1 has no pages.</source>
        <translation>%1 n’a aucune page.</translation>
    </message>
    <message numerus="yes">
        <source>%1 cannot be read as it is; a copy repaired by MuPDF, with %n page(s), is used. The file itself is unchanged.</source>
        <translation>
            <numerusform>%1 ne peut pas être lu tel quel ; une copie réparée par MuPDF, de %n page, est utilisée. Le fichier lui-même n’est pas modifié.</numerusform>
            <numerusform>%1 ne peut pas être lu tel quel ; une copie réparée par MuPDF, de %n pages, est utilisée. Le fichier lui-même n’est pas modifié.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read as a PDF file, and MuPDF could not repair a copy of it either.</source>
        <translation>%1 ne peut pas être lu comme fichier PDF, et MuPDF n’a pas pu en réparer une copie non plus.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a PDF file: it is damaged or not a PDF file. --repair tries a copy repaired by MuPDF.</source>
        <translation>%1 ne peut pas être lu comme fichier PDF : il est endommagé ou n’est pas un fichier PDF. --repair essaie une copie réparée par MuPDF.</translation>
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
    <message>
        <source>A split is still running. If you close the window now, it stops; the files it has written so far are kept.</source>
        <translation>Une division est en cours. Si vous fermez la fenêtre maintenant, elle s’arrête&#xa0;; les fichiers déjà écrits sont conservés.</translation>
    </message>
    <message>
        <source>A merge is still running. If you close the window now, it stops and no merged file is written.</source>
        <translation>Une fusion est en cours. Si vous fermez la fenêtre maintenant, elle s’arrête et aucun fichier fusionné n’est écrit.</translation>
    </message>
    <message>
        <source>Stop and close?</source>
        <translation>Arrêter et fermer&#xa0;?</translation>
    </message>
    <message>
        <source>STOP AND CLOSE</source>
        <translation>ARRÊTER</translation>
    </message>
    <message>
        <source>GO ON</source>
        <translation>CONTINUER</translation>
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
    <message>
        <source>unreadable</source>
        <translation>Illisible</translation>
    </message>
    <message>
        <source>all</source>
        <translation>toutes</translation>
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
        <translation>Impossible d’ouvrir le fichier</translation>
    </message>
    <message>
        <source>The password for %1 is incorrect</source>
        <translation>Le mot de passe de %1 est incorrect.</translation>
    </message>
    <message>
        <source>Show the pages</source>
        <translation>Afficher les pages</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Retirer de la liste</translation>
    </message>
    <message>
        <source>Every page turned %1° clockwise</source>
        <translation>Chaque page tournée de %1° dans le sens horaire</translation>
    </message>
    <message numerus="yes">
        <source>All %n pages. Double-click to choose pages, such as 1-3, 7, 10-.</source>
        <translation>
            <numerusform>La seule page. Double-cliquez pour choisir des pages, par exemple 1-3, 7, 10-.</numerusform>
            <numerusform>Les %n pages. Double-cliquez pour choisir des pages, par exemple 1-3, 7, 10-.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 pages chosen. Double-click to change.</source>
        <translation>%1 pages choisies sur %2. Double-cliquez pour modifier.</translation>
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
        <translation>Avec mot de passe</translation>
    </message>
    <message>
        <source>Select one or more files to open</source>
        <translation>Choisissez un ou plusieurs fichiers à ouvrir</translation>
    </message>
    <message numerus="yes">
        <source>%1 pages total</source>
        <translation>
            <numerusform>%1 page au total</numerusform>
            <numerusform>%1 pages au total</numerusform>
        </translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <source>Set password</source>
        <translation type="vanished">Définir un mot de passe</translation>
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
        <translation type="vanished">Les fichiers n’ont pas pu être fusionnés.</translation>
    </message>
    <message>
        <source>Can not open file</source>
        <translation>Impossible d’ouvrir le fichier</translation>
    </message>
    <message>
        <source>The password for %1 is incorrect</source>
        <translation>Le mot de passe de %1 est incorrect.</translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation>Rien à fusionner</translation>
    </message>
    <message>
        <source>Add at least two PDF files to merge.</source>
        <translation>Ajoutez au moins deux fichiers PDF à fusionner.</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Enter a name for the merged file.</source>
        <translation>Saisissez un nom pour le fichier fusionné.</translation>
    </message>
    <message>
        <source>A file name cannot start with a dot.</source>
        <translation>Un nom de fichier ne peut pas commencer par un point.</translation>
    </message>
    <message>
        <source>Merge canceled</source>
        <translation type="vanished">Fusion annulée</translation>
    </message>
    <message>
        <source>The merge was stopped. No merged file was written.</source>
        <translation type="vanished">La fusion a été arrêtée. Aucun fichier fusionné n’a été écrit.</translation>
    </message>
    <message>
        <source>The merge could not start: the helper program pdfworker is missing or cannot be run. Reinstalling Sheafwright should mend this.</source>
        <translation type="vanished">La fusion n’a pas pu démarrer&#xa0;: le programme auxiliaire pdfworker est absent ou ne peut pas être lancé. Réinstaller Sheafwright devrait corriger cela.</translation>
    </message>
    <message>
        <source>Files that could not be used: %1</source>
        <translation type="vanished">Fichiers inutilisables&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 cannot be read. The file is damaged or is not a PDF.</source>
        <translation>%1 est illisible. Le fichier est endommagé ou n’est pas un PDF.</translation>
    </message>
    <message>
        <source>The merge stopped unexpectedly: the helper program pdfworker ended before it finished. No merged file was written.</source>
        <translation type="vanished">La fusion s’est arrêtée de façon inattendue&#xa0;: le programme auxiliaire pdfworker s’est terminé avant la fin. Aucun fichier fusionné n’a été écrit.</translation>
    </message>
    <message>
        <source>The merged file could not be written into %1. Check that the disk is not full. Nothing was left behind.</source>
        <translation type="vanished">Le fichier fusionné n’a pas pu être écrit dans %1. Vérifiez que le disque n’est pas plein. Rien n’a été laissé.</translation>
    </message>
    <message>
        <source>The merged file could not be written into %1.</source>
        <translation type="vanished">Le fichier fusionné n’a pas pu être écrit dans %1.</translation>
    </message>
    <message>
        <source>Nothing was left behind.</source>
        <translation type="vanished">Rien n’a été laissé.</translation>
    </message>
    <message>
        <source>The merge could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">La fusion n’a pas pu démarrer&#xa0;: ses fichiers de travail n’ont pas pu être écrits dans %1. Vérifiez que le disque n’est pas plein.</translation>
    </message>
    <message>
        <source>The merge could not finish: its working files could not be written into %1. Check that the disk is not full. No merged file was written.</source>
        <translation type="vanished">La fusion n’a pas pu aboutir&#xa0;: ses fichiers de travail n’ont pas pu être écrits dans %1. Vérifiez que le disque n’est pas plein. Aucun fichier fusionné n’a été écrit.</translation>
    </message>
    <message>
        <source>The file name is too long. Shorten it and try again.</source>
        <translation>Le nom du fichier est trop long. Raccourcissez-le et réessayez.</translation>
    </message>
    <message>
        <source>The merged file will be protected with this password.</source>
        <translation>Le fichier fusionné sera protégé par ce mot de passe.</translation>
    </message>
    <message>
        <source>Add PDF files to the list</source>
        <translation>Ajouter des fichiers PDF à la liste</translation>
    </message>
    <message>
        <source>Move the selected file up</source>
        <translation>Monter le fichier sélectionné</translation>
    </message>
    <message>
        <source>Move the selected file down</source>
        <translation>Descendre le fichier sélectionné</translation>
    </message>
    <message>
        <source>Remove all files from the list</source>
        <translation>Retirer tous les fichiers de la liste</translation>
    </message>
    <message>
        <source>Clear the list?</source>
        <translation>Vider la liste ?</translation>
    </message>
    <message numerus="yes">
        <source>Remove all %n files from the list? The files themselves stay where they are.</source>
        <translation>
            <numerusform>Retirer le fichier de la liste ? Le fichier lui-même reste où il est.</numerusform>
            <numerusform>Retirer les %n fichiers de la liste ? Les fichiers eux-mêmes restent où ils sont.</numerusform>
        </translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>VIDER</translation>
    </message>
    <message>
        <source>KEEP</source>
        <translation>GARDER</translation>
    </message>
    <message>
        <source>Repair a copy</source>
        <translation>Réparer une copie</translation>
    </message>
    <message>
        <source>%1: %2 pages recovered. The merge uses a repaired copy; the original is unchanged.</source>
        <translation>%1&#xa0;: %2 pages récupérées. La fusion utilise une copie réparée&#xa0;; l’original reste intact.</translation>
    </message>
    <message>
        <source>No page of %1 could be recovered. The file is left as it was.</source>
        <translation>Aucune page de %1 n’a pu être récupérée. Le fichier reste tel quel.</translation>
    </message>
    <message>
        <source>Pages of %1: %2</source>
        <translation>Pages de %1 : %2</translation>
    </message>
    <message>
        <source>Interleave pages (for scans of front and back sides)</source>
        <translation>Entrelacer les pages (pour les scans recto et verso)</translation>
    </message>
    <message>
        <source>last file in reverse order</source>
        <translation>dernier fichier à l’envers</translation>
    </message>
    <message>
        <source>Start every file on an odd page</source>
        <translation>Commencer chaque fichier sur une page impaire</translation>
    </message>
    <message>
        <source>Takes one page from each file in turn: file 1 page 1, file 2 page 1, file 1 page 2, and so on.</source>
        <translation>Prend une page de chaque fichier à tour de rôle : fichier 1 page 1, fichier 2 page 1, fichier 1 page 2, et ainsi de suite.</translation>
    </message>
    <message>
        <source>Takes the last file&apos;s pages from its end, as a stack of back sides is scanned.</source>
        <translation>Prend les pages du dernier fichier depuis la fin, comme on scanne une pile de versos.</translation>
    </message>
    <message>
        <source>Adds a blank page after every file with an odd number of pages, so that each file starts on a front side when printed on both sides.</source>
        <translation>Ajoute une page blanche après chaque fichier au nombre de pages impair, pour que chaque fichier commence sur un recto en impression recto verso.</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Choisir les pages</translation>
    </message>
    <message>
        <source>Turn clockwise</source>
        <translation>Tourner dans le sens horaire</translation>
    </message>
    <message>
        <source>Turn counterclockwise</source>
        <translation>Tourner dans le sens antihoraire</translation>
    </message>
    <message>
        <source>Turn upside down</source>
        <translation>Retourner tête en bas</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>The pages chosen for %1 cannot be merged: %2</source>
        <translation>Les pages choisies pour %1 ne peuvent pas être fusionnées : %2</translation>
    </message>
    <message>
        <source>The merge was refused: the pages chosen for a file are not all in it. Check the Pages cells and try again. No merged file was written.</source>
        <translation type="vanished">La fusion a été refusée : les pages choisies pour un fichier n’y sont pas toutes. Vérifiez les cases Pages et réessayez. Aucun fichier fusionné n’a été écrit.</translation>
    </message>
    <message>
        <source>Choose pages from pictures…</source>
        <translation>Choisir les pages sur leurs images…</translation>
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
        <translation>%1 sur %2&#xa0;: ajout de %3</translation>
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
        <translation>Tous vos fichiers ont été fusionnés. Ouvrez le dossier pour voir le résultat.</translation>
    </message>
    <message>
        <source>Your files have been merged, except those listed below. You can open the folder to view the result</source>
        <translation>Vos fichiers ont été fusionnés, sauf ceux indiqués ci-dessous. Ouvrez le dossier pour voir le résultat.</translation>
    </message>
    <message numerus="yes">
        <source>Left out of the merged file: %1</source>
        <translation>
            <numerusform>%1 fichier n’a pas été fusionné&#xa0;:</numerusform>
            <numerusform>%1 fichiers n’ont pas été fusionnés&#xa0;:</numerusform>
        </translation>
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
    <name>MessageNewPassword</name>
    <message>
        <source>Protect with a password</source>
        <translation>Protéger par un mot de passe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
    <message numerus="yes">
        <source>Your document was split in %1 files. You can open folder to view the results of proceed of merging them.</source>
        <translation>
            <numerusform>Votre document a été divisé en %1 fichier. Ouvrez le dossier pour le voir, ou fusionnez-le avec d’autres fichiers.</numerusform>
            <numerusform>Votre document a été divisé en %1 fichiers. Ouvrez le dossier pour les voir, ou fusionnez-les.</numerusform>
        </translation>
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
    <name>NewPasswordFields</name>
    <message>
        <source>Type the password a second time to make sure it has no typo.</source>
        <translation>Saisissez le mot de passe une seconde fois pour écarter toute faute de frappe.</translation>
    </message>
    <message>
        <source>Type the password in the first field too.</source>
        <translation>Saisissez aussi le mot de passe dans le premier champ.</translation>
    </message>
    <message>
        <source>The two passwords differ. Type the same password in both fields.</source>
        <translation>Les deux mots de passe diffèrent. Saisissez le même mot de passe dans les deux champs.</translation>
    </message>
    <message>
        <source>print</source>
        <translation>l’imprimer</translation>
    </message>
    <message>
        <source>copy text</source>
        <translation>copier le texte</translation>
    </message>
    <message>
        <source>change</source>
        <translation>le modifier</translation>
    </message>
    <message>
        <source>add notes</source>
        <translation>ajouter des notes</translation>
    </message>
    <message>
        <source>fill in forms</source>
        <translation>remplir les formulaires</translation>
    </message>
    <message>
        <source>Opening the file will need this password. Whoever has it may only read the file.</source>
        <translation>Il faudra ce mot de passe pour ouvrir le fichier. Qui le connaît pourra seulement le lire.</translation>
    </message>
    <message>
        <source>Opening the file will need this password. Whoever has it may: %1.</source>
        <translation>Il faudra ce mot de passe pour ouvrir le fichier. Qui le connaît pourra&#xa0;: %1.</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the things a reader may do</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Repeat password:</source>
        <translation>Répéter le mot de passe&#xa0;:</translation>
    </message>
</context>
<context>
    <name>OutcomeText</name>
    <message>
        <source>The split could not start: the helper program %1 is missing or cannot be run. Reinstalling Sheafwright should mend this.</source>
        <translation>La division n’a pas pu démarrer&#xa0;: le programme auxiliaire %1 est absent ou ne peut pas être lancé. Réinstaller Sheafwright devrait corriger cela.</translation>
    </message>
    <message>
        <source>The merge could not start: the helper program %1 is missing or cannot be run. Reinstalling Sheafwright should mend this.</source>
        <translation>La fusion n’a pas pu démarrer&#xa0;: le programme auxiliaire %1 est absent ou ne peut pas être lancé. Réinstaller Sheafwright devrait corriger cela.</translation>
    </message>
    <message>
        <source>The split could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation>La division n’a pas pu démarrer&#xa0;: ses fichiers de travail n’ont pas pu être écrits dans %1. Vérifiez que le disque n’est pas plein.</translation>
    </message>
    <message>
        <source>The merge could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation>La fusion n’a pas pu démarrer&#xa0;: ses fichiers de travail n’ont pas pu être écrits dans %1. Vérifiez que le disque n’est pas plein.</translation>
    </message>
    <message>
        <source>The split could not finish: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation>La division n’a pas pu aboutir&#xa0;: ses fichiers de travail n’ont pas pu être écrits dans %1. Vérifiez que le disque n’est pas plein.</translation>
    </message>
    <message>
        <source>The merge could not finish: its working files could not be written into %1. Check that the disk is not full. No merged file was written.</source>
        <translation>La fusion n’a pas pu aboutir&#xa0;: ses fichiers de travail n’ont pas pu être écrits dans %1. Vérifiez que le disque n’est pas plein. Aucun fichier fusionné n’a été écrit.</translation>
    </message>
    <message>
        <source>The split was stopped.</source>
        <translation>La division a été arrêtée.</translation>
    </message>
    <message>
        <source>The merge was stopped. No merged file was written.</source>
        <translation>La fusion a été arrêtée. Aucun fichier fusionné n’a été écrit.</translation>
    </message>
    <message>
        <source>The split stopped unexpectedly: the helper program pdfworker ended before it finished.</source>
        <translation>La division s’est arrêtée de façon inattendue&#xa0;: le programme auxiliaire pdfworker s’est terminé avant la fin.</translation>
    </message>
    <message>
        <source>The merge stopped unexpectedly: the helper program pdfworker ended before it finished. No merged file was written.</source>
        <translation>La fusion s’est arrêtée de façon inattendue&#xa0;: le programme auxiliaire pdfworker s’est terminé avant la fin. Aucun fichier fusionné n’a été écrit.</translation>
    </message>
    <message>
        <source>No file could be written into %1.</source>
        <translation>Aucun fichier n’a pu être écrit dans %1.</translation>
    </message>
    <message>
        <source>Check that the folder can be written to and that the disk is not full.</source>
        <translation>Vérifiez que le dossier est accessible en écriture et que le disque n’est pas plein.</translation>
    </message>
    <message>
        <source>No merged file was written.</source>
        <translation>Aucun fichier fusionné n’a été écrit.</translation>
    </message>
    <message>
        <source>Not every file could be written.</source>
        <translation>Tous les fichiers n’ont pas pu être écrits.</translation>
    </message>
    <message>
        <source>Check that the disk is not full.</source>
        <translation>Vérifiez que le disque n’est pas plein.</translation>
    </message>
    <message>
        <source>The merged file could not be written into %1.</source>
        <translation>Le fichier fusionné n’a pas pu être écrit dans %1.</translation>
    </message>
    <message>
        <source>A page range asks for pages the document does not have.</source>
        <translation>Une plage de pages demande des pages que le document ne contient pas.</translation>
    </message>
    <message>
        <source>The document %1 could not be found.</source>
        <translation>Le document %1 est introuvable.</translation>
    </message>
    <message>
        <source>The split could not start: the helper program refused its request (%1).</source>
        <translation>La division n’a pas pu démarrer&#xa0;: le programme auxiliaire a refusé la demande (%1).</translation>
    </message>
    <message>
        <source>The merge could not start: the helper program refused its request (%1).</source>
        <translation>La fusion n’a pas pu démarrer&#xa0;: le programme auxiliaire a refusé la demande (%1).</translation>
    </message>
    <message>
        <source>The document could not be split (error %1).</source>
        <translation>Le document n&apos;a pas pu être divisé (erreur %1).</translation>
    </message>
    <message>
        <source>No merged file was written (error %1).</source>
        <translation>Aucun fichier fusionné n’a été écrit (erreur %1).</translation>
    </message>
    <message>
        <source>Split canceled</source>
        <translation>Division annulée</translation>
    </message>
    <message>
        <source>Split failed</source>
        <translation>Échec de la division</translation>
    </message>
    <message>
        <source>Merge canceled</source>
        <translation>Fusion annulée</translation>
    </message>
    <message>
        <source>Merge failed</source>
        <translation>Échec de la fusion</translation>
    </message>
    <message>
        <source>Nothing was left behind.</source>
        <translation>Rien n’a été laissé.</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>Aucun fichier n’a été écrit.</translation>
    </message>
    <message numerus="yes">
        <source>%1 files written before the stop are complete and were kept in %2.</source>
        <translation>
            <numerusform>Le fichier écrit avant l’arrêt (%1) est complet et a été conservé dans %2.</numerusform>
            <numerusform>Les %1 fichiers écrits avant l’arrêt sont complets et ont été conservés dans %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 files written before the failure are complete and were kept in %2.</source>
        <translation>
            <numerusform>Le fichier écrit avant l’échec (%1) est complet et a été conservé dans %2.</numerusform>
            <numerusform>Les %1 fichiers écrits avant l’échec sont complets et ont été conservés dans %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>No file holds these pages: %1.</source>
        <translation>Aucun fichier ne contient ces pages&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The merged file was saved as %1, because a file named %2 already exists.</source>
        <translation>Le fichier fusionné a été enregistré sous le nom %1, car un fichier nommé %2 existe déjà.</translation>
    </message>
    <message numerus="yes">
        <source>%1 files got a number in front of their names, because files of those names already exist: %2</source>
        <translation>
            <numerusform>%1 fichier a reçu un numéro devant son nom, car un fichier de ce nom existe déjà&#xa0;: %2</numerusform>
            <numerusform>%1 fichiers ont reçu un numéro devant leur nom, car des fichiers de ces noms existent déjà&#xa0;: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 pages are larger than the size limit by themselves and were each saved in a file of their own: %2</source>
        <translation>
            <numerusform>%1 page dépasse à elle seule la taille maximale et a été enregistrée dans un fichier à part&#xa0;: %2</numerusform>
            <numerusform>%1 pages dépassent à elles seules la taille maximale et ont été enregistrées chacune dans un fichier à part&#xa0;: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>its password is missing or wrong</source>
        <translation>son mot de passe manque ou est incorrect</translation>
    </message>
    <message>
        <source>it is damaged or is not a PDF file</source>
        <translation>il est endommagé ou n’est pas un fichier PDF</translation>
    </message>
    <message>
        <source>the computer ran out of memory while reading it</source>
        <translation>la mémoire de l’ordinateur a manqué pendant sa lecture</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>il n’a pas pu être écrit</translation>
    </message>
    <message>
        <source>%1 is protected, but the new files are not: anyone can open, print and copy them.</source>
        <translation>%1 est protégé, mais les nouveaux fichiers ne le sont pas&#xa0;: tout le monde peut les ouvrir, les imprimer et les copier.</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>No folder is chosen to save into.</source>
        <translation>Aucun dossier de destination n’est choisi.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder, so %2 cannot be created.</source>
        <translation>%1 est un fichier et non un dossier&#xa0;: %2 ne peut donc pas être créé.</translation>
    </message>
    <message>
        <source>You do not have permission to save files in %1.</source>
        <translation>Vous n’avez pas l’autorisation d’enregistrer des fichiers dans %1.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist and cannot be created: you do not have permission to create folders in %2.</source>
        <translation>Le dossier %1 n’existe pas et ne peut pas être créé&#xa0;: vous n’avez pas l’autorisation de créer des dossiers dans %2.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist and could not be created.</source>
        <translation>Le dossier %1 n’existe pas et n’a pas pu être créé.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
</context>
<context>
    <name>PageEntry</name>
    <message>
        <source>Enter how many pages go into each file.</source>
        <translation>Indiquez combien de pages vont dans chaque fichier.</translation>
    </message>
    <message>
        <source>Enter a page number.</source>
        <translation>Saisissez un numéro de page.</translation>
    </message>
    <message>
        <source>Enter pages, for example 3, 5-7 or 9-.</source>
        <translation>Saisissez des pages, par exemple 3, 5-7 ou 9-.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre entier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a page number.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un numéro de page.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a page or a range. Write pages like 3, 5-7 or 9-.</source>
        <translation>«&#xa0;%1&#xa0;» n’est ni une page ni une plage. Écrivez des pages comme 3, 5-7 ou 9-.</translation>
    </message>
    <message>
        <source>Each file needs at least 1 page.</source>
        <translation>Chaque fichier doit contenir au moins 1 page.</translation>
    </message>
    <message>
        <source>Pages are numbered from 1.</source>
        <translation>Les pages sont numérotées à partir de 1.</translation>
    </message>
    <message numerus="yes">
        <source>A group cannot be larger than the document: it has %n pages.</source>
        <translation>
            <numerusform>Un groupe ne peut pas dépasser le document&#xa0;: il a %n page.</numerusform>
            <numerusform>Un groupe ne peut pas dépasser le document&#xa0;: il a %n pages.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There is no page %1: the document has %n pages.</source>
        <translation>
            <numerusform>Il n’y a pas de page %1&#xa0;: le document a %n page.</numerusform>
            <numerusform>Il n’y a pas de page %1&#xa0;: le document a %n pages.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 runs backwards: write %2.</source>
        <translation>%1 va à rebours&#xa0;: écrivez %2.</translation>
    </message>
</context>
<context>
    <name>PageGridDelegate</name>
    <message>
        <source>File name</source>
        <translation>Nom du fichier</translation>
    </message>
</context>
<context>
    <name>PageGridDialog</name>
    <message numerus="yes">
        <source>%n part(s)</source>
        <translation>
            <numerusform>%n partie</numerusform>
            <numerusform>%n parties</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) left out</source>
        <translation>
            <numerusform>%n page retirée</numerusform>
            <numerusform>%n pages retirées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <translation>
            <numerusform>%n page</numerusform>
            <numerusform>%n pages</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Choisir les pages</translation>
    </message>
    <message>
        <source>Choose pages – %1</source>
        <translation>Choisir les pages – %1</translation>
    </message>
    <message>
        <source>Click between two pages to cut the document there; click a cut again to join the parts. Double-click a part&apos;s band to name its file.</source>
        <translation>Cliquez entre deux pages pour y couper le document&#xa0;; cliquez à nouveau sur une coupure pour réunir les parties. Double-cliquez sur le bandeau d’une partie pour nommer son fichier.</translation>
    </message>
    <message>
        <source>Click a page to leave it out, and again to keep it; Shift+click marks every page up to it.</source>
        <translation>Cliquez sur une page pour la retirer, et à nouveau pour la garder&#xa0;; Maj+clic marque toutes les pages jusqu’à celle-ci.</translation>
    </message>
    <message>
        <source>The coloured bands show the files the split will write.</source>
        <translation>Les bandeaux de couleur montrent les fichiers que la division va créer.</translation>
    </message>
    <message>
        <source>The pages of the document.</source>
        <translation>Les pages du document.</translation>
    </message>
    <message>
        <source>The pages of this document cannot be drawn; their numbers are shown.</source>
        <translation>Les pages de ce document ne peuvent pas être affichées&#xa0;; leurs numéros sont indiqués.</translation>
    </message>
    <message>
        <source>Smaller pages (Ctrl+minus)</source>
        <translation>Pages plus petites (Ctrl+moins)</translation>
    </message>
    <message>
        <source>Larger pages (Ctrl+plus)</source>
        <translation>Pages plus grandes (Ctrl+plus)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>PageGridView</name>
    <message>
        <source>Click to join the parts on both sides</source>
        <translation>Cliquez pour réunir les parties de part et d’autre</translation>
    </message>
    <message>
        <source>Click to cut between page %1 and page %2</source>
        <translation>Cliquez pour couper entre la page %1 et la page %2</translation>
    </message>
    <message>
        <source>Part %1: pages %2 to %3</source>
        <translation>Partie %1&#xa0;: pages %2 à %3</translation>
    </message>
    <message>
        <source>File name: %1</source>
        <translation>Nom du fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Double-click to name the file</source>
        <translation>Double-cliquez pour nommer le fichier</translation>
    </message>
    <message>
        <source>Page %1 could not be drawn.</source>
        <translation>La page %1 n’a pas pu être affichée.</translation>
    </message>
</context>
<context>
    <name>PasswordInput</name>
    <message>
        <source>No password could be read from standard input.</source>
        <translation>Aucun mot de passe n’a pu être lu sur l’entrée standard.</translation>
    </message>
    <message>
        <source>The password file %1 cannot be read.</source>
        <translation>Le fichier de mots de passe %1 ne peut pas être lu.</translation>
    </message>
</context>
<context>
    <name>PdfFileDialog</name>
    <message>
        <source>PDF files</source>
        <translation>Fichiers PDF</translation>
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
        <translation>Impossible d’ouvrir le fichier</translation>
    </message>
    <message>
        <source>The password for %1 is incorrect</source>
        <translation>Le mot de passe de %1 est incorrect.</translation>
    </message>
    <message>
        <source>%1 cannot be read. The file is damaged or is not a PDF.</source>
        <translation>%1 est illisible. Le fichier est endommagé ou n’est pas un PDF.</translation>
    </message>
    <message>
        <source>Choose pages…</source>
        <translation>Choisir les pages…</translation>
    </message>
    <message>
        <source>Show the pages of this document</source>
        <translation>Afficher les pages de ce document</translation>
    </message>
    <message>
        <source>Close this document here. The file itself is not deleted.</source>
        <translation>Ferme le document ici. Le fichier lui-même n&apos;est pas supprimé.</translation>
    </message>
    <message>
        <source>Repair a copy</source>
        <translation>Réparer une copie</translation>
    </message>
    <message>
        <source>Repairing a copy…</source>
        <translation>Réparation d’une copie…</translation>
    </message>
    <message>
        <source>No page could be recovered; the file is left as it was.</source>
        <translation>Aucune page n’a pu être récupérée&#xa0;; le fichier reste tel quel.</translation>
    </message>
    <message>
        <source>Repaired copy in use: %1 pages recovered. The original is unchanged.</source>
        <translation>Copie réparée utilisée&#xa0;: %1 pages récupérées. L’original est intact.</translation>
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
    <name>RangeItemView</name>
    <message>
        <source>%1: %2</source>
        <comment>a named page range: its name, then its pages</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message numerus="yes">
        <source>%n file(s) are larger than the limit: each holds a single page that alone is larger.</source>
        <translation type="vanished">
            <numerusform>%n fichier dépasse la limite&#xa0;: il contient une seule page qui, à elle seule, est plus grande.</numerusform>
            <numerusform>%n fichiers dépassent la limite&#xa0;: chacun contient une seule page qui, à elle seule, est plus grande.</numerusform>
        </translation>
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
        <translation>Supprimer des pages</translation>
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
        <translation>Ajoutez les pages à supprimer&#xa0;; une copie du document sans ces pages est enregistrée.</translation>
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
        <translation>Ajoutez les plages de pages voulues&#xa0;; chacune est enregistrée dans un fichier distinct.</translation>
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
        <translation type="vanished">Division annulée</translation>
    </message>
    <message>
        <source>The document could not be split (error %1).</source>
        <translation type="vanished">Le document n&apos;a pas pu être divisé (erreur %1).</translation>
    </message>
    <message>
        <source>Error: this file has read permission only!</source>
        <translation>Ce document n’autorise pas la copie de ses pages&#xa0;: il ne peut donc pas être divisé.</translation>
    </message>
    <message>
        <source>Nothing to split</source>
        <translation>Rien à diviser</translation>
    </message>
    <message>
        <source>Add a PDF file to split first.</source>
        <translation>Ajoutez d’abord un fichier PDF à diviser.</translation>
    </message>
    <message>
        <source>This document has only one page.</source>
        <translation>Ce document n’a qu’une seule page.</translation>
    </message>
    <message>
        <source>The start page is after the last page of the document.</source>
        <translation type="vanished">La page de départ se trouve après la dernière page du document.</translation>
    </message>
    <message>
        <source>Add the pages to remove first.</source>
        <translation>Ajoutez d’abord les pages à supprimer.</translation>
    </message>
    <message>
        <source>Add at least one page range first.</source>
        <translation>Ajoutez d’abord au moins une plage de pages.</translation>
    </message>
    <message>
        <source>The split could not start: the helper program pdfworker is missing or cannot be run. Reinstalling Sheafwright should mend this.</source>
        <translation type="vanished">La division n’a pas pu démarrer&#xa0;: le programme auxiliaire pdfworker est absent ou ne peut pas être lancé. Réinstaller Sheafwright devrait corriger cela.</translation>
    </message>
    <message>
        <source>The split was stopped. Files written into %1 before the stop are complete.</source>
        <translation type="vanished">La division a été arrêtée. Les fichiers écrits dans %1 avant l’arrêt sont complets.</translation>
    </message>
    <message>
        <source>No file could be written into %1. Check that the folder can be written to and that the disk is not full.</source>
        <translation type="vanished">Aucun fichier n’a pu être écrit dans %1. Vérifiez que le dossier est accessible en écriture et que le disque n’est pas plein.</translation>
    </message>
    <message>
        <source>The split was stopped before any file was written.</source>
        <translation type="vanished">La division a été arrêtée avant l’écriture du moindre fichier.</translation>
    </message>
    <message numerus="yes">
        <source>The split was stopped. %1 files written before the stop are complete and were kept in %2.</source>
        <translation type="vanished">
            <numerusform>La division a été arrêtée. Le fichier écrit avant l’arrêt (%1) est complet et a été conservé dans %2.</numerusform>
            <numerusform>La division a été arrêtée. Les %1 fichiers écrits avant l’arrêt sont complets et ont été conservés dans %2.</numerusform>
        </translation>
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
        <source>Enter the largest file size first.</source>
        <translation>Indiquez d’abord la taille maximale des fichiers.</translation>
    </message>
    <message>
        <source>This document has no bookmarks, so it cannot be split at them.</source>
        <translation>Ce document n’a pas de signets&#xa0;: il ne peut pas être divisé selon ses signets.</translation>
    </message>
    <message numerus="yes">
        <source>%1 pages are larger than the size limit by themselves and were each saved in a file of their own: %2</source>
        <translation type="vanished">
            <numerusform>%1 page dépasse à elle seule la taille maximale et a été enregistrée dans un fichier à part&#xa0;: %2</numerusform>
            <numerusform>%1 pages dépassent à elles seules la taille maximale et ont été enregistrées chacune dans un fichier à part&#xa0;: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 files written before the failure are complete and were kept in %2.</source>
        <translation type="vanished">
            <numerusform>Le fichier écrit avant l’échec (%1) est complet et a été conservé dans %2.</numerusform>
            <numerusform>Les %1 fichiers écrits avant l’échec sont complets et ont été conservés dans %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not every file could be written. Check that the disk is not full.</source>
        <translation type="vanished">Tous les fichiers n’ont pas pu être écrits. Vérifiez que le disque n’est pas plein.</translation>
    </message>
    <message>
        <source>The split stopped unexpectedly (error %1).</source>
        <translation type="vanished">La division s’est arrêtée de façon inattendue (erreur %1).</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>Aucun fichier n’a été écrit.</translation>
    </message>
    <message>
        <source>The split stopped unexpectedly: the helper program pdfworker ended before it finished.</source>
        <translation type="vanished">La division s’est arrêtée de façon inattendue&#xa0;: le programme auxiliaire pdfworker s’est terminé avant la fin.</translation>
    </message>
    <message>
        <source>No file could be written into %1.</source>
        <translation type="vanished">Aucun fichier n’a pu être écrit dans %1.</translation>
    </message>
    <message>
        <source>Not every file could be written.</source>
        <translation type="vanished">Tous les fichiers n’ont pas pu être écrits.</translation>
    </message>
    <message>
        <source>The split could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">La division n’a pas pu démarrer&#xa0;: ses fichiers de travail n’ont pas pu être écrits dans %1. Vérifiez que le disque n’est pas plein.</translation>
    </message>
    <message>
        <source>The split could not finish: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">La division n’a pas pu aboutir&#xa0;: ses fichiers de travail n’ont pas pu être écrits dans %1. Vérifiez que le disque n’est pas plein.</translation>
    </message>
    <message>
        <source>These are all the pages of the document: removing them would leave nothing.</source>
        <translation>Ce sont toutes les pages du document&#xa0;: les retirer ne laisserait rien.</translation>
    </message>
    <message>
        <source>Enter the document&apos;s password first.</source>
        <translation>Saisissez d’abord le mot de passe du document.</translation>
    </message>
    <message numerus="yes">
        <source>The entries marked in red are not in this document, which has %n pages. Remove them to split.</source>
        <translation>
            <numerusform>Les entrées en rouge ne sont pas dans ce document, qui a %n page. Retirez-les pour diviser.</numerusform>
            <numerusform>Les entrées en rouge ne sont pas dans ce document, qui a %n pages. Retirez-les pour diviser.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the document has %n pages</source>
        <translation>
            <numerusform>le document a %n page</numerusform>
            <numerusform>le document a %n pages</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowBar</name>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>WriteError</name>
    <message>
        <source>The disk is full.</source>
        <translation>Le disque est plein.</translation>
    </message>
    <message>
        <source>A file grew past the largest size the drive allows (4 GB on a FAT32 drive) or the system lets this program write.</source>
        <translation>Un fichier a dépassé la taille maximale que permet le lecteur (4 Go sur un lecteur FAT32) ou que le système autorise ce programme à écrire.</translation>
    </message>
    <message>
        <source>The folder is on a drive that can only be read.</source>
        <translation>Le dossier se trouve sur un lecteur accessible en lecture seule.</translation>
    </message>
    <message>
        <source>You do not have permission to write into the folder.</source>
        <translation>Vous n’avez pas l’autorisation d’écrire dans ce dossier.</translation>
    </message>
    <message>
        <source>The computer ran out of memory. Closing other programs may help.</source>
        <translation>La mémoire de l’ordinateur est épuisée. Fermer d’autres programmes peut aider.</translation>
    </message>
</context>
</TS>
