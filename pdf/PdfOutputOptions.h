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
    // Document information; an empty value writes no entry.
    QString author;
    QString title;
    QString creator;
    QString producer;
    // How the output is protected (encryptionStrength -1: not at all).
    PdfFileWriter::Options protection;

    bool isProtected() const { return protection.encryptionStrength != -1; }

    // Writes the information entries into pdf's Info dictionary and makes an
    // XMP packet agree with them. May throw qpdf exceptions.
    void applyInformation(QPDF &pdf) const;
    // Sets up the writer's encryption, or none.
    void applyProtection(QPDFWriter &writer) const;
};
