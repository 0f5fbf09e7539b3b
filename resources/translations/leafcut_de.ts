<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BookmarkModePage</name>
    <message>
        <source>Bookmark level:</source>
        <translation>Lesezeichen-Ebene:</translation>
    </message>
    <message>
        <source>This document has no bookmarks, so it cannot be split at them.</source>
        <translation>Dieses Dokument hat keine Lesezeichen und kann daher nicht an ihnen geteilt werden.</translation>
    </message>
    <message>
        <source>A new file starts at every bookmark of this level and the levels above it, named after the bookmark. Pages before the first bookmark form a file of their own.</source>
        <translation>An jedem Lesezeichen dieser Ebene und der Ebenen darüber beginnt eine neue Datei, benannt nach dem Lesezeichen. Seiten vor dem ersten Lesezeichen bilden eine eigene Datei.</translation>
    </message>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 Datei</numerusform>
            <numerusform>%1 Dateien</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliMerge</name>
    <message>
        <source>Writes the merged file as OUTPUT (its folder is made when missing); an existing file is never replaced.</source>
        <translation>Schreibt die zusammengefügte Datei als OUTPUT (ein fehlender Ordner wird angelegt); eine vorhandene Datei wird nie ersetzt.</translation>
    </message>
    <message>
        <source>Merges PDF files into one, in the order given, without opening a window. Bookmarks, links and named destinations of every file keep working in the merged file.</source>
        <translation>Fügt PDF-Dateien in der angegebenen Reihenfolge zu einer zusammen, ohne ein Fenster zu öffnen. Lesezeichen, Links und benannte Ziele jeder Datei funktionieren in der zusammengefügten Datei weiter.</translation>
    </message>
    <message>
        <source>The PDF files to merge, at least two.</source>
        <translation type="vanished">Die zusammenzufügenden PDF-Dateien, mindestens zwei.</translation>
    </message>
    <message>
        <source>Name the merged file with -o OUTPUT.</source>
        <translation>Geben Sie die zusammengefügte Datei mit -o OUTPUT an.</translation>
    </message>
    <message>
        <source>%1 exists already, and a merge never replaces a file: choose another name.</source>
        <translation>%1 gibt es schon, und das Zusammenfügen ersetzt nie eine Datei: Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>It was left out.</source>
        <translation>Sie wurde ausgelassen.</translation>
    </message>
    <message>
        <source>Usage: sheafwright merge [options] -o OUTPUT FILE...</source>
        <translation type="vanished">Aufruf: sheafwright merge [Optionen] -o OUTPUT FILE...</translation>
    </message>
    <message>
        <source>Name at least two PDF files to merge.</source>
        <translation>Geben Sie mindestens zwei PDF-Dateien zum Zusammenfügen an.</translation>
    </message>
    <message>
        <source>No file could be merged: none of them can be read.</source>
        <translation>Es konnte keine Datei zusammengefügt werden: Keine davon lässt sich lesen.</translation>
    </message>
    <message numerus="yes">
        <source>Merging %n file(s) into %1...</source>
        <translation>
            <numerusform>%n Datei wird zu %1 zusammengefügt...</numerusform>
            <numerusform>%n Dateien werden zu %1 zusammengefügt...</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be merged: it is damaged or its pages cannot be copied. It was left out.</source>
        <translation type="vanished">%1 konnte nicht zusammengefügt werden: Die Datei ist beschädigt, oder ihre Seiten lassen sich nicht kopieren. Sie wurde ausgelassen.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) merged into %1.</source>
        <translation>
            <numerusform>%n Datei zu %1 zusammengefügt.</numerusform>
            <numerusform>%n Dateien zu %1 zusammengefügt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 was written without the %n file(s) left out.</source>
        <translation>
            <numerusform>%1 wurde ohne die ausgelassene Datei geschrieben.</numerusform>
            <numerusform>%1 wurde ohne die %n ausgelassenen Dateien geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge was stopped. No merged file was written.</source>
        <translation type="vanished">Das Zusammenführen wurde abgebrochen. Es wurde keine Datei geschrieben.</translation>
    </message>
    <message>
        <source>The merged file could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">Die zusammengefügte Datei konnte nicht in %1 geschrieben werden. Prüfen Sie, ob der Datenträger voll ist.</translation>
    </message>
    <message>
        <source>The merged file could not be written into %1.</source>
        <translation type="vanished">Die zusammengeführte Datei konnte nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Nothing was left behind.</source>
        <translation type="vanished">Es blieb nichts zurück.</translation>
    </message>
    <message>
        <source>The merge stopped unexpectedly: the helper program pdfworker ended before it finished. No merged file was written.</source>
        <translation type="vanished">Das Zusammenführen brach unerwartet ab: Das Hilfsprogramm pdfworker endete, bevor es fertig war. Es wurde keine zusammengeführte Datei geschrieben.</translation>
    </message>
    <message>
        <source>The merge could not start: the helper program %1 is missing or cannot be run. Reinstalling Sheafwright should mend this.</source>
        <translation type="vanished">Das Zusammenfügen konnte nicht beginnen: Das Hilfsprogramm %1 fehlt oder lässt sich nicht starten. Eine Neuinstallation von Sheafwright sollte das beheben.</translation>
    </message>
    <message>
        <source>The merge could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">Das Zusammenführen konnte nicht beginnen: Seine Arbeitsdateien konnten nicht in %1 geschrieben werden. Prüfen Sie, ob der Datenträger voll ist.</translation>
    </message>
    <message>
        <source>The merge could not finish: its working files could not be written into %1. Check that the disk is not full. No merged file was written.</source>
        <translation type="vanished">Das Zusammenführen konnte nicht abgeschlossen werden: Seine Arbeitsdateien konnten nicht in %1 geschrieben werden. Prüfen Sie, ob der Datenträger voll ist. Es wurde keine zusammengeführte Datei geschrieben.</translation>
    </message>
    <message>
        <source>No merged file was written (error %1).</source>
        <translation type="vanished">Es wurde keine zusammengefügte Datei geschrieben (Fehler %1).</translation>
    </message>
    <message>
        <source>Takes one page from each file in turn (scans of front sides and of back sides become one document).</source>
        <translation>Nimmt abwechselnd eine Seite aus jeder Datei (Scans der Vorderseiten und der Rückseiten werden ein Dokument).</translation>
    </message>
    <message>
        <source>With --interleave: takes the last file&apos;s pages from its end (back sides scanned in reverse order).</source>
        <translation>Mit --interleave: nimmt die Seiten der letzten Datei von ihrem Ende her (Rückseiten in umgekehrter Reihenfolge gescannt).</translation>
    </message>
    <message>
        <source>Adds a blank page after every file with an odd number of pages but the last, so that each file starts on a front side when printed on both sides.</source>
        <translation>Fügt nach jeder Datei mit ungerader Seitenzahl außer der letzten eine leere Seite ein, damit beim beidseitigen Druck jede Datei auf einer Vorderseite beginnt.</translation>
    </message>
    <message>
        <source>The PDF files to merge, at least two. FILE:PAGES takes only those pages of FILE, in the order given (for example report.pdf:1-3,7,10-).</source>
        <translation>Die zu verbindenden PDF-Dateien, mindestens zwei. FILE:PAGES nimmt nur diese Seiten von FILE, in der angegebenen Reihenfolge (zum Beispiel bericht.pdf:1-3,7,10-).</translation>
    </message>
    <message>
        <source>--reverse-last reverses the last file of an interleaved merge: add --interleave.</source>
        <translation>--reverse-last kehrt die letzte Datei einer abwechselnden Zusammenführung um: --interleave hinzufügen.</translation>
    </message>
    <message>
        <source>--interleave and --blank-after-odd cannot go together: interleaved pages leave no file to start on a front side.</source>
        <translation>--interleave und --blank-after-odd gehen nicht zusammen: bei abwechselnden Seiten beginnt keine Datei für sich auf einer Vorderseite.</translation>
    </message>
    <message>
        <source>Usage: sheafwright merge [options] -o OUTPUT FILE[:PAGES]...</source>
        <translation>Aufruf: sheafwright merge [Optionen] -o OUTPUT FILE[:PAGES]...</translation>
    </message>
