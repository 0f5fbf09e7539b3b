#pragma once

#include "protocol/WorkerOutcome.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

// What the worker reports back after a merge: the run's outcome, whose one
// written file is the merged file (also under "merged_file_name") and whose
// left-out entries are the inputs it could not use, with why.
struct MergeResponse
{
    WorkerOutcome outcome;

    // Empty when nothing was produced.
    QString mergedFileName() const { return outcome.files().value(0); }

    // "merged_file_name" and the outcome's keys (WorkerOutcome::writeInto).
    QJsonObject toJson() const;
    // Reads with the protocol's record policy (RecordReader): a missing key
    // keeps its default (code 0, no file), a value of the wrong type is
    // listed in *problems (when given). A response with "merged_file_name"
    // but without "files" names that one file.
    static MergeResponse fromJson(const QJsonObject &object, QStringList *problems = nullptr);
};
