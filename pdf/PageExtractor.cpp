#include "pdf/PageExtractor.h"

#include "pdf/PdfErrorCode.h"
#include "pdf/PdfFileWriter.h"
#include "pdf/PdfOutputOptions.h"
#include "pdf/SourceCache.h"

#include <QDebug>
#include <QFile>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFNameTreeObjectHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

// Deepest outline nesting followed; deeper items (or cycles) are left out.
constexpr int maxOutlineDepth = 64;

struct ObjGenHash
{
    size_t operator()(const QPDFObjGen &og) const
    {
        return std::hash<long long>()((static_cast<long long>(og.getObj()) << 16) ^ og.getGen());
    }
};

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

// What extraction needs to know about the source beyond its pages. Built
// once, the parts besides the page index when first needed.
struct SourceIndex
{
    std::vector<QPDFObjectHandle> pages;
    std::unordered_map<QPDFObjGen, int, ObjGenHash> pageIndex;

    bool destinationsLoaded = false;
    std::unordered_map<std::string, QPDFObjectHandle> stringDestinations;   // /Names /Dests name tree
    std::unordered_map<std::string, QPDFObjectHandle> nameDestinations;     // older /Dests dictionary

    bool outlineLoaded = false;
    std::vector<OutlineNode> outline;
    bool outlineInPageOrder = true;

    bool formChecked = false;
    std::unique_ptr<QPDFAcroFormDocumentHelper> form;   // only for sources with fields

    std::unique_ptr<QPDFPageLabelDocumentHelper> labels;   // only for sources with labels
};

void loadDestinations(QPDF &source, SourceIndex &index)
{
    if (index.destinationsLoaded)
        return;
    index.destinationsLoaded = true;
    QPDFObjectHandle root = source.getRoot();
    QPDFObjectHandle names = root.getKey("/Names");
    if (names.isDictionary() && names.getKey("/Dests").isDictionary()) {
        QPDFNameTreeObjectHelper tree(names.getKey("/Dests"), source);
        for (auto const &entry : tree)
            index.stringDestinations.emplace(entry.first, entry.second);
    }
    QPDFObjectHandle dests = root.getKey("/Dests");
    if (dests.isDictionary()) {
        for (auto const &entry : dests.ditems())
            index.nameDestinations.emplace(entry.first, entry.second);
    }
}

// The explicit destination array a destination (array, name, string or a
// dictionary holding /D) stands for, or null.
QPDFObjectHandle explicitDestination(QPDF &source, SourceIndex &index, QPDFObjectHandle destination)
{
    for (int hop = 0; hop < 4; ++hop) {
        if (destination.isArray())
            return destination;
        if (destination.isDictionary()) {
            destination = destination.getKey("/D");
            continue;
        }
        if (destination.isName() || destination.isString()) {
            loadDestinations(source, index);
            const auto &table = destination.isName() ? index.nameDestinations : index.stringDestinations;
            const auto found = table.find(destination.isName() ? destination.getName()
                                                               : destination.getStringValue());
            if (found == table.end())
                return QPDFObjectHandle::newNull();
            destination = found->second;
            continue;
        }
        break;
    }
    return QPDFObjectHandle::newNull();
}

// The destination an annotation or outline item goes to within the document:
// its /Dest, or the /D of a GoTo action. Null when it has none.
QPDFObjectHandle localDestination(QPDFObjectHandle holder)
{
    if (holder.hasKey("/Dest"))
        return holder.getKey("/Dest");
    QPDFObjectHandle action = holder.getKey("/A");
    if (action.isDictionary() && action.getKey("/S").isName() && action.getKey("/S").getName() == "/GoTo")
        return action.getKey("/D");
    return QPDFObjectHandle::newNull();
}


int pageOf(const SourceIndex &index, QPDFObjectHandle destinationArray)
{
    if (!destinationArray.isArray() || destinationArray.getArrayNItems() < 1)
        return -1;
    QPDFObjectHandle target = destinationArray.getArrayItem(0);
    if (!target.isIndirect())
        return -1;
    const auto found = index.pageIndex.find(target.getObjGen());
    return found == index.pageIndex.end() ? -1 : found->second;
}

// A fresh copy of a scalar, usable in the new file (values parsed from the
// source belong to it, even direct ones). Other values become null.
QPDFObjectHandle directScalar(QPDFObjectHandle value)
{
    if (value.isInteger())
        return QPDFObjectHandle::newInteger(value.getIntValue());
    if (value.isReal())
        return QPDFObjectHandle::newReal(value.getRealValue());
    if (value.isName())
        return QPDFObjectHandle::newName(value.getName());
    if (value.isString())
        return QPDFObjectHandle::newString(value.getStringValue());
    if (value.isBool())
        return QPDFObjectHandle::newBool(value.getBoolValue());
    return QPDFObjectHandle::newNull();
}

