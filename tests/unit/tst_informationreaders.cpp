#include "CapturedLog.h"
#include "TestPaths.h"
#include "TestPdf.h"
#include "app/AppSettings.h"
#include "merge/InformationWorker.h"
#include "merge/InformationWorkerList.h"
#include "merge/NullProgress.h"
#include "pdf/DebenuService.h"
#include "pdf/PageRenderer.h"

#include <QMutex>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {

// Records every call; cancels itself when the value reaches cancelAt.
class RecordingProgress : public IProgress
{
public:
    int cancelAt = -1;
    QStringList calls;
    QList<int> values;
    QStringList texts;
    QList<Qt::HANDLE> threads;

    void setMinimum(int minimum) override { record(QStringLiteral("setMinimum(%1)").arg(minimum)); }
    void setMaximum(int maximum) override { record(QStringLiteral("setMaximum(%1)").arg(maximum)); }
    void setValue(int value) override
    {
        record(QStringLiteral("setValue(%1)").arg(value));
        QMutexLocker lock(&m_mutex);
        values.append(value);
        if (value == cancelAt)
            m_cancelled = true;
    }
    void setText(const QString &text) override
    {
        record(QStringLiteral("setText"));
        QMutexLocker lock(&m_mutex);
        texts.append(text);
    }
    void cancel() override { m_cancelled = true; }
    void reset() override
    {
        record(QStringLiteral("reset"));
        m_cancelled = false;
    }
    void pause() override {}
    void resume() override {}
    bool isCanceled() override { return m_cancelled; }
    bool isPaused() override { return false; }

private:
    void record(const QString &call)
    {
        QMutexLocker lock(&m_mutex);
        calls.append(call);
        threads.append(QThread::currentThreadId());
    }
    QMutex m_mutex;
    std::atomic<bool> m_cancelled{false};
};

} // namespace

class TestInformationReaders : public QObject
{
    Q_OBJECT
private:
    std::shared_ptr<DebenuService> m_service;
    QTemporaryDir m_dir;
    std::unique_ptr<CapturedLog> m_log;

    QString temp(const QString &name) const { return m_dir.filePath(name); }

    struct ListRun
    {
        bool received = false;
        bool successed = false;
        MergeItemList items;
        QStringList order;
        bool completed = false;
    };

    // Runs a list reader on its own thread the way the merge screen does.
    ListRun runList(const QStringList &paths, IProgress *progress)
    {
        ListRun run;
        QObject receiver; // main-thread context; its end disconnects the lambdas
        auto *thread = new QThread;
        auto *worker = new InformationWorkerList(m_service, paths, progress);
        worker->moveToThread(thread);
        connect(thread, &QThread::started, worker, &InformationWorkerList::run);
        connect(worker, &InformationWorkerList::started, &receiver, [&run]() { run.order << "started"; });
        connect(worker, &InformationWorkerList::finished, &receiver, [&run](bool successed, MergeItemList items) {
            run.order << "finished";
            run.received = true;
            run.successed = successed;
            run.items = items;
        });
        connect(worker, &InformationWorkerList::complete, &receiver, [&run]() { run.order << "complete"; });
        connect(worker, &InformationWorkerList::complete, thread, &QThread::quit);
        connect(worker, &InformationWorkerList::complete, worker, &QObject::deleteLater);
        QSignalSpy threadDone(thread, &QThread::finished);
        thread->start();
        threadDone.wait(30000);
        run.completed = QTest::qWaitFor([&run]() { return run.order.contains(QStringLiteral("complete")); }, 5000);
        thread->wait();
        delete thread;
        return run;
    }

private slots:
    void initTestCase()
    {
        AppSettings::applyIdentity();
        m_log = std::make_unique<CapturedLog>();
        QVERIFY(m_dir.isValid());
        m_service = std::make_shared<DebenuService>();
        m_service->installRenderer(std::make_shared<PageRenderer>());
        QVERIFY(TestPdf::write(temp(QStringLiteral("titled.pdf")), {TestPdf::Page(), TestPdf::Page()},
                               {{"/Title", QStringLiteral("A titled document")}}));
    }

    void cleanupTestCase() { m_log.reset(); }

    // --- NullProgress ----------------------------------------------------------

