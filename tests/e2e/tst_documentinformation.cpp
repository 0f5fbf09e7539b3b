#include "RealDocuments.h"
#include "SplitTestPdf.h"
#include "TestPaths.h"
#include "ToolRun.h"
#include "app/AppSettings.h"
#include "merge/InformationWorkerList.h"
#include "merge/Merge.h"
#include "pdf/DebenuService.h"
#include "split/Split.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>

// What outputs say about themselves, through the real controllers and the
// real pdfworker on manuals of other producers: each keeps its source's
// document information and XMP packet, names this program as creator and
// producer, and takes the "Publisher" setting as author only where the
// source names none.
class TestDocumentInformation : public QObject
{
    Q_OBJECT

    std::shared_ptr<DebenuService> service;
    QTemporaryDir scratch;
    QString siscone;   // XMP, a title, an empty author (Ghostscript)
    QString why3;      // a title and an author, no XMP (pdfTeX)

    static QString producer() { return QStringLiteral("Sheafwright %1").arg(QLatin1String(AppSettings::version)); }

    // The decoded XMP packet of the document at path; empty without one.
    static QByteArray xmpOf(const QString &path)
    {
        QPDF pdf;
        pdf.processFile(QFile::encodeName(path).constData());
        QPDFObjectHandle metadata = pdf.getRoot().getKey("/Metadata");
        if (!metadata.isStream())
            return QByteArray();
        const std::shared_ptr<Buffer> data = metadata.getStreamData(qpdf_dl_generalized);
        return QByteArray(reinterpret_cast<const char *>(data->getBuffer()), int(data->getSize()));
    }

    QStringList split(const QString &source, int mode, const char *folder, const std::function<void(Split &)> &setUp)
    {
        Split split(service);
        QStringList files;
        bool done = false;
        QObject::connect(&split, &Split::finished, [&](const QStringList &written) {
            files = written;
            done = true;
        });
        QObject::connect(&split, &Split::splitFailed, [&] { done = true; });
        split.load(source, QString());
        split.setOutDirectory(scratch.filePath(QLatin1String(folder)));
        split.setMode(mode);
        setUp(split);
        split.run();
        if (!QTest::qWaitFor([&] { return done; }, 120000))
            return QStringList();
        return files;
    }

    // Merges sources in order through the merge controller into output;
    // empty unless it succeeded.
    QString merge(const QStringList &sources, const QString &output)
    {
        Merge merge(service);
        InformationWorkerList reader(service, sources, nullptr);
        QObject::connect(&reader, &InformationWorkerList::finished,
                         [&merge](bool, const MergeItemList &items) { merge.model()->addItems(items); });
        reader.run();
        merge.setSaveFileName(output);
        int code = -1;
        QString merged;
        QObject::connect(&merge, &Merge::finished, [&](int result, const QString &path) {
            code = result;
            merged = path;
        });
        merge.run();
        if (!QTest::qWaitFor([&] { return code != -1; }, 120000) || code != 0)
            return QString();
        return merged;
    }

    // The source's own entries stay; the program is creator and producer.
    static void checkCarried(const QString &output, const QString &source, const QString &author)
    {
        for (const char *key : {"/Title", "/Subject", "/Keywords", "/CreationDate"})
            QCOMPARE(SplitTestPdf::info(output, QLatin1String(key)), SplitTestPdf::info(source, QLatin1String(key)));
        QCOMPARE(SplitTestPdf::info(output, "/Author"), author);
        QCOMPARE(SplitTestPdf::info(output, "/Creator"), QStringLiteral("Sheafwright"));
        QCOMPARE(SplitTestPdf::info(output, "/Producer"), producer());
        QVERIFY(SplitTestPdf::info(output, "/ModDate") > SplitTestPdf::info(source, "/ModDate"));
    }

