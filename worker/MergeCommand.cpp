#include "worker/MergeCommand.h"

#include "app/Logger.h"
#include "merge/MergeRequest.h"
#include "merge/MergeResponse.h"
#include "merge/MergeWorker.h"
#include "merge/NullProgress.h"
#include "pdf/DebenuService.h"
#include "split/WorkerCode.h"
#include "split/WorkerFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

void logError(const QString &message)
{
    Logger::instance().log(QStringLiteral("pdfworker: ") + message, LogError);
}

// The session values name the folder the response goes to: an existing
// folder and an identifier that cannot climb out of it.
bool sessionIsUsable(const MergeRequest &request)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z0-9_-]{1,64}$"));
    return identifier.match(request.sessionId).hasMatch() && QFileInfo(request.cachePath).isDir();
}

MergeResponse runEngine(const MergeRequest &request)
{
    NullProgress progress;
    MergeWorker worker(std::make_shared<DebenuService>(), request.tasks, request.saveFileName,
                       request.properties(), &progress);
    worker.setScratchDirectory(request.cachePath);
    worker.run();
    MergeResponse response;
    response.errorCode = worker.resultCode();
    response.mergedFileName = worker.mergedFile();
    response.errorFiles = worker.errorFiles();
    // A merge that wrote nothing is a failure, whatever step gave up.
    if (response.errorCode == MergeWorker::NoError && response.mergedFileName.isEmpty())
        response.errorCode = WorkerCode::NothingProduced;
    return response;
}

} // namespace

int runMergeCommand(const QString &requestPath)
{
    QJsonObject object;
    QString problem;
    if (!WorkerFile::read(requestPath, object, &problem)) {
        logError(QStringLiteral("merge request %1 unreadable: %2").arg(QDir::toNativeSeparators(requestPath), problem));
        return WorkerCode::RequestUnreadable;
    }
    const MergeRequest request = MergeRequest::fromJson(object);
    if (!sessionIsUsable(request)) {
        logError(QStringLiteral("merge request %1 names no usable session folder").arg(QDir::toNativeSeparators(requestPath)));
        return WorkerCode::RequestInvalid;
    }
    MergeResponse response;
    if (!request.saveFileName.isEmpty() && QFileInfo(request.saveFileName).isRelative()) {
        logError(QStringLiteral("merge request %1: the output path is not absolute").arg(QDir::toNativeSeparators(requestPath)));
        response.errorCode = WorkerCode::RequestInvalid;
    } else {
        response = runEngine(request);
    }
    const QString responsePath = QDir::toNativeSeparators(QStringLiteral("%1/%2.resp").arg(request.cachePath, request.sessionId));
    if (!WorkerFile::write(responsePath, response.toJson())) {
        logError(QStringLiteral("merge response %1 not written").arg(responsePath));
        return WorkerCode::ResponseNotWritten;
    }
    return WorkerCode::Success;
}
