#include "app/CrashInstaller.h"

#include "app/AppSettings.h"
#include "app/FileUtils.h"
#include "app/Logger.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <execinfo.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

const char *const CrashInstaller::keyUploadAddress = "crash_upload_address";
const char *const CrashInstaller::defaultUploadAddress = "https://sheafwright.org/crash-reports/upload";

namespace {

const char programName[] = "Sheafwright";
const int fatalSignals[] = {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL};
const int signalCount = int(sizeof(fatalSignals) / sizeof(fatalSignals[0]));
const size_t pathSize = 4096;
const off_t attachmentLimit = 1024 * 1024;   // the tail of a long log is what matters
const size_t alternateStackSize = 256 * 1024;

// One snapshot of the facts a report needs; two of them so a refresh never
// writes into the one the handler may be reading.
struct Facts {
    char logFile[pathSize];
    char logCopyName[256];
    char configFile[pathSize];
    char configCopyName[256];
    char screens[4096];
    char uploadAddress[1024];
};

Facts facts[2];
std::atomic<int> currentFacts{0};
char reportsDir[pathSize];
struct sigaction previousActions[signalCount];
stack_t previousStack;
void *alternateStack = nullptr;
std::atomic<bool> active{false};
std::atomic_flag handling = ATOMIC_FLAG_INIT;
char copyBuffer[64 * 1024];

void copyText(char *target, size_t size, const QByteArray &text)
{
    const size_t length = qMin(size - 1, size_t(text.size()));
    memcpy(target, text.constData(), length);
    target[length] = '\0';
}

// --- Async-signal-safe helpers: no allocation, no locks, no stdio. ---

void writeAll(int fd, const char *data, size_t length)
{
    while (length > 0) {
        const ssize_t written = ::write(fd, data, length);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        data += written;
        length -= size_t(written);
    }
}

void writeText(int fd, const char *text)
{
    writeAll(fd, text, strlen(text));
}

// Decimal (base 10) or hexadecimal (base 16) digits of value into buffer.
const char *formatNumber(unsigned long long value, unsigned base, char *buffer, size_t size)
{
    char *end = buffer + size - 1;
    *end = '\0';
    char *p = end;
    do {
        const unsigned digit = unsigned(value % base);
        *--p = char(digit < 10 ? '0' + digit : 'a' + digit - 10);
        value /= base;
    } while (value > 0 && p > buffer);
    return p;
}

void writeNumber(int fd, unsigned long long value, unsigned base = 10)
{
    char buffer[32];
    writeText(fd, formatNumber(value, base, buffer, sizeof buffer));
}

// Appends text to target (size bytes) and returns the new end.
char *append(char *target, const char *end, const char *text)
{
    while (*text && target < end - 1)
        *target++ = *text++;
    *target = '\0';
    return target;
}

const char *signalName(int signal)
{
    switch (signal) {
    case SIGSEGV: return "SIGSEGV";
    case SIGABRT: return "SIGABRT";
    case SIGBUS: return "SIGBUS";
    case SIGFPE: return "SIGFPE";
    case SIGILL: return "SIGILL";
    default: return "unknown";
    }
}

bool hasFaultAddress(int signal)
{
    return signal == SIGSEGV || signal == SIGBUS || signal == SIGFPE || signal == SIGILL;
}

enum CopyResult { Copied, SourceMissing, CopyFailed };

// Copies at most the last attachmentLimit bytes of source into target.
CopyResult copyTail(const char *source, const char *target)
{
    const int in = ::open(source, O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return errno == ENOENT ? SourceMissing : CopyFailed;
    const off_t size = ::lseek(in, 0, SEEK_END);
    ::lseek(in, size > attachmentLimit ? size - attachmentLimit : 0, SEEK_SET);
    const int out = ::open(target, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (out < 0) {
        ::close(in);
        return CopyFailed;
    }
    for (;;) {
        const ssize_t got = ::read(in, copyBuffer, sizeof copyBuffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        writeAll(out, copyBuffer, size_t(got));
    }
    ::close(out);
    ::close(in);
    return Copied;
}

void writeAttachment(int report, const char *folder, const char *name, const char *source,
                     const char *copyName)
{
    char target[pathSize * 2];
    char *end = append(target, target + sizeof target, folder);
    end = append(end, target + sizeof target, "/");
    append(end, target + sizeof target, copyName);
    const CopyResult result = copyTail(source, target);
    writeText(report, name);
    writeText(report, ": ");
    writeText(report, source);
    switch (result) {
    case Copied:
        writeText(report, " (copied as ");
        writeText(report, copyName);
        writeText(report, ")\n");
        break;
    case SourceMissing:
        writeText(report, " (not present)\n");
        break;
    case CopyFailed:
        writeText(report, " (could not be copied)\n");
        break;
    }
}

// Creates "<reportsDir>/crash-<seconds>-<pid>" and returns its path in folder.
bool makeReportFolder(char *folder, size_t size)
{
    char number[32];
    char *end = append(folder, folder + size, reportsDir);
    end = append(end, folder + size, "/crash-");
    end = append(end, folder + size, formatNumber((unsigned long long)time(nullptr), 10, number, sizeof number));
    end = append(end, folder + size, "-");
    append(end, folder + size, formatNumber((unsigned long long)getpid(), 10, number, sizeof number));
    return ::mkdir(folder, 0700) == 0 || errno == EEXIST;
}

void writeReport(int signal, const siginfo_t *info)
{
    const Facts &now = facts[currentFacts.load()];
    char folder[pathSize + 64];
    if (!makeReportFolder(folder, sizeof folder))
        return;
    char reportPath[sizeof folder + 16];
    append(append(reportPath, reportPath + sizeof reportPath, folder), reportPath + sizeof reportPath,
           "/crash.txt");
    const int report = ::open(reportPath, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (report < 0)
        return;

    writeText(report, "Application: ");
    writeText(report, programName);
    writeText(report, "\nVersion: ");
    writeText(report, SW_VERSION);
    writeText(report, "\nSignal: ");
    writeNumber(report, (unsigned long long)signal);
    writeText(report, " (");
    writeText(report, signalName(signal));
    writeText(report, ")\n");
    // Only a fault found by the kernel has an address; a sent signal has none.
    if (info && info->si_code > 0 && hasFaultAddress(signal)) {
        writeText(report, "Fault address: 0x");
        writeNumber(report, (unsigned long long)(uintptr_t)info->si_addr, 16);
        writeText(report, "\n");
    }
    writeText(report, "Process: ");
    writeNumber(report, (unsigned long long)getpid());
    writeText(report, "\nTime: ");
    writeNumber(report, (unsigned long long)time(nullptr));
    writeText(report, " (seconds since 1970, UTC)\nUpload address: ");
    writeText(report, now.uploadAddress);
    writeText(report, " (not sent)\n\n[Properties]\n");
    writeText(report, now.screens);
    writeText(report, "\n[Files]\n");
    writeAttachment(report, folder, "Log file", now.logFile, now.logCopyName);
    writeAttachment(report, folder, "Configuration File", now.configFile, now.configCopyName);
    writeText(report, "\n[Backtrace]\n");
    void *frames[128];
    const int depth = backtrace(frames, 128);
    backtrace_symbols_fd(frames, depth, report);
    ::close(report);
}

void crashHandler(int signal, siginfo_t *info, void *)
{
    const int savedErrno = errno;
    if (!handling.test_and_set())
        writeReport(signal, info);
    // Let the default action run: it takes effect once this handler returns,
    // for a fault (the instruction repeats) and for a raised signal alike.
    struct sigaction defaultAction;
    memset(&defaultAction, 0, sizeof defaultAction);
    defaultAction.sa_handler = SIG_DFL;
    sigemptyset(&defaultAction.sa_mask);
    ::sigaction(signal, &defaultAction, nullptr);
    ::raise(signal);
    errno = savedErrno;
}

} // namespace

CrashInstaller::CrashInstaller(const QString &reportsDirectory, QObject *parent)
    : QObject(parent)
    , m_reportsDirectory(reportsDirectory.isEmpty() ? defaultReportsDirectory() : reportsDirectory)
{
    qDebug() << Q_FUNC_INFO << "[BEGIN]";
    m_uploadAddress = AppSettings::open()
                          ->value(QString::fromLatin1(keyUploadAddress), QString::fromLatin1(defaultUploadAddress))
                          .toString();
    const QString failure = install();
    if (!failure.isEmpty()) {
        Logger::instance().log(QStringLiteral("Could not start crash reporter. %1").arg(failure), LogDebug);
        return;
    }
    if (qGuiApp) {
        connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen *screen) {
            watchScreen(screen);
            refreshFacts();
        });
        connect(qGuiApp, &QGuiApplication::screenRemoved, this, &CrashInstaller::refreshFacts);
        const auto screens = QGuiApplication::screens();
        for (QScreen *screen : screens)
            watchScreen(screen);
    }
    scheduleMidnightRefresh();
    qDebug() << Q_FUNC_INFO << "[END]";
}

CrashInstaller::~CrashInstaller()
{
    qDebug() << Q_FUNC_INFO;
    if (!m_installed)
        return;
    for (int i = 0; i < signalCount; ++i)
        ::sigaction(fatalSignals[i], &previousActions[i], nullptr);
    ::sigaltstack(&previousStack, nullptr);
    // The alternate stack stays allocated: a handler of another thread that
    // still runs on it must not lose it.
    active.store(false);
}

QString CrashInstaller::defaultReportsDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/crashes");
}

QString CrashInstaller::screenFacts()
{
    const QList<QScreen *> screens = qGuiApp ? QGuiApplication::screens() : QList<QScreen *>();
    QString text = QStringLiteral("Screen count: %1\n").arg(screens.size());
    for (int i = 0; i < screens.size(); ++i) {
        const QSize pixels = screens.at(i)->geometry().size() * screens.at(i)->devicePixelRatio();
        text += QStringLiteral("Screen %1: %2x%3\n").arg(i).arg(pixels.width()).arg(pixels.height());
    }
    return text;
}

void CrashInstaller::refreshFacts()
{
    if (!m_installed)
        return;
    const int next = 1 - currentFacts.load();
    Facts &target = facts[next];
    const QString logFile = Logger::instance().logFilePath();
    const QString configFile = QDir::toNativeSeparators(AppSettings::open()->fileName());
    copyText(target.logFile, sizeof target.logFile, QFile::encodeName(logFile));
    copyText(target.logCopyName, sizeof target.logCopyName, QFile::encodeName(QFileInfo(logFile).fileName()));
    copyText(target.configFile, sizeof target.configFile, QFile::encodeName(configFile));
    copyText(target.configCopyName, sizeof target.configCopyName,
             QFile::encodeName(QFileInfo(configFile).fileName()));
    copyText(target.screens, sizeof target.screens, screenFacts().toUtf8());
    copyText(target.uploadAddress, sizeof target.uploadAddress, m_uploadAddress.toUtf8());
    currentFacts.store(next);
}

void CrashInstaller::watchScreen(QScreen *screen)
{
    connect(screen, &QScreen::geometryChanged, this, &CrashInstaller::refreshFacts);
}

void CrashInstaller::scheduleMidnightRefresh()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime nextDay(now.date().addDays(1), QTime(0, 0, 1));
    QTimer::singleShot(int(qBound<qint64>(1000, now.msecsTo(nextDay), 24 * 3600 * 1000)), this, [this] {
        refreshFacts();
        scheduleMidnightRefresh();
    });
}

