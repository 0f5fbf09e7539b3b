#pragma once

#include <QListView>
#include <QVector>

class PageGridDelegate;
class PageGridModel;
class QTimer;

// The page grid: the pages of a PageGridModel as pictures in rows, in
// reading order. A click in the gap between two pages cuts there (or joins
// the parts again), a click on a page marks it (Shift: a run of pages),
// double-clicking a band names its part, as the model's mode allows; the
// arrow keys move between pages and Space cuts after, or marks, the current
// one. Ctrl+wheel and Ctrl+plus/minus zoom. It says which pages it wants
// drawn (wantedPages()) whenever that may have changed; it draws nothing
// itself but what it is given.
class PageGridView : public QListView
{
    Q_OBJECT
public:
    explicit PageGridView(QWidget *parent = nullptr);

    void setGridModel(PageGridModel *model);
    PageGridModel *gridModel() const { return m_model; }
    PageGridDelegate *gridDelegate() const { return m_delegate; }

    // Zoom: the width of a page box in logical pixels, between the smallest
    // and largest step.
    int pageWidth() const;
    void setPageWidth(int width);
    static const QVector<int> &zoomSteps();

    // The box a picture must fill, in device pixels.
    QSize pictureBox() const;
    // The pages on screen, in page order.
    QVector<int> visiblePages() const;
    // The pages on screen, nearest to its middle first, then one screen
    // below and one above (for the scroll that comes next).
    QVector<int> wantedPages() const;
    // The page after which point (viewport coordinates) lies in a gap
    // between pages, 0 when it is not in such a gap.
    int gapAt(const QPoint &point) const;
    // The page whose band lies under point, 0 when none.
    int bandAt(const QPoint &point) const;
    // The page whose box lies under point, 0 when none.
    int pageAt(const QPoint &point) const;
    // The cell of page in viewport coordinates.
    QRect pageCell(int page) const;

public slots:
    void zoomIn();
    void zoomOut();

signals:
    // The pages wanted may have changed (scroll, resize, zoom); coalesced.
    void wantedPagesChanged();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent *event) override;

private:
    // Visible pages as [first, last] (1-based), and pages per row.
    struct Span
    {
        int first = 0;
        int last = -1;
        int columns = 1;
    };
    Span visibleSpan() const;
    void paintBandLabels(QPainter &painter);
    QString bandText(int part) const;
    void setHoveredGap(int page);
    void scheduleWanted();
    void activatePage(int page, Qt::KeyboardModifiers modifiers);

    PageGridModel *m_model = nullptr;
    PageGridDelegate *m_delegate = nullptr;
    QTimer *m_wantedTimer = nullptr;
    int m_hoveredGap = 0;
    int m_markAnchor = 0;   // the page a Shift+click runs from
};
