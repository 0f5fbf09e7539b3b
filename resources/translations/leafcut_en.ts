<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BookmarkModePage</name>
    <message>
        <source>Bookmark level:</source>
        <translation>Bookmark level:</translation>
    </message>
    <message>
        <source>This document has no bookmarks, so it cannot be split at them.</source>
        <translation>This document has no bookmarks, so it cannot be split at them.</translation>
    </message>
    <message>
        <source>A new file starts at every bookmark of this level and the levels above it, named after the bookmark. Pages before the first bookmark form a file of their own.</source>
        <translation>Each bookmark of this level or a level above starts a new file, named after the bookmark. Pages before the first bookmark form a file of their own.</translation>
    </message>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 file</numerusform>
            <numerusform>%1 files</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliMerge</name>
    <message>
        <source>Writes the merged file as OUTPUT (its folder is made when missing); an existing file is never replaced.</source>
        <translation>Writes the merged file as OUTPUT (its folder is made when missing); an existing file is never replaced.</translation>
    </message>
    <message>
        <source>Merges PDF files into one, in the order given, without opening a window. Bookmarks, links and named destinations of every file keep working in the merged file.</source>
        <translation>Merges PDF files into one, in the order given, without opening a window. Bookmarks, links and named destinations of every file keep working in the merged file.</translation>
    </message>
    <message>
        <source>The PDF files to merge, at least two.</source>
        <translation type="vanished">The PDF files to merge, at least two.</translation>
    </message>
    <message>
        <source>Name the merged file with -o OUTPUT.</source>
        <translation>Name the merged file with -o OUTPUT.</translation>
    </message>
    <message>
        <source>%1 exists already, and a merge never replaces a file: choose another name.</source>
        <translation>%1 exists already, and a merge never replaces a file: choose another name.</translation>
    </message>
    <message>
        <source>It was left out.</source>
        <translation>It was left out.</translation>
    </message>
    <message>
        <source>Usage: sheafwright merge [options] -o OUTPUT FILE...</source>
        <translation type="vanished">Usage: sheafwright merge [options] -o OUTPUT FILE...</translation>
    </message>
    <message>
        <source>Name at least two PDF files to merge.</source>
        <translation>Name at least two PDF files to merge.</translation>
    </message>
    <message>
        <source>No file could be merged: none of them can be read.</source>
        <translation>No file could be merged: none of them can be read.</translation>
    </message>
    <message numerus="yes">
        <source>Merging %n file(s) into %1...</source>
        <translation>
            <numerusform>Merging %n file into %1...</numerusform>
            <numerusform>Merging %n files into %1...</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be merged: it is damaged or its pages cannot be copied. It was left out.</source>
        <translation type="vanished">%1 could not be merged: it is damaged or its pages cannot be copied. It was left out.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) merged into %1.</source>
        <translation>
            <numerusform>%n file merged into %1.</numerusform>
            <numerusform>%n files merged into %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 was written without the %n file(s) left out.</source>
        <translation>
            <numerusform>%1 was written without the file left out.</numerusform>
            <numerusform>%1 was written without the %n files left out.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge was stopped. No merged file was written.</source>
        <translation type="vanished">The merge was stopped. No merged file was written.</translation>
    </message>
    <message>
        <source>The merged file could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">The merged file could not be written into %1. Check that the disk is not full.</translation>
    </message>
    <message>
        <source>The merged file could not be written into %1.</source>
        <translation type="vanished">The merged file could not be written into %1.</translation>
    </message>
    <message>
        <source>Nothing was left behind.</source>
        <translation type="vanished">Nothing was left behind.</translation>
    </message>
    <message>
        <source>The merge stopped unexpectedly: the helper program pdfworker ended before it finished. No merged file was written.</source>
        <translation type="vanished">The merge stopped unexpectedly: the helper program pdfworker ended before it finished. No merged file was written.</translation>
    </message>
    <message>
        <source>The merge could not start: the helper program %1 is missing or cannot be run. Reinstalling Sheafwright should mend this.</source>
        <translation type="vanished">The merge could not start: the helper program %1 is missing or cannot be run. Reinstalling Sheafwright should mend this.</translation>
    </message>
    <message>
        <source>The merge could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">The merge could not start: its working files could not be written into %1. Check that the disk is not full.</translation>
    </message>
    <message>
        <source>The merge could not finish: its working files could not be written into %1. Check that the disk is not full. No merged file was written.</source>
        <translation type="vanished">The merge could not finish: its working files could not be written into %1. Check that the disk is not full. No merged file was written.</translation>
    </message>
    <message>
        <source>No merged file was written (error %1).</source>
        <translation type="vanished">No merged file was written (error %1).</translation>
    </message>
    <message>
        <source>Takes one page from each file in turn (scans of front sides and of back sides become one document).</source>
        <translation>Takes one page from each file in turn (scans of front sides and of back sides become one document).</translation>
    </message>
    <message>
        <source>With --interleave: takes the last file&apos;s pages from its end (back sides scanned in reverse order).</source>
        <translation>With --interleave: takes the last file&apos;s pages from its end (back sides scanned in reverse order).</translation>
    </message>
    <message>
        <source>Adds a blank page after every file with an odd number of pages but the last, so that each file starts on a front side when printed on both sides.</source>
        <translation>Adds a blank page after every file with an odd number of pages but the last, so that each file starts on a front side when printed on both sides.</translation>
    </message>
    <message>
        <source>The PDF files to merge, at least two. FILE:PAGES takes only those pages of FILE, in the order given (for example report.pdf:1-3,7,10-).</source>
        <translation>The PDF files to merge, at least two. FILE:PAGES takes only those pages of FILE, in the order given (for example report.pdf:1-3,7,10-).</translation>
    </message>
    <message>
        <source>--reverse-last reverses the last file of an interleaved merge: add --interleave.</source>
        <translation>--reverse-last reverses the last file of an interleaved merge: add --interleave.</translation>
    </message>
    <message>
        <source>--interleave and --blank-after-odd cannot go together: interleaved pages leave no file to start on a front side.</source>
        <translation>--interleave and --blank-after-odd cannot go together: interleaved pages leave no file to start on a front side.</translation>
    </message>
    <message>
        <source>Usage: sheafwright merge [options] -o OUTPUT FILE[:PAGES]...</source>
        <translation>Usage: sheafwright merge [options] -o OUTPUT FILE[:PAGES]...</translation>
    </message>