// The source destination array pointed at the copied page.
QPDFObjectHandle retargeted(QPDFObjectHandle sourceArray, QPDFObjectHandle targetPage)
{
    std::vector<QPDFObjectHandle> items{targetPage};
    const int n = sourceArray.getArrayNItems();
    for (int i = 1; i < n; ++i)
        items.push_back(directScalar(sourceArray.getArrayItem(i)));
    return QPDFObjectHandle::newArray(items);
}


// Reads the outline items from first on into nodes. Items that reach no
// page (neither they nor their descendants) are left out: no output can
// keep them. Returns whether the nodes are in page order.
bool loadOutline(QPDF &source, SourceIndex &index, QPDFObjectHandle first, std::vector<OutlineNode> &nodes,
                 int depth, std::set<QPDFObjGen> &seen)
{
    bool inOrder = true;
    for (QPDFObjectHandle item = first; item.isDictionary(); item = item.getKey("/Next")) {
        if (depth > maxOutlineDepth || (item.isIndirect() && !seen.insert(item.getObjGen()).second))
            break;
        OutlineNode node;
        node.item = item;
        node.destination = explicitDestination(source, index, localDestination(item));
        node.page = pageOf(index, node.destination);
        node.open = item.getKey("/Count").isInteger() && item.getKey("/Count").getIntValue() > 0;
        node.childrenInPageOrder = loadOutline(source, index, item.getKey("/First"), node.children, depth + 1, seen);
        node.firstPage = node.lastPage = node.page;
        for (const OutlineNode &child : node.children) {
            if (node.firstPage < 0 || child.firstPage < node.firstPage)
                node.firstPage = child.firstPage;
            node.lastPage = std::max(node.lastPage, child.lastPage);
        }
        if (node.firstPage < 0)
            continue;
        if (!nodes.empty() && (node.firstPage < nodes.back().firstPage || node.lastPage < nodes.back().lastPage))
            inOrder = false;
        nodes.push_back(std::move(node));
    }
    return inOrder;
}

using ObjGenSet = std::unordered_set<QPDFObjGen, ObjGenHash>;

// Makes the indirect objects of an output. For outputs written from the
// source itself, each output's objects take the numbers of the previous
// output's (which nothing reaches any more): qpdf spends time in proportion
// to the whole document on numbering the first new object after a write.
class IndirectObjects
{
public:
    IndirectObjects(QPDF &pdf, bool reuse)
        : m_pdf(pdf), m_reuse(reuse)
    {
    }

    QPDFObjectHandle make(QPDFObjectHandle direct)
    {
        if (!m_reuse)
            return m_pdf.makeIndirectObject(direct);
        if (m_used < m_pool.size()) {
            m_pdf.replaceObject(m_pool[m_used].getObjGen(), direct);
            return m_pool[m_used++];
        }
        m_pool.push_back(m_pdf.makeIndirectObject(direct));
        m_numbers.insert(m_pool.back().getObjGen());
        ++m_used;
        return m_pool.back();
    }

    // The objects made so far are free for the next output.
    void startOutput() { m_used = 0; }
    bool isReused(QPDFObjGen og) const { return m_numbers.count(og) > 0; }

private:
    QPDF &m_pdf;
    bool m_reuse;
    std::vector<QPDFObjectHandle> m_pool;
    ObjGenSet m_numbers;
    size_t m_used = 0;
};

// Answers whether an output written straight from the source would lead to
// a page it leaves out (through a link, an annotation's page, a page tree
// node, ...): such an output has to be copied instead. Objects found to lead
// to no page at all are remembered across outputs, so after the first few
// outputs a check looks at little more than the kept pages themselves.
class PageReach
{
public:
    // Objects that objects vouches for change between outputs: nothing is
    // remembered about them.
    PageReach(const SourceIndex &index, const IndirectObjects &objects)
        : m_index(index), m_objects(objects)
    {
    }

