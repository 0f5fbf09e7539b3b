#include "pdf/TemporaryChanges.h"

void TemporaryChanges::set(QPDFObjectHandle object, const std::string &key, QPDFObjectHandle value)
{
    remember(object, key);
    object.replaceKey(key, value);
}

void TemporaryChanges::remove(QPDFObjectHandle object, const std::string &key)
{
    remember(object, key);
    object.removeKey(key);
}

void TemporaryChanges::undo()
{
    for (auto it = m_old.rbegin(); it != m_old.rend(); ++it) {
        if (it->value.isInitialized())
            it->object.replaceKey(it->key, it->value);
        else
            it->object.removeKey(it->key);
    }
    m_old.clear();
}

void TemporaryChanges::remember(QPDFObjectHandle object, const std::string &key)
{
    m_old.push_back(Old{object, key, object.hasKey(key) ? object.getKey(key) : QPDFObjectHandle()});
}
