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

QHash<QString, SyncBatch::Outcome> SyncBatch::finish()
{
    QHash<QString, Outcome> outcomes;
#ifndef Q_OS_WIN
    const auto failed = [](const char *what) {
        const int error = errno;
        return Outcome{QString::fromLatin1(what) + QString::fromUtf8(std::strerror(error)), error};
    };
    for (const File &file : m_files) {
        Outcome outcome;
        // EINVAL: the file cannot be synced (a pipe, some special files); nothing to wait for.
        if (::fsync(file.fd) != 0 && errno != EINVAL)
            outcome = failed("fsync: ");
        // A network file system may report a failed write only here.
        if (::close(file.fd) != 0 && outcome.problem.isEmpty())
            outcome = failed("close: ");
        outcomes.insert(file.path, outcome);
    }
#endif
    m_files.clear();
    return outcomes;
}
