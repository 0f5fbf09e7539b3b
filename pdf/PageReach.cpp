#include "pdf/PageReach.h"

#include "pdf/IndirectObjects.h"
#include "pdf/SourceIndex.h"

#include <unordered_map>
#include <utility>

namespace {

// Deepest nesting of direct arrays and dictionaries followed.
constexpr int maxDirectDepth = 64;

} // namespace

PageReach::PageReach(const SourceIndex &index, const IndirectObjects &objects)
    : m_index(index), m_objects(objects)
{
}

bool PageReach::leavesOut(QPDFObjectHandle start, QPDFObjectHandle tree, const ObjGenSet &kept)
{
    enum State { InProgress, ReachesPage, PageFree };
    struct Frame
    {
        QPDFObjGen og;
        std::vector<QPDFObjectHandle> children;
        size_t next = 0;
        bool page = false;       // reaches a (kept) page
        bool uncertain = false;  // reaches an object still in progress (a cycle)
    };
    std::unordered_map<QPDFObjGen, State, ObjGenHash> states;
    std::vector<Frame> stack;
    const auto enter = [&](QPDFObjectHandle object, bool page) {
        states[object.getObjGen()] = InProgress;
        Frame frame;
        frame.og = object.getObjGen();
        frame.page = page;
        gather(object, frame.children, 0);
        stack.push_back(std::move(frame));
    };
    enter(start, false);
    while (!stack.empty()) {
        Frame &frame = stack.back();
        if (frame.next < frame.children.size()) {
            QPDFObjectHandle child = frame.children[frame.next++];
            const QPDFObjGen og = child.getObjGen();
            if (m_pageFree.count(og))
                continue;
            const auto known = states.find(og);
            if (known != states.end()) {
                frame.uncertain = frame.uncertain || known->second == InProgress;
                frame.page = frame.page || known->second == ReachesPage;
                continue;
            }
            const bool page = m_index.pageIndex.count(og) > 0;
            if (page && !kept.count(og))
                return true;
            if (!page && og != tree.getObjGen() && child.isDictionary()
                && child.getKey("/Type").isNameAndEquals("/Pages"))
                return true;
            enter(child, page);
            continue;
        }
        const Frame done = std::move(frame);
        stack.pop_back();
        states[done.og] = done.page ? ReachesPage : PageFree;
        if (!done.page && !done.uncertain && !m_objects.isReused(done.og))
            m_pageFree.insert(done.og);
        if (!stack.empty()) {
            stack.back().page = stack.back().page || done.page;
            stack.back().uncertain = stack.back().uncertain || done.uncertain;
        }
    }
    return false;
}

// The indirect objects value refers to directly or through direct
// arrays and dictionaries (a stream through its dictionary).
void PageReach::gather(QPDFObjectHandle value, std::vector<QPDFObjectHandle> &out, int depth)
{
    if (depth > 0 && value.isIndirect()) {
        out.push_back(value);
        return;
    }
    if (depth > maxDirectDepth)
        return;
    if (value.isStream())
        value = value.getDict();
    if (value.isArray()) {
        for (QPDFObjectHandle item : value.getArrayAsVector())
            gather(item, out, depth + 1);
    } else if (value.isDictionary()) {
        for (auto const &item : value.getDictAsMap())
            gather(item.second, out, depth + 1);
    }
}
