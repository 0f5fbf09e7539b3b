#include "TestPaths.h"
#include "app/AppSettings.h"
#include "app/Application.h"
#include "shell/MainView.h"
#include "shell/SaveFolderModel.h"
#include "shell/SettingsView.h"
#include "shell/TabButton.h"
#include "shell/TabWidget.h"
#include "widgets/ButtonDescription.h"
#include "widgets/Compositor.h"
#include "widgets/MessageView.h"
#include "widgets/DocumentViewer.h"
#include "widgets/PageView.h"
#include "widgets/WindowEdgeResizer.h"
#include "shell/WindowBar.h"
#include "merge/Merge.h"
#include "merge/MergeModel.h"
#include "merge/MergeView.h"
#include "merge/MergeTableView.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <functional>

namespace {

// Runs answer on the next modal dialog as soon as it is up (polling, since the
// dialog opens inside the call under test).
void answerNextModal(std::function<void(QWidget *)> answer, int attemptsLeft = 200)
{
    QTimer::singleShot(10, [answer, attemptsLeft]() {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            answer(modal);
            return;
        }
        if (attemptsLeft > 0)
            answerNextModal(answer, attemptsLeft - 1);
    });
}

void removeSettingsFile()
{
    QFile::remove(AppSettings::open()->fileName());
}

QLabel *tabBarLabel(TabWidget &tabs)
{
    for (QLabel *label : tabs.findChildren<QLabel *>())
        if (label->objectName().startsWith(QLatin1String("labelTabBar")))
            return label;
    return nullptr;
}

} // namespace

