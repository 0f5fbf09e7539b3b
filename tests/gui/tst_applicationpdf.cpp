#include "TestPaths.h"
#include "app/Application.h"
#include "pdf/DebenuDocument.h"
#include "pdf/DebenuService.h"

#include <QThread>
#include <QtTest>

// The application's shared PDF service and the pixmap path of documents.
class TestApplicationPdf : public QObject
{
    Q_OBJECT
private slots:
    void oneSharedService()
    {
        auto *app = Application::instance();
        QVERIFY(app);
        const std::shared_ptr<DebenuService> first = app->pdfService();
        QVERIFY(first);
        QCOMPARE(app->pdfService().get(), first.get());
        const long before = first.use_count();
        {
            DebenuDocument document(app->pdfService(), TestPaths::fixture(QStringLiteral("c-object-streams.pdf")),
                                    QString(), false);
            QVERIFY(document.isLoaded());
            QCOMPARE(first.use_count(), before + 1); // the document keeps the service alive
        }
        QCOMPARE(first.use_count(), before);
    }

    void pixmapsOnTheInterfaceThreadImagesEverywhere()
    {
        DebenuDocument document(Application::instance()->pdfService(),
                                TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")), QString(), false);
        const QPixmap pixmap = document.pagePixmap(2);
        QVERIFY(!pixmap.isNull());
        QCOMPARE(pixmap.size(), document.pageSize(2));

        QPixmap offThreadPixmap(1, 1);
        QImage offThreadImage;
        QThread *thread = QThread::create([&]() {
            offThreadPixmap = document.pagePixmap(2);
            offThreadImage = document.pageImage(2);
        });
        thread->start();
        QVERIFY(thread->wait(30000));
        delete thread;
        QVERIFY(offThreadPixmap.isNull());
        QCOMPARE(offThreadImage.size(), document.pageSize(2));
        QCOMPARE(offThreadImage, pixmap.toImage().convertToFormat(offThreadImage.format()));
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestApplicationPdf test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_applicationpdf.moc"
