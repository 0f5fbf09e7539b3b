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
    // One file to merge as named on the command line: "FILE" or "FILE:PAGES".
    struct Input
    {
        QString path;    // absolute
        QString pages;   // as typed after the colon; empty: every page
    };
    using InputList = QList<Input>;

    bool readCommandLine(const QStringList &arguments, QString *output, InputList *inputs, int *exitCode);
    InputList inputPaths(QString *problem) const;
    // "FILE:PAGES" read as a file and its pages when FILE names a file and
    // the whole argument does not (a name may hold a colon).
    static Input inputOf(const QString &argument);
    // How the pages follow each other; false with *problem for options that
    // contradict each other.
    bool readLayout(MergeRequest *request, QString *problem) const;
    // The output path, absolute, checked: given and not taken.
    bool outputPath(QString *path, QString *problem) const;
    // Opens every input; the ones that cannot be merged go into report as
    // left out. False with *problem when one is locked (bad usage: nothing
    // is merged without all of its passwords).
    bool tasksFor(const InputList &inputs, MergeTaskList *tasks, RunReport &report, QString *problem) const;
    // Runs the worker on request and tells report how it ended.
    void execute(const MergeRequest &request, RunReport &report);

    std::shared_ptr<DebenuService> m_service;
    InterruptNotifier *m_interrupts;
    QCommandLineParser m_parser;
    QCommandLineOption m_output;
    QCommandLineOption m_interleave;
    QCommandLineOption m_reverseLast;
    QCommandLineOption m_blankAfterOdd;
    std::unique_ptr<CommandOptions> m_common;
};
