#pragma once

#include <QString>

// Where the program finds its companion files: the worker executable and the
// compiled translations. In the build folder (and on Windows) both sit beside
// the program. An installed program finds the worker in its private libexec
// folder and the translations in its share folder, both reached by a path
// relative to the program's own folder, so an installation works under any
// prefix and from a staging folder. GUI-free; the program, the launchers and
// the tests share it.
class InstallLayout
{
public:
    // The worker to start: "pdfworker" ("pdfworker.exe" on Windows) beside
    // the program when it is there, else in the private libexec folder when it
    // is there, else the path beside the program (so a failure names it).
    // Native separators.
    static QString workerProgram();
    static QString workerProgram(const QString &programFolder);

    // The folder of the "leafcut_<code>.qm" files: "translations" beside the
    // program when it exists, else the installed share folder when it exists,
    // else the folder beside the program. Forward slashes.
    static QString translationsDirectory();
    static QString translationsDirectory(const QString &programFolder);

    // The folder the program runs from: the one set with setProgramFolder(),
    // else the running executable's folder.
    static QString programFolder();
    // For executables that live apart from the program they work with (the
    // test programs): look for companion files as if running from folder.
    // An empty folder goes back to the executable's own folder.
    static void setProgramFolder(const QString &folder);

    // The install's folders relative to the folder of the installed program.
    static QString libexecFromProgram();
    static QString translationsFromProgram();
};
