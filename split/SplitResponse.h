#pragma once

#include "protocol/WorkerOutcome.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

// What pdfworker reports back after a split: written by the worker into
// "<session folder>/<session id>.resp", read by SplitLauncher. The run's
// outcome with the session it answers.
struct SplitResponse
{
    QString sessionId;
    WorkerOutcome outcome;

    // "session_id" and the outcome's keys (WorkerOutcome::writeInto).
    QJsonObject toJson() const;

    // Reads the object with the protocol's record policy (RecordReader):
    // missing keys give empty values and 0, values of the wrong type are
    // listed in *problems (when given).
    static SplitResponse fromJson(const QJsonObject &object, QStringList *problems = nullptr);

    // Reads a response file. Anything that cannot be opened, decoded or
    // parsed, or that answers a different session than expectedSessionId
    // (when given), yields error code WorkerCode::Failed and no files, with
    // the reason in *problem.
    static SplitResponse readFile(const QString &path, const QString &expectedSessionId = QString(),
                                  QString *problem = nullptr);

    bool operator==(const SplitResponse &other) const;
};
