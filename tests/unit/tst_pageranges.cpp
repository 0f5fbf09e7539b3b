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

    void narrowingTheIntervalKeepsStoredPairs()
    {
        PageRanges ranges;
        ranges.setInterval(1, 10);
        ranges.addRange(5, 8);
        QSignalSpy changed(&ranges, &PageRanges::changed);
        ranges.setInterval(1, 3);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(ranges.ranges(), (QList<Range>{{5, 8}}));
        ranges.addRange(5, 5);
        QCOMPARE(ranges.ranges().size(), 1);
        QCOMPARE(ranges.minValue(), 1);
        QCOMPARE(ranges.maxValue(), 3);
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

    // What people write, read as they mean it, and what is refused with the
    // entry named; a refused text leaves the result alone.
    void parseReadsWhatPeopleWrite_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<Range>>("expected");
        QTest::newRow("one page") << "3" << QList<Range>{{3, 3}};
        QTest::newRow("range") << "3-5" << QList<Range>{{3, 5}};
        QTest::newRow("spaced range") << " 3 - 5 " << QList<Range>{{3, 5}};
        QTest::newRow("two pages") << "3,5" << QList<Range>{{3, 3}, {5, 5}};
        QTest::newRow("to the end") << "7-" << QList<Range>{{7, 10}};
        QTest::newRow("mixed, kept in order") << "10-, 1-3 ,7,,2" << QList<Range>{{10, 10}, {1, 3}, {7, 7}, {2, 2}};
        QTest::newRow("last page alone") << "10-10" << QList<Range>{{10, 10}};
    }
    void parseReadsWhatPeopleWrite()
    {
        QFETCH(QString, text);
        QFETCH(QList<Range>, expected);
        QList<Range> ranges;
        QString problem;
        QVERIFY2(PageRanges::parse(text, 10, &ranges, &problem), qPrintable(problem));
        QCOMPARE(ranges, expected);
    }

    void parseRefusesWhatItCannotRead_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem");
        QTest::newRow("nothing") << " , " << "No page is given.";
        QTest::newRow("page 0") << "0-2" << "\"0-2\": pages are numbered from 1.";
        QTest::newRow("past the end") << "9-11" << "\"9-11\": the document has only 10 page(s).";   // (English wording from the translation)
        QTest::newRow("backwards") << "5-3" << "\"5-3\": a range goes from the lower page to the higher one.";
        QTest::newRow("two dashes") << "3--5" << "\"3--5\" is not a page number or a range such as 3-5.";
        QTest::newRow("no start") << "-5" << "\"-5\" is not a page number or a range such as 3-5.";
        QTest::newRow("space between pages") << "3 5" << "\"3 5\" is not a page number or a range such as 3-5.";
        QTest::newRow("a word") << "1, all" << "\"all\" is not a page number or a range such as 3-5.";
        QTest::newRow("a sign") << "+3" << "\"+3\" is not a page number or a range such as 3-5.";
        QTest::newRow("other digits") << QString::fromUtf8("\u0663") << QString::fromUtf8("\"\u0663\" is not a page number or a range such as 3-5.");
        QTest::newRow("too long a number") << "12345678901" << "\"12345678901\" is not a page number or a range such as 3-5.";
    }
    void parseRefusesWhatItCannotRead()
    {
        QFETCH(QString, text);
        QFETCH(QString, problem);
        QList<Range> ranges{{1, 1}};
        QString why;
        QVERIFY(!PageRanges::parse(text, 10, &ranges, &why));
        QCOMPARE(why, problem);
        QCOMPARE(ranges, (QList<Range>{{1, 1}}));
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
