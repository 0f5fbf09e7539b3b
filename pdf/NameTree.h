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
    // them), in the order of the tree's leaves, repeated keys kept; entries
    // whose key is not a string are skipped, and so is a last key without a
    // value. Empty when root is not a dictionary. Each node is read once,
    // however many paths lead to it, so a looping tree or one whose nodes
    // share kids costs its size, and a deep one no stack. Cost: linear in
    // the nodes and entries.
    static Entries entries(QPDFObjectHandle root);
};
