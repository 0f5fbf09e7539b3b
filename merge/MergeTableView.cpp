#include "merge/MergeTableView.h"

#include "app/FileUtils.h"
#include "merge/MergeItemDelegate.h"
#include "merge/MergeModel.h"
#include "merge/MergeTableHeader.h"
#include "widgets/DropArea.h"

#include <QDebug>
#include <QDrag>
#include <QDragEnterEvent>
#include <QEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QScrollBar>
#include <algorithm>

namespace {

const char *const RowListMimeType = "application/vnd.text.list";
const int ColumnCount = 6;
// The narrowest the columns get; the pages and password columns widen to
// their texts in the current language, and the name column takes the rest.
const int NumberWidth = 29;
const int PagesWidth = 74;
const int PasswordWidth = 106;
const int PreviewWidth = 41;
const int RemoveWidth = 49;
const int CellPadding = 16;

} // namespace

MergeTableView::MergeTableView(MergeModel *model, QWidget *parent)
    : QTableView(parent)
    , m_model(model)
{
    setModel(model);

    m_delegate = new MergeItemDelegate(this);
    m_delegate->setButtonPreviewNormal(QStringLiteral(":/style/images/tablesearchnormal.png"));
    m_delegate->setButtonPreviewPressed(QStringLiteral(":/style/images/tablesearchpressed.png"));
    m_delegate->setButtonPreviewFocusNormal(QStringLiteral(":/style/images/tablesearchfocusnormal.png"));
    m_delegate->setButtonPreviewFocusPressed(QStringLiteral(":/style/images/tablesearchfocuspressed.png"));
    m_delegate->setButtonRemoveNormal(QStringLiteral(":/style/images/tabledeletenormal.png"));
    m_delegate->setButtonRemovePressed(QStringLiteral(":/style/images/tabledeletepress.png"));
    m_delegate->setButtonRemoveFocusNormal(QStringLiteral(":/style/images/tabledeletefocusnormal.png"));
    m_delegate->setButtonRemoveFocusPressed(QStringLiteral(":/style/images/tabledeletefocuspressed.png"));
    setItemDelegate(m_delegate);

    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDragEnabled(true);
    setDropIndicatorShown(false);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setMouseTracking(true);

    // The view sorts by itself only through the name header (see
    // onHeaderClicked), so the arrow can follow the model: shown only while
    // the rows are in the order of a sort.
    auto *header = new MergeTableHeader(Qt::Horizontal, this);
    setHorizontalHeader(header);
    header->setSortIndicator(MergeModel::FileNameColumn, Qt::AscendingOrder);
    header->setSortIndicatorShown(false);
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    // The style's minimum would widen the narrow number column.
    header->setMinimumSectionSize(1);
    verticalHeader()->hide();
    setSortingEnabled(false);
    connect(header, &QHeaderView::sectionClicked, this, &MergeTableView::onHeaderClicked);
    connect(model, &MergeModel::sortStateChanged, this, &MergeTableView::showSortState);

    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Keyboard users reach the list with Tab and pick rows with the arrows;
    // Delete and Ctrl+Up/Down then act on the current row.
    setFocusPolicy(Qt::StrongFocus);
    // Tab leaves the list for the next control instead of walking its cells.
    setTabKeyNavigation(false);

    m_dropArea = new DropArea(this);
    m_dropArea->multiSelect = true;
    connect(m_dropArea, &DropArea::droppedFile, this, &MergeTableView::onDroppedFile);
    connect(m_dropArea, &DropArea::droppedFiles, this, &MergeTableView::onDroppedFiles);
    connect(model, &MergeModel::rowMoved, this, &MergeTableView::onRowMoved);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &MergeTableView::onRowsRemoved);
    connect(model, &MergeModel::changed, this, &MergeTableView::onDataChanged);
    connect(model, &QAbstractItemModel::modelReset, this, &MergeTableView::onDataChanged);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged,
            this, &MergeTableView::selectionRowChanged);

    updateColumnWidths();
    onDataChanged();
}

