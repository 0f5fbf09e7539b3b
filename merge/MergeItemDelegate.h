#pragma once

#include <QPersistentModelIndex>
#include <QStringList>
#include <QStyledItemDelegate>

// Paints the merge table's cells: a turned row's turn beside its name, the
// password state as text, the preview and remove cells as image buttons, and
// the drop line on top of the row that a dragged row would land on. Edits
// the Pages cell in a line edit that checks the choice as it is typed.
// Size hints are the base class's.
class MergeItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit MergeItemDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    // A line edit for the Pages cell (empty: all pages); the base class's
    // editor elsewhere. Every change of its text is checked against the
    // row's page count and reported by pagesChecked().
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    // "↻ 90°", "↻ 180°", "↺ 90°" for a turn of 90, 180, 270 degrees; empty for none.
    static QString rotationText(int degrees);

    QString getButtonPreviewNormal() const { return m_previewNormal; }
    QString getButtonPreviewPressed() const { return m_previewPressed; }
    QString getButtonPreviewFocusNormal() const { return m_previewFocusNormal; }
    QString getButtonPreviewFocusPressed() const { return m_previewFocusPressed; }
    QString getButtonRemoveNormal() const { return m_removeNormal; }
    QString getButtonRemovePressed() const { return m_removePressed; }
    QString getButtonRemoveFocusNormal() const { return m_removeFocusNormal; }
    QString getButtonRemoveFocusPressed() const { return m_removeFocusPressed; }

    void setButtonPreviewNormal(const QString &path) { m_previewNormal = path; }
    void setButtonPreviewPressed(const QString &path) { m_previewPressed = path; }
    void setButtonPreviewFocusNormal(const QString &path) { m_previewFocusNormal = path; }
    void setButtonPreviewFocusPressed(const QString &path) { m_previewFocusPressed = path; }
    void setButtonRemoveNormal(const QString &path) { m_removeNormal = path; }
    void setButtonRemovePressed(const QString &path) { m_removePressed = path; }
    void setButtonRemoveFocusNormal(const QString &path) { m_removeFocusNormal = path; }
    void setButtonRemoveFocusPressed(const QString &path) { m_removeFocusPressed = path; }

    // The row a dragged row would land on; its cells draw the drop line.
    void setDropTarget(const QModelIndex &index) { m_dropTarget = index; }
    void clearDropTarget() { m_dropTarget = QPersistentModelIndex(); }
    QModelIndex dropTarget() const { return m_dropTarget; }

    bool isDragEnabled() const { return m_dragEnabled; }

    // The text the password cell shows for a row.
    static QString passwordText(const QModelIndex &index);
    // Every text the password cell can show, in the current language.
    static QStringList passwordTexts();

signals:
    // The Pages editor of row checked its text: problem is why it would be
    // refused, empty when it would be taken. Sent with row -1 and an empty
    // problem when the editor closes.
    void pagesChecked(int row, const QString &problem) const;

public slots:
    void setDragState(bool enabled) { m_dragEnabled = enabled; }
    void enableDrag() { m_dragEnabled = true; }
    void disableDrag() { m_dragEnabled = false; }

private:
    void paintName(QPainter *painter, const QStyleOptionViewItem &option,
                   const QModelIndex &index) const;
    void paintPassword(QPainter *painter, const QStyleOptionViewItem &option,
                       const QModelIndex &index) const;
    void paintImageButton(QPainter *painter, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const;
    void paintDropLine(QPainter *painter, const QStyleOptionViewItem &option,
                       const QModelIndex &index) const;
    QString imageFor(int column, QStyle::State state) const;

    QString m_previewNormal;
    QString m_previewPressed;
    QString m_previewFocusNormal;
    QString m_previewFocusPressed;
    QString m_removeNormal;
    QString m_removePressed;
    QString m_removeFocusNormal;
    QString m_removeFocusPressed;
    bool m_dragEnabled = false;
    QPersistentModelIndex m_dropTarget;
};
