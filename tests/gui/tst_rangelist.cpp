#include "split/PageRanges.h"
#include "split/RangeItemView.h"
#include "split/RangeListView.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

// The range list mirrors a page list: tags come from added(), removal goes
// back through removedItem(), and the empty flag is right before the page
// list reports its own change.
class TestRangeList : public QObject
{
    Q_OBJECT

    static QStringList tagTexts(const RangeListView &list)
    {
        QStringList texts;
        for (const RangeItemView *tag : list.items())
            texts.append(tag->text());
        return texts;
    }

    // The page list and the range list wired as the split screen wires them.
    static void wire(PageRanges &pages, RangeListView &list)
    {
        QObject::connect(&pages, &PageRanges::added, &list, QOverload<int, int>::of(&RangeListView::add));
        QObject::connect(&pages, &PageRanges::cleared, &list, &RangeListView::clear);
        QObject::connect(&list, &RangeListView::removedItem, &pages,
                         QOverload<QPair<int, int>>::of(&PageRanges::remove));
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QPair<int, int>>();
    }

    void tagTextsAndStructure()
    {
        RangeListView list;
        QVERIFY(list.isEmpty());
        QSignalSpy changed(&list, &RangeListView::changed);
        list.add(4, 4);
        list.add(qMakePair(2, 9));
        QCOMPARE(tagTexts(list), (QStringList{QStringLiteral("4"), QStringLiteral("2 - 9")}));
        QCOMPARE(changed.count(), 2);
        QVERIFY(!list.isEmpty());

        const RangeItemView *tag = list.items().first();
        QCOMPARE(tag->objectName(), QStringLiteral("pageitemview"));
        QCOMPARE(tag->removeButton()->objectName(), QStringLiteral("deletelabel"));
        QCOMPARE(tag->range(), qMakePair(4, 4));
        auto *area = list.findChild<QScrollArea *>(QStringLiteral("scrollPageItems"));
        QVERIFY(area);
        QVERIFY(area->widgetResizable());
        QCOMPARE(area->frameShape(), QFrame::NoFrame);
        QCOMPARE(area->verticalScrollBar()->objectName(), QStringLiteral("scrollBarPageItems"));
        // The tags live in the scroll area's content, not beside it.
        QVERIFY(area->widget()->isAncestorOf(list.items().first()));
    }

    void samePairShownOnceRemovedTwiceFromPages()
    {
        PageRanges pages;
        pages.setInterval(1, 10);
        RangeListView list;
        wire(pages, list);
        pages.addRange(3, 3);
        pages.addRange(3, 3);
        QCOMPARE(pages.ranges().count(), 2);
        QCOMPARE(tagTexts(list), QStringList{QStringLiteral("3")});

        QSignalSpy removed(&list, &RangeListView::removedItem);
        list.items().first()->removeButton()->click();
        QCOMPARE(removed.count(), 1);
        QCOMPARE((removed.first().first().value<QPair<int, int>>()), qMakePair(3, 3));
        QVERIFY(pages.ranges().isEmpty());
        QVERIFY(list.isEmpty());
        QVERIFY(list.items().isEmpty());
    }

    void emptyFlagSetBeforePageListChanges()
    {
        PageRanges pages;
        pages.setInterval(1, 10);
        RangeListView list;
        wire(pages, list);
        pages.addRange(2, 5);
        pages.addRange(7, 7);

        QStringList order;
        QList<bool> emptyWhenPagesChanged;
        connect(&list, &RangeListView::changed, this, [&] { order << QStringLiteral("list"); });
        connect(&pages, &PageRanges::changed, this, [&] {
            order << QStringLiteral("pages");
            emptyWhenPagesChanged << list.isEmpty();
        });
        list.items().at(0)->removeButton()->click();
        QCOMPARE(emptyWhenPagesChanged, QList<bool>{false});
        list.items().at(0)->removeButton()->click();
        QCOMPARE(order, (QStringList{QStringLiteral("list"), QStringLiteral("pages"),
                                     QStringLiteral("list"), QStringLiteral("pages")}));
        QCOMPARE(emptyWhenPagesChanged, (QList<bool>{false, true}));
        QVERIFY(pages.isEmpty());
    }

    void removedTagIsDeletedLater()
    {
        RangeListView list;
        list.add(1, 2);
        QPointer<RangeItemView> tag = list.items().first();
        tag->removeButton()->click();
        QVERIFY(tag);            // still alive inside the click
        QVERIFY(tag->isHidden());
        QTRY_VERIFY(!tag);       // gone once the event loop ran
        // A pair that was removed can be shown again.
        list.add(1, 2);
        QCOMPARE(tagTexts(list), QStringList{QStringLiteral("1 - 2")});
    }

    void clearDeletesAtOnceAndAlwaysSignals()
    {
        PageRanges pages;
        pages.setInterval(1, 30);
        RangeListView list;
        wire(pages, list);
        for (int page = 1; page <= 25; ++page)
            pages.addRange(page, page);
        QCOMPARE(list.items().count(), 25);
        QPointer<RangeItemView> first = list.items().first();
        QSignalSpy changed(&list, &RangeListView::changed);
        pages.clear();
        QVERIFY(!first);
        QVERIFY(list.isEmpty());
        QCOMPARE(changed.count(), 1);
        list.clear();
        QCOMPARE(changed.count(), 2);
    }

    void manyTagsWrapAndScrollToTheEnd()
    {
        RangeListView list;
        list.resize(300, 70);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        for (int page = 1; page <= 60; ++page)
            list.add(page, page);
        auto *area = list.findChild<QScrollArea *>(QStringLiteral("scrollPageItems"));
        const QList<RangeItemView *> tags = list.items();
        QVERIFY(tags.last()->y() > tags.first()->y()); // wrapped onto further lines
        QTRY_VERIFY(area->verticalScrollBar()->maximum() > 0);
        QTRY_COMPARE(area->verticalScrollBar()->value(), area->verticalScrollBar()->maximum());
    }
};

QTEST_MAIN(TestRangeList)
#include "tst_rangelist.moc"