void MergeTableView::makeRowCurrent(int row)
{
    const QModelIndex index = m_model->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect
                                                 | QItemSelectionModel::Rows);
}

void MergeTableView::selectionRowMoveUp()
{
    const QModelIndex current = currentIndex();
    if (current.isValid() && m_model->moveUp(current))
        makeRowCurrent(current.row() - 1);
}

void MergeTableView::selectionRowMoveDown()
{
    const QModelIndex current = currentIndex();
    if (current.isValid() && m_model->moveDown(current))
        makeRowCurrent(current.row() + 1);
}

void MergeTableView::onHeaderClicked(int section)
{
    if (section == MergeModel::FileNameColumn) {
        // An unsorted list sorts A to Z first; a sorted one turns round.
        const bool ascendingNow = m_model->isSorted() && m_model->sortOrder() == Qt::AscendingOrder;
        m_model->sort(MergeModel::FileNameColumn, ascendingNow ? Qt::DescendingOrder : Qt::AscendingOrder);
    }
    // The header flipped its own indicator on the click; the model decides.
    showSortState();
}

void MergeTableView::showSortState()
{
    QHeaderView *header = horizontalHeader();
    header->setSortIndicator(MergeModel::FileNameColumn, m_model->sortOrder());
    header->setSortIndicatorShown(m_model->isSorted());
    header->viewport()->update();
}

void MergeTableView::onDataChanged()
{
    m_dropArea->setVisible(m_model->isEmpty());
    viewport()->update();
}

void MergeTableView::onDroppedFile(const QString &file)
{
    m_model->requestAddFiles(QStringList{file});
}

void MergeTableView::onDroppedFiles(const QStringList &fileList)
{
    m_model->requestAddFiles(fileList);
}

void MergeTableView::onRowsRemoved(const QModelIndex &, int, int)
{
    qDebug() << Q_FUNC_INFO;
    clearSelection();
    if (m_model->isEmpty())
        m_dropArea->show();
}

void MergeTableView::onRowsMoved(const QModelIndex &, int, int, const QModelIndex &, int destinationRow)
{
    setCurrentIndex(m_model->index(destinationRow, 0));
}

void MergeTableView::onRowMoved(int row)
{
    setCurrentIndex(m_model->index(row, 0));
}

void MergeTableView::selectionRowChanged(const QModelIndex &current, const QModelIndex &)
{
    if (current.data(MergeModel::FillerRowRole).toBool())
        clearSelection();
}

int MergeTableView::textColumnWidth(int column, int minimum, const QStringList &cellTexts)
{
    ensurePolished();
    QHeaderView *header = horizontalHeader();
    header->ensurePolished();
    // The header counts room for a sort arrow in every section while one is
    // shown; only the name section draws it.
    const bool arrow = header->isSortIndicatorShown();
    header->setSortIndicatorShown(false);
    int width = std::max(minimum, header->sectionSizeHint(column));
    header->setSortIndicatorShown(arrow);
    for (const QString &text : cellTexts)
        width = std::max(width, fontMetrics().horizontalAdvance(text) + CellPadding);
    return width;
}

void MergeTableView::updateColumnWidths()
{
    const int pages = textColumnWidth(MergeModel::PagesColumn, PagesWidth, {});
    const int password = textColumnWidth(MergeModel::PasswordColumn, PasswordWidth,
                                         MergeItemDelegate::passwordTexts());
    setColumnWidth(MergeModel::NumberColumn, NumberWidth);
    setColumnWidth(MergeModel::PagesColumn, pages);
    setColumnWidth(MergeModel::PasswordColumn, password);
    setColumnWidth(MergeModel::PreviewColumn, PreviewWidth);
    setColumnWidth(MergeModel::RemoveColumn, RemoveWidth);
    setColumnWidth(MergeModel::FileNameColumn,
                   viewport()->width() - NumberWidth - pages - password - PreviewWidth - RemoveWidth);
}

