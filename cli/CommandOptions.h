#pragma once

#include "merge/DocumentProperties.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <memory>

class SessionFolder;

// What split and merge share on their command lines: the information and
// protection of the files they write, where the passwords of protected
// inputs come from, and how they report (--json, --verbose, --help).
// Passwords never come from the arguments themselves.
class CommandOptions
{
    Q_DECLARE_TR_FUNCTIONS(CommandOptions)
public:
    // Adds the shared options to parser (which must outlive this object).
    explicit CommandOptions(QCommandLineParser &parser);
    ~CommandOptions();

    // After a successful parse: takes the values, reads the password files
    // and asks for the protection password where the options say so. False
    // with *problem (bad usage, exit code 2) when they cannot be had.
    bool read(QString *problem);

    bool helpWanted() const;
    bool json() const { return m_json; }
    bool verbose() const { return m_verbose; }
    // With --repair: a folder of this run (made at the first call, removed
    // with this object) for repaired copies of unreadable inputs; empty
    // without --repair or when it cannot be made.
    QString repairFolder();
    // Open passwords to try on protected inputs, in the order given.
    QStringList inputPasswords() const { return m_inputPasswords; }

    // What the outputs carry: the program's defaults
    // (DocumentProperties::programDefaults with the "Publisher" setting),
    // with the title and author given here, and the protection password.
    DocumentProperties properties() const;

    // The help of command: parser's text with its first line replaced by usage.
    static QString helpText(const QCommandLineParser &parser, const QString &usage);
    // Tells bad usage of command on standard error, with the way to its
    // help; returns the exit code for it (2).
    static int usageError(const QString &command, const QString &problem);
    // The same for a command line that is well formed but does not fit the
    // files it names (no bookmarks, a missing password): no help hint.
    static int refusal(const QString &command, const QString &problem);

private:
    bool readInputPasswords(QString *problem);
    bool readProtection(QString *problem);

    QCommandLineParser &m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_title;
    QCommandLineOption m_author;
    QCommandLineOption m_passwordFile;
    QCommandLineOption m_passwordStdin;
    QCommandLineOption m_protect;
    QCommandLineOption m_protectFile;
    QCommandLineOption m_jsonOption;
    QCommandLineOption m_verboseOption;
    QCommandLineOption m_repairOption;
    std::unique_ptr<SessionFolder> m_repairs;

    bool m_json = false;
    bool m_verbose = false;
    bool m_repair = false;
    QStringList m_inputPasswords;
    QString m_protection;
};
