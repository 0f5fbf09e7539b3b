<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BookmarkModePage</name>
    <message>
        <source>Bookmark level:</source>
        <translation>Nivel de marcadores:</translation>
    </message>
    <message>
        <source>This document has no bookmarks, so it cannot be split at them.</source>
        <translation>Este documento no tiene marcadores, así que no se puede dividir por ellos.</translation>
    </message>
    <message>
        <source>A new file starts at every bookmark of this level and the levels above it, named after the bookmark. Pages before the first bookmark form a file of their own.</source>
        <translation>Un archivo nuevo empieza en cada marcador de este nivel y de los superiores, con el nombre del marcador. Las páginas anteriores al primer marcador forman un archivo propio.</translation>
    </message>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 archivo</numerusform>
            <numerusform>%1 archivos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliMerge</name>
    <message>
        <source>Writes the merged file as OUTPUT (its folder is made when missing); an existing file is never replaced.</source>
        <translation>Escribe el archivo unido como OUTPUT (su carpeta se crea si falta); nunca se reemplaza un archivo existente.</translation>
    </message>
    <message>
        <source>Merges PDF files into one, in the order given, without opening a window. Bookmarks, links and named destinations of every file keep working in the merged file.</source>
        <translation>Une archivos PDF en uno, en el orden indicado, sin abrir ninguna ventana. Los marcadores, enlaces y destinos con nombre de cada archivo siguen funcionando en el archivo unido.</translation>
    </message>
    <message>
        <source>The PDF files to merge, at least two.</source>
        <translation type="vanished">Los archivos PDF que se unen, al menos dos.</translation>
    </message>
    <message>
        <source>Name the merged file with -o OUTPUT.</source>
        <translation>Indique el archivo unido con -o OUTPUT.</translation>
    </message>
    <message>
        <source>%1 exists already, and a merge never replaces a file: choose another name.</source>
        <translation>%1 ya existe, y una unión nunca reemplaza un archivo: elija otro nombre.</translation>
    </message>
    <message>
        <source>It was left out.</source>
        <translation>Se ha omitido.</translation>
    </message>
    <message>
        <source>Usage: sheafwright merge [options] -o OUTPUT FILE...</source>
        <translation type="vanished">Uso: sheafwright merge [opciones] -o OUTPUT FILE...</translation>
    </message>
    <message>
        <source>Name at least two PDF files to merge.</source>
        <translation>Indique al menos dos archivos PDF para unir.</translation>
    </message>
    <message>
        <source>No file could be merged: none of them can be read.</source>
        <translation>No se ha podido unir ningún archivo: ninguno se puede leer.</translation>
    </message>
    <message numerus="yes">
        <source>Merging %n file(s) into %1...</source>
        <translation>
            <numerusform>Uniendo %n archivo en %1...</numerusform>
            <numerusform>Uniendo %n archivos en %1...</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be merged: it is damaged or its pages cannot be copied. It was left out.</source>
        <translation type="vanished">No se ha podido unir %1: está dañado o sus páginas no se pueden copiar. Se ha omitido.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) merged into %1.</source>
        <translation>
            <numerusform>%n archivo unido en %1.</numerusform>
            <numerusform>%n archivos unidos en %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 was written without the %n file(s) left out.</source>
        <translation>
            <numerusform>%1 se ha escrito sin el archivo omitido.</numerusform>
            <numerusform>%1 se ha escrito sin los %n archivos omitidos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge was stopped. No merged file was written.</source>
        <translation type="vanished">Se ha detenido la unión. No se ha escrito ningún archivo unido.</translation>
    </message>
    <message>
        <source>The merged file could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">No se ha podido escribir el archivo unido en %1. Compruebe que el disco no esté lleno.</translation>
    </message>
    <message>
        <source>The merged file could not be written into %1.</source>
        <translation type="vanished">No se pudo escribir el archivo combinado en %1.</translation>
    </message>
    <message>
        <source>Nothing was left behind.</source>
        <translation type="vanished">No quedó nada a medias.</translation>
    </message>
    <message>
        <source>The merge stopped unexpectedly: the helper program pdfworker ended before it finished. No merged file was written.</source>
        <translation type="vanished">La combinación se detuvo de forma inesperada: el programa auxiliar pdfworker terminó antes de acabar. No se escribió ningún archivo combinado.</translation>
    </message>
    <message>
        <source>The merge could not start: the helper program %1 is missing or cannot be run. Reinstalling Sheafwright should mend this.</source>
        <translation type="vanished">No se ha podido iniciar la unión: falta el programa auxiliar %1 o no se puede ejecutar. Reinstalar Sheafwright debería solucionarlo.</translation>
    </message>
    <message>
        <source>The merge could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">No se ha podido iniciar la unión: sus archivos de trabajo no se pudieron escribir en %1. Compruebe que el disco no esté lleno.</translation>
    </message>
    <message>
        <source>The merge could not finish: its working files could not be written into %1. Check that the disk is not full. No merged file was written.</source>
        <translation type="vanished">No se ha podido terminar la unión: sus archivos de trabajo no se pudieron escribir en %1. Compruebe que el disco no esté lleno. No se escribió ningún archivo combinado.</translation>
    </message>
    <message>
        <source>No merged file was written (error %1).</source>
        <translation type="vanished">No se ha escrito ningún archivo unido (error %1).</translation>
    </message>
    <message>
        <source>Takes one page from each file in turn (scans of front sides and of back sides become one document).</source>
        <translation>Toma una página de cada archivo por turno (los escaneos de anversos y de reversos se vuelven un solo documento).</translation>
    </message>
    <message>
        <source>With --interleave: takes the last file&apos;s pages from its end (back sides scanned in reverse order).</source>
        <translation>Con --interleave: toma las páginas del último archivo desde el final (reversos escaneados en orden inverso).</translation>
    </message>
    <message>
        <source>Adds a blank page after every file with an odd number of pages but the last, so that each file starts on a front side when printed on both sides.</source>
        <translation>Añade una página en blanco tras cada archivo con un número impar de páginas, salvo el último, para que cada archivo empiece en un anverso al imprimir a doble cara.</translation>
    </message>
    <message>
        <source>The PDF files to merge, at least two. FILE:PAGES takes only those pages of FILE, in the order given (for example report.pdf:1-3,7,10-).</source>
        <translation>Los archivos PDF que se unen, al menos dos. FILE:PAGES toma solo esas páginas de FILE, en el orden dado (por ejemplo informe.pdf:1-3,7,10-).</translation>
    </message>
    <message>
        <source>--reverse-last reverses the last file of an interleaved merge: add --interleave.</source>
        <translation>--reverse-last invierte el último archivo de una unión intercalada: añada --interleave.</translation>
    </message>
    <message>
        <source>--interleave and --blank-after-odd cannot go together: interleaved pages leave no file to start on a front side.</source>
        <translation>--interleave y --blank-after-odd no van juntos: con páginas intercaladas ningún archivo empieza por sí solo en un anverso.</translation>
    </message>
    <message>
        <source>Usage: sheafwright merge [options] -o OUTPUT FILE[:PAGES]...</source>
        <translation>Uso: sheafwright merge [opciones] -o OUTPUT FILE[:PAGES]...</translation>
    </message>
