#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

class QMouseEvent;
class QWidget;
class QWindow;

// Lets the user resize a frameless window by its edges and corners, as a
// window manager's frame would: within a band along each edge the cursor
// shows the resize arrows, and a press there hands the drag to the window
// manager (or, where the platform cannot take it, resizes the window here).
// It watches the native window, so it sees the mouse above every child; it
// stays out of the way over buttons and while the window is maximised or
// full screen.
class WindowEdgeResizer : public QObject
{
    Q_OBJECT
public:
    // window: the top-level widget; band: the width of the edge zone.
    WindowEdgeResizer(QWidget *window, int band);

    // The edges within band of pos, in a window of size area (none inside).
    static Qt::Edges edgesAt(const QRect &area, const QPoint &pos, int band);
    // geometry resized by dragging edges over delta, no smaller than minimum;
    // the opposite edges stay where they are.
    static QRect resized(const QRect &geometry, Qt::Edges edges, const QPoint &delta, const QSize &minimum);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watchNativeWindow();
    // Edges under pos, none where resizing does not apply now.
    Qt::Edges activeEdgesAt(const QPoint &pos) const;
    bool onMouseMove(QMouseEvent *event);
    bool onMousePress(QMouseEvent *event);
    void showCursorFor(Qt::Edges edges);

    QWidget *m_window;
    QWindow *m_watched = nullptr;
    int m_band;
    // A drag that this class carries out itself.
    Qt::Edges m_dragEdges;
    QPoint m_pressGlobal;
    QRect m_startGeometry;
    bool m_cursorShown = false;
};