class TestMainView : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        removeSettingsFile();
        auto *app = Application::instance();
        app->lastSplitFolder.clear();
        app->lastMergeFile.clear();
        app->loadLanguage(QStringLiteral("en"));
    }

    // --- tabs ---------------------------------------------------------------

    void tabWidgetChecksOneButtonAndRevealsBar()
    {
        TabWidget tabs;
        auto *split = new TabButton;
        auto *merge = new TabButton;
        tabs.addTab(new QWidget, 0);
        tabs.addTab(new QWidget, 1, split);
        tabs.addTab(new QWidget, 2, merge);
        QCOMPARE(tabs.count(), 3);
        QCOMPARE(split->index(), 1);
        QCOMPARE(merge->index(), 2);

        QSignalSpy changed(&tabs, &TabWidget::currentIndexChanged);
        tabs.setCurrentIndex(0);
        QCOMPARE(tabBarLabel(tabs)->objectName(), QStringLiteral("labelTabBarHide"));
        QVERIFY(!split->isChecked() && !merge->isChecked());

        merge->click();
        QCOMPARE(tabs.currentIndex(), 2);
        QVERIFY(merge->isChecked());
        QVERIFY(!split->isChecked());
        QCOMPARE(tabBarLabel(tabs)->objectName(), QStringLiteral("labelTabBar"));

        split->click();
        QCOMPARE(tabs.currentIndex(), 1);
        QVERIFY(split->isChecked());
        QVERIFY(!merge->isChecked());
        QCOMPARE(changed.count(), 3);
        QCOMPARE(changed.last().at(0).toInt(), 1);
    }

    void tabWidgetIgnoresIndexOutsidePages()
    {
        TabWidget tabs;
        tabs.addTab(new QWidget, 0);
        tabs.addTab(new QWidget, 1, new TabButton);
        tabs.setCurrentIndex(1);
        QSignalSpy changed(&tabs, &TabWidget::currentIndexChanged);
        tabs.setCurrentIndex(3);
        tabs.setCurrentIndex(2);
        tabs.setCurrentIndex(-1);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(tabs.currentIndex(), 1);
    }

    void tabButtonReportsItsIndex()
    {
        TabButton button;
        button.setIndex(7);
        QSignalSpy clicked(&button, QOverload<int>::of(&TabButton::clicked));
        button.click();
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.first().at(0).toInt(), 7);
        QVERIFY(button.isCheckable());
    }

    // --- main view ----------------------------------------------------------

    void mainViewStartsOnStartScreen()
    {
        MainView view;
        QCOMPARE(view.size(), QSize(743, 506));
        QVERIFY(view.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(view.tabWidget()->currentIndex(), 0);
        QVERIFY(view.lastFolderButton()->isHidden());
        QCOMPARE(tabBarLabel(*view.tabWidget())->objectName(), QStringLiteral("labelTabBarHide"));
        QCOMPARE(view.findChild<QWidget *>(QStringLiteral("mainview"))->size(), QSize(703, 466));
        QVERIFY(view.findChild<QWidget *>(QStringLiteral("initialView")));
        QCOMPARE(view.tabWidget()->widget(1), view.splitScreen());
        QCOMPARE(view.tabWidget()->widget(2), view.mergeScreen());
        QCOMPARE(view.windowTitle(), QStringLiteral("Sheafwright"));
        // Untitled windows (the dialogs) take the product's name too.
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Sheafwright"));
        // A second window that could not hand its files over does not hide
        // the first one exactly.
        MainView second;
        second.moveAside();
        QVERIFY(second.pos() != view.pos());
    }

    // Without a compositing manager the translucent shadow margin would show
    // as a black frame: the windows then draw without it, edge to edge.
    void noShadowMarginWithoutCompositor()
    {
        Compositor::setOverride(0);
        {
            MainView view;
            QCOMPARE(view.size(), QSize(703, 466));
            QVERIFY(!view.testAttribute(Qt::WA_TranslucentBackground));
            QCOMPARE(view.findChild<QWidget *>(QStringLiteral("mainview"))->geometry(), QRect(0, 0, 703, 466));
            QVERIFY(!view.findChild<QWidget *>(QStringLiteral("mainViewShadow")));
            MessageView *message = MessageView::createMessage(QStringLiteral("Caption"), QStringLiteral("Text"), &view);
            QVERIFY(!message->testAttribute(Qt::WA_TranslucentBackground));
            QVERIFY(!message->content()->graphicsEffect());
            QCOMPARE(message->layout()->contentsMargins(), QMargins());
            delete message;
            DocumentViewer viewer;
            QVERIFY(!viewer.testAttribute(Qt::WA_TranslucentBackground));
            QVERIFY(viewer.findChild<QWidget *>(QStringLiteral("previewShadow"))->isHidden());
            QCOMPARE(viewer.layout()->contentsMargins(), QMargins());
        }
        Compositor::setOverride(1);
        {
            MainView view;
            QCOMPARE(view.size(), QSize(743, 506));
            QVERIFY(view.testAttribute(Qt::WA_TranslucentBackground));
            QCOMPARE(view.findChild<QWidget *>(QStringLiteral("mainview"))->geometry(), QRect(20, 20, 703, 466));
            MessageView *message = MessageView::createMessage(QStringLiteral("Caption"), QStringLiteral("Text"), &view);
            QVERIFY(message->testAttribute(Qt::WA_TranslucentBackground));
            QVERIFY(message->content()->graphicsEffect());
            QCOMPARE(message->layout()->contentsMargins(), QMargins(20, 20, 20, 20));
            delete message;
            DocumentViewer viewer;
            QVERIFY(viewer.testAttribute(Qt::WA_TranslucentBackground));
            QCOMPARE(viewer.layout()->contentsMargins(), QMargins(20, 20, 20, 20));
        }
        Compositor::setOverride(-1);
    }

    // The window starts at its old fixed size, grows (the merge list and the
    // split area with it), never shrinks below that size, maximises from
    // its bar, and comes back at the size and state it was closed in.
    void windowGrowsMaximizesAndRemembersItsSize()
    {
        const QSize smallest = MainView::minimumBodySize();
        QSize normal;
        int margin = 0;
        {
            MainView view;
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            margin = (view.width() - smallest.width()) / 2;
            QCOMPARE(view.size(), smallest + QSize(2 * margin, 2 * margin));
            QCOMPARE(view.minimumSize(), view.size());
            view.onNavigateToSplit();
            QWidget *splitArea = view.splitScreen()->findChild<QWidget *>(QStringLiteral("splitAreaBorder"));
            QTest::qWait(0);
            const int splitAreaBefore = splitArea->height();
            view.onNavigateToMerge();
            QWidget *list = qobject_cast<MergeView *>(view.mergeScreen())->table();
            QTest::qWait(0);
            const QSize listBefore = list->size();

            // Dragging the bottom right corner: where the platform cannot
            // move the window itself, the window resizes by hand.
            QWindow *native = view.windowHandle();
            const QPoint corner(view.width() - 2, view.height() - 2);
            QTest::mousePress(native, Qt::LeftButton, Qt::NoModifier, corner);
            QTest::mouseMove(native, corner + QPoint(60, 40));
            QTest::mouseRelease(native, Qt::LeftButton, Qt::NoModifier, corner + QPoint(60, 40));
            QTRY_COMPARE(view.size(), smallest + QSize(2 * margin + 60, 2 * margin + 40));
            QCOMPARE(view.body()->size(), smallest + QSize(60, 40));

            view.resize(smallest.width() + 2 * margin + 37, smallest.height() + 2 * margin + 90);
            QTRY_COMPARE(list->width(), listBefore.width() + 37);
            QTRY_COMPARE(list->height(), listBefore.height() + 90);
            view.onNavigateToSplit();
            QTRY_COMPARE(splitArea->height(), splitAreaBefore + 90);
            // The settings panel rests at the body's right edge, full height.
            view.onShowSettings();
            QTRY_COMPARE_WITH_TIMEOUT(view.settingsView()->geometry(), view.settingsInside(), 2000);
            QCOMPARE(view.settingsView()->height(), view.body()->height());
            QCOMPARE(view.settingsBackground()->size(), view.body()->size());
            view.settingsView()->hide();
            view.settingsBackground()->hide();

            view.resize(100, 100);
            QCOMPARE(view.size(), view.minimumSize());
            view.resize(smallest.width() + 2 * margin + 37, smallest.height() + 2 * margin + 90);
            normal = view.size();

            // Maximised: no shadow margin, the button turns into "restore".
            auto *maximize = view.findChild<QAbstractButton *>(QStringLiteral("windowmaximize"));
            QVERIFY(maximize && maximize->isVisible());
            maximize->click();
            QTRY_VERIFY(view.isMaximized());
            QTRY_COMPARE(view.body()->geometry(), view.rect());
            QCOMPARE(maximize->toolTip(), QStringLiteral("Restore"));
            view.close();
        }
        QCOMPARE(AppSettings::windowSize(), normal - QSize(2 * margin, 2 * margin));
        QVERIFY(AppSettings::windowMaximized());
        {
            MainView view;
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            QTRY_VERIFY(view.isMaximized());
            view.windowBar()->findChild<QAbstractButton *>(QStringLiteral("windowmaximize"))->click();
            QTRY_VERIFY(!view.isMaximized());
            QTRY_COMPARE(view.size(), normal);
            view.close();
        }
        QVERIFY(!AppSettings::windowMaximized());
        MainView again;
        QCOMPARE(again.size(), normal);

        // Dragging the left or top edge past the smallest size stops there,
        // with the opposite edge in place.
        const QRect start(100, 100, 800, 600);
        const QSize least(703, 466);
        QCOMPARE(WindowEdgeResizer::resized(start, Qt::LeftEdge | Qt::TopEdge, QPoint(500, 500), least),
                 QRect(QPoint(197, 234), start.bottomRight()));
        QCOMPARE(WindowEdgeResizer::resized(start, Qt::RightEdge, QPoint(-500, 0), least), QRect(100, 100, 703, 600));
        QCOMPARE(WindowEdgeResizer::edgesAt(QRect(0, 0, 800, 600), QPoint(2, 598), 5),
                 Qt::Edges(Qt::LeftEdge | Qt::BottomEdge));
        QCOMPARE(WindowEdgeResizer::edgesAt(QRect(0, 0, 800, 600), QPoint(400, 300), 5), Qt::Edges());
    }

    void navigationButtonsSwitchTabs()
    {
        MainView view;
        auto *toSplit = view.findChild<QAbstractButton *>(QStringLiteral("buttonNavigateToSplit"));
        auto *tabMerge = view.findChild<QAbstractButton *>(QStringLiteral("buttonTabMerge"));
        auto *tabSplit = view.findChild<QAbstractButton *>(QStringLiteral("buttonTabSplit"));
        QVERIFY(toSplit && tabMerge && tabSplit);
        toSplit->click();
        QCOMPARE(view.tabWidget()->currentIndex(), 1);
        QCOMPARE(tabBarLabel(*view.tabWidget())->objectName(), QStringLiteral("labelTabBar"));
        tabMerge->click();
        QCOMPARE(view.tabWidget()->currentIndex(), 2);
        QVERIFY(tabMerge->isChecked() && !tabSplit->isChecked());

        MainView other;
        other.findChild<QAbstractButton *>(QStringLiteral("buttonNavigateToMerge"))->click();
        QCOMPARE(other.tabWidget()->currentIndex(), 2);
    }

    void lastFolderButtonFollowsTabAndResults()
    {
        auto *app = Application::instance();
        MainView view;
        ButtonDescription *button = view.lastFolderButton();
        view.onNavigateToSplit();
        QVERIFY(!button->isHidden());
        QVERIFY(!button->isEnabled());
        QCOMPARE(button->description(), QStringLiteral("Last split:"));
        QCOMPARE(button->text(), QStringLiteral("Open folder"));

        view.onNavigateToMerge();
        QVERIFY(!button->isEnabled());
        QCOMPARE(button->description(), QStringLiteral("Last merge:"));

        // A split result enables the button on the split tab only.
        app->lastSplitFolder = QDir::tempPath();
        emit app->lastFolderChanged();
        QVERIFY(!button->isEnabled());
        view.onNavigateToSplit();
        QVERIFY(button->isEnabled());

        app->lastMergeFile = QDir::tempPath() + QStringLiteral("/merged.pdf");
        emit app->lastFolderChanged();
        view.onNavigateToMerge();
        QVERIFY(button->isEnabled());
    }

    void splitResultsGoToMergeScreen()
    {
        MainView view;
        view.onNavigateToSplit();
        QSignalSpy added(Application::instance()->merge()->model(), &MergeModel::addFiles);
        const QStringList files{QStringLiteral("/tmp/a_p1.pdf"), QStringLiteral("/tmp/a_p2.pdf")};
        view.onNavigateToMergeAfterSplit(files);
        QCOMPARE(added.count(), 1);
        QCOMPARE(added.first().at(0).toStringList(), files);
        QCOMPARE(view.tabWidget()->currentIndex(), 2);
    }

    void previewOpensViewerWindow()
    {
        MainView view;
        const QString path = TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf"));
        view.onPreview(path, QString());
        DocumentViewer *viewer = view.documentViewer();
        QVERIFY(viewer->isVisible());
        QVERIFY(!viewer->isModal());
        QCOMPARE(viewer->pageView()->path(), path);
        QCOMPARE(viewer->geometry().center(), view.geometry().center());
        // Closing from its own bar only hides it; the pages stay.
        viewer->windowBar()->findChild<QAbstractButton *>(QStringLiteral("windowclose"))->click();
        QVERIFY(viewer->isHidden());
        QCOMPARE(viewer->pageView()->pageCount(), 11);
    }

    void settingsPanelSlidesInAndOut()
    {
        MainView view;
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        SettingsView *panel = view.settingsView();
        QVERIFY(panel->isHidden());
        view.onShowSettings();
        QVERIFY(panel->isVisible());
        QVERIFY(view.settingsBackground()->isVisible());
        // Starts outside the body on the right: R + 20 with R = 20 + 703 - 1.
        QCOMPARE(panel->geometry().left(), 742);
        QTRY_COMPARE_WITH_TIMEOUT(panel->geometry(), QRect(141, 0, 562, 466), 2000);
        QCOMPARE(view.settingsInside(), QRect(141, 0, 562, 466));

        // Showing again restarts from outside the body.
        view.onShowSettings();
        QCOMPARE(panel->geometry().left(), 742);
        QTRY_COMPARE_WITH_TIMEOUT(panel->geometry().left(), 141, 2000);

        panel->onClose();
        QTRY_VERIFY_WITH_TIMEOUT(panel->isHidden(), 2000);
        QTRY_VERIFY_WITH_TIMEOUT(view.settingsBackground()->isHidden(), 2000);
        QCOMPARE(panel->geometry().left(), 743);
    }

    void closingMainViewClosesViewer()
    {
        MainView view;
        view.show();
        view.onPreview(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")), QString());
        QVERIFY(view.documentViewer()->isVisible());
        view.close();
        QVERIFY(!view.documentViewer()->isVisible());
    }


    void savingRetranslatesVisibleTexts()
    {
        MainView view;
        view.show();
        auto *settingsCaption = view.settingsView()->findChild<QLabel *>(QStringLiteral("settingsLabel"));
        auto *helpButton = view.findChild<QAbstractButton *>(QStringLiteral("buttonHelp"));
        QCOMPARE(helpButton->text(), QStringLiteral("Help"));
        QCOMPARE(settingsCaption->text(), QStringLiteral("Settings"));

        view.onShowSettings();
        QComboBox *languages = view.settingsView()->languageBox();
        languages->setCurrentIndex(languages->findData(QStringLiteral("de")));
        view.settingsView()->saveSettings();
        QCoreApplication::processEvents();
        QCOMPARE(helpButton->text(), QCoreApplication::translate("MainView", "Help"));
        QCOMPARE(helpButton->text(), QStringLiteral("Hilfe"));
        QCOMPARE(settingsCaption->text(), QStringLiteral("Einstellungen"));
        QCOMPARE(view.settingsView()->saveFolderModel()->index(0, 0).data().toString(),
                 QStringLiteral("Unterordner"));
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestMainView test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_mainview.moc"
