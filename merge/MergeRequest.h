#pragma once

#include "merge/DocumentProperties.h"
#include "merge/MergeTask.h"
#include "pdf/MergeLayout.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

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
    QString publisher;          // the author of a result whose first input names none
    QString cachePath;          // session folder of the run (native separators)
    QString sessionId;
    // How the tasks' pages follow each other (MergeLayout): one page from
    // each file in turn, the last file's from its end; or a blank page after
    // every file with an odd number of pages but the last.
    bool interleave = false;
    bool interleaveReverseLast = false;
    bool blankAfterOdd = false;

    DocumentProperties properties() const;
    MergeLayout layout() const;
    void setProperties(const DocumentProperties &properties);

    // All nine string keys and "tasks"; the layout flags only when set, so
    // a request that asks for no layout reads as before. Costs O(number of
    // tasks).
    QJsonObject toJson() const;
    // toJson() with every password blanked: the only form fit for a log or
    // the debug output.
    QJsonObject toRedactedJson() const;
    // What makes the session values unusable: a session id that is not a
    // plain identifier (it becomes part of a file name), a missing or
    // relative session folder. Without them no response can be written.
    QStringList sessionProblems() const;
    // What makes the request unfit to run: relative input paths, a task
    // turned by no multiple of 90 degrees (named by its place in the request
    // and its file), interleaving asked for together with blank pages after
    // odd files, or an output path that is relative, an existing folder or
    // names no file (ends in a separator, ".", ".."). An empty output path
    // is left to the engine.
    QStringList validate() const;

    // Most tasks a request may carry; more is refused before any work.
    static constexpr int maxTaskCount = 1000000;

    // Reads any subset of the keys with the protocol's record policy
    // (RecordReader: missing strings empty, flags false, numbers 0; a value
    // of the wrong type reads the same and is listed in *problems, when
    // given) and sorts the tasks by ascending "order"; tasks with equal
    // values keep their list order.
    static MergeRequest fromJson(const QJsonObject &object, QStringList *problems = nullptr);

    // "task N (file name)": how a problem names the task at index (0-based
    // in the list as merged).
    static QString taskLabel(int index, const MergeTask &task);
};