void MergeTableView::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::FontChange
        || event->type() == QEvent::StyleChange)
        updateColumnWidths();
}

void MergeTableView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    updateColumnWidths();
    m_dropArea->setGeometry(viewport()->geometry());
}

bool MergeTableView::acceptsDrag(const QMimeData *data) const
{
    if (!data)
        return false;
    return data->hasFormat(QLatin1String(RowListMimeType))
           || !FileUtils::pdfFilesFromMimeData(data).isEmpty();
}

void MergeTableView::repaintRow(int row)
{
    if (row < 0)
        return;
    for (int column = 0; column < ColumnCount; ++column)
        update(m_model->index(row, column));
}

void MergeTableView::setDropTarget(const QModelIndex &index)
{
    m_dropTarget = index;
    m_delegate->setDropTarget(index);
}

void MergeTableView::clearDropTarget()
{
    m_dropTarget = QPersistentModelIndex();
    m_delegate->clearDropTarget();
}

void MergeTableView::dragEnterEvent(QDragEnterEvent *event)
{
    if (acceptsDrag(event->mimeData())) {
        repaintRow(m_dropTarget.row());
        clearDropTarget();
        event->setDropAction(Qt::CopyAction);
        event->acceptProposedAction();
    }
    QTableView::dragEnterEvent(event);
}

void MergeTableView::dragMoveEvent(QDragMoveEvent *event)
{
    QTableView::dragMoveEvent(event);
    if (!acceptsDrag(event->mimeData()))
        return;
    const int previous = m_dropTarget.row();
    const QModelIndex target = indexAt(event->pos());
    setDropTarget(target);
    repaintRow(previous);
    repaintRow(target.row());
    event->acceptProposedAction();
}

void MergeTableView::dragLeaveEvent(QDragLeaveEvent *event)
{
    QTableView::dragLeaveEvent(event);
    const int previous = m_dropTarget.row();
    clearDropTarget();
    repaintRow(previous);
}

void MergeTableView::dropEvent(QDropEvent *event)
{
    qDebug() << Q_FUNC_INFO << "Merge table. Drop event";
    const QMimeData *data = event->mimeData();
    const int previous = m_dropTarget.row();
    if (data->hasUrls()) {
        const QStringList files = FileUtils::pdfFilesFromMimeData(data);
        if (!files.isEmpty()) {
            m_model->requestAddFiles(files);
            event->acceptProposedAction();
        } else {
            event->ignore();
        }
    } else if (data->hasFormat(QLatin1String(RowListMimeType))) {
        // The model moves the row itself; the drag must not end in a removal
        // of the source row, so the drop is reported as a copy.
        const QModelIndex target = indexAt(event->pos());
        if (m_model->dropMimeData(data, Qt::MoveAction, -1, -1, target)) {
            event->setDropAction(Qt::CopyAction);
            event->accept();
        } else {
            event->ignore();
        }
    } else {
        QTableView::dropEvent(event);
    }
    stopAutoScroll();
    setState(NoState);
    clearDropTarget();
    repaintRow(previous);
    viewport()->update();
}

void MergeTableView::startDrag(Qt::DropActions supportedActions)
{
    const QModelIndexList indexes = selectionModel()->selectedIndexes();
    if (indexes.isEmpty())
        return;
    QMimeData *data = m_model->mimeData(indexes);
    if (!data)
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(data);
    m_delegate->enableDrag();
    // The row is moved by the model when it is dropped; unlike the base view
    // nothing is removed here afterwards, whatever action the drop reports.
    drag->exec(supportedActions, Qt::MoveAction);
    m_delegate->disableDrag();
    const int previous = m_dropTarget.row();
    clearDropTarget();
    repaintRow(previous);
}
