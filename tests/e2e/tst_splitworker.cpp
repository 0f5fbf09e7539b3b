#include "CapturedLog.h"
#include "PdfProbe.h"
#include "SpiedOutcome.h"
#include "SplitTestPdf.h"
#include "TestFolders.h"
#include "TestPaths.h"
#include "TestPdf.h"
#include "app/AppSettings.h"
#include "app/FileUtils.h"
#include "app/Logger.h"
#include "merge/InformationWorkerList.h"
#include "merge/Merge.h"
#include "pdf/DebenuService.h"
#include "protocol/WorkerCode.h"
#include "protocol/WorkerFile.h"
#include "split/Split.h"
#include "split/SplitLauncher.h"

#include <QDir>
#include <QJsonArray>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using RangeList = QList<QPair<int, int>>;
using Part = BookmarkParts::Part;
using Parts = QList<Part>;
using SplitTestPdf::DestinationForm;

namespace {

struct WorkerRun
{
    int exitCode = -1;
    QProcess::ExitStatus status = QProcess::CrashExit;
    QByteArray out;
    QByteArray err;
};

// What a finished run leaves in its session folder, sorted by name.
QStringList sessionFiles(const QString &sessionId)
{
    return {sessionId + ".req", sessionId + ".resp", "output-folder"};
}

// The file names of paths, in their order.
QStringList fileNames(const QStringList &files)
{
    QStringList names;
    for (const QString &file : files)
        names << QFileInfo(file).fileName();
    return names;
}

QStringList asLines(const OutlineEntries &entries)
{
    QStringList lines;
    for (const OutlineEntry &entry : entries)
        lines << QStringLiteral("%1:%2->%3").arg(entry.level).arg(entry.title).arg(entry.page);
    return lines;
}

QStringList spans(const Parts &parts)
{
    QStringList lines;
    for (const Part &part : parts)
        lines << QStringLiteral("%1-%2 %3").arg(part.from).arg(part.to).arg(part.name);
    return lines;
}

} // namespace

// pdfworker's split mode through its real executable, driven by the
// launcher, by the split controller and straight from the command line:
// the launcher's signals, cancelling, one run at a time, session folders,
// encrypted sources and what never reaches a log; ranges with names
// (hostile ones included) and the split by size on a real document; the
// outline as the PDF service reads it (checked against MuPDF's reading),
// the parts the controller makes of it and whole splits at bookmarks whose
// files keep their own outline entries; bad command lines and the requests
// the worker refuses.
class TestSplitWorker : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_five;
    QString m_long;
    QString m_mixed;          // the real manual with one very large page inserted after page 50
    int m_mixedPages = 0;
    QString m_linked;         // generated: bookmarks and links to named destinations
    std::shared_ptr<DebenuService> m_service;

    QString freshDir(const QString &name) { return TestFolders::fresh(m_dir.path(), name); }

    static SplitRequest request(const QString &source, int pageCount, const RangeList &ranges,
                                const QString &outDir, int mode = 0)
    {
        SplitRequest r;
        r.mode = mode;
        r.fileName = source;
        r.pageCount = pageCount;
        r.ranges = ranges;
        r.outDirectory = outDir;
        r.author = QStringLiteral("Ann");
        r.title = QStringLiteral("T");
        r.creator = QStringLiteral("C");
        r.producer = QStringLiteral("P");
        return r;
    }

    static RangeList everyPage(int count)
    {
        RangeList ranges;
        for (int p = 1; p <= count; ++p)
            ranges.append({p, p});
        return ranges;
    }

    // Runs a launcher to its finished() signal; returns (code, files).
    static QPair<int, QStringList> runToEnd(SplitLauncher &launcher, QList<double> *progress = nullptr,
                                            int timeoutMs = 60000)
    {
        QSignalSpy finished(&launcher, &SplitLauncher::finished);
        QSignalSpy changed(&launcher, &SplitLauncher::progressChanged);
        launcher.run();
        if (!finished.wait(timeoutMs))
            return {-100, {}};
        if (progress) {
            for (const QList<QVariant> &args : qAsConst(changed))
                progress->append(args.first().toDouble());
        }
        return {spiedOutcome(finished).code, spiedOutcome(finished).files()};
    }

    struct Result
    {
        int code = -100;
        QStringList files;
        QStringList oversized;
    };

    // Runs the request through a launcher of its own, up to two minutes.
    static Result runRequest(const SplitRequest &r)
    {
        SplitLauncher launcher;
        launcher.setRequest(r);
        const auto ended = runToEnd(launcher, nullptr, 120000);
        Result result;
        if (ended.first == -100)
            return result;
        result.code = ended.first;
        result.files = ended.second;
        result.oversized = launcher.outcome().oversized;
        return result;
    }

    // Runs the controller's split to its end; the files it reported.
    static QStringList runSplit(Split &split)
    {
        QSignalSpy finished(&split, &Split::finished);
        QSignalSpy failed(&split, &Split::splitFailed);
        split.run();
        if (!QTest::qWaitFor([&] { return finished.count() + failed.count() > 0; }, 120000) || failed.count())
            return {};
        return finished.first().first().toStringList();
    }

    // Runs a split of the loaded document in mode to its end, into a folder
    // of its own; the files it reported.
    QStringList splitInto(Split &split, int mode, const QString &folder)
    {
        split.setMode(mode);
        const QString out = m_dir.filePath(folder);
        QDir().mkpath(out);
        split.setOutDirectory(out);
        return runSplit(split);
    }

    // Merges the files through the merge controller and the worker; the
    // merged file, empty when the merge failed.
    QString merged(const QStringList &files, const QString &name)
    {
        Merge merge(m_service);
        InformationWorkerList reader(m_service, files, nullptr);
        QObject::connect(&reader, &InformationWorkerList::finished,
                         [&merge](bool, const MergeItemList &items) { merge.model()->addItems(items); });
        reader.run();
        merge.setSaveFileName(m_dir.filePath(name));
        QSignalSpy finished(&merge, &Merge::finished);
        merge.run();
        if (!QTest::qWaitFor([&] { return finished.count() > 0; }, 120000) || finished.first().at(0).toInt() != 0)
            return QString();
        return finished.first().at(1).toString();
    }

    // A private copy of source under name, in the test's folder.
    QString copyOf(const QString &source, const QString &name)
    {
        const QString path = m_dir.filePath(name);
        QFile::remove(path);
        if (!QFile::copy(source, path))
            qFatal("cannot copy %s", qPrintable(source));
        QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return path;
    }

    // A request file in a fresh private session folder, written as given.
    QString sessionWith(const QByteArray &content, const QString &id, QString *session = nullptr)
    {
        const QString folder = m_dir.filePath("session-" + id);
        QDir(folder).removeRecursively();
        FileUtils::ensurePrivateDirectory(folder);
        QFile file(folder + "/" + id + ".req");
        file.open(QIODevice::WriteOnly);
        file.write(content);
        if (session)
            *session = folder;
        return file.fileName();
    }

    // The request as JSON for a fresh session folder of its own (returned
    // in session), for tests that start the worker themselves.
    QJsonObject sessionRequest(const SplitRequest &r, const QString &id, QString *session)
    {
        sessionWith(QByteArray(), id, session);
        QJsonObject json = r.toJson();
        json.insert("session_path", *session);
        json.insert("session_id", id);
        return json;
    }

    QByteArray requestBytes(const QJsonObject &object) { return WorkerFile::encode(object); }

    static WorkerRun runWorker(const QStringList &args)
    {
        QProcess process;
        process.start(TestPaths::workerPath(), args);
        WorkerRun run;
        if (!process.waitForFinished(60000))
            return run;
        run.exitCode = process.exitCode();
        run.status = process.exitStatus();
        run.out = process.readAllStandardOutput();
        run.err = process.readAllStandardError();
        return run;
    }

    static int responseCode(const QString &session, const QString &id, QStringList *files = nullptr)
    {
        QString problem;
        const SplitResponse response = SplitResponse::readFile(session + "/" + id + ".resp", id, &problem);
        if (!problem.isEmpty())
            return -1;
        if (files)
            *files = response.outcome.files();
        return response.outcome.code;
    }

    // The response code of a request of pages 1-2 of m_five, with changes,
    // given as JSON straight to the worker; -1 when the worker failed.
    int codeFor(const QJsonObject &changes)
    {
        const QString id = QStringLiteral("refused");
        QString session;
        QJsonObject json = sessionRequest(request(m_five, 5, {{1, 2}}, freshDir("refused-out")), id, &session);
        for (auto it = changes.begin(); it != changes.end(); ++it)
            json.insert(it.key(), it.value());
        const WorkerRun run = runWorker({"--split", sessionWith(requestBytes(json), id)});
        if (run.status != QProcess::NormalExit || run.exitCode != 0)
            return -1;
        return responseCode(session, id);
    }

