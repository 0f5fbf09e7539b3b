#pragma once

#include <qpdf/QPDFObjectHandle.hh>

#include <map>
#include <string>
#include <utility>

class InputCopier;
class QPDF;

// Page attributes a page inherits from its page tree nodes (resources, boxes,
// rotation) are set on its copy. The input itself is left as it is: moving
// them down in the input would make the library read every object of the
// input first. A value held by a node is copied once for all its pages.
class InheritedValues
{
public:
    // Copies go through copier; direct values shared by several pages are
    // made objects of out. Both must outlive this.
    InheritedValues(QPDF &out, InputCopier &copier) : m_out(out), m_copier(copier) {}

    // Sets on copy (page's copy) the resources, media box, crop box and
    // rotation page inherits and does not hold itself; values no ancestor
    // holds stay unset. A looping page tree is followed up to where it
    // loops. Cost: the depth of page in its tree, plus one copy per node and
    // key over all pages.
    void giveTo(QPDFObjectHandle page, QPDFObjectHandle copy);

private:
    QPDFObjectHandle valueOf(QPDFObjectHandle page, const std::string &key);

    QPDF &m_out;
    InputCopier &m_copier;
    std::map<std::pair<QPDFObjGen, std::string>, QPDFObjectHandle> m_copies;
};
