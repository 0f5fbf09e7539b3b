#include "DeepPdf.h"
#include "SpiedOutcome.h"
#include "FolderLock.h"
#include "TestPaths.h"
#include "TestPdf.h"
#include "TestFolders.h"
#include "WorkerChild.h"
#include "WorkerRequests.h"
#include "WorkerRun.h"
#include "app/AppSettings.h"
#include "app/FileUtils.h"
#include "pdf/NameTree.h"
#include "protocol/SessionFolder.h"
#include "merge/MergeLauncher.h"
#include "merge/MergeRequest.h"
#include "merge/MergeResponse.h"
#include "merge/MergeWorker.h"
#include "split/SplitLauncher.h"
#include "split/SplitRequest.h"
#include "split/SplitResponse.h"
#include "protocol/OutcomeText.h"
#include "protocol/WorkerCode.h"
#include "protocol/WorkerFile.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QThread>
#include <QTemporaryDir>
#include <QStandardPaths>
#include <QtTest>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

#include <csignal>
#include <memory>
#include <cstdio>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

// The rest of the first line the child prints after the tag, empty when none
// comes within 30 s.
QString lineAfter(QProcess &child, const QString &tag)
{
    while (child.canReadLine() || child.waitForReadyRead(30000)) {
        while (child.canReadLine()) {
            const QString line = QString::fromLocal8Bit(child.readLine()).trimmed();
            if (line.startsWith(tag))
                return line.mid(tag.size());
        }
    }
    return QString();
}

// The keys of the name tree under /Names of the document's catalog.
QStringList namesIn(const QString &path, const char *tree)
{
    QStringList keys;
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processFile(QFile::encodeName(path).constData());
    for (const auto &entry : NameTree::entries(pdf.getRoot().getKey("/Names").getKey(tree)))
        keys << QString::fromStdString(entry.first);
    return keys;
}

QList<int> numbered(int from, int to)
{
    QList<int> widths;
    for (int n = from; n <= to; ++n)
        widths << 200 + n;
    return widths;
}

// Writes a three-page document (page n 200 + n points wide) with damage
// that qpdf repairs while reading: junk before the header, no header and
// no cross-reference table, or a page tree node that lists itself.
bool writeDamaged(const QString &path, const QString &damage)
{
    if (damage == QLatin1String("page tree loop")) {
        QPDF pdf;
        pdf.emptyPDF();
        QPDFObjectHandle root = pdf.getRoot().getKey("/Pages");
        std::vector<QPDFObjectHandle> kids;
        for (int n = 1; n <= 3; ++n) {
            QPDFObjectHandle page = pdf.makeIndirectObject(QPDFObjectHandle::parse(
                "<< /Type /Page /MediaBox [0 0 " + std::to_string(200 + n) + " 300] >>"));
            page.replaceKey("/Parent", root);
            kids.push_back(page);
        }
        QPDFObjectHandle node = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Pages /Count 1 >>"));
        node.replaceKey("/Kids", QPDFObjectHandle::newArray({node, kids[2]}));
        node.replaceKey("/Parent", root);
        kids[2].replaceKey("/Parent", node);
        root.replaceKey("/Kids", QPDFObjectHandle::newArray({kids[0], kids[1], node}));
        root.replaceKey("/Count", QPDFObjectHandle::newInteger(3));
        const QByteArray name = QFile::encodeName(path);
        QPDFWriter writer(pdf, name.constData());
        writer.write();
        return true;
    }
    if (!TestPdf::writeNumbered(path, 3))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray data = file.readAll();
    if (damage == QLatin1String("junk before header")) {
        data.prepend(QByteArray(2048, 'J') + '\n');
    } else {
        // Without its header and its cross-reference table; the trailer
        // stays, startxref goes.
        const int table = data.lastIndexOf("\nxref");
        const int trailer = data.indexOf("trailer", table);
        const int start = data.indexOf("startxref", trailer);
        if (table < 0 || trailer < 0 || start < 0)
            return false;
        const int header = data.indexOf('\n') + 1;
        data = data.mid(header, table + 1 - header) + data.mid(trailer, start - trailer);
    }
    file.resize(0);
    return file.write(data) == data.size();
}

} // namespace

// Faults met on real machines, through the real pdfworker: a full disk
// (a small file size limit), responses that cannot be written, killed and
// cancelled workers, stale session folders, hostile request and response
// files, odd paths and inputs without pages.
class TestWorkerFaults : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_mixed;    // 6 pages; pages 2 and 5 are large
    QString m_small;    // 3 small pages

    QString freshDir(const QString &name) { return TestFolders::fresh(m_dir.path(), name); }

    static constexpr int programSplitPages = 1000;

    // Starts a child process that plays the program: it splits every page
    // of a long document into out and waits to be killed. Returns once its
    // worker has begun writing, with "<session folder>/<session id>".
    QString startProgramSplitting(QProcess &program, const QString &out, pid_t *worker)
    {
        const QString source = m_dir.filePath("thousand.pdf");
        if (!QFileInfo::exists(source) && !TestPdf::writeNumbered(source, programSplitPages))
            return QString();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("SW_SPLIT_UNTIL_KILLED", QStringList{source, QString::number(programSplitPages), out}.join('\n'));
        program.setProcessEnvironment(env);
        program.start(QCoreApplication::applicationFilePath(), {"splitUntilKilled"});
        const QString base = lineAfter(program, "session: ");
        *worker = base.isEmpty() ? 0 : workerRunning(base + ".req");
        QElapsedTimer waited;
        waited.start();
        while (*worker > 0 && TestFolders::entries(out).size() <= 20 && waited.elapsed() < 30000)
            QThread::msleep(20);
        return base;
    }

