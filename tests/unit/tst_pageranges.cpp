#include "protocol/PageEntry.h"
#include "split/PageRanges.h"

#include <QSignalSpy>
#include <QtTest>

using Range = PageRanges::Range;

class TestPageRanges : public QObject
{
    Q_OBJECT

    // Records every signal of one list in the order it arrives.
    struct Recorder
    {
        QStringList events;
        explicit Recorder(PageRanges &ranges)
        {
            QObject::connect(&ranges, &PageRanges::changed, [this] { events << QStringLiteral("changed"); });
            QObject::connect(&ranges, &PageRanges::cleared, [this] { events << QStringLiteral("cleared"); });
            QObject::connect(&ranges, &PageRanges::added, [this](int from, int to) {
                events << QStringLiteral("added %1-%2").arg(from).arg(to);
            });
        }
    };

private slots:
    void nothingIsAcceptedBeforeAnInterval()
    {
        PageRanges ranges;
        Recorder rec(ranges);
        ranges.addRange(1, 1);
        ranges.addRange(0, 0);
        QVERIFY(ranges.isEmpty());
        QVERIFY(rec.events.isEmpty());
    }

    void boundsAreCheckedOnBothEnds()
    {
        PageRanges ranges;
        ranges.setInterval(1, 10);
        Recorder rec(ranges);
        ranges.addRange(0, 3);
        ranges.addRange(3, 11);
        ranges.addRange(11, 11);
        ranges.addRange(-5, 2);
        QVERIFY(ranges.isEmpty());
        QVERIFY(rec.events.isEmpty());

        ranges.addRange(10, 10);
        ranges.addRange(1, 10);
        QCOMPARE(ranges.ranges(), (QList<Range>{{10, 10}, {1, 10}}));
        QCOMPARE(rec.events, (QStringList{"added 10-10", "changed", "added 1-10", "changed"}));
    }

    void reversedPairIsStoredAsGiven()
    {
        PageRanges ranges;
        ranges.setInterval(1, 10);
        ranges.addRange(7, 2);
        QCOMPARE(ranges.ranges(), (QList<Range>{{7, 2}}));
    }

    void insertionOrderIsKeptWithoutSortingOrMerging()
    {
        PageRanges ranges;
        ranges.setInterval(1, 20);
        ranges.addRange(9, 12);
        ranges.addRange(1, 3);
        ranges.addRange(2, 10);
        QCOMPARE(ranges.ranges(), (QList<Range>{{9, 12}, {1, 3}, {2, 10}}));
    }

    void duplicatesAreStoredAndRemovedTogether()
    {
        PageRanges ranges;
        ranges.setInterval(1, 10);
        ranges.addRange(5, 6);
        Recorder rec(ranges);
        ranges.addRange(2, 4);
        ranges.addRange(2, 4);
        ranges.addRange(8, 8);
        QCOMPARE(rec.events.count(QStringLiteral("added 2-4")), 2);
        rec.events.clear();

        ranges.remove(2, 4);
        QCOMPARE(ranges.ranges(), (QList<Range>{{5, 6}, {8, 8}}));
        QCOMPARE(rec.events, QStringList{"changed"});
    }

    void removingAPairThatIsNotStoredIsSilent()
    {
        PageRanges ranges;
        ranges.setInterval(1, 10);
        ranges.addRange(4, 5);
        Recorder rec(ranges);
        ranges.remove(5, 5);
        ranges.remove(qMakePair(5, 4)); // the reversed pair is a different pair
        QCOMPARE(ranges.ranges(), (QList<Range>{{4, 5}}));
        QVERIFY(rec.events.isEmpty());
    }

    void clearAlwaysSignals()
    {
        PageRanges ranges;
        Recorder rec(ranges);
        ranges.clear();
        QCOMPARE(rec.events, (QStringList{"cleared", "changed"}));
    }

