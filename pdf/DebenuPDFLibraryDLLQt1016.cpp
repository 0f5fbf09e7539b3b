#include "pdf/DebenuPDFLibraryDLLQt1016.h"

#include "app/FileUtils.h"
#include "app/Logger.h"
#include "pdf/DocumentDisposal.h"
#include "pdf/DocumentMerger.h"
#include "pdf/OutlineReader.h"
#include "pdf/PageLabelReader.h"
#include "pdf/PageExtractor.h"
#include "pdf/PageRangeList.h"
#include "pdf/PageRendering.h"
#include "pdf/PdfErrorCode.h"
#include "pdf/PdfFileWriter.h"
#include "pdf/PdfInformation.h"
#include "pdf/PdfOutputOptions.h"
#include "pdf/PendingRanges.h"
#include "pdf/SizeSplitter.h"
#include "pdf/SourceCache.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStringList>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <cmath>
#include <functional>
#include <new>

namespace {

// One document of the loaded-document table or of the direct-access table.
struct OpenDocument
{
    std::shared_ptr<QPDF> pdf;
    QString path;
    QString password; // kept for rendering encrypted files; never logged
    int selectedPage = 1;
    QSet<QByteArray> changedInformation;
    PdfFileWriter::Options pendingEncryption; // strength -1: none requested
};

struct Box
{
    double left = 0;
    double bottom = 0;
    double right = 0;
    double top = 0;
    double width() const { return right - left; }
    double height() const { return top - bottom; }
};

bool readBox(QPDFPageObjectHelper &page, const char *name, Box &box)
{
    QPDFObjectHandle value = page.getAttribute(name, false);
    if (!value.isRectangle())
        return false;
    const QPDFObjectHandle::Rectangle r = value.getArrayAsRectangle();
    box.left = std::min(r.llx, r.urx);
    box.right = std::max(r.llx, r.urx);
    box.bottom = std::min(r.lly, r.ury);
    box.top = std::max(r.lly, r.ury);
    return box.width() > 0 && box.height() > 0;
}

Box intersect(const Box &a, const Box &b)
{
    Box result;
    result.left = std::max(a.left, b.left);
    result.right = std::min(a.right, b.right);
    result.bottom = std::max(a.bottom, b.bottom);
    result.top = std::min(a.top, b.top);
    if (result.width() <= 0 || result.height() <= 0)
        return b; // no overlap: fall back to the bounding box
    return result;
}

// Box type 1 media, 2 crop, 3 bleed, 4 trim, 5 art; every box but the media
// box defaults to the crop box and is clipped to the media box.
bool pageBox(QPDFPageObjectHelper page, int boxType, Box &box)
{
    Box media;
    if (!readBox(page, "/MediaBox", media)) {
        media.right = 612; // US Letter, the customary default of readers
        media.top = 792;
    }
    if (boxType == 1) {
        box = media;
        return true;
    }
    Box crop = media;
    if (readBox(page, "/CropBox", crop))
        crop = intersect(crop, media);
    static const char *const otherBoxes[] = {"/BleedBox", "/TrimBox", "/ArtBox"};
    if (boxType == 2) {
        box = crop;
        return true;
    }
    if (boxType < 3 || boxType > 5)
        return false;
    Box other;
    box = readBox(page, otherBoxes[boxType - 3], other) ? intersect(other, media) : crop;
    return true;
}

double boxDimension(const Box &box, int dimension)
{
    switch (dimension) {
    case 0: return box.left;
    case 1: return box.top;
    case 2: return box.width();
    case 3: return box.height();
    case 4: return box.right;
    case 5: return box.bottom;
    default: return 0;
    }
}

// /Rotate (inherited) as 0, 90, 180 or 270; other values round to the
// nearest quarter turn, as renderers do.
int pageRotation(QPDFPageObjectHelper page)
{
    QPDFObjectHandle value = page.getAttribute("/Rotate", false);
    if (!value.isNumber())
        return 0;
    const double raw = value.getNumericValue();
    if (!std::isfinite(raw) || std::fabs(raw) > 1e9)
        return 0;
    long degrees = std::lround(raw) % 360;
    if (degrees < 0)
        degrees += 360;
    return int(((degrees + 45) / 90) * 90 % 360);
}

} // namespace

