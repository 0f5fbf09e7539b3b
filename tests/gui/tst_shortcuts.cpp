#include "FileDialogAnswer.h"
#include "ModalDriver.h"
#include "TestPaths.h"
#include "TestPdf.h"
#include "app/Application.h"
#include "merge/Merge.h"
#include "merge/MergeModel.h"
#include "merge/MergeTableView.h"
#include "merge/MergeView.h"
#include "shell/FileOpener.h"
#include "shell/MainView.h"
#include "shell/SettingsView.h"
#include "shell/TabWidget.h"
#include "split/Split.h"
#include "split/SplitView.h"
#include "widgets/DocumentViewer.h"
#include "widgets/PageView.h"
#include "widgets/PixmapLoader.h"
#include "widgets/PreviewWidget.h"
#include "widgets/ProgressDialog.h"
#include "shell/WindowBar.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>
#include <QFileDialog>
#include <QImage>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

// The keyboard on the main window and the viewer (the Tab chain and the
// focus it shows, the viewer's page field), the buttons that are pictures
// only, the tooltips that give the whole name where the screen cuts it, and
// the pictures for scaled screens.
class TestShortcuts : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<MainView> m_view;

    QString numbered(const QString &name, int pages)
    {
        const QString path = m_dir.filePath(name);
        if (!QFileInfo::exists(path) && !TestPdf::writeNumbered(path, pages))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    MergeView *mergeScreen() const { return qobject_cast<MergeView *>(m_view->mergeScreen()); }

    QStringList mergeNames() const
    {
        QStringList names;
        for (int row = 0; row < mergeScreen()->model()->count(); ++row)
            names << mergeScreen()->model()->item(row).fileName;
        return names;
    }

    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        // On the offscreen platform a hidden dialog keeps the focus; a window
        // manager gives it back to the main window.
        if (QGuiApplication::focusWindow() != m_view->windowHandle())
            m_view->windowHandle()->requestActivate();
        QTRY_COMPARE(QGuiApplication::focusWindow(), m_view->windowHandle());
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : m_view.get();
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }

    static QString describe(const QWidget *widget)
    {
        QString text = QString::fromLatin1(widget->metaObject()->className());
        if (!widget->objectName().isEmpty())
            text += QLatin1Char('#') + widget->objectName();
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            text += QStringLiteral(" \"%1\"").arg(button->text());
        return text;
    }

    // Whether a control looks clearly different with the focus than without:
    // a line of strongly changed pixels at least as long as its short side
    // (a faint tint, as the platform style gives a styled button, is not).
    static bool showsFocus(const QImage &focused, const QImage &unfocused)
    {
        if (focused.size() != unfocused.size())
            return true;
        int changed = 0;
        for (int y = 0; y < focused.height(); ++y)
            for (int x = 0; x < focused.width(); ++x) {
                const QColor a = focused.pixelColor(x, y), b = unfocused.pixelColor(x, y);
                const int difference = qMax(qAbs(a.red() - b.red()),
                                            qMax(qAbs(a.green() - b.green()), qAbs(a.blue() - b.blue())));
                changed += difference >= 80 ? 1 : 0;
            }
        return changed >= qMin(focused.width(), focused.height());
    }

    // Walks the Tab chain of the window from where the focus is: every
    // control reached must be on screen (visible, not clipped away) and
    // must look different while it has the focus. Returns what is wrong,
    // and the controls reached in reached.
    static QStringList tabChainProblems(QWidget *window, QStringList *reached = nullptr)
    {
        // On the offscreen platform a hidden dialog keeps the focus; a window
        // manager gives it back to the main window.
        if (QGuiApplication::focusWindow() != window->windowHandle())
            window->windowHandle()->requestActivate();
        if (!QTest::qWaitFor([window] { return QGuiApplication::focusWindow() == window->windowHandle(); }))
            return {QStringLiteral("the window does not get the focus")};
        QStringList problems;
        QList<QWidget *> seen;
        QWidget *previous = nullptr;
        QImage previousFocused;
        for (int step = 0; step < 80; ++step) {
            QWidget *from = QApplication::focusWidget() ? QApplication::focusWidget() : window;
            QTest::keyClick(from, Qt::Key_Tab);
            QWidget *now = QApplication::focusWidget();
            if (previous && previous != now && !showsFocus(previousFocused, previous->grab().toImage()))
                problems << describe(previous) + QStringLiteral(" does not show the focus");
            if (!now || seen.contains(now))
                break;
            seen << now;
            if (reached)
                *reached << describe(now);
            if (now->window() != window)
                problems << describe(now) + QStringLiteral(" is in another window");
            if (!now->isVisible() || now->visibleRegion().isEmpty())
                problems << describe(now) + QStringLiteral(" takes the focus but cannot be seen");
            previous = now;
            previousFocused = now->grab().toImage();
        }
        if (seen.size() < 2)
            problems << QStringLiteral("Tab reaches %1 controls").arg(seen.size());
        return problems;
    }

    void fillMergeList(const QStringList &files)
    {
        FileOpener::open(m_view.get(), files);
        QTRY_COMPARE_WITH_TIMEOUT(mergeScreen()->model()->count(), files.size(), 30000);
        QTRY_VERIFY(!mergeScreen()->addProgress()->isVisible());
    }

    int selectedRow() const
    {
        const QModelIndexList rows = mergeScreen()->table()->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.first().row() : -1;
    }