    // A shorter document keeps the entries made for a longer one and tells
    // which of them it does not have; a longer one makes them fit again.
    void narrowingTheIntervalKeepsStoredPairsAndTellsWhichDoNotFit()
    {
        PageRanges ranges;
        ranges.setInterval(1, 200);
        QVERIFY(ranges.addRange(150, 200));
        QVERIFY(ranges.addRange(2, 3));
        QVERIFY(ranges.addRange(100, 120));
        QSignalSpy changed(&ranges, &PageRanges::changed);
        QSignalSpy interval(&ranges, &PageRanges::intervalChanged);
        ranges.setInterval(1, 113);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(interval.count(), 1);
        QCOMPARE(ranges.ranges(), (QList<Range>{{150, 200}, {2, 3}, {100, 120}}));
        QCOMPARE(ranges.outsideRanges(), (QList<Range>{{150, 200}, {100, 120}}));
        QVERIFY(ranges.fits({100, 113}));
        QVERIFY(!ranges.fits({5, 4}));
        QVERIFY(!ranges.addRange(114, 114));
        QCOMPARE(ranges.ranges().size(), 3);
        QCOMPARE(ranges.maxValue(), 113);
        ranges.setInterval(1, 113);
        QCOMPARE(interval.count(), 1); // the same bounds again: nothing new to tell
        ranges.setInterval(1, 300);
        QVERIFY(ranges.outsideRanges().isEmpty());
    }

