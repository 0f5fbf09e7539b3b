#pragma once

#include "merge/DocumentProperties.h"
#include "merge/MergeTask.h"

#include <QJsonObject>
#include <QString>

// What the interface asks the worker to merge.
struct MergeRequest
{
    MergeTaskList tasks;        // written in list order
    QString saveFileName;       // full path of the merged file to create
    QString author;
    QString title;
    QString password;           // empty or blank for an unprotected result
    QString creator;
    QString producer;
    QString cachePath;          // session folder of the run (native separators)
    QString sessionId;

    DocumentProperties properties() const;
    void setProperties(const DocumentProperties &properties);

    // All eight string keys and "tasks". Costs O(number of tasks).
    QJsonObject toJson() const;
    // toJson() with every password blanked: the only form fit for a log or
    // the debug output.
    QJsonObject toRedactedJson() const;
    // Reads any subset of the keys (missing strings empty, flags false,
    // numbers 0) and sorts the tasks by ascending "order"; tasks with equal
    // values keep their list order.
    static MergeRequest fromJson(const QJsonObject &object);
};
