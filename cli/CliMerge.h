#pragma once

#include "merge/MergeRequest.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <memory>

class CommandOptions;
class DebenuService;
class InterruptNotifier;
class RunReport;

// "sheafwright merge [options] -o OUTPUT FILE...": the files merged in the
// order given, through the same launcher, request and worker as the merge
// screen, without a window.
class CliMerge
{
    Q_DECLARE_TR_FUNCTIONS(CliMerge)
public:
    // interrupts: the process's signals, which stop a running merge.
    CliMerge(std::shared_ptr<DebenuService> service, InterruptNotifier *interrupts);
    ~CliMerge();

    // arguments: the program name, then what follows "merge". Returns the
    // exit code: 0, 2 for bad usage, else the worker's code (a merge that
    // left a file out is never 0).
    int run(const QStringList &arguments);

private:
    bool readCommandLine(const QStringList &arguments, QString *output, QStringList *inputs, int *exitCode);
    QStringList inputPaths(QString *problem) const;
    // The output path, absolute, checked: given and not taken.
    bool outputPath(QString *path, QString *problem) const;
    // Opens every input; the ones that cannot be merged go into report as
    // left out. False with *problem when one is locked (bad usage: nothing
    // is merged without all of its passwords).
    bool tasksFor(const QStringList &paths, MergeTaskList *tasks, RunReport &report, QString *problem) const;
    // Runs the worker on request and tells report how it ended.
    void execute(const MergeRequest &request, RunReport &report);

    std::shared_ptr<DebenuService> m_service;
    InterruptNotifier *m_interrupts;
    QCommandLineParser m_parser;
    QCommandLineOption m_output;
    std::unique_ptr<CommandOptions> m_common;
};
