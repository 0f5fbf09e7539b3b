#include "cli/CliMerge.h"

#include "app/CommandLine.h"
#include "app/OutputFolder.h"
#include "cli/CommandOptions.h"
#include "cli/InputDocument.h"
#include "cli/InterruptNotifier.h"
#include "cli/PasswordInput.h"
#include "cli/RunReport.h"
#include "cli/TerminalProgress.h"
#include "merge/MergeLauncher.h"
#include "pdf/DebenuService.h"
#include "protocol/OutcomeText.h"
#include "protocol/PageEntry.h"
#include "protocol/WorkerCode.h"

#include <QDebug>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>

#include <cstdio>

namespace {

const QString command = QStringLiteral("merge");

} // namespace

CliMerge::CliMerge(std::shared_ptr<DebenuService> service, InterruptNotifier *interrupts)
    : m_service(std::move(service))
    , m_interrupts(interrupts)
    , m_output({QStringLiteral("o"), QStringLiteral("output")},
               tr("Writes the merged file as OUTPUT (its folder is made when missing); an existing file is never "
                  "replaced."),
               QStringLiteral("OUTPUT"))
    , m_interleave(QStringLiteral("interleave"),
                   tr("Takes one page from each file in turn (scans of front sides and of back sides become one "
                      "document)."))
    , m_reverseLast(QStringLiteral("reverse-last"),
                    tr("With --interleave: takes the last file's pages from its end (back sides scanned in reverse "
                       "order)."))
    , m_blankAfterOdd(QStringLiteral("blank-after-odd"),
                      tr("Adds a blank page after every file with an odd number of pages but the last, so that each "
                         "file starts on a front side when printed on both sides."))
{
    m_parser.setApplicationDescription(
        tr("Merges PDF files into one, in the order given, without opening a window. Bookmarks, links and named "
           "destinations of every file keep working in the merged file."));
    m_parser.addPositionalArgument(QStringLiteral("FILE"),
                                   tr("The PDF files to merge, at least two. FILE:PAGES takes only those pages of "
                                      "FILE, in the order given (for example report.pdf:1-3,7,10-)."),
                                   QStringLiteral("FILE[:PAGES]..."));
    m_parser.addOptions({m_output, m_interleave, m_reverseLast, m_blankAfterOdd});
    m_common = std::make_unique<CommandOptions>(m_parser);
}

CliMerge::~CliMerge() = default;

bool CliMerge::outputPath(QString *path, QString *problem) const
{
    if (!m_parser.isSet(m_output) || m_parser.value(m_output).trimmed().isEmpty()) {
        *problem = tr("Name the merged file with -o OUTPUT.");
        return false;
    }
    const QFileInfo output(m_parser.value(m_output));
    if (output.exists() || output.isSymLink()) {
        *problem = tr("%1 exists already, and a merge never replaces a file: choose another name.")
                       .arg(QDir::toNativeSeparators(output.absoluteFilePath()));
        return false;
    }
    *path = output.absoluteFilePath();
    return true;
}

bool CliMerge::tasksFor(const InputList &inputs, MergeTaskList *tasks, RunReport &report, QString *problem) const
{
    QStringList locked;
    QStringList badPages;
    for (const Input &input : inputs) {
        const QString &path = input.path;
        const InputDocument document = InputDocument::open(*m_service, path, m_common->inputPasswords(),
                                                           PasswordInput::canAsk(), m_common->repairFolder());
        if (!document.repairNote().isEmpty())
            std::fprintf(stderr, "sheafwright merge: %s\n", qPrintable(document.repairNote()));
        if (InterruptNotifier::wasInterrupted())
            return false;
        if (document.state == InputDocument::Locked) {
            locked << document.problem();
            continue;
        }
        if (document.state != InputDocument::Opened) {
            report.addLeftOut(path, document.reason(), document.problem() + QLatin1Char(' ') + tr("It was left out."));
            continue;
        }
        const PageEntry::Result pages = PageEntry::parseList(input.pages, document.pageCount);
        if (!input.pages.trimmed().isEmpty() && !pages.isAccepted()) {
            badPages << QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), PageEntry::message(pages));
            continue;
        }
        MergeTask task;
        task.fullPath = document.path;
        task.pages = input.pages.trimmed();
        task.password = document.password;
        task.hasPassword = !document.password.isEmpty();
        task.hasSecurity = document.encrypted;
        task.pageCount = document.pageCount;
        task.order = tasks->size();
        tasks->append(task);
    }
    *problem = (locked + badPages).join(QLatin1Char('\n'));
    return problem->isEmpty();
}

CliMerge::Input CliMerge::inputOf(const QString &argument)
{
    const int colon = argument.lastIndexOf(QLatin1Char(':'));
    const QFileInfo whole(argument);
    if (colon > 0 && !whole.exists() && QFileInfo(argument.left(colon)).isFile())
        return {QFileInfo(argument.left(colon)).absoluteFilePath(), argument.mid(colon + 1)};
    return {whole.absoluteFilePath(), QString()};
}

// The inputs in merge order, each one argument, when all are PDF files;
// else *problem names every one that is not.
CliMerge::InputList CliMerge::inputPaths(QString *problem) const
{
    InputList inputs;
    QStringList unusable;
    for (const QString &argument : m_parser.positionalArguments()) {
        const Input input = inputOf(argument);
        const QString why = CommandLine::problemWith(input.path);
        if (why.isEmpty())
            inputs << input;
        else
            unusable << why;
    }
    if (!unusable.isEmpty())
        *problem = unusable.join(QLatin1Char('\n'));
    else if (inputs.size() < 2)
        *problem = tr("Name at least two PDF files to merge.");
    return inputs;
}

