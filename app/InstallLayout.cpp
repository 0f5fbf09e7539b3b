#include "app/InstallLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

// The build system passes the relative paths of the configured install; a
// build without them (a stray compile) uses the GNU defaults.
#ifndef SW_LIBEXEC_FROM_BIN
#define SW_LIBEXEC_FROM_BIN "../libexec/sheafwright"
#endif
#ifndef SW_TRANSLATIONS_FROM_BIN
#define SW_TRANSLATIONS_FROM_BIN "../share/sheafwright/translations"
#endif

namespace {

QString &programFolderOverride()
{
    static QString folder;
    return folder;
}

QString workerFileName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("pdfworker.exe");
#else
    return QStringLiteral("pdfworker");
#endif
}

QString joined(const QString &folder, const QString &relative)
{
    return QDir::cleanPath(folder + QLatin1Char('/') + relative);
}

} // namespace

QString InstallLayout::libexecFromProgram()
{
    return QStringLiteral(SW_LIBEXEC_FROM_BIN);
}

QString InstallLayout::translationsFromProgram()
{
    return QStringLiteral(SW_TRANSLATIONS_FROM_BIN);
}

QString InstallLayout::programFolder()
{
    const QString &folder = programFolderOverride();
    if (!folder.isEmpty())
        return folder;
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}

void InstallLayout::setProgramFolder(const QString &folder)
{
    programFolderOverride() = folder.isEmpty() ? QString() : QDir::cleanPath(QDir(folder).absolutePath());
}

QString InstallLayout::workerProgram()
{
    return workerProgram(programFolder());
}

QString InstallLayout::workerProgram(const QString &programFolder)
{
    const QString beside = joined(programFolder, workerFileName());
    if (QFileInfo(beside).isFile())
        return QDir::toNativeSeparators(beside);
    const QString installed = joined(joined(programFolder, libexecFromProgram()), workerFileName());
    if (QFileInfo(installed).isFile())
        return QDir::toNativeSeparators(installed);
    return QDir::toNativeSeparators(beside);
}

QString InstallLayout::translationsDirectory()
{
    return translationsDirectory(programFolder());
}

QString InstallLayout::translationsDirectory(const QString &programFolder)
{
    const QString beside = joined(programFolder, QStringLiteral("translations"));
    if (QFileInfo(beside).isDir())
        return beside;
    const QString installed = joined(programFolder, translationsFromProgram());
    if (QFileInfo(installed).isDir())
        return installed;
    return beside;
}
