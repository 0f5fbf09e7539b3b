#include "pdf/DebenuService.h"

#include "app/Logger.h"
#include "pdf/PageRendering.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMutexLocker>

#include <algorithm>
#include <cmath>

namespace {

QString libraryLocation()
{
    const QString folder = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    return folder + QStringLiteral("/") + QStringLiteral("DebenuPDFLibraryDLL1016.dll");
}

// Printing, copying, changing and adding notes; no form filling, copying for
// accessibility, assembling or full-quality printing.
const int kGrants[8] = {1, 1, 1, 1, 0, 0, 0, 0};

} // namespace

DebenuService::DebenuService()
    : DebenuPDFLibraryDLLQt1016(libraryLocation())
{
    qDebug() << Q_FUNC_INFO;
    init();
}

DebenuService::~DebenuService()
{
    qDebug() << Q_FUNC_INFO;
}

void DebenuService::init()
{
    QMutexLocker lock(&m_mutex);
    if (instanceId() <= 0 && CreateLibrary() <= 0) {
        qDebug() << Q_FUNC_INFO << "Init failed";
        Logger::instance().log(QStringLiteral("Initialization library failed"), LogError);
    }
}

bool DebenuService::loadFile(const QString &path, const QString &password, int *documentId,
                             bool *needsPassword, bool bigData)
{
    QMutexLocker lock(&m_mutex);
    if (!bigData) {
        if (LoadFromFile(path, password) == 1) {
            *needsPassword = false;
            *documentId = SelectedDocument();
            return true;
        }
    } else {
        const int handle = DAOpenFile(path, password);
        if (handle != 0) {
            *needsPassword = false;
            *documentId = handle;
            return true;
        }
    }
    const int code = LastErrorCode();
    Logger::instance().log(QStringLiteral("Can not load file:%1. Error code:%2").arg(path).arg(code), LogDebug);
    if (code == 404) {
        *needsPassword = true;
        return true;
    }
    return false;
}

int DebenuService::closeDocument(int documentId, bool bigData)
{
    QMutexLocker lock(&m_mutex);
    return bigData ? DACloseFile(documentId) : RemoveDocument(documentId);
}

int DebenuService::pageCount(int documentId, bool bigData)
{
    QMutexLocker lock(&m_mutex);
    if (bigData)
        return DAGetPageCount(documentId);
    if (SelectDocument(documentId) != 1)
        return 0;
    return PageCount();
}

QSizeF DebenuService::pageSizeInPoints(int documentId, int page, bool bigData)
{
    QMutexLocker lock(&m_mutex);
    double width = 0;
    double height = 0;
    int rotation = 0;
    if (!bigData) {
        // A failed selection must not answer for the previously selected page.
        if (SelectDocument(documentId) != 1 || SelectPage(page) != 1)
            return QSizeF();
        width = GetPageBox(2, 2);
        height = GetPageBox(2, 3);
        rotation = PageRotation();
    } else {
        const int ref = DAFindPage(documentId, page);
        width = DAGetPageBox(documentId, ref, 2, 2);
        height = DAGetPageBox(documentId, ref, 2, 3);
        rotation = DAPageRotation(documentId, ref);
    }
    if (rotation == 90 || rotation == 270)
        std::swap(width, height);
    return QSizeF(width, height);
}

QSize DebenuService::pageSize(int documentId, int page, bool bigData)
{
    return shownSize(pageSizeInPoints(documentId, page, bigData));
}

QSize DebenuService::shownSize(const QSizeF &points)
{
    const double width = points.width();
    const double height = points.height();
    if (!std::isfinite(width) || !std::isfinite(height) || width < 1 || height < 1)
        return QSize();
    // Scaled before the cast: a side past an int's range is never cast.
    const double scale = std::min(1.0, double(maxShownSide) / std::max(width, height));
    const auto side = [scale](double points) {
        return int(std::clamp(std::floor(points * scale), 1.0, double(maxShownSide)));
    };
    return QSize(side(width), side(height));
}

