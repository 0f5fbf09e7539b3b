#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

// The one encoding of the merge request and response files: Base64 text
// (standard alphabet, padded) of the UTF-8 JSON text of one object, written
// through a UTF-8 text stream. Readers accept any JSON layout.
namespace MergeCodec {

// Base64 text of the object's indented JSON text.
QByteArray encode(const QJsonObject &object);

// The object held by Base64 text; false (and an empty object) when the text
// is not Base64, not JSON or not a JSON object.
bool decode(const QByteArray &base64, QJsonObject *object);

// Writes the text, truncating, in text mode. False when the file cannot be
// opened or written.
bool writeFile(const QString &path, const QByteArray &base64);

// The whole text of the file; false when it cannot be opened.
bool readFile(const QString &path, QByteArray *base64);

} // namespace MergeCodec