struct DebenuPDFLibraryDLLQt1016::Private
{
    QString libraryPath;
    int instanceId = 0;
    int nextInstanceId = 1;
    int lastError = 0;
    int stringResultLength = 0;
    int nextId = 1;
    int selectedDocument = 0;
    QHash<int, std::shared_ptr<OpenDocument>> documents;
    QHash<int, std::shared_ptr<OpenDocument>> files;
    QHash<QString, QList<MergeInput>> fileLists;
    // The page count of each file on the lists, by path.
    QHash<QString, int> listedPageCounts;
    // One parse at a time, so memory follows the largest document.
    SourceCache sources{1};
    // The files checked for a merge list: the merge takes their parses
    // over instead of parsing each file again (the merge lets each go once
    // it is copied).
    SourceCache mergeSources{8};
    std::weak_ptr<QPDF> lastChecked;   // the newest of them, the only one that keeps its file's bytes
    // The extractor of the source ExtractFilePages used last: extracting
    // range after range from one file analyses it once.
    std::shared_ptr<PageExtractor> lastExtractor;
    QString lastExtractorPath;
    std::shared_ptr<PageRendering> renderer;

    // Runs body with the qpdf exceptions caught: any exception fails the
    // operation with code Internal (or PasswordNeeded) and answers fallback.
    template <typename T>
    T guarded(const char *where, T fallback, const std::function<T()> &body)
    {
        lastError = PdfErrorCode::None;
        if (instanceId <= 0) {
            lastError = PdfErrorCode::Unsupported;
            return fallback;
        }
        try {
            return body();
        } catch (const std::bad_alloc &) {
            Logger::instance().log(QStringLiteral("%1 ran out of memory").arg(QString::fromLatin1(where)), LogError);
            lastError = PdfErrorCode::OutOfMemory;
        } catch (const std::exception &e) {
            Logger::instance().log(QStringLiteral("%1 failed (%2)").arg(QString::fromLatin1(where), QString::fromUtf8(e.what())),
                                   LogError);
            lastError = PdfErrorCode::Internal;
        } catch (...) {
            lastError = PdfErrorCode::Internal;
        }
        return fallback;
    }

    std::shared_ptr<OpenDocument> selected()
    {
        return documents.value(selectedDocument);
    }

    // The page of a document by 1-based number, or false with InvalidArgument.
    bool findPage(OpenDocument &document, int number, QPDFPageObjectHelper &page)
    {
        // qpdf keeps this list: no walk of the page tree per call.
        const std::vector<QPDFObjectHandle> &pages = document.pdf->getAllPages();
        if (number < 1 || size_t(number) > pages.size()) {
            lastError = PdfErrorCode::InvalidArgument;
            return false;
        }
        page = QPDFPageObjectHelper(pages.at(size_t(number - 1)));
        return true;
    }

    std::shared_ptr<OpenDocument> open(const QString &path, const QString &password)
    {
        int error = PdfErrorCode::None;
        std::shared_ptr<QPDF> pdf = SourceCache::parse(path, password, &error);
        if (!pdf) {
            lastError = error;
            return nullptr;
        }
        auto document = std::make_shared<OpenDocument>();
        document->pdf = pdf;
        document->path = path;
        document->password = password;
        return document;
    }

    // Writes a table document: its changed information mirrored into XMP,
    // encrypted as requested, else with its own encryption kept.
    int save(OpenDocument &document, const QString &path)
    {
        PdfInformation::synchroniseMetadata(*document.pdf, document.changedInformation);
        PdfFileWriter::Options options = document.pendingEncryption;
        options.preserveEncryption = options.encryptionStrength == -1;
        int error = PdfErrorCode::None;
        if (!PdfFileWriter::write(*document.pdf, path, options, &error)) {
            lastError = error;
            return 0;
        }
        return 1;
    }

    int draw(OpenDocument &document, int pageNumber, const PageBitmap &bitmap)
    {
        QPDFPageObjectHelper page(QPDFObjectHandle::newNull());
        if (!findPage(document, pageNumber, page))
            return 0;
        if (!bitmap.isValid()) {
            lastError = PdfErrorCode::InvalidArgument;
            return 0;
        }
        if (!renderer) {
            lastError = PdfErrorCode::Unsupported;
            return 0;
        }
        if (!renderer->render(document.path, document.password, pageNumber, bitmap)) {
            lastError = PdfErrorCode::NotPdf;
            return 0;
        }
        return 1;
    }

    // The extractor for the file at path, reusing the last one while the
    // cache hands out the same parse.
    std::shared_ptr<PageExtractor> extractorFor(const QString &path, const QString &password)
    {
        // Another file's extractor goes first, so its parse is not kept
        // beside the new one.
        if (lastExtractorPath != path)
            lastExtractor.reset();
        lastExtractorPath = path;
        int error = PdfErrorCode::None;
        std::shared_ptr<QPDF> source = sources.open(path, password, &error);
        if (!source) {
            lastError = error;
            return nullptr;
        }
        if (!lastExtractor || lastExtractor->source() != source)
            lastExtractor = std::make_shared<PageExtractor>(source, path, password);
        return lastExtractor;
    }

