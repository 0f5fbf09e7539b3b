#pragma once

#include <QDir>
#include <QFileInfo>
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

} // namespace TestPaths
