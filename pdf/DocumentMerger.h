#pragma once

#include <QString>
#include <QStringList>

class SourceCache;

// Joins whole PDF files into one new file, in the given order. Sources come
// from the shared SourceCache and are opened without a password (protected
// files are decrypted into plain copies first).
class DocumentMerger
{
public:
    explicit DocumentMerger(SourceCache &cache);

    // Appends every page of each file of files to a new file output. The
    // output's PDF version is not lower than any source's. Returns the page
    // count of the output, 0 on failure (errorCode() tells why); a file that
    // cannot be read fails the whole merge.
    int merge(const QStringList &files, const QString &output);

    int errorCode() const { return m_errorCode; }

private:
    SourceCache &m_cache;
    int m_errorCode = 0;
};
