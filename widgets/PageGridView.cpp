#include "widgets/PageGridView.h"

#include "widgets/PageGridDelegate.h"
#include "widgets/PageGridModel.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>

namespace {

const QColor BandTextColor(0x2B, 0x2B, 0x2B);
const QColor HoverCutColor(0x97, 0x34, 0x39, 150);
const int BandTextMargin = 6;
const int ScrollStep = 40;

} // namespace

PageGridView::PageGridView(QWidget *parent)
    : QListView(parent)
    , m_delegate(new PageGridDelegate(this))
    , m_wantedTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("pageGrid"));
    setViewMode(QListView::ListMode);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalScrollBar()->setSingleStep(ScrollStep);
    setSpacing(0);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setItemDelegate(m_delegate);
    setGridSize(m_delegate->cellSize(fontMetrics()));
    // Scrolling, resizing and zooming come in bursts: one answer per burst.
    m_wantedTimer->setSingleShot(true);
    m_wantedTimer->setInterval(0);
    connect(m_wantedTimer, &QTimer::timeout, this, &PageGridView::wantedPagesChanged);
}

void PageGridView::setGridModel(PageGridModel *model)
{
    m_model = model;
    setModel(model);
    setEditTriggers(model && model->mode() == PageGridModel::CutParts ? QAbstractItemView::EditKeyPressed
                                                                       : QAbstractItemView::NoEditTriggers);
    if (model && model->rowCount() > 0)
        setCurrentIndex(model->index(0));
    scheduleWanted();
}

const QVector<int> &PageGridView::zoomSteps()
{
    static const QVector<int> steps{60, 80, 110, 150, 200, 260, 340, 440};
    return steps;
}

int PageGridView::pageWidth() const
{
    return m_delegate->pageWidth();
}

void PageGridView::setPageWidth(int width)
{
    width = qBound(zoomSteps().first(), width, zoomSteps().last());
    if (width == pageWidth())
        return;
    // The page in focus, or the first one on screen, stays in sight.
    const Span span = visibleSpan();
    const int current = currentIndex().row() + 1;
    const int anchor = current >= span.first && current <= span.last ? current : span.first;
    m_delegate->setPageWidth(width);
    setGridSize(m_delegate->cellSize(fontMetrics()));
    doItemsLayout();
    if (m_model && anchor >= 1)
        scrollTo(m_model->index(anchor - 1), QAbstractItemView::PositionAtCenter);
    scheduleWanted();
}

void PageGridView::zoomIn()
{
    const auto &steps = zoomSteps();
    const auto next = std::upper_bound(steps.cbegin(), steps.cend(), pageWidth());
    if (next != steps.cend())
        setPageWidth(*next);
}

void PageGridView::zoomOut()
{
    const auto &steps = zoomSteps();
    const auto below = std::lower_bound(steps.cbegin(), steps.cend(), pageWidth());
    if (below != steps.cbegin())
        setPageWidth(*(below - 1));
}

QSize PageGridView::pictureBox() const
{
    return m_delegate->pageBoxSize() * devicePixelRatioF();
}

QRect PageGridView::pageCell(int page) const
{
    return m_model ? visualRect(m_model->index(page - 1)) : QRect();
}

PageGridView::Span PageGridView::visibleSpan() const
{
    Span span;
    const int count = m_model ? m_model->rowCount() : 0;
    if (count == 0)
        return span;
    const QRect first = pageCell(1);
    if (first.height() <= 0 || first.width() <= 0)
        return span;
    // Pages per row, from where the second row begins.
    while (span.columns < count && pageCell(span.columns + 1).top() == first.top())
        ++span.columns;
    const int offset = -first.top();
    const int topRow = qMax(0, offset / first.height());
    const int bottomRow = qMax(topRow, (offset + viewport()->height() - 1) / first.height());
    span.first = qMin(count, topRow * span.columns + 1);
    span.last = qMin(count, (bottomRow + 1) * span.columns);
    return span;
}

QVector<int> PageGridView::visiblePages() const
{
    const Span span = visibleSpan();
    QVector<int> pages;
    for (int page = span.first; page <= span.last && page >= 1; ++page)
        pages.append(page);
    return pages;
}

