#include "MergeSamples.h"
#include "TestPaths.h"
#include "app/AppSettings.h"
#include "app/FileUtils.h"
#include "app/StopRequest.h"
#include "merge/IProgress.h"
#include "merge/MergeWorker.h"
#include "pdf/DebenuService.h"

#include <qpdf/QPDFOutlineDocumentHelper.hh>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <sys/stat.h>

namespace {

// Keeps every call, so the tests can follow the engine's progress.
class RecordingProgress : public IProgress
{
public:
    void setMinimum(int minimum) override { calls << QStringLiteral("min %1").arg(minimum); }
    void setMaximum(int maximum) override
    {
        maximumValue = maximum;
        calls << QStringLiteral("max %1").arg(maximum);
    }
    void setValue(int value) override
    {
        values << value;
        calls << QStringLiteral("value %1").arg(value);
    }
    void setText(const QString &text) override
    {
        texts << text;
        calls << QStringLiteral("text");
    }
    void cancel() override {}
    void reset() override { calls << QStringLiteral("reset"); }
    void pause() override {}
    void resume() override {}
    bool isCanceled() override { return false; }
    bool isPaused() override { return false; }

    QStringList calls;
    QStringList texts;
    QList<int> values;
    int maximumValue = -1;
};

} // namespace

// The merge engine over the real PDF service: what it writes, where its
// scratch files go, which inputs it leaves out and what it reports.
class TestMergeWorker : public QObject
{
    Q_OBJECT

    std::shared_ptr<DebenuService> m_service;
    QTemporaryDir m_dir;
    QString m_threePages;
    QString m_fourPages;

    QString path(const QString &name) const { return QDir::toNativeSeparators(m_dir.filePath(name)); }

    static MergeTask task(const QString &file, int order, const QString &password = QString(), bool protectedFile = false)
    {
        MergeTask t;
        t.fullPath = file;
        t.order = order;
        t.password = password;
        t.hasPassword = protectedFile;
        t.hasSecurity = protectedFile;
        return t;
    }

    static DocumentProperties properties(const QString &password = QString())
    {
        return DocumentProperties(QStringLiteral("The Author"), QStringLiteral("The Title"), password,
                                  QStringLiteral("The Creator"), QStringLiteral("The Producer"));
    }

    static std::unique_ptr<QPDF> open(const QString &file, const char *password = "")
    {
        auto pdf = std::make_unique<QPDF>();
        pdf->setSuppressWarnings(true);
        pdf->processFile(QFile::encodeName(file).constData(), password);
        return pdf;
    }

    static QString info(QPDF &pdf, const char *key)
    {
        QPDFObjectHandle value = pdf.getTrailer().getKey("/Info").getKey(key);
        return value.isString() ? QString::fromStdString(value.getUTF8Value()) : QString();
    }

