#include "pdf/DocumentMerger.h"

#include "app/FileUtils.h"
#include "app/Logger.h"
#include "pdf/ChosenPages.h"
#include "pdf/ContentStore.h"
#include "pdf/DocumentDisposal.h"
#include "pdf/InputCopier.h"
#include "pdf/MergedForm.h"
#include "pdf/MergedLayers.h"
#include "pdf/MergedNames.h"
#include "pdf/MergedOutline.h"
#include "pdf/MergedPages.h"
#include "pdf/PdfErrorCode.h"
#include "pdf/PdfFileWriter.h"
#include "pdf/PdfInformation.h"
#include "pdf/PdfOutputOptions.h"
#include "pdf/SourceCache.h"

#include <QFile>
#include <QFileInfo>

#include <qpdf/PDFVersion.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using Handle = QPDFObjectHandle;

PDFVersion parseVersion(const std::string &text, int extension)
{
    int major = 1;
    int minor = 3;
    const size_t dot = text.find('.');
    if (dot != std::string::npos) {
        major = std::atoi(text.substr(0, dot).c_str());
        minor = std::atoi(text.substr(dot + 1).c_str());
    }
    return PDFVersion(major, minor, extension);
}

} // namespace

struct DocumentMerger::Private
{
    using SharedCopies = InputCopier::SharedCopies;

    QPDF out;
    ContentStore store;
    MergedPages pages;
    MergedNames names;
    MergedOutline outline;
    MergedLayers layers;
    MergedForm form;
    MergeLayout layout;
    PDFVersion version = PDFVersion(1, 3, 0);
    QStringList failed;
    int errorCode = PdfErrorCode::None;

    // Inputs are parsed through a cache that keeps the last one: an input
    // given again in a row (a document merged with itself) is parsed once,
    // and the library's own cache hands over the parse its check made.
    SourceCache ownSources{1};
    SourceCache *sources = &ownSources;
    std::weak_ptr<QPDF> sharedSource;   // the input sharedCopies were made from
    QString lastInput;                  // the path of the last input copied
    SharedCopies sharedCopies;

    Private() { out.emptyPDF(); }

    bool add(const MergeInput &input, const QString &password, const QString &title);
    bool leaveOut(const QString &path, const QString &reason);
    // Forgets what a failed input had begun to copy.
    void rollback();
    void addInput(QPDF &in, const MergeInput &input, const QString &title, const SharedCopies *reusable,
                  SharedCopies &recorded);
    void carryInformation(QPDF &in);
    void commitNames();
    void rollbackNames();
    void buildCatalog();
    void tryPart(const char *what, const std::function<void()> &part);
};

bool DocumentMerger::Private::add(const MergeInput &input, const QString &password, const QString &title)
{
    const QString &path = input.path;
    // The previous input's parse goes before another file is read (the same
    // file again keeps it: its copies serve again).
    if (!lastInput.isEmpty() && QFileInfo(lastInput) != QFileInfo(path))
        sources->release(lastInput);
    int openError = PdfErrorCode::None;
    const std::shared_ptr<QPDF> in = sources->open(path, password, &openError);
    if (!in) {
        errorCode = openError;
        return leaveOut(path, QStringLiteral("error code %1").arg(openError));
    }
    // The same parsed document again (merged with itself): its shareable
    // copies serve again.
    const SharedCopies *reusable = sharedSource.lock() == in ? &sharedCopies : nullptr;
    SharedCopies recorded;
    try {
        addInput(*in, input, title, reusable, recorded);
        // Everything of the input is copied: its file's bytes need not stay
        // in memory (a second pass over the same parse reads the little it
        // copies again from the file).
        sources->releaseBytes(in);
        store.commit();
        commitNames();
        sharedCopies = std::move(recorded);
        sharedSource = in;
        lastInput = path;
        return true;
    } catch (const std::bad_alloc &) {
        rollback();
        errorCode = PdfErrorCode::OutOfMemory;
        return leaveOut(path, QStringLiteral("out of memory"));
    } catch (const std::exception &e) {
        rollback();
        errorCode = PdfErrorCode::NotPdf;
        return leaveOut(path, QString::fromUtf8(e.what()));
    }
}

