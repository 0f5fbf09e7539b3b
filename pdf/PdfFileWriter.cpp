#include "pdf/PdfFileWriter.h"

#include "pdf/PdfErrorCode.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

#include <cstdio>

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

// A new empty file beside target, created the way any new file is (so it
// gets the user's usual permissions), or an empty path.
QString createScratchBeside(const QFileInfo &target)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString candidate = target.absolutePath()
                                  + QStringLiteral("/.%1.%2.part")
                                        .arg(target.fileName())
                                        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        QFile file(candidate);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return candidate;
        if (file.error() != QFileDevice::OpenError || !target.absoluteDir().exists())
            break;
    }
    return QString();
}

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
    const QString temporaryPath = createScratchBeside(target);
    if (temporaryPath.isEmpty()) {
        setError(errorCode, PdfErrorCode::WriteFailed);
        return false;
    }

    bool written = false;
    try {
        // QPDFWriter keeps the name pointer until write() ends: hold the bytes.
        const QByteArray encodedName = QFile::encodeName(temporaryPath);
        QPDFWriter writer(pdf, encodedName.constData());
        writer.setPreserveEncryption(options.preserveEncryption);
        if (!options.minimumVersion.isEmpty())
            writer.setMinimumPDFVersion(options.minimumVersion.toStdString(), options.minimumExtensionLevel);
        if (options.encryptionStrength != -1)
            applyEncryption(writer, options);
        writer.write();
        written = true;
    } catch (const std::exception &) {
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
            setError(errorCode, PdfErrorCode::WriteFailed);
    }
    if (!written)
        QFile::remove(temporaryPath);
    return written;
}

void PdfFileWriter::applyEncryption(QPDFWriter &writer, const Options &options)
{
    if (options.encryptionStrength != -1)
        ::applyEncryption(writer, options);
}
