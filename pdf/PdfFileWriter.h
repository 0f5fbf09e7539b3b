#pragma once

#include <QString>

class QPDF;
class QPDFWriter;
class SyncBatch;

// Writes qpdf documents to files: through a temporary file beside the target,
// so the target is either the complete new file or untouched, and so a
// document may be saved over the file it was read from.
class PdfFileWriter
{
public:
    struct Options
    {
        // Keep the source's own encryption (otherwise the output is plain).
        bool preserveEncryption = false;
        // The output's version is never lower than this ("1.4"); empty: the document's own.
        QString minimumVersion;
        int minimumExtensionLevel = 0;
        // Encryption: strength 1 (and 3) AES-256 (R6), 2 AES-128 (R4); -1 none.
        int encryptionStrength = -1;
        QString ownerPassword;
        QString userPassword;
        int permissions = 0; // the value of EncodePermissions
    };

    // Writes pdf to path. Returns true on success; on failure path is left as
    // it was and *errorCode gets a PdfErrorCode. Cost: one full write.
    static bool write(QPDF &pdf, const QString &path, const Options &options, int *errorCode = nullptr);

    // Runs writer.write() for pdf into a new file at path (created, never
    // opened through a link or over an existing file) and makes sure the
    // whole file reached the disk: any failed write, flush, fsync or close
    // fails the call, and so does a stop request (StopRequest) seen while
    // writing. On failure the file is removed, the error is logged and
    // *errorCode gets the write failure code for the system's reason (a full
    // disk, a read-only drive, ...; PdfErrorCode::WriteFailed when there was
    // none, as for a stop). Files in the worker's
    // session folder are scratch: created owner-only, not synced. The
    // trailer is reduced to the entries a PDF defines, with /Size: a damaged source's stray entries
    // would otherwise make a damaged output. Every writer of PDF files in the
    // program goes through here, so no output can look finished when it is not.
    // With a batch, an output that is not scratch is handed to it written
    // but still open: it is synced and closed in SyncBatch::finish(), and
    // is whole only when that says so.
    static bool writeWhole(QPDF &pdf, QPDFWriter &writer, const QString &path, int *errorCode = nullptr,
                           SyncBatch *batch = nullptr);

    // Sets writer up to encrypt as options ask (nothing for strength -1).
    static void applyEncryption(QPDFWriter &writer, const Options &options);

    // Whether write() can encrypt with the strength.
    static bool supportsStrength(int strength);

    // The permissions value for the eight grants, as PDF readers expect
    // (bits 3, 5, 4, 6, 9, 10, 11, 12; reserved bits set).
    static int encodePermissions(bool canPrint, bool canCopy, bool canChange, bool canAddNotes,
                                 bool canFillFields, bool canCopyAccess, bool canAssemble,
                                 bool canPrintFull);
};
