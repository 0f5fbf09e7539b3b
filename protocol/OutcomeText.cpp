#include "protocol/OutcomeText.h"

#include "app/FileUtils.h"
#include "app/InstallLayout.h"
#include "protocol/WriteError.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// What fills the %1 of a row's sentence.
enum class Fill { Nothing, Worker, Cache, Folder, Code, Problems, Source };
// What follows the sentence: the cause of a write failure (or, when the
// system gave none, the row's advice), and what was kept.
enum Tail { None = 0, Cause = 1, Kept = 2 };

struct Row
{
    int code;
    OutcomeText::Job job;
    const char *text;
    Fill fill;
    int tail;
    const char *advice;
};

// The sentences are marked here and translated where they are used.
const Row rows[] = {
    {WorkerCode::NotStarted, OutcomeText::Split,
     QT_TRANSLATE_NOOP("OutcomeText", "The split could not start: the helper program %1 is missing or cannot be run. "
                                      "Reinstalling Sheafwright should mend this."),
     Fill::Worker, None, nullptr},
    {WorkerCode::NotStarted, OutcomeText::Merge,
     QT_TRANSLATE_NOOP("OutcomeText", "The merge could not start: the helper program %1 is missing or cannot be run. "
                                      "Reinstalling Sheafwright should mend this."),
     Fill::Worker, None, nullptr},
    {WorkerCode::NoWorkingFolder, OutcomeText::Split,
     QT_TRANSLATE_NOOP("OutcomeText", "The split could not start: its working files could not be written into %1. "
                                      "Check that the disk is not full."),
     Fill::Cache, None, nullptr},
    {WorkerCode::NoWorkingFolder, OutcomeText::Merge,
     QT_TRANSLATE_NOOP("OutcomeText", "The merge could not start: its working files could not be written into %1. "
                                      "Check that the disk is not full."),
     Fill::Cache, None, nullptr},
    {WorkerCode::ResponseNotWritten, OutcomeText::Split,
     QT_TRANSLATE_NOOP("OutcomeText", "The split could not finish: its working files could not be written into %1. "
                                      "Check that the disk is not full."),
     Fill::Cache, Kept, nullptr},
    // The worker takes back a merged file it cannot report.
    {WorkerCode::ResponseNotWritten, OutcomeText::Merge,
     QT_TRANSLATE_NOOP("OutcomeText", "The merge could not finish: its working files could not be written into %1. "
                                      "Check that the disk is not full. No merged file was written."),
     Fill::Cache, None, nullptr},
    {WorkerCode::Canceled, OutcomeText::Split, QT_TRANSLATE_NOOP("OutcomeText", "The split was stopped."),
     Fill::Nothing, Kept, nullptr},
    // A stopped merge writes nothing.
    {WorkerCode::Canceled, OutcomeText::Merge,
     QT_TRANSLATE_NOOP("OutcomeText", "The merge was stopped. No merged file was written."), Fill::Nothing, None,
     nullptr},
    {WorkerCode::Crashed, OutcomeText::Split,
     QT_TRANSLATE_NOOP("OutcomeText", "The split stopped unexpectedly: the helper program pdfworker ended before it "
                                      "finished."),
     Fill::Nothing, Kept, nullptr},
    {WorkerCode::Crashed, OutcomeText::Merge,
     QT_TRANSLATE_NOOP("OutcomeText", "The merge stopped unexpectedly: the helper program pdfworker ended before it "
                                      "finished. No merged file was written."),
     Fill::Nothing, None, nullptr},
    {WorkerCode::NothingProduced, OutcomeText::Split, QT_TRANSLATE_NOOP("OutcomeText", "No file could be written into %1."),
     Fill::Folder, Cause,
     QT_TRANSLATE_NOOP("OutcomeText", "Check that the folder can be written to and that the disk is not full.")},
    {WorkerCode::NothingProduced, OutcomeText::Merge, QT_TRANSLATE_NOOP("OutcomeText", "No merged file was written."),
     Fill::Nothing, Cause, nullptr},
    {WorkerCode::Incomplete, OutcomeText::Split, QT_TRANSLATE_NOOP("OutcomeText", "Not every file could be written."),
     Fill::Nothing, Cause | Kept, QT_TRANSLATE_NOOP("OutcomeText", "Check that the disk is not full.")},
    {WorkerCode::Incomplete, OutcomeText::Merge,
     QT_TRANSLATE_NOOP("OutcomeText", "The merged file could not be written into %1."), Fill::Folder, Cause | Kept,
     QT_TRANSLATE_NOOP("OutcomeText", "Check that the disk is not full.")},
    {WorkerCode::PagesOutsideDocument, OutcomeText::Split,
     QT_TRANSLATE_NOOP("OutcomeText", "A page range asks for pages the document does not have."), Fill::Nothing, Kept,
     nullptr},
    {WorkerCode::SourceMissing, OutcomeText::Split,
     QT_TRANSLATE_NOOP("OutcomeText", "The document %1 could not be found."), Fill::Source, Kept, nullptr},
    {WorkerCode::RequestInvalid, OutcomeText::Split,
     QT_TRANSLATE_NOOP("OutcomeText", "The split could not start: the helper program refused its request (%1)."),
     Fill::Problems, None, nullptr},
    {WorkerCode::RequestInvalid, OutcomeText::Merge,
     QT_TRANSLATE_NOOP("OutcomeText", "The merge could not start: the helper program refused its request (%1)."),
     Fill::Problems, None, nullptr},
};

