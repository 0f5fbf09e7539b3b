#include "pdf/DestinationRenames.h"

QPDFObjectHandle DestinationRenames::renamed(QPDFObjectHandle value) const
{
    if (value.isName()) {
        const auto it = names.find(value.getName());
        if (it != names.end())
            return QPDFObjectHandle::newName(it->second);
    } else if (value.isString()) {
        const auto it = strings.find(value.getStringValue());
        if (it != strings.end())
            return QPDFObjectHandle::newString(it->second);
    }
    return QPDFObjectHandle();
}
