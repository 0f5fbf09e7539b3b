#pragma once

#include <QColor>
#include <QRect>
#include <QStyledItemDelegate>

// Draws one page of the page grid and says where its pieces lie. A cell is
// the page's box (the page fitted into it, drawn or as a plain frame of its
// shape), the page number (with its label) below, and under that the band
// of the part the page belongs to; half of the gap between two pages lies
// on each side of the box. Edits a part's name in a line over its band.
class PageGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // Where the pieces of a cell lie, for a cell at rect.
    struct Cell
    {
        QRect page;       // the box a page is fitted into
        QRect number;     // the page number line
        QRect band;       // the part's band
        QRect gapBefore;  // the half gap left of the box
        QRect gapAfter;   // the half gap right of the box
    };

    explicit PageGridDelegate(QObject *parent = nullptr);

    // Width of a page box in logical pixels (the zoom); height follows.
    void setPageWidth(int width);
    int pageWidth() const { return m_pageWidth; }
    QSize pageBoxSize() const;
    QSize cellSize(const QFontMetrics &metrics) const;
    Cell cell(const QRect &rect, const QFontMetrics &metrics) const;
    // Where the page of pageSize (points) is drawn inside box.
    static QRect pageFrame(const QRect &box, const QSizeF &pageSize);
    // The colour of part index's band (a few colours, in turn).
    static QColor partColor(int part);
    // "12", or "12 · xii" when the label differs from the number.
    static QString numberText(int page, const QString &label);

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

private:
    void paintPage(QPainter *painter, const QRect &frame, const QModelIndex &index) const;
    void paintBands(QPainter *painter, const Cell &cell, const QModelIndex &index) const;
    void paintCuts(QPainter *painter, const Cell &cell, const QRect &rect, const QModelIndex &index) const;

    int m_pageWidth = 150;
};
