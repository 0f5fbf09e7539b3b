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
    // The pages taken, as a person types them ("1-3, 7, 10-"); empty: all.
    QString pages;
    // Degrees clockwise added to every page's own turn: 0, 90, 180 or 270.
    int rotation = 0;

    // The engine decrypts a file into a scratch copy when either flag is set.
    bool needsDecryption() const { return hasPassword || hasSecurity; }

    // JSON object with the six keys of every task, and "pages" and "rotate"
    // when they say more than "the whole file as it is" (so a request that
    // chooses nothing reads as before). Costs O(path length).
    QJsonObject toJson() const;
    // Reads any subset of the keys with the protocol's record policy
    // (RecordReader): a missing string reads as empty, a missing flag as
    // false, a missing number as 0; a value of the wrong type reads the same
    // and is listed in *problems (when given). "pages" and "rotate" are
    // optional like the rest.
    static MergeTask fromJson(const QJsonObject &object, QStringList *problems = nullptr);
    // The same, for a task inside a request.
    static MergeTask read(const RecordReader &record);
    // What makes the task unfit to run, for the response: a turn that is no
    // multiple of 90 degrees.
    QStringList validate() const;

    bool operator==(const MergeTask &other) const;
};

using MergeTaskList = QList<MergeTask>;
