#include "app/AppSettings.h"
#include "app/Application.h"
#include "widgets/BaseFrame.h"
#include "widgets/DropArea.h"
#include "widgets/PdfFileDialog.h"

#include <QDir>
#include <fnmatch.h>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QListView>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

namespace {

// A drop area whose open-file dialog answers with prepared files.
class ScriptedDropArea : public DropArea
{
public:
    QStringList answer;
    QString askedCaption, askedFolder, askedFilter;

protected:
    QStringList chooseFiles(const QString &caption, const QString &folder, const QString &filter) override
    {
        askedCaption = caption;
        askedFolder = folder;
        askedFilter = filter;
        return answer;
    }
};

QMimeData *urlData(const QStringList &paths)
{
    auto *data = new QMimeData;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << (path.startsWith(QLatin1String("http")) ? QUrl(path) : QUrl::fromLocalFile(path));
    data->setUrls(urls);
    return data;
}

bool dragEnterAccepted(QWidget &target, const QMimeData *data)
{
    QDragEnterEvent event(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
    return event.isAccepted();
}

void drop(QWidget &target, const QMimeData *data)
{
    // QApplication only routes drops while a real drag runs; hand the event
    // to the widget's own event handler as the drag manager would.
    QDropEvent event(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QObject *receiver = &target;
    receiver->event(&event);
}

QString lastFolderSetting()
{
    return AppSettings::open()->value(QString::fromLatin1(AppSettings::keyLastSelectFolder)).toString();
}

} // namespace

class TestDropAreas : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_a, m_report, m_notes, m_archive, m_trap, m_c;

    QString touch(const QString &name)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("%PDF-1.4\n");
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_a = touch(QStringLiteral("a.pdf"));
        m_report = touch(QStringLiteral("Report.PDF"));
        m_notes = touch(QStringLiteral("notes.txt"));
        m_trap = touch(QStringLiteral("b.PDF.txt"));
        m_c = touch(QStringLiteral("c.pdf"));
        m_archive = m_dir.filePath(QStringLiteral("archive.pdf"));
        QVERIFY(QDir().mkpath(m_archive));
    }

    // --- DropArea -------------------------------------------------------------------

    void dropAreaLayoutAndTexts()
    {
        DropArea area;
        QVERIFY(area.acceptDrops());
        QVERIFY(!area.multiSelect);
        QVERIFY(area.findChild<QPushButton *>(QStringLiteral("buttonAddPreview")));
        QCOMPARE(area.findChild<QLabel *>(QStringLiteral("bigLabel"))->text(), QStringLiteral("Add file"));
        QCOMPARE(area.findChild<QLabel *>(QStringLiteral("smallLabel"))->text(), QStringLiteral("or drag & drop"));
    }

    void dropAreaAcceptsAnyUriListAtEnter()
    {
        DropArea area;
        QScopedPointer<QMimeData> notPdf(urlData({m_notes}));
        QVERIFY(dragEnterAccepted(area, notPdf.data()));
        QMimeData text;
        text.setText(QStringLiteral("a.pdf"));
        QVERIFY(!dragEnterAccepted(area, &text));
        QSignalSpy one(&area, &DropArea::droppedFile);
        drop(area, notPdf.data());
        QCOMPARE(one.count(), 0);
    }

    void dropAreaSingleTakesTheFirstPdf()
    {
        DropArea area;
        QSignalSpy one(&area, &DropArea::droppedFile);
        QSignalSpy many(&area, &DropArea::droppedFiles);
        QScopedPointer<QMimeData> data(urlData({m_notes, m_report, m_a, m_c}));
        drop(area, data.data());
        QCOMPARE(one.count(), 1);
        QCOMPARE(one.at(0).at(0).toString(), m_report);   // suffix compared without case
        QCOMPARE(many.count(), 0);
    }

    void dropAreaMultiFiltersBySuffixOnly()
    {
        DropArea area;
        area.multiSelect = true;
        QSignalSpy one(&area, &DropArea::droppedFile);
        QSignalSpy many(&area, &DropArea::droppedFiles);
        QScopedPointer<QMimeData> data(
            urlData({m_a, m_trap, QStringLiteral("http://example.org/remote.pdf"), m_archive, m_notes, m_c}));
        drop(area, data.data());
        QCOMPARE(one.count(), 0);
        QCOMPARE(many.count(), 1);
        // The folder named archive.pdf passes here; the merge list checks files.
        QCOMPARE(many.at(0).at(0).toStringList(), (QStringList{m_a, m_archive, m_c}));
    }

