#include "RealDocuments.h"
#include "SplitTestPdf.h"
#include "TestPaths.h"
#include "app/AppSettings.h"
#include "merge/InformationWorker.h"
#include "pdf/DebenuService.h"
#include "protocol/WorkerCode.h"
#include "split/Split.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <qpdf/QPDF.hh>

// The split controller driving the real launcher and the real pdfworker.
class TestSplitController : public QObject
{
    Q_OBJECT

    std::shared_ptr<DebenuService> service;
    QTemporaryDir scratch;

    // Signals of one run, in the order they arrived.
    struct Run
    {
        QStringList events;
        QStringList files;
        int failure = 0;
        QList<double> progress;
    };

    static void record(Split &split, Run &run)
    {
        QObject::connect(&split, &Split::started, [&run] { run.events << QStringLiteral("started"); });
        QObject::connect(&split, &Split::complete, [&run] { run.events << QStringLiteral("complete"); });
        QObject::connect(&split, &Split::finished, [&run](const QStringList &files) {
            run.events << QStringLiteral("finished");
            run.files = files;
        });
        QObject::connect(&split, &Split::splitFailed, [&run, &split](int code) {
            run.events << (code == WorkerCode::Canceled ? QStringLiteral("canceled") : QStringLiteral("failed"));
            run.failure = code;
            run.files = split.outcome().files();
        });
        QObject::connect(&split, &Split::progressChanged, [&run](double value) { run.progress << value; });
    }

    // Starts a run and waits for its outcome (finished or failed).
    static bool runToEnd(Split &split, Run &run, int timeoutMs = 120000)
    {
        split.run();
        return QTest::qWaitFor(
            [&run] { return run.events.contains("finished") || run.events.contains("failed"); }, timeoutMs);
    }

    int pagesOf(const QString &path, const QString &password = QString())
    {
        InformationWorker reader(service, path, password);
        reader.run();
        return reader.result().pageCount;
    }

    static QStringList pdfsIn(const QString &folder)
    {
        return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    }

    QString outFolder(const char *name)
    {
        const QString folder = scratch.filePath(QString::fromLatin1(name));
        QDir().mkpath(folder);
        return folder;
    }

    // A copy of a fixture under a plain name, so output names are easy to read.
    QString copyOf(const QString &fixture, const QString &name)
    {
        const QString path = scratch.filePath(name);
        QFile::remove(path);
        if (!QFile::copy(TestPaths::fixture(fixture), path))
            qFatal("cannot copy %s", qPrintable(fixture));
        return path;
    }

private slots:
    void initTestCase()
    {
        AppSettings::applyIdentity();
        QVERIFY(scratch.isValid());
        service = std::make_shared<DebenuService>();
        service->init();
        AppSettings::open()->setValue(QLatin1String(AppSettings::keyPublisher), QStringLiteral("Test Press"));
    }

    void onePagePerFile()
    {
        Split split(service);
        Run run;
        record(split, run);
        const QString source = copyOf("11-pages-with-labels.pdf", "report.pdf");
        split.load(source, QString());
        QCOMPARE(split.pageCount(), 11);
        QVERIFY(split.isLoaded());
        split.setOutDirectory(outFolder("mode0"));
        split.setMode(Split::OnePagePerFile);
        QVERIFY(runToEnd(split, run));

        QCOMPARE(run.events, (QStringList{"started", "complete", "finished"}));
        QCOMPARE(run.files.size(), 11);
        for (int page = 1; page <= 11; ++page) {
            const QString expected = QDir::toNativeSeparators(
                split.outDirectory() + QStringLiteral("/report_p%1.pdf").arg(page));
            QCOMPARE(run.files.at(page - 1), expected);
            QCOMPARE(pagesOf(expected), 1);
        }
        QCOMPARE(pdfsIn(split.outDirectory()).size(), 11);
        QVERIFY(!run.progress.isEmpty());
        QVERIFY(run.progress.last() <= 100.0);

        // The publisher setting fills in the author the source lacks; the
        // program writes itself as creator and producer; the source's
        // creation date stays.
        QPDF pdf;
        pdf.processFile(QFile::encodeName(run.files.first()).constData());
        QPDFObjectHandle info = pdf.getTrailer().getKey("/Info");
        QCOMPARE(QString::fromStdString(info.getKey("/Author").getUTF8Value()), QStringLiteral("Test Press"));
        QCOMPARE(QString::fromStdString(info.getKey("/Producer").getUTF8Value()),
                 QStringLiteral("Sheafwright %1").arg(QLatin1String(AppSettings::version)));
        QCOMPARE(QString::fromStdString(info.getKey("/Creator").getUTF8Value()), QStringLiteral("Sheafwright"));
        QCOMPARE(QString::fromStdString(info.getKey("/CreationDate").getUTF8Value()),
                 SplitTestPdf::info(source, QStringLiteral("/CreationDate")));
    }

