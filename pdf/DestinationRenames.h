#pragma once

#include <qpdf/QPDFObjectHandle.hh>

#include <string>
#include <unordered_map>

// New names for the named destinations of one merged input whose names an
// earlier input already uses: by name object (catalog /Dests) and by string
// (name tree), old name to new, both as raw bytes.
struct DestinationRenames
{
    std::unordered_map<std::string, std::string> names;
    std::unordered_map<std::string, std::string> strings;

    bool empty() const { return names.empty() && strings.empty(); }

    // The destination value (a name or a string) with its name replaced, or
    // an uninitialised handle when it keeps its name or is neither. Cost: one
    // hash lookup.
    QPDFObjectHandle renamed(QPDFObjectHandle value) const;
};
