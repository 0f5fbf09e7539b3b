#include "TestPaths.h"
#include "ToolRun.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString tool(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}

// Package names from a Depends field, without versions or alternatives' bars.
QSet<QString> dependencyNames(const QString &depends)
{
    QSet<QString> names;
    for (const QString &clause : depends.split(QLatin1Char(','), Qt::SkipEmptyParts))
        for (const QString &alternative : clause.split(QLatin1Char('|'), Qt::SkipEmptyParts))
            names.insert(alternative.trimmed().section(QLatin1Char(' '), 0, 0).section(QLatin1Char(':'), 0, 0));
    return names;
}

// The Debian packages that hold the shared libraries executable links
// directly (its NEEDED entries, resolved as the loader does).
// The shared libraries executable names itself (its NEEDED entries).
QSet<QString> neededLibraries(const QString &executable)
{
    QSet<QString> needed;
    const ToolRun dynamic = runTool(tool(QStringLiteral("readelf")), {QStringLiteral("-d"), executable});
    static const QRegularExpression neededEntry(QStringLiteral("\\(NEEDED\\)\\s+Shared library: \\[([^\\]]+)\\]"));
    for (auto it = neededEntry.globalMatch(QString::fromUtf8(dynamic.out)); it.hasNext();)
        needed.insert(it.next().captured(1));
    return needed;
}

// Whether executable holds a symbol of that name (static libraries included).
bool hasSymbol(const QString &executable, const QString &symbol)
{
    const ToolRun symbols = runTool(tool(QStringLiteral("readelf")), {QStringLiteral("-sW"), executable});
    return QString::fromUtf8(symbols.out).contains(QLatin1Char(' ') + symbol + QLatin1Char('\n'));
}

QSet<QString> packagesOfLinkedLibraries(const QString &executable)
{
    QSet<QString> needed = neededLibraries(executable);

    QSet<QString> packages;
    const ToolRun ldd = runTool(tool(QStringLiteral("ldd")), {executable});
    static const QRegularExpression resolved(QStringLiteral("^\\s*(\\S+) => (/\\S+)"), QRegularExpression::MultilineOption);
    for (auto it = resolved.globalMatch(QString::fromUtf8(ldd.out)); it.hasNext();) {
        const auto match = it.next();
        if (!needed.remove(match.captured(1)))
            continue;
        const QString library = match.captured(2);
        // With /lib merged into /usr/lib the package may list either name.
        QStringList names{library, QFileInfo(library).canonicalFilePath()};
        for (const QString &name : QStringList(names))
            names << (name.startsWith(QLatin1String("/usr/")) ? name.mid(4) : QStringLiteral("/usr") + name);
        for (const QString &name : names) {
            const ToolRun owner = runTool(tool(QStringLiteral("dpkg-query")), {QStringLiteral("-S"), name});
            if (owner.exitCode == 0) {
                packages.insert(QString::fromUtf8(owner.out).section(QLatin1Char(':'), 0, 0).trimmed());
                break;
            }
        }
    }
    // Every library the executable names was found on this machine.
    if (!needed.isEmpty())
        packages.insert(QStringLiteral("unresolved: ") + QStringList(needed.values()).join(QLatin1Char(' ')));
    return packages;
}

} // namespace

// scripts/package.sh's package, made by CPack from the build: its fields,
// its dependencies (those of the libraries the executables link, found by
// dpkg-shlibdeps rather than written by hand) and its file list.
class TestPackage : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_deb;

    QString field(const QString &name)
    {
        const ToolRun f = runTool(tool(QStringLiteral("dpkg-deb")), {QStringLiteral("-f"), m_deb, name});
        return QString::fromUtf8(f.out).simplified();
    }

