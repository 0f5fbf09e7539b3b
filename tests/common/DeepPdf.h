#pragma once

#include <QString>

// Documents whose structures nest far deeper than any real one, made with
// qpdf for the tests that make sure nothing in the program recurses once
// per level: a reader that does dies of a stack overflow, which no handler
// can catch.
namespace DeepPdf {

enum Kind {
    FormXObjects,    // page 1 draws a form XObject whose resources hold the next, depth of them
    Destinations,    // a /Dests name tree depth nodes deep, its one name leading to page 1
    Attachments,     // an /EmbeddedFiles name tree depth nodes deep holding one file
    Outline,         // bookmarks nested depth deep, each the only child of the one above
    ActionChain,     // a link on page 1 whose action is followed by depth - 1 more (/Next)
    PageTree,        // page 1 under depth page tree nodes, one inside the other
    FieldTree,       // a text field on page 1 under depth fields, one inside the other
};

// Writes a document of pageCount pages, page n being (200 + n) points wide
// (as TestPdf::writeNumbered), with the deep structure of kind. False when
// writing failed.
bool write(const QString &path, Kind kind, int depth, int pageCount);

} // namespace DeepPdf
