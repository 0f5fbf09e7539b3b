#include "pdf/ChosenPages.h"

#include "pdf/InputCopier.h"
#include "pdf/ObjGenHash.h"

#include <qpdf/QPDF.hh>

#include <stdexcept>
#include <string>

namespace {

using Handle = QPDFObjectHandle;

bool isLink(Handle annotation)
{
    return annotation.isDictionary() && annotation.getKey("/Subtype").isNameAndEquals("/Link");
}

} // namespace

ChosenPages::ChosenPages(QPDF &in, const std::vector<Handle> &pages, const QList<int> &numbers)
    : m_in(in)
{
    const int count = int(pages.size());
    m_whole = numbers.size() == count;
    for (int i = 0; m_whole && i < count; ++i)
        m_whole = numbers.at(i) == i + 1;
    if (numbers.isEmpty() || m_whole) {
        m_whole = true;
        m_taken = pages;
        m_indexes.reserve(pages.size());
        for (int i = 0; i < count; ++i)
            m_indexes.push_back(i);
        return;
    }
    m_kept.assign(pages.size(), false);
    for (int number : numbers) {
        if (number < 1 || number > count)
            throw std::invalid_argument("page " + std::to_string(number) + " is not in the document");
        m_taken.push_back(pages[size_t(number - 1)]);
        m_indexes.push_back(number - 1);
        m_kept[size_t(number - 1)] = true;
    }
    m_index.pages = pages;
    m_index.pageIndex.reserve(pages.size());
    for (int i = 0; i < count; ++i)
        m_index.pageIndex.emplace(pages[size_t(i)].getObjGen(), i);
}

bool ChosenPages::keepsDestination(Handle destination)
{
    if (m_whole)
        return true;
    // Named destinations are read at the first name looked up.
    if (!m_index.destinations)
        m_index.destinations = std::make_unique<DestinationResolver>(m_in);
    return keepsPage(m_index.pageOf(m_index.destinations->explicitDestination(destination)));
}

bool ChosenPages::keepsTargetOf(Handle holder)
{
    if (m_whole || !holder.isDictionary())
        return true;
    Handle destination = DestinationResolver::localDestination(holder);
    return destination.isNull() || keepsDestination(destination);
}

Handle ChosenPages::keptAnnotations(Handle annotations)
{
    if (m_whole || !annotations.isArray())
        return annotations;
    std::vector<Handle> kept;
    bool dropped = false;
    for (Handle annotation : annotations.aitems()) {
        if (isLink(annotation) && !keepsTargetOf(annotation))
            dropped = true;
        else
            kept.push_back(annotation);
    }
    return dropped ? Handle::newArray(kept) : annotations;
}

void ChosenPages::hideLeftOutWidgets(InputCopier &copier) const
{
    if (m_whole)
        return;
    Handle form = m_in.getRoot().getKey("/AcroForm");
    if (!form.isDictionary() || !form.getKey("/Fields").isArray())
        return;
    ObjGenSet onKeptPages;
    for (Handle page : m_taken) {
        Handle annotations = page.getKey("/Annots");
        if (!annotations.isArray())
            continue;
        for (Handle annotation : annotations.aitems()) {
            if (annotation.isIndirect())
                onKeptPages.insert(annotation.getObjGen());
        }
    }
    // The field tree walked without recursion: a widget is a leaf of it.
    std::vector<Handle> pending = form.getKey("/Fields").getArrayAsVector();
    ObjGenSet seen;
    while (!pending.empty()) {
        Handle node = pending.back();
        pending.pop_back();
        if (!node.isDictionary() || (node.isIndirect() && !seen.insert(node.getObjGen()).second))
            continue;
        if (node.isIndirect() && node.getKey("/Subtype").isNameAndEquals("/Widget")
            && !onKeptPages.count(node.getObjGen()))
            copier.mapTo(node, Handle::newNull());
        Handle kids = node.getKey("/Kids");
        if (kids.isArray()) {
            for (Handle kid : kids.aitems())
                pending.push_back(kid);
        }
    }
}
