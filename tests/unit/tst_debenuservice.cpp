#include "CapturedLog.h"
#include "TestPaths.h"
#include "TestPdf.h"
#include "app/AppSettings.h"
#include "pdf/DebenuDocument.h"
#include "pdf/DebenuService.h"
#include "pdf/PageRenderer.h"
#include "pdf/PdfErrorCode.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <sys/stat.h>

#include <atomic>

namespace {

// Share of pixels that are not white.
double inkShare(const QImage &image)
{
    qint64 ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ink += (qGray(row[x]) < 200) ? 1 : 0;
    }
    return double(ink) / (qint64(image.width()) * image.height());
}

QString runQpdf(const QStringList &arguments, int *exitCode)
{
    QProcess qpdf;
    qpdf.start(QStringLiteral("qpdf"), arguments);
    qpdf.waitForFinished(30000);
    *exitCode = qpdf.exitStatus() == QProcess::NormalExit ? qpdf.exitCode() : -1;
    return QString::fromUtf8(qpdf.readAllStandardOutput() + qpdf.readAllStandardError());
}

} // namespace

class TestDebenuService : public QObject
{
    Q_OBJECT
private:
    std::shared_ptr<DebenuService> m_service;
    QTemporaryDir m_dir;
    // Log lines echoed to the debug output while a test runs.
    std::unique_ptr<CapturedLog> m_log;

    QString temp(const QString &name) const { return m_dir.filePath(name); }
    std::unique_ptr<DebenuDocument> open(const QString &path, const QString &password = QString(),
                                         bool bigData = false)
    {
        return std::make_unique<DebenuDocument>(m_service, path, password, bigData);
    }

private slots:
    void initTestCase()
    {
        AppSettings::applyIdentity();
        m_log = std::make_unique<CapturedLog>();
        QVERIFY(m_dir.isValid());
        m_service = std::make_shared<DebenuService>();
        QVERIFY(!m_service->hasRenderer());
        m_service->installRenderer(std::make_shared<PageRenderer>());
        QVERIFY(m_service->LibraryLoaded());
        QVERIFY(m_service->instanceId() > 0);
    }

    void cleanupTestCase()
    {
        m_log.reset();
    }

    void init()
    {
        m_log->clear();
    }

    // --- loadFile outcomes ----------------------------------------------------

    void loadOpensPlainAndObjectStreamFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pages");
        QTest::newRow("object streams") << "c-object-streams.pdf" << 30;
        QTest::newRow("labels") << "11-pages-with-labels.pdf" << 11;
        QTest::newRow("outlines") << "direct-outlines.pdf" << 30;
        QTest::newRow("form") << "form-filled-by-acrobat.pdf" << 3;
        QTest::newRow("aes-128 without user password") << "V4-aes.pdf" << 30;
    }
    void loadOpensPlainAndObjectStreamFiles()
    {
        QFETCH(QString, name);
        QFETCH(int, pages);
        for (bool bigData : {false, true}) {
            auto document = open(TestPaths::fixture(name), QString(), bigData);
            QVERIFY(document->isLoaded());
            QVERIFY(!document->needsPassword());
            QVERIFY(document->documentId() != 0);
            QCOMPARE(document->pageCount(), pages);
        }
        QVERIFY(m_log->containing(QStringLiteral("Can not load file:")).isEmpty());
    }

    void loadReportsNeededPasswordWith404_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::newRow("rc4 empty") << "enc-R3,V2,U=view,O=master.pdf" << "";
        QTest::newRow("rc4 wrong") << "enc-R3,V2,U=view,O=master.pdf" << "View";
        QTest::newRow("aes-256 empty") << "enc-XI-R6,V5,U=view,O=master.pdf" << "";
        QTest::newRow("aes-256 wrong") << "enc-XI-R6,V5,U=view,O=master.pdf" << "wrong";
        QTest::newRow("long password, prefix only") << "enc-long-password.pdf" << "asdf asdf asdf asdf asdf";
    }
    void loadReportsNeededPasswordWith404()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        const QString path = TestPaths::fixture(name);
        auto document = open(path, password);
        QVERIFY(document->isLoaded());
        QVERIFY(document->needsPassword());
        QCOMPARE(document->documentId(), 0);
        QCOMPARE(m_service->lastErrorCode(), 404);
        const QStringList lines = m_log->containing(QStringLiteral("Can not load file:"));
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines.first().contains(QStringLiteral("DEBUG: Can not load file:%1. Error code:404").arg(path)));
        // The password given never reaches the log.
        if (!password.trimmed().isEmpty()) {
            for (const QString &line : m_log->lines())
                QVERIFY2(!line.contains(password.trimmed()), qPrintable(line));
        }
        // Asking a document that did not open gives nothing, and takes
        // nothing from another open document.
        auto other = open(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")));
        QCOMPARE(document->pageCount(), 0);
        QVERIFY(document->pageSize(1).isEmpty());
        QVERIFY(document->firstPageImage().isNull());
        QCOMPARE(other->pageCount(), 11);
    }

    void loadOpensWithUserOrOwnerPassword_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::newRow("rc4 user") << "enc-R3,V2,U=view,O=master.pdf" << "view";
        QTest::newRow("rc4 owner") << "enc-R3,V2,U=view,O=master.pdf" << "master";
        QTest::newRow("aes-256 user") << "enc-XI-R6,V5,U=view,O=master.pdf" << "view";
        QTest::newRow("aes-256 owner") << "enc-XI-R6,V5,U=view,O=master.pdf" << "master";
        QTest::newRow("password with spaces") << "enc-long-password.pdf" << "asdf asdf asdf asdf asdf asdf qwer";
    }
    void loadOpensWithUserOrOwnerPassword()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        for (bool bigData : {false, true}) {
            auto document = open(TestPaths::fixture(name), password, bigData);
            QVERIFY(document->isLoaded());
            QVERIFY(!document->needsPassword());
            QCOMPARE(document->pageCount(), 30);
        }
    }

    void loadFailsOnUnreadableInput_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("folder") << "folder";
        QTest::newRow("empty") << "empty";
        QTest::newRow("text") << "text";
        QTest::newRow("truncated") << "truncated";
        QTest::newRow("header only") << "header";
    }
    void loadFailsOnUnreadableInput()
    {
        QFETCH(QString, kind);
        QString path = temp(kind + QStringLiteral(".pdf"));
        QFile file(path);
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (kind != QLatin1String("missing")) {
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (kind == QLatin1String("text"))
                file.write("Dear reader,\nthis is not a PDF file at all.\n");
            if (kind == QLatin1String("header"))
                file.write("%PDF-1.4\n%%EOF\n");
            if (kind == QLatin1String("truncated")) {
                QFile source(TestPaths::fixture(QStringLiteral("form-filled-by-acrobat.pdf")));
                QVERIFY(source.open(QIODevice::ReadOnly));
                file.write(source.read(300));
            }
            file.close();
        }
        for (bool bigData : {false, true}) {
            init();
            auto document = open(path, QString(), bigData);
            QVERIFY(!document->isLoaded());
            QVERIFY(!document->needsPassword());
            QCOMPARE(document->documentId(), 0);
            QVERIFY(m_service->lastErrorCode() != 404);
            QVERIFY(m_service->lastErrorCode() != 0);
            QCOMPARE(m_log->containing(QStringLiteral("Can not load file:%1. Error code:").arg(path)).size(), 1);
        }
    }

    void largeNonPdfIsRefusedQuickly()
    {
        const QString path = temp(QStringLiteral("large.pdf"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(qint64(300) * 1024 * 1024)); // sparse: 300 MB of zeros
        file.close();
        QElapsedTimer timer;
        timer.start();
        auto document = open(path);
        QVERIFY(!document->isLoaded());
        QCOMPARE(m_service->lastErrorCode(), 2);
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
        QFile::remove(path);
    }

    void damagedFilesOpenRepairedOrFailCleanly_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("bad xref") << "bad-xref.pdf";
        QTest::newRow("damaged stream") << "damaged-stream.pdf";
    }
    void damagedFilesOpenRepairedOrFailCleanly()
    {
        QFETCH(QString, name);
        auto document = open(TestPaths::fixture(name));
        // Both are repairable: qpdf rebuilds the cross-reference table.
        QVERIFY(document->isLoaded());
        QCOMPARE(document->pageCount(), 1);
        const QImage image = document->firstPageImage();
        QCOMPARE(image.size(), document->pageSize(1));
    }

    // --- security --------------------------------------------------------------

    void securityAnswers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("encrypted");
        QTest::addColumn<bool>("copyPermitted");
        QTest::newRow("plain") << "c-object-streams.pdf" << "" << false << true;
        QTest::newRow("rc4 user, copy denied") << "enc-R3,V2,U=view,O=master.pdf" << "view" << true << false;
        QTest::newRow("rc4 owner grants all") << "enc-R3,V2,U=view,O=master.pdf" << "master" << true << true;
        QTest::newRow("rc4 restricted, no user password")
            << "enc-R3,V2,O=master.pdf" << "" << true << false;
        QTest::newRow("rc4 restricted, owner") << "enc-R3,V2,O=master.pdf" << "master" << true << true;
        QTest::newRow("aes-256 user, copy allowed")
            << "enc-XI-R6,V5,U=view,O=master.pdf" << "view" << true << true;
        QTest::newRow("aes-256 restricted") << "enc-XI-R6,V5,O=master.pdf" << "" << true << false;
        QTest::newRow("aes-256 restricted, owner") << "enc-XI-R6,V5,O=master.pdf" << "master" << true << true;
        QTest::newRow("aes-128 all permitted") << "V4-aes.pdf" << "" << true << true;
    }
    void securityAnswers()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(bool, encrypted);
        QFETCH(bool, copyPermitted);
        auto document = open(TestPaths::fixture(name), password);
        QVERIFY(document->isLoaded() && !document->needsPassword());
        QCOMPARE(document->isEncrypted(), encrypted);
        QCOMPARE(document->contentCopyPermitted(), copyPermitted);
        m_service->SelectDocument(document->documentId());
        QCOMPARE(m_service->SecurityInfo(0), encrypted ? 1 : 0);
        QCOMPARE(m_service->SecurityInfo(5) == 6, copyPermitted);
        // The direct-access path never answers encrypted.
        auto direct = open(TestPaths::fixture(name), password, true);
        QVERIFY(!direct->isEncrypted());
    }

    // --- pages ------------------------------------------------------------------

    void pageSizesFollowRotation()
    {
        const QString path = temp(QStringLiteral("rotations.pdf"));
        QList<TestPdf::Page> pages;
        for (int rotate : {0, 90, 180, 270, -90, 450}) {
            TestPdf::Page page;
            page.width = 300.7;
            page.height = 500.2;
            page.rotate = rotate;
            pages.append(page);
        }
        QVERIFY(TestPdf::write(path, pages));
        const QList<QSize> expected = {QSize(300, 500), QSize(500, 300), QSize(300, 500),
                                       QSize(500, 300), QSize(500, 300), QSize(500, 300)};
        for (bool bigData : {false, true}) {
            auto document = open(path, QString(), bigData);
            QCOMPARE(document->pageCount(), 6);
            for (int i = 0; i < expected.size(); ++i)
                QCOMPARE(document->pageSize(i + 1), expected.at(i));
            QVERIFY(document->pageSize(0).isEmpty());
            QVERIFY(document->pageSize(7).isEmpty());
        }
    }

    // A crafted page box far larger than any screen: the size the viewer
    // shows and the picture it draws stay bounded, in the page's shape,
    // while the page keeps its real size (the service reads it, and a file
    // split from it has it).
    void hugePageBoxesAreShownBounded_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("1e9 points") << 1e9 << 1e9 << QSize(4096, 4096);
        QTest::newRow("past an int") << 3e10 << 1.5e10 << QSize(4096, 2048);
        QTest::newRow("a long strip") << 1e9 << 10.0 << QSize(4096, 1);
        QTest::newRow("a poster") << 8192.0 << 2000.0 << QSize(4096, 1000);
    }
    void hugePageBoxesAreShownBounded()
    {
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(QSize, shown);
        const QString path = temp(QStringLiteral("huge.pdf"));
        TestPdf::Page huge;
        huge.width = width;
        huge.height = height;
        TestPdf::Page normal;
        normal.width = 200;
        normal.height = 300;
        QVERIFY(TestPdf::write(path, {huge, normal}));
        for (bool bigData : {false, true}) {
            auto document = open(path, QString(), bigData);
            QCOMPARE(document->pageSize(1), shown);
            QCOMPARE(document->pageSize(2), QSize(200, 300));
            QCOMPARE(m_service->pageSizeInPoints(document->documentId(), 1, bigData), QSizeF(width, height));
        }
        auto document = open(path);
        const QImage picture = document->pageImage(1);
        QCOMPARE(picture.size(), shown);
        QCOMPARE(document->pageImage(2).size(), QSize(200, 300));
        const QString part = temp(QStringLiteral("huge-part.pdf"));
        QCOMPARE(m_service->extractFilePages(path, QString(), part, QStringLiteral("1")), 1);
        auto split = open(part);
        QCOMPARE(m_service->pageSizeInPoints(split->documentId(), 1, false), QSizeF(width, height));
    }

    void inheritedRotationAndCropBox()
    {
        const QString path = temp(QStringLiteral("inherited.pdf"));
        TestPdf::Page page;
        page.width = 400;
        page.height = 600;
        QVERIFY(TestPdf::write(path, {page, page}, {}, -270));
        auto document = open(path);
        QCOMPARE(document->pageSize(1), QSize(600, 400));
        QCOMPARE(document->pageSize(2), QSize(600, 400));
        // An extracted page keeps the rotation it inherited.
        const QString extracted = temp(QStringLiteral("inherited-page.pdf"));
        QCOMPARE(m_service->extractFilePages(path, QString(), extracted, QStringLiteral("2")), 1);
        auto single = open(extracted);
        QCOMPARE(single->pageSize(1), QSize(600, 400));

        // This fixture's page is landscape by its media box (792 x 612) and
        // has its annotations turned; it carries no /Rotate.
        auto annotated = open(TestPaths::fixture(QStringLiteral("annotations-rotated-90.pdf")));
        QCOMPARE(annotated->pageSize(1), QSize(792, 612));
        m_service->SelectDocument(annotated->documentId());
        m_service->SelectPage(1);
        QCOMPARE(m_service->PageRotation(), 0);
    }

    // --- rendering ----------------------------------------------------------------

    void renderingHasThePageSizeAndInk_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("bigData");
        QTest::newRow("plain") << "c-object-streams.pdf" << "" << false;
        QTest::newRow("plain direct") << "c-object-streams.pdf" << "" << true;
        QTest::newRow("annotations") << "annotations-rotated-90.pdf" << "" << false;
        QTest::newRow("aes-256 with user password") << "enc-XI-R6,V5,U=view,O=master.pdf" << "view" << false;
        QTest::newRow("rc4 with owner password") << "enc-R3,V2,U=view,O=master.pdf" << "master" << false;
        QTest::newRow("form") << "form-filled-by-acrobat.pdf" << "" << false;
    }
    void renderingHasThePageSizeAndInk()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(bool, bigData);
        auto document = open(TestPaths::fixture(name), password, bigData);
        QVERIFY(document->isLoaded() && !document->needsPassword());
        const QImage image = document->firstPageImage();
        QVERIFY(!image.isNull());
        QCOMPARE(image.format(), QImage::Format_RGB32);
        QCOMPARE(image.size(), document->pageSize(1));
        const double ink = inkShare(image);
        QVERIFY2(ink > 0.0005 && ink < 0.9, qPrintable(QString::number(ink)));
    }

    void renderingOfGeneratedPagesHonoursRotation()
    {
        const QString path = temp(QStringLiteral("render-rotated.pdf"));
        TestPdf::Page upright;
        upright.width = 200;
        upright.height = 400;
        TestPdf::Page turned = upright;
        turned.rotate = 90;
        QVERIFY(TestPdf::write(path, {upright, turned}));
        auto document = open(path);
        const QImage first = document->pageImage(1);
        const QImage second = document->pageImage(2);
        QCOMPARE(first.size(), QSize(200, 400));
        QCOMPARE(second.size(), QSize(400, 200));
        // The black square sits at the bottom left of the unrotated page; a
        // quarter turn clockwise brings it to the top left.
        QCOMPARE(qGray(first.pixel(50, 350)), 0);
        QCOMPARE(qGray(second.pixel(50, 50)), 0);
        QCOMPARE(qGray(second.pixel(50, 150)), 255);
        QVERIFY(document->pageImage(3).isNull());
        QVERIFY(document->pageImage(0).isNull());
    }

    void hairlinesStayVisibleAt72Dpi()
    {
        const QString path = temp(QStringLiteral("hairline.pdf"));
        TestPdf::Page page;
        page.width = 300;
        page.height = 300;
        // A 0.05 point rule at y = 200.5 (pixel row 99 from the top) from x = 10 to 290.
        page.extraContent = "0 0 0 RG 0.05 w 10 200.5 m 290 200.5 l S\n";
        QVERIFY(TestPdf::write(path, {page}));
        auto document = open(path);
        const QImage image = document->pageImage(1);
        QCOMPARE(image.size(), QSize(300, 300));
        int darkest = 255;
        for (int y = 97; y <= 101; ++y)
            darkest = qMin(darkest, qGray(image.pixel(150, y)));
        QVERIFY2(darkest < 100, qPrintable(QString::number(darkest)));
    }

    // --- files ----------------------------------------------------------------------

    void decryptWritesAPlainCopy()
    {
        const QString output = temp(QStringLiteral("decrypted.pdf"));
        const QString source = TestPaths::fixture(QStringLiteral("enc-XI-R6,V5,U=view,O=master.pdf"));
        QCOMPARE(m_service->decryptFile(source, output, QStringLiteral("wrong")), 0);
        QCOMPARE(m_service->lastErrorCode(), 404);
        QVERIFY(!QFile::exists(output));
        QCOMPARE(m_service->decryptFile(source, output, QStringLiteral("view")), 1);
        auto document = open(output);
        QVERIFY(document->isLoaded() && !document->needsPassword());
        QVERIFY(!document->isEncrypted());
        QCOMPARE(document->pageCount(), 30);
        QVERIFY(document->contentCopyPermitted());
    }

    void extractWritesListedPages_data()
    {
        QTest::addColumn<QString>("ranges");
        QTest::addColumn<QList<int>>("widths");
        QTest::newRow("single") << "7" << QList<int>{207};
        QTest::newRow("span") << "3-6" << QList<int>{203, 204, 205, 206};
        QTest::newRow("list") << "1,3,5" << QList<int>{201, 203, 205};
        QTest::newRow("mixed with spaces") << " 2 , 8-10" << QList<int>{202, 208, 209, 210};
        QTest::newRow("descending") << "4-2" << QList<int>{204, 203, 202};
        QTest::newRow("repeated page") << "1,1" << QList<int>{201, 201};
    }
    void extractWritesListedPages()
    {
        QFETCH(QString, ranges);
        QFETCH(QList<int>, widths);
        const QString source = temp(QStringLiteral("numbered.pdf"));
        if (!QFile::exists(source))
            QVERIFY(TestPdf::writeNumbered(source, 10));
        const QString output = temp(QStringLiteral("extract-%1.pdf").arg(QTest::currentDataTag()));
        QCOMPARE(m_service->extractFilePages(source, QString(), output, ranges), 1);
        QCOMPARE(TestPdf::pageWidths(output), widths);
    }

    void extractRefusesBadRanges_data()
    {
        QTest::addColumn<QString>("ranges");
        QTest::newRow("empty") << "";
        QTest::newRow("zero") << "0";
        QTest::newRow("past the end") << "10-11";
        QTest::newRow("words") << "one";
        QTest::newRow("dangling") << "3-";
    }
    void extractRefusesBadRanges()
    {
        QFETCH(QString, ranges);
        const QString source = temp(QStringLiteral("numbered.pdf"));
        if (!QFile::exists(source))
            QVERIFY(TestPdf::writeNumbered(source, 10));
        const QString output = temp(QStringLiteral("bad-range.pdf"));
        QCOMPARE(m_service->extractFilePages(source, QString(), output, ranges), 0);
        QVERIFY(m_service->lastErrorCode() != 0);
        QVERIFY(!QFile::exists(output));
    }

    void extractFromProtectedSource()
    {
        const QString source = TestPaths::fixture(QStringLiteral("enc-R3,V2,U=view,O=master.pdf"));
        const QString output = temp(QStringLiteral("protected-extract.pdf"));
        QCOMPARE(m_service->extractFilePages(source, QString(), output, QStringLiteral("1")), 0);
        QCOMPARE(m_service->lastErrorCode(), 404);
        QCOMPARE(m_service->extractFilePages(source, QStringLiteral("view"), output, QStringLiteral("2-4")), 1);
        auto document = open(output);
        QCOMPARE(document->pageCount(), 3);
        QVERIFY(!document->isEncrypted());
    }

    void repeatedExtractionParsesTheSourceOnce()
    {
        const QString source = temp(QStringLiteral("cached.pdf"));
        QVERIFY(TestPdf::writeNumbered(source, 12));
        const int before = m_service->cachedSourceParses();
        for (int page = 1; page <= 12; ++page)
            QCOMPARE(m_service->extractFilePages(source, QString(), temp(QStringLiteral("c%1.pdf").arg(page)),
                                                 QString::number(page)),
                     1);
        QCOMPARE(m_service->cachedSourceParses() - before, 1);
        QCOMPARE(TestPdf::pageWidths(temp(QStringLiteral("c12.pdf"))), QList<int>{212});

        // A changed file is parsed again and its new pages are used.
        QTest::qWait(20);
        QVERIFY(TestPdf::writeNumbered(source, 3));
        QCOMPARE(m_service->extractFilePages(source, QString(), temp(QStringLiteral("c-new.pdf")),
                                             QStringLiteral("3")),
                 1);
        QCOMPARE(m_service->cachedSourceParses() - before, 2);
        QCOMPARE(m_service->extractFilePages(source, QString(), temp(QStringLiteral("c-gone.pdf")),
                                             QStringLiteral("12")),
                 0);
    }

    void mergeByNamedList()
    {
        const QString a = temp(QStringLiteral("merge-a.pdf"));
        const QString b = temp(QStringLiteral("merge-b.pdf"));
        QVERIFY(TestPdf::writeNumbered(a, 3));
        QVERIFY(TestPdf::writeNumbered(b, 4));
        const QString list = QStringLiteral("list-one");
        QCOMPARE(m_service->addToFileList(list, b), 1);
        QCOMPARE(m_service->addToFileList(list, a), 1);
        QCOMPARE(m_service->addToFileList(list, TestPaths::fixture(QStringLiteral("c-object-streams.pdf"))), 1);
        // A file that needs a password or does not exist is refused, not listed.
        QCOMPARE(m_service->addToFileList(list, TestPaths::fixture(QStringLiteral("enc-R3,V2,U=view,O=master.pdf"))),
                 0);
        QCOMPARE(m_service->lastErrorCode(), 404);
        QCOMPARE(m_service->addToFileList(list, temp(QStringLiteral("nothing.pdf"))), 0);
        const QString output = temp(QStringLiteral("merged.pdf"));
        QCOMPARE(m_service->mergeFileListFast(list, output), 37);
        const QList<int> widths = TestPdf::pageWidths(output);
        QCOMPARE(widths.size(), 37);
        QCOMPARE(widths.mid(0, 7), (QList<int>{201, 202, 203, 204, 201, 202, 203}));
        QCOMPARE(m_service->mergeFileListFast(QStringLiteral("no such list"), temp(QStringLiteral("none.pdf"))), 0);
        QVERIFY(!QFile::exists(temp(QStringLiteral("none.pdf"))));
    }

    // The parse made when a file is listed serves the merge too, and the
    // file's bytes stay readable after the next file is listed.
    void mergeParsesEachListedFileOnce()
    {
        const QString list = QStringLiteral("parsed-once");
        QStringList files;
        for (int i = 0; i < 3; ++i) {
            files << temp(QStringLiteral("once-%1.pdf").arg(i));
            QVERIFY(TestPdf::writeNumbered(files.last(), 2 + i));
        }
        const int before = m_service->cachedSourceParses();
        for (const QString &file : qAsConst(files))
            QCOMPARE(m_service->addToFileList(list, file), 1);
        const QString output = temp(QStringLiteral("once.pdf"));
        QCOMPARE(m_service->mergeFileListFast(list, output), 9);
        QCOMPARE(m_service->cachedSourceParses() - before, 3);
        QCOMPARE(TestPdf::pageWidths(output), (QList<int>{201, 202, 201, 202, 203, 201, 202, 203, 204}));
    }

    void mergeKeepsTheHighestVersion()
    {
        const QString list = QStringLiteral("versions");
        const QString plain = temp(QStringLiteral("v-plain.pdf"));
        QVERIFY(TestPdf::writeNumbered(plain, 1));
        const QString decrypted = temp(QStringLiteral("v-decrypted.pdf"));
        QCOMPARE(m_service->decryptFile(TestPaths::fixture(QStringLiteral("enc-XI-R6,V5,O=master.pdf")), decrypted,
                                        QString()),
                 1);
        QCOMPARE(m_service->addToFileList(list, plain), 1);
        QCOMPARE(m_service->addToFileList(list, decrypted), 1);
        const QString output = temp(QStringLiteral("v-merged.pdf"));
        QCOMPARE(m_service->mergeFileListFast(list, output), 31);
        auto source = open(decrypted);
        auto merged = open(output);
        m_service->SelectDocument(source->documentId());
        const QString sourceVersion = m_service->GetInformation(0);
        m_service->SelectDocument(merged->documentId());
        QVERIFY2(m_service->GetInformation(0) >= sourceVersion, qPrintable(sourceVersion));
    }

    // --- information and encryption ---------------------------------------------

    void informationRoundTrip_data()
    {
        QTest::addColumn<bool>("bigData");
        QTest::newRow("loaded") << false;
        QTest::newRow("direct access") << true;
    }
    void informationRoundTrip()
    {
        QFETCH(bool, bigData);
        const QString output = temp(QStringLiteral("info-%1.pdf").arg(bigData));
        const QString title = QStringLiteral("Überblick – 2024 年");
        {
            auto document = open(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")), QString(), bigData);
            QVERIFY(document->setDocumentProperties(QStringLiteral("Ana Author"), title, QString(),
                                                    QStringLiteral("Sheafwright"), QStringLiteral("Pinecone")));
            QVERIFY(document->saveDocument(output));
        }
        auto reread = open(output, QString(), bigData);
        QCOMPARE(reread->documentTitle(), title);
        QCOMPARE(reread->pageCount(), 11);
        int exitCode = -1;
        const QString json = runQpdf({QStringLiteral("--json"), QStringLiteral("--json-key=qpdf"), output},
                                     &exitCode);
        QCOMPARE(exitCode, 0);
        QVERIFY(json.contains(QStringLiteral("Ana Author")));
        QVERIFY(json.contains(QStringLiteral("Sheafwright")));
        QVERIFY(json.contains(QStringLiteral("Pinecone")));
    }

    void blankPasswordDoesNotEncrypt()
    {
        const QString output = temp(QStringLiteral("blank-password.pdf"));
        {
            auto document = open(TestPaths::fixture(QStringLiteral("c-object-streams.pdf")));
            QVERIFY(document->setDocumentProperties(QStringLiteral("A"), QStringLiteral("T"), QStringLiteral("   "),
                                                    QStringLiteral("C"), QStringLiteral("P")));
            QVERIFY(document->saveDocument(output));
        }
        auto reread = open(output);
        QVERIFY(reread->isLoaded() && !reread->needsPassword());
        QVERIFY(!reread->isEncrypted());
        QCOMPARE(reread->documentTitle(), QStringLiteral("T"));
    }

    void passwordPropertyEncryptsWithAes256()
    {
        const QString output = temp(QStringLiteral("protected.pdf"));
        {
            auto document = open(TestPaths::fixture(QStringLiteral("c-object-streams.pdf")));
            QVERIFY(document->setDocumentProperties(QStringLiteral("A"), QStringLiteral("Secret title"),
                                                    QStringLiteral("  s3cret pass "), QStringLiteral("C"),
                                                    QStringLiteral("P")));
            QVERIFY(document->saveDocument(output));
        }
        int exitCode = -1;
        runQpdf({QStringLiteral("--check"), QStringLiteral("--password=s3cret pass"), output}, &exitCode);
        QCOMPARE(exitCode, 0);
        const QString shown = runQpdf({QStringLiteral("--show-encryption"), QStringLiteral("--password=s3cret pass"),
                                       output},
                                      &exitCode);
        QCOMPARE(exitCode, 0);
        QVERIFY2(shown.contains(QStringLiteral("R = 6")), qPrintable(shown));
        QVERIFY2(shown.contains(QStringLiteral("AESv3")), qPrintable(shown));
        QVERIFY2(shown.contains(QStringLiteral("extract for any purpose: allowed")), qPrintable(shown));
        QVERIFY2(shown.contains(QStringLiteral("modify document assembly: not allowed")), qPrintable(shown));
        runQpdf({QStringLiteral("--check"), output}, &exitCode);
        QVERIFY(exitCode != 0);
        auto locked = open(output);
        QVERIFY(locked->isLoaded() && locked->needsPassword());
        auto opened = open(output, QStringLiteral("s3cret pass"));
        QVERIFY(opened->isEncrypted());
        QCOMPARE(opened->documentTitle(), QStringLiteral("Secret title"));
    }

    void encryptFileUsesTheTrimmedPassword()
    {
        const QString output = temp(QStringLiteral("encrypted-file.pdf"));
        QCOMPARE(m_service->encryptFile(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")), output,
                                        QStringLiteral(" pw ")),
                 1);
        int exitCode = -1;
        runQpdf({QStringLiteral("--check"), QStringLiteral("--password=pw"), output}, &exitCode);
        QCOMPARE(exitCode, 0);
        runQpdf({QStringLiteral("--check"), QStringLiteral("--password= pw "), output}, &exitCode);
        QVERIFY(exitCode != 0);
        runQpdf({QStringLiteral("--check"), output}, &exitCode);
        QVERIFY(exitCode != 0);
        QCOMPARE(m_service->encryptFile(temp(QStringLiteral("absent.pdf")), temp(QStringLiteral("x.pdf")),
                                        QStringLiteral("pw")),
                 0);
    }

    void savedFilesGetTheUsualPermissionsAndReplaceWhole()
    {
        const QString output = temp(QStringLiteral("permissions.pdf"));
        const mode_t previous = ::umask(027);
        const int saved = m_service->extractFilePages(TestPaths::fixture(QStringLiteral("c-object-streams.pdf")),
                                                      QString(), output, QStringLiteral("1-2"));
        ::umask(previous);
        QCOMPARE(saved, 1);
        struct stat status;
        QCOMPARE(::stat(QFile::encodeName(output).constData(), &status), 0);
        QCOMPARE(int(status.st_mode & 0777), 0640);
        // Saving over an existing file replaces it; no scratch file stays behind.
        QCOMPARE(m_service->extractFilePages(TestPaths::fixture(QStringLiteral("c-object-streams.pdf")), QString(),
                                             output, QStringLiteral("3")),
                 1);
        QCOMPARE(TestPdf::pageWidths(output).size(), 1);
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral(".*.part")}, QDir::Files | QDir::Hidden).size(), 0);
    }

    void unicodeNamesAndPasswords()
    {
        const QString folder = temp(QStringLiteral("Größe 年"));
        QVERIFY(QDir().mkpath(folder));
        const QString source = folder + QStringLiteral("/Überblick ü.pdf");
        QVERIFY(QFile::copy(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")), source));
        const QString protectedPath = folder + QStringLiteral("/geschützt.pdf");
        const QString password = QStringLiteral("pässwörd 年");
        {
            auto document = open(source);
            QCOMPARE(document->pageCount(), 11);
            QCOMPARE(document->firstPageImage().size(), document->pageSize(1));
            QVERIFY(document->setDocumentProperties(QString(), QString(), password, QString(), QString()));
            QVERIFY(document->saveDocument(protectedPath));
        }
        int exitCode = -1;
        runQpdf({QStringLiteral("--check"), QStringLiteral("--password=") + password, protectedPath}, &exitCode);
        QCOMPARE(exitCode, 0);
        auto locked = open(protectedPath);
        QVERIFY(locked->needsPassword());
        auto opened = open(protectedPath, password);
        QVERIFY(opened->isLoaded() && !opened->needsPassword());
        QCOMPARE(opened->firstPageImage().size(), opened->pageSize(1));
        const QString extracted = folder + QStringLiteral("/seite 2.pdf");
        QCOMPARE(m_service->extractFilePages(protectedPath, password, extracted, QStringLiteral("2")), 1);
        QCOMPARE(TestPdf::pageWidths(extracted).size(), 1);
    }

    // --- robustness -------------------------------------------------------------------

    // The worker's service has no renderer: structure works, pages are not drawn.
    void withoutRendererPagesAreNotDrawn()
    {
        auto service = std::make_shared<DebenuService>();
        DebenuDocument document(service, TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")), QString(),
                                false);
        QVERIFY(document.isLoaded());
        QCOMPARE(document.pageCount(), 11);
        QVERIFY(!document.pageSize(1).isEmpty());
        QVERIFY(document.firstPageImage().isNull());
        QCOMPARE(service->lastErrorCode(), int(PdfErrorCode::Unsupported));
        service->installRenderer(std::make_shared<PageRenderer>());
        QCOMPARE(document.firstPageImage().size(), document.pageSize(1));
    }

    void unknownHandlesAndKeysReadAsFailure()
    {
        QCOMPARE(m_service->SelectDocument(987654), 0);
        QCOMPARE(m_service->DAGetPageCount(987654), 0);
        QCOMPARE(m_service->DAFindPage(987654, 1), 0);
        QCOMPARE(m_service->DAGetPageBox(987654, 1, 2, 2), 0.0);
        QVERIFY(m_service->DAGetInformation(987654, QStringLiteral("Title")).isEmpty());
        unsigned char pixels[4 * 4 * 4];
        QCOMPARE(m_service->DARenderPageToBitmap(987654, 1, PageBitmap{4, 4, 16, pixels}), 0);
        QCOMPARE(m_service->DASaveAsFile(987654, temp(QStringLiteral("x.pdf"))), 0);
        QCOMPARE(m_service->RemoveDocument(987654), 0);
        QCOMPARE(m_service->DACloseFile(987654), 0);
        QVERIFY(!QFile::exists(temp(QStringLiteral("x.pdf"))));
        auto document = open(TestPaths::fixture(QStringLiteral("c-object-streams.pdf")));
        m_service->SelectDocument(document->documentId());
        QCOMPARE(m_service->SetInformation(42, QStringLiteral("x")), 0);
        QVERIFY(m_service->GetInformation(-1).isEmpty());
        QCOMPARE(m_service->SecurityInfo(99), 0);
        QCOMPARE(m_service->SelectPage(31), 0);
        QCOMPARE(m_service->Encrypt(QStringLiteral("o"), QStringLiteral("u"), 0, 0), 0);
    }

    void closingAFailedDocumentClosesIdZeroOnce()
    {
        // The document that failed still closes (with id 0) without disturbing others.
        auto other = open(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")));
        {
            DebenuDocument failed(m_service, temp(QStringLiteral("not-there.pdf")), QString(), false);
            QVERIFY(!failed.isLoaded());
        }
        QCOMPARE(other->pageCount(), 11);
    }

    // --- concurrency --------------------------------------------------------------------

    void lockKeepsTwoThreadsApart()
    {
        const QString a = TestPaths::fixture(QStringLiteral("c-object-streams.pdf"));
        const QString b = TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf"));
        std::atomic<int> wrong{0};
        auto work = [&](const QString &path, int pages, QSize size) {
            for (int i = 0; i < 40; ++i) {
                DebenuDocument document(m_service, path, QString(), false);
                if (document.pageCount() != pages || document.pageSize(1) != size)
                    ++wrong;
                if (i % 10 == 0 && document.firstPageImage().size() != size)
                    ++wrong;
            }
        };
        QSize sizeA;
        QSize sizeB;
        {
            auto first = open(a);
            auto second = open(b);
            sizeA = first->pageSize(1);
            sizeB = second->pageSize(1);
        }
        QThread *thread = QThread::create([&]() { work(a, 30, sizeA); });
        thread->start();
        work(b, 11, sizeB);
        QVERIFY(thread->wait(60000));
        delete thread;
        QCOMPARE(wrong.load(), 0);
    }
};

QTEST_MAIN(TestDebenuService)
#include "tst_debenuservice.moc"