</context>
<context>
    <name>CliSplit</name>
    <message>
        <source>Writes one file per page.</source>
        <translation>Escribe un archivo por página.</translation>
    </message>
    <message>
        <source>Writes one file per N pages.</source>
        <translation>Escribe un archivo cada N páginas.</translation>
    </message>
    <message>
        <source>With --every: starts the first group at page K (pages before it are left out).</source>
        <translation>Con --every: el primer grupo empieza en la página K (las páginas anteriores se omiten).</translation>
    </message>
    <message>
        <source>Writes one file per page range of LIST, such as &quot;1-3, 7, 10-&quot; (&quot;10-&quot;: page 10 to the last).</source>
        <translation>Escribe un archivo por cada intervalo de páginas de LIST, como «1-3, 7, 10-» («10-»: de la página 10 a la última).</translation>
    </message>
    <message>
        <source>Writes one copy of the document without the pages of LIST.</source>
        <translation>Escribe una copia del documento sin las páginas de LIST.</translation>
    </message>
    <message>
        <source>Writes one file per bookmark of levels 1 to LEVEL, named after it (1: chapters).</source>
        <translation>Escribe un archivo por cada marcador de los niveles 1 a LEVEL, con su nombre (1: capítulos).</translation>
    </message>
    <message>
        <source>Writes consecutive files of at most SIZE each, such as 9MB or 500KB.</source>
        <translation>Escribe archivos consecutivos de SIZE como máximo cada uno, como 9MB o 500KB.</translation>
    </message>
    <message>
        <source>Writes the files into FOLDER (made when missing) instead of beside FILE.</source>
        <translation>Escribe los archivos en FOLDER (se crea si falta) en lugar de junto a FILE.</translation>
    </message>
    <message>
        <source>Splits one PDF file without opening a window. Give exactly one of --per-page, --every, --ranges, --without, --by-bookmarks and --by-size. Existing files are never replaced: a new file whose name is taken gets a number in front of its name.</source>
        <translation>Divide un archivo PDF sin abrir ninguna ventana. Indique exactamente una de las opciones --per-page, --every, --ranges, --without, --by-bookmarks y --by-size. Nunca se reemplazan archivos existentes: un archivo nuevo cuyo nombre ya existe recibe un número delante del nombre.</translation>
    </message>
    <message>
        <source>The PDF file to split.</source>
        <translation>El archivo PDF que se divide.</translation>
    </message>
    <message>
        <source>--%1 and --%2 are two ways to split: choose one.</source>
        <translation>--%1 y --%2 son dos formas de dividir: elija una.</translation>
    </message>
    <message>
        <source>Choose how to split: --per-page, --every N, --ranges LIST, --without LIST, --by-bookmarks LEVEL or --by-size SIZE.</source>
        <translation>Elija cómo dividir: --per-page, --every N, --ranges LIST, --without LIST, --by-bookmarks LEVEL o --by-size SIZE.</translation>
    </message>
    <message>
        <source>--start goes with --every.</source>
        <translation>--start va con --every.</translation>
    </message>
    <message>
        <source>--every needs a whole number of pages, at least 1, not &quot;%1&quot;.</source>
        <translation>--every necesita un número entero de páginas, al menos 1, no «%1».</translation>
    </message>
    <message>
        <source>--start needs a page number, at least 1, not &quot;%1&quot;.</source>
        <translation>--start necesita un número de página, al menos 1, no «%1».</translation>
    </message>
    <message>
        <source>--by-bookmarks needs a bookmark level, at least 1, not &quot;%1&quot;.</source>
        <translation>--by-bookmarks necesita un nivel de marcadores, al menos 1, no «%1».</translation>
    </message>
    <message>
        <source>--by-size needs a size with its unit, at least 1KB, such as 9MB or 500KB, not &quot;%1&quot;.</source>
        <translation>--by-size necesita un tamaño con su unidad, al menos 1KB, como 9MB o 500KB, no «%1».</translation>
    </message>
    <message>
        <source>--start %1 is past the last page of %2 (%3).</source>
        <translation>--start %1 está más allá de la última página de %2 (%3).</translation>
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
        <translation>--without: se quitarían todas las páginas de %1.</translation>
    </message>
    <message>
        <source>%1 has no bookmarks that lead to its pages.</source>
        <translation>%1 no tiene marcadores que lleven a sus páginas.</translation>
    </message>
    <message>
        <source>Usage: sheafwright split [options] FILE</source>
        <translation>Uso: sheafwright split [opciones] FILE</translation>
    </message>
    <message>
        <source>Name the PDF file to split.</source>
        <translation>Indique el archivo PDF que se divide.</translation>
    </message>
    <message>
        <source>split takes one PDF file; run it once for each file.</source>
        <translation>split admite un solo archivo PDF; ejecútelo una vez por archivo.</translation>
    </message>
    <message>
        <source>%1 has a single page: there is nothing to split.</source>
        <translation>%1 tiene una sola página: no hay nada que dividir.</translation>
    </message>
    <message>
        <source>%1 does not allow copying its pages. Its owner password, given with --password-file, lifts that.</source>
        <translation>%1 no permite copiar sus páginas. Su contraseña de propietario, indicada con --password-file, lo permite.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) written into %1.</source>
        <translation>
            <numerusform>%n archivo escrito en %1.</numerusform>
            <numerusform>%n archivos escritos en %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The split could not start: the helper program %1 is missing or cannot be run. Reinstalling Sheafwright should mend this.</source>
        <translation type="vanished">No se ha podido iniciar la división: falta el programa auxiliar %1 o no se puede ejecutar. Reinstalar Sheafwright debería solucionarlo.</translation>
    </message>
    <message>
        <source>The split could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">No se ha podido iniciar la división: sus archivos de trabajo no se pudieron escribir en %1. Compruebe que el disco no esté lleno.</translation>
    </message>
    <message>
        <source>The split could not finish: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">No se ha podido terminar la división: sus archivos de trabajo no se pudieron escribir en %1. Compruebe que el disco no esté lleno.</translation>
    </message>
    <message>
        <source>The split was stopped.</source>
        <translation type="vanished">Se ha detenido la división.</translation>
    </message>
    <message>
        <source>The split stopped unexpectedly: the helper program pdfworker ended before it finished.</source>
        <translation type="vanished">La división se detuvo de forma inesperada: el programa auxiliar pdfworker terminó antes de acabar.</translation>
    </message>
    <message>
        <source>No file could be written into %1. Check that the folder can be written to and that the disk is not full.</source>
        <translation type="vanished">No se ha podido escribir ningún archivo en %1. Compruebe que se puede escribir en la carpeta y que el disco no está lleno.</translation>
    </message>
    <message>
        <source>No file could be written into %1.</source>
        <translation type="vanished">No se ha podido escribir ningún archivo en %1.</translation>
    </message>
    <message>
        <source>Not every file could be written. Check that the disk is not full.</source>
        <translation type="vanished">No se pudieron escribir todos los archivos. Compruebe que el disco no esté lleno.</translation>
    </message>
    <message>
        <source>Not every file could be written.</source>
        <translation type="vanished">No se pudieron escribir todos los archivos.</translation>
    </message>
    <message>
        <source>The document could not be split (error %1).</source>
        <translation type="vanished">No se ha podido dividir el documento (error %1).</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were written whole and kept in %1.</source>
        <translation type="vanished">
            <numerusform>%n archivo se ha escrito entero y se conserva en %1.</numerusform>
            <numerusform>%n archivos se han escrito enteros y se conservan en %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation type="vanished">No se escribió ningún archivo.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de la versión.</translation>
    </message>
    <message>
        <source>PDF files to open.</source>
        <translation>Archivos PDF que abrir.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a PDF file.</source>
        <translation>%1 es una carpeta, no un archivo PDF.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message>
        <source>%1 is not a PDF file.</source>
        <translation>%1 no es un archivo PDF.</translation>
    </message>
    <message>
        <source>Try &quot;sheafwright --help&quot; for more information.</source>
        <translation>Pruebe «sheafwright --help» para más información.</translation>
    </message>
    <message>
        <source>Splits and merges PDF files. One PDF file opens on the split screen; several go to the merge list in the order given. Without a window: &quot;sheafwright split --help&quot; and &quot;sheafwright merge --help&quot;.</source>
        <translation>Divide y une archivos PDF. Un solo archivo PDF se abre en la pantalla de dividir; varios van a la lista de unir en el orden indicado. Sin ventana: «sheafwright split --help» y «sheafwright merge --help».</translation>
    </message>
    <message>
        <source>Splits and merges PDF files. One PDF file opens on the split screen; several go to the merge list in the order given.</source>
        <translation type="vanished">Divide y une archivos PDF. Un solo archivo PDF se abre en la pantalla de dividir; varios van a la lista de unir en el orden indicado.</translation>
    </message>
    <message>
        <source>Writes trace messages to standard error (they always go to the log file). SHEAFWRIGHT_DEBUG=1 does the same.</source>
        <translation>Escribe los mensajes de seguimiento en la salida de error estándar (siempre van al archivo de registro). SHEAFWRIGHT_DEBUG=1 hace lo mismo.</translation>
    </message>
