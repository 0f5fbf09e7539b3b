#include "TestPaths.h"
#include "app/AppSettings.h"
#include "app/FileUtils.h"

#include <QMimeData>
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
        QVERIFY(cache.endsWith(QStringLiteral("/.Pinecone Sheafwright/cache")));
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
        if (::geteuid() == 0)
            QSKIP("root ignores folder permissions");
        QTemporaryDir tmp;
        const QString root = tmp.path() + QStringLiteral("/root");
        QVERIFY(QDir().mkpath(root + QStringLiteral("/locked")));
        touch(root + QStringLiteral("/locked/file"));
        QFile::setPermissions(root + QStringLiteral("/locked"), QFile::ReadOwner | QFile::ExeOwner);
        QVERIFY(!FileUtils::removeDirectory(root));
        QVERIFY(QFileInfo::exists(root));
        QFile::setPermissions(root + QStringLiteral("/locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
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
