#include "pdf/SyncBatch.h"

#include <cerrno>
#include <cstring>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>
#endif

SyncBatch::~SyncBatch()
{
#ifndef Q_OS_WIN
    for (const File &file : m_files)
        ::close(file.fd);
#endif
}

void SyncBatch::add(int fd, const QString &path)
{
#ifdef __linux__
    // Only starts the writeback; errors, if any, come back from fsync.
    ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
    m_files.push_back({fd, path});
}

QHash<QString, QString> SyncBatch::finish()
{
    QHash<QString, QString> outcome;
#ifndef Q_OS_WIN
    for (const File &file : m_files) {
        QString problem;
        // EINVAL: the file cannot be synced (a pipe, some special files); nothing to wait for.
        if (::fsync(file.fd) != 0 && errno != EINVAL)
            problem = QStringLiteral("fsync: ") + QString::fromUtf8(std::strerror(errno));
        // A network file system may report a failed write only here.
        if (::close(file.fd) != 0 && problem.isEmpty())
            problem = QStringLiteral("close: ") + QString::fromUtf8(std::strerror(errno));
        outcome.insert(file.path, problem);
    }
#endif
    m_files.clear();
    return outcome;
}
