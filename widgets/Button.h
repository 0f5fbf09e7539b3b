#pragma once

#include <QColor>
#include <QPushButton>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QStyle>
#include <QStyleOptionButton>

// A push button that draws its own icon and text so the style sheet can give
// it one icon and one text colour per state (normal, hover, pressed, checked,
// disabled) through "qproperty-" rules. The style still draws background and
// border.
class Button : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(QString iconNormal READ iconNormal WRITE setIconNormal)
    Q_PROPERTY(QString iconHover READ iconHover WRITE setIconHover)
    Q_PROPERTY(QString iconPressed READ iconPressed WRITE setIconPressed)
    Q_PROPERTY(QString iconChecked READ iconChecked WRITE setIconChecked)
    Q_PROPERTY(QString iconDisabled READ iconDisabled WRITE setIconDisabled)
    Q_PROPERTY(Qt::Alignment iconAlignment READ iconAlignment WRITE setIconAlignment)
    Q_PROPERTY(QColor colorTextNormal READ colorTextNormal WRITE setColorTextNormal)
    Q_PROPERTY(QColor colorTextHover READ colorTextHover WRITE setColorTextHover)
    Q_PROPERTY(QColor colorTextPressed READ colorTextPressed WRITE setColorTextPressed)
    Q_PROPERTY(QColor colorTextChecked READ colorTextChecked WRITE setColorTextChecked)
    Q_PROPERTY(QColor colorTextDisabled READ colorTextDisabled WRITE setColorTextDisabled)

public:
    explicit Button(QWidget *parent = nullptr);
    explicit Button(const QString &text, QWidget *parent = nullptr);

    QString iconNormal() const { return m_iconNormal; }
    QString iconHover() const { return m_iconHover; }
    QString iconPressed() const { return m_iconPressed; }
    QString iconChecked() const { return m_iconChecked; }
    QString iconDisabled() const { return m_iconDisabled; }
    Qt::Alignment iconAlignment() const { return m_iconAlignment; }
    QColor colorTextNormal() const { return m_colorTextNormal; }
    QColor colorTextHover() const { return m_colorTextHover; }
    QColor colorTextPressed() const { return m_colorTextPressed; }
    QColor colorTextChecked() const { return m_colorTextChecked; }
    QColor colorTextDisabled() const { return m_colorTextDisabled; }

    void setIconNormal(const QString &path);
    void setIconHover(const QString &path);
    void setIconPressed(const QString &path);
    void setIconChecked(const QString &path);
    void setIconDisabled(const QString &path);
    void setIconAlignment(Qt::Alignment alignment);
    void setColorTextNormal(const QColor &color);
    void setColorTextHover(const QColor &color);
    void setColorTextPressed(const QColor &color);
    void setColorTextChecked(const QColor &color);
    void setColorTextDisabled(const QColor &color);

    // The style option the button paints with: enabled, active, flat, down,
    // checked and raised as the widget is now, plus the icon size.
    QStyleOptionButton buttonOption() const;

    // Icon path for a state: normal, overridden in turn by hover, pressed
    // (sunken), checked (on) and, when set, disabled.
    QString iconForState(QStyle::State state) const;
    // Text colour for a state, by the same order, except that a disabled
    // button always takes colorTextDisabled, even when it is invalid.
    QColor textColorForState(QStyle::State state) const;

    // Icon and text rectangles of the current paint, computed from the
    // widget's rectangle, its font, its icon size and the chosen icon path.
    struct Geometry {
        QRect icon;   // empty when no icon is drawn
        QRectF text;
    };
    Geometry geometryFor(const QString &iconPath) const;

    // Width and height of icon plus text before the style adds its margins.
    virtual QSize contentSize() const;
    QSize sizeHint() const override;

    // Whether the button shows that it has the keyboard focus: it does when
    // the focus came from the keyboard or the program, not from a click.
    bool showsFocus() const { return hasFocus() && m_focusFromKeyboard; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    // The focus ring: a blue rounded frame just inside the button.
    void paintFocus(QPainter &painter);

    // Draws background and border through the style, without text or icon.
    void paintBackground(QPainter &painter, const QStyleOptionButton &option);
    // Draws text centred in rect with color, keeping the painter's pen width.
    static void drawColoredText(QPainter &painter, const QRectF &rect, const QString &text,
                                const QColor &color);
    QSize textSize(const QString &text) const;
    // Size or look changed: recompute the size hint and repaint.
    void changed();

private:

    QString m_iconNormal;
    QString m_iconHover;
    QString m_iconPressed;
    QString m_iconChecked;
    QString m_iconDisabled;
    Qt::Alignment m_iconAlignment;
    QColor m_colorTextNormal;
    QColor m_colorTextHover;
    QColor m_colorTextPressed;
    QColor m_colorTextChecked;
    QColor m_colorTextDisabled;
    bool m_focusFromKeyboard = false;
};

// Picks one of five values by state: normal, then hover, pressed and checked
// override in that order; disabled last.
template<typename T>
T pickForState(QStyle::State state, const T &normal, const T &hover, const T &pressed,
               const T &checked)
{
    T chosen = normal;
    if (state & QStyle::State_MouseOver)
        chosen = hover;
    if (state & QStyle::State_Sunken)
        chosen = pressed;
    if (state & QStyle::State_On)
        chosen = checked;
    return chosen;
}
