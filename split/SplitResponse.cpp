#include "split/SplitResponse.h"

#include "split/WorkerCode.h"
#include "split/WorkerFile.h"

#include <QJsonArray>

namespace {
const QString keySessionId = QStringLiteral("session_id");
const QString keyErrorCode = QStringLiteral("error_code");
const QString keyFiles = QStringLiteral("files");
const QString keyFileName = QStringLiteral("file_name");

SplitResponse failed()
{
    SplitResponse response;
    response.errorCode = WorkerCode::Failed;
    return response;
}
} // namespace

QJsonObject SplitResponse::toJson() const
{
    QJsonArray fileArray;
    for (const QString &file : files)
        fileArray.append(QJsonObject{{keyFileName, file}});
    return QJsonObject{{keySessionId, sessionId}, {keyErrorCode, errorCode}, {keyFiles, fileArray}};
}

SplitResponse SplitResponse::fromJson(const QJsonObject &object, QStringList *problems)
{
    SplitResponse response;
    response.sessionId = WorkerFile::stringField(object, keySessionId, problems);
    response.errorCode = WorkerFile::intField(object, keyErrorCode, problems);
    const QJsonValue files = object.value(keyFiles);
    if (files.isArray()) {
        for (const QJsonValue &entry : files.toArray()) {
            const QString name = WorkerFile::stringField(entry.toObject(), keyFileName, problems);
            if (!entry.isObject() && problems)
                problems->append(QStringLiteral("a \"files\" entry is not an object"));
            if (!name.isEmpty())
                response.files.append(name);
        }
    } else if (!files.isUndefined() && !files.isNull() && problems) {
        problems->append(QStringLiteral("\"files\" is not an array"));
    }
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
    return sessionId == other.sessionId && errorCode == other.errorCode && files == other.files;
}
