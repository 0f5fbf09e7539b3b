#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The window's command line: "sheafwright [FILE...]" with --help and
// --version. Files that are missing, unreadable or not PDFs are left out of
// files() with one message each in problems(), so the rest still opens.
// (The commands "sheafwright split" and "sheafwright merge" are cli/Cli's.)
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum Outcome {
        Run,         // start the program with files()
        ShowHelp,    // print helpText() and stop
        ShowVersion, // print versionText() and stop
        Error        // print errorText() and the help hint, stop with failure
    };

    // arguments: the whole command line, the program name first.
    explicit CommandLine(const QStringList &arguments);

    Outcome outcome() const { return m_outcome; }
    // The usable PDF files in the order given, as absolute paths.
    QStringList files() const { return m_files; }
    // One sentence per file that was left out, in the order given.
    QStringList problems() const { return m_problems; }

    QString helpText() const { return m_helpText; }
    QString errorText() const { return m_errorText; }
    static QString versionText();

    // Why path cannot be opened as a PDF (empty when it can): missing, a
    // folder, unreadable, or without a PDF header near its start.
    static QString problemWith(const QString &path);

private:
    Outcome m_outcome = Run;
    QStringList m_files;
    QStringList m_problems;
    QString m_helpText;
    QString m_errorText;
};
