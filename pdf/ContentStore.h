#pragma once

#include <qpdf/Buffer.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

// Objects already kept in a merged document, found by their content, so an
// identical stream or resource object from a later input is pointed at
// instead of stored again. Additions made while an input is being copied can
// be taken back when that input fails.
class ContentStore
{
public:
    // The stream kept with exactly these raw bytes and this dictionary (its
    // unparsed text), or an uninitialised handle. Cost: a hash of the data
    // (a sample of it above 4 KiB) and a byte comparison per candidate.
    QPDFObjectHandle findStream(const std::shared_ptr<Buffer> &data, const std::string &dictKey) const;
    // Keeps stream under its data and dictionary text until rollback().
    void addStream(const QPDFObjectHandle &stream, const std::shared_ptr<Buffer> &data, const std::string &dictKey);

    // The object kept under key (an object's unparsed text), or an
    // uninitialised handle.
    QPDFObjectHandle findObject(const std::string &key) const;
    // Keeps object under key unless the key is taken already.
    void addObject(const std::string &key, const QPDFObjectHandle &object);

    // Keeps the additions made so far; rollback() takes back the later ones.
    void commit();
    void rollback();

    int sharedCount = 0;   // references redirected to an object kept before

    // One copy of each name, integer and boolean serves every place in the
    // output that holds it: a manual holds millions of them (/Type /Annot,
    // /Link, 0), each otherwise an allocation of its own. Such values cannot
    // change in place; they are never made indirect. Any other value comes
    // back as a shallow copy of its own. Cost: one hash lookup.
    QPDFObjectHandle scalar(QPDFObjectHandle value);

private:
    struct StreamRecord
    {
        QPDFObjectHandle stream;
        std::shared_ptr<Buffer> data;
        std::string dictKey;
    };
    using StreamMap = std::unordered_multimap<size_t, StreamRecord>;

    static size_t streamHash(const std::shared_ptr<Buffer> &data, const std::string &dictKey);

    StreamMap m_streams;
    std::unordered_map<std::string, QPDFObjectHandle> m_objects;
    std::unordered_map<std::string, QPDFObjectHandle> m_scalars;
    std::vector<StreamMap::iterator> m_addedStreams;
    std::vector<std::string> m_addedObjects;
};
