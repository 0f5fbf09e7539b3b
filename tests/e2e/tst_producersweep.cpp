#include "RealDocuments.h"
#include "SplitTestPdf.h"
#include "TestPaths.h"
#include "ToolRun.h"
#include "app/AppSettings.h"
#include "merge/InformationWorkerList.h"
#include "merge/Merge.h"
#include "pdf/DebenuService.h"
#include "split/Split.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include <set>

namespace {

// What makes a page this page: its content streams and the images it
// draws, as they are stored (outputs keep stream data as it is).
QByteArray fingerprint(QPDFPageObjectHelper page)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (QPDFObjectHandle &stream : page.getPageContents()) {
        const std::shared_ptr<Buffer> data = stream.getRawStreamData();
        hash.addData(reinterpret_cast<const char *>(data->getBuffer()), int(data->getSize()));
    }
    for (auto &image : page.getImages())
        hash.addData(QByteArray::number(qlonglong(image.second.getRawStreamData()->getSize())));
    return hash.result().toHex().left(12);
}

// The fingerprint of every page of the document at path, in order.
QList<QByteArray> fingerprints(const QString &path)
{
    QPDF pdf;
    pdf.processFile(QFile::encodeName(path).constData());
    QList<QByteArray> pages;
    for (auto &page : QPDFPageDocumentHelper(pdf).getAllPages())
        pages << fingerprint(page);
    return pages;
}

// The pages that level-1 outline entries go to, as MuPDF's mutool finds
// them (a reader of its own, apart from the one under test).
std::set<int> chapterPages(const QString &path)
{
    const ToolRun run = runTool(QStringLiteral("mutool"), {QStringLiteral("show"), path, QStringLiteral("outline")});
    std::set<int> pages;
    static const QRegularExpression entry(QStringLiteral("^[-+|]\\t\"[^\\t]*\"\\t#page=(\\d+)"));
    for (const QByteArray &line : run.out.split('\n')) {
        const QRegularExpressionMatch match = entry.match(QString::fromUtf8(line));
        if (match.hasMatch() && match.captured(1).toInt() > 0)
            pages.insert(match.captured(1).toInt());
    }
    return pages;
}

} // namespace

// A sweep over documents of many producers, through the split and merge
// controllers and the real pdfworker: every split mode and a merge, each
// checked for what must always hold. Every page is in the outputs exactly
// once and in order; splitting by bookmarks finds parts wherever the
// outline has level-1 entries that go to pages; outputs are no larger than
// their source (a few of them together: no larger than a small multiple of
// it); each keeps its source's document information; and a run that
// reports success left nothing out.
class TestProducerSweep : public QObject
{
    Q_OBJECT

    std::shared_ptr<DebenuService> service;
    QTemporaryDir scratch;
    QString partner;   // merged after each document
    int runs = 0;
    QStringList problems;   // of the document being swept
    QString sourceTitle;    // its information
    QString sourceCreated;
    QString sourceAuthor;

    struct Outcome
    {
        bool succeeded = false;
        QStringList files;
    };

    // Runs the loaded split in mode after setUp; an outcome without files
    // and success when the mode has nothing to run.
    Outcome split(Split &split, int mode, const std::function<void(Split &)> &setUp)
    {
        Outcome outcome;
        bool ended = false;
        QList<QMetaObject::Connection> connections;
        connections << QObject::connect(&split, &Split::finished, [&](const QStringList &files) {
            outcome = {true, files};
            ended = true;
        });
        connections << QObject::connect(&split, &Split::splitFailed, [&] {
            outcome = {false, split.outcome().files()};
            ended = true;
        });
        split.setOutDirectory(scratch.filePath(QStringLiteral("run%1").arg(++runs)));
        split.setMode(mode);
        setUp(split);
        if (!split.requestedRanges().isEmpty()) {
            split.run();
            if (!QTest::qWaitFor([&] { return ended; }, 120000))
                problems << QStringLiteral("mode %1: the split did not end").arg(mode);
        }
        for (const QMetaObject::Connection &connection : connections)
            QObject::disconnect(connection);
        return outcome;
    }

