// qpdf 11: use std::shared_ptr throughout, without the transition warning.
#ifndef POINTERHOLDER_TRANSITION
#define POINTERHOLDER_TRANSITION 4
#endif

#include "pdf/DocumentMerger.h"

#include "app/FileUtils.h"
#include "app/Logger.h"
#include "pdf/DocumentDisposal.h"
#include "pdf/PdfErrorCode.h"
#include "pdf/PdfFileWriter.h"
#include "pdf/PdfOutputOptions.h"
#include "pdf/SourceCache.h"
#include "pdf/UniqueNames.h"

#include <QFile>
#include <QFileInfo>

#include <qpdf/Buffer.hh>
#include <qpdf/BufferInputSource.hh>
#include <qpdf/PDFVersion.hh>
#include <qpdf/Pl_Buffer.hh>
#include <qpdf/Pl_Flate.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFWriter.hh>

#include <cstdio>

#include <deque>
#include <exception>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {

using Handle = QPDFObjectHandle;

// Deeper resource graphs than this are copied without sharing, so that a
// pathological file cannot exhaust the stack.
const int maxSharedDepth = 64;

std::string toStd(const QString &text)
{
    return text.toUtf8().toStdString();
}

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

std::string_view bytesOf(const std::shared_ptr<Buffer> &buffer)
{
    return std::string_view(reinterpret_cast<const char *>(buffer->getBuffer()), buffer->getSize());
}

// Objects already kept in the output, found by their content, so an identical
// stream or resource object from a later input is pointed at instead of
// stored again. Additions made while an input is being copied can be taken
// back when that input fails.
class ContentStore
{
public:
    Handle findStream(const std::shared_ptr<Buffer> &data, const std::string &dictKey) const
    {
        const auto range = m_streams.equal_range(streamHash(data, dictKey));
        for (auto it = range.first; it != range.second; ++it) {
            const StreamRecord &record = it->second;
            if (record.dictKey == dictKey && bytesOf(record.data) == bytesOf(data))
                return record.stream;
        }
        return Handle();
    }

    void addStream(const Handle &stream, const std::shared_ptr<Buffer> &data, const std::string &dictKey)
    {
        auto it = m_streams.emplace(streamHash(data, dictKey), StreamRecord{stream, data, dictKey});
        m_addedStreams.push_back(it);
    }

    Handle findObject(const std::string &key) const
    {
        const auto it = m_objects.find(key);
        return it == m_objects.end() ? Handle() : it->second;
    }

    void addObject(const std::string &key, const Handle &object)
    {
        if (m_objects.emplace(key, object).second)
            m_addedObjects.push_back(key);
    }

    void commit()
    {
        m_addedStreams.clear();
        m_addedObjects.clear();
    }

    void rollback()
    {
        for (auto it : m_addedStreams)
            m_streams.erase(it);
        for (const std::string &key : m_addedObjects)
            m_objects.erase(key);
        commit();
    }

    int sharedCount = 0;   // references redirected to an object kept before

    // One copy of each name, integer and boolean serves every place in the
    // output that holds it: a manual holds millions of them (/Type /Annot,
    // /Link, 0), each otherwise an allocation of its own. Such values cannot
    // change in place; they are never made indirect.
    Handle scalar(Handle value)
    {
        std::string key;
        if (value.isName())
            key = value.getName();
        else if (value.isInteger())
            key = std::to_string(value.getIntValue());
        else if (value.isBool())
            key = value.getBoolValue() ? "true" : "false";
        else
            return value.shallowCopy();
        auto it = m_scalars.find(key);
        if (it == m_scalars.end())
            it = m_scalars.emplace(std::move(key), value.shallowCopy()).first;
        return it->second;
    }

private:
    struct StreamRecord
    {
        Handle stream;
        std::shared_ptr<Buffer> data;
        std::string dictKey;
    };
    using StreamMap = std::unordered_multimap<size_t, StreamRecord>;

    // Large streams are hashed by their length and a sample of their bytes:
    // equal hashes are confirmed byte for byte anyway, and hashing every
    // byte of every font of thousands of inputs costs more than the merge.
    static size_t streamHash(const std::shared_ptr<Buffer> &data, const std::string &dictKey)
    {
        const std::string_view bytes = bytesOf(data);
        size_t h;
        if (bytes.size() <= 4096) {
            h = std::hash<std::string_view>()(bytes);
        } else {
            std::string sample;
            sample.reserve(4096 + sizeof(size_t));
            const size_t step = bytes.size() / 64;
            for (size_t i = 0; i < 64; ++i)
                sample.append(bytes.substr(i * step, 64));
            const size_t size = bytes.size();
            sample.append(reinterpret_cast<const char *>(&size), sizeof(size));
            h = std::hash<std::string>()(sample);
        }
        return h ^ (std::hash<std::string>()(dictKey) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2));
    }

    StreamMap m_streams;
    std::unordered_map<std::string, Handle> m_objects;
    std::unordered_map<std::string, Handle> m_scalars;
    std::vector<StreamMap::iterator> m_addedStreams;
    std::vector<std::string> m_addedObjects;
};

