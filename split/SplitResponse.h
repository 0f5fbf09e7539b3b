#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// What pdfworker reports back after a split: written by the worker into
// "<session folder>/<session id>.resp", read by SplitLauncher.
struct SplitResponse
{
    QString sessionId;
    int errorCode = 0;   // 0 success; other values: WorkerCode
    QStringList files;   // produced output files, in the order produced
    // Of files, those larger than a split by size allowed: each holds one
    // page that alone is larger ("oversized"; absent when none).
    QStringList oversized;
    // Why outputs asked for could not be written, when the system said
    // (WriteError; "write_error", absent when empty).
    QString writeError;

    QJsonObject toJson() const;

    // Reads the object; missing keys give empty values and 0, values of the
    // wrong type are listed in *problems (when given).
    static SplitResponse fromJson(const QJsonObject &object, QStringList *problems = nullptr);

    // Reads a response file. Anything that cannot be opened, decoded or
    // parsed, or that answers a different session than expectedSessionId
    // (when given), yields error code WorkerCode::Failed and no files, with
    // the reason in *problem.
    static SplitResponse readFile(const QString &path, const QString &expectedSessionId = QString(),
                                  QString *problem = nullptr);

    bool operator==(const SplitResponse &other) const;
};
