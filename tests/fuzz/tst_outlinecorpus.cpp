#include "TestPaths.h"
#include "app/AppSettings.h"
#include "pdf/DebenuService.h"
#include "split/BookmarkParts.h"

#include <QDir>
#include <QElapsedTimer>
#include <QtTest>

#include <qpdf/QPDF.hh>

// Every file of the qpdf test suite (damaged files, looping and odd outlines
// among them) through the outline reading and the bookmark parts: a clean
// answer each time, and at every level parts that hold each page once, in
// order, starting where an entry of that level or above goes.
class TestOutlineCorpus : public QObject
{
    Q_OBJECT

    static QString suite() { return TestPaths::fixturesDir() + QStringLiteral("/../qpdf-suite"); }

    static QHash<QString, QString> passwords()
    {
        QHash<QString, QString> known;
        QFile file(suite() + QStringLiteral("/passwords.tsv"));
        if (file.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : file.readAll().split('\n')) {
                const QList<QByteArray> fields = line.split('\t');
                if (fields.size() >= 2)
                    known.insert(QString::fromUtf8(fields.at(0)), QString::fromUtf8(fields.at(1)));
            }
        }
        return known;
    }

    // The page count as qpdf itself reads the file; -1 when it cannot.
    static int qpdfPageCount(const QString &path, const QString &password)
    {
        try {
            QPDF pdf;
            pdf.setSuppressWarnings(true);
            pdf.processFile(QFile::encodeName(path).constData(), password.toUtf8().constData());
            return int(pdf.getAllPages().size());
        } catch (const std::exception &) {
            return -1;
        }
    }

private slots:
    void everyFileOfTheSuite()
    {
        AppSettings::applyIdentity();
        const QStringList files = QDir(suite()).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
        QVERIFY2(files.size() > 600, qPrintable(suite()));
        const QHash<QString, QString> known = passwords();
        DebenuService service;
        int withOutline = 0;
        QElapsedTimer timer;
        timer.start();
        for (const QString &name : files) {
            const QString path = suite() + QLatin1Char('/') + name;
            const QString password = known.value(name);
            OutlineEntries entries;
            const bool read = service.outline(path, password, &entries);
            const int pages = qpdfPageCount(path, password);
            if (!read) {
                QVERIFY2(entries.isEmpty(), qPrintable(name));
                continue;
            }
            if (entries.isEmpty() || pages < 1)
                continue;
            ++withOutline;
            for (const OutlineEntry &entry : entries)
                QVERIFY2(entry.level >= 1 && entry.page >= 0 && entry.page <= pages, qPrintable(name));
            for (int level : BookmarkParts::levels(entries)) {
                int next = 1;
                for (const BookmarkParts::Part &part : BookmarkParts::parts(entries, level, pages)) {
                    QVERIFY2(part.from == next && part.to >= part.from, qPrintable(name));
                    QVERIFY2(!part.name.isEmpty() && !part.name.contains(QLatin1Char('/'))
                                 && !part.name.startsWith(QLatin1Char('.')),
                             qPrintable(name));
                    next = part.to + 1;
                }
                QVERIFY2(next == pages + 1, qPrintable(name));
            }
        }
        QVERIFY(withOutline >= 10);
        qInfo("%d files with an outline among %d, read in %lld ms", withOutline, int(files.size()),
              timer.elapsed());
    }
};

QTEST_MAIN(TestOutlineCorpus)
#include "tst_outlinecorpus.moc"
