#include "shell/SaveFolderDelegate.h"

#include <QApplication>
#include <QPainter>

SaveFolderDelegate::SaveFolderDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

QString SaveFolderDelegate::listText(const QModelIndex &index)
{
    return index.sibling(index.row(), 1).data(Qt::DisplayRole).toString();
}

void SaveFolderDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    item.text = listText(index);
    const QWidget *widget = item.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
}

QSize SaveFolderDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    item.text = listText(index);
    const QWidget *widget = item.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    return style->sizeFromContents(QStyle::CT_ItemViewItem, &item, QSize(), widget);
}
