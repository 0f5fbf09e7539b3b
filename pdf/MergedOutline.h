#pragma once

#include <QString>

#include <qpdf/QPDFObjectHandle.hh>

#include <vector>

class ChosenPages;
class InputCopier;
class QPDF;

// The outline (bookmarks) of a merged document: one top-level entry per
// input, named after it and pointing at its first page, holding the input's
// own outline items.
class MergedOutline
{
public:
    // Adds in's entry, titled title and pointing at firstPage (the copy of
    // in's first page in out), with in's top-level items (and all under
    // them) as its children; the entry is open with as many items showing
    // as in's outline showed. An input without outline items gets an entry
    // without children. Costs one copy of in's outline items; a looping
    // chain of top-level items is followed to where it loops. With chosen
    // (some pages of in left out), only the items that lead to a page taken
    // are copied, with their ancestors: an ancestor whose own page is left
    // out points at the page of its first item kept, and an item without a
    // target keeps none. May throw qpdf exceptions (the entry stays).
    void copy(QPDF &out, QPDF &in, InputCopier &copier, QPDFObjectHandle firstPage, const QString &title,
              ChosenPages *chosen = nullptr);

    // Points the input entry that points at from (a page of out) at to.
    void retarget(QPDFObjectHandle from, QPDFObjectHandle to);

    // Puts the outline into catalog, as new objects of out; the document
    // then opens with its outline shown when any input had outline items.
    // Nothing when no entry was added.
    void writeTo(QPDF &out, QPDFObjectHandle catalog);

private:
    // copy() of the items that lead to pages chosen takes; returns the
    // entry's count of items showing.
    long long copyChosen(QPDF &out, QPDFObjectHandle outlines, InputCopier &copier, ChosenPages &chosen,
                         QPDFObjectHandle entry);
    QPDFObjectHandle buildRoot(QPDF &out);

    std::vector<QPDFObjectHandle> m_entries;
    bool m_anyOutline = false;
};
