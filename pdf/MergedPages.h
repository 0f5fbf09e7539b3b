#pragma once

#include "pdf/MergeLayout.h"

#include <qpdf/QPDFObjectHandle.hh>

#include <utility>
#include <vector>

class ChosenPages;
class InputCopier;
class QPDF;

// The pages of a merged document with their page labels, input by input,
// laid out in the result as the layout says: one input after the other
// (with a blank page after an odd one when asked), or interleaved.
class MergedPages
{
public:
    // How the inputs' pages follow each other in the result; read when the
    // result is counted or written, so it may be set at any time before.
    void setLayout(const MergeLayout &layout) { m_layout = layout; }

    // Copies the pages chosen takes of one input into out, each turned by
    // rotation degrees clockwise on top of its own turn, and keeps the
    // copies, which come back in the order taken, as that input's pages.
    // Every page is mapped in copier before anything is copied, so links
    // between them stay links; each copy holds what its page inherited from
    // its page tree. Of a chosen part, links into pages left out are not
    // copied; a page taken twice comes the second time as a twin sharing its
    // contents, with its annotations but for form widgets. Costs one copy of
    // each page with what it reaches. May throw qpdf exceptions: nothing is
    // kept then.
    std::vector<QPDFObjectHandle> copy(QPDF &out, InputCopier &copier, ChosenPages &chosen, int rotation);

    // Labels the pages of the input copied last (in, whose pageCount pages
    // chosen took from) as in labels them: each page keeps its label, and
    // pages of an input without labels read as their page numbers. May
    // throw qpdf exceptions (the pages then read on from the pages before
    // them).
    void copyLabels(QPDF &in, InputCopier &copier, long long pageCount);

    // Pages the result holds, blank pages included.
    long long count() const;
    // Inputs whose pages were kept, and the copies of one of them, in the
    // order taken.
    size_t inputCount() const { return m_inputs.size(); }
    const std::vector<QPDFObjectHandle> &copiesOf(size_t input) const { return m_inputs.at(input).pages; }

    // Hangs the pages under catalog's page tree in the layout's order, with
    // the blank pages it asks for, and puts the labels into catalog (as a
    // new object of out) when any input had labels. Cost: linear in the
    // pages.
    void writeTo(QPDF &out, QPDFObjectHandle catalog);

private:
    using LabelRun = std::pair<long long, QPDFObjectHandle>;   // first page index in the input, label
    struct Input
    {
        std::vector<QPDFObjectHandle> pages;   // copies, in the order taken
        std::vector<int> indexes;              // each copy's page index in the input
        std::vector<LabelRun> labels;          // in page order
    };
    // One page of the result: a page of an input, or a blank page the size
    // of that one.
    struct Slot
    {
        size_t input;
        size_t position;
        bool blank;
    };

    std::vector<Slot> arrangement() const;
    QPDFObjectHandle labelNumbers(const std::vector<Slot> &slots) const;
    QPDFObjectHandle labelAt(const Input &input, int run, long long pageIndex) const;

    std::vector<Input> m_inputs;
    MergeLayout m_layout;
    bool m_anyLabels = false;
};
