#include "worker/SplitJob.h"

#include "app/FileUtils.h"
#include "app/Logger.h"
#include "app/StopRequest.h"
#include "pdf/DebenuService.h"
#include "split/SplitBySize.h"
#include "split/SplitFactory.h"
#include "split/SplitRequest.h"
#include "split/SplitResponse.h"
#include "protocol/WorkerCode.h"
#include "protocol/WorkerFile.h"
#include "protocol/WriteError.h"
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

int respond(const SplitRequest &request, int errorCode, const QStringList &files,
            const QStringList &oversized = QStringList(), const QString &writeError = QString())
{
    SplitResponse response;
    response.sessionId = request.sessionId;
    response.errorCode = errorCode;
    response.files = files;
    response.oversized = oversized;
    response.writeError = writeError;
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

// How many files the request asks for: one per range (the engine refuses
// the whole run when one does not fit the page count), the one file without
// the listed pages, or -1 for a split by size, whose engine alone knows (and
// itself reports a part it could not write).
int expectedOutputs(const SplitRequest &request)
{
    if (request.mode == SplitRequest::ModeWithoutPages)
        return 1;
    if (request.mode == SplitRequest::ModeBySize)
        return -1;
    return request.ranges.size();
}

// The response code for a run that found its source: every file it was
// asked for, or why not.
int outcome(const SplitRequest &request, const QStringList &files)
{
    const int expected = expectedOutputs(request);
    const int missing = expected < 0 ? 0 : expected - files.size();
    // Stopped on request: a failure only when something asked for is missing
    // (or may be: a split by size cannot tell).
    if (StopRequest::isSet() && (missing > 0 || expected < 0)) {
        Logger::instance().log(QStringLiteral("Split. Stopped on request after %1 file(s)").arg(files.size()),
                               LogInfo);
        return WorkerCode::Canceled;
    }
    if (files.isEmpty()) {
        logError(QStringLiteral("Split. No output file was produced"));
        return WorkerCode::NothingProduced;
    }
    if (missing > 0) {
        logError(QStringLiteral("Split. %1 of %2 output file(s) could not be written")
                     .arg(missing).arg(files.size() + missing));
        return WorkerCode::Incomplete;
    }
    return WorkerCode::Success;
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
        return canRespond(request) ? respond(request, WorkerCode::RequestInvalid, {})
                                   : int(WorkerCode::RequestInvalid);
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
    const std::unique_ptr<SplitWorker> engine = buildEngine(request, input);
    // Decrypted copies stay in the owner-only session folder, which the
    // launcher removes even when this process gets killed.
    engine->setScratchDirectory(request.sessionPath);
    progress.follow(engine.get(), WorkerFile::writtenListPath(request.sessionPath, request.sessionId));
    engine->setNaming([&progress](const QString &path) { progress.announce(path); });
    engine->run();
    progress.record();
    progress.reportDone();

    const QStringList files = engine->splitFiles();
    const int code = engine->errorCode() != WorkerCode::Success ? engine->errorCode()
                                                                : outcome(request, files);
    const auto *bySize = qobject_cast<const SplitBySize *>(engine.get());
    // The cause of a failed output is told only with a failure.
    const QString writeError = code == WorkerCode::Success ? QString() : WriteError::fromPdfErrorCode(engine->writeFailure());
    return respond(request, code, files, bySize ? bySize->oversizedFiles() : QStringList(), writeError);
}