</context>
<context>
    <name>CliSplit</name>
    <message>
        <source>Writes one file per page.</source>
        <translation>Writes one file per page.</translation>
    </message>
    <message>
        <source>Writes one file per N pages.</source>
        <translation>Writes one file per N pages.</translation>
    </message>
    <message>
        <source>With --every: starts the first group at page K (pages before it are left out).</source>
        <translation>With --every: starts the first group at page K (pages before it are left out).</translation>
    </message>
    <message>
        <source>Writes one file per page range of LIST, such as &quot;1-3, 7, 10-&quot; (&quot;10-&quot;: page 10 to the last).</source>
        <translation>Writes one file per page range of LIST, such as &quot;1-3, 7, 10-&quot; (&quot;10-&quot;: page 10 to the last).</translation>
    </message>
    <message>
        <source>Writes one copy of the document without the pages of LIST.</source>
        <translation>Writes one copy of the document without the pages of LIST.</translation>
    </message>
    <message>
        <source>Writes one file per bookmark of levels 1 to LEVEL, named after it (1: chapters).</source>
        <translation>Writes one file per bookmark of levels 1 to LEVEL, named after it (1: chapters).</translation>
    </message>
    <message>
        <source>Writes consecutive files of at most SIZE each, such as 9MB or 500KB.</source>
        <translation>Writes consecutive files of at most SIZE each, such as 9MB or 500KB.</translation>
    </message>
    <message>
        <source>Writes the files into FOLDER (made when missing) instead of beside FILE.</source>
        <translation>Writes the files into FOLDER (made when missing) instead of beside FILE.</translation>
    </message>
    <message>
        <source>Splits one PDF file without opening a window. Give exactly one of --per-page, --every, --ranges, --without, --by-bookmarks and --by-size. Existing files are never replaced: a new file whose name is taken gets a number in front of its name.</source>
        <translation>Splits one PDF file without opening a window. Give exactly one of --per-page, --every, --ranges, --without, --by-bookmarks and --by-size. Existing files are never replaced: a new file whose name is taken gets a number in front of its name.</translation>
    </message>
    <message>
        <source>The PDF file to split.</source>
        <translation>The PDF file to split.</translation>
    </message>
    <message>
        <source>--%1 and --%2 are two ways to split: choose one.</source>
        <translation>--%1 and --%2 are two ways to split: choose one.</translation>
    </message>
    <message>
        <source>Choose how to split: --per-page, --every N, --ranges LIST, --without LIST, --by-bookmarks LEVEL or --by-size SIZE.</source>
        <translation>Choose how to split: --per-page, --every N, --ranges LIST, --without LIST, --by-bookmarks LEVEL or --by-size SIZE.</translation>
    </message>
    <message>
        <source>--start goes with --every.</source>
        <translation>--start goes with --every.</translation>
    </message>
    <message>
        <source>--every needs a whole number of pages, at least 1, not &quot;%1&quot;.</source>
        <translation>--every needs a whole number of pages, at least 1, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--start needs a page number, at least 1, not &quot;%1&quot;.</source>
        <translation>--start needs a page number, at least 1, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--by-bookmarks needs a bookmark level, at least 1, not &quot;%1&quot;.</source>
        <translation>--by-bookmarks needs a bookmark level, at least 1, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--by-size needs a size with its unit, at least 1KB, such as 9MB or 500KB, not &quot;%1&quot;.</source>
        <translation>--by-size needs a size with its unit, at least 1KB, such as 9MB or 500KB, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--start %1 is past the last page of %2 (%3).</source>
        <translation>--start %1 is past the last page of %2 (%3).</translation>
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
        <translation>--without: every page of %1 would be removed.</translation>
    </message>
    <message>
        <source>%1 has no bookmarks that lead to its pages.</source>
        <translation>%1 has no bookmarks that lead to its pages.</translation>
    </message>
    <message>
        <source>Usage: sheafwright split [options] FILE</source>
        <translation>Usage: sheafwright split [options] FILE</translation>
    </message>
    <message>
        <source>Name the PDF file to split.</source>
        <translation>Name the PDF file to split.</translation>
    </message>
    <message>
        <source>split takes one PDF file; run it once for each file.</source>
        <translation>split takes one PDF file; run it once for each file.</translation>
    </message>
    <message>
        <source>%1 has a single page: there is nothing to split.</source>
        <translation>%1 has a single page: there is nothing to split.</translation>
    </message>
    <message>
        <source>%1 does not allow copying its pages. Its owner password, given with --password-file, lifts that.</source>
        <translation>%1 does not allow copying its pages. Its owner password, given with --password-file, lifts that.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) written into %1.</source>
        <translation>
            <numerusform>%n file written into %1.</numerusform>
            <numerusform>%n files written into %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The split could not start: the helper program %1 is missing or cannot be run. Reinstalling Sheafwright should mend this.</source>
        <translation type="vanished">The split could not start: the helper program %1 is missing or cannot be run. Reinstalling Sheafwright should mend this.</translation>
    </message>
    <message>
        <source>The split could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">The split could not start: its working files could not be written into %1. Check that the disk is not full.</translation>
    </message>
    <message>
        <source>The split could not finish: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">The split could not finish: its working files could not be written into %1. Check that the disk is not full.</translation>
    </message>
    <message>
        <source>The split was stopped.</source>
        <translation type="vanished">The split was stopped.</translation>
    </message>
    <message>
        <source>The split stopped unexpectedly: the helper program pdfworker ended before it finished.</source>
        <translation type="vanished">The split stopped unexpectedly: the helper program pdfworker ended before it finished.</translation>
    </message>
    <message>
        <source>No file could be written into %1. Check that the folder can be written to and that the disk is not full.</source>
        <translation type="vanished">No file could be written into %1. Check that the folder can be written to and that the disk is not full.</translation>
    </message>
    <message>
        <source>No file could be written into %1.</source>
        <translation type="vanished">No file could be written into %1.</translation>
    </message>
    <message>
        <source>Not every file could be written. Check that the disk is not full.</source>
        <translation type="vanished">Not every file could be written. Check that the disk is not full.</translation>
    </message>
    <message>
        <source>Not every file could be written.</source>
        <translation type="vanished">Not every file could be written.</translation>
    </message>
    <message>
        <source>The document could not be split (error %1).</source>
        <translation type="vanished">The document could not be split (error %1).</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were written whole and kept in %1.</source>
        <translation type="vanished">
            <numerusform>%n file was written whole and kept in %1.</numerusform>
            <numerusform>%n files were written whole and kept in %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation type="vanished">No file was written.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Displays version information.</source>
        <translation>Displays version information.</translation>
    </message>
    <message>
        <source>PDF files to open.</source>
        <translation>PDF files to open.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 does not exist.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a PDF file.</source>
        <translation>%1 is a folder, not a PDF file.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 cannot be read.</translation>
    </message>
    <message>
        <source>%1 is not a PDF file.</source>
        <translation>%1 is not a PDF file.</translation>
    </message>
    <message>
        <source>Try &quot;sheafwright --help&quot; for more information.</source>
        <translation>Try &quot;sheafwright --help&quot; for more information.</translation>
    </message>
    <message>
        <source>Splits and merges PDF files. One PDF file opens on the split screen; several go to the merge list in the order given. Without a window: &quot;sheafwright split --help&quot; and &quot;sheafwright merge --help&quot;.</source>
        <translation>Splits and merges PDF files. One PDF file opens on the split screen; several go to the merge list in the order given. Without a window: &quot;sheafwright split --help&quot; and &quot;sheafwright merge --help&quot;.</translation>
    </message>
    <message>
        <source>Splits and merges PDF files. One PDF file opens on the split screen; several go to the merge list in the order given.</source>
        <translation type="vanished">Splits and merges PDF files. One PDF file opens on the split screen; several go to the merge list in the order given.</translation>
    </message>
    <message>
        <source>Writes trace messages to standard error (they always go to the log file). SHEAFWRIGHT_DEBUG=1 does the same.</source>
        <translation>Writes trace messages to standard error (they always go to the log file). SHEAFWRIGHT_DEBUG=1 does the same.</translation>
    </message>
