#include "pdf/ExtractedOutline.h"

#include "pdf/Extraction.h"
#include "pdf/IndirectObjects.h"
#include "pdf/SourceIndex.h"

#include <qpdf/QPDF.hh>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using OutlineNode = SourceIndex::OutlineNode;

struct BuiltItem
{
    QPDFObjectHandle item;
    int visibleDescendants = 0;   // counted into the parent when the item is open
    bool open = false;
};

void linkChildren(QPDFObjectHandle parent, const std::vector<BuiltItem> &children)
{
    if (children.empty())
        return;
    parent.replaceKey("/First", children.front().item);
    parent.replaceKey("/Last", children.back().item);
    for (size_t i = 0; i < children.size(); ++i) {
        QPDFObjectHandle child = children[i].item;
        child.replaceKey("/Parent", parent);
        if (i > 0)
            child.replaceKey("/Prev", children[i - 1].item);
        if (i + 1 < children.size())
            child.replaceKey("/Next", children[i + 1].item);
    }
}

int visibleCount(const std::vector<BuiltItem> &children)
{
    int count = 0;
    for (const BuiltItem &child : children)
        count += 1 + (child.open ? child.visibleDescendants : 0);
    return count;
}

// The nodes whose page span reaches a kept page: found by search among
// nodes in page order (so a one-page output of a long outline costs the
// depth of the outline, not its length), else by looking at each.
std::pair<size_t, size_t> reachingKeptPages(const Extraction &x, const std::vector<OutlineNode> &nodes, bool inOrder)
{
    if (!inOrder || x.kept.empty())
        return {0, nodes.size()};
    const int lowest = x.kept.front();
    const int highest = x.kept.back();
    const auto begin = std::lower_bound(nodes.begin(), nodes.end(), lowest,
                                        [](const OutlineNode &node, int page) { return node.lastPage < page; });
    const auto end = std::upper_bound(begin, nodes.end(), highest,
                                      [](int page, const OutlineNode &node) { return page < node.firstPage; });
    return {size_t(begin - nodes.begin()), size_t(end - nodes.begin())};
}

// Items pointing into kept pages, with their kept descendants; descendants of
// an item whose own page was left out move up to its place.
std::vector<BuiltItem> buildOutline(Extraction &x, const std::vector<OutlineNode> &nodes, bool inOrder)
{
    std::vector<BuiltItem> built;
    const auto span = reachingKeptPages(x, nodes, inOrder);
    for (size_t i = span.first; i < span.second; ++i) {
        const OutlineNode &node = nodes[i];
        if (!x.anyKeptIn(node.firstPage, node.lastPage))
            continue;
        std::vector<BuiltItem> children = buildOutline(x, node.children, node.childrenInPageOrder);
        QPDFObjectHandle page = x.targetPageFor(node.page);
        if (page.isNull()) {
            built.insert(built.end(), children.begin(), children.end());
            continue;
        }
        QPDFObjectHandle from = node.item;
        QPDFObjectHandle title = from.getKey("/Title");
        QPDFObjectHandle item = x.objects.make(QPDFObjectHandle::newDictionary());
        item.replaceKey("/Title", QPDFObjectHandle::newString(title.isString() ? title.getStringValue()
                                                                               : std::string()));
        item.replaceKey("/Dest", Extraction::retargeted(node.destination, page));
        QPDFObjectHandle color = from.getKey("/C");
        if (color.isArray() && color.getArrayNItems() == 3)
            item.replaceKey("/C", QPDFObjectHandle::newArray({Extraction::directScalar(color.getArrayItem(0)),
                                                              Extraction::directScalar(color.getArrayItem(1)),
                                                              Extraction::directScalar(color.getArrayItem(2))}));
        QPDFObjectHandle flags = from.getKey("/F");
        if (flags.isInteger())
            item.replaceKey("/F", Extraction::directScalar(flags));
        linkChildren(item, children);
        BuiltItem result{item, visibleCount(children), node.open};
        if (!children.empty())
            item.replaceKey("/Count", QPDFObjectHandle::newInteger(node.open ? result.visibleDescendants
                                                                             : -int(children.size())));
        built.push_back(result);
    }
    return built;
}

} // namespace

void ExtractedOutline::copy(Extraction &x)
{
    QPDFObjectHandle outlines = x.source.getRoot().getKey("/Outlines");
    if (!outlines.isDictionary())
        return;
    x.index.loadOutline(outlines);
    const std::vector<BuiltItem> top = buildOutline(x, x.index.outline, x.index.outlineInPageOrder);
    if (top.empty())
        return;
    QPDFObjectHandle root = x.objects.make(QPDFObjectHandle::newDictionary());
    root.replaceKey("/Type", QPDFObjectHandle::newName("/Outlines"));
    linkChildren(root, top);
    root.replaceKey("/Count", QPDFObjectHandle::newInteger(visibleCount(top)));
    x.targetRoot.replaceKey("/Outlines", root);
    QPDFObjectHandle pageMode = x.source.getRoot().getKey("/PageMode");
    if (pageMode.isName())
        x.targetRoot.replaceKey("/PageMode", Extraction::directScalar(pageMode));
}