</context>
<context>
    <name>CommandOptions</name>
    <message>
        <source>Shows this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Writes TEXT as the title of the new files.</source>
        <translation>Escribe TEXT como título de los archivos nuevos.</translation>
    </message>
    <message>
        <source>Writes TEXT as the author of the new files.</source>
        <translation>Escribe TEXT como autor de los archivos nuevos.</translation>
    </message>
    <message>
        <source>Opens protected files with the passwords in FILE, one per line, each tried in turn (&quot;-&quot;: read them from standard input).</source>
        <translation>Abre los archivos protegidos con las contraseñas de FILE, una por línea, probadas por turno («-»: leerlas de la entrada estándar).</translation>
    </message>
    <message>
        <source>Reads the passwords of protected files from standard input, one per line.</source>
        <translation>Lee las contraseñas de los archivos protegidos de la entrada estándar, una por línea.</translation>
    </message>
    <message>
        <source>Protects the new files with a password, asked for twice on the terminal.</source>
        <translation>Protege los archivos nuevos con una contraseña, que se pide dos veces en el terminal.</translation>
    </message>
    <message>
        <source>Protects the new files with the password on the first line of FILE (&quot;-&quot;: read it from standard input).</source>
        <translation>Protege los archivos nuevos con la contraseña de la primera línea de FILE («-»: leerla de la entrada estándar).</translation>
    </message>
    <message>
        <source>Prints what was written (files, pages, files left out and why) as JSON on standard output.</source>
        <translation>Muestra lo que se ha escrito (archivos, páginas, archivos omitidos y por qué) como JSON en la salida estándar.</translation>
    </message>
    <message>
        <source>Prints the program&apos;s trace on standard error.</source>
        <translation>Muestra la traza del programa en la salida de error estándar.</translation>
    </message>
    <message>
        <source>Standard input can hold either the passwords of protected files or the protection password, not both.</source>
        <translation>La entrada estándar puede contener las contraseñas de los archivos protegidos o la contraseña de protección, no ambas.</translation>
    </message>
    <message>
        <source>--protect and --protect-password-file both give the protection password: choose one.</source>
        <translation>--protect y --protect-password-file indican ambos la contraseña de protección: elija una.</translation>
    </message>
    <message>
        <source>The protection password file %1 holds no password.</source>
        <translation>El archivo de contraseña de protección %1 no contiene ninguna contraseña.</translation>
    </message>
    <message>
        <source>--protect asks for the password on a terminal, and there is none: use --protect-password-file instead.</source>
        <translation>--protect pide la contraseña en un terminal, y no hay ninguno: use --protect-password-file en su lugar.</translation>
    </message>
    <message>
        <source>Password for the new files: </source>
        <translation>Contraseña para los archivos nuevos: </translation>
    </message>
    <message>
        <source>The same password again: </source>
        <translation>La misma contraseña otra vez: </translation>
    </message>
    <message>
        <source>An empty password protects nothing.</source>
        <translation>Una contraseña vacía no protege nada.</translation>
    </message>
    <message>
        <source>The two passwords differ.</source>
        <translation>Las dos contraseñas no coinciden.</translation>
    </message>
    <message>
        <source>No protection password was set.</source>
        <translation>No se ha establecido ninguna contraseña de protección.</translation>
    </message>
    <message>
        <source>Try &quot;sheafwright %1 --help&quot; for more information.</source>
        <translation>Pruebe «sheafwright %1 --help» para más información.</translation>
    </message>
    <message>
        <source>Works on a copy repaired by MuPDF of a file that cannot be read; the file itself is not changed.</source>
        <translation>Trabaja con una copia reparada por MuPDF de un archivo que no se puede leer; el archivo mismo no cambia.</translation>
    </message>
</context>
<context>
    <name>DocumentViewer</name>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Type a page number and press Return to go there (Ctrl+G)</source>
        <translation>Escriba un número de página y pulse Intro para ir a ella (Ctrl+G)</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Número de página</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>de %1</translation>
    </message>
</context>
<context>
    <name>DropArea</name>
    <message>
        <source>Add file</source>
        <translation>Añadir archivo</translation>
    </message>
    <message>
        <source>or drag &amp; drop</source>
        <translation>o arrastrar y soltar</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Abrir archivo</translation>
    </message>
</context>
<context>
    <name>FileOpener</name>
    <message>
        <source>File not opened</source>
        <translation>Archivo no abierto</translation>
    </message>
    <message>
        <source>Files not opened</source>
        <translation>Archivos no abiertos</translation>
    </message>
</context>
<context>
    <name>InformationWorkerList</name>
    <message numerus="yes">
        <source>%1 out of %2 files. %3</source>
        <translation>
            <numerusform>Archivo %1 de %2: %3</numerusform>
            <numerusform>Archivo %1 de %2: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InputDocument</name>
    <message>
        <source>Password for %1: </source>
        <translation>Contraseña de %1: </translation>
    </message>
    <message>
        <source>%1 is protected by a password, and none of the passwords given opens it.</source>
        <translation>%1 está protegido con contraseña, y ninguna de las contraseñas indicadas lo abre.</translation>
    </message>
    <message>
        <source>%1 is protected by a password. Give it with --password-file or --password-stdin, or run the command on a terminal to be asked for it.</source>
        <translation>%1 está protegido con contraseña. Indíquela con --password-file o --password-stdin, o ejecute la orden en un terminal para que se le pida.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a PDF file: it is damaged or not a PDF file.</source>
        <translation type="vanished">%1 no se puede leer como archivo PDF: está dañado o no es un archivo PDF.</translation>
    </message>
    <message>
        <source>%1 has no pages.</source>
        <translation>%1 no tiene páginas.</translation>
    </message>
    <message numerus="yes">
        <source>%1 cannot be read as it is; a copy repaired by MuPDF, with %n page(s), is used. The file itself is unchanged.</source>
        <translation>
            <numerusform>%1 no se puede leer tal cual; se usa una copia reparada por MuPDF, con %n página. El archivo mismo no cambia.</numerusform>
            <numerusform>%1 no se puede leer tal cual; se usa una copia reparada por MuPDF, con %n páginas. El archivo mismo no cambia.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read as a PDF file, and MuPDF could not repair a copy of it either.</source>
        <translation>%1 no se puede leer como archivo PDF, y MuPDF tampoco pudo reparar una copia.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a PDF file: it is damaged or not a PDF file. --repair tries a copy repaired by MuPDF.</source>
        <translation>%1 no se puede leer como archivo PDF: está dañado o no es un archivo PDF. --repair prueba con una copia reparada por MuPDF.</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcuts</name>
    <message>
        <source>Open PDF files</source>
        <translation>Abrir archivos PDF</translation>
    </message>
    <message>
        <source>Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Unir</translation>
    </message>
    <message>
        <source>or</source>
        <translation>o</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Last split:</source>
        <translation>Última división:</translation>
    </message>
    <message>
        <source>Last merge:</source>
        <translation>Última unión:</translation>
    </message>
    <message>
        <source>A split is still running. If you close the window now, it stops; the files it has written so far are kept.</source>
        <translation>Hay una división en curso. Si cierra la ventana ahora, se detiene; los archivos ya escritos se conservan.</translation>
    </message>
    <message>
        <source>A merge is still running. If you close the window now, it stops and no merged file is written.</source>
        <translation>Hay una unión en curso. Si cierra la ventana ahora, se detiene y no se escribe ningún archivo unido.</translation>
    </message>
    <message>
        <source>Stop and close?</source>
        <translation>¿Detener y cerrar?</translation>
    </message>
    <message>
        <source>STOP AND CLOSE</source>
        <translation>DETENER</translation>
    </message>
    <message>
        <source>GO ON</source>
        <translation>CONTINUAR</translation>
    </message>