</context>
<context>
    <name>CommandOptions</name>
    <message>
        <source>Shows this help.</source>
        <translation>Shows this help.</translation>
    </message>
    <message>
        <source>Writes TEXT as the title of the new files.</source>
        <translation>Writes TEXT as the title of the new files.</translation>
    </message>
    <message>
        <source>Writes TEXT as the author of the new files.</source>
        <translation>Writes TEXT as the author of the new files.</translation>
    </message>
    <message>
        <source>Opens protected files with the passwords in FILE, one per line, each tried in turn (&quot;-&quot;: read them from standard input).</source>
        <translation>Opens protected files with the passwords in FILE, one per line, each tried in turn (&quot;-&quot;: read them from standard input).</translation>
    </message>
    <message>
        <source>Reads the passwords of protected files from standard input, one per line.</source>
        <translation>Reads the passwords of protected files from standard input, one per line.</translation>
    </message>
    <message>
        <source>Protects the new files with a password, asked for twice on the terminal.</source>
        <translation>Protects the new files with a password, asked for twice on the terminal.</translation>
    </message>
    <message>
        <source>Protects the new files with the password on the first line of FILE (&quot;-&quot;: read it from standard input).</source>
        <translation>Protects the new files with the password on the first line of FILE (&quot;-&quot;: read it from standard input).</translation>
    </message>
    <message>
        <source>Prints what was written (files, pages, files left out and why) as JSON on standard output.</source>
        <translation>Prints what was written (files, pages, files left out and why) as JSON on standard output.</translation>
    </message>
    <message>
        <source>Prints the program&apos;s trace on standard error.</source>
        <translation>Prints the program&apos;s trace on standard error.</translation>
    </message>
    <message>
        <source>Standard input can hold either the passwords of protected files or the protection password, not both.</source>
        <translation>Standard input can hold either the passwords of protected files or the protection password, not both.</translation>
    </message>
    <message>
        <source>--protect and --protect-password-file both give the protection password: choose one.</source>
        <translation>--protect and --protect-password-file both give the protection password: choose one.</translation>
    </message>
    <message>
        <source>The protection password file %1 holds no password.</source>
        <translation>The protection password file %1 holds no password.</translation>
    </message>
    <message>
        <source>--protect asks for the password on a terminal, and there is none: use --protect-password-file instead.</source>
        <translation>--protect asks for the password on a terminal, and there is none: use --protect-password-file instead.</translation>
    </message>
    <message>
        <source>Password for the new files: </source>
        <translation>Password for the new files: </translation>
    </message>
    <message>
        <source>The same password again: </source>
        <translation>The same password again: </translation>
    </message>
    <message>
        <source>An empty password protects nothing.</source>
        <translation>An empty password protects nothing.</translation>
    </message>
    <message>
        <source>The two passwords differ.</source>
        <translation>The two passwords differ.</translation>
    </message>
    <message>
        <source>No protection password was set.</source>
        <translation>No protection password was set.</translation>
    </message>
    <message>
        <source>Try &quot;sheafwright %1 --help&quot; for more information.</source>
        <translation>Try &quot;sheafwright %1 --help&quot; for more information.</translation>
    </message>
    <message>
        <source>Works on a copy repaired by MuPDF of a file that cannot be read; the file itself is not changed.</source>
        <translation>Works on a copy repaired by MuPDF of a file that cannot be read; the file itself is not changed.</translation>
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
        <translation>Type a page number and press Return to go there (Ctrl+G)</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Page number</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>of %1</translation>
    </message>
</context>
<context>
    <name>DropArea</name>
    <message>
        <source>Add file</source>
        <translation>Add file</translation>
    </message>
    <message>
        <source>or drag &amp; drop</source>
        <translation>or drag &amp; drop</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Open file</translation>
    </message>
</context>
<context>
    <name>FileOpener</name>
    <message>
        <source>File not opened</source>
        <translation>File not opened</translation>
    </message>
    <message>
        <source>Files not opened</source>
        <translation>Files not opened</translation>
    </message>
</context>
<context>
    <name>InformationWorkerList</name>
    <message numerus="yes">
        <source>%1 out of %2 files. %3</source>
        <translation>
            <numerusform>File %1 of %2: %3</numerusform>
            <numerusform>File %1 of %2: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InputDocument</name>
    <message>
        <source>Password for %1: </source>
        <translation>Password for %1: </translation>
    </message>
    <message>
        <source>%1 is protected by a password, and none of the passwords given opens it.</source>
        <translation>%1 is protected by a password, and none of the passwords given opens it.</translation>
    </message>
    <message>
        <source>%1 is protected by a password. Give it with --password-file or --password-stdin, or run the command on a terminal to be asked for it.</source>
        <translation>%1 is protected by a password. Give it with --password-file or --password-stdin, or run the command on a terminal to be asked for it.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a PDF file: it is damaged or not a PDF file.</source>
        <translation type="vanished">%1 cannot be read as a PDF file: it is damaged or not a PDF file.</translation>
    </message>
    <message>
        <source>%1 has no pages.</source>
        <translation>%1 has no pages.</translation>
    </message>
    <message numerus="yes">
        <source>%1 cannot be read as it is; a copy repaired by MuPDF, with %n page(s), is used. The file itself is unchanged.</source>
        <translation>
            <numerusform>%1 cannot be read as it is; a copy repaired by MuPDF, with %n page, is used. The file itself is unchanged.</numerusform>
            <numerusform>%1 cannot be read as it is; a copy repaired by MuPDF, with %n pages, is used. The file itself is unchanged.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read as a PDF file, and MuPDF could not repair a copy of it either.</source>
        <translation>%1 cannot be read as a PDF file, and MuPDF could not repair a copy of it either.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a PDF file: it is damaged or not a PDF file. --repair tries a copy repaired by MuPDF.</source>
        <translation>%1 cannot be read as a PDF file: it is damaged or not a PDF file. --repair tries a copy repaired by MuPDF.</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcuts</name>
    <message>
        <source>Open PDF files</source>
        <translation>Open PDF files</translation>
    </message>
    <message>
        <source>Files (*.pdf)</source>
        <translation>Files (*.pdf)</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Merge</translation>
    </message>
    <message>
        <source>or</source>
        <translation>or</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Open folder</translation>
    </message>
    <message>
        <source>Last split:</source>
        <translation>Last split:</translation>
    </message>
    <message>
        <source>Last merge:</source>
        <translation>Last merge:</translation>
    </message>
    <message>
        <source>A split is still running. If you close the window now, it stops; the files it has written so far are kept.</source>
        <translation>A split is still running. If you close the window now, it stops; the files it has written so far are kept.</translation>
    </message>
    <message>
        <source>A merge is still running. If you close the window now, it stops and no merged file is written.</source>
        <translation>A merge is still running. If you close the window now, it stops and no merged file is written.</translation>
    </message>
    <message>
        <source>Stop and close?</source>
        <translation>Stop and close?</translation>
    </message>
    <message>
        <source>STOP AND CLOSE</source>
        <translation>STOP AND CLOSE</translation>
    </message>
    <message>
        <source>GO ON</source>
        <translation>GO ON</translation>
    </message>
