#include "pdf/MergedOutline.h"

#include "pdf/ChosenPages.h"
#include "pdf/InputCopier.h"

#include <qpdf/QPDF.hh>

#include <set>
#include <utility>

namespace {

using Handle = QPDFObjectHandle;

// One outline item of an input whose pages are chosen, and what of it goes
// into the result.
struct OutlineNode
{
    Handle item;
    std::vector<size_t> kids;   // in the order of the chain
    bool open = false;
    bool hasTarget = false;     // it has a /Dest or an action
    bool targetKept = false;    // ... that leads to no page left out
    bool kept = false;          // its target, or one of its descendants', is kept
    Handle copy;
    long long visible = 0;      // items showing under it when it is open
};

// The items under outlines, each listed after its parent (so children
// always have larger indexes), without recursion; a chain is followed to
// where it loops or meets an item seen before. top receives the indexes of
// the top-level items.
std::vector<OutlineNode> readItems(Handle outlines, std::vector<size_t> &top)
{
    std::vector<OutlineNode> nodes;
    std::vector<std::pair<Handle, long long>> chains{{outlines.getKey("/First"), -1}};
    std::set<QPDFObjGen> seen;
    while (!chains.empty()) {
        const auto chain = chains.back();
        chains.pop_back();
        for (Handle item = chain.first; item.isDictionary(); item = item.getKey("/Next")) {
            if (item.isIndirect() && !seen.insert(item.getObjGen()).second)
                break;
            const size_t id = nodes.size();
            OutlineNode node;
            node.item = item;
            node.open = item.getKey("/Count").isInteger() && item.getKey("/Count").getIntValue() > 0;
            nodes.push_back(node);
            (chain.second < 0 ? top : nodes[size_t(chain.second)].kids).push_back(id);
            if (item.getKey("/First").isDictionary())
                chains.emplace_back(item.getKey("/First"), static_cast<long long>(id));
        }
    }
    return nodes;
}

// Hangs the kept ones of kids under parent; returns how many items show
// under parent when it is open.
long long linkKept(std::vector<OutlineNode> &nodes, const std::vector<size_t> &kids, Handle parent)
{
    std::vector<Handle> kept;
    long long visible = 0;
    for (size_t kid : kids) {
        if (!nodes[kid].kept)
            continue;
        kept.push_back(nodes[kid].copy);
        visible += 1 + (nodes[kid].open ? nodes[kid].visible : 0);
    }
    for (size_t i = 0; i < kept.size(); ++i) {
        kept[i].replaceKey("/Parent", parent);
        if (i > 0)
            kept[i].replaceKey("/Prev", kept[i - 1]);
        if (i + 1 < kept.size())
            kept[i].replaceKey("/Next", kept[i + 1]);
    }
    if (!kept.empty()) {
        parent.replaceKey("/First", kept.front());
        parent.replaceKey("/Last", kept.back());
    }
    return visible;
}

// The first kept of kids, or none.
const OutlineNode *firstKept(const std::vector<OutlineNode> &nodes, const std::vector<size_t> &kids)
{
    for (size_t kid : kids) {
        if (nodes[kid].kept)
            return &nodes[kid];
    }
    return nullptr;
}

} // namespace

void MergedOutline::copy(QPDF &out, QPDF &in, InputCopier &copier, QPDFObjectHandle firstPage, const QString &title,
                         ChosenPages *chosen)
{
    Handle entry = out.makeIndirectObject(Handle::newDictionary());
    entry.replaceKey("/Title", Handle::newUnicodeString(title.toUtf8().toStdString()));
    Handle dest = Handle::newArray();
    dest.appendItem(firstPage);
    dest.appendItem(Handle::newName("/XYZ"));
    dest.appendItem(Handle::newNull());
    dest.appendItem(Handle::newNull());
    dest.appendItem(Handle::newNull());
    entry.replaceKey("/Dest", dest);
    m_entries.push_back(entry);

    Handle outlines = in.getRoot().getKey("/Outlines");
    if (!outlines.isDictionary() || !outlines.getKey("/First").isDictionary())
        return;
    if (outlines.isIndirect())
        copier.mapTo(outlines, entry);
    if (chosen && !chosen->isWhole()) {
        const long long visible = copyChosen(out, outlines, copier, *chosen, entry);
        if (entry.hasKey("/First")) {
            entry.replaceKey("/Count", Handle::newInteger(visible));
            m_anyOutline = true;
        }
        return;
    }
    Handle first = copier.copy(outlines.getKey("/First"));
    Handle last = outlines.getKey("/Last").isDictionary() ? copier.copy(outlines.getKey("/Last")) : Handle();
    long long topLevel = 0;
    std::set<QPDFObjGen> seen;
    for (Handle item = first; item.isDictionary() && seen.insert(item.getObjGen()).second;
         item = item.getKey("/Next")) {
        item.replaceKey("/Parent", entry);   // also for a direct outline root
        last = item;
        ++topLevel;
    }
    entry.replaceKey("/First", first);
    entry.replaceKey("/Last", last);
    Handle count = outlines.getKey("/Count");
    const long long visible = count.isInteger() && count.getIntValue() > 0 ? count.getIntValue() : topLevel;
    entry.replaceKey("/Count", Handle::newInteger(visible));
    m_anyOutline = true;
}

