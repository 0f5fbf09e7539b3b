#include "widgets/PageGridDelegate.h"

#include "widgets/PageGridModel.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>

namespace {

const int HalfGap = 12;
const int TopMargin = 8;
const int BottomMargin = 8;
const int NumberSpacing = 4;
const int BandSpacing = 3;
const int BandPadding = 6;
const int BandInset = 3;     // a part's band stops short of a cut
const int CutLineWidth = 2;  // each of the two pages beside a cut draws half
// A4 and Letter pages in portrait fit the box at full width.
const double BoxAspect = 1.42;
const int EditorMinimumWidth = 180;

const QColor FrameColor(0xD7, 0xD8, 0xD9);
const QColor NumberColor(0x65, 0x65, 0x65);
const QColor CutColor(0x97, 0x34, 0x39);
const QColor LeftOutColor(0xC0, 0x39, 0x2B);
const QColor FocusColor(0x04, 0x6A, 0xD0);
const QColor FailedColor(0xB0, 0xB0, 0xB0);

} // namespace

PageGridDelegate::PageGridDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

void PageGridDelegate::setPageWidth(int width)
{
    m_pageWidth = qMax(16, width);
}

QSize PageGridDelegate::pageBoxSize() const
{
    return QSize(m_pageWidth, qRound(m_pageWidth * BoxAspect));
}

QSize PageGridDelegate::cellSize(const QFontMetrics &metrics) const
{
    const int line = metrics.height();
    return QSize(m_pageWidth + 2 * HalfGap,
                 TopMargin + pageBoxSize().height() + NumberSpacing + line + BandSpacing + line + BandPadding
                     + BottomMargin);
}

PageGridDelegate::Cell PageGridDelegate::cell(const QRect &rect, const QFontMetrics &metrics) const
{
    const int line = metrics.height();
    Cell result;
    result.page = QRect(QPoint(rect.left() + HalfGap, rect.top() + TopMargin), pageBoxSize());
    result.number = QRect(rect.left(), result.page.bottom() + 1 + NumberSpacing, rect.width(), line);
    result.band = QRect(rect.left(), result.number.bottom() + 1 + BandSpacing, rect.width(), line + BandPadding);
    result.gapBefore = QRect(rect.left(), rect.top(), HalfGap, rect.height());
    result.gapAfter = QRect(rect.right() + 1 - HalfGap, rect.top(), HalfGap, rect.height());
    return result;
}

QRect PageGridDelegate::pageFrame(const QRect &box, const QSizeF &pageSize)
{
    const QSizeF page = pageSize.isEmpty() ? QSizeF(595, 842) : pageSize;
    const QSize fitted = page.scaled(QSizeF(box.size()), Qt::KeepAspectRatio).toSize().expandedTo(QSize(1, 1));
    // Centred across, standing on the box's bottom like a page on a shelf.
    return QRect(QPoint(box.left() + (box.width() - fitted.width()) / 2, box.bottom() + 1 - fitted.height()),
                 fitted);
}

QColor PageGridDelegate::partColor(int part)
{
    static const QColor colors[] = {QColor(0xF4, 0xD9, 0xA8), QColor(0xBF, 0xDD, 0xF2), QColor(0xCD, 0xE7, 0xB0),
                                    QColor(0xF2, 0xC4, 0xC8), QColor(0xD9, 0xCC, 0xF0), QColor(0xF7, 0xE5, 0x9B),
                                    QColor(0xB9, 0xE3, 0xDC)};
    const int count = int(sizeof(colors) / sizeof(colors[0]));
    return colors[((part % count) + count) % count];
}

QString PageGridDelegate::numberText(int page, const QString &label)
{
    const QString number = QString::number(page);
    if (label.isEmpty() || label == number)
        return number;
    return QStringLiteral("%1 \u00b7 %2").arg(number, label);
}

QSize PageGridDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return cellSize(option.fontMetrics);
}

void PageGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const Cell parts = cell(option.rect, option.fontMetrics);
    const QRect frame = pageFrame(parts.page, index.data(PageGridModel::PageSizeRole).toSizeF());
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    paintBands(painter, parts, index);
    paintPage(painter, frame, index);
    paintCuts(painter, parts, option.rect, index);

    const int page = index.data(PageGridModel::PageNumberRole).toInt();
    const QString number = numberText(page, index.data(PageGridModel::LabelRole).toString());
    painter->setPen(NumberColor);
    painter->setFont(option.font);
    painter->drawText(parts.number, Qt::AlignHCenter | Qt::AlignVCenter,
                      option.fontMetrics.elidedText(number, Qt::ElideRight, parts.number.width()));

    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(FocusColor, 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(frame.adjusted(-3, -3, 3, 3));
    }
    painter->restore();
}

