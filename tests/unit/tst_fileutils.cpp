#include "SpiedOutcome.h"
#include "FolderLock.h"
#include "TestPaths.h"
#include "app/AppSettings.h"
#include "app/FileUtils.h"
#include "split/SplitLauncher.h"
#include "protocol/WorkerCode.h"

#include <QMimeData>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

class TestFileUtils : public QObject
{
    Q_OBJECT

    static void touch(const QString &path, const QByteArray &data = "x")
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
    }

private slots:
    void initTestCase() { AppSettings::applyIdentity(); }

    void cacheDirectoryIsPrivateAndPerUser()
    {
        const QString cache = FileUtils::cacheDirectory();
        // One folder of the program's own under the XDG cache folder.
        QCOMPARE(cache, QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
                            + QStringLiteral("/sheafwright/sessions"));
        // Per-user cache location, not the shared temporary folder.
        QVERIFY(cache.startsWith(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)));
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(cache).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0700);
        QCOMPARE(st.st_uid, ::geteuid());
        QCOMPARE(FileUtils::cacheDirectory(), cache);
    }

    void cacheDirectoryRefusesALink()
    {
        // A cache folder replaced by a link elsewhere is not used.
        const QString cache = FileUtils::cacheDirectory();
        QTemporaryDir elsewhere;
        QVERIFY(QDir(cache).removeRecursively());
        QVERIFY(QFile::link(elsewhere.path(), cache));
        const QString used = FileUtils::cacheDirectory();
        QVERIFY(used != cache);
        QVERIFY(!used.isEmpty());
        QVERIFY(QFileInfo(used).isDir());
        struct stat st;
        QCOMPARE(::lstat(QFile::encodeName(used).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0700);
        QVERIFY(QFile::remove(cache));
    }

    void privateDirectory()
    {
        QTemporaryDir tmp;
        const QString path = tmp.path() + QStringLiteral("/session");
        QVERIFY(FileUtils::ensurePrivateDirectory(path));
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0700);
        QVERIFY(FileUtils::ensurePrivateDirectory(path));   // existing one is fine
        // A folder the program did not create keeps the mode it has.
        const QString shared = tmp.path() + QStringLiteral("/shared");
        QVERIFY(QDir().mkdir(shared));
        QCOMPARE(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
        QVERIFY(FileUtils::ensurePrivateDirectory(shared));
        QCOMPARE(::stat(QFile::encodeName(shared).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 07777), 01777);
        const QString link = tmp.path() + QStringLiteral("/link");
        QVERIFY(QFile::link(path, link));
        QVERIFY(!FileUtils::ensurePrivateDirectory(link));
    }

    void ensureDirectory()
    {
        QTemporaryDir tmp;
        QVERIFY(FileUtils::ensureDirectory(tmp.path()));
        QVERIFY(FileUtils::ensureDirectory(tmp.path() + QStringLiteral("/a/b/c")));
        QVERIFY(QFileInfo(tmp.path() + QStringLiteral("/a/b/c")).isDir());
        touch(tmp.path() + QStringLiteral("/file"));
        QVERIFY(!FileUtils::ensureDirectory(tmp.path() + QStringLiteral("/file/sub")));
    }

    void uniqueFilePath()
    {
        QTemporaryDir tmp;
        const QString folder = tmp.path();
        QCOMPARE(FileUtils::uniqueFilePath(folder, QStringLiteral("report.pdf")),
                 QDir::toNativeSeparators(folder + QStringLiteral("/report.pdf")));
        touch(folder + QStringLiteral("/report.pdf"));
        touch(folder + QStringLiteral("/(1)report.pdf"));
        touch(folder + QStringLiteral("/(2)report.pdf"));
        QCOMPARE(FileUtils::uniqueFilePath(folder, QStringLiteral("report.pdf")),
                 QDir::toNativeSeparators(folder + QStringLiteral("/(3)report.pdf")));
        // A folder of that name counts as taken too.
        QVERIFY(QDir(folder).mkdir(QStringLiteral("x.pdf")));
        QCOMPARE(FileUtils::uniqueFilePath(folder, QStringLiteral("x.pdf")),
                 QDir::toNativeSeparators(folder + QStringLiteral("/(1)x.pdf")));
    }

    void uniqueFilePathTakesNamesLiterally()
    {
        // Folder and file names holding "%1", "%2" are not filled in again.
        QTemporaryDir tmp;
        const QString folder = tmp.path() + QStringLiteral("/%2 and %1");
        QVERIFY(QDir().mkpath(folder));
        touch(folder + QStringLiteral("/%3.pdf"));
        QCOMPARE(FileUtils::uniqueFilePath(folder, QStringLiteral("%3.pdf")),
                 QDir::toNativeSeparators(folder + QStringLiteral("/(1)%3.pdf")));
        const QString temporary = FileUtils::temporaryPathIn(folder);
        touch(temporary);
        QCOMPARE(FileUtils::commitUnique(temporary, folder, QStringLiteral("%3.pdf")),
                 QDir::toNativeSeparators(folder + QStringLiteral("/(1)%3.pdf")));
    }

    // Where neither renameat2(RENAME_NOREPLACE) nor link() works, the name
    // is claimed first and the finished file renamed over the claim.
    void commitByClaimNeverReplaces()
    {
        QTemporaryDir tmp;
        const QString folder = tmp.path();
        touch(folder + QStringLiteral("/out.pdf"), "existing");
        const QString first = FileUtils::temporaryPathIn(folder);
        touch(first, "new");
        QCOMPARE(FileUtils::commitUnique(first, folder, QStringLiteral("out.pdf"), FileUtils::ClaimThenRename),
                 QDir::toNativeSeparators(folder + QStringLiteral("/(1)out.pdf")));
        QFile kept(folder + QStringLiteral("/out.pdf"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("existing"));
        QFile moved(folder + QStringLiteral("/(1)out.pdf"));
        QVERIFY(moved.open(QIODevice::ReadOnly));
        QCOMPARE(moved.readAll(), QByteArray("new"));
        QVERIFY(!QFileInfo::exists(first));
        // A link holds its name too; a missing file leaves no claim behind.
        QVERIFY(QFile::link(folder + QStringLiteral("/nowhere"), folder + QStringLiteral("/ln.pdf")));
        const QString second = FileUtils::temporaryPathIn(folder);
        touch(second, "two");
        QCOMPARE(FileUtils::commitUnique(second, folder, QStringLiteral("ln.pdf"), FileUtils::ClaimThenRename),
                 QDir::toNativeSeparators(folder + QStringLiteral("/(1)ln.pdf")));
        QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/nowhere")));
        QVERIFY(FileUtils::commitUnique(folder + QStringLiteral("/missing"), folder, QStringLiteral("z.pdf"),
                                        FileUtils::ClaimThenRename)
                    .isEmpty());
        QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/z.pdf")));
    }

    void temporaryFilesCarryTheirSession()
    {
        QTemporaryDir tmp;
        const QString folder = tmp.path();
        FileUtils::setWorkerSession(QStringLiteral("a"), folder);
        const QString mine = FileUtils::temporaryPathIn(folder);
        FileUtils::setWorkerSession(QStringLiteral("a-b"), folder);
        const QString other = FileUtils::temporaryPathIn(folder);
        FileUtils::setWorkerSession(QString(), QString());
        const QString untagged = FileUtils::temporaryPathIn(folder);
        for (const QString &path : {mine, other, untagged})
            touch(path);
        touch(folder + QStringLiteral("/.sheafwright-a-notanid.part"));
        touch(folder + QStringLiteral("/report.pdf"));
        QVERIFY(FileUtils::isTemporaryFileOf(QFileInfo(mine).fileName(), QStringLiteral("a")));
        QVERIFY(!FileUtils::isTemporaryFileOf(QFileInfo(other).fileName(), QStringLiteral("a")));
        QVERIFY(FileUtils::isTemporaryFileOf(QFileInfo(other).fileName(), QStringLiteral("a-b")));
        QVERIFY(!FileUtils::isTemporaryFileOf(QFileInfo(untagged).fileName(), QStringLiteral("a")));
        QCOMPARE(FileUtils::removeTemporaryFiles(folder, QStringLiteral("a")), 1);
        QVERIFY(!QFileInfo::exists(mine));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 4);
        QCOMPARE(FileUtils::removeTemporaryFiles(folder, QString()), 0);
    }

    void workerSessionFolder()
    {
        QTemporaryDir tmp;
        const QString session = tmp.path() + QStringLiteral("/session");
        FileUtils::setWorkerSession(QStringLiteral("s"), session + QStringLiteral("/"));
        QVERIFY(FileUtils::isInWorkerSession(session + QStringLiteral("/copy.pdf")));
        QVERIFY(FileUtils::isInWorkerSession(session + QStringLiteral("/sub/copy.pdf")));
        QVERIFY(!FileUtils::isInWorkerSession(session + QStringLiteral("2/copy.pdf")));
        QVERIFY(!FileUtils::isInWorkerSession(tmp.path() + QStringLiteral("/out.pdf")));
        FileUtils::setWorkerSession(QString(), QString());
        QVERIFY(!FileUtils::isInWorkerSession(session + QStringLiteral("/copy.pdf")));
    }

    // Neither the usual cache folder nor a fresh one in the temporary
    // folder can be had: the answer is empty, never "" turned into "/<id>",
    // and a launcher refuses to start. Run in a fresh process, where no
    // fallback folder exists yet.
    void cacheDirectoryWithoutAnyPlaceIsEmpty()
    {
        if (qEnvironmentVariableIsSet("SW_EXPECT_NO_CACHE")) {
            QVERIFY2(FileUtils::cacheDirectory().isEmpty(), qPrintable(FileUtils::cacheDirectory()));
            const QStringList rootBefore = QDir(QStringLiteral("/")).entryList(QDir::AllEntries | QDir::Hidden);
            SplitLauncher launcher;
            QSignalSpy finished(&launcher, &SplitLauncher::finished);
            launcher.run();
            QVERIFY(finished.wait(5000));
            QCOMPARE(spiedOutcome(finished).code, int(WorkerCode::NoWorkingFolder));
            QCOMPARE(QDir(QStringLiteral("/")).entryList(QDir::AllEntries | QDir::Hidden), rootBefore);
            return;
        }
        const QString cache = FileUtils::cacheDirectory();
        QTemporaryDir elsewhere;
        QVERIFY(QDir(cache).removeRecursively());
        QVERIFY(QFile::link(elsewhere.path(), cache));
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("SW_EXPECT_NO_CACHE"), QStringLiteral("1"));
        env.insert(QStringLiteral("TMPDIR"), QStringLiteral("/nonexistent/sheafwright-tmp"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("cacheDirectoryWithoutAnyPlaceIsEmpty")});
        QVERIFY(child.waitForFinished(60000));
        const QByteArray output = child.readAll();
        QVERIFY(QFile::remove(cache));
        QVERIFY2(child.exitCode() == 0, output.constData());
    }

    // A name taken between the check and the move (by another program, or
    // another run): the file that appeared stays as it is, whichever way the
    // file system lets us move, and ours goes to the next free name.
    void nameTakenJustBeforeTheMoveIsLeftAlone_data()
    {
        QTest::addColumn<int>("method");
        QTest::newRow("rename without replacing") << int(FileUtils::RenameNoReplace);
        QTest::newRow("hard link") << int(FileUtils::HardLink);
        QTest::newRow("claim, then rename") << int(FileUtils::ClaimThenRename);
    }
    void nameTakenJustBeforeTheMoveIsLeftAlone()
    {
        QFETCH(int, method);
        QTemporaryDir tmp;
        const QString folder = tmp.path();
        const QString ours = FileUtils::temporaryPathIn(folder);
        touch(ours, "ours");
        QStringList tried;
        const auto takeTheName = [&tried](const QString &target) {
            if (tried.isEmpty())
                touch(target, "theirs");
            tried << target;
        };
        const QString committed = FileUtils::commitUnique(ours, folder, QStringLiteral("race.pdf"), method, takeTheName);
        const QString taken = QDir::toNativeSeparators(folder + QStringLiteral("/race.pdf"));
        QCOMPARE(tried, (QStringList{taken, QDir::toNativeSeparators(folder + QStringLiteral("/(1)race.pdf"))}));
        QCOMPARE(committed, tried.last());
        QFile theirs(taken);
        QVERIFY(theirs.open(QIODevice::ReadOnly));
        QCOMPARE(theirs.readAll(), QByteArray("theirs"));
        QFile moved(committed);
        QVERIFY(moved.open(QIODevice::ReadOnly));
        QCOMPARE(moved.readAll(), QByteArray("ours"));
        QVERIFY(!QFileInfo::exists(ours));
    }

    void commitUniqueNeverReplaces()
    {
        QTemporaryDir tmp;
        const QString folder = tmp.path();
        const QString first = FileUtils::temporaryPathIn(folder);
        QVERIFY(QFileInfo(first).dir() == QDir(folder));
        touch(first, "one");
        QCOMPARE(FileUtils::commitUnique(first, folder, QStringLiteral("out.pdf")),
                 QDir::toNativeSeparators(folder + QStringLiteral("/out.pdf")));
        QVERIFY(!QFileInfo::exists(first));

        const QString second = FileUtils::temporaryPathIn(folder);
        touch(second, "two");
        QCOMPARE(FileUtils::commitUnique(second, folder, QStringLiteral("out.pdf")),
                 QDir::toNativeSeparators(folder + QStringLiteral("/(1)out.pdf")));
        QFile kept(folder + QStringLiteral("/out.pdf"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("one"));

        // A dangling link holds its name: it is neither followed nor replaced.
        QVERIFY(QFile::link(folder + QStringLiteral("/nowhere"), folder + QStringLiteral("/ln.pdf")));
        const QString third = FileUtils::temporaryPathIn(folder);
        touch(third, "three");
        QCOMPARE(FileUtils::commitUnique(third, folder, QStringLiteral("ln.pdf")),
                 QDir::toNativeSeparators(folder + QStringLiteral("/(1)ln.pdf")));
        QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/nowhere")));

        QVERIFY(FileUtils::commitUnique(folder + QStringLiteral("/missing"), folder, QStringLiteral("z.pdf")).isEmpty());
    }

    // Outputs of one name within a run are numbered on from the last number
    // given, not probed from 1 each time (quadratic for thousands of parts
    // of one name), and still never replace a file found on the way.
    void commitUniqueNumbersOnWithinARun()
    {
        QTemporaryDir tmp;
        const QString folder = tmp.path();
        FileUtils::NextFreeNumbers numbers;
        auto commit = [&](const QString &name) {
            const QString temporary = FileUtils::temporaryPathIn(folder);
            touch(temporary, name.toUtf8());
            return QFileInfo(FileUtils::commitUnique(temporary, folder, name, FileUtils::AnyMoveMethod, nullptr,
                                                     &numbers))
                .fileName();
        };
        QCOMPARE(commit("same.pdf"), QStringLiteral("same.pdf"));
        QCOMPARE(commit("same.pdf"), QStringLiteral("(1)same.pdf"));
        QCOMPARE(commit("other.pdf"), QStringLiteral("other.pdf"));
        // Numbers freed during the run are not probed again...
        QVERIFY(QFile::remove(folder + QStringLiteral("/(1)same.pdf")));
        QVERIFY(QFile::remove(folder + QStringLiteral("/same.pdf")));
        QCOMPARE(commit("same.pdf"), QStringLiteral("(2)same.pdf"));
        // ...and a name taken meanwhile is passed over, not replaced.
        touch(folder + QStringLiteral("/(3)same.pdf"), "theirs");
        QCOMPARE(commit("same.pdf"), QStringLiteral("(4)same.pdf"));
        QFile theirs(folder + QStringLiteral("/(3)same.pdf"));
        QVERIFY(theirs.open(QIODevice::ReadOnly));
        QCOMPARE(theirs.readAll(), QByteArray("theirs"));
        // Without a memory, the first free name from the start, as before.
        const QString temporary = FileUtils::temporaryPathIn(folder);
        touch(temporary, "x");
        QCOMPARE(QFileInfo(FileUtils::commitUnique(temporary, folder, QStringLiteral("same.pdf"))).fileName(),
                 QStringLiteral("same.pdf"));
    }

    void removeDirectory()
    {
        QVERIFY(FileUtils::removeDirectory(QString()));
        QVERIFY(FileUtils::removeDirectory(QStringLiteral("/nonexistent/sheafwright/dir")));

        QTemporaryDir tmp;
        const QString root = tmp.path() + QStringLiteral("/root");
        QVERIFY(QDir().mkpath(root + QStringLiteral("/sub/deeper")));
        touch(root + QStringLiteral("/.hidden"));
        touch(root + QStringLiteral("/sub/deeper/file.pdf"));
        QVERIFY(FileUtils::removeDirectory(root));
        QVERIFY(!QFileInfo::exists(root));
    }

    void removeDirectoryDoesNotFollowLinks()
    {
        QTemporaryDir tmp;
        const QString outside = tmp.path() + QStringLiteral("/outside");
        QVERIFY(QDir().mkpath(outside));
        touch(outside + QStringLiteral("/precious.pdf"));
        touch(tmp.path() + QStringLiteral("/precious-file.pdf"));
        const QString root = tmp.path() + QStringLiteral("/root");
        QVERIFY(QDir().mkpath(root));
        QVERIFY(QFile::link(outside, root + QStringLiteral("/dirlink")));
        QVERIFY(QFile::link(tmp.path() + QStringLiteral("/precious-file.pdf"), root + QStringLiteral("/filelink")));
        QVERIFY(QFile::link(tmp.path() + QStringLiteral("/gone"), root + QStringLiteral("/dangling")));
        QVERIFY(FileUtils::removeDirectory(root));
        QVERIFY(!QFileInfo::exists(root));
        QVERIFY(QFileInfo::exists(outside + QStringLiteral("/precious.pdf")));
        QVERIFY(QFileInfo::exists(tmp.path() + QStringLiteral("/precious-file.pdf")));

        // The folder given is itself a link: the link goes, the target stays.
        const QString link = tmp.path() + QStringLiteral("/toplink");
        QVERIFY(QFile::link(outside, link));
        QVERIFY(FileUtils::removeDirectory(link));
        QVERIFY(!QFileInfo(link).isSymLink());
        QVERIFY(QFileInfo::exists(outside + QStringLiteral("/precious.pdf")));
    }

    void removeDirectoryStopsAtLockedEntry()
    {
        QTemporaryDir tmp;
        const QString root = tmp.path() + QStringLiteral("/root");
        QVERIFY(QDir().mkpath(root + QStringLiteral("/locked")));
        touch(root + QStringLiteral("/locked/file"));
        FolderLock lock(root + QStringLiteral("/locked"));
        if (!lock.isLocked())
            QSKIP("this file system cannot lock a folder against root");
        QVERIFY(!FileUtils::removeDirectory(root));
        QVERIFY(QFileInfo::exists(root + QStringLiteral("/locked/file")));
    }

    void removeFiles()
    {
        QTemporaryDir tmp;
        touch(tmp.path() + QStringLiteral("/a"));
        touch(tmp.path() + QStringLiteral("/b"));
        FileUtils::removeFiles({tmp.path() + QStringLiteral("/a"), tmp.path() + QStringLiteral("/missing"),
                                tmp.path() + QStringLiteral("/b")});
        QVERIFY(QDir(tmp.path()).isEmpty());
    }

    void uniqueId()
    {
        QSet<QString> seen;
        for (int i = 0; i < 200; ++i) {
            const QString id = FileUtils::uniqueId();
            QCOMPARE(id.size(), 32);
            QVERIFY(!id.contains(QLatin1Char('{')) && !id.contains(QLatin1Char('}')) && !id.contains(QLatin1Char('-')));
            seen.insert(id);
        }
        QCOMPARE(seen.size(), 200);
    }

    void pdfFilesFromMimeData()
    {
        QTemporaryDir tmp;
        const QString a = tmp.path() + QStringLiteral("/a.pdf");
        const QString b = tmp.path() + QStringLiteral("/b.PDF");
        const QString txt = tmp.path() + QStringLiteral("/a.PDF.txt");
        touch(a);
        touch(b);
        touch(txt);
        QVERIFY(QDir(tmp.path()).mkdir(QStringLiteral("folder.pdf")));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(b), QUrl(QStringLiteral("https://example.org/x.pdf")),
                      QUrl::fromLocalFile(txt), QUrl::fromLocalFile(tmp.path() + QStringLiteral("/folder.pdf")),
                      QUrl::fromLocalFile(tmp.path() + QStringLiteral("/missing.pdf")), QUrl::fromLocalFile(a)});
        QCOMPARE(FileUtils::pdfFilesFromMimeData(&data), QStringList({b, a}));
        QMimeData empty;
        QVERIFY(FileUtils::pdfFilesFromMimeData(&empty).isEmpty());
        QVERIFY(FileUtils::pdfFilesFromMimeData(nullptr).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFileUtils)
#include "tst_fileutils.moc"
