#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// Encoding of the files exchanged with pdfworker: Base64 (standard alphabet,
// padded) of the UTF-8 text of one JSON object. Used for split and merge
// requests and responses alike, so every reader and writer agrees.
namespace WorkerFile {

// Base64 text of the object's indented JSON text. Costs one serialisation.
QByteArray encode(const QJsonObject &object);

// Decodes Base64 text (white space anywhere is ignored) into a JSON object.
// Returns false and sets *problem when the text is not Base64, not JSON or
// not an object; `object` is then left empty.
bool decode(const QByteArray &base64, QJsonObject &object, QString *problem = nullptr);

// Largest request or response file read() accepts: far above the largest
// request the program writes (a million ranges), far below what would
// exhaust memory.
constexpr qint64 maxFileSize = 256 * 1024 * 1024;

// Writes encode(object) to path: into a new owner-only file beside it
// (created, never opened through a link), flushed to the disk, then renamed
// over path, so a reader sees the old file or the whole new one, and a link
// planted at path is replaced, never followed. False, with nothing left
// behind, when any step fails (a full disk, a missing or read-only folder).
bool write(const QString &path, const QJsonObject &object);

// Whether a file can be created in the folder of path right now (a probe
// file is created and removed). Checked before work whose result would be
// lost if no response could be written.
bool canWriteBeside(const QString &path);

// Reads and decodes path. False with *problem set when the file cannot be
// opened, is not a regular file (a FIFO, a device), is larger than
// maxFileSize, or decode() fails.
bool read(const QString &path, QJsonObject &object, QString *problem = nullptr);

// The list of outputs a split worker has written whole so far, one path per
// line: "<session folder>/<session id>.files". The worker appends to it as it
// goes and removes it once its response is written; the launcher reads it
// when the worker was killed before it could answer.
QString writtenListPath(const QString &sessionPath, const QString &sessionId);
// Appends the line and a line break in one write to an owner-only file.
bool appendLine(const QString &path, const QString &line);
// The non-empty lines of a file that read() would accept; empty when none.
QStringList readLines(const QString &path);

// Field readers for the records. A missing key (or null) gives the empty
// string, 0 or false; a value of the wrong type also gives that and appends a
// description to *problems, so readers can refuse a malformed request while
// staying lenient about absent keys. Numbers must be whole and fit an int.
QString stringField(const QJsonObject &object, const QString &key, QStringList *problems);
int intField(const QJsonObject &object, const QString &key, QStringList *problems);
bool boolField(const QJsonObject &object, const QString &key, QStringList *problems);

// A copy with the value of every key that names a password (at any depth)
// replaced by an empty string: the only form of request data fit for a trace.
QJsonObject withoutPasswords(const QJsonObject &object);

} // namespace WorkerFile
