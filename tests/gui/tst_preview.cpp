#include "TestPaths.h"
#include "TestPdf.h"
#include "app/Application.h"
#include "pdf/DebenuDocument.h"
#include "split/Split.h"
#include "widgets/Cover.h"
#include "widgets/DocumentViewer.h"
#include "widgets/Page.h"
#include "widgets/PageView.h"
#include "widgets/PreviewWidget.h"
#include "shell/WindowBar.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmapCache>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

const char *const lockedFile = "enc-R3,V2,U=view,O=master.pdf";

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

// The first button of a dialog whose text is text (case-insensitive).
QAbstractButton *buttonWithText(QWidget *dialog, const QString &text)
{
    for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
        if (button->text().compare(text, Qt::CaseInsensitive) == 0 && button->isVisibleTo(dialog))
            return button;
    return nullptr;
}

QStringList labelTexts(QWidget *widget)
{
    QStringList texts;
    for (QLabel *label : widget->findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

QString pagesText(PreviewWidget &preview)
{
    for (const QString &text : labelTexts(&preview))
        if (text.startsWith(QLatin1String("Pages: ")))
            return text;
    return QString();
}

bool passwordLinkShown(PreviewWidget &preview)
{
    return !preview.findChild<QWidget *>(QStringLiteral("buttonURL"))->isHidden();
}

// A well-formed PDF whose page tree has no pages.
QString writeEmptyDocument(const QString &folder)
{
    QByteArray pdf = "%PDF-1.4\n";
    QList<int> offsets;
    const QList<QByteArray> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [] /Count 0 >>",
    };
    for (int i = 0; i < objects.size(); ++i) {
        offsets << pdf.size();
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects.at(i) + "\nendobj\n";
    }
    const int xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (int offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n"
           + QByteArray::number(xref) + "\n%%EOF\n";
    const QString path = folder + QStringLiteral("/no-pages.pdf");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(pdf);
    return path;
}

QString writeGarbage(const QString &folder)
{
    const QString path = folder + QStringLiteral("/broken.pdf");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("this is not a PDF document at all\n");
    return path;
}

std::shared_ptr<DebenuDocument> openDocument(const QString &path)
{
    return std::make_shared<DebenuDocument>(Application::instance()->pdfService(), path, QString(), false);
}

} // namespace

class TestPreview : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Application::instance()->split()->reset();
    }

    // --- page label and size -------------------------------------------------

    void labelBoxOfTheExamplePage()
    {
        const QRect image(0, 0, 300, 400);
        QCOMPARE(Page::labelRect(image, 60), QRect(99, 369, 100, 30));
        QCOMPARE(Page::labelRect(image, 90), QRect(99, 369, 100, 30));
        // Wider text: text width + 10, still centred on (L + R) / 2.
        QCOMPARE(Page::labelRect(image, 150), QRect(149 - 80, 369, 160, 30));
    }

    void labelIsDrawnInsideItsBox()
    {
        QImage image(300, 400, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        Page::drawLabel(painter, image.rect(), 1);
        painter.end();
        const QRgb inside = image.pixel(103, 384);
        QVERIFY2(qAbs(qRed(inside) - 191) <= 2 && qRed(inside) == qBlue(inside), qPrintable(QString::number(inside, 16)));
        QCOMPARE(image.pixel(98, 384), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(199, 384), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(150, 368), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(150, 399), qRgb(255, 255, 255));
        QVERIFY(image.pixel(150, 398) != qRgb(255, 255, 255));
    }

    void pageTakesItsSizeInPoints()
    {
        auto document = openDocument(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")));
        Page page(document, 1);
        QCOMPARE(page.sizeHint(), QSize(612, 792));
        QCOMPARE(page.size(), QSize(612, 792));
        QCOMPARE(page.minimumSize(), page.maximumSize());
    }

    void rotatedPageSwapsWidthAndHeight()
    {
        // Pages of 612 x 792 points, turned by 90, 180 and 270 degrees.
        QTemporaryDir folder;
        const QString rotated = folder.filePath(QStringLiteral("rotated.pdf"));
        const int exitCode = QProcess::execute(QStringLiteral("qpdf"),
            {QStringLiteral("--rotate=+90:1"), QStringLiteral("--rotate=+180:2"), QStringLiteral("--rotate=+270:3"),
             TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")), rotated});
        QCOMPARE(exitCode, 0);
        auto document = openDocument(rotated);
        QCOMPARE(Page(document, 1).sizeHint(), QSize(792, 612));
        QCOMPARE(Page(document, 2).sizeHint(), QSize(612, 792));
        QCOMPARE(Page(document, 3).sizeHint(), QSize(792, 612));
        QCOMPARE(Page(document, 4).sizeHint(), QSize(612, 792));

        // The column lays the turned page out on its side, and it renders so.
        PageView view;
        QVERIFY(view.open(rotated, QString()));
        auto *first = view.findChild<Page *>();
        QCOMPARE(first->size(), QSize(792, 612));
        first->grab();
        QPixmap cached;
        QVERIFY(QPixmapCache::find(first->cacheKey(), &cached));
        QCOMPARE(cached.size(), QSize(792, 612));
    }

    void narrowerPagesAreCentred()
    {
        QTemporaryDir folder;
        const QString mixed = folder.filePath(QStringLiteral("mixed.pdf"));
        QCOMPARE(QProcess::execute(QStringLiteral("qpdf"),
                                   {QStringLiteral("--rotate=+90:1"), TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")),
                                    mixed}),
                 0);
        PageView view;
        view.resize(1000, 600);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(view.open(mixed, QString()));
        QList<Page *> pages = view.findChildren<Page *>();
        std::sort(pages.begin(), pages.end(), [](Page *a, Page *b) { return a->pageNumber() < b->pageNumber(); });
        QWidget *viewport = view.scrollArea()->viewport();
        auto centreOffset = [viewport](Page *page) {
            return page->mapTo(viewport, QPoint(0, 0)).x() * 2 + page->width() - viewport->width();
        };
        // The widest page (792, turned) and a narrower one (612) share one centre line.
        QTRY_VERIFY(qAbs(centreOffset(pages.at(0))) <= 1);
        QVERIFY2(qAbs(centreOffset(pages.at(1))) <= 1, qPrintable(QStringLiteral("%1 %2 %3 %4").arg(pages.at(0)->x()).arg(pages.at(1)->x()).arg(pages.at(1)->width()).arg(viewport->width())));
        QCOMPARE(pages.at(1)->x() - pages.at(0)->x(), 90);
        // A narrower window keeps the pages where they are inside the column.
        const int before = pages.at(1)->x();
        view.resize(700, 600);
        QCoreApplication::processEvents();
        QCOMPARE(pages.at(1)->x(), before);
    }

    void paintingRendersOnceIntoTheCache()
    {
        QPixmapCache::clear();
        auto document = openDocument(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")));
        Page page(document, 2);
        QCOMPARE(page.cacheKey(), QStringLiteral("viewer_docID_%1_p2").arg(document->documentId()));
        QPixmap cached;
        QVERIFY(!QPixmapCache::find(page.cacheKey(), &cached));
        const QImage shot = page.grab().toImage();
        QVERIFY(QPixmapCache::find(page.cacheKey(), &cached));
        QCOMPARE(cached.size(), QSize(612, 792));
        // The label is part of the cached image: grey box near the bottom.
        const QRgb label = cached.toImage().pixel(306 - 45, 792 - 15);
        QVERIFY(qRed(label) < 240);
        QCOMPARE(shot.pixel(306 - 45, 792 - 15), label);
    }

    // --- page view and viewer -----------------------------------------------

    void viewerOpensDocument()
    {
        DocumentViewer viewer;
        QVERIFY(viewer.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(viewer.size(), QSize(700, 600));
        const QString path = TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf"));
        QVERIFY(viewer.open(path, QString()));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("11-pages-with-labels.pdf - Sheafwright"));
        QCOMPARE(viewer.pageView()->pageCount(), 11);
        QCOMPARE(viewer.pageView()->path(), path);
        // Nothing is rendered by opening.
        auto *first = viewer.pageView()->findChild<Page *>();
        QPixmap cached;
        QVERIFY(!QPixmapCache::find(first->cacheKey(), &cached));
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QTRY_VERIFY(QPixmapCache::find(first->cacheKey(), &cached));
        viewer.onWindowClose();
        QVERIFY(viewer.isHidden());
        QCOMPARE(viewer.pageView()->pageCount(), 11);
    }

    // The viewer's scroll bars keep their arrow buttons (the slim bars
    // elsewhere have none): 15 pixels at each end, with the arrow drawn.
    void viewerScrollBarsHaveArrows()
    {
        DocumentViewer viewer;
        QVERIFY(viewer.open(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")), QString()));
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        for (const char *name : {"scrollDocVertical", "scrollDocHorizontal"}) {
            auto *bar = viewer.findChild<QScrollBar *>(QString::fromLatin1(name));
            QVERIFY(bar);
            QStyleOptionSlider option;
            option.initFrom(bar);
            option.orientation = bar->orientation();
            option.minimum = 0;
            option.maximum = 100;
            option.pageStep = 10;
            option.subControls = QStyle::SC_All;
            const bool vertical = bar->orientation() == Qt::Vertical;
            option.rect = QRect(0, 0, vertical ? 15 : 300, vertical ? 300 : 15);
            const QRect sub = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSubLine, bar);
            const QRect add = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddLine, bar);
            QVERIFY2(!sub.isEmpty() && !add.isEmpty(), name);
            QCOMPARE(vertical ? sub.height() : sub.width(), 15);
            QCOMPARE(vertical ? add.height() : add.width(), 15);
        }
        // The arrow itself: light pixels on the dark button at the top end.
        auto *vertical = viewer.findChild<QScrollBar *>(QStringLiteral("scrollDocVertical"));
        QVERIFY(vertical->isVisible());
        const QImage top = vertical->grab(QRect(0, 0, vertical->width(), 15)).toImage();
        bool light = false;
        for (int y = 0; y < top.height() && !light; ++y)
            for (int x = 0; x < top.width(); ++x)
                if (QColor(top.pixel(x, y)).lightness() > 180)
                    light = true;
        QVERIFY(light);
    }

    void reopeningTheSameFileChangesNothing()
    {
        DocumentViewer viewer;
        viewer.show();
        const QString path = TestPaths::fixture(QStringLiteral("c-object-streams.pdf"));
        QVERIFY(viewer.open(path, QString()));
        QScrollBar *bar = viewer.pageView()->scrollArea()->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 2000);
        bar->setValue(2000);
        const QList<Page *> pages = viewer.pageView()->findChildren<Page *>();
        QPixmapCache::insert(QStringLiteral("marker"), QPixmap(4, 4));
        QVERIFY(viewer.open(path, QStringLiteral("another password")));
        QCOMPARE(bar->value(), 2000);
        QCOMPARE(viewer.pageView()->findChildren<Page *>(), pages);
        QPixmap marker;
        QVERIFY(QPixmapCache::find(QStringLiteral("marker"), &marker));
    }

    void openingAnotherFileClearsCacheAndScrollsToTop()
    {
        DocumentViewer viewer;
        viewer.show();
        QVERIFY(viewer.open(TestPaths::fixture(QStringLiteral("c-object-streams.pdf")), QString()));
        QScrollBar *bar = viewer.pageView()->scrollArea()->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 2000);
        bar->setValue(2000);
        QPixmapCache::insert(QStringLiteral("marker"), QPixmap(4, 4));
        QVERIFY(viewer.open(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")), QString()));
        QCOMPARE(bar->value(), 0);
        QPixmap marker;
        QVERIFY(!QPixmapCache::find(QStringLiteral("marker"), &marker));
        QCOMPARE(viewer.pageView()->pageCount(), 11);
        QCOMPARE(viewer.pageView()->findChildren<Page *>().size(), 11);
    }

    void documentWithoutPagesKeepsItsPath()
    {
        QTemporaryDir folder;
        const QString empty = writeEmptyDocument(folder.path());
        PageView view;
        QVERIFY(!view.open(empty, QString()));
        QCOMPARE(view.pageCount(), 0);
        QCOMPARE(view.path(), empty);
        // Stored, so asking again is answered at once.
        QVERIFY(view.open(empty, QString()));
    }

    void unreadableFileLeavesNoPages()
    {
        QTemporaryDir folder;
        const QString broken = writeGarbage(folder.path());
        DocumentViewer viewer;
        QVERIFY(viewer.open(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")), QString()));
        QVERIFY(!viewer.open(broken, QString()));
        QCOMPARE(viewer.pageView()->pageCount(), 0);
        QCOMPARE(viewer.pageView()->path(), QString());
        QCOMPARE(viewer.windowTitle(), QStringLiteral("broken.pdf - Sheafwright"));
        // Not remembered: the next request tries again.
        QVERIFY(!viewer.open(broken, QString()));
        QVERIFY(!viewer.open(QString(), QString()));
    }

    void lockedDocumentShowsNoPagesUntilItsPassword()
    {
        const QString locked = TestPaths::fixture(QStringLiteral("enc-R3,V2,U=view,O=master.pdf"));
        PageView view;
        QVERIFY(!view.open(locked, QString()));
        QCOMPARE(view.pageCount(), 0);
        QVERIFY(view.open(locked, QStringLiteral("view")));
        QCOMPARE(view.pageCount(), 30);
    }

    // --- preview panel ---------------------------------------------------------

    void previewShowsLoadedDocument()
    {
        PreviewWidget preview;
        QCOMPARE(preview.currentPage(), 0);
        const QString path = TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf"));
        preview.onDroppedFile(path);
        QCOMPARE(preview.currentPage(), 1);
        QCOMPARE(pagesText(preview), QStringLiteral("Pages: 11"));
        QVERIFY(labelTexts(&preview).contains(path));
        QVERIFY(!passwordLinkShown(preview));
        auto *title = preview.findChild<QLabel *>(QStringLiteral("previewTitle"));
        QCOMPARE(title->text(), Application::instance()->split()->displayName());

        preview.findChild<QAbstractButton *>(QStringLiteral("buttonDelete"))->click();
        QCOMPARE(preview.currentPage(), 0);
    }

    void previewShowsLockForProtectedDocument()
    {
        PreviewWidget preview;
        preview.onDroppedFile(TestPaths::fixture(QString::fromLatin1(lockedFile)));
        QCOMPARE(preview.currentPage(), 1);
        QCOMPARE(pagesText(preview), QStringLiteral("Pages: ?"));
        QVERIFY(passwordLinkShown(preview));
    }

    // A damaged file or a text file named .pdf is not a protected one: the
    // panel says it cannot be read, with no lock, password link or preview.
    void previewTellsWhenAFileCannotBeRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("text named .pdf") << QStringLiteral("text");
        QTest::newRow("truncated PDF") << QStringLiteral("truncated");
    }

    void previewTellsWhenAFileCannotBeRead()
    {
        QFETCH(QString, kind);
        QTemporaryDir folder;
        QString path = writeGarbage(folder.path());
        if (kind == QLatin1String("truncated")) {
            QFile source(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")));
            QVERIFY(source.open(QIODevice::ReadOnly));
            const QByteArray whole = source.readAll();
            path = folder.filePath(QStringLiteral("cut-short.pdf"));
            QFile cut(path);
            QVERIFY(cut.open(QIODevice::WriteOnly));
            cut.write(whole.left(whole.size() / 2));
        }
        PreviewWidget preview;
        preview.resize(680, 123);
        preview.show();
        preview.onDroppedFile(path);
        Split *split = Application::instance()->split();
        QVERIFY(split->isUnreadable());
        QVERIFY(!split->isLocked());
        QVERIFY(!split->isLoaded());
        QCOMPARE(preview.currentPage(), 1);
        QVERIFY(!passwordLinkShown(preview));
        QVERIFY(preview.findChild<QWidget *>(QStringLiteral("buttonPreview"))->isHidden());
        auto *cover = preview.findChild<Cover *>();
        QVERIFY(cover->imageLabel()->pixmap(Qt::ReturnByValue).isNull());
        const QString name = QFileInfo(path).fileName();
        QVERIFY2(labelTexts(&preview).contains(name + QStringLiteral(" cannot be read. The file is damaged or is not a PDF.")),
                 qPrintable(labelTexts(&preview).join(QLatin1Char('|'))));
        // Asking for a password makes no sense here: nothing is asked.
        QVERIFY(!preview.askPassword());
        QVERIFY(!QApplication::activeModalWidget());
    }

    // A file qpdf cannot read but MuPDF can repair: the panel offers to
    // repair a copy, tells how many pages came back, and the split reads the
    // copy while showing (and writing beside) the original, which stays as
    // it was.
    void unreadableFileIsSplitFromARepairedCopy()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("no-trailer.pdf"));
        QVERIFY(TestPdf::writeNumberedWithoutTrailer(path, 3));
        QFile original(path);
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray before = original.readAll();
        original.close();

        PreviewWidget preview;
        preview.resize(680, 123);
        preview.show();
        preview.onDroppedFile(path);
        Split *split = Application::instance()->split();
        QVERIFY(split->isUnreadable());
        QPushButton *repair = nullptr;
        for (QPushButton *button : preview.findChildren<QPushButton *>()) {
            if (button->text() == QLatin1String("Repair a copy"))
                repair = button;
        }
        QVERIFY(repair && repair->isVisible());
        QSignalSpy repaired(split, &Split::repairFinished);
        repair->click();
        QVERIFY(repaired.wait(20000));
        QCOMPARE(repaired.first().first().toInt(), 3);
        QVERIFY(split->isLoaded());
        QVERIFY(split->isRepairedCopy());
        QVERIFY(!repair->isVisible());
        QCOMPARE(split->pageCount(), 3);
        QCOMPARE(split->sourceFileName(), path);
        QVERIFY(split->fileName() != path);
        QCOMPARE(QFileInfo(split->fileName()).fileName(), QFileInfo(path).fileName());
        QVERIFY2(labelTexts(&preview).contains(QStringLiteral(
                     "Repaired copy in use: 3 pages recovered. The original is unchanged.")),
                 qPrintable(labelTexts(&preview).join(QLatin1Char('|'))));

        const QString out = folder.filePath(QStringLiteral("parts"));
        QVERIFY(QDir().mkpath(out));
        split->setMode(Split::OnePagePerFile);
        split->setOutDirectory(out);
        QSignalSpy finished(split, &Split::finished);
        split->run();
        QVERIFY(finished.wait(60000));
        const QStringList files = finished.first().first().toStringList();
        QCOMPARE(files.size(), 3);
        for (int i = 0; i < files.size(); ++i) {
            QVERIFY2(QFileInfo(files.at(i)).fileName().startsWith(QLatin1String("no-trailer")), qPrintable(files.at(i)));
            QCOMPARE(TestPdf::pageWidths(files.at(i)), QList<int>{201 + i});
        }
        QVERIFY(original.open(QIODevice::ReadOnly));
        QCOMPARE(original.readAll(), before);

        // The copy goes with the document.
        const QString copy = split->fileName();
        split->reset();
        QVERIFY(!QFileInfo::exists(copy));
    }

    void longTitleIsElided()
    {
        QTemporaryDir folder;
        const QString baseName = QString(120, QLatin1Char('w'));
        const QString longName = folder.path() + QLatin1Char('/') + baseName + QStringLiteral(".pdf");
        // A document without a title of its own: the file's base name stands in.
        QVERIFY(QFile::copy(TestPaths::fixture(QStringLiteral("c-object-streams.pdf")), longName));
        PreviewWidget preview;
        preview.onDroppedFile(longName);
        QCOMPARE(Application::instance()->split()->displayName(), baseName);
        auto *title = preview.findChild<QLabel *>(QStringLiteral("previewTitle"));
        QVERIFY(title->fontMetrics().horizontalAdvance(baseName) > 530);
        QVERIFY(title->text().endsWith(QChar(0x2026)));
        QVERIFY(title->fontMetrics().horizontalAdvance(title->text()) <= 530);
    }

    void onlyFirstOfSeveralDroppedFilesLoads()
    {
        PreviewWidget preview;
        const QString first = TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf"));
        preview.onDroppedFiles({first, TestPaths::fixture(QStringLiteral("c-object-streams.pdf"))});
        QCOMPARE(Application::instance()->split()->fileName(), first);
        QCOMPARE(pagesText(preview), QStringLiteral("Pages: 11"));
    }

    void wrongPasswordIsReported()
    {
        PreviewWidget preview;
        preview.onDroppedFile(TestPaths::fixture(QString::fromLatin1(lockedFile)));
        QStringList messageTexts;
        answerNextModal([&messageTexts](QWidget *prompt) {
            auto *edit = prompt->findChild<QLineEdit *>();
            QVERIFY(edit);
            edit->setText(QStringLiteral("wrong"));
            // The incorrect-password message follows the prompt.
            answerNextModal([&messageTexts](QWidget *message) {
                messageTexts = labelTexts(message);
                QAbstractButton *ok = buttonWithText(message, QStringLiteral("OK"));
                QVERIFY(ok);
                ok->click();
            });
            buttonWithText(prompt, QStringLiteral("OK"))->click();
        });
        preview.onEnterPassword();
        QVERIFY2(messageTexts.contains(QStringLiteral("The password for enc-R3,V2,U=view,O=master is incorrect.")),
                 qPrintable(messageTexts.join(QLatin1Char('|'))));
        QVERIFY(messageTexts.contains(QStringLiteral("Cannot open the file")));
        QVERIFY(passwordLinkShown(preview));
        QVERIFY(!Application::instance()->split()->isLoaded());
    }

    void rightPasswordUnlocks()
    {
        PreviewWidget preview;
        preview.onDroppedFile(TestPaths::fixture(QString::fromLatin1(lockedFile)));
        answerNextModal([](QWidget *prompt) {
            prompt->findChild<QLineEdit *>()->setText(QStringLiteral(" view "));
            buttonWithText(prompt, QStringLiteral("OK"))->click();
        });
        preview.onEnterPassword();
        QVERIFY(Application::instance()->split()->isLoaded());
        QCOMPARE(pagesText(preview), QStringLiteral("Pages: 30"));
        QVERIFY(!passwordLinkShown(preview));
    }

    void blankPasswordDoesNothing()
    {
        PreviewWidget preview;
        preview.onDroppedFile(TestPaths::fixture(QString::fromLatin1(lockedFile)));
        QSignalSpy loads(Application::instance()->split(), &Split::loadFinished);
        answerNextModal([](QWidget *prompt) {
            prompt->findChild<QLineEdit *>()->setText(QStringLiteral("   "));
            buttonWithText(prompt, QStringLiteral("OK"))->click();
        });
        preview.onEnterPassword();
        QCOMPARE(loads.count(), 0);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void languageChangeRetranslatesPanel()
    {
        PreviewWidget preview;
        preview.onDroppedFile(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")));
        auto *previewButton = preview.findChild<QAbstractButton *>(QStringLiteral("buttonPreview"));
        QCOMPARE(previewButton->text(), QStringLiteral("Preview"));
        QVERIFY(Application::instance()->loadLanguage(QStringLiteral("de")));
        QCoreApplication::processEvents();
        QCOMPARE(previewButton->text(), QStringLiteral("Vorschau"));
        // The label under each page of the viewer speaks the language too.
        QCOMPARE(Page::labelText(3), QStringLiteral("Seite 3"));
        QCOMPARE(pagesText(preview), QString());
        QVERIFY(labelTexts(&preview).contains(QStringLiteral("Seiten: 11")));
        Application::instance()->loadLanguage(QStringLiteral("en"));
        QCoreApplication::processEvents();
        QCOMPARE(pagesText(preview), QStringLiteral("Pages: 11"));
    }

    void previewButtonAsksForViewer()
    {
        PreviewWidget preview;
        preview.onDroppedFile(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")));
        QSignalSpy asked(&preview, &PreviewWidget::previewDocument);
        preview.findChild<QAbstractButton *>(QStringLiteral("buttonPreview"))->click();
        QCOMPARE(asked.count(), 1);
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    QPixmapCache::setCacheLimit(102400);
    TestPreview test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_preview.moc"