</context>
<context>
    <name>MergeItemDelegate</name>
    <message>
        <source>Enter Password</source>
        <translation>Introducir contraseña</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>Ilegible</translation>
    </message>
    <message>
        <source>all</source>
        <translation>todas</translation>
    </message>
</context>
<context>
    <name>MergeModel</name>
    <message>
        <source>Filename</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Can not open file</source>
        <translation>No se puede abrir el archivo</translation>
    </message>
    <message>
        <source>The password for %1 is incorrect</source>
        <translation>La contraseña de %1 es incorrecta.</translation>
    </message>
    <message>
        <source>Show the pages</source>
        <translation>Mostrar las páginas</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Quitar de la lista</translation>
    </message>
    <message>
        <source>Every page turned %1° clockwise</source>
        <translation>Cada página girada %1° en sentido horario</translation>
    </message>
    <message numerus="yes">
        <source>All %n pages. Double-click to choose pages, such as 1-3, 7, 10-.</source>
        <translation>
            <numerusform>La única página. Haga doble clic para elegir páginas, como 1-3, 7, 10-.</numerusform>
            <numerusform>Las %n páginas. Haga doble clic para elegir páginas, como 1-3, 7, 10-.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 pages chosen. Double-click to change.</source>
        <translation>%1 de %2 páginas elegidas. Haga doble clic para cambiar.</translation>
    </message>
</context>
<context>
    <name>MergeView</name>
    <message>
        <source>Save to folder:</source>
        <translation>Carpeta de destino:</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Nombre de archivo:</translation>
    </message>
    <message>
        <source>MERGE</source>
        <translation>UNIR</translation>
    </message>
    <message>
        <source>Set Password</source>
        <translation>Con contraseña</translation>
    </message>
    <message>
        <source>Select one or more files to open</source>
        <translation>Seleccione uno o varios archivos para abrir</translation>
    </message>
    <message numerus="yes">
        <source>%1 pages total</source>
        <translation>
            <numerusform>%1 página en total</numerusform>
            <numerusform>%1 páginas en total</numerusform>
        </translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Seleccionar carpeta de destino</translation>
    </message>
    <message>
        <source>Set password</source>
        <translation type="vanished">Poner contraseña</translation>
    </message>
    <message>
        <source>Merging files..</source>
        <translation>Uniendo archivos…</translation>
    </message>
    <message>
        <source>Merge failed</source>
        <translation>Error al unir</translation>
    </message>
    <message>
        <source>Merge files failed</source>
        <translation type="vanished">No se han podido unir los archivos.</translation>
    </message>
    <message>
        <source>Can not open file</source>
        <translation>No se puede abrir el archivo</translation>
    </message>
    <message>
        <source>The password for %1 is incorrect</source>
        <translation>La contraseña de %1 es incorrecta.</translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation>Nada que unir</translation>
    </message>
    <message>
        <source>Add at least two PDF files to merge.</source>
        <translation>Añada al menos dos archivos PDF para unir.</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Enter a name for the merged file.</source>
        <translation>Escriba un nombre para el archivo unido.</translation>
    </message>
    <message>
        <source>A file name cannot start with a dot.</source>
        <translation>Un nombre de archivo no puede empezar por un punto.</translation>
    </message>
    <message>
        <source>Merge canceled</source>
        <translation type="vanished">Unión cancelada</translation>
    </message>
    <message>
        <source>The merge was stopped. No merged file was written.</source>
        <translation type="vanished">Se ha detenido la unión. No se ha escrito ningún archivo unido.</translation>
    </message>
    <message>
        <source>The merge could not start: the helper program pdfworker is missing or cannot be run. Reinstalling Sheafwright should mend this.</source>
        <translation type="vanished">No se ha podido iniciar la unión: falta el programa auxiliar pdfworker o no se puede ejecutar. Reinstalar Sheafwright debería solucionarlo.</translation>
    </message>
    <message>
        <source>Files that could not be used: %1</source>
        <translation type="vanished">Archivos que no se han podido usar: %1</translation>
    </message>
    <message>
        <source>%1 cannot be read. The file is damaged or is not a PDF.</source>
        <translation>No se puede leer %1. El archivo está dañado o no es un PDF.</translation>
    </message>
    <message>
        <source>The merge stopped unexpectedly: the helper program pdfworker ended before it finished. No merged file was written.</source>
        <translation type="vanished">La combinación se detuvo de forma inesperada: el programa auxiliar pdfworker terminó antes de acabar. No se escribió ningún archivo combinado.</translation>
    </message>
    <message>
        <source>The merged file could not be written into %1. Check that the disk is not full. Nothing was left behind.</source>
        <translation type="vanished">No se pudo escribir el archivo combinado en %1. Compruebe que el disco no esté lleno. No quedó nada a medias.</translation>
    </message>
    <message>
        <source>The merged file could not be written into %1.</source>
        <translation type="vanished">No se pudo escribir el archivo combinado en %1.</translation>
    </message>
    <message>
        <source>Nothing was left behind.</source>
        <translation type="vanished">No quedó nada a medias.</translation>
    </message>
    <message>
        <source>The merge could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">No se ha podido iniciar la unión: sus archivos de trabajo no se pudieron escribir en %1. Compruebe que el disco no esté lleno.</translation>
    </message>
    <message>
        <source>The merge could not finish: its working files could not be written into %1. Check that the disk is not full. No merged file was written.</source>
        <translation type="vanished">No se ha podido terminar la unión: sus archivos de trabajo no se pudieron escribir en %1. Compruebe que el disco no esté lleno. No se escribió ningún archivo combinado.</translation>
    </message>
    <message>
        <source>The file name is too long. Shorten it and try again.</source>
        <translation>El nombre del archivo es demasiado largo. Acórtelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The merged file will be protected with this password.</source>
        <translation>El archivo unido se protegerá con esta contraseña.</translation>
    </message>
    <message>
        <source>Add PDF files to the list</source>
        <translation>Añadir archivos PDF a la lista</translation>
    </message>
    <message>
        <source>Move the selected file up</source>
        <translation>Subir el archivo seleccionado</translation>
    </message>
    <message>
        <source>Move the selected file down</source>
        <translation>Bajar el archivo seleccionado</translation>
    </message>
    <message>
        <source>Remove all files from the list</source>
        <translation>Quitar todos los archivos de la lista</translation>
    </message>
    <message>
        <source>Clear the list?</source>
        <translation>¿Vaciar la lista?</translation>
    </message>
    <message numerus="yes">
        <source>Remove all %n files from the list? The files themselves stay where they are.</source>
        <translation>
            <numerusform>¿Quitar el archivo de la lista? El archivo en sí se queda donde está.</numerusform>
            <numerusform>¿Quitar los %n archivos de la lista? Los archivos en sí se quedan donde están.</numerusform>
        </translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>VACIAR</translation>
    </message>
    <message>
        <source>KEEP</source>
        <translation>CONSERVAR</translation>
    </message>
    <message>
        <source>Repair a copy</source>
        <translation>Reparar una copia</translation>
    </message>
    <message>
        <source>%1: %2 pages recovered. The merge uses a repaired copy; the original is unchanged.</source>
        <translation>%1: %2 páginas recuperadas. La unión usa una copia reparada; el original no cambia.</translation>
    </message>
    <message>
        <source>No page of %1 could be recovered. The file is left as it was.</source>
        <translation>No se pudo recuperar ninguna página de %1. El archivo queda como estaba.</translation>
    </message>
    <message>
        <source>Pages of %1: %2</source>
        <translation>Páginas de %1: %2</translation>
    </message>
    <message>
        <source>Interleave pages (for scans of front and back sides)</source>
        <translation>Intercalar páginas (para escaneos de anverso y reverso)</translation>
    </message>
    <message>
        <source>last file in reverse order</source>
        <translation>último archivo al revés</translation>
    </message>
    <message>
        <source>Start every file on an odd page</source>
        <translation>Empezar cada archivo en una página impar</translation>
    </message>
    <message>
        <source>Takes one page from each file in turn: file 1 page 1, file 2 page 1, file 1 page 2, and so on.</source>
        <translation>Toma una página de cada archivo por turnos: archivo 1 página 1, archivo 2 página 1, archivo 1 página 2, y así sucesivamente.</translation>
    </message>
    <message>
        <source>Takes the last file&apos;s pages from its end, as a stack of back sides is scanned.</source>
        <translation>Toma las páginas del último archivo desde el final, como se escanea una pila de reversos.</translation>
    </message>
    <message>
        <source>Adds a blank page after every file with an odd number of pages, so that each file starts on a front side when printed on both sides.</source>
        <translation>Añade una página en blanco tras cada archivo con un número impar de páginas, para que cada archivo empiece en un anverso al imprimir a doble cara.</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Elegir páginas</translation>
    </message>
    <message>
        <source>Turn clockwise</source>
        <translation>Girar en sentido horario</translation>
    </message>
    <message>
        <source>Turn counterclockwise</source>
        <translation>Girar en sentido antihorario</translation>
    </message>
    <message>
        <source>Turn upside down</source>
        <translation>Poner boca abajo</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>The pages chosen for %1 cannot be merged: %2</source>
        <translation>Las páginas elegidas para %1 no se pueden combinar: %2</translation>
    </message>
    <message>
        <source>The merge was refused: the pages chosen for a file are not all in it. Check the Pages cells and try again. No merged file was written.</source>
        <translation type="vanished">La combinación fue rechazada: las páginas elegidas para un archivo no están todas en él. Revise las celdas Páginas e inténtelo de nuevo. No se escribió ningún archivo combinado.</translation>
    </message>
    <message>
        <source>Choose pages from pictures…</source>
        <translation>Elegir páginas en sus imágenes…</translation>
    </message>