// New names for the named destinations of one input whose names an earlier
// input already uses: by name object (catalog /Dests) and by string (name tree).
struct DestinationRenames
{
    std::unordered_map<std::string, std::string> names;
    std::unordered_map<std::string, std::string> strings;

    bool empty() const { return names.empty() && strings.empty(); }

    // The destination value with its name replaced, or an uninitialised
    // handle when it keeps its name.
    Handle renamed(Handle value) const
    {
        if (value.isName()) {
            const auto it = names.find(value.getName());
            if (it != names.end())
                return Handle::newName(it->second);
        } else if (value.isString()) {
            const auto it = strings.find(value.getStringValue());
            if (it != strings.end())
                return Handle::newString(it->second);
        }
        return Handle();
    }
};

// The named destinations of one input: the entries of its name tree, read
// once, and the new names of those an earlier input already uses.
struct InputDestinations
{
    std::vector<std::pair<std::string, Handle>> tree;
    DestinationRenames renames;
};

struct ObjGenHash
{
    size_t operator()(const QPDFObjGen &og) const
    {
        return std::hash<long long>()((static_cast<long long>(og.getObj()) << 16) ^ og.getGen());
    }
};

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

// Copies of the shareable objects (streams, resource objects) of one input
// that lead to nothing of the input's own: when the same parsed document
// comes again, they serve its copy as they are, without reading and
// comparing them again.
using SharedCopies = std::unordered_map<QPDFObjGen, Handle, ObjGenHash>;

// Copies the objects of one input into the output. Every foreign object is
// copied once per input; streams and the objects under resource dictionaries
// are copied bottom-up and shared through the content store; everything else
// is copied breadth-first through a queue, so long chains (outline items,
// field trees) never deepen the stack. Stream data is read at copy time, so
// the input can be closed as soon as its copy is done.
class InputCopier
{
public:
    // reusable: shared copies made from the same document before (may be
    // null); recorded receives this input's.
    InputCopier(QPDF &out, ContentStore &store, const DestinationRenames &renames, const SharedCopies *reusable,
                SharedCopies &recorded)
        : m_out(out), m_store(store), m_renames(renames), m_reusable(reusable), m_recorded(recorded)
    {
    }

    // The foreign object is represented by copy (pages, the outline root).
    void mapTo(Handle foreign, Handle copy) { m_map[foreign.getObjGen()].copy = copy; }

    bool isMapped(Handle foreign) const { return m_map.count(foreign.getObjGen()) > 0; }

    // The copy of a foreign value; inResources marks values under a
    // /Resources key, whose objects may be shared with earlier inputs.
    Handle copy(Handle foreign, bool inResources = false)
    {
        Handle result = copyValue(foreign, inResources, 0);
        drain();
        return result;
    }

    // The copy of a value written where it is used (a destination in the
    // name tree): an array or dictionary that is an object of its own in the
    // input becomes a direct one. A manual has thousands of destinations;
    // as objects of their own each costs an object number, an offset and
    // its share of the object streams.
    Handle copyInline(Handle foreign)
    {
        if (!foreign.isIndirect() || foreign.isStream() || !(foreign.isArray() || foreign.isDictionary()))
            return copy(foreign);
        Handle result = copyDirect(foreign, false, 0);
        drain();
        return result;
    }

private:
    struct Entry
    {
        Handle copy;
        bool inProgress = false;
        bool referenced = false;   // handed out while in progress: cannot be shared
        bool pure = false;         // a shared copy that leads to nothing of this input's own
    };
    struct Pending
    {
        Handle foreign;
        Handle shell;
        bool inResources;
    };

    Handle copyValue(Handle value, bool inResources, int depth)
    {
        if (value.isIndirect())
            return copyIndirect(value, inResources, depth);
        if (value.isDictionary() || value.isArray())
            return copyDirect(value, inResources, depth);
        return m_store.scalar(value);   // a direct scalar still belongs to the input
    }

    // Arrays and dictionaries are built whole from their copied items: one
    // allocation each instead of one per item.
    Handle copyDirect(Handle value, bool inResources, int depth)
    {
        if (value.isArray())
            return Handle::newArray(copiedItems(value, inResources, depth));
        return Handle::newDictionary(copiedItems(value, inResources, depth, "/SE"));
    }

    std::vector<Handle> copiedItems(Handle array, bool inResources, int depth)
    {
        std::vector<Handle> items = array.getArrayAsVector();
        for (Handle &item : items)
            item = copyValue(item, inResources, depth + 1);
        return items;
    }

    // The copies of a dictionary's entries but skipped (a structure element
    // of an outline item, a stream's length) and those copied to null;
    // destinations renamed.
    std::map<std::string, Handle> copiedItems(Handle dictionary, bool inResources, int depth, const char *skipped)
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

    Handle copyIndirect(Handle value, bool inResources, int depth)
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
            return copyStream(value, depth);
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

