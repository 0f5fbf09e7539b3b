#pragma once

#include "merge/MergeRequest.h"
#include "merge/MergeResponse.h"
#include "protocol/WorkerCode.h"
#include "protocol/WorkerProcess.h"

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

// Runs one merge at a time in the worker process: writes the request into a
// fresh owner-only session folder, starts "pdfworker --merge REQUEST" and
// turns the worker's end into one finished() signal. However the worker ends
// (finished, crashed, killed, cancelled, launcher destroyed), the session's
// temporary files in the output folder are removed, and nothing else. Lives
// on the interface thread; the only blocking call is the wait for the worker
// to start.
class MergeLauncher : public QObject
{
    Q_OBJECT
public:
    // finished() code when the response file is missing or cannot be
    // decoded, and when the worker was killed or crashed.
    static constexpr int ResponseUnreadableCode = WorkerCode::Failed;
    // How long a cancelled worker may take to stop in order before it is killed.
    static constexpr int cancelGraceMs = WorkerProcess::cancelGraceMs;

    // Also removes the session folders of instances that are no longer
    // running (crashed or killed ones leave requests with passwords).
    explicit MergeLauncher(QObject *parent = nullptr);
    // Kills a running worker, removes its temporary files and the last
    // session folder (it holds the request with the passwords).
    ~MergeLauncher() override;

    // Stores a copy; the next run() sends it.
    void setRequest(const MergeRequest &request);
    MergeRequest request() const { return m_request; }
    // A worker process exists and is running.
    bool isRunning() const;
    // Builds the request's JSON, traces it with the passwords blanked and
    // writes it into the request file of the current session. False when the
    // file could not be written.
    bool writeRequestData(MergeRequest &request);
    // The response of the current session; code 1 when it is missing or not
    // Base64 JSON.
    MergeResponse readResponse() const;

    QString sessionId() const;
    QString sessionDirectory() const;
    QString requestPath() const;
    QString responsePath() const;
    // The inputs the last finished run left out (from its response).
    QStringList errorFiles() const { return m_lastResponse.errorFiles; }
    // Why the last run could not write the merged file, when its response
    // told (WriteError values); empty otherwise.
    QString writeError() const { return m_lastResponse.writeError; }
    // Why the last run's request was refused, naming the task, when its
    // response told; empty otherwise.
    QString problem() const { return m_lastResponse.problem; }
    // The worker executable of this program (InstallLayout::workerProgram).
    static QString workerExecutable();
    // Replaces the program to start (for a relocated installation).
    void setWorkerProgram(const QString &program) { m_worker.setProgram(program); }

signals:
    void started();
    void finished(int exitCode, QString mergedFileName);

public slots:
    // Starts a worker for the pending request; does nothing while one runs.
    // A worker that cannot be started (missing, not executable) ends the
    // run with finished(WorkerCode::NotStarted, ""), once.
    void run();
    // Asks a running worker to stop (SIGTERM); one that does not end within
    // cancelGraceMs is killed. finished() then carries WorkerCode::Canceled
    // and no file, and nothing of the merge is left behind; or 0 and the
    // file when the worker had already finished it.
    void cancel();

private:
    void onWorkerEnded(int exitCode, QProcess::ExitStatus exitStatus);

    WorkerProcess m_worker;
    MergeRequest m_request;
    MergeResponse m_lastResponse;
};
