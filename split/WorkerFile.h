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

// Writes encode(object) to path, replacing the file; false when it cannot be
// written completely.
bool write(const QString &path, const QJsonObject &object);

// Reads and decodes path. False with *problem set when the file cannot be
// opened or decode() fails.
bool read(const QString &path, QJsonObject &object, QString *problem = nullptr);

// Field readers for the records. A missing key (or null) gives the empty
// string or 0; a value of the wrong type also gives that and appends a
// description to *problems, so readers can refuse a malformed request while
// staying lenient about absent keys. Numbers must be whole and fit an int.
QString stringField(const QJsonObject &object, const QString &key, QStringList *problems);
int intField(const QJsonObject &object, const QString &key, QStringList *problems);

// A copy with the value of every key that names a password (at any depth)
// replaced by an empty string: the only form of request data fit for a trace.
QJsonObject withoutPasswords(const QJsonObject &object);

} // namespace WorkerFile
