#include "SplitTestPdf.h"
#include "TestPaths.h"
#include "TestPdf.h"
#include "app/AppSettings.h"
#include "merge/IProgress.h"
#include "pdf/DebenuService.h"
#include "protocol/WorkerCode.h"
#include "split/SplitByCertainPage.h"
#include "split/SplitByPageRange.h"
#include "split/SplitFactory.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using RangeList = QList<QPair<int, int>>;

namespace {

// Records what an engine tells its progress sink; can ask for a cancel once
// a number of values were set.
class RecordingProgress : public IProgress
{
public:
    QList<int> values;
    int minimum = -1;
    int maximum = -1;
    int resets = 0;
    int cancelAfterValues = -1;
    bool canceled = false;

    void setMinimum(int value) override { minimum = value; }
    void setMaximum(int value) override { maximum = value; }
    void setValue(int value) override
    {
        values << value;
        if (cancelAfterValues >= 0 && values.size() >= cancelAfterValues)
            canceled = true;
    }
    void setText(const QString &) override {}
    void cancel() override { canceled = true; }
    void reset() override { ++resets; canceled = false; }
    void pause() override {}
    void resume() override {}
    bool isCanceled() override { return canceled; }
    bool isPaused() override { return false; }
};

} // namespace

// The two split engines and their factories, run in-process against the real
// PDF service: names, collisions, invalid ranges, progress, protection,
// encrypted sources, and that nothing half-written is left behind.
class TestSplitEngine : public QObject
{
    Q_OBJECT

    std::shared_ptr<DebenuService> m_service;
    QTemporaryDir m_dir;
    RecordingProgress m_progress;

    SplitFactory::Input input(const QString &source, int pageCount, const QString &outDir)
    {
        m_progress = RecordingProgress();
        SplitFactory::Input in;
        in.service = m_service;
        in.progress = &m_progress;
        in.sourceFile = source;
        in.pageCount = pageCount;
        in.outDirectory = outDir;
        return in;
    }

    QString freshDir(const QString &name)
    {
        const QString path = m_dir.filePath(name);
        QDir(path).removeRecursively();
        QDir().mkpath(path);
        return path;
    }

    QString numbered(const QString &name, int pages)
    {
        const QString path = m_dir.filePath(name);
        if (!QFileInfo::exists(path))
            TestPdf::writeNumbered(path, pages);
        return path;
    }

    static QStringList names(const QStringList &paths)
    {
        QStringList result;
        for (const QString &path : paths)
            result << QFileInfo(path).fileName();
        return result;
    }

    static QStringList leftovers(const QString &dir)
    {
        return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private slots:
    void initTestCase()
    {
        AppSettings::applyIdentity();
        QVERIFY(m_dir.isValid());
        m_service = std::make_shared<DebenuService>();
    }

    // --- page ranges
    // One range the document lacks refuses the whole run, the ranges that
    // fit included: never a run that leaves a range out and goes on.
    void invalidRangesRefuseTheRun()
    {
        const QString out = freshDir("invalid");
        auto engine = SplitFactory::pageRanges(input(numbered("eight.pdf", 8), 8, out),
                                               {{1, 2}, {0, 2}, {5, 3}, {4, 9}});
        QSignalSpy finished(engine.get(), &SplitWorker::finished);
        engine->run();
        QCOMPARE(finished.count(), 1);
        QVERIFY(engine->splitFiles().isEmpty());
        QCOMPARE(engine->outcome().code, int(WorkerCode::PagesOutsideDocument));
        QCOMPARE(m_progress.values, QList<int>{0});
        QVERIFY(leftovers(out).isEmpty());

        auto dropping = SplitFactory::certainPages(input(numbered("eight.pdf", 8), 8, out), {{2, 2}, {9, 9}});
        dropping->run();
        QVERIFY(dropping->splitFiles().isEmpty());
        QCOMPARE(dropping->outcome().code, int(WorkerCode::PagesOutsideDocument));
        QVERIFY(leftovers(out).isEmpty());
    }

    void rangesGiveOneFileEach()
    {
        const QString out = freshDir("ranges");
        auto engine = SplitFactory::pageRanges(input(numbered("eight.pdf", 8), 8, out), {{2, 4}, {8, 8}, {1, 8}});
        QSignalSpy started(engine.get(), &SplitWorker::started);
        QSignalSpy complete(engine.get(), &SplitWorker::complete);
        QSignalSpy finished(engine.get(), &SplitWorker::finished);
        engine->run();
        QCOMPARE(names(engine->splitFiles()), (QStringList{"eight_p2-4.pdf", "eight_p8.pdf", "eight_p1-8.pdf"}));
        QCOMPARE(TestPdf::pageWidths(engine->splitFiles().at(0)), (QList<int>{202, 203, 204}));
        QCOMPARE(TestPdf::pageWidths(engine->splitFiles().at(1)), (QList<int>{208}));
        QCOMPARE(TestPdf::pageWidths(engine->splitFiles().at(2)).size(), 8);
        QCOMPARE(started.count(), 1);
        QCOMPARE(complete.count(), 1);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toStringList(), engine->splitFiles());
        // Values lag one range behind; the range count is the maximum.
        QCOMPARE(m_progress.values, (QList<int>{0, 0, 1, 2}));
        QCOMPARE(m_progress.minimum, 0);
        QCOMPARE(m_progress.maximum, 3);
        QCOMPARE(leftovers(out).size(), 3);   // no temporary files left
        for (const QString &file : engine->splitFiles())
            QVERIFY(SplitTestPdf::qpdfCheckClean(file));
    }

