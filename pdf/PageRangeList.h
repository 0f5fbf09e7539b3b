#pragma once

#include <QList>
#include <QString>

// The text form of the pages of one split output (PageRangeOutput::pages).
class PageRangeList
{
public:
    // The 1-based page numbers rangeList names ("7", "3-6", "1,3,5", "6-3"
    // for descending order; spaces around numbers are allowed), in order and
    // with repeats kept; empty when the list is empty, malformed, or names a
    // page outside 1..pageCount. Cost: linear in the pages named.
    static QList<int> pages(const QString &rangeList, int pageCount);
};
