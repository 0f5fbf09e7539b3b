// qpdf 11: use std::shared_ptr throughout, without the transition warning.
#ifndef POINTERHOLDER_TRANSITION
#define POINTERHOLDER_TRANSITION 4
#endif

#include "pdf/DocumentMerger.h"

#include "app/FileUtils.h"
#include "app/Logger.h"
#include "pdf/ContentStore.h"
#include "pdf/DestinationRenames.h"
#include "pdf/DocumentDisposal.h"
#include "pdf/InheritedValues.h"
#include "pdf/InputCopier.h"
#include "pdf/MergedForm.h"
#include "pdf/MergedLayers.h"
#include "pdf/MergedNames.h"
#include "pdf/MergedOutline.h"
#include "pdf/PdfErrorCode.h"
#include "pdf/PdfFileWriter.h"
#include "pdf/PdfOutputOptions.h"
#include "pdf/SourceCache.h"
#include "pdf/UniqueNames.h"

#include <QFile>
#include <QFileInfo>

#include <qpdf/Buffer.hh>
#include <qpdf/BufferInputSource.hh>
#include <qpdf/PDFVersion.hh>
#include <qpdf/Pl_Buffer.hh>
#include <qpdf/Pl_Flate.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFWriter.hh>

#include <cstdio>

#include <deque>
#include <exception>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
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
    QPDF out;
    ContentStore store;
    std::vector<Handle> pages;
    std::vector<std::pair<long long, Handle>> labels;
    bool anyLabels = false;
    MergedNames names;
    MergedOutline outline;
    MergedLayers layers;
    MergedForm form;
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
    InputCopier::SharedCopies sharedCopies;

    Private() { out.emptyPDF(); }

    bool add(const QString &path, const QString &password, const QString &title);
    bool leaveOut(const QString &path, const QString &reason);
    void addInput(QPDF &in, const QString &title, const InputCopier::SharedCopies *reusable, InputCopier::SharedCopies &recorded);
    void commitNames();
    void rollbackNames();
    void copyLabels(QPDF &in, InputCopier &copier, long long offset, long long count);
    void buildCatalog();
    void tryPart(const char *what, const std::function<void()> &part);
};

bool DocumentMerger::Private::add(const QString &path, const QString &password, const QString &title)
{
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
    const InputCopier::SharedCopies *reusable = sharedSource.lock() == in ? &sharedCopies : nullptr;
    InputCopier::SharedCopies recorded;
    try {
        addInput(*in, title, reusable, recorded);
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
    } catch (const std::exception &e) {
        store.rollback();
        rollbackNames();
        sharedCopies.clear();
        sharedSource.reset();
        errorCode = PdfErrorCode::NotPdf;
        return leaveOut(path, QString::fromUtf8(e.what()));
    }
}

bool DocumentMerger::Private::leaveOut(const QString &path, const QString &reason)
{
    Logger::instance().log(QStringLiteral("Merge: file left out: %1 (%2)").arg(path, reason), LogError);
    failed << path;
    return false;
}

// Copies the pages first (an input whose pages cannot be copied is left out
// whole); the rest is kept where it can be read and skipped where it cannot.
void DocumentMerger::Private::addInput(QPDF &in, const QString &title, const InputCopier::SharedCopies *reusable,
                                      InputCopier::SharedCopies &recorded)
{
    std::vector<Handle> inputPages = in.getAllPages();
    if (inputPages.empty())
        throw std::runtime_error("the document has no pages");
    const MergedNames::InputDestinations destinations = names.planDestinations(in);
    InputCopier copier(out, store, destinations.renames, reusable, recorded);
    std::vector<Handle> copies;
    copies.reserve(inputPages.size());
    for (Handle page : inputPages) {
        Handle copy = out.makeIndirectObject(Handle::newDictionary());
        copier.mapTo(page, copy);
        copies.push_back(copy);
    }
    InheritedValues inherited(out, copier);
    for (size_t i = 0; i < inputPages.size(); ++i) {
        for (auto item : inputPages[i].getDictAsMap()) {
            if (item.first == "/Parent" || item.first == "/B")
                continue;
            Handle copied = copier.copy(item.second, item.first == "/Resources");
            if (!copied.isNull())
                copies[i].replaceKey(item.first, copied);
        }
        inherited.giveTo(inputPages[i], copies[i]);
    }
    const long long offset = static_cast<long long>(pages.size());
    pages.insert(pages.end(), copies.begin(), copies.end());
    version.updateIfGreater(parseVersion(in.getPDFVersion(), in.getExtensionLevel()));

    tryPart("page labels", [&] { copyLabels(in, copier, offset, static_cast<long long>(copies.size())); });
    tryPart("destinations", [&] { names.copyDestinations(in, copier, destinations); });
    tryPart("outline", [&] { outline.copy(out, in, copier, copies.front(), title); });
    tryPart("form", [&] { form.copy(in, copier); });
    tryPart("attachments", [&] { names.copyAttachments(in, copier); });
    tryPart("optional content", [&] { layers.copy(in, copier); });
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

void DocumentMerger::Private::copyLabels(QPDF &in, InputCopier &copier, long long offset, long long count)
{
    QPDFPageLabelDocumentHelper helper(in);
    if (!helper.hasPageLabels()) {
        // Unlabelled pages read "1, 2, ..." from the start of their input.
        Handle decimal = Handle::newDictionary();
        decimal.replaceKey("/S", Handle::newName("/D"));
        labels.emplace_back(offset, decimal);
        return;
    }
    std::vector<Handle> flat;
    helper.getLabelsForPageRange(0, count - 1, offset, flat);
    for (size_t i = 0; i + 1 < flat.size(); i += 2)
        labels.emplace_back(flat[i].getIntValue(), copier.copy(flat[i + 1]));
    anyLabels = true;
}

void DocumentMerger::Private::buildCatalog()
{
    Handle root = out.getRoot();
    Handle pageTree = root.getKey("/Pages");
    Handle kids = Handle::newArray(pages);
    for (Handle page : pages)
        page.replaceKey("/Parent", pageTree);
    pageTree.replaceKey("/Kids", kids);
    pageTree.replaceKey("/Count", Handle::newInteger(static_cast<long long>(pages.size())));

    if (anyLabels) {
        Handle nums = Handle::newArray();
        for (const auto &label : labels) {
            nums.appendItem(Handle::newInteger(label.first));
            nums.appendItem(label.second);
        }
        Handle pageLabels = Handle::newDictionary();
        pageLabels.replaceKey("/Nums", nums);
        root.replaceKey("/PageLabels", out.makeIndirectObject(pageLabels));
    }
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

bool DocumentMerger::addFile(const QString &path, const QString &password, const QString &outlineTitle)
{
    QString title = outlineTitle;
    if (title.isEmpty()) {
        title = QFileInfo(path).fileName();
        if (title.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            title.chop(4);
    }
    return d->add(path, password, title);
}

int DocumentMerger::pageCount() const
{
    return static_cast<int>(d->pages.size());
}

QStringList DocumentMerger::failedFiles() const
{
    return d->failed;
}

int DocumentMerger::merge(const QStringList &files, const QString &output, const PdfOutputOptions *options)
{
    d->errorCode = PdfErrorCode::None;
    if (files.isEmpty() || output.isEmpty()) {
        d->errorCode = PdfErrorCode::InvalidArgument;
        return 0;
    }
    for (const QString &file : files) {
        if (!addFile(file))
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
    if (d->pages.empty() || outputPath.isEmpty()) {
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
