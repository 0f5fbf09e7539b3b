#include "widgets/ProgressBar.h"

#include <QPainter>
#include <QStyleOptionProgressBar>
#include <QStylePainter>

QStyleOptionProgressBar ProgressBar::barOption() const
{
    QStyleOptionProgressBar option;
    option.initFrom(this);
    if (orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    option.minimum = minimum();
    option.maximum = maximum();
    option.progress = value();
    option.orientation = orientation();
    option.invertedAppearance = invertedAppearance();
    option.bottomToTop = textDirection() == QProgressBar::BottomToTop;
    // Text left empty and invisible: the label is drawn by hand below.
    return option;
}

QRect ProgressBar::filledRect(const QStyleOptionProgressBar &option, QRect *textArea) const
{
    QRect r = option.rect;
    if (option.orientation == Qt::Vertical)
        r = QRect(r.left(), r.top(), r.height(), r.width());
    if (textArea)
        *textArea = r;
    const double span = qMax(1.0, double(option.maximum) - double(option.minimum));
    const int position = int((double(option.progress) - double(option.minimum)) * r.width() / span);
    if (position < 0 || position > r.width())
        return QRect();
    QRect filled(r.topLeft(), QSize(position, r.height()));
    if (option.orientation == Qt::Vertical)
        filled.translate(r.width() - position, 0);
    return filled;
}

QRect ProgressBar::filledRect() const
{
    return filledRect(barOption(), nullptr);
}

bool ProgressBar::isFlipped() const
{
    if (orientation() != Qt::Horizontal)
        return false;
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    return rightToLeft != invertedAppearance();
}

void ProgressBar::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    const QStyleOptionProgressBar option = barOption();
    painter.drawControl(QStyle::CE_ProgressBar, option);
    if (!isTextVisible())
        return;

    painter.save();
    QRect area;
    const QRect filled = filledRect(option, &area);
    const bool flipped = isFlipped();
    const QColor emptyColor = option.palette.color(flipped ? QPalette::HighlightedText : QPalette::Text);
    const QColor filledColor = option.palette.color(flipped ? QPalette::Text : QPalette::HighlightedText);
    const int alignment = Qt::AlignAbsolute | Qt::AlignHCenter | Qt::AlignVCenter;
    const QString label = text();

    painter.setClipRegion(QRegion(area).subtracted(QRegion(filled)));
    painter.setPen(emptyColor);
    painter.drawText(area, alignment, label);
    if (!filled.isNull()) {
        painter.setClipRect(filled);
        painter.setPen(filledColor);
        painter.drawText(area, alignment, label);
    }
    painter.restore();
}
