#include "merge/MergeLauncher.h"

#include "app/FileUtils.h"
#include "app/InstallLayout.h"
#include "app/Logger.h"
#include "app/SessionFolder.h"
#include "split/WorkerCode.h"
#include "split/WorkerFile.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace {
const int startTimeoutMs = 30000;
const int killWaitMs = 5000;
}

MergeLauncher::MergeLauncher(QObject *parent)
    : QObject(parent)
    , m_workerProgram(workerExecutable())
{
    SessionFolder::removeStale(FileUtils::cacheDirectory());
    m_killTimer.setSingleShot(true);
    m_killTimer.setInterval(cancelGraceMs);
    connect(&m_killTimer, &QTimer::timeout, this, &MergeLauncher::killWorker);
}

MergeLauncher::~MergeLauncher()
{
    if (m_process) {
        m_process->disconnect(this);
        if (m_process->state() != QProcess::NotRunning) {
            m_process->kill();
            m_process->waitForFinished(killWaitMs);
        }
        delete m_process;
        removeTemporaryFiles();
    }
}

void MergeLauncher::setRequest(const MergeRequest &request)
{
    m_request = request;
}

bool MergeLauncher::isRunning() const
{
    return m_process && m_process->state() == QProcess::Running;
}

QString MergeLauncher::sessionId() const
{
    return m_session ? m_session->id() : QString();
}

QString MergeLauncher::sessionDirectory() const
{
    return m_session ? m_session->path() : QString();
}

QString MergeLauncher::workerExecutable()
{
    return InstallLayout::workerProgram();
}

QString MergeLauncher::requestPath() const
{
    return QDir::toNativeSeparators(QStringLiteral("%1/%2.req").arg(sessionDirectory(), sessionId()));
}

QString MergeLauncher::responsePath() const
{
    return QDir::toNativeSeparators(QStringLiteral("%1/%2.resp").arg(sessionDirectory(), sessionId()));
}

void MergeLauncher::run()
{
    // A process that exists but has not reached the running state yet counts
    // as running too: a second click must not start a second worker.
    if (m_process && m_process->state() != QProcess::NotRunning)
        return;
    m_cancelRequested = false;
    m_killTimer.stop();
    if (!beginSession()) {
        finishWithoutWorker(WorkerCode::NoWorkingFolder);
        return;
    }
    m_outputFolder = m_request.saveFileName.isEmpty() ? QString() : QFileInfo(m_request.saveFileName).absolutePath();
    m_request.cachePath = sessionDirectory();
    m_request.sessionId = sessionId();
    if (!m_session->noteOutputFolder(m_outputFolder) || !writeRequestData(m_request)) {
        Logger::instance().log(QStringLiteral("Can not write merge request: %1").arg(requestPath()), LogError);
        finishWithoutWorker(WorkerCode::NoWorkingFolder);
        return;
    }
    replaceProcess();
    m_process->start(m_workerProgram, {QStringLiteral("--merge"), requestPath()}, QIODevice::ReadWrite);
    m_process->waitForStarted(startTimeoutMs);
}

// Removes the previous run's folder and creates a new owner-only one.
bool MergeLauncher::beginSession()
{
    m_session.reset();
    m_lastResponse = MergeResponse();
    m_session = std::make_unique<SessionFolder>(FileUtils::cacheDirectory());
    if (m_session->isValid())
        return true;
    Logger::instance().log(QStringLiteral("Can not create session folder: %1").arg(m_session->path()), LogError);
    return false;
}

void MergeLauncher::finishWithoutWorker(int code)
{
    // Queued, so callers see the same order as with a worker: run() returns first.
    QTimer::singleShot(0, this, [this, code] { emit finished(code, QString()); });
}

void MergeLauncher::replaceProcess()
{
    if (m_process) {
        // Run from inside a slot of the old process is possible: let it go
        // after its signal has returned.
        m_process->disconnect(this);
        m_process->deleteLater();
    }
    m_process = new QProcess();
    connect(m_process, &QProcess::errorOccurred, this, &MergeLauncher::onError);
    connect(m_process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &MergeLauncher::onFinished);
    connect(m_process, &QProcess::readyReadStandardError, this, &MergeLauncher::onReadyReadStandardError);
    connect(m_process, &QProcess::started, this, &MergeLauncher::onStarted);
    connect(m_process, &QProcess::stateChanged, this, &MergeLauncher::onStateChanged);
}

