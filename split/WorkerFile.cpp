#include "split/WorkerFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSaveFile>

#include <cmath>
#include <limits>

namespace WorkerFile {

namespace {

QByteArray withoutWhiteSpace(const QByteArray &text)
{
    QByteArray compact;
    compact.reserve(text.size());
    for (const char c : text) {
        if (c != ' ' && c != '\n' && c != '\r' && c != '\t')
            compact.append(c);
    }
    return compact;
}

QJsonValue blankPasswords(const QJsonValue &value);

QJsonArray blankPasswords(const QJsonArray &array)
{
    QJsonArray result;
    for (const QJsonValue &item : array)
        result.append(blankPasswords(item));
    return result;
}

QJsonValue blankPasswords(const QJsonValue &value)
{
    if (value.isObject())
        return withoutPasswords(value.toObject());
    if (value.isArray())
        return blankPasswords(value.toArray());
    return value;
}

} // namespace

QByteArray encode(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Indented).toBase64();
}

bool decode(const QByteArray &base64, QJsonObject &object, QString *problem)
{
    object = QJsonObject();
    const QByteArray compact = withoutWhiteSpace(base64);
    if (compact.isEmpty()) {
        if (problem)
            *problem = QStringLiteral("empty data");
        return false;
    }
    const QByteArray::FromBase64Result bytes =
        QByteArray::fromBase64Encoding(compact, QByteArray::AbortOnBase64DecodingErrors);
    if (!bytes || compact.size() % 4 != 0) {   // padded text comes in groups of four
        if (problem)
            *problem = QStringLiteral("not Base64");
        return false;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(*bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        if (problem)
            *problem = QStringLiteral("not JSON (%1 at %2)").arg(error.errorString()).arg(error.offset);
        return false;
    }
    if (!document.isObject()) {
        if (problem)
            *problem = QStringLiteral("JSON is not an object");
        return false;
    }
    object = document.object();
    return true;
}

bool write(const QString &path, const QJsonObject &object)
{
    // QSaveFile: a reader never sees a half-written file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray data = encode(object);
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool read(const QString &path, QJsonObject &object, QString *problem)
{
    object = QJsonObject();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (problem)
            *problem = QStringLiteral("cannot open (%1)").arg(file.errorString());
        return false;
    }
    return decode(file.readAll(), object, problem);
}

QString stringField(const QJsonObject &object, const QString &key, QStringList *problems)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return QString();
    if (!value.isString()) {
        if (problems)
            problems->append(QStringLiteral("\"%1\" is not a string").arg(key));
        return QString();
    }
    return value.toString();
}

int intField(const QJsonObject &object, const QString &key, QStringList *problems)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return 0;
    const double number = value.toDouble();
    const bool whole = value.isDouble() && std::isfinite(number) && std::floor(number) == number
        && number >= double(std::numeric_limits<int>::min())
        && number <= double(std::numeric_limits<int>::max());
    if (!whole) {
        if (problems)
            problems->append(QStringLiteral("\"%1\" is not a whole number in range").arg(key));
        return 0;
    }
    return int(number);
}

QJsonObject withoutPasswords(const QJsonObject &object)
{
    QJsonObject result;
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.key().contains(QLatin1String("password"), Qt::CaseInsensitive))
            result.insert(it.key(), QString());
        else
            result.insert(it.key(), blankPasswords(it.value()));
    }
    return result;
}

} // namespace WorkerFile
