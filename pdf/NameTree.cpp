#include "pdf/NameTree.h"

#include <qpdf/QPDFObjGen.hh>

#include <set>

namespace {

using Handle = QPDFObjectHandle;

void collectNameTree(Handle node, NameTree::Entries &entries, std::set<QPDFObjGen> &seen)
{
    if (!node.isDictionary())
        return;
    if (node.isIndirect() && !seen.insert(node.getObjGen()).second)
        return;
    Handle names = node.getKey("/Names");
    if (names.isArray()) {
        const int count = names.getArrayNItems();
        for (int i = 0; i + 1 < count; i += 2) {
            Handle key = names.getArrayItem(i);
            if (key.isString())
                entries.emplace_back(key.getStringValue(), names.getArrayItem(i + 1));
        }
    }
    Handle kids = node.getKey("/Kids");
    if (kids.isArray()) {
        for (Handle kid : kids.aitems())
            collectNameTree(kid, entries, seen);
    }
}

} // namespace

NameTree::Entries NameTree::entries(QPDFObjectHandle root)
{
    Entries entries;
    std::set<QPDFObjGen> seen;
    collectNameTree(root, entries, seen);
    return entries;
}