    void nullProgressLogsPercentages()
    {
        NullProgress progress;
        QCOMPARE(progress.minimum(), 0);
        QCOMPARE(progress.maximum(), 0);
        QCOMPARE(progress.value(), 0);
        m_log->take();
        progress.setValue(3); // empty range
        progress.setMaximum(8);
        progress.setValue(2);
        progress.setMinimum(1);
        progress.setMaximum(1);
        progress.setValue(1);
        progress.setValue(7);
        progress.setMinimum(1);
        progress.setMaximum(5);
        progress.setValue(5);
        progress.setText(QStringLiteral("3 out of 5 files. a.pdf"));
        QStringList logged;
        for (const QString &line : m_log->take()) {
            if (line.contains(QStringLiteral("DEBUG: ")))
                logged << line.section(QStringLiteral("DEBUG: "), 1);
        }
        QCOMPARE(logged, (QStringList{QStringLiteral("Progress: 0%"), QStringLiteral("Progress: 25%"),
                                      QStringLiteral("Progress: 0%"), QStringLiteral("Progress: 0%"),
                                      QStringLiteral("Progress: 100%"), QStringLiteral("3 out of 5 files. a.pdf")}));
        QCOMPARE(progress.value(), 5);
    }

    void nullProgressMarks()
    {
        NullProgress progress;
        QVERIFY(!progress.isCanceled());
        QVERIFY(!progress.isPaused());
        progress.cancel();
        progress.pause();
        QVERIFY(progress.isCanceled());
        QVERIFY(progress.isPaused());
        progress.resume();
        QVERIFY(!progress.isPaused());
        QVERIFY(progress.isCanceled());
        progress.pause();
        progress.reset();
        QVERIFY(!progress.isCanceled());
        QVERIFY(!progress.isPaused());
        IProgress *sink = &progress; // usable through the interface
        sink->cancel();
        QVERIFY(sink->isCanceled());
    }

    // --- InformationWorker ---------------------------------------------------------

    void readsAPlainDocument()
    {
        InformationWorker worker(m_service, temp(QStringLiteral("titled.pdf")), QString());
        QSignalSpy started(&worker, &InformationWorker::started);
        QSignalSpy finished(&worker, &InformationWorker::finished);
        QVERIFY(!worker.isDone());
        worker.run();
        QCOMPARE(started.count(), 1);
        QCOMPARE(finished.count(), 1);
        QVERIFY(worker.isDone());
        const DocumentInformation info = worker.result();
        QCOMPARE(info.path, temp(QStringLiteral("titled.pdf")));
        QCOMPARE(info.title, QStringLiteral("A titled document"));
        QCOMPARE(info.pageCount, 2);
        QVERIFY(!info.hasPassword);
        QVERIFY(!info.encrypted);
        QVERIFY(!info.locked);
        QVERIFY(info.password.isEmpty());
        QVERIFY(info.contentCopyPermitted);
        QVERIFY(info.preview.isNull());
        QVERIFY(info.previewImage.isNull());
    }

    void previewIsPageOne()
    {
        InformationWorker worker(m_service, TestPaths::fixture(QStringLiteral("c-object-streams.pdf")), QString());
        worker.setPreview(true);
        QVERIFY(worker.preview());
        worker.run();
        const DocumentInformation info = worker.result();
        QVERIFY(!info.previewImage.isNull());
        QCOMPARE(info.previewImage.size(), QSize(612, 792));
        // On the main thread of a GUI application the pixmap is there too.
        QCOMPARE(info.preview.size(), info.previewImage.size());
    }

