#pragma once

#include <qpdf/QPDFObjectHandle.hh>

#include <utility>
#include <vector>

class InputCopier;
class QPDF;

// The pages of a merged document, in input order, with their page labels.
class MergedPages
{
public:
    // Copies inputPages (the pages of one input, in order) into out and
    // appends the copies, which come back. Every page is mapped in copier
    // before anything is copied, so links between them stay links; each
    // copy holds what its page inherited from its page tree. Costs one copy
    // of each page with what it reaches. May throw qpdf exceptions: nothing
    // is appended then.
    std::vector<QPDFObjectHandle> copy(QPDF &out, InputCopier &copier, const std::vector<QPDFObjectHandle> &inputPages);

    // Labels the count pages of in copied at offset (the page count before
    // they were appended) as in labels them; pages of an input without
    // labels read "1, 2, ..." from its first page. May throw qpdf
    // exceptions (pages left without a label of their own then read on
    // from the pages before them).
    void copyLabels(QPDF &in, InputCopier &copier, long long offset, long long count);

    // Pages appended so far.
    long long count() const { return static_cast<long long>(m_pages.size()); }

    // Hangs the pages under catalog's page tree and puts the labels into
    // catalog (as a new object of out) when any input had labels.
    void writeTo(QPDF &out, QPDFObjectHandle catalog);

private:
    std::vector<QPDFObjectHandle> m_pages;
    std::vector<std::pair<long long, QPDFObjectHandle>> m_labels;
    bool m_anyLabels = false;
};
