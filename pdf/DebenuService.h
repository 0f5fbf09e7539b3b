#pragma once

#include "pdf/DebenuPDFLibraryDLLQt1016.h"
#include "pdf/MergeLayout.h"
#include "pdf/OutputPermissions.h"
#include "pdf/PdfOutputOptions.h"

#include <QMutex>
#include <QSize>
#include <QString>

// The program's only gateway to PDF files. Each operation runs a fixed
// sequence of library calls under one (non-recursive) lock, so calls from
// the interface thread and the information thread never interleave.
// Documents are addressed by an id: with bigData false the loaded-document
// id, with bigData true a direct-access file handle. One service per
// process, shared through std::shared_ptr.
//
// The service decides what every output carries besides its pages (document
// information, protection and its permissions): outputOptions() is the one
// place, and both the merge and the split write through it.
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
    // Longest side, in pixels, of a page as the viewer shows and draws it
    // (one pixel per point up to there): a larger page, a poster or a
    // crafted box of 1e9 points, is shown scaled down to it in its own
    // shape, so that no picture of its full size is ever asked for.
    static constexpr int maxShownSide = 4096;

    // The crop box size in points (width and height swapped for pages
    // rotated by 90 or 270 degrees), as large as the page says: empty when
    // the page cannot be read.
    QSizeF pageSizeInPoints(int documentId, int page, bool bigData);
    // The size the viewer shows the page at: pageSizeInPoints() in whole
    // points, scaled down to shownSize() when a side is past maxShownSide.
    QSize pageSize(int documentId, int page, bool bigData);
    // A page size in points as shown: whole pixels, each side at least 1
    // and at most maxShownSide, in the page's shape; empty for an empty or
    // not finite size.
    static QSize shownSize(const QSizeF &points);
    // Pages are drawn by renderer from now on. The program installs one at
    // start-up; the worker installs none (it never draws).
    void installRenderer(std::shared_ptr<PageRendering> renderer);
    bool hasRenderer();
    // Draws the page into bitmap, scaled to its size (pageSize() is the size
    // at 72 dpi, one pixel per point), on white. False without a renderer or
    // on failure. Works off the interface thread.
    bool renderPage(int documentId, int page, bool bigData, const PageBitmap &bitmap);
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
    // Lists fileName for the merge listName; with pageCount, its page count
    // goes there. 1 when listed, 0 when it cannot be read or has no pages.
    int addToFileList(const QString &listName, const QString &fileName, int *pageCount = nullptr);
    // Of the file listed last on listName, only pages (1-based, in order;
    // empty: all) go into the merge, each turned by rotation degrees
    // clockwise (a multiple of 90) on top of its own turn. 1 on success, 0
    // when nothing is listed or a page is outside the file.
    int chooseListedPages(const QString &listName, const QList<int> &pages, int rotation);
    int mergeFileListFast(const QString &listName, const QString &output);

    // What an output of this program carries: the information given, and
    // for a password not blank after trimming, AES-256 protection with owner
    // = user = the trimmed password, printing, copying, changing and notes
    // allowed.
    PdfOutputOptions outputOptions(const QString &author, const QString &title, const QString &password,
                                   const QString &creator, const QString &producer,
                                   const QString &publisher = QString());
    // The permissions outputOptions() grants a protected output: what the
    // screens tell a person about to set an output password.
    static OutputPermissions outputPermissions();
    // Merges the files of the list into output, finished with options in the
    // same pass (output is written directly: pass a fresh temporary path).
    // The page count of the result, 0 on failure (lastErrorCode() tells why).
    // The inputs' pages follow each other as layout says.
    int mergeFileList(const QString &listName, const QString &output, const PdfOutputOptions &options,
                      const MergeLayout &layout = MergeLayout());
    // Writes each range of input into its own file in outputFolder, finished
    // with options; see DebenuPDFLibraryDLLQt1016::ExtractPageRanges. report
    // and naming run under the service's lock: they must not call the service.
    int extractPageRanges(const QString &input, const QString &password, const QList<PageRangeOutput> &ranges,
                          const QString &outputFolder, const PdfOutputOptions &options,
                          const PageRangeOutput::Report &report, const OutputNaming &naming = nullptr);
    // Splits input into consecutive files of at most maxBytes each; see
    // DebenuPDFLibraryDLLQt1016::ExtractPagesBySize. report and naming run
    // under the service's lock: they must not call the service.
    int extractPagesBySize(const QString &input, const QString &password, qint64 maxBytes,
                           const QString &outputFolder, const PdfOutputOptions &options,
                           const SizeLimitedPart::Namer &namer, const SizeLimitedPart::Report &report,
                           const OutputNaming &naming = nullptr);
    // The document's outline with the page of every entry; false (entries
    // empty) when the file cannot be read.
    bool outline(const QString &path, const QString &password, OutlineEntries *entries);
    // The page label of every page ("" where there is none); false (labels
    // empty) when the file cannot be read. Parses the file when it is not
    // among the sources kept parsed.
    bool pageLabels(const QString &path, const QString &password, QStringList *labels);
    int lastErrorCode();

private:
    QMutex m_mutex;
};
