#include "SpiedOutcome.h"
#include "PdfProbe.h"
#include "SplitTestPdf.h"
#include "TestPaths.h"
#include "TestPdf.h"
#include "app/AppSettings.h"
#include "app/FileUtils.h"
#include "split/SplitLauncher.h"
#include "protocol/WorkerCode.h"
#include "protocol/WorkerFile.h"

#include <QJsonArray>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using RangeList = QList<QPair<int, int>>;

// What the worker protocol gained beside the original requests, through the
// real pdfworker: ranges with names (hostile ones included), the split by
// size ("mode" 2, "max_size_kb") on a real document, and the refusals.
class TestSplitWorkerModes : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_five;
    QString m_mixed;          // the real manual with one very large page inserted after page 50
    int m_mixedPages = 0;

    QString freshDir(const QString &name)
    {
        const QString path = m_dir.filePath(name);
        QDir(path).removeRecursively();
        QDir().mkpath(path);
        return path;
    }

    static SplitRequest request(const QString &source, int pageCount, const QString &outDir)
    {
        SplitRequest r;
        r.fileName = source;
        r.pageCount = pageCount;
        r.outDirectory = outDir;
        r.author = QStringLiteral("Ann");
        r.creator = QStringLiteral("C");
        r.producer = QStringLiteral("P");
        return r;
    }

    struct Result
    {
        int code = -100;
        QStringList files;
        QStringList oversized;
    };

    static Result runToEnd(const SplitRequest &r)
    {
        SplitLauncher launcher;
        launcher.setRequest(r);
        QSignalSpy finished(&launcher, &SplitLauncher::finished);
        launcher.run();
        Result result;
        if (!finished.wait(120000))
            return result;
        result.code = spiedOutcome(finished).code;
        result.files = spiedOutcome(finished).files();
        result.oversized = launcher.outcome().oversized;
        return result;
    }

    // The response code of a request given as JSON straight to the worker.
    int codeFor(const QJsonObject &changes)
    {
        const QString id = QStringLiteral("refused");
        const QString session = m_dir.filePath("session-refused");
        QDir(session).removeRecursively();
        FileUtils::ensurePrivateDirectory(session);
        SplitRequest r = request(m_five, 5, freshDir("refused-out"));
        r.ranges = {{1, 2}};
        QJsonObject json = r.toJson();
        json.insert("session_path", session);
        json.insert("session_id", id);
        for (auto it = changes.begin(); it != changes.end(); ++it)
            json.insert(it.key(), it.value());
        WorkerFile::write(session + "/" + id + ".req", json);
        QProcess worker;
        worker.start(TestPaths::workerPath(), {"--split", session + "/" + id + ".req"});
        if (!worker.waitForFinished(60000) || worker.exitCode() != 0)
            return -1;
        return SplitResponse::readFile(session + "/" + id + ".resp", id).outcome.code;
    }

    static QStringList namesOf(const QStringList &files)
    {
        QStringList names;
        for (const QString &file : files)
            names << QFileInfo(file).fileName();
        return names;
    }

