#include "TestPaths.h"
#include "TestPdf.h"
#include "app/AppSettings.h"
#include "pdf/DebenuDocument.h"
#include "pdf/DebenuService.h"
#include "pdf/PdfInformation.h"

#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

namespace {

// An XMP packet whose values disagree with what is written later.
const char *const kStalePacket =
    "<?xpacket begin=\"\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
    "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
    " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
    "  <rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
    "   <dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">Stale title</rdf:li></rdf:Alt></dc:title>\n"
    "   <dc:creator><rdf:Seq><rdf:li>Stale author</rdf:li></rdf:Seq></dc:creator>\n"
    "   <dc:format>application/pdf</dc:format>\n"
    "  </rdf:Description>\n"
    "  <rdf:Description rdf:about=\"\" xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\"\n"
    "      xmp:CreatorTool=\"Stale creator\" xmp:CreateDate=\"2020-01-02T03:04:05Z\"/>\n"
    "  <rdf:Description rdf:about=\"\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\">\n"
    "   <pdf:Producer>Stale producer</pdf:Producer>\n"
    "   <pdf:Keywords>kept &amp; sound</pdf:Keywords>\n"
    "  </rdf:Description>\n"
    " </rdf:RDF>\n"
    "</x:xmpmeta>\n"
    "<?xpacket end=\"w\"?>";

// Adds an XMP packet to an existing file.
bool attachPacket(const QString &path, const QByteArray &packet)
{
    try {
        QPDF pdf;
        pdf.processFile(QFile::encodeName(path).constData());
        QPDFObjectHandle stream = QPDFObjectHandle::newStream(&pdf, packet.toStdString());
        stream.getDict().replaceKey("/Type", QPDFObjectHandle::newName("/Metadata"));
        stream.getDict().replaceKey("/Subtype", QPDFObjectHandle::newName("/XML"));
        pdf.getRoot().replaceKey("/Metadata", pdf.makeIndirectObject(stream));
        const QString rewritten = path + QStringLiteral(".tmp");
        {
            const QByteArray encodedName = QFile::encodeName(rewritten); // must outlive the writer
            QPDFWriter writer(pdf, encodedName.constData());
            writer.write();
        }
        QFile::remove(path);
        return QFile::rename(rewritten, path);
    } catch (const std::exception &) {
        return false;
    }
}

// The XMP packet of a file; null when it has none.
QByteArray packetOf(const QString &path, const QString &password = QString())
{
    QPDF pdf;
    pdf.processFile(QFile::encodeName(path).constData(), password.toUtf8().constData());
    QPDFObjectHandle metadata = pdf.getRoot().getKey("/Metadata");
    if (!metadata.isStream())
        return QByteArray();
    std::shared_ptr<Buffer> data = metadata.getStreamData(qpdf_dl_generalized);
    return QByteArray(reinterpret_cast<const char *>(data->getBuffer()), int(data->getSize()));
}

bool wellFormed(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd())
        reader.readNext();
    return !reader.hasError();
}

} // namespace

class TestPdfMetadata : public QObject
{
    Q_OBJECT
private:
    std::shared_ptr<DebenuService> m_service;
    QTemporaryDir m_dir;
    QString temp(const QString &name) const { return m_dir.filePath(name); }

    QString documentWithPacket(const QString &name, const QByteArray &packet)
    {
        const QString path = temp(name);
        if (!TestPdf::write(path, {TestPdf::Page()}, {{"/Title", QStringLiteral("Stale title")}}))
            return QString();
        if (!attachPacket(path, packet))
            return QString();
        return path;
    }

private slots:
    void initTestCase()
    {
        AppSettings::applyIdentity();
        QVERIFY(m_dir.isValid());
        m_service = std::make_shared<DebenuService>();
    }

