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
    <name>CommandLine</name>
    <message>
        <source>Splits and merges PDF files. One PDF file opens on the split screen; several go to the merge list in the order given.</source>
        <translation>Divide y une archivos PDF. Un solo archivo PDF se abre en la pantalla de dividir; varios van a la lista de unir en el orden indicado.</translation>
    </message>
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
        <source>Writes trace messages to standard error (they always go to the log file). SHEAFWRIGHT_DEBUG=1 does the same.</source>
        <translation>Escribe los mensajes de seguimiento en la salida de error estándar (siempre van al archivo de registro). SHEAFWRIGHT_DEBUG=1 hace lo mismo.</translation>
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
        <translation>Poner contraseña</translation>
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
        <translation>No se han podido unir los archivos.</translation>
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
        <translation>Unión cancelada</translation>
    </message>
    <message>
        <source>The merge was stopped. No merged file was written.</source>
        <translation>Se ha detenido la unión. No se ha escrito ningún archivo unido.</translation>
    </message>
    <message>
        <source>The merge could not start: the helper program pdfworker is missing or cannot be run. Reinstalling Sheafwright should mend this.</source>
        <translation>No se ha podido iniciar la unión: falta el programa auxiliar pdfworker o no se puede ejecutar. Reinstalar Sheafwright debería solucionarlo.</translation>
    </message>
    <message>
        <source>Files that could not be used: %1</source>
        <translation>Archivos que no se han podido usar: %1</translation>
    </message>
    <message>
        <source>%1 cannot be read. The file is damaged or is not a PDF.</source>
        <translation>No se puede leer %1. El archivo está dañado o no es un PDF.</translation>
    </message>
    <message>
        <source>The merge stopped unexpectedly: the helper program pdfworker ended before it finished. No merged file was written.</source>
        <translation>La combinación se detuvo de forma inesperada: el programa auxiliar pdfworker terminó antes de acabar. No se escribió ningún archivo combinado.</translation>
    </message>
    <message>
        <source>The merged file could not be written into %1. Check that the disk is not full. Nothing was left behind.</source>
        <translation>No se pudo escribir el archivo combinado en %1. Compruebe que el disco no esté lleno. No quedó nada a medias.</translation>
    </message>
    <message>
        <source>The merged file could not be written into %1.</source>
        <translation>No se pudo escribir el archivo combinado en %1.</translation>
    </message>
    <message>
        <source>Nothing was left behind.</source>
        <translation>No quedó nada a medias.</translation>
    </message>
    <message>
        <source>The merge could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation>No se ha podido iniciar la unión: sus archivos de trabajo no se pudieron escribir en %1. Compruebe que el disco no esté lleno.</translation>
    </message>
    <message>
        <source>The merge could not finish: its working files could not be written into %1. Check that the disk is not full. No merged file was written.</source>
        <translation>No se ha podido terminar la unión: sus archivos de trabajo no se pudieron escribir en %1. Compruebe que el disco no esté lleno. No se escribió ningún archivo combinado.</translation>
    </message>
    <message>
        <source>The file name is too long. Shorten it and try again.</source>
        <translation>El nombre del archivo es demasiado largo. Acórtelo e inténtelo de nuevo.</translation>
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
        <source>Show the pages of this document</source>
        <translation>Mostrar las páginas de este documento</translation>
    </message>
    <message>
        <source>Close this document here. The file itself is not deleted.</source>
        <translation>Cierra el documento aquí. El archivo en sí no se borra.</translation>
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
        <translation>División cancelada</translation>
    </message>
    <message>
        <source>The document could not be split (error %1).</source>
        <translation>No se ha podido dividir el documento (error %1).</translation>
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
        <translation>La página inicial está después de la última página del documento.</translation>
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
        <translation>No se ha podido iniciar la división: falta el programa auxiliar pdfworker o no se puede ejecutar. Reinstalar Sheafwright debería solucionarlo.</translation>
    </message>
    <message>
        <source>The split was stopped. Files written into %1 before the stop are complete.</source>
        <translation>Se ha detenido la división. Los archivos escritos en %1 antes de detenerla están completos.</translation>
    </message>
    <message>
        <source>No file could be written into %1. Check that the folder can be written to and that the disk is not full.</source>
        <translation>No se ha podido escribir ningún archivo en %1. Compruebe que se puede escribir en la carpeta y que el disco no está lleno.</translation>
    </message>
    <message>
        <source>The split was stopped before any file was written.</source>
        <translation>Se ha detenido la división antes de escribir ningún archivo.</translation>
    </message>
    <message numerus="yes">
        <source>The split was stopped. %1 files written before the stop are complete and were kept in %2.</source>
        <translation>
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
        <translation>
            <numerusform>%1 página supera por sí sola el tamaño máximo y se guardó en un archivo propio: %2</numerusform>
            <numerusform>%1 páginas superan por sí solas el tamaño máximo y se guardaron cada una en un archivo propio: %2</numerusform>
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
        <source>Not every file could be written. Check that the disk is not full.</source>
        <translation>No se pudieron escribir todos los archivos. Compruebe que el disco no esté lleno.</translation>
    </message>
    <message>
        <source>The split stopped unexpectedly (error %1).</source>
        <translation>La división se detuvo de forma inesperada (error %1).</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>No se escribió ningún archivo.</translation>
    </message>
    <message>
        <source>The split stopped unexpectedly: the helper program pdfworker ended before it finished.</source>
        <translation>La división se detuvo de forma inesperada: el programa auxiliar pdfworker terminó antes de acabar.</translation>
    </message>
    <message>
        <source>No file could be written into %1.</source>
        <translation>No se ha podido escribir ningún archivo en %1.</translation>
    </message>
    <message>
        <source>Not every file could be written.</source>
        <translation>No se pudieron escribir todos los archivos.</translation>
    </message>
    <message>
        <source>The split could not start: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation>No se ha podido iniciar la división: sus archivos de trabajo no se pudieron escribir en %1. Compruebe que el disco no esté lleno.</translation>
    </message>
    <message>
        <source>The split could not finish: its working files could not be written into %1. Check that the disk is not full.</source>
        <translation>No se ha podido terminar la división: sus archivos de trabajo no se pudieron escribir en %1. Compruebe que el disco no esté lleno.</translation>
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
</context>
</TS>