void DebenuService::installRenderer(std::shared_ptr<PageRendering> renderer)
{
    QMutexLocker lock(&m_mutex);
    InstallRenderer(std::move(renderer));
}

bool DebenuService::hasRenderer()
{
    QMutexLocker lock(&m_mutex);
    return HasRenderer();
}

bool DebenuService::renderPage(int documentId, int page, bool bigData, const PageBitmap &bitmap)
{
    QMutexLocker lock(&m_mutex);
    bool drawn = false;
    if (!bigData) {
        if (SelectDocument(documentId) != 1 || SelectPage(page) != 1)
            return false;
        qDebug() << Q_FUNC_INFO << "Page:" << page;
        drawn = RenderPageToBitmap(page, bitmap) == 1;
    } else {
        drawn = DARenderPageToBitmap(documentId, DAFindPage(documentId, page), bitmap) == 1;
    }
    qDebug() << Q_FUNC_INFO << "render result:" << (drawn ? 1 : 0);
    return drawn;
}

bool DebenuService::saveDocument(int documentId, const QString &path, bool bigData)
{
    QMutexLocker lock(&m_mutex);
    if (bigData)
        return DASaveAsFile(documentId, path) != 0;
    if (SelectDocument(documentId) != 1)
        return false;
    return SaveToFile(path) == 1;
}

bool DebenuService::setDocumentProperties(int documentId, const QString &author, const QString &title,
                                          const QString &password, const QString &creator,
                                          const QString &producer, bool bigData)
{
    QMutexLocker lock(&m_mutex);
    if (bigData) {
        DASetInformation(documentId, QStringLiteral("Author"), author);
        DASetInformation(documentId, QStringLiteral("Title"), title);
        DASetInformation(documentId, QStringLiteral("Creator"), creator);
        DASetInformation(documentId, QStringLiteral("Producer"), producer);
        return true;
    }
    if (SelectDocument(documentId) != 1)
        return false;
    SetInformation(1, author);
    SetInformation(2, title);
    SetInformation(5, creator);
    SetInformation(6, producer);
    const int permissions = EncodePermissions(kGrants[0], kGrants[1], kGrants[2], kGrants[3], kGrants[4],
                                              kGrants[5], kGrants[6], kGrants[7]);
    const QString trimmed = password.trimmed();
    if (trimmed.isEmpty())
        return true;
    if (Encrypt(trimmed, trimmed, 1, permissions) == 0) {
        Logger::instance().log(QStringLiteral("The document could not be encrypted.%1").arg(LastErrorCode()),
                               LogError);
        return false;
    }
    return true;
}

QString DebenuService::documentTitle(int documentId, bool bigData)
{
    QMutexLocker lock(&m_mutex);
    if (bigData)
        return DAGetInformation(documentId, QStringLiteral("Title"));
    if (SelectDocument(documentId) != 1)
        return QString();
    return GetInformation(2);
}

bool DebenuService::isEncrypted(int documentId, bool bigData)
{
    if (bigData)
        return false;
    QMutexLocker lock(&m_mutex);
    if (SelectDocument(documentId) != 1)
        return false;
    return SecurityInfo(0) == 1;
}

bool DebenuService::contentCopyPermitted(int documentId)
{
    QMutexLocker lock(&m_mutex);
    if (SelectDocument(documentId) != 1)
        return false;
    return SecurityInfo(5) == 6;
}

int DebenuService::decryptFile(const QString &input, const QString &output, const QString &password)
{
    QMutexLocker lock(&m_mutex);
    return DecryptFile(input, output, password);
}

int DebenuService::encryptFile(const QString &input, const QString &output, const QString &password)
{
    QMutexLocker lock(&m_mutex);
    const int permissions = EncodePermissions(kGrants[0], kGrants[1], kGrants[2], kGrants[3], kGrants[4],
                                              kGrants[5], kGrants[6], kGrants[7]);
    const QString p = password.trimmed();
    return EncryptFile(input, output, p, p, 1, permissions);
}

