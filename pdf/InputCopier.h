#pragma once

#include "pdf/ObjGenHash.h"

#include <qpdf/QPDFObjectHandle.hh>

#include <memory>

#include <deque>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

class Buffer;
class ContentStore;
class QPDF;
struct DestinationRenames;

// Copies the objects of one input into the output. Every foreign object is
// copied once per input; streams and the objects under resource dictionaries
// are copied bottom-up and shared through the content store; everything else
// is copied breadth-first through a queue, so long chains (outline items,
// field trees) never deepen the stack. A stream met deep inside other
// copies (form XObjects whose resources hold the next, thousands deep) goes
// through the queue as well, unshared. Stream data is read at copy time, so
// the input can be closed as soon as its copy is done.
class InputCopier
{
public:
    // Copies of the shareable objects (streams, resource objects) of one
    // input that lead to nothing of the input's own: when the same parsed
    // document comes again, they serve its copy as they are, without reading
    // and comparing them again.
    using SharedCopies = std::unordered_map<QPDFObjGen, QPDFObjectHandle, ObjGenHash>;

    // Copies into out, sharing through store and renaming the destinations
    // that links and outline items name as renames says. reusable: shared
    // copies made from the same document before (may be null); recorded
    // receives this input's. All are referenced, not copied: they must
    // outlive the copier.
    InputCopier(QPDF &out, ContentStore &store, const DestinationRenames &renames, const SharedCopies *reusable,
                SharedCopies &recorded);

    // The foreign object is represented by copy (pages, the outline root):
    // every reference to it copied from now on points at copy.
    void mapTo(QPDFObjectHandle foreign, QPDFObjectHandle copy) { m_map[foreign.getObjGen()].copy = copy; }

    // The copy of a foreign value, with everything it reaches; inResources
    // marks values under a /Resources key, whose objects may be shared with
    // earlier inputs. A page or page tree node reached that was not mapped
    // becomes null (and a dictionary entry holding it goes). Cost: each
    // object of the input is copied once per copier, whatever refers to it;
    // each stream's raw data is read (and compressed when stored unfiltered).
    // May throw qpdf exceptions on a damaged input.
    QPDFObjectHandle copy(QPDFObjectHandle foreign, bool inResources = false);

    // The copy of a value written where it is used (a destination in the
    // name tree): an array or dictionary that is an object of its own in the
    // input becomes a direct one. A manual has thousands of destinations;
    // as objects of their own each costs an object number, an offset and
    // its share of the object streams. Streams and scalars are copied as by
    // copy().
    QPDFObjectHandle copyInline(QPDFObjectHandle foreign);

private:
    struct Entry
    {
        QPDFObjectHandle copy;
        bool inProgress = false;
        bool referenced = false;   // handed out while in progress: cannot be shared
        bool pure = false;         // a shared copy that leads to nothing of this input's own
    };
    struct Pending
    {
        QPDFObjectHandle foreign;
        QPDFObjectHandle shell;
        bool inResources;
    };

    QPDFObjectHandle copyValue(QPDFObjectHandle value, bool inResources, int depth);
    QPDFObjectHandle copyDirect(QPDFObjectHandle value, bool inResources, int depth);
    std::vector<QPDFObjectHandle> copiedItems(QPDFObjectHandle array, bool inResources, int depth);
    std::map<std::string, QPDFObjectHandle> copiedItems(QPDFObjectHandle dictionary, bool inResources, int depth,
                                                        const char *skipped);
    QPDFObjectHandle copyIndirect(QPDFObjectHandle value, bool inResources, int depth);
    QPDFObjectHandle copyStream(QPDFObjectHandle stream, int depth);
    QPDFObjectHandle copiedStreamDictionary(QPDFObjectHandle stream, int depth);
    static void fillStream(QPDFObjectHandle copy, QPDFObjectHandle dictionary, std::shared_ptr<Buffer> data);
    QPDFObjectHandle copyShared(QPDFObjectHandle object, int depth);
    void record(QPDFObjGen og, Entry &entry, bool pure);
    QPDFObjectHandle copyLater(QPDFObjectHandle object, bool inResources);
    void copyQueuedStream(Pending next);
    void drain();

    void renameDestinations(std::map<std::string, QPDFObjectHandle> &items) const;

    QPDF &m_out;
    ContentStore &m_store;
    const DestinationRenames &m_renames;
    const SharedCopies *m_reusable;
    SharedCopies &m_recorded;
    bool m_impure = false;   // something of this input's own was reached since the innermost shared copy began
    int m_nesting = 0;       // arrays, dictionaries and streams being copied, one inside the other
    std::unordered_map<QPDFObjGen, Entry, ObjGenHash> m_map;
    std::deque<Pending> m_queue;
};
