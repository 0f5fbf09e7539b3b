#pragma once

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QStringList>

// Folders of a test run: made empty, listed whole.
namespace TestFolders {

// parent/name, emptied (or made) for this case; native separators.
inline QString fresh(const QString &parent, const QString &name)
{
    const QString path = QDir(parent).filePath(name);
    QDir(path).removeRecursively();
    QDir().mkpath(path);
    return QDir::toNativeSeparators(path);
}

// Every entry of a folder, hidden ones included, by name.
inline QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// The file names of paths, sorted (to compare with entries()).
inline QStringList namesOf(const QStringList &paths)
{
    QStringList names;
    for (const QString &path : paths)
        names << QFileInfo(path).fileName();
    names.sort();
    return names;
}

} // namespace TestFolders
