#pragma once

#include <qpdf/QPDFObjectHandle.hh>

#include <cstddef>
#include <vector>

// How deep qpdf's copy of pages into another document recurses. qpdf 11
// reserves the objects a page reaches (QPDF::copyForeignObject, under
// QPDFPageDocumentHelper::addPage) one recursion per object along the path
// it follows: an action chain of 60,000 links or a chain of 15,000 form
// XObjects under one page ends the process with a stack overflow, which no
// exception handler can catch. This walks the same objects in the same
// order without recursion, so a copy that would overflow is never begun.
class CopyDepth
{
public:
    // The recursion qpdf's copy of pages, in this order, into one new
    // document reaches: objects reached through other pages and page tree
    // nodes are not entered, and each object is entered once, as qpdf does.
    // True as soon as it passes limit levels. Cost: each object the pages
    // reach, once (at most the objects the copy itself would visit).
    static bool exceeds(const std::vector<QPDFObjectHandle> &pages, size_t limit);
};
