#include "cli/CliSplit.h"

#include "app/CommandLine.h"
#include "app/OutputFolder.h"
#include "cli/CommandOptions.h"
#include "cli/InputDocument.h"
#include "cli/InterruptNotifier.h"
#include "cli/PasswordInput.h"
#include "cli/RunReport.h"
#include "cli/TerminalProgress.h"
#include "pdf/DebenuService.h"
#include "protocol/OutcomeText.h"
#include "protocol/PageEntry.h"
#include "protocol/WorkerCode.h"
#include "split/BookmarkParts.h"
#include "split/SplitFactory.h"
#include "split/SplitLauncher.h"

#include <QDebug>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>
#include <cstdio>

namespace {

const QString command = QStringLiteral("split");

// A whole number of at least 1 from an option's value.
bool positiveNumber(const QString &text, int *value)
{
    bool ok = false;
    *value = text.trimmed().toInt(&ok, 10);
    return ok && *value >= 1;
}

// "9MB", "500 kB", "1.5M", "2GiB": a size in kilobytes of 1000 bytes, as the
// split screen counts them (KB and MB of 1000; KiB and MiB of 1024). False
// for anything without a unit or below one kilobyte.
bool parseSize(const QString &text, int *kilobytes)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*([0-9]+(?:[.,][0-9]+)?)\\s*([kmg])(i?)b?\\s*$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    const double number = QString(match.captured(1)).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    const double base = match.captured(3).isEmpty() ? 1000.0 : 1024.0;
    const int power = QStringLiteral("kmg").indexOf(match.captured(2).toLower()) + 1;
    const double bytes = number * std::pow(base, power);
    const double limit = bytes / 1000.0;
    if (limit < 1.0 || limit > double(std::numeric_limits<int>::max()))
        return false;
    *kilobytes = int(limit);
    return true;
}

// Single pages to drop, each once, in page order: the engine reads one page per pair.
QList<QPair<int, int>> singlePages(const QList<QPair<int, int>> &ranges)
{
    QList<int> pages;
    for (const auto &range : ranges)
        for (int page = range.first; page <= range.second; ++page)
            pages.append(page);
    std::sort(pages.begin(), pages.end());
    pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
    QList<QPair<int, int>> result;
    for (int page : pages)
        result.append(qMakePair(page, page));
    return result;
}

} // namespace

CliSplit::CliSplit(std::shared_ptr<DebenuService> service, InterruptNotifier *interrupts)
    : m_service(std::move(service))
    , m_interrupts(interrupts)
    , m_perPage(QStringLiteral("per-page"), tr("Writes one file per page."))
    , m_every(QStringLiteral("every"), tr("Writes one file per N pages."), QStringLiteral("N"))
    , m_start(QStringLiteral("start"), tr("With --every: starts the first group at page K (pages before it are left "
                                          "out)."),
              QStringLiteral("K"), QStringLiteral("1"))
    , m_ranges(QStringLiteral("ranges"), tr("Writes one file per page range of LIST, such as \"1-3, 7, 10-\" "
                                            "(\"10-\": page 10 to the last)."),
               QStringLiteral("LIST"))
    , m_without(QStringLiteral("without"), tr("Writes one copy of the document without the pages of LIST."),
                QStringLiteral("LIST"))
    , m_byBookmarks(QStringLiteral("by-bookmarks"), tr("Writes one file per bookmark of levels 1 to LEVEL, named "
                                                       "after it (1: chapters)."),
                    QStringLiteral("LEVEL"))
    , m_bySize(QStringLiteral("by-size"), tr("Writes consecutive files of at most SIZE each, such as 9MB or 500KB."),
               QStringLiteral("SIZE"))
    , m_to(QStringLiteral("to"), tr("Writes the files into FOLDER (made when missing) instead of beside FILE."),
           QStringLiteral("FOLDER"))
{
    m_parser.setApplicationDescription(
        tr("Splits one PDF file without opening a window. Give exactly one of --per-page, --every, --ranges, "
           "--without, --by-bookmarks and --by-size. Existing files are never replaced: a new file whose name is "
           "taken gets a number in front of its name."));
    m_parser.addPositionalArgument(QStringLiteral("FILE"), tr("The PDF file to split."));
    m_parser.addOptions({m_perPage, m_every, m_start, m_ranges, m_without, m_byBookmarks, m_bySize, m_to});
    m_common = std::make_unique<CommandOptions>(m_parser);
}

