#include "cli/Cli.h"

#include "app/AppSettings.h"
#include "app/InstallLayout.h"
#include "cli/CliMerge.h"
#include "cli/CliSplit.h"
#include "cli/InterruptNotifier.h"
#include "pdf/DebenuService.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QTranslator>

#include <cstring>
#include <memory>

namespace {

// The program's texts in the language of its settings (the English file
// holds the proofread wording of the sources), and Qt's own (the option
// parser's headings) from the system's translations.
void installTranslations(QCoreApplication &app, QTranslator &own, QTranslator &qt)
{
    const QString code = AppSettings::language();
    const QString folder = InstallLayout::translationsDirectory();
    if (own.load(QStringLiteral("%1/leafcut_%2.qm").arg(folder, code))
        || own.load(QStringLiteral("%1/leafcut_en.qm").arg(folder)))
        app.installTranslator(&own);
    if (qt.load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qt);
}

} // namespace

bool Cli::isCommand(int argc, char *argv[])
{
    return argc >= 2 && (std::strcmp(argv[1], "split") == 0 || std::strcmp(argv[1], "merge") == 0);
}

int Cli::run(int argc, char *argv[])
{
    // The trace stays off the terminal unless --verbose asks for it.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false"));
    QCoreApplication app(argc, argv);
    AppSettings::applyIdentity();
    QTranslator own;
    QTranslator qt;
    installTranslations(app, own, qt);
    InterruptNotifier interrupts;
    interrupts.install();

    QStringList arguments = app.arguments();
    const QString name = arguments.takeAt(1);
    // The service of the command's own reads (pages, passwords, bookmarks);
    // the work itself is the worker's.
    auto service = std::make_shared<DebenuService>();
    if (name == QLatin1String("split"))
        return CliSplit(service, &interrupts).run(arguments);
    return CliMerge(service, &interrupts).run(arguments);
}