    // True when something reachable from start (an indirect object) is a
    // page not in kept, or a page tree node other than tree.
    bool leavesOut(QPDFObjectHandle start, QPDFObjectHandle tree, const ObjGenSet &kept)
    {
        enum State { InProgress, ReachesPage, PageFree };
        struct Frame
        {
            QPDFObjGen og;
            std::vector<QPDFObjectHandle> children;
            size_t next = 0;
            bool page = false;       // reaches a (kept) page
            bool uncertain = false;  // reaches an object still in progress (a cycle)
        };
        std::unordered_map<QPDFObjGen, State, ObjGenHash> states;
        std::vector<Frame> stack;
        const auto enter = [&](QPDFObjectHandle object, bool page) {
            states[object.getObjGen()] = InProgress;
            Frame frame;
            frame.og = object.getObjGen();
            frame.page = page;
            gather(object, frame.children, 0);
            stack.push_back(std::move(frame));
        };
        enter(start, false);
        while (!stack.empty()) {
            Frame &frame = stack.back();
            if (frame.next < frame.children.size()) {
                QPDFObjectHandle child = frame.children[frame.next++];
                const QPDFObjGen og = child.getObjGen();
                if (m_pageFree.count(og))
                    continue;
                const auto known = states.find(og);
                if (known != states.end()) {
                    frame.uncertain = frame.uncertain || known->second == InProgress;
                    frame.page = frame.page || known->second == ReachesPage;
                    continue;
                }
                const bool page = m_index.pageIndex.count(og) > 0;
                if (page && !kept.count(og))
                    return true;
                if (!page && og != tree.getObjGen() && child.isDictionary()
                    && child.getKey("/Type").isNameAndEquals("/Pages"))
                    return true;
                enter(child, page);
                continue;
            }
            const Frame done = std::move(frame);
            stack.pop_back();
            states[done.og] = done.page ? ReachesPage : PageFree;
            if (!done.page && !done.uncertain && !m_objects.isReused(done.og))
                m_pageFree.insert(done.og);
            if (!stack.empty()) {
                stack.back().page = stack.back().page || done.page;
                stack.back().uncertain = stack.back().uncertain || done.uncertain;
            }
        }
        return false;
    }

private:
    // The indirect objects value refers to directly or through direct
    // arrays and dictionaries (a stream through its dictionary).
    static void gather(QPDFObjectHandle value, std::vector<QPDFObjectHandle> &out, int depth)
    {
        if (depth > 0 && value.isIndirect()) {
            out.push_back(value);
            return;
        }
        if (depth > maxOutlineDepth)
            return;
        if (value.isStream())
            value = value.getDict();
        if (value.isArray()) {
            for (QPDFObjectHandle item : value.getArrayAsVector())
                gather(item, out, depth + 1);
        } else if (value.isDictionary()) {
            for (auto const &item : value.getDictAsMap())
                gather(item.second, out, depth + 1);
        }
    }

    const SourceIndex &m_index;
    const IndirectObjects &m_objects;
    ObjGenSet m_pageFree;
};

// Keys of source objects changed while one output is written straight from
// the source, put back as they were by undo() (or on destruction).
class TemporaryChanges
{
public:
    ~TemporaryChanges() { undo(); }

    void set(QPDFObjectHandle object, const std::string &key, QPDFObjectHandle value)
    {
        remember(object, key);
        object.replaceKey(key, value);
    }
    void remove(QPDFObjectHandle object, const std::string &key)
    {
        remember(object, key);
        object.removeKey(key);
    }
    void undo()
    {
        for (auto it = m_old.rbegin(); it != m_old.rend(); ++it) {
            if (it->value.isInitialized())
                it->object.replaceKey(it->key, it->value);
            else
                it->object.removeKey(it->key);
        }
        m_old.clear();
    }

private:
    struct Old
    {
        QPDFObjectHandle object;
        std::string key;
        QPDFObjectHandle value;   // uninitialised: the key was absent
    };
    void remember(QPDFObjectHandle object, const std::string &key)
    {
        m_old.push_back(Old{object, key, object.hasKey(key) ? object.getKey(key) : QPDFObjectHandle()});
    }

    std::vector<Old> m_old;
};

// Everything one output is made of.
struct Extraction
{
    Extraction(QPDF &source, SourceIndex &index, QPDF &target, QPDFObjectHandle targetRoot, IndirectObjects &objects)
        : source(source), index(index), target(target), targetRoot(targetRoot), objects(objects)
    {
    }

    QPDF &source;
    SourceIndex &index;
    QPDF &target;
    QPDFObjectHandle targetRoot;                    // catalog of the output (not yet installed when working in place)
    IndirectObjects &objects;                       // makes the output's new indirect objects
    std::unordered_map<int, int> firstCopy;         // source page -> position of its first copy in target
    std::vector<int> kept;                          // source pages kept, ascending, each once
    std::vector<QPDFObjectHandle> targetPages;
    // Written from the source itself: its objects stay untouched, and a page
    // whose links into left-out pages go gets its remaining annotations here
    // instead, for a temporary /Annots.
    bool view = false;
    std::vector<std::pair<QPDFObjectHandle, std::vector<QPDFObjectHandle>>> viewAnnots;

