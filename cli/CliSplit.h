#pragma once

#include "split/SplitRequest.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <memory>

class CommandOptions;
class DebenuService;
class InputDocument;
class InterruptNotifier;
class RunReport;

// "sheafwright split [options] FILE": one split in any mode of the split
// screen, through the same launcher, request and worker, without a window.
class CliSplit
{
    Q_DECLARE_TR_FUNCTIONS(CliSplit)
public:
    // interrupts: the process's signals, which stop a running split.
    CliSplit(std::shared_ptr<DebenuService> service, InterruptNotifier *interrupts);
    ~CliSplit();

    // arguments: the program name, then what follows "split". Returns the
    // exit code: 0, 2 for bad usage, else the worker's code.
    int run(const QStringList &arguments);

private:
    bool readCommandLine(const QStringList &arguments, QString *path, int *exitCode);
    bool openSource(const QString &path, InputDocument *document, int *exitCode) const;
    bool requestFor(const InputDocument &document, SplitRequest *request, QString *problem) const;
    // The one mode option given, or a problem.
    const QCommandLineOption *chosenMode(QString *problem) const;
    // What the chosen mode asks of a document of its own: request.mode,
    // ranges, names and size limit. False with *problem (bad usage).
    bool planFor(const InputDocument &document, SplitRequest *request, QString *problem) const;
    bool checkNumbers(QString *problem) const;
    // Runs the worker on request; fills report.
    // Runs the worker on request and tells report how it ended; sourceProtected:
    // the document had a password or restrictions its parts do not keep.
    void execute(const SplitRequest &request, bool sourceProtected, RunReport &report);

    std::shared_ptr<DebenuService> m_service;
    InterruptNotifier *m_interrupts;
    QCommandLineParser m_parser;
    QCommandLineOption m_perPage;
    QCommandLineOption m_every;
    QCommandLineOption m_start;
    QCommandLineOption m_ranges;
    QCommandLineOption m_without;
    QCommandLineOption m_byBookmarks;
    QCommandLineOption m_bySize;
    QCommandLineOption m_to;
    std::unique_ptr<CommandOptions> m_common;
};
