#include "protocol/WorkerOutcome.h"

#include "pdf/PdfErrorCode.h"
#include "protocol/RecordReader.h"

#include <QFileInfo>
#include <QJsonArray>

namespace {
const QString keyErrorCode = QStringLiteral("error_code");
const QString keyFiles = QStringLiteral("files");
const QString keyFileName = QStringLiteral("file_name");
const QString keyRenamed = QStringLiteral("renamed");
const QString keyLeftOut = QStringLiteral("left_out");
const QString keyItem = QStringLiteral("item");
const QString keyReason = QStringLiteral("reason");
const QString keyOversized = QStringLiteral("oversized");
const QString keyWriteError = QStringLiteral("write_error");
const QString keyProblems = QStringLiteral("problems");

// No run writes more files than a request may ask for.
constexpr int maxEntries = 1000000;

QJsonArray fileArray(const QStringList &files)
{
    QJsonArray array;
    for (const QString &file : files)
        array.append(QJsonObject{{keyFileName, file}});
    return array;
}
} // namespace

const QString WorkerOutcome::Reason::Password = QStringLiteral("password");
const QString WorkerOutcome::Reason::Unreadable = QStringLiteral("unreadable");
const QString WorkerOutcome::Reason::OutOfMemory = QStringLiteral("out_of_memory");
const QString WorkerOutcome::Reason::NotWritten = QStringLiteral("not_written");

QStringList WorkerOutcome::files() const
{
    QStringList paths;
    for (const Written &file : written)
        paths << file.path;
    return paths;
}

QStringList WorkerOutcome::renamedFiles() const
{
    QStringList paths;
    for (const Written &file : written) {
        if (file.renamed)
            paths << file.path;
    }
    return paths;
}

QStringList WorkerOutcome::leftOutItems() const
{
    QStringList items;
    for (const LeftOut &entry : leftOut)
        items << entry.item;
    return items;
}

void WorkerOutcome::addWritten(const QString &path, const QString &askedName)
{
    written.append({path, !askedName.isEmpty() && QFileInfo(path).fileName() != askedName});
}

QString WorkerOutcome::reasonFor(int pdfErrorCode)
{
    switch (pdfErrorCode) {
    case PdfErrorCode::PasswordNeeded:
        return Reason::Password;
    case PdfErrorCode::OutOfMemory:
        return Reason::OutOfMemory;
    default:
        return PdfErrorCode::isWriteFailure(pdfErrorCode) ? Reason::NotWritten : Reason::Unreadable;
    }
}

void WorkerOutcome::writeInto(QJsonObject &object) const
{
    object.insert(keyErrorCode, code);
    QJsonArray files;
    for (const Written &file : written) {
        QJsonObject entry{{keyFileName, file.path}};
        if (file.renamed)
            entry.insert(keyRenamed, true);
        files.append(entry);
    }
    object.insert(keyFiles, files);
    if (!leftOut.isEmpty()) {
        QJsonArray entries;
        for (const LeftOut &entry : leftOut)
            entries.append(QJsonObject{{keyItem, entry.item}, {keyReason, entry.reason}});
        object.insert(keyLeftOut, entries);
    }
    if (!oversized.isEmpty())
        object.insert(keyOversized, fileArray(oversized));
    if (!writeError.isEmpty())
        object.insert(keyWriteError, writeError);
    if (!problems.isEmpty())
        object.insert(keyProblems, QJsonArray::fromStringList(problems));
}

WorkerOutcome WorkerOutcome::read(const RecordReader &record)
{
    WorkerOutcome outcome;
    outcome.code = record.number(keyErrorCode);
    for (const RecordReader &file : record.records(keyFiles, maxEntries)) {
        const QString path = file.text(keyFileName);
        if (!path.isEmpty())
            outcome.written.append({path, file.flag(keyRenamed)});
    }
    for (const RecordReader &entry : record.records(keyLeftOut, maxEntries))
        outcome.leftOut.append({entry.text(keyItem), entry.text(keyReason)});
    for (const RecordReader &file : record.records(keyOversized, maxEntries)) {
        const QString path = file.text(keyFileName);
        if (!path.isEmpty())
            outcome.oversized << path;
    }
    outcome.writeError = record.text(keyWriteError);
    outcome.problems = record.texts(keyProblems);
    return outcome;
}

WorkerOutcome WorkerOutcome::ended(int code, const QStringList &files)
{
    WorkerOutcome outcome;
    outcome.code = code;
    for (const QString &file : files)
        outcome.written.append({file, false});
    return outcome;
}

bool WorkerOutcome::operator==(const WorkerOutcome &other) const
{
    return code == other.code && written == other.written && leftOut == other.leftOut
        && oversized == other.oversized && writeError == other.writeError && problems == other.problems;
}
