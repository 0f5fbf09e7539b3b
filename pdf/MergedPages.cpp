#include "pdf/MergedPages.h"

#include "pdf/InheritedValues.h"
#include "pdf/InputCopier.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>

namespace {
using Handle = QPDFObjectHandle;
}

std::vector<Handle> MergedPages::copy(QPDF &out, InputCopier &copier, const std::vector<Handle> &inputPages)
{
    std::vector<Handle> copies;
    copies.reserve(inputPages.size());
    for (Handle page : inputPages) {
        Handle copy = out.makeIndirectObject(Handle::newDictionary());
        copier.mapTo(page, copy);
        copies.push_back(copy);
    }
    InheritedValues inherited(out, copier);
    for (size_t i = 0; i < inputPages.size(); ++i) {
        for (auto item : Handle(inputPages[i]).getDictAsMap()) {
            if (item.first == "/Parent" || item.first == "/B")
                continue;
            Handle copied = copier.copy(item.second, item.first == "/Resources");
            if (!copied.isNull())
                copies[i].replaceKey(item.first, copied);
        }
        inherited.giveTo(inputPages[i], copies[i]);
    }
    m_pages.insert(m_pages.end(), copies.begin(), copies.end());
    return copies;
}

void MergedPages::copyLabels(QPDF &in, InputCopier &copier, long long offset, long long count)
{
    QPDFPageLabelDocumentHelper helper(in);
    if (!helper.hasPageLabels()) {
        // Unlabelled pages read "1, 2, ..." from the start of their input.
        Handle decimal = Handle::newDictionary();
        decimal.replaceKey("/S", Handle::newName("/D"));
        m_labels.emplace_back(offset, decimal);
        return;
    }
    std::vector<Handle> flat;
    helper.getLabelsForPageRange(0, count - 1, offset, flat);
    for (size_t i = 0; i + 1 < flat.size(); i += 2)
        m_labels.emplace_back(flat[i].getIntValue(), copier.copy(flat[i + 1]));
    m_anyLabels = true;
}

void MergedPages::writeTo(QPDF &out, QPDFObjectHandle catalog)
{
    Handle pageTree = catalog.getKey("/Pages");
    Handle kids = Handle::newArray(m_pages);
    for (Handle page : m_pages)
        page.replaceKey("/Parent", pageTree);
    pageTree.replaceKey("/Kids", kids);
    pageTree.replaceKey("/Count", Handle::newInteger(static_cast<long long>(m_pages.size())));

    if (m_anyLabels) {
        Handle nums = Handle::newArray();
        for (const auto &label : m_labels) {
            nums.appendItem(Handle::newInteger(label.first));
            nums.appendItem(label.second);
        }
        Handle pageLabels = Handle::newDictionary();
        pageLabels.replaceKey("/Nums", nums);
        catalog.replaceKey("/PageLabels", out.makeIndirectObject(pageLabels));
    }
}
