#include "app/AppSettings.h"
#include "app/FileUtils.h"
#include "app/Logger.h"
#include "app/StopRequest.h"
#include "pdf/DocumentDisposal.h"
#include "protocol/WorkerCode.h"
#include "worker/MergeCommand.h"
#include "worker/SplitJob.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// One entry per mode switch: the function runs the request and returns the
// process exit code.
struct WorkerMode
{
    const char *argument;
    int (*run)(const QString &requestPath);
};

const WorkerMode workerModes[] = {
    {"--split", &SplitJob::run},
    {"--merge", &runMergeCommand},
};

} // namespace

// pdfworker --split REQUEST | --merge REQUEST
// Standard output carries progress lines only; diagnostics go to the log.
int main(int argc, char *argv[])
{
    // SIGTERM (the launcher's cancel) ends the run in order: the engines stop
    // between outputs, unfinished files are removed and the response lists
    // what was written whole.
    StopRequest::installSignalHandler();
    // Past a file size limit an output fails as on a full disk: the other
    // outputs stay whole and the response says what was kept.
    FileUtils::failWritesPastSizeLimit();
    QCoreApplication app(argc, argv);
    // One job per process: parsed documents are left to the exit.
    DocumentDisposal::keepUntilExit();
    AppSettings::applyIdentity();
    const QStringList args = app.arguments();
    if (args.size() != 3 || args.at(2).isEmpty()) {
        Logger::instance().log(QStringLiteral("pdfworker: expected a mode switch and a request file"), LogError);
        return WorkerCode::BadArguments;
    }
    for (const WorkerMode &mode : workerModes) {
        if (args.at(1) == QLatin1String(mode.argument))
            return mode.run(args.at(2));
    }
    Logger::instance().log(QStringLiteral("pdfworker: unknown mode %1").arg(args.at(1)), LogError);
    return WorkerCode::BadArguments;
}