</context>
<context>
    <name>CliSplit</name>
    <message>
        <source>Writes one file per page.</source>
        <translation>Schreibt eine Datei je Seite.</translation>
    </message>
    <message>
        <source>Writes one file per N pages.</source>
        <translation>Schreibt eine Datei je N Seiten.</translation>
    </message>
    <message>
        <source>With --every: starts the first group at page K (pages before it are left out).</source>
        <translation>Mit --every: Die erste Gruppe beginnt auf Seite K (die Seiten davor werden ausgelassen).</translation>
    </message>
    <message>
        <source>Writes one file per page range of LIST, such as &quot;1-3, 7, 10-&quot; (&quot;10-&quot;: page 10 to the last).</source>
        <translation>Schreibt eine Datei je Seitenbereich von LIST, etwa „1-3, 7, 10-“ („10-“: Seite 10 bis zur letzten).</translation>
    </message>
    <message>
        <source>Writes one copy of the document without the pages of LIST.</source>
        <translation>Schreibt eine Kopie des Dokuments ohne die Seiten von LIST.</translation>
    </message>
    <message>
        <source>Writes one file per bookmark of levels 1 to LEVEL, named after it (1: chapters).</source>
        <translation>Schreibt eine Datei je Lesezeichen der Ebenen 1 bis LEVEL, nach ihm benannt (1: Kapitel).</translation>
    </message>
    <message>
        <source>Writes consecutive files of at most SIZE each, such as 9MB or 500KB.</source>
        <translation>Schreibt aufeinanderfolgende Dateien von höchstens SIZE, etwa 9MB oder 500KB.</translation>
    </message>
    <message>
        <source>Writes the files into FOLDER (made when missing) instead of beside FILE.</source>
        <translation>Schreibt die Dateien in FOLDER (wird angelegt, wenn er fehlt) statt neben FILE.</translation>
    </message>
    <message>
        <source>Splits one PDF file without opening a window. Give exactly one of --per-page, --every, --ranges, --without, --by-bookmarks and --by-size. Existing files are never replaced: a new file whose name is taken gets a number in front of its name.</source>
        <translation>Teilt eine PDF-Datei, ohne ein Fenster zu öffnen. Geben Sie genau eine der Optionen --per-page, --every, --ranges, --without, --by-bookmarks und --by-size an. Vorhandene Dateien werden nie ersetzt: Eine neue Datei, deren Name vergeben ist, erhält eine Nummer vor ihrem Namen.</translation>
    </message>
    <message>
        <source>The PDF file to split.</source>
        <translation>Die zu teilende PDF-Datei.</translation>
    </message>
    <message>
        <source>--%1 and --%2 are two ways to split: choose one.</source>
        <translation>--%1 und --%2 sind zwei Arten zu teilen: Wählen Sie eine.</translation>
    </message>
    <message>
        <source>Choose how to split: --per-page, --every N, --ranges LIST, --without LIST, --by-bookmarks LEVEL or --by-size SIZE.</source>
        <translation>Wählen Sie, wie geteilt wird: --per-page, --every N, --ranges LIST, --without LIST, --by-bookmarks LEVEL oder --by-size SIZE.</translation>
    </message>
    <message>
        <source>--start goes with --every.</source>
        <translation>--start gehört zu --every.</translation>
    </message>
    <message>
        <source>--every needs a whole number of pages, at least 1, not &quot;%1&quot;.</source>
        <translation>--every braucht eine ganze Zahl von Seiten, mindestens 1, nicht „%1“.</translation>
    </message>
    <message>
        <source>--start needs a page number, at least 1, not &quot;%1&quot;.</source>
        <translation>--start braucht eine Seitenzahl, mindestens 1, nicht „%1“.</translation>
    </message>
    <message>
        <source>--by-bookmarks needs a bookmark level, at least 1, not &quot;%1&quot;.</source>
        <translation>--by-bookmarks braucht eine Lesezeichenebene, mindestens 1, nicht „%1“.</translation>
    </message>
    <message>
        <source>--by-size needs a size with its unit, at least 1KB, such as 9MB or 500KB, not &quot;%1&quot;.</source>
        <translation>--by-size braucht eine Größe mit Einheit, mindestens 1KB, etwa 9MB oder 500KB, nicht „%1“.</translation>
    </message>
    <message>
        <source>--start %1 is past the last page of %2 (%3).</source>
        <translation>--start %1 liegt hinter der letzten Seite von %2 (%3).</translation>
    </message>
    <message>
        <source>--ranges: %1</source>
        <translation>--ranges: %1</translation>
    </message>
    <message>
        <source>--without: %1</source>
        <translation>--without: %1</translation>
    </message>
    <message>
        <source>--without: every page of %1 would be removed.</source>
        <translation>--without: Jede Seite von %1 würde entfernt.</translation>
    </message>
    <message>
        <source>%1 has no bookmarks that lead to its pages.</source>
        <translation>%1 hat keine Lesezeichen, die zu seinen Seiten führen.</translation>
    </message>
    <message>
        <source>Usage: sheafwright split [options] FILE</source>
        <translation>Aufruf: sheafwright split [Optionen] FILE</translation>
    </message>
    <message>
        <source>Name the PDF file to split.</source>
        <translation>Geben Sie die zu teilende PDF-Datei an.</translation>
    </message>
    <message>
        <source>split takes one PDF file; run it once for each file.</source>
        <translation>split nimmt eine PDF-Datei; rufen Sie es für jede Datei einmal auf.</translation>
    </message>
    <message>
        <source>%1 has a single page: there is nothing to split.</source>
        <translation>%1 hat nur eine Seite: Es gibt nichts zu teilen.</translation>
    </message>
    <message>
        <source>%1 does not allow copying its pages. Its owner password, given with --password-file, lifts that.</source>
        <translation>%1 erlaubt nicht, seine Seiten zu kopieren. Sein Besitzerpasswort, mit --password-file angegeben, hebt das auf.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) written into %1.</source>
        <translation>
            <numerusform>%n Datei in %1 geschrieben.</numerusform>
            <numerusform>%n Dateien in %1 geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>The split could not start: the helper program %1 is missing or cannot be run. Reinstalling Sheafwright should mend this.</source>
        <translation type="vanished">Das Teilen konnte nicht beginnen: Das Hilfsprogramm %1 fehlt oder lässt sich nicht starten. Eine Neuinstallation von Sheafwright sollte das beheben.</translation>
    </message>
    <message>
        <source>The split could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">Das Teilen konnte nicht beginnen: Seine Arbeitsdateien konnten nicht in %1 geschrieben werden. Prüfen Sie, ob der Datenträger voll ist.</translation>
    </message>
    <message>
        <source>The split could not finish: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">Das Teilen konnte nicht abgeschlossen werden: Seine Arbeitsdateien konnten nicht in %1 geschrieben werden. Prüfen Sie, ob der Datenträger voll ist.</translation>
    </message>
    <message>
        <source>The split was stopped.</source>
        <translation type="vanished">Das Teilen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The split stopped unexpectedly: the helper program pdfworker ended before it finished.</source>
        <translation type="vanished">Das Teilen brach unerwartet ab: Das Hilfsprogramm pdfworker endete, bevor es fertig war.</translation>
    </message>
    <message>
        <source>No file could be written into %1. Check that the folder can be written to and that the disk is not full.</source>
        <translation type="vanished">In %1 konnte keine Datei geschrieben werden. Prüfen Sie, ob der Ordner beschreibbar und der Datenträger nicht voll ist.</translation>
    </message>
    <message>
        <source>No file could be written into %1.</source>
        <translation type="vanished">In %1 konnte keine Datei geschrieben werden.</translation>
    </message>
    <message>
        <source>Not every file could be written. Check that the disk is not full.</source>
        <translation type="vanished">Nicht alle Dateien konnten geschrieben werden. Prüfen Sie, ob der Datenträger voll ist.</translation>
    </message>
    <message>
        <source>Not every file could be written.</source>
        <translation type="vanished">Nicht alle Dateien konnten geschrieben werden.</translation>
    </message>
    <message>
        <source>The document could not be split (error %1).</source>
        <translation type="vanished">Das Dokument konnte nicht geteilt werden (Fehler %1).</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were written whole and kept in %1.</source>
        <translation type="vanished">
            <numerusform>%n Datei wurde vollständig geschrieben und in %1 behalten.</numerusform>
            <numerusform>%n Dateien wurden vollständig geschrieben und in %1 behalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation type="vanished">Es wurde keine Datei geschrieben.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt die Versionsinformation an.</translation>
    </message>
    <message>
        <source>PDF files to open.</source>
        <translation>Zu öffnende PDF-Dateien.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a PDF file.</source>
        <translation>%1 ist ein Ordner, keine PDF-Datei.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 is not a PDF file.</source>
        <translation>%1 ist keine PDF-Datei.</translation>
    </message>
    <message>
        <source>Try &quot;sheafwright --help&quot; for more information.</source>
        <translation>Mehr Informationen mit „sheafwright --help“.</translation>
    </message>
    <message>
        <source>Splits and merges PDF files. One PDF file opens on the split screen; several go to the merge list in the order given. Without a window: &quot;sheafwright split --help&quot; and &quot;sheafwright merge --help&quot;.</source>
        <translation>Teilt PDF-Dateien und fügt sie zusammen. Eine PDF-Datei öffnet sich im Bildschirm „Teilen“, mehrere kommen in der angegebenen Reihenfolge in die Liste zum Zusammenfügen. Ohne Fenster: „sheafwright split --help“ und „sheafwright merge --help“.</translation>
    </message>
    <message>
        <source>Splits and merges PDF files. One PDF file opens on the split screen; several go to the merge list in the order given.</source>
        <translation type="vanished">Teilt PDF-Dateien und fügt sie zusammen. Eine PDF-Datei öffnet sich im Bildschirm „Teilen“, mehrere kommen in der angegebenen Reihenfolge in die Liste zum Zusammenfügen.</translation>
    </message>
    <message>
        <source>Writes trace messages to standard error (they always go to the log file). SHEAFWRIGHT_DEBUG=1 does the same.</source>
        <translation>Schreibt Ablaufmeldungen in die Standardfehlerausgabe (in die Protokolldatei gehen sie immer). SHEAFWRIGHT_DEBUG=1 bewirkt dasselbe.</translation>
    </message>
