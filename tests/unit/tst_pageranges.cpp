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
