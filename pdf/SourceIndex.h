#pragma once

#include "pdf/DestinationResolver.h"
#include "pdf/ObjGenHash.h"

#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>

#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

class QPDF;

// What extraction needs to know about the source beyond its pages: where
// its destinations and outline items lead. Built once per source, the parts
// besides the page index when first needed; the source must not change its
// pages, destinations or outline meanwhile.
struct SourceIndex
{
    // One outline item of the source that reaches a page.
    struct OutlineNode
    {
        QPDFObjectHandle item;
        QPDFObjectHandle destination;   // explicit destination array in the source, or null
        int page = -1;                  // 0-based source page the item points to, -1 for none
        int firstPage = -1;             // lowest and highest page of the item and its descendants
        int lastPage = -1;
        bool open = false;
        std::vector<OutlineNode> children;
        // The children's page spans are in page order (both ends never
        // decrease), so the ones reaching a page range are found by search.
        bool childrenInPageOrder = true;
    };

    std::vector<QPDFObjectHandle> pages;
    std::unordered_map<QPDFObjGen, int, ObjGenHash> pageIndex;

    std::unique_ptr<DestinationResolver> destinations;   // made by readPages

    bool outlineLoaded = false;
    std::vector<OutlineNode> outline;
    bool outlineInPageOrder = true;

    bool formChecked = false;
    std::unique_ptr<QPDFAcroFormDocumentHelper> form;   // only for sources with fields

    std::unique_ptr<QPDFPageLabelDocumentHelper> labels;   // only for sources with labels

    // Reads source's pages into pages and pageIndex, and its page labels
    // when it has any; sets up the resolver of its destinations. Cost: one
    // walk of the page tree.
    void readPages(QPDF &source);

    // Reads the outline items under outlines (source's outline root) into
    // outline, once: later calls do nothing. Items that reach no page
    // (neither they nor their descendants) are left out, as are items
    // nested deeper than 64 levels and the rest of a looping chain.
    void loadOutline(QPDFObjectHandle outlines);

    // The 0-based index of the page an explicit destination array points
    // at, -1 when it points at none of source's pages.
    int pageOf(QPDFObjectHandle destinationArray) const;

private:
    bool readOutline(QPDFObjectHandle first, std::vector<OutlineNode> &nodes, int depth, std::set<QPDFObjGen> &seen);
};
