#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

class QMimeData;

// Working folders and file naming shared by the launchers, the engines and
// the drop areas. Stateless; every function is re-entrant.
namespace FileUtils {

// The program's scratch folder for session folders (forward slashes):
// $XDG_CACHE_HOME/sheafwright/sessions, by default ~/.cache/sheafwright/sessions. It holds
// request files with passwords and decrypted copies, so it lives in a per-user
// location, is created owner-only and is never used when someone else owns it
// (then a fresh private folder in the temporary folder is used instead).
// Empty when neither can be had: callers must then refuse to start a session.
QString cacheDirectory();

// Where earlier versions kept their sessions (~/.cache/.sheafwright/cache
// and ~/.cache/.Pinecone Sheafwright/cache); nothing is created.
QStringList oldCacheDirectories();

// The user's cache folder that holds cacheDirectory() (native separators),
// as messages name it when working files cannot be written there.
QString userCacheFolder();

// True when the folder exists or could be created with all its parents.
bool ensureDirectory(const QString &path);

// Creates the folder owner-only (0700) if missing; true when it exists, is a
// real folder (not a link) and belongs to the current user. The mode of a
// folder that existed already is left as it is.
bool ensurePrivateDirectory(const QString &path);

// folder/fileName, or the first free "folder/(n)fileName" counting from 1
// (native separators). Only a check: see commitUnique() for creating.
QString uniqueFilePath(const QString &folder, const QString &fileName);

// The worker process serves exactly one session. Its temporary files carry
// the session id, so the launcher that started it can remove that session's
// files, and only those, however the worker ended; and the files it makes in
// the session folder (decrypted copies, merge steps) are owner-only. Empty
// values: no session (untagged names). Call before any work.
void setWorkerSession(const QString &sessionId, const QString &sessionFolder);
// Whether path names a file in the worker session's folder (or below it).
bool isInWorkerSession(const QString &path);

// A fresh name for scratch output inside folder (same file system, so a later
// rename is cheap and atomic): ".sheafwright-<session>-<32 hex digits>.part",
// or ".sheafwright-<32 hex digits>.part" without a session. Nothing is created.
QString temporaryPathIn(const QString &folder);

// Whether fileName (a name, not a path) is a temporary file of the session.
bool isTemporaryFileOf(const QString &fileName, const QString &sessionId);

// Deletes the session's temporary files in folder (never anything else, not
// even another session's); returns how many were removed.
int removeTemporaryFiles(const QString &folder, const QString &sessionId);

// Ways commitUnique() may move a file without replacing one.
enum MoveMethod {
    RenameNoReplace = 1,   // renameat2(RENAME_NOREPLACE)
    HardLink = 2,          // link() then unlink(): fails on an existing name
    ClaimThenRename = 4,   // create the name with O_EXCL, then rename over that claim
    AnyMoveMethod = 7
};

// Moves the finished file tempPath into folder as fileName, or as the next free
// "(n)fileName" when that name is taken at the moment of the move. Never
// replaces an existing file. The methods are tried in the order above, each
// only where the file system lacks the one before (some FUSE mounts have
// neither of the first two). Returns the final path (native separators) or an
// empty string when the move failed (tempPath is then left in place).
// beforeMove, when given, is told each path just before the move there is tried.
//
// numbers, when given, remembers per folder and name the number that comes
// after the last one given: a run naming thousands of outputs alike then
// probes each number once instead of counting from 1 for every file. A name
// found taken still moves the probe upward, so nothing is ever replaced.
using NextFreeNumbers = QHash<QString, int>;
QString commitUnique(const QString &tempPath, const QString &folder, const QString &fileName,
                     int methods = AnyMoveMethod,
                     const std::function<void(const QString &)> &beforeMove = nullptr,
                     NextFreeNumbers *numbers = nullptr);

// A file size limit (ulimit -f, systemd's LimitFSIZE) ends a process with
// SIGXFSZ at its first write past the limit, wherever that write is, a log
// line included, leaving no word of what happened. With the signal ignored
// such a write fails with EFBIG instead, and is reported like a full disk.
// Call once at the start of the process.
void failWritesPastSizeLimit();

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
