#include "pdf/SourceIndex.h"

#include <qpdf/QPDF.hh>

#include <algorithm>
#include <utility>

namespace {

// Deepest outline nesting followed; deeper items (or cycles) are left out.
constexpr int maxOutlineDepth = 64;

} // namespace

void SourceIndex::readPages(QPDF &source)
{
    pages = source.getAllPages();
    pageIndex.reserve(pages.size());
    for (size_t i = 0; i < pages.size(); ++i)
        pageIndex.emplace(pages[i].getObjGen(), int(i));
    auto helper = std::make_unique<QPDFPageLabelDocumentHelper>(source);
    if (helper->hasPageLabels())
        labels = std::move(helper);
    destinations = std::make_unique<DestinationResolver>(source);
}

void SourceIndex::loadOutline(QPDFObjectHandle outlines)
{
    if (outlineLoaded)
        return;
    outlineLoaded = true;
    std::set<QPDFObjGen> seen;
    outlineInPageOrder = readOutline(outlines.getKey("/First"), outline, 0, seen);
}

// Reads the outline items from first on into nodes: no output can keep an
// item that reaches no page. Returns whether the nodes are in page order.
bool SourceIndex::readOutline(QPDFObjectHandle first, std::vector<OutlineNode> &nodes, int depth,
                              std::set<QPDFObjGen> &seen)
{
    bool inOrder = true;
    for (QPDFObjectHandle item = first; item.isDictionary(); item = item.getKey("/Next")) {
        if (depth > maxOutlineDepth || (item.isIndirect() && !seen.insert(item.getObjGen()).second))
            break;
        OutlineNode node;
        node.item = item;
        node.destination = destinations->destinationOf(item);
        node.page = pageOf(node.destination);
        node.open = item.getKey("/Count").isInteger() && item.getKey("/Count").getIntValue() > 0;
        node.childrenInPageOrder = readOutline(item.getKey("/First"), node.children, depth + 1, seen);
        node.firstPage = node.lastPage = node.page;
        for (const OutlineNode &child : node.children) {
            if (node.firstPage < 0 || child.firstPage < node.firstPage)
                node.firstPage = child.firstPage;
            node.lastPage = std::max(node.lastPage, child.lastPage);
        }
        if (node.firstPage < 0)
            continue;
        if (!nodes.empty() && (node.firstPage < nodes.back().firstPage || node.lastPage < nodes.back().lastPage))
            inOrder = false;
        nodes.push_back(std::move(node));
    }
    return inOrder;
}

int SourceIndex::pageOf(QPDFObjectHandle destinationArray) const
{
    if (!destinationArray.isArray() || destinationArray.getArrayNItems() < 1)
        return -1;
    QPDFObjectHandle target = destinationArray.getArrayItem(0);
    if (!target.isIndirect())
        return -1;
    const auto found = pageIndex.find(target.getObjGen());
    return found == pageIndex.end() ? -1 : found->second;
}
