#include "pdf/ContentStore.h"

#include <functional>
#include <string_view>
#include <utility>

namespace {

using Handle = QPDFObjectHandle;

std::string_view bytesOf(const std::shared_ptr<Buffer> &buffer)
{
    return std::string_view(reinterpret_cast<const char *>(buffer->getBuffer()), buffer->getSize());
}

} // namespace

Handle ContentStore::findStream(const std::shared_ptr<Buffer> &data, const std::string &dictKey) const
{
    const auto range = m_streams.equal_range(streamHash(data, dictKey));
    for (auto it = range.first; it != range.second; ++it) {
        const StreamRecord &record = it->second;
        if (record.dictKey == dictKey && bytesOf(record.data) == bytesOf(data))
            return record.stream;
    }
    return Handle();
}

void ContentStore::addStream(const Handle &stream, const std::shared_ptr<Buffer> &data, const std::string &dictKey)
{
    auto it = m_streams.emplace(streamHash(data, dictKey), StreamRecord{stream, data, dictKey});
    m_addedStreams.push_back(it);
}

Handle ContentStore::findObject(const std::string &key) const
{
    const auto it = m_objects.find(key);
    return it == m_objects.end() ? Handle() : it->second;
}

void ContentStore::addObject(const std::string &key, const Handle &object)
{
    if (m_objects.emplace(key, object).second)
        m_addedObjects.push_back(key);
}

void ContentStore::commit()
{
    m_addedStreams.clear();
    m_addedObjects.clear();
}

void ContentStore::rollback()
{
    for (auto it : m_addedStreams)
        m_streams.erase(it);
    for (const std::string &key : m_addedObjects)
        m_objects.erase(key);
    commit();
}

Handle ContentStore::scalar(Handle value)
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

// Large streams are hashed by their length and a sample of their bytes:
// equal hashes are confirmed byte for byte anyway, and hashing every byte of
// every font of thousands of inputs costs more than the merge.
size_t ContentStore::streamHash(const std::shared_ptr<Buffer> &data, const std::string &dictKey)
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
