#include "merge/MergeResponse.h"

#include "protocol/RecordReader.h"

namespace {
const QString keyMergedFileName = QStringLiteral("merged_file_name");
const QString keyFiles = QStringLiteral("files");
} // namespace

QJsonObject MergeResponse::toJson() const
{
    QJsonObject object{{keyMergedFileName, mergedFileName()}};
    outcome.writeInto(object);
    return object;
}

MergeResponse MergeResponse::fromJson(const QJsonObject &object, QStringList *problems)
{
    const RecordReader record(object, problems);
    MergeResponse response;
    response.outcome = WorkerOutcome::read(record);
    const QString merged = record.text(keyMergedFileName);
    if (!record.has(keyFiles) && !merged.isEmpty())
        response.outcome.written.append({merged, false});
    return response;
}
