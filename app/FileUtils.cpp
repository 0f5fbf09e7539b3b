#include "app/FileUtils.h"

#include "app/AppSettings.h"
#include "app/Logger.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>
#include <QUuid>

#ifndef Q_OS_WIN
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace FileUtils {

namespace {

QString appName()
{
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QString::fromLatin1(AppSettings::applicationName) : name;
}

#ifndef Q_OS_WIN
bool isOwnedPrivateDirectory(const QString &path)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid();
}

// Fallback when the usual place cannot be trusted: mkdtemp gives a new
// owner-only folder that nobody else can have prepared.
QString freshPrivateTempDirectory()
{
    QByteArray pattern = QFile::encodeName(QDir::tempPath() + QStringLiteral("/sheafwright-XXXXXX"));
    if (!::mkdtemp(pattern.data()))
        return QString();
    return QFile::decodeName(pattern);
}

// Moves without replacing: renameat2(RENAME_NOREPLACE) where the file system
// supports it, else a hard link (which fails on an existing name) plus unlink.
int renameNoReplace(const QString &from, const QString &to)
{
    const QByteArray src = QFile::encodeName(from);
    const QByteArray dst = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, src.constData(), AT_FDCWD, dst.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno == EEXIST)
        return EEXIST;
    if (::link(src.constData(), dst.constData()) == 0) {
        ::unlink(src.constData());
        return 0;
    }
    return errno == EEXIST ? EEXIST : (errno ? errno : EIO);
}
#endif

} // namespace

QString cacheDirectory()
{
#ifdef Q_OS_WIN
    const QString appTemp = QDir::tempPath() + QStringLiteral("/.") + appName();
    const QString cache = appTemp + QStringLiteral("/cache");
    QDir().mkpath(cache);
    return cache;
#else
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    const QString appTemp = base + QStringLiteral("/.") + appName();
    const QString cache = appTemp + QStringLiteral("/cache");
    QDir().mkpath(base);
    if (ensurePrivateDirectory(appTemp) && ensurePrivateDirectory(cache))
        return cache;
    Logger::instance().log(QStringLiteral("Cache folder %1 is not private; using a fresh one.")
                               .arg(QDir::toNativeSeparators(cache)), LogError);
    static const QString fallback = freshPrivateTempDirectory();
    return fallback;
#endif
}

bool ensureDirectory(const QString &path)
{
    if (QFileInfo(path).isDir())
        return true;
    return QDir().mkpath(path);
}

bool ensurePrivateDirectory(const QString &path)
{
#ifdef Q_OS_WIN
    return ensureDirectory(path);
#else
    if (path.isEmpty())
        return false;
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    if (!isOwnedPrivateDirectory(path))
        return false;
    // An existing folder of ours may have been created with wider rights.
    return ::chmod(native.constData(), 0700) == 0;
#endif
}

QString uniqueFilePath(const QString &folder, const QString &fileName)
{
    QString candidate = QDir::toNativeSeparators(folder + QLatin1Char('/') + fileName);
    for (int counter = 1; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++counter)
        candidate = QDir::toNativeSeparators(QStringLiteral("%1/(%2)%3").arg(folder).arg(counter).arg(fileName));
    return candidate;
}

QString temporaryPathIn(const QString &folder)
{
    return QDir::toNativeSeparators(folder + QStringLiteral("/.sheafwright-") + uniqueId()
                                    + QStringLiteral(".part"));
}

QString commitUnique(const QString &tempPath, const QString &folder, const QString &fileName)
{
    for (int attempt = 0; attempt < 10000; ++attempt) {
        const QString target = uniqueFilePath(folder, fileName);
#ifdef Q_OS_WIN
        if (QFile::rename(tempPath, target))   // refuses an existing target
            return target;
        if (!QFileInfo::exists(target))
            return QString();
#else
        const int result = renameNoReplace(tempPath, target);
        if (result == 0)
            return target;
        if (result != EEXIST)
            return QString();
#endif
        // Someone took the name between the check and the move: try the next.
    }
    return QString();
}

bool removeDirectory(const QString &path)
{
    qDebug() << Q_FUNC_INFO << "Removing dir:" << path;
    if (path.isEmpty())
        return true;
    const QFileInfo root(path);
    if (root.isSymLink())   // never descend through a link: remove the link itself
        return QFile::remove(path);
    if (!root.isDir())
        return true;
    QDir dir(path);
    const QFileInfoList entries = dir.entryInfoList(
        QDir::Files | QDir::AllDirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDir::DirsFirst);
    for (const QFileInfo &entry : entries) {
        bool removed;
        if (entry.isSymLink() || !entry.isDir())
            removed = QFile::remove(entry.absoluteFilePath());
        else
            removed = removeDirectory(entry.absoluteFilePath());
        if (!removed)
            return false;
    }
    const bool result = QDir().rmdir(path);
    qDebug() << Q_FUNC_INFO << "Result:" << result;
    return result;
}

void removeFiles(const QStringList &paths)
{
    for (const QString &path : paths)
        QFile::remove(path);
}

QString uniqueId()
{
    static const QRegularExpression notAlphanumeric(QStringLiteral("[^a-zA-Z\\d\\s]"));
    return QUuid::createUuid().toString().remove(notAlphanumeric);
}

QStringList pdfFilesFromMimeData(const QMimeData *mimeData)
{
    QStringList files;
    if (!mimeData || !mimeData->hasUrls())
        return files;
    for (const QUrl &url : mimeData->urls()) {
        const QString path = url.toLocalFile();
        const QFileInfo info(path);
        if (!path.isEmpty() && info.isFile() && path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            files << path;
    }
    return files;
}

} // namespace FileUtils
