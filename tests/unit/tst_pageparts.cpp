#include "split/PageParts.h"
#include "split/PageRanges.h"

#include <QtTest>

using Range = PageParts::Range;

// The page grid's model without the grid: cuts between pages turned into
// ranges and back, names of parts into the named ranges of the split
// request (through the page list the split screen keeps), and marked pages
// into the list of pages to leave out.
class TestPageParts : public QObject
{
    Q_OBJECT

    // "1-4,5-8" -> ranges; "" -> none.
    static QList<Range> rangesOf(const QString &text)
    {
        QList<Range> ranges;
        const QStringList items = text.split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (const QString &item : items) {
            const QStringList ends = item.split(QLatin1Char('-'));
            ranges.append(qMakePair(ends.first().toInt(), ends.last().toInt()));
        }
        return ranges;
    }

    static QString textOf(const QList<Range> &ranges)
    {
        QStringList items;
        for (const Range &range : ranges)
            items << QStringLiteral("%1-%2").arg(range.first).arg(range.second);
        return items.join(QLatin1Char(','));
    }

    // Runs "cut P", "name I=TEXT" (TEXT untrimmed) actions, separated by ';'.
    static void apply(PageParts &parts, const QString &actions)
    {
        const QStringList steps = actions.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString &step : steps) {
            const QString action = step.trimmed().section(QLatin1Char(' '), 0, 0);
            if (action == QLatin1String("cut")) {
                parts.toggleCut(step.trimmed().section(QLatin1Char(' '), 1, 1).toInt());
            } else if (action == QLatin1String("name")) {
                const QString rest = step.section(QLatin1String("name "), 1);
                parts.setName(rest.section(QLatin1Char('='), 0, 0).toInt() - 1, rest.section(QLatin1Char('='), 1));
            } else {
                QFAIL(qPrintable(QStringLiteral("unknown action %1").arg(step)));
            }
        }
    }

    static QString cutsOf(const PageParts &parts)
    {
        QStringList cuts;
        for (int page = 0; page <= parts.pageCount() + 1; ++page) {
            if (parts.hasCut(page))
                cuts << QString::number(page);
        }
        return cuts.join(QLatin1Char(','));
    }

