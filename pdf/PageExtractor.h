#pragma once

#include <QList>
#include <QString>

class SourceCache;

// Writes chosen pages of a source PDF into a new file. The source is taken
// from the shared SourceCache, and what is learnt about it once (page index,
// outline, named destinations, form fields) is kept beside it, so extracting
// range after range from one unchanged file parses and analyses it once.
//
// Besides each page's content, annotations and form fields, the new file
// keeps what a plain page copy loses: links between kept pages (with the
// named destinations they use), the page labels of the kept pages and the
// outline entries that point into them. Links and outline entries whose
// target page was left out are dropped.
class PageExtractor
{
public:
    explicit PageExtractor(SourceCache &cache);

    // Writes the pages named by rangeList (for example "7", "3-6", "1,3,5",
    // "6-3" for descending order) of input, opened with password, into a new
    // plain (unencrypted) file output, in list order. The output's PDF
    // version is not lower than the source's. Returns 1 on success, 0 on
    // failure (errorCode() tells why; 404 for a needed or wrong password).
    // Cost: the copied pages' objects plus a walk of the outline.
    int extract(const QString &input, const QString &password, const QString &output,
                const QString &rangeList);

    // What a finished output carries besides the pages.
    struct OutputOptions
    {
        // Written into the document information (an empty value writes no entry).
        QString author;
        QString title;
        QString creator;
        QString producer;
        // Not blank after trimming: the trimmed text becomes owner and user
        // password, AES-256, with printing, copying, changing and notes allowed.
        QString password;
    };

    // The same extraction, finished in one pass: the information and the
    // protection of options are applied while writing, so no plain
    // intermediate file is written and read back. output is written
    // directly; callers pass a fresh temporary path, move the result into
    // place and remove it on failure.
    int extract(const QString &input, const QString &password, const QString &output,
                const QString &rangeList, const OutputOptions &options);

    int errorCode() const { return m_errorCode; }

    // The 1-based page numbers rangeList names, in order; empty when the list
    // is empty, malformed, or names a page outside 1..pageCount.
    static QList<int> parseRangeList(const QString &rangeList, int pageCount);

private:
    int extractPages(const QString &input, const QString &password, const QString &output,
                     const QString &rangeList, const OutputOptions *options);
    // Drops the pages not listed from a private parse of input and writes
    // the rest; numbers are ascending and unique.
    int extractInPlace(const QString &input, const QString &password, const QString &output,
                       const QList<int> &numbers, const OutputOptions &options);

    SourceCache &m_cache;
    int m_errorCode = 0;
};
