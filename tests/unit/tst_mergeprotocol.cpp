#include "merge/MergeRequest.h"
#include "merge/MergeResponse.h"
#include "merge/MergeTask.h"
#include "protocol/WorkerFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

// The request and response files exchanged with the worker: exact keys,
// defaults for missing keys, ordering, and the Base64 file form both ways.
class TestMergeProtocol : public QObject
{
    Q_OBJECT

    static MergeTask task(const QString &path, int order, const QString &password = QString())
    {
        MergeTask t;
        t.fullPath = path;
        t.order = order;
        t.password = password;
        t.hasPassword = !password.isEmpty();
        t.hasSecurity = !password.isEmpty();
        t.pageCount = 3 + order;
        return t;
    }

    static MergeRequest threeTaskRequest()
    {
        MergeRequest request;
        request.tasks = {task(QStringLiteral("/a/one.pdf"), 0), task(QStringLiteral("/a/two.pdf"), 1, QStringLiteral("s3cret")),
                         task(QStringLiteral("/a/thr\u00e9e.pdf"), 2)};
        request.saveFileName = QStringLiteral("/out/Merged-1.pdf");
        request.setProperties(DocumentProperties(QStringLiteral("Ann"), QStringLiteral("T"), QStringLiteral("pw"),
                                                 QStringLiteral("Cre"), QStringLiteral("Pro")));
        request.publisher = QStringLiteral("Pub");
        request.cachePath = QStringLiteral("/cache/abc");
        request.sessionId = QStringLiteral("abc");
        return request;
    }

private slots:
    void taskWritesAllSixKeys()
    {
        const QJsonObject object = task(QStringLiteral("/x.pdf"), 4, QStringLiteral("pw")).toJson();
        QStringList keys = object.keys();
        keys.sort();
        QCOMPARE(keys, QStringList({QStringLiteral("order"), QStringLiteral("task_full_path"),
                                    QStringLiteral("task_has_password"), QStringLiteral("task_has_security"),
                                    QStringLiteral("task_page_count"), QStringLiteral("task_password")}));
        QVERIFY(object.value(QStringLiteral("task_has_password")).isBool());
        QCOMPARE(object.value(QStringLiteral("task_page_count")).toInt(), 7);
        QCOMPARE(object.value(QStringLiteral("order")).toInt(), 4);
    }

    void taskDefaultsForMissingKeys()
    {
        const MergeTask t = MergeTask::fromJson(QJsonObject{{QStringLiteral("task_full_path"), QStringLiteral("/p.pdf")}});
        QCOMPARE(t.fullPath, QStringLiteral("/p.pdf"));
        QVERIFY(!t.hasPassword);
        QVERIFY(!t.hasSecurity);
        QVERIFY(t.password.isEmpty());
        QCOMPARE(t.pageCount, 0);
        QCOMPARE(t.order, 0);
        QVERIFY(!t.needsDecryption());
        QCOMPARE(MergeTask::fromJson(QJsonObject()), MergeTask());
    }

    // Pages, turns and the layout travel under their own keys, written only
    // when they say something, and come back as written; the response
    // carries the reason of a refusal.
    void pageChoicesAndLayoutRoundTrip()
    {
        MergeRequest request = threeTaskRequest();
        request.tasks[1].pages = QStringLiteral("1-3, 7, 10-");
        request.tasks[2].rotation = 270;
        request.interleave = true;
        request.interleaveReverseLast = true;
        const QJsonObject object = request.toJson();
        QCOMPARE(object.size(), 12);
        const QJsonArray tasks = object.value(QStringLiteral("tasks")).toArray();
        QCOMPARE(tasks.at(0).toObject().size(), 6);
        QCOMPARE(tasks.at(1).toObject().value(QStringLiteral("pages")).toString(), QStringLiteral("1-3, 7, 10-"));
        QCOMPARE(tasks.at(2).toObject().value(QStringLiteral("rotate")).toInt(), 270);
        QVERIFY(object.value(QStringLiteral("interleave")).toBool());
        QVERIFY(!object.contains(QStringLiteral("blank_after_odd")));

        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("r.req"));
        QVERIFY(WorkerFile::write(file, object));
        QJsonObject read;
        QVERIFY(WorkerFile::read(file, read));
        QStringList problems;
        const MergeRequest back = MergeRequest::fromJson(read, &problems);
        QVERIFY(problems.isEmpty());
        QCOMPARE(back.tasks, request.tasks);
        QCOMPARE(back.layout(), request.layout());
        QVERIFY(back.layout().reverseLast);
        QVERIFY(back.validate().filter(QStringLiteral("task")).isEmpty());