</context>
<context>
    <name>MergeWorker</name>
    <message>
        <source>Merging files..</source>
        <translation>Uniendo archivos…</translation>
    </message>
    <message>
        <source>%1 out of %2. Add for merge %3</source>
        <translation>%1 de %2: añadiendo %3</translation>
    </message>
</context>
<context>
    <name>MessageMerge</name>
    <message>
        <source>Merge complete</source>
        <translation>Unión completada</translation>
    </message>
    <message>
        <source>All of your files have been merged. You can open the folder to view the result</source>
        <translation>Todos sus archivos se han unido. Abra la carpeta para ver el resultado.</translation>
    </message>
    <message>
        <source>Your files have been merged, except those listed below. You can open the folder to view the result</source>
        <translation>Sus archivos se han unido, salvo los que se indican a continuación. Abra la carpeta para ver el resultado.</translation>
    </message>
    <message numerus="yes">
        <source>Left out of the merged file: %1</source>
        <translation>
            <numerusform>%1 archivo no se ha unido:</numerusform>
            <numerusform>%1 archivos no se han unido:</numerusform>
        </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OPEN FOLDER</source>
        <translation>ABRIR CARPETA</translation>
    </message>
</context>
<context>
    <name>MessageNewPassword</name>
    <message>
        <source>Protect with a password</source>
        <translation>Proteger con contraseña</translation>
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
        <translation>Introducir contraseña</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>OMITIR</translation>
    </message>
    <message>
        <source>SKIP ALL</source>
        <translation>OMITIR TODOS</translation>
    </message>
</context>
<context>
    <name>MessageSplit</name>
    <message>
        <source>Split complete</source>
        <translation>División completada</translation>
    </message>
    <message numerus="yes">
        <source>Your document was split in %1 files. You can open folder to view the results of proceed of merging them.</source>
        <translation>
            <numerusform>Su documento se ha dividido en %1 archivo. Abra la carpeta para verlo o únalo con otros archivos.</numerusform>
            <numerusform>Su documento se ha dividido en %1 archivos. Abra la carpeta para verlos o únalos.</numerusform>
        </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>ABRIR</translation>
    </message>
    <message>
        <source>MERGE RESULTS</source>
        <translation>UNIR ARCHIVOS</translation>
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
        <translation>Escriba la contraseña una segunda vez para asegurarse de que no tiene erratas.</translation>
    </message>
    <message>
        <source>Type the password in the first field too.</source>
        <translation>Escriba la contraseña también en el primer campo.</translation>
    </message>
    <message>
        <source>The two passwords differ. Type the same password in both fields.</source>
        <translation>Las dos contraseñas no coinciden. Escriba la misma contraseña en ambos campos.</translation>
    </message>
    <message>
        <source>print</source>
        <translation>imprimir</translation>
    </message>
    <message>
        <source>copy text</source>
        <translation>copiar texto</translation>
    </message>
    <message>
        <source>change</source>
        <translation>modificar</translation>
    </message>
    <message>
        <source>add notes</source>
        <translation>añadir notas</translation>
    </message>
    <message>
        <source>fill in forms</source>
        <translation>rellenar formularios</translation>
    </message>
    <message>
        <source>Opening the file will need this password. Whoever has it may only read the file.</source>
        <translation>Para abrir el archivo hará falta esta contraseña. Quien la tenga solo podrá leerlo.</translation>
    </message>
    <message>
        <source>Opening the file will need this password. Whoever has it may: %1.</source>
        <translation>Para abrir el archivo hará falta esta contraseña. Quien la tenga podrá: %1.</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the things a reader may do</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Repeat password:</source>
        <translation>Repetir contraseña:</translation>
    </message>
