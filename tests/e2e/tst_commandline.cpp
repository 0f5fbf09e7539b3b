#include "FileSizeLimit.h"
#include "PdfProbe.h"
#include "SplitTestPdf.h"
#include "TestPaths.h"
#include "TestPdf.h"
#include "app/AppSettings.h"
#include "app/FileUtils.h"
#include "app/Logger.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Run
{
    int exitCode = -1;   // -1: crashed or did not end
    QByteArray out;
    QByteArray err;
    QJsonObject json;    // standard output read as JSON, when it is
};

// The files below folder with a ".pdf" name, sorted by name.
QStringList pdfsIn(const QString &folder)
{
    QStringList files;
    for (const QString &name : QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name))
        files << QDir(folder).filePath(name);
    return files;
}

QStringList paths(const QJsonObject &json)
{
    QStringList result;
    for (const QJsonValue &file : json.value(QStringLiteral("files")).toArray())
        result << file.toObject().value(QStringLiteral("path")).toString();
    return result;
}

QList<int> pagesOf(const QJsonObject &json)
{
    QList<int> result;
    for (const QJsonValue &file : json.value(QStringLiteral("files")).toArray())
        result << file.toObject().value(QStringLiteral("pages")).toInt();
    return result;
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

// "sheafwright split" and "sheafwright merge" as a script runs them: the
// built program with no display at all (no DISPLAY, no WAYLAND_DISPLAY, no
// Qt platform), on real documents, with the outputs read back by other
// programs (pdfinfo, pdftotext, mutool, the qpdf library).
class TestCommandLine : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_numbered;   // 11 pages, "Original page N"
    QString m_manual;     // a copy of the 101-page manual
    int m_case = 0;

    static QString program() { return TestPaths::binDir() + QStringLiteral("/sheafwright"); }

    // A fresh folder for one case's outputs.
    QString freshFolder()
    {
        const QString folder = m_dir.filePath(QStringLiteral("case%1").arg(++m_case));
        QDir().mkpath(folder);
        return folder;
    }

    static Run sheafwright(const QStringList &arguments, const QByteArray &input = QByteArray(),
                           const QString &executable = program())
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        process.setProcessEnvironment(environment);
        process.start(executable, arguments);
        Run run;
        if (!process.waitForStarted(10000))
            return run;
        process.write(input);
        process.closeWriteChannel();
        if (!process.waitForFinished(120000)) {
            process.kill();
            process.waitForFinished(5000);
            return run;
        }
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = process.readAllStandardOutput();
        run.err = process.readAllStandardError();
        run.json = QJsonDocument::fromJson(run.out).object();
        return run;
    }

    QString copyOf(const QString &source, const QString &name)
    {
        const QString target = m_dir.filePath(name);
        QFile::remove(target);
        if (!QFile::copy(source, target))
            qFatal("cannot copy %s", qPrintable(source));
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        return target;
    }

