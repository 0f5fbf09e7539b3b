#include "FakeWorker.h"
#include "FileSizeLimit.h"
#include "ModalDriver.h"
#include "PdfProbe.h"
#include "RealDocuments.h"
#include "SplitTestPdf.h"
#include "TestPaths.h"
#include "TestPdf.h"
#include "WorkerChild.h"
#include "app/AppSettings.h"
#include "app/Application.h"
#include "merge/InformationWorker.h"
#include "merge/Merge.h"
#include "merge/MergeModel.h"
#include "merge/MergeView.h"
#include "pdf/DebenuService.h"
#include "protocol/WorkerCode.h"
#include "split/BookmarkModePage.h"
#include "split/RangeItemView.h"
#include "split/RangeListView.h"
#include "split/SizeModePage.h"
#include "split/Split.h"
#include "split/SplitLauncher.h"
#include "split/SplitView.h"
#include "widgets/DropArea.h"
#include "widgets/PreviewWidget.h"
#include "widgets/ProgressControl.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <qpdf/QPDF.hh>

#include <algorithm>
#include <csignal>

// The split screen driven as a person would: a document dropped on it, each
// mode with its page (bookmarks and size included), the completion dialog,
// the files on disk checked with poppler and qpdf, the hand-over to the
// merge screen, a protected document, a document that forbids copying, a
// cancelled long split, and every text of the bookmark and size pages
// fitting its place in each language.
class TestSplitScreen : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    Split *m_split = nullptr;
    std::unique_ptr<QWidget> m_window;
    SplitView *m_view = nullptr;
    QSize m_screenSize;

    // A private copy of source in its own folder, so each run's outputs (in
    // the sub folder named after the document) can be counted.
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

    QString copyFixture(const QString &fixture, const QString &folderName, const QString &fileName)
    {
        return copyInto(TestPaths::fixture(fixture), folderName, fileName);
    }

    // Shows a new split screen of the given size, unless one of that size
    // is showing. The cases of the whole screen share one at 686 x 420; those
    // of the bookmark and size pages share one of their own, at the size of
    // the split tab in the 743 x 506 main window, so each set starts from a
    // screen no other set has changed (the size page keeps the unit the
    // last case chose, for one).
    bool showScreen(const QSize &size)
    {
        if (m_window && m_screenSize == size)
            return true;
        m_window.reset();
        m_window = std::make_unique<QWidget>();
        m_view = new SplitView(m_window.get());
        m_screenSize = size;
        m_window->resize(size);
        m_view->resize(size);
        m_window->show();
        return QTest::qWaitForWindowExposed(m_window.get());
    }

    static QStringList pdfsIn(const QString &folder)
    {
        QStringList files;
        const QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name);
        for (const QString &name : names)
            files << folder + QLatin1Char('/') + name;
        return files;
    }

    static QList<int> pageCounts(const QStringList &files)
    {
        QList<int> counts;
        for (const QString &file : files)
            counts << PdfProbe::pageCount(file);
        std::sort(counts.begin(), counts.end());
        return counts;
    }

    // Drops a file on the split screen's drop area the way the desktop does.
    void dropOnScreen(const QString &path)
    {
        auto *area = m_view->preview()->findChild<DropArea *>();
        QVERIFY(area);
        if (!area->isVisible())
            m_view->preview()->onDelete(); // back to the drop area
        QVERIFY(area->isVisible());
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        const QPoint center = area->rect().center();
        QDragEnterEvent enter(center, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(area, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(center, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(area, &drop);
        QCOMPARE(m_split->fileName(), path);
    }

    // Stores a save-folder choice as the settings panel does, and tells the
    // screens that settings changed.
    void setStoredSaveFolder(int mode, const QString &path)
    {
        {
            auto settings = AppSettings::open();
            settings->beginGroup(QLatin1String(AppSettings::keySaveModeGroup));
            settings->setValue(QLatin1String(AppSettings::keySaveMode), mode);
            settings->setValue(QLatin1String(AppSettings::keySavePath), path);
            settings->endGroup();
        }
        Application::instance()->reloadSettings();
    }

    void chooseMode(int mode)
    {
        const auto buttons = m_view->findChildren<QRadioButton *>();
        QCOMPARE(buttons.count(), 6);
        QTest::mouseClick(buttons.at(mode), Qt::LeftButton);
        QCOMPARE(m_view->currentMode(), mode);
        QCOMPARE(m_view->currentPage(), mode);
    }

    QPushButton *button(const QString &objectName)
    {
        auto *found = m_view->findChild<QPushButton *>(objectName);
        if (!found)
            qWarning("no button %s", qPrintable(objectName));
        return found;
    }

    QPushButton *visibleButton(const QString &objectName)
    {
        const auto buttons = m_view->findChildren<QPushButton *>(objectName);
        for (QPushButton *b : buttons)
            if (b->isVisible())
                return b;
        return nullptr;
    }

    // Presses SPLIT and answers the completion dialog; returns its text.
    QString splitAndAnswer(ModalDriver &driver, const QString &choice, int dialogTimeoutMs = 40000)
    {
        QString shown;
        driver.expect([&shown, choice](QWidget *dialog) {
            shown = ModalDriver::textOf(dialog);
            ModalDriver::click(dialog, choice);
        });
        QTest::mouseClick(button(QStringLiteral("buttonSplit")), Qt::LeftButton);
        [&] { QTRY_VERIFY_WITH_TIMEOUT(driver.pending() == 0, dialogTimeoutMs); }();
        [&] { QTRY_VERIFY_WITH_TIMEOUT(!m_view->isSplitting(), 10000); }();
        return shown;
    }

    // The same with a driver of its own, waiting up to a minute for the dialog.
    QString splitAndAnswer(const QString &choice)
    {
        ModalDriver driver;
        return splitAndAnswer(driver, choice, 60000);
    }

    // The names of the files in folder, hidden ones included.
    static QStringList namesIn(const QString &folder)
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
        // Results in a sub folder named after the document.
        auto settings = AppSettings::open();
        settings->beginGroup(QLatin1String(AppSettings::keySaveModeGroup));
        settings->setValue(QLatin1String(AppSettings::keySaveMode), 0);
        settings->endGroup();
        settings.reset();

        m_split = Application::instance()->split();
        QVERIFY(showScreen(QSize(686, 420)));
    }

    void init()
    {
        static const QSet<QByteArray> pageCases{"byBookmarks", "withoutBookmarks", "bySize", "textsFitInEveryLanguage"};
        QVERIFY(showScreen(pageCases.contains(QTest::currentTestFunction()) ? QSize(703, 405) : QSize(686, 420)));
    }

    void startsInTheFirstMode()
    {
        QCOMPARE(m_view->currentMode(), 0);
        QCOMPARE(m_view->groupSizeEdit()->text(), QStringLiteral("3"));
        QCOMPARE(m_view->startFromEdit()->text(), QStringLiteral("1"));
        QVERIFY(!m_view->isSplitting());
        QCOMPARE(m_view->findChild<QWidget *>(QStringLiteral("splitAreaBorder")) != nullptr, true);
        QCOMPARE(button(QStringLiteral("buttonSplit"))->text(), QStringLiteral("SPLIT"));
        // What is typed stays as typed; a group size that is no number is
        // refused beside the field and keeps SPLIT off.
        QLineEdit *edit = m_view->groupSizeEdit();
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("4a-2"));
        QCOMPARE(edit->text(), QStringLiteral("4a-2"));
        QVERIFY(!m_view->groupsProblemLabel()->text().isEmpty());
        QCOMPARE(m_view->groupsProblemLabel()->text(), QStringLiteral("Group of pages: \"4a-2\" is not a whole number."));
        chooseMode(1);
        QVERIFY(!button(QStringLiteral("buttonSplit"))->isEnabled());
        edit->setText(QStringLiteral("3"));
        QVERIFY(m_view->groupsProblemLabel()->text().isEmpty());
        QVERIFY(button(QStringLiteral("buttonSplit"))->isEnabled());
        chooseMode(0);
    }

    void everyModeWritesTheExpectedFiles()
    {
        ModalDriver driver;
        const QString source = copyFixture(QStringLiteral("11-pages-with-labels.pdf"),
                                           QStringLiteral("modes"), QStringLiteral("eleven.pdf"));
        const QString outFolder = m_dir.filePath(QStringLiteral("modes/eleven"));
        dropOnScreen(source);
        QCOMPARE(m_split->pageCount(), 11);
        QVERIFY(m_split->isLoaded());
        QCOMPARE(m_view->outputFolder(), outFolder);

        // One page per file.
        chooseMode(0);
        QString shown = splitAndAnswer(driver, QStringLiteral("OK"));
        QVERIFY2(shown.contains(QStringLiteral("split into 11 files")), qPrintable(shown));
        QCOMPARE(pageCounts(pdfsIn(outFolder)), QVector<int>(11, 1).toList());
        QCOMPARE(Application::instance()->lastSplitFolder.isEmpty(), false);
        QDir(outFolder).removeRecursively();

        // Groups of 4 from page 2: 2-5, 6-9, 10-11; page 1 in none.
        chooseMode(1);
        m_view->groupSizeEdit()->setText(QStringLiteral("4"));
        m_view->startFromEdit()->setText(QStringLiteral("2"));
        shown = splitAndAnswer(driver, QStringLiteral("OK"));
        QVERIFY2(shown.contains(QStringLiteral("split into 3 files")), qPrintable(shown));
        QCOMPARE(pageCounts(pdfsIn(outFolder)), (QList<int>{2, 4, 4}));
        QDir(outFolder).removeRecursively();

        // Without pages 2 and 5 (and an out-of-range 12 that is refused, and
        // said so beside the field).
        chooseMode(2);
        for (const QString &page : {QStringLiteral("2"), QStringLiteral("12"), QStringLiteral("5")}) {
            m_view->removePageEdit()->clear(); // a refused page stays in the edit
            QTest::keyClicks(m_view->removePageEdit(), page);
            QTest::mouseClick(button(QStringLiteral("buttonAddPage")), Qt::LeftButton);
            if (page == QStringLiteral("12")) {
                QCOMPARE(m_view->removePageEdit()->text(), page);
                QCOMPARE(m_view->removeProblemLabel()->text(),
                         QStringLiteral("There is no page 12: the document has 11 pages."));
                QVERIFY(m_view->removeProblemLabel()->isVisible());
            }
        }
        QVERIFY(m_view->removeProblemLabel()->text().isEmpty());
        QCOMPARE(m_split->certainPages()->ranges(), (QList<QPair<int, int>>{{2, 2}, {5, 5}}));
        QCOMPARE(m_view->certainPagesList()->items().count(), 2);
        QVERIFY(m_view->certainPagesList()->isVisible());
        QVERIFY(visibleButton(QStringLiteral("buttonClear")));
        shown = splitAndAnswer(driver, QStringLiteral("OK"));
        QVERIFY2(shown.contains(QStringLiteral("split into 1 file")), qPrintable(shown));
        const QStringList edited = pdfsIn(outFolder);
        QCOMPARE(edited.count(), 1);
        QVERIFY(QFileInfo(edited.first()).fileName().startsWith(QStringLiteral("eleven_edited_")));
        QCOMPARE(PdfProbe::pageCount(edited.first()), 9);
        QDir(outFolder).removeRecursively();

        // Ranges 1-3 and 7-7; a reversed range and one past the end are refused.
        m_view->rangesProblemLabel()->clear();
        chooseMode(3);
        const QList<QPair<QString, QString>> typed{{QStringLiteral("5"), QStringLiteral("3")},
                                                   {QStringLiteral("9"), QStringLiteral("12")},
                                                   {QStringLiteral("1"), QStringLiteral("3")},
                                                   {QStringLiteral("7"), QStringLiteral("7")}};
        QStringList refusals;
        for (const auto &range : typed) {
            m_view->rangeFromEdit()->setText(range.first);
            m_view->rangeToEdit()->setText(range.second);
            QTest::mouseClick(button(QStringLiteral("buttonAddNormal")), Qt::LeftButton);
            if (!m_view->rangesProblemLabel()->text().isEmpty())
                refusals << m_view->rangesProblemLabel()->text();
        }
        QCOMPARE(refusals, (QStringList{QStringLiteral("5-3 runs backwards: write 3-5."),
                                        QStringLiteral("There is no page 12: the document has 11 pages.")}));
        QCOMPARE(m_split->pageRanges()->ranges(), (QList<QPair<int, int>>{{1, 3}, {7, 7}}));
        QStringList tags;
        for (const RangeItemView *tag : m_view->pageRangesList()->items())
            tags << tag->text();
        QCOMPARE(tags, (QStringList{QStringLiteral("1 - 3"), QStringLiteral("7")}));
        QVERIFY(m_view->rangeFromEdit()->text().isEmpty()); // emptied by the list change

        // The last split hands its files to the merge screen.
        MergeView mergeView(nullptr, Application::instance()->merge());
        MergeModel *mergeModel = Application::instance()->merge()->model();
        mergeModel->clear();
        QStringList handed;
        connect(m_view, &SplitView::onMergeSplittedFiles, this, [&](const QStringList &files) {
            handed = files;
            mergeModel->requestAddFiles(files); // as the main window does
        });
        shown = splitAndAnswer(driver, QStringLiteral("MERGE RESULTS"));
        QVERIFY2(shown.contains(QStringLiteral("split into 2 files")), qPrintable(shown));
        QCOMPARE(handed.count(), 2);
        QCOMPARE(pageCounts(handed), (QList<int>{1, 3}));
        QCOMPARE(Application::instance()->lastSplitFolder, handed.last());
        QTRY_COMPARE_WITH_TIMEOUT(mergeModel->count(), 2, 20000);
        QCOMPARE(mergeModel->totalPages(), 4);
        disconnect(m_view, &SplitView::onMergeSplittedFiles, this, nullptr);
        mergeModel->clear();

        // Clearing the lists puts the help texts back.
        QTest::mouseClick(visibleButton(QStringLiteral("buttonClear")), Qt::LeftButton);
        QVERIFY(m_split->pageRanges()->isEmpty());
        QVERIFY(!m_view->pageRangesList()->isVisible());
        QVERIFY(!visibleButton(QStringLiteral("buttonClear")));
    }

    // Typed the way people type them, in the remove mode: "3-5" and Enter is
    // pages 3 to 5 (never page 35), a list and an open end are taken as
    // meant, and pages the document lacks are refused beside the field,
    // the text left to be mended; the file on disk lacks just those pages.
    void typedPagesAreTakenAsMeant()
    {
        ModalDriver driver;
        const QString folder = m_dir.filePath(QStringLiteral("typed"));
        QDir().mkpath(folder);
        const QString source = folder + QStringLiteral("/numbered.pdf");
        QVERIFY(TestPdf::writeNumbered(source, 30));
        dropOnScreen(source);
        chooseMode(2);
        m_split->certainPages()->clear();
        QLineEdit *edit = m_view->removePageEdit();
        const auto enter = [&](const QString &typed) {
            edit->clear();
            QTest::keyClicks(edit, typed);
            QTest::keyClick(edit, Qt::Key_Return);
            return m_view->removeProblemLabel()->text();
        };
        QCOMPARE(enter(QStringLiteral("3-5")), QString());
        QCOMPARE(enter(QStringLiteral("8 - 9, 11")), QString());
        QCOMPARE(enter(QStringLiteral("28-")), QString());
        QCOMPARE(enter(QStringLiteral("999")), QStringLiteral("There is no page 999: the document has 30 pages."));
        QCOMPARE(edit->text(), QStringLiteral("999"));
        QCOMPARE(enter(QStringLiteral("0")), QStringLiteral("Pages are numbered from 1."));
        QCOMPARE(enter(QStringLiteral("12, 31")), QStringLiteral("There is no page 31: the document has 30 pages."));
        QCOMPARE(m_split->certainPages()->ranges(), (QList<QPair<int, int>>{{3, 5}, {8, 9}, {11, 11}, {28, 30}}));
        QStringList tags;
        for (const RangeItemView *tag : m_view->certainPagesList()->items())
            tags << tag->text();
        QCOMPARE(tags, (QStringList{"3 - 5", "8 - 9", "11", "28 - 30"}));
        // Typing again takes the reason away.
        QTest::keyClicks(edit, QStringLiteral("2"));
        QVERIFY(m_view->removeProblemLabel()->text().isEmpty());

        const QString shown = splitAndAnswer(driver, QStringLiteral("OK"));
        QVERIFY2(shown.contains(QStringLiteral("split into 1 file")), qPrintable(shown));
        const QStringList written = pdfsIn(folder + QStringLiteral("/numbered"));
        QCOMPARE(written.size(), 1);
        QList<int> kept;
        for (int page : {1, 2, 6, 7, 10})
            kept << 200 + page;
        for (int page = 12; page <= 27; ++page)
            kept << 200 + page;
        QCOMPARE(TestPdf::pageWidths(written.first()), kept);

        // A group size of 0 is refused, not read as one page per file.
        chooseMode(1);
        m_view->groupSizeEdit()->setText(QStringLiteral("0"));
        QCOMPARE(m_view->groupsProblemLabel()->text(), QStringLiteral("Group of pages: Each file needs at least 1 page."));
        QVERIFY(!button(QStringLiteral("buttonSplit"))->isEnabled());
        m_view->groupSizeEdit()->setText(QStringLiteral("31"));
        QCOMPARE(m_view->groupsProblemLabel()->text(),
                 QStringLiteral("Group of pages: A group cannot be larger than the document: it has 30 pages."));
        m_view->groupSizeEdit()->setText(QStringLiteral("3"));
        m_view->startFromEdit()->setText(QStringLiteral("1-"));
        QCOMPARE(m_view->groupsProblemLabel()->text(), QStringLiteral("Starting from: \"1-\" is not a page number."));
        QVERIFY(!button(QStringLiteral("buttonSplit"))->isEnabled());
        m_view->startFromEdit()->setText(QStringLiteral("1"));
        QVERIFY(button(QStringLiteral("buttonSplit"))->isEnabled());
        m_split->certainPages()->clear();
        chooseMode(0);
    }

    // Ranges entered for a 200-page document stay listed when a 113-page one
    // is opened over it: the ones it lacks are marked with the reason, the
    // screen says what to do, and SPLIT stays off until they are mended;
    // then the split writes exactly the pages asked for.
    void rangesTheNewDocumentLacksAreMarkedUntilMended()
    {
        ModalDriver driver;
        const QString folder = m_dir.filePath(QStringLiteral("shorter"));
        QDir().mkpath(folder);
        const QString longer = folder + QStringLiteral("/long.pdf");
        const QString shorter = folder + QStringLiteral("/short.pdf");
        QVERIFY(TestPdf::writeNumbered(longer, 200));
        QVERIFY(TestPdf::writeNumbered(shorter, 113));
        dropOnScreen(longer);
        chooseMode(3);
        m_split->pageRanges()->clear();
        m_view->rangeFromEdit()->setText(QStringLiteral("150"));
        m_view->rangeToEdit()->setText(QStringLiteral("200"));
        QTest::keyClick(m_view->rangeToEdit(), Qt::Key_Return);
        m_view->rangeFromEdit()->setText(QStringLiteral("100-120"));
        QTest::keyClick(m_view->rangeFromEdit(), Qt::Key_Return);
        QCOMPARE(m_split->pageRanges()->ranges(), (QList<QPair<int, int>>{{150, 200}, {100, 120}}));
        QVERIFY(m_view->rangesProblemLabel()->text().isEmpty());
        QVERIFY(button(QStringLiteral("buttonSplit"))->isEnabled());

        // Opened over it, as Ctrl+O and the command line do.
        m_split->load(shorter, QString());
        QCOMPARE(m_split->pageCount(), 113);
        QList<RangeItemView *> tags = m_view->pageRangesList()->items();
        QCOMPARE(tags.size(), 2);
        for (const RangeItemView *tag : tags) {
            QCOMPARE(tag->problem(), QStringLiteral("the document has 113 pages"));
            QVERIFY(tag->findChild<QLabel *>(QStringLiteral("rangeProblem"))->isVisible());
        }
        QCOMPARE(tags.at(0)->text(), QStringLiteral("150 - 200"));
        QVERIFY(m_view->rangesProblemLabel()->isVisible());
        QCOMPARE(m_view->rangesProblemLabel()->text(),
                 QStringLiteral("The entries marked in red are not in this document, which has 113 pages. "
                                "Remove them to split."));
        QVERIFY(!button(QStringLiteral("buttonSplit"))->isEnabled());
        // Pressed all the same (a shortcut, say): refused with the reason.
        QString refusal;
        driver.expect([&refusal](QWidget *dialog) {
            refusal = ModalDriver::textOf(dialog);
            ModalDriver::click(dialog, QStringLiteral("OK"));
        });
        QMetaObject::invokeMethod(m_view, "split", Qt::QueuedConnection);
        QTRY_COMPARE(driver.pending(), 0);
        QVERIFY2(refusal.contains(QStringLiteral("which has 113 pages")), qPrintable(refusal));
        QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/short")));

        // Mended: the one past the end removed, the other typed anew.
        QTest::mouseClick(tags.at(0)->removeButton(), Qt::LeftButton);
        QVERIFY(!button(QStringLiteral("buttonSplit"))->isEnabled());
        m_view->rangeFromEdit()->setText(QStringLiteral("100"));
        m_view->rangeToEdit()->setText(QStringLiteral("120"));
        QTest::keyClick(m_view->rangeToEdit(), Qt::Key_Return);
        QCOMPARE(m_view->rangesProblemLabel()->text(), QStringLiteral("There is no page 120: the document has 113 pages."));
        QCOMPARE(m_view->rangeFromEdit()->text(), QStringLiteral("100")); // left to be mended
        QTest::mouseClick(tags.at(1)->removeButton(), Qt::LeftButton);
        m_view->rangeFromEdit()->setText(QStringLiteral("100"));
        m_view->rangeToEdit()->setText(QStringLiteral("113"));
        QTest::keyClick(m_view->rangeToEdit(), Qt::Key_Return);
        QCOMPARE(m_split->pageRanges()->ranges(), (QList<QPair<int, int>>{{100, 113}}));
        QVERIFY(m_view->rangesProblemLabel()->text().isEmpty());
        QVERIFY(button(QStringLiteral("buttonSplit"))->isEnabled());

        const QString shown = splitAndAnswer(driver, QStringLiteral("OK"));
        QVERIFY2(shown.contains(QStringLiteral("split into 1 file")), qPrintable(shown));
        const QStringList written = pdfsIn(folder + QStringLiteral("/short"));
        QCOMPARE(written.size(), 1);
        QList<int> widths;
        for (int page = 100; page <= 113; ++page)
            widths << 200 + page;
        QCOMPARE(TestPdf::pageWidths(written.first()), widths);
        m_split->pageRanges()->clear();
        chooseMode(0);
    }

    void protectedDocumentNeedsItsPassword()
    {
        ModalDriver driver;
        const QString source = copyFixture(QStringLiteral("enc-XI-R6,V5,U=view,O=master.pdf"),
                                           QStringLiteral("locked"), QStringLiteral("locked.pdf"));
        dropOnScreen(source);
        QVERIFY(!m_split->isLoaded());
        auto *link = m_view->preview()->findChild<QPushButton *>(QStringLiteral("buttonURL"));
        QVERIFY(link);
        QVERIFY(link->isVisible());

        // A wrong password, then the right one.
        driver.expect(ModalDriver::typeAndPress(QStringLiteral("wrong"), QStringLiteral("OK")));
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        QTest::mouseClick(link, Qt::LeftButton);
        QTRY_COMPARE(driver.pending(), 0);
        QVERIFY2(driver.seen().last().contains(QStringLiteral("The password for locked is incorrect.")),
                 qPrintable(driver.seen().join(QLatin1Char('\n'))));
        QVERIFY(!m_split->isLoaded());
        QVERIFY(link->isVisible());

        driver.expect(ModalDriver::typeAndPress(QStringLiteral("view"), QStringLiteral("OK")));
        QTest::mouseClick(link, Qt::LeftButton);
        QTRY_COMPARE(driver.pending(), 0);
        QVERIFY(m_split->isLoaded());
        QCOMPARE(m_split->pageCount(), 30);
        QVERIFY(!link->isVisible());

        chooseMode(3);
        m_view->rangeFromEdit()->setText(QStringLiteral("2"));
        m_view->rangeToEdit()->setText(QStringLiteral("4"));
        QTest::mouseClick(button(QStringLiteral("buttonAddNormal")), Qt::LeftButton);
        QString shown = splitAndAnswer(driver, QStringLiteral("OK"));
        QVERIFY2(shown.contains(QStringLiteral("split into 1 file")), qPrintable(shown));
        const QStringList files = pdfsIn(m_dir.filePath(QStringLiteral("locked/locked")));
        QCOMPARE(files.count(), 1);
        QCOMPARE(PdfProbe::pageCount(files.first()), 3); // opens without a password
        // Said, so that nobody finds out later.
        QVERIFY2(shown.contains(QStringLiteral("locked.pdf is protected, but the new files are not: anyone can "
                                               "open, print and copy them.")),
                 qPrintable(shown));
        QVERIFY2(!shown.contains(QStringLiteral("got a number")), qPrintable(shown));

        // The same split again: the first result stays, the new file gets a
        // number, and the dialog names it and says why.
        shown = splitAndAnswer(driver, QStringLiteral("OK"));
        QCOMPARE(pdfsIn(m_dir.filePath(QStringLiteral("locked/locked"))).count(), 2);
        QVERIFY(QFileInfo::exists(m_dir.filePath(QStringLiteral("locked/locked/(1)locked_p2-4.pdf"))));
        QVERIFY2(shown.contains(QStringLiteral("1 file got a number in front of its name, because a file of that "
                                               "name already exists: (1)locked_p2-4.pdf")),
                 qPrintable(shown));
        m_split->pageRanges()->clear();
    }

    void readOnlyDocumentIsRefused()
    {
        ModalDriver driver;
        const QString source = copyFixture(QStringLiteral("enc-R3,V2,O=master.pdf"),
                                           QStringLiteral("readonly"), QStringLiteral("readonly.pdf"));
        dropOnScreen(source);
        QVERIFY(m_split->isLoaded());
        chooseMode(0);
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        QTest::mouseClick(button(QStringLiteral("buttonSplit")), Qt::LeftButton);
        QTRY_COMPARE(driver.pending(), 0);
        QVERIFY2(driver.seen().last().contains(QStringLiteral("This document does not allow copying its pages, so it cannot be split.")),
                 qPrintable(driver.seen().last()));
        QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("readonly/readonly"))));
    }

    // A split stopped half-way, by the user or by a worker that was killed:
    // the files written before stay whole, and the message counts them.
    void stoppedSplitKeepsWholeFilesAndSaysSo_data()
    {
        QTest::addColumn<bool>("killed");
        QTest::newRow("stopped by the user") << false;
        QTest::newRow("worker killed") << true;
    }
    void stoppedSplitKeepsWholeFilesAndSaysSo()
    {
        QFETCH(bool, killed);
        ModalDriver driver;
        const QString folder = m_dir.filePath(killed ? QStringLiteral("killed") : QStringLiteral("big"));
        QDir().mkpath(folder);
        const QString source = folder + QStringLiteral("/big.pdf");
        QVERIFY(PdfProbe::repeatPages(TestPaths::fixture(QStringLiteral("c-object-streams.pdf")), 100, source));
        dropOnScreen(source);
        QCOMPARE(m_split->pageCount(), 3000);
        chooseMode(0);

        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        QTest::mouseClick(button(QStringLiteral("buttonSplit")), Qt::LeftButton);
        QTRY_VERIFY(m_view->isSplitting());
        QTRY_VERIFY(!m_view->preview()->isEnabled());
        QTRY_VERIFY(!m_view->findChild<QWidget *>(QStringLiteral("splitAreaBorder"))->isEnabled());
        QPushButton *stop = m_view->progressControl()->findChild<QPushButton *>(QStringLiteral("buttonStop"));
        QVERIFY(stop);
        QTest::qWait(300);
        if (killed) {
            const pid_t worker = workerChild();
            QVERIFY(worker > 0);
            QCOMPARE(::kill(worker, SIGKILL), 0);
        } else {
            QTest::mouseClick(stop, Qt::LeftButton);
        }
        QTRY_VERIFY_WITH_TIMEOUT(driver.pending() == 0, 20000);
        const QString outFolder = folder + QStringLiteral("/big");
        const QString shown = driver.seen().last();
        if (killed) {
            // Not a cancel, and not a bare error number: what ended, and what is left.
            QVERIFY2(shown.startsWith(QStringLiteral("Split failed")), qPrintable(shown));
            QVERIFY2(shown.contains(QStringLiteral("the helper program pdfworker ended before it finished")),
                     qPrintable(shown));
        } else {
            // Not "failed": the user stopped it, and is told where the files are.
            QVERIFY2(shown.startsWith(QStringLiteral("Split canceled")), qPrintable(shown));
        }
        QTRY_VERIFY(!m_view->isSplitting());
        QTRY_VERIFY(m_view->findChild<QWidget *>(QStringLiteral("splitAreaBorder"))->isEnabled());

        // Whatever was written before the stop is whole and was kept.
        QDirIterator it(outFolder, QDir::Files | QDir::Hidden | QDir::System);
        int files = 0;
        while (it.hasNext()) {
            const QString path = it.next();
            ++files;
            QVERIFY2(path.endsWith(QLatin1String(".pdf")), qPrintable(path));
            QVERIFY2(PdfProbe::isComplete(path), qPrintable(path));
        }
        QVERIFY(files < 3000);
        // The message counts what is on disk, or says nothing was written.
        const QRegularExpression counted(QStringLiteral("The (\\d+) files? written .* kept in (.*)\\.$"));
        const QRegularExpressionMatch match = counted.match(shown);
        if (files == 0) {
            QVERIFY2(shown.contains(QStringLiteral("before any file")) || shown.contains(QStringLiteral("No file was written")),
                     qPrintable(shown));
        } else {
            QVERIFY2(match.hasMatch() && match.captured(1).toInt() == files, qPrintable(shown));
            QCOMPARE(match.captured(2), QDir::toNativeSeparators(outFolder));
        }
    }

    // A write that fails during a split: the outputs written before stay
    // whole and are named in the failure message with the system's reason;
    // the one that did not fit leaves nothing behind. A file-size limit on
    // this process, inherited by the worker, makes its writes fail as on a
    // FAT32 drive.
    void failedWriteKeepsTheWholeFilesAndSaysWhy()
    {
        ModalDriver driver;
        const QString folder = m_dir.filePath(QStringLiteral("full"));
        QDir().mkpath(folder);
        const QString source = folder + QStringLiteral("/full.pdf");
        QVERIFY(PdfProbe::repeatPages(TestPaths::fixture(QStringLiteral("c-object-streams.pdf")), 40, source));
        const QString outFolder = folder + QStringLiteral("/full");
        dropOnScreen(source);
        QCOMPARE(m_split->pageCount(), 1200);
        chooseMode(3);
        for (const auto &range : {qMakePair(1, 1), qMakePair(1, 1200), qMakePair(2, 2)}) {
            m_view->rangeFromEdit()->setText(QString::number(range.first));
            m_view->rangeToEdit()->setText(QString::number(range.second));
            QTest::mouseClick(button(QStringLiteral("buttonAddNormal")), Qt::LeftButton);
        }
        QCOMPARE(m_split->pageRanges()->ranges().count(), 3);

        QString shown;
        {
            const FileSizeLimit fullDisk(64 * 1024);
            QVERIFY(fullDisk.isSet());
            shown = splitAndAnswer(driver, QStringLiteral("OK"));
        }

        QVERIFY2(shown.startsWith(QStringLiteral("Split failed")), qPrintable(shown));
        // The worker's reason is told, not the general advice.
        QVERIFY2(shown.contains(QStringLiteral("Not every file could be written. A file grew past the largest size "
                                               "the drive allows")),
                 qPrintable(shown));
        QVERIFY2(shown.contains(QStringLiteral("The 2 files written before the failure are complete and were kept in %1")
                                    .arg(QDir::toNativeSeparators(outFolder))),
                 qPrintable(shown));
        const QStringList names = QDir(outFolder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
        QCOMPARE(names, (QStringList{QStringLiteral("full_p1.pdf"), QStringLiteral("full_p2.pdf")}));
        for (const QString &name : names)
            QVERIFY2(PdfProbe::isComplete(outFolder + QLatin1Char('/') + name), qPrintable(name));
    }

    // The same fault in a split by size: not "stopped unexpectedly" with a
    // number, but the cause, the file kept and the pages no file holds.
    void failedWriteBySizeSaysWhy()
    {
        ModalDriver driver;
        const QString folder = m_dir.filePath(QStringLiteral("full-size"));
        QDir().mkpath(folder);
        const QString source = folder + QStringLiteral("/sized.pdf");
        QList<TestPdf::Page> pages;
        for (int page = 1; page <= 6; ++page) {
            pages.append(TestPdf::Page());
            if (page == 3)
                pages.last().extraContent = TestPdf::bulk(400000);
        }
        QVERIFY(TestPdf::write(source, pages));
        dropOnScreen(source);
        chooseMode(SplitView::ModeSize);
        m_view->sizePage()->unitBox()->setCurrentIndex(SizeModePage::Kilobytes);
        m_view->sizePage()->sizeEdit()->setText(QStringLiteral("50"));
        QCOMPARE(m_view->sizePage()->maxSizeKb(), 50);
        QString shown;
        {
            const FileSizeLimit fullDisk(64 * 1024);
            QVERIFY(fullDisk.isSet());
            shown = splitAndAnswer(driver, QStringLiteral("OK"));
        }
        const QString outFolder = QDir::toNativeSeparators(folder + QStringLiteral("/sized"));
        QCOMPARE(shown, QStringLiteral("Split failed|Not every file could be written. A file grew past the largest size "
                                       "the drive allows (4 GB on a FAT32 drive) or the system lets this program "
                                       "write. The 1 file written before the failure is complete and was kept in %1. "
                                       "No file holds these pages: 3-6.")
                            .arg(outFolder));
        QCOMPARE(QDir(outFolder).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{"sized_p1-2.pdf"});
        chooseMode(0);
    }

    // What the worker side reports after a stop reaches the user with the
    // right words: whole files kept, none written, or a stop that came after
    // the last file (reported as the finished split it is).
    void cancelOutcomesAsReported()
    {
        ModalDriver driver;
        const QString source = copyFixture(QStringLiteral("11-pages-with-labels.pdf"),
                                           QStringLiteral("stops"), QStringLiteral("stops.pdf"));
        dropOnScreen(source);
        m_split->setOutDirectory(m_dir.filePath(QStringLiteral("stops/stops")));
        const QString folder = QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("stops/stops")));
        SplitLauncher *launcher = m_split->launcher();

        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        emit launcher->finished(WorkerOutcome::ended(WorkerCode::Canceled, {source + QStringLiteral("_p1.pdf"), source + QStringLiteral("_p2.pdf")}));
        QTRY_COMPARE(driver.pending(), 0);
        QVERIFY2(driver.seen().last().contains(QStringLiteral("Split canceled|The split was stopped. The 2 files written "
                                                              "before the stop are complete and were kept in %1.").arg(folder)),
                 qPrintable(driver.seen().last()));

        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        emit launcher->finished(WorkerOutcome::ended(WorkerCode::Canceled, {source + QStringLiteral("_p1.pdf")}));
        QTRY_COMPARE(driver.pending(), 0);
        QVERIFY2(driver.seen().last().contains(QStringLiteral("The 1 file written before the stop is complete")),
                 qPrintable(driver.seen().last()));

        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        emit launcher->finished(WorkerOutcome::ended(WorkerCode::Canceled, {}));
        QTRY_COMPARE(driver.pending(), 0);
        QVERIFY2(driver.seen().last().contains(QStringLiteral("Split canceled|The split was stopped. No file was written.")),
                 qPrintable(driver.seen().last()));

        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        emit launcher->finished(WorkerOutcome::ended(WorkerCode::Success, {source + QStringLiteral("_p1.pdf"), source + QStringLiteral("_p2.pdf")}));
        QTRY_COMPARE(driver.pending(), 0);
        QVERIFY2(driver.seen().last().contains(QStringLiteral("Split complete")), qPrintable(driver.seen().last()));
        QVERIFY2(driver.seen().last().contains(QStringLiteral("split into 2 files")), qPrintable(driver.seen().last()));
        // Of a document without protection, nothing is said about it.
        QVERIFY2(!driver.seen().last().contains(QStringLiteral("protected")), qPrintable(driver.seen().last()));
    }

    // A truncated PDF and a text file named .pdf are not protected files:
    // no lock, no password link, no preview, and SPLIT says why not.
    void damagedFilesSayTheyCannotBeRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("truncated") << QStringLiteral("truncated");
        QTest::newRow("text") << QStringLiteral("text");
    }

    void damagedFilesSayTheyCannotBeRead()
    {
        QFETCH(QString, kind);
        ModalDriver driver;
        const QString folder = m_dir.filePath(QStringLiteral("damaged"));
        QDir().mkpath(folder);
        QString path;
        if (kind == QLatin1String("truncated")) {
            path = folder + QStringLiteral("/cut-short.pdf");
            QFile source(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")));
            QVERIFY(source.open(QIODevice::ReadOnly));
            const QByteArray whole = source.readAll();
            QFile cut(path);
            QVERIFY(cut.open(QIODevice::WriteOnly));
            cut.write(whole.left(whole.size() / 2));
        } else {
            path = folder + QStringLiteral("/notes.pdf");
            QFile text(path);
            QVERIFY(text.open(QIODevice::WriteOnly));
            text.write("Shopping list: bread, milk.\n");
        }
        dropOnScreen(path);
        QVERIFY(m_split->isUnreadable());
        const QString name = QFileInfo(path).fileName();
        auto *link = m_view->preview()->findChild<QPushButton *>(QStringLiteral("buttonURL"));
        QVERIFY(!link->isVisible());
        QVERIFY(!m_view->preview()->findChild<QWidget *>(QStringLiteral("buttonPreview"))->isVisible());
        const QString problem = name + QStringLiteral(" cannot be read. The file is damaged or is not a PDF.");
        QVERIFY(ModalDriver::textOf(m_view->preview()).contains(problem));

        chooseMode(0);
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        QTest::mouseClick(button(QStringLiteral("buttonSplit")), Qt::LeftButton);
        QTRY_COMPARE(driver.pending(), 0);
        QVERIFY2(driver.seen().last() == QStringLiteral("Split failed|") + problem, qPrintable(driver.seen().last()));
        QVERIFY(!m_view->isSplitting());
        QVERIFY(!QFileInfo::exists(folder + QLatin1Char('/') + QFileInfo(path).completeBaseName()));
    }

    // SPLIT and Preview on a protected file ask for its password and then
    // go on, as the merge screen does.
    void lockedFileAsksForItsPasswordOnSplitAndPreview()
    {
        ModalDriver driver;
        const QString source = copyFixture(QStringLiteral("enc-XI-R6,V5,U=view,O=master.pdf"),
                                           QStringLiteral("ask"), QStringLiteral("ask.pdf"));
        dropOnScreen(source);
        QVERIFY(m_split->isLocked());
        QSignalSpy previews(m_view, QOverload<QString, QString>::of(&SplitView::preview));
        driver.expect(ModalDriver::typeAndPress(QStringLiteral("view"), QStringLiteral("OK")));
        QTest::mouseClick(m_view->preview()->findChild<QPushButton *>(QStringLiteral("buttonPreview")), Qt::LeftButton);
        QTRY_COMPARE(driver.pending(), 0);
        QCOMPARE(previews.count(), 1);
        QCOMPARE(previews.first().at(0).toString(), source);
        QCOMPARE(previews.first().at(1).toString(), QStringLiteral("view"));

        dropOnScreen(source); // locked again
        QVERIFY(m_split->isLocked());
        chooseMode(1);
        m_view->groupSizeEdit()->setText(QStringLiteral("10"));
        m_view->startFromEdit()->setText(QStringLiteral("1"));
        driver.expect(ModalDriver::typeAndPress(QStringLiteral("view"), QStringLiteral("OK")));
        const QString shown = splitAndAnswer(driver, QStringLiteral("OK"));
        QVERIFY2(shown.contains(QStringLiteral("split into 3 files")), qPrintable(shown));
        QCOMPARE(pageCounts(pdfsIn(m_dir.filePath(QStringLiteral("ask/ask")))), (QList<int>{10, 10, 10}));

        // Closing the password prompt splits nothing.
        dropOnScreen(source);
        driver.expect([](QWidget *dialog) { QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection); });
        QTest::mouseClick(button(QStringLiteral("buttonSplit")), Qt::LeftButton);
        QTRY_COMPARE(driver.pending(), 0);
        QTest::qWait(100);
        QVERIFY(!m_view->isSplitting());
        QVERIFY(m_split->isLocked());
    }

    // A chosen save folder that is missing is created; one that cannot be
    // created is refused with the reason, before any worker starts.
    void chosenSaveFolderIsCreatedOrRefusedWithReason()
    {
        ModalDriver driver;
        const QString source = copyFixture(QStringLiteral("11-pages-with-labels.pdf"),
                                           QStringLiteral("chosen"), QStringLiteral("chosen.pdf"));
        dropOnScreen(source);
        const QString missing = m_dir.filePath(QStringLiteral("not/yet/there"));
        setStoredSaveFolder(2, missing);
        QCOMPARE(m_view->outputFolder(), missing);
        chooseMode(3);
        m_view->rangeFromEdit()->setText(QStringLiteral("1"));
        m_view->rangeToEdit()->setText(QStringLiteral("2"));
        QTest::mouseClick(button(QStringLiteral("buttonAddNormal")), Qt::LeftButton);
        const QString shown = splitAndAnswer(driver, QStringLiteral("OK"));
        QVERIFY2(shown.contains(QStringLiteral("split into 1 file")), qPrintable(shown));
        QCOMPARE(pageCounts(pdfsIn(missing)), (QList<int>{2}));

        QFile blocker(m_dir.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        setStoredSaveFolder(2, blocker.fileName() + QStringLiteral("/out"));
        QSignalSpy started(m_split, &Split::started);
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        QTest::mouseClick(button(QStringLiteral("buttonSplit")), Qt::LeftButton);
        QTRY_COMPARE(driver.pending(), 0);
        QVERIFY2(driver.seen().last().contains(QStringLiteral("Split failed"))
                     && driver.seen().last().contains(QStringLiteral("%1 is a file, not a folder")
                                                          .arg(QDir::toNativeSeparators(blocker.fileName()))),
                 qPrintable(driver.seen().last()));
        QCOMPARE(started.count(), 0);
        m_split->pageRanges()->clear();
        setStoredSaveFolder(0, QString());
    }

    // A worker that cannot be started is a failed split, said in words.
    void unstartableWorkerIsAFailedSplit()
    {
        ModalDriver driver;
        const QString source = copyFixture(QStringLiteral("11-pages-with-labels.pdf"),
                                           QStringLiteral("noworker"), QStringLiteral("noworker.pdf"));
        dropOnScreen(source);
        chooseMode(0);
        m_split->launcher()->setWorkerProgram(m_dir.filePath(QStringLiteral("no-such-pdfworker")));
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        QTest::mouseClick(button(QStringLiteral("buttonSplit")), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(driver.pending(), 0, 10000);
        m_split->launcher()->setWorkerProgram(SplitLauncher::defaultWorkerProgram());
        QVERIFY2(driver.seen().last().startsWith(QStringLiteral("Split failed|The split could not start: the helper "
                                                                "program %1 is missing")
                                                     .arg(QDir::toNativeSeparators(SplitLauncher::defaultWorkerProgram()))),
                 qPrintable(driver.seen().last()));
        QTest::qWait(200);
        QCOMPARE(driver.seen().size(), 1);
        QTRY_VERIFY(!m_view->isSplitting());
        QTRY_VERIFY(m_view->preview()->isEnabled());
    }

    // A split that cannot write into its working folder in the cache says
    // where, not that the program should be reinstalled: at the start (its
    // request past a file-size limit on this process; a full disk fails
    // alike), when no worker starts, or at the end (a worker that exits
    // saying its response could not be written).
    void unwritableCacheIsNotAMissingWorker_data()
    {
        QTest::addColumn<bool>("atStart");
        QTest::newRow("request") << true;
        QTest::newRow("response") << false;
    }
    void unwritableCacheIsNotAMissingWorker()
    {
        QFETCH(bool, atStart);
        ModalDriver driver;
        const QString source = copyFixture(QStringLiteral("11-pages-with-labels.pdf"),
                                           QStringLiteral("nocache"), QStringLiteral("nocache.pdf"));
        dropOnScreen(source);
        chooseMode(0);
        const QString noResponse = m_dir.filePath(QStringLiteral("no-response-pdfworker"));
        QVERIFY(writeFakeWorker(noResponse, WorkerCode::ResponseNotWritten));
        if (!atStart)
            m_split->launcher()->setWorkerProgram(noResponse);
        QSignalSpy started(m_split->launcher(), &SplitLauncher::started);
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        {
            std::unique_ptr<FileSizeLimit> tooSmallForARequest;
            if (atStart)
                tooSmallForARequest = std::make_unique<FileSizeLimit>(64);
            QVERIFY(!atStart || tooSmallForARequest->isSet());
            QTest::mouseClick(button(QStringLiteral("buttonSplit")), Qt::LeftButton);
            QTRY_COMPARE_WITH_TIMEOUT(driver.pending(), 0, 10000);
        }
        m_split->launcher()->setWorkerProgram(SplitLauncher::defaultWorkerProgram());
        const QString cache = QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation));
        // A worker that could not answer is also asked what it had written.
        QCOMPARE(driver.seen().last(),
                 QStringLiteral("Split failed|The split could not %1: its working files could not be written into %2. "
                                "Check that the disk is not full.%3")
                     .arg(atStart ? QStringLiteral("start") : QStringLiteral("finish"), cache,
                          atStart ? QString() : QStringLiteral(" No file was written.")));
        QCOMPARE(started.count(), atStart ? 0 : 1);
        QTRY_VERIFY(!m_view->isSplitting());
    }

    // The "Save to" choice made on the screen lasts while the program runs:
    // leaving the screen and coming back, or saving settings that leave the
    // stored choice as it was, keeps it; a new stored choice replaces it.
    void saveToChoiceLastsTheSession()
    {
        setStoredSaveFolder(0, QString());
        QComboBox *box = m_view->folderBox();
        box->setCurrentIndex(1);
        emit box->activated(1);
        QCOMPARE(box->currentIndex(), 1);
        m_view->hide();
        m_view->show();
        QCOMPARE(box->currentIndex(), 1);
        AppSettings::open()->setValue(QLatin1String(AppSettings::keyPublisher), QStringLiteral("Someone"));
        Application::instance()->reloadSettings();
        QCOMPARE(box->currentIndex(), 1);
        setStoredSaveFolder(2, m_dir.filePath(QStringLiteral("stored")));
        QCOMPARE(box->currentIndex(), 2);
        setStoredSaveFolder(0, QString());
        QCOMPARE(box->currentIndex(), 0);
    }

    // --- the pages of the bookmark and size modes, on a screen of their own (see init())

    // Levels 1 to 4 of the fixture's outline; the count follows the level;
    // SPLIT writes one file per part, named after the bookmarks, and hands
    // them to the merge screen on request.
    void byBookmarks()
    {
        const QString source = copyFixture("direct-outlines.pdf", "bookmarks", "outlined.pdf");
        const QString out = m_dir.filePath("bookmarks/outlined");
        dropOnScreen(source);
        chooseMode(SplitView::ModeBookmarks);
        BookmarkModePage *page = m_view->bookmarkPage();
        QComboBox *levels = page->levelBox();
        QCOMPARE(levels->count(), 4);
        QCOMPARE(levels->itemText(0), QStringLiteral("1"));
        QCOMPARE(levels->itemText(3), QStringLiteral("4"));
        QCOMPARE(page->countLabel()->text(), QStringLiteral("3 files"));
        QVERIFY(button(QStringLiteral("buttonSplit"))->isEnabled());
        levels->setCurrentIndex(1);
        QCOMPARE(page->countLabel()->text(), QStringLiteral("5 files"));

        QString shown = splitAndAnswer(QStringLiteral("OK"));
        QVERIFY2(shown.contains(QStringLiteral("split into 5 files")), qPrintable(shown));
        QCOMPARE(namesIn(out), (QStringList{"01 p1-5.pdf", "02 Is\u00eds 1 -> 5: _XYZ null null null.pdf",
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
        dropOnScreen(copyFixture("direct-outlines.pdf", "next", "next.pdf"));
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
        QVERIFY(!button(QStringLiteral("buttonSplit"))->isEnabled());
        chooseMode(SplitView::ModeSinglePages);
        QVERIFY(button(QStringLiteral("buttonSplit"))->isEnabled());
        chooseMode(SplitView::ModeBookmarks);
        QVERIFY(!button(QStringLiteral("buttonSplit"))->isEnabled());
        dropOnScreen(copyFixture("direct-outlines.pdf", "again", "again.pdf"));
        QVERIFY(button(QStringLiteral("buttonSplit"))->isEnabled());
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
        const QStringList files = namesIn(out);
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

// The split controller driving the real launcher and the real pdfworker.
class TestSplitController : public QObject
{
    Q_OBJECT

    std::shared_ptr<DebenuService> service;
    QTemporaryDir scratch;

    // Signals of one run, in the order they arrived.
    struct Run
    {
        QStringList events;
        QStringList files;
        int failure = 0;
        QList<double> progress;
    };

    static void record(Split &split, Run &run)
    {
        QObject::connect(&split, &Split::started, [&run] { run.events << QStringLiteral("started"); });
        QObject::connect(&split, &Split::complete, [&run] { run.events << QStringLiteral("complete"); });
        QObject::connect(&split, &Split::finished, [&run](const QStringList &files) {
            run.events << QStringLiteral("finished");
            run.files = files;
        });
        QObject::connect(&split, &Split::splitFailed, [&run, &split](int code) {
            run.events << (code == WorkerCode::Canceled ? QStringLiteral("canceled") : QStringLiteral("failed"));
            run.failure = code;
            run.files = split.outcome().files();
        });
        QObject::connect(&split, &Split::progressChanged, [&run](double value) { run.progress << value; });
    }

    // Starts a run and waits for its outcome (finished or failed).
    static bool runToEnd(Split &split, Run &run, int timeoutMs = 120000)
    {
        split.run();
        return QTest::qWaitFor(
            [&run] { return run.events.contains("finished") || run.events.contains("failed"); }, timeoutMs);
    }

    int pagesOf(const QString &path, const QString &password = QString())
    {
        InformationWorker reader(service, path, password);
        reader.run();
        return reader.result().pageCount;
    }

    static QStringList pdfsIn(const QString &folder)
    {
        return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    }

    QString outFolder(const char *name)
    {
        const QString folder = scratch.filePath(QString::fromLatin1(name));
        QDir().mkpath(folder);
        return folder;
    }

    // A copy of a fixture under a plain name, so output names are easy to read.
    QString copyOf(const QString &fixture, const QString &name)
    {
        const QString path = scratch.filePath(name);
        QFile::remove(path);
        if (!QFile::copy(TestPaths::fixture(fixture), path))
            qFatal("cannot copy %s", qPrintable(fixture));
        return path;
    }

private slots:
    void initTestCase()
    {
        AppSettings::applyIdentity();
        QVERIFY(scratch.isValid());
        service = std::make_shared<DebenuService>();
        service->init();
        AppSettings::open()->setValue(QLatin1String(AppSettings::keyPublisher), QStringLiteral("Test Press"));
    }

    void onePagePerFile()
    {
        Split split(service);
        Run run;
        record(split, run);
        const QString source = copyOf("11-pages-with-labels.pdf", "report.pdf");
        split.load(source, QString());
        QCOMPARE(split.pageCount(), 11);
        QVERIFY(split.isLoaded());
        split.setOutDirectory(outFolder("mode0"));
        split.setMode(Split::OnePagePerFile);
        QVERIFY(runToEnd(split, run));

        QCOMPARE(run.events, (QStringList{"started", "complete", "finished"}));
        QCOMPARE(run.files.size(), 11);
        for (int page = 1; page <= 11; ++page) {
            const QString expected = QDir::toNativeSeparators(
                split.outDirectory() + QStringLiteral("/report_p%1.pdf").arg(page));
            QCOMPARE(run.files.at(page - 1), expected);
            QCOMPARE(pagesOf(expected), 1);
        }
        QCOMPARE(pdfsIn(split.outDirectory()).size(), 11);
        QVERIFY(!run.progress.isEmpty());
        QVERIFY(run.progress.last() <= 100.0);

        // The publisher setting fills in the author the source lacks; the
        // program writes itself as creator and producer; the source's
        // creation date stays.
        QPDF pdf;
        pdf.processFile(QFile::encodeName(run.files.first()).constData());
        QPDFObjectHandle info = pdf.getTrailer().getKey("/Info");
        QCOMPARE(QString::fromStdString(info.getKey("/Author").getUTF8Value()), QStringLiteral("Test Press"));
        QCOMPARE(QString::fromStdString(info.getKey("/Producer").getUTF8Value()),
                 QStringLiteral("Sheafwright %1").arg(QLatin1String(AppSettings::version)));
        QCOMPARE(QString::fromStdString(info.getKey("/Creator").getUTF8Value()), QStringLiteral("Sheafwright"));
        QCOMPARE(QString::fromStdString(info.getKey("/CreationDate").getUTF8Value()),
                 SplitTestPdf::info(source, QStringLiteral("/CreationDate")));
    }

    void groupsFromAStartPage()
    {
        Split split(service);
        Run run;
        record(split, run);
        split.load(copyOf("11-pages-with-labels.pdf", "groups.pdf"), QString());
        split.setOutDirectory(outFolder("mode1"));
        split.setMode(Split::GroupsOfPages);
        split.setStartFrom(5);
        split.setGroupSize(3);
        QVERIFY(runToEnd(split, run));
        QCOMPARE(run.events, (QStringList{"started", "complete", "finished"}));
        const QString out = split.outDirectory();
        QCOMPARE(pdfsIn(out), (QStringList{"groups_p11.pdf", "groups_p5-7.pdf", "groups_p8-10.pdf"}));
        QCOMPARE(pagesOf(out + "/groups_p5-7.pdf"), 3);
        QCOMPARE(pagesOf(out + "/groups_p8-10.pdf"), 3);
        QCOMPARE(pagesOf(out + "/groups_p11.pdf"), 1);
    }

    void withoutCertainPages()
    {
        Split split(service);
        Run run;
        record(split, run);
        split.load(copyOf("11-pages-with-labels.pdf", "drop.me.pdf"), QString());
        split.addCertainPage(2);
        split.addCertainPage(11);
        split.addCertainPage(12); // no such page: refused
        QCOMPARE(split.certainPages()->ranges().size(), 2);
        split.setOutDirectory(outFolder("mode2"));
        split.setMode(Split::WithoutCertainPages);
        QVERIFY(runToEnd(split, run));
        QCOMPARE(run.events, (QStringList{"started", "complete", "finished"}));
        QCOMPARE(run.files.size(), 1);
        const QString name = QFileInfo(run.files.first()).fileName();
        const QRegularExpression expected(
            QStringLiteral("^drop\\.me_edited_\\d{4}_\\d\\d_\\d\\d_\\d\\d-\\d\\d-\\d\\d\\.pdf$"));
        QVERIFY2(expected.match(name).hasMatch(), qPrintable(name));
        QCOMPARE(pagesOf(run.files.first()), 9);
    }

    // A copy without a few pages of a real manual is no larger than the
    // manual: its objects are packed into object streams as the source's
    // are (written out one by one, the outline, links and destinations of
    // these manuals take half as much room again).
    void withoutPagesOfRealManualsIsNoLarger_data()
    {
        QTest::addColumn<QString>("manual");
        QTest::newRow("pdfTeX (Why3)") << RealDocuments::why3Manual(scratch.path());
        QTest::newRow("xdvipdfmx (auto-multiple-choice)") << TestPaths::realManual();
    }

    void withoutPagesOfRealManualsIsNoLarger()
    {
        QFETCH(QString, manual);
        Split split(service);
        Run run;
        record(split, run);
        split.load(manual, QString());
        const int pages = split.pageCount();
        split.certainPages()->addRange(5, 8);
        split.setOutDirectory(outFolder(qPrintable(QStringLiteral("smaller-") + QTest::currentDataTag())));
        split.setMode(Split::WithoutCertainPages);
        QVERIFY(runToEnd(split, run));
        QCOMPARE(run.files.size(), 1);
        QCOMPARE(pagesOf(run.files.first()), pages - 4);
        const qint64 source = QFileInfo(manual).size();
        const qint64 copy = QFileInfo(run.files.first()).size();
        QVERIFY2(copy <= source, qPrintable(QStringLiteral("%1 bytes from %2").arg(copy).arg(source)));
    }

    void chosenRangesInTheOrderAdded()
    {
        Split split(service);
        Run run;
        record(split, run);
        split.load(copyOf("11-pages-with-labels.pdf", "ranges.pdf"), QString());
        split.pageRanges()->addRange(7, 11);
        split.pageRanges()->addRange(1, 1);
        split.pageRanges()->addRange(3, 5);
        split.setOutDirectory(outFolder("mode3"));
        split.setMode(Split::ByPageRanges);
        QVERIFY(runToEnd(split, run));
        QCOMPARE(run.events, (QStringList{"started", "complete", "finished"}));
        QStringList names;
        for (const QString &file : run.files)
            names << QFileInfo(file).fileName();
        QCOMPARE(names, (QStringList{"ranges_p7-11.pdf", "ranges_p1.pdf", "ranges_p3-5.pdf"}));
        QCOMPARE(pagesOf(run.files.at(0)), 5);
        QCOMPARE(pagesOf(run.files.at(2)), 3);

        // A second run of the same ranges keeps the first files.
        Run again;
        record(split, again);
        QVERIFY(runToEnd(split, again));
        QCOMPARE(again.files.size(), 3);
        QCOMPARE(QFileInfo(again.files.at(0)).fileName(), QStringLiteral("(1)ranges_p7-11.pdf"));
        QCOMPARE(pdfsIn(split.outDirectory()).size(), 6);
    }

    void protectedSourceWithItsPassword()
    {
        Split split(service);
        Run run;
        record(split, run);
        split.load(TestPaths::fixture("enc-XI-R6,V5,U=view,O=master.pdf"), QStringLiteral("view"));
        QVERIFY(split.isLoaded());
        QCOMPARE(split.pageCount(), 30);
        QCOMPARE(split.password(), QStringLiteral("view"));
        split.pageRanges()->addRange(2, 4);
        split.setOutDirectory(outFolder("protected"));
        split.setMode(Split::ByPageRanges);
        QVERIFY(runToEnd(split, run));
        QCOMPARE(run.events, (QStringList{"started", "complete", "finished"}));
        QCOMPARE(run.files.size(), 1);
        // The output carries no password of its own.
        QCOMPARE(pagesOf(run.files.first()), 3);
    }

    void lockedDocumentDoesNotRun()
    {
        Split split(service);
        Run run;
        record(split, run);
        QSignalSpy loaded(&split, &Split::loadFinished);
        split.load(TestPaths::fixture("enc-R3,V2,U=view,O=master.pdf"), QString());
        QCOMPARE(loaded.count(), 1);
        QVERIFY(!split.isLoaded());
        QCOMPARE(split.pageCount(), 0);
        QCOMPARE(split.thumbnail().size(), QSize(35, 35));
        split.setOutDirectory(outFolder("locked"));
        split.run();
        QVERIFY(!split.isRunning());
        QVERIFY(run.events.isEmpty());

        // The wrong password locks it as well.
        split.load(TestPaths::fixture("enc-R3,V2,U=view,O=master.pdf"), QStringLiteral("nope"));
        QVERIFY(!split.isLoaded());
        QVERIFY(split.password().isEmpty());
    }

    // Three different states, told apart: a protected file is locked (a
    // password may open it), a file damaged beyond repair is unreadable (no
    // password would help), and one qpdf can repair loads as any other.
    void lockedDamagedAndRepairableFilesAreToldApart()
    {
        Split split(service);
        split.load(TestPaths::fixture("enc-R3,V2,U=view,O=master.pdf"), QString());
        QVERIFY(split.isLocked());
        QVERIFY(!split.isUnreadable());

        QTemporaryDir dir;
        QFile source(TestPaths::fixture("c-object-streams.pdf"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray whole = source.readAll();
        const QString cut = dir.filePath(QStringLiteral("cut.pdf"));
        QFile file(cut);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(whole.left(whole.size() / 2));
        file.close();
        split.load(cut, QString());
        QVERIFY(split.isUnreadable());
        QVERIFY(!split.isLocked());
        QVERIFY(!split.isLoaded());
        QCOMPARE(split.pageCount(), 0);

        for (const char *repairable : {"bad-xref.pdf", "damaged-stream.pdf"}) {
            split.load(TestPaths::fixture(repairable), QString());
            QVERIFY2(split.isLoaded(), repairable);
            QVERIFY(!split.isUnreadable());
            QVERIFY(!split.isLocked());
            QCOMPARE(split.pageCount(), 1);
        }
    }

    void restrictedDocumentIsRefused()
    {
        Split split(service);
        Run run;
        record(split, run);
        QSignalSpy refused(&split, &Split::contentCopyDisabled);
        split.load(TestPaths::fixture("enc-R3,V2,O=master.pdf"), QString());
        QVERIFY(split.isLoaded());
        QCOMPARE(split.pageCount(), 30);
        split.setOutDirectory(outFolder("restricted"));
        split.run();
        QCOMPARE(refused.count(), 1);
        QVERIFY(!split.isRunning());
        QVERIFY(run.events.isEmpty());
        QVERIFY(pdfsIn(split.outDirectory()).isEmpty());
    }

    void onePageDocumentNeverRuns()
    {
        Split split(service);
        Run run;
        record(split, run);
        split.load(TestPaths::fixture("annotations-rotated-90.pdf"), QString());
        QCOMPARE(split.pageCount(), 1);
        QVERIFY(split.isLoaded());
        split.setOutDirectory(outFolder("single"));
        split.pageRanges()->addRange(1, 1);
        split.addCertainPage(1);
        for (int mode : {0, 1, 2, 3}) {
            split.setMode(mode);
            split.run();
            QVERIFY(!split.isRunning());
        }
        QVERIFY(run.events.isEmpty());
    }

    void emptyListsAndUnknownModesDoNothing()
    {
        Split split(service);
        Run run;
        record(split, run);
        split.load(TestPaths::fixture("11-pages-with-labels.pdf"), QString());
        split.setOutDirectory(outFolder("empty"));
        split.setMode(Split::WithoutCertainPages);
        split.run();
        split.setMode(Split::ByPageRanges);
        split.run();
        split.setMode(Split::GroupsOfPages);
        split.setStartFrom(12);
        split.run();
        // A group size or start page of 0 is not read as 1.
        split.setStartFrom(1);
        split.setGroupSize(0);
        split.run();
        split.setGroupSize(2);
        split.setStartFrom(0);
        split.run();
        split.setMode(7);
        split.run();
        QVERIFY(!split.isRunning());
        QVERIFY(run.events.isEmpty());
    }

    void cancelDuringARun()
    {
        // A long document: one output per page keeps the worker busy.
        const QString big = scratch.filePath("long.pdf");
        QStringList args{"--empty", "--pages"};
        for (int i = 0; i < 100; ++i)
            args << TestPaths::fixture("c-object-streams.pdf");
        args << "--" << big;
        QCOMPARE(QProcess::execute("qpdf", args), 0);

        Split split(service);
        Run run;
        record(split, run);
        split.load(big, QString());
        QCOMPARE(split.pageCount(), 3000);
        split.setOutDirectory(outFolder("cancelled"));
        split.setMode(Split::OnePagePerFile);
        split.run();
        QVERIFY(split.isRunning());
        QVERIFY(QTest::qWaitFor([&run] { return !run.progress.isEmpty(); }, 30000));
        split.cancel();
        QVERIFY(QTest::qWaitFor([&run] { return run.events.contains("complete"); }, 30000));
        // The worker stops between outputs and reports the files written
        // whole: exactly those in the folder.
        QCOMPARE(run.events, (QStringList{"started", "complete", "canceled"}));
        QVERIFY(!split.isRunning());
        QVERIFY(pdfsIn(split.outDirectory()).size() < 3000);
        QCOMPARE(run.files.size(), pdfsIn(split.outDirectory()).size());
        for (const QString &file : qAsConst(run.files))
            QVERIFY2(QFileInfo(file).isFile(), qPrintable(file));

        // Cancelling with nothing running changes nothing.
        split.cancel();
        QTest::qWait(100);
        QCOMPARE(run.events.size(), 3);
    }

    void secondLoadKeepsTheLists()
    {
        Split split(service);
        split.load(TestPaths::fixture("11-pages-with-labels.pdf"), QString());
        split.pageRanges()->addRange(2, 9);
        split.addCertainPage(10);
        split.load(TestPaths::fixture("annotations-rotated-90.pdf"), QString());
        QCOMPARE(split.pageRanges()->ranges(), (QList<QPair<int, int>>{{2, 9}}));
        QCOMPARE(split.certainPages()->ranges(), (QList<QPair<int, int>>{{10, 10}}));
        // The new interval applies to later additions only.
        split.pageRanges()->addRange(1, 2);
        QCOMPARE(split.pageRanges()->ranges().size(), 1);

        QSignalSpy clean(&split, &Split::clean);
        QSignalSpy cleared(split.pageRanges(), &PageRanges::cleared);
        split.reset();
        QCOMPARE(clean.count(), 1);
        QCOMPARE(cleared.count(), 1);
        QVERIFY(split.pageRanges()->isEmpty());
        QVERIFY(split.certainPages()->isEmpty());
        QCOMPARE(split.pageCount(), -1);
        QVERIFY(split.fileName().isEmpty());
        QVERIFY(!split.isLoaded());
    }

    // Entries kept from a longer document that the loaded one does not have
    // refuse the run (nothing started, nothing written) instead of being left
    // out of a run reported as a success; once mended, the run goes.
    void rangesTheDocumentLacksRefuseTheRun()
    {
        const QString eleven = copyOf("11-pages-with-labels.pdf", "eleven.pdf");
        const QString five = scratch.filePath("five.pdf");
        QCOMPARE(QProcess::execute("qpdf", {"--empty", "--pages", eleven, "1-5", "--", five}), 0);
        Split split(service);
        Run run;
        record(split, run);
        split.load(eleven, QString());
        split.pageRanges()->addRange(2, 3);
        split.pageRanges()->addRange(4, 11);
        split.certainPages()->addRange(10, 10);
        split.load(five, QString());
        QCOMPARE(split.pageCount(), 5);
        split.setOutDirectory(outFolder("outside"));

        split.setMode(Split::ByPageRanges);
        QCOMPARE(split.rangesOutsideDocument(), (QList<QPair<int, int>>{{4, 11}}));
        split.run();
        QCOMPARE(run.events, QStringList{"failed"});
        QCOMPARE(run.failure, int(WorkerCode::PagesOutsideDocument));
        split.setMode(Split::WithoutCertainPages);
        split.run();
        QCOMPARE(run.events, (QStringList{"failed", "failed"}));
        QVERIFY(!split.isRunning());
        QVERIFY(pdfsIn(split.outDirectory()).isEmpty());

        run = Run();
        split.setMode(Split::ByPageRanges);
        split.pageRanges()->remove(4, 11);
        QVERIFY(split.rangesOutsideDocument().isEmpty());
        QVERIFY(runToEnd(split, run));
        QCOMPARE(run.events, (QStringList{"started", "complete", "finished"}));
        QCOMPARE(run.files.size(), 1);
        QCOMPARE(pagesOf(run.files.first()), 2);
    }

    void missingFileChangesNothing()
    {
        Split split(service);
        split.load(TestPaths::fixture("11-pages-with-labels.pdf"), QString());
        QSignalSpy loaded(&split, &Split::loadFinished);
        split.load(scratch.filePath("nowhere.pdf"), QString());
        split.load(QString(), QString());
        split.load(scratch.path(), QString()); // a folder is no file
        QCOMPARE(loaded.count(), 0);
        QCOMPARE(split.pageCount(), 11);
        QCOMPARE(split.fileName(), TestPaths::fixture("11-pages-with-labels.pdf"));
    }

    void displayName()
    {
        Split split(service);
        split.load(copyOf("annotations-rotated-90.pdf", "my.scan.v2.pdf"), QString());
        // This fixture has no title: the name up to the last dot.
        QCOMPARE(split.displayName(), QStringLiteral("my.scan.v2"));
    }
};

// The screen needs the program's Application, its split and a shown window;
// the controller's cases drive a bare Split with a service of their own and
// store a publisher in the settings, which the screen's runs must not see:
// the screen's cases run first, each class with its own set-up.
int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestSplitScreen screen;
    TestSplitController controller;
    const int failures = QTest::qExec(&screen, argc, argv) + QTest::qExec(&controller, argc, argv);
    return std::min(failures, 127);
}
#include "tst_splitscreen.moc"