int DebenuService::extractFilePages(const QString &input, const QString &password, const QString &output,
                                    const QString &rangeList)
{
    QMutexLocker lock(&m_mutex);
    return ExtractFilePages(input, password, output, rangeList);
}

int DebenuService::addToFileList(const QString &listName, const QString &fileName, int *pageCount)
{
    QMutexLocker lock(&m_mutex);
    return AddToFileList(listName, fileName, pageCount);
}

int DebenuService::chooseListedPages(const QString &listName, const QList<int> &pages, int rotation)
{
    QMutexLocker lock(&m_mutex);
    return ChooseListedPages(listName, pages, rotation);
}

int DebenuService::mergeFileListFast(const QString &listName, const QString &output)
{
    QMutexLocker lock(&m_mutex);
    return MergeFileListFast(listName, output);
}

OutputPermissions DebenuService::outputPermissions()
{
    OutputPermissions granted;
    granted.print = kGrants[0];
    granted.copy = kGrants[1];
    granted.change = kGrants[2];
    granted.addNotes = kGrants[3];
    granted.fillForms = kGrants[4];
    granted.copyForAccessibility = kGrants[5];
    granted.assemble = kGrants[6];
    granted.printFullQuality = kGrants[7];
    return granted;
}

PdfOutputOptions DebenuService::outputOptions(const QString &author, const QString &title, const QString &password,
                                              const QString &creator, const QString &producer,
                                              const QString &publisher)
{
    QMutexLocker lock(&m_mutex);
    PdfOutputOptions options;
    options.author = author;
    options.title = title;
    options.creator = creator;
    options.producer = producer;
    options.publisher = publisher;
    const QString trimmed = password.trimmed();
    if (!trimmed.isEmpty()) {
        options.protection.encryptionStrength = 1;
        options.protection.ownerPassword = trimmed;
        options.protection.userPassword = trimmed;
        options.protection.permissions = EncodePermissions(kGrants[0], kGrants[1], kGrants[2], kGrants[3],
                                                           kGrants[4], kGrants[5], kGrants[6], kGrants[7]);
    }
    return options;
}

int DebenuService::mergeFileList(const QString &listName, const QString &output, const PdfOutputOptions &options,
                                 const MergeLayout &layout)
{
    QMutexLocker lock(&m_mutex);
    return MergeFileListFast(listName, output, options, layout);
}

int DebenuService::extractPageRanges(const QString &input, const QString &password,
                                     const QList<PageRangeOutput> &ranges, const QString &outputFolder,
                                     const PdfOutputOptions &options, const PageRangeOutput::Report &report,
                                     const OutputNaming &naming)
{
    QMutexLocker lock(&m_mutex);
    return ExtractPageRanges(input, password, ranges, outputFolder, options, report, naming);
}

int DebenuService::extractPagesBySize(const QString &input, const QString &password, qint64 maxBytes,
                                      const QString &outputFolder, const PdfOutputOptions &options,
                                      const SizeLimitedPart::Namer &namer, const SizeLimitedPart::Report &report,
                                      const OutputNaming &naming)
{
    QMutexLocker lock(&m_mutex);
    return ExtractPagesBySize(input, password, maxBytes, outputFolder, options, namer, report, naming);
}

bool DebenuService::outline(const QString &path, const QString &password, OutlineEntries *entries)
{
    QMutexLocker lock(&m_mutex);
    OutlineEntries read;
    const bool ok = ReadOutline(path, password, read) == 1;
    if (entries)
        *entries = read;
    return ok;
}

bool DebenuService::pageLabels(const QString &path, const QString &password, QStringList *labels)
{
    QMutexLocker lock(&m_mutex);
    QStringList read;
    const bool ok = ReadPageLabels(path, password, read) == 1;
    if (labels)
        *labels = read;
    return ok;
}

int DebenuService::lastErrorCode()
{
    QMutexLocker lock(&m_mutex);
    return LastErrorCode();
}
