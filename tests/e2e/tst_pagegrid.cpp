#include "ModalDriver.h"
#include "PdfProbe.h"
#include "TestPaths.h"
#include "app/AppSettings.h"
#include "app/Application.h"
#include "merge/MergePagesChooser.h"
#include "protocol/PageEntry.h"
#include "pdf/PageRenderer.h"
#include "split/PageRanges.h"
#include "split/RangeItemView.h"
#include "split/RangeListView.h"
#include "split/Split.h"
#include "split/SplitView.h"
#include "widgets/PageGridDelegate.h"
#include "widgets/PageGridDialog.h"
#include "widgets/PageGridModel.h"
#include "widgets/PageGridView.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

// The program's renderer, refusing one page as a damaged one would be.
class RefusingRenderer : public PageRendering
{
public:
    explicit RefusingRenderer(int refused)
        : m_refused(refused)
    {
    }
    bool render(const QString &path, const QString &password, int page, const PageBitmap &bitmap) override
    {
        return page != m_refused && m_inner.render(path, password, page, bitmap);
    }
    void clear() override { m_inner.clear(); }
    QVector<QSizeF> pageSizes(const QString &path, const QString &password) override
    {
        return m_inner.pageSizes(path, password);
    }
    QSizeF pageSize(const QString &path, const QString &password, int page) override
    {
        return m_inner.pageSize(path, password, page);
    }
    void stop() override { m_inner.stop(); }

private:
    int m_refused;
    PageRenderer m_inner{1};
};