    // A private parse of path with password; a file that opens without a
    // password is opened so when the password given does not fit.
    std::shared_ptr<QPDF> openSource(const QString &path, const QString &password)
    {
        int error = PdfErrorCode::None;
        std::shared_ptr<QPDF> source = SourceCache::parse(path, password, &error);
        if (!source && error == PdfErrorCode::PasswordNeeded && !password.isEmpty()) {
            int plainError = PdfErrorCode::None;
            source = SourceCache::parse(path, QString(), &plainError);
        }
        if (!source)
            lastError = error;
        return source;
    }

    int extractRanges(const QString &input, const QString &password, const QList<PageRangeOutput> &ranges,
                      const QString &folder, const PdfOutputOptions &options, const PageRangeOutput::Report &report,
                      const OutputNaming &naming);
    // The files of the list merged into output (options: none, or the
    // information and protection to write with it); the page count, 0 on failure.
    int mergeList(const QString &listName, const QString &output, const PdfOutputOptions *options,
                  const MergeLayout &layout = MergeLayout());

    QString answer(const QString &text)
    {
        stringResultLength = text.size();
        return text;
    }
};

DebenuPDFLibraryDLLQt1016::DebenuPDFLibraryDLLQt1016(const QString &libraryPath, QObject *parent)
    : QObject(parent)
    , d(new Private)
{
    d->libraryPath = libraryPath;
    d->instanceId = CreateLibrary();
}

DebenuPDFLibraryDLLQt1016::~DebenuPDFLibraryDLLQt1016()
{
    if (d->instanceId > 0)
        ReleaseLibrary(d->instanceId);
}

bool DebenuPDFLibraryDLLQt1016::LibraryLoaded() const
{
    return true;
}

QString DebenuPDFLibraryDLLQt1016::libraryPath() const
{
    return d->libraryPath;
}

int DebenuPDFLibraryDLLQt1016::instanceId() const
{
    return d->instanceId;
}

int DebenuPDFLibraryDLLQt1016::CreateLibrary()
{
    if (d->instanceId <= 0)
        d->instanceId = d->nextInstanceId++;
    return d->instanceId;
}

int DebenuPDFLibraryDLLQt1016::ReleaseLibrary(int InstanceID)
{
    if (InstanceID <= 0 || InstanceID != d->instanceId)
        return 0;
    d->documents.clear();
    d->files.clear();
    d->fileLists.clear();
    d->listedPageCounts.clear();
    d->selectedDocument = 0;
    d->lastExtractor.reset();
    d->sources.clear();
    d->lastChecked.reset();
    d->mergeSources.clear();
    if (d->renderer)
        d->renderer->clear();
    d->instanceId = 0;
    return 1;
}

int DebenuPDFLibraryDLLQt1016::LastErrorCode()
{
    return d->lastError;
}

int DebenuPDFLibraryDLLQt1016::StringResultLength()
{
    return d->stringResultLength;
}

int DebenuPDFLibraryDLLQt1016::cachedSourceParses() const
{
    return d->sources.parseCount() + d->mergeSources.parseCount();
}

// --- Loaded documents -------------------------------------------------------

int DebenuPDFLibraryDLLQt1016::LoadFromFile(const QString &FileName, const QString &Password)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        std::shared_ptr<OpenDocument> document = d->open(FileName, Password);
        if (!document)
            return 0;
        const int id = d->nextId++;
        d->documents.insert(id, document);
        d->selectedDocument = id;
        return 1;
    });
}

int DebenuPDFLibraryDLLQt1016::SelectedDocument()
{
    return d->documents.contains(d->selectedDocument) ? d->selectedDocument : 0;
}

int DebenuPDFLibraryDLLQt1016::SelectDocument(int DocumentID)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        if (!d->documents.contains(DocumentID)) {
            d->lastError = PdfErrorCode::InvalidArgument;
            return 0;
        }
        d->selectedDocument = DocumentID;
        return 1;
    });
}

int DebenuPDFLibraryDLLQt1016::RemoveDocument(int DocumentID)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        if (!d->documents.remove(DocumentID)) {
            d->lastError = PdfErrorCode::InvalidArgument;
            return 0;
        }
        if (d->selectedDocument == DocumentID)
            d->selectedDocument = 0;
        return 1;
    });
}