    Outcome merge(const QStringList &sources)
    {
        Merge merge(service);
        InformationWorkerList reader(service, sources, nullptr);
        QObject::connect(&reader, &InformationWorkerList::finished,
                         [&merge](bool, const MergeItemList &items) { merge.model()->addItems(items); });
        reader.run();
        merge.setSaveFileName(scratch.filePath(QStringLiteral("merged%1.pdf").arg(++runs)));
        int code = -1;
        QString merged;
        QObject::connect(&merge, &Merge::finished, [&](int result, const QString &path) {
            code = result;
            merged = path;
        });
        merge.run();
        if (!QTest::qWaitFor([&] { return code != -1; }, 120000))
            return {};
        return {code == 0, {merged}};
    }

    // Checks the outputs of one run against the pages they should hold in
    // order; returns their size together.
    qint64 checkOutputs(const char *mode, const Outcome &outcome, const QList<QByteArray> &expected,
                        qint64 sizeLimit)
    {
        QList<QByteArray> written;
        qint64 total = 0;
        for (const QString &file : outcome.files) {
            written << fingerprints(file);
            const qint64 size = QFileInfo(file).size();
            total += size;
            if (size > sizeLimit)
                problems << QStringLiteral("%1: %2 is %3 bytes, more than %4")
                                .arg(QLatin1String(mode), file).arg(size).arg(sizeLimit);
            if (SplitTestPdf::info(file, "/Title") != sourceTitle
                || SplitTestPdf::info(file, "/CreationDate") != sourceCreated)
                problems << QStringLiteral("%1: %2 lost its source's title or creation date")
                                .arg(QLatin1String(mode), file);
            if (!sourceAuthor.isEmpty() && SplitTestPdf::info(file, "/Author") != sourceAuthor)
                problems << QStringLiteral("%1: %2 lost its source's author").arg(QLatin1String(mode), file);
        }
        if (!outcome.succeeded)
            problems << QStringLiteral("%1: did not succeed").arg(QLatin1String(mode));
        if (written != expected)
            problems << QStringLiteral("%1: the outputs hold %2 pages, not the %3 expected in order")
                            .arg(QLatin1String(mode)).arg(written.size()).arg(expected.size());
        return total;
    }

    // Six scan-shaped pages: one JPEG image each, made into a PDF by img2pdf.
    QString scannedDocument()
    {
        QStringList images;
        for (int page = 1; page <= 6; ++page) {
            QImage image(620, 877, QImage::Format_Grayscale8);
            for (int y = 0; y < image.height(); ++y) {
                uchar *line = image.scanLine(y);
                for (int x = 0; x < image.width(); ++x)
                    line[x] = uchar(((x / 31 + y / 23) % 7 == page) ? 40 : 235 - (x * page + y) % 9);
            }
            images << scratch.filePath(QStringLiteral("scan%1.jpg").arg(page));
            if (!image.save(images.last(), "JPEG", 80))
                return QString();
        }
        const QString pdf = scratch.filePath(QStringLiteral("scan.pdf"));
        const ToolRun run = runTool(QStringLiteral("img2pdf"), QStringList(images) << QStringLiteral("-o") << pdf);
        return run.exitCode == 0 ? pdf : QString();
    }

private slots:
    void initTestCase()
    {
        AppSettings::applyIdentity();
        QVERIFY(scratch.isValid());
        service = std::make_shared<DebenuService>();
        service->init();
        AppSettings::open()->setValue(QLatin1String(AppSettings::keyPublisher), QStringLiteral("Test Press"));
        SW_REQUIRE_PROGRAM("img2pdf");
        SW_REQUIRE_PROGRAM("gzip");
    }

    void sweep_data()
    {
        QTest::addColumn<QString>("source");
        const QList<RealDocuments::Document> documents = RealDocuments::sweep(scratch.path());
        for (const RealDocuments::Document &document : documents)
            QTest::newRow(qPrintable(document.producer)) << document.path;
        QTest::newRow("img2pdf (scanned pages)") << scannedDocument();
        partner = documents.last().path;
    }