    Handle copyStream(Handle stream, int depth)
    {
        Handle copy = Handle::newStream(&m_out);
        Entry &entry = m_map[stream.getObjGen()];
        entry.copy = copy;
        entry.inProgress = true;
        const bool outerImpure = std::exchange(m_impure, false);
        Handle dictionary =
            Handle::newDictionary(copiedItems(stream.getDict(), true, std::min(depth, maxSharedDepth - 1), "/Length"));
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
        copy.replaceDict(dictionary);
        copy.replaceStreamData(data, Handle(), Handle());
        // Written as read: the writer never decodes (a damaged stream of one
        // input cannot fail the whole write) nor recompresses it.
        copy.setFilterOnWrite(false);
        m_store.addStream(copy, data, dictKey);
        record(stream.getObjGen(), entry, pure && !entry.referenced);
        return copy;
    }

    Handle copyShared(Handle object, int depth)
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

    void record(QPDFObjGen og, Entry &entry, bool pure)
    {
        entry.pure = pure;
        if (pure)
            m_recorded.emplace(og, entry.copy);
    }

    Handle copyLater(Handle object, bool inResources)
    {
        m_impure = true;
        Handle shell;
        if (object.isDictionary())
            shell = m_out.makeIndirectObject(Handle::newDictionary());
        else if (object.isArray())
            shell = m_out.makeIndirectObject(Handle::newArray());
        else
            shell = m_out.makeIndirectObject(object.shallowCopy());
        m_map[object.getObjGen()].copy = shell;
        if (object.isDictionary() || object.isArray())
            m_queue.push_back(Pending{object, shell, inResources});
        return shell;
    }

    void drain()
    {
        while (!m_queue.empty()) {
            Pending next = m_queue.front();
            m_queue.pop_front();
            if (next.foreign.isDictionary()) {
                for (auto &item : copiedItems(next.foreign, next.inResources, 0, "/SE"))
                    next.shell.replaceKey(item.first, item.second);
            } else {
                next.shell.setArrayFromVector(copiedItems(next.foreign, next.inResources, -1));
            }
        }
    }

    // Links and outline items of this input point at its destinations by
    // their new names.
    void renameDestinations(std::map<std::string, Handle> &items) const
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

    QPDF &m_out;
    ContentStore &m_store;
    const DestinationRenames &m_renames;
    const SharedCopies *m_reusable;
    SharedCopies &m_recorded;
    bool m_impure = false;   // something of this input's own was reached since the innermost shared copy began
    std::unordered_map<QPDFObjGen, Entry, ObjGenHash> m_map;
    std::deque<Pending> m_queue;
};

// Page attributes a page inherits from its page tree nodes (resources, boxes,
// rotation) are set on its copy. The input itself is left as it is: moving
// them down in the input would make the library read every object of the
// input first. A value held by a node is copied once for all its pages.
class InheritedValues
{
public:
    InheritedValues(QPDF &out, InputCopier &copier) : m_out(out), m_copier(copier) {}

    void giveTo(Handle page, Handle copy)
    {
        for (const char *key : {"/Resources", "/MediaBox", "/CropBox", "/Rotate"}) {
            if (page.hasKey(key))
                continue;
            Handle value = valueOf(page, key);
            if (value.isInitialized() && !value.isNull())
                copy.replaceKey(key, value);
        }
    }

private:
    // The copy of the nearest ancestor's value of key, or an uninitialised
    // handle when no ancestor holds one.
    Handle valueOf(Handle page, const std::string &key)
    {
        std::set<QPDFObjGen> seen;
        for (Handle node = page.getKey("/Parent"); node.isDictionary(); node = node.getKey("/Parent")) {
            if (node.isIndirect() && !seen.insert(node.getObjGen()).second)
                break;   // a looping page tree
            Handle value = node.getKey(key);
            if (value.isNull())
                continue;
            if (!node.isIndirect())
                return m_copier.copy(value, key == "/Resources");
            const auto known = m_copies.find({node.getObjGen(), key});
            if (known != m_copies.end())
                return known->second;
            Handle copied = m_copier.copy(value, key == "/Resources");
            // A direct dictionary or array shared by many pages is written once.
            if (!copied.isIndirect() && (copied.isDictionary() || copied.isArray()))
                copied = m_out.makeIndirectObject(copied);
            m_copies.emplace(std::make_pair(node.getObjGen(), key), copied);
            return copied;
        }
        return Handle();
    }

    QPDF &m_out;
    InputCopier &m_copier;
    std::map<std::pair<QPDFObjGen, std::string>, Handle> m_copies;
};

// The entries of a name tree with their keys as raw bytes, leaves in order;
// each node is visited once even in a looping tree.
void collectNameTree(Handle node, std::vector<std::pair<std::string, Handle>> &entries, std::set<QPDFObjGen> &seen)
{
    if (!node.isDictionary())
        return;
    if (node.isIndirect() && !seen.insert(node.getObjGen()).second)
        return;
    Handle names = node.getKey("/Names");
    if (names.isArray()) {
        const int count = names.getArrayNItems();
        for (int i = 0; i + 1 < count; i += 2) {
            Handle key = names.getArrayItem(i);
            if (key.isString())
                entries.emplace_back(key.getStringValue(), names.getArrayItem(i + 1));
        }
    }
    Handle kids = node.getKey("/Kids");
    if (kids.isArray()) {
        for (Handle kid : kids.aitems())
            collectNameTree(kid, entries, seen);
    }
}

