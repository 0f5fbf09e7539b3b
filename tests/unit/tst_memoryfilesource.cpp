#include "MergeSamples.h"
#include "pdf/SourceCache.h"

#include <qpdf/QPDF.hh>

#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>
#include <string>

// A parse whose file bytes were given back still reads what it has not read
// yet, from the file, and refuses to when the file is no longer the one it
// read.
class TestMemoryFileSource : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString sample(const QString &name, const QString &marker)
    {
        MergeSamples::Options options;
        options.pages = 3;
        options.marker = marker;
        options.fontBytes = 5000;
        const QString file = m_dir.filePath(name);
        if (!MergeSamples::write(file, options))
            qFatal("cannot write sample %s", qPrintable(file));
        return file;
    }

    static std::string contents(QPDF &pdf, size_t page)
    {
        QPDFObjectHandle pageObject = pdf.getAllPages().at(page);
        auto data = pageObject.getKey("/Contents").getStreamData();
        return std::string(reinterpret_cast<const char *>(data->getBuffer()), data->getSize());
    }

private slots:
    void readsFromTheFileOnceTheBytesAreGiven()
    {
        const QString file = sample(QStringLiteral("a.pdf"), QStringLiteral("alpha"));
        SourceCache cache(1);
        std::shared_ptr<QPDF> pdf = cache.open(file, QString());
        QVERIFY(pdf);
        const std::string first = contents(*pdf, 0);
        cache.releaseBytes(pdf);
        QCOMPARE(contents(*pdf, 0), first);   // read before, kept
        QVERIFY(contents(*pdf, 2).find("alpha 3") != std::string::npos);   // read now, from the file
        for (QPDFObjectHandle object : pdf->getAllObjects()) {
            if (object.isStream())
                QVERIFY(object.getRawStreamData()->getSize() > 0);
        }
        QCOMPARE(cache.open(file, QString()), pdf);   // still the cached parse
    }

    void refusesAFileChangedMeanwhile()
    {
        const QString file = sample(QStringLiteral("b.pdf"), QStringLiteral("beta"));
        SourceCache cache(1);
        std::shared_ptr<QPDF> pdf = cache.open(file, QString());
        QVERIFY(pdf);
        cache.releaseBytes(pdf);
        QThread::msleep(20);   // a new modification time even on coarse clocks
        QVERIFY(QFile::remove(file));
        sample(QStringLiteral("b.pdf"), QStringLiteral("gamma"));
        // Not whatever now stands at the old offsets: a failure.
        QVERIFY_EXCEPTION_THROWN(contents(*pdf, 1), std::exception);
    }

    // Bytes are kept when the file changed before they were to go: the parse
    // keeps reading what it parsed.
    void keepsTheBytesOfAChangedFile()
    {
        const QString file = sample(QStringLiteral("c.pdf"), QStringLiteral("delta"));
        SourceCache cache(1);
        std::shared_ptr<QPDF> pdf = cache.open(file, QString());
        QVERIFY(pdf);
        QThread::msleep(20);
        QVERIFY(QFile::remove(file));
        sample(QStringLiteral("c.pdf"), QStringLiteral("omega"));
        cache.releaseBytes(pdf);
        QVERIFY(contents(*pdf, 1).find("delta 2") != std::string::npos);
    }
};

QTEST_GUILESS_MAIN(TestMemoryFileSource)
#include "tst_memoryfilesource.moc"
