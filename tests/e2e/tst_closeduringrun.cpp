#include "ModalDriver.h"
#include "PdfProbe.h"
#include "TestPaths.h"
#include "app/Application.h"
#include "shell/MainView.h"
#include "shell/TabWidget.h"
#include "split/Split.h"
#include "split/SplitView.h"
#include "widgets/MessageView.h"

#include <QDirIterator>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// Closing the main window while a split runs asks first: "GO ON" leaves the
// split running, "STOP AND CLOSE" stops it, reports what was kept, and
// closes. Without a run the window closes at once.
class TestCloseDuringRun : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // Shows view and starts a split of a 3,000-page document from its
    // SPLIT button; the split controller, running, or null on failure.
    Split *startLongSplit(MainView &view, const QString &name)
    {
        const QString source = m_dir.filePath(name);
        if (!PdfProbe::repeatPages(TestPaths::fixture(QStringLiteral("c-object-streams.pdf")), 100, source))
            return nullptr;
        view.show();
        if (!QTest::qWaitForWindowExposed(&view))
            return nullptr;
        view.tabWidget()->setCurrentIndex(1);
        Split *split = Application::instance()->split();
        split->load(source, QString());
        if (split->pageCount() != 3000)
            return nullptr;
        auto *screen = qobject_cast<SplitView *>(view.splitScreen());
        QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("buttonSplit")), Qt::LeftButton);
        return QTest::qWaitFor([split] { return split->isRunning(); }) ? split : nullptr;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void closingWithoutARunAsksNothing()
    {
        ModalDriver driver;
        MainView view;
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(view.close());
        QVERIFY(!view.isVisible());
        QTest::qWait(100);
        QVERIFY(driver.seen().isEmpty());
    }

    void closingDuringASplitAsksFirst()
    {
        ModalDriver driver;
        MainView view;
        Split *split = startLongSplit(view, QStringLiteral("long.pdf"));
        QVERIFY(split && split->isRunning());

        driver.expect(ModalDriver::press(QStringLiteral("GO ON")));
        view.close();
        QTRY_COMPARE(driver.pending(), 0);
        QVERIFY2(driver.seen().last().startsWith(QStringLiteral("Stop and close?|A split is still running.")),
                 qPrintable(driver.seen().last()));
        QVERIFY(view.isVisible());
        QVERIFY(split->isRunning());

        driver.expect(ModalDriver::press(QStringLiteral("STOP AND CLOSE")));
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        view.close();
        QTRY_VERIFY_WITH_TIMEOUT(driver.pending() == 0, 20000);
        QVERIFY2(driver.seen().last().contains(QStringLiteral("Split canceled")), qPrintable(driver.seen().last()));
        QTRY_VERIFY(!view.isVisible());
        QVERIFY(!split->isRunning());

        // What was written before the stop is whole.
        QDirIterator it(m_dir.filePath(QStringLiteral("long")), QDir::Files | QDir::Hidden);
        int files = 0;
        while (it.hasNext()) {
            const QString path = it.next();
            ++files;
            QVERIFY2(PdfProbe::isComplete(path), qPrintable(path));
        }
        QVERIFY(files < 3000);
        split->reset();
    }

    // The question asked on close goes away when the run ends while it is
    // open (here: stopped from the split screen), instead of staying with a
    // text about a run that is over; the window stays and says how it ended.
    void questionGoesWhenTheRunEnds()
    {
        ModalDriver driver;
        MainView view;
        Split *split = startLongSplit(view, QStringLiteral("long2.pdf"));
        QVERIFY(split && split->isRunning());

        // Left open; meanwhile the run is stopped another way.
        driver.expect([split](QWidget *) { QTimer::singleShot(100, split, &Split::cancel); });
        bool questionShownWithReport = true;
        driver.expect([&view, &questionShownWithReport](QWidget *dialog) {
            questionShownWithReport = view.stopQuestion() && view.stopQuestion()->isVisible();
            ModalDriver::click(dialog, QStringLiteral("OK"));
        });
        // Should the question stay, it is closed here so the test can fail.
        QTimer::singleShot(15000, &view, [&view] {
            if (view.stopQuestion())
                view.stopQuestion()->reject();
        });
        view.close();
        QTRY_VERIFY_WITH_TIMEOUT(driver.pending() == 0, 20000);
        QVERIFY2(driver.seen().first().startsWith(QStringLiteral("Stop and close?")), qPrintable(driver.seen().first()));
        QVERIFY2(driver.seen().last().contains(QStringLiteral("Split canceled")), qPrintable(driver.seen().last()));
        QVERIFY(!questionShownWithReport);
        QTRY_VERIFY(!view.stopQuestion());
        QVERIFY(view.isVisible());
        QVERIFY(!split->isRunning());
        split->reset();
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestCloseDuringRun test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_closeduringrun.moc"
