#include "TestPdf.h"

#include <QFile>
#include <QRandomGenerator>

#include <memory>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFEFStreamObjectHelper.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>
#include <qpdf/QPDFFileSpecObjectHelper.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

namespace TestPdf {

bool write(const QString &path, const QList<Page> &pages, const QMap<QByteArray, QString> &info,
           int inheritedRotate)
{
    try {
        QPDF pdf;
        pdf.emptyPDF();
        QPDFObjectHandle font = pdf.makeIndirectObject(QPDFObjectHandle::parse(
            "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"));
        QPDFPageDocumentHelper helper(pdf);
        int number = 0;
        for (const Page &spec : pages) {
            ++number;
            const std::string content = "q 0 0 0 rg 20 20 60 60 re f Q BT /F1 18 Tf 20 100 Td (Page "
                                        + std::to_string(number) + ") Tj ET\n" + spec.extraContent.toStdString();
            QPDFObjectHandle stream = QPDFObjectHandle::newStream(&pdf, content);
            QPDFObjectHandle page = QPDFObjectHandle::parse(
                "<< /Type /Page /MediaBox [0 0 " + std::to_string(spec.width) + " "
                + std::to_string(spec.height) + "] >>");
            QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
            QPDFObjectHandle fonts = QPDFObjectHandle::newDictionary();
            fonts.replaceKey("/F1", font);
            resources.replaceKey("/Font", fonts);
            page.replaceKey("/Resources", resources);
            page.replaceKey("/Contents", stream);
            if (spec.rotate != 0)
                page.replaceKey("/Rotate", QPDFObjectHandle::newInteger(spec.rotate));
            helper.addPage(pdf.makeIndirectObject(page), false);
        }
        if (inheritedRotate != 0)
            pdf.getRoot().getKey("/Pages").replaceKey("/Rotate", QPDFObjectHandle::newInteger(inheritedRotate));
        if (!info.isEmpty()) {
            QPDFObjectHandle dictionary = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
            for (auto it = info.constBegin(); it != info.constEnd(); ++it)
                dictionary.replaceKey(it.key().toStdString(),
                                      QPDFObjectHandle::newUnicodeString(it.value().toStdString()));
            pdf.getTrailer().replaceKey("/Info", dictionary);
        }
        const QByteArray encodedName = QFile::encodeName(path); // must outlive the writer
        QPDFWriter writer(pdf, encodedName.constData());
        writer.write();
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

QByteArray bulk(int bytes, quint32 seed)
{
    QByteArray data = "% ";
    QRandomGenerator random(seed);
    while (data.size() < bytes)
        data += QByteArray::number(random.generate64(), 36) + ' ';
    return data + '\n';
}

bool writeNumbered(const QString &path, int count)
{
    QList<Page> pages;
    for (int n = 1; n <= count; ++n) {
        Page page;
        page.width = 200 + n;
        page.height = 300;
        pages.append(page);
    }
    return write(path, pages);
}

QList<int> pageWidths(const QString &path, const QString &password)
{
    QList<int> widths;
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(QFile::encodeName(path).constData(), password.toUtf8().constData());
        for (QPDFPageObjectHelper &page : QPDFPageDocumentHelper(pdf).getAllPages()) {
            const QPDFObjectHandle::Rectangle box = page.getAttribute("/MediaBox", false).getArrayAsRectangle();
            widths.append(int(box.urx - box.llx));
        }
    } catch (const std::exception &) {
        widths.clear();
    }
    return widths;
}

bool attach(const QString &path, const QString &name, const QByteArray &content)
{
    try {
        QPDF pdf;
        pdf.processFile(QFile::encodeName(path).constData());
        QPDFEmbeddedFileDocumentHelper files(pdf);
        QPDFEFStreamObjectHelper stream = QPDFEFStreamObjectHelper::createEFStream(pdf, content.toStdString());
        files.replaceEmbeddedFile(name.toStdString(),
                                  QPDFFileSpecObjectHelper::createFileSpec(pdf, name.toStdString(), stream));
        const QString temporary = path + QStringLiteral(".attach");
        const QByteArray encodedName = QFile::encodeName(temporary); // must outlive the writer
        QPDFWriter writer(pdf, encodedName.constData());
        writer.write();
        QFile::remove(path);
        return QFile::rename(temporary, path);
    } catch (const std::exception &) {
        return false;
    }
}

QMap<QString, QByteArray> attachments(const QString &path)
{
    QMap<QString, QByteArray> found;
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(QFile::encodeName(path).constData());
        for (const auto &entry : QPDFEmbeddedFileDocumentHelper(pdf).getEmbeddedFiles()) {
            const std::shared_ptr<Buffer> data = entry.second->getEmbeddedFileStream().getStreamData();
            found.insert(QString::fromStdString(entry.first),
                         QByteArray(reinterpret_cast<const char *>(data->getBuffer()), int(data->getSize())));
        }
    } catch (const std::exception &) {
        found.clear();
    }
    return found;
}

bool writeNumberedWithoutTrailer(const QString &path, int count)
{
    const QString whole = path + QStringLiteral(".whole");
    if (!writeNumbered(whole, count))
        return false;
    QByteArray data;
    try {
        QPDF pdf;
        pdf.processFile(QFile::encodeName(whole).constData());
        QPDFWriter writer(pdf);
        writer.setOutputMemory();
        writer.setObjectStreamMode(qpdf_o_disable);
        writer.write();
        std::unique_ptr<Buffer> buffer(writer.getBuffer());
        data = QByteArray(reinterpret_cast<const char *>(buffer->getBuffer()), int(buffer->getSize()));
    } catch (const std::exception &) {
        return false;
    }
    QFile::remove(whole);
    const int table = data.lastIndexOf("\nxref");
    if (table < 0)
        return false;
    data.truncate(table + 1);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace TestPdf