</context>
<context>
    <name>MergeItemDelegate</name>
    <message>
        <source>Enter Password</source>
        <translation>Enter password</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>Unreadable</translation>
    </message>
    <message>
        <source>all</source>
        <translation>all</translation>
    </message>
</context>
<context>
    <name>MergeModel</name>
    <message>
        <source>Filename</source>
        <translation>Filename</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Can not open file</source>
        <translation>Cannot open the file</translation>
    </message>
    <message>
        <source>The password for %1 is incorrect</source>
        <translation>The password for %1 is incorrect.</translation>
    </message>
    <message>
        <source>Show the pages</source>
        <translation>Show the pages</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Remove from the list</translation>
    </message>
    <message>
        <source>Every page turned %1° clockwise</source>
        <translation>Every page turned %1° clockwise</translation>
    </message>
    <message numerus="yes">
        <source>All %n pages. Double-click to choose pages, such as 1-3, 7, 10-.</source>
        <translation>
            <numerusform>The only page. Double-click to choose pages, such as 1-3, 7, 10-.</numerusform>
            <numerusform>All %n pages. Double-click to choose pages, such as 1-3, 7, 10-.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 pages chosen. Double-click to change.</source>
        <translation>%1 of %2 pages chosen. Double-click to change.</translation>
    </message>
</context>
<context>
    <name>MergeView</name>
    <message>
        <source>Save to folder:</source>
        <translation>Save to folder:</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Filename:</translation>
    </message>
    <message>
        <source>MERGE</source>
        <translation>MERGE</translation>
    </message>
    <message>
        <source>Set Password</source>
        <translation>Set password</translation>
    </message>
    <message>
        <source>Select one or more files to open</source>
        <translation>Select one or more files to open</translation>
    </message>
    <message numerus="yes">
        <source>%1 pages total</source>
        <translation>
            <numerusform>%1 page in total</numerusform>
            <numerusform>%1 pages in total</numerusform>
        </translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Select destination folder</translation>
    </message>
    <message>
        <source>Set password</source>
        <translation type="vanished">Set password</translation>
    </message>
    <message>
        <source>Merging files..</source>
        <translation>Merging files…</translation>
    </message>
    <message>
        <source>Merge failed</source>
        <translation>Merge failed</translation>
    </message>
    <message>
        <source>Merge files failed</source>
        <translation type="vanished">The files could not be merged.</translation>
    </message>
    <message>
        <source>Can not open file</source>
        <translation>Cannot open the file</translation>
    </message>
    <message>
        <source>The password for %1 is incorrect</source>
        <translation>The password for %1 is incorrect.</translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation>Nothing to merge</translation>
    </message>
    <message>
        <source>Add at least two PDF files to merge.</source>
        <translation>Add at least two PDF files to merge.</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Enter a name for the merged file.</source>
        <translation>Enter a name for the merged file.</translation>
    </message>
    <message>
        <source>A file name cannot start with a dot.</source>
        <translation>A file name cannot start with a dot.</translation>
    </message>
    <message>
        <source>Merge canceled</source>
        <translation type="vanished">Merge canceled</translation>
    </message>
    <message>
        <source>The merge was stopped. No merged file was written.</source>
        <translation type="vanished">The merge was stopped. No merged file was written.</translation>
    </message>
    <message>
        <source>The merge could not start: the helper program pdfworker is missing or cannot be run. Reinstalling Sheafwright should mend this.</source>
        <translation type="vanished">The merge could not start: the helper program pdfworker is missing or cannot be run. Reinstalling Sheafwright should mend this.</translation>
    </message>
    <message>
        <source>Files that could not be used: %1</source>
        <translation type="vanished">Files that could not be used: %1</translation>
    </message>
    <message>
        <source>%1 cannot be read. The file is damaged or is not a PDF.</source>
        <translation>%1 cannot be read. The file is damaged or is not a PDF.</translation>
    </message>
    <message>
        <source>The merge stopped unexpectedly: the helper program pdfworker ended before it finished. No merged file was written.</source>
        <translation type="vanished">The merge stopped unexpectedly: the helper program pdfworker ended before it finished. No merged file was written.</translation>
    </message>
    <message>
        <source>The merged file could not be written into %1. Check that the disk is not full. Nothing was left behind.</source>
        <translation type="vanished">The merged file could not be written into %1. Check that the disk is not full. Nothing was left behind.</translation>
    </message>
    <message>
        <source>The merged file could not be written into %1.</source>
        <translation type="vanished">The merged file could not be written into %1.</translation>
    </message>
    <message>
        <source>Nothing was left behind.</source>
        <translation type="vanished">Nothing was left behind.</translation>
    </message>
    <message>
        <source>The merge could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">The merge could not start: its working files could not be written into %1. Check that the disk is not full.</translation>
    </message>
    <message>
        <source>The merge could not finish: its working files could not be written into %1. Check that the disk is not full. No merged file was written.</source>
        <translation type="vanished">The merge could not finish: its working files could not be written into %1. Check that the disk is not full. No merged file was written.</translation>
    </message>
    <message>
        <source>The file name is too long. Shorten it and try again.</source>
        <translation>The file name is too long. Shorten it and try again.</translation>
    </message>
    <message>
        <source>The merged file will be protected with this password.</source>
        <translation>The merged file will be protected with this password.</translation>
    </message>
    <message>
        <source>Add PDF files to the list</source>
        <translation>Add PDF files to the list</translation>
    </message>
    <message>
        <source>Move the selected file up</source>
        <translation>Move the selected file up</translation>
    </message>
    <message>
        <source>Move the selected file down</source>
        <translation>Move the selected file down</translation>
    </message>
    <message>
        <source>Remove all files from the list</source>
        <translation>Remove all files from the list</translation>
    </message>
    <message>
        <source>Clear the list?</source>
        <translation>Clear the list?</translation>
    </message>
    <message numerus="yes">
        <source>Remove all %n files from the list? The files themselves stay where they are.</source>
        <translation>
            <numerusform>Remove the file from the list? The file itself stays where it is.</numerusform>
            <numerusform>Remove all %n files from the list? The files themselves stay where they are.</numerusform>
        </translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>CLEAR</translation>
    </message>
    <message>
        <source>KEEP</source>
        <translation>KEEP</translation>
    </message>
    <message>
        <source>Repair a copy</source>
        <translation>Repair a copy</translation>
    </message>
    <message>
        <source>%1: %2 pages recovered. The merge uses a repaired copy; the original is unchanged.</source>
        <translation>%1: %2 pages recovered. The merge uses a repaired copy; the original is unchanged.</translation>
    </message>
    <message>
        <source>No page of %1 could be recovered. The file is left as it was.</source>
        <translation>No page of %1 could be recovered. The file is left as it was.</translation>
    </message>
    <message>
        <source>Pages of %1: %2</source>
        <translation>Pages of %1: %2</translation>
    </message>
    <message>
        <source>Interleave pages (for scans of front and back sides)</source>
        <translation>Interleave pages (for scans of front and back sides)</translation>
    </message>
    <message>
        <source>last file in reverse order</source>
        <translation>last file in reverse order</translation>
    </message>
    <message>
        <source>Start every file on an odd page</source>
        <translation>Start every file on an odd page</translation>
    </message>
    <message>
        <source>Takes one page from each file in turn: file 1 page 1, file 2 page 1, file 1 page 2, and so on.</source>
        <translation>Takes one page from each file in turn: file 1 page 1, file 2 page 1, file 1 page 2, and so on.</translation>
    </message>
    <message>
        <source>Takes the last file&apos;s pages from its end, as a stack of back sides is scanned.</source>
        <translation>Takes the last file&apos;s pages from its end, as a stack of back sides is scanned.</translation>
    </message>
    <message>
        <source>Adds a blank page after every file with an odd number of pages, so that each file starts on a front side when printed on both sides.</source>
        <translation>Adds a blank page after every file with an odd number of pages, so that each file starts on a front side when printed on both sides.</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Choose pages</translation>
    </message>
    <message>
        <source>Turn clockwise</source>
        <translation>Turn clockwise</translation>
    </message>
    <message>
        <source>Turn counterclockwise</source>
        <translation>Turn counterclockwise</translation>
    </message>
    <message>
        <source>Turn upside down</source>
        <translation>Turn upside down</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>The pages chosen for %1 cannot be merged: %2</source>
        <translation>The pages chosen for %1 cannot be merged: %2</translation>
    </message>
    <message>
        <source>The merge was refused: the pages chosen for a file are not all in it. Check the Pages cells and try again. No merged file was written.</source>
        <translation type="vanished">The merge was refused: the pages chosen for a file are not all in it. Check the Pages cells and try again. No merged file was written.</translation>
    </message>
    <message>
        <source>Choose pages from pictures…</source>
        <translation>Choose pages from pictures…</translation>
    </message>
