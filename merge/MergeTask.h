#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

class RecordReader;

// One document of a merge request, in the form the worker reads.
struct MergeTask
{
    QString fullPath;        // as held by the merge list (separators unchanged)
    bool hasPassword = false;
    QString password;        // open password; empty when none
    bool hasSecurity = false;
    int pageCount = 0;
    int order = 0;           // the worker merges in ascending order

    // The engine decrypts a file into a scratch copy when either flag is set.
    bool needsDecryption() const { return hasPassword || hasSecurity; }

    // JSON object with all six keys. Costs O(path length).
    QJsonObject toJson() const;
    // Reads any subset of the keys with the protocol's record policy
    // (RecordReader): a missing string reads as empty, a missing flag as
    // false, a missing number as 0; a value of the wrong type reads the same
    // and is listed in *problems (when given).
    static MergeTask fromJson(const QJsonObject &object, QStringList *problems = nullptr);
    // The same, for a task inside a request.
    static MergeTask read(const RecordReader &record);

    bool operator==(const MergeTask &other) const;
};

using MergeTaskList = QList<MergeTask>;
