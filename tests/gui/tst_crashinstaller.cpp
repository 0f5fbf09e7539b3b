#include "TestPaths.h"
#include "app/AppSettings.h"
#include "app/Application.h"
#include "app/CrashInstaller.h"
#include "app/Logger.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>

// Child mode: set up like the program does, then crash the way asked.
volatile int afterCrash = 0;
extern "C" __attribute__((noinline)) void crashOnPurpose(const char *kind)
{
    if (strcmp(kind, "segv") == 0) {
        volatile int *nowhere = nullptr;
        *nowhere = 42;
    } else if (strcmp(kind, "abort") == 0) {
        abort();
    } else if (strcmp(kind, "fpe") == 0) {
        raise(SIGFPE);
    } else if (strcmp(kind, "bare") == 0) {
        raise(SIGBUS);
    }
    afterCrash = 1;   // keeps this frame on the stack: no tail call above
}

namespace {

const char childMarker[] = "crash child is about to crash";

int runCrashChild(int argc, char **argv)
{
    Application app(argc, argv);
    const bool withFiles = strcmp(argv[2], "bare") != 0;
    if (withFiles) {
        Logger::instance().log(QString::fromLatin1(childMarker), LogDebug);
        AppSettings::open()->setValue(QStringLiteral("Publisher"), QStringLiteral("Crash Child Publisher"));
    } else {
        QFile::remove(Logger::instance().logFilePath());
        QFile::remove(AppSettings::open()->fileName());
    }
    // No core file from the deliberate crash.
    struct rlimit noCore = {0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    CrashInstaller installer;
    if (!installer.isInstalled())
        return 3;
    crashOnPurpose(argv[2]);
    return 4;   // only reached when the crash did not happen
}

void testHandler(int) {}

struct sigaction currentAction(int signal)
{
    struct sigaction action;
    sigaction(signal, nullptr, &action);
    return action;
}

QString todaysLog()
{
    QFile file(Logger::instance().logFilePath());
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

} // namespace

class TestCrashInstaller : public QObject
{
    Q_OBJECT
private:
    // Runs this test program as a crashing child; returns its report folder.
    QString crashChild(const QString &kind, int expectedSignal)
    {
        QDir reports(CrashInstaller::defaultReportsDirectory());
        reports.removeRecursively();
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--crash-child"), kind});
        if (!child.waitForFinished(30000))
            return QStringLiteral("child did not finish");
        if (child.exitStatus() != QProcess::CrashExit)
            return QStringLiteral("child exited normally with %1").arg(child.exitCode());
        if (child.exitCode() != expectedSignal)
            return QStringLiteral("child died of signal %1").arg(child.exitCode());
        const QStringList folders = reports.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        if (folders.size() != 1)
            return QStringLiteral("%1 report folders").arg(folders.size());
        return reports.filePath(folders.first());
    }

    static QString readAll(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private slots:
    void segmentationFaultLeavesACompleteReport()
    {
        const QString folder = crashChild(QStringLiteral("segv"), SIGSEGV);
        QVERIFY2(QFileInfo(folder).isDir(), qPrintable(folder));
        QVERIFY(QFileInfo(folder).fileName().startsWith(QStringLiteral("crash-")));
        const QString report = readAll(folder + QStringLiteral("/crash.txt"));
        QVERIFY2(report.contains(QStringLiteral("Application: Sheafwright\n")), qPrintable(report));
        QVERIFY(report.contains(QStringLiteral("Version: 2.0.10\n")));
        QVERIFY(report.contains(QStringLiteral("Signal: %1 (SIGSEGV)\n").arg(SIGSEGV)));
        QVERIFY(report.contains(QStringLiteral("Fault address: 0x0\n")));
        QVERIFY(report.contains(QStringLiteral("(not sent)")));

        // Screen facts as the child saw them (the offscreen platform has one).
        QVERIFY(report.contains(QStringLiteral("Screen count: %1\n").arg(QGuiApplication::screens().size())));
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QVERIFY(report.contains(QStringLiteral("Screen 0: %1x%2\n").arg(screen.width()).arg(screen.height())));

        // Both attachments are named and copied.
        const QString logFile = Logger::instance().logFilePath();
        const QString logCopy = QFileInfo(logFile).fileName();
        QVERIFY(report.contains(QStringLiteral("Log file: %1 (copied as %2)\n").arg(logFile, logCopy)));
        QVERIFY(readAll(folder + QLatin1Char('/') + logCopy).contains(QString::fromLatin1(childMarker)));
        const QString config = QDir::toNativeSeparators(AppSettings::open()->fileName());
        const QString configCopy = QFileInfo(config).fileName();
        QVERIFY(report.contains(QStringLiteral("Configuration File: %1 (copied as %2)\n").arg(config, configCopy)));
        QVERIFY(readAll(folder + QLatin1Char('/') + configCopy).contains(QStringLiteral("Crash Child Publisher")));

        // A backtrace of the crashing thread, down through main.
        const int trace = report.indexOf(QStringLiteral("[Backtrace]\n"));
        QVERIFY(trace > 0);
        const QStringList frames = report.mid(trace).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(frames.size() >= 5, qPrintable(report.mid(trace)));
        QVERIFY2(report.mid(trace).contains(QStringLiteral("crashOnPurpose")), qPrintable(report.mid(trace)));
        QVERIFY(report.mid(trace).contains(QStringLiteral("__libc_start")));
    }

    void abortLeavesAReport()
    {
        const QString folder = crashChild(QStringLiteral("abort"), SIGABRT);
        QVERIFY2(QFileInfo(folder).isDir(), qPrintable(folder));
        const QString report = readAll(folder + QStringLiteral("/crash.txt"));
        QVERIFY(report.contains(QStringLiteral("Signal: %1 (SIGABRT)\n").arg(SIGABRT)));
        QVERIFY(!report.contains(QStringLiteral("Fault address")));
        // The compiler moves the abort call into a cold, unnamed part of the
        // caller, so look for the library's frame and main below it.
        const QString trace = report.mid(report.indexOf(QStringLiteral("[Backtrace]")));
        QVERIFY2(trace.indexOf(QStringLiteral("(abort+")) < trace.indexOf(QStringLiteral("(main+")), qPrintable(trace));
        QVERIFY(trace.contains(QStringLiteral("(abort+")));
    }

    void raisedSignalStillEndsTheProcess()
    {
        const QString folder = crashChild(QStringLiteral("fpe"), SIGFPE);
        QVERIFY2(QFileInfo(folder).isDir(), qPrintable(folder));
        const QString report = readAll(folder + QStringLiteral("/crash.txt"));
        QVERIFY(report.contains(QStringLiteral("(SIGFPE)")));
        // A raised signal has no faulting address to report.
        QVERIFY(!report.contains(QStringLiteral("Fault address")));
        QVERIFY(report.contains(QStringLiteral("crashOnPurpose")));
    }

    void missingAttachmentsAreNamedAsSuch()
    {
        const QString folder = crashChild(QStringLiteral("bare"), SIGBUS);
        QVERIFY2(QFileInfo(folder).isDir(), qPrintable(folder));
        const QString report = readAll(folder + QStringLiteral("/crash.txt"));
        QVERIFY(report.contains(QStringLiteral("(SIGBUS)")));
        QVERIFY(report.contains(QStringLiteral("Log file: %1 (not present)\n").arg(Logger::instance().logFilePath())));
        QVERIFY(report.contains(QStringLiteral("Configuration File: %1 (not present)\n")
                                    .arg(QDir::toNativeSeparators(AppSettings::open()->fileName()))));
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("crash.txt")});
    }

    void uninstallRestoresPreviousHandlers()
    {
        struct sigaction mine;
        memset(&mine, 0, sizeof mine);
        mine.sa_handler = testHandler;
        sigemptyset(&mine.sa_mask);
        const int fatal[] = {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL};
        struct sigaction saved[5];
        for (int i = 0; i < 5; ++i)
            sigaction(fatal[i], &mine, &saved[i]);
        QTemporaryDir dir;
        {
            CrashInstaller installer(dir.filePath(QStringLiteral("reports")));
            QVERIFY(installer.isInstalled());
            QVERIFY(QFileInfo(dir.filePath(QStringLiteral("reports"))).isDir());
            QCOMPARE(QFile::permissions(dir.filePath(QStringLiteral("reports"))) & 0x0077, QFileDevice::Permissions());
            for (int signal : fatal) {
                QVERIFY(currentAction(signal).sa_flags & SA_SIGINFO);
                QVERIFY(currentAction(signal).sa_flags & SA_ONSTACK);
            }
            QCOMPARE(installer.uploadAddress(), QString::fromLatin1(CrashInstaller::defaultUploadAddress));

            // A second installer while the first is active refuses and says so.
            CrashInstaller second(dir.filePath(QStringLiteral("other")));
            QVERIFY(!second.isInstalled());
            QVERIFY(todaysLog().contains(QStringLiteral("DEBUG: Could not start crash reporter. ")));
        }
        for (int signal : fatal)
            QVERIFY(currentAction(signal).sa_handler == testHandler);
        for (int i = 0; i < 5; ++i)
            sigaction(fatal[i], &saved[i], nullptr);
    }

    void unusableReportFolderIsLoggedAndLeavesHandlersAlone()
    {
        QTemporaryDir dir;
        const QString blocker = dir.filePath(QStringLiteral("file"));
        QFile(blocker).open(QIODevice::WriteOnly);
        const auto before = currentAction(SIGSEGV);
        CrashInstaller installer(blocker + QStringLiteral("/reports"));
        QVERIFY(!installer.isInstalled());
        QVERIFY(currentAction(SIGSEGV).sa_handler == before.sa_handler);
        const QString log = todaysLog();
        QVERIFY(log.contains(QStringLiteral("Could not start crash reporter. The report folder %1 cannot be created.")
                                 .arg(blocker + QStringLiteral("/reports"))));
        // After a failed one, a working installer can still be made.
        CrashInstaller working(dir.filePath(QStringLiteral("reports")));
        QVERIFY(working.isInstalled());
    }

    void uploadAddressIsASetting()
    {
        AppSettings::open()->setValue(QString::fromLatin1(CrashInstaller::keyUploadAddress),
                                      QStringLiteral("https://reports.example.invalid/in"));
        QTemporaryDir dir;
        CrashInstaller installer(dir.filePath(QStringLiteral("reports")));
        QCOMPARE(installer.uploadAddress(), QStringLiteral("https://reports.example.invalid/in"));
        AppSettings::open()->remove(QString::fromLatin1(CrashInstaller::keyUploadAddress));
    }

    void screenFactsListEveryScreen()
    {
        const QString facts = CrashInstaller::screenFacts();
        const QStringList lines = facts.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + QGuiApplication::screens().size());
        QCOMPARE(lines.first(), QStringLiteral("Screen count: %1").arg(QGuiApplication::screens().size()));
        QVERIFY(QRegularExpression(QStringLiteral("^Screen 0: \\d+x\\d+$")).match(lines.at(1)).hasMatch());
    }
};

int main(int argc, char **argv)
{
    if (argc >= 3 && strcmp(argv[1], "--crash-child") == 0)
        return runCrashChild(argc, argv);
    Application app(argc, argv);
    TestCrashInstaller test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_crashinstaller.moc"
