#include "protocol/WriteError.h"

#include "pdf/PdfErrorCode.h"

#include <QCoreApplication>

namespace {
struct Cause
{
    int code;
    const char *value;
    const char *sentence;
};

// The sentences are marked here and translated in sentence().
const Cause causes[] = {
    {PdfErrorCode::DiskFull, "disk_full", QT_TRANSLATE_NOOP("WriteError", "The disk is full.")},
    {PdfErrorCode::FileTooLarge, "file_too_large",
     QT_TRANSLATE_NOOP("WriteError", "A file grew past the largest size the drive allows (4 GB on a FAT32 drive) "
                                     "or the system lets this program write.")},
    {PdfErrorCode::ReadOnlyDrive, "read_only_drive",
     QT_TRANSLATE_NOOP("WriteError", "The folder is on a drive that can only be read.")},
    {PdfErrorCode::AccessDenied, "access_denied",
     QT_TRANSLATE_NOOP("WriteError", "You do not have permission to write into the folder.")},
    {PdfErrorCode::OutOfMemory, "out_of_memory",
     QT_TRANSLATE_NOOP("WriteError", "The computer ran out of memory. Closing other programs may help.")},
};
} // namespace

QString WriteError::fromPdfErrorCode(int code)
{
    for (const Cause &cause : causes) {
        if (cause.code == code)
            return QString::fromLatin1(cause.value);
    }
    return QString();
}

QString WriteError::sentence(const QString &value)
{
    for (const Cause &cause : causes) {
        if (value == QLatin1String(cause.value))
            return QCoreApplication::translate("WriteError", cause.sentence);
    }
    return QString();
}
