#pragma once

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>
#include <QtTest>

// Paths the tests share: fixtures of other producers, the built executables.
namespace TestPaths {

inline QString fixturesDir() { return QStringLiteral(SW_FIXTURES_DIR); }
inline QString binDir() { return QStringLiteral(SW_BIN_DIR); }
inline QString sourceDir() { return QStringLiteral(SW_SOURCE_DIR); }
inline QString buildDir() { return QStringLiteral(SW_BUILD_DIR); }
inline QString workerPath() { return binDir() + QStringLiteral("/pdfworker"); }

// A shared fixture by file name; a missing fixture fails the calling test.
inline QString fixture(const QString &name)
{
    const QString path = fixturesDir() + QLatin1Char('/') + name;
    if (!QFileInfo::exists(path))
        qFatal("missing fixture %s", qPrintable(path));
    return path;
}

// The full path of a program a test starts, or empty when it is not
// installed. Every such program comes from scripts/packages.txt; use it
// through SW_REQUIRE_PROGRAM so a missing one fails the test by name.
inline QString program(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}

// A real manual nobody here made: the English auto-multiple-choice manual
// (101 pages; an outline of three levels whose entries go to named
// destinations, several to the same page), from the Debian package
// auto-multiple-choice-doc-pdf that scripts/packages.txt installs.
inline QString realManual()
{
    const QString path = QStringLiteral("/usr/share/doc/auto-multiple-choice/auto-multiple-choice.en.pdf");
    if (!QFileInfo::exists(path))
        qFatal("missing %s: install the package auto-multiple-choice-doc-pdf (scripts/packages.txt)", qPrintable(path));
    return path;
}

} // namespace TestPaths

// Fails the calling test, naming the program, when it is not installed.
#define SW_REQUIRE_PROGRAM(name)                                                                        \
    QVERIFY2(!TestPaths::program(QStringLiteral(name)).isEmpty(),                                       \
             "the program \"" name "\" is not installed (scripts/install-deps.sh installs it)")
