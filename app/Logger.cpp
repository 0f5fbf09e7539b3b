#include "app/Logger.h"

#include "app/AppSettings.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>
#include <QSysInfo>

#include <atomic>
#include <cstdio>
#include <cstring>

#ifndef Q_OS_WIN
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The logger's echo of its own lines: the message handler knows them by
// this category and does not write them to the file a second time.
Q_LOGGING_CATEGORY(logFileEcho, "sheafwright.log")

std::atomic<bool> verboseOutput{false};

bool isSerious(QtMsgType type)
{
    return type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg;
}

QString levelNameFor(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg: return Logger::levelName(LogDebug);
    case QtInfoMsg: return Logger::levelName(LogInfo);
    case QtWarningMsg: return Logger::levelName(LogWarning);
    case QtCriticalMsg:
    case QtFatalMsg: break;
    }
    return Logger::levelName(LogError);
}

bool isLogFileEcho(const QMessageLogContext &context)
{
    return context.category && std::strcmp(context.category, logFileEcho().categoryName()) == 0;
}

void routeMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!isLogFileEcho(context))
        Logger::instance().write(message, levelNameFor(type), false);
    if (isSerious(type) || verboseOutput.load()) {
        const QByteArray text = qFormatLogMessage(type, context, message).toLocal8Bit();
        std::fprintf(stderr, "%s\n", text.constData());
        std::fflush(stderr);
    }
}

// $XDG_STATE_HOME when it is an absolute path, else ~/.local/state.
QString stateHome()
{
    const QString configured = qEnvironmentVariable("XDG_STATE_HOME");
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured))
        return configured;
    return QDir::homePath() + QStringLiteral("/.local/state");
}

} // namespace

Logger &Logger::instance()
{
    static Logger logger;
    return logger;
}

void Logger::installMessageHandler(bool verbose)
{
    verboseOutput.store(verbose);
    qInstallMessageHandler(routeMessage);
}

bool Logger::verboseRequested(int argc, const char *const *argv)
{
    const QByteArray variable = qgetenv("SHEAFWRIGHT_DEBUG");
    if (!variable.isEmpty() && variable != "0")
        return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            return false;
        if (std::strcmp(argv[i], "--verbose") == 0)
            return true;
    }
    return false;
}

QString Logger::levelName(int level)
{
    static const QHash<int, QString> names = {
        {LogDebug, QStringLiteral("DEBUG")},
        {LogError, QStringLiteral("ERROR")},
        {LogWarning, QStringLiteral("WARNING")},
        {LogInfo, QStringLiteral("INFO")},
    };
    return names.value(level);
}

void Logger::log(QString message, int level)
{
    write(message, levelName(level));
}

QString Logger::formatLine(const QDateTime &when, const QString &levelName,
                           const QString &message, const QString &osName)
{
    return QStringLiteral("[%5][%4][%1] %2: %3\n")
        .arg(when.toString(QStringLiteral("hh:mm:ss")), levelName, message, osName,
             QString::fromLatin1(AppSettings::version));
}

QString Logger::logFileName(const QDate &day)
{
    return QStringLiteral("log_%1.txt").arg(day.toString(QStringLiteral("yyyy_MM_dd")));
}

void Logger::write(const QString &message, const QString &levelName, bool echo)
{
    const QByteArray line = append(message, levelName);
    if (!echo)
        return;
    const QString text = QString::fromUtf8(line).trimmed();
    if (levelName == Logger::levelName(LogError) || levelName == Logger::levelName(LogWarning))
        qCWarning(logFileEcho).noquote() << text;
    else
        qCDebug(logFileEcho).noquote() << text;
}

QByteArray Logger::append(const QString &message, const QString &levelName) const
{
    const QDateTime now = QDateTime::currentDateTime();
    const QByteArray line = formatLine(now, levelName, message, osName()).toUtf8();
    appendLine(QDir(logDirectory()).filePath(logFileName(now.date())), line);
    return line;
}

