#pragma once

#include "pdf/SourceIndex.h"

#include <QList>

#include <qpdf/QPDFObjectHandle.hh>

#include <vector>

class InputCopier;
class QPDF;

// The pages of one merge input that go into the result, and which of the
// input's links, bookmarks, named destinations and form widgets stay with
// them: whatever leads to a page left out is dropped, never left pointing
// at nothing. What cannot be followed to a page of the input (a web link, a
// destination the input itself cannot resolve) stays, as a whole-file merge
// keeps it.
class ChosenPages
{
public:
    // The pages of in (pages: all of them, in order) at the 1-based numbers
    // given, in that order and with repeats; every page in order when
    // numbers is empty. in must outlive this. Throws std::invalid_argument
    // for a number outside 1..pages.size(). Cost: linear in the pages.
    ChosenPages(QPDF &in, const std::vector<QPDFObjectHandle> &pages, const QList<int> &numbers);

    // Every page once, in order: nothing of the input is left out.
    bool isWhole() const { return m_whole; }
    // The pages taken, in the order they go into the result.
    const std::vector<QPDFObjectHandle> &pages() const { return m_taken; }
    // The 0-based index in the input of each page taken.
    const std::vector<int> &indexes() const { return m_indexes; }

    // False when destination (an array, a name, a string, or a dictionary
    // holding /D) leads to a page of the input that is left out. The first
    // name looked up reads the input's named destinations.
    bool keepsDestination(QPDFObjectHandle destination);
    // Whether the target of holder (an annotation or an outline item: its
    // /Dest or the /D of its GoTo action) is kept; true when it has none.
    bool keepsTargetOf(QPDFObjectHandle holder);
    // annotations (a page's /Annots) without the links into pages left out:
    // annotations itself when every entry stays, else a new direct array.
    QPDFObjectHandle keptAnnotations(QPDFObjectHandle annotations);

    // Makes copier turn the input's form widgets that sit on no page taken
    // into nothing, so that their fields do not carry them (nor their
    // appearances) into the result. Call before anything of the input is
    // copied. Cost: one walk of the input's field tree and of the kept
    // pages' annotations.
    void hideLeftOutWidgets(InputCopier &copier) const;

private:
    bool keepsPage(int index) const { return index < 0 || m_kept[size_t(index)]; }

    QPDF &m_in;
    std::vector<QPDFObjectHandle> m_taken;
    std::vector<int> m_indexes;
    std::vector<bool> m_kept;   // by the input's page index
    bool m_whole = true;
    SourceIndex m_index;        // read only when pages are left out
};
