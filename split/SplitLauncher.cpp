#include "split/SplitLauncher.h"

#include "app/InstallLayout.h"
#include "app/Logger.h"
#include "protocol/WorkerCode.h"
#include "protocol/WorkerFile.h"

#include <QDebug>
#include <QFileInfo>

SplitLauncher::SplitLauncher(QObject *parent)
    : QObject(parent)
    , m_worker(QStringLiteral("split"), defaultWorkerProgram())
{
    qRegisterMetaType<WorkerOutcome>();
    connect(&m_worker, &WorkerProcess::started, this, &SplitLauncher::started);
    connect(&m_worker, &WorkerProcess::output, this, &SplitLauncher::onOutput);
    connect(&m_worker, &WorkerProcess::ended, this, &SplitLauncher::onWorkerEnded);
    connect(&m_worker, &WorkerProcess::notRun, this, [this](int code) { end(WorkerOutcome::ended(code)); });
}

SplitLauncher::~SplitLauncher() = default;

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
    return m_worker.isRunning();
}

QString SplitLauncher::sessionDirectory() const
{
    return m_worker.sessionDirectory();
}

QString SplitLauncher::sessionId() const
{
    return m_worker.sessionId();
}

QString SplitLauncher::requestPath() const
{
    return m_worker.requestPath();
}

QString SplitLauncher::responsePath() const
{
    return m_worker.responsePath();
}

void SplitLauncher::run()
{
    // A running worker is not running for long: "running" also covers the
    // moments between start() and the started notification.
    if (m_worker.isActive())
        return;
    m_outcome = WorkerOutcome();
    m_progressBuffer.clear();
    if (!m_worker.beginSession(m_request.outDirectory)) {
        m_worker.endWithoutWorker(WorkerCode::NoWorkingFolder);
        return;
    }
    m_request.sessionId = sessionId();
    m_request.sessionPath = sessionDirectory();
    if (!writeRequestData(m_request)) {
        Logger::instance().log(QStringLiteral("Can not write split request: %1").arg(requestPath()), LogError);
        m_worker.endWithoutWorker(WorkerCode::NoWorkingFolder);
        return;
    }
    m_worker.start(QStringLiteral("--split"));
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
    if (sessionId().isEmpty())
        return {};
    // Names are listed just before the move: one whose move never happened
    // is missing, or is the empty claim some file systems move over.
    QStringList files;
    for (const QString &file : WorkerFile::readLines(WorkerFile::writtenListPath(sessionDirectory(), sessionId()))) {
        const QFileInfo info(file);
        if (info.isFile() && info.size() > 0 && !files.contains(file))
            files << file;
    }
    return files;
}

void SplitLauncher::cancel()
{
    m_worker.cancel();
}

void SplitLauncher::onWorkerEnded(int exitCode, QProcess::ExitStatus exitStatus)
{
    // A killed or crashed worker left no response, unless it was killed on
    // its way out (a cancel's kill can come while a worker that has finished
    // exits): the response is written whole or not at all, so one that is
    // there says what happened. Otherwise what the worker had moved into
    // place before is whole and is reported.
    if (exitStatus == QProcess::CrashExit && !QFileInfo::exists(responsePath())) {
        end(WorkerOutcome::ended(m_worker.cancelRequested() ? int(WorkerCode::Canceled) : int(WorkerCode::Crashed),
                                 filesWrittenSoFar()));
        return;
    }
    if (exitStatus == QProcess::NormalExit && exitCode != 0) {
        end(WorkerOutcome::ended(exitCode, filesWrittenSoFar()));
        return;
    }
    end(readResponse().outcome);
}

void SplitLauncher::end(const WorkerOutcome &outcome)
{
    m_outcome = outcome;
    emit finished(m_outcome);
}

void SplitLauncher::onOutput(const QByteArray &data)
{
    double value = 0;
    if (takeProgress(m_progressBuffer, data, value))
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
