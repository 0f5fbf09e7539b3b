#pragma once

#include "widgets/Button.h"

// A Button with a second text, the description, drawn between icon and text
// in its own colour per state (the main view's last-folder button).
class ButtonDescription : public Button
{
    Q_OBJECT
    Q_PROPERTY(QColor colorDescriptionNormal READ colorDescriptionNormal WRITE setColorDescriptionNormal)
    Q_PROPERTY(QColor colorDescriptionHover READ colorDescriptionHover WRITE setColorDescriptionHover)
    Q_PROPERTY(QColor colorDescriptionPressed READ colorDescriptionPressed WRITE setColorDescriptionPressed)
    Q_PROPERTY(QColor colorDescriptionChecked READ colorDescriptionChecked WRITE setColorDescriptionChecked)
    Q_PROPERTY(QColor colorDescriptionDisabled READ colorDescriptionDisabled WRITE setColorDescriptionDisabled)
    Q_PROPERTY(QString description READ description WRITE setDescription)
    Q_PROPERTY(int textPadding READ textPadding WRITE setTextPadding)
    Q_PROPERTY(int iconPaddingLeft READ iconPaddingLeft WRITE setIconPaddingLeft)
    Q_PROPERTY(int iconPaddingRight READ iconPaddingRight WRITE setIconPaddingRight)

public:
    explicit ButtonDescription(QWidget *parent = nullptr);

    QColor colorDescriptionNormal() const { return m_colorNormal; }
    QColor colorDescriptionHover() const { return m_colorHover; }
    QColor colorDescriptionPressed() const { return m_colorPressed; }
    QColor colorDescriptionChecked() const { return m_colorChecked; }
    QColor colorDescriptionDisabled() const { return m_colorDisabled; }
    QString description() const { return m_description; }
    int textPadding() const { return m_textPadding; }
    int iconPaddingLeft() const { return m_iconPaddingLeft; }
    int iconPaddingRight() const { return m_iconPaddingRight; }

    void setColorDescriptionNormal(const QColor &color);
    void setColorDescriptionHover(const QColor &color);
    void setColorDescriptionPressed(const QColor &color);
    void setColorDescriptionChecked(const QColor &color);
    void setColorDescriptionDisabled(const QColor &color);
    void setDescription(const QString &description);
    void setTextPadding(int padding);
    void setIconPaddingLeft(int padding);
    void setIconPaddingRight(int padding);

    // Description colour for a state, chosen as the text colour is.
    QColor descriptionColorForState(QStyle::State state) const;

    // Icon, description and text rectangles of the current paint.
    struct DescriptionGeometry {
        QRect icon;   // empty when no icon is drawn
        QRectF description;
        QRectF text;
    };
    DescriptionGeometry descriptionGeometryFor(const QString &iconPath) const;

    QSize contentSize() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colorNormal;
    QColor m_colorHover;
    QColor m_colorPressed;
    QColor m_colorChecked;
    QColor m_colorDisabled;
    QString m_description;
    int m_textPadding = 5;
    int m_iconPaddingLeft = 0;
    int m_iconPaddingRight = 0;
};
