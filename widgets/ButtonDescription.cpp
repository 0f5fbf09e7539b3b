#include "widgets/ButtonDescription.h"

#include "widgets/PixmapLoader.h"

#include <QPainter>
#include <QPixmap>

ButtonDescription::ButtonDescription(QWidget *parent)
    : Button(parent)
{
}

void ButtonDescription::setColorDescriptionNormal(const QColor &color) { m_colorNormal = color; update(); }
void ButtonDescription::setColorDescriptionHover(const QColor &color) { m_colorHover = color; update(); }
void ButtonDescription::setColorDescriptionPressed(const QColor &color) { m_colorPressed = color; update(); }
void ButtonDescription::setColorDescriptionChecked(const QColor &color) { m_colorChecked = color; update(); }
void ButtonDescription::setColorDescriptionDisabled(const QColor &color) { m_colorDisabled = color; update(); }
void ButtonDescription::setDescription(const QString &description) { m_description = description; changed(); }
void ButtonDescription::setTextPadding(int padding) { m_textPadding = padding; changed(); }
void ButtonDescription::setIconPaddingLeft(int padding) { m_iconPaddingLeft = padding; changed(); }
void ButtonDescription::setIconPaddingRight(int padding) { m_iconPaddingRight = padding; changed(); }

QColor ButtonDescription::descriptionColorForState(QStyle::State state) const
{
    if (!(state & QStyle::State_Enabled))
        return m_colorDisabled;
    return pickForState(state, m_colorNormal, m_colorHover, m_colorPressed, m_colorChecked);
}

ButtonDescription::DescriptionGeometry ButtonDescription::descriptionGeometryFor(const QString &iconPath) const
{
    const QRect r = rect();
    const QSize textSz = textSize(text());
    const QSize descSz = textSize(m_description);
    const int tw = textSz.width(), th = textSz.height();
    const int dw = descSz.width(), dh = descSz.height();
    const bool hasIcon = !iconPath.isEmpty();
    // Without an icon the two texts still stand side by side, centred as a
    // group, instead of being drawn over each other.
    const int iw = hasIcon ? iconSize().width() : 0;
    const int ih = hasIcon ? iconSize().height() : 0;
    const int mid = (r.top() + r.bottom()) / 2;

    DescriptionGeometry geometry;
    if (hasIcon && iconAlignment() != 0) {
        const int iconX = r.left() + m_iconPaddingLeft;
        geometry.icon = QRect(iconX, int(mid - ih * 0.5), iw, ih);
        geometry.description = QRectF(iconX + iw + m_iconPaddingRight, mid - dh * 0.5, dw, dh);
        geometry.text = QRectF(geometry.description.x() + dw + m_textPadding, mid - th * 0.5, tw, th);
        return geometry;
    }
    double total = iw + m_iconPaddingLeft;
    if (!text().isEmpty())
        total += tw;
    if (!m_description.isEmpty())
        total += dw + m_textPadding;
    const double x0 = (r.left() + r.right()) / 2 - total * 0.5;
    if (hasIcon)
        geometry.icon = QRect(int(x0), mid - ih / 2, iw, ih);
    geometry.description = QRectF(x0 + iw + m_iconPaddingRight, mid - dh * 0.5, dw, dh);
    const double textX = geometry.description.x() + dw + m_textPadding;
    geometry.text = QRectF(textX, mid - th * 0.5, r.width() - textX, th);
    return geometry;
}

void ButtonDescription::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QStyleOptionButton option = buttonOption();
    paintBackground(painter, option);
    const QString iconPath = iconForState(option.state);
    const DescriptionGeometry geometry = descriptionGeometryFor(iconPath);
    if (!iconPath.isEmpty())
        PixmapLoader::drawPart(painter, geometry.icon, iconPath);
    if (!m_description.isEmpty())
        drawColoredText(painter, geometry.description, m_description,
                        descriptionColorForState(option.state));
    if (!text().isEmpty())
        drawColoredText(painter, geometry.text, text(), textColorForState(option.state));
    if (showsFocus())
        paintFocus(painter);
}

QSize ButtonDescription::contentSize() const
{
    int w = 10, h = 0;
    if (!iconForState(buttonOption().state).isEmpty()) {
        const int ih = iconSize().height();
        w = iconSize().width() + m_iconPaddingRight + m_iconPaddingLeft + 10;
        h = ih < 1 ? 0 : ih;
    }
    const bool empty = text().isEmpty();
    const QSize text = textSize(empty ? QStringLiteral("XXXX") : this->text());
    if (!empty)
        w += text.width();
    if (!empty || h == 0)
        h = qMax(h, text.height());
    if (!m_description.isEmpty()) {
        const QSize description = textSize(m_description);
        w += description.width() + m_textPadding;
        h = qMax(h, description.height());
    }
    return QSize(w, h);
}
