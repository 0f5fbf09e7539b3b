#include "protocol/WorkerFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

#ifndef Q_OS_WIN
// A new owner-only file beside path, named after it with a random suffix.
bool createBeside(const QString &path, int *fd, QByteArray *created)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QString candidate = path + QStringLiteral(".%1.tmp")
                                             .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'));
        const QByteArray native = QFile::encodeName(candidate);
        *fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (*fd >= 0) {
            *created = native;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool writeAll(int fd, const QByteArray &data)
{
    const char *next = data.constData();
    size_t left = size_t(data.size());
    while (left > 0) {
        const ssize_t written = ::write(fd, next, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        next += written;
        left -= size_t(written);
    }
    return true;
}

// The whole content of a regular file no larger than maxFileSize; the reason
// when it is something else.
QString readRegularFile(int fd, QByteArray *data)
{
    struct stat st;
    if (::fstat(fd, &st) != 0)
        return QStringLiteral("cannot examine (%1)").arg(QString::fromLocal8Bit(std::strerror(errno)));
    if (!S_ISREG(st.st_mode))
        return QStringLiteral("not a regular file");
    if (st.st_size > maxFileSize)
        return QStringLiteral("larger than %1 bytes").arg(maxFileSize);
    data->resize(int(st.st_size));
    qint64 used = 0;
    for (;;) {
        if (used == data->size()) {
            if (used >= maxFileSize)   // grew while being read
                return QStringLiteral("larger than %1 bytes").arg(maxFileSize);
            data->resize(int(qMin<qint64>(maxFileSize, used + 65536)));
        }
        const ssize_t got = ::read(fd, data->data() + used, size_t(data->size() - used));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return QStringLiteral("cannot read (%1)").arg(QString::fromLocal8Bit(std::strerror(errno)));
        if (got == 0)
            break;
        used += got;
    }
    data->resize(int(used));
    return QString();
}
#endif

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

#ifdef Q_OS_WIN
bool write(const QString &path, const QJsonObject &object)
{
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

bool canWriteBeside(const QString &path)
{
    return QFileInfo(QFileInfo(path).absolutePath()).isWritable();
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
    if (file.size() > maxFileSize) {
        if (problem)
            *problem = QStringLiteral("larger than %1 bytes").arg(maxFileSize);
        return false;
    }
    return decode(file.readAll(), object, problem);
}
#else
bool write(const QString &path, const QJsonObject &object)
{
    const QByteArray data = encode(object);
    int fd = -1;
    QByteArray temporary;
    if (!createBeside(path, &fd, &temporary))
        return false;
    const bool whole = writeAll(fd, data) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    // rename() swaps the directory entry: a link at path is replaced, not followed.
    if (whole && closed && ::rename(temporary.constData(), QFile::encodeName(path).constData()) == 0)
        return true;
    ::unlink(temporary.constData());
    return false;
}

bool canWriteBeside(const QString &path)
{
    int fd = -1;
    QByteArray probe;
    if (!createBeside(path, &fd, &probe))
        return false;
    ::close(fd);
    ::unlink(probe.constData());
    return true;
}

bool read(const QString &path, QJsonObject &object, QString *problem)
{
    object = QJsonObject();
    auto refuse = [problem](const QString &why) {
        if (problem)
            *problem = why;
        return false;
    };
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return refuse(QStringLiteral("cannot open (%1)").arg(QString::fromLocal8Bit(std::strerror(errno))));
    QByteArray data;
    const QString why = readRegularFile(fd, &data);
    ::close(fd);
    if (!why.isEmpty())
        return refuse(why);
    return decode(data, object, problem);
}
#endif

QString writtenListPath(const QString &sessionPath, const QString &sessionId)
{
    return QDir::toNativeSeparators(sessionPath + QLatin1Char('/') + sessionId + QStringLiteral(".files"));
}

bool appendLine(const QString &path, const QString &line)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray data = line.toUtf8() + '\n';
    return file.write(data) == data.size();
}

QStringList readLines(const QString &path)
{
    QByteArray data;
#ifdef Q_OS_WIN
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxFileSize)
        return {};
    data = file.readAll();
#else
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {};
    const QString why = readRegularFile(fd, &data);
    ::close(fd);
    if (!why.isEmpty())
        return {};
#endif
    QStringList lines;
    for (const QByteArray &line : data.split('\n')) {
        if (!line.isEmpty())
            lines << QString::fromUtf8(line);
    }
    return lines;
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

bool boolField(const QJsonObject &object, const QString &key, QStringList *problems)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return false;
    if (!value.isBool()) {
        if (problems)
            problems->append(QStringLiteral("\"%1\" is not true or false").arg(key));
        return false;
    }
    return value.toBool();
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
