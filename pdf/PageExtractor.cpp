#include "pdf/PageExtractor.h"

#include "pdf/CopyDepth.h"
#include "pdf/ExtractedLinks.h"
#include "pdf/ExtractedOutline.h"
#include "pdf/ExtractedPageLabels.h"
#include "pdf/Extraction.h"
#include "pdf/IndirectObjects.h"
#include "pdf/PageReach.h"
#include "pdf/PdfErrorCode.h"
#include "pdf/PdfFileWriter.h"
#include "pdf/PdfInformation.h"
#include "pdf/PdfOutputOptions.h"
#include "pdf/SourceCache.h"
#include "pdf/SourceIndex.h"
#include "pdf/TemporaryChanges.h"

#include <QDebug>
#include <QFile>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// Deepest recursion let into qpdf's copy of pages: about 4 MB of its stack
// frames, half the stack a process starts with. A chain of 5,000 form
// XObjects takes 20,000 levels.
constexpr size_t maxCopyDepth = 25000;

// True when the list holds each page once, in ascending order.
bool inOrder(const QList<int> &numbers)
{
    for (int i = 1; i < numbers.size(); ++i) {
        if (numbers.at(i) <= numbers.at(i - 1))
            return false;
    }
    return true;
}

// True when the list keeps at least half of pageCount pages, each once, in
// ascending order: then dropping pages beats copying them.
bool keepsMostPagesInOrder(const QList<int> &numbers, int pageCount)
{
    return numbers.size() * 2 >= pageCount && inOrder(numbers);
}

// Links, named destinations, outline and page labels of the kept pages.
void carryOver(Extraction &x, const QList<int> &numbers)
{
    for (int number : numbers)
        x.kept.push_back(number - 1);
    std::sort(x.kept.begin(), x.kept.end());
    x.kept.erase(std::unique(x.kept.begin(), x.kept.end()), x.kept.end());
    ExtractedLinks links(x);
    for (int i = 0; i < numbers.size(); ++i)
        links.fix(x.index.pages[size_t(numbers.at(i) - 1)], x.targetPages[size_t(i)]);
    links.writeNamedDestinations();
    ExtractedOutline::copy(x);
    ExtractedPageLabels::copy(x, numbers);
}

// Whether some of pdf's objects are stored in object streams. Cost: a copy
// of the cross-reference table.
bool usesObjectStreams(QPDF &pdf)
{
    for (const auto &entry : pdf.getXRefTable()) {
        if (entry.second.getType() == 2)
            return true;
    }
    return false;
}

// Writes target straight to path with the information and protection of
// options, its objects packed into object streams when objectStreams says
// so; the version is not lower than the source's. False when writing failed
// (nothing is then left at path), with the write failure's code in
// errorCode.
bool writeFinished(QPDF &target, QPDF &source, const QString &path, const PdfOutputOptions &options,
                   bool objectStreams, SyncBatch *batch, int &errorCode)
{
    try {
        options.applyInformation(target);
        QPDFWriter writer(target);
        writer.setMinimumPDFVersion(source.getPDFVersion(), source.getExtensionLevel());
        // Stream data is copied as the source stores it: no decoding and
        // recompressing per output (fonts shared by all pages would otherwise
        // be handled again for every file).
        writer.setDecodeLevel(qpdf_dl_none);
        writer.setCompressStreams(false);
        // Object streams are made anew (keeping the source's would walk its
        // whole cross-reference table for every output).
        writer.setObjectStreamMode(objectStreams ? qpdf_o_generate : qpdf_o_disable);
        options.applyProtection(writer);
        return PdfFileWriter::writeWhole(target, writer, path, &errorCode, batch);
    } catch (const std::exception &e) {
        qDebug() << Q_FUNC_INFO << "failed:" << e.what();
        errorCode = PdfErrorCode::WriteFailed;
        return false;
    }
}

} // namespace

struct PageExtractor::Private
{
    std::shared_ptr<QPDF> source;
    QString path;
    QString password;
    bool privateSource = false;
    SourceIndex index;
    int errorCode = PdfErrorCode::None;
    // For outputs written from the source itself.
    std::unique_ptr<IndirectObjects> viewObjects;
    std::unique_ptr<PageReach> reach;
    SyncBatch *syncBatch = nullptr;
    // The source's XMP packet, read once; and the stream that holds each
    // output's copy of it when outputs are written from the source.
    std::optional<QByteArray> metadata;
    QPDFObjectHandle viewMetadata;
    std::optional<bool> objectStreams;   // whether the source packs objects into object streams

