#pragma once

#include <QString>
#include <QStringList>

class QMimeData;

// Working folders and file naming shared by the launchers, the engines and
// the drop areas. Stateless; every function is re-entrant.
namespace FileUtils {

// The program's scratch folder for session folders (forward slashes). It holds
// request files with passwords and decrypted copies, so it lives in a per-user
// location, is created owner-only and is never used when someone else owns it
// (then a fresh private folder in the temporary folder is used instead).
QString cacheDirectory();

// True when the folder exists or could be created with all its parents.
bool ensureDirectory(const QString &path);

// Creates the folder owner-only (0700) if missing; true when it exists, is a
// real folder (not a link) and belongs to the current user.
bool ensurePrivateDirectory(const QString &path);

// folder/fileName, or the first free "folder/(n)fileName" counting from 1
// (native separators). Only a check: see commitUnique() for creating.
QString uniqueFilePath(const QString &folder, const QString &fileName);

// A fresh name for scratch output inside folder (same file system, so a later
// rename is cheap and atomic). Nothing is created.
QString temporaryPathIn(const QString &folder);

// Moves the finished file tempPath into folder as fileName, or as the next free
// "(n)fileName" when that name is taken at the moment of the move. Never
// replaces an existing file. Returns the final path (native separators) or an
// empty string when the move failed (tempPath is then left in place).
QString commitUnique(const QString &tempPath, const QString &folder, const QString &fileName);

// Removes the folder and everything below it. Symbolic links are removed as
// entries; their targets are never touched. True when the folder is gone (or
// never existed); false at the first entry that cannot be removed.
bool removeDirectory(const QString &path);

// Deletes each file; results are ignored.
void removeFiles(const QStringList &paths);

// A new UUID as 32 hexadecimal digits (no braces, no hyphens).
QString uniqueId();

// The local, existing, regular ".pdf" files of a drag payload, in order.
QStringList pdfFilesFromMimeData(const QMimeData *mimeData);

} // namespace FileUtils
