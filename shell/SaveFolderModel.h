#pragma once

#include <QAbstractTableModel>
#include <QString>

// The save-folder choices for split results: three rows (sub folder, original
// folder, chosen folder) and three columns (closed-box text, list text, mode).
class SaveFolderModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { ColumnValue = 0, ColumnDescription = 1, ColumnMode = 2 };
    enum Mode { ModeSubFolder = 0, ModeOriginalFolder = 1, ModeSelectFolder = 2 };

    explicit SaveFolderModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;

    // Display and edit roles only; other roles give an empty value.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // Accepts only the edit role at row 2, column 0 (the chosen folder);
    // emits dataChanged for that cell. Everything else returns false.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    QString customFolder() const { return m_customFolder; }
    // Back to the desktop folder.
    void reset();
    // Tells views to read the translated texts again (after a language change).
    void retranslate();

    // Mode stored in column 2 of row; -1 for a row that does not exist.
    int modeAt(int row) const;

private:
    QString m_customFolder;
};
