#include "pdf/MergedLayers.h"

#include "pdf/InputCopier.h"

#include <qpdf/QPDF.hh>

#include <utility>

namespace {
using Handle = QPDFObjectHandle;
}

void MergedLayers::copy(QPDF &in, InputCopier &copier)
{
    Handle properties = in.getRoot().getKey("/OCProperties");
    if (!properties.isDictionary() || !properties.getKey("/OCGs").isArray())
        return;
    Handle config = properties.getKey("/D");
    const bool offByDefault = config.isDictionary() && config.getKey("/BaseState").isNameAndEquals("/OFF");
    std::set<QPDFObjGen> switchedOn;
    if (config.isDictionary() && config.getKey("/ON").isArray()) {
        for (Handle group : config.getKey("/ON").aitems())
            switchedOn.insert(group.getObjGen());
    }
    for (Handle group : properties.getKey("/OCGs").aitems()) {
        Handle copy = copier.copy(group);
        if (!copy.isIndirect() || !m_layerIds.insert(copy.getObjGen()).second)
            continue;
        m_groups.appendItem(copy);
        if (offByDefault && !switchedOn.count(group.getObjGen()))
            m_layersOff.appendItem(copy);
    }
    if (!config.isDictionary())
        return;
    const std::pair<const char *, Handle *> lists[] = {
        {"/ON", &m_layersOn}, {"/OFF", &m_layersOff}, {"/Order", &m_layerOrder}, {"/RBGroups", &m_layerRadioGroups}};
    for (const auto &list : lists) {
        Handle items = config.getKey(list.first);
        if (items.isArray()) {
            for (Handle item : copier.copy(items).aitems())
                list.second->appendItem(item);
        }
    }
}

void MergedLayers::writeTo(QPDFObjectHandle catalog)
{
    if (m_groups.getArrayNItems() == 0)
        return;
    Handle config = Handle::newDictionary();
    config.replaceKey("/BaseState", Handle::newName("/ON"));
    config.replaceKey("/ON", m_layersOn);
    config.replaceKey("/OFF", m_layersOff);
    if (m_layerOrder.getArrayNItems() > 0)
        config.replaceKey("/Order", m_layerOrder);
    if (m_layerRadioGroups.getArrayNItems() > 0)
        config.replaceKey("/RBGroups", m_layerRadioGroups);
    Handle properties = Handle::newDictionary();
    properties.replaceKey("/OCGs", m_groups);
    properties.replaceKey("/D", config);
    catalog.replaceKey("/OCProperties", properties);
}
