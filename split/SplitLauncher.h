#pragma once

#include "split/SplitRequest.h"
#include "split/SplitResponse.h"
#include "protocol/WorkerProcess.h"

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QStringList>

// Runs one pdfworker split at a time for the split controller: writes the
// request into a fresh owner-only session folder, starts the worker, turns
// its progress lines into progressChanged and reads the response back.
// However the worker ends (finished, crashed, killed, cancelled, launcher
// destroyed), the session's temporary files in the output folder are
// removed, and nothing else. Lives on the interface thread.
class SplitLauncher : public QObject
{
    Q_OBJECT

public:
    // How long a cancelled worker may take to stop in order before it is killed.
    static constexpr int cancelGraceMs = WorkerProcess::cancelGraceMs;

    // Also removes the session folders of instances that are no longer
    // running (crashed or killed ones leave requests with passwords).
    explicit SplitLauncher(QObject *parent = nullptr);
    // Kills a running worker, removes its temporary files and the current
    // session folder.
    ~SplitLauncher() override;

    // Stores a copy; used by the next run().
    void setRequest(const SplitRequest &request);
    SplitRequest request() const { return m_request; }

    // True while a worker process exists and is running.
    bool isRunning() const;

    // The worker of the running program (InstallLayout::workerProgram).
    static QString defaultWorkerProgram();
    // Replaces the program to start (for a relocated installation).
    void setWorkerProgram(const QString &program) { m_worker.setProgram(program); }

    // The session folder of the current run (native separators); empty before the first run.
    QString sessionDirectory() const;
    QString sessionId() const;
    // How the last run ended, as its response told, or as the launcher saw
    // it when no response could be trusted (the worker not started, killed,
    // crashed: then with the files its list shows written whole).
    const WorkerOutcome &outcome() const { return m_outcome; }
    QStringList files() const { return m_outcome.files(); }

    // Writes the request file of the pending request's session: Base64 of its
    // JSON. False when the file could not be written. The trace line shows the
    // data with every password blanked.
    bool writeRequestData(SplitRequest &request);

    // The response of the current session; WorkerCode::Failed with no files
    // when it cannot be opened, decoded or parsed, or answers another session.
    SplitResponse readResponse() const;

    // The files a worker that did not answer had written whole, from the
    // list it keeps while it runs (only those still present).
    QStringList filesWrittenSoFar() const;

    // Feeds worker output into buffer and returns through value the last
    // complete line's number (0 for a line that is not a number). False when
    // no complete non-empty line arrived; a partial line stays in buffer.
    static bool takeProgress(QByteArray &buffer, const QByteArray &chunk, double &value);

signals:
    void progressChanged(double percentage);
    void started();
    // The run ended, as outcome tells (also kept as outcome()).
    void finished(const WorkerOutcome &outcome);

public slots:
    // Starts a worker for the pending request; does nothing while one runs.
    // A worker that cannot be started (missing, not executable) ends the
    // run with finished() and WorkerCode::NotStarted, once.
    void run();
    // Asks a running worker to stop (SIGTERM): it stops between outputs and
    // answers WorkerCode::Canceled with the files written whole, or a
    // success when it had already written everything. One that does not end within
    // cancelGraceMs is killed. finished() follows either way.
    void cancel();

private:
    QString requestPath() const;
    QString responsePath() const;
    void onWorkerEnded(int exitCode, QProcess::ExitStatus exitStatus);
    void onOutput(const QByteArray &data);
    void end(const WorkerOutcome &outcome);

    SplitRequest m_request;
    WorkerOutcome m_outcome;
    WorkerProcess m_worker;
    QByteArray m_progressBuffer;
};
