#pragma once

#include <QColor>
#include <QRect>
#include <QSplashScreen>

// The start-up picture with an animated "Loading" message.
class SplashScreen : public QSplashScreen
{
    Q_OBJECT
public:
    explicit SplashScreen(const QPixmap &pixmap = QPixmap(), Qt::WindowFlags flags = Qt::WindowFlags());

    // Cycles "Loading." "Loading.." "Loading..." every 500 ms for the given
    // number of seconds. Blocks the calling (GUI) thread; only the repaint of
    // each message happens in between.
    void showLoading(int seconds);

    QString message() const { return m_message; }
    // Where the message is drawn, in pixels of the splash picture.
    QRect textRect() const { return m_textRect; }

protected:
    void drawContents(QPainter *painter) override;

private:
    QString m_message;
    QColor m_color;
    QRect m_textRect{120, 120, 250, 100};
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignTop;
};