        MergeResponse refused;
        refused.outcome.code = 4;
        refused.outcome.problems << QStringLiteral("task 2 (two.pdf): \"pages\" There is no page 10");
        QCOMPARE(MergeResponse::fromJson(refused.toJson()).outcome.problems, refused.outcome.problems);
        QVERIFY(!MergeResponse().toJson().contains(QStringLiteral("problems")));
    }

    void requestWithThreeTasksWritesEveryKey()
    {
        const QJsonObject object = threeTaskRequest().toJson();
        QCOMPARE(object.size(), 10);
        for (const char *key : {"property_save_file_name", "property_author", "property_title", "property_password",
                                "property_creator", "property_producer", "property_publisher", "cache_path",
                                "session_id"})
            QVERIFY2(object.value(QLatin1String(key)).isString(), key);
        const QJsonArray tasks = object.value(QStringLiteral("tasks")).toArray();
        QCOMPARE(tasks.size(), 3);
        for (const QJsonValue &value : tasks)
            QCOMPARE(value.toObject().size(), 6);
        QCOMPARE(object.value(QStringLiteral("cache_path")).toString(), QStringLiteral("/cache/abc"));
        QCOMPARE(object.value(QStringLiteral("property_password")).toString(), QStringLiteral("pw"));
        QCOMPARE(tasks.at(1).toObject().value(QStringLiteral("task_password")).toString(), QStringLiteral("s3cret"));
    }

    void requestRoundTripsThroughTheFileForm()
    {
        const MergeRequest sent = threeTaskRequest();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.req"));
        QVERIFY(WorkerFile::write(path, sent.toJson()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QJsonObject object;
        QVERIFY(WorkerFile::read(path, object));
        const MergeRequest read = MergeRequest::fromJson(object);
        QCOMPARE(read.tasks, sent.tasks);
        QCOMPARE(read.tasks.at(2).fullPath, QStringLiteral("/a/thr\u00e9e.pdf"));
        QCOMPARE(read.saveFileName, sent.saveFileName);
        QCOMPARE(read.author, QStringLiteral("Ann"));
        QCOMPARE(read.title, QStringLiteral("T"));
        QCOMPARE(read.password, QStringLiteral("pw"));
        QCOMPARE(read.creator, QStringLiteral("Cre"));
        QCOMPARE(read.producer, QStringLiteral("Pro"));
        QCOMPARE(read.cachePath, sent.cachePath);
        QCOMPARE(read.sessionId, sent.sessionId);
        // The file is plain Base64 of indented UTF-8 JSON.
        const QByteArray json = QByteArray::fromBase64(text);
        QVERIFY(json.contains("\n    \"cache_path\""));
        QVERIFY(json.contains("thr\xc3\xa9" "e.pdf"));
    }

    void readerAcceptsCompactLayout()
    {
        const QByteArray compact = QJsonDocument(threeTaskRequest().toJson()).toJson(QJsonDocument::Compact).toBase64();
        QJsonObject object;
        QVERIFY(WorkerFile::decode(compact + "\n", object));
        QCOMPARE(MergeRequest::fromJson(object).tasks.size(), 3);
    }

    void readerSortsTasksByOrder()
    {
        MergeRequest request;
        request.tasks = {task(QStringLiteral("/c.pdf"), 2), task(QStringLiteral("/a.pdf"), 0), task(QStringLiteral("/b.pdf"), 1)};
        const MergeRequest read = MergeRequest::fromJson(request.toJson());
        QCOMPARE(read.tasks.size(), 3);
        QCOMPARE(read.tasks.at(0).fullPath, QStringLiteral("/a.pdf"));
        QCOMPARE(read.tasks.at(1).fullPath, QStringLiteral("/b.pdf"));
        QCOMPARE(read.tasks.at(2).fullPath, QStringLiteral("/c.pdf"));
    }

    void requestDefaultsForMissingKeys()
    {
        const MergeRequest read = MergeRequest::fromJson(QJsonObject{{QStringLiteral("session_id"), QStringLiteral("s")}});
        QVERIFY(read.tasks.isEmpty());
        QVERIFY(read.saveFileName.isEmpty());
        QVERIFY(read.password.isEmpty());
        QCOMPARE(read.sessionId, QStringLiteral("s"));
        // Wrong types read as the defaults, never crash, and each is named.
        QStringList problems;
        const MergeRequest wrong = MergeRequest::fromJson(
            QJsonObject{{QStringLiteral("tasks"), 5}, {QStringLiteral("property_author"), 7},
                        {QStringLiteral("property_password"), QJsonArray{QStringLiteral("pw")}}},
            &problems);
        QVERIFY(wrong.tasks.isEmpty());
        QVERIFY(wrong.author.isEmpty());
        QVERIFY(wrong.password.isEmpty());
        QCOMPARE(problems.size(), 3);
        for (const char *key : {"\"tasks\"", "\"property_author\"", "\"property_password\""})
            QVERIFY2(problems.join(' ').contains(QLatin1String(key)), key);
        // Inside a task, the problem names the task.
        problems.clear();
        MergeRequest::fromJson(QJsonObject{{QStringLiteral("tasks"),
                                            QJsonArray{QJsonObject{}, QJsonObject{{QStringLiteral("task_has_password"), 1}}}}},
                               &problems);
        QCOMPARE(problems, QStringList{QStringLiteral("\"tasks[1].task_has_password\" is not true or false")});
    }

    void redactedFormHidesEveryPassword()
    {
        const MergeRequest request = threeTaskRequest();
        const QByteArray redacted = WorkerFile::encode(request.toRedactedJson());
        const QByteArray json = QByteArray::fromBase64(redacted);
        QVERIFY(!json.contains("s3cret"));
        QVERIFY(!json.contains("\"pw\""));
        QVERIFY(json.contains("task_password"));      // keys stay, values are blank
        QVERIFY(json.contains("/a/two.pdf"));
        // The request itself is untouched.
        QCOMPARE(request.password, QStringLiteral("pw"));
        QCOMPARE(request.tasks.at(1).password, QStringLiteral("s3cret"));
    }

    void responseWithOnlyTheFileNameReadsAsSuccess()
    {
        const MergeResponse response = MergeResponse::fromJson(
            QJsonObject{{QStringLiteral("merged_file_name"), QStringLiteral("/out/m.pdf")}});
        QCOMPARE(response.outcome.code, 0);
        QCOMPARE(response.mergedFileName(), QStringLiteral("/out/m.pdf"));
        QVERIFY(response.outcome.leftOutItems().isEmpty());
    }

    void responseRoundTripsWithLeftOutFiles()
    {
        MergeResponse sent;
        sent.outcome.code = 0;
        sent.outcome.addWritten(QStringLiteral("/out/(1)m.pdf"), QStringLiteral("m.pdf"));
        sent.outcome.addLeftOut(QStringLiteral("/a/locked.pdf"), WorkerOutcome::Reason::Password);
        sent.outcome.addLeftOut(QStringLiteral("/a/broken.pdf"), WorkerOutcome::Reason::OutOfMemory);
        const QJsonObject object = sent.toJson();
        QCOMPARE(object.value(QStringLiteral("error_code")).toInt(), 0);
        QCOMPARE(object.value(QStringLiteral("merged_file_name")).toString(), QStringLiteral("/out/(1)m.pdf"));
        QCOMPARE(object.value(QStringLiteral("left_out")).toArray().size(), 2);
        QJsonObject decoded;
        QVERIFY(WorkerFile::decode(WorkerFile::encode(object), decoded));
        QStringList problems;
        const MergeResponse read = MergeResponse::fromJson(decoded, &problems);
        QVERIFY(problems.isEmpty());
        QCOMPARE(read.outcome, sent.outcome);
        QCOMPARE(read.mergedFileName(), QStringLiteral("/out/(1)m.pdf"));
        QCOMPARE(read.outcome.renamedFiles(), QStringList{QStringLiteral("/out/(1)m.pdf")});
        QCOMPARE(read.outcome.leftOut.at(1).reason, QStringLiteral("out_of_memory"));
        // A response of the wrong shape is not read as a success.
        MergeResponse::fromJson(QJsonObject{{QStringLiteral("error_code"), QStringLiteral("0")}}, &problems);
        QCOMPARE(problems, QStringList{QStringLiteral("\"error_code\" is not a whole number in range")});
    }
};

QTEST_GUILESS_MAIN(TestMergeProtocol)
#include "tst_mergeprotocol.moc"
