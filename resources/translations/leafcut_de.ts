<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BookmarkModePage</name>
    <message>
        <source>Files: %1</source>
        <translation>Dateien: %1</translation>
    </message>
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
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Splits and merges PDF files. One PDF file opens on the split screen; several go to the merge list in the order given.</source>
        <translation>Teilt PDF-Dateien und fügt sie zusammen. Eine PDF-Datei öffnet sich im Bildschirm „Teilen“, mehrere kommen in der angegebenen Reihenfolge in die Liste zum Zusammenfügen.</translation>
    </message>
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
    <message>
        <source>Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
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
    <message>
        <source>%1 out of %2 files. %3</source>
        <translation>Datei %1 von %2: %3</translation>
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
        <translation>Das Passwort für %1 ist falsch</translation>
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
        <translation>Passwort festlegen</translation>
    </message>
    <message>
        <source>Select one or more files to open</source>
        <translation>Eine oder mehrere Dateien öffnen</translation>
    </message>
    <message>
        <source>Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>%1 pages total</source>
        <translation>%1 Seiten insgesamt</translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Zielordner wählen</translation>
    </message>
    <message>
        <source>Set password</source>
        <translation>Passwort festlegen</translation>
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
        <translation>Die Dateien konnten nicht zusammengeführt werden</translation>
    </message>
    <message>
        <source>Can not open file</source>
        <translation>Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The password for %1 is incorrect</source>
        <translation>Das Passwort für %1 ist falsch</translation>
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
        <translation>%1 von %2. Zum Zusammenführen hinzugefügt: %3</translation>
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
    <message>
        <source>Left out of the merged file: %1</source>
        <translation>Nicht in die Datei übernommen: %1</translation>
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
    <message>
        <source>Your document was split in %1 files. You can open folder to view the results of proceed of merging them.</source>
        <translation>Ihr Dokument wurde in %1 Dateien geteilt. Sie können den Ordner öffnen, um die Ergebnisse anzusehen, oder die Dateien zusammenführen.</translation>
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
        <translation>Das Passwort für %1 ist falsch</translation>
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
        <translation>KB</translation>
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
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>You can choose and add pages which you want to delete...</source>
        <translation>Wählen Sie die Seiten aus, die entfernt werden sollen, und fügen Sie sie hinzu.</translation>
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
        <translation>Wählen Sie die Seitenbereiche aus, die als eigene Dateien gespeichert werden sollen, und fügen Sie sie hinzu.</translation>
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
        <translation>Das Teilen wurde abgebrochen</translation>
    </message>
    <message>
        <source>The document could not be split (error %1).</source>
        <translation>Das Dokument konnte nicht geteilt werden (Fehler %1).</translation>
    </message>
    <message>
        <source>Error: this file has read permission only!</source>
        <translation>Fehler: Diese Datei darf nur gelesen werden!</translation>
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
        <source>Nothing to split</source>
        <translation>Nichts zu teilen</translation>
    </message>
    <message>
        <source>Enter the largest file size first.</source>
        <translation>Geben Sie zuerst die höchste Dateigröße an.</translation>
    </message>
    <message>
        <source>Pages that alone are larger than the size limit are each in a file of their own: %1</source>
        <translation>Seiten, die allein größer als die Höchstgröße sind, stehen jeweils in einer eigenen Datei: %1</translation>
    </message>
</context>
</TS>
