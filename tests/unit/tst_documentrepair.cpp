#include "TestPaths.h"
#include "TestPdf.h"
#include "app/AppSettings.h"
#include "pdf/DebenuService.h"
#include "pdf/DocumentRepair.h"

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QtTest>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

namespace {

QByteArray digest(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// Pages qpdf finds in the file (as the worker reads it); -1 when it
// cannot read it.
int qpdfPages(const QString &path, const QString &password = QString())
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

// Three pages, 201 to 203 points wide, damaged beyond qpdf's recovery; a
// protected one is written sound: its trailer holds the key to its
// encryption, without which no reader could decrypt anything.
bool writeDamaged(const QString &path, const QString &password = QString())
{
    if (password.isEmpty())
        return TestPdf::writeNumberedWithoutTrailer(path, 3);
    const QString whole = path + QStringLiteral(".whole");
    if (!TestPdf::writeNumbered(whole, 3))
        return false;
    try {
        QPDF pdf;
        pdf.processFile(QFile::encodeName(whole).constData());
        const QByteArray name = QFile::encodeName(path);
        QPDFWriter writer(pdf, name.constData());
        const QByteArray secret = password.toUtf8();
        writer.setR6EncryptionParameters(secret.constData(), secret.constData(), true, true, true, true, true, true,
                                         qpdf_r3p_full, true);
        writer.write();
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

} // namespace

// Files no qpdf-based reader opens, repaired into a copy by MuPDF: the copy
// opens in qpdf with every page, the original stays as it was; a protected
// file needs its password and its copy stays protected.
class TestDocumentRepair : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        AppSettings::applyIdentity();
        QVERIFY(m_dir.isValid());
    }

    void repairedCopyOpensWhereTheOriginalDoesNot_data()
    {
        QTest::addColumn<QString>("damaged");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("pages");
        QTest::newRow("no trailer") << QStringLiteral("made:no-trailer.pdf") << QString() << 3;
        QTest::newRow("protected") << QStringLiteral("made:locked.pdf") << QStringLiteral("s3cret") << 3;
        // From qpdf's own test suite: each beyond qpdf's recovery.
        const QString suite = TestPaths::fixturesDir() + QStringLiteral("/../qpdf-suite/");
        for (const char *name : {"bad7.pdf", "bad16.pdf", "minimal-linearize-pass1.pdf", "recover-xref-stream.pdf"})
            QTest::newRow(name) << suite + QLatin1String(name) << QString() << 1;
    }
    void repairedCopyOpensWhereTheOriginalDoesNot()
    {
        QFETCH(QString, damaged);
        QFETCH(QString, password);
        QFETCH(int, pages);
        if (damaged.startsWith(QLatin1String("made:"))) {
            damaged = m_dir.filePath(damaged.mid(5));
            QVERIFY(writeDamaged(damaged, password));
        }
        QCOMPARE(qpdfPages(damaged, password), password.isEmpty() ? -1 : pages);
        const QByteArray before = digest(damaged);
        const QString folder = m_dir.filePath(QStringLiteral("repaired-%1").arg(QTest::currentDataTag()));
        QVERIFY(QDir().mkpath(folder));

        if (!password.isEmpty()) {
            const DocumentRepair::Result refused = DocumentRepair::repairInto(damaged, QStringLiteral("nope"), folder);
            QVERIFY(refused.copy.isEmpty());
            QVERIFY(refused.needsPassword);
            QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList());
        }
        const DocumentRepair::Result result = DocumentRepair::repairInto(damaged, password, folder);
        QCOMPARE(result.copy, QDir::toNativeSeparators(folder + QLatin1Char('/') + QFileInfo(damaged).fileName()));
        QCOMPARE(result.pages, pages);
        QCOMPARE(qpdfPages(result.copy, password), pages);
        if (!password.isEmpty())
            QCOMPARE(qpdfPages(result.copy), -1);   // still protected
        if (pages == 3)
            QCOMPARE(TestPdf::pageWidths(result.copy, password), (QList<int>{201, 202, 203}));
        QCOMPARE(digest(damaged), before);

        // As the program reads a file it is given.
        DebenuService service;
        int id = 0;
        bool needsPassword = false;
        QVERIFY(service.loadFile(result.copy, password, &id, &needsPassword, false));
        QCOMPARE(service.pageCount(id, false), pages);
        service.closeDocument(id, false);
    }

    void nothingIsLeftWhenNothingCanBeRepaired()
    {
        const QString junk = m_dir.filePath(QStringLiteral("junk.pdf"));
        QFile file(junk);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        const QString folder = m_dir.filePath(QStringLiteral("junk-repair"));
        QVERIFY(QDir().mkpath(folder));
        const DocumentRepair::Result result = DocumentRepair::repairInto(junk, QString(), folder);
        QVERIFY(result.copy.isEmpty());
        QCOMPARE(result.pages, 0);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList());
        // Never over the original.
        QVERIFY(DocumentRepair::repairInto(junk, QString(), m_dir.path()).copy.isEmpty());
        QCOMPARE(QFileInfo(junk).size(), 4096);
    }
};

QTEST_GUILESS_MAIN(TestDocumentRepair)
#include "tst_documentrepair.moc"
