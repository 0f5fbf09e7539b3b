#pragma once

#include <qpdf/QPDFObjectHandle.hh>

#include <string>
#include <utility>
#include <vector>

// Reads the entries of a name tree (named destinations, embedded files).
class NameTree
{
public:
    using Entries = std::vector<std::pair<std::string, QPDFObjectHandle>>;

    // The entries under root with their keys as raw bytes (as links name
    // them), leaves in order; entries whose key is not a string are skipped,
    // and so is a last key without a value. Empty when root is not a
    // dictionary. Each node is visited once even in a looping tree.
    static Entries entries(QPDFObjectHandle root);
};