void DocumentMerger::Private::rollback()
{
    store.rollback();
    rollbackNames();
    sharedCopies.clear();
    sharedSource.reset();
}

bool DocumentMerger::Private::leaveOut(const QString &path, const QString &reason)
{
    Logger::instance().log(QStringLiteral("Merge: file left out: %1 (%2)").arg(path, reason), LogError);
    failed << path;
    return false;
}

// Copies the pages first (an input whose pages cannot be copied is left out
// whole); the rest is kept where it can be read and skipped where it cannot.
void DocumentMerger::Private::addInput(QPDF &in, const MergeInput &input, const QString &title,
                                       const SharedCopies *reusable, SharedCopies &recorded)
{
    const std::vector<Handle> &inputPages = in.getAllPages();
    if (inputPages.empty())
        throw std::runtime_error("the document has no pages");
    ChosenPages chosen(in, inputPages, input.pages);
    // Only a chosen part needs its navigation sorted by where it leads.
    ChosenPages *part = chosen.isWhole() ? nullptr : &chosen;
    const MergedNames::InputDestinations destinations = names.planDestinations(in);
    InputCopier copier(out, store, destinations.renames, reusable, recorded);
    chosen.hideLeftOutWidgets(copier);
    const bool firstInput = pages.count() == 0;
    const std::vector<Handle> copies = pages.copy(out, copier, chosen, input.rotation);
    version.updateIfGreater(parseVersion(in.getPDFVersion(), in.getExtensionLevel()));

    const long long pageCount = static_cast<long long>(inputPages.size());
    tryPart("page labels", [&] { pages.copyLabels(in, copier, pageCount); });
    tryPart("destinations", [&] { names.copyDestinations(in, copier, destinations, part); });
    tryPart("outline", [&] { outline.copy(out, in, copier, copies.front(), title, part); });
    tryPart("form", [&] { form.copy(in, copier, part != nullptr); });
    tryPart("attachments", [&] { names.copyAttachments(in, copier); });
    tryPart("optional content", [&] { layers.copy(in, copier); });
    if (firstInput)
        tryPart("document information", [&] { carryInformation(in); });
}

// The merged document is described by its first input's information and
// XMP packet; the finishing options then write over what they change.
void DocumentMerger::Private::carryInformation(QPDF &in)
{
    out.getTrailer().replaceKey("/Info", out.makeIndirectObject(PdfInformation::informationCopy(in)));
    const QByteArray xmp = PdfInformation::metadataPacket(in);
    if (!xmp.isEmpty())
        PdfInformation::setMetadata(out.getRoot(), Handle::newStream(&out), xmp);
}

void DocumentMerger::Private::tryPart(const char *what, const std::function<void()> &part)
{
    try {
        part();
    } catch (const std::exception &e) {
        Logger::instance().log(QStringLiteral("Merge: %1 of an input skipped (%2)")
                                   .arg(QString::fromLatin1(what), QString::fromUtf8(e.what())),
                               LogWarning);
    }
}

void DocumentMerger::Private::commitNames()
{
    names.commit();
    form.commit();
}

void DocumentMerger::Private::rollbackNames()
{
    names.rollback();
    form.rollback();
}

void DocumentMerger::Private::buildCatalog()
{
    Handle root = out.getRoot();
    // Taken from its end, the last input begins in the result where its
    // last page goes: its entry points there.
    if (layout.interleave && layout.reverseLast && pages.inputCount() > 0) {
        const std::vector<Handle> &last = pages.copiesOf(pages.inputCount() - 1);
        outline.retarget(last.front(), last.back());
    }
    pages.writeTo(out, root);
    names.writeTo(out, root);
    outline.writeTo(out, root);
    layers.writeTo(root);
    form.writeTo(out, root);
}

DocumentMerger::DocumentMerger(SourceCache *sources)
    : d(new Private)
{
    if (sources)
        d->sources = sources;
}

