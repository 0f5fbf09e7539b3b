#include "pdf/PdfFileWriter.h"

#include "app/FileUtils.h"
#include "app/Logger.h"
#include "app/StopRequest.h"
#include "pdf/PdfErrorCode.h"
#include "pdf/SyncBatch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

enum PermissionBit {
    BitPrint = 1 << 2,
    BitModify = 1 << 3,
    BitCopy = 1 << 4,
    BitAnnotate = 1 << 5,
    BitFillForms = 1 << 8,
    BitAccessibility = 1 << 9,
    BitAssemble = 1 << 10,
    BitPrintFull = 1 << 11
};

void setError(int *errorCode, int value)
{
    if (errorCode)
        *errorCode = value;
}

qpdf_r3_print_e printLevel(int permissions)
{
    if (!(permissions & BitPrint))
        return qpdf_r3p_none;
    return (permissions & BitPrintFull) ? qpdf_r3p_full : qpdf_r3p_low;
}

void applyEncryption(QPDFWriter &writer, const PdfFileWriter::Options &options)
{
    const std::string user = options.userPassword.toStdString();
    const std::string owner = options.ownerPassword.toStdString();
    const int p = options.permissions;
    if (options.encryptionStrength == 2) {
        writer.setR4EncryptionParametersInsecure(
            user.c_str(), owner.c_str(), p & BitAccessibility, p & BitCopy, p & BitAssemble,
            p & BitAnnotate, p & BitFillForms, p & BitModify, printLevel(p), true, true);
        return;
    }
    writer.setR6EncryptionParameters(user.c_str(), owner.c_str(), p & BitAccessibility, p & BitCopy,
                                     p & BitAssemble, p & BitAnnotate, p & BitFillForms, p & BitModify,
                                     printLevel(p), true);
}

// Keeps the trailer entries a PDF defines and gives it a /Size, whose value
// QPDFWriter fills in: a trailer without one (as some damaged sources have)
// is written without one, and readers then take the file for damaged.
void tidyTrailer(QPDF &pdf)
{
    static const std::set<std::string> defined = {"/Size", "/Root", "/Info", "/ID", "/Encrypt"};
    QPDFObjectHandle trailer = pdf.getTrailer();
    if (!trailer.isDictionary())
        return;
    for (const std::string &key : trailer.getKeys()) {
        if (!defined.count(key))
            trailer.removeKey(key);
    }
    if (!trailer.hasKey("/Size"))
        trailer.replaceKey("/Size", QPDFObjectHandle::newInteger(0));
}

#ifndef Q_OS_WIN
// The end of a QPDFWriter pipeline: buffers the many small pieces qpdf
// writes, sends them out with write(2), checking every result, and syncs
// the file when qpdf finishes. The first failure is kept; it is thrown from
// write() so that QPDFWriter::write() stops, but never while an exception is
// already on its way (qpdf finishes its pipelines from destructors).
class WholeFileSink : public Pipeline
{
public:
    // sync: fsync in complete() (files that are to reach a user's folder).
    WholeFileSink(int fd, bool sync)
        : Pipeline("output file", nullptr), m_fd(fd), m_sync(sync), m_buffer(new unsigned char[capacity])
    {
    }

    void write(unsigned char const *data, size_t length) override
    {
        if (!m_problem.empty())
            return;
        if (m_used + length > capacity)
            flushBuffer();
        if (length >= capacity)
            writeAll(data, length);
        else if (m_problem.empty()) {
            std::memcpy(m_buffer.get() + m_used, data, length);
            m_used += length;
        }
        if (!m_problem.empty() && std::uncaught_exceptions() == 0)
            throw std::runtime_error(m_problem);
    }

    // qpdf calls this whenever one of its own pipelines on top ends, many
    // times per file: it only hands on what is buffered.
    void finish() override
    {
        flushBuffer();
    }

    // After QPDFWriter::write(): the last bytes out, and the file synced. A
    // delayed write error (full disk, quota, network file system) shows
    // here at the latest.
    void complete()
    {
        flushBuffer();
        if (m_sync && m_problem.empty() && ::fsync(m_fd) != 0 && errno != EINVAL)
            fail("fsync");
        m_finished = true;
    }

    // Finished with every byte written and synced.
    bool isWhole() const { return m_finished && m_problem.empty(); }
    // The errno of the first failed system call; 0 when none failed.
    int error() const { return m_error; }
    QString problem() const
    {
        if (!m_problem.empty())
            return QString::fromStdString(m_problem);
        return m_finished ? QString() : QStringLiteral("the output was not finished");
    }

private:
    static constexpr size_t capacity = 256 * 1024;

    void flushBuffer()
    {
        const size_t used = m_used;
        m_used = 0;
        if (used > 0)
            writeAll(m_buffer.get(), used);
    }

    void writeAll(unsigned char const *data, size_t length)
    {
        if (!m_problem.empty())
            return;
        if (StopRequest::isSet()) {
            m_problem = "stopped on request";
            return;
        }
        while (length > 0) {
            const ssize_t written = ::write(m_fd, data, length);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0) {
                fail("write");
                return;
            }
            data += written;
            length -= size_t(written);
        }
    }

    void fail(const char *what)
    {
        m_error = errno ? errno : EIO;
        m_problem = std::string(what) + ": " + std::strerror(m_error);
    }

    int m_fd;
    bool m_sync;
    // Left uninitialised: zeroing it for every output of a split into single
    // pages took 4% of the run.
    std::unique_ptr<unsigned char[]> m_buffer;
    size_t m_used = 0;
    bool m_finished = false;
    std::string m_problem;
    int m_error = 0;
};
#endif

} // namespace

