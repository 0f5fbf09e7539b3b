#include "app/SessionFolder.h"

#include "app/FileUtils.h"
#include "app/Logger.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>

namespace {

QString lockPathFor(const QString &folder)
{
    return folder + QStringLiteral(".lock");
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
