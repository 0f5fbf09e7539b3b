#pragma once

#include <QList>

struct Extraction;

// The page labels of an extraction's output.
class ExtractedPageLabels
{
public:
    // Labels the output's pages (numbers: their 1-based source pages, in
    // output order) as the source labels them, style, prefix and number
    // each; nothing when the source has no labels. Cost: one lookup per run
    // of consecutive pages. May throw qpdf exceptions.
    static void copy(Extraction &x, const QList<int> &numbers);
};
