#include "app/Application.h"
#include "shell/WindowBar.h"
#include "widgets/ProgressBar.h"
#include "widgets/ProgressControl.h"
#include "widgets/ProgressDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QThread>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

const QColor textColor(255, 0, 0);
const QColor highlightedTextColor(0, 0, 255);

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) < 70 && qAbs(a.green() - b.green()) < 70 && qAbs(a.blue() - b.blue()) < 70;
}

struct Found {
    int count = 0;
    int left = INT_MAX;
    int right = -1;
};
Found find(const QImage &image, const QColor &color)
{
    Found found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (near(image.pixelColor(x, y), color)) {
                ++found.count;
                found.left = qMin(found.left, x);
                found.right = qMax(found.right, x);
            }
    return found;
}

// Runs work on a thread of its own and waits for it; the GUI thread's event
// loop does not run meanwhile.
bool runOnWorker(const std::function<void()> &work)
{
    std::unique_ptr<QThread> thread(QThread::create(work));
    thread->start();
    return thread->wait(10000);
}

} // namespace

class TestProgress : public QObject
{
    Q_OBJECT
private:
    QString m_sheet;
    std::unique_ptr<QStyle> m_fusion;

    // A bar with plain colours: red text, blue text over the chunk, green chunk.
    void dress(ProgressBar &bar)
    {
        bar.setStyle(m_fusion.get());
        QPalette palette = bar.palette();
        palette.setColor(QPalette::Text, textColor);
        palette.setColor(QPalette::HighlightedText, highlightedTextColor);
        palette.setColor(QPalette::Highlight, QColor(0, 160, 0));
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::WindowText, textColor);
        bar.setPalette(palette);
        QFont font = bar.font();
        font.setPixelSize(22);
        font.setBold(true);
        bar.setFont(font);
        bar.resize(240, 32);
    }