private slots:
    void initTestCase()
    {
        AppSettings::applyIdentity();
        QVERIFY(m_dir.isValid());
        if (qEnvironmentVariableIsSet("SW_HOLD_SESSION")) {
            m_dir.remove();   // this process will be killed: leave nothing in the temporary folder
            return;
        }
        QVERIFY(QFileInfo(TestPaths::workerPath()).isExecutable());
        QList<TestPdf::Page> pages;
        for (int i = 1; i <= 6; ++i) {
            TestPdf::Page page;
            page.width = 200 + i;
            if (i == 2 || i == 5)
                page.extraContent = TestPdf::bulk(400000);
            pages << page;
        }
        m_mixed = m_dir.filePath("mixed.pdf");
        QVERIFY(TestPdf::write(m_mixed, pages));
        QVERIFY(QFileInfo(m_mixed).size() > 300000);
        m_small = m_dir.filePath("small.pdf");
        QVERIFY(TestPdf::writeNumbered(m_small, 3));
    }

    // --- full disk
    void splitOntoFullDiskReportsWhatWasWritten()
    {
        const QString session = m_dir.filePath("full-split-session");
        const QString out = freshDir("full-split");
        const QString request = WorkerRequests::write(WorkerRequests::split(m_mixed, 6, out, session, "fullsplit").toJson(), session,
                                             "fullsplit");
        const WorkerRun run = runWorker({"--split", request}, {64 * 1024});
        QVERIFY(!run.crashed);
        QCOMPARE(run.exitCode, 0);
        const SplitResponse response = WorkerRequests::splitResponse(session, "fullsplit");
        // The four small pages were written whole; the two large ones failed
        // and left nothing, not even a hidden file.
        QCOMPARE(response.outcome.code, int(WorkerCode::Incomplete));
        // The system's reason travels with the failure, for the screen to tell.
        QCOMPARE(response.outcome.writeError, QStringLiteral("file_too_large"));
        QCOMPARE(TestFolders::namesOf(response.outcome.files()),
                 (QStringList{"mixed_p1.pdf", "mixed_p3.pdf", "mixed_p4.pdf", "mixed_p6.pdf"}));
        QCOMPARE(TestFolders::entries(out), TestFolders::namesOf(response.outcome.files()));
        for (const QString &file : response.outcome.files())
            QCOMPARE(TestPdf::pageWidths(file).size(), 1);
        // The list of files written so far is superseded by the response.
        QCOMPARE(TestFolders::entries(session), (QStringList{"fullsplit.req", "fullsplit.resp"}));
    }

    // A split by size that fails part-way is told as a range split's is:
    // the files written whole, the pages no file holds, and the cause.
    void splitBySizeOntoFullDiskNamesTheCause()
    {
        const QString session = m_dir.filePath("full-size-session");
        const QString out = freshDir("full-size");
        SplitRequest r = WorkerRequests::split(m_mixed, 6, out, session, "fullsize");
        r.mode = SplitRequest::ModeBySize;
        r.ranges.clear();
        r.maxSizeKb = 100;
        const WorkerRun run = runWorker({"--split", WorkerRequests::write(r.toJson(), session, "fullsize")}, {64 * 1024});
        QVERIFY(!run.crashed);
        QCOMPARE(run.exitCode, 0);
        const WorkerOutcome outcome = WorkerRequests::splitResponse(session, "fullsize").outcome;
        QCOMPARE(outcome.code, int(WorkerCode::Incomplete));
        QCOMPARE(outcome.writeError, QStringLiteral("file_too_large"));
        QCOMPARE(TestFolders::namesOf(outcome.files()), QStringList{"mixed_p1.pdf"});
        QCOMPARE(outcome.leftOut, (QList<WorkerOutcome::LeftOut>{{"2-6", WorkerOutcome::Reason::NotWritten}}));
        QCOMPARE(TestFolders::entries(out), TestFolders::namesOf(outcome.files()));
        // The words the screen and the command line take for it name the cause.
        const QString told = OutcomeText(OutcomeText::Split, out).failure(outcome);
        QVERIFY2(told.startsWith(QStringLiteral("Not every file could be written. A file grew past the largest size")),
                 qPrintable(told));
        QVERIFY2(told.endsWith(QStringLiteral("No file holds these pages: 2-6.")), qPrintable(told));
    }

    void splitWithEveryOutputLostProducesNothing()
    {
        const QString session = m_dir.filePath("lost-session");
        const QString out = freshDir("lost");
        SplitRequest r = WorkerRequests::split(m_mixed, 6, out, session, "lost");
        r.ranges = {{1, 2}, {4, 6}};
        const WorkerRun run = runWorker({"--split", WorkerRequests::write(r.toJson(), session, "lost")}, {64 * 1024});
        QCOMPARE(run.exitCode, 0);
        const SplitResponse response = WorkerRequests::splitResponse(session, "lost");
        QCOMPARE(response.outcome.code, int(WorkerCode::NothingProduced));
        QCOMPARE(response.outcome.writeError, QStringLiteral("file_too_large"));
        QVERIFY(response.outcome.files().isEmpty());
        QCOMPARE(TestFolders::entries(out), QStringList());
    }

    void mergeOntoFullDiskLeavesNothing_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("lastBytes");
        QTest::newRow("plain, cut early") << QString() << false;
        QTest::newRow("protected, cut early") << QStringLiteral("secret") << false;
        // Only the last buffered bytes fail to go out, when the file is closed.
        QTest::newRow("plain, cut at the end") << QString() << true;
        QTest::newRow("protected, cut at the end") << QStringLiteral("secret") << true;
    }
    void mergeOntoFullDiskLeavesNothing()
    {
        QFETCH(QString, password);
        QFETCH(bool, lastBytes);
        const QString session = m_dir.filePath("full-merge-session");
        const QString out = freshDir("full-merge");
        const QString output = out + "/merged.pdf";
        const MergeRequest r = WorkerRequests::merge({m_small, m_mixed}, output, session, "fullmerge", password);
        // Without a limit the request succeeds: the limit is the only fault.
        QCOMPARE(runWorker({"--merge", WorkerRequests::write(r.toJson(), session, "fullmerge")}).exitCode, 0);
        QCOMPARE(WorkerRequests::mergeResponse(session, "fullmerge").mergedFileName(), output);
        QCOMPARE(WorkerRequests::mergeResponse(session, "fullmerge").outcome.writeError, QString());
        QCOMPARE(TestPdf::pageWidths(output, password).size(), 9);
        const qint64 size = QFileInfo(output).size();
        QVERIFY(QFile::remove(output));

        const rlim_t limit = lastBytes ? rlim_t(size - 16) : 256 * 1024;
        const WorkerRun run = runWorker({"--merge", WorkerRequests::write(r.toJson(), session, "fullmerge")}, {limit});
        QCOMPARE(run.exitCode, 0);
        const MergeResponse response = WorkerRequests::mergeResponse(session, "fullmerge");
        // Said as a write failure with its cause, so that the screen can name it.
        QCOMPARE(response.outcome.code, int(WorkerCode::Incomplete));
        QCOMPARE(response.outcome.writeError, QStringLiteral("file_too_large"));
        QVERIFY(response.mergedFileName().isEmpty());
        QCOMPARE(TestFolders::entries(out), QStringList());
    }

    void splitOutputCutAtTheEndIsNotListed()
    {
        const QString session = m_dir.filePath("cut-session");
        const QString out = freshDir("cut");
        SplitRequest r = WorkerRequests::split(m_mixed, 6, out, session, "cut");
        r.ranges = {{2, 2}};
        QCOMPARE(runWorker({"--split", WorkerRequests::write(r.toJson(), session, "cut")}).exitCode, 0);
        const QStringList whole = WorkerRequests::splitResponse(session, "cut").outcome.files();
        QCOMPARE(whole.size(), 1);
        const qint64 size = QFileInfo(whole.first()).size();
        QVERIFY(QFile::remove(whole.first()));
        QCOMPARE(runWorker({"--split", WorkerRequests::write(r.toJson(), session, "cut")}, {rlim_t(size - 16)}).exitCode, 0);
        const SplitResponse response = WorkerRequests::splitResponse(session, "cut");
        QCOMPARE(response.outcome.code, int(WorkerCode::NothingProduced));
        QCOMPARE(response.outcome.writeError, QStringLiteral("file_too_large"));
        QCOMPARE(TestFolders::entries(out), QStringList());
    }

    // --- responses
    void responseThatCannotBeWrittenIsAnExitCode()
    {
        // Small outputs fit under the limit, the long response does not.
        const QString session = m_dir.filePath("resp-session");
        const QString out = freshDir(QString(150, QLatin1Char('r')));
        const QString source = m_dir.filePath("forty.pdf");
        QVERIFY(TestPdf::writeNumbered(source, 40));
        const QString request = WorkerRequests::write(WorkerRequests::split(source, 40, out, session, "resp").toJson(), session, "resp");
        const WorkerRun run = runWorker({"--split", request}, {8 * 1024});
        QCOMPARE(run.exitCode, int(WorkerCode::ResponseNotWritten));
        // No empty or partial response, no temporary file.
        QVERIFY(!QFileInfo::exists(session + "/resp.resp"));
        for (const QString &name : TestFolders::entries(session))
            QVERIFY2(name == "resp.req" || name == "resp.files", qPrintable(name));
    }

    void splitWithoutAUsableSessionFolderDoesNoWork_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("a file") << "file";
        QTest::newRow("read-only") << "read-only";
    }
    void splitWithoutAUsableSessionFolderDoesNoWork()
    {
        QFETCH(QString, kind);
        const QString holder = m_dir.filePath("holder");
        FileUtils::ensurePrivateDirectory(holder);
        const QString session = m_dir.filePath("unusable-" + kind);
        const QString out = freshDir("unusable-out");
        const QString request = holder + "/unusable.req";
        QVERIFY(WorkerFile::write(request, WorkerRequests::split(m_small, 3, out, session, "unusable").toJson()));
        if (kind == "file") {
            QFile file(session);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        std::unique_ptr<FolderLock> lock;
        if (kind == "read-only") {
            QVERIFY(QDir().mkpath(session));
            lock = std::make_unique<FolderLock>(session);
            if (!lock->isLocked())
                QSKIP("this file system cannot lock a folder against root");
        }
        const WorkerRun run = runWorker({"--split", request});
        QCOMPARE(run.exitCode, int(WorkerCode::ResponseNotWritten));
        QCOMPARE(TestFolders::entries(out), QStringList());
    }

    void plantedResponseLinkIsReplacedNotFollowed()
    {
        const QString session = m_dir.filePath("link-session");
        const QString out = freshDir("link-out");
        const QString victim = m_dir.filePath("victim.txt");
        QFile file(victim);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("precious");
        file.close();
        const QString request = WorkerRequests::write(WorkerRequests::split(m_small, 3, out, session, "link").toJson(), session, "link");
        QVERIFY(QFile::link(victim, session + "/link.resp"));
        QCOMPARE(runWorker({"--split", request}).exitCode, 0);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("precious"));
        QVERIFY(!QFileInfo(session + "/link.resp").isSymLink());
        QCOMPARE(WorkerRequests::splitResponse(session, "link").outcome.files().size(), 3);
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(session + "/link.resp").constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0600);
    }

    void requestsThatAreNotRegularFilesAreRefused_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("kind");
        for (const char *mode : {"--split", "--merge"}) {
            QTest::addRow("%s fifo", mode) << mode << "fifo";
            QTest::addRow("%s /dev/zero", mode) << mode << "zero";
            QTest::addRow("%s huge", mode) << mode << "huge";
        }
    }
    void requestsThatAreNotRegularFilesAreRefused()
    {
        QFETCH(QString, mode);
        QFETCH(QString, kind);
        QString request = QStringLiteral("/dev/zero");
        if (kind == "fifo") {
            request = m_dir.filePath("fifo.req");
            QFile::remove(request);
            QCOMPARE(::mkfifo(QFile::encodeName(request).constData(), 0600), 0);
        } else if (kind == "huge") {
            // Sparse: no disk is used, but its size is far above any request.
            request = m_dir.filePath("huge.req");
            QFile file(request);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(WorkerFile::maxFileSize + 1));
        }
        QElapsedTimer timer;
        timer.start();
        const WorkerRun run = runWorker({mode, request});
        QVERIFY(!run.crashed);
        QCOMPARE(run.exitCode, int(WorkerCode::RequestUnreadable));
        QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
    }

    // --- paths
    void relativeSplitPathsAreRefused_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("source") << "file_name";
        QTest::newRow("output folder") << "out_directory";
    }
    void relativeSplitPathsAreRefused()
    {
        QFETCH(QString, key);
        const QString cwd = freshDir("cwd");
        QVERIFY(QFile::copy(m_small, cwd + "/small.pdf"));
        const QString session = m_dir.filePath("relative-session");
        QJsonObject json = WorkerRequests::split(m_small, 3, freshDir("relative-out"), session, "relative").toJson();
        json.insert(key, key == "file_name" ? "small.pdf" : "out");
        const WorkerRun run = runWorker({"--split", WorkerRequests::write(json, session, "relative")}, {}, cwd);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(WorkerRequests::splitResponse(session, "relative").outcome.code, int(WorkerCode::RequestInvalid));
        QCOMPARE(TestFolders::entries(cwd), QStringList{"small.pdf"});
        QCOMPARE(TestFolders::entries(m_dir.filePath("relative-out")), QStringList());
    }

    // A merge input given as a relative path would be read from wherever
    // the worker runs: the request is refused, and the file of that name in
    // the worker's folder is not merged.
    void relativeMergeInputIsRefused()
    {
        const QString cwd = freshDir("merge-cwd");
        QVERIFY(QFile::copy(m_small, cwd + "/small.pdf"));
        const QString out = freshDir("merge-relative-out");
        const QString session = m_dir.filePath("merge-relative-session");
        const MergeRequest r = WorkerRequests::merge({m_small, "small.pdf"}, out + "/merged.pdf", session, "mrel");
        const WorkerRun run = runWorker({"--merge", WorkerRequests::write(r.toJson(), session, "mrel")}, {}, cwd);
        QCOMPARE(run.exitCode, 0);
        const WorkerOutcome outcome = WorkerRequests::mergeResponse(session, "mrel").outcome;
        QCOMPARE(outcome.code, int(WorkerCode::RequestInvalid));
        QCOMPARE(outcome.problems, QStringList{"an input path is not absolute"});
        QCOMPARE(TestFolders::entries(out), QStringList());
        QCOMPARE(TestFolders::entries(cwd), QStringList{"small.pdf"});
    }

    // Split and merge requests are read alike: a key of the wrong type is
    // refused with a response that names it, and nothing is written. (A
    // protection password that is not a string must never give an
    // unprotected file.)
    void mistypedKeysAreRefusedAlike_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<QString>("named");
        QTest::newRow("merge, password a number") << "--merge" << "property_password" << QJsonValue(1234)
                                                  << "\"property_password\"";
        QTest::newRow("merge, password an array") << "--merge" << "property_password"
                                                  << QJsonValue(QJsonArray{"secret"}) << "\"property_password\"";
        QTest::newRow("merge, title an object") << "--merge" << "property_title" << QJsonValue(QJsonObject{})
                                                << "\"property_title\"";
        QTest::newRow("merge, a task's password a number")
            << "--merge" << "tasks"
            << QJsonValue(QJsonArray{QJsonObject{{"task_full_path", "A"}, {"task_password", 7}},
                                     QJsonObject{{"task_full_path", "B"}, {"order", 1}}})
            << "\"tasks[0].task_password\"";
        QTest::newRow("merge, tasks a string") << "--merge" << "tasks" << QJsonValue("a.pdf") << "\"tasks\"";
        QTest::newRow("split, password a number") << "--split" << "property_password" << QJsonValue(1234)
                                                  << "\"property_password\"";
        QTest::newRow("split, a range's end a string")
            << "--split" << "ranges" << QJsonValue(QJsonArray{QJsonObject{{"from", 1}, {"to", "2"}}})
            << "\"ranges[0].to\"";
    }
    void mistypedKeysAreRefusedAlike()
    {
        QFETCH(QString, mode);
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        QFETCH(QString, named);
        const QString out = freshDir("mistyped");
        const QString session = m_dir.filePath("mistyped-session");
        QJsonObject json = mode == "--merge"
            ? WorkerRequests::merge({m_small, m_small}, out + "/merged.pdf", session, "mistyped", "secret").toJson()
            : WorkerRequests::split(m_small, 3, out, session, "mistyped").toJson();
        // Task paths stand for the sample: the value under test is the only fault.
        if (value.isArray() && key == "tasks") {
            QJsonArray tasks = value.toArray();
            for (int i = 0; i < tasks.size(); ++i) {
                QJsonObject task = tasks.at(i).toObject();
                task.insert("task_full_path", m_small);
                tasks[i] = task;
            }
            value = tasks;
        }
        json.insert(key, value);
        const WorkerRun run = runWorker({mode, WorkerRequests::write(json, session, "mistyped")});
        QCOMPARE(run.exitCode, 0);
        const WorkerOutcome outcome = mode == "--merge" ? WorkerRequests::mergeResponse(session, "mistyped").outcome
                                                        : WorkerRequests::splitResponse(session, "mistyped").outcome;
        QCOMPARE(outcome.code, int(WorkerCode::RequestInvalid));
        QVERIFY2(outcome.problems.join(' ').contains(named), qPrintable(outcome.problems.join(' ')));
        QCOMPARE(TestFolders::entries(out), QStringList());
    }

    // Memory that runs out while an input is read is told as such, not as a
    // damaged file: the input is left out with that reason and the others
    // are merged.
    void inputTooLargeForMemoryIsToldAsSuch()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("AddressSanitizer keeps its own memory: a data limit cannot be played under it");