private slots:
    void cutsAndNames_data()
    {
        QTest::addColumn<int>("pageCount");
        QTest::addColumn<QString>("ranges");
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("expectedRanges");
        QTest::addColumn<QString>("expectedNames");
        QTest::addColumn<QString>("expectedCuts");

        QTest::newRow("no ranges: the whole document is one part") << 12 << "" << "" << "" << "1-12" << "" << "";
        QTest::newRow("a cut splits the part") << 12 << "" << "" << "cut 4" << "1-4,5-12" << "" << "4";
        QTest::newRow("two cuts and a name for the middle part")
            << 12 << "" << "" << "cut 8;cut 4;name 2=Middle" << "1-4,5-8,9-12" << ",Middle," << "4,8";
        QTest::newRow("every gap cut: a part per page")
            << 3 << "" << "" << "cut 1;cut 2" << "1-1,2-2,3-3" << "" << "1,2";
        QTest::newRow("the part after a cut is new and unnamed")
            << 12 << "1-12" << "Book" << "cut 6" << "1-6,7-12" << "Book," << "6";
        QTest::newRow("cutting a cut joins, keeping the first name")
            << 12 << "1-4,5-12" << "Intro,Rest" << "cut 4" << "1-12" << "Intro" << "";
        QTest::newRow("joining keeps the second name when the first has none")
            << 12 << "1-4,5-12" << ",Rest" << "cut 4" << "1-12" << "Rest" << "";
        QTest::newRow("cut and joined again: as before") << 12 << "" << "" << "cut 5;cut 5" << "1-12" << "" << "";
        QTest::newRow("no cut after the last page or outside the document")
            << 12 << "" << "" << "cut 12;cut 0;cut -3;cut 40" << "1-12" << "" << "";
        QTest::newRow("gaps outside every range change nothing")
            << 12 << "3-5,9-10" << "" << "cut 6;cut 8;cut 10" << "3-5,9-10" << "" << "";
        QTest::newRow("ranges typed out of page order join by pages, kept in list order")
            << 10 << "6-10,1-5" << "b,a" << "cut 5" << "1-10" << "a" << "";
        QTest::newRow("a cut goes through every overlapping range")
            << 10 << "1-6,4-10" << "" << "cut 5" << "1-5,6-6,4-5,6-10" << "" << "5";
        QTest::newRow("names are trimmed; a blank name takes it away")
            << 12 << "" << "" << "cut 4;name 1=  Intro  ;name 2=Rest;name 2=   " << "1-4,5-12" << "Intro," << "4";
        QTest::newRow("a name for a part that is not there is ignored")
            << 12 << "" << "" << "name 3=Nowhere;name 0=Nowhere" << "1-12" << "" << "";
    }

    // Cuts and names edit the parts; the parts go into the split screen's
    // page list as named ranges, and read back from it they are the same.
    void cutsAndNames()
    {
        QFETCH(int, pageCount);
        QFETCH(QString, ranges);
        QFETCH(QString, names);
        QFETCH(QString, actions);
        QFETCH(QString, expectedRanges);
        QFETCH(QString, expectedNames);
        QFETCH(QString, expectedCuts);

        PageParts parts(pageCount);
        parts.setRanges(rangesOf(ranges), names.isEmpty() ? QStringList() : names.split(QLatin1Char(',')));
        apply(parts, actions);
        QCOMPARE(textOf(parts.ranges()), expectedRanges);
        QCOMPARE(parts.names().join(QLatin1Char(',')), expectedNames);
        QCOMPARE(cutsOf(parts), expectedCuts);

        PageRanges list;
        list.setInterval(1, pageCount);
        QSignalSpy named(&list, &PageRanges::named);
        list.replace(parts.ranges(), parts.names());
        QCOMPARE(textOf(list.ranges()), expectedRanges);
        QStringList listNames;
        for (const Range &range : list.ranges())
            listNames << list.name(range);
        const bool anyNamed = !expectedNames.isEmpty();
        QCOMPARE(anyNamed ? listNames.join(QLatin1Char(',')) : QString(), expectedNames);
        QCOMPARE(named.count(), int(listNames.size() - listNames.count(QString())));

        PageParts back(pageCount);
        back.setRanges(list.ranges(), listNames);
        QCOMPARE(back.parts(), parts.parts());
    }

    void marks_data()
    {
        QTest::addColumn<int>("pageCount");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("actions");   // "+3-5" marks 3 to 5, "-4" unmarks 4
        QTest::addColumn<QString>("expected");

        QTest::newRow("nothing marked") << 8 << "" << "" << "";
        QTest::newRow("the list's pages come marked") << 8 << "2-2,7-7" << "" << "2-2,7-7";
        QTest::newRow("a run, given backwards, one pair per page, ascending")
            << 8 << "7-7" << "+5-3" << "3-3,4-4,5-5,7-7";
        QTest::newRow("unmarking inside a run") << 8 << "" << "+2-6;-4" << "2-2,3-3,5-5,6-6";
        QTest::newRow("a range in the list marks every page of it") << 8 << "3-5" << "" << "3-3,4-4,5-5";
        QTest::newRow("pages outside the document are dropped") << 5 << "0-0,4-9" << "+5-12" << "4-4,5-5";
    }

    // Marks become the without-pages list: one (p, p) pair per marked page.
    void marks()
    {
        QFETCH(int, pageCount);
        QFETCH(QString, list);
        QFETCH(QString, actions);
        QFETCH(QString, expected);

        PageParts parts(pageCount);
        parts.setMarks(rangesOf(list));
        const QStringList steps = actions.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString &step : steps) {
            const QList<Range> run = rangesOf(step.mid(1));
            parts.setMarked(run.first().first, run.first().second, step.startsWith(QLatin1Char('+')));
        }
        QCOMPARE(textOf(parts.marks()), expected);
        QCOMPARE(parts.markCount(), rangesOf(expected).size());
        for (const Range &mark : rangesOf(expected))
            QVERIFY(parts.isMarked(mark.first));
    }
};

QTEST_GUILESS_MAIN(TestPageParts)
#include "tst_pageparts.moc"
