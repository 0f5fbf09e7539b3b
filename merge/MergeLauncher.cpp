#include "merge/MergeLauncher.h"

#include "app/InstallLayout.h"
#include "app/Logger.h"
#include "protocol/WorkerFile.h"

#include <QDebug>
#include <QFileInfo>

MergeLauncher::MergeLauncher(QObject *parent)
    : QObject(parent)
    , m_worker(QStringLiteral("merge"), workerExecutable())
{
    qRegisterMetaType<WorkerOutcome>();
    connect(&m_worker, &WorkerProcess::started, this, &MergeLauncher::started);
    connect(&m_worker, &WorkerProcess::ended, this, &MergeLauncher::onWorkerEnded);
    connect(&m_worker, &WorkerProcess::notRun, this, [this](int code) { end(WorkerOutcome::ended(code)); });
}

MergeLauncher::~MergeLauncher() = default;

void MergeLauncher::setRequest(const MergeRequest &request)
{
    m_request = request;
}

bool MergeLauncher::isRunning() const
{
    return m_worker.isRunning();
}

QString MergeLauncher::sessionId() const
{
    return m_worker.sessionId();
}

QString MergeLauncher::sessionDirectory() const
{
    return m_worker.sessionDirectory();
}

QString MergeLauncher::workerExecutable()
{
    return InstallLayout::workerProgram();
}

QString MergeLauncher::requestPath() const
{
    return m_worker.requestPath();
}

QString MergeLauncher::responsePath() const
{
    return m_worker.responsePath();
}

void MergeLauncher::run()
{
    // A process that exists but has not reached the running state yet counts
    // as running too: a second click must not start a second worker.
    if (m_worker.isActive())
        return;
    m_outcome = WorkerOutcome();
    const QString outputFolder =
        m_request.saveFileName.isEmpty() ? QString() : QFileInfo(m_request.saveFileName).absolutePath();
    if (!m_worker.beginSession(outputFolder)) {
        m_worker.endWithoutWorker(WorkerCode::NoWorkingFolder);
        return;
    }
    m_request.cachePath = sessionDirectory();
    m_request.sessionId = sessionId();
    if (!writeRequestData(m_request)) {
        Logger::instance().log(QStringLiteral("Can not write merge request: %1").arg(requestPath()), LogError);
        m_worker.endWithoutWorker(WorkerCode::NoWorkingFolder);
        return;
    }
    m_worker.start(QStringLiteral("--merge"));
}

bool MergeLauncher::writeRequestData(MergeRequest &request)
{
    qDebug() << Q_FUNC_INFO << "Data:" << WorkerFile::encode(request.toRedactedJson());
    return WorkerFile::write(requestPath(), request.toJson());
}

MergeResponse MergeLauncher::readResponse() const
{
    const QString path = responsePath();
    MergeResponse failed;
    failed.outcome.code = ResponseUnreadableCode;
    if (!QFileInfo::exists(path)) {
        Logger::instance().log(QStringLiteral("Loading merge response file [FAILED]: %1").arg(path), LogError);
        return failed;
    }
    QJsonObject object;
    QString problem;
    if (!WorkerFile::read(path, object, &problem)) {
        // An undecodable response is a failure, not a success with no file.
        Logger::instance().log(QStringLiteral("Loading merge response file [FAILED]: %1 (%2)").arg(path, problem),
                               LogError);
        return failed;
    }
    QStringList problems;
    const MergeResponse response = MergeResponse::fromJson(object, &problems);
    if (!problems.isEmpty()) {
        Logger::instance().log(QStringLiteral("Loading merge response file [FAILED]: %1 (%2)")
                                   .arg(path, problems.join(QStringLiteral("; "))), LogError);
        return failed;
    }
    Logger::instance().log(QStringLiteral("Merge response file open [OK]"), LogDebug);
    return response;
}

void MergeLauncher::cancel()
{
    m_worker.cancel();
}

void MergeLauncher::onWorkerEnded(int exitCode, QProcess::ExitStatus exitStatus)
{
    // A killed worker may report exit code 0. Its response is written whole
    // or not at all: one that is there was written by a worker that had
    // finished and was killed on its way out (a cancel's kill can come then).
    if (exitStatus != QProcess::NormalExit && !QFileInfo::exists(responsePath())) {
        end(WorkerOutcome::ended(m_worker.cancelRequested() ? int(WorkerCode::Canceled) : int(WorkerCode::Crashed)));
        return;
    }
    if (exitStatus == QProcess::NormalExit && exitCode != 0) {
        end(WorkerOutcome::ended(exitCode));
        return;
    }
    end(readResponse().outcome);
}

void MergeLauncher::end(const WorkerOutcome &outcome)
{
    m_outcome = outcome;
    emit finished(m_outcome);
}