private slots:
    void initTestCase()
    {
        for (const char *needed : {"dpkg-deb", "dpkg-shlibdeps", "dpkg-query", "file", "ldd", "readelf"})
            QVERIFY2(!tool(QString::fromLatin1(needed)).isEmpty(),
                     qPrintable(QStringLiteral("%1 is missing: install the packages of scripts/packages.txt").arg(QLatin1String(needed))));
        // Uncompressed: the same package in seconds instead of minutes.
        const ToolRun cpack = runTool(QStringLiteral(SW_CPACK_COMMAND),
                              {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                               TestPaths::buildDir() + QStringLiteral("/CPackConfig.cmake"),
                               QStringLiteral("-D"), QStringLiteral("CPACK_DEBIAN_COMPRESSION_TYPE=none"),
                               QStringLiteral("-B"), m_dir.path()});
        QVERIFY2(cpack.exitCode == 0, (cpack.out + cpack.err).constData());
        const QStringList debs = QDir(m_dir.path()).entryList({QStringLiteral("sheafwright_*.deb")}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        m_deb = m_dir.filePath(debs.first());
    }

    void fieldsNameTheProgram()
    {
        QCOMPARE(field(QStringLiteral("Package")), QStringLiteral("sheafwright"));
        QCOMPARE(field(QStringLiteral("Version")), QStringLiteral("2.0.10"));
        const ToolRun arch = runTool(tool(QStringLiteral("dpkg")), {QStringLiteral("--print-architecture")});
        QCOMPARE(field(QStringLiteral("Architecture")), QString::fromUtf8(arch.out).trimmed());
        QVERIFY(m_deb.endsWith(QStringLiteral("sheafwright_2.0.10_%1.deb").arg(QString::fromUtf8(arch.out).trimmed())));
        QVERIFY(!field(QStringLiteral("Description")).isEmpty());
    }

    void dependsOnThePackagesOfEveryLinkedLibrary()
    {
        const QSet<QString> depends = dependencyNames(field(QStringLiteral("Depends")));
        QSet<QString> linked = packagesOfLinkedLibraries(TestPaths::binDir() + QStringLiteral("/sheafwright"));
        linked.unite(packagesOfLinkedLibraries(TestPaths::workerPath()));
        // At least Qt, qpdf and the C library: the link really was read.
        QVERIFY2(linked.size() >= 5, qPrintable(QStringList(linked.values()).join(QLatin1Char(' '))));
        for (const QString &package : linked) {
            const QString name = package.section(QLatin1Char(':'), 0, 0);
            QVERIFY2(depends.contains(name),
                     qPrintable(QStringLiteral("%1 missing from Depends: %2").arg(name, field(QStringLiteral("Depends")))));
        }
    }

    // The worker does structure only: it carries neither MuPDF (linked
    // statically, so looked for among the symbols) nor Qt's GUI libraries,
    // while the program that renders carries both.
    void workerCarriesNoRenderingOrWidgets()
    {
        const QString program = TestPaths::binDir() + QStringLiteral("/sheafwright");
        QVERIFY(hasSymbol(program, QStringLiteral("fz_new_context_imp")));
        QVERIFY(neededLibraries(program).contains(QStringLiteral("libQt5Gui.so.5")));
        QVERIFY(!hasSymbol(TestPaths::workerPath(), QStringLiteral("fz_new_context_imp")));
        const QSet<QString> needed = neededLibraries(TestPaths::workerPath());
        const QStringList names = needed.values();
        QVERIFY2(!names.filter(QRegularExpression(QStringLiteral("^libqpdf\\.so"))).isEmpty(),
                 qPrintable(names.join(QLatin1Char(' '))));
        for (const QString &library : needed)
            QVERIFY2(!library.startsWith(QLatin1String("libQt5Gui")) && !library.startsWith(QLatin1String("libQt5Widgets")),
                     qPrintable(library));
    }

    void holdsTheInstalledTreeAndNoTestProgram()
    {
        const ToolRun list = runTool(tool(QStringLiteral("dpkg-deb")), {QStringLiteral("--contents"), m_deb});
        QCOMPARE(list.exitCode, 0);
        QStringList files;
        for (const QString &line : QString::fromUtf8(list.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            if (line.startsWith(QLatin1Char('-')))
                files << line.section(QLatin1Char(' '), -1);
        QVERIFY(files.contains(QStringLiteral("./usr/bin/sheafwright")));
        QVERIFY(files.contains(QStringLiteral("./usr/libexec/sheafwright/pdfworker")));
        QVERIFY(files.contains(QStringLiteral("./usr/share/applications/org.sheafwright.Sheafwright.desktop")));
        QVERIFY(files.contains(QStringLiteral("./usr/share/metainfo/org.sheafwright.Sheafwright.metainfo.xml")));
        QVERIFY(files.contains(QStringLiteral("./usr/share/icons/hicolor/scalable/apps/org.sheafwright.Sheafwright.svg")));
        QVERIFY(files.contains(QStringLiteral("./usr/share/sheafwright/translations/leafcut_de.qm")));
        QVERIFY(files.contains(QStringLiteral("./usr/share/man/man1/sheafwright.1")));
        QVERIFY(files.contains(QStringLiteral("./usr/share/bash-completion/completions/sheafwright")));
        for (const char *action : {"merge", "split"}) {
            QVERIFY(files.contains(QStringLiteral("./usr/share/kio/servicemenus/sheafwright-%1.desktop").arg(QLatin1String(action))));
            QVERIFY(files.contains(QStringLiteral("./usr/share/nemo/actions/sheafwright-%1.nemo_action").arg(QLatin1String(action))));
        }
        static const QRegularExpression testProgram(QStringLiteral("/(unit|gui|e2e|fuzz|bench)_[a-z]+$"));
        for (const QString &file : files)
            QVERIFY2(!testProgram.match(file).hasMatch(), qPrintable(file));
    }
};

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