    void groupsFromAStartPage()
    {
        Split split(service);
        Run run;
        record(split, run);
        split.load(copyOf("11-pages-with-labels.pdf", "groups.pdf"), QString());
        split.setOutDirectory(outFolder("mode1"));
        split.setMode(Split::GroupsOfPages);
        split.setStartFrom(5);
        split.setGroupSize(3);
        QVERIFY(runToEnd(split, run));
        QCOMPARE(run.events, (QStringList{"started", "complete", "finished"}));
        const QString out = split.outDirectory();
        QCOMPARE(pdfsIn(out), (QStringList{"groups_p11.pdf", "groups_p5-7.pdf", "groups_p8-10.pdf"}));
        QCOMPARE(pagesOf(out + "/groups_p5-7.pdf"), 3);
        QCOMPARE(pagesOf(out + "/groups_p8-10.pdf"), 3);
        QCOMPARE(pagesOf(out + "/groups_p11.pdf"), 1);
    }

    void withoutCertainPages()
    {
        Split split(service);
        Run run;
        record(split, run);
        split.load(copyOf("11-pages-with-labels.pdf", "drop.me.pdf"), QString());
        split.addCertainPage(2);
        split.addCertainPage(11);
        split.addCertainPage(12); // no such page: refused
        QCOMPARE(split.certainPages()->ranges().size(), 2);
        split.setOutDirectory(outFolder("mode2"));
        split.setMode(Split::WithoutCertainPages);
        QVERIFY(runToEnd(split, run));
        QCOMPARE(run.events, (QStringList{"started", "complete", "finished"}));
        QCOMPARE(run.files.size(), 1);
        const QString name = QFileInfo(run.files.first()).fileName();
        const QRegularExpression expected(
            QStringLiteral("^drop\\.me_edited_\\d{4}_\\d\\d_\\d\\d_\\d\\d-\\d\\d-\\d\\d\\.pdf$"));
        QVERIFY2(expected.match(name).hasMatch(), qPrintable(name));
        QCOMPARE(pagesOf(run.files.first()), 9);
    }

    // A copy without a few pages of a real manual is no larger than the
    // manual: its objects are packed into object streams as the source's
    // are (written out one by one, the outline, links and destinations of
    // these manuals take half as much room again).
    void withoutPagesOfRealManualsIsNoLarger_data()
    {
        QTest::addColumn<QString>("manual");
        QTest::newRow("pdfTeX (Why3)") << RealDocuments::why3Manual(scratch.path());
        QTest::newRow("xdvipdfmx (auto-multiple-choice)") << TestPaths::realManual();
    }

    void withoutPagesOfRealManualsIsNoLarger()
    {
        QFETCH(QString, manual);
        Split split(service);
        Run run;
        record(split, run);
        split.load(manual, QString());
        const int pages = split.pageCount();
        split.certainPages()->addRange(5, 8);
        split.setOutDirectory(outFolder(qPrintable(QStringLiteral("smaller-") + QTest::currentDataTag())));
        split.setMode(Split::WithoutCertainPages);
        QVERIFY(runToEnd(split, run));
        QCOMPARE(run.files.size(), 1);
        QCOMPARE(pagesOf(run.files.first()), pages - 4);
        const qint64 source = QFileInfo(manual).size();
        const qint64 copy = QFileInfo(run.files.first()).size();
        QVERIFY2(copy <= source, qPrintable(QStringLiteral("%1 bytes from %2").arg(copy).arg(source)));
    }

