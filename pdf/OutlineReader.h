#pragma once

#include "pdf/OutlineEntry.h"

class QPDF;

// Reads a document's outline (its bookmarks) with every destination resolved
// to a page: explicit destinations, GoTo actions and named destinations (the
// catalog's /Dests dictionary and the /Names /Dests name tree), as a reader
// follows them. Entries pointing elsewhere (another file, a URI, a page that
// is not in the page tree) are listed with page 0.
class OutlineReader
{
public:
    // The entries in reading order (each entry followed by its children),
    // at most maxDepth levels deep; looping outlines are cut where they
    // loop. May throw qpdf exceptions on a damaged file.
    static OutlineEntries read(QPDF &pdf);

    static constexpr int maxDepth = 50;
};
