#pragma once

#include <QSettings>
#include <QSize>
#include <QString>
#include <memory>

// The program's identity and its per-user INI settings. There is no long-lived
// settings object: every reader and writer opens a fresh one with open(),
// uses it and drops it, so writes reach the file when it is destroyed.
// GUI-free, so the worker, the controllers and the tests share it.
class AppSettings
{
public:
    static const char *const applicationName;    // "Pinecone Sheafwright"
    static const char *const organizationName;   // "Pinecone"
    static const char *const organizationDomain;
    static const char *const version;            // "2.0.10"
    static const char *const defaultPublisher;   // Latin-1 constant
    // The program's folder inside the XDG base folders (cache, state):
    // "sheafwright", e.g. ~/.cache/sheafwright.
    static const char *const folderName;

    // Keys, exactly as stored in the INI file.
    static const char *const keyLanguage;
    static const char *const keyPublisher;
    static const char *const keySaveModeGroup;
    static const char *const keySaveMode;        // inside keySaveModeGroup
    static const char *const keySavePath;        // inside keySaveModeGroup
    static const char *const keyLastSelectFolder;
    static const char *const keyMergeLastSaveFolder;
    static const char *const keyWindowGroup;
    static const char *const keyWindowSize;       // inside keyWindowGroup
    static const char *const keyWindowMaximized;  // inside keyWindowGroup

    // Sets name, organisation, domain and version on the running application.
    static void applyIdentity();

    // A new settings object for the per-user INI file of the program.
    static std::shared_ptr<QSettings> open();

    // Stored values with the defaults of a first start.
    static QString language();             // system locale's two letters when unset or empty
    static QString publisher();            // "Pinecone Sheafwright"
    static int saveMode();                 // 0
    static QString savePath();             // desktopFolder()
    static QString lastSelectFolder();     // desktopFolder()
    static QString mergeLastSaveFolder();  // desktopFolder()
    // The main window's size (without a shadow margin) when it was last
    // closed, and whether it was maximised; an invalid size and false at first.
    static QSize windowSize();
    static bool windowMaximized();
    static void saveWindowState(const QSize &size, bool maximized);

    static QString systemLanguage();
    // The user's desktop folder when it exists, else the home folder.
    static QString desktopFolder();
};
