#include "pdf/MergedForm.h"

#include "pdf/InputCopier.h"

#include <qpdf/QPDF.hh>

#include <string>
#include <unordered_set>

namespace {

using Handle = QPDFObjectHandle;

// Field trees deeper than this are kept as they are below it.
const int maxFieldDepth = 32;

} // namespace

bool MergedForm::keepPlaced(Handle field, ObjGenSet &kept, int depth)
{
    Handle kids = field.getKey("/Kids");
    if (depth < maxFieldDepth && kids.isArray() && kids.getArrayNItems() > 0) {
        std::vector<Handle> placed;
        for (Handle kid : kids.aitems()) {
            if (kid.isDictionary() && keepPlaced(kid, kept, depth + 1))
                placed.push_back(kid);
        }
        if (placed.empty())
            return false;
        if (placed.size() != size_t(kids.getArrayNItems()))
            field.replaceKey("/Kids", Handle::newArray(placed));
    }
    if (field.isIndirect())
        kept.insert(field.getObjGen());
    return true;
}

void MergedForm::copy(QPDF &in, InputCopier &copier, bool placedOnly)
{
    Handle form = in.getRoot().getKey("/AcroForm");
    if (!form.isDictionary() || !form.getKey("/Fields").isArray())
        return;
    Handle inputAppearance = form.getKey("/DA");
    // A field clashes when an earlier input or an earlier field of this one
    // has its name; new names avoid every name of this input too.
    std::vector<bool> clashes;
    std::unordered_set<std::string> ownNames;
    for (Handle field : form.getKey("/Fields").aitems()) {
        const bool named = field.isDictionary() && field.getKey("/T").isString();
        const std::string name = named ? field.getKey("/T").getUTF8Value() : std::string();
        clashes.push_back(named && (m_fieldNames.contains(name) || !ownNames.insert(name).second));
    }
    for (const std::string &name : ownNames)
        m_fieldNames.insert(name);
    size_t index = 0;
    ObjGenSet kept;
    for (Handle field : form.getKey("/Fields").aitems()) {
        const bool clashing = clashes[index++];
        if (!field.isDictionary())
            continue;
        Handle copy = copier.copy(field);
        if (!copy.isDictionary() || (placedOnly && !keepPlaced(copy, kept)))
            continue;
        if (clashing && copy.getKey("/T").isString())
            copy.replaceKey("/T", Handle::newUnicodeString(m_fieldNames.claim(copy.getKey("/T").getUTF8Value())));
        // Values this input's fields inherited from its form stay with them.
        if (!copy.hasKey("/DA") && inputAppearance.isString())
            copy.replaceKey("/DA", inputAppearance.shallowCopy());
        if (!copy.hasKey("/Q") && form.getKey("/Q").isInteger())
            copy.replaceKey("/Q", form.getKey("/Q").shallowCopy());
        m_fields.push_back(copy);
    }
    if (!m_defaultAppearance.isInitialized() && inputAppearance.isString())
        m_defaultAppearance = inputAppearance.shallowCopy();
    if (form.getKey("/DR").isDictionary())
        mergeResources(copier.copy(form.getKey("/DR"), true));
    if (form.getKey("/NeedAppearances").isBool() && form.getKey("/NeedAppearances").getBoolValue())
        m_needAppearances = true;
    if (form.getKey("/SigFlags").isInteger())
        m_signatureFlags |= static_cast<int>(form.getKey("/SigFlags").getIntValue());
    if (form.getKey("/CO").isArray()) {
        for (Handle field : copier.copy(form.getKey("/CO")).aitems()) {
            if (!placedOnly || (field.isIndirect() && kept.count(field.getObjGen())))
                m_calculationOrder.appendItem(field);
        }
    }
}

// Default resources of the forms: per category, the first input to use a
// name keeps it.
void MergedForm::mergeResources(Handle resources)
{
    if (!resources.isDictionary())
        return;
    for (auto category : resources.ditems()) {
        Handle from = category.second;
        if (!from.isDictionary()) {
            if (!m_defaultResources.hasKey(category.first))
                m_defaultResources.replaceKey(category.first, from);
            continue;
        }
        Handle to = m_defaultResources.getKey(category.first);
        if (!to.isDictionary()) {
            to = Handle::newDictionary();
            m_defaultResources.replaceKey(category.first, to);
        }
        for (auto item : from.ditems()) {
            if (!to.hasKey(item.first))
                to.replaceKey(item.first, item.second);
        }
    }
}

void MergedForm::writeTo(QPDF &out, QPDFObjectHandle catalog)
{
    if (m_fields.empty())
        return;
    Handle form = Handle::newDictionary();
    form.replaceKey("/Fields", Handle::newArray(m_fields));
    if (m_defaultResources.getKeys().size() > 0)
        form.replaceKey("/DR", m_defaultResources);
    if (m_defaultAppearance.isInitialized())
        form.replaceKey("/DA", m_defaultAppearance);
    if (m_needAppearances)
        form.replaceKey("/NeedAppearances", Handle::newBool(true));
    if (m_signatureFlags)
        form.replaceKey("/SigFlags", Handle::newInteger(m_signatureFlags));
    if (m_calculationOrder.getArrayNItems() > 0)
        form.replaceKey("/CO", m_calculationOrder);
    catalog.replaceKey("/AcroForm", out.makeIndirectObject(form));
}