bool PdfFileWriter::supportsStrength(int strength)
{
    return strength == 1 || strength == 2 || strength == 3;
}

int PdfFileWriter::encodePermissions(bool canPrint, bool canCopy, bool canChange, bool canAddNotes,
                                     bool canFillFields, bool canCopyAccess, bool canAssemble,
                                     bool canPrintFull)
{
    // Bits 1-2 are zero, 7-8 and 13-32 are one (the reserved bits of /P).
    quint32 value = 0xFFFFF0C0u;
    value |= canPrint ? BitPrint : 0;
    value |= canChange ? BitModify : 0;
    value |= canCopy ? BitCopy : 0;
    value |= canAddNotes ? BitAnnotate : 0;
    value |= canFillFields ? BitFillForms : 0;
    value |= canCopyAccess ? BitAccessibility : 0;
    value |= canAssemble ? BitAssemble : 0;
    value |= canPrintFull ? BitPrintFull : 0;
    return int(value);
}

bool PdfFileWriter::write(QPDF &pdf, const QString &path, const Options &options, int *errorCode)
{
    setError(errorCode, PdfErrorCode::None);
    if (path.isEmpty() || QFileInfo(path).isDir()) {
        setError(errorCode, PdfErrorCode::WriteFailed);
        return false;
    }
    if (options.encryptionStrength != -1 && !supportsStrength(options.encryptionStrength)) {
        setError(errorCode, PdfErrorCode::Unsupported);
        return false;
    }
    const QFileInfo target(path);
    // Written under a temporary name beside the target, so that the target
    // is either the complete new file or untouched.
    const QString temporaryPath = FileUtils::temporaryPathIn(target.absolutePath());

    bool written = false;
    try {
        QPDFWriter writer(pdf);
        writer.setPreserveEncryption(options.preserveEncryption);
        if (!options.minimumVersion.isEmpty())
            writer.setMinimumPDFVersion(options.minimumVersion.toStdString(), options.minimumExtensionLevel);
        if (options.encryptionStrength != -1)
            applyEncryption(writer, options);
        written = writeWhole(pdf, writer, temporaryPath, errorCode);
    } catch (const std::exception &e) {
        Logger::instance().log(QStringLiteral("Writing %1 failed (%2)")
                                   .arg(QDir::toNativeSeparators(path), QString::fromUtf8(e.what())), LogError);
        setError(errorCode, PdfErrorCode::WriteFailed);
    }

    if (written) {
        // rename() replaces an existing target in one step where the platform allows it.
#ifdef Q_OS_WIN
        QFile::remove(path);
#endif
        written = std::rename(QFile::encodeName(temporaryPath).constData(),
                              QFile::encodeName(target.absoluteFilePath()).constData())
                  == 0;
        if (!written)
            setError(errorCode, PdfErrorCode::writeFailure(errno));
    }
    if (!written)
        QFile::remove(temporaryPath);
    return written;
}

bool PdfFileWriter::writeWhole(QPDF &pdf, QPDFWriter &writer, const QString &path, int *errorCode,
                               SyncBatch *batch)
{
    tidyTrailer(pdf);
    const QByteArray native = QFile::encodeName(path);
    // error: the errno of the failed system call (0: the failure was not one).
    auto failed = [&](const QString &reason, int error) {
        Logger::instance().log(QStringLiteral("Writing %1 failed (%2)").arg(QDir::toNativeSeparators(path), reason),
                               LogError);
        setError(errorCode, PdfErrorCode::writeFailure(error));
        return false;
    };
#ifdef Q_OS_WIN
    Q_UNUSED(batch)
    try {
        writer.setOutputFilename(native.constData());
        writer.write();
        return true;
    } catch (const std::exception &e) {
        QFile::remove(path);
        return failed(QString::fromUtf8(e.what()), 0);
    }
#else
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        const int error = errno;
        return failed(QString::fromUtf8(std::strerror(error)), error);
    }
    // Scratch files in the session folder (decrypted copies, merge steps)
    // are nobody else's business, and never reach a user's folder as they
    // are: they need no sync. Outputs get the user's usual rights.
    const bool scratch = FileUtils::isInWorkerSession(path);
    if (scratch)
        ::fchmod(fd, 0600);
    QString problem;
    int error = 0;
    bool whole = false;
    const bool deferSync = batch && !scratch;
    // Outside the try: qpdf finishes its pipelines while it unwinds from a
    // failed write, and the sink keeps the first failure for the report.
    WholeFileSink sink(fd, !scratch && !deferSync);
    try {
        writer.setOutputPipeline(&sink);
        writer.write();
        sink.complete();
        whole = sink.isWhole();
        problem = sink.problem();
    } catch (const std::exception &e) {
        problem = sink.problem().isEmpty() ? QString::fromUtf8(e.what()) : sink.problem();
    }
    error = sink.error();
    if (whole && deferSync) {
        batch->add(fd, path);
        return true;
    }
    if (::close(fd) != 0 && whole) {
        whole = false;
        error = errno;
        problem = QStringLiteral("close: ") + QString::fromUtf8(std::strerror(error));
    }
    if (whole)
        return true;
    ::unlink(native.constData());
    return failed(problem, error);
#endif
}

void PdfFileWriter::applyEncryption(QPDFWriter &writer, const Options &options)
{
    if (options.encryptionStrength != -1)
        ::applyEncryption(writer, options);
}