int DebenuPDFLibraryDLLQt1016::PageCount()
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        std::shared_ptr<OpenDocument> document = d->selected();
        if (!document) {
            d->lastError = PdfErrorCode::InvalidArgument;
            return 0;
        }
        return int(document->pdf->getAllPages().size());
    });
}

int DebenuPDFLibraryDLLQt1016::SelectPage(int PageNumber)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        std::shared_ptr<OpenDocument> document = d->selected();
        QPDFPageObjectHelper page(QPDFObjectHandle::newNull());
        if (!document) {
            d->lastError = PdfErrorCode::InvalidArgument;
            return 0;
        }
        if (!d->findPage(*document, PageNumber, page))
            return 0;
        document->selectedPage = PageNumber;
        return 1;
    });
}

double DebenuPDFLibraryDLLQt1016::GetPageBox(int BoxType, int Dimension)
{
    return d->guarded<double>(Q_FUNC_INFO, 0.0, [&]() {
        std::shared_ptr<OpenDocument> document = d->selected();
        QPDFPageObjectHelper page(QPDFObjectHandle::newNull());
        Box box;
        if (!document || !d->findPage(*document, document->selectedPage, page)
            || !pageBox(page, BoxType, box)) {
            d->lastError = PdfErrorCode::InvalidArgument;
            return 0.0;
        }
        return boxDimension(box, Dimension);
    });
}

int DebenuPDFLibraryDLLQt1016::PageRotation()
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        std::shared_ptr<OpenDocument> document = d->selected();
        QPDFPageObjectHelper page(QPDFObjectHandle::newNull());
        if (!document || !d->findPage(*document, document->selectedPage, page)) {
            d->lastError = PdfErrorCode::InvalidArgument;
            return 0;
        }
        return pageRotation(page);
    });
}

int DebenuPDFLibraryDLLQt1016::SecurityInfo(int SecurityItem)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        std::shared_ptr<OpenDocument> document = d->selected();
        if (!document) {
            d->lastError = PdfErrorCode::InvalidArgument;
            return 0;
        }
        QPDF &pdf = *document->pdf;
        int revision = 0;
        int permissions = 0;
        const bool encrypted = pdf.isEncrypted(revision, permissions);
        switch (SecurityItem) {
        case 0:
            return encrypted ? 1 : 0;
        case 1:
            return encrypted ? revision : 0;
        case 2: {
            if (!encrypted)
                return 0;
            if (revision >= 5)
                return 256;
            QPDFObjectHandle length = pdf.getTrailer().getKey("/Encrypt").getKey("/Length");
            return revision == 4 ? 128 : (length.isInteger() ? length.getIntValueAsInt() : 40);
        }
        case 3:
            return encrypted ? permissions : 0;
        case 4:
            return encrypted && pdf.ownerPasswordMatched() ? 1 : 0;
        case 5: {
            // The owner password grants everything, as readers treat it.
            const bool permitted = !encrypted || pdf.ownerPasswordMatched() || pdf.allowExtractAll();
            return permitted ? 6 : 0;
        }
        default:
            d->lastError = PdfErrorCode::InvalidArgument;
            return 0;
        }
    });
}

int DebenuPDFLibraryDLLQt1016::SaveToFile(const QString &FileName)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        std::shared_ptr<OpenDocument> document = d->selected();
        if (!document) {
            d->lastError = PdfErrorCode::InvalidArgument;
            return 0;
        }
        const int result = d->save(*document, FileName);
        if (result)
            d->sources.release(FileName);
        return result;
    });
}

int DebenuPDFLibraryDLLQt1016::SetInformation(int Key, const QString &NewValue)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        std::shared_ptr<OpenDocument> document = d->selected();
        const QByteArray name = PdfInformation::keyName(Key);
        if (!document || name.isEmpty()) {
            d->lastError = PdfErrorCode::InvalidArgument;
            return 0;
        }
        PdfInformation::setValue(*document->pdf, name, NewValue);
        document->changedInformation.insert(name);
        return 1;
    });
}

QString DebenuPDFLibraryDLLQt1016::GetInformation(int Key)
{
    return d->answer(d->guarded<QString>(Q_FUNC_INFO, QString(), [&]() {
        std::shared_ptr<OpenDocument> document = d->selected();
        if (!document) {
            d->lastError = PdfErrorCode::InvalidArgument;
            return QString();
        }
        if (Key == 0)
            return QString::fromStdString(document->pdf->getPDFVersion());
        const QByteArray name = PdfInformation::keyName(Key);
        if (name.isEmpty()) {
            d->lastError = PdfErrorCode::InvalidArgument;
            return QString();
        }
        return PdfInformation::value(*document->pdf, name);
    }));
}

