#include "merge/MergeItemDelegate.h"
#include "merge/MergeModel.h"
#include "merge/MergeTableHeader.h"
#include "merge/MergeTableView.h"
#include "widgets/DropArea.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

// The merge table as the user meets it: columns, drop area, the drop line
// while a row is dragged, internal moves that never lose a row, file drops
// from outside, the sort header and the password cell.
class TestMergeTable : public QObject
{
    Q_OBJECT

    static MergeItem makeItem(const QString &name, int pages, bool locked = false)
    {
        MergeItem item;
        item.fullPath = QStringLiteral("/nowhere/") + name;
        item.fileName = name;
        item.pageCount = pages;
        item.hasPassword = locked;
        return item;
    }

    static QStringList names(const MergeModel &model)
    {
        QStringList result;
        for (int row = 0; row < model.count(); ++row)
            result << model.item(row).fileName;
        return result;
    }

    struct Fixture
    {
        MergeModel model;
        MergeTableView *table = nullptr;
        QWidget window;

        Fixture()
        {
            table = new MergeTableView(&model, &window);
            table->setFixedSize(631, 209);
            table->viewport()->setFixedWidth(631);
            window.resize(700, 260);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }
    };

    static QPoint rowPoint(MergeTableView *table, int row)
    {
        return table->visualRect(table->model()->index(row, 1)).center();
    }

    static QMimeData *rowPayload(MergeModel &model, int row)
    {
        QModelIndexList indexes;
        for (int column = 0; column < model.columnCount(); ++column)
            indexes << model.index(row, column);
        return model.mimeData(indexes);
    }

