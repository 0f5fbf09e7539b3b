#include "TestPaths.h"
#include "TestPdf.h"
#include "pdf/DebenuService.h"
#include "pdf/PageLabelReader.h"
#include "pdf/PagePictureLoader.h"
#include "pdf/PageRenderer.h"

#include <QMutex>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWaitCondition>
#include <QtTest>

#include <atomic>
#include <memory>

namespace {

// What the renderers of one test share: a gate every render waits at until
// it opens, and counts of what happened.
struct Gate
{
    QMutex mutex;
    QWaitCondition changed;
    bool open = true;
    int waiting = 0;              // renders held at the gate now
    std::atomic<int> alive{0};    // renderers not yet destroyed
    std::atomic<int> stops{0};    // stop() calls
    QSet<int> failing;            // pages that cannot be drawn

    void close()
    {
        QMutexLocker lock(&mutex);
        open = false;
    }
    void release()
    {
        QMutexLocker lock(&mutex);
        open = true;
        changed.wakeAll();
    }
    int held()
    {
        QMutexLocker lock(&mutex);
        return waiting;
    }
};

// Opens the gate when a test ends, also on a failed check: a render left
// waiting at it would hold its drawing thread, and the program's exit with it.
struct GateOpener
{
    std::shared_ptr<Gate> gate;
    ~GateOpener() { gate->release(); }
};

// The program's renderer behind a gate. Its stop() is counted but not passed
// on, so a render held at the gate when the loader stops still ends with a
// drawn page: a late picture the loader must not deliver.
class GatedRenderer : public PageRendering
{
public:
    explicit GatedRenderer(std::shared_ptr<Gate> gate)
        : m_gate(std::move(gate))
    {
        ++m_gate->alive;
    }
    ~GatedRenderer() override { --m_gate->alive; }

    bool render(const QString &path, const QString &password, int page, const PageBitmap &bitmap) override
    {
        {
            QMutexLocker lock(&m_gate->mutex);
            ++m_gate->waiting;
            while (!m_gate->open)
                m_gate->changed.wait(&m_gate->mutex);
            --m_gate->waiting;
            if (m_gate->failing.contains(page))
                return false;
        }
        return m_inner.render(path, password, page, bitmap);
    }
    void clear() override { m_inner.clear(); }
    QVector<QSizeF> pageSizes(const QString &path, const QString &password) override
    {
        return m_inner.pageSizes(path, password);
    }
    QSizeF pageSize(const QString &path, const QString &password, int page) override
    {
        return m_inner.pageSize(path, password, page);
    }
    void stop() override { ++m_gate->stops; }

private:
    std::shared_ptr<Gate> m_gate;
    PageRenderer m_inner{1};
};

PagePictureLoader::RendererFactory gated(const std::shared_ptr<Gate> &gate)
{
    return [gate] { return std::make_unique<GatedRenderer>(gate); };
}

// Size and rotation of each page as poppler's pdfinfo reads them: the crop
// box turned by the page's rotation.
QVector<QSizeF> popplerPageSizes(const QString &path, int pages)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {QStringLiteral("-box"), QStringLiteral("-f"), QStringLiteral("1"),
                                           QStringLiteral("-l"), QString::number(pages), path});
    info.waitForFinished(30000);
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    QVector<QSizeF> sizes(pages);
    QVector<int> rotations(pages);
    const QRegularExpression crop(QStringLiteral("Page +(\\d+) CropBox: +([-\\d.]+) +([-\\d.]+) +([-\\d.]+) +([-\\d.]+)"));
    const QRegularExpression rot(QStringLiteral("Page +(\\d+) rot: +(\\d+)"));
    for (auto it = crop.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        sizes[m.captured(1).toInt() - 1] = QSizeF(m.captured(4).toDouble() - m.captured(2).toDouble(),
                                                  m.captured(5).toDouble() - m.captured(3).toDouble());
    }
    for (auto it = rot.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        rotations[m.captured(1).toInt() - 1] = m.captured(2).toInt();
    }
    for (int i = 0; i < pages; ++i) {
        if (rotations.at(i) % 180 == 90)
            sizes[i].transpose();
    }
    return sizes;
}

// Pages that differ from plain white somewhere: something was drawn.
bool hasInk(const QImage &picture)
{
    for (int y = 0; y < picture.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (qGray(row[x]) < 200)
                return true;
        }
    }
    return false;
}

} // namespace

