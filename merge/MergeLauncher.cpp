#include "merge/MergeLauncher.h"

#include "app/FileUtils.h"
#include "app/InstallLayout.h"
#include "app/Logger.h"
#include "split/WorkerCode.h"
#include "split/WorkerFile.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace {
const int startTimeoutMs = 30000;
}

MergeLauncher::MergeLauncher(QObject *parent)
    : QObject(parent)
    , m_workerProgram(workerExecutable())
{
}

MergeLauncher::~MergeLauncher()
{
    if (m_process) {
        m_process->disconnect(this);
        if (m_process->state() != QProcess::NotRunning) {
            m_process->kill();
            m_process->waitForFinished(startTimeoutMs);
        }
        delete m_process;
    }
    if (!m_sessionDirectory.isEmpty())
        FileUtils::removeDirectory(m_sessionDirectory);
}

void MergeLauncher::setRequest(const MergeRequest &request)
{
    m_request = request;
}

bool MergeLauncher::isRunning() const
{
    return m_process && m_process->state() == QProcess::Running;
}

QString MergeLauncher::workerExecutable()
{
    return InstallLayout::workerProgram();
}

QString MergeLauncher::requestPath() const
{
    return QDir::toNativeSeparators(QStringLiteral("%1/%2.req").arg(m_sessionDirectory, m_sessionId));
}

QString MergeLauncher::responsePath() const
{
    return QDir::toNativeSeparators(QStringLiteral("%1/%2.resp").arg(m_sessionDirectory, m_sessionId));
}

void MergeLauncher::run()
{
    // A process that exists but has not reached the running state yet counts
    // as running too: a second click must not start a second worker.
    if (m_process && m_process->state() != QProcess::NotRunning)
        return;
    beginSession();
    m_request.cachePath = m_sessionDirectory;
    m_request.sessionId = m_sessionId;
    writeRequestData(m_request);
    replaceProcess();
    m_process->start(m_workerProgram, {QStringLiteral("--merge"), requestPath()}, QIODevice::ReadWrite);
    m_process->waitForStarted(startTimeoutMs);
}

// Removes the previous run's folder and creates a new owner-only one.
void MergeLauncher::beginSession()
{
    FileUtils::removeDirectory(m_sessionDirectory);
    m_lastResponse = MergeResponse();
    m_sessionId = FileUtils::uniqueId();
    m_sessionDirectory = QDir::toNativeSeparators(FileUtils::cacheDirectory() + QLatin1Char('/') + m_sessionId);
    if (!FileUtils::ensurePrivateDirectory(m_sessionDirectory))
        Logger::instance().log(QStringLiteral("Can not create session folder: %1").arg(m_sessionDirectory), LogError);
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
    if (isRunning())
        m_process->kill();
}

void MergeLauncher::onFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    qDebug() << Q_FUNC_INFO << QStringLiteral("Exit Code:%1").arg(exitCode);
    if (exitCode != 0) {
        emit finished(exitCode, QString());
        return;
    }
    // A killed worker reports exit code 0 here: never read a response that a
    // dead worker may have left half-done.
    if (exitStatus != QProcess::NormalExit) {
        emit finished(ResponseUnreadableCode, QString());
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