</context>
<context>
    <name>CommandOptions</name>
    <message>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Writes TEXT as the title of the new files.</source>
        <translation>Schreibt TEXT als Titel der neuen Dateien.</translation>
    </message>
    <message>
        <source>Writes TEXT as the author of the new files.</source>
        <translation>Schreibt TEXT als Autor der neuen Dateien.</translation>
    </message>
    <message>
        <source>Opens protected files with the passwords in FILE, one per line, each tried in turn (&quot;-&quot;: read them from standard input).</source>
        <translation>Öffnet geschützte Dateien mit den Passwörtern in FILE, eines je Zeile, der Reihe nach versucht („-“: von der Standardeingabe lesen).</translation>
    </message>
    <message>
        <source>Reads the passwords of protected files from standard input, one per line.</source>
        <translation>Liest die Passwörter geschützter Dateien von der Standardeingabe, eines je Zeile.</translation>
    </message>
    <message>
        <source>Protects the new files with a password, asked for twice on the terminal.</source>
        <translation>Schützt die neuen Dateien mit einem Passwort, das zweimal im Terminal abgefragt wird.</translation>
    </message>
    <message>
        <source>Protects the new files with the password on the first line of FILE (&quot;-&quot;: read it from standard input).</source>
        <translation>Schützt die neuen Dateien mit dem Passwort in der ersten Zeile von FILE („-“: von der Standardeingabe lesen).</translation>
    </message>
    <message>
        <source>Prints what was written (files, pages, files left out and why) as JSON on standard output.</source>
        <translation>Gibt aus, was geschrieben wurde (Dateien, Seiten, ausgelassene Dateien und warum), als JSON auf der Standardausgabe.</translation>
    </message>
    <message>
        <source>Prints the program&apos;s trace on standard error.</source>
        <translation>Gibt die Ablaufprotokollierung des Programms auf der Standardfehlerausgabe aus.</translation>
    </message>
    <message>
        <source>Standard input can hold either the passwords of protected files or the protection password, not both.</source>
        <translation>Die Standardeingabe kann entweder die Passwörter geschützter Dateien oder das Schutzpasswort enthalten, nicht beides.</translation>
    </message>
    <message>
        <source>--protect and --protect-password-file both give the protection password: choose one.</source>
        <translation>--protect und --protect-password-file geben beide das Schutzpasswort an: Wählen Sie eine Option.</translation>
    </message>
    <message>
        <source>The protection password file %1 holds no password.</source>
        <translation>Die Passwortdatei %1 für den Schutz enthält kein Passwort.</translation>
    </message>
    <message>
        <source>--protect asks for the password on a terminal, and there is none: use --protect-password-file instead.</source>
        <translation>--protect fragt das Passwort im Terminal ab, und es gibt keines: Verwenden Sie stattdessen --protect-password-file.</translation>
    </message>
    <message>
        <source>Password for the new files: </source>
        <translation>Passwort für die neuen Dateien: </translation>
    </message>
    <message>
        <source>The same password again: </source>
        <translation>Dasselbe Passwort noch einmal: </translation>
    </message>
    <message>
        <source>An empty password protects nothing.</source>
        <translation>Ein leeres Passwort schützt nichts.</translation>
    </message>
    <message>
        <source>The two passwords differ.</source>
        <translation>Die beiden Passwörter unterscheiden sich.</translation>
    </message>
    <message>
        <source>No protection password was set.</source>
        <translation>Es wurde kein Schutzpasswort festgelegt.</translation>
    </message>
    <message>
        <source>Try &quot;sheafwright %1 --help&quot; for more information.</source>
        <translation>Mehr Informationen mit „sheafwright %1 --help“.</translation>
    </message>
    <message>
        <source>Works on a copy repaired by MuPDF of a file that cannot be read; the file itself is not changed.</source>
        <translation>Arbeitet mit einer von MuPDF reparierten Kopie einer Datei, die sich nicht lesen lässt; die Datei selbst bleibt unverändert.</translation>
    </message>
</context>
<context>
    <name>DocumentViewer</name>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Type a page number and press Return to go there (Ctrl+G)</source>
        <translation>Seitenzahl eingeben und Eingabetaste drücken, um dorthin zu gehen (Strg+G)</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Seitenzahl</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>von %1</translation>
    </message>
</context>
<context>
    <name>DropArea</name>
    <message>
        <source>Add file</source>
        <translation>Datei hinzufügen</translation>
    </message>
    <message>
        <source>or drag &amp; drop</source>
        <translation>oder per Drag &amp; Drop</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Datei öffnen</translation>
    </message>
</context>
<context>
    <name>FileOpener</name>
    <message>
        <source>File not opened</source>
        <translation>Datei nicht geöffnet</translation>
    </message>
    <message>
        <source>Files not opened</source>
        <translation>Dateien nicht geöffnet</translation>
    </message>
</context>
<context>
    <name>InformationWorkerList</name>
    <message numerus="yes">
        <source>%1 out of %2 files. %3</source>
        <translation>
            <numerusform>Datei %1 von %2: %3</numerusform>
            <numerusform>Datei %1 von %2: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InputDocument</name>
    <message>
        <source>Password for %1: </source>
        <translation>Passwort für %1: </translation>
    </message>
    <message>
        <source>%1 is protected by a password, and none of the passwords given opens it.</source>
        <translation>%1 ist durch ein Passwort geschützt, und keines der angegebenen Passwörter öffnet die Datei.</translation>
    </message>
    <message>
        <source>%1 is protected by a password. Give it with --password-file or --password-stdin, or run the command on a terminal to be asked for it.</source>
        <translation>%1 ist durch ein Passwort geschützt. Geben Sie es mit --password-file oder --password-stdin an, oder rufen Sie den Befehl in einem Terminal auf, um danach gefragt zu werden.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a PDF file: it is damaged or not a PDF file.</source>
        <translation type="vanished">%1 lässt sich nicht als PDF-Datei lesen: Die Datei ist beschädigt oder keine PDF-Datei.</translation>
    </message>
    <message>
        <source>%1 has no pages.</source>
        <translation>%1 hat keine Seiten.</translation>
    </message>
    <message numerus="yes">
        <source>%1 cannot be read as it is; a copy repaired by MuPDF, with %n page(s), is used. The file itself is unchanged.</source>
        <translation>
            <numerusform>%1 lässt sich so nicht lesen; eine von MuPDF reparierte Kopie mit %n Seite wird verwendet. Die Datei selbst bleibt unverändert.</numerusform>
            <numerusform>%1 lässt sich so nicht lesen; eine von MuPDF reparierte Kopie mit %n Seiten wird verwendet. Die Datei selbst bleibt unverändert.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read as a PDF file, and MuPDF could not repair a copy of it either.</source>
        <translation>%1 lässt sich nicht als PDF-Datei lesen, und MuPDF konnte auch keine Kopie davon reparieren.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a PDF file: it is damaged or not a PDF file. --repair tries a copy repaired by MuPDF.</source>
        <translation>%1 lässt sich nicht als PDF-Datei lesen: Sie ist beschädigt oder keine PDF-Datei. --repair versucht es mit einer von MuPDF reparierten Kopie.</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcuts</name>
    <message>
        <source>Open PDF files</source>
        <translation>PDF-Dateien öffnen</translation>
    </message>
    <message>
        <source>Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>or</source>
        <translation>oder</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Last split:</source>
        <translation>Zuletzt geteilt:</translation>
    </message>
    <message>
        <source>Last merge:</source>
        <translation>Zuletzt zusammengeführt:</translation>
    </message>
    <message>
        <source>A split is still running. If you close the window now, it stops; the files it has written so far are kept.</source>
        <translation>Es wird noch geteilt. Wenn Sie das Fenster jetzt schließen, wird das Teilen abgebrochen; die bereits geschriebenen Dateien bleiben erhalten.</translation>
    </message>
    <message>
        <source>A merge is still running. If you close the window now, it stops and no merged file is written.</source>
        <translation>Es wird noch zusammengeführt. Wenn Sie das Fenster jetzt schließen, wird das Zusammenführen abgebrochen und keine Datei geschrieben.</translation>
    </message>
    <message>
        <source>Stop and close?</source>
        <translation>Abbrechen und schließen?</translation>
    </message>
    <message>
        <source>STOP AND CLOSE</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>GO ON</source>
        <translation>WEITER</translation>
    </message>
