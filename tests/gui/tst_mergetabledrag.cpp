#include "merge/MergeModel.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTableView>
#include <QtTest>
#include <memory>

// Reordering the merge list by dragging rows inside a real table view. A real
// drag cannot run on the offscreen platform, so each test plays the view's own
// drag sequence: the payload the view builds from its selection, then drag
// enter, drag move and drop delivered to the viewport at the target row, then
// the view's clean-up after a move drag.
class TestMergeTableDrag : public QObject
{
    Q_OBJECT

    std::unique_ptr<MergeModel> model;
    std::unique_ptr<QTableView> view;

    void fill(const QStringList &fileNames)
    {
        MergeItemList items;
        for (const QString &name : fileNames) {
            MergeItem item;
            item.fileName = name;
            item.fullPath = QStringLiteral("/docs/") + name;
            item.pageCount = name.size();
            items << item;
        }
        model->addItems(items);
    }

    QStringList names() const
    {
        QStringList result;
        for (int row = 0; row < model->rowCount(); ++row)
            result << model->index(row, MergeModel::FileNameColumn).data().toString();
        return result;
    }

    // What QAbstractItemView does when its drag ends with a move: in
    // overwrite mode (the table view's default) it clears the dragged cells
    // through setItemData, otherwise it removes the dragged rows.
    void finishMoveDrag()
    {
        const QItemSelection selection = view->selectionModel()->selection();
        if (view->dragDropOverwriteMode()) {
            for (const QModelIndex &index : selection.indexes()) {
                QMap<int, QVariant> roles = model->itemData(index);
                for (auto it = roles.begin(); it != roles.end(); ++it)
                    it.value() = QVariant();
                model->setItemData(index, roles);
            }
        } else {
            for (const QItemSelectionRange &range : selection) {
                if (range.left() == 0 && range.right() == model->columnCount() - 1)
                    model->removeRows(range.top(), range.height(), range.parent());
            }
        }
    }

    // Drags the source row and drops it at pos in the viewport. Returns the
    // action the drop reported back to the drag, or IgnoreAction when refused.
    Qt::DropAction dragRowTo(int source, const QPoint &pos)
    {
        view->selectRow(source);
        const QModelIndexList dragged = view->selectionModel()->selectedIndexes();
        std::unique_ptr<QMimeData> payload(model->mimeData(dragged));
        const Qt::DropActions actions = model->supportedDragActions();
        QWidget *viewport = view->viewport();
        // A real drag proposes the view's default action (move); a synthetic
        // event proposes copy unless Shift asks for a move.
        const Qt::KeyboardModifiers proposeMove = Qt::ShiftModifier;

        QDragEnterEvent enter(pos, actions, payload.get(), Qt::LeftButton, proposeMove);
        QApplication::sendEvent(viewport, &enter);
        QDragMoveEvent move(pos, actions, payload.get(), Qt::LeftButton, proposeMove);
        QApplication::sendEvent(viewport, &move);
        if (!move.isAccepted())
            return Qt::IgnoreAction;
        QDropEvent drop(pos, actions, payload.get(), Qt::LeftButton, proposeMove);
        QApplication::sendEvent(viewport, &drop);
        if (!drop.isAccepted())
            return Qt::IgnoreAction;
        if (drop.dropAction() == Qt::MoveAction)
            finishMoveDrag();
        return drop.dropAction();
    }

    Qt::DropAction dragRowOnto(int source, int target)
    {
        return dragRowTo(source, view->visualRect(model->index(target, MergeModel::FileNameColumn)).center());
    }

private slots:
    void init()
    {
        model = std::make_unique<MergeModel>();
        view = std::make_unique<QTableView>();
        view->setModel(model.get());
        view->setSortingEnabled(true);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->setDragEnabled(true);
        view->setAcceptDrops(true);
        view->viewport()->setAcceptDrops(true);
        view->setDragDropMode(QAbstractItemView::DragDrop);
        view->setDefaultDropAction(Qt::MoveAction);
        view->resize(640, 400);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    }

    void cleanup()
    {
        view.reset();
        model.reset();
    }

    void tableDefaultsOverwriteOnDrop()
    {
        // The clean-up after a move drag only clears cells in this mode, and
        // the list refuses to have its cells cleared.
        QVERIFY(view->dragDropOverwriteMode());
        fill({"a.pdf"});
        QVERIFY(!model->setData(model->index(0, 1), QVariant()));
    }