</context>
<context>
    <name>OutcomeText</name>
    <message>
        <source>The split could not start: the helper program %1 is missing or cannot be run. Reinstalling Sheafwright should mend this.</source>
        <translation>No se ha podido iniciar la división: falta el programa auxiliar %1 o no se puede ejecutar. Reinstalar Sheafwright debería solucionarlo.</translation>
    </message>
    <message>
        <source>The merge could not start: the helper program %1 is missing or cannot be run. Reinstalling Sheafwright should mend this.</source>
        <translation>No se ha podido iniciar la unión: falta el programa auxiliar %1 o no se puede ejecutar. Reinstalar Sheafwright debería solucionarlo.</translation>
    </message>
    <message>
        <source>The split could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation>No se ha podido iniciar la división: sus archivos de trabajo no se pudieron escribir en %1. Compruebe que el disco no esté lleno.</translation>
    </message>
    <message>
        <source>The merge could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation>No se ha podido iniciar la unión: sus archivos de trabajo no se pudieron escribir en %1. Compruebe que el disco no esté lleno.</translation>
    </message>
    <message>
        <source>The split could not finish: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation>No se ha podido terminar la división: sus archivos de trabajo no se pudieron escribir en %1. Compruebe que el disco no esté lleno.</translation>
    </message>
    <message>
        <source>The merge could not finish: its working files could not be written into %1. Check that the disk is not full. No merged file was written.</source>
        <translation>No se ha podido terminar la unión: sus archivos de trabajo no se pudieron escribir en %1. Compruebe que el disco no esté lleno. No se escribió ningún archivo combinado.</translation>
    </message>
    <message>
        <source>The split was stopped.</source>
        <translation>Se ha detenido la división.</translation>
    </message>
    <message>
        <source>The merge was stopped. No merged file was written.</source>
        <translation>Se ha detenido la unión. No se ha escrito ningún archivo unido.</translation>
    </message>
    <message>
        <source>The split stopped unexpectedly: the helper program pdfworker ended before it finished.</source>
        <translation>La división se detuvo de forma inesperada: el programa auxiliar pdfworker terminó antes de acabar.</translation>
    </message>
    <message>
        <source>The merge stopped unexpectedly: the helper program pdfworker ended before it finished. No merged file was written.</source>
        <translation>La combinación se detuvo de forma inesperada: el programa auxiliar pdfworker terminó antes de acabar. No se escribió ningún archivo combinado.</translation>
    </message>
    <message>
        <source>No file could be written into %1.</source>
        <translation>No se ha podido escribir ningún archivo en %1.</translation>
    </message>
    <message>
        <source>Check that the folder can be written to and that the disk is not full.</source>
        <translation>Compruebe que se puede escribir en la carpeta y que el disco no está lleno.</translation>
    </message>
    <message>
        <source>No merged file was written.</source>
        <translation>No se ha escrito ningún archivo unido.</translation>
    </message>
    <message>
        <source>Not every file could be written.</source>
        <translation>No se pudieron escribir todos los archivos.</translation>
    </message>
    <message>
        <source>Check that the disk is not full.</source>
        <translation>Compruebe que el disco no esté lleno.</translation>
    </message>
    <message>
        <source>The merged file could not be written into %1.</source>
        <translation>No se pudo escribir el archivo combinado en %1.</translation>
    </message>
    <message>
        <source>A page range asks for pages the document does not have.</source>
        <translation>Un intervalo de páginas pide páginas que el documento no tiene.</translation>
    </message>
    <message>
        <source>The document %1 could not be found.</source>
        <translation>No se ha encontrado el documento %1.</translation>
    </message>
    <message>
        <source>The split could not start: the helper program refused its request (%1).</source>
        <translation>No se ha podido iniciar la división: el programa auxiliar ha rechazado la solicitud (%1).</translation>
    </message>
    <message>
        <source>The merge could not start: the helper program refused its request (%1).</source>
        <translation>No se ha podido iniciar la unión: el programa auxiliar ha rechazado la solicitud (%1).</translation>
    </message>
    <message>
        <source>The document could not be split (error %1).</source>
        <translation>No se ha podido dividir el documento (error %1).</translation>
    </message>
    <message>
        <source>No merged file was written (error %1).</source>
        <translation>No se ha escrito ningún archivo unido (error %1).</translation>
    </message>
    <message>
        <source>Split canceled</source>
        <translation>División cancelada</translation>
    </message>
    <message>
        <source>Split failed</source>
        <translation>Error al dividir</translation>
    </message>
    <message>
        <source>Merge canceled</source>
        <translation>Unión cancelada</translation>
    </message>
    <message>
        <source>Merge failed</source>
        <translation>Error al unir</translation>
    </message>
    <message>
        <source>Nothing was left behind.</source>
        <translation>No quedó nada a medias.</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>No se escribió ningún archivo.</translation>
    </message>
    <message numerus="yes">
        <source>%1 files written before the stop are complete and were kept in %2.</source>
        <translation>
            <numerusform>El %1 archivo escrito antes de detenerla está completo y se ha conservado en %2.</numerusform>
            <numerusform>Los %1 archivos escritos antes de detenerla están completos y se han conservado en %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 files written before the failure are complete and were kept in %2.</source>
        <translation>
            <numerusform>El %1 archivo escrito antes del fallo está completo y se guardó en %2.</numerusform>
            <numerusform>Los %1 archivos escritos antes del fallo están completos y se guardaron en %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>No file holds these pages: %1.</source>
        <translation>Ningún archivo contiene estas páginas: %1.</translation>
    </message>
    <message>
        <source>The merged file was saved as %1, because a file named %2 already exists.</source>
        <translation>El archivo unido se ha guardado como %1, porque ya existe un archivo llamado %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 files got a number in front of their names, because files of those names already exist: %2</source>
        <translation>
            <numerusform>%1 archivo ha recibido un número delante de su nombre, porque ya existe un archivo con ese nombre: %2</numerusform>
            <numerusform>%1 archivos han recibido un número delante de su nombre, porque ya existen archivos con esos nombres: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 pages are larger than the size limit by themselves and were each saved in a file of their own: %2</source>
        <translation>
            <numerusform>%1 página supera por sí sola el tamaño máximo y se guardó en un archivo propio: %2</numerusform>
            <numerusform>%1 páginas superan por sí solas el tamaño máximo y se guardaron cada una en un archivo propio: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>its password is missing or wrong</source>
        <translation>falta su contraseña o es incorrecta</translation>
    </message>
    <message>
        <source>it is damaged or is not a PDF file</source>
        <translation>está dañado o no es un archivo PDF</translation>
    </message>
    <message>
        <source>the computer ran out of memory while reading it</source>
        <translation>el equipo se quedó sin memoria al leerlo</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>no se ha podido escribir</translation>
    </message>
    <message>
        <source>%1 is protected, but the new files are not: anyone can open, print and copy them.</source>
        <translation>%1 está protegido, pero los archivos nuevos no: cualquiera puede abrirlos, imprimirlos y copiarlos.</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>No folder is chosen to save into.</source>
        <translation>No se ha elegido ninguna carpeta de destino.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder, so %2 cannot be created.</source>
        <translation>%1 es un archivo, no una carpeta, así que no se puede crear %2.</translation>
    </message>
    <message>
        <source>You do not have permission to save files in %1.</source>
        <translation>No tiene permiso para guardar archivos en %1.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist and cannot be created: you do not have permission to create folders in %2.</source>
        <translation>La carpeta %1 no existe y no se puede crear: no tiene permiso para crear carpetas en %2.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist and could not be created.</source>
        <translation>La carpeta %1 no existe y no se ha podido crear.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
</context>
<context>
    <name>PageEntry</name>
    <message>
        <source>Enter how many pages go into each file.</source>
        <translation>Indique cuántas páginas van en cada archivo.</translation>
    </message>
    <message>
        <source>Enter a page number.</source>
        <translation>Escriba un número de página.</translation>
    </message>
    <message>
        <source>Enter pages, for example 3, 5-7 or 9-.</source>
        <translation>Escriba páginas, por ejemplo 3, 5-7 o 9-.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number.</source>
        <translation>«%1» no es un número entero.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a page number.</source>
        <translation>«%1» no es un número de página.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a page or a range. Write pages like 3, 5-7 or 9-.</source>
        <translation>«%1» no es una página ni un intervalo. Escriba páginas como 3, 5-7 o 9-.</translation>
    </message>
    <message>
        <source>Each file needs at least 1 page.</source>
        <translation>Cada archivo necesita al menos 1 página.</translation>
    </message>
    <message>
        <source>Pages are numbered from 1.</source>
        <translation>Las páginas se numeran desde 1.</translation>
    </message>
    <message numerus="yes">
        <source>A group cannot be larger than the document: it has %n pages.</source>
        <translation>
            <numerusform>Un grupo no puede ser mayor que el documento: tiene %n página.</numerusform>
            <numerusform>Un grupo no puede ser mayor que el documento: tiene %n páginas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There is no page %1: the document has %n pages.</source>
        <translation>
            <numerusform>No existe la página %1: el documento tiene %n página.</numerusform>
            <numerusform>No existe la página %1: el documento tiene %n páginas.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 runs backwards: write %2.</source>
        <translation>%1 va al revés: escriba %2.</translation>
    </message>