</context>
<context>
    <name>MergeItemDelegate</name>
    <message>
        <source>Enter Password</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>Unlesbar</translation>
    </message>
    <message>
        <source>all</source>
        <translation>alle</translation>
    </message>
</context>
<context>
    <name>MergeModel</name>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Can not open file</source>
        <translation>Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The password for %1 is incorrect</source>
        <translation>Das Passwort für %1 ist falsch.</translation>
    </message>
    <message>
        <source>Show the pages</source>
        <translation>Seiten anzeigen</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Every page turned %1° clockwise</source>
        <translation>Jede Seite um %1° im Uhrzeigersinn gedreht</translation>
    </message>
    <message numerus="yes">
        <source>All %n pages. Double-click to choose pages, such as 1-3, 7, 10-.</source>
        <translation>
            <numerusform>Die einzige Seite. Doppelklicken, um Seiten zu wählen, etwa 1-3, 7, 10-.</numerusform>
            <numerusform>Alle %n Seiten. Doppelklicken, um Seiten zu wählen, etwa 1-3, 7, 10-.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 pages chosen. Double-click to change.</source>
        <translation>%1 von %2 Seiten gewählt. Doppelklicken zum Ändern.</translation>
    </message>
</context>
<context>
    <name>MergeView</name>
    <message>
        <source>Save to folder:</source>
        <translation>Zielordner:</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>MERGE</source>
        <translation>ZUSAMMENFÜHREN</translation>
    </message>
    <message>
        <source>Set Password</source>
        <translation>Mit Passwort</translation>
    </message>
    <message>
        <source>Select one or more files to open</source>
        <translation>Eine oder mehrere Dateien öffnen</translation>
    </message>
    <message numerus="yes">
        <source>%1 pages total</source>
        <translation>
            <numerusform>%1 Seite insgesamt</numerusform>
            <numerusform>%1 Seiten insgesamt</numerusform>
        </translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Zielordner wählen</translation>
    </message>
    <message>
        <source>Set password</source>
        <translation type="vanished">Passwort festlegen</translation>
    </message>
    <message>
        <source>Merging files..</source>
        <translation>Dateien werden zusammengeführt…</translation>
    </message>
    <message>
        <source>Merge failed</source>
        <translation>Zusammenführen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Merge files failed</source>
        <translation type="vanished">Die Dateien konnten nicht zusammengeführt werden.</translation>
    </message>
    <message>
        <source>Can not open file</source>
        <translation>Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The password for %1 is incorrect</source>
        <translation>Das Passwort für %1 ist falsch.</translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation>Nichts zusammenzuführen</translation>
    </message>
    <message>
        <source>Add at least two PDF files to merge.</source>
        <translation>Fügen Sie mindestens zwei PDF-Dateien zum Zusammenführen hinzu.</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Enter a name for the merged file.</source>
        <translation>Geben Sie einen Namen für die zusammengeführte Datei ein.</translation>
    </message>
    <message>
        <source>A file name cannot start with a dot.</source>
        <translation>Ein Dateiname darf nicht mit einem Punkt beginnen.</translation>
    </message>
    <message>
        <source>Merge canceled</source>
        <translation type="vanished">Zusammenführen abgebrochen</translation>
    </message>
    <message>
        <source>The merge was stopped. No merged file was written.</source>
        <translation type="vanished">Das Zusammenführen wurde abgebrochen. Es wurde keine Datei geschrieben.</translation>
    </message>
    <message>
        <source>The merge could not start: the helper program pdfworker is missing or cannot be run. Reinstalling Sheafwright should mend this.</source>
        <translation type="vanished">Das Zusammenführen konnte nicht beginnen: Das Hilfsprogramm pdfworker fehlt oder lässt sich nicht starten. Eine Neuinstallation von Sheafwright sollte das beheben.</translation>
    </message>
    <message>
        <source>Files that could not be used: %1</source>
        <translation type="vanished">Nicht verwendbare Dateien: %1</translation>
    </message>
    <message>
        <source>%1 cannot be read. The file is damaged or is not a PDF.</source>
        <translation>%1 kann nicht gelesen werden. Die Datei ist beschädigt oder keine PDF-Datei.</translation>
    </message>
    <message>
        <source>The merge stopped unexpectedly: the helper program pdfworker ended before it finished. No merged file was written.</source>
        <translation type="vanished">Das Zusammenführen brach unerwartet ab: Das Hilfsprogramm pdfworker endete, bevor es fertig war. Es wurde keine zusammengeführte Datei geschrieben.</translation>
    </message>
    <message>
        <source>The merged file could not be written into %1. Check that the disk is not full. Nothing was left behind.</source>
        <translation type="vanished">Die zusammengeführte Datei konnte nicht in %1 geschrieben werden. Prüfen Sie, ob der Datenträger voll ist. Es blieb nichts zurück.</translation>
    </message>
    <message>
        <source>The merged file could not be written into %1.</source>
        <translation type="vanished">Die zusammengeführte Datei konnte nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Nothing was left behind.</source>
        <translation type="vanished">Es blieb nichts zurück.</translation>
    </message>
    <message>
        <source>The merge could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">Das Zusammenführen konnte nicht beginnen: Seine Arbeitsdateien konnten nicht in %1 geschrieben werden. Prüfen Sie, ob der Datenträger voll ist.</translation>
    </message>
    <message>
        <source>The merge could not finish: its working files could not be written into %1. Check that the disk is not full. No merged file was written.</source>
        <translation type="vanished">Das Zusammenführen konnte nicht abgeschlossen werden: Seine Arbeitsdateien konnten nicht in %1 geschrieben werden. Prüfen Sie, ob der Datenträger voll ist. Es wurde keine zusammengeführte Datei geschrieben.</translation>
    </message>
    <message>
        <source>The file name is too long. Shorten it and try again.</source>
        <translation>Der Dateiname ist zu lang. Kürzen Sie ihn und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The merged file will be protected with this password.</source>
        <translation>Die zusammengeführte Datei wird mit diesem Passwort geschützt.</translation>
    </message>
    <message>
        <source>Add PDF files to the list</source>
        <translation>PDF-Dateien zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>Move the selected file up</source>
        <translation>Ausgewählte Datei nach oben verschieben</translation>
    </message>
    <message>
        <source>Move the selected file down</source>
        <translation>Ausgewählte Datei nach unten verschieben</translation>
    </message>
    <message>
        <source>Remove all files from the list</source>
        <translation>Alle Dateien aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Clear the list?</source>
        <translation>Liste leeren?</translation>
    </message>
    <message numerus="yes">
        <source>Remove all %n files from the list? The files themselves stay where they are.</source>
        <translation>
            <numerusform>Die Datei aus der Liste entfernen? Die Datei selbst bleibt, wo sie ist.</numerusform>
            <numerusform>Alle %n Dateien aus der Liste entfernen? Die Dateien selbst bleiben, wo sie sind.</numerusform>
        </translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>LEEREN</translation>
    </message>
    <message>
        <source>KEEP</source>
        <translation>BEHALTEN</translation>
    </message>
    <message>
        <source>Repair a copy</source>
        <translation>Kopie reparieren</translation>
    </message>
    <message>
        <source>%1: %2 pages recovered. The merge uses a repaired copy; the original is unchanged.</source>
        <translation>%1: %2 Seiten gerettet. Zusammengefügt wird eine reparierte Kopie; das Original bleibt unverändert.</translation>
    </message>
    <message>
        <source>No page of %1 could be recovered. The file is left as it was.</source>
        <translation>Keine Seite von %1 ließ sich retten. Die Datei bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>Pages of %1: %2</source>
        <translation>Seiten von %1: %2</translation>
    </message>
    <message>
        <source>Interleave pages (for scans of front and back sides)</source>
        <translation>Seiten verschränken (für Scans von Vorder- und Rückseiten)</translation>
    </message>
    <message>
        <source>last file in reverse order</source>
        <translation>letzte Datei rückwärts</translation>
    </message>
    <message>
        <source>Start every file on an odd page</source>
        <translation>Jede Datei auf einer ungeraden Seite beginnen</translation>
    </message>
    <message>
        <source>Takes one page from each file in turn: file 1 page 1, file 2 page 1, file 1 page 2, and so on.</source>
        <translation>Nimmt abwechselnd eine Seite aus jeder Datei: Datei 1 Seite 1, Datei 2 Seite 1, Datei 1 Seite 2 und so weiter.</translation>
    </message>
    <message>
        <source>Takes the last file&apos;s pages from its end, as a stack of back sides is scanned.</source>
        <translation>Nimmt die Seiten der letzten Datei von hinten, wie ein Stapel Rückseiten gescannt wird.</translation>
    </message>
    <message>
        <source>Adds a blank page after every file with an odd number of pages, so that each file starts on a front side when printed on both sides.</source>
        <translation>Fügt nach jeder Datei mit ungerader Seitenzahl eine leere Seite ein, damit beim beidseitigen Druck jede Datei auf einer Vorderseite beginnt.</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Seiten wählen</translation>
    </message>
    <message>
        <source>Turn clockwise</source>
        <translation>Im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Turn counterclockwise</source>
        <translation>Gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Turn upside down</source>
        <translation>Auf den Kopf stellen</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>The pages chosen for %1 cannot be merged: %2</source>
        <translation>Die für %1 gewählten Seiten können nicht zusammengeführt werden: %2</translation>
    </message>
    <message>
        <source>The merge was refused: the pages chosen for a file are not all in it. Check the Pages cells and try again. No merged file was written.</source>
        <translation type="vanished">Das Zusammenführen wurde abgelehnt: Die für eine Datei gewählten Seiten sind nicht alle in ihr. Prüfen Sie die Seitenangaben und versuchen Sie es erneut. Es wurde keine Datei geschrieben.</translation>
    </message>
    <message>
        <source>Choose pages from pictures…</source>
        <translation>Seiten nach Bildern auswählen…</translation>
    </message>
