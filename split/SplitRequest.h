#pragma once

#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// What the interface asks pdfworker to split. Written by SplitLauncher,
// read by the worker; the JSON keys are part of the file format.
struct SplitRequest
{
    // Largest page count and range count a request may carry; anything above
    // is refused before any work (no real document comes near it).
    static constexpr int maxPageCount = 1000000;

    // Modes of "mode".
    enum { ModeRanges = 0, ModeWithoutPages = 1, ModeBySize = 2 };

    int mode = 0;                   // 0: one file per range, 1: one file without the listed pages,
                                    // 2: consecutive files of at most maxSizeKb each
    QString fileName;               // source PDF
    QString filePassword;           // open password of the source, empty when none
    int pageCount = 0;              // page count as read by the interface
    QList<QPair<int, int>> ranges;  // 1-based, both ends inclusive; mode 1: the pages to drop ((p, p) for one)
    // Mode 0: the output name of each range ("name"; ".pdf" is added and the
    // name made safe). Empty, or as many as ranges with "" for an unnamed one.
    QStringList rangeNames;
    int maxSizeKb = 0;              // mode 2: the largest output, in kilobytes of 1000 bytes
    QString outDirectory;
    QString author;
    QString title;
    QString password;               // protects every output when not blank
    QString creator;
    QString producer;
    QString publisher;              // the author of outputs whose source names none
    QString sessionPath;
    QString sessionId;

    // The JSON object with the file format's keys; paths in native separators.
    QJsonObject toJson() const;

    // Reads an object written by toJson (or any writer using the same keys)
    // with the protocol's record policy (RecordReader): missing keys give
    // empty strings and zeros; values of the wrong type are listed in
    // *problems (when given) and read as empty/zero.
    static SplitRequest fromJson(const QJsonObject &object, QStringList *problems = nullptr);

    // What makes this request unfit to run: unknown mode, page or range counts
    // out of bounds, missing or relative source, output or session paths, a
    // session id that is not a plain identifier (it becomes part of a file
    // name). Empty when fit.
    QStringList validate() const;
    // The part of validate() about the session values, which say where a
    // response can go: a plain session id and an absolute session folder.
    QStringList sessionProblems() const;

    bool operator==(const SplitRequest &other) const;
};