</context>
<context>
    <name>MergeWorker</name>
    <message>
        <source>Merging files..</source>
        <translation>Merging files…</translation>
    </message>
    <message>
        <source>%1 out of %2. Add for merge %3</source>
        <translation>%1 of %2: adding %3</translation>
    </message>
</context>
<context>
    <name>MessageMerge</name>
    <message>
        <source>Merge complete</source>
        <translation>Merge complete</translation>
    </message>
    <message>
        <source>All of your files have been merged. You can open the folder to view the result</source>
        <translation>All your files have been merged. Open the folder to see the result.</translation>
    </message>
    <message>
        <source>Your files have been merged, except those listed below. You can open the folder to view the result</source>
        <translation>Your files have been merged, except those listed below. Open the folder to see the result.</translation>
    </message>
    <message numerus="yes">
        <source>Left out of the merged file: %1</source>
        <translation>
            <numerusform>%1 file is not in the merged file:</numerusform>
            <numerusform>%1 files are not in the merged file:</numerusform>
        </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OPEN FOLDER</source>
        <translation>OPEN FOLDER</translation>
    </message>
</context>
<context>
    <name>MessageNewPassword</name>
    <message>
        <source>Protect with a password</source>
        <translation>Protect with a password</translation>
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
        <translation>Enter password</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>SKIP</translation>
    </message>
    <message>
        <source>SKIP ALL</source>
        <translation>SKIP ALL</translation>
    </message>
</context>
<context>
    <name>MessageSplit</name>
    <message>
        <source>Split complete</source>
        <translation>Split complete</translation>
    </message>
    <message numerus="yes">
        <source>Your document was split in %1 files. You can open folder to view the results of proceed of merging them.</source>
        <translation>
            <numerusform>Your document was split into %1 file. Open the folder to see it, or merge the result with other files.</numerusform>
            <numerusform>Your document was split into %1 files. Open the folder to see them, or merge them again.</numerusform>
        </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>OPEN</translation>
    </message>
    <message>
        <source>MERGE RESULTS</source>
        <translation>MERGE RESULTS</translation>
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
        <translation>Type the password a second time to make sure it has no typo.</translation>
    </message>
    <message>
        <source>Type the password in the first field too.</source>
        <translation>Type the password in the first field too.</translation>
    </message>
    <message>
        <source>The two passwords differ. Type the same password in both fields.</source>
        <translation>The two passwords differ. Type the same password in both fields.</translation>
    </message>
    <message>
        <source>print</source>
        <translation>print</translation>
    </message>
    <message>
        <source>copy text</source>
        <translation>copy text</translation>
    </message>
    <message>
        <source>change</source>
        <translation>change</translation>
    </message>
    <message>
        <source>add notes</source>
        <translation>add notes</translation>
    </message>
    <message>
        <source>fill in forms</source>
        <translation>fill in forms</translation>
    </message>
    <message>
        <source>Opening the file will need this password. Whoever has it may only read the file.</source>
        <translation>Opening the file will need this password. Whoever has it may only read the file.</translation>
    </message>
    <message>
        <source>Opening the file will need this password. Whoever has it may: %1.</source>
        <translation>Opening the file will need this password. Whoever has it may: %1.</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the things a reader may do</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Repeat password:</source>
        <translation>Repeat password:</translation>
    </message>