private slots:
    void initTestCase()
    {
        AppSettings::applyIdentity();
        AppSettings::open()->setValue(QLatin1String(AppSettings::keyLanguage), QStringLiteral("en"));
        QVERIFY(m_dir.isValid());
        for (const char *tool : {"pdfinfo", "pdftotext", "mutool", "qpdf"})
            QVERIFY2(!TestPaths::program(QString::fromLatin1(tool)).isEmpty(), tool);
        m_numbered = copyOf(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")), QStringLiteral("numbered.pdf"));
        m_manual = copyOf(TestPaths::realManual(), QStringLiteral("manual.pdf"));
    }

    // Beside the file by default, one output per page, quiet when no
    // terminal watches; with --to and --every the groups start at --start.
    void perPageAndGroups()
    {
        const QString folder = freshFolder();
        const QString source = copyOf(m_numbered, QStringLiteral("case%1/numbered.pdf").arg(m_case));
        const QStringList sourceTexts = PdfProbe::pageTexts(source);
        QCOMPARE(sourceTexts.size(), 11);

        const Run perPage = sheafwright({QStringLiteral("split"), QStringLiteral("--per-page"), source});
        QVERIFY2(perPage.exitCode == 0, perPage.err.constData());
        QVERIFY2(perPage.err.isEmpty() && perPage.out.isEmpty(), (perPage.out + perPage.err).constData());
        QStringList parts = pdfsIn(folder);
        parts.removeOne(source);
        QCOMPARE(parts.size(), 11);
        for (const QString &part : parts) {
            const QStringList texts = PdfProbe::pageTexts(part);
            QCOMPARE(texts.size(), 1);
            QVERIFY2(sourceTexts.contains(texts.first()), qPrintable(part));
        }
        // The same again, told in JSON: the files in page order; none replaced.
        const Run again = sheafwright({QStringLiteral("split"), QStringLiteral("--per-page"), QStringLiteral("--json"), source});
        QVERIFY2(again.exitCode == 0, again.err.constData());
        QStringList againTexts;
        for (const QString &part : paths(again.json)) {
            QVERIFY2(!parts.contains(part), qPrintable(part));
            againTexts << PdfProbe::pageTexts(part);
        }
        QCOMPARE(againTexts, sourceTexts);
        QCOMPARE(pdfsIn(folder).size(), 1 + 2 * 11);

        const QString groups = m_dir.filePath(QStringLiteral("groups/of/four"));
        const Run every = sheafwright({QStringLiteral("split"), QStringLiteral("--every"), QStringLiteral("4"),
                                       QStringLiteral("--start=2"), QStringLiteral("--to"), groups,
                                       QStringLiteral("--json"), source});
        QVERIFY2(every.exitCode == 0, every.err.constData());
        QCOMPARE(every.json.value(QStringLiteral("exit_code")).toInt(), 0);
        QCOMPARE(every.json.value(QStringLiteral("requested")).toInt(), 3);
        QCOMPARE(pagesOf(every.json), (QList<int>{4, 4, 2}));
        const QStringList written = paths(every.json);
        QCOMPARE(QStringList(written).size(), pdfsIn(groups).size());
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(PdfProbe::pageCount(written.at(i)), i < 2 ? 4 : 2);
            QCOMPARE(PdfProbe::pageTexts(written.at(i)).first(), sourceTexts.at(1 + 4 * i));
        }
    }

    // Page ranges as people write them, and a copy without pages, on a real
    // manual: every page where it belongs, links still going somewhere.
    void rangesAndWithoutOnARealManual()
    {
        const QString folder = freshFolder();
        const QStringList sourceTexts = PdfProbe::pageTexts(m_manual);
        QCOMPARE(sourceTexts.size(), 101);

        const Run ranges = sheafwright({QStringLiteral("split"), QStringLiteral("--ranges"),
                                        QStringLiteral("1-3, 7,10 - 12 ,99-"), QStringLiteral("--to"), folder,
                                        QStringLiteral("--json"), m_manual});
        QVERIFY2(ranges.exitCode == 0, ranges.err.constData());
        QCOMPARE(pagesOf(ranges.json), (QList<int>{3, 1, 3, 3}));
        const QStringList parts = paths(ranges.json);
        const QList<int> firstPages{1, 7, 10, 99};
        for (int i = 0; i < parts.size(); ++i) {
            const QStringList texts = PdfProbe::pageTexts(parts.at(i));
            QCOMPARE(texts.size(), pagesOf(ranges.json).at(i));
            QCOMPARE(texts.first(), sourceTexts.at(firstPages.at(i) - 1));
        }

        const Run without = sheafwright({QStringLiteral("split"), QStringLiteral("--without"), QStringLiteral("2-5,7, 3"),
                                         QStringLiteral("--to"), folder, QStringLiteral("--json"), m_manual});
        QVERIFY2(without.exitCode == 0, without.err.constData());
        QCOMPARE(without.json.value(QStringLiteral("requested")).toInt(), 1);
        QCOMPARE(pagesOf(without.json), QList<int>{96});
        const QStringList shorter = PdfProbe::pageTexts(paths(without.json).first());
        QCOMPARE(shorter.size(), 96);
        QCOMPARE(shorter.at(0), sourceTexts.at(0));
        QCOMPARE(shorter.at(1), sourceTexts.at(5));
        QCOMPARE(shorter.at(2), sourceTexts.at(7));
        QCOMPARE(shorter.last(), sourceTexts.last());
    }

    // One file per chapter, named after it, with the chapter's bookmarks;
    // together they hold every page once.
    void byBookmarksOnARealManual()
    {
        const QString folder = freshFolder();
        // The chapters as MuPDF reads them: level-1 entries, each starting a
        // part at a page where none started yet.
        QList<int> starts;
        QStringList titles;
        for (const QString &entry : PdfProbe::outline(m_manual)) {
            const int page = entry.section(QStringLiteral("->"), -1).toInt();
            if (entry.startsWith(QLatin1String("1:")) && page > 0 && !starts.contains(page)) {
                starts << page;
                titles << entry.section(QLatin1Char(':'), 1).section(QStringLiteral("->"), 0, -2);
            }
        }
        QVERIFY(starts.size() >= 5);
        const int expectedParts = starts.size() + (starts.first() > 1 ? 1 : 0);

        const Run run = sheafwright({QStringLiteral("split"), QStringLiteral("--by-bookmarks"), QStringLiteral("1"),
                                     QStringLiteral("--to"), folder, QStringLiteral("--json"), m_manual});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const QStringList parts = paths(run.json);
        QCOMPARE(parts.size(), expectedParts);
        QCOMPARE(run.json.value(QStringLiteral("requested")).toInt(), expectedParts);
        int total = 0;
        for (int pages : pagesOf(run.json))
            total += pages;
        QCOMPARE(total, 101);
        // The last chapter: its name, its first page, its own bookmarks.
        const QString last = parts.last();
        QVERIFY2(QFileInfo(last).fileName().contains(titles.last().left(10)), qPrintable(last + " / " + titles.last()));
        QCOMPARE(PdfProbe::pageCount(last), 101 - starts.last() + 1);
        QCOMPARE(PdfProbe::pageTexts(last).first(), PdfProbe::pageTexts(m_manual).at(starts.last() - 1));
        QVERIFY(!PdfProbe::outline(last).isEmpty());
    }

    // Parts no larger than the limit, except a single page that alone is
    // larger, which is named; all pages in order.
    void bySize()
    {
        const QString folder = freshFolder();
        const Run run = sheafwright({QStringLiteral("split"), QStringLiteral("--by-size"), QStringLiteral("150kB"),
                                     QStringLiteral("--to"), folder, QStringLiteral("--json"), m_manual});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QVERIFY(!run.json.contains(QStringLiteral("requested")));
        const QStringList parts = paths(run.json);
        QVERIFY2(parts.size() >= 3, run.out.constData());
        const QStringList oversized = run.json.value(QStringLiteral("oversized")).toVariant().toStringList();
        int total = 0;
        for (int i = 0; i < parts.size(); ++i) {
            const int pages = PdfProbe::pageCount(parts.at(i));
            QCOMPARE(pages, pagesOf(run.json).at(i));
            total += pages;
            if (!oversized.contains(parts.at(i)))
                QVERIFY2(QFileInfo(parts.at(i)).size() <= 150000, qPrintable(parts.at(i)));
        }
        QCOMPARE(total, 101);
    }

    // FILE:PAGES takes those pages in the order typed; --interleave with
    // --reverse-last collates front and back sides; --blank-after-odd puts
    // a blank page after a file of odd length. Checked page by page.
    void mergeChosenPagesAndLayouts()
    {
        const QStringList source = PdfProbe::pageTexts(m_numbered);
        QCOMPARE(source.size(), 11);
        auto pagesOf = [&](std::initializer_list<int> numbers) {
            QStringList texts;
            for (int number : numbers)
                texts << (number ? source.at(number - 1) : QString());
            return texts;
        };
        struct Case
        {
            QStringList options;
            QStringList files;
            QStringList expected;
        };
        const QList<Case> cases = {
            {{}, {m_numbered + QStringLiteral(":7,1-3"), m_numbered + QStringLiteral(":10-")},
             pagesOf({7, 1, 2, 3, 10, 11})},
            {{QStringLiteral("--interleave"), QStringLiteral("--reverse-last")},
             {m_numbered + QStringLiteral(":1-3"), m_numbered + QStringLiteral(":4-6")}, pagesOf({1, 6, 2, 5, 3, 4})},
            {{QStringLiteral("--blank-after-odd")}, {m_numbered + QStringLiteral(":1-3"), m_numbered + QStringLiteral(":5 - 6")},
             pagesOf({1, 2, 3, 0, 5, 6})},
        };
        for (const Case &c : cases) {
            const QString output = freshFolder() + QStringLiteral("/chosen.pdf");
            const Run run = sheafwright(QStringList{QStringLiteral("merge"), QStringLiteral("-o"), output} + c.options + c.files);
            QVERIFY2(run.exitCode == 0, run.err.constData());
            QCOMPARE(PdfProbe::pageTexts(output), c.expected);
        }
    }

    // A file qpdf cannot read is refused with the way out named; with
    // --repair a copy that MuPDF repairs stands in for it, for a split
    // (parts beside the file itself) and a merge, and the file stays as it
    // was.
    void repairStandsInForAnUnreadableFile()
    {
        const QString folder = freshFolder();
        const QString broken = folder + QStringLiteral("/broken.pdf");
        QVERIFY(TestPdf::writeNumberedWithoutTrailer(broken, 3));
        QFile original(broken);
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray before = original.readAll();
        original.close();

        const Run refused = sheafwright({QStringLiteral("split"), QStringLiteral("--per-page"), broken});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.contains("--repair tries a copy repaired by MuPDF"), refused.err.constData());
        QCOMPARE(pdfsIn(folder), QStringList{broken});

        const Run split = sheafwright({QStringLiteral("split"), QStringLiteral("--per-page"), QStringLiteral("--repair"),
                                       QStringLiteral("--json"), broken});
        QVERIFY2(split.exitCode == 0, split.err.constData());
        QVERIFY2(split.err.contains("a copy repaired by MuPDF, with 3 pages, is used"), split.err.constData());
        QCOMPARE(pagesOf(split.json), QList<int>({1, 1, 1}));
        for (const QString &part : paths(split.json))
            QCOMPARE(QFileInfo(part).absolutePath(), folder);

        const QString merged = folder + QStringLiteral("/merged/both.pdf");
        const Run merge = sheafwright({QStringLiteral("merge"), QStringLiteral("--repair"), QStringLiteral("-o"), merged,
                                       m_numbered, broken});
        QVERIFY2(merge.exitCode == 0, merge.err.constData());
        QCOMPARE(PdfProbe::pageCount(merged), 11 + 3);

        QVERIFY(original.open(QIODevice::ReadOnly));
        QCOMPARE(original.readAll(), before);
    }

    // Files in the order given, bookmarks of both, every link of both
    // tables of contents going to a page; the title and author given.
    void mergeKeepsBookmarksAndLinks()
    {
        const QString folder = freshFolder();
        const QString french = QStringLiteral("/usr/share/doc/auto-multiple-choice/auto-multiple-choice.fr.pdf");
        const int frenchPages = PdfProbe::pageCount(french);
        QVERIFY(frenchPages > 50);
        const QString output = folder + QStringLiteral("/new folder/both manuals.pdf");
        const Run run = sheafwright({QStringLiteral("merge"), QStringLiteral("--title"), QStringLiteral("Two manuals"),
                                     QStringLiteral("--author"), QStringLiteral("The test"), QStringLiteral("--json"),
                                     QStringLiteral("-o"), output, m_manual, french});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QCOMPARE(paths(run.json), QStringList{output});
        QCOMPARE(pagesOf(run.json), QList<int>{101 + frenchPages});
        QCOMPARE(PdfProbe::pageCount(output), 101 + frenchPages);
        QCOMPARE(PdfProbe::pageTexts(output).at(101), PdfProbe::pageTexts(french).first());
        QCOMPARE(SplitTestPdf::info(output, QStringLiteral("/Title")), QStringLiteral("Two manuals"));
        QCOMPARE(SplitTestPdf::info(output, QStringLiteral("/Author")), QStringLiteral("The test"));

        const QStringList outline = PdfProbe::outline(output);
        QVERIFY(outline.size() >= PdfProbe::outline(m_manual).size() + PdfProbe::outline(french).size());
        for (const QString &entry : outline)
            QVERIFY2(!entry.endsWith(QLatin1String("->0")), qPrintable(entry));
        int links = 0;
        for (int page : {2, 3, 4, 102, 103, 104}) {
            for (int target : SplitTestPdf::internalLinkTargets(output, page)) {
                QVERIFY2(target > 0, qPrintable(QStringLiteral("a link of page %1 goes nowhere").arg(page)));
                // Each manual's links stay inside it.
                QCOMPARE(target > 101, page > 101);
                ++links;
            }
        }
        QVERIFY(links >= 20);
    }

    // Passwords from a file (each line tried) or standard input, never from
    // the arguments; without them and without a terminal, exit 2 naming
    // the file. An owner password lifts a copy restriction.
    void passwordsFromFilesAndStandardInput()
    {
        const QString folder = freshFolder();
        const QString locked = TestPaths::fixture(QStringLiteral("enc-XI-R6,V5,U=view,O=master.pdf"));
        const QStringList split{QStringLiteral("split"), QStringLiteral("--ranges"), QStringLiteral("1-2"),
                                QStringLiteral("--to"), folder, QStringLiteral("--json"), locked};

        const Run refused = sheafwright(split);
        QCOMPARE(refused.exitCode, 2);
        QVERIFY2(refused.err.contains("enc-XI-R6,V5,U=view,O=master.pdf is protected by a password")
                     && refused.err.contains("--password-file"), refused.err.constData());
        QVERIFY(pdfsIn(folder).isEmpty());

        const QString passwords = m_dir.filePath(QStringLiteral("passwords.txt"));
        QVERIFY(writeFile(passwords, "wrong\r\n\nview\r\n"));   // line ends of another system
        const Run unlocked = sheafwright(QStringList{split.mid(0, 1)} << QStringLiteral("--password-file") << passwords
                                                                         << split.mid(1));
        QVERIFY2(unlocked.exitCode == 0, unlocked.err.constData());
        QCOMPARE(pagesOf(unlocked.json), QList<int>{2});
        QCOMPARE(PdfProbe::pageCount(paths(unlocked.json).first()), 2);

        // From a pipe whose writer comes later (as with "<(cat file)"): the
        // passwords are read to the end, not taken as absent.
        const QString fifo = m_dir.filePath(QStringLiteral("passwords.fifo"));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QProcess late;
        late.start(program(), QStringList{split.mid(0, 1)} << QStringLiteral("--password-file") << fifo << split.mid(1));
        QVERIFY(late.waitForStarted(10000));
        {
            QFile writer(fifo);
            QVERIFY(writer.open(QIODevice::WriteOnly));   // once the command opened it to read
            writer.write("view\n");
        }
        QVERIFY(late.waitForFinished(60000));
        QVERIFY2(late.exitCode() == 0, late.readAllStandardError().constData());

        // Copying is not allowed without the owner password.
        const QString restricted = TestPaths::fixture(QStringLiteral("enc-R3,V2,O=master.pdf"));
        const Run readOnly = sheafwright({QStringLiteral("split"), QStringLiteral("--per-page"), QStringLiteral("--to"),
                                          folder, restricted});
        QCOMPARE(readOnly.exitCode, 2);
        QVERIFY2(readOnly.err.contains("does not allow copying"), readOnly.err.constData());
        const Run owner = sheafwright({QStringLiteral("split"), QStringLiteral("--password-stdin"), QStringLiteral("--every"),
                                       QStringLiteral("10"), QStringLiteral("--to"), folder, QStringLiteral("--json"),
                                       restricted},
                                      "master\n");
        QVERIFY2(owner.exitCode == 0, owner.err.constData());
        QCOMPARE(pagesOf(owner.json), (QList<int>{10, 10, 10}));

        // A password with spaces is taken as written, and the merged file is
        // protected with the password of a second file.
        const QString spaced = m_dir.filePath(QStringLiteral("spaced.txt"));
        QVERIFY(writeFile(spaced, "asdf asdf asdf asdf asdf asdf qwer\n"));
        const QString protection = m_dir.filePath(QStringLiteral("protection.txt"));
        QVERIFY(writeFile(protection, " s3cret pass \n"));   // surrounding spaces protect nothing
        const QString merged = folder + QStringLiteral("/protected.pdf");
        const Run merge = sheafwright({QStringLiteral("merge"), QStringLiteral("--json"), QStringLiteral("--password-file"), spaced,
                                       QStringLiteral("--protect-password-file"), protection, QStringLiteral("-o"),
                                       merged, TestPaths::fixture(QStringLiteral("enc-long-password.pdf")), m_numbered});
        QVERIFY2(merge.exitCode == 0, merge.err.constData());
        QVERIFY(PdfProbe::requiresPassword(merged));
        QCOMPARE(pagesOf(merge.json), QList<int>{30 + 11});
        QCOMPARE(PdfProbe::pageCount(merged, QStringLiteral("s3cret pass")), 30 + 11);

        // None of the passwords is left in the log, the settings or the
        // working folders.
        QStringList written{AppSettings::open()->fileName()};
        for (const QString &folder : {Logger::instance().logDirectory(), FileUtils::cacheDirectory()}) {
            QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext())
                written << it.next();
        }
        QVERIFY(written.size() >= 2);
        for (const QString &path : written) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray data = file.readAll();
            for (const char *password : {"s3cret pass", "asdf asdf", "master\n", "view\n", "view\r"})
                QVERIFY2(!data.contains(password), qPrintable(path + QLatin1String(": ") + password));
        }
    }

    // Bad usage ends with 2 and a message naming the problem, and writes
    // nothing; a file that is no PDF inside ends with the worker's code.
    void badUsageNamesTheProblem_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString numbered = m_dir.filePath(QStringLiteral("numbered.pdf"));
        const QString text = m_dir.filePath(QStringLiteral("notes.pdf"));
        writeFile(text, "plain text, not a document\n");
        const QString damaged = m_dir.filePath(QStringLiteral("damaged.pdf"));
        writeFile(damaged, "%PDF-1.7\nnothing of a document follows\n");
        const QString taken = m_dir.filePath(QStringLiteral("taken.pdf"));
        writeFile(taken, "%PDF-1.4\n");
        const QString missing = m_dir.filePath(QStringLiteral("gone.pdf"));
        const QString split = QStringLiteral("split");
        const QString merge = QStringLiteral("merge");

        QTest::newRow("unknown option") << QStringList{split, QStringLiteral("--per-pag"), numbered} << 2
                                        << QStringLiteral("Unknown option 'per-pag'");
        QTest::newRow("no way to split") << QStringList{split, numbered} << 2 << QStringLiteral("Choose how to split");
        QTest::newRow("two ways") << QStringList{split, QStringLiteral("--per-page"), QStringLiteral("--every=2"), numbered}
                                  << 2 << QStringLiteral("--per-page and --every are two ways to split");
        QTest::newRow("missing file") << QStringList{split, QStringLiteral("--per-page"), missing} << 2
                                      << QStringLiteral("gone.pdf does not exist.");
        QTest::newRow("two files") << QStringList{split, QStringLiteral("--per-page"), numbered, numbered} << 2
                                   << QStringLiteral("split takes one PDF file");
        QTest::newRow("backward range") << QStringList{split, QStringLiteral("--ranges"), QStringLiteral("1,5-3"), numbered}
                                        << 2 << QStringLiteral("--ranges: 5-3 runs backwards: write 3-5.");
        QTest::newRow("range past the end") << QStringList{split, QStringLiteral("--ranges"), QStringLiteral("9-12"), numbered}
                                            << 2 << QStringLiteral("--ranges: There is no page 12: the document has 11 pages.");
        QTest::newRow("not a range") << QStringList{split, QStringLiteral("--without"), QStringLiteral("3, all"), numbered}
                                     << 2 << QStringLiteral("--without: \"all\" is not a page or a range.");
        QTest::newRow("every page removed") << QStringList{split, QStringLiteral("--without"), QStringLiteral("1-"), numbered}
                                            << 2 << QStringLiteral("every page of");
        QTest::newRow("group of none") << QStringList{split, QStringLiteral("--every"), QStringLiteral("0"), numbered} << 2
                                       << QStringLiteral("--every needs a whole number of pages");
        QTest::newRow("start past the end") << QStringList{split, QStringLiteral("--every"), QStringLiteral("2"),
                                                           QStringLiteral("--start"), QStringLiteral("12"), numbered}
                                            << 2 << QStringLiteral("--start 12 is past the last page");
        QTest::newRow("size without unit") << QStringList{split, QStringLiteral("--by-size"), QStringLiteral("9"), numbered}
                                           << 2 << QStringLiteral("--by-size needs a size with its unit");
        QTest::newRow("no bookmarks") << QStringList{split, QStringLiteral("--by-bookmarks"), QStringLiteral("1"), numbered}
                                      << 2 << QStringLiteral("has no bookmarks");
        QTest::newRow("not a PDF") << QStringList{split, QStringLiteral("--per-page"), text} << 2
                                   << QStringLiteral("notes.pdf is not a PDF file.");
        QTest::newRow("a folder") << QStringList{split, QStringLiteral("--per-page"), m_dir.path()} << 2
                                  << QStringLiteral("is a folder, not a PDF file.");
        QTest::newRow("damaged") << QStringList{split, QStringLiteral("--per-page"), damaged} << 1
                                 << QStringLiteral("damaged.pdf cannot be read as a PDF file");
        QTest::newRow("no terminal to ask") << QStringList{split, QStringLiteral("--protect"), QStringLiteral("--per-page"), numbered}
                                            << 2 << QStringLiteral("--protect asks for the password on a terminal");
        QTest::newRow("merge without output") << QStringList{merge, numbered, numbered} << 2
                                              << QStringLiteral("Name the merged file with -o OUTPUT.");
        QTest::newRow("merge over a file") << QStringList{merge, QStringLiteral("-o"), taken, numbered, numbered} << 2
                                           << QStringLiteral("taken.pdf exists already");
        QTest::newRow("merge of one") << QStringList{merge, QStringLiteral("-o"), m_dir.filePath(QStringLiteral("one.pdf")),
                                                     numbered}
                                      << 2 << QStringLiteral("Name at least two PDF files");
        QTest::newRow("merge of a missing file")
            << QStringList{merge, QStringLiteral("-o"), m_dir.filePath(QStringLiteral("one.pdf")), numbered, missing}
            << 2 << QStringLiteral("gone.pdf does not exist.");
        QTest::newRow("merge pages past the end")
            << QStringList{merge, QStringLiteral("-o"), m_dir.filePath(QStringLiteral("one.pdf")), numbered,
                           numbered + QStringLiteral(":9-12")}
            << 2 << QStringLiteral("numbered.pdf: There is no page 12: the document has 11 pages.");
        QTest::newRow("reverse without interleave")
            << QStringList{merge, QStringLiteral("--reverse-last"), QStringLiteral("-o"),
                           m_dir.filePath(QStringLiteral("one.pdf")), numbered, numbered}
            << 2 << QStringLiteral("add --interleave");
        if (::geteuid() != 0) {   // the superuser reads any file
            const QString closed = m_dir.filePath(QStringLiteral("closed.pdf"));
            QFile::copy(numbered, closed);
            QFile::setPermissions(closed, QFile::WriteOwner);
            QTest::newRow("unreadable") << QStringList{split, QStringLiteral("--per-page"), closed} << 2
                                        << QStringLiteral("closed.pdf cannot be read.");
        }
    }
    void badUsageNamesTheProblem()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const QStringList before = pdfsIn(m_dir.path());
        const Run run = sheafwright(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(QString::fromLocal8Bit(run.err).contains(message), run.err.constData());
        QVERIFY2(run.err.startsWith("sheafwright " + arguments.first().toUtf8() + ": "), run.err.constData());
        QVERIFY(run.out.isEmpty());
        QCOMPARE(pdfsIn(m_dir.path()), before);
    }

    // A file that cannot be read is left out, named with its reason, the
    // others are merged, and the run does not end with 0.
    void mergeLeavesOutWhatItCannotRead()
    {
        const QString folder = freshFolder();
        const QString damaged = m_dir.filePath(QStringLiteral("damaged.pdf"));
        QVERIFY(QFileInfo::exists(damaged));
        const QString output = folder + QStringLiteral("/merged.pdf");
        const Run run = sheafwright({QStringLiteral("merge"), QStringLiteral("--json"), QStringLiteral("-o"), output,
                                     m_numbered, damaged, m_numbered});
        QCOMPARE(run.exitCode, 9);
        QCOMPARE(run.json.value(QStringLiteral("exit_code")).toInt(), 9);
        QCOMPARE(pagesOf(run.json), QList<int>{22});
        QCOMPARE(PdfProbe::pageCount(output), 22);
        const QJsonArray leftOut = run.json.value(QStringLiteral("left_out")).toArray();
        QCOMPARE(leftOut.size(), 1);
        QCOMPARE(leftOut.first().toObject().value(QStringLiteral("path")).toString(), damaged);
        QCOMPARE(leftOut.first().toObject().value(QStringLiteral("reason")).toString(), QStringLiteral("unreadable"));
        QVERIFY2(run.err.contains("damaged.pdf cannot be read as a PDF file") && run.err.contains("left out"),
                 run.err.constData());
    }

    // Past a file size limit (a full disk played by RLIMIT_FSIZE) a split
    // ends with a failure code and says why, and keeps only whole files.
    void fullDiskNamesTheCause()
    {
        const QString folder = freshFolder();
        Run run;
        {
            FileSizeLimit limit(60 * 1000);
            QVERIFY(limit.isSet());
            run = sheafwright({QStringLiteral("split"), QStringLiteral("--ranges"), QStringLiteral("1, 2-101"),
                               QStringLiteral("--to"), folder, QStringLiteral("--json"), m_manual});
        }
        QCOMPARE(run.exitCode, 9);
        // In the words the split screen uses, from the same table, with the
        // pages that no file holds.
        QVERIFY2(run.err.contains("Not every file could be written.")
                     && run.err.contains("grew past the largest size")
                     && run.err.contains("The 1 file written before the failure is complete and was kept in")
                     && run.err.contains("No file holds these pages: 2-101."),
                 run.err.constData());
        QCOMPARE(pagesOf(run.json), QList<int>{1});
        QCOMPARE(pdfsIn(folder), paths(run.json));
        QVERIFY(PdfProbe::isComplete(paths(run.json).first()));
    }

    // Without its worker the command says which program is missing.
    void missingWorkerIsNamed()
    {
        const QString lonely = m_dir.filePath(QStringLiteral("lonely"));
        QVERIFY(QDir().mkpath(lonely));
        const QString copy = lonely + QStringLiteral("/sheafwright");
        QVERIFY(QFile::copy(program(), copy));
        const Run run = sheafwright({QStringLiteral("split"), QStringLiteral("--per-page"), QStringLiteral("--to"),
                                     freshFolder(), m_numbered},
                                    QByteArray(), copy);
        QCOMPARE(run.exitCode, 7);
        QVERIFY2(run.err.contains(QFile::encodeName(lonely + QStringLiteral("/pdfworker"))) && run.err.contains("missing"),
                 run.err.constData());
        QVERIFY(pdfsIn(m_dir.filePath(QStringLiteral("case%1").arg(m_case))).isEmpty());
    }

    // The commands' help, the program's help naming them, and a file named
    // like a command reached by its path.
    void helpAndFilesNamedLikeCommands()
    {
        const Run splitHelp = sheafwright({QStringLiteral("split"), QStringLiteral("--help")});
        QCOMPARE(splitHelp.exitCode, 0);
        QVERIFY2(splitHelp.out.startsWith("Usage: sheafwright split [options] FILE\n"), splitHelp.out.constData());
        for (const char *option : {"--per-page", "--every <N>", "--start <K>", "--ranges <LIST>", "--without <LIST>",
                                   "--by-bookmarks <LEVEL>", "--by-size <SIZE>", "--to <FOLDER>", "--password-file <FILE>",
                                   "--password-stdin", "--protect", "--json"})
            QVERIFY2(splitHelp.out.contains(option), option);
        const Run mergeHelp = sheafwright({QStringLiteral("merge"), QStringLiteral("-h")});
        QCOMPARE(mergeHelp.exitCode, 0);
        QVERIFY2(mergeHelp.out.startsWith("Usage: sheafwright merge [options] -o OUTPUT FILE[:PAGES]...\n"), mergeHelp.out.constData());

        const Run general = sheafwright({QStringLiteral("--help")});
        QCOMPARE(general.exitCode, 0);
        QVERIFY2(general.out.contains("sheafwright split --help"), general.out.constData());
        // "./split" is a file: the program's own help, not the command's.
        const Run file = sheafwright({QStringLiteral("./split"), QStringLiteral("--help")});
        QCOMPARE(file.out, general.out);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
