#include "TestPaths.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QtTest>

// The programs the tests and benchmarks start must be installed by the
// project's own scripts: on a fresh machine nothing else is there. This
// finds every program named where a test starts one and fails, naming it,
// when it is not installed or its package is not in scripts/packages.txt.
class TestTestPrograms : public QObject
{
    Q_OBJECT

    // The Debian package of each program the tests may start.
    const QHash<QString, QString> m_packageOf = {
        {QStringLiteral("qpdf"), QStringLiteral("qpdf")},
        {QStringLiteral("pdfinfo"), QStringLiteral("poppler-utils")},
        {QStringLiteral("pdftotext"), QStringLiteral("poppler-utils")},
        {QStringLiteral("pdftoppm"), QStringLiteral("poppler-utils")},
        {QStringLiteral("mutool"), QStringLiteral("mupdf-tools")},
        {QStringLiteral("rsvg-convert"), QStringLiteral("librsvg2-bin")},
        {QStringLiteral("Xvfb"), QStringLiteral("xvfb")},
        {QStringLiteral("dbus-launch"), QStringLiteral("dbus-x11")},
        {QStringLiteral("desktop-file-validate"), QStringLiteral("desktop-file-utils")},
        {QStringLiteral("appstreamcli"), QStringLiteral("appstream")},
        {QStringLiteral("readelf"), QStringLiteral("binutils")},
        {QStringLiteral("file"), QStringLiteral("file")},
        {QStringLiteral("dpkg-shlibdeps"), QStringLiteral("dpkg-dev")},
        {QStringLiteral("groff"), QStringLiteral("groff-base")},
        {QStringLiteral("gzip"), QStringLiteral("gzip")},
        {QStringLiteral("img2pdf"), QStringLiteral("img2pdf")},
        // essential: on every Debian system
        {QStringLiteral("bash"), QString()},
        {QStringLiteral("sh"), QString()},
        {QStringLiteral("ldd"), QString()},
        {QStringLiteral("dpkg"), QString()},
        {QStringLiteral("dpkg-deb"), QString()},
        {QStringLiteral("dpkg-query"), QString()},
    };

    static QStringList listedPackages()
    {
        QFile file(TestPaths::sourceDir() + QStringLiteral("/scripts/packages.txt"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList packages;
        for (const QByteArray &line : file.readAll().split('\n')) {
            const QString name = QString::fromUtf8(line).trimmed();
            if (!name.isEmpty() && !name.startsWith(QLatin1Char('#')))
                packages << name;
        }
        return packages;
    }

    // Program names given as literals where a process is started, or where
    // a test looks a program up (the tests' tool() helpers).
    static QMap<QString, QString> startedPrograms()
    {
        static const QRegularExpression started(QStringLiteral(
            "\\b(?:start|execute|run|runTool|startDetached|tool|findExecutable|program|SW_REQUIRE_PROGRAM)\\(\\s*"
            "(?:QStringLiteral\\(|QString\\(|QLatin1String\\()?\\s*\"([A-Za-z0-9_.+-]+)\""));
        QMap<QString, QString> programs;   // name -> first file naming it
        for (const QString &folder : {QStringLiteral("/tests"), QStringLiteral("/bench")}) {
            QDirIterator it(TestPaths::sourceDir() + folder, {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                            QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile file(it.next());
                if (!file.open(QIODevice::ReadOnly))
                    continue;
                auto matches = started.globalMatch(QString::fromUtf8(file.readAll()));
                while (matches.hasNext()) {
                    const QString name = matches.next().captured(1);
                    if (!programs.contains(name))
                        programs.insert(name, QFileInfo(file.fileName()).fileName());
                }
            }
        }
        return programs;
    }

private slots:
    void everyStartedProgramIsInstalledByTheProject()
    {
        const QStringList packages = listedPackages();
        QVERIFY2(!packages.isEmpty(), "scripts/packages.txt is missing or empty");
        const QMap<QString, QString> programs = startedPrograms();
        QVERIFY2(programs.contains(QStringLiteral("qpdf")), "the scan found no started program: it is broken");
        for (auto it = programs.constBegin(); it != programs.constEnd(); ++it) {
            const QString &name = it.key();
            QVERIFY2(m_packageOf.contains(name),
                     qPrintable(QStringLiteral("%1 starts \"%2\", which comes from no package listed here")
                                    .arg(it.value(), name)));
            const QString package = m_packageOf.value(name);
            QVERIFY2(package.isEmpty() || packages.contains(package),
                     qPrintable(QStringLiteral("\"%1\" (package %2) is not in scripts/packages.txt").arg(name, package)));
            QVERIFY2(!TestPaths::program(name).isEmpty(),
                     qPrintable(QStringLiteral("the program \"%1\" is not installed (scripts/install-deps.sh "
                                               "installs it)").arg(name)));
        }
    }
};

QTEST_GUILESS_MAIN(TestTestPrograms)
#include "tst_testprograms.moc"
