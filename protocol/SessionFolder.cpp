#include "protocol/SessionFolder.h"

#include "app/FileUtils.h"
#include "app/Logger.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>

namespace {

QString lockPathFor(const QString &folder)
{
    return folder + QStringLiteral(".lock");
}

QString outputFolderNote(const QString &folder)
{
    return folder + QStringLiteral("/output-folder");
}

// The temporary files a dead session left in the output folder it noted.
void removeLeftOutputs(const QString &folder, const QString &sessionId)
{
    QFile note(outputFolderNote(folder));
    if (!note.open(QIODevice::ReadOnly))
        return;
    const QString outputFolder = QString::fromUtf8(note.readAll());
    const int removed = FileUtils::removeTemporaryFiles(outputFolder, sessionId);
    if (removed > 0)
        Logger::instance().log(QStringLiteral("Removed %1 temporary file(s) left by an earlier run in %2")
                                   .arg(removed).arg(outputFolder), LogInfo);
}

// A lock held by a live process stays valid however old it is: only a dead
// holder makes it stale.
std::unique_ptr<QLockFile> newLock(const QString &folder)
{
    auto lock = std::make_unique<QLockFile>(lockPathFor(folder));
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

SessionFolder::SessionFolder(const QString &cacheDirectory)
{
    if (cacheDirectory.isEmpty())
        return;
    m_id = FileUtils::uniqueId();
    m_path = QDir::toNativeSeparators(cacheDirectory + QLatin1Char('/') + m_id);
    // The lock comes first: a folder without a held lock may be swept away by
    // another instance starting up.
    m_lock = newLock(m_path);
    if (!m_lock->tryLock(0)) {
        Logger::instance().log(QStringLiteral("Can not lock session folder: %1").arg(m_path), LogError);
        return;
    }
    m_valid = FileUtils::ensurePrivateDirectory(m_path);
}

SessionFolder::~SessionFolder()
{
    if (!m_path.isEmpty() && m_lock && m_lock->isLocked())
        FileUtils::removeDirectory(m_path);
    if (m_lock)
        m_lock->unlock();
}

bool SessionFolder::noteOutputFolder(const QString &folder) const
{
    if (!m_valid)
        return false;
    if (folder.isEmpty())
        return true;   // a request without an output is refused by the worker
    QFile note(outputFolderNote(m_path));
    return note.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && note.write(QFileInfo(folder).absoluteFilePath().toUtf8()) >= 0 && note.flush();
}

int SessionFolder::removeStale(const QString &cacheDirectory)
{
    if (cacheDirectory.isEmpty())
        return 0;
    static const QRegularExpression sessionName(QStringLiteral("^[0-9A-Fa-f]{32}$"));
    const QDir cache(cacheDirectory);
    int removed = 0;
    const QStringList folders = cache.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &name : folders) {
        if (!sessionName.match(name).hasMatch())
            continue;
        const QString folder = cache.filePath(name);
        std::unique_ptr<QLockFile> lock = newLock(folder);
        if (!lock->tryLock(0))
            continue;   // a live instance holds it
        removeLeftOutputs(folder, name);
        if (FileUtils::removeDirectory(folder))
            ++removed;
        lock->unlock();
    }
    // Locks whose folder has already gone.
    const QStringList locks = cache.entryList({QStringLiteral("*.lock")}, QDir::Files | QDir::Hidden);
    for (const QString &name : locks) {
        const QString folder = cache.filePath(name.left(name.size() - 5));
        if (!sessionName.match(QFileInfo(folder).fileName()).hasMatch() || QFileInfo::exists(folder))
            continue;
        std::unique_ptr<QLockFile> lock = newLock(folder);
        if (lock->tryLock(0))
            lock->unlock();
    }
    return removed;
}

void SessionFolder::retireOldCache(const QString &oldCacheDirectory)
{
    if (oldCacheDirectory.isEmpty() || !QFileInfo(oldCacheDirectory).isDir())
        return;
    removeStale(oldCacheDirectory);
    // rmdir only removes empty folders: anything else there stays.
    if (QDir().rmdir(oldCacheDirectory))
        QDir().rmdir(QFileInfo(oldCacheDirectory).absolutePath());
}
