#include "CapturedLog.h"
#include "SpiedOutcome.h"
#include "MergeSamples.h"
#include "TestPaths.h"
#include "TestPdf.h"
#include "WorkerRequests.h"
#include "app/AppSettings.h"
#include "app/FileUtils.h"
#include "merge/MergeLauncher.h"
#include "protocol/WorkerCode.h"
#include "protocol/WorkerFile.h"

#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using WorkerRequests::task;

// The merge launcher against the real pdfworker: requests, responses,
// protection, outlines and forms of the result, cancelling, repeated runs.
class TestMergeLauncher : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return QDir::toNativeSeparators(m_dir.filePath(name)); }

    QString sample(const QString &name, int pages, const QString &marker, int fontBytes = 0)
    {
        MergeSamples::Options options;
        options.pages = pages;
        options.marker = marker;
        options.fontBytes = fontBytes;
        const QString file = path(name);
        if (!QFileInfo::exists(file) && !MergeSamples::write(file, options))
            qFatal("cannot write %s", qPrintable(file));
        return file;
    }

    static MergeRequest request(const MergeTaskList &tasks, const QString &output, const QString &password = QString())
    {
        MergeRequest r;
        r.tasks = tasks;
        r.saveFileName = output;
        r.setProperties(DocumentProperties(QStringLiteral("Publisher"), QString(), password,
                                           QStringLiteral("Pinecone Sheafwright"), QStringLiteral("Publisher")));
        return r;
    }

    // Runs the request to its end; the outcome finished() carried (code -1
    // when it never came).
    static WorkerOutcome runToEnd(MergeLauncher &launcher)
    {
        QSignalSpy finished(&launcher, &MergeLauncher::finished);
        launcher.run();
        if (!finished.wait(120000))
            return WorkerOutcome::ended(-1);
        return spiedOutcome(finished);
    }

    static std::unique_ptr<QPDF> open(const QString &file, const char *password = "")
    {
        auto pdf = std::make_unique<QPDF>();
        pdf->setSuppressWarnings(true);
        pdf->processFile(QFile::encodeName(file).constData(), password);
        return pdf;
    }

    static int qpdfExitCode(const QStringList &arguments, QByteArray *output = nullptr)
    {
        if (TestPaths::program(QStringLiteral("qpdf")).isEmpty())
            qFatal("the program \"qpdf\" is not installed (scripts/install-deps.sh installs it)");
        QProcess qpdf;
        qpdf.start(QStringLiteral("qpdf"), arguments);
        if (!qpdf.waitForFinished(60000))
            return -1;
        if (output)
            *output = qpdf.readAllStandardOutput();
        return qpdf.exitCode();
    }

    static QByteArray firstPageText(QPDF &pdf, int index)
    {
        auto data = QPDFObjectHandle(pdf.getAllPages().at(size_t(index))).getKey("/Contents").getStreamData();
        return QByteArray(reinterpret_cast<const char *>(data->getBuffer()), int(data->getSize()));
    }

