#include "shell/SaveFolderModel.h"

#include "app/AppSettings.h"

SaveFolderModel::SaveFolderModel(QObject *parent)
    : QAbstractTableModel(parent)
    , m_customFolder(AppSettings::desktopFolder())
{
}

int SaveFolderModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

int SaveFolderModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant SaveFolderModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= 3 || index.column() >= 3)
        return QVariant();
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    if (index.column() == ColumnMode)
        return index.row();
    switch (index.row()) {
    case ModeSubFolder:
        return tr("Sub folder");
    case ModeOriginalFolder:
        return tr("Original folder");
    default:
        return index.column() == ColumnValue ? QVariant(m_customFolder) : QVariant(tr("Select folder..."));
    }
}

bool SaveFolderModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() != ModeSelectFolder
        || index.column() != ColumnValue)
        return false;
    m_customFolder = value.toString();
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags SaveFolderModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void SaveFolderModel::reset()
{
    setData(index(ModeSelectFolder, ColumnValue), AppSettings::desktopFolder(), Qt::EditRole);
}

void SaveFolderModel::retranslate()
{
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole, Qt::EditRole});
}

int SaveFolderModel::modeAt(int row) const
{
    if (row < 0 || row >= rowCount())
        return -1;
    return data(index(row, ColumnMode)).toInt();
}
