#pragma once

#include "merge/MergeRequest.h"
#include "merge/MergeResponse.h"
#include "split/WorkerCode.h"

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

// Runs one merge at a time in the worker process: writes the request into a
// fresh owner-only session folder, starts "pdfworker --merge REQUEST" and
// turns the worker's end into one finished() signal. Lives on the interface
// thread; the only blocking call is the wait for the worker to start.
class MergeLauncher : public QObject
{
    Q_OBJECT
public:
    // finished() code when the response file is missing or cannot be
    // decoded, and when the worker was killed or crashed with exit code 0.
    static constexpr int ResponseUnreadableCode = WorkerCode::Failed;

    explicit MergeLauncher(QObject *parent = nullptr);
    // Kills a running worker and removes the last session folder (it holds
    // the request with the passwords).
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

    QString sessionId() const { return m_sessionId; }
    QString sessionDirectory() const { return m_sessionDirectory; }
    QString requestPath() const;
    QString responsePath() const;
    // The inputs the last finished run left out (from its response).
    QStringList errorFiles() const { return m_lastResponse.errorFiles; }
    // The worker executable of this program (InstallLayout::workerProgram).
    static QString workerExecutable();
    // Replaces the program to start (for a relocated installation).
    void setWorkerProgram(const QString &program) { m_workerProgram = program; }

signals:
    void started();
    void finished(int exitCode, QString mergedFileName);

public slots:
    // Starts a worker for the pending request; does nothing while one runs.
    void run();
    // Kills a running worker (its finished() then reports failure).
    void cancel();
    void onFinished(int exitCode, QProcess::ExitStatus exitStatus);
    void onStarted();
    // A worker that cannot be started (missing, not executable) ends the
    // run with finished(WorkerCode::NotStarted, ""), once.
    void onError(QProcess::ProcessError error);
    void onReadyReadStandardError();
    void onReadyReadStandardOutput();
    void onStateChanged(QProcess::ProcessState newState);

private:
    void beginSession();
    void replaceProcess();

    QProcess *m_process = nullptr;
    QString m_sessionId;
    QString m_sessionDirectory;
    QString m_workerProgram;
    MergeRequest m_request;
    MergeResponse m_lastResponse;
};
