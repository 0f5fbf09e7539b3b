#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>

#include <memory>

class SessionFolder;

// One pdfworker run at a time, as the split and merge launchers need it: a
// fresh owner-only session folder in the cache for the request and the
// response, the process started on that request, a cancel that escalates
// to a kill, and the run's temporary files in the output folder removed
// however the worker ends (and nothing else). Lives on the interface
// thread; the only blocking call is the wait for the worker to start.
class WorkerProcess : public QObject
{
    Q_OBJECT
public:
    // How long a cancelled worker may take to stop in order before it is
    // killed. Short, so a cancel is over at once: a killed worker's scratch
    // files and unfinished outputs are removed here, and what it moved into
    // place before is whole (outputs reach their names by an atomic rename).
    static constexpr int cancelGraceMs = 150;

    // job names the run in log lines ("split", "merge"). Also removes the
    // session folders of instances that are no longer running (crashed or
    // killed ones leave requests with passwords).
    WorkerProcess(const QString &job, const QString &program, QObject *parent = nullptr);
    // Kills a running worker, removes its temporary files and the last
    // session folder (it holds the request with the passwords).
    ~WorkerProcess() override;

    void setProgram(const QString &program) { m_program = program; }
    // A worker process exists and is running.
    bool isRunning() const;
    // A worker process exists and has not ended: also the moments between
    // its start and the started notification.
    bool isActive() const;

    // Replaces the previous run's session folder with a new one that notes
    // outputFolder (whose temporary files of this session go when the run
    // ends). False, logged, when the folder cannot be prepared.
    bool beginSession(const QString &outputFolder);
    QString sessionId() const;
    // Native separators; empty before the first run.
    QString sessionDirectory() const;
    QString requestPath() const;
    QString responsePath() const;

    // Starts the program on the session's request file with mode
    // ("--split", "--merge").
    void start(const QString &mode);
    // Asks a running worker to stop (SIGTERM); one that does not end within
    // cancelGraceMs is killed.
    void cancel();
    bool cancelRequested() const { return m_cancelRequested; }

    // notRun(code) once control is back in the event loop, so that callers
    // see the same order as with a worker that ran.
    void endWithoutWorker(int code);

signals:
    void started();
    // Standard output of the worker, as it arrives.
    void output(const QByteArray &data);
    // The worker ended; its temporary files in the output folder are gone.
    void ended(int exitCode, QProcess::ExitStatus exitStatus);
    // The run ended without a worker (endWithoutWorker(), or a program that
    // could not be started: WorkerCode::NotStarted).
    void notRun(int code);

private:
    void replaceProcess();
    void onFinished(int exitCode, QProcess::ExitStatus exitStatus);
    void onError(QProcess::ProcessError error);
    void killWorker();
    void removeTemporaryFiles() const;
    // After a worker that did not end by itself: its scratch folders in the
    // session (decrypted copies, merge steps) and the empty name claims of a
    // move it did not finish (some file systems move over such a claim).
    void removeLeftoversOfKilledWorker() const;

    QString m_job;
    QString m_program;
    QProcess *m_process = nullptr;
    std::unique_ptr<SessionFolder> m_session;
    QString m_outputFolder;   // of the current run
    QTimer m_killTimer;
    bool m_cancelRequested = false;
};
