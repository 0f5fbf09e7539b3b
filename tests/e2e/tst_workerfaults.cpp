#include "FolderLock.h"
#include "TestPaths.h"
#include "TestPdf.h"
#include "WorkerChild.h"
#include "app/AppSettings.h"
#include "app/FileUtils.h"
#include "protocol/SessionFolder.h"
#include "merge/MergeLauncher.h"
#include "merge/MergeRequest.h"
#include "merge/MergeResponse.h"
#include "merge/MergeWorker.h"
#include "split/SplitLauncher.h"
#include "split/SplitRequest.h"
#include "split/SplitResponse.h"
#include "protocol/WorkerCode.h"
#include "protocol/WorkerFile.h"

#include <QDirIterator>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QThread>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <cstdio>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

// A worker whose files may not grow beyond a size, as under "ulimit -f". Its
// first write past the limit raises SIGXFSZ, left at its default here: the
// worker has to turn that write into a failure (EFBIG), as on a full disk,
// rather than die of the signal. It may also be held to a few open files,
// as under "ulimit -n".
class LimitedProcess : public QProcess
{
public:
    LimitedProcess(rlim_t maxFileBytes, rlim_t maxOpenFiles) : m_limit(maxFileBytes), m_openFiles(maxOpenFiles) {}

protected:
    void setupChildProcess() override
    {
        const struct rlimit limit = {m_limit, m_limit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::signal(SIGXFSZ, SIG_DFL);
        if (m_openFiles != RLIM_INFINITY) {
            const struct rlimit openFiles = {m_openFiles, m_openFiles};
            ::setrlimit(RLIMIT_NOFILE, &openFiles);
        }
    }

private:
    rlim_t m_limit;
    rlim_t m_openFiles;
};

struct WorkerRun
{
    int exitCode = -1;
    bool crashed = true;
};

WorkerRun runWorker(const QStringList &args, rlim_t maxFileBytes = RLIM_INFINITY, const QString &workingDir = {},
                    rlim_t maxOpenFiles = RLIM_INFINITY)
{
    LimitedProcess process(maxFileBytes, maxOpenFiles);
    if (!workingDir.isEmpty())
        process.setWorkingDirectory(workingDir);
    process.start(TestPaths::workerPath(), args);
    WorkerRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitCode();
    run.crashed = process.exitStatus() != QProcess::NormalExit;
    return run;
}

// Every entry of a folder, hidden ones included.
QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList namesOf(const QStringList &paths)
{
    QStringList names;
    for (const QString &path : paths)
        names << QFileInfo(path).fileName();
    names.sort();
    return names;
}

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

// Printable bytes that do not compress much: a page carrying them is big.
QByteArray bulk(int bytes, quint32 seed = 42)
{
    QByteArray data = "% ";
    QRandomGenerator random(seed);
    while (data.size() < bytes)
        data += QByteArray::number(random.generate64(), 36) + ' ';
    return data + '\n';
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

    QString freshDir(const QString &name)
    {
        const QString path = m_dir.filePath(name);
        QDir(path).removeRecursively();
        QDir().mkpath(path);
        return QDir::toNativeSeparators(path);
    }

    // A private session folder with the request in it; returns the request path.
    QString writeRequest(const QJsonObject &request, const QString &session, const QString &id)
    {
        FileUtils::ensurePrivateDirectory(session);
        const QString path = session + "/" + id + ".req";
        if (!WorkerFile::write(path, request))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    SplitRequest splitRequest(const QString &source, int pageCount, const QString &out, const QString &session,
                              const QString &id)
    {
        SplitRequest r;
        r.fileName = source;
        r.pageCount = pageCount;
        for (int p = 1; p <= pageCount; ++p)
            r.ranges.append({p, p});
        r.outDirectory = out;
        r.sessionPath = session;
        r.sessionId = id;
        return r;
    }

    static MergeTask task(const QString &file, int order)
    {
        MergeTask t;
        t.fullPath = file;
        t.order = order;
        return t;
    }

    MergeRequest mergeRequest(const QStringList &files, const QString &output, const QString &session,
                              const QString &id, const QString &password = QString())
    {
        MergeRequest r;
        for (int i = 0; i < files.size(); ++i)
            r.tasks << task(files.at(i), i);
        r.saveFileName = output;
        r.password = password;
        r.cachePath = session;
        r.sessionId = id;
        return r;
    }

    static SplitResponse splitResponse(const QString &session, const QString &id)
    {
        QString problem;
        SplitResponse response = SplitResponse::readFile(session + "/" + id + ".resp", id, &problem);
        if (!problem.isEmpty())
            response.errorCode = -1;
        return response;
    }

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
        while (*worker > 0 && entries(out).size() <= 20 && waited.elapsed() < 30000)
            QThread::msleep(20);
        return base;
    }

    static MergeResponse mergeResponse(const QString &session, const QString &id)
    {
        QJsonObject object;
        if (!WorkerFile::read(session + "/" + id + ".resp", object)) {
            MergeResponse unread;
            unread.errorCode = -1;
            return unread;
        }
        return MergeResponse::fromJson(object);
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
                page.extraContent = bulk(400000);
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
        const QString request = writeRequest(splitRequest(m_mixed, 6, out, session, "fullsplit").toJson(), session,
                                             "fullsplit");
        const WorkerRun run = runWorker({"--split", request}, 64 * 1024);
        QVERIFY(!run.crashed);
        QCOMPARE(run.exitCode, 0);
        const SplitResponse response = splitResponse(session, "fullsplit");
        // The four small pages were written whole; the two large ones failed
        // and left nothing, not even a hidden file.
        QCOMPARE(response.errorCode, int(WorkerCode::Incomplete));
        // The system's reason travels with the failure, for the screen to tell.
        QCOMPARE(response.writeError, QStringLiteral("file_too_large"));
        QCOMPARE(namesOf(response.files),
                 (QStringList{"mixed_p1.pdf", "mixed_p3.pdf", "mixed_p4.pdf", "mixed_p6.pdf"}));
        QCOMPARE(entries(out), namesOf(response.files));
        for (const QString &file : response.files)
            QCOMPARE(TestPdf::pageWidths(file).size(), 1);
        // The list of files written so far is superseded by the response.
        QCOMPARE(entries(session), (QStringList{"fullsplit.req", "fullsplit.resp"}));
    }

    void splitWithEveryOutputLostProducesNothing()
    {
        const QString session = m_dir.filePath("lost-session");
        const QString out = freshDir("lost");
        SplitRequest r = splitRequest(m_mixed, 6, out, session, "lost");
        r.ranges = {{1, 2}, {4, 6}};
        const WorkerRun run = runWorker({"--split", writeRequest(r.toJson(), session, "lost")}, 64 * 1024);
        QCOMPARE(run.exitCode, 0);
        const SplitResponse response = splitResponse(session, "lost");
        QCOMPARE(response.errorCode, int(WorkerCode::NothingProduced));
        QCOMPARE(response.writeError, QStringLiteral("file_too_large"));
        QVERIFY(response.files.isEmpty());
        QCOMPARE(entries(out), QStringList());
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
        const MergeRequest r = mergeRequest({m_small, m_mixed}, output, session, "fullmerge", password);
        // Without a limit the request succeeds: the limit is the only fault.
        QCOMPARE(runWorker({"--merge", writeRequest(r.toJson(), session, "fullmerge")}).exitCode, 0);
        QCOMPARE(mergeResponse(session, "fullmerge").mergedFileName, output);
        QCOMPARE(mergeResponse(session, "fullmerge").writeError, QString());
        QCOMPARE(TestPdf::pageWidths(output, password).size(), 9);
        const qint64 size = QFileInfo(output).size();
        QVERIFY(QFile::remove(output));

        const rlim_t limit = lastBytes ? rlim_t(size - 16) : 256 * 1024;
        const WorkerRun run = runWorker({"--merge", writeRequest(r.toJson(), session, "fullmerge")}, limit);
        QCOMPARE(run.exitCode, 0);
        const MergeResponse response = mergeResponse(session, "fullmerge");
        // Said as a write failure with its cause, so that the screen can name it.
        QCOMPARE(response.errorCode, int(WorkerCode::Incomplete));
        QCOMPARE(response.writeError, QStringLiteral("file_too_large"));
        QVERIFY(response.mergedFileName.isEmpty());
        QCOMPARE(entries(out), QStringList());
    }

    void splitOutputCutAtTheEndIsNotListed()
    {
        const QString session = m_dir.filePath("cut-session");
        const QString out = freshDir("cut");
        SplitRequest r = splitRequest(m_mixed, 6, out, session, "cut");
        r.ranges = {{2, 2}};
        QCOMPARE(runWorker({"--split", writeRequest(r.toJson(), session, "cut")}).exitCode, 0);
        const QStringList whole = splitResponse(session, "cut").files;
        QCOMPARE(whole.size(), 1);
        const qint64 size = QFileInfo(whole.first()).size();
        QVERIFY(QFile::remove(whole.first()));
        QCOMPARE(runWorker({"--split", writeRequest(r.toJson(), session, "cut")}, rlim_t(size - 16)).exitCode, 0);
        const SplitResponse response = splitResponse(session, "cut");
        QCOMPARE(response.errorCode, int(WorkerCode::NothingProduced));
        QCOMPARE(response.writeError, QStringLiteral("file_too_large"));
        QCOMPARE(entries(out), QStringList());
    }

    // --- responses
    void responseThatCannotBeWrittenIsAnExitCode()
    {
        // Small outputs fit under the limit, the long response does not.
        const QString session = m_dir.filePath("resp-session");
        const QString out = freshDir(QString(150, QLatin1Char('r')));
        const QString source = m_dir.filePath("forty.pdf");
        QVERIFY(TestPdf::writeNumbered(source, 40));
        const QString request = writeRequest(splitRequest(source, 40, out, session, "resp").toJson(), session, "resp");
        const WorkerRun run = runWorker({"--split", request}, 8 * 1024);
        QCOMPARE(run.exitCode, int(WorkerCode::ResponseNotWritten));
        // No empty or partial response, no temporary file.
        QVERIFY(!QFileInfo::exists(session + "/resp.resp"));
        for (const QString &name : entries(session))
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
        QVERIFY(WorkerFile::write(request, splitRequest(m_small, 3, out, session, "unusable").toJson()));
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
        QCOMPARE(entries(out), QStringList());
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
        const QString request = writeRequest(splitRequest(m_small, 3, out, session, "link").toJson(), session, "link");
        QVERIFY(QFile::link(victim, session + "/link.resp"));
        QCOMPARE(runWorker({"--split", request}).exitCode, 0);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("precious"));
        QVERIFY(!QFileInfo(session + "/link.resp").isSymLink());
        QCOMPARE(splitResponse(session, "link").files.size(), 3);
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
        QJsonObject json = splitRequest(m_small, 3, freshDir("relative-out"), session, "relative").toJson();
        json.insert(key, key == "file_name" ? "small.pdf" : "out");
        const WorkerRun run = runWorker({"--split", writeRequest(json, session, "relative")}, RLIM_INFINITY, cwd);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(splitResponse(session, "relative").errorCode, int(WorkerCode::RequestInvalid));
        QCOMPARE(entries(cwd), QStringList{"small.pdf"});
        QCOMPARE(entries(m_dir.filePath("relative-out")), QStringList());
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
        const MergeRequest r = mergeRequest({m_small, m_small}, output, session, "names");
        const WorkerRun run = runWorker({"--merge", writeRequest(r.toJson(), session, "names")}, RLIM_INFINITY, cwd);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(mergeResponse(session, "names").errorCode, int(WorkerCode::RequestInvalid));
        QCOMPARE(entries(out), (QStringList{"out", "out2"}));
        QCOMPARE(entries(out + "/out"), QStringList());
        QCOMPARE(entries(out + "/out2"), QStringList());
        QCOMPARE(entries(cwd), QStringList());
    }

