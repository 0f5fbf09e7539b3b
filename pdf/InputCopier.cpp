#include "pdf/InputCopier.h"

#include "pdf/ContentStore.h"
#include "pdf/DestinationRenames.h"

#include <qpdf/Buffer.hh>
#include <qpdf/Pl_Buffer.hh>
#include <qpdf/Pl_Flate.hh>
#include <qpdf/QPDF.hh>

#include <algorithm>
#include <string_view>
#include <utility>

namespace {

using Handle = QPDFObjectHandle;

// Deeper resource graphs than this are copied without sharing, so that a
// pathological file cannot exhaust the stack.
const int maxSharedDepth = 64;
// A stream met below this many arrays, dictionaries and streams being
// copied one inside the other is copied through the queue. Real documents
// nest form XObjects a few levels (four containers each); a chain of 30,000
// took the whole stack when each level was a recursion.
const int maxNesting = 256;

// Counts the containers being copied one inside the other for as long as it
// lives, also when the copy throws (the copier serves the input's other
// parts after a failed one).
class Nesting
{
public:
    explicit Nesting(int &count) : m_count(count) { ++m_count; }
    ~Nesting() { --m_count; }
    Nesting(const Nesting &) = delete;
    Nesting &operator=(const Nesting &) = delete;

private:
    int &m_count;
};

// Streams stored without a filter are compressed once here, since the
// writer is told to leave every copied stream as it is.
void compressIfUnfiltered(Handle dictionary, std::shared_ptr<Buffer> &data)
{
    if (!dictionary.getKey("/Filter").isNull() || data->getSize() < 32)
        return;
    Pl_Buffer sink("merged stream");
    Pl_Flate deflate("merged stream", &sink, Pl_Flate::a_deflate);
    deflate.write(data->getBuffer(), data->getSize());
    deflate.finish();
    std::shared_ptr<Buffer> compressed = sink.getBufferSharedPointer();
    if (compressed->getSize() >= data->getSize())
        return;   // incompressible (already packed data stored unfiltered)
    data = compressed;
    dictionary.replaceKey("/Filter", Handle::newName("/FlateDecode"));
    dictionary.removeKey("/DecodeParms");
}

bool isDictionaryOfType(Handle object, const char *type)
{
    return object.isDictionary() && object.getKey("/Type").isNameAndEquals(type);
}

bool isPageOrPageTreeNode(Handle object)
{
    if (!object.isDictionary())
        return false;
    Handle type = object.getKey("/Type");
    return type.isNameAndEquals("/Page") || type.isNameAndEquals("/Pages");
}

// Objects that belong to one place in the document (pages, annotations,
// outline items, form fields) are never shared, even when equal.
bool hasIdentity(Handle object)
{
    if (!object.isDictionary())
        return false;
    for (const char *key : {"/Parent", "/P", "/Kids", "/First", "/Next", "/Prev", "/Subtype"}) {
        if (object.hasKey(key)) {
            // /Subtype alone marks annotations, images and fonts alike; only
            // annotations (with a /Rect) have identity.
            if (std::string_view(key) != "/Subtype" || object.hasKey("/Rect"))
                return true;
        }
    }
    return isDictionaryOfType(object, "/Annot") || isDictionaryOfType(object, "/Outlines");
}

} // namespace

InputCopier::InputCopier(QPDF &out, ContentStore &store, const DestinationRenames &renames,
                         const SharedCopies *reusable, SharedCopies &recorded)
    : m_out(out), m_store(store), m_renames(renames), m_reusable(reusable), m_recorded(recorded)
{
}

Handle InputCopier::copy(Handle foreign, bool inResources)
{
    Handle result = copyValue(foreign, inResources, 0);
    drain();
    return result;
}

Handle InputCopier::copyInline(Handle foreign)
{
    if (!foreign.isIndirect() || foreign.isStream() || !(foreign.isArray() || foreign.isDictionary()))
        return copy(foreign);
    Handle result = copyDirect(foreign, false, 0);
    drain();
    return result;
}

