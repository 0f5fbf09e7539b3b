#include "protocol/WorkerProcess.h"

#include "app/FileUtils.h"
#include "app/Logger.h"
#include "protocol/SessionFolder.h"
#include "protocol/WorkerCode.h"
#include "protocol/WorkerFile.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

namespace {
constexpr int startTimeoutMs = 30000;
constexpr int killWaitMs = 5000;
}

WorkerProcess::WorkerProcess(const QString &job, const QString &program, QObject *parent)
    : QObject(parent)
    , m_job(job)
    , m_program(program)
{
    SessionFolder::removeStale(FileUtils::cacheDirectory());
    for (const QString &old : FileUtils::oldCacheDirectories())
        SessionFolder::retireOldCache(old);
    m_killTimer.setSingleShot(true);
    m_killTimer.setInterval(cancelGraceMs);
    connect(&m_killTimer, &QTimer::timeout, this, &WorkerProcess::killWorker);
}

WorkerProcess::~WorkerProcess()
{
    if (!m_process)
        return;
    m_process->disconnect(this);
    if (m_process->state() != QProcess::NotRunning) {
        // Outputs already moved into place are whole; the one being written
        // is a temporary file, removed below.
        m_process->kill();
        m_process->waitForFinished(killWaitMs);
    }
    delete m_process;
    removeTemporaryFiles();
}

bool WorkerProcess::isRunning() const
{
    return m_process && m_process->state() == QProcess::Running;
}

bool WorkerProcess::isActive() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

bool WorkerProcess::beginSession(const QString &outputFolder)
{
    m_cancelRequested = false;
    m_killTimer.stop();
    m_session.reset();   // the previous run's folder goes first
    m_session = std::make_unique<SessionFolder>(FileUtils::cacheDirectory());
    m_outputFolder = outputFolder;
    if (m_session->isValid() && m_session->noteOutputFolder(outputFolder))
        return true;
    Logger::instance().log(QStringLiteral("Can not prepare %1 session: %2").arg(m_job, m_session->path()), LogError);
    return false;
}

QString WorkerProcess::sessionId() const
{
    return m_session ? m_session->id() : QString();
}

QString WorkerProcess::sessionDirectory() const
{
    return m_session ? m_session->path() : QString();
}

QString WorkerProcess::requestPath() const
{
    return QDir::toNativeSeparators(QStringLiteral("%1/%2.req").arg(sessionDirectory(), sessionId()));
}

QString WorkerProcess::responsePath() const
{
    return QDir::toNativeSeparators(QStringLiteral("%1/%2.resp").arg(sessionDirectory(), sessionId()));
}

void WorkerProcess::start(const QString &mode)
{
    replaceProcess();
    m_process->start(m_program, {mode, requestPath()}, QIODevice::ReadWrite);
    m_process->waitForStarted(startTimeoutMs);
}

void WorkerProcess::replaceProcess()
{
    if (m_process) {
        // start() may be called from a slot of the old process's finished():
        // it goes once control is back in the event loop.
        m_process->disconnect(this);
        m_process->deleteLater();
    }
    m_process = new QProcess;
    m_process->setProcessChannelMode(QProcess::SeparateChannels);
    m_process->setReadChannel(QProcess::StandardOutput);
    connect(m_process, &QProcess::errorOccurred, this, &WorkerProcess::onError);
    connect(m_process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &WorkerProcess::onFinished);
    connect(m_process, &QProcess::started, this, [this] {
        qDebug() << Q_FUNC_INFO << m_job << "worker started";
        emit started();
    });
    connect(m_process, &QProcess::readyReadStandardOutput, this,
            [this] { emit output(m_process->readAllStandardOutput()); });
    connect(m_process, &QProcess::readyReadStandardError, this, [this] {
        qDebug() << Q_FUNC_INFO << "Data size:" << m_process->readAllStandardError().size();
    });
    connect(m_process, &QProcess::stateChanged, this,
            [](QProcess::ProcessState state) { qDebug() << Q_FUNC_INFO << QStringLiteral("State:%1").arg(int(state)); });
}

void WorkerProcess::cancel()
{
    if (!isRunning())
        return;
    m_cancelRequested = true;
    m_process->terminate();
    m_killTimer.start();
}

void WorkerProcess::endWithoutWorker(int code)
{
    QTimer::singleShot(0, this, [this, code] { emit notRun(code); });
}

void WorkerProcess::killWorker()
{
    if (isActive()) {
        Logger::instance().log(QStringLiteral("The %1 worker did not stop in time; killing it").arg(m_job), LogError);
        m_process->kill();
    }
}

void WorkerProcess::removeTemporaryFiles() const
{
    if (m_session && !m_outputFolder.isEmpty())
        FileUtils::removeTemporaryFiles(m_outputFolder, m_session->id());
}

void WorkerProcess::removeLeftoversOfKilledWorker() const
{
    if (!m_session || !m_session->isValid())
        return;
    const QDir session(m_session->path());
    for (const QString &name : session.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot))
        FileUtils::removeDirectory(session.filePath(name));
    // A name is listed just before the move to it: an empty regular file
    // there is the claim made for that move, never a finished output.
    for (const QString &listed : WorkerFile::readLines(WorkerFile::writtenListPath(m_session->path(), m_session->id()))) {
        const QFileInfo claim(listed);
        if (!claim.isSymLink() && claim.isFile() && claim.size() == 0)
            QFile::remove(listed);
    }
}

void WorkerProcess::onFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    qDebug() << Q_FUNC_INFO << QStringLiteral("Exit Code:%1").arg(exitCode);
    m_killTimer.stop();
    // A worker killed during its final write leaves its unfinished output.
    removeTemporaryFiles();
    if (exitStatus == QProcess::CrashExit)
        removeLeftoversOfKilledWorker();
    emit ended(exitCode, exitStatus);
}

void WorkerProcess::onError(QProcess::ProcessError error)
{
    qDebug() << Q_FUNC_INFO << QStringLiteral("Error:%1").arg(int(error));
    // A worker that never started sends no finished() of its own: without
    // this the run would never end for the screen.
    if (error == QProcess::FailedToStart) {
        Logger::instance().log(QStringLiteral("Can not start the %1 worker: %2 (%3)")
                                   .arg(m_job, m_program, m_process ? m_process->errorString() : QString()),
                               LogError);
        endWithoutWorker(WorkerCode::NotStarted);
    }
}