    QPDFAcroFormDocumentHelper *sourceForm();
    const QByteArray &sourceMetadata();
    bool packsObjects(const QList<int> &numbers);
    int extract(const QList<int> &numbers, const QString &output, const PdfOutputOptions *finish);
    int extractInPlace(const QList<int> &numbers, const QString &output, const PdfOutputOptions &finish);
    int extractFromSource(const QList<int> &numbers, const QString &output, const PdfOutputOptions &finish);
    bool canWriteFromSource(const QList<int> &numbers);
    bool copyTooDeep(const QList<int> &numbers) const;
};

QPDFAcroFormDocumentHelper *PageExtractor::Private::sourceForm()
{
    if (!index.formChecked) {
        index.formChecked = true;
        QPDFObjectHandle form = source->getRoot().getKey("/AcroForm");
        if (form.isDictionary() && form.getKey("/Fields").isArray() && form.getKey("/Fields").getArrayNItems() > 0)
            index.form = std::make_unique<QPDFAcroFormDocumentHelper>(*source);
    }
    return index.form.get();
}

const QByteArray &PageExtractor::Private::sourceMetadata()
{
    if (!metadata)
        metadata = PdfInformation::metadataPacket(*source);
    return *metadata;
}

// An output is packed into object streams as its source is: unpacked, the
// outlines, links and destinations of a manual take half as much room
// again. A single page gains little from it, and is written faster without.
bool PageExtractor::Private::packsObjects(const QList<int> &numbers)
{
    if (numbers.size() < 2)
        return false;
    if (!objectStreams)
        objectStreams = usesObjectStreams(*source);
    return *objectStreams;
}

PageExtractor::PageExtractor(std::shared_ptr<QPDF> source, const QString &path, const QString &password,
                             bool privateSource)
    : d(new Private)
{
    d->source = std::move(source);
    d->path = path;
    d->password = password;
    d->privateSource = privateSource;
    if (privateSource) {
        // Pages carry what they inherit, so each can stand alone under
        // another page tree node.
        d->source->pushInheritedAttributesToPage();
        d->viewObjects = std::make_unique<IndirectObjects>(*d->source, true);
        d->reach = std::make_unique<PageReach>(d->index, *d->viewObjects);
    }
    d->index.readPages(*d->source);
}

PageExtractor::~PageExtractor() = default;

const std::shared_ptr<QPDF> &PageExtractor::source() const
{
    return d->source;
}

int PageExtractor::pageCount() const
{
    return int(d->index.pages.size());
}

int PageExtractor::errorCode() const
{
    return d->errorCode;
}

int PageExtractor::extract(const QList<int> &pages, const QString &output)
{
    return d->extract(pages, output, nullptr);
}

int PageExtractor::extract(const QList<int> &pages, const QString &output, const PdfOutputOptions &options)
{
    return d->extract(pages, output, &options);
}

void PageExtractor::setSyncBatch(SyncBatch *batch)
{
    d->syncBatch = batch;
}

