#include "pdf/ExtractedLinks.h"

#include "pdf/IndirectObjects.h"
#include "pdf/SourceIndex.h"

#include <qpdf/QPDF.hh>

#include <utility>
#include <vector>

ExtractedLinks::ExtractedLinks(Extraction &x)
    : m_x(x)
{
}

void ExtractedLinks::fix(QPDFObjectHandle sourcePage, QPDFObjectHandle targetPage)
{
    QPDFObjectHandle sourceAnnots = sourcePage.getKey("/Annots");
    QPDFObjectHandle targetAnnots = targetPage.getKey("/Annots");
    if (!sourceAnnots.isArray() || !targetAnnots.isArray()
        || sourceAnnots.getArrayNItems() != targetAnnots.getArrayNItems())
        return;
    std::vector<QPDFObjectHandle> kept;
    bool removed = false;
    const int n = sourceAnnots.getArrayNItems();
    for (int i = 0; i < n; ++i) {
        QPDFObjectHandle from = sourceAnnots.getArrayItem(i);
        QPDFObjectHandle to = targetAnnots.getArrayItem(i);
        if (!m_x.view && to.isDictionary() && to.hasKey("/P"))
            to.replaceKey("/P", targetPage);
        QPDFObjectHandle destination = DestinationResolver::localDestination(from);
        if (destination.isNull() || !to.isDictionary()) {
            kept.push_back(to);
            continue;
        }
        QPDFObjectHandle array = m_x.index.destinations->explicitDestination(destination);
        const int page = m_x.index.pageOf(array);
        QPDFObjectHandle copy = m_x.targetPageFor(page);
        if (page < 0) {   // a destination this document cannot resolve: leave it as it was
            kept.push_back(to);
            continue;
        }
        if (copy.isNull()) {   // its page was left out: a dead link goes
            removed = true;
            continue;
        }
        if (destination.isArray()) {
            if (!m_x.view) {   // (in place it points at the kept page itself)
                QPDFObjectHandle fixed = Extraction::retargeted(array, copy);
                if (to.hasKey("/Dest"))
                    to.replaceKey("/Dest", fixed);
                else
                    to.getKey("/A").replaceKey("/D", fixed);
            }
        } else if (destination.isName()) {
            m_usedNames.emplace(destination.getName(), Extraction::retargeted(array, copy));
        } else if (destination.isString()) {
            m_usedStrings.emplace(destination.getStringValue(), Extraction::retargeted(array, copy));
        }
        kept.push_back(to);
    }
    if (removed && m_x.view)
        m_x.viewAnnots.emplace_back(targetPage, std::move(kept));
    else if (removed)
        targetAnnots.setArrayFromVector(kept);
}

void ExtractedLinks::writeNamedDestinations()
{
    if (!m_usedStrings.empty()) {
        std::vector<QPDFObjectHandle> pairs;
        for (const auto &entry : m_usedStrings) {   // std::map: sorted, as a name tree requires
            pairs.push_back(QPDFObjectHandle::newString(entry.first));
            pairs.push_back(entry.second);
        }
        QPDFObjectHandle tree = m_x.objects.make(QPDFObjectHandle::newDictionary());
        tree.replaceKey("/Names", QPDFObjectHandle::newArray(pairs));
        QPDFObjectHandle names = QPDFObjectHandle::newDictionary();
        names.replaceKey("/Dests", tree);
        m_x.targetRoot.replaceKey("/Names", names);
    }
    if (!m_usedNames.empty()) {
        QPDFObjectHandle dests = m_x.objects.make(QPDFObjectHandle::newDictionary());
        for (const auto &entry : m_usedNames)
            dests.replaceKey(entry.first, entry.second);
        m_x.targetRoot.replaceKey("/Dests", dests);
    }
}
