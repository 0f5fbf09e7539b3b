#pragma once

#include <qpdf/QPDFObjectHandle.hh>

#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

class IndirectObjects;
class QPDF;
struct SourceIndex;

// Everything one output of an extraction is made of: the source and what is
// known of it, the output's catalog and pages, and which source pages it
// keeps.
struct Extraction
{
    // All are referenced and must outlive the extraction; target may be
    // source itself (an output made in place or written from the source).
    Extraction(QPDF &source, SourceIndex &index, QPDF &target, QPDFObjectHandle targetRoot, IndirectObjects &objects)
        : source(source), index(index), target(target), targetRoot(targetRoot), objects(objects)
    {
    }

    QPDF &source;
    SourceIndex &index;
    QPDF &target;
    QPDFObjectHandle targetRoot;                    // catalog of the output (not yet installed when working in place)
    IndirectObjects &objects;                       // makes the output's new indirect objects
    std::unordered_map<int, int> firstCopy;         // source page -> position of its first copy in target
    std::vector<int> kept;                          // source pages kept, ascending, each once
    std::vector<QPDFObjectHandle> targetPages;
    // Written from the source itself: its objects stay untouched, and a page
    // whose links into left-out pages go gets its remaining annotations here
    // instead, for a temporary /Annots.
    bool view = false;
    std::vector<std::pair<QPDFObjectHandle, std::vector<QPDFObjectHandle>>> viewAnnots;

    // Whether a source page from first to last (0-based) is kept; false
    // for first -1 (no page).
    bool anyKeptIn(int first, int last) const
    {
        const auto it = std::lower_bound(kept.begin(), kept.end(), first);
        return first >= 0 && it != kept.end() && *it <= last;
    }
    // The first copy of sourcePage (0-based) in the output, null when the
    // page is not kept.
    QPDFObjectHandle targetPageFor(int sourcePage) const
    {
        const auto it = firstCopy.find(sourcePage);
        return it == firstCopy.end() ? QPDFObjectHandle::newNull() : targetPages[size_t(it->second)];
    }

    // A fresh copy of a scalar, usable in the new file (values parsed from
    // the source belong to it, even direct ones). Other values become null.
    static QPDFObjectHandle directScalar(QPDFObjectHandle value);

    // The source destination array sourceArray pointed at targetPage, its
    // other items as fresh scalars.
    static QPDFObjectHandle retargeted(QPDFObjectHandle sourceArray, QPDFObjectHandle targetPage);
};