bool MergeLauncher::writeRequestData(MergeRequest &request)
{
    qDebug() << Q_FUNC_INFO << "Data:" << WorkerFile::encode(request.toRedactedJson());
    return WorkerFile::write(requestPath(), request.toJson());
}

MergeResponse MergeLauncher::readResponse() const
{
    const QString path = responsePath();
    MergeResponse response;
    if (!QFileInfo::exists(path)) {
        Logger::instance().log(QStringLiteral("Loading merge response file [FAILED]: %1").arg(path), LogError);
        response.errorCode = ResponseUnreadableCode;
        return response;
    }
    QJsonObject object;
    QString problem;
    if (!WorkerFile::read(path, object, &problem)) {
        // An undecodable response is a failure, not a success with no file.
        Logger::instance().log(QStringLiteral("Loading merge response file [FAILED]: %1 (%2)").arg(path, problem),
                               LogError);
        response.errorCode = ResponseUnreadableCode;
        return response;
    }
    Logger::instance().log(QStringLiteral("Merge response file open [OK]"), LogDebug);
    return MergeResponse::fromJson(object);
}

void MergeLauncher::cancel()
{
    if (!isRunning())
        return;
    m_cancelRequested = true;
    m_process->terminate();
    m_killTimer.start();
}

void MergeLauncher::killWorker()
{
    if (m_process && m_process->state() != QProcess::NotRunning) {
        Logger::instance().log(QStringLiteral("Merge worker did not stop in time; killing it"), LogError);
        m_process->kill();
    }
}

void MergeLauncher::removeTemporaryFiles() const
{
    if (m_session && !m_outputFolder.isEmpty())
        FileUtils::removeTemporaryFiles(m_outputFolder, m_session->id());
}

void MergeLauncher::onFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    qDebug() << Q_FUNC_INFO << QStringLiteral("Exit Code:%1").arg(exitCode);
    m_killTimer.stop();
    // A worker killed during its final write leaves its unfinished output.
    removeTemporaryFiles();
    // A killed worker may report exit code 0: never read a response that a
    // dead worker may have left half-done.
    if (exitStatus != QProcess::NormalExit) {
        emit finished(m_cancelRequested ? int(WorkerCode::Canceled) : int(WorkerCode::Crashed), QString());
        return;
    }
    if (exitCode != 0) {
        emit finished(exitCode, QString());
        return;
    }
    m_lastResponse = readResponse();
    emit finished(m_lastResponse.errorCode, m_lastResponse.mergedFileName);
}

void MergeLauncher::onStarted()
{
    qDebug() << Q_FUNC_INFO;
    emit started();
}

void MergeLauncher::onError(QProcess::ProcessError error)
{
    qDebug() << Q_FUNC_INFO << QStringLiteral("Error:%1").arg(int(error));
    // A worker that never started sends no finished() of its own. Queued, so
    // that run() has returned first, as with a worker that ran.
    if (error == QProcess::FailedToStart) {
        Logger::instance().log(QStringLiteral("Can not start merge worker:%1 (%2)")
                                   .arg(m_workerProgram, m_process ? m_process->errorString() : QString()),
                               LogError);
        QTimer::singleShot(0, this, [this] { emit finished(WorkerCode::NotStarted, QString()); });
    }
}

void MergeLauncher::onReadyReadStandardError()
{
    const QByteArray data = m_process ? m_process->readAllStandardError() : QByteArray();
    qDebug() << Q_FUNC_INFO << "Data size:" << data.size();
}

void MergeLauncher::onReadyReadStandardOutput()
{
    const QByteArray data = m_process ? m_process->readAllStandardOutput() : QByteArray();
    qDebug() << Q_FUNC_INFO << "Data size:" << data.size();
}

void MergeLauncher::onStateChanged(QProcess::ProcessState newState)
{
    qDebug() << Q_FUNC_INFO << QStringLiteral("State:%1").arg(int(newState));
}
