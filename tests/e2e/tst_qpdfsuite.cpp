#include "TestPaths.h"
#include "app/AppSettings.h"
#include "app/FileUtils.h"
#include "merge/MergeRequest.h"
#include "merge/MergeResponse.h"
#include "pdf/DebenuDocument.h"
#include "pdf/DebenuService.h"
#include "split/SplitRequest.h"
#include "split/SplitResponse.h"
#include "protocol/WorkerCode.h"
#include "protocol/WorkerFile.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>

namespace {

struct Sample
{
    QString path;
    QString password;
    bool readable = false;   // the interface can open it (with the password)
    bool encrypted = false;
    int pages = 0;
};

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList namesOf(const QStringList &paths)
{
    QStringList names;
    for (const QString &path : paths)
        names << QFileInfo(path).fileName();
    names.sort();
    return names;
}

// Why the file is not a whole PDF of `pages` pages; empty when it is. A
// whole file opens without repair: its cross-reference table and trailer
// are sound (a stray "#" in a name copied from the source is no damage).
QString wholeProblem(const QString &path, int pages)
{
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(QFile::encodeName(path).constData());
        const int found = int(pdf.getAllPages().size());
        for (const QPDFExc &warning : pdf.getWarnings()) {
            const std::string text = warning.getMessageDetail();
            if (text.find("damaged") != std::string::npos || text.find("reconstruct") != std::string::npos
                || text.find("xref") != std::string::npos || text.find("trailer") != std::string::npos)
                return QStringLiteral("%1 needs repair: %2").arg(QFileInfo(path).fileName(), QString::fromStdString(warning.what()));
        }
        if (found != pages)
            return QStringLiteral("%1 has %2 pages, not %3").arg(QFileInfo(path).fileName()).arg(found).arg(pages);
        return QString();
    } catch (const std::exception &e) {
        return QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), QString::fromUtf8(e.what()));
    }
}

// Runs pdfworker; the exit code, or a description of a hang or crash.
int runWorker(const QString &mode, const QString &request, QString *trouble)
{
    QProcess worker;
    worker.start(TestPaths::workerPath(), {mode, request});
    if (!worker.waitForFinished(120000)) {
        worker.kill();
        worker.waitForFinished();
        *trouble = QStringLiteral("hung");
        return -1;
    }
    if (worker.exitStatus() != QProcess::NormalExit) {
        *trouble = QStringLiteral("crashed");
        return -1;
    }
    if (worker.exitCode() != 0)
        *trouble = QStringLiteral("exit code %1").arg(worker.exitCode());
    return worker.exitCode();
}

} // namespace

// Every file of the qpdf project's test suite (damaged, odd and encrypted
// PDFs nobody here made) split into single pages and merged in batches
// through the real worker: no crash, no hang, and never a success without
// every output whole; a failure leaves only whole files, each reported.
class TestQpdfSuite : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QList<Sample> m_samples;

    QString fresh(const QString &name)
    {
        const QString path = QDir::toNativeSeparators(m_dir.filePath(name));
        QDir(path).removeRecursively();
        QDir().mkpath(path);
        return path;
    }

    // What is wrong with one split of the sample; empty when nothing.
    QString splitProblem(const Sample &sample, int index)
    {
        const QString out = fresh(QStringLiteral("split-out"));
        const QString session = fresh(QStringLiteral("split-session"));
        FileUtils::ensurePrivateDirectory(session);
        const QString id = QStringLiteral("split%1").arg(index);
        SplitRequest request;
        request.fileName = sample.path;
        request.filePassword = sample.password;
        request.pageCount = sample.readable ? sample.pages : 1;
        for (int page = 1; page <= request.pageCount; ++page)
            request.ranges.append({page, page});
        request.outDirectory = out;
        request.sessionPath = session;
        request.sessionId = id;
        const QString requestPath = session + QLatin1Char('/') + id + QStringLiteral(".req");
        if (!WorkerFile::write(requestPath, request.toJson()))
            return QStringLiteral("request not written");
        QString trouble;
        if (runWorker(QStringLiteral("--split"), requestPath, &trouble) != 0)
            return trouble;
        QString problem;
        const SplitResponse response = SplitResponse::readFile(session + QLatin1Char('/') + id + QStringLiteral(".resp"), id,
                                                              &problem);
        if (!problem.isEmpty())
            return QStringLiteral("response: ") + problem;
        if (response.outcome.code == WorkerCode::Success && response.outcome.files().size() != request.pageCount)
            return QStringLiteral("success with %1 of %2 files").arg(response.outcome.files().size()).arg(request.pageCount);
        if (entries(out) != namesOf(response.outcome.files()))
            return QStringLiteral("code %1; folder holds %2, response lists %3")
                .arg(response.outcome.code)
                .arg(entries(out).join(QLatin1Char(',')), namesOf(response.outcome.files()).join(QLatin1Char(',')));
        for (const QString &file : response.outcome.files()) {
            const QString broken = wholeProblem(file, 1);
            if (!broken.isEmpty())
                return QStringLiteral("code %1: %2").arg(response.outcome.code).arg(broken);
        }
        if (response.outcome.code == WorkerCode::Success)
            ++m_splitsWhole;
        return QString();
    }

    // What is wrong with one merge of the samples; empty when nothing.
    QString mergeProblem(const QList<Sample> &batch, int index)
    {
        const QString out = fresh(QStringLiteral("merge-out"));
        const QString session = fresh(QStringLiteral("merge-session"));
        FileUtils::ensurePrivateDirectory(session);
        const QString id = QStringLiteral("merge%1").arg(index);
        MergeRequest request;
        for (int i = 0; i < batch.size(); ++i) {
            MergeTask task;
            task.fullPath = batch.at(i).path;
            task.password = batch.at(i).password;
            task.hasPassword = !task.password.isEmpty();
            task.hasSecurity = batch.at(i).encrypted;
            task.pageCount = batch.at(i).pages;
            task.order = i;
            request.tasks << task;
        }
        request.saveFileName = out + QStringLiteral("/merged.pdf");
        request.cachePath = session;
        request.sessionId = id;
        const QString requestPath = session + QLatin1Char('/') + id + QStringLiteral(".req");
        if (!WorkerFile::write(requestPath, request.toJson()))
            return QStringLiteral("request not written");
        QString trouble;
        if (runWorker(QStringLiteral("--merge"), requestPath, &trouble) != 0)
            return trouble;
        QJsonObject object;
        if (!WorkerFile::read(session + QLatin1Char('/') + id + QStringLiteral(".resp"), object))
            return QStringLiteral("response unreadable");
        const MergeResponse response = MergeResponse::fromJson(object);
        int pages = 0;
        for (const Sample &sample : batch) {
            if (!response.outcome.leftOutItems().contains(sample.path))
                pages += sample.pages;
        }
        for (const QString &file : response.outcome.leftOutItems()) {
            if (std::none_of(batch.begin(), batch.end(), [&](const Sample &s) { return s.path == file; }))
                return QStringLiteral("left out a file it was not given: ") + file;
        }
        if (response.outcome.code != WorkerCode::Success) {
            if (!entries(out).isEmpty())
                return QStringLiteral("failed (%1) but left %2").arg(response.outcome.code).arg(entries(out).join(QLatin1Char(',')));
            ++m_mergesFailed;
            return QString();
        }
        if (response.mergedFileName() != request.saveFileName || entries(out) != QStringList{QStringLiteral("merged.pdf")})
            return QStringLiteral("success, but the folder holds ") + entries(out).join(QLatin1Char(','));
        m_filesLeftOut += response.outcome.leftOutItems().size();
        return wholeProblem(response.mergedFileName(), pages);
    }

    int m_splitsWhole = 0;
    int m_mergesFailed = 0;
    int m_filesLeftOut = 0;