// The page grid's drawing threads: page sizes and pictures from real files
// through the program's MuPDF renderer, pictures in the order asked, a page
// that cannot be drawn beside pages that can, and the stop that leaves no
// picture to arrive afterwards, whether the loader is stopped or deleted
// while its threads draw.
class TestPagePictureLoader : public QObject
{
    Q_OBJECT

private slots:
    void sizesAsPopplerReadsThem()
    {
        // Crop boxes inside media boxes, every rotation.
        const QString path = TestPaths::fixturesDir() + QStringLiteral("/../qpdf-suite/boxes.pdf");
        QVERIFY(QFileInfo::exists(path));
        PageRenderer renderer(1);
        const QVector<QSizeF> sizes = renderer.pageSizes(path, QString());
        const QVector<QSizeF> expected = popplerPageSizes(path, 8);
        QCOMPARE(sizes.size(), 8);
        for (int i = 0; i < sizes.size(); ++i) {
            QVERIFY2(qAbs(sizes.at(i).width() - expected.at(i).width()) < 0.5
                         && qAbs(sizes.at(i).height() - expected.at(i).height()) < 0.5,
                     qPrintable(QStringLiteral("page %1: %2x%3, poppler %4x%5").arg(i + 1)
                                    .arg(sizes.at(i).width()).arg(sizes.at(i).height())
                                    .arg(expected.at(i).width()).arg(expected.at(i).height())));
        }
        QVERIFY(renderer.pageSizes(TestPaths::fixture(QStringLiteral("enc-XI-R6,V5,U=view,O=master.pdf")),
                                   QStringLiteral("wrong")).isEmpty());
    }

