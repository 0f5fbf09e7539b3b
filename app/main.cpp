#include "app/AppSettings.h"
#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/CrashInstaller.h"
#include "app/FileUtils.h"
#include "app/InstallLayout.h"
#include "app/Logger.h"
#include "cli/Cli.h"
#include "merge/MergeItem.h"
#include "shell/FileOpener.h"
#include "shell/MainView.h"
#include "shell/SingleInstance.h"
#include "shell/SplashScreen.h"
#include "widgets/PixmapLoader.h"

#include <QPixmap>
#include <QPixmapCache>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <cstring>

namespace {

// True when the command line asks only for text (help or version): that
// answer must not need a display, so it comes before the window system.
bool wantsTextOnly(int argc, char *argv[])
{
    static const char *const textOptions[] = {"-h", "--help", "--help-all", "-v", "--version"};
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            return false;
        for (const char *option : textOptions)
            if (std::strcmp(argv[i], option) == 0)
                return true;
    }
    return false;
}

// Prints what the command line asked for; returns the exit code, or -1 when
// the program is to start.
int answerCommandLine(const CommandLine &commandLine)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    switch (commandLine.outcome()) {
    case CommandLine::ShowHelp:
        out << commandLine.helpText();
        return 0;
    case CommandLine::ShowVersion:
        out << CommandLine::versionText() << '\n';
        return 0;
    case CommandLine::Error:
        err << commandLine.errorText() << '\n'
            << CommandLine::tr("Try \"sheafwright --help\" for more information.") << '\n';
        return 2;
    case CommandLine::Run:
        break;
    }
    for (const QString &problem : commandLine.problems())
        err << problem << '\n';
    return -1;
}

// Help and version without a window system, in the user's language.
int answerWithoutWindows(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    AppSettings::applyIdentity();
    QTranslator translator;
    if (translator.load(InstallLayout::translationsDirectory()
                        + QStringLiteral("/leafcut_%1.qm").arg(AppSettings::language())))
        app.installTranslator(&translator);
    const int code = answerCommandLine(CommandLine(app.arguments()));
    return code < 0 ? 0 : code;
}

// How long a new start waits for the running window to take its files.
constexpr int handOverTimeoutMs = 3000;

// Files for the running window: it comes to the front with them.
void receiveHandOver(MainView *view, const QStringList &files, const QStringList &problems)
{
    if (view->isMinimized())
        view->showNormal();
    view->raise();
    view->activateWindow();
    FileOpener::open(view, files);
    FileOpener::reportProblems(view, problems);
}

} // namespace

int main(int argc, char *argv[])
{
    // Trace lines go to the log file, and to standard error only when asked.
    Logger::installMessageHandler(Logger::verboseRequested(argc, argv));
    // A log line or a settings file past a file size limit fails alone
    // instead of ending the program.
    FileUtils::failWritesPastSizeLimit();
    // "split" and "merge" run without a window system: decided before any
    // application object exists.
    if (Cli::isCommand(argc, argv))
        return Cli::run(argc, argv);
    if (wantsTextOnly(argc, argv))
        return answerWithoutWindows(argc, argv);

    // Pictures with "@2x" twins stay sharp on scaled screens.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    Application app(argc, argv);
    // Ties the windows to the launcher entry (Wayland application id).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.sheafwright.Sheafwright"));
    const CommandLine commandLine(app.arguments());
    const int answered = answerCommandLine(commandLine);
    if (answered >= 0)
        return answered;
    // A window is open already: it takes the files (problems included).
    const QString socket = SingleInstance::defaultSocketPath();
    if (SingleInstance::handOver(socket, commandLine.files(), commandLine.problems(), handOverTimeoutMs))
        return 0;
    SingleInstance instance(socket);

    CrashInstaller crashInstaller;
    // 100 MB for rendered pages.
    QPixmapCache::setCacheLimit(102400);
    // Merge-item lists travel through queued connections from reader threads.
    qRegisterMetaType<MergeItemList>("MergeItemList");

    const QPixmap splashPicture = PixmapLoader::load(QStringLiteral(":/style/images/splash.png"));
    SplashScreen splash(splashPicture);
    splash.show();
    splash.showLoading(3);

    MainView mainView;
    // Another window that did not take the files is not hidden by this one.
    if (!instance.listen())
        mainView.moveAside();
    QObject::connect(&instance, &SingleInstance::received, &mainView,
                     [&mainView](const QStringList &files, const QStringList &problems) {
                         receiveHandOver(&mainView, files, problems);
                     });
    mainView.show();
    splash.finish(&mainView);
    FileOpener::open(&mainView, commandLine.files());
    // Once the window is up: the files that were left out.
    QTimer::singleShot(0, &mainView, [&mainView, &commandLine]() {
        FileOpener::reportProblems(&mainView, commandLine.problems());
    });
    return app.exec();
}
