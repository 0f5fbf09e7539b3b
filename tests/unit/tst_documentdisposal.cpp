#include "MergeSamples.h"
#include "pdf/DocumentDisposal.h"
#include "pdf/DocumentMerger.h"
#include "pdf/SourceCache.h"

#include <qpdf/QPDF.hh>

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// What becomes of documents their owners are done with: freed at once in
// the program, left to the exit in a one-job process. Keeping is switched on
// for the rest of the process, so the cases run in this order.
class TestDocumentDisposal : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString sample(const QString &name)
    {
        MergeSamples::Options options;
        options.pages = 2;
        const QString file = m_dir.filePath(name);
        if (!MergeSamples::write(file, options))
            qFatal("cannot write sample %s", qPrintable(file));
        return file;
    }

private slots:
    void freedAtOnceByDefault()
    {
        QVERIFY(!DocumentDisposal::keepsUntilExit());
        auto object = std::make_shared<int>(1);
        std::weak_ptr<int> watch = object;
        DocumentDisposal::dispose(std::move(object));
        QVERIFY(watch.expired());
        QCOMPARE(DocumentDisposal::keptCount(), 0);

        SourceCache cache(2);
        std::weak_ptr<QPDF> parse = cache.open(sample(QStringLiteral("a.pdf")), QString());
        QVERIFY(!parse.expired());
        cache.clear();
        QVERIFY(parse.expired());
        QCOMPARE(cache.size(), 0);
    }

    void keptUntilExitOnceAsked()
    {
        DocumentDisposal::keepUntilExit();
        QVERIFY(DocumentDisposal::keepsUntilExit());
        auto object = std::make_shared<int>(2);
        std::weak_ptr<int> watch = object;
        DocumentDisposal::dispose(std::move(object));
        QCOMPARE(*watch.lock(), 2);
        QCOMPARE(DocumentDisposal::keptCount(), 1);

        SourceCache cache(2);
        std::weak_ptr<QPDF> parse = cache.open(sample(QStringLiteral("b.pdf")), QString());
        cache.clear();
        QCOMPARE(cache.size(), 0);
        QVERIFY(!parse.expired());
        QCOMPARE(DocumentDisposal::keptCount(), 2);
    }

    // A merger left to the exit has written its whole file all the same, and
    // its inputs can be read again.
    void mergerKeptAfterWritingWhole()
    {
        const QString a = sample(QStringLiteral("c.pdf"));
        const QString out = m_dir.filePath(QStringLiteral("merged.pdf"));
        const int kept = DocumentDisposal::keptCount();
        {
            DocumentMerger merger;
            QVERIFY(merger.addFile(a));
            QVERIFY(merger.addFile(a));
            QVERIFY(merger.write(out));
        }
        QCOMPARE(DocumentDisposal::keptCount(), kept + 1);
        QPDF check;
        check.processFile(QFile::encodeName(out).constData());
        QCOMPARE(int(check.getAllPages().size()), 4);
    }
};

QTEST_GUILESS_MAIN(TestDocumentDisposal)
#include "tst_documentdisposal.moc"