    void staleXmpIsBroughtInLine_data()
    {
        QTest::addColumn<bool>("bigData");
        QTest::addColumn<QString>("password");
        QTest::newRow("loaded") << false << "";
        QTest::newRow("loaded and encrypted") << false << "pw";
        QTest::newRow("direct access") << true << "";
    }
    void staleXmpIsBroughtInLine()
    {
        QFETCH(bool, bigData);
        QFETCH(QString, password);
        const QString source = documentWithPacket(QStringLiteral("stale.pdf"), kStalePacket);
        QVERIFY(!source.isEmpty());
        const QString output = temp(QStringLiteral("fresh-%1.pdf").arg(QTest::currentDataTag()));
        {
            DebenuDocument document(m_service, source, QString(), bigData);
            QVERIFY(document.setDocumentProperties(QStringLiteral("New <author>"), QStringLiteral("New title"),
                                                   password, QStringLiteral("New creator"),
                                                   QStringLiteral("New producer")));
            QVERIFY(document.saveDocument(output));
        }
        const QByteArray packet = packetOf(output, password);
        QVERIFY(!packet.isEmpty());
        QVERIFY2(wellFormed(packet), packet.constData());
        QVERIFY2(!packet.contains("Stale"), packet.constData());
        QVERIFY(packet.contains("New title"));
        QVERIFY(packet.contains("New &lt;author&gt;"));
        QVERIFY(packet.contains("New creator"));
        QVERIFY(packet.contains("New producer"));
        // What the information writer does not own survives.
        QVERIFY(packet.contains("xmp:CreateDate=\"2020-01-02T03:04:05Z\""));
        QVERIFY(packet.contains("kept &amp; sound"));
        QVERIFY(packet.contains("application/pdf"));
        QVERIFY(packet.startsWith("<?xpacket begin="));
        QVERIFY(packet.trimmed().endsWith("<?xpacket end=\"w\"?>"));

        DebenuDocument reread(m_service, output, password, bigData);
        QCOMPARE(reread.documentTitle(), QStringLiteral("New title"));
    }

    void emptyValuesDropTheirXmpProperties()
    {
        const QString source = documentWithPacket(QStringLiteral("stale-empty.pdf"), kStalePacket);
        const QString output = temp(QStringLiteral("emptied.pdf"));
        {
            DebenuDocument document(m_service, source, QString(), false);
            QVERIFY(document.setDocumentProperties(QString(), QString(), QString(), QString(),
                                                   QStringLiteral("Only producer")));
            QVERIFY(document.saveDocument(output));
            QVERIFY(document.documentTitle().isEmpty());
        }
        const QByteArray packet = packetOf(output);
        QVERIFY(wellFormed(packet));
        QVERIFY2(!packet.contains("Stale"), packet.constData());
        QVERIFY(!packet.contains("dc:title"));
        QVERIFY(packet.contains("Only producer"));
    }

    void unparsablePacketIsKept()
    {
        // A packet that cannot be rewritten (here not well-formed, with a
        // PDF/A claim) stays as it was: dropping it would lose the claim.
        const QByteArray broken = "<x:xmpmeta><rdf:RDF>Stale title <pdfaid:part>2</pdfaid:part></x:xmpmeta>";
        const QString source = documentWithPacket(QStringLiteral("broken-xmp.pdf"), broken);
        const QString output = temp(QStringLiteral("kept-xmp.pdf"));
        {
            DebenuDocument document(m_service, source, QString(), false);
            QVERIFY(document.setDocumentProperties(QStringLiteral("A"), QStringLiteral("T"), QString(),
                                                   QStringLiteral("C"), QStringLiteral("P")));
            QVERIFY(document.saveDocument(output));
        }
        QCOMPARE(packetOf(output), broken);
    }

    void documentWithoutPacketGetsNone()
    {
        const QString source = temp(QStringLiteral("plain.pdf"));
        QVERIFY(TestPdf::write(source, {TestPdf::Page()}));
        const QString output = temp(QStringLiteral("plain-out.pdf"));
        {
            DebenuDocument document(m_service, source, QString(), false);
            QVERIFY(document.setDocumentProperties(QStringLiteral("A"), QStringLiteral("T"), QString(),
                                                   QStringLiteral("C"), QStringLiteral("P")));
            QVERIFY(document.saveDocument(output));
        }
        QVERIFY(packetOf(output).isNull());
    }

    void untouchedDocumentsKeepTheirPacket()
    {
        const QString source = documentWithPacket(QStringLiteral("untouched.pdf"), kStalePacket);
        const QString output = temp(QStringLiteral("untouched-out.pdf"));
        {
            DebenuDocument document(m_service, source, QString(), false);
            QVERIFY(document.saveDocument(output));
        }
        QCOMPARE(packetOf(output), QByteArray(kStalePacket));
    }

    void rewriteKeepsOtherNamesAndCreatesDescription()
    {
        const QByteArray packet = "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
                                  "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\"/></x:xmpmeta>";
        const QByteArray rewritten = PdfInformation::rewriteXmp(packet, {"/Title"}, {{"/Title", QStringLiteral("T & U")}});
        QVERIFY(wellFormed(rewritten));
        QVERIFY2(rewritten.contains("<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">T &amp; U</rdf:li>"),
                 rewritten.constData());
        QVERIFY(PdfInformation::rewriteXmp("not xml <", {"/Title"}, {}).isEmpty());
        QVERIFY(PdfInformation::rewriteXmp("<a/>", {"/Title"}, {}).isEmpty()); // no RDF at all
    }
};

QTEST_MAIN(TestPdfMetadata)
#include "tst_pdfmetadata.moc"
