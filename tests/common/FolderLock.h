#pragma once

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

// A folder nobody may change while the object lives, not even root: for
// others its write permission is taken away; for root, who ignores
// permissions, it is made immutable (ext4, xfs, btrfs). isLocked() is false
// where neither works (root on tmpfs): the caller then skips.
class FolderLock
{
public:
    explicit FolderLock(const QString &path)
        : m_path(path)
    {
        if (::geteuid() != 0) {
            m_locked = QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
            return;
        }
        m_immutable = setImmutable(true);
        m_locked = m_immutable;
    }
    ~FolderLock()
    {
        if (m_immutable)
            setImmutable(false);
        else if (m_locked)
            QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    bool isLocked() const { return m_locked; }

private:
    bool setImmutable(bool on)
    {
        const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (done) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return done;
    }

    QString m_path;
    bool m_locked = false;
    bool m_immutable = false;
};
