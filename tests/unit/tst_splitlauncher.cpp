#include "SpiedOutcome.h"
#include "TestPaths.h"
#include "app/AppSettings.h"
#include "app/FileUtils.h"
#include "split/SplitLauncher.h"
#include "protocol/WorkerCode.h"
#include "protocol/WorkerFile.h"

#include <QSignalSpy>
#include <QtTest>

// The launcher's own logic, without a worker doing PDF work: progress line
// parsing, the request file, the worker's location, a worker that cannot start.
class TestSplitLauncher : public QObject
{
    Q_OBJECT

    static QList<double> feed(const QList<QByteArray> &chunks)
    {
        QByteArray buffer;
        QList<double> emitted;
        for (const QByteArray &chunk : chunks) {
            double value = -1;
            if (SplitLauncher::takeProgress(buffer, chunk, value))
                emitted << value;
        }
        return emitted;
    }

private slots:
    void initTestCase() { AppSettings::applyIdentity(); }

    void progressLines_data()
    {
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<QList<double>>("values");
        QTest::newRow("three lines, last wins") << QList<QByteArray>{"10\n25\n40\n"} << QList<double>{40};
        QTest::newRow("only breaks") << QList<QByteArray>{"\n\n\r\n"} << QList<double>{};
        QTest::newRow("word gives zero") << QList<QByteArray>{"12\nabc\n"} << QList<double>{0};
        QTest::newRow("decimal") << QList<QByteArray>{"33.3\n"} << QList<double>{33.3};
        QTest::newRow("windows breaks") << QList<QByteArray>{"7\r\n8\r\n"} << QList<double>{8};
        // A line cut between two reads is read once, whole: never 5 then 0.
        QTest::newRow("split line") << QList<QByteArray>{"40\n5", "0\n"} << QList<double>{40, 50};
        QTest::newRow("partial only") << QList<QByteArray>{"9"} << QList<double>{};
        QTest::newRow("empty chunk") << QList<QByteArray>{""} << QList<double>{};
    }
    void progressLines()
    {
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(QList<double>, values);
        QCOMPARE(feed(chunks), values);
    }

    void workerBesideProgram()
    {
        // Test programs live apart from the program; the worker is the built one beside it.
        QCOMPARE(SplitLauncher::defaultWorkerProgram(), QDir::toNativeSeparators(TestPaths::workerPath()));
        QVERIFY(QFileInfo(SplitLauncher::defaultWorkerProgram()).isExecutable());
    }

    void cancelWithoutWorkerDoesNothing()
    {
        SplitLauncher launcher;
        QSignalSpy finished(&launcher, &SplitLauncher::finished);
        launcher.cancel();
        QVERIFY(!launcher.isRunning());
        QTest::qWait(50);
        QCOMPARE(finished.count(), 0);
        QVERIFY(launcher.sessionDirectory().isEmpty());
    }

    // A worker that cannot be started ends the run as a failure the screen
    // can report, exactly once: missing, and present but not executable.
    void unstartableWorkerIsReportedOnce_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing") << false;
        QTest::newRow("not executable") << true;
    }

    void unstartableWorkerIsReportedOnce()
    {
        QFETCH(bool, exists);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString program = dir.filePath(QStringLiteral("pdfworker"));
        if (exists) {
            QFile file(program);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\nexit 0\n");
            file.close();
            QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        }
        SplitLauncher launcher;
        launcher.setWorkerProgram(program);
        SplitRequest request;
        request.fileName = dir.filePath(QStringLiteral("a.pdf"));
        request.pageCount = 2;
        request.ranges = {{1, 1}};
        launcher.setRequest(request);
        QSignalSpy started(&launcher, &SplitLauncher::started);
        QSignalSpy finished(&launcher, &SplitLauncher::finished);
        launcher.run();
        QCOMPARE(finished.count(), 0); // not from inside run()
        QTRY_COMPARE(finished.count(), 1);
        QTest::qWait(200);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(started.count(), 0);
        QCOMPARE(spiedOutcome(finished).code, int(WorkerCode::NotStarted));
        QVERIFY(spiedOutcome(finished).files().isEmpty());
        QVERIFY(!launcher.isRunning());
    }

    void requestFileInPrivateSession()
    {
        SplitLauncher launcher;
        launcher.setWorkerProgram(QDir::temp().filePath("no-such-pdfworker-" + FileUtils::uniqueId()));
        SplitRequest request;
        request.fileName = "/a/b.pdf";
        request.filePassword = "pw-open";
        request.pageCount = 3;
        request.ranges = {{1, 2}};
        request.outDirectory = "/a/out";
        launcher.setRequest(request);
        launcher.run();
        const QString session = launcher.sessionDirectory();
        QVERIFY(session.startsWith(QDir::toNativeSeparators(FileUtils::cacheDirectory() + "/")));
        QCOMPARE(QFileInfo(session).permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::ExeOther),
                 QFileDevice::Permissions());
        const QString id = QFileInfo(session).fileName();
        QCOMPARE(id.size(), 32);
        QJsonObject object;
        QVERIFY(WorkerFile::read(session + "/" + id + ".req", object));
        const SplitRequest written = SplitRequest::fromJson(object);
        QCOMPARE(written.sessionId, id);
        QCOMPARE(written.sessionPath, session);
        QCOMPARE(written.filePassword, QStringLiteral("pw-open"));
        QCOMPARE(written.ranges, request.ranges);
        QVERIFY(written.validate().isEmpty());
    }

    void responseOfAnotherSessionIsFailure()
    {
        SplitLauncher launcher;
        launcher.setWorkerProgram(QDir::temp().filePath("no-such-pdfworker-" + FileUtils::uniqueId()));
        launcher.run();
        const QString session = launcher.sessionDirectory();
        const QString id = QFileInfo(session).fileName();
        SplitResponse stale;
        stale.sessionId = "0123";
        stale.outcome.addWritten("/x.pdf", "x.pdf");
        QVERIFY(WorkerFile::write(session + "/" + id + ".resp", stale.toJson()));
        QCOMPARE(launcher.readResponse().outcome.code, int(WorkerCode::Failed));
        SplitResponse good = stale;
        good.sessionId = id;
        QVERIFY(WorkerFile::write(session + "/" + id + ".resp", good.toJson()));
        QCOMPARE(launcher.readResponse(), good);
    }

    void destructorRemovesSession()
    {
        QString session;
        {
            SplitLauncher launcher;
            launcher.setWorkerProgram(QDir::temp().filePath("no-such-pdfworker-" + FileUtils::uniqueId()));
            launcher.run();
            session = launcher.sessionDirectory();
            QVERIFY(QFileInfo(session).isDir());
        }
        QVERIFY(!QFileInfo::exists(session));
    }
};

QTEST_GUILESS_MAIN(TestSplitLauncher)
#include "tst_splitlauncher.moc"
