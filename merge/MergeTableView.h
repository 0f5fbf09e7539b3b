#pragma once

#include <QPersistentModelIndex>
#include <QTableView>

class DropArea;
class MergeItemDelegate;
class MergeModel;

// The merge list as a table: PDF files dropped from outside are handed to the
// model's add request, rows are reordered by dragging them inside the table
// (a grey line marks where a row would land), and an empty list shows a drop
// area over the whole viewport.
class MergeTableView : public QTableView
{
    Q_OBJECT
public:
    explicit MergeTableView(MergeModel *model, QWidget *parent = nullptr);

    MergeModel *mergeModel() const { return m_model; }
    MergeItemDelegate *itemDelegate() const { return m_delegate; }
    DropArea *dropArea() const { return m_dropArea; }
    QModelIndex dropTarget() const { return m_dropTarget; }

public slots:
    void selectionRowMoveUp();
    void selectionRowMoveDown();
    void onDataChanged();
    void onDroppedFile(const QString &file);
    void onDroppedFiles(const QStringList &fileList);
    void onRowsRemoved(const QModelIndex &parent, int start, int end);
    void onRowsMoved(const QModelIndex &sourceParent, int sourceStart, int sourceEnd,
                     const QModelIndex &destinationParent, int destinationRow);
    void onRowMoved(int row);
    void selectionRowChanged(const QModelIndex &current, const QModelIndex &previous);
    // A click on the name header sorts by name; other headers do nothing.
    void onHeaderClicked(int section);
    // The header's arrow: shown while the model's rows are sorted.
    void showSortState();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    bool acceptsDrag(const QMimeData *data) const;
    void repaintRow(int row);
    void setDropTarget(const QModelIndex &index);
    void clearDropTarget();
    void updateColumnWidths();
    // At least minimum; wide enough for the header and each of cellTexts.
    int textColumnWidth(int column, int minimum, const QStringList &cellTexts);
    void makeRowCurrent(int row);

    MergeModel *m_model = nullptr;
    MergeItemDelegate *m_delegate = nullptr;
    DropArea *m_dropArea = nullptr;
    QPersistentModelIndex m_dropTarget;
};