// New names for those of own (one input's names of one kind) that taken
// already holds; every name of own is then taken. Cost: linear in own.
std::unordered_map<std::string, std::string> planNames(const std::set<std::string> &own, UniqueNames &taken)
{
    std::vector<std::string> clashing;
    for (const std::string &name : own) {
        if (taken.contains(name))
            clashing.push_back(name);
    }
    for (const std::string &name : own)
        taken.insert(name);
    std::unordered_map<std::string, std::string> renames;
    for (const std::string &name : clashing)
        renames.emplace(name, taken.claim(name));
    return renames;
}

PDFVersion parseVersion(const std::string &text, int extension)
{
    int major = 1;
    int minor = 3;
    const size_t dot = text.find('.');
    if (dot != std::string::npos) {
        major = std::atoi(text.substr(0, dot).c_str());
        minor = std::atoi(text.substr(dot + 1).c_str());
    }
    return PDFVersion(major, minor, extension);
}

} // namespace

struct DocumentMerger::Private
{
    QPDF out;
    ContentStore store;
    std::vector<Handle> pages;
    std::vector<std::pair<long long, Handle>> labels;
    bool anyLabels = false;
    std::map<std::string, Handle> nameDestinations;     // catalog /Dests, keys with "/"
    std::map<std::string, Handle> stringDestinations;   // /Names /Dests tree
    UniqueNames destinationNames{"-"};     // taken keys of nameDestinations
    UniqueNames destinationStrings{"-"};   // taken keys of stringDestinations
    UniqueNames attachmentNames{"-"};
    std::map<std::string, Handle> attachments;          // /Names /EmbeddedFiles tree
    std::vector<Handle> outlineEntries;
    bool anyOutline = false;
    Handle layers = Handle::newArray();        // optional content groups
    std::set<QPDFObjGen> layerIds;
    Handle layersOn = Handle::newArray();
    Handle layersOff = Handle::newArray();
    Handle layerOrder = Handle::newArray();
    Handle layerRadioGroups = Handle::newArray();
    std::vector<Handle> fields;
    UniqueNames fieldNames{"_"};           // top-level field names taken
    Handle defaultResources = Handle::newDictionary();
    Handle defaultAppearance;
    Handle calculationOrder = Handle::newArray();
    bool needAppearances = false;
    int signatureFlags = 0;
    PDFVersion version = PDFVersion(1, 3, 0);
    QStringList failed;
    int errorCode = PdfErrorCode::None;

    // Inputs are parsed through a cache that keeps the last one: an input
    // given again in a row (a document merged with itself) is parsed once,
    // and the library's own cache hands over the parse its check made.
    SourceCache ownSources{1};
    SourceCache *sources = &ownSources;
    std::weak_ptr<QPDF> sharedSource;   // the input sharedCopies were made from
    QString lastInput;                  // the path of the last input copied
    SharedCopies sharedCopies;

    Private() { out.emptyPDF(); }

    bool add(const QString &path, const QString &password, const QString &title);
    bool leaveOut(const QString &path, const QString &reason);
    void addInput(QPDF &in, const QString &title, const SharedCopies *reusable, SharedCopies &recorded);
    InputDestinations planDestinations(QPDF &in);
    void commitNames();
    void rollbackNames();
    void copyLabels(QPDF &in, InputCopier &copier, long long offset, long long count);
    void copyDestinations(QPDF &in, InputCopier &copier, const InputDestinations &destinations);
    void copyOutline(QPDF &in, InputCopier &copier, Handle firstPage, const QString &title);
    void copyAttachments(QPDF &in, InputCopier &copier);
    void copyLayers(QPDF &in, InputCopier &copier);
    void copyForm(QPDF &in, InputCopier &copier);
    void mergeResources(Handle resources);
    void buildCatalog();
    Handle buildOutlineRoot();
    Handle flatNameTree(const std::map<std::string, Handle> &entries);
    void tryPart(const char *what, const std::function<void()> &part);
};

bool DocumentMerger::Private::add(const QString &path, const QString &password, const QString &title)
{
    // The previous input's parse goes before another file is read (the same
    // file again keeps it: its copies serve again).
    if (!lastInput.isEmpty() && QFileInfo(lastInput) != QFileInfo(path))
        sources->release(lastInput);
    int openError = PdfErrorCode::None;
    const std::shared_ptr<QPDF> in = sources->open(path, password, &openError);
    if (!in) {
        errorCode = openError;
        return leaveOut(path, QStringLiteral("error code %1").arg(openError));
    }
    // The same parsed document again (merged with itself): its shareable
    // copies serve again.
    const SharedCopies *reusable = sharedSource.lock() == in ? &sharedCopies : nullptr;
    SharedCopies recorded;
    try {
        addInput(*in, title, reusable, recorded);
        // Everything of the input is copied: its file's bytes need not stay
        // in memory (a second pass over the same parse reads the little it
        // copies again from the file).
        sources->releaseBytes(in);
        store.commit();
        commitNames();
        sharedCopies = std::move(recorded);
        sharedSource = in;
        lastInput = path;
        return true;
    } catch (const std::exception &e) {
        store.rollback();
        rollbackNames();
        sharedCopies.clear();
        sharedSource.reset();
        errorCode = PdfErrorCode::NotPdf;
        return leaveOut(path, QString::fromUtf8(e.what()));
    }
}

