#include "pdf/PdfOutputOptions.h"

#include "pdf/PdfInformation.h"

#include <QDateTime>
#include <QSet>

#include <qpdf/QPDFWriter.hh>

void PdfOutputOptions::applyInformation(QPDF &pdf) const
{
    QSet<QByteArray> changed;
    const auto write = [&](const QByteArray &name, const QString &value) {
        if (value.isEmpty() || PdfInformation::value(pdf, name) == value)
            return;
        PdfInformation::setValue(pdf, name, value);
        changed.insert(name);
    };
    // The document's own author stays; the publisher only fills a gap.
    write("/Author", author);
    if (PdfInformation::value(pdf, "/Author").isEmpty())
        write("/Author", publisher);
    write("/Title", title);
    write("/Creator", creator);
    write("/Producer", producer);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    PdfInformation::setValue(pdf, "/ModDate", PdfInformation::pdfDate(now));
    changed.insert("/ModDate");
    PdfInformation::synchroniseMetadata(pdf, changed, now);
}

void PdfOutputOptions::applyProtection(QPDFWriter &writer) const
{
    writer.setPreserveEncryption(false);
    PdfFileWriter::applyEncryption(writer, protection);
}
