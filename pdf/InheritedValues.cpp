#include "pdf/InheritedValues.h"

#include "pdf/InputCopier.h"

#include <qpdf/QPDF.hh>

#include <set>

namespace {
using Handle = QPDFObjectHandle;
}

void InheritedValues::giveTo(Handle page, Handle copy)
{
    for (const char *key : {"/Resources", "/MediaBox", "/CropBox", "/Rotate"}) {
        if (page.hasKey(key))
            continue;
        Handle value = valueOf(page, key);
        if (value.isInitialized() && !value.isNull())
            copy.replaceKey(key, value);
    }
}

// The copy of the nearest ancestor's value of key, or an uninitialised
// handle when no ancestor holds one.
Handle InheritedValues::valueOf(Handle page, const std::string &key)
{
    std::set<QPDFObjGen> seen;
    for (Handle node = page.getKey("/Parent"); node.isDictionary(); node = node.getKey("/Parent")) {
        if (node.isIndirect() && !seen.insert(node.getObjGen()).second)
            break;   // a looping page tree
        Handle value = node.getKey(key);
        if (value.isNull())
            continue;
        if (!node.isIndirect())
            return m_copier.copy(value, key == "/Resources");
        const auto known = m_copies.find({node.getObjGen(), key});
        if (known != m_copies.end())
            return known->second;
        Handle copied = m_copier.copy(value, key == "/Resources");
        // A direct dictionary or array shared by many pages is written once.
        if (!copied.isIndirect() && (copied.isDictionary() || copied.isArray()))
            copied = m_out.makeIndirectObject(copied);
        m_copies.emplace(std::make_pair(node.getObjGen(), key), copied);
        return copied;
    }
    return Handle();
}
