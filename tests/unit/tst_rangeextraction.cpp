#include "SplitTestPdf.h"
#include "TestPaths.h"
#include "TestPdf.h"
#include "pdf/DebenuService.h"
#include "pdf/PdfErrorCode.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

// The service's split operation: many named or unnamed ranges from one open
// source, each output finished with the options the service decides,
// reported as it is written. Outputs are written straight from the source
// where nothing of the kept pages leads to a left-out page; the checks here
// hold for both ways.
class TestRangeExtraction : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_linked;
    DebenuService m_service;

    QString folder(const QString &name)
    {
        const QString path = m_dir.filePath(name);
        QDir(path).removeRecursively();
        QDir().mkpath(path);
        return path;
    }

    struct Run
    {
        int written = 0;
        QList<PageRangeOutput::Result> reports;
        QStringList paths() const
        {
            QStringList list;
            for (const auto &result : reports)
                list << result.path;
            return list;
        }
    };

    Run extract(const QString &source, const QList<PageRangeOutput> &ranges, const QString &out,
                const PdfOutputOptions &options = PdfOutputOptions(), const QString &password = QString(),
                int stopAfter = -1)
    {
        Run run;
        run.written = m_service.extractPageRanges(source, password, ranges, out, options,
                                                  [&](const PageRangeOutput::Result &result) {
                                                      run.reports << result;
                                                      return stopAfter < 0 || run.reports.size() < stopAfter;
                                                  });
        return run;
    }

    // A three-page document whose first page carries a text annotation that
    // names page 3 as its page, and whose page 3 shows a marker.
    static bool writeStrayAnnotation(const QString &path)
    {
        QPDF pdf;
        pdf.emptyPDF();
        QPDFPageDocumentHelper pages(pdf);
        for (int n = 1; n <= 3; ++n) {
            const std::string text = "BT /F1 12 Tf 20 20 Td (" + std::string(n == 3 ? "THIRD-PAGE-MARK" : "page")
                                     + ") Tj ET";
            QPDFObjectHandle page = pdf.makeIndirectObject(QPDFObjectHandle::parse(
                "<< /Type /Page /MediaBox [0 0 " + std::to_string(200 + n) + " 300] >>"));
            page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, text));
            pages.addPage(QPDFPageObjectHelper(page), false);
        }
        std::vector<QPDFObjectHandle> all = pdf.getAllPages();
        QPDFObjectHandle note = pdf.makeIndirectObject(
            QPDFObjectHandle::parse("<< /Type /Annot /Subtype /Text /Rect [10 10 30 30] /Contents (note) >>"));
        note.replaceKey("/P", all[2]);
        all[0].replaceKey("/Annots", QPDFObjectHandle::newArray({note}));
        QPDFWriter writer(pdf, QFile::encodeName(path).constData());
        writer.setStreamDataMode(qpdf_s_uncompress);
        writer.write();
        return true;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_linked = m_dir.filePath(QStringLiteral("linked.v2.pdf"));
        QVERIFY(SplitTestPdf::writeLinked(m_linked));
    }

    // Names as given, unnamed ones after the source and the range, a taken
    // name never replaced; one report per range, in order.
    void namedAndUnnamedRangesReportedInOrder()
    {
        const QString out = folder(QStringLiteral("names"));
        QFile taken(out + QStringLiteral("/first.pdf"));
        QVERIFY(taken.open(QIODevice::WriteOnly));
        taken.write("not a pdf");
        taken.close();
        const Run run = extract(m_linked, {{QStringLiteral("1,3,4"), QStringLiteral("first.pdf")},
                                           {QStringLiteral("6-5"), QString()},
                                           {QStringLiteral("2"), QString()}},
                                out);
        QCOMPARE(run.written, 3);
        QCOMPARE(run.reports.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(run.reports[i].index, i);
            QCOMPARE(run.reports[i].errorCode, 0);
        }
        QCOMPARE(run.paths(), (QStringList{out + QStringLiteral("/(1)first.pdf"), out + QStringLiteral("/linked_p6-5.pdf"),
                                           out + QStringLiteral("/linked_p2.pdf")}));
        QCOMPARE(TestPdf::pageWidths(run.paths()[1]), (QList<int>{206, 205}));
        QCOMPARE(taken.size(), qint64(9));
        QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden).size(), 4);   // no temporary file left
    }

    // Links, named destinations, outline and labels of the kept pages, in
    // every output of one run: what one output changes for its own writing
    // does not reach the next.
    void everyOutputKeepsWhatItsPagesUse()
    {
        const QString out = folder(QStringLiteral("carry"));
        const Run run = extract(m_linked, {{QStringLiteral("1,3,4"), QStringLiteral("a.pdf")},
                                           {QStringLiteral("1-6"), QStringLiteral("b.pdf")},
                                           {QStringLiteral("3-4,6"), QStringLiteral("c.pdf")},
                                           {QStringLiteral("1,3,4,6"), QStringLiteral("d.pdf")}},
                                out);
        QCOMPARE(run.written, 4);
        const QStringList files = run.paths();
        for (const QString &file : files)
            QVERIFY2(SplitTestPdf::qpdfCheckClean(file), qPrintable(file));
        QCOMPARE(SplitTestPdf::linkTargets(files[0], 1), (QList<int>{2, 3}));
        QCOMPARE(SplitTestPdf::linkTargets(files[1], 1), (QList<int>{3, 4, 5, 6}));
        QCOMPARE(SplitTestPdf::outline(files[1]),
                 (QStringList{"0:One->1", "0:Three->3", "1:Four->4", "0:Five->5", "1:Six->6"}));
        QCOMPARE(SplitTestPdf::outline(files[2]), (QStringList{"0:Three->1", "1:Four->2", "0:Six->3"}));
        QCOMPARE(SplitTestPdf::pageLabels(files[2]), (QStringList{"/D//10", "/D//11", "/D//13"}));
        QCOMPARE(SplitTestPdf::linkTargets(files[3], 1), (QList<int>{2, 3, 4}));
        QCOMPARE(SplitTestPdf::pageLabels(files[3]), (QStringList{"/r//1", "/D//10", "/D//11", "/D//13"}));
        // Only the destinations a kept link uses, nothing of the pages left out.
        QPDF pdf;
        pdf.processFile(QFile::encodeName(files[0]).constData());
        QCOMPARE(pdf.getRoot().getKey("/Names").getKey("/Dests").getKey("/Names").getArrayNItems(), 2);
        QCOMPARE(int(pdf.getAllPages().size()), 3);
        QFile file(files[0]);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(!file.readAll().contains("unused"));
    }

    // An annotation of a kept page that names a left-out page as its own
    // must not bring that page along.
    void strayReferencesNeverBringLeftOutPages()
    {
        const QString source = m_dir.filePath(QStringLiteral("stray.pdf"));
        QVERIFY(writeStrayAnnotation(source));
        const QString out = folder(QStringLiteral("stray"));
        const Run run = extract(source, {{QStringLiteral("1"), QString()}, {QStringLiteral("2-3"), QString()}}, out);
        QCOMPARE(run.written, 2);
        QCOMPARE(TestPdf::pageWidths(run.paths()[0]), (QList<int>{201}));
        QVERIFY(SplitTestPdf::qpdfCheckClean(run.paths()[0]));
        QPDF pdf;
        pdf.processFile(QFile::encodeName(run.paths()[0]).constData());
        for (QPDFObjectHandle object : pdf.getAllObjects()) {
            QVERIFY(!(object.isDictionary() && object.getKey("/Type").isNameAndEquals("/Page")
                      && object.getKey("/MediaBox").getArrayItem(2).getNumericValue() > 201));
            if (object.isStream()) {
                const auto data = object.getStreamData();
                const QByteArray bytes(reinterpret_cast<const char *>(data->getBuffer()), int(data->getSize()));
                QVERIFY(!bytes.contains("THIRD-PAGE-MARK"));
            }
        }
        QCOMPARE(TestPdf::pageWidths(run.paths()[1]), (QList<int>{202, 203}));
    }

    // The source is read once into memory: while its outputs are written no
    // file handle refers to it.
    void sourceHoldsNoFileHandle()
    {
        const QString out = folder(QStringLiteral("handles"));
        const QString source = QFileInfo(m_linked).canonicalFilePath();
        QStringList open;
        m_service.extractPageRanges(m_linked, QString(), {{QStringLiteral("1"), QString()}}, out, PdfOutputOptions(),
                                    [&](const PageRangeOutput::Result &) {
                                        const QDir fds(QStringLiteral("/proc/self/fd"));
                                        for (const QString &fd : fds.entryList(QDir::NoDotAndDotDot | QDir::AllEntries))
                                            open << QFileInfo(fds.filePath(fd)).symLinkTarget();
                                        return true;
                                    });
        QVERIFY(!open.isEmpty());
        QVERIFY(!open.contains(source));
    }

    // Pages twice in one output and documents with form fields.
    void repeatedPagesAndForms()
    {
        const QString out = folder(QStringLiteral("forms"));
        const Run twice = extract(m_linked, {{QStringLiteral("2,1,2"), QString()}}, out);
        QCOMPARE(TestPdf::pageWidths(twice.paths().value(0)), (QList<int>{202, 201, 202}));
        const QString form = TestPaths::fixture(QStringLiteral("form-filled-by-acrobat.pdf"));
        const Run fields = extract(form, {{QStringLiteral("1"), QStringLiteral("form1.pdf")}}, out);
        QCOMPARE(fields.written, 1);
        QPDF pdf;
        pdf.processFile(QFile::encodeName(fields.paths()[0]).constData());
        QPDFAcroFormDocumentHelper helper(pdf);
        const auto widgets = helper.getWidgetAnnotationsForPage(pdf.getAllPages().front());
        QVERIFY(!widgets.empty());
        for (auto widget : widgets)
            QVERIFY(!helper.getFieldForAnnotation(widget).isNull());
        QVERIFY(SplitTestPdf::qpdfCheckClean(fields.paths()[0]));
    }

    // A range that cannot be written is reported and the others are written;
    // a false answer from the report stops the run.
    void failuresReportedAndRunsStoppable()
    {
        const QString out = folder(QStringLiteral("failures"));
        const Run run = extract(m_linked, {{QStringLiteral("1"), QString()}, {QStringLiteral("9"), QString()},
                                           {QStringLiteral("2-x"), QString()}, {QStringLiteral("2"), QString()}},
                                out);
        QCOMPARE(run.written, 2);
        QCOMPARE(run.reports.size(), 4);
        QCOMPARE(run.reports[1].errorCode, int(PdfErrorCode::InvalidArgument));
        QVERIFY(run.reports[1].path.isEmpty());
        QCOMPARE(run.reports[2].errorCode, int(PdfErrorCode::InvalidArgument));
        QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden).size(), 2);

        const QString stopped = folder(QStringLiteral("stopped"));
        const Run first = extract(m_linked, {{QStringLiteral("1"), QString()}, {QStringLiteral("2"), QString()},
                                             {QStringLiteral("3"), QString()}},
                                  stopped, PdfOutputOptions(), QString(), 1);
        QCOMPARE(first.written, 1);
        QCOMPARE(first.reports.size(), 1);
        QCOMPARE(QDir(stopped).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    // Information and protection as the service decides them; protected
    // sources opened once with their password.
    void optionsAndProtectedSources()
    {
        const QString out = folder(QStringLiteral("protected"));
        const PdfOutputOptions options = m_service.outputOptions(QStringLiteral("Ann"), QStringLiteral("T"),
                                                                 QStringLiteral(" s3cret "), QStringLiteral("C"),
                                                                 QStringLiteral("P"));
        const QString source = TestPaths::fixture(QStringLiteral("enc-XI-R6,V5,U=view,O=master.pdf"));
        const Run run = extract(source, {{QStringLiteral("2-3"), QString()}, {QStringLiteral("30"), QString()}}, out,
                                options, QStringLiteral("view"));
        QCOMPARE(run.written, 2);
        for (const QString &file : run.paths()) {
            QCOMPARE(SplitTestPdf::encryptionRevision(file, QString()), -1);
            QCOMPARE(SplitTestPdf::encryptionRevision(file, QStringLiteral("s3cret")), 6);
            QCOMPARE(SplitTestPdf::info(file, "/Author", "s3cret"), QStringLiteral("Ann"));
            QCOMPARE(SplitTestPdf::info(file, "/Producer", "s3cret"), QStringLiteral("P"));
        }
        QCOMPARE(TestPdf::pageWidths(run.paths()[0], QStringLiteral("s3cret")).size(), 2);

        // A wrong password for a document that opens without one does not matter.
        const Run plain = extract(TestPaths::fixture(QStringLiteral("V4-aes.pdf")), {{QStringLiteral("5-6"), QString()}},
                                  folder(QStringLiteral("v4")), PdfOutputOptions(), QStringLiteral("wrong"));
        QCOMPARE(plain.written, 1);
        // A wrong password for a protected one fails before any output.
        const Run refused = extract(TestPaths::fixture(QStringLiteral("enc-R3,V2,U=view,O=master.pdf")),
                                    {{QStringLiteral("1"), QString()}}, folder(QStringLiteral("refused")),
                                    PdfOutputOptions(), QStringLiteral("nope"));
        QCOMPARE(refused.written, 0);
        QVERIFY(refused.reports.isEmpty());
        QCOMPARE(m_service.lastErrorCode(), int(PdfErrorCode::PasswordNeeded));
    }
};

QTEST_GUILESS_MAIN(TestRangeExtraction)
#include "tst_rangeextraction.moc"
