#include "pdf/OutlineReader.h"

#include "pdf/DestinationResolver.h"
#include "pdf/ObjGenHash.h"

#include <qpdf/QPDF.hh>

#include <unordered_map>
#include <utility>
#include <vector>

namespace {

using Handle = QPDFObjectHandle;
using PageNumbers = std::unordered_map<QPDFObjGen, int, ObjGenHash>;

QString titleOf(Handle item)
{
    Handle title = item.getKey("/Title");
    return title.isString() ? QString::fromStdString(title.getUTF8Value()) : QString();
}

// The outline walked without recursion: the items still to read, each with
// its level, the next one last. An item met a second time (a loop, or an
// item filed under two parents) ends the chain it was met in.
class OutlineWalk
{
public:
    OutlineWalk(DestinationResolver &destinations, const PageNumbers &pages)
        : m_destinations(destinations), m_pages(pages)
    {
    }

    OutlineEntries entriesFrom(Handle first)
    {
        OutlineEntries entries;
        std::vector<std::pair<Handle, int>> pending{{first, 1}};
        while (!pending.empty()) {
            auto [item, level] = pending.back();
            pending.pop_back();
            if (!item.isDictionary() || level > OutlineReader::maxDepth
                || (item.isIndirect() && !m_seen.insert(item.getObjGen()).second))
                continue;
            entries.append(OutlineEntry{titleOf(item), level, pageOf(item)});
            pending.emplace_back(item.getKey("/Next"), level);
            pending.emplace_back(item.getKey("/First"), level + 1);   // read first: the children come next
        }
        return entries;
    }

private:
    int pageOf(Handle item)
    {
        Handle destination = m_destinations.destinationOf(item);
        if (!destination.isArray() || destination.getArrayNItems() < 1)
            return 0;
        Handle target = destination.getArrayItem(0);
        if (!target.isIndirect())
            return 0;
        const auto found = m_pages.find(target.getObjGen());
        return found == m_pages.end() ? 0 : found->second;
    }

    DestinationResolver &m_destinations;
    const PageNumbers &m_pages;
    ObjGenSet m_seen;
};

} // namespace

OutlineEntries OutlineReader::read(QPDF &pdf)
{
    Handle outlines = pdf.getRoot().getKey("/Outlines");
    if (!outlines.isDictionary())
        return {};
    PageNumbers pages;
    const std::vector<Handle> &all = pdf.getAllPages();
    for (size_t i = 0; i < all.size(); ++i)
        pages.emplace(all[i].getObjGen(), int(i) + 1);
    DestinationResolver destinations(pdf);
    return OutlineWalk(destinations, pages).entriesFrom(outlines.getKey("/First"));
}
