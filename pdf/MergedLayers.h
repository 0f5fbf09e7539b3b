#pragma once

#include <qpdf/QPDFObjectHandle.hh>

#include <set>

class InputCopier;
class QPDF;

// The optional content (layers) of a merged document: every input's groups
// stay listed, each with the visibility its input's default configuration
// gives it, and the inputs' orders and radio-button groups are joined.
class MergedLayers
{
public:
    // Adds in's optional content groups (each group once, however often
    // listed) and the lists of its default configuration. Nothing happens
    // without /OCProperties holding an /OCGs array. Costs one copy of each
    // group and list. May throw qpdf exceptions (what was added stays).
    void copy(QPDF &in, InputCopier &copier);

    // Puts the groups with one default configuration (on unless an input
    // switched them off) into catalog; nothing when no group was added.
    void writeTo(QPDFObjectHandle catalog);

private:
    QPDFObjectHandle m_groups = QPDFObjectHandle::newArray();   // optional content groups
    std::set<QPDFObjGen> m_layerIds;
    QPDFObjectHandle m_layersOn = QPDFObjectHandle::newArray();
    QPDFObjectHandle m_layersOff = QPDFObjectHandle::newArray();
    QPDFObjectHandle m_layerOrder = QPDFObjectHandle::newArray();
    QPDFObjectHandle m_layerRadioGroups = QPDFObjectHandle::newArray();
};
