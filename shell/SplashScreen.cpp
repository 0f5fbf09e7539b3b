#include "shell/SplashScreen.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QThread>

SplashScreen::SplashScreen(const QPixmap &pixmap, Qt::WindowFlags flags)
    : QSplashScreen(pixmap, flags)
{
    setObjectName(QStringLiteral("splashScreen"));
}

void SplashScreen::showLoading(int seconds)
{
    // A monotonic clock: the animation lasts its time even across midnight.
    QElapsedTimer clock;
    clock.start();
    const qint64 end = qint64(seconds) * 1000;
    if (seconds < 0)
        return;
    int dots = 1;
    do {
        m_message = tr("Loading%1").arg(QString(dots, QLatin1Char('.')));
        m_color = Qt::white;
        showMessage(m_message, m_alignment, m_color);
        QThread::msleep(500);
        dots = dots + 1 > 3 ? 1 : dots + 1;
    } while (clock.elapsed() <= end);
}

void SplashScreen::drawContents(QPainter *painter)
{
    painter->setPen(m_color);
    painter->drawText(m_textRect, int(m_alignment), m_message);
}
