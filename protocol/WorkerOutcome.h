#pragma once

#include "protocol/WorkerCode.h"

#include <QJsonObject>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

class RecordReader;

// How one run of a split or merge ended, as one value: the result code, the
// files written whole, what was left out and why, the cause of a write
// failure. An engine ends its run with it, the worker writes its response
// from it, the launchers read it back, and the screens and the command line
// take their words for it from OutcomeText. Launchers also make one for runs
// that never reached a worker (not started, killed).
struct WorkerOutcome
{
    // Why something asked for is not in any output (the "reason" of a
    // left-out entry).
    struct Reason
    {
        static const QString Password;     // the input's password is missing or wrong
        static const QString Unreadable;   // damaged, not a PDF, gone, or without pages
        static const QString OutOfMemory;  // the computer ran out of memory on it
        static const QString NotWritten;   // its output could not be written (see writeError)
    };

    struct Written
    {
        QString path;
        // The name asked for was taken when the file was moved into place,
        // so it got the next free "(n)" in front (an existing file is never
        // replaced).
        bool renamed = false;
        bool operator==(const Written &other) const { return path == other.path && renamed == other.renamed; }
    };

    struct LeftOut
    {
        QString item;     // an input's path (merge), or the pages of an output ("5-7", split)
        QString reason;   // a Reason value
        bool operator==(const LeftOut &other) const { return item == other.item && reason == other.reason; }
    };

    int code = WorkerCode::Success;
    QList<Written> written;      // in the order written
    QList<LeftOut> leftOut;
    // Of the written files, those a split by size could not keep under its
    // limit: each holds one page that alone is larger.
    QStringList oversized;
    // Why an output could not be written, when the system said (WriteError values).
    QString writeError;
    // Why a request was refused (WorkerCode::RequestInvalid): each names
    // the key or the value at fault. Never holds a password.
    QStringList problems;

    bool succeeded() const { return code == WorkerCode::Success; }
    QStringList files() const;
    QStringList renamedFiles() const;
    QStringList leftOutItems() const;

    // Adds a written file; askedName is the file name it was to have.
    void addWritten(const QString &path, const QString &askedName);
    void addLeftOut(const QString &item, const QString &reason) { leftOut.append({item, reason}); }

    // The reason for a PdfErrorCode an input was refused with.
    static QString reasonFor(int pdfErrorCode);

    // Writes the outcome's keys into object: "error_code", "files" (objects
    // {"file_name", "renamed" when true}), and when not empty "left_out"
    // (objects {"item", "reason"}), "oversized" (objects {"file_name"}),
    // "write_error" and "problems".
    void writeInto(QJsonObject &object) const;
    // Reads those keys with the record's policy.
    static WorkerOutcome read(const RecordReader &record);

    // A run that ended without a usable response: code, and the files that
    // are known to have been written whole.
    static WorkerOutcome ended(int code, const QStringList &files = QStringList());

    bool operator==(const WorkerOutcome &other) const;
};

Q_DECLARE_METATYPE(WorkerOutcome)
