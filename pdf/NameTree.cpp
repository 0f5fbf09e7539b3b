#include "pdf/NameTree.h"

#include <qpdf/QPDFObjGen.hh>

#include <set>

namespace {
using Handle = QPDFObjectHandle;
}

// qpdf's QPDFNameTreeObjectHelper (11.3) is not used here: it hands out
// keys converted to UTF-8 (a link naming its destination in PDFDocEncoding
// or UTF-16 then finds nothing); a loop makes it skip the rest of the
// looping kid, or read nothing at all when the loop comes before the first
// leaf; and it reads a node once per path to it, so forty levels of two
// references to one kid never finish.
NameTree::Entries NameTree::entries(QPDFObjectHandle root)
{
    Entries entries;
    std::set<QPDFObjGen> seen;
    // Nodes still to read, the next one last: each node's kids are read in
    // order and whole before its later siblings, without recursion, so a
    // chain of a million nodes needs no stack.
    std::vector<Handle> pending{root};
    while (!pending.empty()) {
        Handle node = pending.back();
        pending.pop_back();
        if (!node.isDictionary() || (node.isIndirect() && !seen.insert(node.getObjGen()).second))
            continue;
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
            const std::vector<Handle> items = kids.getArrayAsVector();
            pending.insert(pending.end(), items.rbegin(), items.rend());
        }
    }
    return entries;
}