    bool anyKeptIn(int first, int last) const
    {
        const auto it = std::lower_bound(kept.begin(), kept.end(), first);
        return first >= 0 && it != kept.end() && *it <= last;
    }
    QPDFObjectHandle targetPageFor(int sourcePage) const
    {
        const auto it = firstCopy.find(sourcePage);
        return it == firstCopy.end() ? QPDFObjectHandle::newNull() : targetPages[size_t(it->second)];
    }
};

struct BuiltItem
{
    QPDFObjectHandle item;
    int visibleDescendants = 0;   // counted into the parent when the item is open
    bool open = false;
};

void linkChildren(QPDFObjectHandle parent, const std::vector<BuiltItem> &children)
{
    if (children.empty())
        return;
    parent.replaceKey("/First", children.front().item);
    parent.replaceKey("/Last", children.back().item);
    for (size_t i = 0; i < children.size(); ++i) {
        QPDFObjectHandle child = children[i].item;
        child.replaceKey("/Parent", parent);
        if (i > 0)
            child.replaceKey("/Prev", children[i - 1].item);
        if (i + 1 < children.size())
            child.replaceKey("/Next", children[i + 1].item);
    }
}

int visibleCount(const std::vector<BuiltItem> &children)
{
    int count = 0;
    for (const BuiltItem &child : children)
        count += 1 + (child.open ? child.visibleDescendants : 0);
    return count;
}


// The nodes whose page span reaches a kept page: found by search among
// nodes in page order (so a one-page output of a long outline costs the
// depth of the outline, not its length), else by looking at each.
std::pair<size_t, size_t> reachingKeptPages(const Extraction &x, const std::vector<OutlineNode> &nodes, bool inOrder)
{
    if (!inOrder || x.kept.empty())
        return {0, nodes.size()};
    const int lowest = x.kept.front();
    const int highest = x.kept.back();
    const auto begin = std::lower_bound(nodes.begin(), nodes.end(), lowest,
                                        [](const OutlineNode &node, int page) { return node.lastPage < page; });
    const auto end = std::upper_bound(begin, nodes.end(), highest,
                                      [](int page, const OutlineNode &node) { return page < node.firstPage; });
    return {size_t(begin - nodes.begin()), size_t(end - nodes.begin())};
}

// Items pointing into kept pages, with their kept descendants; descendants of
// an item whose own page was left out move up to its place.
std::vector<BuiltItem> buildOutline(Extraction &x, const std::vector<OutlineNode> &nodes, bool inOrder)
{
    std::vector<BuiltItem> built;
    const auto span = reachingKeptPages(x, nodes, inOrder);
    for (size_t i = span.first; i < span.second; ++i) {
        const OutlineNode &node = nodes[i];
        if (!x.anyKeptIn(node.firstPage, node.lastPage))
            continue;
        std::vector<BuiltItem> children = buildOutline(x, node.children, node.childrenInPageOrder);
        QPDFObjectHandle page = x.targetPageFor(node.page);
        if (page.isNull()) {
            built.insert(built.end(), children.begin(), children.end());
            continue;
        }
        QPDFObjectHandle from = node.item;
        QPDFObjectHandle title = from.getKey("/Title");
        QPDFObjectHandle item = x.objects.make(QPDFObjectHandle::newDictionary());
        item.replaceKey("/Title", QPDFObjectHandle::newString(title.isString() ? title.getStringValue()
                                                                               : std::string()));
        item.replaceKey("/Dest", retargeted(node.destination, page));
        QPDFObjectHandle color = from.getKey("/C");
        if (color.isArray() && color.getArrayNItems() == 3)
            item.replaceKey("/C", QPDFObjectHandle::newArray({directScalar(color.getArrayItem(0)),
                                                              directScalar(color.getArrayItem(1)),
                                                              directScalar(color.getArrayItem(2))}));
        QPDFObjectHandle flags = from.getKey("/F");
        if (flags.isInteger())
            item.replaceKey("/F", directScalar(flags));
        linkChildren(item, children);
        BuiltItem result{item, visibleCount(children), node.open};
        if (!children.empty())
            item.replaceKey("/Count", QPDFObjectHandle::newInteger(node.open ? result.visibleDescendants
                                                                             : -int(children.size())));
        built.push_back(result);
    }
    return built;
}

void copyOutline(Extraction &x)
{
    QPDFObjectHandle outlines = x.source.getRoot().getKey("/Outlines");
    if (!outlines.isDictionary())
        return;
    if (!x.index.outlineLoaded) {
        x.index.outlineLoaded = true;
        std::set<QPDFObjGen> seen;
        x.index.outlineInPageOrder = loadOutline(x.source, x.index, outlines.getKey("/First"), x.index.outline, 0, seen);
    }
    const std::vector<BuiltItem> top = buildOutline(x, x.index.outline, x.index.outlineInPageOrder);
    if (top.empty())
        return;
    QPDFObjectHandle root = x.objects.make(QPDFObjectHandle::newDictionary());
    root.replaceKey("/Type", QPDFObjectHandle::newName("/Outlines"));
    linkChildren(root, top);
    root.replaceKey("/Count", QPDFObjectHandle::newInteger(visibleCount(top)));
    x.targetRoot.replaceKey("/Outlines", root);
    QPDFObjectHandle pageMode = x.source.getRoot().getKey("/PageMode");
    if (pageMode.isName())
        x.targetRoot.replaceKey("/PageMode", directScalar(pageMode));
}