    void chosenRangesInTheOrderAdded()
    {
        Split split(service);
        Run run;
        record(split, run);
        split.load(copyOf("11-pages-with-labels.pdf", "ranges.pdf"), QString());
        split.pageRanges()->addRange(7, 11);
        split.pageRanges()->addRange(1, 1);
        split.pageRanges()->addRange(3, 5);
        split.setOutDirectory(outFolder("mode3"));
        split.setMode(Split::ByPageRanges);
        QVERIFY(runToEnd(split, run));
        QCOMPARE(run.events, (QStringList{"started", "complete", "finished"}));
        QStringList names;
        for (const QString &file : run.files)
            names << QFileInfo(file).fileName();
        QCOMPARE(names, (QStringList{"ranges_p7-11.pdf", "ranges_p1.pdf", "ranges_p3-5.pdf"}));
        QCOMPARE(pagesOf(run.files.at(0)), 5);
        QCOMPARE(pagesOf(run.files.at(2)), 3);

        // A second run of the same ranges keeps the first files.
        Run again;
        record(split, again);
        QVERIFY(runToEnd(split, again));
        QCOMPARE(again.files.size(), 3);
        QCOMPARE(QFileInfo(again.files.at(0)).fileName(), QStringLiteral("(1)ranges_p7-11.pdf"));
        QCOMPARE(pdfsIn(split.outDirectory()).size(), 6);
    }

    void protectedSourceWithItsPassword()
    {
        Split split(service);
        Run run;
        record(split, run);
        split.load(TestPaths::fixture("enc-XI-R6,V5,U=view,O=master.pdf"), QStringLiteral("view"));
        QVERIFY(split.isLoaded());
        QCOMPARE(split.pageCount(), 30);
        QCOMPARE(split.password(), QStringLiteral("view"));
        split.pageRanges()->addRange(2, 4);
        split.setOutDirectory(outFolder("protected"));
        split.setMode(Split::ByPageRanges);
        QVERIFY(runToEnd(split, run));
        QCOMPARE(run.events, (QStringList{"started", "complete", "finished"}));
        QCOMPARE(run.files.size(), 1);
        // The output carries no password of its own.
        QCOMPARE(pagesOf(run.files.first()), 3);
    }

    void lockedDocumentDoesNotRun()
    {
        Split split(service);
        Run run;
        record(split, run);
        QSignalSpy loaded(&split, &Split::loadFinished);
        split.load(TestPaths::fixture("enc-R3,V2,U=view,O=master.pdf"), QString());
        QCOMPARE(loaded.count(), 1);
        QVERIFY(!split.isLoaded());
        QCOMPARE(split.pageCount(), 0);
        QCOMPARE(split.thumbnail().size(), QSize(35, 35));
        split.setOutDirectory(outFolder("locked"));
        split.run();
        QVERIFY(!split.isRunning());
        QVERIFY(run.events.isEmpty());

        // The wrong password locks it as well.
        split.load(TestPaths::fixture("enc-R3,V2,U=view,O=master.pdf"), QStringLiteral("nope"));
        QVERIFY(!split.isLoaded());
        QVERIFY(split.password().isEmpty());
    }

