#pragma once

#include <QString>

// Copies of files that qpdf cannot read, repaired by MuPDF. MuPDF rebuilds a
// cross-reference table from the objects it finds where qpdf's recovery
// gives up (no trailer, a table pointing nowhere, a broken cross-reference
// stream); the copy it writes is whole and sound, and qpdf reads it. The
// original is only read. GUI-free: the screens offer the repair, and so may
// the command line.
class DocumentRepair
{
public:
    struct Result
    {
        QString copy;   // the repaired copy; empty when the repair failed
        int pages = 0;  // pages the copy has
        bool needsPassword = false;   // encrypted, and password did not open it
    };

    // Writes a repaired copy of input into folder under input's own file
    // name (outputs and outline entries named after the file stay the same),
    // replacing a copy of that name left there before. password opens an
    // encrypted input; the copy keeps its protection. Fails when MuPDF
    // cannot open input, finds no page, or the copy cannot be written (then
    // nothing is left in folder). Cost: reads and writes the whole file;
    // blocks, so an interface runs it on another thread. Safe to run on
    // several threads at once.
    static Result repairInto(const QString &input, const QString &password, const QString &folder);
};