int PageExtractor::Private::extract(const QList<int> &numbers, const QString &output, const PdfOutputOptions *finish)
{
    errorCode = PdfErrorCode::None;
    const int pageCount = int(index.pages.size());
    if (numbers.isEmpty()
        || std::any_of(numbers.begin(), numbers.end(), [&](int page) { return page < 1 || page > pageCount; })) {
        errorCode = PdfErrorCode::InvalidArgument;
        return 0;
    }
    try {
        if (finish && canWriteFromSource(numbers)) {
            const int written = extractFromSource(numbers, output, *finish);
            if (written >= 0)
                return written;
            // Something of the kept pages leads to a page left out: copy.
            source->updateAllPagesCache();
        }
        if (finish && !privateSource && keepsMostPagesInOrder(numbers, pageCount) && !sourceForm()) {
            // Most of the document stays: dropping the other pages from a
            // private parse costs less time and memory than copying the kept
            // ones into a new document.
            return extractInPlace(numbers, output, *finish);
        }
        if (copyTooDeep(numbers)) {
            // qpdf's writer follows long chains without recursion, its copy
            // does not: such pages are kept by dropping the others, or fail.
            if (finish && inOrder(numbers) && !sourceForm())
                return extractInPlace(numbers, output, *finish);
            qDebug() << Q_FUNC_INFO << "objects of the pages nest deeper than" << maxCopyDepth << "levels";
            errorCode = PdfErrorCode::NotPdf;
            return 0;
        }
        QPDF target;
        target.setSuppressWarnings(true);
        target.emptyPDF();
        IndirectObjects objects(target, false);
        Extraction x(*source, index, target, target.getRoot(), objects);
        QPDFPageDocumentHelper targetPages(target);
        for (int i = 0; i < numbers.size(); ++i) {
            targetPages.addPage(QPDFPageObjectHelper(index.pages[size_t(numbers.at(i) - 1)]), false);
            x.firstCopy.emplace(numbers.at(i) - 1, i);
        }
        x.targetPages = target.getAllPages();

        // Fields first: this gives each copied page its own annotations,
        // which the link repair below then edits.
        if (QPDFAcroFormDocumentHelper *form = sourceForm()) {
            QPDFAcroFormDocumentHelper targetForm(target);
            for (int i = 0; i < numbers.size(); ++i)
                targetForm.fixCopiedAnnotations(x.targetPages[size_t(i)], index.pages[size_t(numbers.at(i) - 1)], *form);
        }
        carryOver(x, numbers);
        target.getTrailer().replaceKey("/Info", target.makeIndirectObject(PdfInformation::informationCopy(*source)));
        const QByteArray xmp = sourceMetadata();
        if (!xmp.isEmpty())
            PdfInformation::setMetadata(target.getRoot(), QPDFObjectHandle::newStream(&target), xmp);

        if (finish) {
            if (!writeFinished(target, *source, output, *finish, packsObjects(numbers), syncBatch, errorCode))
                return 0;
            return 1;
        }
        PdfFileWriter::Options options;
        options.minimumVersion = QString::fromStdString(source->getPDFVersion());
        options.minimumExtensionLevel = source->getExtensionLevel();
        int writeError = PdfErrorCode::None;
        if (!PdfFileWriter::write(target, output, options, &writeError)) {
            errorCode = writeError;
            return 0;
        }
        return 1;
    } catch (const std::exception &e) {
        qDebug() << Q_FUNC_INFO << "failed:" << e.what();
        errorCode = PdfErrorCode::Internal;
        return 0;
    }
}

int PageExtractor::Private::extractInPlace(const QList<int> &numbers, const QString &output,
                                           const PdfOutputOptions &finish)
{
    int openError = PdfErrorCode::None;
    const std::shared_ptr<QPDF> own = SourceCache::parse(path, password, &openError);
    if (!own) {
        errorCode = openError;
        return 0;
    }
    QPDF &pdf = *own;
    pdf.pushInheritedAttributesToPage();
    PageExtractor ownExtractor(own, path, password);   // page numbers before removal
    SourceIndex &ownIndex = ownExtractor.d->index;
    QPDFObjectHandle catalog = QPDFObjectHandle::newDictionary();
    catalog.replaceKey("/Type", QPDFObjectHandle::newName("/Catalog"));
    catalog.replaceKey("/Pages", pdf.getRoot().getKey("/Pages"));
    catalog = pdf.makeIndirectObject(catalog);
    IndirectObjects objects(pdf, false);
    Extraction x(pdf, ownIndex, pdf, catalog, objects);
    for (int i = 0; i < numbers.size(); ++i)
        x.firstCopy.emplace(numbers.at(i) - 1, i);
    QPDFPageDocumentHelper helper(pdf);
    for (size_t p = 0; p < ownIndex.pages.size(); ++p) {
        if (!x.firstCopy.count(int(p)))
            helper.removePage(QPDFPageObjectHelper(ownIndex.pages[p]));
    }
    x.targetPages = pdf.getAllPages();
    // Everything is read from the old catalog; the output gets only the
    // new one, so nothing there can lead back to a dropped page.
    carryOver(x, numbers);
    QPDFObjectHandle metadata = pdf.getRoot().getKey("/Metadata");
    if (metadata.isStream())
        catalog.replaceKey("/Metadata", metadata);   // the Info dictionary stays as it is too
    pdf.getTrailer().replaceKey("/Root", catalog);
    if (!writeFinished(pdf, pdf, output, finish, packsObjects(numbers), syncBatch, errorCode))
        return 0;
    return 1;
}