int DebenuPDFLibraryDLLQt1016::Encrypt(const QString &Owner, const QString &User, int Strength,
                                      int Permissions)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        std::shared_ptr<OpenDocument> document = d->selected();
        if (!document) {
            d->lastError = PdfErrorCode::InvalidArgument;
            return 0;
        }
        if (!PdfFileWriter::supportsStrength(Strength)) {
            d->lastError = PdfErrorCode::Unsupported;
            return 0;
        }
        document->pendingEncryption.encryptionStrength = Strength;
        document->pendingEncryption.ownerPassword = Owner;
        document->pendingEncryption.userPassword = User;
        document->pendingEncryption.permissions = Permissions;
        return 1;
    });
}

int DebenuPDFLibraryDLLQt1016::RenderPageToBitmap(int Page, const PageBitmap &Bitmap)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        std::shared_ptr<OpenDocument> document = d->selected();
        if (!document) {
            d->lastError = PdfErrorCode::InvalidArgument;
            return 0;
        }
        return d->draw(*document, Page, Bitmap);
    });
}

// --- Direct-access files ------------------------------------------------------

int DebenuPDFLibraryDLLQt1016::DAOpenFile(const QString &InputFileName, const QString &Password)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        std::shared_ptr<OpenDocument> document = d->open(InputFileName, Password);
        if (!document)
            return 0;
        const int handle = d->nextId++;
        d->files.insert(handle, document);
        return handle;
    });
}

int DebenuPDFLibraryDLLQt1016::DACloseFile(int FileHandle)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        if (!d->files.remove(FileHandle)) {
            d->lastError = PdfErrorCode::InvalidArgument;
            return 0;
        }
        return 1;
    });
}

int DebenuPDFLibraryDLLQt1016::DAGetPageCount(int FileHandle)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        std::shared_ptr<OpenDocument> document = d->files.value(FileHandle);
        if (!document) {
            d->lastError = PdfErrorCode::InvalidArgument;
            return 0;
        }
        return int(document->pdf->getAllPages().size());
    });
}

int DebenuPDFLibraryDLLQt1016::DAFindPage(int FileHandle, int Page)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        std::shared_ptr<OpenDocument> document = d->files.value(FileHandle);
        QPDFPageObjectHelper page(QPDFObjectHandle::newNull());
        if (!document) {
            d->lastError = PdfErrorCode::InvalidArgument;
            return 0;
        }
        // The reference is the page number itself: stable while the file is open.
        return d->findPage(*document, Page, page) ? Page : 0;
    });
}

double DebenuPDFLibraryDLLQt1016::DAGetPageBox(int FileHandle, int PageRef, int BoxIndex, int Dimension)
{
    return d->guarded<double>(Q_FUNC_INFO, 0.0, [&]() {
        std::shared_ptr<OpenDocument> document = d->files.value(FileHandle);
        QPDFPageObjectHelper page(QPDFObjectHandle::newNull());
        Box box;
        if (!document || !d->findPage(*document, PageRef, page) || !pageBox(page, BoxIndex, box)) {
            d->lastError = PdfErrorCode::InvalidArgument;
            return 0.0;
        }
        return boxDimension(box, Dimension);
    });
}

int DebenuPDFLibraryDLLQt1016::DAPageRotation(int FileHandle, int PageRef)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        std::shared_ptr<OpenDocument> document = d->files.value(FileHandle);
        QPDFPageObjectHelper page(QPDFObjectHandle::newNull());
        if (!document || !d->findPage(*document, PageRef, page)) {
            d->lastError = PdfErrorCode::InvalidArgument;
            return 0;
        }
        return pageRotation(page);
    });
}

int DebenuPDFLibraryDLLQt1016::DARenderPageToBitmap(int FileHandle, int PageRef, const PageBitmap &Bitmap)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        std::shared_ptr<OpenDocument> document = d->files.value(FileHandle);
        if (!document) {
            d->lastError = PdfErrorCode::InvalidArgument;
            return 0;
        }
        return d->draw(*document, PageRef, Bitmap);
    });
}

int DebenuPDFLibraryDLLQt1016::DASaveAsFile(int FileHandle, const QString &OutputFileName)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        std::shared_ptr<OpenDocument> document = d->files.value(FileHandle);
        if (!document) {
            d->lastError = PdfErrorCode::InvalidArgument;
            return 0;
        }
        const int result = d->save(*document, OutputFileName);
        if (result)
            d->sources.release(OutputFileName);
        return result;
    });
}

