#include "pdf/MergedPages.h"

#include "pdf/ChosenPages.h"
#include "pdf/InheritedValues.h"
#include "pdf/InputCopier.h"
#include "pdf/ObjGenHash.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>

#include <algorithm>
#include <unordered_map>

namespace {

using Handle = QPDFObjectHandle;

// Turns page (a copy) by degrees clockwise on top of its own turn.
void turn(Handle page, int degrees)
{
    if (degrees % 360 == 0)
        return;
    Handle own = page.getKey("/Rotate");
    const long long current = own.isInteger() ? own.getIntValue() : 0;
    page.replaceKey("/Rotate", Handle::newInteger(((current + degrees) % 360 + 360) % 360));
}

// A second page showing page (a copy in out): the same contents and
// resources, with copies of its annotations pointing at the twin. Form
// widgets stay with the first page (a field's widget has one place), and
// pop-up notes with their parents.
Handle twinOf(QPDF &out, Handle page)
{
    Handle twin = out.makeIndirectObject(page.shallowCopy());
    Handle annotations = page.getKey("/Annots");
    if (!annotations.isArray())
        return twin;
    std::vector<Handle> own;
    for (Handle annotation : annotations.aitems()) {
        if (!annotation.isDictionary() || annotation.getKey("/Subtype").isNameAndEquals("/Widget")
            || annotation.getKey("/Subtype").isNameAndEquals("/Popup"))
            continue;
        Handle copy = annotation.shallowCopy();
        copy.replaceKey("/P", twin);
        copy.removeKey("/Popup");
        own.push_back(out.makeIndirectObject(copy));
    }
    twin.replaceKey("/Annots", Handle::newArray(own));
    return twin;
}

// An empty page with the boxes and the turn of page.
Handle blankLike(QPDF &out, Handle page)
{
    Handle blank = Handle::newDictionary();
    blank.replaceKey("/Type", Handle::newName("/Page"));
    for (const char *key : {"/MediaBox", "/CropBox", "/Rotate"}) {
        Handle value = page.getKey(key);
        if (!value.isNull())
            blank.replaceKey(key, value.isIndirect() ? value : value.shallowCopy());
    }
    if (!blank.hasKey("/MediaBox"))
        blank.replaceKey("/MediaBox", Handle::newArray(QPDFObjectHandle::Rectangle(0, 0, 612, 792)));
    blank.replaceKey("/Resources", Handle::newDictionary());
    return out.makeIndirectObject(blank);
}

long long startNumber(Handle label)
{
    Handle start = label.getKey("/St");
    return start.isInteger() ? start.getIntValue() : 1;
}

} // namespace

std::vector<Handle> MergedPages::copy(QPDF &out, InputCopier &copier, ChosenPages &chosen, int rotation)
{
    const std::vector<Handle> &taken = chosen.pages();
    std::vector<Handle> copies(taken.size());
    // firstOf[i]: where the page taken at i was taken first (i itself but
    // for a repeat, which becomes a twin of that copy).
    std::vector<size_t> firstOf(taken.size());
    std::unordered_map<QPDFObjGen, size_t, ObjGenHash> firstTaken;
    for (size_t i = 0; i < taken.size(); ++i) {
        firstOf[i] = chosen.isWhole() ? i : firstTaken.emplace(taken[i].getObjGen(), i).first->second;
        if (firstOf[i] != i)
            continue;
        copies[i] = out.makeIndirectObject(Handle::newDictionary());
        copier.mapTo(taken[i], copies[i]);
    }
    InheritedValues inherited(out, copier);
    for (size_t i = 0; i < taken.size(); ++i) {
        if (firstOf[i] != i)
            continue;
        for (auto item : Handle(taken[i]).getDictAsMap()) {
            if (item.first == "/Parent" || item.first == "/B")
                continue;
            const Handle value = item.first == "/Annots" ? chosen.keptAnnotations(item.second) : item.second;
            Handle copied = copier.copy(value, item.first == "/Resources");
            if (!copied.isNull())
                copies[i].replaceKey(item.first, copied);
        }
        inherited.giveTo(taken[i], copies[i]);
        turn(copies[i], rotation);
    }
    for (size_t i = 0; i < taken.size(); ++i) {
        if (firstOf[i] != i)
            copies[i] = twinOf(out, copies[firstOf[i]]);
    }
    m_inputs.push_back(Input{copies, chosen.indexes(), {}});
    return copies;
}