bool DocumentMerger::Private::leaveOut(const QString &path, const QString &reason)
{
    Logger::instance().log(QStringLiteral("Merge: file left out: %1 (%2)").arg(path, reason), LogError);
    failed << path;
    return false;
}

// Copies the pages first (an input whose pages cannot be copied is left out
// whole); the rest is kept where it can be read and skipped where it cannot.
void DocumentMerger::Private::addInput(QPDF &in, const QString &title, const SharedCopies *reusable,
                                      SharedCopies &recorded)
{
    std::vector<Handle> inputPages = in.getAllPages();
    if (inputPages.empty())
        throw std::runtime_error("the document has no pages");
    const InputDestinations destinations = planDestinations(in);
    InputCopier copier(out, store, destinations.renames, reusable, recorded);
    std::vector<Handle> copies;
    copies.reserve(inputPages.size());
    for (Handle page : inputPages) {
        Handle copy = out.makeIndirectObject(Handle::newDictionary());
        copier.mapTo(page, copy);
        copies.push_back(copy);
    }
    InheritedValues inherited(out, copier);
    for (size_t i = 0; i < inputPages.size(); ++i) {
        for (auto item : inputPages[i].getDictAsMap()) {
            if (item.first == "/Parent" || item.first == "/B")
                continue;
            Handle copied = copier.copy(item.second, item.first == "/Resources");
            if (!copied.isNull())
                copies[i].replaceKey(item.first, copied);
        }
        inherited.giveTo(inputPages[i], copies[i]);
    }
    const long long offset = static_cast<long long>(pages.size());
    pages.insert(pages.end(), copies.begin(), copies.end());
    version.updateIfGreater(parseVersion(in.getPDFVersion(), in.getExtensionLevel()));

    tryPart("page labels", [&] { copyLabels(in, copier, offset, static_cast<long long>(copies.size())); });
    tryPart("destinations", [&] { copyDestinations(in, copier, destinations); });
    tryPart("outline", [&] { copyOutline(in, copier, copies.front(), title); });
    tryPart("form", [&] { copyForm(in, copier); });
    tryPart("attachments", [&] { copyAttachments(in, copier); });
    tryPart("optional content", [&] { copyLayers(in, copier); });
}

void DocumentMerger::Private::tryPart(const char *what, const std::function<void()> &part)
{
    try {
        part();
    } catch (const std::exception &e) {
        Logger::instance().log(QStringLiteral("Merge: %1 of an input skipped (%2)")
                                   .arg(QString::fromLatin1(what), QString::fromUtf8(e.what())),
                               LogWarning);
    }
}

void DocumentMerger::Private::commitNames()
{
    for (UniqueNames *names : {&destinationNames, &destinationStrings, &attachmentNames, &fieldNames})
        names->commit();
}

void DocumentMerger::Private::rollbackNames()
{
    for (UniqueNames *names : {&destinationNames, &destinationStrings, &attachmentNames, &fieldNames})
        names->rollback();
}

// Reads this input's destinations and chooses their output names: a name an
// earlier input already uses gets the first free "name-N".
InputDestinations DocumentMerger::Private::planDestinations(QPDF &in)
{
    InputDestinations destinations;
    Handle root = in.getRoot();
    Handle dests = root.getKey("/Dests");
    if (dests.isDictionary())
        destinations.renames.names = planNames(dests.getKeys(), destinationNames);
    std::set<QPDFObjGen> seen;
    collectNameTree(root.getKey("/Names").getKey("/Dests"), destinations.tree, seen);
    std::set<std::string> own;
    for (const auto &entry : destinations.tree)
        own.insert(entry.first);
    destinations.renames.strings = planNames(own, destinationStrings);
    return destinations;
}

void DocumentMerger::Private::copyLabels(QPDF &in, InputCopier &copier, long long offset, long long count)
{
    QPDFPageLabelDocumentHelper helper(in);
    if (!helper.hasPageLabels()) {
        // Unlabelled pages read "1, 2, ..." from the start of their input.
        Handle decimal = Handle::newDictionary();
        decimal.replaceKey("/S", Handle::newName("/D"));
        labels.emplace_back(offset, decimal);
        return;
    }
    std::vector<Handle> flat;
    helper.getLabelsForPageRange(0, count - 1, offset, flat);
    for (size_t i = 0; i + 1 < flat.size(); i += 2)
        labels.emplace_back(flat[i].getIntValue(), copier.copy(flat[i + 1]));
    anyLabels = true;
}

void DocumentMerger::Private::copyDestinations(QPDF &in, InputCopier &copier, const InputDestinations &destinations)
{
    const DestinationRenames &renames = destinations.renames;
    Handle dests = in.getRoot().getKey("/Dests");
    if (dests.isDictionary()) {
        for (auto item : dests.ditems()) {
            const auto renamed = renames.names.find(item.first);
            const std::string key = renamed == renames.names.end() ? item.first : renamed->second;
            nameDestinations[key] = copier.copyInline(item.second);
        }
    }
    for (const auto &entry : destinations.tree) {
        const auto renamed = renames.strings.find(entry.first);
        const std::string &key = renamed == renames.strings.end() ? entry.first : renamed->second;
        if (!stringDestinations.count(key))
            stringDestinations[key] = copier.copyInline(entry.second);
    }
}