    void protectedDocumentOutcomes_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("pages");
        QTest::newRow("no password") << "" << true << "" << 0;
        QTest::newRow("wrong password") << "nope" << true << "" << 0;
        QTest::newRow("user password") << "view" << false << "view" << 30;
        QTest::newRow("owner password") << "master" << false << "master" << 30;
    }
    void protectedDocumentOutcomes()
    {
        QFETCH(QString, password);
        QFETCH(bool, locked);
        QFETCH(QString, kept);
        QFETCH(int, pages);
        InformationWorker worker(m_service, TestPaths::fixture(QStringLiteral("enc-R3,V2,U=view,O=master.pdf")),
                                 password);
        worker.run();
        const DocumentInformation info = worker.result();
        QVERIFY(info.hasPassword);
        QCOMPARE(info.locked, locked);
        QCOMPARE(info.password, kept);
        QCOMPARE(info.pageCount, pages);
        QCOMPARE(info.encrypted, !locked);
        // Copying is restricted for the user, granted to the owner.
        QCOMPARE(info.contentCopyPermitted, password == QLatin1String("master"));
    }

    void unreadableDocumentKeepsDefaults()
    {
        InformationWorker worker(m_service, temp(QStringLiteral("missing.pdf")), QStringLiteral("x"));
        worker.run();
        const DocumentInformation info = worker.result();
        QVERIFY(worker.isDone());
        QCOMPARE(info.path, temp(QStringLiteral("missing.pdf")));
        QCOMPARE(info.pageCount, 0);
        QVERIFY(!info.hasPassword && !info.locked && !info.encrypted && !info.contentCopyPermitted);
        QVERIFY(info.password.isEmpty());
    }

    // --- InformationWorkerList ---------------------------------------------------------

    void listReadsPdfFilesOnItsThread()
    {
        const QString upper = temp(QStringLiteral("UPPER.PDF"));
        QVERIFY(QFile::copy(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")), upper));
        const QString text = temp(QStringLiteral("notes.txt"));
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a pdf");
        file.close();
        const QString broken = temp(QStringLiteral("broken.pdf"));
        QFile brokenFile(broken);
        QVERIFY(brokenFile.open(QIODevice::WriteOnly));
        brokenFile.write("garbage");
        brokenFile.close();
        const QStringList paths = {
            temp(QStringLiteral("titled.pdf")), text, upper, temp(QStringLiteral("gone.pdf")),
            TestPaths::fixture(QStringLiteral("enc-R3,V2,U=view,O=master.pdf")), broken,
            TestPaths::fixture(QStringLiteral("V4-aes.pdf"))};
        RecordingProgress progress;
        m_log->take();
        const ListRun run = runList(paths, &progress);
        QVERIFY(run.completed);
        QCOMPARE(run.order, (QStringList{"started", "finished", "complete"}));
        QVERIFY(run.received);
        QVERIFY(run.successed);
        QCOMPARE(run.items.size(), 5);
        QCOMPARE(run.items.at(0).fileName, QStringLiteral("titled.pdf"));
        QCOMPARE(run.items.at(0).pageCount, 2);
        QVERIFY(!run.items.at(0).hasPassword && !run.items.at(0).hasSecurity);
        QCOMPARE(run.items.at(1).fullPath, upper);
        QCOMPARE(run.items.at(1).pageCount, 11);
        QVERIFY(run.items.at(2).hasPassword);
        QCOMPARE(run.items.at(2).pageCount, 0);
        QVERIFY(run.items.at(2).password.isEmpty());
        QCOMPARE(run.items.at(3).fileName, QStringLiteral("broken.pdf"));
        QCOMPARE(run.items.at(3).pageCount, 0);
        QVERIFY(!run.items.at(3).hasPassword && !run.items.at(3).hasSecurity);
        QCOMPARE(run.items.at(4).pageCount, 30);
        QVERIFY(!run.items.at(4).hasPassword);
        QVERIFY(run.items.at(4).hasSecurity);
        QSet<QString> ids;
        for (const MergeItem &item : run.items)
            ids.insert(item.id);
        QCOMPARE(ids.size(), 5);

        QCOMPARE(progress.calls.mid(0, 5), (QStringList{"reset", "setMinimum(1)", "setMaximum(7)", "setText",
                                                        "setValue(1)"}));
        QCOMPARE(progress.values, (QList<int>{1, 1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(progress.texts.size(), 1 + 5);
        QCOMPARE(progress.texts.at(1), QStringLiteral("1 out of 7 files. titled.pdf"));
        QCOMPARE(progress.texts.at(2), QStringLiteral("3 out of 7 files. UPPER.PDF"));
        QVERIFY(!progress.threads.contains(QThread::currentThreadId()));

        const QStringList lines = m_log->take();
        QVERIFY(!lines.filter(QStringLiteral("DEBUG: Add worker running...")).isEmpty());
        QVERIFY(!lines.filter(QStringLiteral("DEBUG: Total files:7")).isEmpty());
        QCOMPARE(lines.filter(QStringLiteral("Can not load file:")).size(), 2);
    }

    void listWithoutSinkUsesNullProgress()
    {
        m_log->take();
        const ListRun run = runList({temp(QStringLiteral("titled.pdf"))}, nullptr);
        QVERIFY(run.completed);
        QVERIFY(run.successed);
        QCOMPARE(run.items.size(), 1);
        QVERIFY(!m_log->take().filter(QStringLiteral("DEBUG: Progress: ")).isEmpty());
    }

    void cancellingDiscardsEverything()
    {
        RecordingProgress progress;
        progress.cancelAt = 2;
        const QString plain = temp(QStringLiteral("titled.pdf"));
        const ListRun run = runList({plain, plain, plain, plain}, &progress);
        QVERIFY(run.completed);
        QCOMPARE(run.order, (QStringList{"started", "finished", "complete"}));
        QVERIFY(!run.successed);
        QVERIFY(run.items.isEmpty());
        // Stopped before the third file.
        QCOMPARE(progress.values, (QList<int>{1, 1, 2}));
    }

    void emptyListSucceedsWithNothing()
    {
        RecordingProgress progress;
        const ListRun run = runList({}, &progress);
        QVERIFY(run.completed);
        QVERIFY(run.successed);
        QVERIFY(run.items.isEmpty());
        QVERIFY(progress.calls.contains(QStringLiteral("setMaximum(0)")));
    }
};

QTEST_MAIN(TestInformationReaders)
#include "tst_informationreaders.moc"
