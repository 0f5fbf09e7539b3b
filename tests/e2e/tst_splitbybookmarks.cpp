#include "PdfProbe.h"
#include "SplitTestPdf.h"
#include "TestPaths.h"
#include "TestPdf.h"
#include "app/AppSettings.h"
#include "merge/InformationWorkerList.h"
#include "merge/Merge.h"
#include "pdf/DebenuService.h"
#include "split/Split.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Part = BookmarkParts::Part;
using Parts = QList<Part>;
using SplitTestPdf::DestinationForm;

namespace {

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

// Splitting at bookmarks: the outline as the PDF service reads it (checked
// against MuPDF's reading), the parts the split controller makes of a real
// outline at levels 1 and 2, and whole runs through the real worker whose
// files are named after the bookmarks and keep their own outline entries.
class TestSplitByBookmarks : public QObject
{
    Q_OBJECT

    std::shared_ptr<DebenuService> m_service;
    QTemporaryDir m_dir;
    QString m_linked;

    QString copyOf(const QString &source, const QString &name)
    {
        const QString path = m_dir.filePath(name);
        QFile::remove(path);
        if (!QFile::copy(source, path))
            qFatal("cannot copy %s", qPrintable(source));
        QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return path;
    }

    // Runs the controller's split to its end; the files it reported.
    static QStringList runToEnd(Split &split)
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
        return runToEnd(split);
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

private slots:
    void initTestCase()
    {
        AppSettings::applyIdentity();
        QVERIFY(m_dir.isValid());
        m_service = std::make_shared<DebenuService>();
        m_linked = m_dir.filePath("linked.pdf");
        QVERIFY(SplitTestPdf::writeLinked(m_linked));
    }

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
        const QStringList files = runToEnd(split);
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
        const QStringList files = runToEnd(split);
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
};

QTEST_MAIN(TestSplitByBookmarks)
#include "tst_splitbybookmarks.moc"