private slots:
    void initTestCase()
    {
        AppSettings::applyIdentity();
        QVERIFY(m_dir.isValid());
        m_five = m_dir.filePath("five.pdf");
        QVERIFY(TestPdf::writeNumbered(m_five, 5));

        // A page of about 300 kB, more than the limits below; a page of the manual alone takes up to 110 kB (its fonts).
        QByteArray noise(300000, Qt::Uninitialized);
        QRandomGenerator generator(17);
        for (char &byte : noise)
            byte = char(generator.bounded(256));
        TestPdf::Page big;
        big.extraContent = "% " + noise.toBase64() + "\n";
        const QString bigPage = m_dir.filePath("big.pdf");
        QVERIFY(TestPdf::write(bigPage, {big}));
        QVERIFY(QFileInfo(bigPage).size() > 250000);
        m_mixed = m_dir.filePath("mixed.pdf");
        int code = 0;
        PdfProbe::run("qpdf", {"--empty", "--pages", TestPaths::realManual(), "1-50", bigPage, "1",
                               TestPaths::realManual(), "51-z", "--", m_mixed}, &code);
        QVERIFY(code == 0 || code == 3);
        m_mixedPages = PdfProbe::pageCount(m_mixed);
        QCOMPARE(m_mixedPages, 102);
    }

    // Named ranges: "<name>.pdf" in the output folder, made safe; hostile
    // names stay inside the folder and visible; names that are nothing once
    // made safe fall back to the usual name; a taken name gets "(1)".
    void namedRanges()
    {
        const QString parent = freshDir("named");
        const QString out = parent + "/out";
        QDir().mkpath(out);
        SplitRequest r = request(m_five, 5, out);
        r.ranges = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {1, 2}, {2, 3}, {3, 4}, {4, 5}};
        r.rangeNames = QStringList{QStringLiteral("../x"), QStringLiteral("/"),
                                   QString::fromUtf8("a\tb\n\x01" "c\x7f"), QStringLiteral("..hidden"),
                                   QStringLiteral("   "), QStringLiteral("Intro"), QStringLiteral("Intro"),
                                   QString(120, QChar(0x00e9)) + QStringLiteral("tail"), QString()};
        const Result result = runToEnd(r);
        QCOMPARE(result.code, 0);
        QCOMPARE(namesOf(result.files),
                 (QStringList{"_x.pdf", "_.pdf", "a b c.pdf", "hidden.pdf", "five_p5.pdf", "Intro.pdf",
                              "(1)Intro.pdf", QString(100, QChar(0x00e9)) + ".pdf", "five_p4-5.pdf"}));
        QCOMPARE(QDir(parent).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"out"});
        QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden).size(), 9);
        QCOMPARE(TestPdf::pageWidths(out + "/_x.pdf"), QList<int>{201});
        QCOMPARE(TestPdf::pageWidths(out + "/(1)Intro.pdf"), (QList<int>{202, 203}));
        QCOMPARE(TestPdf::pageWidths(result.files.at(7)), (QList<int>{203, 204}));
        // An old-style request beside it: no names, the usual names.
        SplitRequest plain = request(m_five, 5, freshDir("unnamed"));
        plain.ranges = {{2, 3}};
        QCOMPARE(namesOf(runToEnd(plain).files), QStringList{"five_p2-3.pdf"});
    }

    void refusedRequests_data()
    {
        QTest::addColumn<QJsonObject>("changes");
        QTest::newRow("size without limit") << QJsonObject{{"mode", 2}};
        QTest::newRow("size limit 0") << QJsonObject{{"mode", 2}, {"max_size_kb", 0}};
        QTest::newRow("size limit negative") << QJsonObject{{"mode", 2}, {"max_size_kb", -5}};
        QTest::newRow("size limit as text") << QJsonObject{{"mode", 2}, {"max_size_kb", "100"}};
        QTest::newRow("size limit fraction") << QJsonObject{{"mode", 2}, {"max_size_kb", 2.5}};
        QTest::newRow("size limit beyond int") << QJsonObject{{"mode", 2}, {"max_size_kb", 1e12}};
        QTest::newRow("name as number")
            << QJsonObject{{"ranges", QJsonArray{QJsonObject{{"from", 1}, {"to", 1}, {"name", 7}}}}};
        QTest::newRow("mode 3") << QJsonObject{{"mode", 3}};
    }
    void refusedRequests()
    {
        QFETCH(QJsonObject, changes);
        QCOMPARE(codeFor(changes), int(WorkerCode::RequestInvalid));
        QVERIFY(QDir(m_dir.filePath("refused-out")).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    // A range the document does not have is never left out of a run called
    // a success: the whole request is refused before any file is written,
    // in both modes that take ranges, even beside ranges that fit.
    void rangesOutsideTheDocument_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QJsonArray>("ranges");
        const auto range = [](int from, int to) { return QJsonObject{{"from", from}, {"to", to}}; };
        QTest::newRow("partly past the end") << 0 << QJsonArray{range(1, 2), range(4, 7)};
        QTest::newRow("wholly past the end") << 0 << QJsonArray{range(6, 9), range(1, 5)};
        QTest::newRow("backwards") << 0 << QJsonArray{range(3, 2)};
        QTest::newRow("page 0") << 0 << QJsonArray{range(0, 1)};
        QTest::newRow("drop a page past the end") << 1 << QJsonArray{range(2, 2), range(6, 6)};
        QTest::newRow("drop a range partly past the end") << 1 << QJsonArray{range(4, 8)};
        QTest::newRow("drop page 0") << 1 << QJsonArray{range(0, 0)};
    }
    void rangesOutsideTheDocument()
    {
        QFETCH(int, mode);
        QFETCH(QJsonArray, ranges);
        QCOMPARE(codeFor(QJsonObject{{"mode", mode}, {"ranges", ranges}}), int(WorkerCode::PagesOutsideDocument));
        QVERIFY(QDir(m_dir.filePath("refused-out")).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    // Pages to drop may come as ranges: every page of each goes.
    void dropRangesWhole()
    {
        SplitRequest r = request(m_five, 5, freshDir("drop-ranges"));
        r.mode = SplitRequest::ModeWithoutPages;
        r.ranges = {{2, 3}, {5, 5}};
        const Result result = runToEnd(r);
        QCOMPARE(result.code, 0);
        QCOMPARE(result.files.size(), 1);
        QCOMPARE(TestPdf::pageWidths(result.files.first()), (QList<int>{201, 204}));
    }

    // By size on a real document with one page larger than the limit: every
    // page once and in order, every file within the limit but the one that
    // holds the large page alone, which the response names.
    void bySizeHoldsTheLimit()
    {
        const qint64 limit = 200 * 1000;
        const QString out = freshDir("by-size");
        SplitRequest r = request(m_mixed, m_mixedPages, out);
        r.mode = SplitRequest::ModeBySize;
        r.maxSizeKb = 200;
        const Result result = runToEnd(r);
        QCOMPARE(result.code, 0);
        QVERIFY(result.files.size() >= 4);
        QCOMPARE(result.oversized.size(), 1);
        QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden).size(), result.files.size());

        QStringList pages;
        int next = 1;
        qint64 fitting = 0;
        int fittingParts = 0;
        for (const QString &file : result.files) {
            const QStringList texts = PdfProbe::pageTexts(file);
            const int count = PdfProbe::pageCount(file);
            QCOMPARE(texts.size(), count);
            const QString expectedName = count == 1 ? QStringLiteral("mixed_p%1.pdf").arg(next)
                                                    : QStringLiteral("mixed_p%1-%2.pdf").arg(next).arg(next + count - 1);
            QCOMPARE(QFileInfo(file).fileName(), expectedName);
            next += count;
            pages += texts;
            const qint64 size = QFileInfo(file).size();
            if (result.oversized.contains(file)) {
                QCOMPARE(count, 1);
                QVERIFY(size > limit);
                QCOMPARE(texts.first().trimmed(), QStringLiteral("Page 1"));   // the inserted page
                QCOMPARE(QFileInfo(file).fileName(), QStringLiteral("mixed_p51.pdf"));
            } else {
                QVERIFY2(size <= limit, qPrintable(QStringLiteral("%1: %2 bytes").arg(file).arg(size)));
                if (file != result.files.last()) {
                    fitting += size;
                    ++fittingParts;
                }
            }
        }
        QCOMPARE(pages, PdfProbe::pageTexts(m_mixed));
        // The parts are filled, not merely under the limit.
        QVERIFY2(fitting >= fittingParts * limit * 7 / 10,
                 qPrintable(QStringLiteral("%1 parts, %2 bytes").arg(fittingParts).arg(fitting)));
    }

    // Protection adds to every object: the limit still holds for the
    // protected files, and they open with the password only.
    void bySizeProtected()
    {
        const QString out = freshDir("by-size-protected");
        SplitRequest r = request(TestPaths::realManual(), 101, out);
        r.mode = SplitRequest::ModeBySize;
        r.maxSizeKb = 150;
        r.password = QStringLiteral("pw");
        const Result result = runToEnd(r);
        QCOMPARE(result.code, 0);
        QVERIFY(result.oversized.isEmpty());
        int pages = 0;
        for (const QString &file : result.files) {
            QVERIFY(QFileInfo(file).size() <= 150 * 1000);
            QCOMPARE(SplitTestPdf::encryptionRevision(file, QString()), -1);
            QCOMPARE(SplitTestPdf::encryptionRevision(file, "pw"), 6);
            pages += PdfProbe::pageCount(file, "pw");
        }
        QCOMPARE(pages, 101);
    }

    // Stopping a split by size: what was written before is whole and within
    // the limit, and no file being measured stays behind.
    void bySizeStopped()
    {
        const QString out = freshDir("by-size-stopped");
        SplitRequest r = request(m_mixed, m_mixedPages, out);
        r.mode = SplitRequest::ModeBySize;
        r.maxSizeKb = 120;
        SplitLauncher launcher;
        launcher.setRequest(r);
        QSignalSpy finished(&launcher, &SplitLauncher::finished);
        bool stopped = false;
        connect(&launcher, &SplitLauncher::progressChanged, this, [&](double value) {
            if (!stopped && value > 0) {
                stopped = true;
                launcher.cancel();
            }
        });
        launcher.run();
        QVERIFY(finished.wait(120000));
        QVERIFY(stopped);
        QVERIFY(spiedOutcome(finished).code != 0);
        const QStringList left = QDir(out).entryList(QDir::Files | QDir::Hidden);
        QVERIFY(left.size() < 102);
        for (const QString &name : left) {
            QVERIFY2(!name.startsWith(QLatin1Char('.')), qPrintable(name));
            QVERIFY2(PdfProbe::isComplete(out + "/" + name), qPrintable(name));
            QVERIFY2(QFileInfo(out + "/" + name).size() <= 120 * 1000 || name == QLatin1String("mixed_p51.pdf"),
                     qPrintable(name));
        }
    }

    // A limit above the document's size gives one file with every page; an
    // unreadable source gives nothing.
    void bySizeEdges()
    {
        SplitRequest r = request(m_five, 5, freshDir("whole"));
        r.mode = SplitRequest::ModeBySize;
        r.maxSizeKb = 1000;
        Result result = runToEnd(r);
        QCOMPARE(result.code, 0);
        QCOMPARE(namesOf(result.files), QStringList{"five_p1-5.pdf"});
        QCOMPARE(TestPdf::pageWidths(result.files.first()), (QList<int>{201, 202, 203, 204, 205}));

        // A protected source opens with its password; the parts are plain.
        r = request(TestPaths::fixture("enc-XI-R6,V5,U=view,O=master.pdf"), 30, freshDir("protected-source"));
        r.mode = SplitRequest::ModeBySize;
        r.maxSizeKb = 5;
        r.filePassword = QStringLiteral("view");
        result = runToEnd(r);
        QCOMPARE(result.code, 0);
        int pages = 0;
        for (const QString &part : result.files) {
            QCOMPARE(SplitTestPdf::encryptionRevision(part, QString()), 0);
            pages += PdfProbe::pageCount(part);
        }
        QCOMPARE(pages, 30);
        r.filePassword = QStringLiteral("wrong");
        r.outDirectory = freshDir("protected-wrong");
        QCOMPARE(runToEnd(r).code, int(WorkerCode::NothingProduced));

        const QString damaged = m_dir.filePath("damaged.pdf");
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("%PDF-1.4\nnothing here\n");
        file.close();
        r = request(damaged, 5, freshDir("damaged-out"));
        r.mode = SplitRequest::ModeBySize;
        r.maxSizeKb = 10;
        result = runToEnd(r);
        QCOMPARE(result.code, int(WorkerCode::NothingProduced));
        QVERIFY(QDir(m_dir.filePath("damaged-out")).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
};

QTEST_MAIN(TestSplitWorkerModes)
#include "tst_splitworkermodes.moc"