    static QStringList entries(const QString &folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    struct Run
    {
        QString mergedFile;
        int count = -1;
        QStringList errorFiles;
        int code = -1;
        QStringList signalOrder;
    };

    Run runWorker(const MergeTaskList &tasks, const QString &output, const DocumentProperties &props,
                  IProgress *progress, const QString &scratch = QString())
    {
        MergeWorker worker(m_service, tasks, output, props, progress);
        if (!scratch.isEmpty())
            worker.setScratchDirectory(scratch);
        Run run;
        connect(&worker, &MergeWorker::started, this, [&run] { run.signalOrder << QStringLiteral("started"); });
        connect(&worker, &MergeWorker::complete, this, [&run] { run.signalOrder << QStringLiteral("complete"); });
        connect(&worker, &MergeWorker::finished, this,
                [&run](const QString &file, int count, const QStringList &errors, int code) {
                    run.signalOrder << QStringLiteral("finished");
                    run.mergedFile = file;
                    run.count = count;
                    run.errorFiles = errors;
                    run.code = code;
                });
        worker.run();
        worker.run();   // once only: no second set of signals
        return run;
    }

private slots:
    void initTestCase()
    {
        AppSettings::applyIdentity();
        QVERIFY(m_dir.isValid());
        m_service = std::make_shared<DebenuService>();
        MergeSamples::Options three;
        three.pages = 3;
        three.marker = QStringLiteral("three");
        MergeSamples::Options four;
        four.pages = 4;
        four.marker = QStringLiteral("four");
        m_threePages = path(QStringLiteral("three.pdf"));
        m_fourPages = path(QStringLiteral("four.pdf"));
        QVERIFY(MergeSamples::write(m_threePages, three));
        QVERIFY(MergeSamples::write(m_fourPages, four));
    }

    void twoPlainDocumentsInTaskOrderWithProperties()
    {
        const QStringList cacheBefore = entries(FileUtils::cacheDirectory());
        RecordingProgress progress;
        const QString output = path(QStringLiteral("plain.pdf"));
        const Run run = runWorker({task(m_fourPages, 0), task(m_threePages, 1)}, output, properties(), &progress);
        QCOMPARE(run.signalOrder, QStringList({QStringLiteral("started"), QStringLiteral("complete"),
                                               QStringLiteral("finished")}));
        QCOMPARE(run.code, 0);
        QCOMPARE(run.count, 7);
        QCOMPARE(run.mergedFile, output);
        QVERIFY(run.errorFiles.isEmpty());
        auto pdf = open(output);
        QCOMPARE(int(pdf->getAllPages().size()), 7);
        QCOMPARE(info(*pdf, "/Author"), QStringLiteral("The Author"));
        QCOMPARE(info(*pdf, "/Title"), QStringLiteral("The Title"));
        QCOMPARE(info(*pdf, "/Creator"), QStringLiteral("The Creator"));
        QCOMPARE(info(*pdf, "/Producer"), QStringLiteral("The Producer"));
        QVERIFY(!pdf->isEncrypted());
        // Four-page input first: its first page opens the result.
        QPDFObjectHandle first = pdf->getAllPages().front();
        auto data = first.getKey("/Contents").getStreamData();
        QVERIFY(QByteArray(reinterpret_cast<const char *>(data->getBuffer()), int(data->getSize())).contains("(four 1)"));
        // Progress: set up for two tasks, one step per task, then busy.
        QCOMPARE(progress.calls.mid(0, 5), QStringList({QStringLiteral("reset"), QStringLiteral("min 1"),
                                                        QStringLiteral("max 2"), QStringLiteral("text"),
                                                        QStringLiteral("value 1")}));
        QCOMPARE(progress.values, QList<int>({1, 1, 2, 0}));
        QCOMPARE(progress.texts.at(1), QStringLiteral("1 out of 2. Add for merge four.pdf"));
        QCOMPARE(progress.texts.last(), QStringLiteral("Merging files.."));
        QCOMPARE(progress.maximumValue, 0);
        // Nothing is left behind: no scratch file in the cache folder, no
        // staging file beside the output.
        QCOMPARE(entries(FileUtils::cacheDirectory()), cacheBefore);
        for (const QString &name : entries(m_dir.path()))
            QVERIFY2(!name.endsWith(QLatin1String(".part")), qPrintable(name));
    }

    void passwordOfSpacesProtectsNothing()
    {
        RecordingProgress progress;
        const QString output = path(QStringLiteral("spaces.pdf"));
        const Run run = runWorker({task(m_threePages, 0), task(m_fourPages, 1)}, output,
                                  properties(QStringLiteral("   ")), &progress);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.mergedFile, output);
        auto pdf = open(output);
        QVERIFY(!pdf->isEncrypted());
        QCOMPARE(info(*pdf, "/Author"), QStringLiteral("The Author"));
    }