int DebenuPDFLibraryDLLQt1016::DASetInformation(int FileHandle, const QString &Key, const QString &NewValue)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        std::shared_ptr<OpenDocument> document = d->files.value(FileHandle);
        const QByteArray name = PdfInformation::keyName(Key);
        if (!document || name.isEmpty() || name == "/CreationDate" || name == "/ModDate") {
            d->lastError = PdfErrorCode::InvalidArgument;
            return 0;
        }
        PdfInformation::setValue(*document->pdf, name, NewValue);
        document->changedInformation.insert(name);
        return 1;
    });
}

QString DebenuPDFLibraryDLLQt1016::DAGetInformation(int FileHandle, const QString &Key)
{
    return d->answer(d->guarded<QString>(Q_FUNC_INFO, QString(), [&]() {
        std::shared_ptr<OpenDocument> document = d->files.value(FileHandle);
        const QByteArray name = PdfInformation::keyName(Key);
        if (!document || name.isEmpty()) {
            d->lastError = PdfErrorCode::InvalidArgument;
            return QString();
        }
        return PdfInformation::value(*document->pdf, name);
    }));
}

// --- Whole files ----------------------------------------------------------------

int DebenuPDFLibraryDLLQt1016::EncodePermissions(int CanPrint, int CanCopy, int CanChange, int CanAddNotes,
                                                 int CanFillFields, int CanCopyAccess, int CanAssemble,
                                                 int CanPrintFull)
{
    d->lastError = PdfErrorCode::None;
    return PdfFileWriter::encodePermissions(CanPrint, CanCopy, CanChange, CanAddNotes, CanFillFields,
                                            CanCopyAccess, CanAssemble, CanPrintFull);
}

int DebenuPDFLibraryDLLQt1016::EncryptFile(const QString &InputFileName, const QString &OutputFileName,
                                          const QString &Owner, const QString &User, int Strength,
                                          int Permissions)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        if (!PdfFileWriter::supportsStrength(Strength)) {
            d->lastError = PdfErrorCode::Unsupported;
            return 0;
        }
        std::shared_ptr<OpenDocument> document = d->open(InputFileName, QString());
        if (!document)
            return 0;
        document->pendingEncryption.encryptionStrength = Strength;
        document->pendingEncryption.ownerPassword = Owner;
        document->pendingEncryption.userPassword = User;
        document->pendingEncryption.permissions = Permissions;
        const int result = d->save(*document, OutputFileName);
        if (result)
            d->sources.release(OutputFileName);
        return result;
    });
}

int DebenuPDFLibraryDLLQt1016::DecryptFile(const QString &InputFileName, const QString &OutputFileName,
                                          const QString &Password)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        std::shared_ptr<OpenDocument> document = d->open(InputFileName, Password);
        if (!document)
            return 0;
        PdfFileWriter::Options options;
        options.preserveEncryption = false;
        int error = PdfErrorCode::None;
        if (!PdfFileWriter::write(*document->pdf, OutputFileName, options, &error)) {
            d->lastError = error;
            return 0;
        }
        d->sources.release(OutputFileName);
        return 1;
    });
}

int DebenuPDFLibraryDLLQt1016::ExtractFilePages(const QString &InputFileName, const QString &Password,
                                               const QString &OutputFileName, const QString &RangeList)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        const std::shared_ptr<PageExtractor> extractor = d->extractorFor(InputFileName, Password);
        if (!extractor)
            return 0;
        const QList<int> pages = PageRangeList::pages(RangeList, extractor->pageCount());
        const int result = extractor->extract(pages, OutputFileName);
        d->lastError = result == 1 ? PdfErrorCode::None : extractor->errorCode();
        if (result == 1)
            d->sources.release(OutputFileName);
        return result;
    });
}

int DebenuPDFLibraryDLLQt1016::AddToFileList(const QString &ListName, const QString &FileName)
{
    return AddToFileList(ListName, FileName, nullptr);
}

