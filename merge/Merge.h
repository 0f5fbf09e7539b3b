#pragma once

#include "merge/DocumentProperties.h"
#include "merge/MergeLauncher.h"
#include "merge/MergeModel.h"

#include <QObject>
#include <QString>
#include <memory>

class DebenuService;

// The interface side of merging: owns the merge list and the worker
// launcher, turns the list and the settings into a merge request and relays
// the worker's outcome. One instance lives as long as the program, so the
// list survives switching screens. Interface thread only.
class Merge : public QObject
{
    Q_OBJECT
public:
    // service: used by the list to try typed passwords.
    explicit Merge(std::shared_ptr<DebenuService> service = nullptr, QObject *parent = nullptr);
    ~Merge() override;

    MergeModel *model();
    // Who answers the password questions of run() (not owned).
    void setPasswordPrompt(IPasswordPrompt *prompt);

    // Password for the merged file; empty for an unprotected result.
    void setPassword(const QString &password);
    QString password() const;
    // Full path of the merged file of the next run.
    void setSaveFileName(const QString &fileName);
    QString saveFileName() const;

    // How the files' pages follow each other in the next run (see
    // MergeRequest): one from each file in turn, the last file's from its
    // end; or a blank page after every file with an odd number of pages.
    // The worker refuses interleaving together with blank pages: the screen
    // offers one at a time.
    void setInterleave(bool interleave) { m_interleave = interleave; }
    bool interleave() const { return m_interleave; }
    void setInterleaveReverseLast(bool reverseLast) { m_interleaveReverseLast = reverseLast; }
    bool interleaveReverseLast() const { return m_interleaveReverseLast; }
    void setBlankAfterOdd(bool blankAfterOdd) { m_blankAfterOdd = blankAfterOdd; }
    bool blankAfterOdd() const { return m_blankAfterOdd; }

    // The program's defaults (DocumentProperties::programDefaults) with the
    // "Publisher" setting and the password above. Opens the settings once.
    DocumentProperties documentProperties() const;

    bool isRunning() const;
    // The user asked to stop the current (or last) run.
    bool isCancelRequested() const { return m_cancelRequested; }
    // The request of the current or last run (holds passwords: never log it).
    MergeRequest request() const;
    // How the last run ended, as the worker told it (the merged file, the
    // inputs it left out with why, the cause of a write failure).
    const WorkerOutcome &outcome() const { return m_outcome; }
    // Every file of the list that is not in the last run's merged file, with
    // why, whoever left it out: the password walk (skipped, unreadable,
    // without pages) or the worker. In list order, full paths.
    QList<WorkerOutcome::LeftOut> leftOut() const;
    // The paths of leftOut().
    QStringList leftOutFiles() const;

    // The worker launcher (for replacing the worker program).
    MergeLauncher *launcher() { return &m_launcher; }

signals:
    void started();
    void finished(int errorCode, QString mergedFileName);
    void complete();

public slots:
    // Starts a merge of the list unless one runs, the list holds fewer than
    // two files or a row's page choice is refused (the screen says why
    // before it calls this). May ask for missing passwords first (modal,
    // blocking).
    void run();
    // Kills a running worker; finished() then reports a nonzero code.
    void cancel();
    void onFinished(const WorkerOutcome &outcome);

private:
    MergeModel m_model;
    MergeLauncher m_launcher;
    QString m_password;
    QString m_saveFileName;
    // Files of the list that the password walk kept out of the last request.
    QList<WorkerOutcome::LeftOut> m_leftOutByList;
    WorkerOutcome m_outcome;
    bool m_cancelRequested = false;
    bool m_interleave = false;
    bool m_interleaveReverseLast = false;
    bool m_blankAfterOdd = false;
};
