#pragma once

#include <QString>

#include <qpdf/QPDFObjectHandle.hh>

#include <vector>

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
    // chain of top-level items is followed to where it loops. May throw
    // qpdf exceptions (the entry stays).
    void copy(QPDF &out, QPDF &in, InputCopier &copier, QPDFObjectHandle firstPage, const QString &title);

    // Puts the outline into catalog, as new objects of out; the document
    // then opens with its outline shown when any input had outline items.
    // Nothing when no entry was added.
    void writeTo(QPDF &out, QPDFObjectHandle catalog);

private:
    QPDFObjectHandle buildRoot(QPDF &out);

    std::vector<QPDFObjectHandle> m_entries;
    bool m_anyOutline = false;
};
