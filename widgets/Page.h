#pragma once

#include <QLabel>
#include <memory>

class DebenuDocument;

// One page of the viewer's column. It has the page's size in points (one point
// per pixel) from the start, and renders itself only when it is painted; the
// rendered image, with its "Page n" label, is kept in the application-wide
// pixmap cache.
class Page : public QLabel
{
    Q_OBJECT
public:
    // Reads the page size (cheap: no rendering) and fixes the widget to it.
    Page(std::shared_ptr<DebenuDocument> document, int pageNumber, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    int pageNumber() const { return m_pageNumber; }
    // Shows the page turned by degrees clockwise (0, 90, 180 or 270), as a
    // merge will turn it: a quarter turn swaps the widget's width and height.
    void setRotation(int degrees);
    int rotation() const { return m_rotation; }

    // Key of this page's image in QPixmapCache.
    QString cacheKey() const;
    static QString cacheKey(int documentId, int pageNumber);

    // The label box for an image rectangle and a label text width: at least
    // 100 wide, 30 high, centred, ending one pixel above the bottom edge.
    static QRect labelRect(const QRect &imageRect, int textWidth);
    // "Page n" in the current language.
    static QString labelText(int pageNumber);
    // Draws "Page n" in its box onto an image, keeping the painter's state.
    static void drawLabel(QPainter &painter, const QRect &imageRect, int pageNumber);

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The page image with its label, from the cache or freshly rendered.
    QPixmap pagePixmap();

    std::shared_ptr<DebenuDocument> m_document;
    int m_pageNumber = 0;
    int m_rotation = 0;
    QSize m_size = QSize(-1, -1);
};
