#include "app/CommandLine.h"

#include "app/AppSettings.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {

// A PDF starts with "%PDF-"; readers accept it anywhere in the first 1024
// bytes, since some producers put a few bytes in front of it.
constexpr qint64 headerWindow = 1024;

bool hasPdfHeader(QFile &file)
{
    return file.read(headerWindow).contains("%PDF-");
}

} // namespace

CommandLine::CommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Splits and merges PDF files. One PDF file opens on the split screen; "
           "several go to the merge list in the order given. Without a window: "
           "\"sheafwright split --help\" and \"sheafwright merge --help\"."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     tr("Displays version information."));
    parser.addOption(version);
    // Read before the application starts (Logger::verboseRequested); listed
    // here so that it is known and shown in the help.
    parser.addOption(QCommandLineOption(QStringLiteral("verbose"),
                                       tr("Writes trace messages to standard error (they always go to the log "
                                          "file). SHEAFWRIGHT_DEBUG=1 does the same.")));
    parser.addPositionalArgument(QStringLiteral("FILE"), tr("PDF files to open."),
                                 QStringLiteral("[FILE...]"));
    m_helpText = parser.helpText();

    if (!parser.parse(arguments)) {
        m_outcome = Error;
        m_errorText = parser.errorText();
        return;
    }
    // "--help-all" comes with the help option; our own options are all there is to show.
    if (parser.isSet(help) || parser.optionNames().contains(QStringLiteral("help-all"))) {
        m_outcome = ShowHelp;
        return;
    }
    if (parser.isSet(version)) {
        m_outcome = ShowVersion;
        return;
    }
    for (const QString &argument : parser.positionalArguments()) {
        // A file manager may hand over a file address instead of a path.
        const QUrl url(argument);
        const QString local = url.isLocalFile() ? url.toLocalFile() : argument;
        const QString path = QFileInfo(local).absoluteFilePath();
        const QString problem = problemWith(path);
        if (problem.isEmpty())
            m_files.append(path);
        else
            m_problems.append(problem);
    }
}

QString CommandLine::versionText()
{
    return QStringLiteral("Sheafwright %1").arg(QLatin1String(AppSettings::version));
}

QString CommandLine::problemWith(const QString &path)
{
    const QFileInfo info(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!info.exists())
        return tr("%1 does not exist.").arg(shown);
    if (info.isDir())
        return tr("%1 is a folder, not a PDF file.").arg(shown);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return tr("%1 cannot be read.").arg(shown);
    if (!hasPdfHeader(file))
        return tr("%1 is not a PDF file.").arg(shown);
    return QString();
}
