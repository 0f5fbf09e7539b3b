#include "split/SplitResponse.h"

#include "protocol/WorkerCode.h"
#include "protocol/WorkerFile.h"

#include <QJsonArray>

namespace {
const QString keySessionId = QStringLiteral("session_id");
const QString keyErrorCode = QStringLiteral("error_code");
const QString keyFiles = QStringLiteral("files");
const QString keyFileName = QStringLiteral("file_name");
const QString keyOversized = QStringLiteral("oversized");
const QString keyWriteError = QStringLiteral("write_error");

QJsonArray fileArray(const QStringList &files)
{
    QJsonArray array;
    for (const QString &file : files)
        array.append(QJsonObject{{keyFileName, file}});
    return array;
}

QStringList filesFromJson(const QJsonObject &object, const QString &key, QStringList *problems)
{
    QStringList files;
    const QJsonValue value = object.value(key);
    if (value.isArray()) {
        for (const QJsonValue &entry : value.toArray()) {
            const QString name = WorkerFile::stringField(entry.toObject(), keyFileName, problems);
            if (!entry.isObject() && problems)
                problems->append(QStringLiteral("a \"%1\" entry is not an object").arg(key));
            if (!name.isEmpty())
                files.append(name);
        }
    } else if (!value.isUndefined() && !value.isNull() && problems) {
        problems->append(QStringLiteral("\"%1\" is not an array").arg(key));
    }
    return files;
}

SplitResponse failed()
{
    SplitResponse response;
    response.errorCode = WorkerCode::Failed;
    return response;
}
} // namespace

QJsonObject SplitResponse::toJson() const
{
    QJsonObject object{{keySessionId, sessionId}, {keyErrorCode, errorCode}, {keyFiles, fileArray(files)}};
    if (!oversized.isEmpty())
        object.insert(keyOversized, fileArray(oversized));
    if (!writeError.isEmpty())
        object.insert(keyWriteError, writeError);
    return object;
}

SplitResponse SplitResponse::fromJson(const QJsonObject &object, QStringList *problems)
{
    SplitResponse response;
    response.sessionId = WorkerFile::stringField(object, keySessionId, problems);
    response.errorCode = WorkerFile::intField(object, keyErrorCode, problems);
    response.files = filesFromJson(object, keyFiles, problems);
    response.oversized = filesFromJson(object, keyOversized, problems);
    response.writeError = WorkerFile::stringField(object, keyWriteError, problems);
    return response;
}

SplitResponse SplitResponse::readFile(const QString &path, const QString &expectedSessionId, QString *problem)
{
    QJsonObject object;
    QString reason;
    if (!WorkerFile::read(path, object, &reason)) {
        if (problem)
            *problem = reason;
        return failed();
    }
    QStringList problems;
    const SplitResponse response = fromJson(object, &problems);
    if (!problems.isEmpty()) {
        if (problem)
            *problem = problems.join(QStringLiteral("; "));
        return failed();
    }
    if (!expectedSessionId.isEmpty() && response.sessionId != expectedSessionId) {
        if (problem)
            *problem = QStringLiteral("answers another session");
        return failed();
    }
    return response;
}

bool SplitResponse::operator==(const SplitResponse &other) const
{
    return sessionId == other.sessionId && errorCode == other.errorCode && files == other.files
        && oversized == other.oversized && writeError == other.writeError;
}