// A kept item is a copy of its input item without the links of the tree
// (made anew among the kept ones); one whose own target is left out points
// where its first kept child points, which takes a reader to the start of
// what is left of that part.
long long MergedOutline::copyChosen(QPDF &out, Handle outlines, InputCopier &copier, ChosenPages &chosen, Handle entry)
{
    std::vector<size_t> top;
    std::vector<OutlineNode> nodes = readItems(outlines, top);
    for (size_t id = nodes.size(); id-- > 0;) {
        OutlineNode &node = nodes[id];
        node.hasTarget = node.item.hasKey("/Dest") || node.item.hasKey("/A");
        node.targetKept = node.hasTarget && chosen.keepsTargetOf(node.item);
        node.kept = node.targetKept || firstKept(nodes, node.kids) != nullptr;
    }
    for (OutlineNode &node : nodes) {
        if (!node.kept)
            continue;
        Handle local = node.item.shallowCopy();
        for (const char *key : {"/Parent", "/First", "/Last", "/Next", "/Prev", "/Count"})
            local.removeKey(key);
        if (!node.targetKept) {
            local.removeKey("/Dest");
            local.removeKey("/A");
        }
        node.copy = out.makeIndirectObject(copier.copy(local));
    }
    for (size_t id = nodes.size(); id-- > 0;) {
        OutlineNode &node = nodes[id];
        if (!node.kept)
            continue;
        node.visible = linkKept(nodes, node.kids, node.copy);
        // Closed, the count is what would show if it were opened, negated.
        if (node.copy.hasKey("/First"))
            node.copy.replaceKey("/Count", Handle::newInteger(node.open ? node.visible : -node.visible));
        const OutlineNode *first = firstKept(nodes, node.kids);
        if (node.hasTarget && !node.targetKept && first) {
            Handle target = first->copy;
            for (const char *key : {"/Dest", "/A"}) {
                if (target.hasKey(key))
                    node.copy.replaceKey(key, target.getKey(key).shallowCopy());
            }
        }
    }
    return linkKept(nodes, top, entry);
}

void MergedOutline::retarget(Handle from, Handle to)
{
    for (Handle entry : m_entries) {
        Handle dest = entry.getKey("/Dest");
        if (dest.isArray() && dest.getArrayNItems() > 0 && dest.getArrayItem(0).getObjGen() == from.getObjGen())
            dest.setArrayItem(0, to);
    }
}

Handle MergedOutline::buildRoot(QPDF &out)
{
    Handle root = out.makeIndirectObject(Handle::newDictionary());
    root.replaceKey("/Type", Handle::newName("/Outlines"));
    long long visible = 0;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        Handle entry = m_entries[i];
        entry.replaceKey("/Parent", root);
        if (i > 0)
            entry.replaceKey("/Prev", m_entries[i - 1]);
        if (i + 1 < m_entries.size())
            entry.replaceKey("/Next", m_entries[i + 1]);
        Handle count = entry.getKey("/Count");
        visible += 1 + (count.isInteger() && count.getIntValue() > 0 ? count.getIntValue() : 0);
    }
    root.replaceKey("/First", m_entries.front());
    root.replaceKey("/Last", m_entries.back());
    root.replaceKey("/Count", Handle::newInteger(visible));
    return root;
}

void MergedOutline::writeTo(QPDF &out, QPDFObjectHandle catalog)
{
    if (m_entries.empty())
        return;
    catalog.replaceKey("/Outlines", buildRoot(out));
    if (m_anyOutline)
        catalog.replaceKey("/PageMode", Handle::newName("/UseOutlines"));
}
