#include "SplitTestPdf.h"
#include "TestPaths.h"
#include "TestPdf.h"
#include "pdf/DebenuService.h"
#include "pdf/PageExtractor.h"
#include "pdf/PageRangeList.h"
#include "pdf/PdfErrorCode.h"
#include "pdf/PdfOutputOptions.h"
#include "pdf/SourceCache.h"

#include <QTemporaryDir>
#include <QtTest>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

// What extracted pages keep: links between kept pages (named destinations
// included), outline entries into kept pages, page labels, annotations and
// form fields, information and protection of finished outputs.
class TestPageExtractor : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_linked;
    DebenuService m_service;   // decides the output options, as for the program's outputs

    QString temp(const QString &name) const { return m_dir.filePath(name); }

    PdfOutputOptions options(const QString &author = QString(), const QString &password = QString())
    {
        return m_service.outputOptions(author, QString(), password, QString(), QString());
    }

    // Extracts from a fresh parse; returns the output path or an empty string.
    QString extract(const QString &source, const QString &pages, const QString &name,
                    const PdfOutputOptions *options = nullptr, int *error = nullptr,
                    const QString &password = QString())
    {
        int openError = PdfErrorCode::None;
        std::shared_ptr<QPDF> pdf = SourceCache::parse(source, password, &openError);
        if (!pdf) {
            if (error)
                *error = openError;
            return QString();
        }
        PageExtractor extractor(pdf, source, password);
        const QList<int> numbers = PageRangeList::pages(pages, extractor.pageCount());
        const QString output = temp(name);
        const int result = options ? extractor.extract(numbers, output, *options) : extractor.extract(numbers, output);
        if (error)
            *error = extractor.errorCode();
        return result == 1 ? output : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_linked = temp(QStringLiteral("linked.pdf"));
        QVERIFY(SplitTestPdf::writeLinked(m_linked));
        // The generated source is what the checks below expect.
        QCOMPARE(SplitTestPdf::linkTargets(m_linked, 1), (QList<int>{3, 4, 5, 6}));
        QCOMPARE(SplitTestPdf::outline(m_linked),
                 (QStringList{"0:One->1", "0:Three->3", "1:Four->4", "0:Five->5", "1:Six->6"}));
        QCOMPARE(SplitTestPdf::pageLabels(m_linked),
                 (QStringList{"/r//1", "/r//2", "/D//10", "/D//11", "/D//12", "/D//13"}));
    }

    // --- links and named destinations
    void linksFollowKeptPages()
    {
        const QString out = extract(m_linked, QStringLiteral("1,3,4"), QStringLiteral("links.pdf"));
        QVERIFY(!out.isEmpty());
        QVERIFY(SplitTestPdf::qpdfCheckClean(out));
        // Page 3 -> 2, "chap2" (page 4) -> 3; the links into pages 5 and 6 are gone.
        QCOMPARE(SplitTestPdf::linkTargets(out, 1), (QList<int>{2, 3}));
    }

    void linksIntoLaterPagesInListOrder()
    {
        // Pages copied in reverse: the link's target is copied after the link.
        const QString out = extract(m_linked, QStringLiteral("6-1"), QStringLiteral("reverse.pdf"));
        QVERIFY(!out.isEmpty());
        QCOMPARE(TestPdf::pageWidths(out), (QList<int>{206, 205, 204, 203, 202, 201}));
        QCOMPARE(SplitTestPdf::linkTargets(out, 6), (QList<int>{4, 3, 2, 1}));
        QVERIFY(SplitTestPdf::qpdfCheckClean(out));
    }

    void onlyUsedNamedDestinationsAreCopied()
    {
        const QString out = extract(m_linked, QStringLiteral("1-4"), QStringLiteral("names.pdf"));
        QVERIFY(!out.isEmpty());
        QPDF pdf;
        pdf.processFile(QFile::encodeName(out).constData());
        QPDFObjectHandle tree = pdf.getRoot().getKey("/Names").getKey("/Dests");
        QVERIFY(tree.isDictionary());
        QCOMPARE(QString::fromStdString(tree.getKey("/Names").unparse()).count(QLatin1String("unused")), 0);
        QCOMPARE(tree.getKey("/Names").getArrayNItems(), 2);   // "chap2" only
        QVERIFY(!pdf.getRoot().getKey("/Dests").isDictionary());   // "/six" points outside
    }

    void singlePageWithoutLinkTargets()
    {
        const QString out = extract(m_linked, QStringLiteral("1"), QStringLiteral("alone.pdf"));
        QVERIFY(!out.isEmpty());
        QVERIFY(SplitTestPdf::linkTargets(out, 1).isEmpty());
        QVERIFY(SplitTestPdf::qpdfCheckClean(out));
    }

    // --- outline
    void outlineKeepsEntriesIntoKeptPages()
    {
        const QString out = extract(m_linked, QStringLiteral("3-4,6"), QStringLiteral("outline.pdf"));
        QVERIFY(!out.isEmpty());
        // "Five" points outside: its child "Six" takes its place.
        QCOMPARE(SplitTestPdf::outline(out), (QStringList{"0:Three->1", "1:Four->2", "0:Six->3"}));
        QVERIFY(SplitTestPdf::qpdfCheckClean(out));
    }

    void outlineOfFixtureSubrange()
    {
        const QString source = TestPaths::fixture(QStringLiteral("direct-outlines.pdf"));
        const QString out = extract(source, QStringLiteral("10-20"), QStringLiteral("direct.pdf"));
        QVERIFY(!out.isEmpty());
        const QStringList items = SplitTestPdf::outline(out);
        QVERIFY(!items.isEmpty());
        for (const QString &item : items)
            QVERIFY2(!item.endsWith(QLatin1String("->0")), qPrintable(item));
        QVERIFY(SplitTestPdf::qpdfCheckClean(out));
    }

    void noOutlineWhenNoEntryPointsIn()
    {
        const QString out = extract(m_linked, QStringLiteral("2"), QStringLiteral("nooutline.pdf"));
        QVERIFY(!out.isEmpty());
        QVERIFY(SplitTestPdf::outline(out).isEmpty());
    }

    // --- page labels
    void pageLabelsOfKeptPages()
    {
        const QString out = extract(m_linked, QStringLiteral("2,4-5"), QStringLiteral("labels.pdf"));
        QVERIFY(!out.isEmpty());
        QCOMPARE(SplitTestPdf::pageLabels(out), (QStringList{"/r//2", "/D//11", "/D//12"}));
    }

    void pageLabelsOfFixture()
    {
        const QString source = TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf"));
        const QStringList all = SplitTestPdf::pageLabels(source);
        QCOMPARE(all.size(), 11);
        const QString out = extract(source, QStringLiteral("3-5,9"), QStringLiteral("fixture-labels.pdf"));
        QVERIFY(!out.isEmpty());
        QCOMPARE(SplitTestPdf::pageLabels(out), (QStringList{all[2], all[3], all[4], all[8]}));
        QVERIFY(SplitTestPdf::qpdfCheckClean(out));
    }

    // --- annotations, forms, structure
    void formFieldsKept()
    {
        const QString source = TestPaths::fixture(QStringLiteral("form-filled-by-acrobat.pdf"));
        const QString out = extract(source, QStringLiteral("1"), QStringLiteral("form.pdf"));
        QVERIFY(!out.isEmpty());
        QVERIFY(SplitTestPdf::qpdfCheckClean(out));
        QPDF in;
        in.processFile(QFile::encodeName(source).constData());
        QPDF pdf;
        pdf.processFile(QFile::encodeName(out).constData());
        QPDFAcroFormDocumentHelper sourceForm(in);
        QPDFAcroFormDocumentHelper form(pdf);
        const auto sourceWidgets = sourceForm.getWidgetAnnotationsForPage(in.getAllPages().front());
        const auto widgets = form.getWidgetAnnotationsForPage(pdf.getAllPages().front());
        QVERIFY(!sourceWidgets.empty());
        QCOMPARE(widgets.size(), sourceWidgets.size());
        QVERIFY(form.hasAcroForm());
        // Every widget belongs to a field of the new form, with its value.
        for (auto widget : widgets) {
            QPDFFormFieldObjectHelper field = form.getFieldForAnnotation(widget);
            QVERIFY(!field.isNull());
            QVERIFY(!field.getFullyQualifiedName().empty());
        }
    }

    void annotationsAndPageGeometryKept()
    {
        const QString source = TestPaths::fixture(QStringLiteral("annotations-rotated-90.pdf"));
        const QString out = extract(source, QStringLiteral("1"), QStringLiteral("annots.pdf"));
        QVERIFY(!out.isEmpty());
        QPDF in;
        in.processFile(QFile::encodeName(source).constData());
        QPDF pdf;
        pdf.processFile(QFile::encodeName(out).constData());
        QPDFPageObjectHelper sourcePage(in.getAllPages().front());
        QPDFPageObjectHelper page(pdf.getAllPages().front());
        QVERIFY(!sourcePage.getAnnotations().empty());
        QCOMPARE(page.getAnnotations().size(), sourcePage.getAnnotations().size());
        QCOMPARE(page.getAttribute("/Rotate", false).unparse(), sourcePage.getAttribute("/Rotate", false).unparse());
        QCOMPARE(TestPdf::pageWidths(out), TestPdf::pageWidths(source));
        QVERIFY(SplitTestPdf::qpdfCheckClean(out));
    }

    void objectStreamSourceKeepsVersion()
    {
        const QString source = TestPaths::fixture(QStringLiteral("c-object-streams.pdf"));
        const QString out = extract(source, QStringLiteral("2-3"), QStringLiteral("objstm.pdf"));
        QVERIFY(!out.isEmpty());
        QVERIFY(SplitTestPdf::qpdfCheckClean(out));
        QVERIFY(SplitTestPdf::version(out) >= SplitTestPdf::version(source));
    }

    void damagedSourcesNeverCrash_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("bad xref") << "bad-xref.pdf";
        QTest::newRow("damaged stream") << "damaged-stream.pdf";
    }
    void damagedSourcesNeverCrash()
    {
        QFETCH(QString, name);
        int error = 0;
        const QString out = extract(TestPaths::fixture(name), QStringLiteral("1"), name + ".out.pdf", nullptr, &error);
        // Either a valid output or a clean refusal.
        if (out.isEmpty())
            QVERIFY(error != PdfErrorCode::None);
        else
            QCOMPARE(TestPdf::pageWidths(out).size(), 1);
    }

    void badRangeListsRefused_data()
    {
        QTest::addColumn<QString>("pages");
        QTest::newRow("empty") << "";
        QTest::newRow("zero") << "0";
        QTest::newRow("beyond") << "7";
        QTest::newRow("garbage") << "1-x";
        QTest::newRow("three ends") << "1-2-3";
    }
    void badRangeListsRefused()
    {
        QFETCH(QString, pages);
        int error = 0;
        QVERIFY(extract(m_linked, pages, QStringLiteral("bad.pdf"), nullptr, &error).isEmpty());
        QCOMPARE(error, int(PdfErrorCode::InvalidArgument));
        QVERIFY(!QFileInfo::exists(temp(QStringLiteral("bad.pdf"))));
    }

    // --- finished outputs
    void finishedOutputCarriesInformation()
    {
        const PdfOutputOptions options = m_service.outputOptions(
            QStringLiteral("Ann \u00c5"), QStringLiteral("Title"), QString(), QStringLiteral("Creator"),
            QStringLiteral("Producer"));
        const QString out = extract(m_linked, QStringLiteral("2-3"), QStringLiteral("info.pdf"), &options);
        QVERIFY(!out.isEmpty());
        QCOMPARE(SplitTestPdf::info(out, "/Author"), QStringLiteral("Ann \u00c5"));
        QCOMPARE(SplitTestPdf::info(out, "/Title"), QStringLiteral("Title"));
        QCOMPARE(SplitTestPdf::info(out, "/Creator"), QStringLiteral("Creator"));
        QCOMPARE(SplitTestPdf::info(out, "/Producer"), QStringLiteral("Producer"));
        QCOMPARE(SplitTestPdf::encryptionRevision(out, QString()), 0);
        QCOMPARE(SplitTestPdf::outline(out), (QStringList{"0:Three->2"}));
        QVERIFY(SplitTestPdf::qpdfCheckClean(out));
    }

    void finishedOutputProtectedWithAes256()
    {
        const PdfOutputOptions options = this->options(QString(), QStringLiteral("  s3cret  "));
        const QString out = extract(m_linked, QStringLiteral("1,3"), QStringLiteral("aes.pdf"), &options);
        QVERIFY(!out.isEmpty());
        QCOMPARE(SplitTestPdf::encryptionRevision(out, QString()), -1);        // needs the password
        QCOMPARE(SplitTestPdf::encryptionRevision(out, QStringLiteral("s3cret")), 6);   // trimmed, R6
        QCOMPARE(TestPdf::pageWidths(out, QStringLiteral("s3cret")), (QList<int>{201, 203}));
        QCOMPARE(SplitTestPdf::linkTargets(out, 1).size(), 0);   // opened without the password: nothing
    }

    void blankPasswordDoesNotProtect()
    {
        const PdfOutputOptions options = this->options(QString(), QStringLiteral("   "));
        const QString out = extract(m_linked, QStringLiteral("1"), QStringLiteral("blank.pdf"), &options);
        QVERIFY(!out.isEmpty());
        QCOMPARE(SplitTestPdf::encryptionRevision(out, QString()), 0);
    }

    void encryptedSourceWithPassword()
    {
        const QString source = TestPaths::fixture(QStringLiteral("enc-XI-R6,V5,U=view,O=master.pdf"));
        int error = 0;
        QVERIFY(extract(source, QStringLiteral("1"), QStringLiteral("nopw.pdf"), nullptr, &error).isEmpty());
        QCOMPARE(error, int(PdfErrorCode::PasswordNeeded));
        QVERIFY(extract(source, QStringLiteral("1"), QStringLiteral("wrong.pdf"), nullptr, &error, QStringLiteral("wrong"))
                    .isEmpty());
        QCOMPARE(error, int(PdfErrorCode::PasswordNeeded));
        const QString out = extract(source, QStringLiteral("2-4"), QStringLiteral("view.pdf"), nullptr, &error,
                                    QStringLiteral("view"));
        QVERIFY(!out.isEmpty());
        QCOMPARE(SplitTestPdf::encryptionRevision(out, QString()), 0);   // plain output
        QCOMPARE(TestPdf::pageWidths(out).size(), 3);
        QVERIFY(SplitTestPdf::qpdfCheckClean(out));
    }

    // Most pages kept, in order: the finished output is made by dropping the
    // other pages from a private parse; it must keep the same promises.
    void droppingPagesKeepsLinksOutlineAndLabels()
    {
        const PdfOutputOptions options = this->options(QStringLiteral("Dropper"));
        const QString out = extract(m_linked, QStringLiteral("1,3,4,6"), QStringLiteral("dropped.pdf"), &options);
        QVERIFY(!out.isEmpty());
        QVERIFY(SplitTestPdf::qpdfCheckClean(out));
        QCOMPARE(TestPdf::pageWidths(out), (QList<int>{201, 203, 204, 206}));
        // Page 3 -> 2, "chap2" -> 3, the action into page 5 is gone, "/six" -> 4.
        QCOMPARE(SplitTestPdf::linkTargets(out, 1), (QList<int>{2, 3, 4}));
        QCOMPARE(SplitTestPdf::outline(out),
                 (QStringList{"0:One->1", "0:Three->2", "1:Four->3", "0:Six->4"}));
        QCOMPARE(SplitTestPdf::pageLabels(out), (QStringList{"/r//1", "/D//10", "/D//11", "/D//13"}));
        QCOMPARE(SplitTestPdf::info(out, "/Author"), QStringLiteral("Dropper"));
        // Nothing of the dropped pages is written: no page 202 or 205 object.
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(!bytes.contains("unused"));
    }

    void droppingPagesFromEncryptedSource()
    {
        const QString source = TestPaths::fixture(QStringLiteral("enc-XI-R6,V5,U=view,O=master.pdf"));
        const PdfOutputOptions plainOptions = options();
        const QString plain = extract(source, QStringLiteral("2-30"), QStringLiteral("enc-dropped.pdf"), &plainOptions,
                                      nullptr, QStringLiteral("view"));
        QVERIFY(!plain.isEmpty());
        QCOMPARE(SplitTestPdf::encryptionRevision(plain, QString()), 0);   // the source's protection is not kept
        QCOMPARE(TestPdf::pageWidths(plain).size(), 29);
        QVERIFY(SplitTestPdf::qpdfCheckClean(plain));
        const PdfOutputOptions newOptions = options(QString(), QStringLiteral("new"));
        const QString protectedOut = extract(source, QStringLiteral("1-29"), QStringLiteral("enc-dropped-new.pdf"),
                                             &newOptions, nullptr, QStringLiteral("view"));
        QVERIFY(!protectedOut.isEmpty());
        QCOMPARE(SplitTestPdf::encryptionRevision(protectedOut, QStringLiteral("new")), 6);
        QCOMPARE(SplitTestPdf::encryptionRevision(protectedOut, QStringLiteral("view")), -1);
    }

    void droppingPagesOfFixtures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pages");
        QTest::newRow("labels") << "11-pages-with-labels.pdf" << "1-3,5-11";
        QTest::newRow("outline") << "direct-outlines.pdf" << "2-30";
        QTest::newRow("object streams") << "c-object-streams.pdf" << "1-9,11-30";
    }
    void droppingPagesOfFixtures()
    {
        QFETCH(QString, name);
        QFETCH(QString, pages);
        const QString source = TestPaths::fixture(name);
        const PdfOutputOptions options = this->options();
        const QString out = extract(source, pages, name + ".dropped.pdf", &options);
        QVERIFY(!out.isEmpty());
        QVERIFY(SplitTestPdf::qpdfCheckClean(out));
        QCOMPARE(TestPdf::pageWidths(out).size(), PageRangeList::pages(pages, 100).size());
        QVERIFY(SplitTestPdf::version(out) >= SplitTestPdf::version(source));
        const QStringList sourceLabels = SplitTestPdf::pageLabels(source);
        const QStringList labels = SplitTestPdf::pageLabels(out);
        const QList<int> kept = PageRangeList::pages(pages, 100);
        for (int i = 0; i < kept.size(); ++i)
            QCOMPARE(labels.at(i), sourceLabels.at(kept.at(i) - 1));
        for (const QString &item : SplitTestPdf::outline(out))
            QVERIFY2(!item.endsWith(QLatin1String("->0")), qPrintable(item));
    }

    // One extractor writes output after output from one parse; each output
    // carries its own links and outline, whatever was written before.
    void oneSourceManyOutputs()
    {
        std::shared_ptr<QPDF> pdf = SourceCache::parse(m_linked, QString());
        QVERIFY(pdf);
        PageExtractor extractor(pdf, m_linked, QString());
        const PdfOutputOptions finished = options(QStringLiteral("Each"));
        const QList<QList<int>> outputs{{1, 3, 4}, {6, 5, 4, 3, 2, 1}, {3, 4, 6}, {2}};
        for (int i = 0; i < outputs.size(); ++i)
            QCOMPARE(extractor.extract(outputs.at(i), temp(QStringLiteral("many%1.pdf").arg(i)), finished), 1);
        QCOMPARE(SplitTestPdf::linkTargets(temp(QStringLiteral("many0.pdf")), 1), (QList<int>{2, 3}));
        QCOMPARE(SplitTestPdf::linkTargets(temp(QStringLiteral("many1.pdf")), 6), (QList<int>{4, 3, 2, 1}));
        QCOMPARE(SplitTestPdf::outline(temp(QStringLiteral("many2.pdf"))),
                 (QStringList{"0:Three->1", "1:Four->2", "0:Six->3"}));
        QCOMPARE(TestPdf::pageWidths(temp(QStringLiteral("many3.pdf"))), (QList<int>{202}));
        QVERIFY(SplitTestPdf::outline(temp(QStringLiteral("many3.pdf"))).isEmpty());
        QCOMPARE(SplitTestPdf::info(temp(QStringLiteral("many3.pdf")), "/Author"), QStringLiteral("Each"));
    }
};

QTEST_GUILESS_MAIN(TestPageExtractor)
#include "tst_pageextractor.moc"