</context>
<context>
    <name>PageGridDelegate</name>
    <message>
        <source>File name</source>
        <translation>Nombre del archivo</translation>
    </message>
</context>
<context>
    <name>PageGridDialog</name>
    <message numerus="yes">
        <source>%n part(s)</source>
        <translation>
            <numerusform>%n parte</numerusform>
            <numerusform>%n partes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) left out</source>
        <translation>
            <numerusform>%n página omitida</numerusform>
            <numerusform>%n páginas omitidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <translation>
            <numerusform>%n página</numerusform>
            <numerusform>%n páginas</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Elegir páginas</translation>
    </message>
    <message>
        <source>Choose pages – %1</source>
        <translation>Elegir páginas – %1</translation>
    </message>
    <message>
        <source>Click between two pages to cut the document there; click a cut again to join the parts. Double-click a part&apos;s band to name its file.</source>
        <translation>Haga clic entre dos páginas para cortar el documento ahí; haga clic de nuevo en un corte para unir las partes. Haga doble clic en la banda de una parte para dar nombre a su archivo.</translation>
    </message>
    <message>
        <source>Click a page to leave it out, and again to keep it; Shift+click marks every page up to it.</source>
        <translation>Haga clic en una página para omitirla y de nuevo para conservarla; Mayús+clic marca todas las páginas hasta ella.</translation>
    </message>
    <message>
        <source>The coloured bands show the files the split will write.</source>
        <translation>Las bandas de color muestran los archivos que creará la división.</translation>
    </message>
    <message>
        <source>The pages of the document.</source>
        <translation>Las páginas del documento.</translation>
    </message>
    <message>
        <source>The pages of this document cannot be drawn; their numbers are shown.</source>
        <translation>Las páginas de este documento no se pueden mostrar; se muestran sus números.</translation>
    </message>
    <message>
        <source>Smaller pages (Ctrl+minus)</source>
        <translation>Páginas más pequeñas (Ctrl+menos)</translation>
    </message>
    <message>
        <source>Larger pages (Ctrl+plus)</source>
        <translation>Páginas más grandes (Ctrl+más)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>PageGridView</name>
    <message>
        <source>Click to join the parts on both sides</source>
        <translation>Haga clic para unir las partes de ambos lados</translation>
    </message>
    <message>
        <source>Click to cut between page %1 and page %2</source>
        <translation>Haga clic para cortar entre la página %1 y la página %2</translation>
    </message>
    <message>
        <source>Part %1: pages %2 to %3</source>
        <translation>Parte %1: páginas %2 a %3</translation>
    </message>
    <message>
        <source>File name: %1</source>
        <translation>Nombre del archivo: %1</translation>
    </message>
    <message>
        <source>Double-click to name the file</source>
        <translation>Haga doble clic para dar nombre al archivo</translation>
    </message>
    <message>
        <source>Page %1 could not be drawn.</source>
        <translation>No se pudo mostrar la página %1.</translation>
    </message>
</context>
<context>
    <name>PasswordInput</name>
    <message>
        <source>No password could be read from standard input.</source>
        <translation>No se ha podido leer ninguna contraseña de la entrada estándar.</translation>
    </message>
    <message>
        <source>The password file %1 cannot be read.</source>
        <translation>No se puede leer el archivo de contraseñas %1.</translation>
    </message>
</context>
<context>
    <name>PdfFileDialog</name>
    <message>
        <source>PDF files</source>
        <translation>Archivos PDF</translation>
    </message>
</context>
<context>
    <name>PreviewWidget</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>enter password</source>
        <translation>introducir contraseña</translation>
    </message>
    <message>
        <source>Password protected:</source>
        <translation>Protegido con contraseña:</translation>
    </message>
    <message>
        <source>Pages: %1</source>
        <translation>Páginas: %1</translation>
    </message>
    <message>
        <source>Can not open file</source>
        <translation>No se puede abrir el archivo</translation>
    </message>
    <message>
        <source>The password for %1 is incorrect</source>
        <translation>La contraseña de %1 es incorrecta.</translation>
    </message>
    <message>
        <source>%1 cannot be read. The file is damaged or is not a PDF.</source>
        <translation>No se puede leer %1. El archivo está dañado o no es un PDF.</translation>
    </message>
    <message>
        <source>Choose pages…</source>
        <translation>Elegir páginas…</translation>
    </message>
    <message>
        <source>Show the pages of this document</source>
        <translation>Mostrar las páginas de este documento</translation>
    </message>
    <message>
        <source>Close this document here. The file itself is not deleted.</source>
        <translation>Cierra el documento aquí. El archivo en sí no se borra.</translation>
    </message>
    <message>
        <source>Repair a copy</source>
        <translation>Reparar una copia</translation>
    </message>
    <message>
        <source>Repairing a copy…</source>
        <translation>Reparando una copia…</translation>
    </message>
    <message>
        <source>No page could be recovered; the file is left as it was.</source>
        <translation>No se pudo recuperar ninguna página; el archivo queda como estaba.</translation>
    </message>
    <message>
        <source>Repaired copy in use: %1 pages recovered. The original is unchanged.</source>
        <translation>Se usa una copia reparada: %1 páginas recuperadas. El original no cambia.</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Add files</source>
        <translation>Añadir archivos</translation>
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
            <numerusform>%n archivo supera el límite: contiene una sola página que por sí sola es mayor.</numerusform>
            <numerusform>%n archivos superan el límite: cada uno contiene una sola página que por sí sola es mayor.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SaveFolderModel</name>
    <message>
        <source>Sub folder</source>
        <translation>Subcarpeta</translation>
    </message>
    <message>
        <source>Original folder</source>
        <translation>Carpeta original</translation>
    </message>
    <message>
        <source>Select folder...</source>
        <translation>Seleccionar carpeta…</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>English</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Seleccionar carpeta de destino</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>SAVE SETTINGS</source>
        <translation>GUARDAR AJUSTES</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Guardar en</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Editor</translation>
    </message>
</context>
<context>
    <name>SizeModePage</name>
    <message>
        <source>Largest file size:</source>
        <translation>Tamaño máximo:</translation>
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
        <translation>Las páginas se reparten en orden en archivos que no superan este tamaño, por ejemplo para adjuntarlos a un correo. Una página que por sí sola es mayor va en un archivo propio.</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Loading%1</source>
        <translation>Cargando%1</translation>
    </message>
