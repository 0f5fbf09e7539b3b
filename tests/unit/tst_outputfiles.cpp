#include "TestPaths.h"
#include "TestPdf.h"
#include "app/AppSettings.h"
#include "app/FileUtils.h"
#include "protocol/SessionFolder.h"
#include "app/StopRequest.h"
#include "pdf/PdfErrorCode.h"
#include "pdf/PdfFileWriter.h"
#include "pdf/PendingRanges.h"
#include "protocol/WorkerFile.h"

#include <QTemporaryDir>
#include <QtTest>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

int modeOf(const QString &path)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return int(st.st_mode & 0777);
}

int currentUmask()
{
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return int(mask);
}

} // namespace

// How the program's files reach the disk: PDF outputs whole or not at all,
// request and response files that never follow a planted link, private
// scratch and session folders with their locks.
class TestOutputFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_source;   // about 200 KB, most of it in one content stream

    // Writes m_source again to path through PdfFileWriter::writeWhole.
    bool rewrite(const QString &path, SyncBatch *batch = nullptr)
    {
        QPDF pdf;
        pdf.processFile(QFile::encodeName(m_source).constData());
        QPDFWriter writer(pdf);
        writer.setDecodeLevel(qpdf_dl_generalized);   // written uncompressed: about 200 KB
        writer.setCompressStreams(false);
        return PdfFileWriter::writeWhole(pdf, writer, path, nullptr, batch);
    }

    // rewrite() in a child whose files may not grow beyond limit bytes, as
    // on a full disk. The child's exit code: 0 written, 1 refused, 2 refused
    // but the file was left behind.
    int rewriteUnderLimit(const QString &path, rlim_t limit)
    {
        const pid_t child = ::fork();
        if (child == 0) {
            const struct rlimit fileSize = {limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &fileSize);
            ::signal(SIGXFSZ, SIG_IGN);
            const bool written = rewrite(path);
            ::_exit(written ? 0 : (QFileInfo::exists(path) ? 2 : 1));
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private slots:
    void initTestCase()
    {
        AppSettings::applyIdentity();
        QVERIFY(m_dir.isValid());
        TestPdf::Page page;
        for (int i = 0; i < 12000; ++i)
            page.extraContent += "0 0 m " + QByteArray::number(i) + " 1 l S\n";
        m_source = m_dir.filePath("source.pdf");
        QVERIFY(TestPdf::write(m_source, {page, TestPdf::Page()}));
    }

    // A write error, even one that shows only when the last buffered bytes
    // go out, fails the output and leaves no file.
    void writeErrorsFailTheOutput_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("expected");
        QTest::newRow("fails early") << 4096 << 1;
        QTest::newRow("fails in the last bytes") << 190 * 1024 << 1;
        QTest::newRow("room enough") << 64 * 1024 * 1024 << 0;
    }
    void writeErrorsFailTheOutput()
    {
        QFETCH(int, limit);
        QFETCH(int, expected);
        const QString path = m_dir.filePath(QStringLiteral("limited-%1.pdf").arg(limit));
        QCOMPARE(rewriteUnderLimit(path, rlim_t(limit)), expected);
        if (expected == 0) {
            QCOMPARE(TestPdf::pageWidths(path).size(), 2);
            // Under the writer's buffer size: with the 190 KB limit nothing
            // fails before the final flush.
            QVERIFY2(QFileInfo(path).size() > 190 * 1024 && QFileInfo(path).size() < 256 * 1024,
                     qPrintable(QString::number(QFileInfo(path).size())));
        }
    }

    void stopRequestAbandonsTheOutput()
    {
        const QString path = m_dir.filePath("stopped.pdf");
        StopRequest::set();
        const bool written = rewrite(path);
        StopRequest::clear();
        QVERIFY(!written);
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(rewrite(path));
    }

    void neverWritesThroughALinkOrOverAFile()
    {
        const QString victim = m_dir.filePath("victim.txt");
        QFile file(victim);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("precious");
        file.close();
        const QString link = m_dir.filePath("planted.pdf");
        QVERIFY(QFile::link(victim, link));
        QVERIFY(!rewrite(link));
        QVERIFY(!rewrite(victim));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("precious"));
        QVERIFY(QFileInfo(link).isSymLink());
    }

    // Split outputs are synced a batch at a time: each gets its name only
    // once the batch says it reached the disk, one whose sync failed is
    // reported failed and leaves nothing, and the order of reports holds.
    // Each name is told before the move.
    void batchedOutputsAreNamedOnlyOnceSynced()
    {
        const QString folder = m_dir.filePath("batched");
        QVERIFY(QDir().mkpath(folder));
        QStringList named;
        QStringList announced;
        QList<int> errors;
        {
            PendingRanges pending(folder);
            const QString first = FileUtils::temporaryPathIn(folder);
            QVERIFY(rewrite(first, &pending.batch()));
            pending.addWritten(0, first, QStringLiteral("first.pdf"));
            pending.addFailed(1, PdfErrorCode::InvalidArgument);
            // A file whose sync fails: the batch is given a descriptor that is not open.
            const QString unsynced = FileUtils::temporaryPathIn(folder);
            QVERIFY(rewrite(unsynced));
            pending.batch().add(-1, unsynced);
            pending.addWritten(2, unsynced, QStringLiteral("unsynced.pdf"));
            const QString last = FileUtils::temporaryPathIn(folder);
            QVERIFY(rewrite(last, &pending.batch()));
            pending.addWritten(3, last, QStringLiteral("last.pdf"));
            QCOMPARE(pending.batch().size(), 3);
            QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList());   // nothing named yet

            // Each name is told before the file is there (a record made then
            // survives a kill right after the move).
            const auto naming = [&](const QString &path) { announced << path + (QFileInfo::exists(path) ? "+" : ""); };
            QVERIFY(pending.settle(
                [&](const PageRangeOutput::Result &result) {
                    named << QFileInfo(result.path).fileName();
                    errors << result.errorCode;
                    return true;
                },
                naming));
        }
        QCOMPARE(announced, (QStringList{folder + "/first.pdf", folder + "/last.pdf"}));
        QCOMPARE(named, (QStringList{"first.pdf", QString(), QString(), "last.pdf"}));
        QCOMPARE(errors, (QList<int>{0, int(PdfErrorCode::InvalidArgument), int(PdfErrorCode::WriteFailed), 0}));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 (QStringList{"first.pdf", "last.pdf"}));
        QCOMPARE(TestPdf::pageWidths(folder + "/last.pdf").size(), 2);
    }

    void scratchInTheSessionFolderIsOwnerOnly()
    {
        const QString session = m_dir.filePath("session-scratch");
        QVERIFY(FileUtils::ensurePrivateDirectory(session));
        FileUtils::setWorkerSession(QStringLiteral("scratch"), session);
        QVERIFY(rewrite(session + "/decrypted.pdf"));
        // Outputs elsewhere get the user's usual rights.
        const QString out = m_dir.filePath("out");
        QVERIFY(QDir().mkpath(out));
        QVERIFY(rewrite(out + "/output.pdf"));
        FileUtils::setWorkerSession(QString(), QString());
        QCOMPARE(modeOf(session + "/decrypted.pdf"), 0600);
        QCOMPARE(modeOf(out + "/output.pdf"), 0666 & ~currentUmask());
    }

    void workerFilesAreWrittenWholeAndPrivately()
    {
        const QString folder = m_dir.filePath("session");
        QVERIFY(FileUtils::ensurePrivateDirectory(folder));
        const QJsonObject object{{"session_id", "abc"}};
        // A link planted at the name is replaced, its target untouched.
        const QString victim = m_dir.filePath("victim2.txt");
        QFile file(victim);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("precious");
        file.close();
        const QString response = folder + "/abc.resp";
        QVERIFY(QFile::link(victim, response));
        QVERIFY(WorkerFile::write(response, object));
        QVERIFY(!QFileInfo(response).isSymLink());
        QCOMPARE(modeOf(response), 0600);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("precious"));
        QJsonObject read;
        QVERIFY(WorkerFile::read(response, read));
        QCOMPARE(read, object);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"abc.resp"});
        // A folder that is not there: false, nothing made.
        QVERIFY(!WorkerFile::write(folder + "/missing/abc.resp", object));
        QVERIFY(!WorkerFile::canWriteBeside(folder + "/missing/abc.resp"));
        QVERIFY(WorkerFile::canWriteBeside(response));
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"abc.resp"});
    }

    void workerFilesAreReadOnlyFromRegularFiles()
    {
        const QString fifo = m_dir.filePath("request.fifo");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QJsonObject object;
        QString problem;
        QVERIFY(!WorkerFile::read(fifo, object, &problem));   // returns at once, no writer needed
        QCOMPARE(problem, QStringLiteral("not a regular file"));
        QVERIFY(!WorkerFile::read(QStringLiteral("/dev/zero"), object, &problem));
        QVERIFY(!WorkerFile::read(m_dir.path(), object, &problem));
        const QString huge = m_dir.filePath("huge.req");
        QFile file(huge);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(WorkerFile::maxFileSize + 1));
        file.close();
        QVERIFY(!WorkerFile::read(huge, object, &problem));
        QVERIFY2(problem.startsWith(QStringLiteral("larger than")), qPrintable(problem));
        // The list of written files: appended line by line, read back in order.
        const QString list = m_dir.filePath("x.files");
        QVERIFY(WorkerFile::appendLine(list, QStringLiteral("/a/one.pdf")));
        QVERIFY(WorkerFile::appendLine(list, QStringLiteral("/a/two ü.pdf")));
        QCOMPARE(WorkerFile::readLines(list), (QStringList{"/a/one.pdf", "/a/two ü.pdf"}));
        QCOMPARE(modeOf(list), 0600);
        QVERIFY(WorkerFile::readLines(fifo).isEmpty());

        // A link planted under the list's name is never followed: appends
        // through it fail, and creating the list replaces the link itself.
        const QString target = m_dir.filePath("target.txt");
        QFile planted(target);
        QVERIFY(planted.open(QIODevice::WriteOnly));
        planted.write("kept\n");
        planted.close();
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                                  | QFile::ReadOther));
        const QString linked = m_dir.filePath("linked.files");
        QVERIFY(QFile::link(target, linked));
        QVERIFY(!WorkerFile::appendLine(linked, QStringLiteral("/a/secret.pdf")));
        QVERIFY(WorkerFile::createList(linked));
        QVERIFY(!QFileInfo(linked).isSymLink());
        QVERIFY(WorkerFile::appendLine(linked, QStringLiteral("/a/secret.pdf")));
        QCOMPARE(WorkerFile::readLines(linked), QStringList{"/a/secret.pdf"});
        QCOMPARE(WorkerFile::readLines(target), QStringList{"kept"});
        QCOMPARE(modeOf(target), 0644);
        // Nor a hard link to another file.
        const QString hard = m_dir.filePath("hard.files");
        QCOMPARE(::link(QFile::encodeName(target).constData(), QFile::encodeName(hard).constData()), 0);
        QVERIFY(!WorkerFile::appendLine(hard, QStringLiteral("/a/secret.pdf")));
        QCOMPARE(WorkerFile::readLines(target), QStringList{"kept"});
    }

    void sessionFolderIsPrivateLockedAndTidy()
    {
        const QString cache = m_dir.filePath("cache");
        QVERIFY(FileUtils::ensurePrivateDirectory(cache));
        QString path;
        {
            SessionFolder session(cache);
            QVERIFY(session.isValid());
            path = session.path();
            QCOMPARE(QFileInfo(path).fileName(), session.id());
            QCOMPARE(modeOf(path), 0700);
            QVERIFY(QFileInfo::exists(path + ".lock"));
            // Held by this live process: a sweep keeps it.
            QCOMPARE(SessionFolder::removeStale(cache), 0);
            QVERIFY(QFileInfo(path).isDir());
        }
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(!QFileInfo::exists(path + ".lock"));
        QVERIFY(!SessionFolder(QString()).isValid());
    }
};

QTEST_GUILESS_MAIN(TestOutputFiles)
#include "tst_outputfiles.moc"
