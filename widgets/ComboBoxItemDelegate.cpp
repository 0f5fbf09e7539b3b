#include "widgets/ComboBoxItemDelegate.h"

#include <QApplication>
#include <QStyle>

void ComboBoxItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const
{
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    item.text = index.sibling(index.row(), 0).data(Qt::DisplayRole).toString();
    item.state &= ~QStyle::State_HasFocus;
    const QWidget *widget = item.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
}