Handle InputCopier::copyValue(Handle value, bool inResources, int depth)
{
    if (value.isIndirect())
        return copyIndirect(value, inResources, depth);
    if (value.isDictionary() || value.isArray())
        return copyDirect(value, inResources, depth);
    return m_store.scalar(value);   // a direct scalar still belongs to the input
}

// Arrays and dictionaries are built whole from their copied items: one
// allocation each instead of one per item.
Handle InputCopier::copyDirect(Handle value, bool inResources, int depth)
{
    const Nesting nesting(m_nesting);
    if (value.isArray())
        return Handle::newArray(copiedItems(value, inResources, depth));
    return Handle::newDictionary(copiedItems(value, inResources, depth, "/SE"));
}

std::vector<Handle> InputCopier::copiedItems(Handle array, bool inResources, int depth)
{
    std::vector<Handle> items = array.getArrayAsVector();
    for (Handle &item : items)
        item = copyValue(item, inResources, depth + 1);
    return items;
}

// The copies of a dictionary's entries but skipped (a structure element
// of an outline item, a stream's length) and those copied to null;
// destinations renamed.
std::map<std::string, Handle> InputCopier::copiedItems(Handle dictionary, bool inResources, int depth,
                                                      const char *skipped)
{
    std::map<std::string, Handle> items = dictionary.getDictAsMap();
    for (auto it = items.begin(); it != items.end();) {
        Handle copied;
        if (it->first != skipped)
            copied = copyValue(it->second, inResources || it->first == "/Resources", depth + 1);
        if (!copied.isInitialized() || copied.isNull()) {
            it = items.erase(it);
        } else {
            it->second = copied;
            ++it;
        }
    }
    renameDestinations(items);
    return items;
}

Handle InputCopier::copyIndirect(Handle value, bool inResources, int depth)
{
    const QPDFObjGen og = value.getObjGen();
    const auto it = m_map.find(og);
    if (it != m_map.end()) {
        if (it->second.inProgress)
            it->second.referenced = true;
        if (!it->second.pure)
            m_impure = true;
        return it->second.copy;
    }
    if (m_reusable) {
        const auto reused = m_reusable->find(og);
        if (reused != m_reusable->end()) {
            Entry &entry = m_map[og];
            entry.copy = reused->second;
            entry.pure = true;
            m_recorded.emplace(og, reused->second);
            return reused->second;
        }
    }
    if (value.isNull())
        return Handle::newNull();
    if (value.isStream())
        return m_nesting < maxNesting ? copyStream(value, depth) : copyLater(value, inResources);
    if (isPageOrPageTreeNode(value)) {
        // Pages are mapped before anything is copied; any other page or
        // page tree node belongs to the input's own structure.
        m_map[og].copy = Handle::newNull();
        return Handle::newNull();
    }
    if (inResources && depth < maxSharedDepth && (value.isDictionary() || value.isArray())
        && !hasIdentity(value))
        return copyShared(value, depth);
    return copyLater(value, inResources);
}

Handle InputCopier::copyStream(Handle stream, int depth)
{
    Handle copy = Handle::newStream(&m_out);
    Entry &entry = m_map[stream.getObjGen()];
    entry.copy = copy;
    entry.inProgress = true;
    const bool outerImpure = std::exchange(m_impure, false);
    Handle dictionary = copiedStreamDictionary(stream, std::min(depth, maxSharedDepth - 1));
    const bool pure = !m_impure;
    m_impure = outerImpure || !pure;
    std::shared_ptr<Buffer> data = stream.getRawStreamData();
    compressIfUnfiltered(dictionary, data);
    const std::string dictKey = dictionary.unparse();
    entry.inProgress = false;
    if (!entry.referenced) {
        Handle kept = m_store.findStream(data, dictKey);
        if (kept.isInitialized()) {
            ++m_store.sharedCount;
            entry.copy = kept;
            record(stream.getObjGen(), entry, pure);
            return kept;
        }
    }
    fillStream(copy, dictionary, data);
    m_store.addStream(copy, data, dictKey);
    record(stream.getObjGen(), entry, pure && !entry.referenced);
    return copy;
}

