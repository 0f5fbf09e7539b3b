#pragma once

#include <QString>
#include <QStringList>

class QPDF;

// Reads a document's page labels: what a reader shows in place of the page
// number ("iv" for a preface, "A-3" for an appendix), as text.
class PageLabelReader
{
public:
    // One label per page, in page order; "" for pages outside every label
    // range, and for every page of a document without labels. Reads the
    // page tree (for the count) and the labels' number tree. May throw qpdf
    // exceptions on a damaged file.
    static QStringList read(QPDF &pdf);

    // The label of the page that is number in its range (the first page of
    // a range is its start value): prefix followed by the number in style
    // "D" (decimal), "R" or "r" (upper- or lower-case roman), "A" or "a"
    // (letters: A to Z, then AA to ZZ, ...); any other style gives the prefix
    // alone. Numbers below 1 are written in decimal, in every style.
    static QString format(const QString &style, const QString &prefix, long long number);
};
