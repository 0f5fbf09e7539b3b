#include "cli/CommandOptions.h"

#include "app/AppSettings.h"
#include "app/FileUtils.h"
#include "cli/PasswordInput.h"
#include "protocol/SessionFolder.h"
#include "protocol/WorkerCode.h"

#include <QLoggingCategory>

#include <cstdio>

namespace {

constexpr int promptTries = 3;
const QString standardInput = QStringLiteral("-");

} // namespace

CommandOptions::CommandOptions(QCommandLineParser &parser)
    : m_parser(parser)
    , m_help({QStringLiteral("h"), QStringLiteral("help")}, tr("Shows this help."))
    , m_title(QStringLiteral("title"), tr("Writes TEXT as the title of the new files."), QStringLiteral("TEXT"))
    , m_author(QStringLiteral("author"), tr("Writes TEXT as the author of the new files."), QStringLiteral("TEXT"))
    , m_passwordFile(QStringLiteral("password-file"),
                     tr("Opens protected files with the passwords in FILE, one per line, each tried in turn "
                        "(\"-\": read them from standard input)."),
                     QStringLiteral("FILE"))
    , m_passwordStdin(QStringLiteral("password-stdin"),
                      tr("Reads the passwords of protected files from standard input, one per line."))
    , m_protect(QStringLiteral("protect"),
                tr("Protects the new files with a password, asked for twice on the terminal."))
    , m_protectFile(QStringLiteral("protect-password-file"),
                    tr("Protects the new files with the password on the first line of FILE "
                       "(\"-\": read it from standard input)."),
                    QStringLiteral("FILE"))
    , m_jsonOption(QStringLiteral("json"),
                   tr("Prints what was written (files, pages, files left out and why) as JSON on standard output."))
    , m_verboseOption(QStringLiteral("verbose"), tr("Prints the program's trace on standard error."))
    , m_repairOption(QStringLiteral("repair"),
                     tr("Works on a copy repaired by MuPDF of a file that cannot be read; the file itself is not "
                        "changed."))
{
    m_parser.addOptions({m_title, m_author, m_passwordFile, m_passwordStdin, m_protect, m_protectFile, m_jsonOption,
                         m_verboseOption, m_repairOption, m_help});
}

bool CommandOptions::helpWanted() const
{
    return m_parser.isSet(m_help);
}

bool CommandOptions::read(QString *problem)
{
    m_json = m_parser.isSet(m_jsonOption);
    m_verbose = m_parser.isSet(m_verboseOption);
    m_repair = m_parser.isSet(m_repairOption);
    // The trace is kept off the terminal unless asked for (the log file
    // has it all the same).
    if (m_verbose)
        QLoggingCategory::setFilterRules(QString());
    const bool passwordsFromInput =
        m_parser.isSet(m_passwordStdin) || m_parser.values(m_passwordFile).contains(standardInput);
    if (passwordsFromInput && m_parser.value(m_protectFile) == standardInput) {
        *problem = tr("Standard input can hold either the passwords of protected files or the protection password, "
                      "not both.");
        return false;
    }
    if (m_parser.isSet(m_protect) && m_parser.isSet(m_protectFile)) {
        *problem = tr("--protect and --protect-password-file both give the protection password: choose one.");
        return false;
    }
    return readInputPasswords(problem) && readProtection(problem);
}

bool CommandOptions::readInputPasswords(QString *problem)
{
    QStringList files = m_parser.values(m_passwordFile);
    if (m_parser.isSet(m_passwordStdin))
        files << standardInput;
    files.removeDuplicates();
    m_inputPasswords.clear();
    for (const QString &file : files) {
        QStringList lines;
        if (!PasswordInput::readLines(file, &lines, problem))
            return false;
        m_inputPasswords << lines;
    }
    return true;
}

bool CommandOptions::readProtection(QString *problem)
{
    m_protection.clear();
    if (m_parser.isSet(m_protectFile)) {
        QStringList lines;
        if (!PasswordInput::readLines(m_parser.value(m_protectFile), &lines, problem))
            return false;
        // Surrounding spaces protect nothing (the service trims them).
        if (lines.isEmpty() || lines.first().trimmed().isEmpty()) {
            *problem = tr("The protection password file %1 holds no password.").arg(m_parser.value(m_protectFile));
            return false;
        }
        m_protection = lines.first();
        return true;
    }
    if (!m_parser.isSet(m_protect))
        return true;
    if (!PasswordInput::canAsk()) {
        *problem = tr("--protect asks for the password on a terminal, and there is none: use "
                      "--protect-password-file instead.");
        return false;
    }
    for (int round = 0; round < promptTries; ++round) {
        QString first;
        QString second;
        if (!PasswordInput::ask(tr("Password for the new files: "), &first)
            || !PasswordInput::ask(tr("The same password again: "), &second))
            break;
        if (first.trimmed().isEmpty()) {
            std::fputs(qPrintable(tr("An empty password protects nothing.") + QLatin1Char('\n')), stderr);
            continue;
        }
        if (first == second) {
            m_protection = first;
            return true;
        }
        std::fputs(qPrintable(tr("The two passwords differ.") + QLatin1Char('\n')), stderr);
    }
    *problem = tr("No protection password was set.");
    return false;
}

DocumentProperties CommandOptions::properties() const
{
    DocumentProperties properties = DocumentProperties::programDefaults(AppSettings::publisher(), m_protection);
    properties.author = m_parser.value(m_author);
    properties.title = m_parser.value(m_title);
    return properties;
}

QString CommandOptions::helpText(const QCommandLineParser &parser, const QString &usage)
{
    QString text = parser.helpText();
    const int lineEnd = text.indexOf(QLatin1Char('\n'));
    return usage + (lineEnd < 0 ? QStringLiteral("\n") : text.mid(lineEnd));
}

int CommandOptions::usageError(const QString &command, const QString &problem)
{
    std::fprintf(stderr, "sheafwright %s: %s\n%s\n", qPrintable(command), qPrintable(problem),
                 qPrintable(tr("Try \"sheafwright %1 --help\" for more information.").arg(command)));
    return WorkerCode::BadArguments;
}

int CommandOptions::refusal(const QString &command, const QString &problem)
{
    std::fprintf(stderr, "sheafwright %s: %s\n", qPrintable(command), qPrintable(problem));
    return WorkerCode::BadArguments;
}

CommandOptions::~CommandOptions() = default;

QString CommandOptions::repairFolder()
{
    if (!m_repair)
        return QString();
    if (!m_repairs)
        m_repairs = std::make_unique<SessionFolder>(FileUtils::cacheDirectory());
    return m_repairs->isValid() ? m_repairs->path() : QString();
}
