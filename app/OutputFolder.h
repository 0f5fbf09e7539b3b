#pragma once

#include <QCoreApplication>
#include <QString>

// Makes sure a folder that results are about to be written into exists,
// creating it and its missing parents when needed, and says in the user's
// words why it cannot be used when it cannot. GUI-free.
class OutputFolder
{
    Q_DECLARE_TR_FUNCTIONS(OutputFolder)
public:
    // True when path is (now) an existing folder this user may write into.
    // Otherwise false, and *problem (when given) names the folder that is in
    // the way and why: a file of that name, no permission, or a failure of
    // the file system. Costs a few file-system queries and one mkpath.
    static bool ensure(const QString &path, QString *problem = nullptr);
};