    void sweep()
    {
        QFETCH(QString, source);
        QVERIFY2(QFileInfo::exists(source), qPrintable(source));
        QElapsedTimer clock;
        clock.start();
        const QList<QByteArray> pages = fingerprints(source);
        const int count = int(pages.size());
        const qint64 size = QFileInfo(source).size();
        const qint64 eachLimit = size + 16384;   // the information, the XMP packet, a cross-reference table
        // Each file of a few carries the fonts its pages use: a small
        // document's fonts may outweigh its pages (LibreOffice's: 2/3).
        const qint64 fewLimit = size * 3;
        problems.clear();
        sourceTitle = SplitTestPdf::info(source, "/Title");
        sourceCreated = SplitTestPdf::info(source, "/CreationDate");
        sourceAuthor = SplitTestPdf::info(source, "/Author");
        Split document(service);
        document.load(source, QString());
        QCOMPARE(document.pageCount(), count);
        // One file per page; groups of a quarter of the document.
        checkOutputs("per page", split(document, Split::OnePagePerFile, [](Split &) {}), pages, eachLimit);
        const int quarter = (count + 3) / 4;
        QVERIFY(checkOutputs("groups", split(document, Split::GroupsOfPages,
                                             [quarter](Split &s) { s.setGroupSize(quarter); }),
                             pages, eachLimit) <= fewLimit);
        // Without pages 2 and 3; two ranges that cover the document.
        QList<QByteArray> kept = pages;
        kept.erase(kept.begin() + 1, kept.begin() + 3);
        QVERIFY(checkOutputs("without", split(document, Split::WithoutCertainPages,
                                              [](Split &s) { s.certainPages()->addRange(2, 3); }),
                             kept, size) <= size);
        QVERIFY(checkOutputs("ranges", split(document, Split::ByPageRanges, [count](Split &s) {
                                 s.pageRanges()->addRange(1, 2);
                                 s.pageRanges()->addRange(3, count);
                             }), pages, eachLimit) <= fewLimit);
        // By bookmarks: parts wherever qpdf sees chapters.
        const std::set<int> chapters = chapterPages(source);
        int parts = 0;
        const Outcome bookmarks = split(document, Split::ByBookmarks, [&parts](Split &s) {
            s.setBookmarkLevel(1);
            parts = int(s.bookmarkParts().size());
        });
        if (chapters.empty()) {
            QCOMPARE(parts, 0);
            QVERIFY(!bookmarks.succeeded);
        } else {
            // A part per chapter page, and one for the pages before the first.
            QCOMPARE(parts, int(chapters.size()) + (*chapters.begin() > 1 ? 1 : 0));
            QCOMPARE(bookmarks.files.size(), parts);
            checkOutputs("bookmarks", bookmarks, pages, eachLimit);
        }
        // By size: parts of a third of the document; a part is larger only
        // when it is a single page, and a few parts together are no larger
        // than a small multiple of the source.
        const int limitKb = int(qMax<qint64>(1, size / 3000));
        const Outcome sized = split(document, Split::BySize, [limitKb](Split &s) { s.setMaxSizeKb(limitKb); });
        const qint64 bySize = checkOutputs("size", sized, pages, eachLimit);
        for (const QString &file : sized.files) {
            if (QFileInfo(file).size() > qint64(limitKb) * 1000)
                QCOMPARE(fingerprints(file).size(), 1);
        }
        if (sized.files.size() <= 4)
            QVERIFY(bySize <= fewLimit);
        // Merged with another producer's document.
        const QString other = source == partner ? scratch.filePath(QStringLiteral("scan.pdf")) : partner;
        const qint64 mergeLimit = (size + QFileInfo(other).size()) * 3 / 2;
        const qint64 merged = checkOutputs("merge", merge({source, other}), pages + fingerprints(other),
                                           mergeLimit);
        QVERIFY(merged <= mergeLimit);

        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        qInfo("%s: %d pages, %lld bytes, %d level-1 chapters, %d bookmark parts, by size %lld bytes, merged %lld "
              "bytes, %lld ms",
              QTest::currentDataTag(), count, size, int(chapters.size()), parts, bySize, merged, clock.elapsed());
    }
};

QTEST_MAIN(TestProducerSweep)
#include "tst_producersweep.moc"
