// Measures how long a cancel takes on a long merge through the real pdfworker:
// the given PDF files, each listed a number of times (by default the LilyPond
// manuals of lilypond-doc-pdf, four times), merged and cancelled after each of
// a row of delays. Prints, per delay, the time from the cancel to the
// launcher's finished(), the result code, and whether anything was left in
// the output folder or in the session folder.
// Usage: bench_cancel [--times N] [--delays 0.3,1,2,4] [FILE...]

#include "app/InstallLayout.h"
#include "merge/MergeLauncher.h"
#include "merge/MergeRequest.h"
#include "protocol/WorkerCode.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

QStringList lilypondManuals()
{
    const QDir folder(QStringLiteral("/usr/share/doc/lilypond/html/Documentation"));
    QStringList files;
    for (const QString &name : folder.entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name))
        files << folder.filePath(name);
    return files;
}

struct Run
{
    double cancelToEndMs = -1;
    double totalMs = -1;
    int code = 0;
    int leftInOutput = 0;
    int leftInSession = 0;
};

// One merge of files into folder; cancelled after delayMs (never when < 0).
Run runOnce(const QStringList &files, const QString &folder, int delayMs)
{
    MergeLauncher launcher;
    MergeRequest request;
    for (const QString &file : files) {
        MergeTask task;
        task.fullPath = file;
        request.tasks << task;
    }
    request.saveFileName = QDir(folder).filePath(QStringLiteral("merged.pdf"));
    launcher.setRequest(request);
    Run run;
    QElapsedTimer total, sinceCancel;
    QEventLoop loop;
    QObject::connect(&launcher, &MergeLauncher::finished, &loop, [&](const WorkerOutcome &outcome) {
        run.code = outcome.code;
        run.totalMs = total.nsecsElapsed() / 1e6;
        if (sinceCancel.isValid())
            run.cancelToEndMs = sinceCancel.nsecsElapsed() / 1e6;
        loop.quit();
    });
    if (delayMs >= 0) {
        QObject::connect(&launcher, &MergeLauncher::started, &loop, [&] {
            QTimer::singleShot(delayMs, &loop, [&] {
                sinceCancel.start();
                launcher.cancel();
            });
        });
    }
    total.start();
    launcher.run();
    loop.exec();
    run.leftInOutput = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot).size();
    run.leftInSession = QDir(launcher.sessionDirectory()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    return run;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The worker beside the program (build/bin), seen from build/bench.
    InstallLayout::setProgramFolder(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin"));
    int times = 4;
    QList<double> delays{0.3, 1, 2, 4, 8};
    QStringList inputs;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--times") && i + 1 < args.size()) {
            times = args.at(++i).toInt();
        } else if (args.at(i) == QLatin1String("--delays") && i + 1 < args.size()) {
            delays.clear();
            for (const QString &value : args.at(++i).split(QLatin1Char(',')))
                delays << value.toDouble();
        } else {
            inputs << QFileInfo(args.at(i)).absoluteFilePath();
        }
    }
    if (inputs.isEmpty())
        inputs = lilypondManuals();
    if (inputs.isEmpty()) {
        std::fprintf(stderr, "no input files (install lilypond-doc-pdf or name files)\n");
        return 2;
    }
    QStringList files;
    for (int i = 0; i < times; ++i)
        files << inputs;
    QTemporaryDir out;
    std::printf("merge of %d files (%d inputs x %d)\n", int(files.size()), int(inputs.size()), times);
    const Run whole = runOnce(files, out.path(), -1);
    std::printf("uncancelled: %.0f ms, code %d\n", whole.totalMs, whole.code);
    for (double delay : delays) {
        const Run run = runOnce(files, out.path(), int(delay * 1000));
        std::printf("cancel after %.1f s: ended %.0f ms after the cancel, code %d (%s), "
                    "files left in the output folder %d, scratch folders left %d\n",
                    delay, run.cancelToEndMs, run.code,
                    run.code == WorkerCode::Canceled ? "canceled" : "not canceled", run.leftInOutput,
                    run.leftInSession);
    }
    return 0;
}