    // Crafted boxes of 1e9 points: the grid reads their real sizes and
    // draws each page no larger than its cell, in the page's shape.
    void hugePagesAreDrawnAtTheirCellsSize()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("huge.pdf"));
        TestPdf::Page square;
        square.width = 1e9;
        square.height = 1e9;
        TestPdf::Page strip;
        strip.width = 10;
        strip.height = 1e9;
        QVERIFY(TestPdf::write(path, {square, strip}));
        PagePictureLoader loader([] { return std::make_unique<PageRenderer>(1); }, 1);
        QSignalSpy sizes(&loader, &PagePictureLoader::sizesRead);
        QSignalSpy pictures(&loader, &PagePictureLoader::pictureReady);
        loader.open(path, QString());
        const QSize box(90, 128);
        loader.request({1, 2}, box);
        QTRY_COMPARE_WITH_TIMEOUT(pictures.count(), 2, 20000);
        QTRY_COMPARE(sizes.count(), 1);
        const QVector<QSizeF> read = sizes.first().first().value<QVector<QSizeF>>();
        QCOMPARE(read, (QVector<QSizeF>{QSizeF(1e9, 1e9), QSizeF(10, 1e9)}));
        QCOMPARE(pictures.at(0).at(1).value<QImage>().size(), QSize(90, 90));
        QCOMPARE(pictures.at(1).at(1).value<QImage>().size(), QSize(1, 128));
    }

    void picturesInTheOrderAsked()
    {
        const QString manual = TestPaths::realManual();
        auto gate = std::make_shared<Gate>();
        const GateOpener opener{gate};
        PagePictureLoader loader(gated(gate), 1);
        QSignalSpy sizes(&loader, &PagePictureLoader::sizesRead);
        QSignalSpy pictures(&loader, &PagePictureLoader::pictureReady);
        loader.open(manual, QString());
        const QSize box(90, 128);
        loader.request({7, 1, 101}, box);
        QTRY_COMPARE_WITH_TIMEOUT(pictures.count(), 3, 20000);
        QTRY_COMPARE(sizes.count(), 1);
        const QVector<QSizeF> pageSizes = sizes.first().first().value<QVector<QSizeF>>();
        QCOMPARE(pageSizes.size(), 101);
        QList<int> order;
        for (const QList<QVariant> &signal : qAsConst(pictures)) {
            const int page = signal.at(0).toInt();
            const QImage picture = signal.at(1).value<QImage>();
            order << page;
            QCOMPARE(picture.size(), PagePictureLoader::fittedSize(pageSizes.at(page - 1), box));
            QVERIFY2(hasInk(picture), qPrintable(QStringLiteral("page %1 is blank").arg(page)));
        }
        QCOMPARE(order, QList<int>({7, 1, 101}));
        // A new request replaces the pages still waiting.
        gate->close();
        loader.request({2, 3, 4, 5}, box);
        QTRY_COMPARE(gate->held(), 1);
        loader.request({9}, box);
        gate->release();
        QTRY_COMPARE_WITH_TIMEOUT(pictures.count(), 5, 20000);
        QTest::qWait(100);
        QCOMPARE(pictures.count(), 5);
        QCOMPARE(pictures.at(3).at(0).toInt(), 2);
        QCOMPARE(pictures.at(4).at(0).toInt(), 9);
    }

    void aPageThatCannotBeDrawnStopsNothingElse()
    {
        auto gate = std::make_shared<Gate>();
        gate->failing = {2};
        PagePictureLoader loader(gated(gate), 2);
        QSignalSpy pictures(&loader, &PagePictureLoader::pictureReady);
        QSignalSpy failed(&loader, &PagePictureLoader::pictureFailed);
        loader.open(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")), QString());
        loader.request({1, 2, 3, 4}, QSize(60, 80));
        QTRY_COMPARE_WITH_TIMEOUT(pictures.count() + failed.count(), 4, 20000);
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed.first().first().toInt(), 2);
    }

    void protectedDocumentNeedsItsPassword()
    {
        const QString path = TestPaths::fixture(QStringLiteral("enc-XI-R6,V5,U=view,O=master.pdf"));
        auto gate = std::make_shared<Gate>();
        PagePictureLoader loader(gated(gate), 1);
        QSignalSpy failed(&loader, &PagePictureLoader::openFailed);
        QSignalSpy sizes(&loader, &PagePictureLoader::sizesRead);
        QSignalSpy pictures(&loader, &PagePictureLoader::pictureReady);
        loader.open(path, QString());
        loader.request({1}, QSize(60, 80));
        QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 20000);
        QTest::qWait(50);
        QCOMPARE(pictures.count(), 0);
        loader.open(path, QStringLiteral("view"));
        loader.request({1}, QSize(60, 80));
        QTRY_COMPARE_WITH_TIMEOUT(pictures.count(), 1, 20000);
        // The first pages are drawn while the sizes are read: either may
        // arrive first.
        QTRY_COMPARE_WITH_TIMEOUT(sizes.count(), 1, 20000);
        QCOMPARE(sizes.first().first().value<QVector<QSizeF>>().size(), 30);
    }

    // Renders held at the gate when the loader stops end with drawn pages:
    // none of them may arrive, the renderers drawing them are told to stop,
    // and every thread ends on its own.
    void stopLeavesNoLatePicture()
    {
        auto gate = std::make_shared<Gate>();
        const GateOpener opener{gate};
        gate->close();
        PagePictureLoader loader(gated(gate), 2);
        QSignalSpy pictures(&loader, &PagePictureLoader::pictureReady);
        QSignalSpy failed(&loader, &PagePictureLoader::pictureFailed);
        loader.open(TestPaths::realManual(), QString());
        loader.request({1, 2, 3, 4, 5, 6, 7, 8}, QSize(90, 128));
        QTRY_COMPARE_WITH_TIMEOUT(gate->held(), 2, 20000);
        loader.stop();
        QCOMPARE(gate->stops.load(), 2);
        gate->release();
        QTRY_COMPARE_WITH_TIMEOUT(loader.runningThreads(), 0, 20000);
        QTest::qWait(100);
        QCOMPARE(pictures.count(), 0);
        QCOMPARE(failed.count(), 0);
        QTRY_COMPARE(gate->alive.load(), 0);
    }

    // The same with the loader deleted (the grid closed) while its threads
    // draw: they finish, close their renderers, and touch nothing gone.
    void deletedWhileDrawing()
    {
        auto gate = std::make_shared<Gate>();
        const GateOpener opener{gate};
        gate->close();
        auto *loader = new PagePictureLoader(gated(gate), 2);
        int delivered = 0;
        connect(loader, &PagePictureLoader::pictureReady, this, [&delivered] { ++delivered; });
        loader->open(TestPaths::realManual(), QString());
        loader->request({1, 2, 3, 4, 5, 6}, QSize(90, 128));
        QTRY_COMPARE_WITH_TIMEOUT(gate->held(), 2, 20000);
        delete loader;
        gate->release();
        QTRY_COMPARE_WITH_TIMEOUT(gate->alive.load(), 0, 20000);
        QTest::qWait(100);
        QCOMPARE(delivered, 0);
    }

    void labelsOfEveryPage()
    {
        auto service = std::make_shared<DebenuService>();
        const QString path = TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf"));
        PagePictureLoader loader(
            [] { return std::make_unique<PageRenderer>(1); }, 1,
            [service](const QString &file, const QString &password) {
                QStringList labels;
                service->pageLabels(file, password, &labels);
                return labels;
            });
        QSignalSpy labels(&loader, &PagePictureLoader::labelsRead);
        loader.open(path, QString());
        QTRY_COMPARE_WITH_TIMEOUT(labels.count(), 1, 20000);
        // A prefix without a style, lower-case roman from 4, letters from 16.
        QCOMPARE(labels.first().first().toStringList(),
                 QStringList({"pre-", "pre-", "pre-", "pre-", "iv", "v", "vi", "vii", "p", "q", "r"}));
    }

    void labelStyles_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<qlonglong>("number");
        QTest::addColumn<QString>("label");
        QTest::newRow("decimal") << "D" << "" << 12LL << "12";
        QTest::newRow("decimal with prefix") << "D" << "A-" << 3LL << "A-3";
        QTest::newRow("upper roman") << "R" << "" << 1994LL << "MCMXCIV";
        QTest::newRow("lower roman") << "r" << "" << 14LL << "xiv";
        QTest::newRow("letters past Z double") << "A" << "" << 28LL << "BB";
        QTest::newRow("lower letters") << "a" << "" << 1LL << "a";
        QTest::newRow("no style: prefix alone") << "" << "Cover" << 5LL << "Cover";
        QTest::newRow("unknown style: prefix alone") << "X" << "p" << 5LL << "p";
        QTest::newRow("zero in decimal whatever the style") << "r" << "" << 0LL << "0";
    }

    void labelStyles()
    {
        QFETCH(QString, style);
        QFETCH(QString, prefix);
        QFETCH(qlonglong, number);
        QFETCH(QString, label);
        QCOMPARE(PageLabelReader::format(style, prefix, number), label);
    }
};

QTEST_GUILESS_MAIN(TestPagePictureLoader)
#include "tst_pagepictureloader.moc"
