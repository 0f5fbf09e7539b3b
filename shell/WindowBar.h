#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
class QSpacerItem;

// The title row of a frameless window: icon, centred title, minimise,
// maximise (hidden unless asked for) and close buttons. A double click on the
// row toggles maximised when the maximise button is shown. The owner decides
// what the buttons mean. The buttons take no keyboard focus: like a window
// manager's title buttons they are for the mouse (Escape, Alt+F4 and the
// window menu stay with the keyboard), and in a dialog Return must never
// press one of them.
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
    // Shows or hides the maximise button (hidden at first).
    void setMaximizeVisible(bool visible);
    // Shows the button as "maximise" or as "restore"; tooltips follow.
    void setMaximized(bool maximized);

signals:
    void minimizeWindow();
    // The user asked to maximise a normal window or to restore a maximised one.
    void toggleMaximized();
    void closeWindow();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

public slots:
    void onButtonMinimize();
    void onButtonClose();

private:
    void retranslate();
    // The spacer on the left balances the buttons on the right, so the
    // title stays in the middle.
    void balanceTitle();

    QLabel *m_icon;
    QSpacerItem *m_spacer;
    QLabel *m_title;
    QPushButton *m_minimize;
    QPushButton *m_maximize;
    QPushButton *m_close;
    bool m_maximized = false;
};