    void nonBlankPasswordGivesAes256()
    {
        RecordingProgress progress;
        const QString output = path(QStringLiteral("locked.pdf"));
        const QString scratch = path(QStringLiteral("session-locked"));
        QVERIFY(FileUtils::ensurePrivateDirectory(scratch));
        const Run run = runWorker({task(m_threePages, 0), task(m_fourPages, 1)}, output,
                                  properties(QStringLiteral("  s3cret ")), &progress, scratch);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.mergedFile, output);
        QVERIFY_EXCEPTION_THROWN(open(output, ""), QPDFExc);
        QVERIFY_EXCEPTION_THROWN(open(output, "  s3cret "), QPDFExc);
        auto pdf = open(output, "s3cret");
        int revision = 0;
        int permissions = 0;
        QVERIFY(pdf->isEncrypted(revision, permissions));
        QCOMPARE(revision, 6);
        QCOMPARE(int(pdf->getAllPages().size()), 7);
        QCOMPARE(info(*pdf, "/Title"), QStringLiteral("The Title"));
        QCOMPARE(info(*pdf, "/Producer"), QStringLiteral("The Producer"));
        // The intermediate files went with the run.
        QCOMPARE(entries(scratch), QStringList());
    }

    void wrongPasswordLeavesOneOutAndTheRestMerges()
    {
        RecordingProgress progress;
        const QString locked = TestPaths::fixture(QStringLiteral("enc-R3,V2,U=view,O=master.pdf"));
        const QString output = path(QStringLiteral("wrong.pdf"));
        const Run run = runWorker({task(m_threePages, 0), task(locked, 1, QStringLiteral("nope"), true),
                                   task(m_fourPages, 2)},
                                  output, properties(), &progress);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.errorFiles, QStringList({locked}));
        QCOMPARE(run.count, 7);
        QCOMPARE(int(open(output)->getAllPages().size()), 7);
        // Two of three steps were reached; the one left out does not count.
        QCOMPARE(progress.values, QList<int>({1, 1, 2, 0}));
        QCOMPARE(progress.texts.at(3), QStringLiteral("2 out of 3. Add for merge four.pdf"));
    }

    // A stop that arrives while a protected input is being decrypted ends
    // the run as stopped; the input it cut short is not listed as failed.
    void stopDuringDecryptionBlamesNoFile()
    {
        class StopOnLocked : public RecordingProgress
        {
        public:
            void setText(const QString &text) override
            {
                RecordingProgress::setText(text);
                if (text.contains(QStringLiteral("enc-R3")))
                    StopRequest::set();   // as SIGTERM does, just before the decryption
            }
            bool isCanceled() override { return StopRequest::isSet(); }
        };
        StopOnLocked progress;
        const QString locked = TestPaths::fixture(QStringLiteral("enc-R3,V2,U=view,O=master.pdf"));
        const QString output = path(QStringLiteral("stopped.pdf"));
        const Run run = runWorker({task(m_threePages, 0), task(locked, 1, QStringLiteral("view"), true),
                                   task(m_fourPages, 2)},
                                  output, properties(), &progress);
        StopRequest::clear();
        QCOMPARE(run.code, int(WorkerCode::Canceled));
        QCOMPARE(run.errorFiles, QStringList());
        QVERIFY(!QFileInfo::exists(output));
    }

    void protectedInputsWithTheirPasswordsAreMerged()
    {
        RecordingProgress progress;
        // A folder given for scratch files that the program did not make
        // keeps its mode (here a shared one's); only what it makes is 0700.
        const QString scratch = path(QStringLiteral("session-protected"));
        QVERIFY(QDir().mkpath(scratch));
        QCOMPARE(::chmod(QFile::encodeName(scratch).constData(), 01777), 0);
        const QString longPassword = TestPaths::fixture(QStringLiteral("enc-long-password.pdf"));
        const QString output = path(QStringLiteral("protected.pdf"));
        const Run run = runWorker(
            {task(TestPaths::fixture(QStringLiteral("enc-R3,V2,U=view,O=master.pdf")), 0, QStringLiteral("view"), true),
             task(TestPaths::fixture(QStringLiteral("enc-XI-R6,V5,U=view,O=master.pdf")), 1, QStringLiteral("master"), true),
             task(TestPaths::fixture(QStringLiteral("V4-aes.pdf")), 2, QString(), false),
             task(longPassword, 3, QStringLiteral("asdf asdf asdf asdf asdf asdf qwer"), true)},
            output, properties(), &progress, scratch);
        QVERIFY(run.errorFiles.isEmpty());
        QCOMPARE(run.code, 0);
        QCOMPARE(run.count, 120);
        auto pdf = open(output);
        QVERIFY(!pdf->isEncrypted());
        QCOMPARE(int(pdf->getAllPages().size()), 120);
        // Decrypted copies keep their file's name for the outline, and are gone.
        QPDFOutlineDocumentHelper outline(*pdf);
        QStringList titles;
        for (QPDFOutlineObjectHelper item : outline.getTopLevelOutlines())
            titles << QString::fromStdString(item.getTitle());
        QCOMPARE(titles, QStringList({QStringLiteral("enc-R3,V2,U=view,O=master"),
                                      QStringLiteral("enc-XI-R6,V5,U=view,O=master"), QStringLiteral("V4-aes"),
                                      QStringLiteral("enc-long-password")}));
        struct stat status;
        QCOMPARE(::stat(QFile::encodeName(scratch).constData(), &status), 0);
        QCOMPARE(int(status.st_mode & 07777), 01777);
        QCOMPARE(entries(scratch), QStringList());
    }

    void encryptedInputWithoutFlagsIsLeftOutNotLost()
    {
        // An encrypted file the interface did not mark is refused by the
        // list, reported, and the rest is merged.
        RecordingProgress progress;
        const QString locked = TestPaths::fixture(QStringLiteral("enc-XI-R6,V5,U=view,O=master.pdf"));
        QFile junk(path(QStringLiteral("junk.pdf")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("%PDF-1.4 nothing else");
        junk.close();
        const QString output = path(QStringLiteral("leftout.pdf"));
        const Run run = runWorker({task(locked, 0), task(junk.fileName(), 1), task(m_threePages, 2)}, output,
                                  properties(), &progress);
        QCOMPARE(run.errorFiles, QStringList({locked, junk.fileName()}));
        QCOMPARE(run.count, 3);
        QCOMPARE(run.mergedFile, output);
        // Failures to add still count as steps.
        QCOMPARE(progress.values, QList<int>({1, 1, 2, 3, 0}));
    }

    void nothingUsableProducesNoFile()
    {
        RecordingProgress progress;
        const QString output = path(QStringLiteral("none.pdf"));
        const Run run = runWorker({task(path(QStringLiteral("missing.pdf")), 0)}, output, properties(), &progress);
        QCOMPARE(run.count, 0);
        QVERIFY(run.mergedFile.isEmpty());
        QCOMPARE(run.errorFiles, QStringList({path(QStringLiteral("missing.pdf"))}));
        QVERIFY(!QFileInfo::exists(output));
    }

    void noTasksOrNoOutputIsRefused_data()
    {
        QTest::addColumn<bool>("withTasks");
        QTest::addColumn<QString>("output");
        QTest::newRow("no tasks") << false << path(QStringLiteral("x.pdf"));
        QTest::newRow("no output") << true << QString();
    }

    void noTasksOrNoOutputIsRefused()
    {
        QFETCH(bool, withTasks);
        QFETCH(QString, output);
        RecordingProgress progress;
        MergeTaskList tasks;
        if (withTasks)
            tasks << task(m_threePages, 0);
        const Run run = runWorker(tasks, output, properties(), &progress);
        QCOMPARE(run.code, int(WorkerCode::RequestInvalid));
        QCOMPARE(run.count, 0);
        QVERIFY(run.mergedFile.isEmpty());
        QCOMPARE(run.signalOrder, QStringList({QStringLiteral("started"), QStringLiteral("complete"),
                                               QStringLiteral("finished")}));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("x.pdf"))));
    }

    void anExistingFileIsNeverReplaced()
    {
        const QString output = path(QStringLiteral("taken.pdf"));
        QFile existing(output);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("someone else's file");
        existing.close();
        RecordingProgress progress;
        const Run run = runWorker({task(m_threePages, 0), task(m_fourPages, 1)}, output, properties(), &progress);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.mergedFile, path(QStringLiteral("(1)taken.pdf")));
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), QByteArray("someone else's file"));
        QCOMPARE(int(open(run.mergedFile)->getAllPages().size()), 7);
        // The same with protection.
        const Run locked = runWorker({task(m_threePages, 0)}, output, properties(QStringLiteral("pw")), &progress);
        QCOMPARE(locked.mergedFile, path(QStringLiteral("(2)taken.pdf")));
    }

    void missingOutputFolderWritesNothing()
    {
        RecordingProgress progress;
        const QString output = path(QStringLiteral("no/such/folder/out.pdf"));
        const Run run = runWorker({task(m_threePages, 0)}, output, properties(), &progress);
        QVERIFY(run.mergedFile.isEmpty());
        QVERIFY(!QFileInfo::exists(output));
    }
};

QTEST_GUILESS_MAIN(TestMergeWorker)
#include "tst_mergeworker.moc"