// Points each copied link at the copy of its target page and records the
// named destinations used; links into pages left out are removed.
void fixLinks(Extraction &x, QPDFObjectHandle sourcePage, QPDFObjectHandle targetPage,
              std::map<std::string, QPDFObjectHandle> &usedStrings,
              std::map<std::string, QPDFObjectHandle> &usedNames)
{
    QPDFObjectHandle sourceAnnots = sourcePage.getKey("/Annots");
    QPDFObjectHandle targetAnnots = targetPage.getKey("/Annots");
    if (!sourceAnnots.isArray() || !targetAnnots.isArray()
        || sourceAnnots.getArrayNItems() != targetAnnots.getArrayNItems())
        return;
    std::vector<QPDFObjectHandle> kept;
    bool removed = false;
    const int n = sourceAnnots.getArrayNItems();
    for (int i = 0; i < n; ++i) {
        QPDFObjectHandle from = sourceAnnots.getArrayItem(i);
        QPDFObjectHandle to = targetAnnots.getArrayItem(i);
        if (!x.view && to.isDictionary() && to.hasKey("/P"))
            to.replaceKey("/P", targetPage);
        QPDFObjectHandle destination = from.isDictionary() ? localDestination(from)
                                                                 : QPDFObjectHandle::newNull();
        if (destination.isNull() || !to.isDictionary()) {
            kept.push_back(to);
            continue;
        }
        QPDFObjectHandle array = explicitDestination(x.source, x.index, destination);
        const int page = pageOf(x.index, array);
        QPDFObjectHandle copy = x.targetPageFor(page);
        if (page < 0) {   // a destination this document cannot resolve: leave it as it was
            kept.push_back(to);
            continue;
        }
        if (copy.isNull()) {   // its page was left out: a dead link goes
            removed = true;
            continue;
        }
        if (destination.isArray()) {
            if (!x.view) {   // (in place it points at the kept page itself)
                QPDFObjectHandle fixed = retargeted(array, copy);
                if (to.hasKey("/Dest"))
                    to.replaceKey("/Dest", fixed);
                else
                    to.getKey("/A").replaceKey("/D", fixed);
            }
        } else if (destination.isName()) {
            usedNames.emplace(destination.getName(), retargeted(array, copy));
        } else if (destination.isString()) {
            usedStrings.emplace(destination.getStringValue(), retargeted(array, copy));
        }
        kept.push_back(to);
    }
    if (removed && x.view)
        x.viewAnnots.emplace_back(targetPage, std::move(kept));
    else if (removed)
        targetAnnots.setArrayFromVector(kept);
}


void writeNamedDestinations(Extraction &x, const std::map<std::string, QPDFObjectHandle> &usedStrings,
                            const std::map<std::string, QPDFObjectHandle> &usedNames)
{
    if (!usedStrings.empty()) {
        std::vector<QPDFObjectHandle> pairs;
        for (const auto &entry : usedStrings) {   // std::map: sorted, as a name tree requires
            pairs.push_back(QPDFObjectHandle::newString(entry.first));
            pairs.push_back(entry.second);
        }
        QPDFObjectHandle tree = x.objects.make(QPDFObjectHandle::newDictionary());
        tree.replaceKey("/Names", QPDFObjectHandle::newArray(pairs));
        QPDFObjectHandle names = QPDFObjectHandle::newDictionary();
        names.replaceKey("/Dests", tree);
        x.targetRoot.replaceKey("/Names", names);
    }
    if (!usedNames.empty()) {
        QPDFObjectHandle dests = x.objects.make(QPDFObjectHandle::newDictionary());
        for (const auto &entry : usedNames)
            dests.replaceKey(entry.first, entry.second);
        x.targetRoot.replaceKey("/Dests", dests);
    }
}


