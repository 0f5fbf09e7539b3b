#pragma once

#include <QDateTime>
#include <QString>

// Log levels passed by callers: 0 DEBUG, 1 ERROR, 2 WARNING, 3 INFO.
enum LogLevel { LogDebug = 0, LogError = 1, LogWarning = 2, LogInfo = 3 };

// The daily text log "log_yyyy_MM_dd.txt" in ~/.<application name>/log.
// Every line is echoed to the debug output. Lines from several threads and
// processes stay whole: each one reaches the file in a single append write.
class Logger
{
public:
    static Logger &instance();

    void log(QString message, int level);
    void write(const QString &message, const QString &levelName);

    // Today's log file (native separators); creates the log folder.
    QString logFilePath() const;
    // The log folder, created with its parents if missing; owner-only (0700),
    // and its files 0600: they carry full document paths.
    QString logDirectory() const;
    QString osName() const;

    // The line for one call, without side effects.
    static QString formatLine(const QDateTime &when, const QString &levelName,
                              const QString &message, const QString &osName);
    // Level name for a level value ("DEBUG", "ERROR", "WARNING", "INFO").
    static QString levelName(int level);
    // Windows name for the toolkit's Windows version code; "Unknown OS" otherwise.
    static QString windowsName(int versionCode);
    static QString logFileName(const QDate &day);

private:
    Logger() = default;
    static void appendLine(const QString &path, const QByteArray &line);
    Q_DISABLE_COPY(Logger)
};