    // Three different states, told apart: a protected file is locked (a
    // password may open it), a file damaged beyond repair is unreadable (no
    // password would help), and one qpdf can repair loads as any other.
    void lockedDamagedAndRepairableFilesAreToldApart()
    {
        Split split(service);
        split.load(TestPaths::fixture("enc-R3,V2,U=view,O=master.pdf"), QString());
        QVERIFY(split.isLocked());
        QVERIFY(!split.isUnreadable());

        QTemporaryDir dir;
        QFile source(TestPaths::fixture("c-object-streams.pdf"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray whole = source.readAll();
        const QString cut = dir.filePath(QStringLiteral("cut.pdf"));
        QFile file(cut);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(whole.left(whole.size() / 2));
        file.close();
        split.load(cut, QString());
        QVERIFY(split.isUnreadable());
        QVERIFY(!split.isLocked());
        QVERIFY(!split.isLoaded());
        QCOMPARE(split.pageCount(), 0);

        for (const char *repairable : {"bad-xref.pdf", "damaged-stream.pdf"}) {
            split.load(TestPaths::fixture(repairable), QString());
            QVERIFY2(split.isLoaded(), repairable);
            QVERIFY(!split.isUnreadable());
            QVERIFY(!split.isLocked());
            QCOMPARE(split.pageCount(), 1);
        }
    }

    void restrictedDocumentIsRefused()
    {
        Split split(service);
        Run run;
        record(split, run);
        QSignalSpy refused(&split, &Split::contentCopyDisabled);
        split.load(TestPaths::fixture("enc-R3,V2,O=master.pdf"), QString());
        QVERIFY(split.isLoaded());
        QCOMPARE(split.pageCount(), 30);
        split.setOutDirectory(outFolder("restricted"));
        split.run();
        QCOMPARE(refused.count(), 1);
        QVERIFY(!split.isRunning());
        QVERIFY(run.events.isEmpty());
        QVERIFY(pdfsIn(split.outDirectory()).isEmpty());
    }

    void onePageDocumentNeverRuns()
    {
        Split split(service);
        Run run;
        record(split, run);
        split.load(TestPaths::fixture("annotations-rotated-90.pdf"), QString());
        QCOMPARE(split.pageCount(), 1);
        QVERIFY(split.isLoaded());
        split.setOutDirectory(outFolder("single"));
        split.pageRanges()->addRange(1, 1);
        split.addCertainPage(1);
        for (int mode : {0, 1, 2, 3}) {
            split.setMode(mode);
            split.run();
            QVERIFY(!split.isRunning());
        }
        QVERIFY(run.events.isEmpty());
    }

    void emptyListsAndUnknownModesDoNothing()
    {
        Split split(service);
        Run run;
        record(split, run);
        split.load(TestPaths::fixture("11-pages-with-labels.pdf"), QString());
        split.setOutDirectory(outFolder("empty"));
        split.setMode(Split::WithoutCertainPages);
        split.run();
        split.setMode(Split::ByPageRanges);
        split.run();
        split.setMode(Split::GroupsOfPages);
        split.setStartFrom(12);
        split.run();
        // A group size or start page of 0 is not read as 1.
        split.setStartFrom(1);
        split.setGroupSize(0);
        split.run();
        split.setGroupSize(2);
        split.setStartFrom(0);
        split.run();
        split.setMode(7);
        split.run();
        QVERIFY(!split.isRunning());
        QVERIFY(run.events.isEmpty());
    }

    void cancelDuringARun()
    {
        // A long document: one output per page keeps the worker busy.
        const QString big = scratch.filePath("long.pdf");
        QStringList args{"--empty", "--pages"};
        for (int i = 0; i < 100; ++i)
            args << TestPaths::fixture("c-object-streams.pdf");
        args << "--" << big;
        QCOMPARE(QProcess::execute("qpdf", args), 0);

        Split split(service);
        Run run;
        record(split, run);
        split.load(big, QString());
        QCOMPARE(split.pageCount(), 3000);
        split.setOutDirectory(outFolder("cancelled"));
        split.setMode(Split::OnePagePerFile);
        split.run();
        QVERIFY(split.isRunning());
        QVERIFY(QTest::qWaitFor([&run] { return !run.progress.isEmpty(); }, 30000));
        split.cancel();
        QVERIFY(QTest::qWaitFor([&run] { return run.events.contains("complete"); }, 30000));
        // The worker stops between outputs and reports the files written
        // whole: exactly those in the folder.
        QCOMPARE(run.events, (QStringList{"started", "complete", "canceled"}));
        QVERIFY(!split.isRunning());
        QVERIFY(pdfsIn(split.outDirectory()).size() < 3000);
        QCOMPARE(run.files.size(), pdfsIn(split.outDirectory()).size());
        for (const QString &file : qAsConst(run.files))
            QVERIFY2(QFileInfo(file).isFile(), qPrintable(file));

        // Cancelling with nothing running changes nothing.
        split.cancel();
        QTest::qWait(100);
        QCOMPARE(run.events.size(), 3);
    }

    void secondLoadKeepsTheLists()
    {
        Split split(service);
        split.load(TestPaths::fixture("11-pages-with-labels.pdf"), QString());
        split.pageRanges()->addRange(2, 9);
        split.addCertainPage(10);
        split.load(TestPaths::fixture("annotations-rotated-90.pdf"), QString());
        QCOMPARE(split.pageRanges()->ranges(), (QList<QPair<int, int>>{{2, 9}}));
        QCOMPARE(split.certainPages()->ranges(), (QList<QPair<int, int>>{{10, 10}}));
        // The new interval applies to later additions only.
        split.pageRanges()->addRange(1, 2);
        QCOMPARE(split.pageRanges()->ranges().size(), 1);

        QSignalSpy clean(&split, &Split::clean);
        QSignalSpy cleared(split.pageRanges(), &PageRanges::cleared);
        split.reset();
        QCOMPARE(clean.count(), 1);
        QCOMPARE(cleared.count(), 1);
        QVERIFY(split.pageRanges()->isEmpty());
        QVERIFY(split.certainPages()->isEmpty());
        QCOMPARE(split.pageCount(), -1);
        QVERIFY(split.fileName().isEmpty());
        QVERIFY(!split.isLoaded());
    }

    // Entries kept from a longer document that the loaded one does not have
    // refuse the run (nothing started, nothing written) instead of being left
    // out of a run reported as a success; once mended, the run goes.
    void rangesTheDocumentLacksRefuseTheRun()
    {
        const QString eleven = copyOf("11-pages-with-labels.pdf", "eleven.pdf");
        const QString five = scratch.filePath("five.pdf");
        QCOMPARE(QProcess::execute("qpdf", {"--empty", "--pages", eleven, "1-5", "--", five}), 0);
        Split split(service);
        Run run;
        record(split, run);
        split.load(eleven, QString());
        split.pageRanges()->addRange(2, 3);
        split.pageRanges()->addRange(4, 11);
        split.certainPages()->addRange(10, 10);
        split.load(five, QString());
        QCOMPARE(split.pageCount(), 5);
        split.setOutDirectory(outFolder("outside"));

        split.setMode(Split::ByPageRanges);
        QCOMPARE(split.rangesOutsideDocument(), (QList<QPair<int, int>>{{4, 11}}));
        split.run();
        QCOMPARE(run.events, QStringList{"failed"});
        QCOMPARE(run.failure, int(WorkerCode::PagesOutsideDocument));
        split.setMode(Split::WithoutCertainPages);
        split.run();
        QCOMPARE(run.events, (QStringList{"failed", "failed"}));
        QVERIFY(!split.isRunning());
        QVERIFY(pdfsIn(split.outDirectory()).isEmpty());

        run = Run();
        split.setMode(Split::ByPageRanges);
        split.pageRanges()->remove(4, 11);
        QVERIFY(split.rangesOutsideDocument().isEmpty());
        QVERIFY(runToEnd(split, run));
        QCOMPARE(run.events, (QStringList{"started", "complete", "finished"}));
        QCOMPARE(run.files.size(), 1);
        QCOMPARE(pagesOf(run.files.first()), 2);
    }

    void missingFileChangesNothing()
    {
        Split split(service);
        split.load(TestPaths::fixture("11-pages-with-labels.pdf"), QString());
        QSignalSpy loaded(&split, &Split::loadFinished);
        split.load(scratch.filePath("nowhere.pdf"), QString());
        split.load(QString(), QString());
        split.load(scratch.path(), QString()); // a folder is no file
        QCOMPARE(loaded.count(), 0);
        QCOMPARE(split.pageCount(), 11);
        QCOMPARE(split.fileName(), TestPaths::fixture("11-pages-with-labels.pdf"));
    }

    void displayName()
    {
        Split split(service);
        split.load(copyOf("annotations-rotated-90.pdf", "my.scan.v2.pdf"), QString());
        // This fixture has no title: the name up to the last dot.
        QCOMPARE(split.displayName(), QStringLiteral("my.scan.v2"));
    }
};

QTEST_MAIN(TestSplitController)
#include "tst_splitcontroller.moc"