private slots:
    void initTestCase()
    {
        AppSettings::applyIdentity();
        QVERIFY(m_dir.isValid());
        QVERIFY(QFileInfo(TestPaths::workerPath()).isExecutable());
        const QDir suite(TestPaths::fixturesDir() + QStringLiteral("/../qpdf-suite"));
        QVERIFY2(suite.exists(), qPrintable(suite.path()));
        QHash<QString, QString> passwords;
        QFile table(suite.filePath(QStringLiteral("passwords.tsv")));
        QVERIFY(table.open(QIODevice::ReadOnly));
        for (const QByteArray &line : table.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split('\t');
            if (fields.size() == 2)
                passwords.insert(QString::fromUtf8(fields.at(0)), QString::fromUtf8(fields.at(1)));
        }
        // Read as the interface reads a file it is given.
        auto service = std::make_shared<DebenuService>();
        for (const QString &name : suite.entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name)) {
            Sample sample;
            sample.path = QDir::toNativeSeparators(suite.absoluteFilePath(name));
            sample.password = passwords.value(name);
            DebenuDocument document(service, sample.path, sample.password, false);
            sample.readable = document.isLoaded() && !document.needsPassword();
            if (sample.readable) {
                sample.pages = document.pageCount();
                sample.encrypted = document.isEncrypted();
            }
            m_samples << sample;
        }
        QVERIFY2(m_samples.size() > 600, qPrintable(QString::number(m_samples.size())));
    }

    void everyFileSplitsIntoWholePagesOrFailsCleanly()
    {
        QStringList problems;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < m_samples.size(); ++i) {
            const QString problem = splitProblem(m_samples.at(i), i);
            if (!problem.isEmpty())
                problems << QFileInfo(m_samples.at(i).path).fileName() + QStringLiteral(": ") + problem;
        }
        qInfo("split %d files in %lld ms; %d split whole", int(m_samples.size()), timer.elapsed(), m_splitsWhole);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        // Most of the suite is readable: a run where nothing splits is broken.
        QVERIFY(m_splitsWhole > m_samples.size() / 2);
    }

    void readableFilesMergeInBatchesOrFailCleanly()
    {
        QList<Sample> readable;
        for (const Sample &sample : qAsConst(m_samples)) {
            if (sample.readable && sample.pages > 0)
                readable << sample;
        }
        const int batchSize = 12;
        QStringList problems;
        QElapsedTimer timer;
        timer.start();
        int batches = 0;
        for (int start = 0; start < readable.size(); start += batchSize, ++batches) {
            const QList<Sample> batch = readable.mid(start, batchSize);
            const QString problem = mergeProblem(batch, batches);
            if (!problem.isEmpty())
                problems << QFileInfo(batch.first().path).fileName() + QStringLiteral(" ...: ") + problem;
        }
        qInfo("merged %d files in %d batches in %lld ms; %d batches failed cleanly, %d files left out",
              int(readable.size()), batches, timer.elapsed(), m_mergesFailed, m_filesLeftOut);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        QVERIFY(m_mergesFailed < batches / 2);
    }
};

QTEST_GUILESS_MAIN(TestQpdfSuite)
#include "tst_qpdfsuite.moc"
