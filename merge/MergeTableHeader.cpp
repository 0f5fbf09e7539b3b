#include "merge/MergeTableHeader.h"

#include <QPainter>

namespace {
const int FileNameSection = 1;
const int TextIndent = 5;
const int ArrowGap = 10;
}

MergeTableHeader::MergeTableHeader(Qt::Orientation orientation, QWidget *parent)
    : QHeaderView(orientation, parent)
    , m_sortNeutral(QStringLiteral(":/style/images/Sort.png"))
    , m_sortAscending(QStringLiteral(":/style/images/SortUp.png"))
    , m_sortDescending(QStringLiteral(":/style/images/SortDown.png"))
{
    setMouseTracking(true);
}

void MergeTableHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    if (logicalIndex != FileNameSection) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    painter->save();
    painter->fillRect(rect, Qt::white);
    const QString text = model() ? model()->headerData(logicalIndex, orientation()).toString()
                                 : QString();
    const QRect textRect = rect.adjusted(TextIndent, 0, 0, 0);
    painter->setPen(palette().color(QPalette::WindowText));
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text);
    painter->setPen(QColor(QStringLiteral("#D7D8D9")));
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());

    if (isSortIndicatorShown() && sortIndicatorSection() == logicalIndex) {
        const QPixmap &arrow = sortIndicatorOrder() == Qt::AscendingOrder ? m_sortAscending
                                                                          : m_sortDescending;
        const int textWidth = painter->fontMetrics().horizontalAdvance(text);
        const int height = m_sortNeutral.isNull() ? arrow.height() : m_sortNeutral.height();
        const int x = textRect.left() + textWidth + ArrowGap;
        const int y = rect.top() + (rect.height() - height) / 2;
        painter->drawPixmap(x, y, arrow);
    }
    painter->restore();
}