// Page labels of the kept pages, as the source numbers them.
void copyPageLabels(Extraction &x, const QList<int> &numbers)
{
    if (!x.index.labels)
        return;
    std::vector<QPDFObjectHandle> entries;
    for (int i = 0; i < numbers.size();) {
        int j = i;
        while (j + 1 < numbers.size() && numbers.at(j + 1) == numbers.at(j) + 1)
            ++j;
        x.index.labels->getLabelsForPageRange(numbers.at(i) - 1, numbers.at(j) - 1, i, entries);
        i = j + 1;
    }
    std::vector<QPDFObjectHandle> nums;
    for (size_t k = 0; k + 1 < entries.size(); k += 2) {
        QPDFObjectHandle label = entries[k + 1];
        QPDFObjectHandle clean = QPDFObjectHandle::newDictionary();
        if (label.isDictionary()) {
            if (label.getKey("/S").isName())
                clean.replaceKey("/S", directScalar(label.getKey("/S")));
            if (label.getKey("/P").isString())
                clean.replaceKey("/P", directScalar(label.getKey("/P")));
            if (label.getKey("/St").isInteger())
                clean.replaceKey("/St", directScalar(label.getKey("/St")));
        }
        nums.push_back(directScalar(entries[k]));
        nums.push_back(clean);
    }
    QPDFObjectHandle tree = QPDFObjectHandle::newDictionary();
    tree.replaceKey("/Nums", QPDFObjectHandle::newArray(nums));
    x.targetRoot.replaceKey("/PageLabels", x.objects.make(tree));
}

// True when the list keeps at least half of pageCount pages, each once, in
// ascending order: then dropping pages beats copying them.
bool keepsMostPagesInOrder(const QList<int> &numbers, int pageCount)
{
    if (numbers.size() * 2 < pageCount)
        return false;
    for (int i = 1; i < numbers.size(); ++i) {
        if (numbers.at(i) <= numbers.at(i - 1))
            return false;
    }
    return true;
}

// Links, named destinations, outline and page labels of the kept pages.
void carryOver(Extraction &x, const QList<int> &numbers)
{
    for (int number : numbers)
        x.kept.push_back(number - 1);
    std::sort(x.kept.begin(), x.kept.end());
    x.kept.erase(std::unique(x.kept.begin(), x.kept.end()), x.kept.end());
    std::map<std::string, QPDFObjectHandle> usedStrings;
    std::map<std::string, QPDFObjectHandle> usedNames;
    for (int i = 0; i < numbers.size(); ++i)
        fixLinks(x, x.index.pages[size_t(numbers.at(i) - 1)], x.targetPages[size_t(i)], usedStrings, usedNames);
    writeNamedDestinations(x, usedStrings, usedNames);
    copyOutline(x);
    copyPageLabels(x, numbers);
}

// Writes target straight to path with the information and protection of
// options; the version is not lower than the source's. False when writing
// failed (nothing is then left at path), with the write failure's code in
// errorCode.
bool writeFinished(QPDF &target, QPDF &source, const QString &path, const PdfOutputOptions &options,
                   SyncBatch *batch, int &errorCode)
{
    try {
        options.applyInformation(target);
        QPDFWriter writer(target);
        writer.setMinimumPDFVersion(source.getPDFVersion(), source.getExtensionLevel());
        // Stream data is copied as the source stores it: no decoding and
        // recompressing per output (fonts shared by all pages would otherwise
        // be handled again for every file).
        writer.setDecodeLevel(qpdf_dl_none);
        writer.setCompressStreams(false);
        // No object streams: keeping the source's would walk its whole cross-
        // reference table for every output.
        writer.setObjectStreamMode(qpdf_o_disable);
        options.applyProtection(writer);
        return PdfFileWriter::writeWhole(target, writer, path, &errorCode, batch);
    } catch (const std::exception &e) {
        qDebug() << Q_FUNC_INFO << "failed:" << e.what();
        errorCode = PdfErrorCode::WriteFailed;
        return false;
    }
}

} // namespace

struct PageExtractor::Private
{
    std::shared_ptr<QPDF> source;
    QString path;
    QString password;
    bool privateSource = false;
    SourceIndex index;
    int errorCode = PdfErrorCode::None;
    // For outputs written from the source itself.
    std::unique_ptr<IndirectObjects> viewObjects;
    std::unique_ptr<PageReach> reach;
    SyncBatch *syncBatch = nullptr;

    QPDFAcroFormDocumentHelper *sourceForm();
    int extract(const QList<int> &numbers, const QString &output, const PdfOutputOptions *finish);
    int extractInPlace(const QList<int> &numbers, const QString &output, const PdfOutputOptions &finish);
    int extractFromSource(const QList<int> &numbers, const QString &output, const PdfOutputOptions &finish);
    bool canWriteFromSource(const QList<int> &numbers);
};

QPDFAcroFormDocumentHelper *PageExtractor::Private::sourceForm()
{
    if (!index.formChecked) {
        index.formChecked = true;
        QPDFObjectHandle form = source->getRoot().getKey("/AcroForm");
        if (form.isDictionary() && form.getKey("/Fields").isArray() && form.getKey("/Fields").getArrayNItems() > 0)
            index.form = std::make_unique<QPDFAcroFormDocumentHelper>(*source);
    }
    return index.form.get();
}