// The page grid opened from the split screen on a real manual, driven with
// the mouse and the keyboard as a person would: cuts and a named part that
// the real worker then writes as files, pages marked to be left out, Escape
// and Enter, a protected document, and the document closed under the grid.
class TestPageGrid : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    Split *m_split = nullptr;
    std::unique_ptr<QWidget> m_window;
    SplitView *m_view = nullptr;

    // A private copy in a folder of its own: the split writes into a sub
    // folder named after it.
    QString copyOf(const QString &source, const QString &folderName)
    {
        const QString folder = m_dir.filePath(folderName);
        QDir().mkpath(folder);
        const QString target = folder + QLatin1Char('/') + QFileInfo(source).fileName();
        QFile::remove(target);
        QFile::copy(source, target);
        QFile(target).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return target;
    }

    void chooseMode(int mode)
    {
        const auto buttons = m_view->findChildren<QRadioButton *>();
        QTest::mouseClick(buttons.at(mode), Qt::LeftButton);
        QCOMPARE(m_view->currentMode(), mode);
    }

    QPushButton *visibleButton(const QString &objectName)
    {
        const auto buttons = m_view->findChildren<QPushButton *>(objectName);
        for (QPushButton *b : buttons)
            if (b->isVisible())
                return b;
        return nullptr;
    }

    // answer drives the next grid that comes up; a failed check closes it.
    static void expectGrid(ModalDriver &driver, const std::function<void(PageGridDialog *)> &answer)
    {
        driver.expect([answer](QWidget *modal) {
            auto *grid = qobject_cast<PageGridDialog *>(modal);
            if (!grid)
                QFAIL(modal->metaObject()->className());
            answer(grid);
            if (QTest::currentTestFailed() && grid->isVisible())
                grid->reject();
        });
    }

    // Opens the grid with "Choose pages…"; answer drives it while it is up.
    void openGrid(ModalDriver &driver, const std::function<void(PageGridDialog *)> &answer)
    {
        bool answered = false;
        driver.expect([&answered, answer](QWidget *modal) {
            auto *grid = qobject_cast<PageGridDialog *>(modal);
            if (!grid)
                QFAIL(modal->metaObject()->className());
            answer(grid);
            answered = true;
            // A failed check leaves the grid open: close it, or the test waits forever.
            if (QTest::currentTestFailed() && grid->isVisible())
                grid->reject();
        });
        QPushButton *choose = visibleButton(QStringLiteral("buttonChoosePages"));
        QVERIFY(choose);
        QTest::mouseClick(choose, Qt::LeftButton);
        QVERIFY(answered);
    }

    static PageGridDelegate::Cell cellOf(PageGridView *view, int page)
    {
        view->scrollTo(view->gridModel()->index(page - 1));
        return view->gridDelegate()->cell(view->pageCell(page), view->fontMetrics());
    }

    static void clickGapAfter(PageGridView *view, int page)
    {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cellOf(view, page).gapAfter.center());
    }

    static void clickPage(PageGridView *view, int page, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, cellOf(view, page).page.center());
    }

    static bool drawn(PageGridDialog *grid, int page)
    {
        return !grid->model()->index(page - 1).data(PageGridModel::PictureRole).value<QImage>().isNull();
    }

    static QStringList tagTexts(RangeListView *list)
    {
        QStringList texts;
        for (RangeItemView *tag : list->items())
            texts << tag->text();
        return texts;
    }

    // Presses SPLIT and answers the completion dialog.
    void splitAndAnswer(ModalDriver &driver)
    {
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        QTest::mouseClick(visibleButton(QStringLiteral("buttonSplit")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(driver.pending() == 0, 60000);
        QTRY_VERIFY_WITH_TIMEOUT(!m_view->isSplitting(), 10000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        auto settings = AppSettings::open();
        settings->beginGroup(QLatin1String(AppSettings::keySaveModeGroup));
        settings->setValue(QLatin1String(AppSettings::keySaveMode), 0);
        settings->endGroup();
        settings.reset();
        m_split = Application::instance()->split();
        m_window = std::make_unique<QWidget>();
        m_view = new SplitView(m_window.get());
        m_window->resize(686, 420);
        m_view->resize(686, 420);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    // Ranges typed into the list show in the grid; cuts made in the grid and
    // a part's name come back into the list, and the worker writes the parts,
    // the named one under its name.
    void cutNameAndSplitThroughTheWorker()
    {
        const QString manual = copyOf(TestPaths::realManual(), QStringLiteral("cut"));
        m_split->load(manual, QString());
        QVERIFY(m_split->isLoaded());
        QCOMPARE(m_split->pageCount(), 101);
        chooseMode(SplitView::ModeRanges);
        m_split->pageRanges()->clear();
        m_split->pageRanges()->addRange(1, 50);
        m_split->pageRanges()->addRange(51, 101);

        ModalDriver driver;
        openGrid(driver, [](PageGridDialog *grid) {
            PageGridView *view = grid->view();
            const PageParts &parts = grid->model()->parts();
            QCOMPARE(parts.ranges(), QList<PageParts::Range>({{1, 50}, {51, 101}}));
            QTRY_VERIFY_WITH_TIMEOUT(drawn(grid, 1), 20000);
            // The manual numbers its front matter i to v, then 1, 2, ...
            QTRY_COMPARE(grid->model()->index(0).data(PageGridModel::LabelRole).toString(), QStringLiteral("i"));
            QCOMPARE(grid->model()->index(5).data(PageGridModel::LabelRole).toString(), QStringLiteral("1"));
            clickGapAfter(view, 50);   // joins the two ranges typed
            clickGapAfter(view, 10);   // cuts
            view->setCurrentIndex(grid->model()->index(28));
            QTest::keyClick(view, Qt::Key_Right);   // to page 30
            QTest::keyClick(view, Qt::Key_Space);   // cuts after it
            QCOMPARE(parts.ranges(), QList<PageParts::Range>({{1, 10}, {11, 30}, {31, 101}}));

            const PageGridDelegate::Cell band = cellOf(view, 15);
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, band.band.center());
            auto *editor = view->findChild<QLineEdit *>(QStringLiteral("partNameEditor"));
            QVERIFY(editor);
            QTRY_VERIFY(editor->hasFocus());
            QTest::keyClicks(editor, QStringLiteral("Chapter two"));
            QTest::keyClick(editor, Qt::Key_Return);   // the view commits it a moment later
            QTRY_COMPARE(parts.names(), QStringList({QString(), QStringLiteral("Chapter two"), QString()}));
            QTRY_VERIFY(view->hasFocus());
            QTest::keyClick(view, Qt::Key_Return);   // Enter accepts
        });
        QCOMPARE(m_split->pageRanges()->ranges(), QList<PageRanges::Range>({{1, 10}, {11, 30}, {31, 101}}));
        QCOMPARE(tagTexts(m_view->pageRangesList()),
                 QStringList({QStringLiteral("1 - 10"), QStringLiteral("Chapter two: 11 - 30"),
                              QStringLiteral("31 - 101")}));

        splitAndAnswer(driver);
        const QString out = QFileInfo(manual).absolutePath() + QLatin1Char('/') + QFileInfo(manual).completeBaseName();
        const QString base = QFileInfo(manual).baseName();
        const QStringList files = QDir(out).entryList(QDir::Files, QDir::Name);
        QCOMPARE(files, QStringList({QStringLiteral("Chapter two.pdf"), base + QStringLiteral("_p1-10.pdf"),
                                     base + QStringLiteral("_p31-101.pdf")}));
        QCOMPARE(PdfProbe::pageCount(out + QStringLiteral("/Chapter two.pdf")), 20);
        QCOMPARE(PdfProbe::pageCount(out + QLatin1Char('/') + base + QStringLiteral("_p1-10.pdf")), 10);
        QCOMPARE(PdfProbe::pageCount(out + QLatin1Char('/') + base + QStringLiteral("_p31-101.pdf")), 71);
        const QStringList source = PdfProbe::pageTexts(manual);
        const QStringList named = PdfProbe::pageTexts(out + QStringLiteral("/Chapter two.pdf"));
        QCOMPARE(named.first(), source.at(10));
        QCOMPARE(named.last(), source.at(29));
    }

    // Escape leaves without changes; clicks and a Shift+click mark pages,
    // Enter keeps them, and the copy leaves exactly those out.
    void markPagesToLeaveOut()
    {
        const QString manual = copyOf(TestPaths::realManual(), QStringLiteral("marks"));
        m_split->load(manual, QString());
        chooseMode(SplitView::ModeRemovePages);
        m_split->certainPages()->clear();

        ModalDriver driver;
        openGrid(driver, [](PageGridDialog *grid) {
            clickPage(grid->view(), 3);
            QVERIFY(grid->model()->parts().isMarked(3));
            QTest::keyClick(grid->view(), Qt::Key_Escape);
        });
        QVERIFY(m_split->certainPages()->isEmpty());

        openGrid(driver, [](PageGridDialog *grid) {
            PageGridView *view = grid->view();
            clickPage(view, 3);
            clickPage(view, 6, Qt::ShiftModifier);   // 3 to 6
            clickPage(view, 9);
            clickPage(view, 5);                      // kept again
            QCOMPARE(grid->model()->parts().marks(),
                     QList<PageParts::Range>({{3, 3}, {4, 4}, {6, 6}, {9, 9}}));
            QTest::keyClick(view, Qt::Key_Return);
        });
        QCOMPARE(m_split->certainPages()->ranges(), QList<PageRanges::Range>({{3, 3}, {4, 4}, {6, 6}, {9, 9}}));

        splitAndAnswer(driver);
        const QString out = QFileInfo(manual).absolutePath() + QLatin1Char('/') + QFileInfo(manual).completeBaseName();
        const QStringList files = QDir(out).entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        const QString copy = out + QLatin1Char('/') + files.first();
        QCOMPARE(PdfProbe::pageCount(copy), 97);
        const QStringList source = PdfProbe::pageTexts(manual);
        const QStringList kept = PdfProbe::pageTexts(copy);
        QCOMPARE(kept.at(2), source.at(4));   // page 5 follows page 2
        QCOMPARE(kept.at(3), source.at(6));   // page 7 follows page 5
    }

    // A protected document asks for its password first, as Preview does; the
    // grid then draws its pages with it.
    void protectedDocumentOpensAfterItsPassword()
    {
        const QString locked =
            copyOf(TestPaths::fixture(QStringLiteral("enc-XI-R6,V5,U=view,O=master.pdf")), QStringLiteral("locked"));
        m_split->load(locked, QString());
        QVERIFY(m_split->isLocked());
        chooseMode(SplitView::ModeGroups);
        ModalDriver driver;
        driver.expect(ModalDriver::typeAndPress(QStringLiteral("view"), QStringLiteral("OK")));
        openGrid(driver, [](PageGridDialog *grid) {
            QTRY_VERIFY_WITH_TIMEOUT(drawn(grid, 1), 20000);
            // Groups of three from page 1: ten files, shown, not edited.
            QCOMPARE(grid->model()->mode(), PageGridModel::ShowParts);
            QCOMPARE(grid->model()->parts().parts().size(), 10);
            grid->okButton()->click();
        });
        QVERIFY(m_split->isLoaded());
        QCOMPARE(driver.classes().first(), QStringLiteral("MessagePassword"));
    }

    // The grid opens for any document, without the split screen: a page that
    // cannot be drawn is marked, and the pages around it are drawn.
    void aPageThatCannotBeDrawnIsMarked()
    {
        PageGridDialog grid([] { return std::make_unique<RefusingRenderer>(2); }, {}, 2);
        grid.setDocument(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")), QString(), 11,
                         PageGridModel::ShowPages, PageParts(11));
        grid.show();
        QTRY_VERIFY_WITH_TIMEOUT(grid.model()->index(1).data(PageGridModel::FailedRole).toBool(), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(drawn(&grid, 1) && drawn(&grid, 3), 20000);
        QVERIFY(!drawn(&grid, 2));
        QVERIFY(!grid.model()->index(0).data(PageGridModel::FailedRole).toBool());
    }

    // A merge row's pages chosen on the pictures: the pages the row leaves
    // out start marked; clicks change them and Enter gives the row the pages
    // kept, in page order. Unchanged or with every page marked, the row
    // keeps its own choice.
    void mergeRowPagesChosenOnPictures()
    {
        const QString numbered = TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf"));
        const MergePagesChooser chooser(PageGridDialog::ownRenderers(), {});
        ModalDriver driver;
        QString pages = QStringLiteral("as before");
        expectGrid(driver, [](PageGridDialog *grid) {
            const PageParts &parts = grid->model()->parts();
            QCOMPARE(parts.markCount(), 8);   // the row takes 2, 3 and 4
            QVERIFY(!parts.isMarked(3) && parts.isMarked(5));
            clickPage(grid->view(), 5);       // kept now
            clickPage(grid->view(), 2);       // left out now
            for (int page : {9, 10, 11})
                clickPage(grid->view(), page);
            QTest::keyClick(grid->view(), Qt::Key_Return);
        });
        QVERIFY(chooser.choose(m_window.get(), numbered, QString(), 11, {4, 2, 3}, &pages));
        QCOMPARE(pages, QStringLiteral("3-5, 9-11"));
        const PageEntry::Result read = PageEntry::parseList(pages, 11);
        QCOMPARE(read.ranges, QList<PageEntry::Range>({{3, 5}, {9, 11}}));

        pages = QStringLiteral("as before");
        expectGrid(driver, [](PageGridDialog *grid) {
            clickPage(grid->view(), 1);
            clickPage(grid->view(), 11, Qt::ShiftModifier);   // every page out
            QTest::keyClick(grid->view(), Qt::Key_Return);
        });
        QVERIFY(!chooser.choose(m_window.get(), numbered, QString(), 11, {}, &pages));
        QCOMPARE(pages, QStringLiteral("as before"));
        QCOMPARE(MergePagesChooser::choiceText(11, {}), QString());
        QCOMPARE(MergePagesChooser::choiceText(11, {1, 11}), QStringLiteral("2-10"));
    }

    // The document leaves the screen while the grid draws it: the grid
    // closes, and its drawing threads end.
    void closingTheDocumentClosesTheGrid()
    {
        m_split->load(copyOf(TestPaths::realManual(), QStringLiteral("closing")), QString());
        chooseMode(SplitView::ModeRanges);
        QPointer<PageGridDialog> shown;
        ModalDriver driver;
        openGrid(driver, [&shown, this](PageGridDialog *grid) {
            shown = grid;
            grid->view()->setPageWidth(PageGridView::zoomSteps().first());   // many pages at once
            QTRY_VERIFY_WITH_TIMEOUT(grid->loader()->runningThreads() > 0 || drawn(grid, 1), 20000);
            m_split->reset();
        });
        QVERIFY(shown.isNull());
        QTRY_COMPARE_WITH_TIMEOUT(PagePictureLoader::busyDrawingThreads(), 0, 20000);
        QVERIFY(m_split->fileName().isEmpty());
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestPageGrid test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_pagegrid.moc"