    // The open-file dialog offers "Report.PDF" and "b.Pdf" as well as
    // "a.pdf", and nothing else. Desktop file choosers (GTK's among them)
    // match the filter's patterns as shell globs, case-sensitively, like
    // fnmatch(); Qt's own dialog shows the same files.
    void fileDialogFilterIgnoresLetterCase()
    {
        const QString filter = PdfFileDialog::filter();
        const int open = filter.lastIndexOf(QLatin1Char('('));
        const QStringList patterns = filter.mid(open + 1, filter.size() - open - 2).split(QLatin1Char(' '));
        QVERIFY(!patterns.isEmpty());
        auto offered = [&patterns](const char *name) {
            for (const QString &pattern : patterns)
                if (::fnmatch(pattern.toUtf8().constData(), name, 0) == 0)
                    return true;
            return false;
        };
        for (const char *name : {"a.pdf", "Report.PDF", "b.Pdf", "c.pDF"})
            QVERIFY2(offered(name), name);
        for (const char *name : {"notes.txt", "pdf", "a.pdf.txt", "a.pd"})
            QVERIFY2(!offered(name), name);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const char *name : {"a.pdf", "Report.PDF", "b.Pdf", "notes.txt", "pdf"}) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QFileDialog dialog(nullptr, QStringLiteral("Open"), dir.path(), PdfFileDialog::filter());
        dialog.setOptions(PdfFileDialog::options() | QFileDialog::DontUseNativeDialog);
        auto *model = dialog.findChild<QFileSystemModel *>();
        QVERIFY(model);
        QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
        dialog.show();
        QVERIFY(loaded.wait(5000) || model->rowCount(model->index(dir.path())) > 0);
        QTest::qWait(200);
        auto *list = dialog.findChild<QListView *>(QStringLiteral("listView"));
        QVERIFY(list);
        QStringList shown;
        const QModelIndex root = list->rootIndex();
        for (int row = 0; row < list->model()->rowCount(root); ++row)
            shown << list->model()->index(row, 0, root).data().toString();
        shown.sort();
        QCOMPARE(shown, (QStringList{QStringLiteral("Report.PDF"), QStringLiteral("a.pdf"), QStringLiteral("b.Pdf")}));
        // The patterns stay out of the filter box; it names the kind of file.
        QVERIFY(dialog.testOption(QFileDialog::HideNameFilterDetails));
        dialog.close();
    }

    void dropAreaOpenFileDialog()
    {
        AppSettings::open()->remove(QString::fromLatin1(AppSettings::keyLastSelectFolder));
        ScriptedDropArea area;
        QSignalSpy one(&area, &DropArea::droppedFile);

        area.answer = QStringList();
        area.buttonAdd();
        QCOMPARE(area.askedFolder, AppSettings::desktopFolder());
        QCOMPARE(area.askedCaption, QStringLiteral("Open file"));
        QCOMPARE(area.askedFilter, PdfFileDialog::filter());
        QCOMPARE(one.count(), 0);
        QVERIFY(lastFolderSetting().isEmpty());

        area.answer = QStringList{m_a};
        QTest::mouseClick(area.findChild<QPushButton *>(QStringLiteral("buttonAddPreview")), Qt::LeftButton);
        QCOMPARE(one.count(), 1);
        QCOMPARE(one.at(0).at(0).toString(), m_a);
        QCOMPARE(lastFolderSetting(), QDir(m_dir.path()).absolutePath());

        // Cancelling leaves the remembered folder alone; the next dialog opens there.
        area.answer = QStringList();
        area.buttonAdd();
        QCOMPARE(area.askedFolder, QDir(m_dir.path()).absolutePath());
        QCOMPARE(lastFolderSetting(), QDir(m_dir.path()).absolutePath());
        QCOMPARE(one.count(), 1);
    }

    void dropAreaOpenFileDialogMulti()
    {
        ScriptedDropArea area;
        area.multiSelect = true;
        QSignalSpy many(&area, &DropArea::droppedFiles);
        QTemporaryDir other;
        const QString elsewhere = other.filePath(QStringLiteral("x.pdf"));
        area.answer = QStringList{elsewhere, m_a};
        area.buttonAdd();
        QCOMPARE(many.count(), 1);
        QCOMPARE(many.at(0).at(0).toStringList(), (QStringList{elsewhere, m_a}));
        QCOMPARE(lastFolderSetting(), QDir(other.path()).absolutePath());
    }

    // --- BaseFrame ------------------------------------------------------------------

    void baseFrameRefusesDragsWithoutPdfFiles()
    {
        BaseFrame frame;
        QVERIFY(frame.acceptDrops());
        QScopedPointer<QMimeData> notPdf(urlData({m_notes, m_trap, m_archive}));
        QVERIFY(!dragEnterAccepted(frame, notPdf.data()));
        QScopedPointer<QMimeData> missing(urlData({m_dir.filePath(QStringLiteral("gone.pdf"))}));
        QVERIFY(!dragEnterAccepted(frame, missing.data()));
        QScopedPointer<QMimeData> pdf(urlData({m_notes, m_report}));
        QVERIFY(dragEnterAccepted(frame, pdf.data()));
    }

    void baseFrameDropsExistingPdfFilesOnly()
    {
        BaseFrame frame;
        QSignalSpy dropped(&frame, &BaseFrame::droppedFiles);
        QScopedPointer<QMimeData> none(urlData({m_notes, m_archive, QStringLiteral("http://example.org/r.pdf")}));
        drop(frame, none.data());
        QCOMPARE(dropped.count(), 0);
        QScopedPointer<QMimeData> some(urlData({m_c, m_archive, m_trap, m_report}));
        drop(frame, some.data());
        QCOMPARE(dropped.count(), 1);
        QCOMPARE(dropped.at(0).at(0).toStringList(), (QStringList{m_c, m_report}));
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestDropAreas test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_dropareas.moc"