</context>
<context>
    <name>MergeWorker</name>
    <message>
        <source>Merging files..</source>
        <translation>Dateien werden zusammengeführt…</translation>
    </message>
    <message>
        <source>%1 out of %2. Add for merge %3</source>
        <translation>%1 von %2: %3 wird hinzugefügt</translation>
    </message>
</context>
<context>
    <name>MessageMerge</name>
    <message>
        <source>Merge complete</source>
        <translation>Zusammenführen abgeschlossen</translation>
    </message>
    <message>
        <source>All of your files have been merged. You can open the folder to view the result</source>
        <translation>Alle Dateien wurden zusammengeführt. Öffnen Sie den Ordner, um das Ergebnis anzusehen.</translation>
    </message>
    <message>
        <source>Your files have been merged, except those listed below. You can open the folder to view the result</source>
        <translation>Ihre Dateien wurden zusammengeführt, bis auf die unten aufgeführten. Öffnen Sie den Ordner, um das Ergebnis anzusehen.</translation>
    </message>
    <message numerus="yes">
        <source>Left out of the merged file: %1</source>
        <translation>
            <numerusform>%1 Datei fehlt in der zusammengeführten Datei:</numerusform>
            <numerusform>%1 Dateien fehlen in der zusammengeführten Datei:</numerusform>
        </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OPEN FOLDER</source>
        <translation>ORDNER ÖFFNEN</translation>
    </message>
</context>
<context>
    <name>MessageNewPassword</name>
    <message>
        <source>Protect with a password</source>
        <translation>Mit Passwort schützen</translation>
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
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>ÜBERSPRINGEN</translation>
    </message>
    <message>
        <source>SKIP ALL</source>
        <translation>ALLE ÜBERSPRINGEN</translation>
    </message>
</context>
<context>
    <name>MessageSplit</name>
    <message>
        <source>Split complete</source>
        <translation>Teilen abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Your document was split in %1 files. You can open folder to view the results of proceed of merging them.</source>
        <translation>
            <numerusform>Ihr Dokument wurde in %1 Datei geteilt. Öffnen Sie den Ordner, um sie anzusehen, oder führen Sie sie mit anderen Dateien zusammen.</numerusform>
            <numerusform>Ihr Dokument wurde in %1 Dateien geteilt. Öffnen Sie den Ordner, um sie anzusehen, oder führen Sie die Dateien zusammen.</numerusform>
        </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>ÖFFNEN</translation>
    </message>
    <message>
        <source>MERGE RESULTS</source>
        <translation>ZUSAMMENFÜHREN</translation>
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
        <translation>Geben Sie das Passwort ein zweites Mal ein, um Tippfehler auszuschließen.</translation>
    </message>
    <message>
        <source>Type the password in the first field too.</source>
        <translation>Geben Sie das Passwort auch im ersten Feld ein.</translation>
    </message>
    <message>
        <source>The two passwords differ. Type the same password in both fields.</source>
        <translation>Die beiden Passwörter sind verschieden. Geben Sie in beiden Feldern dasselbe Passwort ein.</translation>
    </message>
    <message>
        <source>print</source>
        <translation>drucken</translation>
    </message>
    <message>
        <source>copy text</source>
        <translation>Text kopieren</translation>
    </message>
    <message>
        <source>change</source>
        <translation>ändern</translation>
    </message>
    <message>
        <source>add notes</source>
        <translation>Notizen hinzufügen</translation>
    </message>
    <message>
        <source>fill in forms</source>
        <translation>Formulare ausfüllen</translation>
    </message>
    <message>
        <source>Opening the file will need this password. Whoever has it may only read the file.</source>
        <translation>Zum Öffnen der Datei wird dieses Passwort nötig sein. Wer es kennt, darf die Datei nur lesen.</translation>
    </message>
    <message>
        <source>Opening the file will need this password. Whoever has it may: %1.</source>
        <translation>Zum Öffnen der Datei wird dieses Passwort nötig sein. Wer es kennt, darf: %1.</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the things a reader may do</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Repeat password:</source>
        <translation>Passwort wiederholen:</translation>
    </message>
