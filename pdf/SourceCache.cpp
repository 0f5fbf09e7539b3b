#include "pdf/SourceCache.h"

#include "app/Logger.h"
#include "pdf/DocumentDisposal.h"
#include "pdf/MemoryFileSource.h"
#include "pdf/PageTreeRepair.h"
#include "pdf/PdfErrorCode.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QStringList>

#include <qpdf/Buffer.hh>
#include <qpdf/BufferInputSource.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFSystemError.hh>

#include <new>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

struct SourceCache::Entry
{
    QString path;
    QByteArray stamp;
    QByteArray passwordHash;
    std::shared_ptr<QPDF> pdf;
    std::shared_ptr<MemoryFileSource> memory;   // null when parsed straight from the file
};

namespace {

void setError(int *errorCode, int value)
{
    if (errorCode)
        *errorCode = value;
}

// The password only as a digest, so the cache never keeps it in clear text.
QByteArray passwordDigest(const QString &password)
{
    return QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Sha256);
}

// Larger files are parsed straight from the file.
const qint64 maxInMemorySource = 512LL * 1024 * 1024;

// A document parsed from the file's bytes in memory (MemoryFileSource):
// thousands of inputs never hold thousands of handles.
struct InMemoryDocument
{
    QPDF pdf;
};

// Whether the file may be a PDF that qpdf can read. qpdf reads a file whose
// header is missing or mangled (it then repairs what it finds), so the header
// alone decides nothing; but a file with neither a header in its first
// kilobyte, nor an object among its first 64 kB, nor a cross-reference
// pointer at its end is no PDF any reader opens, and qpdf's repair would
// scan it whole (seconds for a renamed video) before giving up.
bool mayBePdf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(64 * 1024);
    if (head.left(1024).contains("%PDF-"))
        return true;
    static const QRegularExpression objectStart(QStringLiteral("\\d+\\s+\\d+\\s+obj\\b"));
    if (objectStart.match(QString::fromLatin1(head)).hasMatch())
        return true;
    return file.seek(qMax<qint64>(0, file.size() - 1024)) && file.read(1024).contains("startxref");
}

// What qpdf mended while reading the file (it reports each repair as a
// warning: a missing header, a rebuilt cross-reference table, a broken
// object) and what the page tree needed, for the log: the file opens as
// other readers open it, and whoever reads the log learns that it is
// damaged.
void logRepairs(QPDF &pdf, const QString &path, const QString &pageTreeNote)
{
    const std::vector<QPDFExc> warnings = pdf.getWarnings();
    if (warnings.empty() && pageTreeNote.isEmpty())
        return;
    QStringList told;
    for (size_t i = 0; i < warnings.size() && i < 3; ++i)
        told << QString::fromStdString(warnings[i].getMessageDetail());
    if (!pageTreeNote.isEmpty())
        told << pageTreeNote;
    Logger::instance().log(QStringLiteral("%1 is damaged and was mended while reading (%2 repair(s)): %3")
                               .arg(path)
                               .arg(warnings.size() + (pageTreeNote.isEmpty() ? 0 : 1))
                               .arg(told.join(QStringLiteral("; "))),
                           LogWarning);
}

} // namespace

SourceCache::SourceCache(int capacity)
    : m_capacity(qMax(1, capacity))
{
}

SourceCache::~SourceCache() = default;

QByteArray SourceCache::fileStamp(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return QByteArray();
    return QByteArray::number(qint64(status.st_size)) + ':'
           + QByteArray::number(qint64(status.st_mtim.tv_sec)) + '.'
           + QByteArray::number(qint64(status.st_mtim.tv_nsec)) + ':'
           + QByteArray::number(quint64(status.st_ino)) + ':'
           + QByteArray::number(quint64(status.st_dev));
#else
    const QFileInfo info(path);
    if (!info.exists())
        return QByteArray();
    return QByteArray::number(info.size()) + ':'
           + QByteArray::number(info.lastModified().toMSecsSinceEpoch());
#endif
}

std::shared_ptr<QPDF> SourceCache::parse(const QString &path, const QString &password, int *errorCode)
{
    return parse(path, password, errorCode, nullptr);
}

