#pragma once

#include "pdf/OutlineEntry.h"
#include "pdf/OutputNaming.h"
#include "pdf/PageRangeOutput.h"
#include "pdf/SizeLimitedPart.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class PageRendering;
struct MergeLayout;
struct PageBitmap;
struct PdfOutputOptions;

// The PDF library operations the program uses, under the names and argument
// lists of the vendor library this program was built around, implemented
// in-process on qpdf. Pages are drawn by the renderer installed with
// InstallRenderer (the program installs MuPDF's; without one nothing is drawn).
//
// The library keeps a table of loaded documents (LoadFromFile, one of them
// selected at a time) and of direct-access files (DAOpenFile, by handle),
// named file lists for merging, the code of the last failure, a cache of
// parsed sources and the installed renderer.
//
// Results: 1 means success for most operations, 0 failure; LastErrorCode()
// then tells why (404: a password is needed or the one given is wrong; the
// other codes are listed in PdfErrorCode.h). No operation throws or crashes
// on bad input; unknown handles, documents and keys read as failure.
// Not thread-safe: DebenuService serialises every call.
class DebenuPDFLibraryDLLQt1016 : public QObject
{
    Q_OBJECT
public:
    // libraryPath is where the vendor library used to be loaded from; it is
    // kept for reference only. The instance is created here.
    explicit DebenuPDFLibraryDLLQt1016(const QString &libraryPath, QObject *parent = nullptr);
    ~DebenuPDFLibraryDLLQt1016() override;

    // True: every operation is built in.
    bool LibraryLoaded() const;
    QString libraryPath() const;
    int instanceId() const;

    Q_INVOKABLE int CreateLibrary();
    Q_INVOKABLE int ReleaseLibrary(int InstanceID);
    Q_INVOKABLE int LastErrorCode();
    Q_INVOKABLE int StringResultLength();

    // Loaded documents.
    Q_INVOKABLE int LoadFromFile(const QString &FileName, const QString &Password);
    Q_INVOKABLE int SelectedDocument();
    Q_INVOKABLE int SelectDocument(int DocumentID);
    Q_INVOKABLE int RemoveDocument(int DocumentID);
    Q_INVOKABLE int PageCount();
    Q_INVOKABLE int SelectPage(int PageNumber);
    // BoxType 1 media, 2 crop (clipped to the media box), 3 bleed, 4 trim,
    // 5 art box; Dimension 0 left, 1 top, 2 width, 3 height, 4 right,
    // 5 bottom, in points.
    Q_INVOKABLE double GetPageBox(int BoxType, int Dimension);
    // 0, 90, 180 or 270, inherited and negative values normalised.
    Q_INVOKABLE int PageRotation();
    // Item 0: 1 when encrypted. 1: the encryption revision (R). 2: the key
    // length in bits. 3: the permissions value (P). 4: 1 when opened with
    // the owner password. 5: 6 when copying content is permitted
    // (unencrypted, granted by P, or opened with the owner password), else 0.
    Q_INVOKABLE int SecurityInfo(int SecurityItem);
    Q_INVOKABLE int SaveToFile(const QString &FileName);
    // Keys 1 Author, 2 Title, 3 Subject, 4 Keywords, 5 Creator, 6 Producer,
    // 7 CreationDate, 8 ModDate; 0 answers the PDF version (read only).
    Q_INVOKABLE int SetInformation(int Key, const QString &NewValue);
    Q_INVOKABLE QString GetInformation(int Key);
    // Strength 1 (and 3): AES-256 (R6); 2: AES-128. Applied when the
    // selected document is saved.
    Q_INVOKABLE int Encrypt(const QString &Owner, const QString &User, int Strength, int Permissions);
    // Draws page Page of the selected document into Bitmap, scaled to its
    // size (the crop box at 72 dpi is GetPageBox(2, 2) x GetPageBox(2, 3),
    // swapped for 90 and 270 degrees). 1 on success; 0 without a renderer
    // (Unsupported), for a bad page or bitmap (InvalidArgument) or when the
    // renderer refuses the file (NotPdf).
    int RenderPageToBitmap(int Page, const PageBitmap &Bitmap);

    // Direct-access files: the same questions by file handle.
    Q_INVOKABLE int DAOpenFile(const QString &InputFileName, const QString &Password);
    Q_INVOKABLE int DACloseFile(int FileHandle);
    Q_INVOKABLE int DAGetPageCount(int FileHandle);
    // The page reference of a 1-based page (non-zero), 0 when out of range.
    Q_INVOKABLE int DAFindPage(int FileHandle, int Page);
    Q_INVOKABLE double DAGetPageBox(int FileHandle, int PageRef, int BoxIndex, int Dimension);
    Q_INVOKABLE int DAPageRotation(int FileHandle, int PageRef);
    int DARenderPageToBitmap(int FileHandle, int PageRef, const PageBitmap &Bitmap);
    Q_INVOKABLE int DASaveAsFile(int FileHandle, const QString &OutputFileName);
    // Keys by name: "Author", "Title", "Subject", "Keywords", "Creator", "Producer".
    Q_INVOKABLE int DASetInformation(int FileHandle, const QString &Key, const QString &NewValue);
    Q_INVOKABLE QString DAGetInformation(int FileHandle, const QString &Key);