</context>
<context>
    <name>OutcomeText</name>
    <message>
        <source>The split could not start: the helper program %1 is missing or cannot be run. Reinstalling Sheafwright should mend this.</source>
        <translation>Das Teilen konnte nicht beginnen: Das Hilfsprogramm %1 fehlt oder lässt sich nicht starten. Eine Neuinstallation von Sheafwright sollte das beheben.</translation>
    </message>
    <message>
        <source>The merge could not start: the helper program %1 is missing or cannot be run. Reinstalling Sheafwright should mend this.</source>
        <translation>Das Zusammenfügen konnte nicht beginnen: Das Hilfsprogramm %1 fehlt oder lässt sich nicht starten. Eine Neuinstallation von Sheafwright sollte das beheben.</translation>
    </message>
    <message>
        <source>The split could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation>Das Teilen konnte nicht beginnen: Seine Arbeitsdateien konnten nicht in %1 geschrieben werden. Prüfen Sie, ob der Datenträger voll ist.</translation>
    </message>
    <message>
        <source>The merge could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation>Das Zusammenführen konnte nicht beginnen: Seine Arbeitsdateien konnten nicht in %1 geschrieben werden. Prüfen Sie, ob der Datenträger voll ist.</translation>
    </message>
    <message>
        <source>The split could not finish: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation>Das Teilen konnte nicht abgeschlossen werden: Seine Arbeitsdateien konnten nicht in %1 geschrieben werden. Prüfen Sie, ob der Datenträger voll ist.</translation>
    </message>
    <message>
        <source>The merge could not finish: its working files could not be written into %1. Check that the disk is not full. No merged file was written.</source>
        <translation>Das Zusammenführen konnte nicht abgeschlossen werden: Seine Arbeitsdateien konnten nicht in %1 geschrieben werden. Prüfen Sie, ob der Datenträger voll ist. Es wurde keine zusammengeführte Datei geschrieben.</translation>
    </message>
    <message>
        <source>The split was stopped.</source>
        <translation>Das Teilen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The merge was stopped. No merged file was written.</source>
        <translation>Das Zusammenführen wurde abgebrochen. Es wurde keine Datei geschrieben.</translation>
    </message>
    <message>
        <source>The split stopped unexpectedly: the helper program pdfworker ended before it finished.</source>
        <translation>Das Teilen brach unerwartet ab: Das Hilfsprogramm pdfworker endete, bevor es fertig war.</translation>
    </message>
    <message>
        <source>The merge stopped unexpectedly: the helper program pdfworker ended before it finished. No merged file was written.</source>
        <translation>Das Zusammenführen brach unerwartet ab: Das Hilfsprogramm pdfworker endete, bevor es fertig war. Es wurde keine zusammengeführte Datei geschrieben.</translation>
    </message>
    <message>
        <source>No file could be written into %1.</source>
        <translation>In %1 konnte keine Datei geschrieben werden.</translation>
    </message>
    <message>
        <source>Check that the folder can be written to and that the disk is not full.</source>
        <translation>Prüfen Sie, ob der Ordner beschreibbar und der Datenträger nicht voll ist.</translation>
    </message>
    <message>
        <source>No merged file was written.</source>
        <translation>Es wurde keine zusammengeführte Datei geschrieben.</translation>
    </message>
    <message>
        <source>Not every file could be written.</source>
        <translation>Nicht alle Dateien konnten geschrieben werden.</translation>
    </message>
    <message>
        <source>Check that the disk is not full.</source>
        <translation>Prüfen Sie, ob der Datenträger voll ist.</translation>
    </message>
    <message>
        <source>The merged file could not be written into %1.</source>
        <translation>Die zusammengeführte Datei konnte nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>A page range asks for pages the document does not have.</source>
        <translation>Ein Seitenbereich verlangt Seiten, die das Dokument nicht hat.</translation>
    </message>
    <message>
        <source>The document %1 could not be found.</source>
        <translation>Das Dokument %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The split could not start: the helper program refused its request (%1).</source>
        <translation>Das Teilen konnte nicht beginnen: Das Hilfsprogramm hat den Auftrag abgelehnt (%1).</translation>
    </message>
    <message>
        <source>The merge could not start: the helper program refused its request (%1).</source>
        <translation>Das Zusammenführen konnte nicht beginnen: Das Hilfsprogramm hat den Auftrag abgelehnt (%1).</translation>
    </message>
    <message>
        <source>The document could not be split (error %1).</source>
        <translation>Das Dokument konnte nicht geteilt werden (Fehler %1).</translation>
    </message>
    <message>
        <source>No merged file was written (error %1).</source>
        <translation>Es wurde keine zusammengefügte Datei geschrieben (Fehler %1).</translation>
    </message>
    <message>
        <source>Split canceled</source>
        <translation>Teilen abgebrochen</translation>
    </message>
    <message>
        <source>Split failed</source>
        <translation>Teilen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Merge canceled</source>
        <translation>Zusammenführen abgebrochen</translation>
    </message>
    <message>
        <source>Merge failed</source>
        <translation>Zusammenführen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Nothing was left behind.</source>
        <translation>Es blieb nichts zurück.</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>Es wurde keine Datei geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>%1 files written before the stop are complete and were kept in %2.</source>
        <translation>
            <numerusform>Die %1 vorher geschriebene Datei ist vollständig und bleibt in %2.</numerusform>
            <numerusform>Die %1 vorher geschriebenen Dateien sind vollständig und bleiben in %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 files written before the failure are complete and were kept in %2.</source>
        <translation>
            <numerusform>Die %1 vorher geschriebene Datei ist vollständig und bleibt in %2.</numerusform>
            <numerusform>Die %1 vorher geschriebenen Dateien sind vollständig und bleiben in %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>No file holds these pages: %1.</source>
        <translation>Diese Seiten sind in keiner Datei: %1.</translation>
    </message>
    <message>
        <source>The merged file was saved as %1, because a file named %2 already exists.</source>
        <translation>Die zusammengeführte Datei wurde als %1 gespeichert, weil es bereits eine Datei namens %2 gibt.</translation>
    </message>
    <message numerus="yes">
        <source>%1 files got a number in front of their names, because files of those names already exist: %2</source>
        <translation>
            <numerusform>%1 Datei bekam eine Nummer vor ihren Namen, weil es bereits eine Datei dieses Namens gibt: %2</numerusform>
            <numerusform>%1 Dateien bekamen eine Nummer vor ihren Namen, weil es bereits Dateien dieser Namen gibt: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 pages are larger than the size limit by themselves and were each saved in a file of their own: %2</source>
        <translation>
            <numerusform>%1 Seite ist für sich allein größer als die Höchstgröße und wurde in einer eigenen Datei gespeichert: %2</numerusform>
            <numerusform>%1 Seiten sind für sich allein größer als die Höchstgröße und wurden jeweils in einer eigenen Datei gespeichert: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>its password is missing or wrong</source>
        <translation>das Passwort fehlt oder ist falsch</translation>
    </message>
    <message>
        <source>it is damaged or is not a PDF file</source>
        <translation>die Datei ist beschädigt oder keine PDF-Datei</translation>
    </message>
    <message>
        <source>the computer ran out of memory while reading it</source>
        <translation>beim Lesen reichte der Arbeitsspeicher nicht aus</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>sie konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 is protected, but the new files are not: anyone can open, print and copy them.</source>
        <translation>%1 ist geschützt, die neuen Dateien aber nicht: Jeder kann sie öffnen, drucken und kopieren.</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>No folder is chosen to save into.</source>
        <translation>Es ist kein Zielordner gewählt.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder, so %2 cannot be created.</source>
        <translation>%1 ist eine Datei, kein Ordner; daher kann %2 nicht angelegt werden.</translation>
    </message>
    <message>
        <source>You do not have permission to save files in %1.</source>
        <translation>Sie haben keine Berechtigung, Dateien in %1 zu speichern.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist and cannot be created: you do not have permission to create folders in %2.</source>
        <translation>Der Ordner %1 existiert nicht und kann nicht angelegt werden: Sie haben keine Berechtigung, in %2 Ordner anzulegen.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist and could not be created.</source>
        <translation>Der Ordner %1 existiert nicht und konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
</context>
<context>
    <name>PageEntry</name>
    <message>
        <source>Enter how many pages go into each file.</source>
        <translation>Geben Sie an, wie viele Seiten in jede Datei kommen.</translation>
    </message>
    <message>
        <source>Enter a page number.</source>
        <translation>Geben Sie eine Seitenzahl ein.</translation>
    </message>
    <message>
        <source>Enter pages, for example 3, 5-7 or 9-.</source>
        <translation>Geben Sie Seiten ein, zum Beispiel 3, 5-7 oder 9-.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number.</source>
        <translation>„%1“ ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a page number.</source>
        <translation>„%1“ ist keine Seitenzahl.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a page or a range. Write pages like 3, 5-7 or 9-.</source>
        <translation>„%1“ ist weder eine Seite noch ein Bereich. Schreiben Sie Seiten wie 3, 5-7 oder 9-.</translation>
    </message>
    <message>
        <source>Each file needs at least 1 page.</source>
        <translation>Jede Datei braucht mindestens 1 Seite.</translation>
    </message>
    <message>
        <source>Pages are numbered from 1.</source>
        <translation>Die Seiten werden ab 1 gezählt.</translation>
    </message>
    <message numerus="yes">
        <source>A group cannot be larger than the document: it has %n pages.</source>
        <translation>
            <numerusform>Eine Gruppe kann nicht größer als das Dokument sein: Es hat %n Seite.</numerusform>
            <numerusform>Eine Gruppe kann nicht größer als das Dokument sein: Es hat %n Seiten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There is no page %1: the document has %n pages.</source>
        <translation>
            <numerusform>Es gibt keine Seite %1: Das Dokument hat %n Seite.</numerusform>
            <numerusform>Es gibt keine Seite %1: Das Dokument hat %n Seiten.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 runs backwards: write %2.</source>
        <translation>%1 läuft rückwärts: Schreiben Sie %2.</translation>
    </message>
