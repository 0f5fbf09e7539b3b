#pragma once

#include "pdf/DebenuPDFLibraryDLLQt1016.h"

#include <QImage>
#include <QMutex>
#include <QSize>
#include <QString>

// The program's only gateway to PDF files. Each operation runs a fixed
// sequence of library calls under one (non-recursive) lock, so calls from
// the interface thread and the information thread never interleave.
// Documents are addressed by an id: with bigData false the loaded-document
// id, with bigData true a direct-access file handle. One service per
// process, shared through std::shared_ptr.
class DebenuService : public DebenuPDFLibraryDLLQt1016
{
    Q_OBJECT
public:
    DebenuService();
    ~DebenuService() override;
    Q_DISABLE_COPY(DebenuService)

    // Checks that the library instance exists; logs a failure.
    void init();

    // Opens path with password. True with needsPassword false: opened, the
    // id is in documentId. True with needsPassword true: the file needs a
    // (different) password. False: cannot be opened. Every failure writes
    // the DEBUG log line "Can not load file:<path>. Error code:<code>".
    bool loadFile(const QString &path, const QString &password, int *documentId, bool *needsPassword,
                  bool bigData);
    int closeDocument(int documentId, bool bigData);
    int pageCount(int documentId, bool bigData);
    // Crop box size in whole points, width and height swapped for pages
    // rotated by 90 or 270 degrees.
    QSize pageSize(int documentId, int page, bool bigData);
    // The page at 72 dpi (one pixel per point) in the size of pageSize,
    // RGB32 on white; null on failure. Works off the interface thread.
    QImage renderPage(int documentId, int page, bool bigData);
    bool saveDocument(int documentId, const QString &path, bool bigData);
    // Writes author, title, creator and producer. With bigData false a
    // password that is not blank after trimming also encrypts the document
    // (AES-256) when it is saved; logs and answers false when refused.
    bool setDocumentProperties(int documentId, const QString &author, const QString &title,
                               const QString &password, const QString &creator, const QString &producer,
                               bool bigData);
    QString documentTitle(int documentId, bool bigData);
    // Always false for bigData documents (no library call).
    bool isEncrypted(int documentId, bool bigData);
    // Whether copying content is permitted (owner password grants it).
    bool contentCopyPermitted(int documentId);
    int decryptFile(const QString &input, const QString &output, const QString &password);
    // Encrypts with AES-256, owner = user = password trimmed (an empty
    // password stays empty), printing, copying, changing and notes allowed.
    int encryptFile(const QString &input, const QString &output, const QString &password);
    int extractFilePages(const QString &input, const QString &password, const QString &output,
                         const QString &rangeList);
    int addToFileList(const QString &listName, const QString &fileName);
    int mergeFileListFast(const QString &listName, const QString &output);
    int lastErrorCode();

private:
    QMutex m_mutex;
};