    // Whole files.
    Q_INVOKABLE int EncodePermissions(int CanPrint, int CanCopy, int CanChange, int CanAddNotes,
                                      int CanFillFields, int CanCopyAccess, int CanAssemble,
                                      int CanPrintFull);
    Q_INVOKABLE int EncryptFile(const QString &InputFileName, const QString &OutputFileName,
                                const QString &Owner, const QString &User, int Strength,
                                int Permissions);
    Q_INVOKABLE int DecryptFile(const QString &InputFileName, const QString &OutputFileName,
                                const QString &Password);
    // RangeList like "7", "3-6", "1,3,5". 1 on success.
    Q_INVOKABLE int ExtractFilePages(const QString &InputFileName, const QString &Password,
                                     const QString &OutputFileName, const QString &RangeList);
    // Appends a file that opens without a password to a named list (1), or
    // refuses a file that cannot be read (0).
    Q_INVOKABLE int AddToFileList(const QString &ListName, const QString &FileName);
    Q_INVOKABLE int ClearFileList(const QString &ListName);
    Q_INVOKABLE int GetFileListCount(const QString &ListName);
    // The page count of the merged file, 0 on failure.
    Q_INVOKABLE int MergeFileListFast(const QString &ListName, const QString &OutputFileName);

    // The operations below are this program's own.

    // The same merge, finished in one pass: the information and protection
    // of Options are written with the merged file. OutputFileName is written
    // directly (callers pass a fresh temporary path). Cost: one read of each
    // input, one write of the result.
    int MergeFileListFast(const QString &ListName, const QString &OutputFileName, const PdfOutputOptions &Options);
    // The same, with the list's pages laid out as Layout says and of each
    // file the pages ChooseListedPages() chose.
    int MergeFileListFast(const QString &ListName, const QString &OutputFileName, const PdfOutputOptions &Options,
                          const MergeLayout &Layout);
    // AddToFileList(), telling the file's page count in *PageCount when it
    // was listed.
    int AddToFileList(const QString &ListName, const QString &FileName, int *PageCount);
    // Of the file listed last on ListName, only Pages (1-based, in order,
    // repeats allowed; empty: all) go into the merge, each turned by
    // Rotation degrees clockwise on top of its own turn. 1 on success; 0
    // when nothing is listed, a page is outside the file or Rotation is no
    // multiple of 90 (InvalidArgument).
    int ChooseListedPages(const QString &ListName, const QList<int> &Pages, int Rotation);

    // Opens InputFileName once, with Password (a file that opens without a
    // password also opens when Password is wrong), and writes each of Ranges
    // into its own file in OutputFolder, finished with Options. A file never
    // replaces an existing one: a taken name gets the first free "(n)"
    // prefix, and a file reaches its name only once complete and synced
    // (outputs are synced a batch at a time). Naming hears of each name just
    // before a file is moved there; Report follows, in order, for each range;
    // a false answer stops. Returns how many files were written; when none
    // was, LastErrorCode() tells why.
    // Cost: one parse of the source, then each output's own pages.
    int ExtractPageRanges(const QString &InputFileName, const QString &Password, const QList<PageRangeOutput> &Ranges,
                          const QString &OutputFolder, const PdfOutputOptions &Options,
                          const PageRangeOutput::Report &Report, const OutputNaming &Naming = nullptr);

    // Splits every page of InputFileName, in order, into consecutive files
    // in OutputFolder of at most MaxBytes each (a page larger than that on
    // its own gets a file of its own), finished with Options and named by
    // Namer; see SizeSplitter. Naming hears of each name just before a file
    // is moved there; Report follows for each file. Returns how many files
    // were written; LastErrorCode() tells why a run ended early.
    int ExtractPagesBySize(const QString &InputFileName, const QString &Password, qint64 MaxBytes,
                           const QString &OutputFolder, const PdfOutputOptions &Options,
                           const SizeLimitedPart::Namer &Namer, const SizeLimitedPart::Report &Report,
                           const OutputNaming &Naming = nullptr);

    // The outline of InputFileName, every entry with the page it goes to
    // (named destinations resolved); see OutlineReader. 1 on success, also
    // for a document without outline (Entries is then empty); 0 when the
    // file cannot be read.
    int ReadOutline(const QString &InputFileName, const QString &Password, OutlineEntries &Entries);

    // The page label of every page of InputFileName, "" where it has none;
    // see PageLabelReader. 1 on success, also for a document without labels;
    // 0 when the file cannot be read.
    int ReadPageLabels(const QString &InputFileName, const QString &Password, QStringList &Labels);

    // Pages are drawn by renderer from now on (null: by nothing).
    void InstallRenderer(std::shared_ptr<PageRendering> Renderer);
    bool HasRenderer() const;

    // Parsed sources kept between operations (for tests and measurements).
    int cachedSourceParses() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