// Embedded files of every input; a name taken by an earlier input gets the
// first free "name-N".
void DocumentMerger::Private::copyAttachments(QPDF &in, InputCopier &copier)
{
    std::vector<std::pair<std::string, Handle>> entries;
    std::set<QPDFObjGen> seen;
    collectNameTree(in.getRoot().getKey("/Names").getKey("/EmbeddedFiles"), entries, seen);
    for (const auto &entry : entries)
        attachments[attachmentNames.claim(entry.first)] = copier.copy(entry.second);
}

// Optional content (layers): every input's groups stay listed, with the
// visibility its default configuration gives them.
void DocumentMerger::Private::copyLayers(QPDF &in, InputCopier &copier)
{
    Handle properties = in.getRoot().getKey("/OCProperties");
    if (!properties.isDictionary() || !properties.getKey("/OCGs").isArray())
        return;
    Handle config = properties.getKey("/D");
    const bool offByDefault = config.isDictionary() && config.getKey("/BaseState").isNameAndEquals("/OFF");
    std::set<QPDFObjGen> switchedOn;
    if (config.isDictionary() && config.getKey("/ON").isArray()) {
        for (Handle group : config.getKey("/ON").aitems())
            switchedOn.insert(group.getObjGen());
    }
    for (Handle group : properties.getKey("/OCGs").aitems()) {
        Handle copy = copier.copy(group);
        if (!copy.isIndirect() || !layerIds.insert(copy.getObjGen()).second)
            continue;
        layers.appendItem(copy);
        if (offByDefault && !switchedOn.count(group.getObjGen()))
            layersOff.appendItem(copy);
    }
    if (!config.isDictionary())
        return;
    const std::pair<const char *, Handle *> lists[] = {
        {"/ON", &layersOn}, {"/OFF", &layersOff}, {"/Order", &layerOrder}, {"/RBGroups", &layerRadioGroups}};
    for (const auto &list : lists) {
        Handle items = config.getKey(list.first);
        if (items.isArray()) {
            for (Handle item : copier.copy(items).aitems())
                list.second->appendItem(item);
        }
    }
}

// One top-level entry per input, named after it and pointing at its first
// page, holding the input's own outline items.
void DocumentMerger::Private::copyOutline(QPDF &in, InputCopier &copier, Handle firstPage, const QString &title)
{
    Handle entry = out.makeIndirectObject(Handle::newDictionary());
    entry.replaceKey("/Title", Handle::newUnicodeString(toStd(title)));
    Handle dest = Handle::newArray();
    dest.appendItem(firstPage);
    dest.appendItem(Handle::newName("/XYZ"));
    dest.appendItem(Handle::newNull());
    dest.appendItem(Handle::newNull());
    dest.appendItem(Handle::newNull());
    entry.replaceKey("/Dest", dest);
    outlineEntries.push_back(entry);

    Handle outlines = in.getRoot().getKey("/Outlines");
    if (!outlines.isDictionary() || !outlines.getKey("/First").isDictionary())
        return;
    if (outlines.isIndirect())
        copier.mapTo(outlines, entry);
    Handle first = copier.copy(outlines.getKey("/First"));
    Handle last = outlines.getKey("/Last").isDictionary() ? copier.copy(outlines.getKey("/Last")) : Handle();
    long long topLevel = 0;
    std::set<QPDFObjGen> seen;
    for (Handle item = first; item.isDictionary() && seen.insert(item.getObjGen()).second;
         item = item.getKey("/Next")) {
        item.replaceKey("/Parent", entry);   // also for a direct outline root
        last = item;
        ++topLevel;
    }
    entry.replaceKey("/First", first);
    entry.replaceKey("/Last", last);
    Handle count = outlines.getKey("/Count");
    const long long visible = count.isInteger() && count.getIntValue() > 0 ? count.getIntValue() : topLevel;
    entry.replaceKey("/Count", Handle::newInteger(visible));
    anyOutline = true;
}

