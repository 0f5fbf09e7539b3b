#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// Log levels passed by callers: 0 DEBUG, 1 ERROR, 2 WARNING, 3 INFO.
enum LogLevel { LogDebug = 0, LogError = 1, LogWarning = 2, LogInfo = 3 };

// The daily text log "log_yyyy_MM_dd.txt" in the user's state folder
// ($XDG_STATE_HOME/sheafwright/log, by default ~/.local/state/sheafwright/log).
// Every line is echoed to the debug output. Lines from several threads and
// processes stay whole: each one reaches the file in a single append write.
class Logger
{
public:
    static Logger &instance();

    // Routes the toolkit's messages of this process: every one goes to the
    // log file; standard error gets warnings and errors only, unless verbose
    // (then the trace lines too). The logger's own lines are in the file
    // already and pass to standard error by the same rule.
    static void installMessageHandler(bool verbose);
    // Whether the user asked for the trace lines on standard error: the
    // option --verbose before any "--", or SHEAFWRIGHT_DEBUG set to anything
    // but "0" or nothing.
    static bool verboseRequested(int argc, const char *const *argv);

    void log(QString message, int level);
    // Appends one line to today's file; echo: also to the debug output
    // (errors and warnings as warnings).
    void write(const QString &message, const QString &levelName, bool echo = true);

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
    // The log folders of earlier versions (~/.sheafwright/log and
    // ~/.Pinecone Sheafwright/log).
    static QStringList oldLogDirectories();
    // Moves the day files of the old log folders into the log folder (a day
    // that is there already gets the old lines appended) and removes each
    // old folder when nothing else is left in it. Returns how many files moved.
    int adoptOldLogs() const;

private:
    Logger() = default;
    // Appends one formatted line to today's file; returns the line.
    QByteArray append(const QString &message, const QString &levelName) const;
    static void appendLine(const QString &path, const QByteArray &line);
    Q_DISABLE_COPY(Logger)
};
