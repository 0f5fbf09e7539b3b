#pragma once

#include <QString>

class QPDF;

// Page trees that qpdf 11 cannot walk, made walkable. qpdf reads the page
// tree recursively and gives up at the first node it meets twice: a tree a
// hundred thousand nodes deep ends the process with a stack overflow, and
// one whose node lists itself among its kids ("a loop", which other readers
// skip) cannot be opened at all. Such a tree is replaced by one node holding
// every page in reading order, each node read once, with the values the
// pages inherited from the nodes in between set on the pages.
class PageTreeRepair
{
public:
    // Rebuilds the page tree of pdf when it loops, shares a node or is
    // deeper than qpdf can follow; leaves a sound tree alone. Returns what
    // was done, for the log (empty when nothing). Cost: one read of every
    // page tree node, without recursion; a rebuild also writes each page's
    // parent and inherited values.
    static QString mendIfNeeded(QPDF &pdf);
};
