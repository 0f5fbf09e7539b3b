#pragma once

#include <QList>
#include <QString>

class SourceCache;

// Writes chosen pages of a source PDF into a new file. The source is taken
// from the shared SourceCache, so extracting range after range from one
// unchanged file parses it once.
class PageExtractor
{
public:
    explicit PageExtractor(SourceCache &cache);

    // Writes the pages named by rangeList (for example "7", "3-6", "1,3,5",
    // "6-3" for descending order) of input, opened with password, into a new
    // plain (unencrypted) file output, in list order. The output's PDF
    // version is not lower than the source's. Returns 1 on success, 0 on
    // failure (errorCode() tells why; 404 for a needed or wrong password).
    int extract(const QString &input, const QString &password, const QString &output,
                const QString &rangeList);

    int errorCode() const { return m_errorCode; }

    // The 1-based page numbers rangeList names, in order; empty when the list
    // is empty, malformed, or names a page outside 1..pageCount.
    static QList<int> parseRangeList(const QString &rangeList, int pageCount);

private:
    SourceCache &m_cache;
    int m_errorCode = 0;
};
