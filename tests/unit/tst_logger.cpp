#include "TestPaths.h"
#include "app/AppSettings.h"
#include "app/Logger.h"

#include <QProcess>
#include <QRegularExpression>
#include <QUuid>
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
        QCOMPARE(Logger::instance().logDirectory(), QDir::homePath() + QStringLiteral("/.local/state/sheafwright/log"));
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

    // Trace lines reach standard error only when asked for; warnings and
    // errors always do; the log file gets every line exactly once.
    void standardErrorGetsTraceLinesOnlyWhenAsked()
    {
        for (const bool verbose : {false, true}) {
            const QString marker = QUuid::createUuid().toString(QUuid::WithoutBraces);
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("SW_LOGGER_ROUTE"), marker);
            if (verbose)
                env.insert(QStringLiteral("SHEAFWRIGHT_DEBUG"), QStringLiteral("1"));
            else
                env.remove(QStringLiteral("SHEAFWRIGHT_DEBUG"));
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("routeMessages")});
            QVERIFY(child.waitForFinished(60000));
            QCOMPARE(child.exitCode(), 0);
            const QString err = QString::fromUtf8(child.readAllStandardError());
            QVERIFY2(err.contains(marker + QStringLiteral(" a warning")), qPrintable(err));
            QVERIFY2(err.contains(marker + QStringLiteral(" an error line")), qPrintable(err));
            QCOMPARE(err.contains(marker + QStringLiteral(" a trace line")), verbose);
            QCOMPARE(err.contains(marker + QStringLiteral(" a debug line")), verbose);

            QFile file(Logger::instance().logFilePath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString log = QString::fromUtf8(file.readAll());
            for (const char *text : {" a warning", " an error line", " a trace line", " a debug line"})
                QCOMPARE(log.count(marker + QLatin1String(text)), 1);
            QVERIFY(log.contains(QStringLiteral("] WARNING: ") + marker + QStringLiteral(" a warning")));
        }
        const char *plain[] = {"sheafwright", "a.pdf"};
        const char *asked[] = {"sheafwright", "--verbose", "a.pdf"};
        const char *afterFiles[] = {"sheafwright", "--", "--verbose"};
        qunsetenv("SHEAFWRIGHT_DEBUG");
        QVERIFY(!Logger::verboseRequested(2, plain));
        QVERIFY(Logger::verboseRequested(3, asked));
        QVERIFY(!Logger::verboseRequested(3, afterFiles));
        qputenv("SHEAFWRIGHT_DEBUG", "0");
        QVERIFY(!Logger::verboseRequested(2, plain));
        qputenv("SHEAFWRIGHT_DEBUG", "1");
        QVERIFY(Logger::verboseRequested(2, plain));
        qunsetenv("SHEAFWRIGHT_DEBUG");
    }

    void routeMessages()
    {
        const QString marker = qEnvironmentVariable("SW_LOGGER_ROUTE");
        if (marker.isEmpty())
            return;
        const char *argv[] = {"tst_logger"};
        Logger::installMessageHandler(Logger::verboseRequested(1, argv));
        qDebug().noquote() << marker << "a trace line";
        qWarning().noquote() << marker << "a warning";
        Logger::instance().log(marker + QStringLiteral(" a debug line"), LogDebug);
        Logger::instance().log(marker + QStringLiteral(" an error line"), LogError);
        qInstallMessageHandler(nullptr);
    }

    // Earlier versions logged into ~/.sheafwright/log and
    // ~/.Pinecone Sheafwright/log: their days move into the state folder.
    void oldLogsMoveToTheStateFolder()
    {
        const QString first = QDir::homePath() + QStringLiteral("/.sheafwright/log");
        const QString second = QDir::homePath() + QStringLiteral("/.Pinecone Sheafwright/log");
        QCOMPARE(Logger::oldLogDirectories(), (QStringList{first, second}));
        QVERIFY(QDir().mkpath(first) && QDir().mkpath(second));
        const QString today = Logger::logFileName(QDate::currentDate());
        const QString oldDay = Logger::logFileName(QDate(2020, 2, 3));
        auto write = [](const QString &path, const QByteArray &text) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
        };
        QVERIFY(write(first + QLatin1Char('/') + oldDay, "an old day\n"));
        QVERIFY(write(second + QLatin1Char('/') + today, "earlier today\n"));
        QVERIFY(write(second + QStringLiteral("/notes.txt"), "not a log\n"));
        Logger::instance().log(QStringLiteral("now"), LogDebug);

        QCOMPARE(Logger::instance().adoptOldLogs(), 2);
        const QDir current(Logger::instance().logDirectory());
        QFile moved(current.filePath(oldDay));
        QVERIFY(moved.open(QIODevice::ReadOnly));
        QCOMPARE(moved.readAll(), QByteArray("an old day\n"));
        QFile joined(current.filePath(today));
        QVERIFY(joined.open(QIODevice::ReadOnly));
        QVERIFY(joined.readAll().endsWith("earlier today\n"));
        // An emptied folder goes; one with something else in it stays.
        QVERIFY(!QFileInfo::exists(QDir::homePath() + QStringLiteral("/.sheafwright")));
        QVERIFY(QFileInfo(second + QStringLiteral("/notes.txt")).isFile());
        QVERIFY(!QFileInfo::exists(second + QLatin1Char('/') + today));
        QVERIFY(QDir(QDir::homePath() + QStringLiteral("/.Pinecone Sheafwright")).removeRecursively());
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
