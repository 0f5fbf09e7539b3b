#include "split/SplitLauncher.h"

#include "app/FileUtils.h"
#include "app/InstallLayout.h"
#include "app/Logger.h"
#include "app/SessionFolder.h"
#include "split/WorkerCode.h"
#include "split/WorkerFile.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

namespace {
constexpr int startTimeoutMs = 30000;
constexpr int killWaitMs = 5000;
}

SplitLauncher::SplitLauncher(QObject *parent)
    : QObject(parent), m_workerProgram(defaultWorkerProgram())
{
    SessionFolder::removeStale(FileUtils::cacheDirectory());
    m_killTimer.setSingleShot(true);
    m_killTimer.setInterval(cancelGraceMs);
    connect(&m_killTimer, &QTimer::timeout, this, &SplitLauncher::killWorker);
}

SplitLauncher::~SplitLauncher()
{
    if (m_process) {
        m_process->disconnect(this);
        if (m_process->state() != QProcess::NotRunning) {
            // Files already moved into place are whole; the one being
            // written is a temporary file, removed below.
            m_process->kill();
            m_process->waitForFinished(killWaitMs);
        }
        delete m_process;
        removeTemporaryFiles();
    }
}

QString SplitLauncher::defaultWorkerProgram()
{
    return InstallLayout::workerProgram();
}

void SplitLauncher::setRequest(const SplitRequest &request)
{
    m_request = request;
}

bool SplitLauncher::isRunning() const
{
    return m_process && m_process->state() == QProcess::Running;
}

QString SplitLauncher::sessionDirectory() const
{
    return m_session ? m_session->path() : QString();
}

QString SplitLauncher::sessionId() const
{
    return m_session ? m_session->id() : QString();
}

QString SplitLauncher::requestPath() const
{
    return QDir::toNativeSeparators(QStringLiteral("%1/%2.req").arg(sessionDirectory(), sessionId()));
}

QString SplitLauncher::responsePath() const
{
    return QDir::toNativeSeparators(QStringLiteral("%1/%2.resp").arg(sessionDirectory(), sessionId()));
}

void SplitLauncher::run()
{
    // A running worker is not running for long: "running" also covers the
    // moments between start() and the started notification.
    if (m_process && m_process->state() != QProcess::NotRunning)
        return;
    m_files.clear();
    m_oversized.clear();
    m_writeError.clear();
    m_progressBuffer.clear();
    m_cancelRequested = false;
    m_killTimer.stop();
    m_session.reset();   // the previous run's folder goes first

    m_session = std::make_unique<SessionFolder>(FileUtils::cacheDirectory());
    m_outDirectory = m_request.outDirectory;
    m_request.sessionId = m_session->id();
    m_request.sessionPath = m_session->path();
    if (!m_session->noteOutputFolder(m_outDirectory) || !writeRequestData(m_request)) {
        Logger::instance().log(QStringLiteral("Can not prepare split session:%1").arg(m_session->path()), LogError);
        finishWithoutWorker(WorkerCode::NoWorkingFolder);
        return;
    }

    QProcess *process = new QProcess;
    if (m_process) {
        // run() may be called from a slot of the old process's finished():
        // it goes once control is back in the event loop.
        m_process->disconnect(this);
        m_process->deleteLater();
    }
    m_process = process;
    process->setProcessChannelMode(QProcess::SeparateChannels);
    process->setReadChannel(QProcess::StandardOutput);
    connect(process, &QProcess::errorOccurred, this, &SplitLauncher::onError);
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished),
            this, &SplitLauncher::onFinished);
    connect(process, &QProcess::readyReadStandardError, this, &SplitLauncher::onReadyReadStandardError);
    connect(process, &QProcess::started, this, &SplitLauncher::onStarted);
    connect(process, &QProcess::stateChanged, this, &SplitLauncher::onStateChanged);
    connect(process, &QProcess::readyRead, this, &SplitLauncher::onReadRead);
    process->start(m_workerProgram, {QStringLiteral("--split"), requestPath()}, QIODevice::ReadWrite);
    process->waitForStarted(startTimeoutMs);
}

void SplitLauncher::finishWithoutWorker(int code)
{
    // Queued, so callers see the same order as with a worker: run() returns first.
    QTimer::singleShot(0, this, [this, code] { emit finished(code, QStringList()); });
}

bool SplitLauncher::writeRequestData(SplitRequest &request)
{
    const QJsonObject json = request.toJson();
    qDebug() << Q_FUNC_INFO << "Data:" << WorkerFile::encode(WorkerFile::withoutPasswords(json));
    return WorkerFile::write(requestPath(), json);
}