</context>
<context>
    <name>PageGridDelegate</name>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
</context>
<context>
    <name>PageGridDialog</name>
    <message numerus="yes">
        <source>%n part(s)</source>
        <translation>
            <numerusform>%n Teil</numerusform>
            <numerusform>%n Teile</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) left out</source>
        <translation>
            <numerusform>%n Seite weggelassen</numerusform>
            <numerusform>%n Seiten weggelassen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <translation>
            <numerusform>%n Seite</numerusform>
            <numerusform>%n Seiten</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Seiten auswählen</translation>
    </message>
    <message>
        <source>Choose pages – %1</source>
        <translation>Seiten auswählen – %1</translation>
    </message>
    <message>
        <source>Click between two pages to cut the document there; click a cut again to join the parts. Double-click a part&apos;s band to name its file.</source>
        <translation>Klicken Sie zwischen zwei Seiten, um das Dokument dort zu teilen; ein weiterer Klick auf den Schnitt fügt die Teile wieder zusammen. Doppelklicken Sie auf das Band eines Teils, um seiner Datei einen Namen zu geben.</translation>
    </message>
    <message>
        <source>Click a page to leave it out, and again to keep it; Shift+click marks every page up to it.</source>
        <translation>Klicken Sie auf eine Seite, um sie wegzulassen, und erneut, um sie zu behalten; Umschalt+Klick markiert alle Seiten bis dorthin.</translation>
    </message>
    <message>
        <source>The coloured bands show the files the split will write.</source>
        <translation>Die farbigen Bänder zeigen die Dateien, die beim Teilen entstehen.</translation>
    </message>
    <message>
        <source>The pages of the document.</source>
        <translation>Die Seiten des Dokuments.</translation>
    </message>
    <message>
        <source>The pages of this document cannot be drawn; their numbers are shown.</source>
        <translation>Die Seiten dieses Dokuments können nicht dargestellt werden; ihre Nummern werden angezeigt.</translation>
    </message>
    <message>
        <source>Smaller pages (Ctrl+minus)</source>
        <translation>Kleinere Seiten (Strg+Minus)</translation>
    </message>
    <message>
        <source>Larger pages (Ctrl+plus)</source>
        <translation>Größere Seiten (Strg+Plus)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>PageGridView</name>
    <message>
        <source>Click to join the parts on both sides</source>
        <translation>Klicken, um die Teile auf beiden Seiten zusammenzufügen</translation>
    </message>
    <message>
        <source>Click to cut between page %1 and page %2</source>
        <translation>Klicken, um zwischen Seite %1 und Seite %2 zu teilen</translation>
    </message>
    <message>
        <source>Part %1: pages %2 to %3</source>
        <translation>Teil %1: Seiten %2 bis %3</translation>
    </message>
    <message>
        <source>File name: %1</source>
        <translation>Dateiname: %1</translation>
    </message>
    <message>
        <source>Double-click to name the file</source>
        <translation>Doppelklicken, um der Datei einen Namen zu geben</translation>
    </message>
    <message>
        <source>Page %1 could not be drawn.</source>
        <translation>Seite %1 konnte nicht dargestellt werden.</translation>
    </message>
</context>
<context>
    <name>PasswordInput</name>
    <message>
        <source>No password could be read from standard input.</source>
        <translation>Von der Standardeingabe konnte kein Passwort gelesen werden.</translation>
    </message>
    <message>
        <source>The password file %1 cannot be read.</source>
        <translation>Die Passwortdatei %1 lässt sich nicht lesen.</translation>
    </message>
</context>
<context>
    <name>PdfFileDialog</name>
    <message>
        <source>PDF files</source>
        <translation>PDF-Dateien</translation>
    </message>
</context>
<context>
    <name>PreviewWidget</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>enter password</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>Password protected:</source>
        <translation>Passwortgeschützt:</translation>
    </message>
    <message>
        <source>Pages: %1</source>
        <translation>Seiten: %1</translation>
    </message>
    <message>
        <source>Can not open file</source>
        <translation>Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The password for %1 is incorrect</source>
        <translation>Das Passwort für %1 ist falsch.</translation>
    </message>
    <message>
        <source>%1 cannot be read. The file is damaged or is not a PDF.</source>
        <translation>%1 kann nicht gelesen werden. Die Datei ist beschädigt oder keine PDF-Datei.</translation>
    </message>
    <message>
        <source>Choose pages…</source>
        <translation>Seiten auswählen…</translation>
    </message>
    <message>
        <source>Show the pages of this document</source>
        <translation>Die Seiten dieses Dokuments anzeigen</translation>
    </message>
    <message>
        <source>Close this document here. The file itself is not deleted.</source>
        <translation>Schließt das Dokument hier. Die Datei selbst wird nicht gelöscht.</translation>
    </message>
    <message>
        <source>Repair a copy</source>
        <translation>Kopie reparieren</translation>
    </message>
    <message>
        <source>Repairing a copy…</source>
        <translation>Kopie wird repariert…</translation>
    </message>
    <message>
        <source>No page could be recovered; the file is left as it was.</source>
        <translation>Keine Seite ließ sich retten; die Datei bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>Repaired copy in use: %1 pages recovered. The original is unchanged.</source>
        <translation>Reparierte Kopie in Gebrauch: %1 Seiten gerettet. Original unverändert.</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Add files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
</context>
<context>
    <name>RangeItemView</name>
    <message>
        <source>%1: %2</source>
        <comment>a named page range: its name, then its pages</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message numerus="yes">
        <source>%n file(s) are larger than the limit: each holds a single page that alone is larger.</source>
        <translation type="vanished">
            <numerusform>%n Datei ist größer als die Grenze: Sie enthält eine einzige Seite, die allein größer ist.</numerusform>
            <numerusform>%n Dateien sind größer als die Grenze: Jede enthält eine einzige Seite, die allein größer ist.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SaveFolderModel</name>
    <message>
        <source>Sub folder</source>
        <translation>Unterordner</translation>
    </message>
    <message>
        <source>Original folder</source>
        <translation>Ursprünglicher Ordner</translation>
    </message>
    <message>
        <source>Select folder...</source>
        <translation>Ordner wählen…</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>English</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>SAVE SETTINGS</source>
        <translation>EINSTELLUNGEN SPEICHERN</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Speichern in</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Herausgeber</translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Zielordner wählen</translation>
    </message>
</context>
<context>
    <name>SizeModePage</name>
    <message>
        <source>Largest file size:</source>
        <translation>Höchste Dateigröße:</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>kB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>The pages are put in order into files no larger than this, for example to fit a mail attachment. A page that alone is larger gets a file of its own.</source>
        <translation>Die Seiten kommen der Reihe nach in Dateien, die nicht größer sind, etwa für einen E-Mail-Anhang. Eine Seite, die allein größer ist, erhält eine eigene Datei.</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Loading%1</source>
        <translation>Wird geladen%1</translation>
    </message>
