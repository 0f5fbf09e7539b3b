#pragma once

#include "pdf/PdfFileWriter.h"

#include <QString>

class QPDF;
class QPDFWriter;

// What a finished output carries besides its pages: document information
// and protection. DebenuService decides them (DebenuService::outputOptions);
// the merge and the extraction apply them while writing, so a finished file
// is written once.
struct PdfOutputOptions
{
    // Document information written over the source's (an output carries
    // its source's, a merge its first input's); an empty value writes
    // nothing. publisher is written as the author of a document that names
    // none, unless author is given.
    QString author;
    QString title;
    QString creator;
    QString producer;
    QString publisher;
    // How the output is protected (encryptionStrength -1: not at all).
    PdfFileWriter::Options protection;

    bool isProtected() const { return protection.encryptionStrength != -1; }

    // Writes the information entries into pdf's Info dictionary (which
    // holds the source's by now), the present time as its modification date,
    // and makes an XMP packet agree with them; everything else of the Info
    // dictionary and the packet stays. May throw qpdf exceptions.
    void applyInformation(QPDF &pdf) const;
    // Sets up the writer's encryption, or none.
    void applyProtection(QPDFWriter &writer) const;
};
