#pragma once

#include <QObject>
#include <QString>

class QScreen;

// Crash reporting for the lifetime of main(). Installs handlers for the fatal
// signals (SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL). On a crash the handler
// writes a report folder under the per-user data location: "crash.txt" with
// program name, version, signal, the "Screen count" and "Screen %1"
// properties, the "Log file" and "Configuration File" attachments and a
// backtrace of the crashing thread, plus copies of the two attached files.
// Then the signal's default action runs (the process dies as it would have).
//
// Everything the handler needs (paths, file names, screen facts) is prepared
// here as plain character buffers, at install time, when screens change and
// at midnight (a new day's log file), so the handler only does
// async-signal-safe work: open, read, write, mkdir, close, no allocation.
// Nothing is uploaded: the upload address is kept as a setting only.
// Only one installer can be active at a time.
class CrashInstaller : public QObject
{
    Q_OBJECT
public:
    // Installs the handlers; reports go to reportsDirectory, or to
    // defaultReportsDirectory() when it is empty. A failure is logged and
    // leaves the program without crash reporting.
    explicit CrashInstaller(const QString &reportsDirectory = QString(), QObject *parent = nullptr);
    // Restores the handlers that were there before.
    ~CrashInstaller() override;

    bool isInstalled() const { return m_installed; }
    QString reportsDirectory() const { return m_reportsDirectory; }
    // Where a report would be sent if sending existed; settings key below.
    QString uploadAddress() const { return m_uploadAddress; }

    static QString defaultReportsDirectory();
    static const char *const keyUploadAddress;   // "crash_upload_address"
    static const char *const defaultUploadAddress;

    // The screen facts as they go into a report: "Screen count" and one
    // "Screen %1" line per screen, "%1x%2" in pixels.
    static QString screenFacts();

public slots:
    // Re-reads the screens, today's log file and the settings file into the
    // buffers the handler reads.
    void refreshFacts();

private:
    // Installs the handlers; returns an empty string or the reason it failed.
    QString install();
    void watchScreen(QScreen *screen);
    void scheduleMidnightRefresh();

    QString m_reportsDirectory;
    QString m_uploadAddress;
    bool m_installed = false;
};