    static bool sendDrag(QWidget *target, QEvent::Type type, const QPoint &pos, QMimeData *data)
    {
        if (type == QEvent::DragEnter) {
            QDragEnterEvent event(pos, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &event);
            return event.isAccepted();
        }
        if (type == QEvent::DragMove) {
            QDragMoveEvent event(pos, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &event);
            return event.isAccepted();
        }
        QDropEvent event(pos, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
        return event.isAccepted();
    }

private slots:
    void columnsAndLastColumnWidth()
    {
        Fixture f;
        // Fixed number, preview and remove columns; pages (wide enough for a
        // page choice such as "1-3, 7") and password at least as wide as
        // their texts; the name takes the rest.
        QCOMPARE(f.table->columnWidth(0), 29);
        QVERIFY(f.table->columnWidth(2) > f.table->fontMetrics().horizontalAdvance(QStringLiteral("1-3, 7")) + 8);
        QVERIFY(f.table->columnWidth(3) >= 106);
        QVERIFY(f.table->columnWidth(3) > f.table->fontMetrics().horizontalAdvance(QStringLiteral("Enter Password")));
        QCOMPARE(f.table->columnWidth(4), 41);
        QCOMPARE(f.table->columnWidth(5), 49);
        int total = 0;
        for (int column = 0; column < 6; ++column)
            total += f.table->columnWidth(column);
        QCOMPARE(total, f.table->viewport()->width());
        QVERIFY(f.table->columnWidth(1) >= 270);
        QCOMPARE(f.table->horizontalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
        QVERIFY(qobject_cast<MergeTableHeader *>(f.table->horizontalHeader()));
        QCOMPARE(f.table->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(f.table->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(f.table->focusPolicy(), Qt::StrongFocus);
    }

    void dropAreaFollowsTheListState()
    {
        Fixture f;
        DropArea *area = f.table->dropArea();
        QVERIFY(area->multiSelect);
        QVERIFY(area->isVisible());
        QCOMPARE(area->geometry(), f.table->viewport()->geometry());

        f.model.addItems({makeItem(QStringLiteral("a.pdf"), 2)});
        QVERIFY(!area->isVisible());
        f.model.removeItem(0);
        QVERIFY(area->isVisible());

        // Files chosen in the drop area go to the model's add request.
        QSignalSpy requests(&f.model, &MergeModel::addFiles);
        emit area->droppedFiles({QStringLiteral("/tmp/x.pdf"), QStringLiteral("/tmp/y.pdf")});
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.first().first().toStringList().count(), 2);
    }

    void dragLineFollowsTheCursorAndLeaves()
    {
        Fixture f;
        f.model.addItems({makeItem(QStringLiteral("a.pdf"), 1), makeItem(QStringLiteral("b.pdf"), 2),
                          makeItem(QStringLiteral("c.pdf"), 3)});
        QWidget *viewport = f.table->viewport();
        std::unique_ptr<QMimeData> payload(rowPayload(f.model, 0));

        QVERIFY(sendDrag(viewport, QEvent::DragEnter, rowPoint(f.table, 1), payload.get()));
        QVERIFY(sendDrag(viewport, QEvent::DragMove, rowPoint(f.table, 1), payload.get()));
        QCOMPARE(f.table->itemDelegate()->dropTarget().row(), 1);

        // The grey 3-pixel line sits on top of row 1 across the row.
        const QRect row1 = f.table->visualRect(f.model.index(1, 1));
        QImage image = viewport->grab().toImage();
        QCOMPARE(QColor(image.pixel(row1.center().x(), row1.top())), QColor(QStringLiteral("#656565")));
        const QRect row2 = f.table->visualRect(f.model.index(2, 1));
        QVERIFY(QColor(image.pixel(row2.center().x(), row2.top())) != QColor(QStringLiteral("#656565")));

        QVERIFY(sendDrag(viewport, QEvent::DragMove, rowPoint(f.table, 2), payload.get()));
        QCOMPARE(f.table->itemDelegate()->dropTarget().row(), 2);
        image = viewport->grab().toImage();
        QVERIFY(QColor(image.pixel(row1.center().x(), row1.top())) != QColor(QStringLiteral("#656565")));
        QCOMPARE(QColor(image.pixel(row2.center().x(), row2.top())), QColor(QStringLiteral("#656565")));

        QDragLeaveEvent leave;
        QApplication::sendEvent(viewport, &leave);
        QVERIFY(!f.table->itemDelegate()->dropTarget().isValid());
        image = viewport->grab().toImage();
        QVERIFY(QColor(image.pixel(row2.center().x(), row2.top())) != QColor(QStringLiteral("#656565")));
    }

    void internalDropMovesWithoutLosingRows()
    {
        Fixture f;
        f.model.addItems({makeItem(QStringLiteral("a.pdf"), 1), makeItem(QStringLiteral("b.pdf"), 2),
                          makeItem(QStringLiteral("c.pdf"), 3), makeItem(QStringLiteral("d.pdf"), 4)});
        QWidget *viewport = f.table->viewport();

        std::unique_ptr<QMimeData> first(rowPayload(f.model, 0));
        sendDrag(viewport, QEvent::DragEnter, rowPoint(f.table, 2), first.get());
        sendDrag(viewport, QEvent::DragMove, rowPoint(f.table, 2), first.get());
        QVERIFY(sendDrag(viewport, QEvent::Drop, rowPoint(f.table, 2), first.get()));
        QCOMPARE(names(f.model), (QStringList{QStringLiteral("b.pdf"), QStringLiteral("a.pdf"),
                                              QStringLiteral("c.pdf"), QStringLiteral("d.pdf")}));
        QVERIFY(!f.table->itemDelegate()->dropTarget().isValid());
        QCOMPARE(f.table->currentIndex().row(), 1);

        std::unique_ptr<QMimeData> last(rowPayload(f.model, 3));
        sendDrag(viewport, QEvent::DragEnter, rowPoint(f.table, 1), last.get());
        QVERIFY(sendDrag(viewport, QEvent::Drop, rowPoint(f.table, 1), last.get()));
        QCOMPARE(names(f.model), (QStringList{QStringLiteral("b.pdf"), QStringLiteral("d.pdf"),
                                              QStringLiteral("a.pdf"), QStringLiteral("c.pdf")}));

        // Below the last row nothing moves, and nothing is ever lost.
        std::unique_ptr<QMimeData> again(rowPayload(f.model, 0));
        const QPoint below(rowPoint(f.table, 3).x(), viewport->height() - 3);
        sendDrag(viewport, QEvent::DragEnter, below, again.get());
        QVERIFY(!sendDrag(viewport, QEvent::Drop, below, again.get()));
        QCOMPARE(f.model.count(), 4);
        QCOMPARE(names(f.model).first(), QStringLiteral("b.pdf"));
    }

    // A row's page choice and turn: counted, checked against its own page
    // count, editable only once its pages are known, and carried along by
    // a drag like the rest of the row.
    void pageChoiceAndTurnStayWithTheRow()
    {
        Fixture f;
        MergeItem locked = makeItem(QStringLiteral("locked.pdf"), 0);
        locked.hasPassword = true;
        f.model.addItems({makeItem(QStringLiteral("a.pdf"), 10), makeItem(QStringLiteral("b.pdf"), 3), locked});
        QVERIFY(f.model.flags(f.model.index(0, MergeModel::PagesColumn)) & Qt::ItemIsEditable);
        QVERIFY(!(f.model.flags(f.model.index(2, MergeModel::PagesColumn)) & Qt::ItemIsEditable));
        QVERIFY(!(f.model.flags(f.model.index(0, MergeModel::FileNameColumn)) & Qt::ItemIsEditable));

        QVERIFY(f.model.setData(f.model.index(0, MergeModel::PagesColumn), QStringLiteral(" 9-, 2, 2 ")));
        QCOMPARE(f.model.item(0).pages, QStringLiteral("9-, 2, 2"));
        QCOMPARE(f.model.chosenPageNumbers(0), (QList<int>{9, 10, 2, 2}));
        QCOMPARE(f.model.totalPages(), 4 + 3);
        f.model.setPages(1, QStringLiteral("2-4"));
        QVERIFY(f.model.pageProblem(1).contains(QStringLiteral("4")));
        QCOMPARE(f.model.firstRowWithPageProblem(), 1);
        QCOMPARE(f.model.firstRowWithPageProblem(1), -1);
        QCOMPARE(f.model.chosenPageCount(1), 0);
        QCOMPARE(f.model.index(1, MergeModel::PagesColumn).data(Qt::ToolTipRole).toString(), f.model.pageProblem(1));

        f.model.turn(1, -90);
        QCOMPARE(f.model.item(1).rotation, 270);
        f.model.turn(1, 180);
        QCOMPARE(f.model.item(1).rotation, 90);
        QCOMPARE(MergeItemDelegate::rotationText(90), QStringLiteral("\u21bb 90\u00b0"));

        std::unique_ptr<QMimeData> second(rowPayload(f.model, 1));
        sendDrag(f.table->viewport(), QEvent::DragEnter, rowPoint(f.table, 0), second.get());
        QVERIFY(sendDrag(f.table->viewport(), QEvent::Drop, rowPoint(f.table, 0), second.get()));
        QCOMPARE(f.model.item(0).fileName, QStringLiteral("b.pdf"));
        QCOMPARE(f.model.item(0).pages, QStringLiteral("2-4"));
        QCOMPARE(f.model.item(0).rotation, 90);
        QCOMPARE(f.model.item(1).pages, QStringLiteral("9-, 2, 2"));
        QCOMPARE(f.model.firstRowWithPageProblem(), 0);
    }

    void outsideDropAddsOnlyPdfFiles()
    {
        Fixture f;
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("Report.PDF"));
        const QString text = dir.filePath(QStringLiteral("notes.txt"));
        for (const QString &path : {pdf, text}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("%PDF-1.4\n");
        }
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(pdf), QUrl::fromLocalFile(text)});
        QSignalSpy requests(&f.model, &MergeModel::addFiles);
        QWidget *viewport = f.table->viewport();
        // With an empty list the drop area covers the viewport; the table
        // itself takes drops once rows are shown.
        f.model.addItems({makeItem(QStringLiteral("a.pdf"), 1)});
        QVERIFY(sendDrag(viewport, QEvent::DragEnter, rowPoint(f.table, 0), &data));
        sendDrag(viewport, QEvent::Drop, rowPoint(f.table, 0), &data);
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.first().first().toStringList(), QStringList{pdf});
        QCOMPARE(f.model.count(), 1);

