#include "app/OutputFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The folder a split or merge writes into: created when missing, refused
// with a reason the user can act on when it cannot be.
class TestOutputFolder : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void existingAndMissingFoldersAreUsable()
    {
        QString problem = QStringLiteral("untouched");
        QVERIFY(OutputFolder::ensure(m_dir.path(), &problem));
        const QString nested = m_dir.filePath(QStringLiteral("a/b/c"));
        QVERIFY(OutputFolder::ensure(nested, &problem));
        QVERIFY(QFileInfo(nested).isDir());
        QVERIFY(OutputFolder::ensure(nested + QLatin1Char('/'), &problem));
    }

    void refusalsSayWhy()
    {
        QString problem;
        QVERIFY(!OutputFolder::ensure(QStringLiteral("  "), &problem));
        QCOMPARE(problem, QStringLiteral("No folder is chosen to save into."));

        // A file where the folder, or one of its parents, should be.
        const QString file = m_dir.filePath(QStringLiteral("taken"));
        QFile taken(file);
        QVERIFY(taken.open(QIODevice::WriteOnly));
        taken.close();
        QVERIFY(!OutputFolder::ensure(file, &problem));
        QCOMPARE(problem, QStringLiteral("%1 is a file, not a folder, so %1 cannot be created.")
                              .arg(QDir::toNativeSeparators(file)));
        QVERIFY(!OutputFolder::ensure(file + QStringLiteral("/inner/out"), &problem));
        QCOMPARE(problem, QStringLiteral("%1 is a file, not a folder, so %2 cannot be created.")
                              .arg(QDir::toNativeSeparators(file), QDir::toNativeSeparators(file + QStringLiteral("/inner/out"))));
        QVERIFY(QFileInfo(file).isFile());

        // A place where no folder can be made, whoever runs the test: the
        // message names the folder, and nothing is left behind.
        const QString impossible = QStringLiteral("/proc/sheafwright-test/out");
        QVERIFY(!OutputFolder::ensure(impossible, &problem));
        QVERIFY2(problem.contains(impossible), qPrintable(problem));
        QVERIFY(!QFileInfo::exists(impossible));
    }
};

QTEST_GUILESS_MAIN(TestOutputFolder)
#include "tst_outputfolder.moc"
