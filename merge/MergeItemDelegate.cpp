#include "merge/MergeItemDelegate.h"

#include "merge/MergeModel.h"
#include "protocol/PageEntry.h"
#include "widgets/PixmapLoader.h"

#include <QLineEdit>
#include <QPainter>
#include <QPixmap>

namespace {

enum Column { ColumnPassword = 3, ColumnPreview = 4, ColumnRemove = 5 };

bool isFillerRow(const QModelIndex &index)
{
    return index.data(MergeModel::FillerRowRole).toBool();
}

} // namespace

MergeItemDelegate::MergeItemDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

namespace {

bool needsPassword(const QModelIndex &index)
{
    return index.data(MergeModel::HasPasswordRole).toBool()
           && index.data(MergeModel::PasswordRole).toString().isEmpty();
}

// Opened without pages, or not opened at all though no password is wanted:
// damaged, not a PDF, or gone.
bool isUnreadable(const QModelIndex &index)
{
    return !needsPassword(index) && index.data(MergeModel::PageCountRole).toInt() <= 0;
}

} // namespace

QStringList MergeItemDelegate::passwordTexts()
{
    return {tr("Enter Password"), tr("unreadable"), tr("ok")};
}

QString MergeItemDelegate::passwordText(const QModelIndex &index)
{
    if (needsPassword(index))
        return tr("Enter Password");
    if (isUnreadable(index))
        return tr("unreadable");
    return tr("ok");
}

void MergeItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    switch (index.column()) {
    case MergeModel::FileNameColumn:
        if (isFillerRow(index)) {
            QStyledItemDelegate::paint(painter, option, index);
        } else {
            paintName(painter, option, index);
            paintDropLine(painter, option, index);
        }
        break;
    case 0:
    case 2:
        QStyledItemDelegate::paint(painter, option, index);
        if (!isFillerRow(index))
            paintDropLine(painter, option, index);
        break;
    case ColumnPassword:
        if (!isFillerRow(index)) {
            paintPassword(painter, option, index);
            paintDropLine(painter, option, index);
        }
        break;
    case ColumnPreview:
    case ColumnRemove:
        if (!isFillerRow(index)) {
            paintImageButton(painter, option, index);
            paintDropLine(painter, option, index);
        }
        break;
    default:
        QStyledItemDelegate::paint(painter, option, index);
        break;
    }
}

QString MergeItemDelegate::rotationText(int degrees)
{
    switch (((degrees % 360) + 360) % 360) {
    case 90:
        return QStringLiteral("\u21bb 90\u00b0");
    case 180:
        return QStringLiteral("\u21bb 180\u00b0");
    case 270:
        return QStringLiteral("\u21ba 90\u00b0");
    default:
        return QString();
    }
}

QWidget *MergeItemDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                         const QModelIndex &index) const
{
    if (index.column() != MergeModel::PagesColumn)
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto *editor = new QLineEdit(parent);
    editor->setObjectName(QStringLiteral("pagesEditor"));
    editor->setPlaceholderText(tr("all"));
    editor->setFrame(false);
    const int pageCount = index.data(MergeModel::PageCountRole).toInt();
    const int row = index.row();
    connect(editor, &QLineEdit::textChanged, this, [this, editor, pageCount, row](const QString &text) {
        const QString problem = text.trimmed().isEmpty()
                                    ? QString()
                                    : PageEntry::message(PageEntry::parseList(text, pageCount));
        editor->setStyleSheet(problem.isEmpty() ? QString() : QStringLiteral("color: rgb(151, 52, 57);"));
        emit pagesChecked(row, problem);
    });
    connect(editor, &QObject::destroyed, this, [this]() { emit pagesChecked(-1, QString()); });
    return editor;
}

// The name is cut short before the turn marker rather than under it.
void MergeItemDelegate::paintName(QPainter *painter, const QStyleOptionViewItem &option,
                                  const QModelIndex &index) const
{
    const QString marker = rotationText(index.data(MergeModel::RotationRole).toInt());
    if (marker.isEmpty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const bool selected = option.state & QStyle::State_Selected;
    if (selected)
        painter->fillRect(option.rect, option.palette.highlight());
    const int markerWidth = option.fontMetrics.horizontalAdvance(marker) + 8;
    QStyleOptionViewItem nameOption = option;
    nameOption.rect.setRight(option.rect.right() - markerWidth);
    QStyledItemDelegate::paint(painter, nameOption, index);
    painter->save();
    painter->setPen(selected ? option.palette.highlightedText().color() : QColor(4, 106, 208));
    QRect markerRect = option.rect;
    markerRect.setLeft(nameOption.rect.right());
    markerRect.setRight(option.rect.right() - 4);
    painter->drawText(markerRect, Qt::AlignRight | Qt::AlignVCenter, marker);
    painter->restore();
}

void MergeItemDelegate::paintPassword(QPainter *painter, const QStyleOptionViewItem &option,
                                      const QModelIndex &index) const
{
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    if (selected) {
        painter->fillRect(option.rect, option.palette.highlight());
        painter->setPen(option.palette.highlightedText().color());
    } else {
        painter->setPen(option.palette.text().color());
    }
    if (needsPassword(index)) {
        QFont font = option.font;
        font.setUnderline(true);
        painter->setFont(font);
        painter->setPen(QColor(4, 106, 208));
    } else if (isUnreadable(index)) {
        painter->setFont(option.font);
        painter->setPen(QColor(151, 52, 57));
    } else {
        painter->setFont(option.font);
    }
    painter->drawText(option.rect, Qt::AlignHCenter | Qt::AlignVCenter, passwordText(index));
    painter->restore();
}

QString MergeItemDelegate::imageFor(int column, QStyle::State state) const
{
    const bool preview = column == ColumnPreview;
    const bool selected = state & QStyle::State_Selected;
    const bool hovered = state & QStyle::State_MouseOver;
    if (selected && hovered)
        return preview ? m_previewFocusPressed : m_removeFocusPressed;
    if (selected)
        return preview ? m_previewFocusNormal : m_removeFocusNormal;
    if (hovered)
        return preview ? m_previewPressed : m_removePressed;
    return preview ? m_previewNormal : m_removeNormal;
}

void MergeItemDelegate::paintImageButton(QPainter *painter, const QStyleOptionViewItem &option,
                                         const QModelIndex &index) const
{
    if (option.state & QStyle::State_Selected)
        painter->fillRect(option.rect, option.palette.highlight());
    const QPixmap image = PixmapLoader::load(imageFor(index.column(), option.state));
    if (image.isNull())
        return;
    QRect cell = option.rect;
    if (index.column() == ColumnRemove)
        cell.setRight(cell.right() - 11);
    QRect target(QPoint(0, 0), image.size() / image.devicePixelRatio());
    target.moveCenter(cell.center());
    painter->drawPixmap(target, image);
}

void MergeItemDelegate::paintDropLine(QPainter *painter, const QStyleOptionViewItem &option,
                                      const QModelIndex &index) const
{
    if (!m_dropTarget.isValid() || m_dropTarget.row() != index.row())
        return;
    painter->save();
    painter->setPen(QPen(QColor(QStringLiteral("#656565")), 3));
    painter->drawLine(option.rect.topLeft(), option.rect.topRight());
    painter->restore();
}