    // Every way the split screen's fields are typed in, with what it reads
    // or why it refuses, on a document of 113 pages.
    void typedEntries_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<Range>>("read");
        QTest::addColumn<int>("problem");
        QTest::addColumn<QString>("message");
        const int list = PageEntry::Pages;
        const int page = PageEntry::Page;
        const int count = PageEntry::Count;
        const int ok = PageEntry::None;
        const QList<Range> none;
        QTest::newRow("page") << list << "7" << QList<Range>{{7, 7}} << ok << "";
        QTest::newRow("range, not page 35") << list << "3-5" << QList<Range>{{3, 5}} << ok << "";
        QTest::newRow("range with spaces") << list << " 3 - 5 " << QList<Range>{{3, 5}} << ok << "";
        QTest::newRow("range with an en dash") << list << QString::fromUtf8("3–5") << QList<Range>{{3, 5}} << ok << "";
        QTest::newRow("two pages") << list << "3,5" << QList<Range>{{3, 3}, {5, 5}} << ok << "";
        QTest::newRow("mixed, in the order typed")
            << list << "9-10; 1, 4-4," << QList<Range>{{9, 10}, {1, 1}, {4, 4}} << ok << "";
        QTest::newRow("to the end") << list << "7-" << QList<Range>{{7, 113}} << ok << "";
        QTest::newRow("from the start") << list << "-5" << QList<Range>{{1, 5}} << ok << "";
        QTest::newRow("last page") << list << "113" << QList<Range>{{113, 113}} << ok << "";
        QTest::newRow("nothing") << list << "  " << none << int(PageEntry::Empty)
                                 << "Enter pages, for example 3, 5-7 or 9-.";
        QTest::newRow("only commas") << list << ",," << none << int(PageEntry::Empty)
                                     << "Enter pages, for example 3, 5-7 or 9-.";
        QTest::newRow("page 0") << list << "0" << none << int(PageEntry::BelowOne) << "Pages are numbered from 1.";
        QTest::newRow("range from 0") << list << "0-4" << none << int(PageEntry::BelowOne) << "Pages are numbered from 1.";
        QTest::newRow("past the end") << list << "999" << none << int(PageEntry::PastEnd)
                                      << "There is no page 999: the document has 113 pages.";
        QTest::newRow("range partly past the end") << list << "100-120" << none << int(PageEntry::PastEnd)
                                                   << "There is no page 120: the document has 113 pages.";
        QTest::newRow("one bad part refuses all") << list << "2, 4, 200" << none << int(PageEntry::PastEnd)
                                                  << "There is no page 200: the document has 113 pages.";
        QTest::newRow("a number no int holds") << list << "99999999999999999999" << none << int(PageEntry::PastEnd)
                                               << "There is no page 99999999999999999999: the document has 113 pages.";
        QTest::newRow("backwards") << list << "5-3" << none << int(PageEntry::Backwards) << "5-3 runs backwards: write 3-5.";
        QTest::newRow("letters") << list << "3a" << none << int(PageEntry::NotANumber)
                                 << "\"3a\" is not a page or a range. Write pages like 3, 5-7 or 9-.";
        QTest::newRow("a space is no separator") << list << "3 5" << none << int(PageEntry::NotANumber)
                                                 << "\"3 5\" is not a page or a range. Write pages like 3, 5-7 or 9-.";
        QTest::newRow("two dashes") << list << "3-5-7" << none << int(PageEntry::NotANumber)
                                    << "\"3-5-7\" is not a page or a range. Write pages like 3, 5-7 or 9-.";
        QTest::newRow("a dash alone") << list << "-" << none << int(PageEntry::NotANumber)
                                      << "\"-\" is not a page or a range. Write pages like 3, 5-7 or 9-.";
        QTest::newRow("a sign") << list << "+3" << none << int(PageEntry::NotANumber)
                                << "\"+3\" is not a page or a range. Write pages like 3, 5-7 or 9-.";
        QTest::newRow("one page") << page << " 12 " << QList<Range>{{12, 12}} << ok << "";
        QTest::newRow("one page, not a range") << page << "3-5" << none << int(PageEntry::NotANumber)
                                               << "\"3-5\" is not a page number.";
        QTest::newRow("one page past the end") << page << "114" << none << int(PageEntry::PastEnd)
                                               << "There is no page 114: the document has 113 pages.";
        QTest::newRow("no page") << page << "" << none << int(PageEntry::Empty) << "Enter a page number.";
        QTest::newRow("group size") << count << "4" << QList<Range>{{4, 4}} << ok << "";
        QTest::newRow("group size 0") << count << "0" << none << int(PageEntry::BelowOne)
                                      << "Each file needs at least 1 page.";
        QTest::newRow("group larger than the document") << count << "114" << none << int(PageEntry::PastEnd)
                                                        << "A group cannot be larger than the document: it has 113 pages.";
        QTest::newRow("group size as text") << count << "four" << none << int(PageEntry::NotANumber)
                                            << "\"four\" is not a whole number.";
        QTest::newRow("no group size") << count << " " << none << int(PageEntry::Empty)
                                       << "Enter how many pages go into each file.";
    }
    void typedEntries()
    {
        QFETCH(int, kind);
        QFETCH(QString, typed);
        QFETCH(QList<Range>, read);
        QFETCH(int, problem);
        QFETCH(QString, message);
        const PageEntry::Result result = kind == PageEntry::Pages ? PageEntry::parseList(typed, 113)
            : kind == PageEntry::Page                             ? PageEntry::parsePage(typed, 113)
                                                                  : PageEntry::parseCount(typed, 113);
        QCOMPARE(result.ranges, read);
        QCOMPARE(int(result.problem), problem);
        QCOMPARE(result.isAccepted(), problem == PageEntry::None);
        QCOMPARE(PageEntry::message(result), message);
    }

    void saveAndCancelRestoreASnapshot()
    {
        PageRanges ranges;
        ranges.setInterval(1, 10);
        ranges.addRange(1, 2);
        Recorder rec(ranges);
        ranges.save();
        QCOMPARE(rec.events, QStringList{"changed"});

        ranges.addRange(3, 4);
        ranges.clear(); // the snapshot survives a clear
        QVERIFY(ranges.isEmpty());
        rec.events.clear();
        ranges.cancel();
        QCOMPARE(ranges.ranges(), (QList<Range>{{1, 2}}));
        QCOMPARE(rec.events, QStringList{"changed"});

        // Unchanged contents still announce the change.
        rec.events.clear();
        ranges.cancel();
        ranges.save();
        QCOMPARE(rec.events, (QStringList{"changed", "changed"}));
    }

    void rangesIsACopy()
    {
        PageRanges ranges;
        ranges.setInterval(1, 5);
        ranges.addRange(1, 1);
        QList<Range> copy = ranges.ranges();
        copy.append({2, 2});
        QCOMPARE(ranges.ranges().size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestPageRanges)
#include "tst_pageranges.moc"
