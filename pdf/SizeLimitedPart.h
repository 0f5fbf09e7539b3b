#pragma once

#include <QString>

#include <functional>

// One output file of a split by size: consecutive pages of the source.
struct SizeLimitedPart
{
    int from = 0;            // 1-based first and last page, both included
    int to = 0;
    QString path;            // the file written; empty when none was
    qint64 bytes = 0;        // its size
    bool oversized = false;  // a single page larger than the limit on its own
    int errorCode = 0;       // a PdfErrorCode; 0 when written

    // The file name for the pages from .. to (1-based).
    using Namer = std::function<QString(int from, int to)>;
    // Called after each part; answering false stops before the next one.
    using Report = std::function<bool(const SizeLimitedPart &)>;
};
