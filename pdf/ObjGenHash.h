#pragma once

#include <qpdf/QPDFObjGen.hh>

#include <functional>
#include <unordered_set>

// Hashes an object's number and generation, for unordered containers keyed
// by the objects of one document.
struct ObjGenHash
{
    size_t operator()(const QPDFObjGen &og) const
    {
        return std::hash<long long>()((static_cast<long long>(og.getObj()) << 16) ^ og.getGen());
    }
};

using ObjGenSet = std::unordered_set<QPDFObjGen, ObjGenHash>;