int DebenuPDFLibraryDLLQt1016::AddToFileList(const QString &ListName, const QString &FileName, int *PageCount)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        if (ListName.isEmpty()) {
            d->lastError = PdfErrorCode::InvalidArgument;
            return 0;
        }
        // Reading the file now refuses what the merge could not use. The
        // merge takes the parse from here for the last few files listed.
        int error = PdfErrorCode::None;
        const std::shared_ptr<QPDF> source = d->mergeSources.open(FileName, QString(), &error);
        if (!source) {
            d->lastError = error;
            return 0;
        }
        // Of the parses waiting for the merge, only the newest holds its
        // whole file in memory; the others read from their files.
        const std::shared_ptr<QPDF> previous = d->lastChecked.lock();
        if (previous && previous != source)
            d->mergeSources.releaseBytes(previous);
        d->lastChecked = source;
        // A document without pages has nothing to merge, and the merge would
        // refuse it: it is left out here, like an unreadable one.
        const int pages = int(source->getAllPages().size());
        if (pages == 0) {
            d->lastError = PdfErrorCode::NotPdf;
            return 0;
        }
        MergeInput input;
        input.path = FileName;
        d->fileLists[ListName].append(input);
        d->listedPageCounts.insert(FileName, pages);
        if (PageCount)
            *PageCount = pages;
        return 1;
    });
}

int DebenuPDFLibraryDLLQt1016::ClearFileList(const QString &ListName)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() { return d->fileLists.remove(ListName) > 0 ? 1 : 0; });
}

int DebenuPDFLibraryDLLQt1016::GetFileListCount(const QString &ListName)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() { return d->fileLists.value(ListName).size(); });
}

int DebenuPDFLibraryDLLQt1016::MergeFileListFast(const QString &ListName, const QString &OutputFileName)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() { return d->mergeList(ListName, OutputFileName, nullptr); });
}

int DebenuPDFLibraryDLLQt1016::MergeFileListFast(const QString &ListName, const QString &OutputFileName,
                                                const PdfOutputOptions &Options)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() { return d->mergeList(ListName, OutputFileName, &Options); });
}

int DebenuPDFLibraryDLLQt1016::MergeFileListFast(const QString &ListName, const QString &OutputFileName,
                                                const PdfOutputOptions &Options, const MergeLayout &Layout)
{
    return d->guarded<int>(Q_FUNC_INFO, 0,
                           [&]() { return d->mergeList(ListName, OutputFileName, &Options, Layout); });
}

int DebenuPDFLibraryDLLQt1016::ChooseListedPages(const QString &ListName, const QList<int> &Pages, int Rotation)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        auto list = d->fileLists.find(ListName);
        if (list == d->fileLists.end() || list->isEmpty() || Rotation % 90 != 0) {
            d->lastError = PdfErrorCode::InvalidArgument;
            return 0;
        }
        MergeInput &input = list->last();
        const int count = d->listedPageCounts.value(input.path);
        for (int page : Pages) {
            if (page < 1 || page > count) {
                d->lastError = PdfErrorCode::InvalidArgument;
                return 0;
            }
        }
        input.pages = Pages;
        input.rotation = (Rotation % 360 + 360) % 360;
        return 1;
    });
}

int DebenuPDFLibraryDLLQt1016::Private::mergeList(const QString &listName, const QString &output,
                                                  const PdfOutputOptions *options, const MergeLayout &layout)
{
    const QList<MergeInput> files = fileLists.value(listName);
    if (files.isEmpty()) {
        lastError = PdfErrorCode::InvalidArgument;
        return 0;
    }
    DocumentMerger merger(&mergeSources);
    merger.setLayout(layout);
    const int pages = merger.mergeInputs(files, output, options);
    lastError = pages > 0 ? PdfErrorCode::None : merger.errorCode();
    lastChecked.reset();
    mergeSources.clear();
    if (pages > 0)
        sources.release(output);
    return pages;
}

int DebenuPDFLibraryDLLQt1016::ExtractPageRanges(const QString &InputFileName, const QString &Password,
                                                const QList<PageRangeOutput> &Ranges, const QString &OutputFolder,
                                                const PdfOutputOptions &Options,
                                                const PageRangeOutput::Report &Report, const OutputNaming &Naming)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        return d->extractRanges(InputFileName, Password, Ranges, OutputFolder, Options, Report, Naming);
    });
}