// Form fields of this input join the output's form. A top-level field whose
// name an earlier input uses is renamed, so each input keeps its own values.
void DocumentMerger::Private::copyForm(QPDF &in, InputCopier &copier)
{
    Handle form = in.getRoot().getKey("/AcroForm");
    if (!form.isDictionary() || !form.getKey("/Fields").isArray())
        return;
    Handle inputAppearance = form.getKey("/DA");
    // A field clashes when an earlier input or an earlier field of this one
    // has its name; new names avoid every name of this input too.
    std::vector<bool> clashes;
    std::unordered_set<std::string> ownNames;
    for (Handle field : form.getKey("/Fields").aitems()) {
        const bool named = field.isDictionary() && field.getKey("/T").isString();
        const std::string name = named ? field.getKey("/T").getUTF8Value() : std::string();
        clashes.push_back(named && (fieldNames.contains(name) || !ownNames.insert(name).second));
    }
    for (const std::string &name : ownNames)
        fieldNames.insert(name);
    size_t index = 0;
    for (Handle field : form.getKey("/Fields").aitems()) {
        const bool clashing = clashes[index++];
        if (!field.isDictionary())
            continue;
        Handle copy = copier.copy(field);
        if (!copy.isDictionary())
            continue;
        if (clashing && copy.getKey("/T").isString())
            copy.replaceKey("/T", Handle::newUnicodeString(fieldNames.claim(copy.getKey("/T").getUTF8Value())));
        // Values this input's fields inherited from its form stay with them.
        if (!copy.hasKey("/DA") && inputAppearance.isString())
            copy.replaceKey("/DA", inputAppearance.shallowCopy());
        if (!copy.hasKey("/Q") && form.getKey("/Q").isInteger())
            copy.replaceKey("/Q", form.getKey("/Q").shallowCopy());
        fields.push_back(copy);
    }
    if (!defaultAppearance.isInitialized() && inputAppearance.isString())
        defaultAppearance = inputAppearance.shallowCopy();
    if (form.getKey("/DR").isDictionary())
        mergeResources(copier.copy(form.getKey("/DR"), true));
    if (form.getKey("/NeedAppearances").isBool() && form.getKey("/NeedAppearances").getBoolValue())
        needAppearances = true;
    if (form.getKey("/SigFlags").isInteger())
        signatureFlags |= static_cast<int>(form.getKey("/SigFlags").getIntValue());
    if (form.getKey("/CO").isArray()) {
        for (Handle field : copier.copy(form.getKey("/CO")).aitems())
            calculationOrder.appendItem(field);
    }
}

// Default resources of the forms: per category, the first input to use a
// name keeps it.
void DocumentMerger::Private::mergeResources(Handle resources)
{
    if (!resources.isDictionary())
        return;
    for (auto category : resources.ditems()) {
        Handle from = category.second;
        if (!from.isDictionary()) {
            if (!defaultResources.hasKey(category.first))
                defaultResources.replaceKey(category.first, from);
            continue;
        }
        Handle to = defaultResources.getKey(category.first);
        if (!to.isDictionary()) {
            to = Handle::newDictionary();
            defaultResources.replaceKey(category.first, to);
        }
        for (auto item : from.ditems()) {
            if (!to.hasKey(item.first))
                to.replaceKey(item.first, item.second);
        }
    }
}

Handle DocumentMerger::Private::buildOutlineRoot()
{
    Handle root = out.makeIndirectObject(Handle::newDictionary());
    root.replaceKey("/Type", Handle::newName("/Outlines"));
    long long visible = 0;
    for (size_t i = 0; i < outlineEntries.size(); ++i) {
        Handle entry = outlineEntries[i];
        entry.replaceKey("/Parent", root);
        if (i > 0)
            entry.replaceKey("/Prev", outlineEntries[i - 1]);
        if (i + 1 < outlineEntries.size())
            entry.replaceKey("/Next", outlineEntries[i + 1]);
        Handle count = entry.getKey("/Count");
        visible += 1 + (count.isInteger() && count.getIntValue() > 0 ? count.getIntValue() : 0);
    }
    root.replaceKey("/First", outlineEntries.front());
    root.replaceKey("/Last", outlineEntries.back());
    root.replaceKey("/Count", Handle::newInteger(visible));
    return root;
}

// A name tree of one leaf; std::map keeps the keys sorted by their bytes.
Handle DocumentMerger::Private::flatNameTree(const std::map<std::string, Handle> &entries)
{
    Handle flat = Handle::newArray();
    for (const auto &entry : entries) {
        flat.appendItem(Handle::newString(entry.first));
        flat.appendItem(entry.second);
    }
    Handle tree = Handle::newDictionary();
    tree.replaceKey("/Names", flat);
    return out.makeIndirectObject(tree);
}