</context>
<context>
    <name>OutcomeText</name>
    <message>
        <source>The split could not start: the helper program %1 is missing or cannot be run. Reinstalling Sheafwright should mend this.</source>
        <translation>The split could not start: the helper program %1 is missing or cannot be run. Reinstalling Sheafwright should mend this.</translation>
    </message>
    <message>
        <source>The merge could not start: the helper program %1 is missing or cannot be run. Reinstalling Sheafwright should mend this.</source>
        <translation>The merge could not start: the helper program %1 is missing or cannot be run. Reinstalling Sheafwright should mend this.</translation>
    </message>
    <message>
        <source>The split could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation>The split could not start: its working files could not be written into %1. Check that the disk is not full.</translation>
    </message>
    <message>
        <source>The merge could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation>The merge could not start: its working files could not be written into %1. Check that the disk is not full.</translation>
    </message>
    <message>
        <source>The split could not finish: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation>The split could not finish: its working files could not be written into %1. Check that the disk is not full.</translation>
    </message>
    <message>
        <source>The merge could not finish: its working files could not be written into %1. Check that the disk is not full. No merged file was written.</source>
        <translation>The merge could not finish: its working files could not be written into %1. Check that the disk is not full. No merged file was written.</translation>
    </message>
    <message>
        <source>The split was stopped.</source>
        <translation>The split was stopped.</translation>
    </message>
    <message>
        <source>The merge was stopped. No merged file was written.</source>
        <translation>The merge was stopped. No merged file was written.</translation>
    </message>
    <message>
        <source>The split stopped unexpectedly: the helper program pdfworker ended before it finished.</source>
        <translation>The split stopped unexpectedly: the helper program pdfworker ended before it finished.</translation>
    </message>
    <message>
        <source>The merge stopped unexpectedly: the helper program pdfworker ended before it finished. No merged file was written.</source>
        <translation>The merge stopped unexpectedly: the helper program pdfworker ended before it finished. No merged file was written.</translation>
    </message>
    <message>
        <source>No file could be written into %1.</source>
        <translation>No file could be written into %1.</translation>
    </message>
    <message>
        <source>Check that the folder can be written to and that the disk is not full.</source>
        <translation>Check that the folder can be written to and that the disk is not full.</translation>
    </message>
    <message>
        <source>No merged file was written.</source>
        <translation>No merged file was written.</translation>
    </message>
    <message>
        <source>Not every file could be written.</source>
        <translation>Not every file could be written.</translation>
    </message>
    <message>
        <source>Check that the disk is not full.</source>
        <translation>Check that the disk is not full.</translation>
    </message>
    <message>
        <source>The merged file could not be written into %1.</source>
        <translation>The merged file could not be written into %1.</translation>
    </message>
    <message>
        <source>A page range asks for pages the document does not have.</source>
        <translation>A page range asks for pages the document does not have.</translation>
    </message>
    <message>
        <source>The document %1 could not be found.</source>
        <translation>The document %1 could not be found.</translation>
    </message>
    <message>
        <source>The split could not start: the helper program refused its request (%1).</source>
        <translation>The split could not start: the helper program refused its request (%1).</translation>
    </message>
    <message>
        <source>The merge could not start: the helper program refused its request (%1).</source>
        <translation>The merge could not start: the helper program refused its request (%1).</translation>
    </message>
    <message>
        <source>The document could not be split (error %1).</source>
        <translation>The document could not be split (error %1).</translation>
    </message>
    <message>
        <source>No merged file was written (error %1).</source>
        <translation>No merged file was written (error %1).</translation>
    </message>
    <message>
        <source>Split canceled</source>
        <translation>Split canceled</translation>
    </message>
    <message>
        <source>Split failed</source>
        <translation>Split failed</translation>
    </message>
    <message>
        <source>Merge canceled</source>
        <translation>Merge canceled</translation>
    </message>
    <message>
        <source>Merge failed</source>
        <translation>Merge failed</translation>
    </message>
    <message>
        <source>Nothing was left behind.</source>
        <translation>Nothing was left behind.</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>No file was written.</translation>
    </message>
    <message numerus="yes">
        <source>%1 files written before the stop are complete and were kept in %2.</source>
        <translation>
            <numerusform>The %1 file written before the stop is complete and was kept in %2.</numerusform>
            <numerusform>The %1 files written before the stop are complete and were kept in %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 files written before the failure are complete and were kept in %2.</source>
        <translation>
            <numerusform>The %1 file written before the failure is complete and was kept in %2.</numerusform>
            <numerusform>The %1 files written before the failure are complete and were kept in %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>No file holds these pages: %1.</source>
        <translation>No file holds these pages: %1.</translation>
    </message>
    <message>
        <source>The merged file was saved as %1, because a file named %2 already exists.</source>
        <translation>The merged file was saved as %1, because a file named %2 already exists.</translation>
    </message>
    <message numerus="yes">
        <source>%1 files got a number in front of their names, because files of those names already exist: %2</source>
        <translation>
            <numerusform>%1 file got a number in front of its name, because a file of that name already exists: %2</numerusform>
            <numerusform>%1 files got a number in front of their names, because files of those names already exist: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 pages are larger than the size limit by themselves and were each saved in a file of their own: %2</source>
        <translation>
            <numerusform>%1 page is larger than the size limit by itself and was saved in a file of its own: %2</numerusform>
            <numerusform>%1 pages are larger than the size limit by themselves and were each saved in a file of their own: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>its password is missing or wrong</source>
        <translation>its password is missing or wrong</translation>
    </message>
    <message>
        <source>it is damaged or is not a PDF file</source>
        <translation>it is damaged or is not a PDF file</translation>
    </message>
    <message>
        <source>the computer ran out of memory while reading it</source>
        <translation>the computer ran out of memory while reading it</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>it could not be written</translation>
    </message>
    <message>
        <source>%1 is protected, but the new files are not: anyone can open, print and copy them.</source>
        <translation>%1 is protected, but the new files are not: anyone can open, print and copy them.</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>No folder is chosen to save into.</source>
        <translation>No folder is chosen to save into.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder, so %2 cannot be created.</source>
        <translation>%1 is a file, not a folder, so %2 cannot be created.</translation>
    </message>
    <message>
        <source>You do not have permission to save files in %1.</source>
        <translation>You do not have permission to save files in %1.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist and cannot be created: you do not have permission to create folders in %2.</source>
        <translation>The folder %1 does not exist and cannot be created: you do not have permission to create folders in %2.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist and could not be created.</source>
        <translation>The folder %1 does not exist and could not be created.</translation>
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
        <translation>Enter how many pages go into each file.</translation>
    </message>
    <message>
        <source>Enter a page number.</source>
        <translation>Enter a page number.</translation>
    </message>
    <message>
        <source>Enter pages, for example 3, 5-7 or 9-.</source>
        <translation>Enter pages, for example 3, 5-7 or 9-.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number.</source>
        <translation>&quot;%1&quot; is not a whole number.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a page number.</source>
        <translation>&quot;%1&quot; is not a page number.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a page or a range. Write pages like 3, 5-7 or 9-.</source>
        <translation>&quot;%1&quot; is not a page or a range. Write pages like 3, 5-7 or 9-.</translation>
    </message>
    <message>
        <source>Each file needs at least 1 page.</source>
        <translation>Each file needs at least 1 page.</translation>
    </message>
    <message>
        <source>Pages are numbered from 1.</source>
        <translation>Pages are numbered from 1.</translation>
    </message>
    <message numerus="yes">
        <source>A group cannot be larger than the document: it has %n pages.</source>
        <translation>
            <numerusform>A group cannot be larger than the document: it has %n page.</numerusform>
            <numerusform>A group cannot be larger than the document: it has %n pages.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There is no page %1: the document has %n pages.</source>
        <translation>
            <numerusform>There is no page %1: the document has %n page.</numerusform>
            <numerusform>There is no page %1: the document has %n pages.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 runs backwards: write %2.</source>
        <translation>%1 runs backwards: write %2.</translation>
    </message>