</context>
<context>
    <name>SplitView</name>
    <message>
        <source>Into files of 1 page</source>
        <translation>En archivos de una página</translation>
    </message>
    <message>
        <source>By groups of pages</source>
        <translation>Por grupos de páginas</translation>
    </message>
    <message>
        <source>Get rid of certain pages</source>
        <translation>Quitar algunas páginas</translation>
    </message>
    <message>
        <source>By page ranges</source>
        <translation>Por intervalos de páginas</translation>
    </message>
    <message>
        <source>Every page will be splited to isolated file...</source>
        <translation>Cada página se guardará en un archivo independiente.</translation>
    </message>
    <message>
        <source>Group of pages:</source>
        <translation>Páginas por grupo:</translation>
    </message>
    <message>
        <source>Starting from:</source>
        <translation>Desde la página:</translation>
    </message>
    <message>
        <source>Choose how much pages will be in every group and you should choose pages, where splitting will be started...</source>
        <translation>Indique cuántas páginas tendrá cada grupo y en qué página empieza la división.</translation>
    </message>
    <message>
        <source>Add page</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>You can choose and add pages which you want to delete...</source>
        <translation>Añada las páginas que desea quitar; se guarda una copia del documento sin ellas.</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Desde:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Hasta:</translation>
    </message>
    <message>
        <source>Add range</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>You should choose and add a interval from document, which you will want to split...</source>
        <translation>Añada los intervalos de páginas que desee; cada uno se guarda en un archivo independiente.</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Guardar en:</translation>
    </message>
    <message>
        <source>SPLIT</source>
        <translation>DIVIDIR</translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Seleccionar carpeta de destino</translation>
    </message>
    <message>
        <source>Split failed</source>
        <translation>Error al dividir</translation>
    </message>
    <message>
        <source>Split canceled</source>
        <translation type="vanished">División cancelada</translation>
    </message>
    <message>
        <source>The document could not be split (error %1).</source>
        <translation type="vanished">No se ha podido dividir el documento (error %1).</translation>
    </message>
    <message>
        <source>Error: this file has read permission only!</source>
        <translation>Este documento no permite copiar sus páginas, así que no se puede dividir.</translation>
    </message>
    <message>
        <source>Nothing to split</source>
        <translation>Nada que dividir</translation>
    </message>
    <message>
        <source>Add a PDF file to split first.</source>
        <translation>Añada primero un archivo PDF para dividir.</translation>
    </message>
    <message>
        <source>This document has only one page.</source>
        <translation>Este documento solo tiene una página.</translation>
    </message>
    <message>
        <source>The start page is after the last page of the document.</source>
        <translation type="vanished">La página inicial está después de la última página del documento.</translation>
    </message>
    <message>
        <source>Add the pages to remove first.</source>
        <translation>Añada primero las páginas que desea quitar.</translation>
    </message>
    <message>
        <source>Add at least one page range first.</source>
        <translation>Añada primero al menos un intervalo de páginas.</translation>
    </message>
    <message>
        <source>The split could not start: the helper program pdfworker is missing or cannot be run. Reinstalling Sheafwright should mend this.</source>
        <translation type="vanished">No se ha podido iniciar la división: falta el programa auxiliar pdfworker o no se puede ejecutar. Reinstalar Sheafwright debería solucionarlo.</translation>
    </message>
    <message>
        <source>The split was stopped. Files written into %1 before the stop are complete.</source>
        <translation type="vanished">Se ha detenido la división. Los archivos escritos en %1 antes de detenerla están completos.</translation>
    </message>
    <message>
        <source>No file could be written into %1. Check that the folder can be written to and that the disk is not full.</source>
        <translation type="vanished">No se ha podido escribir ningún archivo en %1. Compruebe que se puede escribir en la carpeta y que el disco no está lleno.</translation>
    </message>
    <message>
        <source>The split was stopped before any file was written.</source>
        <translation type="vanished">Se ha detenido la división antes de escribir ningún archivo.</translation>
    </message>
    <message numerus="yes">
        <source>The split was stopped. %1 files written before the stop are complete and were kept in %2.</source>
        <translation type="vanished">
            <numerusform>Se ha detenido la división. El %1 archivo escrito antes de detenerla está completo y se ha conservado en %2.</numerusform>
            <numerusform>Se ha detenido la división. Los %1 archivos escritos antes de detenerla están completos y se han conservado en %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>By bookmarks</source>
        <translation>Por marcadores</translation>
    </message>
    <message>
        <source>By size</source>
        <translation>Por tamaño</translation>
    </message>
    <message>
        <source>Enter the largest file size first.</source>
        <translation>Indique primero el tamaño máximo de archivo.</translation>
    </message>
    <message>
        <source>This document has no bookmarks, so it cannot be split at them.</source>
        <translation>Este documento no tiene marcadores, así que no se puede dividir por ellos.</translation>
    </message>
    <message numerus="yes">
        <source>%1 pages are larger than the size limit by themselves and were each saved in a file of their own: %2</source>
        <translation type="vanished">
            <numerusform>%1 página supera por sí sola el tamaño máximo y se guardó en un archivo propio: %2</numerusform>
            <numerusform>%1 páginas superan por sí solas el tamaño máximo y se guardaron cada una en un archivo propio: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 files written before the failure are complete and were kept in %2.</source>
        <translation type="vanished">
            <numerusform>El %1 archivo escrito antes del fallo está completo y se guardó en %2.</numerusform>
            <numerusform>Los %1 archivos escritos antes del fallo están completos y se guardaron en %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not every file could be written. Check that the disk is not full.</source>
        <translation type="vanished">No se pudieron escribir todos los archivos. Compruebe que el disco no esté lleno.</translation>
    </message>
    <message>
        <source>The split stopped unexpectedly (error %1).</source>
        <translation type="vanished">La división se detuvo de forma inesperada (error %1).</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>No se escribió ningún archivo.</translation>
    </message>
    <message>
        <source>The split stopped unexpectedly: the helper program pdfworker ended before it finished.</source>
        <translation type="vanished">La división se detuvo de forma inesperada: el programa auxiliar pdfworker terminó antes de acabar.</translation>
    </message>
    <message>
        <source>No file could be written into %1.</source>
        <translation type="vanished">No se ha podido escribir ningún archivo en %1.</translation>
    </message>
    <message>
        <source>Not every file could be written.</source>
        <translation type="vanished">No se pudieron escribir todos los archivos.</translation>
    </message>
    <message>
        <source>The split could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">No se ha podido iniciar la división: sus archivos de trabajo no se pudieron escribir en %1. Compruebe que el disco no esté lleno.</translation>
    </message>
    <message>
        <source>The split could not finish: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation type="vanished">No se ha podido terminar la división: sus archivos de trabajo no se pudieron escribir en %1. Compruebe que el disco no esté lleno.</translation>
    </message>
    <message>
        <source>These are all the pages of the document: removing them would leave nothing.</source>
        <translation>Son todas las páginas del documento: quitarlas no dejaría nada.</translation>
    </message>
    <message>
        <source>Enter the document&apos;s password first.</source>
        <translation>Introduzca primero la contraseña del documento.</translation>
    </message>
    <message numerus="yes">
        <source>The entries marked in red are not in this document, which has %n pages. Remove them to split.</source>
        <translation>
            <numerusform>Las entradas en rojo no están en este documento, que tiene %n página. Quítelas para dividir.</numerusform>
            <numerusform>Las entradas en rojo no están en este documento, que tiene %n páginas. Quítelas para dividir.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the document has %n pages</source>
        <translation>
            <numerusform>el documento tiene %n página</numerusform>
            <numerusform>el documento tiene %n páginas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowBar</name>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>WriteError</name>
    <message>
        <source>The disk is full.</source>
        <translation>El disco está lleno.</translation>
    </message>
    <message>
        <source>A file grew past the largest size the drive allows (4 GB on a FAT32 drive) or the system lets this program write.</source>
        <translation>Un archivo superó el tamaño máximo que admite la unidad (4 GB en una unidad FAT32) o que el sistema permite escribir a este programa.</translation>
    </message>
    <message>
        <source>The folder is on a drive that can only be read.</source>
        <translation>La carpeta está en una unidad que solo se puede leer.</translation>
    </message>
    <message>
        <source>You do not have permission to write into the folder.</source>
        <translation>No tiene permiso para escribir en la carpeta.</translation>
    </message>
    <message>
        <source>The computer ran out of memory. Closing other programs may help.</source>
        <translation>El equipo se ha quedado sin memoria. Cerrar otros programas puede ayudar.</translation>
    </message>
</context>
</TS>
