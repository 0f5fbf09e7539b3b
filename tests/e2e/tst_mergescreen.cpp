#include "ModalDriver.h"
#include "PdfProbe.h"
#include "FakeWorker.h"
#include "FileSizeLimit.h"
#include "TestPaths.h"
#include "WorkerChild.h"
#include "app/Application.h"
#include "merge/Merge.h"
#include "merge/MergeItemDelegate.h"
#include "merge/MergeLauncher.h"
#include "merge/MergeModel.h"
#include "merge/MergeRequest.h"
#include "merge/MergeTableView.h"
#include "merge/MergeView.h"
#include "widgets/CheckBox.h"
#include "widgets/DocumentViewer.h"
#include "widgets/Page.h"
#include "widgets/PageView.h"
#include "widgets/NewPasswordFields.h"
#include "widgets/DropArea.h"
#include "widgets/MessageMerge.h"
#include "widgets/ProgressControl.h"
#include "widgets/ProgressDialog.h"
#include "protocol/WorkerCode.h"

#include <QAction>
#include <QCheckBox>
#include <QDirIterator>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

// The merge screen driven as a person would: files added through the
// model's request path, reordered by drag and drop, by the move buttons and
// by the name header, a row removed, a protected row unlocked from its
// Password cell, the output protected, the merge checked with poppler and
// qpdf, and a long merge cancelled.
class TestMergeScreen : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<QWidget> m_window;
    MergeView *m_view = nullptr;
    MergeModel *m_model = nullptr;

    // A document whose pages read "<marker> <n>", so page order can be read back.
    QString writeMarked(const QString &name, const QString &marker, int pages)
    {
        const QString path = m_dir.filePath(name);
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::A6));
        QPainter painter(&writer);
        QFont font = painter.font();
        font.setPointSize(24);
        painter.setFont(font);
        for (int page = 1; page <= pages; ++page) {
            if (page > 1)
                writer.newPage();
            painter.drawText(QRect(0, 0, writer.width(), writer.height() / 2), Qt::AlignCenter,
                             QStringLiteral("%1 %2").arg(marker).arg(page));
        }
        painter.end();
        return path;
    }

    QStringList names() const
    {
        QStringList result;
        for (int row = 0; row < m_model->count(); ++row)
            result << m_model->item(row).fileName;
        return result;
    }

    int rowOf(const QString &fileName) const
    {
        return names().indexOf(fileName);
    }

    QString totalText() const
    {
        return m_view->findChild<QLabel *>(QStringLiteral("labelTotalPages"))->text();
    }

    QPushButton *button(const QString &objectName) const
    {
        return m_view->findChild<QPushButton *>(objectName);
    }

    void clickCell(int row, int column)
    {
        MergeTableView *table = m_view->table();
        const QRect cell = table->visualRect(m_model->index(row, column));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    }

    // Drags a row onto another through the table's viewport, as the window
    // system delivers a drag inside the table.
    void dragRow(int from, int onto)
    {
        MergeTableView *table = m_view->table();
        QModelIndexList indexes;
        for (int column = 0; column < m_model->columnCount(); ++column)
            indexes << m_model->index(from, column);
        std::unique_ptr<QMimeData> payload(m_model->mimeData(indexes));
        const QPoint target = table->visualRect(m_model->index(onto, 1)).center();
        QDragEnterEvent enter(target, Qt::MoveAction, payload.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(table->viewport(), &enter);
        QDragMoveEvent move(target, Qt::MoveAction, payload.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(table->viewport(), &move);
        QCOMPARE(table->itemDelegate()->dropTarget().row(), onto);
        QDropEvent drop(target, Qt::MoveAction, payload.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(table->viewport(), &drop);
    }

    void addAndWait(const QStringList &files, int expectedCount)
    {
        m_model->requestAddFiles(files);
        QTRY_COMPARE_WITH_TIMEOUT(m_model->count(), expectedCount, 30000);
        QTRY_VERIFY(!m_view->addProgress()->isVisible());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_window = std::make_unique<QWidget>();
        m_view = new MergeView(m_window.get(), Application::instance()->merge());
        m_model = m_view->model();
        m_window->resize(686, 420);
        m_view->resize(686, 420);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QDir().mkpath(m_dir.filePath(QStringLiteral("out")));
        m_view->setSaveFolder(m_dir.filePath(QStringLiteral("out")));
    }

    void startsEmptyWithDefaults()
    {
        QVERIFY(m_model->isEmpty());
        QVERIFY(m_view->table()->dropArea()->isVisible());
        QCOMPARE(totalText(), QStringLiteral("0 pages in total"));
        QVERIFY(!button(QStringLiteral("buttonMoveUp"))->isEnabled());
        QVERIFY(!button(QStringLiteral("buttonMoveDown"))->isEnabled());
        const auto edits = m_view->findChildren<QLineEdit *>(QStringLiteral("cleanEdit"));
        QCOMPARE(edits.count(), 2);
        QLineEdit *name = edits.at(1)->isReadOnly() ? edits.at(0) : edits.at(1);
        QVERIFY(name->text().startsWith(QStringLiteral("Merged-")));
        // The name edit refuses a leading space and the reserved characters.
        name->clear();
        QTest::keyClicks(name, QStringLiteral(" a:b*c?d<e>f|g/h"));
        QCOMPARE(name->text(), QStringLiteral("abcdefgh"));
    }

    void arrangeProtectAndMerge()
    {
        ModalDriver driver;
        const QString alpha = writeMarked(QStringLiteral("alpha.pdf"), QStringLiteral("ALPHA"), 2);
        const QString bravo = writeMarked(QStringLiteral("bravo.pdf"), QStringLiteral("BRAVO"), 3);
        const QString delta = writeMarked(QStringLiteral("delta.pdf"), QStringLiteral("DELTA"), 1);
        const QString echo = writeMarked(QStringLiteral("echo.pdf"), QStringLiteral("ECHO"), 1);
        const QString charlie = m_dir.filePath(QStringLiteral("charlie.pdf"));
        QVERIFY(QFile::copy(TestPaths::fixture(QStringLiteral("enc-XI-R6,V5,U=view,O=master.pdf")), charlie));

        addAndWait({bravo, alpha, charlie, delta, echo}, 5);
        QVERIFY(!m_view->table()->dropArea()->isVisible());
        QCOMPARE(names(), (QStringList{QStringLiteral("bravo.pdf"), QStringLiteral("alpha.pdf"),
                                       QStringLiteral("charlie.pdf"), QStringLiteral("delta.pdf"),
                                       QStringLiteral("echo.pdf")}));
        QCOMPARE(m_model->index(2, 2).data().toString(), QStringLiteral("?"));
        QCOMPARE(MergeItemDelegate::passwordText(m_model->index(2, 3)), QStringLiteral("Enter password"));
        QCOMPARE(totalText(), QStringLiteral("7 pages in total"));

        // Remove a row from its Remove cell.
        clickCell(rowOf(QStringLiteral("delta.pdf")), 5);
        QCOMPARE(m_model->count(), 4);
        QCOMPARE(totalText(), QStringLiteral("6 pages in total"));

        // Sort by name: the added order is no sort, so no arrow; the first
        // click sorts A to Z, the second Z to A, the third A to Z again.
        QHeaderView *header = m_view->table()->horizontalHeader();
        QVERIFY(!header->isSortIndicatorShown());
        const QPoint nameSection(header->sectionViewportPosition(1) + 30, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, nameSection);
        QCOMPARE(names(), (QStringList{QStringLiteral("alpha.pdf"), QStringLiteral("bravo.pdf"),
                                       QStringLiteral("charlie.pdf"), QStringLiteral("echo.pdf")}));
        QVERIFY(header->isSortIndicatorShown());
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, nameSection);
        QCOMPARE(names(), (QStringList{QStringLiteral("echo.pdf"), QStringLiteral("charlie.pdf"),
                                       QStringLiteral("bravo.pdf"), QStringLiteral("alpha.pdf")}));
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, nameSection);
        QCOMPARE(names(), (QStringList{QStringLiteral("alpha.pdf"), QStringLiteral("bravo.pdf"),
                                       QStringLiteral("charlie.pdf"), QStringLiteral("echo.pdf")}));
        QVERIFY(header->isSortIndicatorShown());

        // Drag charlie onto the first row: the rows are no longer sorted.
        dragRow(2, 0);
        QCOMPARE(names(), (QStringList{QStringLiteral("charlie.pdf"), QStringLiteral("alpha.pdf"),
                                       QStringLiteral("bravo.pdf"), QStringLiteral("echo.pdf")}));
        QCOMPARE(m_model->count(), 4);
        QVERIFY(!header->isSortIndicatorShown());

        // Select bravo and move it up, down and up again.
        clickCell(2, 1);
        QVERIFY(button(QStringLiteral("buttonMoveUp"))->isEnabled());
        QTest::mouseClick(button(QStringLiteral("buttonMoveUp")), Qt::LeftButton);
        QTest::mouseClick(button(QStringLiteral("buttonMoveDown")), Qt::LeftButton);
        QTest::mouseClick(button(QStringLiteral("buttonMoveUp")), Qt::LeftButton);
        QCOMPARE(names(), (QStringList{QStringLiteral("charlie.pdf"), QStringLiteral("bravo.pdf"),
                                       QStringLiteral("alpha.pdf"), QStringLiteral("echo.pdf")}));
        QCOMPARE(m_view->table()->currentIndex().row(), 1);

        // Preview asks for the viewer, except for a row still locked.
        QSignalSpy previews(m_view, &MergeView::preview);
        clickCell(0, 4);
        QCOMPARE(previews.count(), 0);
        clickCell(1, 4);
        QCOMPARE(previews.count(), 1);
        QCOMPARE(previews.first().at(0).toString(), bravo);

        // Unlock charlie from its Password cell: wrong, then right.
        driver.expect(ModalDriver::typeAndPress(QStringLiteral("nope"), QStringLiteral("OK")));
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        clickCell(0, 3);
        QTRY_COMPARE(driver.pending(), 0);
        QVERIFY(driver.seen().last().contains(QStringLiteral("The password for charlie.pdf is incorrect")));
        QCOMPARE(MergeItemDelegate::passwordText(m_model->index(0, 3)), QStringLiteral("Enter password"));
        driver.expect(ModalDriver::typeAndPress(QStringLiteral("view"), QStringLiteral("OK")));
        clickCell(0, 3);
        QTRY_COMPARE(driver.pending(), 0);
        QCOMPARE(MergeItemDelegate::passwordText(m_model->index(0, 3)), QStringLiteral("OK"));
        QCOMPARE(m_model->index(0, 2).data().toInt(), 30);
        QCOMPARE(totalText(), QStringLiteral("36 pages in total"));

        // The password switch: closing the dialog leaves it off; then "secret".
        auto *passwordSwitch = m_view->findChild<CheckBox *>(QStringLiteral("passwordSwitch"));
        QVERIFY(passwordSwitch);
        driver.expect([](QWidget *dialog) { QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection); });
        QTest::mouseClick(passwordSwitch, Qt::LeftButton);
        QTRY_COMPARE(driver.pending(), 0);
        QTRY_VERIFY(Application::instance()->merge()->password().isEmpty());
        QCOMPARE(passwordSwitch->findChild<QCheckBox *>()->checkState(), Qt::Unchecked);
        // Asked twice: while the two differ, OK stays off and the dialog
        // says why; it tells what a reader who has the password may do.
        QStringList said;
        bool okWhileDifferent = true;
        driver.expect([&](QWidget *dialog) {
            auto *fields = dialog->findChild<NewPasswordFields *>();
            auto *ok = qobject_cast<QPushButton *>(ModalDriver::button(dialog, QStringLiteral("OK")));
            if (!fields || !ok) {
                QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
                return;
            }
            said << fields->permissionsLabel()->text();
            QTest::keyClicks(fields->passwordEdit(), QStringLiteral(" secret "));
            said << fields->problemLabel()->text();
            QTest::keyClicks(fields->repeatEdit(), QStringLiteral("secert"));
            said << fields->problemLabel()->text();
            okWhileDifferent = ok->isEnabled() || fields->problemLabel()->text().isEmpty();
            QTest::keyClick(fields->repeatEdit(), Qt::Key_Return); // refused while they differ
            fields->repeatEdit()->setText(QStringLiteral("secret"));
            said << fields->problemLabel()->text();
            ok->click();
        });
        QTest::mouseClick(passwordSwitch, Qt::LeftButton);
        QTRY_COMPARE(driver.pending(), 0);
        QVERIFY(!okWhileDifferent);
        QCOMPARE(said, (QStringList{
                           QStringLiteral("Opening the file will need this password. Whoever has it may: print, copy "
                                          "text, change, add notes."),
                           QStringLiteral("Type the password a second time to make sure it has no typo."),
                           QStringLiteral("The two passwords differ. Type the same password in both fields."),
                           QString()}));
        QCOMPARE(Application::instance()->merge()->password(), QStringLiteral("secret"));

        // A file that vanished after it was added is left out, and the user is told.
        QVERIFY(QFile::remove(echo));

        const auto edits = m_view->findChildren<QLineEdit *>(QStringLiteral("cleanEdit"));
        QLineEdit *name = edits.at(1)->isReadOnly() ? edits.at(0) : edits.at(1);
        name->setText(QStringLiteral("result"));
        QStringList leftOut;
        QString doneText;
        QString leftOutLine;
        driver.expect([&](QWidget *dialog) {
            doneText = ModalDriver::textOf(dialog);
            if (auto *done = qobject_cast<MessageMerge *>(dialog)) {
                leftOut = done->leftOutFiles();
                leftOutLine = done->findChild<QListWidget *>()->item(0)->text();
            }
            ModalDriver::click(dialog, QStringLiteral("OK"));
        });
        QTest::mouseClick(button(QStringLiteral("buttonMerge")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(driver.pending() == 0, 40000);
        QVERIFY2(doneText.contains(QStringLiteral("Merge complete")), qPrintable(doneText));
        QVERIFY2(doneText.contains(QStringLiteral("except those listed")), qPrintable(doneText));
        QVERIFY2(!doneText.contains(QStringLiteral("saved as")), qPrintable(doneText));
        QCOMPARE(leftOut.count(), 1);
        QVERIFY(leftOut.first().endsWith(QStringLiteral("echo.pdf")));
        // With why, as the worker found it.
        QCOMPARE(leftOutLine, QStringLiteral("echo.pdf: it is damaged or is not a PDF file"));

        const QString output = m_dir.filePath(QStringLiteral("out/result.pdf"));
        QVERIFY(QFileInfo::exists(output));
        QCOMPARE(Application::instance()->lastMergeFile, QDir::toNativeSeparators(output));
        QVERIFY(PdfProbe::requiresPassword(output));
        QCOMPARE(PdfProbe::pageCount(output), -1);
        QCOMPARE(PdfProbe::pageCount(output, QStringLiteral("secret")), 35);
        const QStringList pages = PdfProbe::pageTexts(output, QStringLiteral("secret"));
        QCOMPARE(pages.count(), 35);
        QStringList markers;
        for (int page = 30; page < 35; ++page)
            markers << pages.at(page).simplified();
        QCOMPARE(markers, (QStringList{QStringLiteral("BRAVO 1"), QStringLiteral("BRAVO 2"), QStringLiteral("BRAVO 3"),
                                       QStringLiteral("ALPHA 1"), QStringLiteral("ALPHA 2")}));
        for (int page = 0; page < 30; ++page)
            QVERIFY(!pages.at(page).contains(QStringLiteral("ALPHA")) && !pages.at(page).contains(QStringLiteral("BRAVO")));

        // Back to idle with a fresh default name.
        QTRY_VERIFY(!m_view->isMerging());
        QTRY_VERIFY(name->text().startsWith(QStringLiteral("Merged-")));

        // The same name again never replaces the first result, and the
        // completion dialog names the file written and says why.
        name->setText(QStringLiteral("result"));
        driver.expect([&](QWidget *dialog) {
            doneText = ModalDriver::textOf(dialog);
            ModalDriver::click(dialog, QStringLiteral("OK"));
        });
        QTest::mouseClick(button(QStringLiteral("buttonMerge")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(driver.pending() == 0, 40000);
        const QString second = m_dir.filePath(QStringLiteral("out/(1)result.pdf"));
        QVERIFY(QFileInfo::exists(second));
        QCOMPARE(Application::instance()->lastMergeFile, QDir::toNativeSeparators(second));
        QVERIFY2(doneText.contains(QStringLiteral("The merged file was saved as (1)result.pdf, because a file named "
                                                  "result.pdf already exists.")),
                 qPrintable(doneText));
        QCOMPARE(PdfProbe::pageCount(output, QStringLiteral("secret")), 35);
        QCOMPARE(PdfProbe::pageCount(second, QStringLiteral("secret")), 35);
        QTRY_VERIFY(!m_view->isMerging());
    }

    void cancelledMergeLeavesNothing()
    {
        ModalDriver driver;
        m_model->clear();
        QTRY_VERIFY(m_view->table()->dropArea()->isVisible());
        const QString first = m_dir.filePath(QStringLiteral("big1.pdf"));
        const QString second = m_dir.filePath(QStringLiteral("big2.pdf"));
        QVERIFY(PdfProbe::repeatPages(TestPaths::fixture(QStringLiteral("c-object-streams.pdf")), 150, first));
        QVERIFY(QFile::copy(first, second));
        addAndWait({first, second}, 2);

        // Switch the password off again: the dialog asks nothing on the way off.
        auto *passwordSwitch = m_view->findChild<CheckBox *>(QStringLiteral("passwordSwitch"));
        QTest::mouseClick(passwordSwitch, Qt::LeftButton);
        QTRY_VERIFY(Application::instance()->merge()->password().isEmpty());

        const QString outFolder = m_dir.filePath(QStringLiteral("cancel"));
        QDir().mkpath(outFolder);
        m_view->setSaveFolder(outFolder);
        m_view->nameEdit()->setText(QStringLiteral("my merge"));
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        QTest::mouseClick(button(QStringLiteral("buttonMerge")), Qt::LeftButton);
        QTRY_VERIFY(m_view->isMerging());
        QPushButton *stop = m_view->mergeProgress()->findChild<QPushButton *>(QStringLiteral("buttonStop"));
        QVERIFY(stop);
        QTest::mouseClick(stop, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(driver.pending() == 0, 20000);
        QCOMPARE(driver.seen().last(), QStringLiteral("Merge canceled|The merge was stopped. No merged file was written."));
        QTRY_VERIFY(!m_view->isMerging());
        // The name the user typed stays for another try.
        QCOMPARE(m_view->nameEdit()->text(), QStringLiteral("my merge"));
        QVERIFY(m_view->findChild<QWidget *>(QStringLiteral("tableBox"))->isEnabled());
        QTest::qWait(200);
        QCOMPARE(QDir(outFolder).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList());

        // A worker killed mid-run is a failure that says what ended, not a cancel.
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        QTest::mouseClick(button(QStringLiteral("buttonMerge")), Qt::LeftButton);
        QTRY_VERIFY(workerChild() > 0);
        QCOMPARE(::kill(workerChild(), SIGKILL), 0);
        QTRY_VERIFY_WITH_TIMEOUT(driver.pending() == 0, 20000);
        QCOMPARE(driver.seen().last(), QStringLiteral("Merge failed|The merge stopped unexpectedly: the helper program "
                                                      "pdfworker ended before it finished. No merged file was written."));
        QTRY_VERIFY(!m_view->isMerging());
        QCOMPARE(m_view->nameEdit()->text(), QStringLiteral("my merge"));
        QCOMPARE(QDir(outFolder).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList());

        // The same merge left alone succeeds: the stops were what ended it.
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        QTest::mouseClick(button(QStringLiteral("buttonMerge")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(driver.pending() == 0, 40000);
        QVERIFY2(driver.seen().last().contains(QStringLiteral("Merge complete")), qPrintable(driver.seen().last()));
        const QStringList written = QDir(outFolder).entryList(QDir::Files | QDir::Hidden | QDir::System);
        QCOMPARE(written.count(), 1);
        QCOMPARE(PdfProbe::pageCount(outFolder + QLatin1Char('/') + written.first()), 9000);
    }

    // A write that fails during the merge: the failure is said with the
    // folder and the system's reason, and nothing is left there. A file-size
    // limit on this process, inherited by the worker, makes its writes fail
    // as on a FAT32 drive.
    void failedWriteSaysWhyAndLeavesNothing()
    {
        ModalDriver driver;
        m_model->clear();
        QTRY_VERIFY(m_view->table()->dropArea()->isVisible());
        const QString first = m_dir.filePath(QStringLiteral("full1.pdf"));
        const QString second = m_dir.filePath(QStringLiteral("full2.pdf"));
        QVERIFY(PdfProbe::repeatPages(TestPaths::fixture(QStringLiteral("c-object-streams.pdf")), 20, first));
        QVERIFY(QFile::copy(first, second));
        addAndWait({first, second}, 2);
        const QString outFolder = m_dir.filePath(QStringLiteral("full"));
        QDir().mkpath(outFolder);
        m_view->setSaveFolder(outFolder);
        m_view->nameEdit()->setText(QStringLiteral("too big"));

        // Without a limit the merge succeeds: the limit is the only fault.
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        QTest::mouseClick(button(QStringLiteral("buttonMerge")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(driver.pending() == 0, 20000);
        QVERIFY2(driver.seen().last().startsWith(QStringLiteral("Merge complete")), qPrintable(driver.seen().last()));
        QTRY_VERIFY(!m_view->isMerging());
        const QString whole = outFolder + QStringLiteral("/too big.pdf");
        const qint64 size = QFileInfo(whole).size();
        QVERIFY(size > 0);
        QVERIFY(QFile::remove(whole));
        m_view->nameEdit()->setText(QStringLiteral("too big"));

        {
            const FileSizeLimit fullDisk(rlim_t(size / 2));
            QVERIFY(fullDisk.isSet());
            driver.expect(ModalDriver::press(QStringLiteral("OK")));
            QTest::mouseClick(button(QStringLiteral("buttonMerge")), Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(driver.pending() == 0, 20000);
        }

        QCOMPARE(driver.seen().last(),
                 QStringLiteral("Merge failed|The merged file could not be written into %1. A file grew past the largest "
                                "size the drive allows (4 GB on a FAT32 drive) or the system lets this program write. "
                                "Nothing was left behind.")
                     .arg(QDir::toNativeSeparators(outFolder)));
        QTRY_VERIFY(!m_view->isMerging());
        QCOMPARE(m_view->nameEdit()->text(), QStringLiteral("too big"));
        QCOMPARE(QDir(outFolder).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList());
    }

    // A cancelled merge says so, not "failed", and keeps the user's name.
    void cancelIsReportedAsCanceled()
    {
        ModalDriver driver;
        m_view->nameEdit()->setText(QStringLiteral("kept name"));
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        emit Application::instance()->merge()->launcher()->finished(WorkerOutcome::ended(WorkerCode::Canceled));
        QTRY_COMPARE(driver.pending(), 0);
        QCOMPARE(driver.seen().last(), QStringLiteral("Merge canceled|The merge was stopped. No merged file was written."));
        QCOMPARE(m_view->nameEdit()->text(), QStringLiteral("kept name"));
    }

    // Every file that is not in the merged file is named in the
    // merge-complete dialog, whoever left it out: the user (SKIP at the
    // password prompt), or the list (damaged, not a PDF).
    void everyLeftOutFileIsListed()
    {
        ModalDriver driver;
        m_model->clear();
        const QString alpha = writeMarked(QStringLiteral("left-alpha.pdf"), QStringLiteral("ALPHA"), 2);
        const QString bravo = writeMarked(QStringLiteral("left-bravo.pdf"), QStringLiteral("BRAVO"), 3);
        const QString locked = m_dir.filePath(QStringLiteral("left-locked.pdf"));
        QVERIFY(QFile::copy(TestPaths::fixture(QStringLiteral("enc-XI-R6,V5,U=view,O=master.pdf")), locked));
        const QString cut = m_dir.filePath(QStringLiteral("left-cut.pdf"));
        {
            QFile source(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")));
            QVERIFY(source.open(QIODevice::ReadOnly));
            const QByteArray whole = source.readAll();
            QFile file(cut);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(whole.left(whole.size() / 2));
        }
        const QString notes = m_dir.filePath(QStringLiteral("left-notes.pdf"));
        {
            QFile file(notes);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("Shopping list: bread, milk.\n");
        }
        addAndWait({alpha, locked, cut, bravo, notes}, 5);
        QCOMPARE(MergeItemDelegate::passwordText(m_model->index(2, 3)), QStringLiteral("Unreadable"));
        QCOMPARE(MergeItemDelegate::passwordText(m_model->index(4, 3)), QStringLiteral("Unreadable"));
        QCOMPARE(MergeItemDelegate::passwordText(m_model->index(1, 3)), QStringLiteral("Enter password"));

        // The unreadable row's cell says what is wrong with the file.
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        clickCell(2, 3);
        QTRY_COMPARE(driver.pending(), 0);
        QVERIFY2(driver.seen().last().contains(QStringLiteral("left-cut.pdf cannot be read. The file is damaged or is not a PDF.")),
                 qPrintable(driver.seen().last()));
        // Its Preview cell says the same instead of opening an empty viewer.
        QSignalSpy previews(m_view, &MergeView::preview);
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        clickCell(4, 4);
        QTRY_COMPARE(driver.pending(), 0);
        QVERIFY2(driver.seen().last().contains(QStringLiteral("left-notes.pdf cannot be read.")), qPrintable(driver.seen().last()));
        QCOMPARE(previews.count(), 0);

        const QString outFolder = m_dir.filePath(QStringLiteral("leftout"));
        QDir().mkpath(outFolder);
        m_view->setSaveFolder(outFolder);
        m_view->nameEdit()->setText(QStringLiteral("partial"));
        QStringList leftOut;
        QString doneText;
        driver.expect(ModalDriver::press(QStringLiteral("SKIP")));
        driver.expect([&](QWidget *dialog) {
            doneText = ModalDriver::textOf(dialog);
            if (auto *done = qobject_cast<MessageMerge *>(dialog))
                leftOut = done->leftOutFiles();
            ModalDriver::click(dialog, QStringLiteral("OK"));
        });
        QTest::mouseClick(button(QStringLiteral("buttonMerge")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(driver.pending() == 0, 40000);
        QVERIFY2(doneText.contains(QStringLiteral("except those listed")), qPrintable(doneText));
        QVERIFY2(!doneText.contains(QStringLiteral("All your files")), qPrintable(doneText));
        QVERIFY2(doneText.contains(QStringLiteral("3 files are not in the merged file:")), qPrintable(doneText));
        QCOMPARE(leftOut, (QStringList{locked, cut, notes}));
        QCOMPARE(PdfProbe::pageCount(outFolder + QStringLiteral("/partial.pdf")), 5);
        QTRY_VERIFY(!m_view->isMerging());
        m_model->clear();
    }

    // The page choice typed into a row's Pages cell is checked as it is
    // typed, said under the list, and keeps MERGE from starting while it is
    // refused; a row's pages and turn go with it when it moves; the turn,
    // the page choice and the options below the list reach the request and
    // the merged file (read back with poppler).
    void pagesTurnsAndOptionsReachTheMerge()
    {
        ModalDriver driver;
        m_model->clear();
        QSignalSpy started(Application::instance()->merge(), &Merge::started);
        const QString alpha = writeMarked(QStringLiteral("choice-alpha.pdf"), QStringLiteral("ALPHA"), 3);
        const QString bravo = writeMarked(QStringLiteral("choice-bravo.pdf"), QStringLiteral("BRAVO"), 2);
        addAndWait({alpha, bravo}, 2);
        MergeTableView *table = m_view->table();

        // Typed into the cell: "2-5" is refused as it is typed, and stays
        // refused once entered.
        const QRect cell = table->visualRect(m_model->index(0, MergeModel::PagesColumn));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        auto *editor = table->findChild<QLineEdit *>(QStringLiteral("pagesEditor"));
        QVERIFY(editor);
        QTest::keyClicks(editor, QStringLiteral("2-5"));
        QVERIFY2(m_view->pageProblemText().contains(QStringLiteral("5")), qPrintable(m_view->pageProblemText()));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(m_model->item(0).pages, QStringLiteral("2-5"));
        QCOMPARE(m_model->index(0, MergeModel::PagesColumn).data().toString(), QStringLiteral("2-5"));
        QVERIFY2(m_view->pageProblemText().startsWith(QStringLiteral("Pages of choice-alpha.pdf: ")),
                 qPrintable(m_view->pageProblemText()));

        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        QTest::mouseClick(button(QStringLiteral("buttonMerge")), Qt::LeftButton);
        QTRY_COMPARE(driver.pending(), 0);
        QVERIFY2(driver.seen().last().startsWith(
                     QStringLiteral("Pages|The pages chosen for choice-alpha.pdf cannot be merged: ")),
                 qPrintable(driver.seen().last()));
        QCOMPARE(started.count(), 0);
        // The refusal opened the cell again: put it right there.
        QTRY_VERIFY(table->findChild<QLineEdit *>(QStringLiteral("pagesEditor")));
        editor = table->findChild<QLineEdit *>(QStringLiteral("pagesEditor"));
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("3, 1"));
        QVERIFY(m_view->pageProblemText().isEmpty());
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(m_model->item(0).pages, QStringLiteral("3, 1"));
        QVERIFY(m_view->pageProblemText().isEmpty());
        QCOMPARE(totalText(), QStringLiteral("4 pages in total"));

        // Ctrl+R turns the selected row; its turn and pages travel with it.
        table->selectRow(1);
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_view->nameEdit()->setFocus();
        QTest::keyClick(m_view->nameEdit(), Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(m_model->item(1).rotation, 90);
        QTest::keyClick(m_view->nameEdit(), Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(m_view->nameEdit(), Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(m_model->item(1).rotation, 270);
        m_view->turnUpsideDownAction()->trigger();
        QCOMPARE(m_model->item(1).rotation, 90);
        QVERIFY(m_model->moveUp(m_model->index(1, 0)));
        QCOMPARE(m_model->item(0).rotation, 90);
        QCOMPARE(m_model->item(1).pages, QStringLiteral("3, 1"));
        m_model->sort(MergeModel::FileNameColumn, Qt::AscendingOrder);
        QCOMPARE(m_model->item(0).fileName, QStringLiteral("choice-alpha.pdf"));
        QCOMPARE(m_model->item(0).pages, QStringLiteral("3, 1"));
        QCOMPARE(m_model->item(1).rotation, 90);

        // Preview shows the chosen pages, turned as they will be merged.
        QSignalSpy previews(m_view, &MergeView::previewPages);
        clickCell(0, MergeModel::PreviewColumn);
        QCOMPARE(previews.count(), 1);
        QCOMPARE(previews.first().at(2).value<QList<int>>(), (QList<int>{3, 1}));
        clickCell(1, MergeModel::PreviewColumn);
        QCOMPARE(previews.count(), 2);
        QVERIFY(previews.last().at(2).value<QList<int>>().isEmpty());
        QCOMPARE(previews.last().at(3).toInt(), 90);
        DocumentViewer viewer;
        QVERIFY(viewer.open(bravo, QString(), {}, 0));
        const QSize upright = viewer.pageView()->findChild<Page *>()->size();
        QVERIFY(viewer.open(bravo, QString(), {2}, 90));
        const QList<Page *> shown = viewer.pageView()->findChildren<Page *>();
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown.first()->pageNumber(), 2);
        QCOMPARE(shown.first()->size(), upright.transposed());
        QVERIFY(viewer.open(alpha, QString(), {3, 1}, 0));
        QCOMPARE(viewer.pageView()->pageCount(), 2);

        // Interleaved, the last file from its end.
        QVERIFY(!m_view->reverseLastSwitch()->isEnabled());
        m_view->interleaveSwitch()->onClicked();
        QVERIFY(m_view->reverseLastSwitch()->isEnabled());
        m_view->reverseLastSwitch()->onClicked();
        m_view->nameEdit()->setText(QStringLiteral("interleaved"));
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        QTest::mouseClick(button(QStringLiteral("buttonMerge")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(driver.pending() == 0, 40000);
        QVERIFY2(driver.seen().last().contains(QStringLiteral("Merge complete")), qPrintable(driver.seen().last()));
        MergeRequest request = Application::instance()->merge()->request();
        QVERIFY(request.interleave);
        QVERIFY(request.interleaveReverseLast);
        QVERIFY(!request.blankAfterOdd);
        QCOMPARE(request.tasks.at(0).pages, QStringLiteral("3, 1"));
        QCOMPARE(request.tasks.at(1).rotation, 90);
        const QString interleaved = m_view->saveFolder() + QStringLiteral("/interleaved.pdf");
        QStringList markers;
        for (const QString &page : PdfProbe::pageTexts(interleaved))
            markers << page.simplified();
        QCOMPARE(markers, (QStringList{QStringLiteral("ALPHA 3"), QStringLiteral("BRAVO 2"),
                                       QStringLiteral("ALPHA 1"), QStringLiteral("BRAVO 1")}));
        const QString info = PdfProbe::run(QStringLiteral("pdfinfo"),
                                           {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                            QStringLiteral("4"), interleaved});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page +1 rot: +0\\b"))), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page +2 rot: +90\\b"))), qPrintable(info));
        QTRY_VERIFY(!m_view->isMerging());

        // A blank page after an odd file: the option turns interleaving off.
        m_view->blankAfterOddSwitch()->onClicked();
        QCOMPARE(m_view->interleaveSwitch()->checkState(), Qt::Unchecked);
        QVERIFY(!m_view->reverseLastSwitch()->isEnabled());
        m_model->setPages(0, QStringLiteral("2"));
        QCOMPARE(totalText(), QStringLiteral("4 pages in total"));
        m_view->nameEdit()->setText(QStringLiteral("odd"));
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        QTest::mouseClick(button(QStringLiteral("buttonMerge")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(driver.pending() == 0, 40000);
        QVERIFY2(driver.seen().last().contains(QStringLiteral("Merge complete")), qPrintable(driver.seen().last()));
        request = Application::instance()->merge()->request();
        QVERIFY(!request.interleave);
        QVERIFY(request.blankAfterOdd);
        markers.clear();
        for (const QString &page : PdfProbe::pageTexts(m_view->saveFolder() + QStringLiteral("/odd.pdf")))
            markers << page.simplified();
        QCOMPARE(markers, (QStringList{QStringLiteral("ALPHA 2"), QString(), QStringLiteral("BRAVO 1"),
                                       QStringLiteral("BRAVO 2")}));
        QTRY_VERIFY(!m_view->isMerging());
        m_view->blankAfterOddSwitch()->onClicked();
        m_model->clear();
    }

    // MERGE says why it cannot start instead of doing nothing: too few
    // files, no name, a name that starts with a dot; a missing save folder
    // is created, one that cannot be is refused with the reason.
    void mergeSaysWhyItCannotStart()
    {
        ModalDriver driver;
        m_model->clear();
        QSignalSpy started(Application::instance()->merge(), &Merge::started);
        const QString alpha = writeMarked(QStringLiteral("why-alpha.pdf"), QStringLiteral("ALPHA"), 1);
        const QString bravo = writeMarked(QStringLiteral("why-bravo.pdf"), QStringLiteral("BRAVO"), 1);
        addAndWait({alpha}, 1);
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        QTest::mouseClick(button(QStringLiteral("buttonMerge")), Qt::LeftButton);
        QTRY_COMPARE(driver.pending(), 0);
        QCOMPARE(driver.seen().last(), QStringLiteral("Nothing to merge|Add at least two PDF files to merge."));
        addAndWait({bravo}, 2);

        m_view->nameEdit()->clear();
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        QTest::mouseClick(button(QStringLiteral("buttonMerge")), Qt::LeftButton);
        QTRY_COMPARE(driver.pending(), 0);
        QCOMPARE(driver.seen().last(), QStringLiteral("File name|Enter a name for the merged file."));

        // "../escape" loses its slash to the field; the leading dots are refused.
        QTest::keyClicks(m_view->nameEdit(), QStringLiteral("../escape"));
        QCOMPARE(m_view->nameEdit()->text(), QStringLiteral("..escape"));
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        QTest::mouseClick(button(QStringLiteral("buttonMerge")), Qt::LeftButton);
        QTRY_COMPARE(driver.pending(), 0);
        QCOMPARE(driver.seen().last(), QStringLiteral("File name|A file name cannot start with a dot."));
        QCOMPARE(started.count(), 0);

        // A name the file system could not take (here 210 bytes, before
        // ".pdf") is refused before any work, not failed after it.
        m_view->nameEdit()->setText(QStringLiteral("長").repeated(70));
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        QTest::mouseClick(button(QStringLiteral("buttonMerge")), Qt::LeftButton);
        QTRY_COMPARE(driver.pending(), 0);
        QCOMPARE(driver.seen().last(), QStringLiteral("File name|The file name is too long. Shorten it and try again."));
        QCOMPARE(started.count(), 0);

        // A save folder that is not there yet (a fresh profile's) is made.
        const QString missing = m_dir.filePath(QStringLiteral("fresh/profile/out"));
        m_view->setSaveFolder(missing);
        m_view->nameEdit()->setText(QStringLiteral("both"));
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        QTest::mouseClick(button(QStringLiteral("buttonMerge")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(driver.pending() == 0, 40000);
        QVERIFY2(driver.seen().last().contains(QStringLiteral("Merge complete")), qPrintable(driver.seen().last()));
        QCOMPARE(PdfProbe::pageCount(missing + QStringLiteral("/both.pdf")), 2);
        QTRY_VERIFY(!m_view->isMerging());

        // A file where the folder should be: refused, with the reason.
        QFile blocker(m_dir.filePath(QStringLiteral("merge-blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        m_view->setSaveFolder(blocker.fileName() + QStringLiteral("/out"));
        started.clear();
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        QTest::mouseClick(button(QStringLiteral("buttonMerge")), Qt::LeftButton);
        QTRY_COMPARE(driver.pending(), 0);
        QVERIFY2(driver.seen().last().startsWith(QStringLiteral("Merge failed|%1 is a file, not a folder")
                                                     .arg(QDir::toNativeSeparators(blocker.fileName()))),
                 qPrintable(driver.seen().last()));
        QCOMPARE(started.count(), 0);
    }

    // A worker that cannot be started is a failed merge, said in words; the
    // user's file name stays.
    void unstartableWorkerIsAFailedMerge()
    {
        ModalDriver driver;
        QCOMPARE(m_model->count(), 2);
        const QString outFolder = m_dir.filePath(QStringLiteral("noworker"));
        QDir().mkpath(outFolder);
        m_view->setSaveFolder(outFolder);
        m_view->nameEdit()->setText(QStringLiteral("never"));
        MergeLauncher *launcher = Application::instance()->merge()->launcher();
        launcher->setWorkerProgram(m_dir.filePath(QStringLiteral("no-such-pdfworker")));
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        QTest::mouseClick(button(QStringLiteral("buttonMerge")), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(driver.pending(), 0, 10000);
        launcher->setWorkerProgram(MergeLauncher::workerExecutable());
        QVERIFY2(driver.seen().last().startsWith(QStringLiteral("Merge failed|The merge could not start: the helper "
                                                                "program %1 is missing")
                                                     .arg(QDir::toNativeSeparators(MergeLauncher::workerExecutable()))),
                 qPrintable(driver.seen().last()));
        QTest::qWait(200);
        QCOMPARE(driver.seen().size(), 1);
        QCOMPARE(m_view->nameEdit()->text(), QStringLiteral("never"));
        QCOMPARE(QDir(outFolder).entryList(QDir::Files), QStringList());
        QTRY_VERIFY(!m_view->isMerging());
        m_model->clear();
    }

    // A merge that cannot write into its working folder in the cache says
    // where, not that the program should be reinstalled, and leaves nothing:
    // at the start (its request past a file-size limit on this process; a
    // full disk fails alike), when no worker starts, or at the end (a worker
    // that exits saying its response could not be written).
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
        m_model->clear();
        addAndWait({TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")),
                    TestPaths::fixture(QStringLiteral("c-object-streams.pdf"))},
                   2);
        const QString outFolder = m_dir.filePath(QStringLiteral("nocache"));
        QDir().mkpath(outFolder);
        m_view->setSaveFolder(outFolder);
        m_view->nameEdit()->setText(QStringLiteral("never"));
        MergeLauncher *launcher = Application::instance()->merge()->launcher();
        const QString noResponse = m_dir.filePath(QStringLiteral("no-response-pdfworker"));
        QVERIFY(writeFakeWorker(noResponse, WorkerCode::ResponseNotWritten));
        if (!atStart)
            launcher->setWorkerProgram(noResponse);
        QSignalSpy started(launcher, &MergeLauncher::started);
        driver.expect(ModalDriver::press(QStringLiteral("OK")));
        {
            std::unique_ptr<FileSizeLimit> tooSmallForARequest;
            if (atStart)
                tooSmallForARequest = std::make_unique<FileSizeLimit>(64);
            QVERIFY(!atStart || tooSmallForARequest->isSet());
            QTest::mouseClick(button(QStringLiteral("buttonMerge")), Qt::LeftButton);
            QTRY_COMPARE_WITH_TIMEOUT(driver.pending(), 0, 10000);
        }
        launcher->setWorkerProgram(MergeLauncher::workerExecutable());
        const QString cache = QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation));
        QCOMPARE(driver.seen().last(),
                 atStart ? QStringLiteral("Merge failed|The merge could not start: its working files could not be "
                                          "written into %1. Check that the disk is not full.")
                                 .arg(cache)
                         : QStringLiteral("Merge failed|The merge could not finish: its working files could not be "
                                          "written into %1. Check that the disk is not full. No merged file was "
                                          "written.")
                                 .arg(cache));
        QCOMPARE(started.count(), atStart ? 0 : 1);
        QCOMPARE(m_view->nameEdit()->text(), QStringLiteral("never"));
        QCOMPARE(QDir(outFolder).entryList(QDir::Files | QDir::Hidden), QStringList());
        QTRY_VERIFY(!m_view->isMerging());
        m_model->clear();
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestMergeScreen test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_mergescreen.moc"
