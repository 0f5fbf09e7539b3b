#include "pdf/DestinationResolver.h"

#include "pdf/NameTree.h"

#include <qpdf/QPDF.hh>

namespace {

using Handle = QPDFObjectHandle;

// A name's text without its leading slash, so that /chap2 and (chap2) meet.
std::string nameText(const std::string &name)
{
    return name.empty() || name[0] != '/' ? name : name.substr(1);
}

} // namespace

DestinationResolver::DestinationResolver(QPDF &pdf)
    : m_pdf(pdf)
{
}

Handle DestinationResolver::localDestination(Handle holder)
{
    if (!holder.isDictionary())
        return Handle::newNull();
    if (holder.hasKey("/Dest"))
        return holder.getKey("/Dest");
    Handle action = holder.getKey("/A");
    if (action.isDictionary() && action.getKey("/S").isNameAndEquals("/GoTo"))
        return action.getKey("/D");
    return Handle::newNull();
}

Handle DestinationResolver::explicitDestination(Handle destination)
{
    for (int step = 0; step < maxSteps; ++step) {
        if (destination.isArray())
            return destination;
        if (destination.isDictionary()) {
            destination = destination.getKey("/D");
        } else if (destination.isName() || destination.isString()) {
            const Handle *value = lookUp(destination);
            if (!value)
                break;
            destination = *value;
        } else {
            break;
        }
    }
    return Handle::newNull();
}

// The value a destination name stands for, in the table of its own kind
// first; null when neither table has it.
const Handle *DestinationResolver::lookUp(Handle name)
{
    loadNamedDestinations();
    const bool isName = name.isName();
    const std::string key = isName ? nameText(name.getName()) : name.getStringValue();
    const Table &first = isName ? m_names : m_strings;
    const Table &second = isName ? m_strings : m_names;
    for (const Table *table : {&first, &second}) {
        const auto found = table->find(key);
        if (found != table->end())
            return &found->second;
    }
    return nullptr;
}

// Of two entries with one name, the first stays: a reader looking the name
// up in a sorted tree finds that one.
void DestinationResolver::loadNamedDestinations()
{
    if (m_loaded)
        return;
    m_loaded = true;
    Handle root = m_pdf.getRoot();
    Handle names = root.getKey("/Names");
    if (names.isDictionary()) {
        for (auto const &entry : NameTree::entries(names.getKey("/Dests")))
            m_strings.emplace(entry.first, entry.second);
    }
    Handle dests = root.getKey("/Dests");
    if (dests.isDictionary()) {
        for (auto const &entry : dests.ditems())
            m_names.emplace(nameText(entry.first), entry.second);
    }
}
