#pragma once

#include "pdf/ObjGenHash.h"

#include <qpdf/QPDFObjectHandle.hh>

#include <vector>

class IndirectObjects;
struct SourceIndex;

// Answers whether an output written straight from the source would lead to
// a page it leaves out (through a link, an annotation's page, a page tree
// node, ...): such an output has to be copied instead. Objects found to lead
// to no page at all are remembered across outputs, so after the first few
// outputs a check looks at little more than the kept pages themselves.
class PageReach
{
public:
    // Pages are told by index; objects that objects vouches for change
    // between outputs: nothing is remembered about them. Both must outlive
    // this.
    PageReach(const SourceIndex &index, const IndirectObjects &objects);

    // True when something reachable from start (an indirect object) is a
    // page not in kept, or a page tree node other than tree. Cost: the
    // objects reachable from start that are not known to lead to no page
    // (each looked at once, without recursion: deep chains are fine).
    bool leavesOut(QPDFObjectHandle start, QPDFObjectHandle tree, const ObjGenSet &kept);

private:
    static void gather(QPDFObjectHandle value, std::vector<QPDFObjectHandle> &out, int depth);

    const SourceIndex &m_index;
    const IndirectObjects &m_objects;
    ObjGenSet m_pageFree;
};
