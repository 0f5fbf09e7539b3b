#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// What the worker reports back after a merge.
struct MergeResponse
{
    int errorCode = 0;          // 0 for success; passed on unchanged otherwise
    QString mergedFileName;     // empty when nothing was produced
    QStringList errorFiles;     // inputs left out (wrong password, unreadable)
    // Why the merged file could not be written, when the system said
    // (WriteError; "write_error", absent when empty).
    QString writeError;
    // Why a request was refused (code WorkerCode::RequestInvalid): each
    // problem, naming the task it is about ("problem", absent when empty).
    QString problem;

    QJsonObject toJson() const;
    // A missing key keeps its default (code 0, empty name, no files).
    static MergeResponse fromJson(const QJsonObject &object);
};