void Logger::appendLine(const QString &path, const QByteArray &line)
{
#ifdef Q_OS_WIN
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        file.write(line);
#else
    // The lines name the user's documents: the file is the owner's alone.
    // One write(2) on an O_APPEND descriptor: concurrent writers never
    // interleave inside a line.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    struct stat st;
    if (::fstat(fd, &st) == 0 && (st.st_mode & 077) != 0)
        ::fchmod(fd, 0600);   // a file from an older version
    ssize_t written;
    do {
        written = ::write(fd, line.constData(), size_t(line.size()));
    } while (written < 0 && errno == EINTR);
    ::close(fd);
#endif
}

QString Logger::logFilePath() const
{
    const QString name = logFileName(QDate::currentDate());
    return QDir::toNativeSeparators(QDir(logDirectory()).filePath(name));
}

QStringList Logger::oldLogDirectories()
{
    // Named after the application, whose name was the executable's until
    // the identity was set: two names were in use.
    QStringList folders;
    for (const QString &name : {QStringLiteral("sheafwright"), QString::fromLatin1(AppSettings::applicationName)})
        folders << QDir::homePath() + QStringLiteral("/.") + name + QStringLiteral("/log");
    return folders;
}

int Logger::adoptOldLogs() const
{
    const QDir current(logDirectory());
    int moved = 0;
    for (const QString &oldFolder : oldLogDirectories()) {
        QDir old(oldFolder);
        if (!old.exists())
            continue;
        for (const QString &day : old.entryList({QStringLiteral("log_*.txt")}, QDir::Files | QDir::Hidden)) {
            const QString from = old.filePath(day);
            const QString to = current.filePath(day);
            if (!QFileInfo::exists(to)) {
                moved += QFile::rename(from, to) ? 1 : 0;
                continue;
            }
            // The same day in both places: the old lines join the new file.
            QFile file(from);
            if (file.open(QIODevice::ReadOnly)) {
                appendLine(to, file.readAll());
                file.close();
                moved += QFile::remove(from) ? 1 : 0;
            }
        }
        // Only empty folders go: anything else left there is not ours to delete.
        if (old.rmdir(oldFolder))
            QDir().rmdir(QFileInfo(oldFolder).absolutePath());
    }
    return moved;
}

QString Logger::logDirectory() const
{
    const QString path = stateHome() + QLatin1Char('/') + QLatin1String(AppSettings::folderName)
                         + QStringLiteral("/log");
    QDir().mkpath(path);
#ifndef Q_OS_WIN
    // Owner-only, like the cache: the log carries full document paths.
    struct stat st;
    const QByteArray native = QFile::encodeName(path);
    if (::lstat(native.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid()
        && (st.st_mode & 077) != 0)
        ::chmod(native.constData(), 0700);
#endif
    return QDir::toNativeSeparators(path);
}

QString Logger::windowsName(int versionCode)
{
    switch (versionCode) {
    case 0x10: return QStringLiteral("Windows NT");
    case 0x20: return QStringLiteral("Windows 2000");
    case 0x30: return QStringLiteral("Windows XP");
    case 0x40: return QStringLiteral("Windows 2003");
    case 0x80: return QStringLiteral("Windows Vista");
    case 0x90: return QStringLiteral("Windows 7");
    case 0xa0: return QStringLiteral("Windows 8");
    case 0xb0: return QStringLiteral("Windows 8.1");
    case 0xc0: return QStringLiteral("Windows 10");
    default: break;
    }
    return versionCode > 0xc0 ? QStringLiteral("Windows > 10") : QStringLiteral("Unknown OS");
}

QString Logger::osName() const
{
#ifdef Q_OS_WIN
    return windowsName(QSysInfo::windowsVersion());
#else
    // The distribution's pretty name, e.g. "Debian GNU/Linux 12 (bookworm)".
    static const QString name = QSysInfo::prettyProductName();
    return name;
#endif
}
