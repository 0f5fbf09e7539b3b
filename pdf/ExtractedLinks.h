#pragma once

#include "pdf/Extraction.h"

#include <qpdf/QPDFObjectHandle.hh>

#include <map>
#include <string>

// The links of an extraction's output and the named destinations they use.
class ExtractedLinks
{
public:
    // x must outlive this.
    explicit ExtractedLinks(Extraction &x);

    // Points each link of targetPage (the copy of sourcePage, its
    // annotations in the same order) at the first copy of its target page
    // and records the named destinations it uses; links into pages left out
    // are removed (written from the source itself, the page's remaining
    // annotations go to the extraction's temporary lists instead). Links to
    // destinations the source cannot resolve stay as they are. Nothing
    // happens when the two pages' annotations do not match one for one.
    // Cost: one lookup per link; the first link by name reads the source's
    // named destinations. May throw qpdf exceptions.
    void fix(QPDFObjectHandle sourcePage, QPDFObjectHandle targetPage);

    // Puts the named destinations the fixed links use into the output's
    // catalog, each pointing at the copy of its page; nothing when none.
    void writeNamedDestinations();

private:
    Extraction &m_x;
    std::map<std::string, QPDFObjectHandle> m_usedStrings;   // std::map: sorted, as a name tree requires
    std::map<std::string, QPDFObjectHandle> m_usedNames;
};
