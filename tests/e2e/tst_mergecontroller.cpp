#include "TestPaths.h"
#include "app/AppSettings.h"
#include "merge/IPasswordPrompt.h"
#include "merge/InformationWorker.h"
#include "merge/InformationWorkerList.h"
#include "merge/Merge.h"
#include "pdf/DebenuService.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Answers password questions from a script and records what was asked.
class ScriptedPrompt : public IPasswordPrompt
{
public:
    struct Step
    {
        Answer answer;
        QString password;
    };
    QList<Step> script;
    QStringList asked;
    QStringList messages;

    void answer(Answer answer, const QString &password = QString()) { script << Step{answer, password}; }

    Answer askPassword(const QString &fileName, QString &password) override
    {
        asked << fileName;
        if (script.isEmpty())
            qFatal("unexpected password question for %s", qPrintable(fileName));
        const Step step = script.takeFirst();
        password = step.password;
        return step.answer;
    }
    void showMessage(const QString &caption, const QString &text) override
    {
        messages << caption + QLatin1String(" / ") + text;
    }
};

const char *const protectedR3 = "enc-R3,V2,U=view,O=master.pdf";
const char *const protectedR6 = "enc-XI-R6,V5,U=view,O=master.pdf";
const char *const longPassword = "enc-long-password.pdf";

} // namespace

// The merge controller driving the real launcher and the real pdfworker.
class TestMergeController : public QObject
{
    Q_OBJECT

    std::shared_ptr<DebenuService> service;
    QTemporaryDir scratch;

    struct Run
    {
        QStringList events;
        int code = 0;
        QString merged;
    };

    static void record(Merge &merge, Run &run)
    {
        QObject::connect(&merge, &Merge::started, [&run] { run.events << QStringLiteral("started"); });
        QObject::connect(&merge, &Merge::complete, [&run] { run.events << QStringLiteral("complete"); });
        QObject::connect(&merge, &Merge::finished, [&run](int code, const QString &merged) {
            run.events << QStringLiteral("finished");
            run.code = code;
            run.merged = merged;
        });
    }

    static bool runToEnd(Merge &merge, Run &run)
    {
        merge.run();
        return QTest::qWaitFor([&run] { return run.events.contains("finished"); }, 120000);
    }

    // The list items as the merge screen gets them: read by the list reader.
    MergeItemList itemsFor(const QStringList &fixtures)
    {
        QStringList paths;
        for (const QString &name : fixtures)
            paths << (QFileInfo(name).isAbsolute() ? name : TestPaths::fixture(name));
        InformationWorkerList reader(service, paths, nullptr);
        MergeItemList items;
        QObject::connect(&reader, &InformationWorkerList::finished,
                         [&items](bool, const MergeItemList &read) { items = read; });
        reader.run();
        return items;
    }

    int pagesOf(const QString &path, const QString &password = QString())
    {
        InformationWorker reader(service, path, password);
        reader.run();
        return reader.result().pageCount;
    }

    bool isLocked(const QString &path)
    {
        InformationWorker reader(service, path, QString());
        reader.run();
        return reader.result().locked;
    }

    QString output(const QString &name) { return scratch.filePath(name); }

private slots:
    void initTestCase()
    {
        AppSettings::applyIdentity();
        QVERIFY(scratch.isValid());
        service = std::make_shared<DebenuService>();
        service->init();
    }

