#include "app/FileUtils.h"

#include "app/AppSettings.h"
#include "app/Logger.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QMutex>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>
#include <QUuid>

#ifndef Q_OS_WIN
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace FileUtils {

namespace {

#ifdef Q_OS_WIN
QString appName()
{
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QString::fromLatin1(AppSettings::applicationName) : name;
}
#endif

#ifndef Q_OS_WIN
bool isOwnedPrivateDirectory(const QString &path)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid();
}

// Fallback when the usual place cannot be trusted: mkdtemp gives a new
// owner-only folder that nobody else can have prepared. Empty on failure.
QString freshPrivateTempDirectory()
{
    // Never "/sheafwright-..." when the temporary folder is missing.
    const QString temp = QDir::tempPath();
    if (temp.isEmpty() || QDir::isRelativePath(temp) || !QFileInfo(temp).isDir())
        return QString();
    QByteArray pattern = QFile::encodeName(temp + QStringLiteral("/sheafwright-XXXXXX"));
    if (!::mkdtemp(pattern.data()))
        return QString();
    return QFile::decodeName(pattern);
}

// The fallback folder of this process, made when first needed and made again
// when it has gone; empty while none can be made.
QString fallbackCacheDirectory()
{
    static QMutex mutex;
    static QString folder;
    QMutexLocker lock(&mutex);
    if (folder.isEmpty() || !isOwnedPrivateDirectory(folder))
        folder = freshPrivateTempDirectory();
    return folder;
}

bool isMissingFeature(int error)
{
    return error == EINVAL || error == ENOSYS || error == EPERM || error == EOPNOTSUPP || error == ENOTSUP
        || error == EXDEV || error == EMLINK;
}

// Claims the name with an empty file nobody else can have made (O_EXCL), then
// renames the finished file over that claim: the only file replaced is our own
// empty one.
int claimThenRename(const QByteArray &src, const QByteArray &dst)
{
    const int fd = ::open(dst.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno == EEXIST ? EEXIST : (errno ? errno : EIO);
    ::close(fd);
    if (::rename(src.constData(), dst.constData()) == 0)
        return 0;
    const int error = errno ? errno : EIO;
    ::unlink(dst.constData());
    return error;
}

// Moves without replacing, with the first of the allowed methods that the
// file system supports. 0, EEXIST when the name is taken, or another errno.
int renameNoReplace(const QString &from, const QString &to, int methods)
{
    const QByteArray src = QFile::encodeName(from);
    const QByteArray dst = QFile::encodeName(to);
    int error = EINVAL;
    if (methods & RenameNoReplace) {
        if (::renameat2(AT_FDCWD, src.constData(), AT_FDCWD, dst.constData(), RENAME_NOREPLACE) == 0)
            return 0;
        error = errno;
        if (!isMissingFeature(error))
            return error;
    }
    if (methods & HardLink) {
        if (::link(src.constData(), dst.constData()) == 0) {
            ::unlink(src.constData());
            return 0;
        }
        error = errno;
        if (!isMissingFeature(error))
            return error;
    }
    if (methods & ClaimThenRename)
        return claimThenRename(src, dst);
    return error;
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
    const QString own = base + QLatin1Char('/') + QLatin1String(AppSettings::folderName);
    const QString cache = own + QStringLiteral("/sessions");
    QDir().mkpath(base);
    if (ensurePrivateDirectory(own) && ensurePrivateDirectory(cache))
        return cache;
    Logger::instance().log(QStringLiteral("Cache folder %1 is not private; using a fresh one.")
                               .arg(QDir::toNativeSeparators(cache)), LogError);
    const QString fallback = fallbackCacheDirectory();
    if (fallback.isEmpty())
        Logger::instance().log(QStringLiteral("No private folder for sessions can be made in %1.")
                                   .arg(QDir::toNativeSeparators(QDir::tempPath())), LogError);
    return fallback;
#endif
}

QStringList oldCacheDirectories()
{
#ifdef Q_OS_WIN
    return {};
#else
    // The folder was named after the application, whose name was the
    // executable's until the identity was set: two names were in use.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    QStringList folders;
    for (const QString &name : {QStringLiteral("sheafwright"), QString::fromLatin1(AppSettings::applicationName)})
        folders << base + QStringLiteral("/.") + name + QStringLiteral("/cache");
    return folders;
#endif
}

QString userCacheFolder()
{
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation));
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
    if (::mkdir(native.constData(), 0700) == 0)
        return isOwnedPrivateDirectory(path);
    // A folder that was there already keeps its mode: it may be one the user
    // gave (a shared 1777 folder, say) whose rights are theirs to set.
    return errno == EEXIST && isOwnedPrivateDirectory(path);
#endif
}