std::shared_ptr<QPDF> SourceCache::parse(const QString &path, const QString &password, int *errorCode,
                                         std::shared_ptr<MemoryFileSource> *memory)
{
    setError(errorCode, PdfErrorCode::None);
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || !info.isReadable()) {
        setError(errorCode, PdfErrorCode::FileNotFound);
        return {};
    }
    if (!mayBePdf(path)) {
        setError(errorCode, PdfErrorCode::NotPdf);
        return {};
    }
    std::shared_ptr<QPDF> pdf;
    try {
        const std::string name = QFile::encodeName(path).toStdString();
        const std::string secret = password.toUtf8().toStdString();
        QFile file(path);
        if (file.size() > 0 && file.size() <= maxInMemorySource && file.open(QIODevice::ReadOnly)) {
            const QByteArray stamp = fileStamp(path);
            const QByteArray bytes = file.readAll();
            file.close();
            auto source = std::make_shared<MemoryFileSource>(name, path, bytes, stamp);
            auto document = std::make_shared<InMemoryDocument>();
            pdf = std::shared_ptr<QPDF>(document, &document->pdf);
            pdf->setSuppressWarnings(true);
            pdf->processInputSource(source, secret.c_str());
            if (memory)
                *memory = source;
        } else {
            pdf = std::make_shared<QPDF>();
            pdf->setSuppressWarnings(true);
            pdf->processFile(name.c_str(), secret.c_str());
        }
        // Reading the page tree now turns a broken tree into a load failure
        // instead of a failure in whatever asks for pages first.
        const QString pageTreeNote = PageTreeRepair::mendIfNeeded(*pdf);
        QPDFPageDocumentHelper(*pdf).getAllPages();
        logRepairs(*pdf, path, pageTreeNote);
        return pdf;
    } catch (const QPDFExc &e) {
        setError(errorCode, e.getErrorCode() == qpdf_e_password ? PdfErrorCode::PasswordNeeded
                                                               : PdfErrorCode::NotPdf);
    } catch (const QPDFSystemError &) {
        setError(errorCode, PdfErrorCode::FileNotFound);
    } catch (const std::bad_alloc &) {
        Logger::instance().log(QStringLiteral("Reading %1 ran out of memory").arg(path), LogError);
        setError(errorCode, PdfErrorCode::OutOfMemory);
    } catch (const std::exception &e) {
        Logger::instance().log(QStringLiteral("Reading %1 failed (%2)").arg(path, QString::fromUtf8(e.what())),
                               LogError);
        setError(errorCode, PdfErrorCode::NotPdf);
    }
    return {};
}

std::shared_ptr<QPDF> SourceCache::open(const QString &path, const QString &password, int *errorCode)
{
    setError(errorCode, PdfErrorCode::None);
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QByteArray stamp = fileStamp(absolute);
    const QByteArray digest = passwordDigest(password);
    {
        QMutexLocker lock(&m_mutex);
        for (int i = 0; i < m_entries.size(); ++i) {
            const std::shared_ptr<Entry> entry = m_entries.at(i);
            if (entry->path != absolute || entry->passwordHash != digest)
                continue;
            if (!stamp.isEmpty() && entry->stamp == stamp) {
                m_entries.move(i, 0);
                return entry->pdf;
            }
            m_entries.removeAt(i); // the file changed: its parse is stale
            break;
        }
        // Room for the new parse is made before it is made, so a full cache
        // never holds more parses than its capacity.
        while (m_entries.size() >= m_capacity)
            m_entries.removeLast();
    }

    // Parsing runs outside the lock; two threads may parse the same file once each.
    std::shared_ptr<MemoryFileSource> memory;
    std::shared_ptr<QPDF> pdf = parse(absolute, password, errorCode, &memory);
    if (!pdf || stamp.isEmpty())
        return pdf;

    auto entry = std::make_shared<Entry>();
    entry->path = absolute;
    entry->stamp = stamp;
    entry->passwordHash = digest;
    entry->pdf = pdf;
    entry->memory = memory;
    QMutexLocker lock(&m_mutex);
    ++m_parseCount;
    m_entries.prepend(entry);
    while (m_entries.size() > m_capacity)
        m_entries.removeLast();
    return pdf;
}

void SourceCache::release(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QMutexLocker lock(&m_mutex);
    for (int i = m_entries.size() - 1; i >= 0; --i) {
        if (m_entries.at(i)->path == absolute)
            m_entries.removeAt(i);
    }
}

void SourceCache::releaseBytes(const std::shared_ptr<QPDF> &pdf)
{
    QMutexLocker lock(&m_mutex);
    for (const std::shared_ptr<Entry> &entry : qAsConst(m_entries)) {
        if (entry->pdf == pdf && entry->memory)
            entry->memory->releaseBytes();
    }
}

void SourceCache::clear()
{
    QList<std::shared_ptr<Entry>> entries;
    {
        QMutexLocker lock(&m_mutex);
        entries.swap(m_entries);
    }
    for (const std::shared_ptr<Entry> &entry : qAsConst(entries))
        DocumentDisposal::dispose(entry);
}

int SourceCache::size() const
{
    QMutexLocker lock(&m_mutex);
    return m_entries.size();
}

int SourceCache::parseCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_parseCount;
}