    void protectedFileAfterOneWrongPassword()
    {
        Merge merge(service);
        ScriptedPrompt prompt;
        prompt.answer(IPasswordPrompt::Answer::Password, QStringLiteral("nope"));
        prompt.answer(IPasswordPrompt::Answer::Password, QStringLiteral("view"));
        merge.setPasswordPrompt(&prompt);
        merge.model()->addItems(itemsFor({"11-pages-with-labels.pdf", protectedR3, "c-object-streams.pdf"}));
        QVERIFY(merge.model()->item(1).needsPassword());
        merge.setSaveFileName(output("with-protected.pdf"));
        Run run;
        record(merge, run);
        QVERIFY(runToEnd(merge, run));

        QCOMPARE(run.events, (QStringList{"started", "complete", "finished"}));
        QCOMPARE(run.code, 0);
        QCOMPARE(run.merged, output("with-protected.pdf"));
        QCOMPARE(pagesOf(run.merged), 71);
        QCOMPARE(prompt.asked, (QStringList{protectedR3, protectedR3}));
        QCOMPARE(prompt.messages,
                 QStringList{QStringLiteral("Can not open file / The password for %1 is incorrect").arg(protectedR3)});

        // The list remembers the working password and the pages just read.
        const MergeItem unlocked = merge.model()->item(1);
        QCOMPARE(unlocked.password, QStringLiteral("view"));
        QCOMPARE(unlocked.pageCount, 30);
        QVERIFY(unlocked.hasSecurity);
        QCOMPARE(merge.model()->totalPages(), 71);

        const MergeRequest request = merge.request();
        QCOMPARE(request.tasks.size(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(request.tasks.at(i).order, i);
        QVERIFY(request.password.isEmpty());
        QCOMPARE(request.creator, QStringLiteral("Sheafwright"));

        // A second merge needs no question: the password is known.
        merge.setSaveFileName(output("again.pdf"));
        Run again;
        record(merge, again);
        QVERIFY(runToEnd(merge, again));
        QCOMPARE(again.code, 0);
        QCOMPARE(prompt.asked.size(), 2);
        QCOMPARE(pagesOf(again.merged), 71);
    }

    void skipLeavesOneFileOut()
    {
        Merge merge(service);
        ScriptedPrompt prompt;
        prompt.answer(IPasswordPrompt::Answer::Skip);
        merge.setPasswordPrompt(&prompt);
        merge.model()->addItems(itemsFor({protectedR6, "11-pages-with-labels.pdf"}));
        merge.setSaveFileName(output("skipped.pdf"));
        Run run;
        record(merge, run);
        QVERIFY(runToEnd(merge, run));
        QCOMPARE(prompt.asked, QStringList{protectedR6});
        QCOMPARE(merge.request().tasks.size(), 1);
        QCOMPARE(merge.request().tasks.first().fullPath, TestPaths::fixture("11-pages-with-labels.pdf"));
        QCOMPARE(run.events, (QStringList{"started", "complete", "finished"}));
        QCOMPARE(run.code, 0);
        QCOMPARE(pagesOf(run.merged), 11);
        // The skipped file stays in the list, still waiting for its password.
        QCOMPARE(merge.model()->count(), 2);
        QVERIFY(merge.model()->item(0).needsPassword());
    }

    void skipAllAsksOnce()
    {
        Merge merge(service);
        ScriptedPrompt prompt;
        prompt.answer(IPasswordPrompt::Answer::SkipAll);
        merge.setPasswordPrompt(&prompt);
        merge.model()->addItems(itemsFor({protectedR3, "11-pages-with-labels.pdf", protectedR6, longPassword,
                                          "form-filled-by-acrobat.pdf"}));
        merge.setSaveFileName(output("skip-all.pdf"));
        Run run;
        record(merge, run);
        QVERIFY(runToEnd(merge, run));
        QCOMPARE(prompt.asked, QStringList{protectedR3});
        QCOMPARE(merge.request().tasks.size(), 2);
        QCOMPARE(run.code, 0);
        QCOMPARE(pagesOf(run.merged), 14);
    }

    void passwordWithSpacesIsTriedAsTyped()
    {
        Merge merge(service);
        ScriptedPrompt prompt;
        const QString typed = QStringLiteral("asdf asdf asdf asdf asdf asdf qwer");
        prompt.answer(IPasswordPrompt::Answer::Password, QLatin1Char(' ') + typed);
        prompt.answer(IPasswordPrompt::Answer::Password, typed);
        merge.setPasswordPrompt(&prompt);
        merge.model()->addItems(itemsFor({longPassword, "form-filled-by-acrobat.pdf"}));
        merge.setSaveFileName(output("long-password.pdf"));
        Run run;
        record(merge, run);
        QVERIFY(runToEnd(merge, run));
        // With a leading space the password is wrong: nothing is trimmed.
        QCOMPARE(prompt.messages.size(), 1);
        QCOMPARE(merge.model()->item(0).password, typed);
        QCOMPARE(run.code, 0);
        QCOMPARE(pagesOf(run.merged), 33);
    }

    void outputPasswordOff()
    {
        Merge merge(service);
        merge.model()->addItems(itemsFor({"11-pages-with-labels.pdf", "form-filled-by-acrobat.pdf"}));
        merge.setPassword(QString());
        merge.setSaveFileName(output("open.pdf"));
        Run run;
        record(merge, run);
        QVERIFY(runToEnd(merge, run));
        QVERIFY(merge.request().password.isEmpty());
        QCOMPARE(run.code, 0);
        QVERIFY(!isLocked(run.merged));
        QCOMPARE(pagesOf(run.merged), 14);
    }

    void outputPasswordOn()
    {
        AppSettings::open()->setValue(QLatin1String(AppSettings::keyPublisher), QStringLiteral("Test Press"));
        Merge merge(service);
        merge.model()->addItems(itemsFor({"11-pages-with-labels.pdf", "form-filled-by-acrobat.pdf"}));
        merge.setPassword(QStringLiteral("s3cret"));
        merge.setSaveFileName(output("closed.pdf"));
        Run run;
        record(merge, run);
        QVERIFY(runToEnd(merge, run));
        const MergeRequest request = merge.request();
        QCOMPARE(request.password, QStringLiteral("s3cret"));
        // The publisher is the author only of a result whose first input names none.
        QVERIFY(request.author.isEmpty());
        QCOMPARE(request.publisher, QStringLiteral("Test Press"));
        QCOMPARE(request.producer, QStringLiteral("Sheafwright %1").arg(QLatin1String(AppSettings::version)));
        QVERIFY(request.title.isEmpty());
        QCOMPARE(run.code, 0);
        QVERIFY(isLocked(run.merged));
        QCOMPARE(pagesOf(run.merged, QStringLiteral("wrong")), 0);
        QCOMPARE(pagesOf(run.merged, QStringLiteral("s3cret")), 14);
        AppSettings::open()->remove(QLatin1String(AppSettings::keyPublisher));
    }

    void oneFileIsNotMerged()
    {
        Merge merge(service);
        merge.model()->addItems(itemsFor({"11-pages-with-labels.pdf"}));
        merge.setSaveFileName(output("single.pdf"));
        Run run;
        record(merge, run);
        merge.run();
        QVERIFY(!merge.isRunning());
        QTest::qWait(200);
        QVERIFY(run.events.isEmpty());
        QVERIFY(!QFile::exists(output("single.pdf")));

        Merge empty(service);
        record(empty, run);
        empty.run();
        QTest::qWait(50);
        QVERIFY(run.events.isEmpty());
    }

    void unreadableFilesAreNeverSent()
    {
        Merge merge(service);
        const QString notPdf = output("fake.pdf");
        QFile fake(notPdf);
        QVERIFY(fake.open(QIODevice::WriteOnly));
        fake.write("this is not a PDF\n");
        fake.close();
        merge.model()->addItems(itemsFor({notPdf, "11-pages-with-labels.pdf", "form-filled-by-acrobat.pdf"}));
        QCOMPARE(merge.model()->count(), 3);
        QCOMPARE(merge.model()->item(0).pageCount, 0);
        merge.setSaveFileName(output("without-fake.pdf"));
        Run run;
        record(merge, run);
        QVERIFY(runToEnd(merge, run));
        QCOMPARE(merge.request().tasks.size(), 2);
        QCOMPARE(merge.request().tasks.at(0).order, 0);
        QCOMPARE(run.code, 0);
        QCOMPARE(pagesOf(run.merged), 14);
    }

    void cancelDuringARun()
    {
        // Large inputs keep the worker busy long enough to be cancelled.
        QStringList inputs;
        for (int copy = 0; copy < 4; ++copy) {
            const QString big = output(QStringLiteral("big%1.pdf").arg(copy));
            QStringList args{"--empty", "--pages"};
            for (int i = 0; i < 100; ++i)
                args << TestPaths::fixture("c-object-streams.pdf");
            args << "--" << big;
            QCOMPARE(QProcess::execute("qpdf", args), 0);
            inputs << big;
        }
        Merge merge(service);
        merge.model()->addItems(itemsFor(inputs));
        QCOMPARE(merge.model()->totalPages(), 12000);
        merge.setSaveFileName(output("cancelled.pdf"));
        Run run;
        record(merge, run);
        merge.run();
        QVERIFY(merge.isRunning());
        merge.cancel();
        QVERIFY(QTest::qWaitFor([&run] { return run.events.contains("finished"); }, 30000));
        QCOMPARE(run.events, (QStringList{"started", "complete", "finished"}));
        QVERIFY(run.code != 0);
        QVERIFY(run.merged.isEmpty());
        QVERIFY(!merge.isRunning());
        QVERIFY(!QFile::exists(output("cancelled.pdf")));

        // A second run while one runs is ignored; the list is still whole.
        merge.run();
        merge.run();
        QVERIFY(QTest::qWaitFor([&run] { return run.events.count("finished") == 2; }, 120000));
        QCOMPARE(run.code, 0);
        QCOMPARE(pagesOf(run.merged), 12000);
        QTest::qWait(200);
        QCOMPARE(run.events.count("started"), 2);
    }
};

QTEST_MAIN(TestMergeController)
#include "tst_mergecontroller.moc"