bool CliMerge::readLayout(MergeRequest *request, QString *problem) const
{
    request->interleave = m_parser.isSet(m_interleave);
    request->interleaveReverseLast = m_parser.isSet(m_reverseLast);
    request->blankAfterOdd = m_parser.isSet(m_blankAfterOdd);
    if (request->interleaveReverseLast && !request->interleave)
        *problem = tr("--reverse-last reverses the last file of an interleaved merge: add --interleave.");
    else if (request->interleave && request->blankAfterOdd)
        *problem = tr("--interleave and --blank-after-odd cannot go together: interleaved pages leave no file to "
                      "start on a front side.");
    return problem->isEmpty();
}

// The output and the inputs, when the command line is well formed; else the exit code.
bool CliMerge::readCommandLine(const QStringList &arguments, QString *output, InputList *inputs, int *exitCode)
{
    if (!m_parser.parse(arguments)) {
        *exitCode = CommandOptions::usageError(command, m_parser.errorText());
        return false;
    }
    if (m_common->helpWanted()) {
        const QString usage = tr("Usage: sheafwright merge [options] -o OUTPUT FILE[:PAGES]...");
        std::fputs(qPrintable(CommandOptions::helpText(m_parser, usage)), stdout);
        *exitCode = WorkerCode::Success;
        return false;
    }
    QString problem;
    MergeRequest layoutOnly;
    if (readLayout(&layoutOnly, &problem) && outputPath(output, &problem)) {
        *inputs = inputPaths(&problem);
        if (problem.isEmpty())
            m_common->read(&problem);
    }
    if (problem.isEmpty())
        return true;
    // Ctrl-C at the protection password's prompt stops; it is no mistake.
    *exitCode = InterruptNotifier::wasInterrupted() ? int(WorkerCode::Canceled)
                                                    : CommandOptions::usageError(command, problem);
    return false;
}

int CliMerge::run(const QStringList &arguments)
{
    int exitCode = WorkerCode::Success;
    QString output;
    InputList inputs;
    if (!readCommandLine(arguments, &output, &inputs, &exitCode))
        return exitCode;
    RunReport report(command);
    MergeRequest request;
    QString problem;
    readLayout(&request, &problem);
    const bool allOpen = tasksFor(inputs, &request.tasks, report, &problem);
    if (InterruptNotifier::wasInterrupted())
        return WorkerCode::Canceled;
    if (!allOpen || (!request.tasks.isEmpty() && !OutputFolder::ensure(QFileInfo(output).absolutePath(), &problem)))
        return CommandOptions::refusal(command, problem);
    if (request.tasks.isEmpty()) {
        report.setOutcome(WorkerCode::NothingProduced, tr("No file could be merged: none of them can be read."));
    } else {
        request.setProperties(m_common->properties());
        request.saveFileName = output;
        execute(request, report);
    }
    report.print(m_common->json());
    return report.exitCode();
}

void CliMerge::execute(const MergeRequest &request, RunReport &report)
{
    MergeLauncher launcher;
    TerminalProgress progress;
    QEventLoop loop;
    QObject::connect(&launcher, &MergeLauncher::finished, &loop, [&loop] { loop.quit(); });
    QObject::connect(m_interrupts, &InterruptNotifier::interrupted, &launcher, &MergeLauncher::cancel);
    qDebug() << Q_FUNC_INFO << "Merge of" << request.tasks.size() << "files into" << request.saveFileName;
    launcher.setRequest(request);
    // The merge tells no progress of its own: a line says what is under way.
    progress.show(-1, tr("Merging %n file(s) into %1...", nullptr, request.tasks.size())
                          .arg(QFileInfo(request.saveFileName).fileName()));
    launcher.run();
    loop.exec();
    progress.clear();

    WorkerOutcome outcome = launcher.outcome();
    if (outcome.succeeded() && outcome.written.isEmpty())
        outcome.code = WorkerCode::NothingProduced;
    const OutcomeText words(OutcomeText::Merge, QFileInfo(request.saveFileName).absolutePath());
    for (const WorkerOutcome::LeftOut &entry : outcome.leftOut)
        report.addLeftOut(entry.item, entry.reason, words.leftOutLine(entry) + QLatin1Char(' ') + tr("It was left out."));
    if (!outcome.succeeded()) {
        // The inputs left out are told one by one above.
        WorkerOutcome told = outcome;
        told.leftOut.clear();
        report.setOutcome(outcome.code, words.failure(told));
        return;
    }
    const QString merged = outcome.files().constFirst();
    const QString protection = request.properties().protectionPassword();
    report.addFile(merged, InputDocument::open(*m_service, merged, {protection}, false).pageCount,
                   outcome.written.constFirst().renamed);
    report.setNotes(words.notes(outcome));
    const QString shown = QDir::toNativeSeparators(merged);
    if (report.leftOut().isEmpty())
        report.setSummary(tr("%n file(s) merged into %1.", nullptr, request.tasks.size()).arg(shown));
    else
        report.setOutcome(outcome.code, tr("%1 was written without the %n file(s) left out.", nullptr,
                                           report.leftOut().size()).arg(shown));
}
