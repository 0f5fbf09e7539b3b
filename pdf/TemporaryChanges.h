#pragma once

#include <qpdf/QPDFObjectHandle.hh>

#include <string>
#include <vector>

// Keys of source objects changed while one output is written straight from
// the source, put back as they were by undo() (or on destruction).
class TemporaryChanges
{
public:
    ~TemporaryChanges() { undo(); }

    // Sets (or removes) key of object (a dictionary), remembering its value
    // before. A key changed twice is put back to its first value.
    void set(QPDFObjectHandle object, const std::string &key, QPDFObjectHandle value);
    void remove(QPDFObjectHandle object, const std::string &key);
    // Puts every key changed back, the last change first, and forgets them.
    void undo();

private:
    struct Old
    {
        QPDFObjectHandle object;
        std::string key;
        QPDFObjectHandle value;   // uninitialised: the key was absent
    };
    void remember(QPDFObjectHandle object, const std::string &key);

    std::vector<Old> m_old;
};