namespace {

// folder/fileName with number 0, "folder/(number)fileName" above.
QString numberedPath(const QString &folder, const QString &fileName, int number)
{
    // Plain concatenation: a folder or file name holding "%1" stays as it is.
    if (number == 0)
        return QDir::toNativeSeparators(folder + QLatin1Char('/') + fileName);
    return QDir::toNativeSeparators(folder + QStringLiteral("/(") + QString::number(number) + QLatin1Char(')')
                                    + fileName);
}

// The first free numbered path from *number upward; *number becomes its number.
QString firstFreeFrom(const QString &folder, const QString &fileName, int *number)
{
    QString candidate = numberedPath(folder, fileName, *number);
    while (QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink())
        candidate = numberedPath(folder, fileName, ++*number);
    return candidate;
}

} // namespace

QString uniqueFilePath(const QString &folder, const QString &fileName)
{
    int number = 0;
    return firstFreeFrom(folder, fileName, &number);
}

namespace {

const QString temporaryPrefix = QStringLiteral(".sheafwright-");
const QString temporarySuffix = QStringLiteral(".part");

struct WorkerSession
{
    QString id;
    QString folder;   // absolute, cleaned
};

WorkerSession &workerSession()
{
    static WorkerSession session;
    return session;
}

} // namespace

void setWorkerSession(const QString &sessionId, const QString &sessionFolder)
{
    workerSession().id = sessionId;
    workerSession().folder = sessionFolder.isEmpty() ? QString()
                                                     : QDir::cleanPath(QFileInfo(sessionFolder).absoluteFilePath());
}

bool isInWorkerSession(const QString &path)
{
    const QString &folder = workerSession().folder;
    if (folder.isEmpty() || path.isEmpty())
        return false;
    const QString location = QDir::cleanPath(QFileInfo(path).absolutePath());
    return location == folder || location.startsWith(folder + QLatin1Char('/'));
}

QString temporaryPathIn(const QString &folder)
{
    const QString &tag = workerSession().id;
    const QString session = tag.isEmpty() ? QString() : tag + QLatin1Char('-');
    return QDir::toNativeSeparators(folder + QLatin1Char('/') + temporaryPrefix + session + uniqueId()
                                    + temporarySuffix);
}

bool isTemporaryFileOf(const QString &fileName, const QString &sessionId)
{
    if (sessionId.isEmpty())
        return false;
    const QString head = temporaryPrefix + sessionId + QLatin1Char('-');
    if (!fileName.startsWith(head) || !fileName.endsWith(temporarySuffix))
        return false;
    // Exactly one identifier between the session and the suffix, so that the
    // session "a" never claims the files of a session "a-b".
    static const QRegularExpression identifier(QStringLiteral("^[0-9A-Fa-f]{32}$"));
    const QString rest = fileName.mid(head.size(), fileName.size() - head.size() - temporarySuffix.size());
    return identifier.match(rest).hasMatch();
}

int removeTemporaryFiles(const QString &folder, const QString &sessionId)
{
    if (folder.isEmpty() || sessionId.isEmpty())
        return 0;
    int removed = 0;
    const QStringList names = QDir(folder).entryList({temporaryPrefix + sessionId + QStringLiteral("-*")},
                                                     QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (isTemporaryFileOf(name, sessionId) && QFile::remove(QDir(folder).filePath(name)))
            ++removed;
    }
    return removed;
}

QString commitUnique(const QString &tempPath, const QString &folder, const QString &fileName, int methods,
                     const std::function<void(const QString &)> &beforeMove, NextFreeNumbers *numbers)
{
    const QString key = folder + QLatin1Char('/') + fileName;
    int number = numbers ? numbers->value(key, 0) : 0;
    for (int attempt = 0; attempt < 10000; ++attempt, ++number) {
        const QString target = firstFreeFrom(folder, fileName, &number);
        if (numbers)
            numbers->insert(key, number + 1);
        if (beforeMove)
            beforeMove(target);
#ifdef Q_OS_WIN
        Q_UNUSED(methods)
        if (QFile::rename(tempPath, target))   // refuses an existing target
            return target;
        if (!QFileInfo::exists(target))
            return QString();
#else
        const int result = renameNoReplace(tempPath, target, methods);
        if (result == 0)
            return target;
        if (result != EEXIST)
            return QString();
#endif
        // Someone took the name between the check and the move: try the next.
    }
    return QString();
}

void failWritesPastSizeLimit()
{
#ifndef Q_OS_WIN
    std::signal(SIGXFSZ, SIG_IGN);
#endif
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