    // The packet still says what the source's said besides what changed,
    // and what changed agrees with the Info dictionary.
    static void checkXmp(const QString &output, const QString &title, const QString &author)
    {
        const QByteArray xmp = xmpOf(output);
        QVERIFY2(xmp.contains("xapMM:DocumentID=\"uuid:54dc4217-c929-11f8-0000-b9224c548868\""), xmp.constData());
        QVERIFY(xmp.contains("<xmp:CreateDate>2023-01-10T17:32:40Z</xmp:CreateDate>"));
        QVERIFY(xmp.contains("dc:format=\"application/pdf\""));
        QVERIFY(xmp.contains(QStringLiteral("<rdf:li xml:lang=\"x-default\">%1</rdf:li>").arg(title).toUtf8()));
        QVERIFY(xmp.contains(QStringLiteral("<dc:creator><rdf:Seq><rdf:li>%1</rdf:li>").arg(author).toUtf8()));
        QVERIFY(xmp.contains("<xmp:CreatorTool>Sheafwright</xmp:CreatorTool>"));
        QVERIFY(xmp.contains(QStringLiteral("<pdf:Producer>%1</pdf:Producer>").arg(producer()).toUtf8()));
        QVERIFY(!xmp.contains("GPL Ghostscript"));
        QVERIFY(!xmp.contains("LaTeX with hyperref"));
        QVERIFY(!xmp.contains("2023-01-10T17:32:40Z</xmp:ModifyDate>"));
        QVERIFY(xmp.contains("<xmp:MetadataDate>"));
    }

private slots:
    void initTestCase()
    {
        AppSettings::applyIdentity();
        QVERIFY(scratch.isValid());
        service = std::make_shared<DebenuService>();
        service->init();
        AppSettings::open()->setValue(QLatin1String(AppSettings::keyPublisher), QStringLiteral("Test Press"));
        siscone = RealDocuments::sisconeManual(scratch.path());
        why3 = RealDocuments::why3Manual(scratch.path());
        QCOMPARE(SplitTestPdf::info(siscone, "/Title"), QStringLiteral("SISCone"));
        QVERIFY(SplitTestPdf::info(siscone, "/Author").isEmpty());
        QVERIFY(!xmpOf(siscone).isEmpty());
    }

    // A range is written from the source; most pages kept, in place; each
    // way carries the information over.
    void splitKeepsTheSourcesInformation_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("ranges") << int(Split::ByPageRanges);
        QTest::newRow("without pages") << int(Split::WithoutCertainPages);
        QTest::newRow("by size") << int(Split::BySize);
    }

    void splitKeepsTheSourcesInformation()
    {
        QFETCH(int, mode);
        const auto setUp = [](Split &split) {
            split.pageRanges()->addRange(2, 4);
            split.certainPages()->addRange(5, 8);
            split.setMaxSizeKb(1500);
        };
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        const QStringList xmpParts = split(siscone, mode, qPrintable(tag + "-siscone"), setUp);
        QVERIFY(!xmpParts.isEmpty());
        for (const QString &part : xmpParts) {
            checkCarried(part, siscone, QStringLiteral("Test Press"));   // the source names no author
            checkXmp(part, QStringLiteral("SISCone"), QStringLiteral("Test Press"));
        }
        const QStringList parts = split(why3, mode, qPrintable(tag + "-why3"), setUp);
        QVERIFY(!parts.isEmpty());
        for (const QString &part : parts) {
            checkCarried(part, why3, QStringLiteral("The Why3 Development Team"));
            QVERIFY(xmpOf(part).isEmpty());   // none made up
        }
    }

    void mergeKeepsTheFirstInputsInformation()
    {
        const QString authored = merge({why3, siscone}, scratch.filePath("why3-first.pdf"));
        QVERIFY(!authored.isEmpty());
        checkCarried(authored, why3, QStringLiteral("The Why3 Development Team"));
        QVERIFY(xmpOf(authored).isEmpty());   // the second input's packet describes only its part

        // A title of the user's own: only the command line asks for one (which
        // is why this test is not among those the sanitized build runs).
        const QString titled = scratch.filePath("titled.pdf");
        const ToolRun run = runTool(TestPaths::binDir() + QStringLiteral("/sheafwright"),
                                    {QStringLiteral("merge"), QStringLiteral("--title"), QStringLiteral("Two manuals"),
                                     QStringLiteral("-o"), titled, siscone, why3});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QCOMPARE(SplitTestPdf::info(titled, "/Title"), QStringLiteral("Two manuals"));
        QCOMPARE(SplitTestPdf::info(titled, "/CreationDate"), SplitTestPdf::info(siscone, "/CreationDate"));
        checkXmp(titled, QStringLiteral("Two manuals"), QStringLiteral("Test Press"));
    }
};

QTEST_GUILESS_MAIN(TestDocumentInformation)
#include "tst_documentinformation.moc"
