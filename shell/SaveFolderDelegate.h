#pragma once

#include <QStyledItemDelegate>

// Paints the open list of the save-folder box with the descriptions
// (column 1), while the closed box shows column 0 (for a chosen folder,
// its path).
class SaveFolderDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit SaveFolderDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The text an entry of the open list shows: column 1 of its row.
    static QString listText(const QModelIndex &index);
};
