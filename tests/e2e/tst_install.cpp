#include "TestPaths.h"
#include "TestPdf.h"
#include "ToolRun.h"
#include "app/AppSettings.h"
#include "app/InstallLayout.h"

#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString appId = QStringLiteral("org.sheafwright.Sheafwright");

// A program the test needs, from a package of scripts/packages.txt.
QString tool(const QString &name, const char *package)
{
    const QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty())
        qWarning("%s is missing: install the package %s (scripts/install-deps.sh)", qPrintable(name), package);
    return path;
}

QSet<QString> filesBelow(const QString &root)
{
    QSet<QString> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.insert(QDir(root).relativeFilePath(it.next()));
    return files;
}

} // namespace

// The installed tree: cmake --install into a staging folder, the launcher
// entry and the AppStream data through their validators, the installed
// program answering on its command line, and the lookup that finds the
// worker and the translations relative to the installed program.
class TestInstall : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_prefix;

    QString staged(const QString &relative) const { return m_prefix + QLatin1Char('/') + relative; }
    QString program() const { return staged(QStringLiteral("bin/sheafwright")); }

private slots:
    void initTestCase()
    {
        AppSettings::applyIdentity();
        QVERIFY(m_dir.isValid());
        m_prefix = m_dir.filePath(QStringLiteral("stage/usr"));
        const ToolRun install = runTool(QStringLiteral(SW_CMAKE_COMMAND),
                                {QStringLiteral("--install"), TestPaths::buildDir(), QStringLiteral("--prefix"), m_prefix});
        QVERIFY2(install.exitCode == 0, install.err.constData());
    }

    void treeHoldsExactlyTheProgramAndItsFiles()
    {
        QSet<QString> expected{
            QStringLiteral("bin/sheafwright"),
            QStringLiteral("libexec/sheafwright/pdfworker"),
            QStringLiteral("share/applications/%1.desktop").arg(appId),
            QStringLiteral("share/metainfo/%1.metainfo.xml").arg(appId),
            QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(appId),
            QStringLiteral("share/doc/sheafwright/copyright"),
            QStringLiteral("share/man/man1/sheafwright.1"),
            QStringLiteral("share/bash-completion/completions/sheafwright"),
            QStringLiteral("share/kio/servicemenus/sheafwright-merge.desktop"),
            QStringLiteral("share/kio/servicemenus/sheafwright-split.desktop"),
            QStringLiteral("share/nemo/actions/sheafwright-merge.nemo_action"),
            QStringLiteral("share/nemo/actions/sheafwright-split.nemo_action"),
        };
        const QStringList sources = QDir(TestPaths::sourceDir() + QStringLiteral("/resources/translations"))
                                        .entryList({QStringLiteral("leafcut_*.ts")}, QDir::Files);
        QVERIFY(sources.size() >= 4);
        for (QString ts : sources)
            expected.insert(QStringLiteral("share/sheafwright/translations/") + ts.replace(QLatin1String(".ts"), QLatin1String(".qm")));
        const QList<int> sizes{16, 24, 32, 48, 64, 128, 256, 512};
        for (int size : sizes)
            expected.insert(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(appId));

        // Nothing more: no test program, no build file.
        QCOMPARE(filesBelow(m_prefix), expected);
        QVERIFY(QFileInfo(program()).isExecutable());
        QVERIFY(QFileInfo(staged(QStringLiteral("libexec/sheafwright/pdfworker"))).isExecutable());
        for (int size : sizes) {
            const QImage icon(staged(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(appId)));
            QCOMPARE(icon.size(), QSize(size, size));
            QVERIFY(icon.hasAlphaChannel());
        }
    }

    void launcherEntryAndAppStreamDataValidate()
    {
        const QString desktop = staged(QStringLiteral("share/applications/%1.desktop").arg(appId));
        const QString validateDesktop = tool(QStringLiteral("desktop-file-validate"), "desktop-file-utils");
        QVERIFY2(!validateDesktop.isEmpty(), "desktop-file-validate is missing (package desktop-file-utils)");
        const ToolRun entry = runTool(validateDesktop, {desktop});
        QVERIFY2(entry.exitCode == 0 && entry.out.trimmed().isEmpty(), entry.out.constData());

        const QString appstream = tool(QStringLiteral("appstreamcli"), "appstream");
        QVERIFY2(!appstream.isEmpty(), "appstreamcli is missing (package appstream)");
        const ToolRun metainfo = runTool(appstream, {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                             staged(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(appId))});
        QVERIFY2(metainfo.exitCode == 0, (metainfo.out + metainfo.err).constData());

        // The entry opens PDF files by handing them to the program's command line.
        QSettings entryFile(desktop, QSettings::IniFormat);
        entryFile.beginGroup(QStringLiteral("Desktop Entry"));
        QCOMPARE(entryFile.value(QStringLiteral("Exec")).toString(), QStringLiteral("sheafwright %F"));
        QVERIFY(entryFile.value(QStringLiteral("MimeType")).toString().split(QLatin1Char(';'))
                    .contains(QStringLiteral("application/pdf")));
        QCOMPARE(entryFile.value(QStringLiteral("Icon")).toString(), appId);
    }

    // Right-click actions for Dolphin (service menus, checked by the same
    // validator as the launcher entry) and Nemo: merge for several PDF
    // files, split for one, both handing the files to the program.
    void fileManagerActionsValidate_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("countKey");
        QTest::addColumn<QString>("nemoSelection");
        QTest::newRow("merge") << "merge" << "Merge with Sheafwright" << "X-KDE-MinNumberOfUrls=2" << "m";
        QTest::newRow("split") << "split" << "Split with Sheafwright" << "X-KDE-MaxNumberOfUrls=1" << "s";
    }
    void fileManagerActionsValidate()
    {
        QFETCH(QString, action);
        QFETCH(QString, name);
        QFETCH(QString, countKey);
        QFETCH(QString, nemoSelection);
        const QString validate = tool(QStringLiteral("desktop-file-validate"), "desktop-file-utils");
        QVERIFY2(!validate.isEmpty(), "desktop-file-validate is missing (package desktop-file-utils)");
        const QString menu = staged(QStringLiteral("share/kio/servicemenus/sheafwright-%1.desktop").arg(action));
        const ToolRun check = runTool(validate, {menu});
        QVERIFY2(check.exitCode == 0 && check.out.trimmed().isEmpty(), check.out.constData());
        QFile menuFile(menu);
        QVERIFY(menuFile.open(QIODevice::ReadOnly));
        const QStringList menuLines = QString::fromUtf8(menuFile.readAll()).split(QLatin1Char('\n'));
        QVERIFY(menuLines.contains(QStringLiteral("MimeType=application/pdf;")));
        QVERIFY(menuLines.contains(countKey));
        QVERIFY(menuLines.contains(QStringLiteral("Name=") + name));
        const QString exec = action == QLatin1String("merge") ? QStringLiteral("Exec=sheafwright %F")
                                                              : QStringLiteral("Exec=sheafwright %f");
        QVERIFY(menuLines.contains(exec));

        QSettings nemo(staged(QStringLiteral("share/nemo/actions/sheafwright-%1.nemo_action").arg(action)),
                       QSettings::IniFormat);
        nemo.beginGroup(QStringLiteral("Nemo Action"));
        QCOMPARE(nemo.value(QStringLiteral("Name")).toString(), name);
        QCOMPARE(nemo.value(QStringLiteral("Exec")).toString(), QStringLiteral("sheafwright %U"));
        QCOMPARE(nemo.value(QStringLiteral("Selection")).toString(), nemoSelection);
        // (QSettings ends a value at ';'.)
        QCOMPARE(nemo.value(QStringLiteral("Mimetypes")).toString(), QStringLiteral("application/pdf"));
    }

    // The manual page reads without a warning from groff and names every
    // option the commands' help lists; the bash completion offers them all.
    void manualPageAndCompletionCoverEveryOption()
    {
        const QString manual = staged(QStringLiteral("share/man/man1/sheafwright.1"));
        const QString groff = tool(QStringLiteral("groff"), "groff-base");
        QVERIFY2(!groff.isEmpty(), "groff is missing (package groff-base)");
        const ToolRun lint = runTool(groff, {QStringLiteral("-man"), QStringLiteral("-ww"), QStringLiteral("-z"), manual});
        QVERIFY2(lint.exitCode == 0 && lint.err.isEmpty(), lint.err.constData());
        QFile manualFile(manual);
        QVERIFY(manualFile.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(manualFile.readAll()).replace(QLatin1String("\\-"), QLatin1String("-"));
        QVERIFY2(page.contains(QLatin1String("\"Sheafwright 2.0.10\"")), "the manual page names another version");

        const QString bash = tool(QStringLiteral("bash"), "bash");
        const QString completion = staged(QStringLiteral("share/bash-completion/completions/sheafwright"));
        static const QRegularExpression option(QStringLiteral("(?:^|[ ,])(--?[a-z][a-z-]*)"), QRegularExpression::MultilineOption);
        for (const QString &command : {QStringLiteral("split"), QStringLiteral("merge")}) {
            const ToolRun help = runTool(program(), {command, QStringLiteral("--help")});
            QCOMPARE(help.exitCode, 0);
            QSet<QString> options;
            for (auto it = option.globalMatch(QString::fromUtf8(help.out)); it.hasNext();)
                options.insert(it.next().captured(1));
            QVERIFY2(options.size() >= 10, help.out.constData());
            for (const QString &name : options) {
                const QRegularExpression heading(QStringLiteral("^\\.TP\\n\\.B[IR]? .*%1(?![a-z-])")
                                                     .arg(QRegularExpression::escape(name)),
                                                 QRegularExpression::MultilineOption);
                QVERIFY2(heading.match(page).hasMatch(),
                         qPrintable(command + QLatin1Char(' ') + name + " has no entry in the manual page"));
            }

            const QString script = QStringLiteral("source '%1'; COMP_WORDS=(sheafwright %2 -); COMP_CWORD=2; _sheafwright; "
                                                  "printf '%s\\n' \"${COMPREPLY[@]}\"").arg(completion, command);
            const ToolRun offered = runTool(bash, {QStringLiteral("-c"), script});
            QCOMPARE(offered.exitCode, 0);
            const QStringList lines = QString::fromUtf8(offered.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            QCOMPARE(QSet<QString>(lines.begin(), lines.end()), options);
        }
    }

    void installedProgramAnswersVersionAndHelp()
    {
        const ToolRun version = runTool(program(), {QStringLiteral("--version")});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(QString::fromUtf8(version.out), QStringLiteral("Sheafwright 2.0.10\n"));

        AppSettings::open()->setValue(QLatin1String(AppSettings::keyLanguage), QStringLiteral("en"));
        const ToolRun help = runTool(program(), {QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        const QString helpText = QString::fromUtf8(help.out);
        QVERIFY2(helpText.contains(QLatin1String("[FILE...]")), qPrintable(helpText));
        QVERIFY2(helpText.contains(QLatin1String("PDF files to open")), qPrintable(helpText));

        // In German the text comes from the staged translations.
        AppSettings::open()->setValue(QLatin1String(AppSettings::keyLanguage), QStringLiteral("de"));
        const ToolRun german = runTool(program(), {QStringLiteral("--help")});
        AppSettings::open()->remove(QLatin1String(AppSettings::keyLanguage));
        QCOMPARE(german.exitCode, 0);
        QVERIFY2(QString::fromUtf8(german.out).contains(QStringLiteral("Zu öffnende PDF-Dateien")), german.out.constData());

        const ToolRun wrong = runTool(program(), {QStringLiteral("--no-such-option")});
        QCOMPARE(wrong.exitCode, 2);
        QVERIFY2(wrong.err.contains("no-such-option") && wrong.err.contains("--help"), wrong.err.constData());
    }

    void installedProgramStartsAndNamesFilesItCannotOpen()
    {
        const QString pdf = m_dir.filePath(QStringLiteral("present.pdf"));
        QVERIFY(TestPdf::writeNumbered(pdf, 2));
        const QString text = m_dir.filePath(QStringLiteral("notes.pdf"));
        QFile notes(text);
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("plain text, not a document\n");
        notes.close();
        const QString missing = m_dir.filePath(QStringLiteral("gone.pdf"));

        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.start(program(), {pdf, missing, text});
        QVERIFY(process.waitForStarted(10000));
        QByteArray err;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 30000 && !(err.contains("gone.pdf") && err.contains("notes.pdf"))) {
            process.waitForReadyRead(500);
            err += process.readAllStandardError();
        }
        QVERIFY2(err.contains("gone.pdf does not exist."), err.constData());
        QVERIFY2(err.contains("notes.pdf is not a PDF file."), err.constData());
        QVERIFY2(!err.contains("present.pdf does") && !err.contains("present.pdf is"), err.constData());
        // Past the splash screen the window is up: the program keeps running.
        QTest::qWait(4500);
        QCOMPARE(process.state(), QProcess::Running);
        process.kill();
        process.waitForFinished(5000);
    }

    void lookupFindsTheStagedWorkerAndTranslations()
    {
        const QString bin = staged(QStringLiteral("bin"));
        QCOMPARE(InstallLayout::workerProgram(bin), staged(QStringLiteral("libexec/sheafwright/pdfworker")));
        QCOMPARE(InstallLayout::translationsDirectory(bin), staged(QStringLiteral("share/sheafwright/translations")));

        // Beside the program comes first (the build folder, Windows); with
        // neither, the path beside the program names what is missing.
        QTemporaryDir other;
        QVERIFY(QDir(other.path()).mkpath(QStringLiteral("translations")));
        QFile worker(other.filePath(QStringLiteral("pdfworker")));
        QVERIFY(worker.open(QIODevice::WriteOnly));
        worker.close();
        QCOMPARE(InstallLayout::workerProgram(other.path()), other.filePath(QStringLiteral("pdfworker")));
        QCOMPARE(InstallLayout::translationsDirectory(other.path()), other.filePath(QStringLiteral("translations")));
        QTemporaryDir empty;
        QCOMPARE(InstallLayout::workerProgram(empty.path()), empty.filePath(QStringLiteral("pdfworker")));
    }

    void testProgramsLiveApartFromTheProgram()
    {
        QVERIFY(QDir(QCoreApplication::applicationDirPath()) != QDir(TestPaths::binDir()));
        // ... and still find the built worker and translations.
        QCOMPARE(InstallLayout::workerProgram(), TestPaths::workerPath());
        QVERIFY(QFileInfo::exists(InstallLayout::translationsDirectory() + QStringLiteral("/leafcut_de.qm")));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