QString CrashInstaller::install()
{
    if (active.exchange(true))
        return QStringLiteral("Another crash reporter is already installed.");
    const QString folder = QDir::cleanPath(m_reportsDirectory);
    if (!FileUtils::ensureDirectory(QFileInfo(folder).absolutePath()) || !FileUtils::ensurePrivateDirectory(folder)) {
        active.store(false);
        return QStringLiteral("The report folder %1 cannot be created.").arg(QDir::toNativeSeparators(folder));
    }
    const QByteArray encoded = QFile::encodeName(folder);
    if (size_t(encoded.size()) >= pathSize - 128) {
        active.store(false);
        return QStringLiteral("The report folder path is too long.");
    }
    copyText(reportsDir, sizeof reportsDir, encoded);

    // The first backtrace() loads the unwinder, which allocates: do it now.
    void *frame[1];
    backtrace(frame, 1);

    // A stack of its own, so a stack overflow can still be reported.
    if (!alternateStack)
        alternateStack = malloc(alternateStackSize);
    stack_t stack;
    stack.ss_sp = alternateStack;
    stack.ss_size = alternateStackSize;
    stack.ss_flags = 0;
    if (!alternateStack || ::sigaltstack(&stack, &previousStack) != 0) {
        active.store(false);
        return QStringLiteral("No signal stack: %1").arg(QString::fromLocal8Bit(strerror(errno)));
    }

    m_installed = true;
    refreshFacts();
    struct sigaction action;
    memset(&action, 0, sizeof action);
    action.sa_sigaction = crashHandler;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < signalCount; ++i) {
        if (::sigaction(fatalSignals[i], &action, &previousActions[i]) != 0) {
            const QString reason = QString::fromLocal8Bit(strerror(errno));
            for (int j = 0; j < i; ++j)
                ::sigaction(fatalSignals[j], &previousActions[j], nullptr);
            ::sigaltstack(&previousStack, nullptr);
            m_installed = false;
            active.store(false);
            return QStringLiteral("Signal handler refused: %1").arg(reason);
        }
    }
    return QString();
}
