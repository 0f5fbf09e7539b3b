#include "widgets/Button.h"

#include "widgets/PixmapLoader.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

Button::Button(QWidget *parent)
    : QPushButton(parent)
{
    setAttribute(Qt::WA_Hover);
}

Button::Button(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    setAttribute(Qt::WA_Hover);
}

void Button::changed()
{
    updateGeometry();
    update();
}

void Button::setIconNormal(const QString &path) { m_iconNormal = path; changed(); }
void Button::setIconHover(const QString &path) { m_iconHover = path; changed(); }
void Button::setIconPressed(const QString &path) { m_iconPressed = path; changed(); }
void Button::setIconChecked(const QString &path) { m_iconChecked = path; changed(); }
void Button::setIconDisabled(const QString &path) { m_iconDisabled = path; changed(); }
void Button::setIconAlignment(Qt::Alignment alignment) { m_iconAlignment = alignment; changed(); }
void Button::setColorTextNormal(const QColor &color) { m_colorTextNormal = color; update(); }
void Button::setColorTextHover(const QColor &color) { m_colorTextHover = color; update(); }
void Button::setColorTextPressed(const QColor &color) { m_colorTextPressed = color; update(); }
void Button::setColorTextChecked(const QColor &color) { m_colorTextChecked = color; update(); }
void Button::setColorTextDisabled(const QColor &color) { m_colorTextDisabled = color; update(); }

QStyleOptionButton Button::buttonOption() const
{
    QStyleOptionButton option;
    option.initFrom(this);
    if (isActiveWindow())
        option.state |= QStyle::State_Active;
    if (isEnabled())
        option.state |= QStyle::State_Enabled;
    if (isFlat())
        option.features |= QStyleOptionButton::Flat;
    if (isDown())
        option.state |= QStyle::State_Sunken;
    if (isChecked())
        option.state |= QStyle::State_On;
    if (!isFlat() && !isDown())
        option.state |= QStyle::State_Raised;
    option.iconSize = iconSize();
    return option;
}

QString Button::iconForState(QStyle::State state) const
{
    QString chosen = pickForState(state, m_iconNormal, m_iconHover, m_iconPressed, m_iconChecked);
    if (!(state & QStyle::State_Enabled) && !m_iconDisabled.isEmpty())
        chosen = m_iconDisabled;
    return chosen;
}

QColor Button::textColorForState(QStyle::State state) const
{
    if (!(state & QStyle::State_Enabled))
        return m_colorTextDisabled;
    return pickForState(state, m_colorTextNormal, m_colorTextHover, m_colorTextPressed,
                        m_colorTextChecked);
}

QSize Button::textSize(const QString &text) const
{
    return fontMetrics().size(Qt::TextShowMnemonic, text);
}

Button::Geometry Button::geometryFor(const QString &iconPath) const
{
    const QRect r = rect();
    Geometry geometry;
    geometry.text = r;
    if (iconPath.isEmpty())
        return geometry;
    const QSize text = textSize(this->text());
    const int tw = text.width(), th = text.height();
    const int iw = iconSize().width(), ih = iconSize().height();
    const int mid = (r.top() + r.bottom()) / 2;
    if (m_iconAlignment != 0) {
        const int left = r.left() + 5;
        geometry.icon = QRect(left, int(mid - ih * 0.5), iw, ih);
        const int textX = left + iw;
        geometry.text = QRectF(textX, mid - th * 0.5, r.width() - textX, th);
    } else {
        const double x0 = (r.left() + r.right()) / 2 - (tw + iw + 5) * 0.5;
        geometry.icon = QRect(int(x0), mid - ih / 2, iw, ih);
        geometry.text = QRectF(x0 + iw + 5, mid - th * 0.5, tw, th);
    }
    return geometry;
}

void Button::paintBackground(QPainter &painter, const QStyleOptionButton &option)
{
    QStyleOptionButton background = option;
    background.state &= ~QStyle::State_HasFocus;
    background.text.clear();
    style()->drawControl(QStyle::CE_PushButton, &background, &painter, this);
}

void Button::drawColoredText(QPainter &painter, const QRectF &rect, const QString &text,
                             const QColor &color)
{
    const QPen previous = painter.pen();
    painter.setPen(QPen(QBrush(color), previous.widthF()));
    painter.drawText(rect, Qt::AlignCenter | Qt::TextShowMnemonic, text);
    painter.setPen(previous);
}

void Button::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QStyleOptionButton option = buttonOption();
    paintBackground(painter, option);
    const QString iconPath = iconForState(option.state);
    const Geometry geometry = geometryFor(iconPath);
    if (!iconPath.isEmpty())
        PixmapLoader::drawPart(painter, geometry.icon, iconPath);
    if (!text().isEmpty())
        drawColoredText(painter, geometry.text, text(), textColorForState(option.state));
    if (showsFocus())
        paintFocus(painter);
}

void Button::paintFocus(QPainter &painter)
{
    // The links' blue stands out on every background the buttons have
    // (cream, white, the green action buttons) and on the burgundy of hover.
    static const QColor ring(0x04, 0x6A, 0xD0);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ring, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
    painter.restore();
}

void Button::focusInEvent(QFocusEvent *event)
{
    switch (event->reason()) {
    case Qt::MouseFocusReason:
        m_focusFromKeyboard = false;
        break;
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        break;   // the focus comes back as it left
    default:
        m_focusFromKeyboard = true;
        break;
    }
    QPushButton::focusInEvent(event);
}

void Button::focusOutEvent(QFocusEvent *event)
{
    // Leaving the window keeps the ring for the return.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        m_focusFromKeyboard = false;
    QPushButton::focusOutEvent(event);
}

QSize Button::contentSize() const
{
    int w = 10, h = 0;
    if (!iconForState(buttonOption().state).isEmpty()) {
        const int ih = iconSize().height();
        w = iconSize().width() + 10;
        h = ih < 1 ? 0 : ih;
    }
    const bool empty = text().isEmpty();
    const QSize text = textSize(empty ? QStringLiteral("XXXX") : this->text());
    if (!empty)
        w += text.width();
    if (!empty || h == 0)
        h = qMax(h, text.height());
    return QSize(w, h);
}

QSize Button::sizeHint() const
{
    ensurePolished();
    QStyleOptionButton option = buttonOption();
    const QSize content = contentSize();
    option.rect.setSize(content);
    return style()->sizeFromContents(QStyle::CT_PushButton, &option, content, this)
        .expandedTo(QApplication::globalStrut());
}
