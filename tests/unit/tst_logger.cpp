#include "TestPaths.h"
#include "app/AppSettings.h"
#include "app/Logger.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <sys/stat.h>

class TestLogger : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        AppSettings::applyIdentity();
        if (!qEnvironmentVariableIsSet("SW_LOGGER_WRITE"))
            QDir(Logger::instance().logDirectory()).removeRecursively();
    }

    void levelNames()
    {
        QCOMPARE(Logger::levelName(0), QStringLiteral("DEBUG"));
        QCOMPARE(Logger::levelName(1), QStringLiteral("ERROR"));
        QCOMPARE(Logger::levelName(2), QStringLiteral("WARNING"));
        QCOMPARE(Logger::levelName(3), QStringLiteral("INFO"));
    }

    void lineFormat()
    {
        const QDateTime when(QDate(2024, 3, 5), QTime(14, 3, 27));
        QCOMPARE(Logger::formatLine(when, QStringLiteral("ERROR"),
                                    QStringLiteral("Initialization library failed"),
                                    QStringLiteral("Windows 10")),
                 QStringLiteral("[2.0.10][Windows 10][14:03:27] ERROR: Initialization library failed\n"));
        // Placeholders inside the message are not substituted again.
        QCOMPARE(Logger::formatLine(when, QStringLiteral("DEBUG"), QStringLiteral("%1 %5"), QStringLiteral("X")),
                 QStringLiteral("[2.0.10][X][14:03:27] DEBUG: %1 %5\n"));
    }

    void windowsNames_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("nt") << 0x10 << "Windows NT";
        QTest::newRow("xp") << 0x30 << "Windows XP";
        QTest::newRow("vista") << 0x80 << "Windows Vista";
        QTest::newRow("8.1") << 0xb0 << "Windows 8.1";
        QTest::newRow("10") << 0xc0 << "Windows 10";
        QTest::newRow("between 8.1 and 10") << 0xb4 << "Unknown OS";
        QTest::newRow("above 10") << 0xc1 << "Windows > 10";
        QTest::newRow("zero") << 0 << "Unknown OS";
    }
    void windowsNames()
    {
        QFETCH(int, code);
        QFETCH(QString, name);
        QCOMPARE(Logger::windowsName(code), name);
    }

    void linuxNameIsDistribution()
    {
        QVERIFY(!Logger::instance().osName().isEmpty());
        QVERIFY(!Logger::instance().osName().startsWith(QLatin1String("Windows")));
    }

    void fileNamePerDay()
    {
        QCOMPARE(Logger::logFileName(QDate(2025, 1, 9)), QStringLiteral("log_2025_01_09.txt"));
        QVERIFY(Logger::logFileName(QDate(2025, 1, 9)) != Logger::logFileName(QDate(2025, 1, 10)));
        QVERIFY(Logger::instance().logFilePath().endsWith(Logger::logFileName(QDate::currentDate())));
        QVERIFY(Logger::instance().logDirectory().endsWith(QStringLiteral("/.Pinecone Sheafwright/log")));
    }

    void writesAndAppends()
    {
        Logger::instance().log(QStringLiteral("first line"), 2);
        Logger::instance().log(QStringLiteral("second line"), 3);
        QFile file(Logger::instance().logFilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(lines.size() >= 2);
        QVERIFY(lines.at(lines.size() - 2).endsWith(QStringLiteral("] WARNING: first line")));
        QVERIFY(lines.last().endsWith(QStringLiteral("] INFO: second line")));
        QVERIFY(lines.last().startsWith(QStringLiteral("[2.0.10][")));
    }

    // The log names the user's documents: only its owner may read it, also
    // when an older version left a wider folder and file behind.
    void folderAndFilesAreOwnerOnly()
    {
        const QString folder = Logger::instance().logDirectory();
        const QString file = Logger::instance().logFilePath();
        Logger::instance().log(QStringLiteral("before"), 0);
        QVERIFY(QFile::setPermissions(folder, QFileDevice::Permissions(0x7755)));
        QVERIFY(QFile::setPermissions(file, QFileDevice::Permissions(0x6644)));
        Logger::instance().log(QStringLiteral("after"), 0);
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(folder).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0700);
        QCOMPARE(::stat(QFile::encodeName(file).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0600);
        // A new day's file is born owner-only.
        QVERIFY(QFile::remove(file));
        Logger::instance().log(QStringLiteral("fresh"), 0);
        QCOMPARE(::stat(QFile::encodeName(file).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0600);
    }

    // Two processes and two threads writing at once: every line arrives whole.
    void concurrentWritersKeepLinesWhole()
    {
        const QString marker = QUuid::createUuid().toString(QUuid::WithoutBraces);
        QList<QProcess *> children;
        for (int i = 0; i < 2; ++i) {
            auto *child = new QProcess(this);
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("SW_LOGGER_WRITE"), marker + QString::number(i));
            child->setProcessEnvironment(env);
            child->start(QCoreApplication::applicationFilePath(), {QStringLiteral("writeMany")});
            children << child;
        }
        writeMany(marker + QStringLiteral("p"));
        for (QProcess *child : children) {
            QVERIFY(child->waitForFinished(60000));
            QCOMPARE(child->exitCode(), 0);
        }
        QFile file(Logger::instance().logFilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QRegularExpression whole(QStringLiteral("^\\[2\\.0\\.10\\]\\[[^\\]]*\\]\\[\\d\\d:\\d\\d:\\d\\d\\] DEBUG: (%1.) x{400}$").arg(marker));
        QHash<QString, int> counts;
        for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            if (!line.contains(marker))
                continue;
            const auto match = whole.match(line);
            QVERIFY2(match.hasMatch(), qPrintable(line.left(200)));
            counts[match.captured(1)]++;
        }
        QCOMPARE(counts.value(marker + QStringLiteral("0")), 300);
        QCOMPARE(counts.value(marker + QStringLiteral("1")), 300);
        QCOMPARE(counts.value(marker + QStringLiteral("p")), 300);
    }

    void writeMany()
    {
        const QString tag = qEnvironmentVariable("SW_LOGGER_WRITE");
        if (!tag.isEmpty())
            writeMany(tag);
    }

private:
    static void writeMany(const QString &tag)
    {
        for (int i = 0; i < 300; ++i)
            Logger::instance().log(tag + QStringLiteral(" ") + QString(400, QLatin1Char('x')), 0);
    }
};

QTEST_GUILESS_MAIN(TestLogger)
#include "tst_logger.moc"
