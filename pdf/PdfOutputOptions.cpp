#include "pdf/PdfOutputOptions.h"

#include "pdf/PdfInformation.h"

#include <QSet>

#include <qpdf/QPDFWriter.hh>

void PdfOutputOptions::applyInformation(QPDF &pdf) const
{
    const std::pair<int, QString> entries[] = {{1, author}, {2, title}, {5, creator}, {6, producer}};
    QSet<QByteArray> names;
    for (const auto &entry : entries) {
        const QByteArray name = PdfInformation::keyName(entry.first);
        PdfInformation::setValue(pdf, name, entry.second);
        names.insert(name);
    }
    PdfInformation::synchroniseMetadata(pdf, names);
}

void PdfOutputOptions::applyProtection(QPDFWriter &writer) const
{
    writer.setPreserveEncryption(false);
    PdfFileWriter::applyEncryption(writer, protection);
}
