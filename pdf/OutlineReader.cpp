#include "pdf/OutlineReader.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFOutlineObjectHelper.hh>

#include <map>
#include <vector>

namespace {

using PageNumbers = std::map<QPDFObjGen, int>;

int pageNumberOf(QPDFOutlineObjectHelper &item, const PageNumbers &pages)
{
    QPDFObjectHandle target = item.getDestPage();
    if (!target.isIndirect())
        return 0;
    const auto found = pages.find(target.getObjGen());
    return found == pages.end() ? 0 : found->second;
}

QString titleOf(QPDFOutlineObjectHelper &item)
{
    QPDFObjectHandle title = item.getObjectHandle().getKey("/Title");
    return title.isString() ? QString::fromStdString(title.getUTF8Value()) : QString();
}

void collect(std::vector<QPDFOutlineObjectHelper> items, int level, const PageNumbers &pages,
             OutlineEntries &entries)
{
    if (level > OutlineReader::maxDepth)
        return;
    for (QPDFOutlineObjectHelper &item : items) {
        entries.append(OutlineEntry{titleOf(item), level, pageNumberOf(item, pages)});
        collect(item.getKids(), level + 1, pages, entries);
    }
}

} // namespace

OutlineEntries OutlineReader::read(QPDF &pdf)
{
    OutlineEntries entries;
    QPDFOutlineDocumentHelper outline(pdf);
    if (!outline.hasOutlines())
        return entries;
    PageNumbers pages;
    const std::vector<QPDFObjectHandle> &all = pdf.getAllPages();
    for (size_t i = 0; i < all.size(); ++i)
        pages.emplace(all[i].getObjGen(), int(i) + 1);
    collect(outline.getTopLevelOutlines(), 1, pages, entries);
    return entries;
}
