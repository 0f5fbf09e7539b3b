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
        QCOMPARE(object.size(), 11);
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
        refused.errorCode = 4;
        refused.problem = QStringLiteral("task 2 (two.pdf): \"pages\" There is no page 10");
        QCOMPARE(MergeResponse::fromJson(refused.toJson()).problem, refused.problem);
        QVERIFY(!MergeResponse().toJson().contains(QStringLiteral("problem")));
    }

    void requestWithThreeTasksWritesEveryKey()
    {
        const QJsonObject object = threeTaskRequest().toJson();
        QCOMPARE(object.size(), 9);
        for (const char *key : {"property_save_file_name", "property_author", "property_title", "property_password",
                                "property_creator", "property_producer", "cache_path", "session_id"})
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
        // Wrong types read as the defaults, never crash.
        const MergeRequest wrong = MergeRequest::fromJson(QJsonObject{{QStringLiteral("tasks"), 5},
                                                                    {QStringLiteral("property_author"), 7}});
        QVERIFY(wrong.tasks.isEmpty());
        QVERIFY(wrong.author.isEmpty());
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
        QCOMPARE(response.errorCode, 0);
        QCOMPARE(response.mergedFileName, QStringLiteral("/out/m.pdf"));
        QVERIFY(response.errorFiles.isEmpty());
    }

    void responseRoundTripsWithLeftOutFiles()
    {
        MergeResponse sent;
        sent.errorCode = 4;
        sent.mergedFileName = QStringLiteral("/out/m.pdf");
        sent.errorFiles = QStringList({QStringLiteral("/a/locked.pdf"), QStringLiteral("/a/broken.pdf")});
        const QJsonObject object = sent.toJson();
        QCOMPARE(object.value(QStringLiteral("error_code")).toInt(), 4);
        QCOMPARE(object.value(QStringLiteral("error_files")).toArray().size(), 2);
        QJsonObject decoded;
        QVERIFY(WorkerFile::decode(WorkerFile::encode(object), decoded));
        const MergeResponse read = MergeResponse::fromJson(decoded);
        QCOMPARE(read.errorCode, 4);
        QCOMPARE(read.mergedFileName, sent.mergedFileName);
        QCOMPARE(read.errorFiles, sent.errorFiles);
    }
};

QTEST_GUILESS_MAIN(TestMergeProtocol)
#include "tst_mergeprotocol.moc"