PageExtractor::PageExtractor(std::shared_ptr<QPDF> source, const QString &path, const QString &password,
                             bool privateSource)
    : d(new Private)
{
    d->source = std::move(source);
    d->path = path;
    d->password = password;
    d->privateSource = privateSource;
    if (privateSource) {
        // Pages carry what they inherit, so each can stand alone under
        // another page tree node.
        d->source->pushInheritedAttributesToPage();
        d->viewObjects = std::make_unique<IndirectObjects>(*d->source, true);
        d->reach = std::make_unique<PageReach>(d->index, *d->viewObjects);
    }
    d->index.pages = d->source->getAllPages();
    d->index.pageIndex.reserve(d->index.pages.size());
    for (size_t i = 0; i < d->index.pages.size(); ++i)
        d->index.pageIndex.emplace(d->index.pages[i].getObjGen(), int(i));
    auto labels = std::make_unique<QPDFPageLabelDocumentHelper>(*d->source);
    if (labels->hasPageLabels())
        d->index.labels = std::move(labels);
}

PageExtractor::~PageExtractor() = default;

const std::shared_ptr<QPDF> &PageExtractor::source() const
{
    return d->source;
}

int PageExtractor::pageCount() const
{
    return int(d->index.pages.size());
}

int PageExtractor::errorCode() const
{
    return d->errorCode;
}

int PageExtractor::extract(const QList<int> &pages, const QString &output)
{
    return d->extract(pages, output, nullptr);
}

int PageExtractor::extract(const QList<int> &pages, const QString &output, const PdfOutputOptions &options)
{
    return d->extract(pages, output, &options);
}

void PageExtractor::setSyncBatch(SyncBatch *batch)
{
    d->syncBatch = batch;
}

int PageExtractor::Private::extract(const QList<int> &numbers, const QString &output, const PdfOutputOptions *finish)
{
    errorCode = PdfErrorCode::None;
    const int pageCount = int(index.pages.size());
    if (numbers.isEmpty()
        || std::any_of(numbers.begin(), numbers.end(), [&](int page) { return page < 1 || page > pageCount; })) {
        errorCode = PdfErrorCode::InvalidArgument;
        return 0;
    }
    try {
        if (finish && canWriteFromSource(numbers)) {
            const int written = extractFromSource(numbers, output, *finish);
            if (written >= 0)
                return written;
            // Something of the kept pages leads to a page left out: copy.
            source->updateAllPagesCache();
        }
        if (finish && !privateSource && keepsMostPagesInOrder(numbers, pageCount) && !sourceForm()) {
            // Most of the document stays: dropping the other pages from a
            // private parse costs less time and memory than copying the kept
            // ones into a new document.
            return extractInPlace(numbers, output, *finish);
        }
        QPDF target;
        target.setSuppressWarnings(true);
        target.emptyPDF();
        IndirectObjects objects(target, false);
        Extraction x(*source, index, target, target.getRoot(), objects);
        QPDFPageDocumentHelper targetPages(target);
        for (int i = 0; i < numbers.size(); ++i) {
            targetPages.addPage(QPDFPageObjectHelper(index.pages[size_t(numbers.at(i) - 1)]), false);
            x.firstCopy.emplace(numbers.at(i) - 1, i);
        }
        x.targetPages = target.getAllPages();

        // Fields first: this gives each copied page its own annotations,
        // which the link repair below then edits.
        if (QPDFAcroFormDocumentHelper *form = sourceForm()) {
            QPDFAcroFormDocumentHelper targetForm(target);
            for (int i = 0; i < numbers.size(); ++i)
                targetForm.fixCopiedAnnotations(x.targetPages[size_t(i)], index.pages[size_t(numbers.at(i) - 1)], *form);
        }
        carryOver(x, numbers);

        if (finish) {
            if (!writeFinished(target, *source, output, *finish, syncBatch, errorCode))
                return 0;
            return 1;
        }
        PdfFileWriter::Options options;
        options.minimumVersion = QString::fromStdString(source->getPDFVersion());
        options.minimumExtensionLevel = source->getExtensionLevel();
        int writeError = PdfErrorCode::None;
        if (!PdfFileWriter::write(target, output, options, &writeError)) {
            errorCode = writeError;
            return 0;
        }
        return 1;
    } catch (const std::exception &e) {
        qDebug() << Q_FUNC_INFO << "failed:" << e.what();
        errorCode = PdfErrorCode::Internal;
        return 0;
    }
}

