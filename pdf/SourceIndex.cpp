#include "pdf/SourceIndex.h"

#include "pdf/NameTree.h"

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
}

void SourceIndex::loadDestinations(QPDF &source)
{
    if (destinationsLoaded)
        return;
    destinationsLoaded = true;
    QPDFObjectHandle root = source.getRoot();
    QPDFObjectHandle names = root.getKey("/Names");
    if (names.isDictionary()) {
        for (auto const &entry : NameTree::entries(names.getKey("/Dests")))
            stringDestinations.emplace(entry.first, entry.second);
    }
    QPDFObjectHandle dests = root.getKey("/Dests");
    if (dests.isDictionary()) {
        for (auto const &entry : dests.ditems())
            nameDestinations.emplace(entry.first, entry.second);
    }
}

void SourceIndex::loadOutline(QPDF &source, QPDFObjectHandle outlines)
{
    if (outlineLoaded)
        return;
    outlineLoaded = true;
    std::set<QPDFObjGen> seen;
    outlineInPageOrder = readOutline(source, outlines.getKey("/First"), outline, 0, seen);
}

// Reads the outline items from first on into nodes: no output can keep an
// item that reaches no page. Returns whether the nodes are in page order.
bool SourceIndex::readOutline(QPDF &source, QPDFObjectHandle first, std::vector<OutlineNode> &nodes, int depth,
                              std::set<QPDFObjGen> &seen)
{
    bool inOrder = true;
    for (QPDFObjectHandle item = first; item.isDictionary(); item = item.getKey("/Next")) {
        if (depth > maxOutlineDepth || (item.isIndirect() && !seen.insert(item.getObjGen()).second))
            break;
        OutlineNode node;
        node.item = item;
        node.destination = explicitDestination(source, localDestination(item));
        node.page = pageOf(node.destination);
        node.open = item.getKey("/Count").isInteger() && item.getKey("/Count").getIntValue() > 0;
        node.childrenInPageOrder = readOutline(source, item.getKey("/First"), node.children, depth + 1, seen);
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

QPDFObjectHandle SourceIndex::explicitDestination(QPDF &source, QPDFObjectHandle destination)
{
    for (int hop = 0; hop < 4; ++hop) {
        if (destination.isArray())
            return destination;
        if (destination.isDictionary()) {
            destination = destination.getKey("/D");
            continue;
        }
        if (destination.isName() || destination.isString()) {
            loadDestinations(source);
            const auto &table = destination.isName() ? nameDestinations : stringDestinations;
            const auto found = table.find(destination.isName() ? destination.getName()
                                                               : destination.getStringValue());
            if (found == table.end())
                return QPDFObjectHandle::newNull();
            destination = found->second;
            continue;
        }
        break;
    }
    return QPDFObjectHandle::newNull();
}

QPDFObjectHandle SourceIndex::localDestination(QPDFObjectHandle holder)
{
    if (holder.hasKey("/Dest"))
        return holder.getKey("/Dest");
    QPDFObjectHandle action = holder.getKey("/A");
    if (action.isDictionary() && action.getKey("/S").isName() && action.getKey("/S").getName() == "/GoTo")
        return action.getKey("/D");
    return QPDFObjectHandle::newNull();
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
