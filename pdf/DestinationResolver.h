#pragma once

#include <qpdf/QPDFObjectHandle.hh>

#include <string>
#include <unordered_map>

class QPDF;

// Follows the destinations of one document (of its outline items, links and
// named destinations) to the explicit destination arrays they stand for, in
// every form a PDF may store them: an explicit array; a dictionary holding
// one under /D; a name or a string naming a destination in the catalog's
// /Dests dictionary or in the /Names /Dests name tree, whose value may again
// be an array or such a dictionary. The one place that reads destinations:
// the outline reader, the extraction and the merge all ask it.
class DestinationResolver
{
public:
    // pdf must outlive the resolver and keep its named destinations unchanged
    // while the resolver is used.
    explicit DestinationResolver(QPDF &pdf);

    // The destination an outline item or link annotation goes to within the
    // document: its /Dest, else the /D of a GoTo action in /A. Null when it
    // has neither (a link to a web address, another file, a script).
    static QPDFObjectHandle localDestination(QPDFObjectHandle holder);

    // The explicit destination array destination stands for (it may be that
    // array itself), or null when it names nothing the document defines or
    // leads round in a circle. A name is looked up in the catalog's /Dests
    // first, a string in the name tree first, each then in the other (as
    // readers do: producers mix the two up). Names are compared as raw bytes.
    // Cost: the first name or string looked up reads all of the document's
    // named destinations once (linear in them); after that, a few hash
    // lookups.
    QPDFObjectHandle explicitDestination(QPDFObjectHandle destination);

    // explicitDestination(localDestination(holder)).
    QPDFObjectHandle destinationOf(QPDFObjectHandle holder)
    {
        return explicitDestination(localDestination(holder));
    }

    // How many steps from one form to the next explicitDestination follows
    // (name, dictionary, array): more means a circle.
    static constexpr int maxSteps = 8;

private:
    using Table = std::unordered_map<std::string, QPDFObjectHandle>;

    void loadNamedDestinations();
    const QPDFObjectHandle *lookUp(QPDFObjectHandle name);

    QPDF &m_pdf;
    bool m_loaded = false;
    Table m_names;     // catalog /Dests (PDF 1.1), keys without the leading slash
    Table m_strings;   // /Names /Dests name tree (PDF 1.2), keys as raw bytes
};