        QMimeData onlyText;
        onlyText.setUrls({QUrl::fromLocalFile(text)});
        QVERIFY(!sendDrag(viewport, QEvent::DragEnter, rowPoint(f.table, 0), &onlyText));
    }

    void moveButtonsFollowTheRow()
    {
        Fixture f;
        f.model.addItems({makeItem(QStringLiteral("a.pdf"), 1), makeItem(QStringLiteral("b.pdf"), 2),
                          makeItem(QStringLiteral("c.pdf"), 3)});
        f.table->selectRow(2);
        f.table->setCurrentIndex(f.model.index(2, 0));
        f.table->selectionRowMoveUp();
        QCOMPARE(names(f.model), (QStringList{QStringLiteral("a.pdf"), QStringLiteral("c.pdf"), QStringLiteral("b.pdf")}));
        QCOMPARE(f.table->currentIndex().row(), 1);
        QVERIFY(f.table->selectionModel()->isRowSelected(1, QModelIndex()));
        f.table->selectionRowMoveUp();
        f.table->selectionRowMoveUp(); // at the top: nothing more
        QCOMPARE(names(f.model).first(), QStringLiteral("c.pdf"));
        QCOMPARE(f.table->currentIndex().row(), 0);
        f.table->selectionRowMoveDown();
        QCOMPARE(names(f.model), (QStringList{QStringLiteral("a.pdf"), QStringLiteral("c.pdf"), QStringLiteral("b.pdf")}));
    }

    void headerSortsOnlyByName()
    {
        Fixture f;
        f.model.addItems({makeItem(QStringLiteral("b.pdf"), 1), makeItem(QStringLiteral("C.pdf"), 2),
                          makeItem(QStringLiteral("a.pdf"), 3)});
        QHeaderView *header = f.table->horizontalHeader();
        const QPoint pagesSection(header->sectionViewportPosition(2) + 10, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, pagesSection);
        QCOMPARE(names(f.model), (QStringList{QStringLiteral("b.pdf"), QStringLiteral("C.pdf"), QStringLiteral("a.pdf")}));
        QVERIFY(!header->isSortIndicatorShown());

        const QPoint nameSection(header->sectionViewportPosition(1) + 20, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, nameSection);
        QVERIFY(header->isSortIndicatorShown());
        const Qt::SortOrder first = header->sortIndicatorOrder();
        QCOMPARE(first, Qt::AscendingOrder); // an unsorted list sorts A to Z first
        const QStringList ascending{QStringLiteral("a.pdf"), QStringLiteral("b.pdf"), QStringLiteral("C.pdf")};
        QStringList descending = ascending;
        std::reverse(descending.begin(), descending.end());
        QCOMPARE(names(f.model), first == Qt::AscendingOrder ? ascending : descending);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, nameSection);
        QCOMPARE(names(f.model), first == Qt::AscendingOrder ? descending : ascending);

        // The arrow is drawn beside the name, not at the section's edge.
        const QImage image = header->viewport()->grab().toImage();
        const int sectionLeft = header->sectionViewportPosition(1);
        bool arrowPixels = false;
        for (int x = sectionLeft + 60; x < sectionLeft + 120 && !arrowPixels; ++x)
            for (int y = 0; y < image.height(); ++y)
                if (QColor(image.pixel(x, y)).lightness() < 200)
                    arrowPixels = true;
        QVERIFY(arrowPixels);

        // A row added or moved ends the sort: the arrow goes.
        f.model.addItems({makeItem(QStringLiteral("0.pdf"), 1)});
        QVERIFY(!header->isSortIndicatorShown());
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, nameSection);
        QVERIFY(header->isSortIndicatorShown());
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
        f.model.moveDown(f.model.index(0, 0));
        QVERIFY(!header->isSortIndicatorShown());
    }

    void passwordCellText()
    {
        Fixture f;
        f.model.addItems({makeItem(QStringLiteral("open.pdf"), 2),
                          makeItem(QStringLiteral("locked.pdf"), 0, true),
                          makeItem(QStringLiteral("damaged.pdf"), 0)});
        QCOMPARE(MergeItemDelegate::passwordText(f.model.index(0, 3)), QStringLiteral("ok"));
        QCOMPARE(MergeItemDelegate::passwordText(f.model.index(1, 3)), QStringLiteral("Enter Password"));
        // A file that could not be read is marked so, not "ok".
        QCOMPARE(MergeItemDelegate::passwordText(f.model.index(2, 3)), QStringLiteral("unreadable"));

        // Blue, underlined text in the locked row's cell.
        const QRect cell = f.table->visualRect(f.model.index(1, 3));
        QImage image = f.table->viewport()->grab().toImage().copy(cell);
        bool blue = false;
        for (int y = 0; y < image.height() && !blue; ++y)
            for (int x = 0; x < image.width(); ++x)
                if (QColor(image.pixel(x, y)) == QColor(4, 106, 208))
                    blue = true;
        QVERIFY(blue);

        MergeItem unlocked = f.model.item(1);
        unlocked.password = QStringLiteral("view");
        unlocked.pageCount = 30;
        f.model.setItem(1, unlocked);
        QCOMPARE(MergeItemDelegate::passwordText(f.model.index(1, 3)), QStringLiteral("ok"));
    }
};

QTEST_MAIN(TestMergeTable)
#include "tst_mergetable.moc"