QVector<int> PageGridView::wantedPages() const
{
    const Span span = visibleSpan();
    const int count = m_model ? m_model->rowCount() : 0;
    QVector<int> pages;
    if (span.last < span.first)
        return pages;
    for (int page = span.first; page <= span.last; ++page)
        pages.append(page);
    // Nearest to the middle of the screen first: row distance, then column.
    const int middleRow = ((span.first + span.last) / 2 - 1) / span.columns;
    const int middleColumn = span.columns / 2;
    std::stable_sort(pages.begin(), pages.end(), [&](int a, int b) {
        const int rowA = std::abs((a - 1) / span.columns - middleRow);
        const int rowB = std::abs((b - 1) / span.columns - middleRow);
        if (rowA != rowB)
            return rowA < rowB;
        return std::abs((a - 1) % span.columns - middleColumn) < std::abs((b - 1) % span.columns - middleColumn);
    });
    // Then one screen ahead, the way a reader scrolls, and one behind.
    const int screen = span.last - span.first + 1;
    for (int page = span.last + 1; page <= qMin(count, span.last + screen); ++page)
        pages.append(page);
    for (int page = span.first - 1; page >= qMax(1, span.first - screen); --page)
        pages.append(page);
    return pages;
}

int PageGridView::gapAt(const QPoint &point) const
{
    const QModelIndex index = indexAt(point);
    if (!index.isValid() || !m_model)
        return 0;
    const int page = index.row() + 1;
    const PageGridDelegate::Cell cell = m_delegate->cell(visualRect(index), fontMetrics());
    if (cell.gapAfter.contains(point))
        return page < m_model->rowCount() ? page : 0;
    if (cell.gapBefore.contains(point))
        return page - 1;
    return 0;
}

int PageGridView::bandAt(const QPoint &point) const
{
    const QModelIndex index = indexAt(point);
    if (!index.isValid())
        return 0;
    return m_delegate->cell(visualRect(index), fontMetrics()).band.contains(point) ? index.row() + 1 : 0;
}

int PageGridView::pageAt(const QPoint &point) const
{
    const QModelIndex index = indexAt(point);
    if (!index.isValid())
        return 0;
    return m_delegate->cell(visualRect(index), fontMetrics()).page.contains(point) ? index.row() + 1 : 0;
}

void PageGridView::activatePage(int page, Qt::KeyboardModifiers modifiers)
{
    if (!m_model || m_model->mode() != PageGridModel::MarkPages)
        return;
    const bool run = (modifiers & Qt::ShiftModifier) && m_markAnchor > 0;
    m_model->toggleMark(page, run ? m_markAnchor : 0);
    m_markAnchor = page;
}

void PageGridView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_model) {
        QListView::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const int gap = gapAt(event->pos());
    if (gap > 0 && m_model->mode() == PageGridModel::CutParts) {
        m_model->toggleCut(gap);
        event->accept();
        return;
    }
    const int page = pageAt(event->pos());
    if (page > 0) {
        setCurrentIndex(m_model->index(page - 1));
        activatePage(page, event->modifiers());
    }
    event->accept();
}

void PageGridView::mouseDoubleClickEvent(QMouseEvent *event)
{
    const int band = m_model && m_model->mode() == PageGridModel::CutParts ? bandAt(event->pos()) : 0;
    if (band > 0 && gapAt(event->pos()) == 0 && m_model->parts().partAt(band) >= 0) {
        setCurrentIndex(m_model->index(band - 1));
        edit(m_model->index(band - 1));
        event->accept();
        return;
    }
    // The second click of a double click counts as a click of its own.
    mousePressEvent(event);
}

void PageGridView::mouseMoveEvent(QMouseEvent *event)
{
    int gap = m_model && m_model->mode() == PageGridModel::CutParts ? gapAt(event->pos()) : 0;
    if (gap > 0 && !m_model->parts().canToggleCut(gap))
        gap = 0;
    setHoveredGap(gap);
    QListView::mouseMoveEvent(event);
}

void PageGridView::leaveEvent(QEvent *event)
{
    setHoveredGap(0);
    QListView::leaveEvent(event);
}

void PageGridView::setHoveredGap(int page)
{
    if (page == m_hoveredGap)
        return;
    m_hoveredGap = page;
    if (page > 0)
        viewport()->setCursor(Qt::SplitHCursor);
    else
        viewport()->unsetCursor();
    viewport()->update();
}

void PageGridView::keyPressEvent(QKeyEvent *event)
{
    const bool control = event->modifiers() & Qt::ControlModifier;
    if (control && (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal)) {
        zoomIn();
        return;
    }
    if (control && event->key() == Qt::Key_Minus) {
        zoomOut();
        return;
    }
    if (event->key() == Qt::Key_Space && m_model && state() != EditingState) {
        const int page = qMax(1, currentIndex().row() + 1);
        if (m_model->mode() == PageGridModel::CutParts)
            m_model->toggleCut(page);
        else
            activatePage(page, event->modifiers());
        return;
    }
    QListView::keyPressEvent(event);
}

void PageGridView::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QListView::wheelEvent(event);
        return;
    }
    if (event->angleDelta().y() > 0)
        zoomIn();
    else if (event->angleDelta().y() < 0)
        zoomOut();
    event->accept();
}

