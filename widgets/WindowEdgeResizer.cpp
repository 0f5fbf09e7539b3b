#include "widgets/WindowEdgeResizer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace {

Qt::CursorShape cursorFor(Qt::Edges edges)
{
    const bool left = edges & Qt::LeftEdge, right = edges & Qt::RightEdge;
    const bool top = edges & Qt::TopEdge, bottom = edges & Qt::BottomEdge;
    if ((left && top) || (right && bottom))
        return Qt::SizeFDiagCursor;
    if ((right && top) || (left && bottom))
        return Qt::SizeBDiagCursor;
    if (left || right)
        return Qt::SizeHorCursor;
    return Qt::SizeVerCursor;
}

} // namespace

WindowEdgeResizer::WindowEdgeResizer(QWidget *window, int band)
    : QObject(window)
    , m_window(window)
    , m_band(band)
{
    // The native window comes with the first show (or winId()).
    m_window->installEventFilter(this);
    watchNativeWindow();
}

Qt::Edges WindowEdgeResizer::edgesAt(const QRect &area, const QPoint &pos, int band)
{
    Qt::Edges edges;
    if (!area.contains(pos))
        return edges;
    if (pos.x() < area.left() + band)
        edges |= Qt::LeftEdge;
    if (pos.x() > area.right() - band)
        edges |= Qt::RightEdge;
    if (pos.y() < area.top() + band)
        edges |= Qt::TopEdge;
    if (pos.y() > area.bottom() - band)
        edges |= Qt::BottomEdge;
    return edges;
}

QRect WindowEdgeResizer::resized(const QRect &geometry, Qt::Edges edges, const QPoint &delta, const QSize &minimum)
{
    QRect result = geometry;
    if (edges & Qt::LeftEdge)
        result.setLeft(qMin(geometry.left() + delta.x(), geometry.right() + 1 - minimum.width()));
    if (edges & Qt::RightEdge)
        result.setRight(qMax(geometry.right() + delta.x(), geometry.left() + minimum.width() - 1));
    if (edges & Qt::TopEdge)
        result.setTop(qMin(geometry.top() + delta.y(), geometry.bottom() + 1 - minimum.height()));
    if (edges & Qt::BottomEdge)
        result.setBottom(qMax(geometry.bottom() + delta.y(), geometry.top() + minimum.height() - 1));
    return result;
}

void WindowEdgeResizer::watchNativeWindow()
{
    QWindow *native = m_window->windowHandle();
    if (!native || native == m_watched)
        return;
    if (m_watched)
        m_watched->removeEventFilter(this);
    m_watched = native;
    m_watched->installEventFilter(this);
}

Qt::Edges WindowEdgeResizer::activeEdgesAt(const QPoint &pos) const
{
    if (m_window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return Qt::Edges();
    if (m_window->minimumSize() == m_window->maximumSize())
        return Qt::Edges();
    const Qt::Edges edges = edgesAt(m_window->rect(), pos, m_band);
    if (!edges)
        return edges;
    // A button at the edge (the window bar's close button) keeps its clicks.
    QWidget *under = m_window->childAt(pos);
    if (qobject_cast<QAbstractButton *>(under))
        return Qt::Edges();
    return edges;
}

void WindowEdgeResizer::showCursorFor(Qt::Edges edges)
{
    if (edges) {
        const Qt::CursorShape shape = cursorFor(edges);
        if (!m_cursorShown)
            QGuiApplication::setOverrideCursor(QCursor(shape));
        else if (QGuiApplication::overrideCursor()->shape() != shape)
            QGuiApplication::changeOverrideCursor(QCursor(shape));
        m_cursorShown = true;
    } else if (m_cursorShown) {
        QGuiApplication::restoreOverrideCursor();
        m_cursorShown = false;
    }
}

bool WindowEdgeResizer::onMouseMove(QMouseEvent *event)
{
    if (m_dragEdges) {
        if (!(event->buttons() & Qt::LeftButton)) {
            m_dragEdges = Qt::Edges();
            return false;
        }
        m_window->setGeometry(resized(m_startGeometry, m_dragEdges, event->globalPos() - m_pressGlobal,
                                      m_window->minimumSize()));
        return true;
    }
    if (event->buttons() == Qt::NoButton)
        showCursorFor(activeEdgesAt(event->pos()));
    return false;
}

bool WindowEdgeResizer::onMousePress(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    const Qt::Edges edges = activeEdgesAt(event->pos());
    if (!edges)
        return false;
    // The window manager's own resize snaps and shows sizes as usual.
    if (m_watched && m_watched->startSystemResize(edges))
        return true;
    m_dragEdges = edges;
    m_pressGlobal = event->globalPos();
    m_startGeometry = m_window->geometry();
    return true;
}

bool WindowEdgeResizer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::Show || event->type() == QEvent::WinIdChange)
            watchNativeWindow();
        return false;
    }
    if (watched != m_watched)
        return false;
    switch (event->type()) {
    case QEvent::MouseMove:
        return onMouseMove(static_cast<QMouseEvent *>(event));
    case QEvent::MouseButtonPress:
        return onMousePress(static_cast<QMouseEvent *>(event));
    case QEvent::MouseButtonRelease:
        if (m_dragEdges) {
            m_dragEdges = Qt::Edges();
            return true;
        }
        return false;
    case QEvent::Leave:
    case QEvent::Hide:
        showCursorFor(Qt::Edges());
        return false;
    default:
        return false;
    }
}
