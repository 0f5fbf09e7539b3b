#include "app/AppSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

const char *const AppSettings::applicationName = "Pinecone Sheafwright";
const char *const AppSettings::organizationName = "Pinecone";
const char *const AppSettings::organizationDomain = "sheafwright.org";
const char *const AppSettings::version = "2.0.10";
const char *const AppSettings::defaultPublisher = "Pinecone Sheafwright";
const char *const AppSettings::folderName = "sheafwright";

const char *const AppSettings::keyLanguage = "Language";
const char *const AppSettings::keyPublisher = "Publisher";
const char *const AppSettings::keySaveModeGroup = "SaveMode";
const char *const AppSettings::keySaveMode = "Mode";
const char *const AppSettings::keySavePath = "Path";
const char *const AppSettings::keyLastSelectFolder = "last_select_folder";
const char *const AppSettings::keyMergeLastSaveFolder = "merge_last_save_folder";
const char *const AppSettings::keyWindowGroup = "Window";
const char *const AppSettings::keyWindowSize = "Size";
const char *const AppSettings::keyWindowMaximized = "Maximized";

void AppSettings::applyIdentity()
{
    QCoreApplication::setApplicationName(QString::fromLatin1(applicationName));
    QCoreApplication::setOrganizationName(QString::fromLatin1(organizationName));
    QCoreApplication::setOrganizationDomain(QString::fromLatin1(organizationDomain));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(version));
}

std::shared_ptr<QSettings> AppSettings::open()
{
    return std::make_shared<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QString::fromLatin1(organizationName),
                                       QString::fromLatin1(applicationName));
}

QString AppSettings::systemLanguage()
{
    return QLocale::system().name().left(2);
}

QString AppSettings::desktopFolder()
{
    // Many Linux desktops have no desktop folder at all: a default that does
    // not exist would leave nowhere to save.
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty() && QFileInfo(desktop).isDir())
        return desktop;
    return QDir::homePath();
}

QString AppSettings::language()
{
    const QString stored = open()->value(QLatin1String(keyLanguage)).toString();
    return stored.isEmpty() ? systemLanguage() : stored;
}

QString AppSettings::publisher()
{
    return open()->value(QLatin1String(keyPublisher), QString::fromLatin1(defaultPublisher)).toString();
}

int AppSettings::saveMode()
{
    auto settings = open();
    settings->beginGroup(QLatin1String(keySaveModeGroup));
    return settings->value(QLatin1String(keySaveMode), 0).toInt();
}

QString AppSettings::savePath()
{
    auto settings = open();
    settings->beginGroup(QLatin1String(keySaveModeGroup));
    return settings->value(QLatin1String(keySavePath), desktopFolder()).toString();
}

QString AppSettings::lastSelectFolder()
{
    return open()->value(QLatin1String(keyLastSelectFolder), desktopFolder()).toString();
}

QString AppSettings::mergeLastSaveFolder()
{
    return open()->value(QLatin1String(keyMergeLastSaveFolder), desktopFolder()).toString();
}

QSize AppSettings::windowSize()
{
    const auto settings = open();
    settings->beginGroup(QLatin1String(keyWindowGroup));
    return settings->value(QLatin1String(keyWindowSize)).toSize();
}

bool AppSettings::windowMaximized()
{
    const auto settings = open();
    settings->beginGroup(QLatin1String(keyWindowGroup));
    return settings->value(QLatin1String(keyWindowMaximized), false).toBool();
}

void AppSettings::saveWindowState(const QSize &size, bool maximized)
{
    const auto settings = open();
    settings->beginGroup(QLatin1String(keyWindowGroup));
    settings->setValue(QLatin1String(keyWindowSize), size);
    settings->setValue(QLatin1String(keyWindowMaximized), maximized);
}
