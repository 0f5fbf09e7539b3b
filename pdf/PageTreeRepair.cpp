#include "pdf/PageTreeRepair.h"

#include "pdf/ObjGenHash.h"

#include <qpdf/QPDF.hh>

#include <map>
#include <string>
#include <vector>

namespace {

using Handle = QPDFObjectHandle;

// Deepest page tree left to qpdf's recursive walk. Real trees are a few
// levels deep (a balanced tree of a million pages needs about ten).
constexpr size_t maxSoundDepth = 256;

const char *const inheritableKeys[] = {"/Resources", "/MediaBox", "/CropBox", "/Rotate"};

struct Node
{
    Handle node;
    std::vector<Handle> kids;
    size_t next = 0;
};

std::vector<Handle> kidsOf(Handle node)
{
    Handle kids = node.getKey("/Kids");
    return kids.isArray() ? kids.getArrayAsVector() : std::vector<Handle>();
}

// A page tree node lists kids; anything else in the tree is taken for a
// page, as qpdf does.
bool isNode(Handle object)
{
    return object.isDictionary() && object.getKey("/Kids").isArray()
           && !object.getKey("/Type").isNameAndEquals("/Page");
}

// What a walk of the tree finds: the pages in reading order (with what they
// inherit from below the root), whether some node came twice, how deep it
// went.
struct Walk
{
    std::vector<Handle> pages;
    std::vector<std::map<std::string, Handle>> inherited;
    bool repeated = false;
    size_t depth = 0;
};

// The values the innermost node on path (but the root) holds for each key.
std::map<std::string, Handle> inheritedBelowRoot(const std::vector<Node> &path)
{
    std::map<std::string, Handle> values;
    for (size_t level = path.size(); level-- > 1;) {
        Handle node = path[level].node;
        for (const char *key : inheritableKeys) {
            Handle value = node.getKey(key);
            if (!value.isNull() && !values.count(key))
                values.emplace(key, value);
        }
    }
    return values;
}

// Each node is read once however many times it is listed, so the walk ends
// on a looping tree and costs the size of the tree on any other.
Walk walk(Handle root)
{
    Walk result;
    ObjGenSet seen;
    seen.insert(root.getObjGen());
    std::vector<Node> path{Node{root, kidsOf(root)}};
    while (!path.empty()) {
        result.depth = std::max(result.depth, path.size());
        Node &current = path.back();
        if (current.next == current.kids.size()) {
            path.pop_back();
            continue;
        }
        Handle kid = current.kids[current.next++];
        if (!kid.isDictionary())
            continue;
        if (isNode(kid)) {
            if (kid.isIndirect() && !seen.insert(kid.getObjGen()).second) {
                result.repeated = true;
                continue;
            }
            path.push_back(Node{kid, kidsOf(kid)});
            continue;
        }
        result.pages.push_back(kid);
        result.inherited.push_back(inheritedBelowRoot(path));
    }
    return result;
}

void rebuild(QPDF &pdf, Handle root, const Walk &found)
{
    std::vector<Handle> kids;
    for (size_t i = 0; i < found.pages.size(); ++i) {
        Handle page = found.pages[i];
        for (const auto &value : found.inherited[i]) {
            if (!page.hasKey(value.first))
                page.replaceKey(value.first, value.second);
        }
        page.replaceKey("/Parent", root);
        kids.push_back(page);
    }
    root.replaceKey("/Kids", Handle::newArray(kids));
    root.replaceKey("/Count", Handle::newInteger(static_cast<long long>(kids.size())));
    pdf.updateAllPagesCache();
}

} // namespace

QString PageTreeRepair::mendIfNeeded(QPDF &pdf)
{
    Handle root = pdf.getRoot().getKey("/Pages");
    if (!root.isDictionary())
        return QString();
    const Walk found = walk(root);
    if (!found.repeated && found.depth <= maxSoundDepth)
        return QString();
    rebuild(pdf, root, found);
    return QStringLiteral("page tree rebuilt with %1 page(s): %2")
        .arg(found.pages.size())
        .arg(found.repeated ? QStringLiteral("a node was listed twice (a loop)")
                            : QStringLiteral("%1 levels deep").arg(found.depth));
}