Handle InputCopier::copiedStreamDictionary(Handle stream, int depth)
{
    const Nesting nesting(m_nesting);
    return Handle::newDictionary(copiedItems(stream.getDict(), true, depth, "/Length"));
}

void InputCopier::fillStream(Handle copy, Handle dictionary, std::shared_ptr<Buffer> data)
{
    copy.replaceDict(dictionary);
    copy.replaceStreamData(data, Handle(), Handle());
    // Written as read: the writer never decodes (a damaged stream of one
    // input cannot fail the whole write) nor recompresses it.
    copy.setFilterOnWrite(false);
}

Handle InputCopier::copyShared(Handle object, int depth)
{
    Handle placeholder = m_out.makeIndirectObject(Handle::newNull());
    Entry &entry = m_map[object.getObjGen()];
    entry.copy = placeholder;
    entry.inProgress = true;
    const bool outerImpure = std::exchange(m_impure, false);
    Handle direct = copyDirect(object, true, depth);
    const bool pure = !m_impure;
    m_impure = outerImpure || !pure;
    entry.inProgress = false;
    const std::string key = direct.unparse();
    if (!entry.referenced) {
        Handle kept = m_store.findObject(key);
        if (kept.isInitialized()) {
            ++m_store.sharedCount;
            entry.copy = kept;
            record(object.getObjGen(), entry, pure);
            return kept;
        }
    }
    m_out.replaceObject(placeholder.getObjGen(), direct);
    m_store.addObject(key, placeholder);
    record(object.getObjGen(), entry, pure && !entry.referenced);
    return placeholder;
}

void InputCopier::record(QPDFObjGen og, Entry &entry, bool pure)
{
    entry.pure = pure;
    if (pure)
        m_recorded.emplace(og, entry.copy);
}

Handle InputCopier::copyLater(Handle object, bool inResources)
{
    m_impure = true;
    Handle shell;
    if (object.isStream())
        shell = Handle::newStream(&m_out);
    else if (object.isDictionary())
        shell = m_out.makeIndirectObject(Handle::newDictionary());
    else if (object.isArray())
        shell = m_out.makeIndirectObject(Handle::newArray());
    else
        shell = m_out.makeIndirectObject(object.shallowCopy());
    m_map[object.getObjGen()].copy = shell;
    if (object.isStream() || object.isDictionary() || object.isArray())
        m_queue.push_back(Pending{object, shell, inResources});
    return shell;
}

// A stream too deep to copy where it was met, copied whole from the queue
// and never shared: nothing else waits for its dictionary key.
void InputCopier::copyQueuedStream(Pending next)
{
    Handle dictionary = copiedStreamDictionary(next.foreign, 0);
    std::shared_ptr<Buffer> data = next.foreign.getRawStreamData();
    compressIfUnfiltered(dictionary, data);
    fillStream(next.shell, dictionary, data);
}

void InputCopier::drain()
{
    while (!m_queue.empty()) {
        Pending next = m_queue.front();
        m_queue.pop_front();
        if (next.foreign.isStream()) {
            copyQueuedStream(next);
        } else if (next.foreign.isDictionary()) {
            for (auto &item : copiedItems(next.foreign, next.inResources, 0, "/SE"))
                next.shell.replaceKey(item.first, item.second);
        } else {
            next.shell.setArrayFromVector(copiedItems(next.foreign, next.inResources, -1));
        }
    }
}

// Links and outline items of this input point at its destinations by
// their new names.
void InputCopier::renameDestinations(std::map<std::string, Handle> &items) const
{
    if (m_renames.empty())
        return;
    const auto dest = items.find("/Dest");
    if (dest != items.end()) {
        Handle renamed = m_renames.renamed(dest->second);
        if (renamed.isInitialized())
            dest->second = renamed;
    }
    const auto action = items.find("/S");
    const auto target = items.find("/D");
    if (action != items.end() && target != items.end() && action->second.isNameAndEquals("/GoTo")) {
        Handle renamed = m_renames.renamed(target->second);
        if (renamed.isInitialized())
            target->second = renamed;
    }
}