void MergedPages::copyLabels(QPDF &in, InputCopier &copier, long long pageCount)
{
    Input &input = m_inputs.back();
    QPDFPageLabelDocumentHelper helper(in);
    if (!helper.hasPageLabels()) {
        // Unlabelled pages read as their page numbers in their input.
        Handle decimal = Handle::newDictionary();
        decimal.replaceKey("/S", Handle::newName("/D"));
        input.labels.emplace_back(0, decimal);
        return;
    }
    std::vector<Handle> flat;
    helper.getLabelsForPageRange(0, pageCount - 1, 0, flat);
    for (size_t i = 0; i + 1 < flat.size(); i += 2)
        input.labels.emplace_back(flat[i].getIntValue(), copier.copy(flat[i + 1]));
    m_anyLabels = true;
}

long long MergedPages::count() const
{
    long long pages = 0;
    for (size_t i = 0; i < m_inputs.size(); ++i) {
        const long long own = static_cast<long long>(m_inputs[i].pages.size());
        pages += own;
        if (!m_layout.interleave && m_layout.blankAfterOdd && i + 1 < m_inputs.size() && own % 2 == 1)
            ++pages;
    }
    return pages;
}

std::vector<MergedPages::Slot> MergedPages::arrangement() const
{
    std::vector<Slot> slots;
    slots.reserve(size_t(count()));
    if (!m_layout.interleave) {
        for (size_t i = 0; i < m_inputs.size(); ++i) {
            const size_t own = m_inputs[i].pages.size();
            for (size_t j = 0; j < own; ++j)
                slots.push_back(Slot{i, j, false});
            if (m_layout.blankAfterOdd && i + 1 < m_inputs.size() && own % 2 == 1)
                slots.push_back(Slot{i, own - 1, true});
        }
        return slots;
    }
    size_t longest = 0;
    for (const Input &input : m_inputs)
        longest = std::max(longest, input.pages.size());
    for (size_t step = 0; step < longest; ++step) {
        for (size_t i = 0; i < m_inputs.size(); ++i) {
            const size_t own = m_inputs[i].pages.size();
            if (step >= own)
                continue;
            const bool reversed = m_layout.reverseLast && i + 1 == m_inputs.size();
            slots.push_back(Slot{i, reversed ? own - 1 - step : step, false});
        }
    }
    return slots;
}

// The label of the page at pageIndex of input, which label run `run` covers
// (-1: no run does: the page has no label).
Handle MergedPages::labelAt(const Input &input, int run, long long pageIndex) const
{
    if (run < 0)
        return Handle::newDictionary();
    const LabelRun &labels = input.labels[size_t(run)];
    if (pageIndex == labels.first)
        return labels.second;
    Handle own = labels.second;
    Handle label = own.shallowCopy();
    label.replaceKey("/St", Handle::newInteger(startNumber(own) + pageIndex - labels.first));
    return label;
}

// A page whose label reads on from the page before it needs no entry of
// its own; every other page gets one. A blank page reads on from the page
// before it.
Handle MergedPages::labelNumbers(const std::vector<Slot> &slots) const
{
    Handle nums = Handle::newArray();
    bool previousReadsOn = false;
    size_t previousInput = 0;
    long long previousIndex = 0;
    int previousRun = -1;
    for (size_t p = 0; p < slots.size(); ++p) {
        const Slot &slot = slots[p];
        if (slot.blank) {
            previousReadsOn = false;
            continue;
        }
        const Input &input = m_inputs[slot.input];
        const long long index = input.indexes[slot.position];
        const auto after = std::upper_bound(input.labels.begin(), input.labels.end(), index,
                                            [](long long value, const LabelRun &run) { return value < run.first; });
        const int run = int(after - input.labels.begin()) - 1;
        const bool readsOn = previousReadsOn && previousInput == slot.input && previousIndex + 1 == index
                             && previousRun == run;
        if (!readsOn) {
            nums.appendItem(Handle::newInteger(static_cast<long long>(p)));
            nums.appendItem(labelAt(input, run, index));
        }
        previousReadsOn = true;
        previousInput = slot.input;
        previousIndex = index;
        previousRun = run;
    }
    return nums;
}

void MergedPages::writeTo(QPDF &out, QPDFObjectHandle catalog)
{
    const std::vector<Slot> slots = arrangement();
    std::vector<Handle> pages;
    pages.reserve(slots.size());
    for (const Slot &slot : slots) {
        const Handle page = m_inputs[slot.input].pages[slot.position];
        pages.push_back(slot.blank ? blankLike(out, page) : page);
    }
    Handle pageTree = catalog.getKey("/Pages");
    for (Handle page : pages)
        page.replaceKey("/Parent", pageTree);
    pageTree.replaceKey("/Kids", Handle::newArray(pages));
    pageTree.replaceKey("/Count", Handle::newInteger(static_cast<long long>(pages.size())));

    if (m_anyLabels) {
        Handle pageLabels = Handle::newDictionary();
        pageLabels.replaceKey("/Nums", labelNumbers(slots));
        catalog.replaceKey("/PageLabels", out.makeIndirectObject(pageLabels));
    }
}
