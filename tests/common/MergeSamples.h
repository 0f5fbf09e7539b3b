#pragma once

// Small PDF documents generated with the qpdf library for the merge tests and
// the merge benchmark: pages that name themselves in their content, an
// embedded "font" stream that many documents share byte for byte, named
// destinations with links to them, and form fields.

#ifndef POINTERHOLDER_TRANSITION
#define POINTERHOLDER_TRANSITION 4
#endif

#include <QByteArray>
#include <QFile>
#include <QString>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

#include <string>
#include <vector>

namespace MergeSamples {

struct Options
{
    int pages = 1;
    QString marker = QStringLiteral("page");   // page i shows "<marker> <i>"
    int fontBytes = 0;            // size of the shared font stream; 0 for none
    char fontSeed = 'F';          // documents with the same seed share the font
    QString destination;          // a named destination on the last page, linked from page 1
    bool destinationObject = false;   // the destination an object of its own, as TeX writes them
    QString fieldName;            // a text field on page 1 with this name
    QString fieldValue;
    QString layer;                // page 1 draws inside this optional content group, hidden by default
    std::string version = "1.4";
    bool objectStreams = false;
};

inline QPDFObjectHandle fontFor(QPDF &pdf, const Options &options)
{
    QPDFObjectHandle font = QPDFObjectHandle::parse("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>");
    if (options.fontBytes > 0) {
        std::string data(static_cast<size_t>(options.fontBytes), ' ');
        unsigned state = static_cast<unsigned char>(options.fontSeed);
        for (char &c : data) {   // incompressible, reproducible bytes
            state = state * 1103515245u + 12345u;
            c = static_cast<char>(state >> 16);
        }
        QPDFObjectHandle file = QPDFObjectHandle::newStream(&pdf, data);
        QPDFObjectHandle descriptor = pdf.makeIndirectObject(QPDFObjectHandle::parse(
            "<< /Type /FontDescriptor /FontName /Sample /Flags 32 /ItalicAngle 0 /Ascent 700 /Descent -200"
            " /CapHeight 700 /StemV 80 /FontBBox [0 -200 1000 700] >>"));
        descriptor.replaceKey("/FontFile", file);
        font = QPDFObjectHandle::parse("<< /Type /Font /Subtype /Type1 /BaseFont /Sample /FirstChar 32 /LastChar 32"
                                       " /Widths [250] >>");
        font.replaceKey("/FontDescriptor", descriptor);
    }
    return pdf.makeIndirectObject(font);
}

inline QPDFObjectHandle linkTo(const QString &destination)
{
    QPDFObjectHandle link = QPDFObjectHandle::parse("<< /Type /Annot /Subtype /Link /Rect [72 600 300 620] /Border [0 0 0] >>");
    link.replaceKey("/Dest", QPDFObjectHandle::newString(destination.toStdString()));
    return link;
}

inline QPDFObjectHandle textField(QPDF &pdf, QPDFObjectHandle page, const Options &options)
{
    QPDFObjectHandle field = pdf.makeIndirectObject(QPDFObjectHandle::parse(
        "<< /Type /Annot /Subtype /Widget /FT /Tx /Rect [72 500 300 520] /F 4 /DA (/Helv 12 Tf 0 g) >>"));
    field.replaceKey("/T", QPDFObjectHandle::newUnicodeString(options.fieldName.toStdString()));
    field.replaceKey("/V", QPDFObjectHandle::newUnicodeString(options.fieldValue.toStdString()));
    field.replaceKey("/P", page);
    return field;
}

// Writes the document; true on success.
inline bool write(const QString &path, const Options &options)
{
    QPDF pdf;
    pdf.emptyPDF();
    QPDFObjectHandle font = fontFor(pdf, options);
    QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
    resources.replaceKey("/Font", QPDFObjectHandle::newDictionary());
    resources.getKey("/Font").replaceKey("/F1", font);
    QPDFObjectHandle layer;
    if (!options.layer.isEmpty()) {
        layer = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /OCG >>"));
        layer.replaceKey("/Name", QPDFObjectHandle::newUnicodeString(options.layer.toStdString()));
        resources.replaceKey("/Properties", QPDFObjectHandle::newDictionary());
        resources.getKey("/Properties").replaceKey("/L1", layer);
        QPDFObjectHandle groups = QPDFObjectHandle::newArray(std::vector<QPDFObjectHandle>{layer});
        QPDFObjectHandle config = QPDFObjectHandle::newDictionary();
        config.replaceKey("/OFF", groups);
        config.replaceKey("/Order", groups);
        QPDFObjectHandle properties = QPDFObjectHandle::newDictionary();
        properties.replaceKey("/OCGs", groups);
        properties.replaceKey("/D", config);
        pdf.getRoot().replaceKey("/OCProperties", properties);
    }
    std::vector<QPDFObjectHandle> pages;
    for (int i = 1; i <= options.pages; ++i) {
        const std::string text = QStringLiteral("%1 %2").arg(options.marker).arg(i).toStdString();
        std::string content = "BT /F1 24 Tf 72 700 Td (" + text + ") Tj ET\n";
        if (layer.isInitialized())
            content += "/OC /L1 BDC 0 0 1 rg 72 72 200 200 re f EMC\n";
        QPDFObjectHandle page = pdf.makeIndirectObject(QPDFObjectHandle::parse(
            "<< /Type /Page /MediaBox [0 0 612 792] >>"));
        page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, content));
        page.replaceKey("/Resources", resources);
        pdf.addPage(page, false);
        pages.push_back(pdf.getAllPages().back());
    }
    QPDFObjectHandle annots = QPDFObjectHandle::newArray();
    if (!options.destination.isEmpty()) {
        QPDFObjectHandle dest = QPDFObjectHandle::newArray();
        dest.appendItem(pages.back());
        dest.appendItem(QPDFObjectHandle::newName("/Fit"));
        QPDFObjectHandle names = QPDFObjectHandle::newArray();
        names.appendItem(QPDFObjectHandle::newString(options.destination.toStdString()));
        names.appendItem(options.destinationObject ? pdf.makeIndirectObject(dest) : dest);
        QPDFObjectHandle tree = QPDFObjectHandle::newDictionary();
        tree.replaceKey("/Names", names);
        QPDFObjectHandle nameDict = QPDFObjectHandle::newDictionary();
        nameDict.replaceKey("/Dests", pdf.makeIndirectObject(tree));
        pdf.getRoot().replaceKey("/Names", nameDict);
        annots.appendItem(pdf.makeIndirectObject(linkTo(options.destination)));
        // An outline entry that goes there by name, through a GoTo action.
        QPDFObjectHandle outlines = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Outlines /Count 1 >>"));
        QPDFObjectHandle item = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Title (Summary) /A << /S /GoTo >> >>"));
        item.getKey("/A").replaceKey("/D", QPDFObjectHandle::newString(options.destination.toStdString()));
        item.replaceKey("/Parent", outlines);
        outlines.replaceKey("/First", item);
        outlines.replaceKey("/Last", item);
        pdf.getRoot().replaceKey("/Outlines", outlines);
    }
    if (!options.fieldName.isEmpty()) {
        QPDFObjectHandle field = textField(pdf, pages.front(), options);
        annots.appendItem(field);
        QPDFObjectHandle form = QPDFObjectHandle::parse("<< /DA (/Helv 12 Tf 0 g) >>");
        form.replaceKey("/Fields", QPDFObjectHandle::newArray(std::vector<QPDFObjectHandle>{field}));
        QPDFObjectHandle helv = QPDFObjectHandle::parse("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>");
        form.replaceKey("/DR", QPDFObjectHandle::newDictionary());
        form.getKey("/DR").replaceKey("/Font", QPDFObjectHandle::newDictionary());
        form.getKey("/DR").getKey("/Font").replaceKey("/Helv", pdf.makeIndirectObject(helv));
        pdf.getRoot().replaceKey("/AcroForm", pdf.makeIndirectObject(form));
    }
    if (annots.getArrayNItems() > 0)
        pages.front().replaceKey("/Annots", annots);
    try {
        const QByteArray encodedName = QFile::encodeName(path); // must outlive the writer
        QPDFWriter writer(pdf, encodedName.constData());
        writer.setMinimumPDFVersion(options.version);
        writer.setStaticID(true);
        if (options.objectStreams)
            writer.setObjectStreamMode(qpdf_o_generate);
        writer.write();
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

} // namespace MergeSamples