CliSplit::~CliSplit() = default;

const QCommandLineOption *CliSplit::chosenMode(QString *problem) const
{
    const QCommandLineOption *chosen = nullptr;
    for (const QCommandLineOption *mode : {&m_perPage, &m_every, &m_ranges, &m_without, &m_byBookmarks, &m_bySize}) {
        if (!m_parser.isSet(*mode))
            continue;
        if (chosen) {
            *problem = tr("--%1 and --%2 are two ways to split: choose one.")
                           .arg(chosen->names().constFirst(), mode->names().constFirst());
            return nullptr;
        }
        chosen = mode;
    }
    if (!chosen)
        *problem = tr("Choose how to split: --per-page, --every N, --ranges LIST, --without LIST, "
                      "--by-bookmarks LEVEL or --by-size SIZE.");
    return chosen;
}

// The values that need no document, checked before the document is opened.
bool CliSplit::checkNumbers(QString *problem) const
{
    int number = 0;
    if (m_parser.isSet(m_start) && !m_parser.isSet(m_every)) {
        *problem = tr("--start goes with --every.");
        return false;
    }
    if (m_parser.isSet(m_every) && !positiveNumber(m_parser.value(m_every), &number)) {
        *problem = tr("--every needs a whole number of pages, at least 1, not \"%1\".").arg(m_parser.value(m_every));
        return false;
    }
    if (m_parser.isSet(m_every) && !positiveNumber(m_parser.value(m_start), &number)) {
        *problem = tr("--start needs a page number, at least 1, not \"%1\".").arg(m_parser.value(m_start));
        return false;
    }
    if (m_parser.isSet(m_byBookmarks) && !positiveNumber(m_parser.value(m_byBookmarks), &number)) {
        *problem = tr("--by-bookmarks needs a bookmark level, at least 1, not \"%1\".")
                       .arg(m_parser.value(m_byBookmarks));
        return false;
    }
    if (m_parser.isSet(m_bySize) && !parseSize(m_parser.value(m_bySize), &number)) {
        *problem = tr("--by-size needs a size with its unit, at least 1KB, such as 9MB or 500KB, not \"%1\".")
                       .arg(m_parser.value(m_bySize));
        return false;
    }
    return true;
}

