#include "pdf/ExtractedPageLabels.h"

#include "pdf/Extraction.h"
#include "pdf/IndirectObjects.h"
#include "pdf/SourceIndex.h"

#include <vector>

void ExtractedPageLabels::copy(Extraction &x, const QList<int> &numbers)
{
    if (!x.index.labels)
        return;
    std::vector<QPDFObjectHandle> entries;
    for (int i = 0; i < numbers.size();) {
        int j = i;
        while (j + 1 < numbers.size() && numbers.at(j + 1) == numbers.at(j) + 1)
            ++j;
        x.index.labels->getLabelsForPageRange(numbers.at(i) - 1, numbers.at(j) - 1, i, entries);
        i = j + 1;
    }
    std::vector<QPDFObjectHandle> nums;
    for (size_t k = 0; k + 1 < entries.size(); k += 2) {
        QPDFObjectHandle label = entries[k + 1];
        QPDFObjectHandle clean = QPDFObjectHandle::newDictionary();
        if (label.isDictionary()) {
            if (label.getKey("/S").isName())
                clean.replaceKey("/S", Extraction::directScalar(label.getKey("/S")));
            if (label.getKey("/P").isString())
                clean.replaceKey("/P", Extraction::directScalar(label.getKey("/P")));
            if (label.getKey("/St").isInteger())
                clean.replaceKey("/St", Extraction::directScalar(label.getKey("/St")));
        }
        nums.push_back(Extraction::directScalar(entries[k]));
        nums.push_back(clean);
    }
    QPDFObjectHandle tree = QPDFObjectHandle::newDictionary();
    tree.replaceKey("/Nums", QPDFObjectHandle::newArray(nums));
    x.targetRoot.replaceKey("/PageLabels", x.objects.make(tree));
}
