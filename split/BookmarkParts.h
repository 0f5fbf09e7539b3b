#pragma once

#include "pdf/OutlineEntry.h"

#include <QList>
#include <QString>

// How a document splits at its bookmarks. Splitting at level L cuts before
// the page of every entry of level 1 to L that goes to a page: each such
// entry starts a part that runs to the page before the next one, so a part
// never runs on into the next chapter when a chapter has no sections of
// level L. Pages before the first such entry form a first part. An entry
// that goes nowhere, or to a page where an earlier entry already starts a
// part, starts none. Entries out of page order are taken in page order, so
// every page is in exactly one part, in order.
class BookmarkParts
{
public:
    struct Part
    {
        int from = 0;   // 1-based pages, both included
        int to = 0;
        QString title;  // the entry's title; empty for the pages before the first entry
        QString name;   // file name without extension: "NN title", or "NN p<from>-<to>" without a title

        bool operator==(const Part &other) const
        {
            return from == other.from && to == other.to && title == other.title && name == other.name;
        }
    };

    // The levels (1 = top) with at least one entry that goes to a page, ascending.
    static QList<int> levels(const OutlineEntries &entries);

    // The parts of a document of pageCount pages split at level; empty when
    // no entry of levels 1 to level goes to a page of the document.
    static QList<Part> parts(const OutlineEntries &entries, int level, int pageCount);
};
