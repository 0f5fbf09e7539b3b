#pragma once

#include "protocol/WorkerOutcome.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The words for how a split or a merge ended, from one table shared by the
// split and merge screens and the command line: what happened, its cause
// when the system said, and what was kept. Without widgets, so the command
// line uses it as it is; translated with the program's translations.
class OutcomeText
{
    Q_DECLARE_TR_FUNCTIONS(OutcomeText)
public:
    enum Job { Split, Merge };

    // outputFolder: where the run writes (native separators or not); source:
    // the document a split reads (used when it is missing).
    OutcomeText(Job job, const QString &outputFolder, const QString &source = QString());

    // The folder named when working files cannot be written, and the worker
    // program named when it cannot be started: by default the user's cache
    // folder (FileUtils::userCacheFolder) and InstallLayout::workerProgram.
    void setCacheFolder(const QString &folder) { m_cacheFolder = folder; }
    void setWorkerProgram(const QString &program) { m_workerProgram = program; }

    // "Split failed", "Split canceled", "Merge failed" or "Merge canceled".
    QString caption(const WorkerOutcome &outcome) const;
    // For a run that did not succeed: what happened, why when known, and
    // what was kept. Empty for a success.
    QString failure(const WorkerOutcome &outcome) const;
    // For a run that wrote its files: what the user would not expect, one
    // paragraph each (files renamed because their names were taken, parts
    // larger than the size limit). Empty when there is nothing to tell.
    QStringList notes(const WorkerOutcome &outcome) const;
    // One left-out input or range, with why: "a.pdf: its password is
    // missing or wrong."
    QString leftOutLine(const WorkerOutcome::LeftOut &entry) const;

    // Why something was left out, as a phrase ("its password is missing or
    // wrong"); the reason itself for one this table does not know.
    static QString reasonText(const QString &reason);
    // A split of a protected document writes unprotected files: said after
    // every such split, so that nobody finds out later.
    static QString unprotectedNote(const QString &source);

private:
    QString keptText(const WorkerOutcome &outcome) const;
    QString causeOrAdvice(const WorkerOutcome &outcome, const char *advice) const;
    QString renamedNote(const WorkerOutcome &outcome) const;
    QString oversizedNote(const WorkerOutcome &outcome) const;

    Job m_job;
    QString m_folder;
    QString m_source;
    QString m_cacheFolder;
    QString m_workerProgram;
};