</context>
<context>
    <name>SplitView</name>
    <message>
        <source>Into files of 1 page</source>
        <translation>In einzelne Seiten</translation>
    </message>
    <message>
        <source>By groups of pages</source>
        <translation>In Seitengruppen</translation>
    </message>
    <message>
        <source>Get rid of certain pages</source>
        <translation>Bestimmte Seiten entfernen</translation>
    </message>
    <message>
        <source>By page ranges</source>
        <translation>Nach Seitenbereichen</translation>
    </message>
    <message>
        <source>Every page will be splited to isolated file...</source>
        <translation>Jede Seite wird als eigene Datei gespeichert.</translation>
    </message>
    <message>
        <source>Group of pages:</source>
        <translation>Seiten je Gruppe:</translation>
    </message>
    <message>
        <source>Starting from:</source>
        <translation>Ab Seite:</translation>
    </message>
    <message>
        <source>Choose how much pages will be in every group and you should choose pages, where splitting will be started...</source>
        <translation>Legen Sie fest, wie viele Seiten jede Gruppe umfasst und ab welcher Seite geteilt wird.</translation>
    </message>
    <message>
        <source>Add page</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>You can choose and add pages which you want to delete...</source>
        <translation>Fügen Sie die Seiten hinzu, die entfernt werden sollen; eine Kopie des Dokuments ohne sie wird gespeichert.</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Add range</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>You should choose and add a interval from document, which you will want to split...</source>
        <translation>Fügen Sie die gewünschten Seitenbereiche hinzu; jeder Bereich wird als eigene Datei gespeichert.</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Speichern in:</translation>
    </message>
    <message>
        <source>SPLIT</source>
        <translation>TEILEN</translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Zielordner wählen</translation>
    </message>
    <message>
        <source>Split failed</source>
        <translation>Teilen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Split canceled</source>
        <translation type="vanished">Teilen abgebrochen</translation>
    </message>
    <message>
        <source>The document could not be split (error %1).</source>
        <translation type="vanished">Das Dokument konnte nicht geteilt werden (Fehler %1).</translation>
    </message>
    <message>
        <source>Error: this file has read permission only!</source>
        <translation>Dieses Dokument erlaubt nicht, seine Seiten zu kopieren; es kann daher nicht geteilt werden.</translation>
    </message>
    <message>
        <source>Nothing to split</source>
        <translation>Nichts zu teilen</translation>
    </message>
    <message>
        <source>Add a PDF file to split first.</source>
        <translation>Fügen Sie zuerst eine PDF-Datei zum Teilen hinzu.</translation>
    </message>
    <message>
        <source>This document has only one page.</source>
        <translation>Dieses Dokument hat nur eine Seite.</translation>
    </message>
    <message>
        <source>The start page is after the last page of the document.</source>
        <translation type="vanished">Die Startseite liegt hinter der letzten Seite des Dokuments.</translation>
    </message>
    <message>
        <source>Add the pages to remove first.</source>
        <translation>Fügen Sie zuerst die zu entfernenden Seiten hinzu.</translation>
    </message>
    <message>
        <source>Add at least one page range first.</source>
        <translation>Fügen Sie zuerst mindestens einen Seitenbereich hinzu.</translation>
    </message>
    <message>
        <source>The split could not start: the helper program pdfworker is missing or cannot be run. Reinstalling Sheafwright should mend this.</source>
        <translation type="vanished">Das Teilen konnte nicht beginnen: Das Hilfsprogramm pdfworker fehlt oder lässt sich nicht starten. Eine Neuinstallation von Sheafwright sollte das beheben.</translation>
    </message>
    <message>
        <source>The split was stopped. Files written into %1 before the stop are complete.</source>
        <translation type="vanished">Das Teilen wurde abgebrochen. Die vorher in %1 geschriebenen Dateien sind vollständig.</translation>
    </message>
    <message>
        <source>No file could be written into %1. Check that the folder can be written to and that the disk is not full.</source>
        <translation type="vanished">In %1 konnte keine Datei geschrieben werden. Prüfen Sie, ob der Ordner beschreibbar und der Datenträger nicht voll ist.</translation>
    </message>
    <message>
        <source>The split was stopped before any file was written.</source>
        <translation type="vanished">Das Teilen wurde abgebrochen, bevor eine Datei geschrieben wurde.</translation>
    </message>
    <message numerus="yes">
        <source>The split was stopped. %1 files written before the stop are complete and were kept in %2.</source>
        <translation type="vanished">
            <numerusform>Das Teilen wurde abgebrochen. Die %1 vorher geschriebene Datei ist vollständig und bleibt in %2.</numerusform>
            <numerusform>Das Teilen wurde abgebrochen. Die %1 vorher geschriebenen Dateien sind vollständig und bleiben in %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>By bookmarks</source>
        <translation>Nach Lesezeichen</translation>
    </message>
    <message>
        <source>By size</source>
        <translation>Nach Größe</translation>
    </message>
    <message>
        <source>Enter the largest file size first.</source>
        <translation>Geben Sie zuerst die höchste Dateigröße an.</translation>
    </message>
    <message>
        <source>This document has no bookmarks, so it cannot be split at them.</source>
        <translation>Dieses Dokument hat keine Lesezeichen und kann daher nicht an ihnen geteilt werden.</translation>
    </message>
    <message numerus="yes">
        <source>%1 pages are larger than the size limit by themselves and were each saved in a file of their own: %2</source>
        <translation type="vanished">
            <numerusform>%1 Seite ist für sich allein größer als die Höchstgröße und wurde in einer eigenen Datei gespeichert: %2</numerusform>
            <numerusform>%1 Seiten sind für sich allein größer als die Höchstgröße und wurden jeweils in einer eigenen Datei gespeichert: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 files written before the failure are complete and were kept in %2.</source>
        <translation type="vanished">
            <numerusform>Die %1 vorher geschriebene Datei ist vollständig und bleibt in %2.</numerusform>
            <numerusform>Die %1 vorher geschriebenen Dateien sind vollständig und bleiben in %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not every file could be written. Check that the disk is not full.</source>
        <translation type="vanished">Nicht alle Dateien konnten geschrieben werden. Prüfen Sie, ob der Datenträger voll ist.</translation>
    </message>
    <message>
        <source>The split stopped unexpectedly (error %1).</source>
        <translation type="vanished">Das Teilen brach unerwartet ab (Fehler %1).</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>Es wurde keine Datei geschrieben.</translation>
    </message>
    <message>
        <source>The split stopped unexpectedly: the helper program pdfworker ended before it finished.</source>
        <translation type="vanished">Das Teilen brach unerwartet ab: Das Hilfsprogramm pdfworker endete, bevor es fertig war.</translation>
    </message>
    <message>
        <source>No file could be written into %1.</source>
        <translation type="vanished">In %1 konnte keine Datei geschrieben werden.</translation>
    </message>
    <message>
        <source>Not every file could be written.</source>
        <translation type="vanished">Nicht alle Dateien konnten geschrieben werden.</translation>
    </message>
    <message>
        <source>The split could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">Das Teilen konnte nicht beginnen: Seine Arbeitsdateien konnten nicht in %1 geschrieben werden. Prüfen Sie, ob der Datenträger voll ist.</translation>
    </message>
    <message>
        <source>The split could not finish: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">Das Teilen konnte nicht abgeschlossen werden: Seine Arbeitsdateien konnten nicht in %1 geschrieben werden. Prüfen Sie, ob der Datenträger voll ist.</translation>
    </message>
    <message>
        <source>These are all the pages of the document: removing them would leave nothing.</source>
        <translation>Das sind alle Seiten des Dokuments: Ohne sie bliebe nichts übrig.</translation>
    </message>
    <message>
        <source>Enter the document&apos;s password first.</source>
        <translation>Geben Sie zuerst das Passwort des Dokuments ein.</translation>
    </message>
    <message numerus="yes">
        <source>The entries marked in red are not in this document, which has %n pages. Remove them to split.</source>
        <translation>
            <numerusform>Die rot markierten Einträge gibt es in diesem Dokument mit %n Seite nicht. Entfernen Sie sie, um zu teilen.</numerusform>
            <numerusform>Die rot markierten Einträge gibt es in diesem Dokument mit %n Seiten nicht. Entfernen Sie sie, um zu teilen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the document has %n pages</source>
        <translation>
            <numerusform>das Dokument hat %n Seite</numerusform>
            <numerusform>das Dokument hat %n Seiten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowBar</name>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>WriteError</name>
    <message>
        <source>The disk is full.</source>
        <translation>Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>A file grew past the largest size the drive allows (4 GB on a FAT32 drive) or the system lets this program write.</source>
        <translation>Eine Datei wurde größer, als der Datenträger zulässt (4 GB auf einem FAT32-Datenträger) oder als das System diesem Programm zu schreiben erlaubt.</translation>
    </message>
    <message>
        <source>The folder is on a drive that can only be read.</source>
        <translation>Der Ordner liegt auf einem Datenträger, der nur gelesen werden kann.</translation>
    </message>
    <message>
        <source>You do not have permission to write into the folder.</source>
        <translation>Sie haben keine Berechtigung, in diesen Ordner zu schreiben.</translation>
    </message>
    <message>
        <source>The computer ran out of memory. Closing other programs may help.</source>
        <translation>Der Arbeitsspeicher des Computers reichte nicht aus. Es kann helfen, andere Programme zu schließen.</translation>
    </message>
</context>
</TS>