SplitResponse SplitLauncher::readResponse() const
{
    QString problem;
    const SplitResponse response = SplitResponse::readFile(responsePath(), sessionId(), &problem);
    if (problem.isEmpty())
        Logger::instance().log(QStringLiteral("Open split response file [OK]"), LogDebug);
    else
        Logger::instance().log(QStringLiteral("Open split response file [FAILED]: %1 (%2)")
                                   .arg(responsePath(), problem), LogError);
    return response;
}

QStringList SplitLauncher::filesWrittenSoFar() const
{
    if (!m_session)
        return {};
    // Names are listed just before the move: one whose move never happened
    // is missing, or is the empty claim some file systems move over.
    QStringList files;
    for (const QString &file : WorkerFile::readLines(WorkerFile::writtenListPath(m_session->path(), m_session->id()))) {
        const QFileInfo info(file);
        if (info.isFile() && info.size() > 0 && !files.contains(file))
            files << file;
    }
    return files;
}

void SplitLauncher::cancel()
{
    if (!isRunning())
        return;
    m_cancelRequested = true;
    m_process->terminate();
    m_killTimer.start();
}

void SplitLauncher::killWorker()
{
    if (m_process && m_process->state() != QProcess::NotRunning) {
        Logger::instance().log(QStringLiteral("Split worker did not stop in time; killing it"), LogError);
        m_process->kill();
    }
}

void SplitLauncher::onFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    qDebug() << Q_FUNC_INFO << QStringLiteral("Exit Code:%1").arg(exitCode);
    m_killTimer.stop();
    removeTemporaryFiles();
    // A killed or crashed worker never wrote a trustworthy response; what it
    // had moved into place before is whole and is reported.
    if (exitStatus == QProcess::CrashExit) {
        m_files = filesWrittenSoFar();
        emit finished(m_cancelRequested ? int(WorkerCode::Canceled) : int(WorkerCode::Crashed), m_files);
        return;
    }
    if (exitCode != 0) {
        m_files = filesWrittenSoFar();
        emit finished(exitCode, m_files);
        return;
    }
    const SplitResponse response = readResponse();
    m_files = response.files;
    m_oversized = response.oversized;
    m_writeError = response.writeError;
    emit finished(response.errorCode, m_files);
}

void SplitLauncher::removeTemporaryFiles() const
{
    if (m_session && !m_outDirectory.isEmpty())
        FileUtils::removeTemporaryFiles(m_outDirectory, m_session->id());
}

void SplitLauncher::onStarted()
{
    qDebug() << Q_FUNC_INFO;
    emit started();
}

void SplitLauncher::onError(QProcess::ProcessError error)
{
    qDebug() << Q_FUNC_INFO << QStringLiteral("Error:%1").arg(int(error));
    // A worker that never started sends no finished() of its own: without
    // this the split would simply never end for the screen.
    if (error == QProcess::FailedToStart) {
        Logger::instance().log(QStringLiteral("Can not start split worker:%1 (%2)")
                                   .arg(m_workerProgram, m_process ? m_process->errorString() : QString()),
                               LogError);
        finishWithoutWorker(WorkerCode::NotStarted);
    }
}

void SplitLauncher::onReadyReadStandardError()
{
    const QByteArray data = m_process ? m_process->readAllStandardError() : QByteArray();
    qDebug() << Q_FUNC_INFO << "Data size:" << data.size();
}

void SplitLauncher::onReadyReadStandardOutput()
{
    const QByteArray data = m_process ? m_process->readAllStandardOutput() : QByteArray();
    qDebug() << Q_FUNC_INFO << "Data size:" << data.size();
}

void SplitLauncher::onStateChanged(QProcess::ProcessState newState)
{
    qDebug() << Q_FUNC_INFO << QStringLiteral("State:%1").arg(int(newState));
}

void SplitLauncher::onReadRead()
{
    if (!m_process)
        return;
    double value = 0;
    if (takeProgress(m_progressBuffer, m_process->readAllStandardOutput(), value))
        emit progressChanged(value);
}

bool SplitLauncher::takeProgress(QByteArray &buffer, const QByteArray &chunk, double &value)
{
    buffer.append(chunk);
    const int lastBreak = buffer.lastIndexOf('\n');
    if (lastBreak < 0)
        return false;   // no line is complete yet
    const QList<QByteArray> lines = buffer.left(lastBreak).split('\n');
    buffer.remove(0, lastBreak + 1);
    for (int i = lines.size() - 1; i >= 0; --i) {
        const QString line = QString::fromUtf8(lines.at(i)).trimmed();
        if (line.isEmpty())
            continue;
        value = line.toDouble();   // not a number: 0
        return true;
    }
    return false;
}
