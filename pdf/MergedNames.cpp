#include "pdf/MergedNames.h"

#include "pdf/ChosenPages.h"
#include "pdf/InputCopier.h"

#include <qpdf/QPDF.hh>

#include <set>
#include <unordered_map>
#include <vector>

namespace {

using Handle = QPDFObjectHandle;

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

// A name tree of one leaf; std::map keeps the keys sorted by their bytes.
Handle flatNameTree(QPDF &out, const std::map<std::string, Handle> &entries)
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

} // namespace

MergedNames::InputDestinations MergedNames::planDestinations(QPDF &in)
{
    InputDestinations destinations;
    Handle root = in.getRoot();
    Handle dests = root.getKey("/Dests");
    if (dests.isDictionary())
        destinations.renames.names = planNames(dests.getKeys(), m_destinationNames);
    destinations.tree = NameTree::entries(root.getKey("/Names").getKey("/Dests"));
    std::set<std::string> own;
    for (const auto &entry : destinations.tree)
        own.insert(entry.first);
    destinations.renames.strings = planNames(own, m_destinationStrings);
    followAcrossKinds(destinations.renames, dests.isDictionary() ? dests.getKeys() : std::set<std::string>(), own);
    return destinations;
}

// Readers look a name up in the name tree when /Dests lacks it, and a
// string in /Dests when the tree lacks it (see DestinationResolver): a link
// found its destination that way keeps finding it under its new name.
void MergedNames::followAcrossKinds(DestinationRenames &renames, const std::set<std::string> &names,
                                    const std::set<std::string> &strings)
{
    const DestinationRenames planned = renames;
    for (const auto &rename : planned.strings) {
        if (!names.count("/" + rename.first))
            renames.names.emplace("/" + rename.first, "/" + rename.second);
    }
    for (const auto &rename : planned.names) {
        if (!strings.count(rename.first.substr(1)))
            renames.strings.emplace(rename.first.substr(1), rename.second.substr(1));
    }
}

void MergedNames::copyDestinations(QPDF &in, InputCopier &copier, const InputDestinations &destinations,
                                   ChosenPages *chosen)
{
    const DestinationRenames &renames = destinations.renames;
    Handle dests = in.getRoot().getKey("/Dests");
    if (dests.isDictionary()) {
        for (auto item : dests.ditems()) {
            if (chosen && !chosen->keepsDestination(item.second))
                continue;
            const auto renamed = renames.names.find(item.first);
            const std::string key = renamed == renames.names.end() ? item.first : renamed->second;
            m_nameDestinations[key] = copier.copyInline(item.second);
        }
    }
    for (const auto &entry : destinations.tree) {
        const auto renamed = renames.strings.find(entry.first);
        const std::string &key = renamed == renames.strings.end() ? entry.first : renamed->second;
        if (chosen && !chosen->keepsDestination(entry.second))
            continue;
        if (!m_stringDestinations.count(key))
            m_stringDestinations[key] = copier.copyInline(entry.second);
    }
}

void MergedNames::copyAttachments(QPDF &in, InputCopier &copier)
{
    for (const auto &entry : NameTree::entries(in.getRoot().getKey("/Names").getKey("/EmbeddedFiles")))
        m_attachments[m_attachmentNames.claim(entry.first)] = copier.copy(entry.second);
}

void MergedNames::commit()
{
    for (UniqueNames *names : {&m_destinationNames, &m_destinationStrings, &m_attachmentNames})
        names->commit();
}

void MergedNames::rollback()
{
    for (UniqueNames *names : {&m_destinationNames, &m_destinationStrings, &m_attachmentNames})
        names->rollback();
}

void MergedNames::writeTo(QPDF &out, QPDFObjectHandle catalog) const
{
    if (!m_nameDestinations.empty()) {
        Handle dests = Handle::newDictionary();
        for (const auto &dest : m_nameDestinations)
            dests.replaceKey(dest.first, dest.second);
        catalog.replaceKey("/Dests", out.makeIndirectObject(dests));
    }
    Handle names = Handle::newDictionary();
    if (!m_stringDestinations.empty())
        names.replaceKey("/Dests", flatNameTree(out, m_stringDestinations));
    if (!m_attachments.empty())
        names.replaceKey("/EmbeddedFiles", flatNameTree(out, m_attachments));
    if (!names.getKeys().empty())
        catalog.replaceKey("/Names", names);
}
