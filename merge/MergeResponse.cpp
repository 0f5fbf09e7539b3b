#include "merge/MergeResponse.h"

#include <QJsonArray>

namespace {
const QString keyErrorCode = QStringLiteral("error_code");
const QString keyMergedFileName = QStringLiteral("merged_file_name");
const QString keyErrorFiles = QStringLiteral("error_files");
const QString keyWriteError = QStringLiteral("write_error");
const QString keyProblem = QStringLiteral("problem");
} // namespace

QJsonObject MergeResponse::toJson() const
{
    QJsonObject object;
    object.insert(keyErrorCode, errorCode);
    object.insert(keyMergedFileName, mergedFileName);
    object.insert(keyErrorFiles, QJsonArray::fromStringList(errorFiles));
    if (!writeError.isEmpty())
        object.insert(keyWriteError, writeError);
    if (!problem.isEmpty())
        object.insert(keyProblem, problem);
    return object;
}

MergeResponse MergeResponse::fromJson(const QJsonObject &object)
{
    MergeResponse response;
    response.errorCode = object.value(keyErrorCode).toInt(response.errorCode);
    response.mergedFileName = object.value(keyMergedFileName).toString();
    for (const QJsonValue &value : object.value(keyErrorFiles).toArray())
        response.errorFiles.append(value.toString());
    response.writeError = object.value(keyWriteError).toString();
    response.problem = object.value(keyProblem).toString();
    return response;
}
