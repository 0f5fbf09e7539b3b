#include "worker/MergeCommand.h"

#include "app/FileUtils.h"
#include "app/Logger.h"
#include "app/StopRequest.h"
#include "merge/MergeRequest.h"
#include "merge/MergeResponse.h"
#include "merge/MergeWorker.h"
#include "merge/NullProgress.h"
#include "pdf/DebenuService.h"
#include "protocol/WorkerCode.h"
#include "protocol/WorkerFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

void logError(const QString &message)
{
    Logger::instance().log(QStringLiteral("pdfworker: ") + message, LogError);
}

// The merge shows no progress, but it stops when the process is asked to.
class StoppableProgress : public NullProgress
{
public:
    bool isCanceled() override { return NullProgress::isCanceled() || StopRequest::isSet(); }
};

MergeResponse runEngine(const MergeRequest &request)
{
    StoppableProgress progress;
    MergeWorker worker(std::make_shared<DebenuService>(), request.tasks, request.saveFileName,
                       request.properties(), &progress);
    worker.setScratchDirectory(request.cachePath);
    worker.setLayout(request.layout());
    worker.run();
    MergeResponse response;
    response.outcome = worker.outcome();
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
    QStringList problems;
    const MergeRequest request = MergeRequest::fromJson(object, &problems);
    // The session values name the folder the response goes to: an existing
    // folder and an identifier that cannot climb out of it.
    if (!request.sessionProblems().isEmpty() || !QFileInfo(request.cachePath).isDir()) {
        logError(QStringLiteral("merge request %1 names no usable session folder").arg(QDir::toNativeSeparators(requestPath)));
        return WorkerCode::RequestInvalid;
    }
    const QString responsePath = QDir::toNativeSeparators(QStringLiteral("%1/%2.resp").arg(request.cachePath, request.sessionId));
    if (!WorkerFile::canWriteBeside(responsePath)) {
        logError(QStringLiteral("no response can be written into %1").arg(request.cachePath));
        return WorkerCode::ResponseNotWritten;
    }
    FileUtils::setWorkerSession(request.sessionId, request.cachePath);
    MergeResponse response;
    problems += request.validate();
    if (!problems.isEmpty()) {
        // Mistyped keys are refused, not read as something else: a password
        // that is not a string must not give an unprotected file.
        logError(QStringLiteral("merge request %1 refused: %2")
                     .arg(QDir::toNativeSeparators(requestPath), problems.join(QStringLiteral("; "))));
        response.outcome = WorkerOutcome::ended(WorkerCode::RequestInvalid);
        response.outcome.problems = problems;
    } else {
        response = runEngine(request);
    }
    if (!WorkerFile::write(responsePath, response.toJson())) {
        logError(QStringLiteral("merge response %1 not written").arg(responsePath));
        // A merged file nobody can be told about is taken back: the merge
        // failed and leaves nothing.
        if (!response.mergedFileName().isEmpty())
            QFile::remove(response.mergedFileName());
        return WorkerCode::ResponseNotWritten;
    }
    return WorkerCode::Success;
}