private slots:
    void initTestCase()
    {
        AppSettings::applyIdentity();
        QVERIFY(m_dir.isValid());
        QVERIFY(QFileInfo(TestPaths::workerPath()).isExecutable());
        m_service = std::make_shared<DebenuService>();
        m_five = m_dir.filePath("five.pdf");
        QVERIFY(TestPdf::writeNumbered(m_five, 5));
        m_long = m_dir.filePath("long.pdf");
        QVERIFY(TestPdf::writeNumbered(m_long, 500));
        m_linked = m_dir.filePath("linked.pdf");
        QVERIFY(SplitTestPdf::writeLinked(m_linked));

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

    // --- the launcher against the worker
    void progressAndFiles()
    {
        const QString out = freshDir("progress");
        SplitLauncher launcher;
        QSignalSpy started(&launcher, &SplitLauncher::started);
        launcher.setRequest(request(m_five, 5, everyPage(5), out));
        QList<double> progress;
        const auto result = runToEnd(launcher, &progress);
        QCOMPARE(result.first, 0);
        QCOMPARE(result.second.size(), 5);
        QCOMPARE(QFileInfo(result.second.at(2)).fileName(), QStringLiteral("five_p3.pdf"));
        QCOMPARE(TestPdf::pageWidths(result.second.at(2)), (QList<int>{203}));
        QCOMPARE(started.count(), 1);
        QVERIFY(!progress.isEmpty());
        QCOMPARE(progress.last(), 100.0);
        for (int i = 0; i < progress.size(); ++i) {
            QVERIFY(progress[i] >= 0 && progress[i] <= 100);
            if (i > 0)
                QVERIFY(progress[i] >= progress[i - 1]);
        }
        // The session folder is private and holds the request, the response
        // and the note of the output folder.
        const QString session = launcher.sessionDirectory();
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(session).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0700);
        QCOMPARE(QDir(session).entryList(QDir::Files, QDir::Name), sessionFiles(launcher.sessionId()));
    }

    void certainPagesThroughWorker()
    {
        const QString out = freshDir("certain");
        SplitLauncher launcher;
        launcher.setRequest(request(m_five, 5, {{1, 1}, {5, 5}}, out, 1));
        const auto result = runToEnd(launcher);
        QCOMPARE(result.first, 0);
        QCOMPARE(result.second.size(), 1);
        QVERIFY(QFileInfo(result.second.first()).fileName().startsWith("five_edited_"));
        QCOMPARE(TestPdf::pageWidths(result.second.first()), (QList<int>{202, 203, 204}));
    }

    // A source whose name nearly fills the 255 bytes a file name may have
    // (84 Japanese characters) still gives every output: each name is its
    // stem cut at a character boundary, with its page part whole.
    void longSourceNameStillGivesEveryOutput_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("suffixes");
        QTest::newRow("page ranges") << int(SplitRequest::ModeRanges) << QStringList{"_p1-2.pdf", "_p3.pdf"};
        QTest::newRow("without pages") << int(SplitRequest::ModeWithoutPages) << QStringList{".pdf"};
        QTest::newRow("by size") << int(SplitRequest::ModeBySize) << QStringList{"_p1-5.pdf"};
    }
    void longSourceNameStillGivesEveryOutput()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, suffixes);
        const QString stem = QStringLiteral("日本語の長いタイトル").repeated(8) + QStringLiteral("あいうab");
        QCOMPARE(QFile::encodeName(stem).size(), 251);
        const QString source = m_dir.filePath(stem + QStringLiteral(".pdf"));
        QVERIFY(QFileInfo::exists(source) || QFile::copy(m_five, source));
        const QString out = freshDir(QStringLiteral("long-name-%1").arg(mode));
        SplitRequest r = request(source, 5, {{1, 2}, {3, 3}}, out, mode);
        r.maxSizeKb = 1000;
        SplitLauncher launcher;
        launcher.setRequest(r);
        const auto result = runToEnd(launcher);
        QCOMPARE(result.first, 0);
        QCOMPARE(result.second.size(), suffixes.size());
        for (int i = 0; i < suffixes.size(); ++i) {
            const QString name = QFileInfo(result.second.at(i)).fileName();
            QVERIFY2(QFile::encodeName(name).size() <= 255, qPrintable(name));
            QVERIFY2(name.startsWith(stem.left(40)) && name.endsWith(suffixes.at(i)), qPrintable(name));
            QVERIFY(!TestPdf::pageWidths(result.second.at(i)).isEmpty());
        }
    }

    void cancelStopsTheWorkerBetweenOutputs()
    {
        const QString out = freshDir("cancel");
        SplitLauncher launcher;
        launcher.setRequest(request(m_long, 500, everyPage(500), out));
        QSignalSpy finished(&launcher, &SplitLauncher::finished);
        bool cancelled = false;
        connect(&launcher, &SplitLauncher::progressChanged, this, [&](double value) {
            if (!cancelled && value > 0) {
                cancelled = true;
                launcher.cancel();
            }
        });
        launcher.run();
        QVERIFY(finished.wait(60000));
        QVERIFY(cancelled);
        QCOMPARE(spiedOutcome(finished).code, int(WorkerCode::Canceled));
        QVERIFY(!launcher.isRunning());
        // The files reported are exactly those in the folder, each whole;
        // nothing unfinished or hidden is left.
        const QStringList reported = spiedOutcome(finished).files();
        QStringList produced;
        for (const QString &name : QDir(out).entryList(QDir::Files | QDir::Hidden))
            produced << QDir::toNativeSeparators(out + "/" + name);
        QVERIFY(produced.size() < 500);
        QCOMPARE(QSet<QString>(produced.begin(), produced.end()), QSet<QString>(reported.begin(), reported.end()));
        for (const QString &file : produced)
            QCOMPARE(TestPdf::pageWidths(file).size(), 1);
        // cancel() after the end does nothing.
        launcher.cancel();
        QTest::qWait(50);
        QCOMPARE(finished.count(), 1);
    }

    void secondRunWhileRunningDoesNothing()
    {
        const QString out = freshDir("second");
        SplitLauncher launcher;
        launcher.setRequest(request(m_long, 500, everyPage(200), out));
        QSignalSpy started(&launcher, &SplitLauncher::started);
        QSignalSpy finished(&launcher, &SplitLauncher::finished);
        launcher.run();
        QVERIFY(launcher.isRunning());
        const QString session = launcher.sessionDirectory();
        const QStringList sessionsBefore = QDir(FileUtils::cacheDirectory()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        launcher.run();
        QCOMPARE(launcher.sessionDirectory(), session);
        QCOMPARE(QDir(FileUtils::cacheDirectory()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), sessionsBefore);
        QVERIFY(finished.wait(60000));
        QTest::qWait(100);
        QCOMPARE(started.count(), 1);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(spiedOutcome(finished).code, 0);
        QCOMPARE(spiedOutcome(finished).files().size(), 200);
    }

    void sessionFoldersReplacedBetweenRuns()
    {
        const QString out = freshDir("sessions");
        QString first;
        QString second;
        {
            SplitLauncher launcher;
            launcher.setRequest(request(m_five, 5, {{1, 2}}, out));
            QCOMPARE(runToEnd(launcher).first, 0);
            first = launcher.sessionDirectory();
            QVERIFY(QFileInfo(first).isDir());
            QCOMPARE(runToEnd(launcher).second.size(), 1);
            second = launcher.sessionDirectory();
            QVERIFY(second != first);
            QVERIFY(!QFileInfo::exists(first));
            QVERIFY(QFileInfo(second).isDir());
        }
        QVERIFY(!QFileInfo::exists(second));
        // Both runs wrote their own file; the second did not replace the first.
        QCOMPARE(QDir(out).entryList({"*.pdf"}, QDir::Files), (QStringList{"(1)five_p1-2.pdf", "five_p1-2.pdf"}));
    }

    void runAgainFromFinished()
    {
        // A second split started by whoever handles the first one's end.
        const QString out = freshDir("chained");
        SplitLauncher launcher;
        launcher.setRequest(request(m_five, 5, {{1, 1}}, out));
        QSignalSpy finished(&launcher, &SplitLauncher::finished);
        bool again = true;
        connect(&launcher, &SplitLauncher::finished, this, [&] {
            if (again) {
                again = false;
                launcher.run();
            }
        });
        launcher.run();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, 60000);
        QCOMPARE(spiedOutcome(finished, 1).code, 0);
        QCOMPARE(QDir(out).entryList({"*.pdf"}, QDir::Files).size(), 2);
    }

    void failuresCarryNonzeroCodes_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("pageCount");
        QTest::addColumn<int>("mode");
        QTest::addColumn<RangeList>("ranges");
        QTest::addColumn<int>("code");
        QTest::newRow("source missing") << "missing.pdf" << "" << 5 << 0 << RangeList{{1, 1}}
                                        << int(WorkerCode::SourceMissing);
        QTest::newRow("every range invalid") << "five" << "" << 5 << 0
                                             << RangeList{{0, 2}, {5, 3}, {4, 9}}
                                             << int(WorkerCode::PagesOutsideDocument);
        QTest::newRow("one range invalid") << "five" << "" << 5 << 0 << RangeList{{1, 2}, {4, 9}}
                                           << int(WorkerCode::PagesOutsideDocument);
        QTest::newRow("no ranges") << "five" << "" << 5 << 0 << RangeList{}
                                   << int(WorkerCode::NothingProduced);
        QTest::newRow("every page dropped") << "five" << "" << 2 << 1
                                            << RangeList{{1, 1}, {2, 2}}
                                            << int(WorkerCode::NothingProduced);
        QTest::newRow("wrong password") << TestPaths::fixture("enc-XI-R6,V5,U=view,O=master.pdf") << "nope" << 30
                                        << 0 << RangeList{{1, 1}} << int(WorkerCode::NothingProduced);
        QTest::newRow("right password") << TestPaths::fixture("enc-XI-R6,V5,U=view,O=master.pdf") << "view" << 30
                                        << 0 << RangeList{{1, 3}} << 0;
        QTest::newRow("owner password") << TestPaths::fixture("enc-R3,V2,U=view,O=master.pdf") << "master" << 30
                                        << 1 << RangeList{{1, 1}} << 0;
    }
    void failuresCarryNonzeroCodes()
    {
        QFETCH(QString, source);
        QFETCH(QString, password);
        QFETCH(int, pageCount);
        QFETCH(int, mode);
        QFETCH(RangeList, ranges);
        QFETCH(int, code);
        if (source == "five")
            source = m_five;
        else if (source == "missing.pdf")
            source = m_dir.filePath(source);
        const QString out = freshDir("codes");
        SplitLauncher launcher;
        SplitRequest r = request(source, pageCount, ranges, out, mode);
        r.filePassword = password;
        launcher.setRequest(r);
        const auto result = runToEnd(launcher);
        QCOMPARE(result.first, code);
        QCOMPARE(result.second.isEmpty(), code != 0);
        // Decrypted copies lived in the session folder only.
        QCOMPARE(QDir(launcher.sessionDirectory()).entryList(QDir::Files, QDir::Name), sessionFiles(launcher.sessionId()));
        QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden).size(), result.second.size());
    }

    void protectedOutputs()
    {
        const QString out = freshDir("protected");
        SplitLauncher launcher;
        SplitRequest r = request(m_five, 5, {{2, 3}}, out);
        r.password = QStringLiteral("out-pw");
        launcher.setRequest(r);
        const auto result = runToEnd(launcher);
        QCOMPARE(result.first, 0);
        QCOMPARE(SplitTestPdf::encryptionRevision(result.second.first(), QString()), -1);
        QCOMPARE(SplitTestPdf::encryptionRevision(result.second.first(), "out-pw"), 6);
        QCOMPARE(SplitTestPdf::info(result.second.first(), "/Author", "out-pw"), QStringLiteral("Ann"));
    }

    void passwordsNeverLogged()
    {
        const QString secretIn = QStringLiteral("asdf asdf asdf asdf asdf asdf qwer");
        const QString secretOut = QStringLiteral("Zq9-out-secret");
        const QString logFile = Logger::instance().logFilePath();
        QFile::remove(logFile);
        QPair<int, QStringList> result;
        QStringList trace;
        {
            CapturedLog captured;
            captured.clear();
            const QString out = freshDir("secrets");
            SplitLauncher launcher;
            // Page 31 is within the request's count but not in the file: the
            // worker opens the file with the password and fails on that range.
            SplitRequest r = request(TestPaths::fixture("enc-long-password.pdf"), 31, {{1, 1}, {31, 31}}, out);
            r.filePassword = secretIn;
            r.password = secretOut;
            launcher.setRequest(r);
            result = runToEnd(launcher);
            trace = captured.take();
        }
        QCOMPARE(result.first, int(WorkerCode::Incomplete));
        QCOMPARE(result.second.size(), 1);
        QFile log(logFile);
        QVERIFY(log.open(QIODevice::ReadOnly));   // the worker logged the range it could not write
        const QByteArray logged = log.readAll();
        QVERIFY(logged.contains("could not be written"));
        QString everything = QString::fromUtf8(logged) + trace.join('\n');
        // Request data traced as Base64 is decoded before looking.
        for (const QString &line : qAsConst(trace)) {
            for (const QString &word : line.split(QRegularExpression("[\\s\"]+"))) {
                if (word.size() > 40)
                    everything += QString::fromUtf8(QByteArray::fromBase64(word.toLatin1()));
            }
        }
        QVERIFY(everything.contains("session_id"));   // the request trace was seen and decoded
        QVERIFY(!everything.contains(secretIn));
        QVERIFY(!everything.contains(secretOut));
    }

    // --- named ranges and the split by size

    // Named ranges: "<name>.pdf" in the output folder, made safe; hostile
    // names stay inside the folder and visible; names that are nothing once
    // made safe fall back to the usual name; a taken name gets "(1)".
    void namedRanges()
    {
        const QString parent = freshDir("named");
        const QString out = parent + "/out";
        QDir().mkpath(out);
        SplitRequest r = request(m_five, 5, {}, out);
        r.ranges = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {1, 2}, {2, 3}, {3, 4}, {4, 5}};
        r.rangeNames = QStringList{QStringLiteral("../x"), QStringLiteral("/"),
                                   QString::fromUtf8("a\tb\n\x01" "c\x7f"), QStringLiteral("..hidden"),
                                   QStringLiteral("   "), QStringLiteral("Intro"), QStringLiteral("Intro"),
                                   QString(120, QChar(0x00e9)) + QStringLiteral("tail"), QString()};
        const Result result = runRequest(r);
        QCOMPARE(result.code, 0);
        QCOMPARE(fileNames(result.files),
                 (QStringList{"_x.pdf", "_.pdf", "a b c.pdf", "hidden.pdf", "five_p5.pdf", "Intro.pdf",
                              "(1)Intro.pdf", QString(100, QChar(0x00e9)) + ".pdf", "five_p4-5.pdf"}));
        QCOMPARE(QDir(parent).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"out"});
        QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden).size(), 9);
        QCOMPARE(TestPdf::pageWidths(out + "/_x.pdf"), QList<int>{201});
        QCOMPARE(TestPdf::pageWidths(out + "/(1)Intro.pdf"), (QList<int>{202, 203}));
        QCOMPARE(TestPdf::pageWidths(result.files.at(7)), (QList<int>{203, 204}));
        // An old-style request beside it: no names, the usual names.
        SplitRequest plain = request(m_five, 5, {}, freshDir("unnamed"));
        plain.ranges = {{2, 3}};
        QCOMPARE(fileNames(runRequest(plain).files), QStringList{"five_p2-3.pdf"});
    }

    // Pages to drop may come as ranges: every page of each goes.
    void dropRangesWhole()
    {
        SplitRequest r = request(m_five, 5, {}, freshDir("drop-ranges"));
        r.mode = SplitRequest::ModeWithoutPages;
        r.ranges = {{2, 3}, {5, 5}};
        const Result result = runRequest(r);
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
        SplitRequest r = request(m_mixed, m_mixedPages, {}, out);
        r.mode = SplitRequest::ModeBySize;
        r.maxSizeKb = 200;
        const Result result = runRequest(r);
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
        SplitRequest r = request(TestPaths::realManual(), 101, {}, out);
        r.mode = SplitRequest::ModeBySize;
        r.maxSizeKb = 150;
        r.password = QStringLiteral("pw");
        const Result result = runRequest(r);
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
        SplitRequest r = request(m_mixed, m_mixedPages, {}, out);
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
        SplitRequest r = request(m_five, 5, {}, freshDir("whole"));
        r.mode = SplitRequest::ModeBySize;
        r.maxSizeKb = 1000;
        Result result = runRequest(r);
        QCOMPARE(result.code, 0);
        QCOMPARE(fileNames(result.files), QStringList{"five_p1-5.pdf"});
        QCOMPARE(TestPdf::pageWidths(result.files.first()), (QList<int>{201, 202, 203, 204, 205}));

        // A protected source opens with its password; the parts are plain.
        r = request(TestPaths::fixture("enc-XI-R6,V5,U=view,O=master.pdf"), 30, {}, freshDir("protected-source"));
        r.mode = SplitRequest::ModeBySize;
        r.maxSizeKb = 5;
        r.filePassword = QStringLiteral("view");
        result = runRequest(r);
        QCOMPARE(result.code, 0);
        int pages = 0;
        for (const QString &part : result.files) {
            QCOMPARE(SplitTestPdf::encryptionRevision(part, QString()), 0);
            pages += PdfProbe::pageCount(part);
        }
        QCOMPARE(pages, 30);
        r.filePassword = QStringLiteral("wrong");
        r.outDirectory = freshDir("protected-wrong");
        QCOMPARE(runRequest(r).code, int(WorkerCode::NothingProduced));

        const QString damaged = m_dir.filePath("damaged.pdf");
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("%PDF-1.4\nnothing here\n");
        file.close();
        r = request(damaged, 5, {}, freshDir("damaged-out"));
        r.mode = SplitRequest::ModeBySize;
        r.maxSizeKb = 10;
        result = runRequest(r);
        QCOMPARE(result.code, int(WorkerCode::NothingProduced));
        QVERIFY(QDir(m_dir.filePath("damaged-out")).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    // --- bookmarks: the outline, the controller's parts, whole splits
    // Every entry with its level and page, named destinations and GoTo
    // actions resolved, as MuPDF reads the same files. (MuPDF does not look
    // into the name tree when the catalog also has old-style /Dests: the
    // generated file's outline is the one it was written with.)
    void outlineAsOtherReadersReadIt_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("direct outlines") << TestPaths::fixture("direct-outlines.pdf")
                                         << PdfProbe::outline(TestPaths::fixture("direct-outlines.pdf"));
        QTest::newRow("real manual, named destinations") << TestPaths::realManual()
                                                         << PdfProbe::outline(TestPaths::realManual());
        QTest::newRow("generated, both kinds of names")
            << m_linked << QStringList{"1:One->1", "1:Three->3", "2:Four->4", "1:Five->5", "2:Six->6"};
    }
    void outlineAsOtherReadersReadIt()
    {
        QFETCH(QString, path);
        QFETCH(QStringList, expected);
        OutlineEntries entries;
        QVERIFY(m_service->outline(path, QString(), &entries));
        QVERIFY(expected.size() >= 5);
        QCOMPARE(asLines(entries), expected);
    }

    void outlineOfUnreadableOrPlainFiles()
    {
        OutlineEntries entries{OutlineEntry{QStringLiteral("stale"), 1, 1}};
        QVERIFY(!m_service->outline(m_dir.filePath("missing.pdf"), QString(), &entries));
        QVERIFY(entries.isEmpty());
        const QString plain = m_dir.filePath("plain.pdf");
        QVERIFY(TestPdf::writeNumbered(plain, 3));
        QVERIFY(m_service->outline(plain, QString(), &entries));
        QVERIFY(entries.isEmpty());
        // A protected document's outline needs its password.
        const QString locked = TestPaths::fixture("enc-XI-R6,V5,U=view,O=master.pdf");
        QVERIFY(!m_service->outline(locked, QString(), &entries));
        QVERIFY(m_service->outline(locked, QStringLiteral("view"), &entries));
    }

    // The controller's parts at levels 1 and 2 of the fixture's outline,
    // whose level 3 entries point back to pages 1 and 2.
    void partsOfTheFixtureOutline()
    {
        Split split(m_service);
        split.load(copyOf(TestPaths::fixture("direct-outlines.pdf"), "outlined.pdf"), QString());
        QCOMPARE(split.pageCount(), 30);
        QCOMPARE(split.bookmarkLevels(), (QList<int>{1, 2, 3, 4}));
        split.setMode(Split::ByBookmarks);
        split.setBookmarkLevel(1);
        QCOMPARE(spans(split.bookmarkParts()),
                 (QStringList{"1-5 01 p1-5", "6-15 02 Is\u00eds 1 -> 5: _XYZ null null null",
                              "16-30 03 Trepak 2 -> 15: _XYZ 66 756 3"}));
        QCOMPARE(split.requestedRanges(), (QList<QPair<int, int>>{{1, 5}, {6, 15}, {16, 30}}));
        // Level 2 cuts at the sections too; "Trepak 2" has none and still
        // starts its own part.
        split.setBookmarkLevel(2);
        QCOMPARE(spans(split.bookmarkParts()),
                 (QStringList{"1-5 01 p1-5", "6-11 02 Is\u00eds 1 -> 5: _XYZ null null null",
                              "12-13 03 Amanda 1.1 -> 11: _Fit",
                              "14-15 04 Sandy \u00f7\u03a3\u03b1\u03bd\u03b4\u03b9\u00f7 1.2 -> 13: _FitH 792",
                              "16-30 05 Trepak 2 -> 15: _XYZ 66 756 3"}));
        // Level 3 adds entries out of page order (pages 13, 2 and 1): the
        // parts still run through the pages in order, none before page 1.
        split.setBookmarkLevel(3);
        QCOMPARE(split.requestedRanges(),
                 (QList<QPair<int, int>>{{1, 1}, {2, 5}, {6, 11}, {12, 12}, {13, 13}, {14, 15}, {16, 30}}));
    }

    // The real manual: several top entries share a page (License and
    // Prerequisites on page 10), titles are UTF-16 and go to named
    // destinations.
    void partsOfARealManual()
    {
        Split split(m_service);
        split.load(copyOf(TestPaths::realManual(), "amc.pdf"), QString());
        QCOMPARE(split.pageCount(), 101);
        QCOMPARE(split.bookmarkLevels(), (QList<int>{1, 2, 3, 4, 5}));
        split.setBookmarkLevel(1);
        QCOMPARE(spans(split.bookmarkParts()),
                 (QStringList{"1-9 01 p1-9", "10-10 02 License", "11-21 03 Usage notes", "22-58 04 LaTeX source file",
                              "59-73 05 Usage - Graphical interface", "74-77 06 Alternative usages",
                              "78-79 07 Conflicts with other packages", "80-92 08 Commands manual",
                              "93-93 09 Copy anonymity (LaTeX only)", "94-101 10 Miscellaneous"}));

        split.setBookmarkLevel(2);
        const Parts parts = split.bookmarkParts();
        // Every page once, in order; each part starts where an entry of
        // level 1 or 2 goes (MuPDF's reading), and every such page starts one.
        QSet<int> entryPages;
        for (const QString &line : PdfProbe::outline(split.fileName())) {
            if (line.startsWith("1:") || line.startsWith("2:"))
                entryPages.insert(line.section("->", -1).toInt());
        }
        int next = 1;
        QSet<int> starts;
        for (const Part &part : parts) {
            QCOMPARE(part.from, next);
            QVERIFY(part.to >= part.from);
            next = part.to + 1;
            if (part.from > 1)
                starts.insert(part.from);
        }
        QCOMPARE(next, 102);
        QCOMPARE(starts, entryPages);
        QCOMPARE(parts.size(), entryPages.size() + 1);
        // Where two entries share a page, the first names the part.
        const auto startingAt = [&parts](int page) {
            for (const Part &part : parts)
                if (part.from == page)
                    return part;
            return Part{};
        };
        QCOMPARE(startingAt(96).to, 96);
        QCOMPARE(startingAt(96).title, QStringLiteral("Cut the DOC-sujet.pdf file in several files"));
        QCOMPARE(startingAt(60).title, QStringLiteral("Mailing examan to student (with or without password)."));
        QVERIFY(startingAt(95).name.endsWith(QStringLiteral(" AMC and TeXLive \u00abvanilla\u00bb (ubuntu et debian)")));
        QVERIFY(QRegularExpression("^\\d\\d ").match(startingAt(95).name).hasMatch());
    }

    // A whole split of the real manual at level 2 through the worker: one
    // file per part, named "NN title.pdf", together every page in order.
    void realManualThroughTheWorker()
    {
        Split split(m_service);
        const QString source = copyOf(TestPaths::realManual(), "manual.pdf");
        split.load(source, QString());
        split.setMode(Split::ByBookmarks);
        split.setBookmarkLevel(2);
        const Parts parts = split.bookmarkParts();
        const QString out = m_dir.filePath("manual-parts");
        QDir().mkpath(out);
        split.setOutDirectory(out);
        const QStringList files = runSplit(split);
        QCOMPARE(files.size(), parts.size());
        QStringList pages;
        for (int i = 0; i < files.size(); ++i) {
            QCOMPARE(QFileInfo(files.at(i)).fileName(), parts.at(i).name + ".pdf");
            QCOMPARE(PdfProbe::pageCount(files.at(i)), parts.at(i).to - parts.at(i).from + 1);
            pages += PdfProbe::pageTexts(files.at(i));
        }
        QCOMPARE(pages, PdfProbe::pageTexts(source));
        // A chapter keeps its own bookmarks, on its own pages.
        const int chapter = spans(parts).indexOf(QRegularExpression("^59-59 \\d\\d Usage - Graphical interface$"));
        QVERIFY(chapter > 0);
        const QStringList kept = PdfProbe::outline(files.at(chapter));
        QVERIFY2(kept.contains("1:Usage - Graphical interface->1"), qPrintable(kept.join('\n')));
        QVERIFY2(kept.contains("2:Creating a new project and subject->1"), qPrintable(kept.join('\n')));
    }

    // Level 2 of the fixture through the worker: names with slashes are
    // made safe, entries pointing into a part stay in it.
    void fixtureThroughTheWorker()
    {
        Split split(m_service);
        split.load(copyOf(TestPaths::fixture("direct-outlines.pdf"), "chapters.pdf"), QString());
        split.setMode(Split::ByBookmarks);
        split.setBookmarkLevel(2);
        const QString out = m_dir.filePath("chapters");
        QDir().mkpath(out);
        split.setOutDirectory(out);
        const QStringList files = runSplit(split);
        QStringList names;
        for (const QString &file : files)
            names << QFileInfo(file).fileName();
        QCOMPARE(names, (QStringList{"01 p1-5.pdf", "02 Is\u00eds 1 -> 5: _XYZ null null null.pdf",
                                     "03 Amanda 1.1 -> 11: _Fit.pdf",
                                     "04 Sandy \u00f7\u03a3\u03b1\u03bd\u03b4\u03b9\u00f7 1.2 -> 13: _FitH 792.pdf",
                                     "05 Trepak 2 -> 15: _XYZ 66 756 3.pdf"}));
        QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden).size(), 5);
        QCOMPARE(PdfProbe::pageCount(files.at(4)), 15);
        const QStringList kept = PdfProbe::outline(files.at(4));
        QVERIFY2(kept.contains("1:Trepak 2 -> 15: /XYZ 66 756 3->1"), qPrintable(kept.join('\n')));
        QVERIFY2(kept.contains("1:Isosicle 1.1.2.1 -> 22: /XYZ null null null->8"), qPrintable(kept.join('\n')));
        QVERIFY(PdfProbe::outline(files.at(0)).contains("1:Trepsicle 1.2.2 -> 0: /XYZ null null null->1"));
    }

    // One outline and one set of links, stored in each form a PDF allows
    // for a destination: the outline is read with its pages, the split by
    // bookmarks finds its parts, split parts keep the bookmarks and links of
    // their pages, and so does a merge of the document with itself (whose
    // second half has every destination name taken by the first).
    void destinationsInEveryForm_data()
    {
        QTest::addColumn<int>("form");
        QTest::newRow("explicit array") << int(DestinationForm::ExplicitArray);
        QTest::newRow("GoTo action with an array") << int(DestinationForm::GoToArray);
        QTest::newRow("name in the catalog's /Dests") << int(DestinationForm::NameInDests);
        QTest::newRow("GoTo to a name, /Dests holds a dictionary") << int(DestinationForm::NameToDictionary);
        QTest::newRow("string in the name tree") << int(DestinationForm::StringInNameTree);
        QTest::newRow("GoTo to a string, the tree holds a dictionary") << int(DestinationForm::StringToDictionary);
        QTest::newRow("the same in a tree of two leaves") << int(DestinationForm::StringInDeepTree);
        QTest::newRow("name found in the name tree") << int(DestinationForm::NameInNameTree);
    }
    void destinationsInEveryForm()
    {
        QFETCH(int, form);
        const QString source = m_dir.filePath(QStringLiteral("forms%1.pdf").arg(form));
        QVERIFY(SplitTestPdf::writeWithDestinations(source, DestinationForm(form)));
        // The document says what it should, to qpdf and (but for the name
        // looked up in the tree, which poppler and pdf.js find but MuPDF
        // does not) to MuPDF.
        const QStringList outline{"1:Part A->1", "1:Part B->3", "2:Section B.2->4", "1:Part C->5"};
        QCOMPARE(SplitTestPdf::outline(source), (QStringList{"0:Part A->1", "0:Part B->3", "1:Section B.2->4",
                                                             "0:Part C->5"}));
        if (DestinationForm(form) != DestinationForm::NameInNameTree)
            QCOMPARE(PdfProbe::outline(source), outline);
        QCOMPARE(SplitTestPdf::linkTargets(source, 6), (QList<int>{1, 3, 4, 5}));

        Split split(m_service);
        split.load(source, QString());
        QCOMPARE(asLines(split.outline()), outline);
        split.setBookmarkLevel(2);
        QCOMPARE(spans(split.bookmarkParts()),
                 (QStringList{"1-2 01 Part A", "3-3 02 Part B", "4-4 03 Section B.2", "5-6 04 Part C"}));
        const QStringList chapters = splitInto(split, Split::ByBookmarks, QStringLiteral("chapters%1").arg(form));
        QCOMPARE(chapters.size(), 4);
        QCOMPARE(SplitTestPdf::outline(chapters.at(3)), QStringList{"0:Part C->1"});
        // Of the last page's links, the one into the part stays.
        QCOMPARE(SplitTestPdf::linkTargets(chapters.at(3), 2), QList<int>{1});

        QVERIFY(split.pageRanges()->addRange(3, 6));
        const QStringList range = splitInto(split, Split::ByPageRanges, QStringLiteral("range%1").arg(form));
        QCOMPARE(range.size(), 1);
        QCOMPARE(SplitTestPdf::outline(range.first()), (QStringList{"0:Part B->1", "1:Section B.2->2", "0:Part C->3"}));
        QCOMPARE(SplitTestPdf::linkTargets(range.first(), 4), (QList<int>{1, 2, 3}));

        split.addCertainPage(2);
        const QStringList without = splitInto(split, Split::WithoutCertainPages, QStringLiteral("without%1").arg(form));
        QCOMPARE(without.size(), 1);
        QCOMPARE(SplitTestPdf::outline(without.first()),
                 (QStringList{"0:Part A->1", "0:Part B->2", "1:Section B.2->3", "0:Part C->4"}));
        QCOMPARE(SplitTestPdf::linkTargets(without.first(), 5), (QList<int>{1, 2, 3, 4}));

        const QString twice = merged({source, source}, QStringLiteral("twice%1.pdf").arg(form));
        QVERIFY(!twice.isEmpty());
        QStringList inner;
        for (const QString &line : SplitTestPdf::outline(twice)) {
            if (!line.startsWith(QLatin1String("0:")))
                inner << line;
        }
        QCOMPARE(inner, (QStringList{"1:Part A->1", "1:Part B->3", "2:Section B.2->4", "1:Part C->5", "1:Part A->7",
                                     "1:Part B->9", "2:Section B.2->10", "1:Part C->11"}));
        QCOMPARE(SplitTestPdf::linkTargets(twice, 6), (QList<int>{1, 3, 4, 5}));
        QCOMPARE(SplitTestPdf::linkTargets(twice, 12), (QList<int>{7, 9, 10, 11}));
    }

    // No bookmarks, no parts: the controller sends nothing.
    void documentWithoutBookmarks()
    {
        Split split(m_service);
        const QString plain = m_dir.filePath("plain5.pdf");
        QVERIFY(TestPdf::writeNumbered(plain, 5));
        split.load(plain, QString());
        split.setMode(Split::ByBookmarks);
        QVERIFY(split.bookmarkLevels().isEmpty());
        QVERIFY(split.bookmarkParts().isEmpty());
        QVERIFY(split.requestedRanges().isEmpty());
        QSignalSpy started(&split, &Split::started);
        split.setOutDirectory(m_dir.filePath("none"));
        split.run();
        QTest::qWait(200);
        QCOMPARE(started.count(), 0);
        QVERIFY(!QFileInfo::exists(m_dir.filePath("none")));
    }

    // --- bad command lines and requests, straight to the worker
    void badCommandLines_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::newRow("none") << QStringList{} << int(WorkerCode::BadArguments);
        QTest::newRow("switch only") << QStringList{"--split"} << int(WorkerCode::BadArguments);
        QTest::newRow("unknown switch") << QStringList{"--splat", "/x.req"} << int(WorkerCode::BadArguments);
        QTest::newRow("too many") << QStringList{"--split", "/x.req", "more"} << int(WorkerCode::BadArguments);
        QTest::newRow("missing file") << QStringList{"--split", "/nonexistent/x.req"} << int(WorkerCode::RequestUnreadable);
    }
    void badCommandLines()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        const WorkerRun run = runWorker(args);
        QCOMPARE(run.status, QProcess::NormalExit);
        QCOMPARE(run.exitCode, code);
        QVERIFY(run.out.isEmpty());
    }

    void unreadableRequests_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("plain json") << QByteArray("{\"mode\":0}");
        QTest::newRow("base64 garbage") << QByteArray("!!!!");
        QTest::newRow("base64 of text") << QByteArray("hello world").toBase64();
        QTest::newRow("base64 of array") << QByteArray("[1,2,3]").toBase64();
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe\x01", 4);
    }
    void unreadableRequests()
    {
        QFETCH(QByteArray, content);
        const WorkerRun run = runWorker({"--split", sessionWith(content, "unreadable")});
        QCOMPARE(run.status, QProcess::NormalExit);
        QCOMPARE(run.exitCode, int(WorkerCode::RequestUnreadable));
        QVERIFY(run.out.isEmpty());
    }

    void invalidRequests_data()
    {
        QTest::addColumn<QJsonObject>("changes");
        QTest::newRow("mode as text") << QJsonObject{{"mode", "0"}};
        QTest::newRow("mode 7") << QJsonObject{{"mode", 7}};
        QTest::newRow("page count huge") << QJsonObject{{"page_coount", 2000000000}};
        QTest::newRow("page count fraction") << QJsonObject{{"page_coount", 2.5}};
        QTest::newRow("page count negative") << QJsonObject{{"page_coount", -1}};
        QTest::newRow("ranges not array") << QJsonObject{{"ranges", "1-2"}};
        QTest::newRow("range bound as text") << QJsonObject{{"ranges", QJsonArray{QJsonObject{{"from", "1"}, {"to", 2}}}}};
        QTest::newRow("range bound beyond int") << QJsonObject{{"ranges", QJsonArray{QJsonObject{{"from", 1}, {"to", 1e15}}}}};
        QTest::newRow("file name as number") << QJsonObject{{"file_name", 3}};
        QTest::newRow("no file name") << QJsonObject{{"file_name", QJsonValue()}};
        QTest::newRow("password as object") << QJsonObject{{"property_password", QJsonObject{}}};
    }
    void invalidRequests()
    {
        QFETCH(QJsonObject, changes);
        QString session;
        const QString id = QStringLiteral("invalid1");
        QJsonObject json = sessionRequest(request(m_five, 5, {{1, 1}}, freshDir("invalid")), id, &session);
        for (auto it = changes.begin(); it != changes.end(); ++it) {
            if (it.value().isNull())
                json.remove(it.key());
            else
                json.insert(it.key(), it.value());
        }
        const WorkerRun run = runWorker({"--split", sessionWith(requestBytes(json), id)});
        QCOMPARE(run.status, QProcess::NormalExit);
        QCOMPARE(run.exitCode, 0);   // the response says what went wrong
        QCOMPARE(responseCode(session, id), int(WorkerCode::RequestInvalid));
        QVERIFY(QDir(m_dir.filePath("invalid")).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    void unsafeSessionIdIsRefused()
    {
        QString session;
        const QString id = QStringLiteral("unsafe");
        QJsonObject json = sessionRequest(request(m_five, 5, {{1, 1}}, freshDir("unsafe-out")), id, &session);
        json.insert("session_id", "../escaped");
        const WorkerRun run = runWorker({"--split", sessionWith(requestBytes(json), id)});
        QCOMPARE(run.exitCode, int(WorkerCode::RequestInvalid));
        QVERIFY(!QFileInfo::exists(m_dir.filePath("escaped.resp")));
        QVERIFY(QDir(m_dir.filePath("unsafe-out")).entryList(QDir::Files).isEmpty());
    }

    void absurdPageNumbers_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("pageCount");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("int extremes") << 0 << 5 << int(2147483647) << int(-2147483647 - 1);
        // The request's page count is believed, the file is not: nothing to write.
        QTest::newRow("beyond the document") << 0 << 1000000 << 999999 << 1000000;
        QTest::newRow("drop from a huge count") << 1 << 1000000 << 3 << 3;
        QTest::newRow("drop a negative page") << 1 << 5 << -5 << -5;
    }
    void absurdPageNumbers()
    {
        QFETCH(int, mode);
        QFETCH(int, pageCount);
        QFETCH(int, from);
        QFETCH(int, to);
        QString session;
        const QString id = QStringLiteral("absurd");
        const QJsonObject json =
            sessionRequest(request(m_five, pageCount, {{from, to}}, freshDir("absurd"), mode), id, &session);
        const WorkerRun run = runWorker({"--split", sessionWith(requestBytes(json), id)});
        QCOMPARE(run.status, QProcess::NormalExit);
        QCOMPARE(run.exitCode, 0);
        QStringList files;
        const int code = responseCode(session, id, &files);
        // A range outside the request's page count refuses the run; one
        // inside it but past the file's end is written by nobody.
        QCOMPARE(code, int(pageCount == 5 ? WorkerCode::PagesOutsideDocument : WorkerCode::NothingProduced));
        QVERIFY(files.isEmpty());
        QVERIFY(QDir(m_dir.filePath("absurd")).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    void standardOutputHoldsOnlyPercentages()
    {
        QString session;
        const QString id = QStringLiteral("stdout");
        const QJsonObject json = sessionRequest(request(m_five, 5, {{1, 1}, {2, 3}}, freshDir("stdout")), id, &session);
        const WorkerRun run = runWorker({"--split", sessionWith(requestBytes(json), id)});
        QCOMPARE(run.exitCode, 0);
        const QList<QByteArray> lines = run.out.trimmed().split('\n');
        QVERIFY(lines.size() >= 2);
        for (const QByteArray &line : lines) {
            bool number = false;
            const double value = line.toDouble(&number);
            QVERIFY2(number && value >= 0 && value <= 100, line.constData());
        }
        QCOMPARE(lines.last(), QByteArray("100"));
        QStringList files;
        QCOMPARE(responseCode(session, id, &files), 0);
        QCOMPARE(files.size(), 2);
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

};

QTEST_MAIN(TestSplitWorker)
#include "tst_splitworker.moc"
