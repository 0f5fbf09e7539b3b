#include "worker/SplitJob.h"

#include "app/FileUtils.h"
#include "app/Logger.h"
#include "pdf/DebenuService.h"
#include "split/SplitFactory.h"
#include "split/SplitRequest.h"
#include "split/SplitResponse.h"
#include "protocol/WorkerCode.h"
#include "protocol/WorkerFile.h"
#include "worker/PercentProgress.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

void logError(const QString &message)
{
    Logger::instance().log(message, LogError);
}

QString responsePath(const SplitRequest &request)
{
    return QDir::toNativeSeparators(QStringLiteral("%1/%2.resp").arg(request.sessionPath, request.sessionId));
}

// A response can only go where the request names a real folder and a plain id.
bool canRespond(const SplitRequest &request)
{
    return request.sessionProblems().isEmpty() && QFileInfo(request.sessionPath).isDir();
}

// Progress lines, plus the list of files written whole so far, kept up to
// date in the session folder: a launcher that had to kill the worker still
// learns what was written.
class RecordingProgress : public PercentProgress
{
public:
    void follow(const SplitWorker *engine, const QString &listPath)
    {
        m_engine = engine;
        m_listPath = listPath;
        // Made anew with the run: a list left under that name, or a link
        // planted there, never receives this run's paths.
        if (!WorkerFile::createList(m_listPath))
            logError(QStringLiteral("Split. Can not create the list of written files:%1").arg(m_listPath));
    }

    // The list first: whoever sees the progress line can rely on it.
    void setValue(int value) override
    {
        record();
        PercentProgress::setValue(value);
    }

    // A file about to be moved to path goes on the list before it is there:
    // killed right after the move, this run still leaves word of it. (The
    // launcher keeps only listed files that exist.)
    void announce(const QString &path)
    {
        if (m_listPath.isEmpty())
            return;
        WorkerFile::appendLine(m_listPath, path);
        m_announced.insert(path);
    }

    void record()
    {
        if (!m_engine)
            return;
        const QStringList files = m_engine->splitFiles();
        for (; m_recorded < files.size(); ++m_recorded) {
            if (!m_announced.contains(files.at(m_recorded)))
                WorkerFile::appendLine(m_listPath, files.at(m_recorded));
        }
    }

private:
    const SplitWorker *m_engine = nullptr;
    QString m_listPath;
    int m_recorded = 0;
    QSet<QString> m_announced;
};

int respond(const SplitRequest &request, const WorkerOutcome &outcome)
{
    SplitResponse response;
    response.sessionId = request.sessionId;
    response.outcome = outcome;
    if (WorkerFile::write(responsePath(request), response.toJson())) {
        QFile::remove(WorkerFile::writtenListPath(request.sessionPath, request.sessionId));   // superseded
        return WorkerCode::Success;
    }
    logError(QStringLiteral("Split. Can not write the response:%1").arg(responsePath(request)));
    return WorkerCode::ResponseNotWritten;
}

std::unique_ptr<SplitWorker> buildEngine(const SplitRequest &request, const SplitFactory::Input &input)
{
    switch (request.mode) {
    case SplitRequest::ModeWithoutPages:
        return SplitFactory::certainPages(input, request.ranges);
    case SplitRequest::ModeBySize:
        return SplitFactory::bySize(input, qint64(request.maxSizeKb) * 1000);
    default:
        return SplitFactory::namedRanges(input, request.ranges, request.rangeNames);
    }
}

} // namespace

int SplitJob::run(const QString &requestPath)
{
    QJsonObject object;
    QString problem;
    if (!WorkerFile::read(requestPath, object, &problem)) {
        logError(QStringLiteral("Split. Request unreadable:%1 (%2)").arg(requestPath, problem));
        return WorkerCode::RequestUnreadable;
    }
    QStringList problems;
    const SplitRequest request = SplitRequest::fromJson(object, &problems);
    problems += request.validate();
    if (!problems.isEmpty()) {
        logError(QStringLiteral("Split. Request refused:%1 (%2)").arg(requestPath, problems.join(QStringLiteral("; "))));
        WorkerOutcome refused = WorkerOutcome::ended(WorkerCode::RequestInvalid);
        refused.problems = problems;
        return canRespond(request) ? respond(request, refused) : int(WorkerCode::RequestInvalid);
    }
    // Outputs nobody would be told about are worse than none: the response
    // must be writable before any work starts.
    if (!canRespond(request) || !WorkerFile::canWriteBeside(responsePath(request))) {
        logError(QStringLiteral("Split. No response can be written into %1").arg(request.sessionPath));
        return WorkerCode::ResponseNotWritten;
    }
    FileUtils::setWorkerSession(request.sessionId, request.sessionPath);

    RecordingProgress progress;
    SplitFactory::Input input;
    input.service = std::make_shared<DebenuService>();
    input.progress = &progress;
    input.sourceFile = request.fileName;
    input.password = request.filePassword;
    input.pageCount = request.pageCount;
    input.outDirectory = request.outDirectory;
    input.properties = DocumentProperties(request.author, request.title, request.password, request.creator,
                                          request.producer);
    input.properties.publisher = request.publisher;
    const std::unique_ptr<SplitWorker> engine = buildEngine(request, input);
    // Decrypted copies stay in the owner-only session folder, which the
    // launcher removes even when this process gets killed.
    engine->setScratchDirectory(request.sessionPath);
    progress.follow(engine.get(), WorkerFile::writtenListPath(request.sessionPath, request.sessionId));
    engine->setNaming([&progress](const QString &path) { progress.announce(path); });
    engine->run();
    progress.record();
    progress.reportDone();
    return respond(request, engine->outcome());
}
