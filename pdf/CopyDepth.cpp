#include "pdf/CopyDepth.h"

#include "pdf/ObjGenHash.h"

namespace {

using Handle = QPDFObjectHandle;

bool isOfType(Handle object, const char *type)
{
    return object.isDictionary() && object.getKey("/Type").isNameAndEquals(type);
}

struct Frame
{
    std::vector<Handle> children;
    size_t next = 0;
};

// The values qpdf's copy goes into from object, in its order: array items,
// dictionary values by key (sorted, as its key set is), a stream's
// dictionary.
std::vector<Handle> childrenOf(Handle object)
{
    std::vector<Handle> children;
    if (object.isArray()) {
        children = object.getArrayAsVector();
    } else if (object.isStream()) {
        children.push_back(object.getDict());
    } else if (object.isDictionary()) {
        for (auto &item : object.getDictAsMap())
            children.push_back(item.second);
    }
    return children;
}

// Whether the copy goes into object (marking it seen): not into page tree
// nodes, not into another page, never twice into the same object.
bool entered(Handle object, bool top, ObjGenSet &seen)
{
    if (isOfType(object, "/Pages") || (!top && isOfType(object, "/Page")))
        return false;
    if (object.isIndirect() && !seen.insert(object.getObjGen()).second)
        return false;
    return object.isArray() || object.isDictionary() || object.isStream();
}

} // namespace

bool CopyDepth::exceeds(const std::vector<QPDFObjectHandle> &pages, size_t limit)
{
    ObjGenSet seen;
    std::vector<Frame> path;
    for (const Handle &page : pages) {
        if (entered(page, true, seen))
            path.push_back(Frame{childrenOf(page)});
        while (!path.empty()) {
            Frame &frame = path.back();
            if (frame.next == frame.children.size()) {
                path.pop_back();
                continue;
            }
            const Handle child = frame.children[frame.next++];
            if (!entered(child, false, seen))
                continue;
            if (path.size() >= limit)
                return true;
            path.push_back(Frame{childrenOf(child)});
        }
    }
    return false;
}