bool CliSplit::planFor(const InputDocument &document, SplitRequest *request, QString *problem) const
{
    const int pages = document.pageCount;
    const QString shown = QDir::toNativeSeparators(document.path);
    request->mode = SplitRequest::ModeRanges;
    if (m_parser.isSet(m_perPage)) {
        request->ranges = SplitFactory::groupRanges(1, 1, pages);
    } else if (m_parser.isSet(m_every)) {
        const int start = m_parser.value(m_start).toInt();
        if (start > pages) {
            *problem = tr("--start %1 is past the last page of %2 (%3).").arg(start).arg(shown).arg(pages);
            return false;
        }
        request->ranges = SplitFactory::groupRanges(start, m_parser.value(m_every).toInt(), pages);
    } else if (m_parser.isSet(m_ranges)) {
        const PageEntry::Result read = PageEntry::parseList(m_parser.value(m_ranges), pages);
        if (!read.isAccepted()) {
            *problem = tr("--ranges: %1").arg(PageEntry::message(read));
            return false;
        }
        request->ranges = read.ranges;
    } else if (m_parser.isSet(m_without)) {
        const PageEntry::Result read = PageEntry::parseList(m_parser.value(m_without), pages);
        if (!read.isAccepted()) {
            *problem = tr("--without: %1").arg(PageEntry::message(read));
            return false;
        }
        request->mode = SplitRequest::ModeWithoutPages;
        request->ranges = singlePages(read.ranges);
        if (request->ranges.size() >= pages) {
            *problem = tr("--without: every page of %1 would be removed.").arg(shown);
            return false;
        }
    } else if (m_parser.isSet(m_byBookmarks)) {
        OutlineEntries outline;
        m_service->outline(document.path, document.password, &outline);
        const QList<BookmarkParts::Part> parts =
            BookmarkParts::parts(outline, m_parser.value(m_byBookmarks).toInt(), pages);
        if (parts.isEmpty()) {
            *problem = tr("%1 has no bookmarks that lead to its pages.").arg(shown);
            return false;
        }
        for (const BookmarkParts::Part &part : parts) {
            request->ranges.append(qMakePair(part.from, part.to));
            request->rangeNames.append(part.name);
        }
    } else {
        request->mode = SplitRequest::ModeBySize;
        parseSize(m_parser.value(m_bySize), &request->maxSizeKb);
    }
    return true;
}

// The file to split, when the command line is well formed; else the exit code.
bool CliSplit::readCommandLine(const QStringList &arguments, QString *path, int *exitCode)
{
    QString problem;
    if (!m_parser.parse(arguments)) {
        *exitCode = CommandOptions::usageError(command, m_parser.errorText());
        return false;
    }
    if (m_common->helpWanted()) {
        std::fputs(qPrintable(CommandOptions::helpText(m_parser, tr("Usage: sheafwright split [options] FILE"))),
                   stdout);
        *exitCode = WorkerCode::Success;
        return false;
    }
    const QStringList files = m_parser.positionalArguments();
    if (files.size() != 1)
        problem = files.isEmpty() ? tr("Name the PDF file to split.")
                                  : tr("split takes one PDF file; run it once for each file.");
    else if (chosenMode(&problem) && checkNumbers(&problem) && m_common->read(&problem)) {
        *path = QFileInfo(files.first()).absoluteFilePath();
        problem = CommandLine::problemWith(*path);
    }
    if (problem.isEmpty())
        return true;
    // Ctrl-C at the protection password's prompt stops; it is no mistake.
    *exitCode = InterruptNotifier::wasInterrupted() ? int(WorkerCode::Canceled)
                                                    : CommandOptions::usageError(command, problem);
    return false;
}

// The opened source, when it can be split; else the exit code.
bool CliSplit::openSource(const QString &path, InputDocument *document, int *exitCode) const
{
    *document = InputDocument::open(*m_service, path, m_common->inputPasswords(), PasswordInput::canAsk(),
                                    m_common->repairFolder());
    if (!document->repairNote().isEmpty())
        std::fprintf(stderr, "sheafwright split: %s\n", qPrintable(document->repairNote()));
    const QString shown = QDir::toNativeSeparators(path);
    QString problem;
    if (InterruptNotifier::wasInterrupted()) {
        *exitCode = WorkerCode::Canceled;
        return false;
    }
    if (document->state == InputDocument::Unreadable || document->state == InputDocument::Empty) {
        // A damaged source fails as it would in the worker.
        std::fprintf(stderr, "sheafwright split: %s\n", qPrintable(document->problem()));
        *exitCode = WorkerCode::Failed;
        return false;
    }
    if (document->state == InputDocument::Locked)
        problem = document->problem();
    else if (document->pageCount < 2)
        problem = tr("%1 has a single page: there is nothing to split.").arg(shown);
    else if (!document->copyPermitted)
        problem = tr("%1 does not allow copying its pages. Its owner password, given with --password-file, "
                     "lifts that.").arg(shown);
    if (!problem.isEmpty()) {
        *exitCode = CommandOptions::refusal(command, problem);
        return false;
    }
    return true;
}

