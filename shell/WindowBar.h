#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
class QSpacerItem;

// The title row of a frameless window: icon, centred title, minimise and
// close buttons. The owner decides what minimise and close mean.
class WindowBar : public QFrame
{
    Q_OBJECT
public:
    explicit WindowBar(QWidget *parent = nullptr);

    void setTitle(const QString &text);
    QString title() const;

    // Shows or hides the minimise button; the spacer on the left shrinks to
    // match so the title stays centred.
    void setMinimizeVisible(bool visible);

signals:
    void minimizeWindow();
    void closeWindow();

public slots:
    void onButtonMinimize();
    void onButtonClose();

private:
    QLabel *m_icon;
    QSpacerItem *m_spacer;
    QLabel *m_title;
    QPushButton *m_minimize;
    QPushButton *m_close;
};