</context>
<context>
    <name>PageGridDelegate</name>
    <message>
        <source>File name</source>
        <translation>File name</translation>
    </message>
</context>
<context>
    <name>PageGridDialog</name>
    <message numerus="yes">
        <source>%n part(s)</source>
        <translation>
            <numerusform>%n part</numerusform>
            <numerusform>%n parts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) left out</source>
        <translation>
            <numerusform>%n page left out</numerusform>
            <numerusform>%n pages left out</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n files</numerusform>
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
        <translation>Choose pages</translation>
    </message>
    <message>
        <source>Choose pages – %1</source>
        <translation>Choose pages – %1</translation>
    </message>
    <message>
        <source>Click between two pages to cut the document there; click a cut again to join the parts. Double-click a part&apos;s band to name its file.</source>
        <translation>Click between two pages to cut the document there; click a cut again to join the parts. Double-click a part&apos;s band to name its file.</translation>
    </message>
    <message>
        <source>Click a page to leave it out, and again to keep it; Shift+click marks every page up to it.</source>
        <translation>Click a page to leave it out, and again to keep it; Shift+click marks every page up to it.</translation>
    </message>
    <message>
        <source>The coloured bands show the files the split will write.</source>
        <translation>The coloured bands show the files the split will write.</translation>
    </message>
    <message>
        <source>The pages of the document.</source>
        <translation>The pages of the document.</translation>
    </message>
    <message>
        <source>The pages of this document cannot be drawn; their numbers are shown.</source>
        <translation>The pages of this document cannot be drawn; their numbers are shown.</translation>
    </message>
    <message>
        <source>Smaller pages (Ctrl+minus)</source>
        <translation>Smaller pages (Ctrl+minus)</translation>
    </message>
    <message>
        <source>Larger pages (Ctrl+plus)</source>
        <translation>Larger pages (Ctrl+plus)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>PageGridView</name>
    <message>
        <source>Click to join the parts on both sides</source>
        <translation>Click to join the parts on both sides</translation>
    </message>
    <message>
        <source>Click to cut between page %1 and page %2</source>
        <translation>Click to cut between page %1 and page %2</translation>
    </message>
    <message>
        <source>Part %1: pages %2 to %3</source>
        <translation>Part %1: pages %2 to %3</translation>
    </message>
    <message>
        <source>File name: %1</source>
        <translation>File name: %1</translation>
    </message>
    <message>
        <source>Double-click to name the file</source>
        <translation>Double-click to name the file</translation>
    </message>
    <message>
        <source>Page %1 could not be drawn.</source>
        <translation>Page %1 could not be drawn.</translation>
    </message>
</context>
<context>
    <name>PasswordInput</name>
    <message>
        <source>No password could be read from standard input.</source>
        <translation>No password could be read from standard input.</translation>
    </message>
    <message>
        <source>The password file %1 cannot be read.</source>
        <translation>The password file %1 cannot be read.</translation>
    </message>
</context>
<context>
    <name>PdfFileDialog</name>
    <message>
        <source>PDF files</source>
        <translation>PDF files</translation>
    </message>
</context>
<context>
    <name>PreviewWidget</name>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>enter password</source>
        <translation>enter password</translation>
    </message>
    <message>
        <source>Password protected:</source>
        <translation>Password protected:</translation>
    </message>
    <message>
        <source>Pages: %1</source>
        <translation>Pages: %1</translation>
    </message>
    <message>
        <source>Can not open file</source>
        <translation>Cannot open the file</translation>
    </message>
    <message>
        <source>The password for %1 is incorrect</source>
        <translation>The password for %1 is incorrect.</translation>
    </message>
    <message>
        <source>%1 cannot be read. The file is damaged or is not a PDF.</source>
        <translation>%1 cannot be read. The file is damaged or is not a PDF.</translation>
    </message>
    <message>
        <source>Choose pages…</source>
        <translation>Choose pages…</translation>
    </message>
    <message>
        <source>Show the pages of this document</source>
        <translation>Show the pages of this document</translation>
    </message>
    <message>
        <source>Close this document here. The file itself is not deleted.</source>
        <translation>Close this document here. The file itself is not deleted.</translation>
    </message>
    <message>
        <source>Repair a copy</source>
        <translation>Repair a copy</translation>
    </message>
    <message>
        <source>Repairing a copy…</source>
        <translation>Repairing a copy…</translation>
    </message>
    <message>
        <source>No page could be recovered; the file is left as it was.</source>
        <translation>No page could be recovered; the file is left as it was.</translation>
    </message>
    <message>
        <source>Repaired copy in use: %1 pages recovered. The original is unchanged.</source>
        <translation>Repaired copy in use: %1 pages recovered. The original is unchanged.</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Add files</source>
        <translation>Add files</translation>
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
            <numerusform>%n file is larger than the limit: it holds a single page that alone is larger.</numerusform>
            <numerusform>%n files are larger than the limit: each holds a single page that alone is larger.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SaveFolderModel</name>
    <message>
        <source>Sub folder</source>
        <translation>Sub folder</translation>
    </message>
    <message>
        <source>Original folder</source>
        <translation>Original folder</translation>
    </message>
    <message>
        <source>Select folder...</source>
        <translation>Select folder...</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Select destination folder</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>SAVE SETTINGS</source>
        <translation>SAVE SETTINGS</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Save to</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Publisher</translation>
    </message>
</context>
<context>
    <name>SizeModePage</name>
    <message>
        <source>Largest file size:</source>
        <translation>Largest file size:</translation>
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
        <translation>Pages go, in order, into files no larger than this, for example to fit an email attachment. A page that is larger by itself gets a file of its own.</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Loading%1</source>
        <translation>Loading%1</translation>
    </message>