// The request for the opened source; false with *problem when the options
// do not fit it or the output folder cannot be made.
bool CliSplit::requestFor(const InputDocument &document, SplitRequest *request, QString *problem) const
{
    if (!planFor(document, request, problem))
        return false;
    request->fileName = QDir::toNativeSeparators(document.path);
    request->filePassword = document.password;
    request->pageCount = document.pageCount;
    const QString folder = QFileInfo(m_parser.isSet(m_to) ? m_parser.value(m_to)
                                                          : QFileInfo(document.originalPath()).absolutePath())
                               .absoluteFilePath();
    if (!OutputFolder::ensure(folder, problem))
        return false;
    request->outDirectory = QDir::toNativeSeparators(folder);
    const DocumentProperties properties = m_common->properties();
    request->author = properties.author;
    request->title = properties.title;
    request->password = properties.password;
    request->creator = properties.creator;
    request->producer = properties.producer;
    request->publisher = properties.publisher;
    return true;
}

int CliSplit::run(const QStringList &arguments)
{
    int exitCode = WorkerCode::Success;
    QString path;
    InputDocument document;
    if (!readCommandLine(arguments, &path, &exitCode) || !openSource(path, &document, &exitCode))
        return exitCode;
    SplitRequest request;
    QString problem;
    if (!requestFor(document, &request, &problem))
        return CommandOptions::refusal(command, problem);

    RunReport report(command);
    report.setSource(path);
    if (request.mode != SplitRequest::ModeBySize)
        report.setRequested(request.mode == SplitRequest::ModeWithoutPages ? 1 : request.ranges.size());
    execute(request, document.encrypted && request.password.trimmed().isEmpty(), report);
    report.print(m_common->json());
    return report.exitCode();
}

void CliSplit::execute(const SplitRequest &request, bool sourceProtected, RunReport &report)
{
    SplitLauncher launcher;
    TerminalProgress progress;
    QEventLoop loop;
    const QString label = QFileInfo(request.fileName).fileName();
    QObject::connect(&launcher, &SplitLauncher::progressChanged, &loop,
                     [&](double percent) { progress.show(percent, label); });
    QObject::connect(&launcher, &SplitLauncher::finished, &loop, [&loop] { loop.quit(); });
    QObject::connect(m_interrupts, &InterruptNotifier::interrupted, &launcher, &SplitLauncher::cancel);
    qDebug() << Q_FUNC_INFO << "Split of" << request.fileName << "mode" << request.mode << "ranges"
             << request.ranges.size() << "into" << request.outDirectory;
    launcher.setRequest(request);
    progress.show(0, label);
    launcher.run();
    loop.exec();
    progress.clear();

    WorkerOutcome outcome = launcher.outcome();
    if (outcome.succeeded() && outcome.written.isEmpty())
        outcome.code = WorkerCode::NothingProduced;
    // Read back as written: protected with the trimmed password.
    const QString protection = request.password.trimmed();
    for (const WorkerOutcome::Written &file : outcome.written)
        report.addFile(file.path, InputDocument::open(*m_service, file.path, {protection}, false).pageCount,
                       file.renamed);
    report.setOversized(outcome.oversized);
    const OutcomeText words(OutcomeText::Split, request.outDirectory, request.fileName);
    QStringList notes = words.notes(outcome);
    if (sourceProtected && !outcome.written.isEmpty())
        notes << OutcomeText::unprotectedNote(request.fileName);
    report.setNotes(notes);
    const QString folder = QDir::toNativeSeparators(request.outDirectory);
    if (outcome.succeeded())
        report.setSummary(tr("%n file(s) written into %1.", nullptr, outcome.written.size()).arg(folder));
    else
        report.setOutcome(outcome.code, words.failure(outcome));
}