int PageExtractor::Private::extractInPlace(const QList<int> &numbers, const QString &output,
                                           const PdfOutputOptions &finish)
{
    int openError = PdfErrorCode::None;
    const std::shared_ptr<QPDF> own = SourceCache::parse(path, password, &openError);
    if (!own) {
        errorCode = openError;
        return 0;
    }
    QPDF &pdf = *own;
    pdf.pushInheritedAttributesToPage();
    PageExtractor ownExtractor(own, path, password);   // page numbers before removal
    SourceIndex &ownIndex = ownExtractor.d->index;
    QPDFObjectHandle catalog = QPDFObjectHandle::newDictionary();
    catalog.replaceKey("/Type", QPDFObjectHandle::newName("/Catalog"));
    catalog.replaceKey("/Pages", pdf.getRoot().getKey("/Pages"));
    catalog = pdf.makeIndirectObject(catalog);
    IndirectObjects objects(pdf, false);
    Extraction x(pdf, ownIndex, pdf, catalog, objects);
    for (int i = 0; i < numbers.size(); ++i)
        x.firstCopy.emplace(numbers.at(i) - 1, i);
    QPDFPageDocumentHelper helper(pdf);
    for (size_t p = 0; p < ownIndex.pages.size(); ++p) {
        if (!x.firstCopy.count(int(p)))
            helper.removePage(QPDFPageObjectHelper(ownIndex.pages[p]));
    }
    x.targetPages = pdf.getAllPages();
    // Everything is read from the old catalog; the output gets only the
    // new one, so nothing there can lead back to a dropped page.
    carryOver(x, numbers);
    pdf.getTrailer().replaceKey("/Root", catalog);
    pdf.getTrailer().removeKey("/Info");
    if (!writeFinished(pdf, pdf, output, finish, syncBatch, errorCode))
        return 0;
    return 1;
}

// Outputs are written straight from a private source without forms (whose
// field trees lead from page to page), each page once.
bool PageExtractor::Private::canWriteFromSource(const QList<int> &numbers)
{
    if (!privateSource || sourceForm())
        return false;
    ObjGenSet seen;
    for (int number : numbers) {
        if (!seen.insert(index.pages[size_t(number - 1)].getObjGen()).second)
            return false;
    }
    return true;
}

// The kept pages go under a page tree node of their own in a catalog of
// their own, with their outline, labels and named destinations; the trailer
// points at that catalog while the writer, which writes only what it can
// reach from the trailer, runs. No page is copied. 1 written, 0 failed, -1
// when the output would reach a page left out (nothing is written then).
int PageExtractor::Private::extractFromSource(const QList<int> &numbers, const QString &output,
                                              const PdfOutputOptions &finish)
{
    QPDF &pdf = *source;
    std::vector<QPDFObjectHandle> pages;
    ObjGenSet kept;
    for (int number : numbers) {
        pages.push_back(index.pages[size_t(number - 1)]);
        kept.insert(pages.back().getObjGen());
    }
    viewObjects->startOutput();
    QPDFObjectHandle tree = viewObjects->make(QPDFObjectHandle::newDictionary());
    tree.replaceKey("/Type", QPDFObjectHandle::newName("/Pages"));
    tree.replaceKey("/Kids", QPDFObjectHandle::newArray(pages));
    tree.replaceKey("/Count", QPDFObjectHandle::newInteger(static_cast<long long>(pages.size())));
    QPDFObjectHandle catalog = viewObjects->make(QPDFObjectHandle::newDictionary());
    catalog.replaceKey("/Type", QPDFObjectHandle::newName("/Catalog"));
    catalog.replaceKey("/Pages", tree);

    Extraction x(pdf, index, pdf, catalog, *viewObjects);
    x.targetPages = pages;
    x.view = true;
    for (int i = 0; i < numbers.size(); ++i)
        x.firstCopy.emplace(numbers.at(i) - 1, i);
    carryOver(x, numbers);   // reads the source's own catalog, still in place

    TemporaryChanges changes;
    for (QPDFObjectHandle page : pages) {
        changes.set(page, "/Parent", tree);
        changes.remove(page, "/B");   // article beads lead through their thread to other pages
    }
    for (auto &annotations : x.viewAnnots)
        changes.set(annotations.first, "/Annots", QPDFObjectHandle::newArray(annotations.second));
    QPDFObjectHandle trailer = pdf.getTrailer();
    changes.set(trailer, "/Root", catalog);
    changes.set(trailer, "/Info", viewObjects->make(QPDFObjectHandle::newDictionary()));
    if (reach->leavesOut(catalog, tree, kept))
        return -1;
    pdf.updateAllPagesCache();   // the writer asks for the pages: the kept ones
    if (!writeFinished(pdf, pdf, output, finish, syncBatch, errorCode))
        return 0;
    return 1;
}