// Whether copying the pages would take qpdf deeper than it can go.
bool PageExtractor::Private::copyTooDeep(const QList<int> &numbers) const
{
    std::vector<QPDFObjectHandle> pages;
    for (int number : numbers)
        pages.push_back(index.pages[size_t(number - 1)]);
    return CopyDepth::exceeds(pages, maxCopyDepth);
}

// Outputs are written straight from a private source without forms (whose
// field trees lead from page to page), each page once.
bool PageExtractor::Private::canWriteFromSource(const QList<int> &numbers)
{
    if (!privateSource || sourceForm())
        return false;
    ObjGenSet seen;
    for (int number : numbers) {
        if (!seen.insert(index.pages[size_t(number - 1)].getObjGen()).second)
            return false;
    }
    return true;
}

// The kept pages go under a page tree node of their own in a catalog of
// their own, with their outline, labels and named destinations; the trailer
// points at that catalog while the writer, which writes only what it can
// reach from the trailer, runs. No page is copied. 1 written, 0 failed, -1
// when the output would reach a page left out (nothing is written then).
int PageExtractor::Private::extractFromSource(const QList<int> &numbers, const QString &output,
                                              const PdfOutputOptions &finish)
{
    QPDF &pdf = *source;
    std::vector<QPDFObjectHandle> pages;
    ObjGenSet kept;
    for (int number : numbers) {
        pages.push_back(index.pages[size_t(number - 1)]);
        kept.insert(pages.back().getObjGen());
    }
    viewObjects->startOutput();
    QPDFObjectHandle tree = viewObjects->make(QPDFObjectHandle::newDictionary());
    tree.replaceKey("/Type", QPDFObjectHandle::newName("/Pages"));
    tree.replaceKey("/Kids", QPDFObjectHandle::newArray(pages));
    tree.replaceKey("/Count", QPDFObjectHandle::newInteger(static_cast<long long>(pages.size())));
    QPDFObjectHandle catalog = viewObjects->make(QPDFObjectHandle::newDictionary());
    catalog.replaceKey("/Type", QPDFObjectHandle::newName("/Catalog"));
    catalog.replaceKey("/Pages", tree);

    const QByteArray xmp = sourceMetadata();
    if (!xmp.isEmpty()) {
        if (!viewMetadata.isInitialized())
            viewMetadata = QPDFObjectHandle::newStream(&pdf);
        PdfInformation::setMetadata(catalog, viewMetadata, xmp);
    }
    QPDFObjectHandle info = viewObjects->make(PdfInformation::informationCopy(pdf));

    Extraction x(pdf, index, pdf, catalog, *viewObjects);
    x.targetPages = pages;
    x.view = true;
    for (int i = 0; i < numbers.size(); ++i)
        x.firstCopy.emplace(numbers.at(i) - 1, i);
    carryOver(x, numbers);   // reads the source's own catalog, still in place

    TemporaryChanges changes;
    for (QPDFObjectHandle page : pages) {
        changes.set(page, "/Parent", tree);
        changes.remove(page, "/B");   // article beads lead through their thread to other pages
    }
    for (auto &annotations : x.viewAnnots)
        changes.set(annotations.first, "/Annots", QPDFObjectHandle::newArray(annotations.second));
    QPDFObjectHandle trailer = pdf.getTrailer();
    changes.set(trailer, "/Root", catalog);
    changes.set(trailer, "/Info", info);
    if (reach->leavesOut(catalog, tree, kept))
        return -1;
    const bool packed = packsObjects(numbers);   // (read before the writer's view of the source)
    pdf.updateAllPagesCache();   // the writer asks for the pages: the kept ones
    if (!writeFinished(pdf, pdf, output, finish, packed, syncBatch, errorCode))
        return 0;
    return 1;
}
