#include "app/Application.h"
#include "shell/SplashScreen.h"
#include "shell/WindowBar.h"

#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QtTest>

namespace {

QSpacerItem *leftSpacer(WindowBar &bar)
{
    QLayout *layout = bar.layout();
    for (int i = 0; i < layout->count(); ++i)
        if (QSpacerItem *spacer = layout->itemAt(i)->spacerItem())
            if (spacer->sizeHint().height() == 19)
                return spacer;
    return nullptr;
}

} // namespace

class TestWindowBar : public QObject
{
    Q_OBJECT
private slots:
    void rowAndNames()
    {
        WindowBar bar;
        QCOMPARE(bar.minimumHeight(), 22);
        QCOMPARE(bar.maximumHeight(), 22);
        auto *title = bar.findChild<QLabel *>(QStringLiteral("windowBarLabel"));
        QVERIFY(title);
        QCOMPARE(title->alignment(), Qt::AlignCenter);
        bar.setTitle(QStringLiteral("Enter password"));
        QCOMPARE(title->text(), QStringLiteral("Enter password"));
        QCOMPARE(bar.title(), QStringLiteral("Enter password"));
        QVERIFY(bar.findChild<QPushButton *>(QStringLiteral("windowminimize")));
        QVERIFY(bar.findChild<QPushButton *>(QStringLiteral("windowclose")));
        auto *layout = qobject_cast<QHBoxLayout *>(bar.layout());
        QVERIFY(layout);
        QCOMPARE(layout->spacing(), 0);
        QCOMPARE(layout->contentsMargins(), QMargins());
        // Icon, spacer, stretch, title, stretch, minimise, maximise, close.
        QCOMPARE(layout->count(), 8);
        QCOMPARE(layout->itemAt(3)->widget(), title);
    }

    void buttonsEmitTheirSignals()
    {
        WindowBar bar;
        QSignalSpy minimize(&bar, &WindowBar::minimizeWindow);
        QSignalSpy close(&bar, &WindowBar::closeWindow);
        QTest::mouseClick(bar.findChild<QPushButton *>(QStringLiteral("windowminimize")), Qt::LeftButton);
        QCOMPARE(minimize.count(), 1);
        QCOMPARE(close.count(), 0);
        QTest::mouseClick(bar.findChild<QPushButton *>(QStringLiteral("windowclose")), Qt::LeftButton);
        QCOMPARE(close.count(), 1);
        QCOMPARE(minimize.count(), 1);
    }

    // Maximise is offered only where the owner asks for it (the main window):
    // its button and a double click on the row then toggle it.
    void maximizeOnlyWhereOffered()
    {
        WindowBar bar;
        bar.resize(400, 22);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        auto *maximize = bar.findChild<QPushButton *>(QStringLiteral("windowmaximize"));
        QVERIFY(maximize && maximize->isHidden());
        QSignalSpy toggled(&bar, &WindowBar::toggleMaximized);
        QTest::mouseDClick(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(200, 11));
        QCOMPARE(toggled.count(), 0);

        bar.setMaximizeVisible(true);
        QCOMPARE(leftSpacer(bar)->sizeHint(), QSize(78, 19));
        QTest::mouseClick(maximize, Qt::LeftButton);
        QCOMPARE(toggled.count(), 1);
        QTest::mouseDClick(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(200, 11));
        QCOMPARE(toggled.count(), 2);
        QCOMPARE(maximize->toolTip(), QStringLiteral("Maximize"));
        bar.setMaximized(true);
        QCOMPARE(maximize->toolTip(), QStringLiteral("Restore"));
        // The title buttons are for the mouse: none takes the keyboard focus.
        for (QPushButton *button : bar.findChildren<QPushButton *>()) {
            QCOMPARE(button->focusPolicy(), Qt::NoFocus);
            QVERIFY(!button->autoDefault());
            QVERIFY(!button->accessibleName().isEmpty());
        }
    }

    void hiddenMinimizeNarrowsTheSpacer()
    {
        WindowBar bar;
        bar.resize(400, 22);
        bar.show();
        QSpacerItem *spacer = leftSpacer(bar);
        QVERIFY(spacer);
        QCOMPARE(spacer->sizeHint(), QSize(52, 19));
        bar.setMinimizeVisible(false);
        QVERIFY(bar.findChild<QPushButton *>(QStringLiteral("windowminimize"))->isHidden());
        QCOMPARE(spacer->sizeHint(), QSize(26, 19));
        bar.setMinimizeVisible(true);
        QVERIFY(!bar.findChild<QPushButton *>(QStringLiteral("windowminimize"))->isHidden());
        QCOMPARE(spacer->sizeHint(), QSize(52, 19));
    }

    void splashCyclesTheDots()
    {
        QPixmap picture(400, 300);
        picture.fill(Qt::black);
        SplashScreen splash(picture);
        QCOMPARE(splash.objectName(), QStringLiteral("splashScreen"));
        splash.show();
        QSignalSpy messages(&splash, &QSplashScreen::messageChanged);
        QElapsedTimer clock;
        clock.start();
        splash.showLoading(2);
        QVERIFY(clock.elapsed() >= 2000);
        QVERIFY2(messages.count() == 4 || messages.count() == 5, qPrintable(QString::number(messages.count())));
        const QStringList expected{QStringLiteral("Loading."), QStringLiteral("Loading.."),
                                   QStringLiteral("Loading..."), QStringLiteral("Loading.")};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(messages.at(i).at(0).toString(), expected.at(i));
    }

    void splashDrawsTheMessageWhiteInItsRectangle()
    {
        QPixmap picture(400, 300);
        picture.fill(Qt::black);
        SplashScreen splash(picture);
        splash.showLoading(0);   // one frame
        QCOMPARE(splash.message(), QStringLiteral("Loading."));
        const QImage image = splash.grab().toImage();
        const QRect area = splash.textRect();
        int inside = 0, outside = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) > 128)
                    (area.contains(x, y) ? inside : outside)++;
        QVERIFY(inside > 10);
        QCOMPARE(outside, 0);
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestWindowBar test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_windowbar.moc"