void PageGridView::resizeEvent(QResizeEvent *event)
{
    QListView::resizeEvent(event);
    scheduleWanted();
}

void PageGridView::scrollContentsBy(int dx, int dy)
{
    QListView::scrollContentsBy(dx, dy);
    scheduleWanted();
}

void PageGridView::scheduleWanted()
{
    m_wantedTimer->start();
}

QString PageGridView::bandText(int part) const
{
    const PageParts::Part &range = m_model->parts().parts().at(part);
    QString text = range.from == range.to ? QStringLiteral("%1 \u00b7 %2").arg(part + 1).arg(range.from)
                                          : QStringLiteral("%1 \u00b7 %2\u2013%3").arg(part + 1).arg(range.from).arg(range.to);
    if (!range.name.isEmpty())
        text += QStringLiteral(" \u00b7 ") + range.name;
    return text;
}

void PageGridView::paintEvent(QPaintEvent *event)
{
    QListView::paintEvent(event);
    if (!m_model)
        return;
    QPainter painter(viewport());
    paintBandLabels(painter);
    if (m_hoveredGap > 0) {
        // Where a click would cut (or join): a line in the gap.
        const QRect before = pageCell(m_hoveredGap);
        const PageGridDelegate::Cell cell = m_delegate->cell(before, fontMetrics());
        painter.setPen(QPen(HoverCutColor, 2, Qt::DashLine));
        painter.drawLine(QPoint(before.right(), cell.page.top()), QPoint(before.right(), cell.band.bottom()));
        const QRect after = pageCell(m_hoveredGap + 1);
        if (after.top() != before.top())
            painter.drawLine(QPoint(after.left() + 1, cell.page.top() - before.top() + after.top()),
                             QPoint(after.left() + 1, cell.band.bottom() - before.top() + after.top()));
    }
}

// The number, pages and name of each part over its band, once per row it
// spans, across as many pages as it has in that row.
void PageGridView::paintBandLabels(QPainter &painter)
{
    if (m_model->mode() != PageGridModel::CutParts && m_model->mode() != PageGridModel::ShowParts)
        return;
    const PageParts &parts = m_model->parts();
    const Span span = visibleSpan();
    const QFontMetrics metrics = fontMetrics();
    painter.setPen(BandTextColor);
    for (int page = span.first; page <= span.last && page >= 1; ++page) {
        const int part = parts.partAt(page);
        const QRect cellRect = pageCell(page);
        const bool rowStart = page == 1 || pageCell(page - 1).top() != cellRect.top();
        if (part < 0 || (parts.partAt(page - 1) == part && !rowStart))
            continue;
        int runEnd = page;
        while (runEnd < m_model->rowCount() && parts.partAt(runEnd + 1) == part
               && pageCell(runEnd + 1).top() == cellRect.top())
            ++runEnd;
        const QRect band = m_delegate->cell(cellRect, metrics).band.united(
            m_delegate->cell(pageCell(runEnd), metrics).band);
        const QRect textRect = band.adjusted(BandTextMargin + 6, 0, -BandTextMargin - 6, 0);
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(bandText(part), Qt::ElideRight, textRect.width()));
    }
}

bool PageGridView::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip || !m_model)
        return QListView::viewportEvent(event);
    auto *help = static_cast<QHelpEvent *>(event);
    const QPoint point = help->pos();
    QString text;
    const int gap = gapAt(point);
    const int band = bandAt(point);
    const int page = pageAt(point);
    const PageParts &parts = m_model->parts();
    if (m_model->mode() == PageGridModel::CutParts && gap > 0 && parts.canToggleCut(gap)) {
        text = parts.hasCut(gap) ? tr("Click to join the parts on both sides")
                                 : tr("Click to cut between page %1 and page %2").arg(gap).arg(gap + 1);
    } else if (band > 0 && parts.partAt(band) >= 0 && (m_model->mode() == PageGridModel::CutParts
                                                        || m_model->mode() == PageGridModel::ShowParts)) {
        const int part = parts.partAt(band);
        const PageParts::Part &range = parts.parts().at(part);
        text = tr("Part %1: pages %2 to %3").arg(part + 1).arg(range.from).arg(range.to);
        if (!range.name.isEmpty())
            text += QLatin1Char('\n') + tr("File name: %1").arg(range.name);
        if (m_model->mode() == PageGridModel::CutParts)
            text += QLatin1Char('\n') + tr("Double-click to name the file");
    } else if (page > 0 && m_model->index(page - 1).data(PageGridModel::FailedRole).toBool()) {
        text = tr("Page %1 could not be drawn.").arg(page);
    }
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, viewport());
    return true;
}