#endif
        // Sparse: no disk is used, but reading it whole needs 300 MB.
        const QString huge = m_dir.filePath("huge.pdf");
        {
            QFile file(huge);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("%PDF-1.4\n");
            QVERIFY(file.resize(300 * 1000 * 1000));
        }
        const QString out = freshDir("memory");
        const QString output = out + "/merged.pdf";
        const QString session = m_dir.filePath("memory-session");
        const MergeRequest r = WorkerRequests::merge({m_small, huge, m_small}, output, session, "memory");
        const WorkerRun run = runWorker({"--merge", WorkerRequests::write(r.toJson(), session, "memory")},
                                        {RLIM_INFINITY, RLIM_INFINITY, 200 * 1000 * 1000});
        QVERIFY(!run.crashed);
        QCOMPARE(run.exitCode, 0);
        const WorkerOutcome outcome = WorkerRequests::mergeResponse(session, "memory").outcome;
        QCOMPARE(outcome.code, int(WorkerCode::Success));
        QCOMPARE(outcome.leftOut, (QList<WorkerOutcome::LeftOut>{{huge, WorkerOutcome::Reason::OutOfMemory}}));
        QCOMPARE(TestPdf::pageWidths(output), (QList<int>{201, 202, 203, 201, 202, 203}));
        QVERIFY2(OutcomeText(OutcomeText::Merge, out).leftOutLine(outcome.leftOut.first()).contains("out of memory"),
                 qPrintable(OutcomeText(OutcomeText::Merge, out).leftOutLine(outcome.leftOut.first())));
    }

    void unfitMergeOutputNamesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("existing folder") << "out";
        QTest::newRow("ends in a separator") << "out2/";
        QTest::newRow("relative") << "relative.pdf";
    }
    void unfitMergeOutputNamesAreRefused()
    {
        QFETCH(QString, name);
        const QString out = freshDir("names");
        QVERIFY(QDir(out).mkdir("out"));
        QVERIFY(QDir(out).mkdir("out2"));
        const QString cwd = freshDir("names-cwd");
        const QString output = name == "relative.pdf" ? name : out + "/" + name;
        const QString session = m_dir.filePath("names-session");
        const MergeRequest r = WorkerRequests::merge({m_small, m_small}, output, session, "names");
        const WorkerRun run = runWorker({"--merge", WorkerRequests::write(r.toJson(), session, "names")}, {}, cwd);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(WorkerRequests::mergeResponse(session, "names").outcome.code, int(WorkerCode::RequestInvalid));
        QCOMPARE(TestFolders::entries(out), (QStringList{"out", "out2"}));
        QCOMPARE(TestFolders::entries(out + "/out"), QStringList());
        QCOMPARE(TestFolders::entries(out + "/out2"), QStringList());
        QCOMPARE(TestFolders::entries(cwd), QStringList());
    }

    void inputWithoutPagesIsLeftOutAndNamed()
    {
        const QString empty = m_dir.filePath("no-pages.pdf");
        QVERIFY(TestPdf::write(empty, {}));
        const QString out = freshDir("zero");
        const QString output = out + "/merged.pdf";
        const QString session = m_dir.filePath("zero-session");
        const MergeRequest r = WorkerRequests::merge({m_small, empty, m_small}, output, session, "zero");
        QCOMPARE(runWorker({"--merge", WorkerRequests::write(r.toJson(), session, "zero")}).exitCode, 0);
        const MergeResponse response = WorkerRequests::mergeResponse(session, "zero");
        QCOMPARE(response.outcome.code, 0);
        QCOMPARE(response.mergedFileName(), output);
        QCOMPARE(response.outcome.leftOutItems(), QStringList{empty});
        QCOMPARE(TestPdf::pageWidths(output), (QList<int>{201, 202, 203, 201, 202, 203}));
    }

    // --- damaged files that qpdf itself reads, repairing on the way, are
    // read here too
    void filesQpdfRepairsAreMerged_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("header after 2 kB of junk") << QStringLiteral("junk before header");
        QTest::newRow("no header, no cross-reference table") << QStringLiteral("no header");
        QTest::newRow("page tree node among its own kids") << QStringLiteral("page tree loop");
    }
    void filesQpdfRepairsAreMerged()
    {
        QFETCH(QString, damage);
        const QString damaged = m_dir.filePath(QStringLiteral("damaged-%1.pdf").arg(QTest::currentDataTag()).replace(' ', '-'));
        QVERIFY(writeDamaged(damaged, damage));
        const QString out = freshDir("damaged-merge");
        const QString output = out + "/merged.pdf";
        const QString session = m_dir.filePath("damaged-session");
        const MergeRequest merge = WorkerRequests::merge({m_small, damaged}, output, session, "damagedmerge");
        QCOMPARE(runWorker({"--merge", WorkerRequests::write(merge.toJson(), session, "damagedmerge")}).exitCode, 0);
        const MergeResponse response = WorkerRequests::mergeResponse(session, "damagedmerge");
        QCOMPARE(response.outcome.leftOutItems(), QStringList());
        QCOMPARE(response.outcome.code, 0);
        QCOMPARE(TestPdf::pageWidths(output), numbered(1, 3) + numbered(1, 3));

        SplitRequest each = WorkerRequests::split(damaged, 3, freshDir("damaged-split"), session, "damagedsplit");
        QCOMPARE(runWorker({"--split", WorkerRequests::write(each.toJson(), session, "damagedsplit")}).exitCode, 0);
        const SplitResponse parts = WorkerRequests::splitResponse(session, "damagedsplit");
        QCOMPARE(parts.outcome.code, int(WorkerCode::Success));
        QCOMPARE(parts.outcome.files().size(), 3);
        for (int i = 0; i < parts.outcome.files().size(); ++i)
            QCOMPARE(TestPdf::pageWidths(parts.outcome.files().at(i)), numbered(i + 1, i + 1));
    }

    // --- inputs nested far deeper than any real document
    void deeplyNestedInputsNeitherCrashNorLoseAnything_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("depth");
        QTest::addColumn<QByteArray>("nameTree");   // the name tree whose one name the merge keeps
        QTest::addColumn<bool>("pageOneCopies");    // whether page 1 can be written alone
        QTest::newRow("form XObjects 20,000 deep") << int(DeepPdf::FormXObjects) << 20000 << QByteArray() << true;
        QTest::newRow("/Dests 30,000 deep") << int(DeepPdf::Destinations) << 30000 << QByteArray("/Dests") << true;
        QTest::newRow("/EmbeddedFiles 40,000 deep")
            << int(DeepPdf::Attachments) << 40000 << QByteArray("/EmbeddedFiles") << true;
        QTest::newRow("outline 100,000 deep") << int(DeepPdf::Outline) << 100000 << QByteArray() << true;
        QTest::newRow("action chain 100,000 long") << int(DeepPdf::ActionChain) << 100000 << QByteArray() << true;
        QTest::newRow("page tree 100,000 deep") << int(DeepPdf::PageTree) << 100000 << QByteArray() << true;
        // Its page cannot be copied alone (qpdf's copy of the field tree
        // would recurse once per level): that part fails, reported.
        QTest::newRow("field tree 100,000 deep") << int(DeepPdf::FieldTree) << 100000 << QByteArray() << false;
    }
    void deeplyNestedInputsNeitherCrashNorLoseAnything()
    {
        QFETCH(int, kind);
        QFETCH(int, depth);
        QFETCH(QByteArray, nameTree);
        QFETCH(bool, pageOneCopies);
        const QString deep = m_dir.filePath(QStringLiteral("deep%1.pdf").arg(kind));
        QVERIFY(DeepPdf::write(deep, DeepPdf::Kind(kind), depth, 10));

        // Merged between two other files: all of it arrives.
        const QString out = freshDir("deep-merge");
        const QString output = out + "/merged.pdf";
        const QString session = m_dir.filePath("deep-session");
        const MergeRequest merge = WorkerRequests::merge({m_small, deep, m_small}, output, session, "deepmerge");
        const WorkerRun merged = runWorker({"--merge", WorkerRequests::write(merge.toJson(), session, "deepmerge")});
        QVERIFY(!merged.crashed);
        const MergeResponse response = WorkerRequests::mergeResponse(session, "deepmerge");
        QCOMPARE(response.outcome.code, 0);
        QCOMPARE(response.outcome.leftOutItems(), QStringList());
        QCOMPARE(TestPdf::pageWidths(output), numbered(1, 3) + numbered(1, 10) + numbered(1, 3));
        if (!nameTree.isEmpty())
            QCOMPARE(namesIn(output, nameTree.constData()), QStringList{"deep"});

        // Page 1 alone is copied into a new document; every page on its own
        // is written from the source itself.
        SplitRequest alone = WorkerRequests::split(deep, 10, freshDir("deep-alone"), session, "deepalone");
        alone.ranges = {{1, 1}};
        QVERIFY(!runWorker({"--split", WorkerRequests::write(alone.toJson(), session, "deepalone")}).crashed);
        const SplitResponse one = WorkerRequests::splitResponse(session, "deepalone");
        QCOMPARE(one.outcome.code, int(pageOneCopies ? WorkerCode::Success : WorkerCode::NothingProduced));
        QCOMPARE(one.outcome.files().size(), pageOneCopies ? 1 : 0);
        QCOMPARE(TestFolders::entries(alone.outDirectory), TestFolders::namesOf(one.outcome.files()));
        if (pageOneCopies)
            QCOMPARE(TestPdf::pageWidths(one.outcome.files().first()), numbered(1, 1));

        const SplitRequest each = WorkerRequests::split(deep, 10, freshDir("deep-each"), session, "deepeach");
        QVERIFY(!runWorker({"--split", WorkerRequests::write(each.toJson(), session, "deepeach")}).crashed);
        const SplitResponse all = WorkerRequests::splitResponse(session, "deepeach");
        QCOMPARE(all.outcome.code, int(pageOneCopies ? WorkerCode::Success : WorkerCode::Incomplete));
        QCOMPARE(all.outcome.files().size(), pageOneCopies ? 10 : 9);
        QCOMPARE(TestFolders::entries(each.outDirectory), TestFolders::namesOf(all.outcome.files()));
        for (const QString &file : all.outcome.files())
            QCOMPARE(TestPdf::pageWidths(file).size(), 1);
    }

    // Far more inputs than the worker may have files open: each input is let
    // go once copied, so every page arrives, in order.
    void mergeOfMoreFilesThanOpenHandlesKeepsEveryPage()
    {
        const int inputs = 300;
        const QString folder = freshDir("many");
        QStringList files;
        QList<int> widths;
        for (int i = 0; i < inputs; ++i) {
            TestPdf::Page page;
            page.width = 100 + i;
            files << folder + QStringLiteral("/%1.pdf").arg(i);
            QVERIFY(TestPdf::write(files.last(), {page}));
            widths << page.width;
        }
        const QString output = freshDir("many-out") + "/merged.pdf";
        const QString session = m_dir.filePath("many-session");
        const MergeRequest r = WorkerRequests::merge(files, output, session, "many");
        const WorkerRun run = runWorker({"--merge", WorkerRequests::write(r.toJson(), session, "many")}, {RLIM_INFINITY, 48});
        QCOMPARE(run.exitCode, 0);
        const MergeResponse response = WorkerRequests::mergeResponse(session, "many");
        QCOMPARE(response.outcome.code, 0);
        QCOMPARE(response.outcome.leftOutItems(), QStringList());
        QCOMPARE(TestPdf::pageWidths(output), widths);
    }

    // --- kills, cancels, crashes of the interface
    void killedMergeDuringItsFinalWriteLeavesNothing()
    {
        // Distinct inputs large enough that the final write takes a while.
        MergeRequest r;
        for (int file = 0; file < 4; ++file) {
            QList<TestPdf::Page> pages;
            for (int i = 0; i < 30; ++i) {
                TestPdf::Page page;
                page.extraContent = TestPdf::bulk(300000, quint32(file * 100 + i));
                pages << page;
            }
            const QString big = m_dir.filePath(QStringLiteral("big%1.pdf").arg(file));
            QVERIFY(TestPdf::write(big, pages));
            r.tasks << WorkerRequests::task(big, file);
        }
        const QString out = freshDir("killed-merge");
        const QString output = out + "/merged.pdf";
        MergeLauncher launcher;
        r.saveFileName = output;
        launcher.setRequest(r);
        QSignalSpy finished(&launcher, &MergeLauncher::finished);
        launcher.run();
        // Wait for the unfinished output to appear in the folder, then kill.
        QElapsedTimer timer;
        timer.start();
        bool seen = false;
        while (!seen && finished.isEmpty() && timer.elapsed() < 60000) {
            for (const QString &name : TestFolders::entries(out))
                seen = seen || FileUtils::isTemporaryFileOf(name, launcher.sessionId());
            if (!seen)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        }
        QVERIFY2(seen, "the final write was not caught under way");
        const pid_t worker = workerChild();
        QVERIFY(worker > 0);
        QCOMPARE(::kill(worker, SIGKILL), 0);
        QVERIFY(finished.wait(30000));
        QCOMPARE(spiedOutcome(finished).code, int(WorkerCode::Crashed));
        QVERIFY(spiedOutcome(finished).files().value(0).isEmpty());
        QCOMPARE(TestFolders::entries(out), QStringList());
    }

    void killedSplitReportsWhatItHadWritten_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("one file per page") << int(SplitRequest::ModeRanges);
        QTest::newRow("by size") << int(SplitRequest::ModeBySize);
    }
    void killedSplitReportsWhatItHadWritten()
    {
        QFETCH(int, mode);
        const QString source = m_dir.filePath("three-hundred.pdf");
        if (!QFileInfo::exists(source))
            QVERIFY(TestPdf::writeNumbered(source, 300));
        const QString out = freshDir(QStringLiteral("killed-split-%1").arg(mode));
        SplitLauncher launcher;
        SplitRequest r;
        r.fileName = source;
        r.pageCount = 300;
        r.mode = mode;
        if (mode == SplitRequest::ModeBySize)
            r.maxSizeKb = 1;   // a page or two a file
        else
            for (int p = 1; p <= 300; ++p)
                r.ranges.append({p, p});
        r.outDirectory = out;
        launcher.setRequest(r);
        QSignalSpy finished(&launcher, &SplitLauncher::finished);
        bool killed = false;
        connect(&launcher, &SplitLauncher::progressChanged, this, [&](double value) {
            if (!killed && value > 10) {
                killed = true;
                ::kill(workerChild(), SIGKILL);
            }
        });
        launcher.run();
        QVERIFY(finished.wait(60000));
        QVERIFY(killed);
        QCOMPARE(spiedOutcome(finished).code, int(WorkerCode::Crashed));
        const QStringList reported = spiedOutcome(finished).files();
        QVERIFY(reported.size() > 10 && reported.size() < 300);
        // Exactly the reported files are there, each whole; nothing hidden.
        QCOMPARE(TestFolders::entries(out), TestFolders::namesOf(reported));
        for (const QString &file : reported)
            QCOMPARE(TestPdf::pageWidths(file).size(), 1);
    }

    // Run in a child process: the program that a test kills mid-split.
    void splitUntilKilled()
    {
        const QStringList job = qEnvironmentVariable("SW_SPLIT_UNTIL_KILLED").split('\n');
        if (job.size() != 3)
            QSKIP("only run by programGoneMidSplitStopsItsWorkerInOrder");
        ::setpgid(0, 0);   // a process group of its own, as a terminal gives a program
        SplitLauncher launcher;
        launcher.setRequest(WorkerRequests::split(job.at(0), job.at(1).toInt(), job.at(2), QString(), QString()));
        launcher.run();
        std::printf("session: %s/%s\n", qPrintable(launcher.sessionDirectory()), qPrintable(launcher.sessionId()));
        std::fflush(stdout);
        QTest::qWait(120000);
    }

    void programGoneMidSplitStopsItsWorkerInOrder_data()
    {
        QTest::addColumn<int>("signalToProgram");
        QTest::newRow("program killed") << int(SIGKILL);
        QTest::newRow("Ctrl-C in its terminal") << int(SIGINT);   // reaches the whole process group
    }
    void programGoneMidSplitStopsItsWorkerInOrder()
    {
        QFETCH(int, signalToProgram);
        const QString out = freshDir(QStringLiteral("program-gone-%1").arg(signalToProgram));
        QProcess program;
        pid_t worker = 0;
        const QString base = startProgramSplitting(program, out, &worker);
        QVERIFY2(worker > 0, qPrintable(base));
        const pid_t target = signalToProgram == SIGINT ? -pid_t(program.processId()) : pid_t(program.processId());
        QCOMPARE(::kill(target, signalToProgram), 0);
        QVERIFY(program.waitForFinished(30000));
        QTRY_VERIFY_WITH_TIMEOUT(hasEnded(worker), 30000);
        // The worker stopped in order though nobody will read its response:
        // the files it left are exactly those listed there, each whole, and
        // no hidden temporary file stays behind.
        QString problem;
        const SplitResponse response = SplitResponse::readFile(base + ".resp", QFileInfo(base).fileName(), &problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(response.outcome.code, int(WorkerCode::Canceled));
        QVERIFY(response.outcome.files().size() < programSplitPages);
        QCOMPARE(TestFolders::entries(out), TestFolders::namesOf(response.outcome.files()));
        for (const QString &file : response.outcome.files())
            QCOMPARE(TestPdf::pageWidths(file).size(), 1);
    }

    void programKilledWithItsWorkerIsTidiedAtTheNextStart()
    {
        const QString out = freshDir(QStringLiteral("killed-together"));
        QProcess program;
        pid_t worker = 0;
        const QString base = startProgramSplitting(program, out, &worker);
        QVERIFY2(worker > 0, qPrintable(base));
        // Nothing can tidy up: both die at once, as when the whole process
        // group is killed or the session is torn down.
        QCOMPARE(::kill(-pid_t(program.processId()), SIGKILL), 0);
        QVERIFY(program.waitForFinished(30000));
        QTRY_VERIFY_WITH_TIMEOUT(hasEnded(worker), 30000);
        const QStringList left = TestFolders::entries(out);
        const QStringList hidden = left.filter(QRegularExpression("^\\."));
        QVERIFY2(!hidden.isEmpty(), "the worker was killed between two files");

        SplitLauncher next;   // what the program builds at its next start
        QStringList named = left;
        for (const QString &name : hidden)
            named.removeOne(name);
        QCOMPARE(TestFolders::entries(out), named);
        for (const QString &name : named)
            QCOMPARE(TestPdf::pageWidths(out + "/" + name).size(), 1);
        QVERIFY(!QFileInfo::exists(QFileInfo(base).path()));
    }

    void cancelledMergeLeavesNothing()
    {
        const QString out = freshDir("cancelled-merge");
        const QString output = out + "/merged.pdf";
        MergeLauncher launcher;
        MergeRequest r;
        for (int i = 0; i < 100; ++i) {
            r.tasks << WorkerRequests::task(m_mixed, i);
            r.tasks.last().hasSecurity = true;   // each one is first copied into the session folder
        }
        r.saveFileName = output;
        launcher.setRequest(r);
        QSignalSpy finished(&launcher, &MergeLauncher::finished);
        launcher.run();
        // Cancel once the worker is busy with the inputs.
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(launcher.sessionDirectory()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty()
                                     || !finished.isEmpty(),
                                 30000);
        QVERIFY(finished.isEmpty());
        QElapsedTimer timer;
        timer.start();
        launcher.cancel();
        QVERIFY(finished.wait(30000));
        // Over at once: stopped in order, or killed after a short grace. The
        // bound is generous for a loaded machine; a cancel that waited for
        // the merge to reach a stopping point took seconds.
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(spiedOutcome(finished).code, int(WorkerCode::Canceled));
        QCOMPARE(QDir(launcher.sessionDirectory()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
        QVERIFY(spiedOutcome(finished).files().value(0).isEmpty());
        QCOMPARE(TestFolders::entries(out), QStringList());
        QVERIFY(!launcher.isRunning());
    }

    // A worker killed outright (kill -9, the end of a cancel) cannot tidy
    // up: the decrypted copies it made in the session go as soon as it has
    // ended, not only with the session folder at the next run.
    void killedMergeLeavesNoDecryptedCopies()
    {
        const QString out = freshDir("killed-merge");
        MergeLauncher launcher;
        MergeRequest r;
        for (int i = 0; i < 100; ++i) {
            r.tasks << WorkerRequests::task(m_mixed, i);
            r.tasks.last().hasSecurity = true;   // each one is first copied into the session folder
        }
        r.saveFileName = out + "/merged.pdf";
        launcher.setRequest(r);
        QSignalSpy finished(&launcher, &MergeLauncher::finished);
        launcher.run();
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(launcher.sessionDirectory()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty()
                                     || !finished.isEmpty(),
                                 30000);
        QVERIFY(finished.isEmpty());
        QCOMPARE(::kill(workerChild(), SIGKILL), 0);
        QVERIFY(finished.wait(30000));
        QCOMPARE(spiedOutcome(finished).code, int(WorkerCode::Crashed));
        QCOMPARE(QDir(launcher.sessionDirectory()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
        QCOMPARE(TestFolders::entries(out), QStringList());
    }

    // A cancel's kill can reach a worker that has finished and written its
    // response while it exits (a large heap takes its time, a sanitizer's
    // leak check more): the whole response still says what was written.
    // Here the worker runs under a wrapper that waits, deaf to SIGTERM,
    // after the real worker has ended.
    void workerKilledOnItsWayOutStillReports()
    {
        const QString wrapper = m_dir.filePath("slow-exit-pdfworker");
        {
            QFile script(wrapper);
            QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
            script.write("#!/bin/sh\n\"" + QFile::encodeName(TestPaths::workerPath()) + "\" \"$@\"\n"
                         "trap '' TERM\nexec sleep 30\n");
            script.close();
            QVERIFY(script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        }

        const QString splitOut = freshDir("slow-exit-split");
        SplitLauncher split;
        split.setWorkerProgram(wrapper);
        split.setRequest(WorkerRequests::split(m_small, 3, splitOut, QString(), QString()));
        QSignalSpy splitFinished(&split, &SplitLauncher::finished);
        split.run();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(split.sessionDirectory() + "/" + split.sessionId() + ".resp"), 30000);
        split.cancel();
        QVERIFY(splitFinished.wait(30000));
        QCOMPARE(spiedOutcome(splitFinished).code, int(WorkerCode::Success));
        QCOMPARE(TestFolders::namesOf(spiedOutcome(splitFinished).files()), TestFolders::entries(splitOut));
        QCOMPARE(TestFolders::entries(splitOut).size(), 3);

        const QString mergeOut = freshDir("slow-exit-merge");
        MergeLauncher merge;
        merge.setWorkerProgram(wrapper);
        merge.setRequest(WorkerRequests::merge({m_small, m_small}, mergeOut + "/merged.pdf", QString(), QString()));
        QSignalSpy mergeFinished(&merge, &MergeLauncher::finished);
        merge.run();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(merge.responsePath()), 30000);
        merge.cancel();
        QVERIFY(mergeFinished.wait(30000));
        QCOMPARE(spiedOutcome(mergeFinished).code, int(WorkerCode::Success));
        QCOMPARE(spiedOutcome(mergeFinished).files().value(0), QDir::toNativeSeparators(mergeOut + "/merged.pdf"));
        QCOMPARE(TestPdf::pageWidths(mergeOut + "/merged.pdf").size(), 6);
    }

    void launcherDestroyedMidRunEndsTheWorkerAndTidiesUp()
    {
        const QString source = m_dir.filePath("two-hundred.pdf");
        QVERIFY(TestPdf::writeNumbered(source, 200));
        const QString out = freshDir("destroyed");
        QString session;
        {
            SplitLauncher launcher;
            SplitRequest r;
            r.fileName = source;
            r.pageCount = 200;
            for (int p = 1; p <= 200; ++p)
                r.ranges.append({p, p});
            r.outDirectory = out;
            launcher.setRequest(r);
            QSignalSpy progress(&launcher, &SplitLauncher::progressChanged);
            launcher.run();
            session = launcher.sessionDirectory();
            QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && progress.last().first().toDouble() > 5, 30000);
        }
        QCOMPARE(workerChild(), pid_t(0));
        QVERIFY(!QFileInfo::exists(session));
        QVERIFY(!QFileInfo::exists(session + ".lock"));
        for (const QString &name : TestFolders::entries(out)) {
            QVERIFY2(!name.startsWith('.'), qPrintable(name));
            QCOMPARE(TestPdf::pageWidths(out + "/" + name).size(), 1);
        }
    }

    // Run in a child process: holds a session folder of its own until killed.
    void holdSession()
    {
        if (!qEnvironmentVariableIsSet("SW_HOLD_SESSION"))
            QSKIP("only run by staleSessionFoldersGoAtStartLiveOnesStay");
        SessionFolder session(FileUtils::cacheDirectory());
        QVERIFY(session.isValid());
        std::printf("session: %s\n", qPrintable(session.path()));
        std::fflush(stdout);
        QThread::sleep(120);
    }

    void staleSessionFoldersGoAtStartLiveOnesStay()
    {
        const QString cache = FileUtils::cacheDirectory();
        QVERIFY(!cache.isEmpty());
        // Another instance, alive, with a session of its own.
        QProcess other;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("SW_HOLD_SESSION", "1");
        other.setProcessEnvironment(env);
        other.start(QCoreApplication::applicationFilePath(), {"holdSession"});
        const QString held = lineAfter(other, "session: ");
        QVERIFY2(QFileInfo(held).isDir(), qPrintable(held));
        QVERIFY(WorkerFile::write(held + "/x.req", QJsonObject{{"task_password", "secret"}}));
        // A session folder of an older version, without a lock, and
        // something that is no session folder at all.
        const QString unlocked = cache + "/" + FileUtils::uniqueId();
        QVERIFY(FileUtils::ensurePrivateDirectory(unlocked));
        QVERIFY(QDir().mkpath(cache + "/not-a-session"));

        SplitLauncher starting;   // what the program builds at start-up
        QVERIFY(QFileInfo(held).isDir());
        QVERIFY(!QFileInfo::exists(unlocked));
        QVERIFY(QFileInfo(cache + "/not-a-session").isDir());

        // The other instance dies without tidying up: at the next start its
        // folder, with the request and its password, goes.
        other.kill();
        QVERIFY(other.waitForFinished(30000));
        QVERIFY(QFileInfo(held + "/x.req").isFile());
        MergeLauncher next;
        QVERIFY(!QFileInfo::exists(held));
        QVERIFY(!QFileInfo::exists(held + ".lock"));
        QVERIFY(QFileInfo(cache + "/not-a-session").isDir());
    }

    // Earlier versions kept sessions in two hidden folders of the cache
    // (named after the executable, then after the application): their
    // stale sessions go at start, and so do the folders once empty.
    void oldCacheFoldersAreRetired()
    {
        const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
        const QString first = base + "/.sheafwright/cache";
        const QString second = base + "/.Pinecone Sheafwright/cache";
        const QStringList old = FileUtils::oldCacheDirectories();
        QCOMPARE(old, (QStringList{first, second}));
        const QString staleFirst = first + "/" + FileUtils::uniqueId();
        const QString staleSecond = second + "/" + FileUtils::uniqueId();
        QVERIFY(QDir().mkpath(staleFirst) && QDir().mkpath(staleSecond));
        QVERIFY(WorkerFile::write(staleFirst + "/x.req", QJsonObject{{"task_password", "secret"}}));
        QVERIFY(QDir().mkpath(second + "/not-a-session"));

        SplitLauncher starting;
        QVERIFY(!QFileInfo::exists(staleFirst));
        QVERIFY(!QFileInfo::exists(base + "/.sheafwright"));
        QVERIFY(!QFileInfo::exists(staleSecond));
        // What is not ours stays, and with it the folder.
        QVERIFY(QFileInfo(second + "/not-a-session").isDir());
        QVERIFY(QDir(second).removeRecursively());
    }
};

QTEST_MAIN(TestWorkerFaults)
#include "tst_workerfaults.moc"