    void movingDownTwoRowsSwapsAndKeepsEveryRow()
    {
        fill({"a.pdf", "b.pdf", "c.pdf", "d.pdf"});
        QCOMPARE(dragRowOnto(0, 2), Qt::MoveAction);
        QCOMPARE(model->rowCount(), 4);
        QCOMPARE(names(), (QStringList{"b.pdf", "a.pdf", "c.pdf", "d.pdf"}));
        QCOMPARE(model->item(1).fullPath, QStringLiteral("/docs/a.pdf"));
        QCOMPARE(model->item(1).pageCount, 5);
    }

    void movingUpLandsOnTheDroppedOnRow()
    {
        fill({"a.pdf", "b.pdf", "c.pdf", "d.pdf"});
        QCOMPARE(dragRowOnto(3, 1), Qt::MoveAction);
        QCOMPARE(model->rowCount(), 4);
        QCOMPARE(names(), (QStringList{"a.pdf", "d.pdf", "b.pdf", "c.pdf"}));
        // The table was sorted by name once; a drop does not re-sort it.
        QCOMPARE(view->model()->index(1, 1).data().toString(), QStringLiteral("d.pdf"));
    }

    void movingFarDownLandsAboveTheDroppedOnRow()
    {
        fill({"a.pdf", "b.pdf", "c.pdf", "d.pdf", "e.pdf"});
        QCOMPARE(dragRowOnto(0, 4), Qt::MoveAction);
        QCOMPARE(names(), (QStringList{"b.pdf", "c.pdf", "d.pdf", "a.pdf", "e.pdf"}));
        // The selection follows the moved row, so the clean-up touched it and
        // it still holds its data.
        QCOMPARE(view->selectionModel()->selectedRows().value(0).row(), 3);
        QCOMPARE(model->item(3).fullPath, QStringLiteral("/docs/a.pdf"));
    }

    void droppingOntoTheNextRowChangesNothing()
    {
        fill({"a.pdf", "b.pdf", "c.pdf"});
        dragRowOnto(0, 1);
        QCOMPARE(names(), (QStringList{"a.pdf", "b.pdf", "c.pdf"}));
        dragRowOnto(1, 1);
        QCOMPARE(names(), (QStringList{"a.pdf", "b.pdf", "c.pdf"}));
    }

    void droppingBelowTheLastRowChangesNothing()
    {
        fill({"a.pdf", "b.pdf", "c.pdf"});
        const QRect last = view->visualRect(model->index(2, 1));
        const QPoint below(last.center().x(), last.bottom() + 40);
        QVERIFY(below.y() < view->viewport()->height());
        QVERIFY(!view->indexAt(below).isValid());
        dragRowTo(0, below);
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(names(), (QStringList{"a.pdf", "b.pdf", "c.pdf"}));
    }

    void repeatedDragsNeverLoseRows()
    {
        fill({"a.pdf", "b.pdf", "c.pdf", "d.pdf", "e.pdf", "f.pdf"});
        const QList<QPair<int, int>> moves{{0, 5}, {5, 0}, {2, 4}, {4, 1}, {1, 3}, {3, 2}, {5, 3}, {0, 2}};
        for (const auto &move : moves) {
            dragRowOnto(move.first, move.second);
            QCOMPARE(model->rowCount(), 6);
        }
        QStringList sorted = names();
        sorted.sort();
        QCOMPARE(sorted, (QStringList{"a.pdf", "b.pdf", "c.pdf", "d.pdf", "e.pdf", "f.pdf"}));
        for (int row = 0; row < model->rowCount(); ++row)
            QCOMPARE(model->item(row).fullPath, QStringLiteral("/docs/") + model->item(row).fileName);
    }

    void viewFollowsAnAdjacentSwap()
    {
        fill({"a.pdf", "b.pdf", "c.pdf", "d.pdf"});
        // The view learns about value swaps from the cell notifications.
        QSignalSpy cells(model.get(), &QAbstractItemModel::dataChanged);
        QCOMPARE(dragRowOnto(1, 3), Qt::MoveAction);
        QCOMPARE(names(), (QStringList{"a.pdf", "c.pdf", "b.pdf", "d.pdf"}));
        QCOMPARE(cells.count(), 2);
        QCOMPARE(cells.at(0).at(0).toModelIndex().row(), 1);
        QCOMPARE(cells.at(1).at(0).toModelIndex().row(), 2);
    }
};

QTEST_MAIN(TestMergeTableDrag)
#include "tst_mergetabledrag.moc"