private slots:
    void initTestCase()
    {
        // The painting cases need plain palette colours, not the program's sheet.
        m_sheet = qApp->styleSheet();
        m_fusion.reset(QStyleFactory::create(QStringLiteral("Fusion")));
        QVERIFY(m_fusion);
    }

    // --- ProgressBar ----------------------------------------------------------------

    void textAtZeroIsAllTextColour()
    {
        qApp->setStyleSheet(QString());
        ProgressBar bar;
        dress(bar);
        bar.setValue(0);
        const QImage image = bar.grab().toImage();
        QVERIFY(find(image, textColor).count > 20);
        QCOMPARE(find(image, highlightedTextColor).count, 0);
        qApp->setStyleSheet(m_sheet);
    }

    void textAtHundredIsAllHighlightedColour()
    {
        qApp->setStyleSheet(QString());
        ProgressBar bar;
        dress(bar);
        bar.setValue(100);
        QCOMPARE(bar.filledRect().width(), bar.width());
        const QImage image = bar.grab().toImage();
        QVERIFY(find(image, highlightedTextColor).count > 20);
        QCOMPARE(find(image, textColor).count, 0);
        qApp->setStyleSheet(m_sheet);
    }

    void textSplitsAtTheFilledEdge()
    {
        qApp->setStyleSheet(QString());
        ProgressBar bar;
        dress(bar);
        bar.setFormat(QStringLiteral("WWWWWWWW"));
        bar.setValue(50);
        const int edge = bar.filledRect().right();
        QCOMPARE(bar.filledRect().width(), 120);
        const QImage image = bar.grab().toImage();
        const Found plain = find(image, textColor);
        const Found highlighted = find(image, highlightedTextColor);
        QVERIFY(plain.count > 20 && highlighted.count > 20);
        QVERIFY(highlighted.right <= edge);
        QVERIFY(plain.left > edge);
        qApp->setStyleSheet(m_sheet);
    }

    void filledPartRule()
    {
        ProgressBar bar;
        bar.resize(200, 18);
        bar.setRange(0, 10);
        bar.setValue(4);
        QCOMPARE(bar.filledRect(), QRect(0, 0, 80, 18));
        // Equal ends divide by one instead of zero.
        bar.setRange(3, 3);
        bar.setValue(3);
        QCOMPARE(bar.filledRect().width(), 0);
        QVERIFY(!bar.filledRect().isNull());
        // Before the first value (below the minimum) nothing is filled.
        bar.setRange(0, 100);
        bar.reset();
        QVERIFY(bar.filledRect().isNull());
    }

    void paintsUnderTheProgramSheet()
    {
        ProgressBar bar;
        bar.resize(200, 18);
        bar.setValue(40);
        QCOMPARE(bar.text(), QStringLiteral("40%"));
        const QImage image = bar.grab().toImage();
        QVERIFY(!image.isNull());
    }

    // --- ProgressControl --------------------------------------------------------------

    void controlParts()
    {
        ProgressControl control;
        QCOMPARE(control.bar()->maximumHeight(), 18);
        QVERIFY(control.findChild<QPushButton *>(QStringLiteral("buttonStop")));
        auto *pause = control.findChild<QPushButton *>(QStringLiteral("defaultButton"));
        QVERIFY(pause);
        QCOMPARE(pause->property("thePaused").toBool(), false);
        QCOMPARE(control.findChildren<QLabel *>(QStringLiteral("progressLabel")).size(), 3);
        control.setPauseHidden(true);
        QVERIFY(pause->isHidden());
        control.setPauseHidden(false);
        QVERIFY(!pause->isHidden());
        QVERIFY(!control.isCanceled());
        QVERIFY(!control.isPaused());
    }

    void settersFromAWorkerArriveOnTheGuiThread()
    {
        ProgressControl control;
        control.bar()->setRange(0, 100);
        control.bar()->setValue(42);
        QList<QThread *> changedOn;
        connect(control.bar(), &QProgressBar::valueChanged, control.bar(),
                [&changedOn](int) { changedOn << QThread::currentThread(); }, Qt::DirectConnection);

        QVERIFY(runOnWorker([&control] {
            control.reset();
            control.setMinimum(1);
            control.setMaximum(7);
            for (int i = 1; i <= 7; ++i)
                control.setValue(i);
            control.setText(QStringLiteral("7 out of 7 files. last.pdf"));
        }));
        // The worker is done, yet nothing changed: the GUI thread did not run.
        QCOMPARE(control.bar()->value(), 42);
        QCOMPARE(control.text(), QString());
        QVERIFY(changedOn.isEmpty());

        QCoreApplication::processEvents();
        QCOMPARE(control.bar()->minimum(), 1);
        QCOMPARE(control.bar()->maximum(), 7);
        QCOMPARE(control.bar()->value(), 7);
        QCOMPARE(control.text(), QStringLiteral("7 out of 7 files. last.pdf"));
        QVERIFY(!changedOn.isEmpty());
        for (QThread *thread : qAsConst(changedOn))
            QCOMPARE(thread, QThread::currentThread());
    }

    void resetFromAWorkerClearsMarksAtOnceAndKeepsOrder()
    {
        ProgressControl control;
        control.bar()->setRange(0, 10);
        control.bar()->setValue(8);
        control.cancel();
        control.pause();
        bool canceledAfterReset = true;
        bool pausedAfterReset = true;
        QVERIFY(runOnWorker([&] {
            control.reset();
            canceledAfterReset = control.isCanceled();
            pausedAfterReset = control.isPaused();
        }));
        QVERIFY(!canceledAfterReset);
        QVERIFY(!pausedAfterReset);
        QCOMPARE(control.bar()->value(), 8);   // the bar waits for the GUI thread
        QCoreApplication::processEvents();
        QCOMPARE(control.bar()->minimum(), 0);
        QCOMPARE(control.bar()->maximum(), 100);
        QCOMPARE(control.bar()->value(), 0);

        // Calls after a reset are not undone by it.
        QVERIFY(runOnWorker([&control] {
            control.setValue(60);
            control.reset();
            control.setMaximum(5);
            control.setValue(3);
        }));
        QCoreApplication::processEvents();
        QCOMPARE(control.bar()->maximum(), 5);
        QCOMPARE(control.bar()->value(), 3);
    }

    void manyCallsEndAtTheLastValue()
    {
        ProgressControl control;
        control.setMaximum(1000);
        QCoreApplication::processEvents();
        QVERIFY(runOnWorker([&control] {
            for (int i = 0; i <= 1000; ++i) {
                control.setValue(i);
                if (control.isCanceled())
                    return;
            }
        }));
        QCoreApplication::processEvents();
        QCOMPARE(control.bar()->value(), 1000);
    }

    void stopButtonCancelsAndSignals()
    {
        ProgressControl control;
        QSignalSpy canceled(&control, &ProgressControl::canceled);
        QTest::mouseClick(control.findChild<QPushButton *>(QStringLiteral("buttonStop")), Qt::LeftButton);
        QVERIFY(control.isCanceled());
        QCOMPARE(canceled.count(), 1);
        control.reset();
        QVERIFY(!control.isCanceled());
    }

    void pauseButtonTogglesMarkAndProperty()
    {
        ProgressControl control;
        auto *pause = control.findChild<QPushButton *>(QStringLiteral("defaultButton"));
        QTest::mouseClick(pause, Qt::LeftButton);
        QVERIFY(control.isPaused());
        QCOMPARE(pause->property("thePaused").toBool(), true);
        QTest::mouseClick(pause, Qt::LeftButton);
        QVERIFY(!control.isPaused());
        QCOMPARE(pause->property("thePaused").toBool(), false);
    }

    // --- ProgressDialog -----------------------------------------------------------------

    void dialogFrame()
    {
        ProgressDialog dialog;
        QCOMPARE(dialog.windowBar()->title(), QStringLiteral("Add files"));
        QCOMPARE(dialog.content()->objectName(), QStringLiteral("progressView"));
        QCOMPARE(dialog.content()->minimumSize(), QSize(430, 100));
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(dialog.progress(), static_cast<IProgress *>(dialog.control()));
        QVERIFY(dialog.control()->findChild<QPushButton *>(QStringLiteral("defaultButton"))->isHidden());
    }

    void barCloseCancelsAndStaysOpen()
    {
        ProgressDialog dialog;
        dialog.show();
        QSignalSpy canceled(dialog.control(), &ProgressControl::canceled);
        QTest::mouseClick(dialog.windowBar()->findChild<QPushButton *>(QStringLiteral("windowclose")),
                          Qt::LeftButton);
        QVERIFY(dialog.progress()->isCanceled());
        QVERIFY(dialog.isVisible());
        QCOMPARE(canceled.count(), 0);
    }

    void escapeCancelsAndHides()
    {
        ProgressDialog dialog;
        dialog.show();
        QSignalSpy canceled(dialog.control(), &ProgressControl::canceled);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.progress()->isCanceled());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(canceled.count(), 0);
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestProgress test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_progress.moc"
