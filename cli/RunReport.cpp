#include "cli/RunReport.h"

#include "protocol/WorkerCode.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>
#include <unistd.h>

namespace {

void printLine(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

} // namespace

RunReport::RunReport(const QString &command)
    : m_command(command)
{
}

void RunReport::addLeftOut(const QString &path, const QString &reason, const QString &message)
{
    m_leftOut.append({path, reason, message});
}

void RunReport::setOutcome(int workerCode, const QString &message)
{
    m_workerCode = workerCode;
    m_message = message;
}

int RunReport::exitCode() const
{
    if (m_workerCode != WorkerCode::Success)
        return m_workerCode;
    // The worker finished what it was given, but not everything it was
    // asked for reached it.
    if (!m_leftOut.isEmpty())
        return WorkerCode::Incomplete;
    return WorkerCode::Success;
}

QJsonObject RunReport::toJson() const
{
    QJsonArray files;
    for (const File &file : m_files) {
        QJsonObject entry{{QStringLiteral("path"), QDir::toNativeSeparators(file.path)},
                          {QStringLiteral("pages"), file.pages}};
        if (file.renamed)
            entry.insert(QStringLiteral("renamed"), true);
        files.append(entry);
    }
    QJsonArray leftOut;
    for (const LeftOut &entry : m_leftOut)
        leftOut.append(QJsonObject{{QStringLiteral("path"), QDir::toNativeSeparators(entry.path)},
                                   {QStringLiteral("reason"), entry.reason},
                                   {QStringLiteral("message"), entry.message}});
    QJsonObject object{{QStringLiteral("command"), m_command},
                       {QStringLiteral("exit_code"), exitCode()},
                       {QStringLiteral("files"), files},
                       {QStringLiteral("left_out"), leftOut}};
    if (!m_source.isEmpty())
        object.insert(QStringLiteral("source"), QDir::toNativeSeparators(m_source));
    if (m_requested >= 0)
        object.insert(QStringLiteral("requested"), m_requested);
    if (!m_oversized.isEmpty())
        object.insert(QStringLiteral("oversized"), QJsonArray::fromStringList(m_oversized));
    if (!m_message.isEmpty())
        object.insert(QStringLiteral("message"), m_message);
    return object;
}

void RunReport::print(bool json) const
{
    if (json) {
        std::fputs(QJsonDocument(toJson()).toJson(QJsonDocument::Indented).constData(), stdout);
        std::fflush(stdout);
    }
    const QString prefix = QStringLiteral("sheafwright %1: ").arg(m_command);
    for (const LeftOut &entry : m_leftOut)
        printLine(stderr, prefix + entry.message);
    for (const QString &note : m_notes)
        printLine(stderr, prefix + note);
    if (!m_message.isEmpty())
        printLine(stderr, prefix + m_message);
    else if (!m_summary.isEmpty() && ::isatty(STDERR_FILENO))
        printLine(stderr, m_summary);
}
