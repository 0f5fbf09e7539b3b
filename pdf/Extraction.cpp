#include "pdf/Extraction.h"

QPDFObjectHandle Extraction::directScalar(QPDFObjectHandle value)
{
    if (value.isInteger())
        return QPDFObjectHandle::newInteger(value.getIntValue());
    if (value.isReal())
        return QPDFObjectHandle::newReal(value.getRealValue());
    if (value.isName())
        return QPDFObjectHandle::newName(value.getName());
    if (value.isString())
        return QPDFObjectHandle::newString(value.getStringValue());
    if (value.isBool())
        return QPDFObjectHandle::newBool(value.getBoolValue());
    return QPDFObjectHandle::newNull();
}

QPDFObjectHandle Extraction::retargeted(QPDFObjectHandle sourceArray, QPDFObjectHandle targetPage)
{
    std::vector<QPDFObjectHandle> items{targetPage};
    const int n = sourceArray.getArrayNItems();
    for (int i = 1; i < n; ++i)
        items.push_back(directScalar(sourceArray.getArrayItem(i)));
    return QPDFObjectHandle::newArray(items);
}