private slots:
    void init()
    {
        auto *app = Application::instance();
        app->loadLanguage(QStringLiteral("en"));
        app->split()->reset();
        app->merge()->model()->clear();
        m_view.reset(new MainView);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
    }

    void cleanup() { m_view.reset(); }

    void ctrlOAddsOnTheSplitAndMergeScreens()
    {
        const QString one = numbered(QStringLiteral("one.pdf"), 4);
        const QString two = numbered(QStringLiteral("two.pdf"), 2);
        m_view->onNavigateToSplit();
        answerFileDialog(m_dir.path(), {QStringLiteral("one.pdf")});
        press(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(Application::instance()->split()->fileName(), one);
        // With a document loaded, Ctrl+O replaces it as a drop would.
        answerFileDialog(m_dir.path(), {QStringLiteral("two.pdf")});
        press(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(Application::instance()->split()->fileName(), two);
        QCOMPARE(Application::instance()->split()->pageCount(), 2);

        m_view->onNavigateToMerge();
        answerFileDialog(m_dir.path(), {QStringLiteral("one.pdf")});
        press(Qt::Key_O, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(mergeNames(), QStringList{QStringLiteral("one.pdf")}, 30000);
        QCOMPARE(m_view->tabWidget()->currentIndex(), 2);
    }

    void mergeListRowsMoveAndGoByKeyboard()
    {
        fillMergeList({numbered(QStringLiteral("a.pdf"), 1), numbered(QStringLiteral("b.pdf"), 2),
                       numbered(QStringLiteral("c.pdf"), 3)});
        MergeTableView *table = mergeScreen()->table();
        table->selectRow(0);
        press(Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(mergeNames(), (QStringList{"b.pdf", "a.pdf", "c.pdf"}));
        QCOMPARE(selectedRow(), 1);
        press(Qt::Key_Down, Qt::ControlModifier);
        press(Qt::Key_Down, Qt::ControlModifier); // already last: stays
        QCOMPARE(mergeNames(), (QStringList{"b.pdf", "c.pdf", "a.pdf"}));
        QCOMPARE(selectedRow(), 2);
        press(Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(mergeNames(), (QStringList{"b.pdf", "a.pdf", "c.pdf"}));

        // Delete in the file-name field edits the name, not the list.
        auto *nameEdit = mergeScreen()->findChildren<QLineEdit *>().last();
        for (QLineEdit *edit : mergeScreen()->findChildren<QLineEdit *>())
            if (!edit->isReadOnly())
                nameEdit = edit;
        nameEdit->setFocus();
        nameEdit->setText(QStringLiteral("merged"));
        nameEdit->setCursorPosition(0);
        QTest::keyClick(nameEdit, Qt::Key_Delete);
        QCOMPARE(nameEdit->text(), QStringLiteral("erged"));
        QCOMPARE(mergeScreen()->model()->count(), 3);
        nameEdit->clearFocus();

        // Delete removes the selected row; the next one takes its place.
        QCOMPARE(selectedRow(), 1);
        press(Qt::Key_Delete);
        QCOMPARE(mergeNames(), (QStringList{"b.pdf", "c.pdf"}));
        QCOMPARE(selectedRow(), 1);
        press(Qt::Key_Delete);
        press(Qt::Key_Delete);
        QCOMPARE(mergeNames(), QStringList{});
        QCOMPARE(mergeScreen()->model()->totalPages(), 0);

        // On another screen the merge keys do nothing to the list.
        fillMergeList({numbered(QStringLiteral("a.pdf"), 1), numbered(QStringLiteral("b.pdf"), 2)});
        table->selectRow(0);
        m_view->onNavigateToSplit();
        press(Qt::Key_Delete);
        press(Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(mergeNames(), (QStringList{"a.pdf", "b.pdf"}));
    }

    // Every control Tab reaches shows that it has the focus, and nothing
    // hidden takes it (the site link folded away with the tab bar did).
    void tabShowsWhereTheFocusIsAndReachesOnlyWhatIsSeen()
    {
        QStringList reached;
        QStringList problems = tabChainProblems(m_view.get(), &reached);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        for (const char *name : {"buttonNavigateToSplit", "buttonNavigateToMerge", "buttonHelp", "buttonSettings"})
            QVERIFY2(reached.join(QLatin1Char(' ')).contains(QLatin1String(name)), qPrintable(reached.join(QLatin1Char('\n'))));
        QCOMPARE(reached.size(), 4);

        FileOpener::open(m_view.get(), {numbered(QStringLiteral("four.pdf"), 4)});
        QCOMPARE(m_view->tabWidget()->currentIndex(), 1);
        // Each split mode with its own controls.
        for (QRadioButton *mode : m_view->splitScreen()->findChildren<QRadioButton *>()) {
            mode->click();
            problems = tabChainProblems(m_view.get());
            QVERIFY2(problems.isEmpty(), qPrintable(mode->text() + QLatin1Char('\n') + problems.join(QLatin1Char('\n'))));
        }

        fillMergeList({numbered(QStringLiteral("a.pdf"), 1), numbered(QStringLiteral("b.pdf"), 2)});
        problems = tabChainProblems(m_view.get());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));

        // The settings panel keeps the focus to itself while it is open.
        m_view->onShowSettings();
        QTRY_COMPARE_WITH_TIMEOUT(m_view->settingsView()->geometry(), m_view->settingsInside(), 2000);
        reached.clear();
        problems = tabChainProblems(m_view.get(), &reached);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        for (const QString &control : reached)
            QVERIFY2(!control.contains(QLatin1String("buttonHelp")) && !control.contains(QLatin1String("Merge")),
                     qPrintable(reached.join(QLatin1Char('\n'))));
    }

    // The icon-only buttons beside the merge list say what they do; up and
    // down are off where the row cannot go; the bin asks before it takes a
    // list of more than one file.
    void mergeSideButtonsSayWhatTheyDoAndTheBinAsks()
    {
        fillMergeList({numbered(QStringLiteral("a.pdf"), 1), numbered(QStringLiteral("b.pdf"), 2),
                       numbered(QStringLiteral("c.pdf"), 3)});
        auto button = [this](const char *name) {
            return mergeScreen()->findChild<QPushButton *>(QLatin1String(name));
        };
        for (const char *name : {"buttonTableAdd", "buttonMoveUp", "buttonMoveDown", "buttonClearAll"}) {
            QVERIFY2(!button(name)->toolTip().isEmpty(), name);
            QCOMPARE(button(name)->accessibleName(), button(name)->toolTip());
        }
        MergeModel *model = mergeScreen()->model();
        for (int column : {int(MergeModel::PreviewColumn), int(MergeModel::RemoveColumn)}) {
            QVERIFY(!model->index(0, column).data(Qt::ToolTipRole).toString().isEmpty());
            QVERIFY(!model->index(0, column).data(Qt::AccessibleTextRole).toString().isEmpty());
        }

        MergeTableView *table = mergeScreen()->table();
        table->selectRow(0);
        QVERIFY(!button("buttonMoveUp")->isEnabled());
        QVERIFY(button("buttonMoveDown")->isEnabled());
        table->selectRow(1);
        QVERIFY(button("buttonMoveUp")->isEnabled());
        QVERIFY(button("buttonMoveDown")->isEnabled());
        table->selectRow(2);
        QVERIFY(button("buttonMoveUp")->isEnabled());
        QVERIFY(!button("buttonMoveDown")->isEnabled());
        // A move to the top turns up off.
        button("buttonMoveUp")->click();
        button("buttonMoveUp")->click();
        QCOMPARE(mergeNames(), (QStringList{"c.pdf", "a.pdf", "b.pdf"}));
        QVERIFY(!button("buttonMoveUp")->isEnabled());

        ModalDriver driver;
        driver.expect(ModalDriver::press(QStringLiteral("KEEP")));
        button("buttonClearAll")->click();
        QCOMPARE(driver.pending(), 0);
        QVERIFY2(driver.seen().last().contains(QStringLiteral("Remove all 3 files")), qPrintable(driver.seen().last()));
        QCOMPARE(model->count(), 3);
        driver.expect(ModalDriver::press(QStringLiteral("CLEAR")));
        button("buttonClearAll")->click();
        QCOMPARE(driver.pending(), 0);
        QCOMPARE(model->count(), 0);
        QVERIFY(!button("buttonClearAll")->isEnabled());

        // One file goes without a question.
        model->requestAddFiles({numbered(QStringLiteral("a.pdf"), 1)});
        QTRY_COMPARE_WITH_TIMEOUT(model->count(), 1, 30000);
        QTRY_VERIFY(!mergeScreen()->addProgress()->isVisible());
        QVERIFY(button("buttonClearAll")->isEnabled());
        button("buttonClearAll")->click();
        QCOMPARE(model->count(), 0);
    }

    // The viewer's page field: Ctrl+G goes there, a number and Return show
    // that page, and Return never closes the viewer.
    void pageFieldGoesToTheTypedPage()
    {
        const QString file = TestPaths::fixture(QStringLiteral("direct-outlines.pdf"));
        m_view->onPreview(file, QString());
        DocumentViewer *viewer = m_view->documentViewer();
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        PageView *pages = viewer->pageView();
        QTRY_VERIFY(pages->scrollArea()->verticalScrollBar()->maximum() > 0);
        QLineEdit *field = viewer->pageField();
        QCOMPARE(field->text(), QStringLiteral("1"));

        QTest::keyClick(viewer, Qt::Key_G, Qt::ControlModifier);
        QVERIFY(field->hasFocus());
        QCOMPARE(field->selectedText(), QStringLiteral("1"));
        QTest::keyClicks(field, QStringLiteral("17"));
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(viewer->isVisible());
        QCOMPARE(pages->currentPage(), 17);
        QCOMPARE(field->text(), QStringLiteral("17"));
        // Page 17 starts at the top of the view.
        const QWidget *column = pages->scrollArea()->widget();
        QCOMPARE(pages->scrollArea()->verticalScrollBar()->value(), column->layout()->itemAt(16)->geometry().top());

        // Past the end: the last page; scrolling updates the field.
        QTest::keyClicks(field, QStringLiteral("99"));
        QTest::keyClick(field, Qt::Key_Enter);
        QVERIFY(viewer->isVisible());
        QCOMPARE(pages->currentPage(), 30);
        pages->scrollArea()->verticalScrollBar()->setValue(0);
        QCOMPARE(field->text(), QStringLiteral("1"));
        QTest::keyClick(viewer, Qt::Key_Return);
        QVERIFY(viewer->isVisible());
        viewer->close();
    }

    void homeAndEndGoToTheFirstAndLastPage()
    {
        const QString file = TestPaths::fixture(QStringLiteral("direct-outlines.pdf"));
        m_view->onPreview(file, QString());
        DocumentViewer *viewer = m_view->documentViewer();
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        QCOMPARE(viewer->pageView()->pageCount(), 30);
        QScrollBar *bar = viewer->pageView()->scrollArea()->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), 0);
        QTest::keyClick(viewer, Qt::Key_End);
        QCOMPARE(bar->value(), bar->maximum());
        // The last page is the one in view.
        const QWidget *column = viewer->pageView()->scrollArea()->widget();
        const QWidget *lastPage = column->layout()->itemAt(column->layout()->count() - 1)->widget();
        const QRect visible(QPoint(0, bar->value()), viewer->pageView()->scrollArea()->viewport()->size());
        QVERIFY(visible.intersects(lastPage->geometry()));
        QTest::keyClick(viewer, Qt::Key_Home);
        QCOMPARE(bar->value(), 0);
        viewer->close();
    }

    void tooltipsGiveTheWholeName()
    {
        // A title too long for the preview: cut on screen, whole in the tooltip.
        const QString longTitle = QStringLiteral("A very long document title that the preview panel cannot show in one line at all");
        const QString titled = m_dir.filePath(QStringLiteral("titled.pdf"));
        QVERIFY(TestPdf::write(titled, {TestPdf::Page()}, {{"/Title", longTitle}}));
        FileOpener::open(m_view.get(), {titled});
        PreviewWidget *preview = qobject_cast<SplitView *>(m_view->splitScreen())->preview();
        QLabel *shownTitle = nullptr;
        QLabel *shownPath = nullptr;
        for (QLabel *label : preview->findChildren<QLabel *>()) {
            if (label->toolTip() == longTitle)
                shownTitle = label;
            if (label->toolTip() == QDir::toNativeSeparators(titled))
                shownPath = label;
        }
        QVERIFY(shownTitle);
        QVERIFY(shownTitle->text() != longTitle && shownTitle->text().endsWith(QChar(0x2026)));
        QVERIFY(shownPath);
        // "Delete" only takes the document off the screen, and says so.
        auto *close = preview->findChild<QAbstractButton *>(QStringLiteral("buttonDelete"));
        QCOMPARE(close->text(), QStringLiteral("Delete"));
        QVERIFY2(close->toolTip().contains(QStringLiteral("not deleted")), qPrintable(close->toolTip()));

        const QString name = numbered(QStringLiteral("a name long enough to be cut in the file column of the merge list.pdf"), 1);
        fillMergeList({name, numbered(QStringLiteral("short.pdf"), 1)});
        MergeModel *model = mergeScreen()->model();
        QCOMPARE(model->index(0, MergeModel::FileNameColumn).data(Qt::ToolTipRole).toString(),
                 QDir::toNativeSeparators(name));
        QVERIFY(model->index(0, MergeModel::PasswordColumn).data(Qt::ToolTipRole).isNull());
        // The Pages cell tells how to choose pages in it.
        QVERIFY(model->index(0, MergeModel::PagesColumn).data(Qt::ToolTipRole).toString().contains(
            QStringLiteral("Double-click")));

        const QString folder = m_dir.filePath(QStringLiteral("a folder whose path is longer than the field that shows it"));
        QVERIFY(QDir().mkpath(folder));
        mergeScreen()->setSaveFolder(folder);
        bool folderTip = false;
        for (QLineEdit *edit : mergeScreen()->findChildren<QLineEdit *>())
            folderTip = folderTip || (edit->isReadOnly() && edit->toolTip() == QDir::toNativeSeparators(folder));
        QVERIFY(folderTip);

        m_view->onPreview(name, QString());
        QCOMPARE(m_view->documentViewer()->windowBar()->toolTip(), QDir::toNativeSeparators(name));
        m_view->documentViewer()->close();
    }

    void everyPictureHasASharpTwinAtTwiceItsSize()
    {
        // The style sheet cuts border images at fixed offsets, which the
        // toolkit would apply to a twin's pixels: those stay single.
        QFile css(QStringLiteral(":/style/style.css"));
        QVERIFY(css.open(QIODevice::ReadOnly));
        static const QRegularExpression cutImage(
            QStringLiteral("border-image:\\s*url\\((:/style/images/[^)]+)\\)\\s+(\\d+)\\s+(\\d+)\\s+(\\d+)\\s+(\\d+)"));
        QSet<QString> cut;
        for (auto it = cutImage.globalMatch(QString::fromUtf8(css.readAll())); it.hasNext();) {
            const auto match = it.next();
            if (match.captured(2).toInt() + match.captured(3).toInt() + match.captured(4).toInt() + match.captured(5).toInt() > 0)
                cut.insert(match.captured(1));
        }
        QVERIFY(cut.contains(QStringLiteral(":/style/images/shadow_main.png")));

        int pictures = 0;
        QDirIterator it(QStringLiteral(":/style/images"), {QStringLiteral("*.png")});
        while (it.hasNext()) {
            const QString path = it.next();
            if (path.endsWith(QLatin1String("@2x.png")))
                continue;
            ++pictures;
            if (cut.contains(path)) {
                QCOMPARE(PixmapLoader::fileFor(path, 2.0), path);
                continue;
            }
            const QString twin = PixmapLoader::fileFor(path, 1.5);
            QCOMPARE(twin, path.left(path.size() - 4) + QStringLiteral("@2x.png"));
            QCOMPARE(QImage(twin).size(), QImage(path).size() * 2);
            QCOMPARE(PixmapLoader::fileFor(path, 1.0), path);
        }
        QVERIFY(pictures >= 90);
        // At scale 1 the plain picture, as before.
        const QPixmap logo = PixmapLoader::load(QStringLiteral(":/style/images/logo.png"));
        QCOMPARE(logo.devicePixelRatio(), qApp->devicePixelRatio() > 1 ? 2.0 : 1.0);
        QCOMPARE(logo.size() / logo.devicePixelRatio(), QSize(340, 84));
    }
};

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    Application app(argc, argv);
    TestShortcuts test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_shortcuts.moc"