int DebenuPDFLibraryDLLQt1016::Private::extractRanges(const QString &input, const QString &password,
                                                      const QList<PageRangeOutput> &ranges, const QString &folder,
                                                      const PdfOutputOptions &options,
                                                      const PageRangeOutput::Report &report,
                                                      const OutputNaming &naming)
{
    if (ranges.isEmpty() || folder.isEmpty() || !QFileInfo(folder).isDir()) {
        lastError = PdfErrorCode::InvalidArgument;
        return 0;
    }
    const std::shared_ptr<QPDF> source = openSource(input, password);
    if (!source)
        return 0;
    // Written straight from the source, outputs skip copying pages, but the
    // first one reads every object of the source: worth it when the outputs
    // hold a good part of the document, not for a few pages of a long one.
    qint64 requested = 0;
    const int pageCount = int(source->getAllPages().size());
    for (const PageRangeOutput &range : ranges)
        requested += PageRangeList::pages(range.pages, pageCount).size();
    PageExtractor extractor(source, input, password, requested * 4 >= pageCount);
    PendingRanges pending(folder);
    extractor.setSyncBatch(&pending.batch());
    const QString baseName = QFileInfo(input).baseName();
    int written = 0;
    int failure = PdfErrorCode::None;
    const auto deliver = [&](const PageRangeOutput::Result &result) {
        if (result.path.isEmpty()) {
            failure = result.errorCode;
        } else {
            ++written;
            sources.release(result.path);
        }
        return !report || report(result);
    };
    bool stopped = false;
    for (int i = 0; i < ranges.size() && !stopped; ++i) {
        const PageRangeOutput &range = ranges.at(i);
        const QList<int> pages = PageRangeList::pages(range.pages, extractor.pageCount());
        // Written under a hidden temporary name first: a run killed while
        // writing leaves no file that looks like a finished output.
        const QString temporary = FileUtils::temporaryPathIn(folder);
        if (extractor.extract(pages, temporary, options) == 1) {
            pending.addWritten(i, temporary,
                               range.fileName.isEmpty() ? QStringLiteral("%1_p%2.pdf").arg(baseName, range.pages)
                                                        : range.fileName);
        } else {
            QFile::remove(temporary);
            pending.addFailed(i, extractor.errorCode());
        }
        if (pending.wantsSettling())
            stopped = !pending.settle(deliver, naming);
    }
    if (!stopped)
        pending.settle(deliver, naming);
    // The source goes where the worker's documents go: freeing a parsed
    // manual object by object costs a tenth of its split.
    DocumentDisposal::dispose(source);
    lastError = written > 0 ? PdfErrorCode::None : failure;
    return written;
}

int DebenuPDFLibraryDLLQt1016::ExtractPagesBySize(const QString &InputFileName, const QString &Password,
                                                 qint64 MaxBytes, const QString &OutputFolder,
                                                 const PdfOutputOptions &Options, const SizeLimitedPart::Namer &Namer,
                                                 const SizeLimitedPart::Report &Report, const OutputNaming &Naming)
{
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        if (MaxBytes < 1 || !Namer || OutputFolder.isEmpty() || !QFileInfo(OutputFolder).isDir()) {
            d->lastError = PdfErrorCode::InvalidArgument;
            return 0;
        }
        const std::shared_ptr<QPDF> source = d->openSource(InputFileName, Password);
        if (!source)
            return 0;
        SizeSplitter splitter(source, InputFileName, Password);
        const int written = splitter.run(MaxBytes, OutputFolder, Options, Namer, [&](const SizeLimitedPart &part) {
            if (!part.path.isEmpty())
                d->sources.release(part.path);
            return !Report || Report(part);
        }, Naming);
        DocumentDisposal::dispose(source);
        d->lastError = splitter.errorCode();
        return written;
    });
}

int DebenuPDFLibraryDLLQt1016::ReadOutline(const QString &InputFileName, const QString &Password,
                                          OutlineEntries &Entries)
{
    Entries.clear();
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        int error = PdfErrorCode::None;
        const std::shared_ptr<QPDF> source = d->sources.open(InputFileName, Password, &error);
        if (!source) {
            d->lastError = error;
            return 0;
        }
        Entries = OutlineReader::read(*source);
        return 1;
    });
}

int DebenuPDFLibraryDLLQt1016::ReadPageLabels(const QString &InputFileName, const QString &Password,
                                             QStringList &Labels)
{
    Labels.clear();
    return d->guarded<int>(Q_FUNC_INFO, 0, [&]() {
        int error = PdfErrorCode::None;
        const std::shared_ptr<QPDF> source = d->sources.open(InputFileName, Password, &error);
        if (!source) {
            d->lastError = error;
            return 0;
        }
        Labels = PageLabelReader::read(*source);
        // The labels are all a grid wants of the file: its bytes need not stay.
        d->sources.releaseBytes(source);
        return 1;
    });
}

void DebenuPDFLibraryDLLQt1016::InstallRenderer(std::shared_ptr<PageRendering> Renderer)
{
    if (d->renderer)
        d->renderer->clear();
    d->renderer = std::move(Renderer);
}

bool DebenuPDFLibraryDLLQt1016::HasRenderer() const
{
    return d->renderer != nullptr;
}
