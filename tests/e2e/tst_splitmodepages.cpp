#include "ModalDriver.h"
#include "PdfProbe.h"
#include "TestPaths.h"
#include "TestPdf.h"
#include "app/AppSettings.h"
#include "app/Application.h"
#include "split/BookmarkModePage.h"
#include "split/SizeModePage.h"
#include "split/Split.h"
#include "split/SplitView.h"
#include "widgets/DropArea.h"
#include "widgets/PreviewWidget.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

// The split screen's pages for splitting by bookmarks and by size, driven
// as a person would: a document dropped on the screen, the mode chosen, its
// values set, SPLIT pressed, the completion dialog answered, the files on
// disk checked with other readers; and every text of both pages fitting
// its place in each language.
class TestSplitModePages : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    Split *m_split = nullptr;
    std::unique_ptr<QWidget> m_window;
    SplitView *m_view = nullptr;

    QString copyInto(const QString &source, const QString &folderName, const QString &fileName)
    {
        const QString folder = m_dir.filePath(folderName);
        QDir().mkpath(folder);
        const QString target = folder + QLatin1Char('/') + fileName;
        QFile::remove(target);
        QFile::copy(source, target);
        QFile(target).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return target;
    }

    void dropOnScreen(const QString &path)
    {
        auto *area = m_view->preview()->findChild<DropArea *>();
        QVERIFY(area);
        if (!area->isVisible())
            m_view->preview()->onDelete();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        const QPoint center = area->rect().center();
        QDragEnterEvent enter(center, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(area, &enter);
        QDropEvent drop(center, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(area, &drop);
        QCOMPARE(m_split->fileName(), path);
    }

    void chooseMode(int mode)
    {
        const auto buttons = m_view->findChildren<QRadioButton *>();
        QCOMPARE(buttons.count(), 6);
        QTest::mouseClick(buttons.at(mode), Qt::LeftButton);
        QCOMPARE(m_view->currentMode(), mode);
        QCOMPARE(m_view->currentPage(), mode);
    }

    QPushButton *splitButton() { return m_view->findChild<QPushButton *>(QStringLiteral("buttonSplit")); }

    // Presses SPLIT and answers the dialog that follows; returns its text.
    QString splitAndAnswer(const QString &choice)
    {
        ModalDriver driver;
        QString shown;
        driver.expect([&shown, choice](QWidget *dialog) {
            shown = ModalDriver::textOf(dialog);
            ModalDriver::click(dialog, choice);
        });
        QTest::mouseClick(splitButton(), Qt::LeftButton);
        [&] { QTRY_VERIFY_WITH_TIMEOUT(driver.pending() == 0, 60000); }();
        [&] { QTRY_VERIFY_WITH_TIMEOUT(!m_view->isSplitting(), 10000); }();
        return shown;
    }

    static QStringList pdfsIn(const QString &folder)
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    // Texts that do not wrap must fit their widget.
    static QStringList clipped(QWidget *root)
    {
        QStringList found;
        for (QLabel *label : root->findChildren<QLabel *>()) {
            if (label->isVisibleTo(root) && !label->wordWrap() && !label->text().isEmpty()
                && label->sizeHint().width() > label->width())
                found << label->text();
        }
        for (QAbstractButton *button : root->findChildren<QAbstractButton *>()) {
            if (button->isVisibleTo(root) && !button->text().isEmpty() && button->sizeHint().width() > button->width())
                found << button->text();
        }
        for (QComboBox *box : root->findChildren<QComboBox *>()) {
            if (box->isVisibleTo(root) && box->count() > 0 && box->minimumSizeHint().width() > box->width())
                found << box->currentText();
        }
        return found;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        auto settings = AppSettings::open();
        settings->beginGroup(QLatin1String(AppSettings::keySaveModeGroup));
        settings->setValue(QLatin1String(AppSettings::keySaveMode), 0);   // a sub folder named after the document
        settings->endGroup();
        settings.reset();
        m_split = Application::instance()->split();
        m_window = std::make_unique<QWidget>();
        m_view = new SplitView(m_window.get());
        // The size of the split tab in the 743 x 506 main window.
        m_window->resize(703, 405);
        m_view->resize(703, 405);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    // Levels 1 to 4 of the fixture's outline; the count follows the level;
    // SPLIT writes one file per part, named after the bookmarks, and hands
    // them to the merge screen on request.
    void byBookmarks()
    {
        const QString source = copyInto(TestPaths::fixture("direct-outlines.pdf"), "bookmarks", "outlined.pdf");
        const QString out = m_dir.filePath("bookmarks/outlined");
        dropOnScreen(source);
        chooseMode(SplitView::ModeBookmarks);
        BookmarkModePage *page = m_view->bookmarkPage();
        QComboBox *levels = page->levelBox();
        QCOMPARE(levels->count(), 4);
        QCOMPARE(levels->itemText(0), QStringLiteral("1"));
        QCOMPARE(levels->itemText(3), QStringLiteral("4"));
        QCOMPARE(page->countLabel()->text(), QStringLiteral("3 files"));
        QVERIFY(splitButton()->isEnabled());
        levels->setCurrentIndex(1);
        QCOMPARE(page->countLabel()->text(), QStringLiteral("5 files"));

        QString shown = splitAndAnswer(QStringLiteral("OK"));
        QVERIFY2(shown.contains(QStringLiteral("split into 5 files")), qPrintable(shown));
        QCOMPARE(pdfsIn(out), (QStringList{"01 p1-5.pdf", "02 Is\u00eds 1 -> 5: _XYZ null null null.pdf",
                                           "03 Amanda 1.1 -> 11: _Fit.pdf",
                                           "04 Sandy \u00f7\u03a3\u03b1\u03bd\u03b4\u03b9\u00f7 1.2 -> 13: _FitH 792.pdf",
                                           "05 Trepak 2 -> 15: _XYZ 66 756 3.pdf"}));
        QCOMPARE(PdfProbe::pageCount(out + "/05 Trepak 2 -> 15: _XYZ 66 756 3.pdf"), 15);

        // Level 1 again, and the files go on to the merge screen.
        levels->setCurrentIndex(0);
        QCOMPARE(page->countLabel()->text(), QStringLiteral("3 files"));
        QSignalSpy merge(m_view, &SplitView::onMergeSplittedFiles);
        shown = splitAndAnswer(QStringLiteral("MERGE RESULTS"));
        QVERIFY2(shown.contains(QStringLiteral("split into 3 files")), qPrintable(shown));
        QCOMPARE(merge.count(), 1);
        const QStringList handed = merge.first().first().toStringList();
        QCOMPARE(handed.size(), 3);
        QCOMPARE(QFileInfo(handed.at(0)).fileName(), QStringLiteral("(1)01 p1-5.pdf"));
        QCOMPARE(PdfProbe::pageCount(handed.at(1)), 10);

        // Another document starts at the top level, whatever the last one used.
        levels->setCurrentIndex(2);
        QCOMPARE(page->countLabel()->text(), QStringLiteral("7 files"));
        dropOnScreen(copyInto(TestPaths::fixture("direct-outlines.pdf"), "next", "next.pdf"));
        QCOMPARE(levels->currentText(), QStringLiteral("1"));
        QCOMPARE(page->countLabel()->text(), QStringLiteral("3 files"));
    }

    // A document without bookmarks says so, and SPLIT is off in that mode
    // only; a document with bookmarks brings it back.
    void withoutBookmarks()
    {
        const QString plain = m_dir.filePath("plain.pdf");
        QVERIFY(TestPdf::writeNumbered(plain, 4));
        dropOnScreen(plain);
        chooseMode(SplitView::ModeBookmarks);
        BookmarkModePage *page = m_view->bookmarkPage();
        QCOMPARE(page->levelBox()->count(), 0);
        QVERIFY(!page->levelBox()->isEnabled());
        QCOMPARE(page->helpLabel()->text(), QStringLiteral("This document has no bookmarks, so it cannot be split at them."));
        QVERIFY(!splitButton()->isEnabled());
        chooseMode(SplitView::ModeSinglePages);
        QVERIFY(splitButton()->isEnabled());
        chooseMode(SplitView::ModeBookmarks);
        QVERIFY(!splitButton()->isEnabled());
        dropOnScreen(copyInto(TestPaths::fixture("direct-outlines.pdf"), "again", "again.pdf"));
        QVERIFY(splitButton()->isEnabled());
        QCOMPARE(page->levelBox()->count(), 4);
        QVERIFY(!page->helpLabel()->text().contains(QStringLiteral("no bookmarks")));
    }

    // By size: the limit from the page reaches the worker; every file holds
    // it except the one page larger on its own, which the dialog names.
    void bySize()
    {
        QByteArray noise(300000, Qt::Uninitialized);
        QRandomGenerator generator(5);
        for (char &byte : noise)
            byte = char(generator.bounded(256));
        TestPdf::Page big;
        big.extraContent = "% " + noise.toBase64() + "\n";
        const QString bigPage = m_dir.filePath("big.pdf");
        QVERIFY(TestPdf::write(bigPage, {big}));
        QDir().mkpath(m_dir.filePath("size"));
        const QString source = m_dir.filePath("size/mixed.pdf");
        int code = 0;
        PdfProbe::run("qpdf", {"--empty", "--pages", TestPaths::realManual(), "1-30", bigPage, "1",
                               TestPaths::realManual(), "31-40", "--", source}, &code);
        QVERIFY(code == 0 || code == 3);
        dropOnScreen(source);
        chooseMode(SplitView::ModeSize);
        SizeModePage *page = m_view->sizePage();
        QCOMPARE(page->unitBox()->currentText(), QStringLiteral("MB"));

        // Without a limit nothing starts.
        page->sizeEdit()->clear();
        QString shown = splitAndAnswer(QStringLiteral("OK"));
        QVERIFY2(shown.contains(QStringLiteral("Enter the largest file size first.")), qPrintable(shown));
        QVERIFY(!QFileInfo::exists(m_dir.filePath("size/mixed")));

        QTest::keyClicks(page->sizeEdit(), QStringLiteral("2x00"));
        QCOMPARE(page->sizeEdit()->text(), QStringLiteral("200"));
        page->unitBox()->setCurrentIndex(SizeModePage::Kilobytes);
        QCOMPARE(page->maxSizeKb(), 200);
        shown = splitAndAnswer(QStringLiteral("OK"));
        QVERIFY2(shown.contains(QStringLiteral("1 page is larger than the size limit by itself and was saved in a "
                                               "file of its own: mixed_p31.pdf")),
                 qPrintable(shown));
        const QString out = m_dir.filePath("size/mixed");
        const QStringList files = pdfsIn(out);
        QVERIFY(files.size() >= 3);
        QVERIFY2(shown.contains(QStringLiteral("split into %1 files").arg(files.size())), qPrintable(shown));
        int pages = 0;
        for (const QString &name : files) {
            const qint64 size = QFileInfo(out + "/" + name).size();
            QVERIFY2(name == QLatin1String("mixed_p31.pdf") ? size > 200000 : size <= 200000, qPrintable(name));
            pages += PdfProbe::pageCount(out + "/" + name);
        }
        QCOMPARE(pages, 41);
        QCOMPARE(m_split->outcome().oversized.size(), 1);

        // The unit counts: 1 MB holds the whole document, the large page too.
        page->sizeEdit()->setText(QStringLiteral("1"));
        page->unitBox()->setCurrentIndex(SizeModePage::Megabytes);
        QCOMPARE(page->maxSizeKb(), 1000);
        shown = splitAndAnswer(QStringLiteral("OK"));
        QVERIFY2(shown.contains(QStringLiteral("split into 1 file.")) && !shown.contains(QStringLiteral("larger")),
                 qPrintable(shown));
        QVERIFY(m_split->outcome().oversized.isEmpty());
        QCOMPARE(PdfProbe::pageCount(out + "/mixed_p1-41.pdf"), 41);
        QVERIFY(QFileInfo(out + "/mixed_p1-41.pdf").size() <= 1000 * 1000);
    }

    // Both pages, the mode list and the completion dialog's note fit in
    // every language the program ships.
    void textsFitInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *code : {"en", "de", "fr", "es"})
            QTest::newRow(code) << QString::fromLatin1(code);
    }
    void textsFitInEveryLanguage()
    {
        QFETCH(QString, language);
        QVERIFY(Application::instance()->loadLanguage(language));
        QCoreApplication::processEvents();
        dropOnScreen(copyInto(TestPaths::realManual(), "fit-" + language, "manual.pdf"));
        for (int mode : {int(SplitView::ModeBookmarks), int(SplitView::ModeSize)}) {
            chooseMode(mode);
            QCoreApplication::processEvents();
            const QStringList cut = clipped(m_view->findChild<QWidget *>(QStringLiteral("splitAreaBorder")));
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(" | ")));
        }
        // The manual's ten top entries, at the level every new document starts at.
        const QString count = m_view->bookmarkPage()->countLabel()->text();
        QVERIFY2(count.startsWith(QStringLiteral("10 ")), qPrintable(count));
        Application::instance()->loadLanguage(QStringLiteral("en"));
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestSplitModePages test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_splitmodepages.moc"