private slots:
    void initTestCase()
    {
        AppSettings::applyIdentity();
        QVERIFY(m_dir.isValid());
        QVERIFY(QFileInfo(MergeLauncher::workerExecutable()).isExecutable());
        SW_REQUIRE_PROGRAM("qpdf");
    }

    void requestIsWrittenAndTasksMergeInAscendingOrder()
    {
        const QString a = sample(QStringLiteral("a.pdf"), 1, QStringLiteral("first"));
        const QString b = sample(QStringLiteral("b.pdf"), 2, QStringLiteral("second"));
        const QString c = sample(QStringLiteral("c.pdf"), 3, QStringLiteral("third"));
        const QString output = path(QStringLiteral("ordered.pdf"));
        MergeLauncher launcher;
        launcher.setRequest(request({task(c, 2), task(a, 0), task(b, 1)}, output));
        QSignalSpy started(&launcher, &MergeLauncher::started);
        const WorkerOutcome result = runToEnd(launcher);
        QCOMPARE(result.code, 0);
        QCOMPARE(result.files().value(0), output);
        QCOMPARE(started.count(), 1);

        // The request file of the session: three tasks with all six keys,
        // and the session folder as "cache_path".
        QCOMPARE(launcher.sessionDirectory(),
                 QDir::toNativeSeparators(FileUtils::cacheDirectory() + QLatin1Char('/') + launcher.sessionId()));
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(launcher.sessionDirectory()).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0700);
        QJsonObject written;
        QVERIFY(WorkerFile::read(launcher.requestPath(), written));
        const QJsonArray tasks = written.value(QStringLiteral("tasks")).toArray();
        QCOMPARE(tasks.size(), 3);
        for (const QJsonValue &value : tasks)
            QCOMPARE(value.toObject().size(), 6);
        QCOMPARE(written.value(QStringLiteral("cache_path")).toString(), launcher.sessionDirectory());
        QCOMPARE(written.value(QStringLiteral("session_id")).toString(), launcher.sessionId());

        auto pdf = open(output);
        QCOMPARE(int(pdf->getAllPages().size()), 6);
        QVERIFY(firstPageText(*pdf, 0).contains("(first 1)"));
        QVERIFY(firstPageText(*pdf, 1).contains("(second 1)"));
        QVERIFY(firstPageText(*pdf, 3).contains("(third 1)"));
        QVERIFY(launcher.errorFiles().isEmpty());
    }

    // Two inputs that embed files of the same name: both files arrive, the
    // second under a name of its own, and nothing is left out.
    void attachmentsOfTheSameNameAreBothKept()
    {
        const QString first = sample(QStringLiteral("attached-1.pdf"), 1, QStringLiteral("one"));
        const QString second = sample(QStringLiteral("attached-2.pdf"), 2, QStringLiteral("two"));
        QVERIFY(TestPdf::attach(first, QStringLiteral("data.txt"), "first data"));
        QVERIFY(TestPdf::attach(second, QStringLiteral("data.txt"), "second data"));
        const QString output = path(QStringLiteral("attached.pdf"));
        MergeLauncher launcher;
        launcher.setRequest(request({task(first, 0), task(second, 1)}, output));
        const WorkerOutcome result = runToEnd(launcher);
        QCOMPARE(result.code, 0);
        QVERIFY(result.leftOut.isEmpty());
        const QMap<QString, QByteArray> files = TestPdf::attachments(output);
        QCOMPARE(files.size(), 2);
        QCOMPARE(files.value(QStringLiteral("data.txt")), QByteArray("first data"));
        QVERIFY2(files.values().contains("second data"), qPrintable(QStringList(files.keys()).join(", ")));
    }

    void protectedInputsAndProtectedOutput()
    {
        const QString right = TestPaths::fixture(QStringLiteral("enc-XI-R6,V5,U=view,O=master.pdf"));
        const QString wrong = TestPaths::fixture(QStringLiteral("enc-R3,V2,U=view,O=master.pdf"));
        const QString plain = sample(QStringLiteral("plain.pdf"), 2, QStringLiteral("plain"));
        const QString output = path(QStringLiteral("protected.pdf"));
        const QString password = QStringLiteral("out put");
        MergeLauncher launcher;
        launcher.setRequest(request({task(right, 0, QStringLiteral("view")), task(wrong, 1, QStringLiteral("wrong")),
                                     task(plain, 2)},
                                    output, QStringLiteral("  ") + password + QStringLiteral(" ")));
        QStringList traceLines;
        const WorkerOutcome result = [&] {
            CapturedLog trace;
            const WorkerOutcome ended = runToEnd(launcher);
            traceLines = trace.lines();
            return ended;
        }();
        QCOMPARE(result.code, 0);
        QCOMPARE(result.files().value(0), output);
        QCOMPARE(launcher.errorFiles(), QStringList({wrong}));
        QCOMPARE(result.leftOut.first().reason, WorkerOutcome::Reason::Password);

        // Another reader: qpdf wants the password, accepts the trimmed one,
        // and finds AES-256 (R6).
        QCOMPARE(qpdfExitCode({QStringLiteral("--requires-password"), output}), 0);
        QVERIFY(qpdfExitCode({QStringLiteral("--password=wrong"), QStringLiteral("--check"), output}) != 0);
        QByteArray shown;
        QCOMPARE(qpdfExitCode({QStringLiteral("--password=") + password, QStringLiteral("--show-encryption"), output},
                              &shown),
                 0);
        QVERIFY2(shown.contains("R = 6"), shown.constData());
        QVERIFY2(shown.contains("AESv3"), shown.constData());
        QCOMPARE(qpdfExitCode({QStringLiteral("--password=") + password, QStringLiteral("--check"), output}), 0);
        auto pdf = open(output, "out put");
        QCOMPARE(int(pdf->getAllPages().size()), 32);

        // The passwords never reached the trace, not even inside the Base64
        // request data.
        const QString trace = traceLines.join(QLatin1Char('\n'));
        QVERIFY(trace.contains(QStringLiteral("writeRequestData")));
        for (const QString &line : qAsConst(traceLines)) {
            QVERIFY(!line.contains(password));
            QVERIFY(!line.contains(QStringLiteral("wrong")) || line.contains(QStringLiteral(".pdf")));
            const int data = line.indexOf(QStringLiteral("Data:"));
            if (data >= 0) {
                const QByteArray decoded = QByteArray::fromBase64(line.mid(data + 5).remove(QLatin1Char('"')).trimmed().toLatin1());
                QVERIFY(decoded.contains("task_password"));
                QVERIFY(!decoded.contains("view\""));
                QVERIFY(!decoded.contains("wrong\""));
                QVERIFY(!decoded.contains(password.toUtf8()));
            }
        }
    }

    void outlinesAndFormsSurviveTheWorker()
    {
        const QString outlined = TestPaths::fixture(QStringLiteral("direct-outlines.pdf"));
        const QString form = TestPaths::fixture(QStringLiteral("form-filled-by-acrobat.pdf"));
        const QString output = path(QStringLiteral("outlines-forms.pdf"));
        MergeLauncher launcher;
        launcher.setRequest(request({task(form, 0), task(outlined, 1), task(form, 2)}, output));
        const WorkerOutcome result = runToEnd(launcher);
        QCOMPARE(result.code, 0);
        auto pdf = open(output);
        QPDFOutlineDocumentHelper outline(*pdf);
        std::vector<QPDFOutlineObjectHelper> top = outline.getTopLevelOutlines();
        QCOMPARE(int(top.size()), 3);
        QCOMPARE(QString::fromStdString(top[1].getTitle()), QStringLiteral("direct-outlines"));
        QVERIFY(!top[1].getKids().empty());
        // The inner entries point into the second input's pages (3 .. 32).
        const std::vector<QPDFObjectHandle> &pages = pdf->getAllPages();
        for (QPDFOutlineObjectHelper kid : top[1].getKids()) {
            const QPDFObjGen target = kid.getDestPage().getObjGen();
            int index = -1;
            for (size_t i = 0; i < pages.size(); ++i) {
                if (pages[i].getObjGen() == target)
                    index = int(i);
            }
            QVERIFY2(index >= 3 && index < 33, qPrintable(QString::number(index)));
        }
        // The qpdf command lists the fields of both forms, the second one's
        // renamed, each with its filled-in value.
        QByteArray json;
        QCOMPARE(qpdfExitCode({QStringLiteral("--json=2"), QStringLiteral("--json-key=acroform"), output}, &json), 0);
        QStringList names;
        QStringList values;
        const QJsonArray fields = QJsonDocument::fromJson(json).object().value(QStringLiteral("acroform"))
                                      .toObject().value(QStringLiteral("fields")).toArray();
        for (const QJsonValue &field : fields) {
            names << field.toObject().value(QStringLiteral("fullname")).toString();
            values << field.toObject().value(QStringLiteral("value")).toString();
        }
        QVERIFY2(names.contains(QStringLiteral("Text Box 1")), qPrintable(names.join(QLatin1Char(','))));
        QVERIFY2(names.contains(QStringLiteral("Text Box 1_2")), qPrintable(names.join(QLatin1Char(','))));
        QCOMPARE(values.filter(QStringLiteral("salad")).count(), 2);
        QPDFAcroFormDocumentHelper acroForm(*pdf);
        QCOMPARE(int(acroForm.getFormFields().size()), 2 * int(QPDFAcroFormDocumentHelper(*open(form)).getFormFields().size()));
        // Structurally sound for qpdf, with no warnings.
        QCOMPARE(qpdfExitCode({QStringLiteral("--check"), output}), 0);
    }

    void cancelStopsTheWorker()
    {
        QStringList files;
        MergeTaskList tasks;
        for (int i = 0; i < 300; ++i)
            tasks << task(sample(QStringLiteral("many%1.pdf").arg(i), 1, QStringLiteral("many %1").arg(i), 20000), i);
        const QString output = path(QStringLiteral("cancelled.pdf"));
        MergeLauncher launcher;
        launcher.setRequest(request(tasks, output));
        QSignalSpy finished(&launcher, &MergeLauncher::finished);
        launcher.run();
        QVERIFY(launcher.isRunning());
        launcher.cancel();
        QVERIFY(finished.wait(60000));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(spiedOutcome(finished, 0).code, int(WorkerCode::Canceled));
        QVERIFY(spiedOutcome(finished, 0).files().value(0).isEmpty());
        QVERIFY(!launcher.isRunning());
        QVERIFY(!QFileInfo::exists(output));
        // Nothing of the stopped merge is left beside the output, hidden or not.
        for (const QString &name : QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden))
            QVERIFY2(!FileUtils::isTemporaryFileOf(name, launcher.sessionId()), qPrintable(name));
        // Cancelling again, with no worker running, does nothing.
        launcher.cancel();
        QTest::qWait(100);
        QCOMPARE(finished.count(), 1);
    }

    // A worker that cannot be started ends the run as a failure, once, and
    // not from inside run().
    void unstartableWorkerIsReportedOnce()
    {
        const QString a = sample(QStringLiteral("a.pdf"), 1, QStringLiteral("first"));
        const QString b = sample(QStringLiteral("b.pdf"), 2, QStringLiteral("second"));
        for (const bool exists : {false, true}) {
            const QString program = path(QStringLiteral("no-worker-%1").arg(int(exists)));
            if (exists) {
                QFile file(program);
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write("#!/bin/sh\nexit 0\n");
                file.close();
                QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
            }
            MergeLauncher launcher;
            launcher.setWorkerProgram(program);
            const QString output = path(QStringLiteral("never.pdf"));
            launcher.setRequest(request({task(a, 0), task(b, 1)}, output));
            QSignalSpy started(&launcher, &MergeLauncher::started);
            QSignalSpy finished(&launcher, &MergeLauncher::finished);
            launcher.run();
            QCOMPARE(finished.count(), 0);
            QTRY_COMPARE(finished.count(), 1);
            QTest::qWait(200);
            QCOMPARE(finished.count(), 1);
            QCOMPARE(started.count(), 0);
            QCOMPARE(spiedOutcome(finished).code, int(WorkerCode::NotStarted));
            QVERIFY(spiedOutcome(finished).files().value(0).isEmpty());
            QVERIFY(!launcher.isRunning());
            QVERIFY(!QFileInfo::exists(output));
        }
    }

    void secondRunWhileRunningIsIgnored()
    {
        MergeTaskList tasks;
        for (int i = 0; i < 100; ++i)
            tasks << task(path(QStringLiteral("many%1.pdf").arg(i)), i);
        const QString output = path(QStringLiteral("once.pdf"));
        MergeLauncher launcher;
        launcher.setRequest(request(tasks, output));
        QSignalSpy finished(&launcher, &MergeLauncher::finished);
        QSignalSpy started(&launcher, &MergeLauncher::started);
        launcher.run();
        const QString session = launcher.sessionId();
        launcher.setRequest(request(tasks.mid(0, 1), path(QStringLiteral("twice.pdf"))));
        launcher.run();
        QCOMPARE(launcher.sessionId(), session);
        QVERIFY(finished.wait(120000));
        QTest::qWait(200);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(started.count(), 1);
        QCOMPARE(spiedOutcome(finished, 0).files().value(0), output);
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("twice.pdf"))));
        QCOMPARE(int(open(output)->getAllPages().size()), 100);
    }

    void eachRunReplacesThePreviousSessionFolder()
    {
        const QString a = sample(QStringLiteral("a.pdf"), 1, QStringLiteral("first"));
        const QString b = sample(QStringLiteral("b.pdf"), 2, QStringLiteral("second"));
        MergeLauncher launcher;
        launcher.setRequest(request({task(a, 0), task(b, 1)}, path(QStringLiteral("s1.pdf"))));
        QCOMPARE(runToEnd(launcher).code, 0);
        const QString first = launcher.sessionDirectory();
        QVERIFY(QFileInfo(first).isDir());
        launcher.setRequest(request({task(b, 0), task(a, 1)}, path(QStringLiteral("s1.pdf"))));
        QCOMPARE(runToEnd(launcher).files().value(0), path(QStringLiteral("(1)s1.pdf")));
        const QString second = launcher.sessionDirectory();
        QVERIFY(second != first);
        QVERIFY(!QFileInfo::exists(first));
        QVERIFY(QFileInfo(second).isDir());
        // Only the request, the response and the note of the output folder
        // are left in the session folder.
        QCOMPARE(QDir(second).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
                 QStringList({launcher.sessionId() + ".req", launcher.sessionId() + ".resp", "output-folder"}));
    }

    void responsesAsRead()
    {
        const QString a = sample(QStringLiteral("a.pdf"), 1, QStringLiteral("first"));
        MergeLauncher launcher;
        launcher.setRequest(request({task(a, 0), task(a, 1)}, path(QStringLiteral("r.pdf"))));
        QCOMPARE(runToEnd(launcher).code, 0);
        // Only "merged_file_name": success.
        QVERIFY(WorkerFile::write(launcher.responsePath(),
                                  QJsonObject{{QStringLiteral("merged_file_name"), QStringLiteral("/x/m.pdf")}}));
        MergeResponse response = launcher.readResponse();
        QCOMPARE(response.outcome.code, 0);
        QCOMPARE(response.mergedFileName(), QStringLiteral("/x/m.pdf"));
        // Not Base64 JSON: a failure, not a silent success.
        QFile broken(launcher.responsePath());
        QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
        broken.write("!!! not base64 !!!");
        broken.close();
        QCOMPARE(launcher.readResponse().outcome.code, int(WorkerCode::Failed));
        QVERIFY(QFile::remove(launcher.responsePath()));
        response = launcher.readResponse();
        QCOMPARE(response.outcome.code, int(WorkerCode::Failed));
        QVERIFY(response.mergedFileName().isEmpty());
    }

    void mergeThatProducesNothingIsAFailure()
    {
        MergeLauncher launcher;
        launcher.setRequest(request({task(path(QStringLiteral("gone1.pdf")), 0), task(path(QStringLiteral("gone2.pdf")), 1)},
                                    path(QStringLiteral("nothing.pdf"))));
        const WorkerOutcome result = runToEnd(launcher);
        QCOMPARE(result.code, int(WorkerCode::NothingProduced));
        QVERIFY(result.files().value(0).isEmpty());
        QCOMPARE(launcher.errorFiles(), QStringList({path(QStringLiteral("gone1.pdf")), path(QStringLiteral("gone2.pdf"))}));
        // An empty task list is refused.
        launcher.setRequest(request({}, path(QStringLiteral("nothing.pdf"))));
        QCOMPARE(runToEnd(launcher).code, int(WorkerCode::RequestInvalid));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("nothing.pdf"))));
    }

    void workerRefusesBadRequests()
    {
        QFile junk(path(QStringLiteral("junk.req")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a request");
        junk.close();
        QProcess worker;
        worker.start(MergeLauncher::workerExecutable(), {QStringLiteral("--merge"), junk.fileName()});
        QVERIFY(worker.waitForFinished(30000));
        QCOMPARE(worker.exitCode(), int(WorkerCode::RequestUnreadable));
        // A session id that would climb out of its folder.
        QVERIFY(WorkerFile::write(junk.fileName(), QJsonObject{{QStringLiteral("cache_path"), m_dir.path()},
                                                              {QStringLiteral("session_id"), QStringLiteral("../x")}}));
        worker.start(MergeLauncher::workerExecutable(), {QStringLiteral("--merge"), junk.fileName()});
        QVERIFY(worker.waitForFinished(30000));
        QCOMPARE(worker.exitCode(), int(WorkerCode::RequestInvalid));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("x.resp"))));
    }
};

QTEST_GUILESS_MAIN(TestMergeLauncher)
#include "tst_mergelauncher.moc"