    void baseNameStopsAtFirstDot()
    {
        const QString out = freshDir("dots");
        const QString source = m_dir.filePath("a.b.pdf");
        QVERIFY(TestPdf::writeNumbered(source, 5));
        auto engine = SplitFactory::pageRanges(input(source, 5, out), {{2, 2}, {2, 4}});
        engine->run();
        QCOMPARE(names(engine->splitFiles()), (QStringList{"a_p2.pdf", "a_p2-4.pdf"}));
    }

    void existingFilesAreNeverReplaced()
    {
        const QString out = freshDir("collide");
        const QString source = numbered("eight.pdf", 8);
        QFile existing(out + "/eight_p2.pdf");
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("mine, not a PDF");
        existing.close();
        auto first = SplitFactory::pageRanges(input(source, 8, out), {{2, 2}});
        first->run();
        auto second = SplitFactory::pageRanges(input(source, 8, out), {{2, 2}});
        second->run();
        QCOMPARE(names(first->splitFiles()), QStringList{"(1)eight_p2.pdf"});
        QCOMPARE(names(second->splitFiles()), QStringList{"(2)eight_p2.pdf"});
        // The outcome says so, for the completion dialog to tell.
        QCOMPARE(first->outcome().renamedFiles(), first->splitFiles());
        QCOMPARE(first->outcome().code, int(WorkerCode::Success));
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), QByteArray("mine, not a PDF"));
    }

    void cancelStopsBetweenRanges()
    {
        const QString out = freshDir("cancel");
        auto engine = SplitFactory::onePagePerFile(input(numbered("eight.pdf", 8), 8, out));
        m_progress.cancelAfterValues = 3;   // the initial 0 and two ranges
        engine->run();
        QCOMPARE(engine->splitFiles().size(), 2);
        // Stopped with ranges left: never a success.
        QCOMPARE(engine->outcome().code, int(WorkerCode::Canceled));
    }

    // An engine runs on its caller's thread without spinning the caller's
    // event loop: what the caller has posted waits until control is back
    // there. (Stops arrive through the progress sink, not as events.)
    void runLeavesTheCallersEventsAlone()
    {
        const QString source = numbered("eight.pdf", 8);
        bool delivered = false;
        QMetaObject::invokeMethod(this, [&delivered] { delivered = true; }, Qt::QueuedConnection);
        auto ranges = SplitFactory::pageRanges(input(source, 8, freshDir("quiet-ranges")), {{1, 2}});
        ranges->run();
        auto dropping = SplitFactory::certainPages(input(source, 8, freshDir("quiet-drop")), {{2, 2}});
        dropping->run();
        auto bySize = SplitFactory::bySize(input(source, 8, freshDir("quiet-size")), 1000 * 1000);
        bySize->run();
        QCOMPARE(ranges->splitFiles().size() + dropping->splitFiles().size() + bySize->splitFiles().size(), 3);
        QVERIFY(!delivered);
        QTRY_VERIFY(delivered);
    }

    // A part exactly as large as the limit fits it: one part, not one cut
    // shorter and not one called larger than the limit.
    void partOfExactlyTheLimitFits()
    {
        const QString source = numbered("eight.pdf", 8);
        auto measured = SplitFactory::bySize(input(source, 8, freshDir("exact-measure")), 100 * 1000 * 1000);
        measured->run();
        QCOMPARE(measured->splitFiles().size(), 1);
        const qint64 bytes = QFileInfo(measured->splitFiles().first()).size();
        const QString out = freshDir("exact");
        auto exact = SplitFactory::bySize(input(source, 8, out), bytes);
        exact->run();
        QCOMPARE(exact->outcome().code, int(WorkerCode::Success));
        QCOMPARE(names(exact->splitFiles()), QStringList{"eight_p1-8.pdf"});
        QCOMPARE(QFileInfo(exact->splitFiles().first()).size(), bytes);
        QVERIFY(exact->outcome().oversized.isEmpty());
        // One byte less no longer holds the whole document.
        auto smaller = SplitFactory::bySize(input(source, 8, freshDir("exact-less")), bytes - 1);
        smaller->run();
        QVERIFY(smaller->splitFiles().size() > 1);
    }

    void missingSourceIsToldAsSuch()
    {
        const QString out = freshDir("missing");
        auto engine = SplitFactory::pageRanges(input(m_dir.filePath("nothere.pdf"), 3, out), {{1, 1}});
        QSignalSpy complete(engine.get(), &SplitWorker::complete);
        QSignalSpy finished(engine.get(), &SplitWorker::finished);
        engine->run();
        QCOMPARE(engine->outcome().code, int(WorkerCode::SourceMissing));
        QCOMPARE(complete.count(), 1);
        QCOMPARE(finished.count(), 1);
        QVERIFY(engine->splitFiles().isEmpty());
    }

    void outputFolderCreatedOneLevelOnly()
    {
        const QString source = numbered("eight.pdf", 8);
        const QString oneLevel = m_dir.filePath("made");
        auto engine = SplitFactory::pageRanges(input(source, 8, oneLevel), {{1, 1}});
        engine->run();
        QCOMPARE(engine->splitFiles().size(), 1);
        QVERIFY(QFileInfo(oneLevel).isDir());
        const QString twoLevels = m_dir.filePath("absent/made");
        auto deep = SplitFactory::pageRanges(input(source, 8, twoLevels), {{1, 1}});
        deep->run();
        QVERIFY(deep->splitFiles().isEmpty());
        QVERIFY(!QFileInfo::exists(m_dir.filePath("absent")));
    }

    void propertiesAndProtection()
    {
        const QString out = freshDir("props");
        SplitFactory::Input in = input(numbered("eight.pdf", 8), 8, out);
        in.properties = DocumentProperties("Ann", "The title", " pw ", "Cre", "Pro");
        auto engine = SplitFactory::pageRanges(in, {{3, 5}});
        engine->run();
        QCOMPARE(engine->splitFiles().size(), 1);
        const QString file = engine->splitFiles().first();
        QCOMPARE(SplitTestPdf::encryptionRevision(file, QString()), -1);
        QCOMPARE(SplitTestPdf::encryptionRevision(file, "pw"), 6);
        QCOMPARE(SplitTestPdf::info(file, "/Author", "pw"), QStringLiteral("Ann"));
        QCOMPARE(SplitTestPdf::info(file, "/Title", "pw"), QStringLiteral("The title"));
        QCOMPARE(SplitTestPdf::info(file, "/Creator", "pw"), QStringLiteral("Cre"));
        QCOMPARE(SplitTestPdf::info(file, "/Producer", "pw"), QStringLiteral("Pro"));
        QVERIFY(SplitTestPdf::version(file, "pw") >= SplitTestPdf::version(in.sourceFile));
    }

    // --- encrypted sources
    void encryptedSourceRightPassword()
    {
        const QString out = freshDir("enc-right");
        const QString scratch = freshDir("scratch-right");
        SplitFactory::Input in = input(TestPaths::fixture("enc-XI-R6,V5,U=view,O=master.pdf"), 30, out);
        in.password = "view";
        auto engine = SplitFactory::pageRanges(in, {{1, 2}, {30, 30}});
        engine->setScratchDirectory(scratch);
        engine->run();
        QCOMPARE(engine->splitFiles().size(), 2);
        QCOMPARE(TestPdf::pageWidths(engine->splitFiles().first()).size(), 2);
        QCOMPARE(SplitTestPdf::encryptionRevision(engine->splitFiles().first(), QString()), 0);
        QVERIFY(leftovers(scratch).isEmpty());   // the decrypted copy is gone
    }

    void encryptedSourceWrongPassword()
    {
        const QString out = freshDir("enc-wrong");
        SplitFactory::Input in = input(TestPaths::fixture("enc-R3,V2,U=view,O=master.pdf"), 30, out);
        in.password = "nope";
        auto engine = SplitFactory::pageRanges(in, {{1, 2}});
        engine->run();
        QVERIFY(engine->splitFiles().isEmpty());
        QCOMPARE(engine->outcome().code, int(WorkerCode::NothingProduced));
        QVERIFY(leftovers(out).isEmpty());
    }

    void failedDecryptionFallsBackToSource()
    {
        // Opens without a password; a wrong one fails decryption, and the
        // source itself is then split.
        const QString out = freshDir("enc-fallback");
        SplitFactory::Input in = input(TestPaths::fixture("V4-aes.pdf"), 30, out);
        in.password = "wrong";
        auto engine = SplitFactory::pageRanges(in, {{5, 6}});
        engine->run();
        QCOMPARE(engine->splitFiles().size(), 1);
        QCOMPARE(TestPdf::pageWidths(engine->splitFiles().first()).size(), 2);
    }

    void passwordWithSpacesIsNotTrimmed()
    {
        const QString out = freshDir("enc-long");
        SplitFactory::Input in = input(TestPaths::fixture("enc-long-password.pdf"), 30, out);
        in.password = "asdf asdf asdf asdf asdf asdf qwer";
        auto engine = SplitFactory::pageRanges(in, {{1, 1}});
        engine->run();
        QCOMPARE(engine->splitFiles().size(), 1);
    }

    // --- certain pages
    void certainPagesDropListedPages()
    {
        const QString out = freshDir("certain");
        const QString source = m_dir.filePath("report.v1.pdf");
        QVERIFY(TestPdf::writeNumbered(source, 5));
        auto engine = SplitFactory::certainPages(input(source, 5, out), {{2, 2}, {4, 4}});
        engine->run();
        QCOMPARE(engine->splitFiles().size(), 1);
        const QString name = QFileInfo(engine->splitFiles().first()).fileName();
        QVERIFY2(QRegularExpression("^report\\.v1_edited_\\d{4}_\\d\\d_\\d\\d_\\d\\d-\\d\\d-\\d\\d\\.pdf$")
                     .match(name).hasMatch(), qPrintable(name));
        QCOMPARE(TestPdf::pageWidths(engine->splitFiles().first()), (QList<int>{201, 203, 205}));
        QCOMPARE(m_progress.maximum, 0);   // indeterminate while the one file is written
    }

    void certainPagesTwiceNeverReplaces()
    {
        const QString out = freshDir("certain-twice");
        const QString source = numbered("eight.pdf", 8);
        // Occupy the names of this second and the next two, as a run within
        // the same second would find them.
        const QDateTime now = QDateTime::currentDateTime();
        for (int s = 0; s < 3; ++s) {
            QFile taken(out + "/" + SplitByCertainPage::outputFileName(source, now.addSecs(s)));
            QVERIFY(taken.open(QIODevice::WriteOnly));
            taken.write("taken");
        }
        auto engine = SplitFactory::certainPages(input(source, 8, out), {{1, 1}});
        engine->run();
        QCOMPARE(engine->splitFiles().size(), 1);
        QVERIFY2(QFileInfo(engine->splitFiles().first()).fileName().startsWith("(1)"),
                 qPrintable(engine->splitFiles().first()));
        for (const QString &entry : leftovers(out)) {
            if (!entry.startsWith("("))
                QCOMPARE(QFileInfo(out + "/" + entry).size(), qint64(5));
        }
    }

    void certainPagesDroppingAllProducesNothing()
    {
        const QString out = freshDir("certain-all");
        auto engine = SplitFactory::certainPages(input(numbered("three.pdf", 3), 3, out), {{1, 1}, {2, 2}, {3, 3}});
        engine->run();
        QVERIFY(engine->splitFiles().isEmpty());
        QCOMPARE(engine->outcome().code, int(WorkerCode::NothingProduced));
        QVERIFY(leftovers(out).isEmpty());
    }

    void keptPageList_data()
    {
        QTest::addColumn<RangeList>("dropped");
        QTest::addColumn<int>("pageCount");
        QTest::addColumn<QString>("kept");
        QTest::newRow("two dropped") << RangeList{{2, 2}, {4, 4}} << 5 << "1,3,5";
        QTest::newRow("a range goes whole") << RangeList{{2, 5}} << 5 << "1";
        QTest::newRow("ranges and pages") << RangeList{{4, 5}, {1, 1}, {7, 8}} << 9 << "2,3,6,9";
        QTest::newRow("out of range ignored") << RangeList{{0, 0}, {9, 9}, {-3, -3}} << 3 << "1,2,3";
        QTest::newRow("only the part inside counts") << RangeList{{-3, 1}, {3, 9}} << 4 << "2";
        QTest::newRow("all") << RangeList{{1, 1}, {2, 2}} << 2 << "";
        QTest::newRow("no pages") << RangeList{} << 0 << "";
        QTest::newRow("duplicates") << RangeList{{3, 3}, {3, 3}} << 4 << "1,2,4";
    }
    void keptPageList()
    {
        QFETCH(RangeList, dropped);
        QFETCH(int, pageCount);
        QFETCH(QString, kept);
        QCOMPARE(SplitByCertainPage::keptPageList(dropped, pageCount), kept);
    }

    // --- factories and names
    void groupRanges_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("last");
        QTest::addColumn<RangeList>("groups");
        QTest::newRow("3/4/12") << 3 << 4 << 12 << RangeList{{3, 6}, {7, 10}, {11, 12}};
        QTest::newRow("1/1/3") << 1 << 1 << 3 << RangeList{{1, 1}, {2, 2}, {3, 3}};
        QTest::newRow("start after end") << 5 << 2 << 4 << RangeList{};
        QTest::newRow("size 0 is 1") << 1 << 0 << 2 << RangeList{{1, 1}, {2, 2}};
        QTest::newRow("one group") << 2 << 10 << 5 << RangeList{{2, 5}};
        QTest::newRow("last single") << 1 << 2 << 3 << RangeList{{1, 2}, {3, 3}};
        QTest::newRow("huge size") << 1 << 2147483647 << 3 << RangeList{{1, 3}};
    }
    void groupRanges()
    {
        QFETCH(int, start);
        QFETCH(int, size);
        QFETCH(int, last);
        QFETCH(RangeList, groups);
        QCOMPARE(SplitFactory::groupRanges(start, size, last), groups);
    }

    void factoriesBuildTheirEngines()
    {
        SplitFactory::Input in = input("/x.pdf", 4, "/out");
        in.password = "p";
        in.properties = DocumentProperties("a", "t", "p2", "c", "pr");
        auto pages = SplitFactory::onePagePerFile(in);
        auto byRange = dynamic_cast<SplitByPageRange *>(pages.get());
        QVERIFY(byRange);
        QCOMPARE(byRange->ranges(), (RangeList{{1, 1}, {2, 2}, {3, 3}, {4, 4}}));
        QCOMPARE(pages->sourceFile(), QStringLiteral("/x.pdf"));
        QCOMPARE(pages->password(), QStringLiteral("p"));
        QCOMPARE(pages->pageCount(), 4);
        QCOMPARE(pages->outDirectory(), QStringLiteral("/out"));
        QCOMPARE(pages->documentProperties().password, QStringLiteral("p2"));
        in.pageCount = 0;
        QVERIFY(dynamic_cast<SplitByPageRange *>(SplitFactory::onePagePerFile(in).get())->ranges().isEmpty());
        in.pageCount = 7;
        auto groups = SplitFactory::groups(in, 2, 3);
        QCOMPARE(dynamic_cast<SplitByPageRange *>(groups.get())->ranges(),
                 (RangeList{{2, 4}, {5, 7}}));
        auto certain = SplitFactory::certainPages(in, {{2, 2}});
        QVERIFY(dynamic_cast<SplitByCertainPage *>(certain.get()));
    }

    void baseEngineRunsEmpty()
    {
        SplitWorker engine(&m_progress);
        QSignalSpy finished(&engine, &SplitWorker::finished);
        engine.run();
        QCOMPARE(engine.outcome().code, int(WorkerCode::NothingProduced));
        QCOMPARE(finished.count(), 1);
    }

    void rangeTexts()
    {
        QCOMPARE(SplitByPageRange::rangeText({7, 7}), QStringLiteral("7"));
        QCOMPARE(SplitByPageRange::rangeText({3, 6}), QStringLiteral("3-6"));
        QVERIFY(SplitByPageRange::isValidRange({1, 8}, 8));
        QVERIFY(!SplitByPageRange::isValidRange({8, 9}, 8));
        QVERIFY(!SplitByPageRange::isValidRange({1, 1}, 0));
        QVERIFY(!SplitByPageRange::isValidRange({-2147483647 - 1, 3}, 8));
    }
};

QTEST_GUILESS_MAIN(TestSplitEngine)
#include "tst_splitengine.moc"
