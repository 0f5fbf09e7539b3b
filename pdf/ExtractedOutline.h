#pragma once

struct Extraction;

// The outline of an extraction's output, rebuilt from the source's.
class ExtractedOutline
{
public:
    // Puts into the output's catalog the source's outline items that point
    // into kept pages, with their kept descendants (descendants of an item
    // whose own page was left out move up to its place), each pointing at
    // the first copy of its page, and the source's page mode. Nothing when
    // no item is kept. The source's outline is read once per index; an
    // output then costs the depth of the outline for a few pages of a long
    // document in page order, else its length. May throw qpdf exceptions.
    static void copy(Extraction &x);
};