</context>
<context>
    <name>SplitView</name>
    <message>
        <source>Into files of 1 page</source>
        <translation>Into files of 1 page</translation>
    </message>
    <message>
        <source>By groups of pages</source>
        <translation>By groups of pages</translation>
    </message>
    <message>
        <source>Get rid of certain pages</source>
        <translation>Remove certain pages</translation>
    </message>
    <message>
        <source>By page ranges</source>
        <translation>By page ranges</translation>
    </message>
    <message>
        <source>Every page will be splited to isolated file...</source>
        <translation>Every page will be saved as a file of its own.</translation>
    </message>
    <message>
        <source>Group of pages:</source>
        <translation>Group of pages:</translation>
    </message>
    <message>
        <source>Starting from:</source>
        <translation>Starting from:</translation>
    </message>
    <message>
        <source>Choose how much pages will be in every group and you should choose pages, where splitting will be started...</source>
        <translation>Choose how many pages each group holds and the page where the first group starts.</translation>
    </message>
    <message>
        <source>Add page</source>
        <translation>Add page</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>You can choose and add pages which you want to delete...</source>
        <translation>Add the pages you want to remove; a copy of the document without them is saved.</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>Add range</source>
        <translation>Add range</translation>
    </message>
    <message>
        <source>You should choose and add a interval from document, which you will want to split...</source>
        <translation>Add the page ranges you want; each range is saved as a file of its own.</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Save to:</translation>
    </message>
    <message>
        <source>SPLIT</source>
        <translation>SPLIT</translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Select destination folder</translation>
    </message>
    <message>
        <source>Split failed</source>
        <translation>Split failed</translation>
    </message>
    <message>
        <source>Split canceled</source>
        <translation type="vanished">Split canceled</translation>
    </message>
    <message>
        <source>The document could not be split (error %1).</source>
        <translation type="vanished">The document could not be split (error %1).</translation>
    </message>
    <message>
        <source>Error: this file has read permission only!</source>
        <translation>This document does not allow copying its pages, so it cannot be split.</translation>
    </message>
    <message>
        <source>Nothing to split</source>
        <translation>Nothing to split</translation>
    </message>
    <message>
        <source>Add a PDF file to split first.</source>
        <translation>Add a PDF file to split first.</translation>
    </message>
    <message>
        <source>This document has only one page.</source>
        <translation>This document has only one page.</translation>
    </message>
    <message>
        <source>The start page is after the last page of the document.</source>
        <translation type="vanished">The start page is after the last page of the document.</translation>
    </message>
    <message>
        <source>Add the pages to remove first.</source>
        <translation>Add the pages to remove first.</translation>
    </message>
    <message>
        <source>Add at least one page range first.</source>
        <translation>Add at least one page range first.</translation>
    </message>
    <message>
        <source>The split could not start: the helper program pdfworker is missing or cannot be run. Reinstalling Sheafwright should mend this.</source>
        <translation type="vanished">The split could not start: the helper program pdfworker is missing or cannot be run. Reinstalling Sheafwright should mend this.</translation>
    </message>
    <message>
        <source>The split was stopped. Files written into %1 before the stop are complete.</source>
        <translation type="vanished">The split was stopped. The files written into %1 before the stop are complete.</translation>
    </message>
    <message>
        <source>No file could be written into %1. Check that the folder can be written to and that the disk is not full.</source>
        <translation type="vanished">No file could be written into %1. Check that the folder can be written to and that the disk is not full.</translation>
    </message>
    <message>
        <source>The split was stopped before any file was written.</source>
        <translation type="vanished">The split was stopped before any file was written.</translation>
    </message>
    <message numerus="yes">
        <source>The split was stopped. %1 files written before the stop are complete and were kept in %2.</source>
        <translation type="vanished">
            <numerusform>The split was stopped. The %1 file written before the stop is complete and was kept in %2.</numerusform>
            <numerusform>The split was stopped. The %1 files written before the stop are complete and were kept in %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>By bookmarks</source>
        <translation>By bookmarks</translation>
    </message>
    <message>
        <source>By size</source>
        <translation>By size</translation>
    </message>
    <message>
        <source>Enter the largest file size first.</source>
        <translation>Enter the largest file size first.</translation>
    </message>
    <message>
        <source>This document has no bookmarks, so it cannot be split at them.</source>
        <translation>This document has no bookmarks, so it cannot be split at them.</translation>
    </message>
    <message numerus="yes">
        <source>%1 pages are larger than the size limit by themselves and were each saved in a file of their own: %2</source>
        <translation type="vanished">
            <numerusform>%1 page is larger than the size limit by itself and was saved in a file of its own: %2</numerusform>
            <numerusform>%1 pages are larger than the size limit by themselves and were each saved in a file of their own: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 files written before the failure are complete and were kept in %2.</source>
        <translation type="vanished">
            <numerusform>The %1 file written before the failure is complete and was kept in %2.</numerusform>
            <numerusform>The %1 files written before the failure are complete and were kept in %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not every file could be written. Check that the disk is not full.</source>
        <translation type="vanished">Not every file could be written. Check that the disk is not full.</translation>
    </message>
    <message>
        <source>The split stopped unexpectedly (error %1).</source>
        <translation type="vanished">The split stopped unexpectedly (error %1).</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>No file was written.</translation>
    </message>
    <message>
        <source>The split stopped unexpectedly: the helper program pdfworker ended before it finished.</source>
        <translation type="vanished">The split stopped unexpectedly: the helper program pdfworker ended before it finished.</translation>
    </message>
    <message>
        <source>No file could be written into %1.</source>
        <translation type="vanished">No file could be written into %1.</translation>
    </message>
    <message>
        <source>Not every file could be written.</source>
        <translation type="vanished">Not every file could be written.</translation>
    </message>
    <message>
        <source>The split could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">The split could not start: its working files could not be written into %1. Check that the disk is not full.</translation>
    </message>
    <message>
        <source>The split could not finish: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">The split could not finish: its working files could not be written into %1. Check that the disk is not full.</translation>
    </message>
    <message>
        <source>These are all the pages of the document: removing them would leave nothing.</source>
        <translation>These are all the pages of the document: removing them would leave nothing.</translation>
    </message>
    <message>
        <source>Enter the document&apos;s password first.</source>
        <translation>Enter the document&apos;s password first.</translation>
    </message>
    <message numerus="yes">
        <source>The entries marked in red are not in this document, which has %n pages. Remove them to split.</source>
        <translation>
            <numerusform>The entries marked in red are not in this document, which has %n page. Remove them to split.</numerusform>
            <numerusform>The entries marked in red are not in this document, which has %n pages. Remove them to split.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the document has %n pages</source>
        <translation>
            <numerusform>the document has %n page</numerusform>
            <numerusform>the document has %n pages</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowBar</name>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>WriteError</name>
    <message>
        <source>The disk is full.</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>A file grew past the largest size the drive allows (4 GB on a FAT32 drive) or the system lets this program write.</source>
        <translation>A file grew past the largest size the drive allows (4 GB on a FAT32 drive) or the system lets this program write.</translation>
    </message>
    <message>
        <source>The folder is on a drive that can only be read.</source>
        <translation>The folder is on a drive that can only be read.</translation>
    </message>
    <message>
        <source>You do not have permission to write into the folder.</source>
        <translation>You do not have permission to write into the folder.</translation>
    </message>
    <message>
        <source>The computer ran out of memory. Closing other programs may help.</source>
        <translation>The computer ran out of memory. Closing other programs may help.</translation>
    </message>
</context>
</TS>
