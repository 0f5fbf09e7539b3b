#include "app/AppSettings.h"
#include "app/Logger.h"
#include "worker/MergeCommand.h"

#include <QCoreApplication>
#include <QStringList>

// pdfworker --split REQUEST | --merge REQUEST
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    AppSettings::applyIdentity();
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        Logger::instance().log(QStringLiteral("pdfworker: missing arguments"), LogError);
        return 2;
    }
    if (args.at(1) == QLatin1String("--merge"))
        return runMergeCommand(args.at(2));
    Logger::instance().log(QStringLiteral("pdfworker: mode %1 is not available").arg(args.at(1)), LogError);
    return 2;
}
