#pragma once

#include "pdf/DestinationRenames.h"
#include "pdf/NameTree.h"
#include "pdf/UniqueNames.h"

#include <qpdf/QPDFObjectHandle.hh>

#include <map>
#include <set>
#include <string>

class ChosenPages;
class InputCopier;
class QPDF;

// The named destinations (the catalog's /Dests dictionary and the /Dests
// name tree) and the embedded files of a merged document, gathered input by
// input. A destination or file name an earlier input already uses is given
// the first free "name-N", and the input's links and outline items follow
// their destinations' new names.
class MergedNames
{
public:
    // The named destinations of one input: the entries of its name tree,
    // read once, and the new names of those an earlier input already uses.
    struct InputDestinations
    {
        NameTree::Entries tree;
        DestinationRenames renames;
    };

    // Reads in's destinations and chooses their output names; every name of
    // in is taken from now on (until rollback()). Cost: one read of in's
    // destination name tree and /Dests dictionary, linear in their entries.
    InputDestinations planDestinations(QPDF &in);

    // Copies in's destinations under the names planned for them; of two
    // entries of in's tree with one name, the first stays. With chosen,
    // those leading to a page left out are not copied. Costs one copy of
    // each destination. May throw qpdf exceptions (what was added stays).
    void copyDestinations(QPDF &in, InputCopier &copier, const InputDestinations &destinations,
                          ChosenPages *chosen = nullptr);

    // Copies in's embedded files; a name taken by an earlier input (or an
    // earlier entry of in) gets the first free "name-N". Costs one read of
    // in's tree and one copy of each file. May throw qpdf exceptions.
    void copyAttachments(QPDF &in, InputCopier &copier);

    // Keeps the names taken so far; rollback() frees those taken since the
    // last commit (an input that failed).
    void commit();
    void rollback();

    // Puts the destinations and files gathered into catalog (/Dests, and
    // /Names with trees of one leaf each), as new objects of out. Nothing is
    // written for a kind nothing was gathered of.
    void writeTo(QPDF &out, QPDFObjectHandle catalog) const;

private:
    static void followAcrossKinds(DestinationRenames &renames, const std::set<std::string> &names,
                                  const std::set<std::string> &strings);

    std::map<std::string, QPDFObjectHandle> m_nameDestinations;     // catalog /Dests, keys with "/"
    std::map<std::string, QPDFObjectHandle> m_stringDestinations;   // /Names /Dests tree
    UniqueNames m_destinationNames{"-"};     // taken keys of m_nameDestinations
    UniqueNames m_destinationStrings{"-"};   // taken keys of m_stringDestinations
    UniqueNames m_attachmentNames{"-"};
    std::map<std::string, QPDFObjectHandle> m_attachments;          // /Names /EmbeddedFiles tree
};
