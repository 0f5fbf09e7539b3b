#include "split/SplitResponse.h"

#include "protocol/RecordReader.h"
#include "protocol/WorkerCode.h"
#include "protocol/WorkerFile.h"

namespace {
const QString keySessionId = QStringLiteral("session_id");

SplitResponse failed()
{
    SplitResponse response;
    response.outcome.code = WorkerCode::Failed;
    return response;
}
} // namespace

QJsonObject SplitResponse::toJson() const
{
    QJsonObject object{{keySessionId, sessionId}};
    outcome.writeInto(object);
    return object;
}

SplitResponse SplitResponse::fromJson(const QJsonObject &object, QStringList *problems)
{
    const RecordReader record(object, problems);
    SplitResponse response;
    response.sessionId = record.text(keySessionId);
    response.outcome = WorkerOutcome::read(record);
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
    return sessionId == other.sessionId && outcome == other.outcome;
}