// The merged document, its copies and the last input's records go as one:
// kept to the end of a worker process, freed at once elsewhere.
DocumentMerger::~DocumentMerger()
{
    DocumentDisposal::dispose(std::shared_ptr<Private>(std::move(d)));
}

void DocumentMerger::setLayout(const MergeLayout &layout)
{
    d->layout = layout;
    d->pages.setLayout(layout);
}

bool DocumentMerger::addFile(const QString &path, const QString &password, const QString &outlineTitle)
{
    MergeInput input;
    input.path = path;
    return addFile(input, password, outlineTitle);
}

bool DocumentMerger::addFile(const MergeInput &input, const QString &password, const QString &outlineTitle)
{
    QString title = outlineTitle;
    if (title.isEmpty()) {
        title = QFileInfo(input.path).fileName();
        if (title.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            title.chop(4);
    }
    return d->add(input, password, title);
}

int DocumentMerger::pageCount() const
{
    return static_cast<int>(d->pages.count());
}

QStringList DocumentMerger::failedFiles() const
{
    return d->failed;
}

int DocumentMerger::merge(const QStringList &files, const QString &output, const PdfOutputOptions *options)
{
    QList<MergeInput> inputs;
    for (const QString &file : files) {
        MergeInput input;
        input.path = file;
        inputs << input;
    }
    return mergeInputs(inputs, output, options);
}

int DocumentMerger::mergeInputs(const QList<MergeInput> &inputs, const QString &output, const PdfOutputOptions *options)
{
    d->errorCode = PdfErrorCode::None;
    if (inputs.isEmpty() || output.isEmpty()) {
        d->errorCode = PdfErrorCode::InvalidArgument;
        return 0;
    }
    for (const MergeInput &input : inputs) {
        if (!addFile(input))
            return 0;
    }
    return write(output, options) ? pageCount() : 0;
}

int DocumentMerger::errorCode() const
{
    return d->errorCode;
}

bool DocumentMerger::write(const QString &outputPath, const PdfOutputOptions *options)
{
    if (d->pages.count() == 0 || outputPath.isEmpty()) {
        d->errorCode = PdfErrorCode::InvalidArgument;
        return false;
    }
    const QFileInfo target(outputPath);
    const QString partPath = FileUtils::temporaryPathIn(target.absolutePath());
    const QByteArray path = QFile::encodeName(partPath);
    // Every input is copied: the parse of the last one leaves memory before
    // the writer needs its own.
    if (!d->lastInput.isEmpty())
        d->sources->release(d->lastInput);
    try {
        d->buildCatalog();
        if (options)
            options->applyInformation(d->out);
        QPDFWriter writer(d->out);
        writer.setObjectStreamMode(qpdf_o_generate);
        writer.setMinimumPDFVersion(d->version);
        if (options)
            options->applyProtection(writer);
        if (!PdfFileWriter::writeWhole(d->out, writer, partPath, &d->errorCode))
            return false;
    } catch (const std::bad_alloc &) {
        // Told as such: no other disk or folder would help.
        Logger::instance().log(QStringLiteral("Merge: writing %1 failed (out of memory)").arg(outputPath), LogError);
        QFile::remove(partPath);
        d->errorCode = PdfErrorCode::OutOfMemory;
        return false;
    } catch (const std::exception &e) {
        Logger::instance().log(QStringLiteral("Merge: writing %1 failed (%2)").arg(outputPath, QString::fromUtf8(e.what())),
                               LogError);
        QFile::remove(partPath);
        d->errorCode = PdfErrorCode::WriteFailed;
        return false;
    }
    if (std::rename(path.constData(), QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        d->errorCode = PdfErrorCode::writeFailure(errno);
        QFile::remove(partPath);
        return false;
    }
    return true;
}

int DocumentMerger::mergeFiles(const QStringList &paths, const QString &outputPath, QStringList *failedFiles)
{
    DocumentMerger merger;
    for (const QString &path : paths)
        merger.addFile(path);
    if (failedFiles)
        *failedFiles = merger.failedFiles();
    return merger.write(outputPath) ? merger.pageCount() : 0;
}
