#include "worker/SplitJob.h"

#include "app/Logger.h"
#include "pdf/DebenuService.h"
#include "split/SplitBySize.h"
#include "split/SplitFactory.h"
#include "split/SplitRequest.h"
#include "split/SplitResponse.h"
#include "split/WorkerCode.h"
#include "split/WorkerFile.h"
#include "worker/PercentProgress.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString responsePath(const SplitRequest &request)
{
    return QDir::toNativeSeparators(QStringLiteral("%1/%2.resp").arg(request.sessionPath, request.sessionId));
}

// A response can only go where the request names a real folder and a plain id.
bool canRespond(const SplitRequest &request)
{
    SplitRequest probe = request;
    probe.mode = 0;
    probe.pageCount = 0;
    probe.ranges.clear();
    probe.rangeNames.clear();
    probe.fileName = probe.outDirectory = QStringLiteral("x");
    return probe.validate().isEmpty() && QFileInfo(request.sessionPath).isDir();
}

int respond(const SplitRequest &request, int errorCode, const QStringList &files,
            const QStringList &oversized = QStringList())
{
    SplitResponse response;
    response.sessionId = request.sessionId;
    response.errorCode = errorCode;
    response.files = files;
    response.oversized = oversized;
    if (WorkerFile::write(responsePath(request), response.toJson()))
        return WorkerCode::Success;
    Logger::instance().log(QStringLiteral("Split. Can not write the response:%1").arg(responsePath(request)),
                           LogError);
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
        Logger::instance().log(QStringLiteral("Split. Request unreadable:%1 (%2)").arg(requestPath, problem),
                               LogError);
        return WorkerCode::RequestUnreadable;
    }
    QStringList problems;
    const SplitRequest request = SplitRequest::fromJson(object, &problems);
    problems += request.validate();
    if (!problems.isEmpty()) {
        Logger::instance().log(QStringLiteral("Split. Request refused:%1 (%2)")
                                   .arg(requestPath, problems.join(QStringLiteral("; "))), LogError);
        return canRespond(request) ? respond(request, WorkerCode::RequestInvalid, {})
                                   : int(WorkerCode::RequestInvalid);
    }

    PercentProgress progress;
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
    // launcher removes at its next run even when this process gets killed.
    engine->setScratchDirectory(request.sessionPath);
    engine->run();
    progress.reportDone();

    int code = engine->errorCode();
    if (code == WorkerCode::Success && engine->splitFiles().isEmpty()) {
        Logger::instance().log(QStringLiteral("Split. No output file was produced"), LogError);
        code = WorkerCode::NothingProduced;
    }
    const auto *bySize = qobject_cast<const SplitBySize *>(engine.get());
    return respond(request, code, engine->splitFiles(), bySize ? bySize->oversizedFiles() : QStringList());
}
