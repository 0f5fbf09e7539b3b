#include "SpiedOutcome.h"
#include "SplitTestPdf.h"
#include "TestPaths.h"
#include "TestPdf.h"
#include "app/AppSettings.h"
#include "app/FileUtils.h"
#include "app/Logger.h"
#include "split/SplitLauncher.h"
#include "protocol/WorkerCode.h"
#include "protocol/WorkerFile.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using RangeList = QList<QPair<int, int>>;

namespace {

QStringList g_trace;

void collectTrace(QtMsgType, const QMessageLogContext &, const QString &message)
{
    g_trace << message;
}

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

} // namespace

// pdfworker's split mode through its real executable: the launcher's
// signals, cancelling, one run at a time, session folders, bad requests,
// encrypted sources and what never reaches a log.
class TestSplitWorker : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_five;
    QString m_long;

    QString freshDir(const QString &name)
    {
        const QString path = m_dir.filePath(name);
        QDir(path).removeRecursively();
        QDir().mkpath(path);
        return path;
    }

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
    static QPair<int, QStringList> runToEnd(SplitLauncher &launcher, QList<double> *progress = nullptr)
    {
        QSignalSpy finished(&launcher, &SplitLauncher::finished);
        QSignalSpy changed(&launcher, &SplitLauncher::progressChanged);
        launcher.run();
        if (!finished.wait(60000))
            return {-100, {}};
        if (progress) {
            for (const QList<QVariant> &args : qAsConst(changed))
                progress->append(args.first().toDouble());
        }
        return {spiedOutcome(finished).code, spiedOutcome(finished).files()};
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

private slots:
    void initTestCase()
    {
        AppSettings::applyIdentity();
        QVERIFY(m_dir.isValid());
        QVERIFY(QFileInfo(TestPaths::workerPath()).isExecutable());
        m_five = m_dir.filePath("five.pdf");
        QVERIFY(TestPdf::writeNumbered(m_five, 5));
        m_long = m_dir.filePath("long.pdf");
        QVERIFY(TestPdf::writeNumbered(m_long, 500));
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
        g_trace.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collectTrace);
        const QString out = freshDir("secrets");
        SplitLauncher launcher;
        // Page 31 is within the request's count but not in the file: the
        // worker opens the file with the password and fails on that range.
        SplitRequest r = request(TestPaths::fixture("enc-long-password.pdf"), 31, {{1, 1}, {31, 31}}, out);
        r.filePassword = secretIn;
        r.password = secretOut;
        launcher.setRequest(r);
        const auto result = runToEnd(launcher);
        qInstallMessageHandler(previous);
        QCOMPARE(result.first, int(WorkerCode::Incomplete));
        QCOMPARE(result.second.size(), 1);
        QFile log(logFile);
        QVERIFY(log.open(QIODevice::ReadOnly));   // the worker logged the range it could not write
        const QByteArray logged = log.readAll();
        QVERIFY(logged.contains("could not be written"));
        QString everything = QString::fromUtf8(logged) + g_trace.join('\n');
        // Request data traced as Base64 is decoded before looking.
        for (const QString &line : qAsConst(g_trace)) {
            for (const QString &word : line.split(QRegularExpression("[\\s\"]+"))) {
                if (word.size() > 40)
                    everything += QString::fromUtf8(QByteArray::fromBase64(word.toLatin1()));
            }
        }
        QVERIFY(everything.contains("session_id"));   // the request trace was seen and decoded
        QVERIFY(!everything.contains(secretIn));
        QVERIFY(!everything.contains(secretOut));
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
        sessionWith(QByteArray(), id, &session);
        QJsonObject json = request(m_five, 5, {{1, 1}}, freshDir("invalid")).toJson();
        json.insert("session_path", session);
        json.insert("session_id", id);
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
        sessionWith(QByteArray(), id, &session);
        QJsonObject json = request(m_five, 5, {{1, 1}}, freshDir("unsafe-out")).toJson();
        json.insert("session_path", session);
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
        sessionWith(QByteArray(), id, &session);
        QJsonObject json = request(m_five, pageCount, {{from, to}}, freshDir("absurd"), mode).toJson();
        json.insert("session_path", session);
        json.insert("session_id", id);
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
        sessionWith(QByteArray(), id, &session);
        QJsonObject json = request(m_five, 5, {{1, 1}, {2, 3}}, freshDir("stdout")).toJson();
        json.insert("session_path", session);
        json.insert("session_id", id);
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
};

QTEST_MAIN(TestSplitWorker)
#include "tst_splitworker.moc"
