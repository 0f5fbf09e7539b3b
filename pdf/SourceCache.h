#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <memory>

class MemoryFileSource;
class QPDF;

// Parsed source documents kept between operations, so that repeated work on
// an unchanged file (one extraction per range of a split, a merge after the
// files were checked) parses it once. An entry is keyed by the file's path,
// size, modification time and inode and by (a hash of) the password; a file
// that changed on disk is parsed again. Thread-safe.
//
// Documents handed out are shared: callers may read them and copy pages out
// of them, but must not change them (use parse() for a private copy).
class SourceCache
{
public:
    explicit SourceCache(int capacity = 4);
    ~SourceCache();

    // The document at path opened with password, from the cache when the file
    // is unchanged, else parsed now (cost: reading the cross-reference table
    // and the page tree). Null on failure with *errorCode set to a
    // PdfErrorCode (404 when the password is needed or wrong).
    std::shared_ptr<QPDF> open(const QString &path, const QString &password, int *errorCode = nullptr);

    // A freshly parsed document that nobody else holds; same failures as
    // open(). Files up to 512 MB are read into memory first and closed.
    static std::shared_ptr<QPDF> parse(const QString &path, const QString &password,
                                       int *errorCode = nullptr);

    // Gives back the memory holding the file's bytes of pdf, a document this
    // cache handed out: the parse stays, and whatever it still has to read
    // comes from the file, as long as the file is unchanged. For callers that
    // have read what they need (a merge, once an input is copied).
    void releaseBytes(const std::shared_ptr<QPDF> &pdf);

    // Drops every entry for path (any password); clear() drops all entries.
    void release(const QString &path);
    void clear();

    int size() const;
    // How many times open() had to parse a file (for tests and measurements).
    int parseCount() const;

    // Size, modification time and identity of the file at path; empty when
    // it does not exist. Equal stamps mean an unchanged file.
    static QByteArray fileStamp(const QString &path);

private:
    struct Entry;

    static std::shared_ptr<QPDF> parse(const QString &path, const QString &password, int *errorCode,
                                       std::shared_ptr<MemoryFileSource> *memory);

    mutable QMutex m_mutex;
    QList<std::shared_ptr<Entry>> m_entries; // most recently used first
    int m_capacity;
    int m_parseCount = 0;
};
