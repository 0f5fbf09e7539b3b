#pragma once

#include <QList>
#include <QString>

// One outline entry (bookmark) of a document, as a reader lists it.
struct OutlineEntry
{
    QString title;
    int level = 1;   // 1 for the top entries, 2 for their children, ...
    int page = 0;    // 1-based page the entry goes to; 0 when it goes to no page of the document

    bool operator==(const OutlineEntry &other) const
    {
        return title == other.title && level == other.level && page == other.page;
    }
};

using OutlineEntries = QList<OutlineEntry>;