// For any other code.
const Row otherSplit = {-1, OutcomeText::Split,
                        QT_TRANSLATE_NOOP("OutcomeText", "The document could not be split (error %1)."), Fill::Code,
                        Kept, nullptr};
const Row otherMerge = {-1, OutcomeText::Merge,
                        QT_TRANSLATE_NOOP("OutcomeText", "No merged file was written (error %1)."), Fill::Code, None,
                        nullptr};

const Row &rowFor(OutcomeText::Job job, int code)
{
    for (const Row &row : rows) {
        if (row.job == job && row.code == code)
            return row;
    }
    return job == OutcomeText::Split ? otherSplit : otherMerge;
}

QString translated(const char *text)
{
    return QCoreApplication::translate("OutcomeText", text);
}

// Up to three file names, then an ellipsis.
QString someNames(const QStringList &paths)
{
    QStringList names;
    for (const QString &path : paths.mid(0, 3))
        names << QFileInfo(path).fileName();
    if (paths.size() > 3)
        names << QStringLiteral("\u2026");
    return names.join(QStringLiteral(", "));
}

QString joined(const QStringList &sentences)
{
    QStringList parts;
    for (const QString &sentence : sentences) {
        if (!sentence.isEmpty())
            parts << sentence;
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

OutcomeText::OutcomeText(Job job, const QString &outputFolder, const QString &source)
    : m_job(job)
    , m_folder(QDir::toNativeSeparators(outputFolder))
    , m_source(QDir::toNativeSeparators(source))
    , m_cacheFolder(FileUtils::userCacheFolder())
    , m_workerProgram(QDir::toNativeSeparators(InstallLayout::workerProgram()))
{
}

QString OutcomeText::caption(const WorkerOutcome &outcome) const
{
    const bool canceled = outcome.code == WorkerCode::Canceled;
    if (m_job == Split)
        return canceled ? tr("Split canceled") : tr("Split failed");
    return canceled ? tr("Merge canceled") : tr("Merge failed");
}

QString OutcomeText::failure(const WorkerOutcome &outcome) const
{
    if (outcome.succeeded())
        return QString();
    const Row &row = rowFor(m_job, outcome.code);
    QString text = translated(row.text);
    switch (row.fill) {
    case Fill::Worker:
        text = text.arg(m_workerProgram);
        break;
    case Fill::Cache:
        text = text.arg(m_cacheFolder);
        break;
    case Fill::Folder:
        text = text.arg(m_folder);
        break;
    case Fill::Code:
        text = text.arg(outcome.code);
        break;
    case Fill::Problems:
        text = text.arg(outcome.problems.join(QStringLiteral("; ")));
        break;
    case Fill::Source:
        text = text.arg(m_source);
        break;
    case Fill::Nothing:
        break;
    }
    const QString cause = (row.tail & Cause) ? causeOrAdvice(outcome, row.advice) : QString();
    text = joined({text, cause, (row.tail & Kept) ? keptText(outcome) : QString()});
    // A merge names every input it had to leave out, with why.
    if (m_job == Merge && !outcome.leftOut.isEmpty()) {
        QStringList lines;
        for (const WorkerOutcome::LeftOut &entry : outcome.leftOut)
            lines << leftOutLine(entry);
        text += QStringLiteral("\n\n") + lines.join(QLatin1Char('\n'));
    }
    return text;
}

QString OutcomeText::causeOrAdvice(const WorkerOutcome &outcome, const char *advice) const
{
    const QString cause = WriteError::sentence(outcome.writeError);
    if (!cause.isEmpty())
        return cause;
    return advice ? translated(advice) : QString();
}

// What a failed run kept, and for a split the pages no file holds.
QString OutcomeText::keptText(const WorkerOutcome &outcome) const
{
    if (m_job == Merge)
        return tr("Nothing was left behind.");
    const int kept = outcome.written.size();
    QString text;
    if (kept == 0)
        text = tr("No file was written.");
    else if (outcome.code == WorkerCode::Canceled)
        text = tr("%1 files written before the stop are complete and were kept in %2.", nullptr, kept)
                   .arg(kept)
                   .arg(m_folder);
    else
        text = tr("%1 files written before the failure are complete and were kept in %2.", nullptr, kept)
                   .arg(kept)
                   .arg(m_folder);
    QStringList pages;
    for (const WorkerOutcome::LeftOut &entry : outcome.leftOut)
        pages << entry.item;
    if (!pages.isEmpty() && outcome.code != WorkerCode::Canceled)
        text += QLatin1Char(' ') + tr("No file holds these pages: %1.").arg(pages.join(QStringLiteral(", ")));
    return text;
}

QStringList OutcomeText::notes(const WorkerOutcome &outcome) const
{
    QStringList notes;
    for (const QString &note : {renamedNote(outcome), oversizedNote(outcome)}) {
        if (!note.isEmpty())
            notes << note;
    }
    return notes;
}

QString OutcomeText::renamedNote(const WorkerOutcome &outcome) const
{
    const QStringList renamed = outcome.renamedFiles();
    if (renamed.isEmpty())
        return QString();
    if (m_job == Merge) {
        const QString written = QFileInfo(renamed.first()).fileName();
        QString asked = written;
        asked.remove(QRegularExpression(QStringLiteral("^\\(\\d+\\)")));
        return tr("The merged file was saved as %1, because a file named %2 already exists.").arg(written, asked);
    }
    return tr("%1 files got a number in front of their names, because files of those names already exist: %2",
              nullptr, renamed.size())
        .arg(QString::number(renamed.size()), someNames(renamed));
}

QString OutcomeText::oversizedNote(const WorkerOutcome &outcome) const
{
    if (outcome.oversized.isEmpty())
        return QString();
    return tr("%1 pages are larger than the size limit by themselves and were each saved in a file of their "
              "own: %2", nullptr, outcome.oversized.size())
        .arg(QString::number(outcome.oversized.size()), someNames(outcome.oversized));
}

QString OutcomeText::leftOutLine(const WorkerOutcome::LeftOut &entry) const
{
    const QString item = m_job == Merge ? QFileInfo(entry.item).fileName() : entry.item;
    return tr("%1: %2.").arg(item, reasonText(entry.reason));
}

QString OutcomeText::reasonText(const QString &reason)
{
    if (reason == WorkerOutcome::Reason::Password)
        return tr("its password is missing or wrong");
    if (reason == WorkerOutcome::Reason::Unreadable)
        return tr("it is damaged or is not a PDF file");
    if (reason == WorkerOutcome::Reason::OutOfMemory)
        return tr("the computer ran out of memory while reading it");
    if (reason == WorkerOutcome::Reason::NotWritten)
        return tr("it could not be written");
    return reason;
}

QString OutcomeText::unprotectedNote(const QString &source)
{
    return tr("%1 is protected, but the new files are not: anyone can open, print and copy them.")
        .arg(QFileInfo(source).fileName());
}
