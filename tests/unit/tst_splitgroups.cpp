#include "split/Split.h"

#include <QtTest>

using Ranges = QList<QPair<int, int>>;
Q_DECLARE_METATYPE(Ranges)

// The groups the split controller asks for in "By groups of pages".
class TestSplitGroups : public QObject
{
    Q_OBJECT

private slots:
    void groups_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("last");
        QTest::addColumn<Ranges>("expected");
        QTest::newRow("pages before the start are in no group") << 5 << 2 << 9 << Ranges{{5, 6}, {7, 8}, {9, 9}};
        QTest::newRow("short last group") << 3 << 4 << 12 << Ranges{{3, 6}, {7, 10}, {11, 12}};
        QTest::newRow("single pages") << 1 << 1 << 3 << Ranges{{1, 1}, {2, 2}, {3, 3}};
        QTest::newRow("exact multiple") << 1 << 5 << 10 << Ranges{{1, 5}, {6, 10}};
        QTest::newRow("group larger than the document") << 2 << 50 << 7 << Ranges{{2, 7}};
        QTest::newRow("start on the last page") << 7 << 3 << 7 << Ranges{{7, 7}};
        QTest::newRow("start after the last page") << 8 << 2 << 7 << Ranges{};
        // Nothing a person asked for: refused, never read as 1.
        QTest::newRow("size 0 gives none") << 1 << 0 << 2 << Ranges{};
        QTest::newRow("negative size gives none") << 2 << -4 << 3 << Ranges{};
        QTest::newRow("start 0 gives none") << 0 << 2 << 4 << Ranges{};
        QTest::newRow("no pages") << 1 << 2 << 0 << Ranges{};
        QTest::newRow("reset document") << 1 << 2 << -1 << Ranges{};
    }

    void groups()
    {
        QFETCH(int, start);
        QFETCH(int, size);
        QFETCH(int, last);
        QFETCH(Ranges, expected);
        QCOMPARE(Split::groupRanges(start, size, last), expected);
    }

    void hugeGroupSizeDoesNotOverflow()
    {
        QCOMPARE(Split::groupRanges(3, std::numeric_limits<int>::max(), 10), (Ranges{{3, 10}}));
        QCOMPARE(Split::groupRanges(std::numeric_limits<int>::max(), 2, std::numeric_limits<int>::max()),
                 (Ranges{{std::numeric_limits<int>::max(), std::numeric_limits<int>::max()}}));
    }

    void everyPageFromTheStartIsCoveredOnce()
    {
        for (int last = 1; last <= 40; ++last) {
            for (int start = 1; start <= last; ++start) {
                for (int size = 1; size <= 7; ++size) {
                    const Ranges groups = Split::groupRanges(start, size, last);
                    int expectedFrom = start;
                    for (const auto &group : groups) {
                        QCOMPARE(group.first, expectedFrom);
                        QVERIFY(group.second >= group.first);
                        QVERIFY(group.second - group.first + 1 <= size);
                        expectedFrom = group.second + 1;
                    }
                    QCOMPARE(expectedFrom, last + 1);
                }
            }
        }
    }

    void freshControllerHasNoDocument()
    {
        Split split;
        QCOMPARE(split.pageCount(), -1);
        QVERIFY(!split.isLoaded());
        QVERIFY(split.fileName().isEmpty());
        QVERIFY(split.requestedRanges().isEmpty());
        split.addCertainPage(1);
        QVERIFY(split.certainPages()->isEmpty());
        split.run(); // nothing loaded: nothing happens
        QVERIFY(!split.isRunning());
    }
};

QTEST_MAIN(TestSplitGroups)
#include "tst_splitgroups.moc"