    void inputWithoutPagesIsLeftOutAndNamed()
    {
        const QString empty = m_dir.filePath("no-pages.pdf");
        QVERIFY(TestPdf::write(empty, {}));
        const QString out = freshDir("zero");
        const QString output = out + "/merged.pdf";
        const QString session = m_dir.filePath("zero-session");
        const MergeRequest r = mergeRequest({m_small, empty, m_small}, output, session, "zero");
        QCOMPARE(runWorker({"--merge", writeRequest(r.toJson(), session, "zero")}).exitCode, 0);
        const MergeResponse response = mergeResponse(session, "zero");
        QCOMPARE(response.errorCode, 0);
        QCOMPARE(response.mergedFileName, output);
        QCOMPARE(response.errorFiles, QStringList{empty});
        QCOMPARE(TestPdf::pageWidths(output), (QList<int>{201, 202, 203, 201, 202, 203}));
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
        const MergeRequest r = mergeRequest(files, output, session, "many");
        const WorkerRun run = runWorker({"--merge", writeRequest(r.toJson(), session, "many")}, RLIM_INFINITY, {}, 48);
        QCOMPARE(run.exitCode, 0);
        const MergeResponse response = mergeResponse(session, "many");
        QCOMPARE(response.errorCode, 0);
        QCOMPARE(response.errorFiles, QStringList());
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
                page.extraContent = bulk(300000, quint32(file * 100 + i));
                pages << page;
            }
            const QString big = m_dir.filePath(QStringLiteral("big%1.pdf").arg(file));
            QVERIFY(TestPdf::write(big, pages));
            r.tasks << task(big, file);
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
            for (const QString &name : entries(out))
                seen = seen || FileUtils::isTemporaryFileOf(name, launcher.sessionId());
            if (!seen)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        }
        QVERIFY2(seen, "the final write was not caught under way");
        const pid_t worker = workerChild();
        QVERIFY(worker > 0);
        QCOMPARE(::kill(worker, SIGKILL), 0);
        QVERIFY(finished.wait(30000));
        QCOMPARE(finished.first().at(0).toInt(), int(WorkerCode::Crashed));
        QVERIFY(finished.first().at(1).toString().isEmpty());
        QCOMPARE(entries(out), QStringList());
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
        QCOMPARE(finished.first().at(0).toInt(), int(WorkerCode::Crashed));
        const QStringList reported = finished.first().at(1).toStringList();
        QVERIFY(reported.size() > 10 && reported.size() < 300);
        // Exactly the reported files are there, each whole; nothing hidden.
        QCOMPARE(entries(out), namesOf(reported));
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
        launcher.setRequest(splitRequest(job.at(0), job.at(1).toInt(), job.at(2), QString(), QString()));
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
        QCOMPARE(response.errorCode, int(WorkerCode::Canceled));
        QVERIFY(response.files.size() < programSplitPages);
        QCOMPARE(entries(out), namesOf(response.files));
        for (const QString &file : response.files)
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
        const QStringList left = entries(out);
        const QStringList hidden = left.filter(QRegularExpression("^\\."));
        QVERIFY2(!hidden.isEmpty(), "the worker was killed between two files");

        SplitLauncher next;   // what the program builds at its next start
        QStringList named = left;
        for (const QString &name : hidden)
            named.removeOne(name);
        QCOMPARE(entries(out), named);
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
            r.tasks << task(m_mixed, i);
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
        // It stopped in order, well before it would have been killed.
        QVERIFY2(timer.elapsed() < MergeLauncher::cancelGraceMs, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(finished.first().at(0).toInt(), int(WorkerCode::Canceled));
        QCOMPARE(QDir(launcher.sessionDirectory()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
        QVERIFY(finished.first().at(1).toString().isEmpty());
        QCOMPARE(entries(out), QStringList());
        QVERIFY(!launcher.isRunning());
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
        for (const QString &name : entries(out)) {
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
};

QTEST_MAIN(TestWorkerFaults)
#include "tst_workerfaults.moc"