void PageGridDelegate::paintPage(QPainter *painter, const QRect &frame, const QModelIndex &index) const
{
    const QImage picture = index.data(PageGridModel::PictureRole).value<QImage>();
    if (index.data(PageGridModel::FailedRole).toBool()) {
        // Marked, so that a page that could not be drawn is never taken for a blank one.
        painter->fillRect(frame, QColor(0xF3, 0xF3, 0xF3));
        painter->fillRect(frame, QBrush(FailedColor, Qt::BDiagPattern));
        painter->setPen(QPen(LeftOutColor, 1, Qt::DashLine));
    } else if (!picture.isNull()) {
        painter->setRenderHint(QPainter::SmoothPixmapTransform, picture.size() != frame.size());
        painter->drawImage(frame, picture);
        painter->setPen(FrameColor);
    } else {
        painter->fillRect(frame, Qt::white);
        painter->setPen(FrameColor);
    }
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(frame.adjusted(0, 0, -1, -1));

    if (index.data(PageGridModel::MarkedRole).toBool()) {
        painter->fillRect(frame, QColor(255, 255, 255, 160));
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(QPen(LeftOutColor, 3, Qt::SolidLine, Qt::RoundCap));
        const QRect cross = frame.adjusted(frame.width() / 5, frame.height() / 5, -frame.width() / 5,
                                           -frame.height() / 5);
        painter->drawLine(cross.topLeft(), cross.bottomRight());
        painter->drawLine(cross.topRight(), cross.bottomLeft());
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(QPen(LeftOutColor, 2));
        painter->drawRect(frame.adjusted(0, 0, -1, -1));
    }
}

void PageGridDelegate::paintBands(QPainter *painter, const Cell &cell, const QModelIndex &index) const
{
    const QList<int> parts = index.data(PageGridModel::PartsRole).value<QList<int>>();
    if (parts.isEmpty())
        return;
    QRect band = cell.band;
    if (index.data(PageGridModel::PartStartsRole).toBool())
        band.setLeft(cell.page.left() - BandInset);
    if (index.data(PageGridModel::PartEndsRole).toBool())
        band.setRight(cell.page.right() + BandInset);
    // Overlapping ranges share the band's height, one stripe each.
    const int stripe = qMax(1, band.height() / parts.size());
    for (int i = 0; i < parts.size(); ++i) {
        const int top = band.top() + i * stripe;
        const int bottom = i + 1 == parts.size() ? band.bottom() : top + stripe - 1;
        painter->fillRect(QRect(QPoint(band.left(), top), QPoint(band.right(), bottom)), partColor(parts.at(i)));
    }
}

void PageGridDelegate::paintCuts(QPainter *painter, const Cell &cell, const QRect &rect,
                                 const QModelIndex &index) const
{
    const int top = cell.page.top();
    const int bottom = cell.band.bottom();
    if (index.data(PageGridModel::CutAfterRole).toBool())
        painter->fillRect(QRect(rect.right() + 1 - CutLineWidth, top, CutLineWidth, bottom - top + 1), CutColor);
    if (index.data(PageGridModel::CutBeforeRole).toBool())
        painter->fillRect(QRect(rect.left(), top, CutLineWidth, bottom - top + 1), CutColor);
}

QWidget *PageGridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *editor = new QLineEdit(parent);
    editor->setObjectName(QStringLiteral("partNameEditor"));
    editor->setPlaceholderText(tr("File name"));
    return editor;
}

void PageGridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        line->setText(index.data(Qt::EditRole).toString());
        line->selectAll();
    }
}

void PageGridDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        model->setData(index, line->text(), Qt::EditRole);
}

void PageGridDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                            const QModelIndex &) const
{
    QRect band = cell(option.rect, option.fontMetrics).band;
    const int height = qMax(band.height(), editor->sizeHint().height());
    band.setTop(band.center().y() - height / 2);
    band.setHeight(height);
    band.setWidth(qMax(band.width(), EditorMinimumWidth));
    // Kept inside the grid's width, so the whole name can be seen while typed.
    if (QWidget *parent = editor->parentWidget())
        band.moveLeft(qMax(0, qMin(band.left(), parent->width() - band.width())));
    editor->setGeometry(band);
}
