#pragma once

#include <QHeaderView>
#include <QPixmap>

// Horizontal header of the merge table. Only the file-name section sorts, so
// only it paints a sort arrow (while the sort indicator is shown), drawn
// beside its text rather than at the edge.
class MergeTableHeader : public QHeaderView
{
    Q_OBJECT
public:
    explicit MergeTableHeader(Qt::Orientation orientation, QWidget *parent = nullptr);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    QPixmap m_sortNeutral;
    QPixmap m_sortAscending;
    QPixmap m_sortDescending;
};
