#pragma once

#include <QStyledItemDelegate>

// Paints each drop-down entry as a plain item-view item showing column 0 of
// its row, without the focus frame.
class ComboBoxItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};