void DocumentMerger::Private::buildCatalog()
{
    Handle root = out.getRoot();
    Handle pageTree = root.getKey("/Pages");
    Handle kids = Handle::newArray(pages);
    for (Handle page : pages)
        page.replaceKey("/Parent", pageTree);
    pageTree.replaceKey("/Kids", kids);
    pageTree.replaceKey("/Count", Handle::newInteger(static_cast<long long>(pages.size())));

    if (anyLabels) {
        Handle nums = Handle::newArray();
        for (const auto &label : labels) {
            nums.appendItem(Handle::newInteger(label.first));
            nums.appendItem(label.second);
        }
        Handle pageLabels = Handle::newDictionary();
        pageLabels.replaceKey("/Nums", nums);
        root.replaceKey("/PageLabels", out.makeIndirectObject(pageLabels));
    }
    if (!nameDestinations.empty()) {
        Handle dests = Handle::newDictionary();
        for (const auto &dest : nameDestinations)
            dests.replaceKey(dest.first, dest.second);
        root.replaceKey("/Dests", out.makeIndirectObject(dests));
    }
    Handle names = Handle::newDictionary();
    if (!stringDestinations.empty())
        names.replaceKey("/Dests", flatNameTree(stringDestinations));
    if (!attachments.empty())
        names.replaceKey("/EmbeddedFiles", flatNameTree(attachments));
    if (!names.getKeys().empty())
        root.replaceKey("/Names", names);
    if (!outlineEntries.empty()) {
        root.replaceKey("/Outlines", buildOutlineRoot());
        if (anyOutline)
            root.replaceKey("/PageMode", Handle::newName("/UseOutlines"));
    }
    if (layers.getArrayNItems() > 0) {
        Handle config = Handle::newDictionary();
        config.replaceKey("/BaseState", Handle::newName("/ON"));
        config.replaceKey("/ON", layersOn);
        config.replaceKey("/OFF", layersOff);
        if (layerOrder.getArrayNItems() > 0)
            config.replaceKey("/Order", layerOrder);
        if (layerRadioGroups.getArrayNItems() > 0)
            config.replaceKey("/RBGroups", layerRadioGroups);
        Handle properties = Handle::newDictionary();
        properties.replaceKey("/OCGs", layers);
        properties.replaceKey("/D", config);
        root.replaceKey("/OCProperties", properties);
    }
    if (!fields.empty()) {
        Handle form = Handle::newDictionary();
        form.replaceKey("/Fields", Handle::newArray(fields));
        if (defaultResources.getKeys().size() > 0)
            form.replaceKey("/DR", defaultResources);
        if (defaultAppearance.isInitialized())
            form.replaceKey("/DA", defaultAppearance);
        if (needAppearances)
            form.replaceKey("/NeedAppearances", Handle::newBool(true));
        if (signatureFlags)
            form.replaceKey("/SigFlags", Handle::newInteger(signatureFlags));
        if (calculationOrder.getArrayNItems() > 0)
            form.replaceKey("/CO", calculationOrder);
        root.replaceKey("/AcroForm", out.makeIndirectObject(form));
    }
}

DocumentMerger::DocumentMerger(SourceCache *sources)
    : d(new Private)
{
    if (sources)
        d->sources = sources;
}

// The merged document, its copies and the last input's records go as one:
// kept to the end of a worker process, freed at once elsewhere.
DocumentMerger::~DocumentMerger()
{
    DocumentDisposal::dispose(std::shared_ptr<Private>(std::move(d)));
}

bool DocumentMerger::addFile(const QString &path, const QString &password, const QString &outlineTitle)
{
    QString title = outlineTitle;
    if (title.isEmpty()) {
        title = QFileInfo(path).fileName();
        if (title.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            title.chop(4);
    }
    return d->add(path, password, title);
}

int DocumentMerger::pageCount() const
{
    return static_cast<int>(d->pages.size());
}

QStringList DocumentMerger::failedFiles() const
{
    return d->failed;
}

int DocumentMerger::merge(const QStringList &files, const QString &output, const PdfOutputOptions *options)
{
    d->errorCode = PdfErrorCode::None;
    if (files.isEmpty() || output.isEmpty()) {
        d->errorCode = PdfErrorCode::InvalidArgument;
        return 0;
    }
    for (const QString &file : files) {
        if (!addFile(file))
            return 0;
    }
    return write(output, options) ? pageCount() : 0;
}

int DocumentMerger::errorCode() const
{
    return d->errorCode;
}

bool DocumentMerger::write(const QString &outputPath, const PdfOutputOptions *options)
{
    if (d->pages.empty() || outputPath.isEmpty()) {
        d->errorCode = PdfErrorCode::InvalidArgument;
        return false;
    }
    const QFileInfo target(outputPath);
    const QString partPath = FileUtils::temporaryPathIn(target.absolutePath());
    const QByteArray path = QFile::encodeName(partPath);
    // Every input is copied: the parse of the last one leaves memory before
    // the writer needs its own.
    if (!d->lastInput.isEmpty())
        d->sources->release(d->lastInput);
    try {
        d->buildCatalog();
        if (options)
            options->applyInformation(d->out);
        QPDFWriter writer(d->out);
        writer.setObjectStreamMode(qpdf_o_generate);
        writer.setMinimumPDFVersion(d->version);
        if (options)
            options->applyProtection(writer);
        if (!PdfFileWriter::writeWhole(d->out, writer, partPath, &d->errorCode))
            return false;
    } catch (const std::exception &e) {
        Logger::instance().log(QStringLiteral("Merge: writing %1 failed (%2)").arg(outputPath, QString::fromUtf8(e.what())),
                               LogError);
        QFile::remove(partPath);
        d->errorCode = PdfErrorCode::WriteFailed;
        return false;
    }
    if (std::rename(path.constData(), QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        d->errorCode = PdfErrorCode::writeFailure(errno);
        QFile::remove(partPath);
        return false;
    }
    return true;
}

int DocumentMerger::mergeFiles(const QStringList &paths, const QString &outputPath, QStringList *failedFiles)
{
    DocumentMerger merger;
    for (const QString &path : paths)
        merger.addFile(path);
    if (failedFiles)
        *failedFiles = merger.failedFiles();
    return merger.write(outputPath) ? merger.pageCount() : 0;
}
