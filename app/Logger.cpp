#include "app/Logger.h"

#include "app/AppSettings.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSysInfo>

#ifndef Q_OS_WIN
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

Logger &Logger::instance()
{
    static Logger logger;
    return logger;
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

void Logger::write(const QString &message, const QString &levelName)
{
    const QDateTime now = QDateTime::currentDateTime();
    const QByteArray line = formatLine(now, levelName, message, osName()).toUtf8();
    appendLine(QDir(logDirectory()).filePath(logFileName(now.date())), line);
    qDebug().noquote() << QString::fromUtf8(line).trimmed();
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

QString Logger::logDirectory() const
{
    QString appName = QCoreApplication::applicationName();
    if (appName.isEmpty())
        appName = QString::fromLatin1(AppSettings::applicationName);
    const QString path = QDir::homePath() + QStringLiteral("/.") + appName + QStringLiteral("/log");
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
