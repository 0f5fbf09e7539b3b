#pragma once

#include <QDialog>
#include <QMargins>
#include <QPoint>
#include <QSize>

class QFrame;
class QVBoxLayout;
class WindowBar;

// What the program's frameless dialogs share: a 20-pixel transparent margin
// around a styled content frame with a drop shadow, a WindowBar caption
// without the minimise button as the frame's first row, and moving the
// window by dragging it.
class FramelessDialog : public QDialog
{
    Q_OBJECT
public:
    struct Frame {
        QString objectName;     // selects the content frame's style
        QSize minimumSize;
        QMargins margins;       // of the content frame's layout
    };

    FramelessDialog(const Frame &frame, Qt::WindowFlags flags, QWidget *parent);

    WindowBar *windowBar() const { return m_bar; }
    QFrame *content() const { return m_content; }

protected:
    // The content frame's layout; the window bar is already in it.
    QVBoxLayout *contentLayout() const { return m_contentLayout; }
    // Moves the dialog so that it is centred on its parent's window.
    void centerOnParentWindow();

    // A window's first size leaves word-wrapped texts as tall as a guessed
    // width makes them: at its real width a long message (the cause of a
    // failure, the notes of a completion) may need more. The dialog grows
    // as tall as its texts need, never narrower or shorter.
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void growToFitTexts();

    QFrame *m_content;
    QVBoxLayout *m_contentLayout;
    WindowBar *m_bar;
    QPoint m_pressPosition;
    bool m_dragging = false;
};
