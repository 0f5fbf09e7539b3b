#pragma once

#include <QString>

#include <memory>

class QLockFile;

// The private working folder of one launcher run: "<cache>/<id>", owner-only,
// holding the request (with passwords), the response and decrypted copies.
// A lock file "<cache>/<id>.lock" beside it is held for as long as the object
// lives, so a program that starts later can tell the folders of live
// instances from those of instances that crashed or were killed, and remove
// only the latter. The folder and its lock go when the object is destroyed.
class SessionFolder
{
public:
    // Creates a new session in cacheDirectory. isValid() tells whether the
    // folder and its lock could be made.
    explicit SessionFolder(const QString &cacheDirectory);
    ~SessionFolder();
    SessionFolder(const SessionFolder &) = delete;
    SessionFolder &operator=(const SessionFolder &) = delete;

    bool isValid() const { return m_valid; }
    // The session identifier (32 hexadecimal digits).
    QString id() const { return m_id; }
    // The folder, native separators.
    QString path() const { return m_path; }

    // Notes the folder the worker writes its outputs into, so that its hidden
    // temporary files can be found there if this program and its worker die
    // together, or the machine stops, before they are removed.
    bool noteOutputFolder(const QString &folder) const;

    // Removes the session folders (and their locks) in cacheDirectory that
    // no running process holds, including folders without a lock, and the
    // temporary files those sessions left in their noted output folders.
    // Returns how many session folders were removed.
    static int removeStale(const QString &cacheDirectory);
    // The session folder of an older version, oldCacheDirectory: its stale
    // sessions go as above, then the folder and its parent when nothing
    // else is left in them. Folders a running instance holds stay.
    static void retireOldCache(const QString &oldCacheDirectory);

private:
    QString m_id;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    bool m_valid = false;
};
