#include "split/SplitRequest.h"
#include "split/SplitResponse.h"
#include "protocol/WorkerCode.h"
#include "protocol/WorkerFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

// The split request and response as they travel through files: exact keys,
// defaults, refusal of wrong types, and the Base64 JSON form both ways.
class TestSplitProtocol : public QObject
{
    Q_OBJECT

    static SplitRequest sampleRequest()
    {
        SplitRequest r;
        r.mode = 1;
        r.fileName = QStringLiteral("/docs/r\u00e9port.v2.pdf");
        r.filePassword = QStringLiteral("open sesame");
        r.pageCount = 42;
        r.ranges = {{1, 1}, {3, 7}, {9, 9}};
        r.outDirectory = QStringLiteral("/docs/out");
        r.author = QStringLiteral("Ann");
        r.title = QStringLiteral("Title \u00fc");
        r.password = QStringLiteral("protect");
        r.creator = QStringLiteral("Cre");
        r.producer = QStringLiteral("Pro");
        r.publisher = QStringLiteral("Pub");
        r.sessionPath = QStringLiteral("/cache/abc123");
        r.sessionId = QStringLiteral("abc123");
        return r;
    }

    static QByteArray base64Of(const QByteArray &json) { return json.toBase64(); }

private slots:
    // --- request
    void requestKeysAreExact()
    {
        const QJsonObject json = sampleRequest().toJson();
        QStringList keys = json.keys();
        keys.sort();
        QStringList expected = {"mode", "file_name", "file_password", "page_coount", "ranges", "out_directory",
                                "property_author", "property_title", "property_password", "property_creator",
                                "property_producer", "property_publisher", "session_path", "session_id"};
        expected.sort();
        QCOMPARE(keys, expected);
        QCOMPARE(json.value("page_coount").toInt(), 42);
        QCOMPARE(json.value("mode").toInt(), 1);
        const QJsonArray ranges = json.value("ranges").toArray();
        QCOMPARE(ranges.size(), 3);
        QCOMPARE(ranges.at(1).toObject().value("from").toInt(), 3);
        QCOMPARE(ranges.at(1).toObject().value("to").toInt(), 7);
        QCOMPARE(json.value("property_password").toString(), QStringLiteral("protect"));
        QCOMPARE(json.value("file_password").toString(), QStringLiteral("open sesame"));
    }

    void requestRoundTripThroughFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("x.req");
        const SplitRequest original = sampleRequest();
        QVERIFY(WorkerFile::write(path, original.toJson()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        // The file holds Base64 of indented UTF-8 JSON.
        const QByteArray json = QByteArray::fromBase64(text);
        QVERIFY(json.contains("\n    \"page_coount\": 42"));
        QVERIFY(json.contains("r\xc3\xa9port"));
        QJsonObject read;
        QVERIFY(WorkerFile::read(path, read));
        QStringList problems;
        QCOMPARE(SplitRequest::fromJson(read, &problems), original);
        QVERIFY(problems.isEmpty());
    }

    void requestFromAnyLayout()
    {
        // Compact JSON, keys in another order, Base64 wrapped over lines.
        const QByteArray json = "{\"session_id\":\"s1\",\"ranges\":[{\"to\":4,\"from\":2}],\"mode\":0,"
                                "\"page_coount\":9,\"file_name\":\"/a.pdf\"}";
        QByteArray base64 = base64Of(json);
        base64.insert(10, "\r\n");
        base64.append("\n");
        QJsonObject object;
        QVERIFY(WorkerFile::decode(base64, object));
        const SplitRequest r = SplitRequest::fromJson(object);
        QCOMPARE(r.sessionId, QStringLiteral("s1"));
        QCOMPARE(r.ranges, (QList<QPair<int, int>>{{2, 4}}));
        QCOMPARE(r.pageCount, 9);
        QCOMPARE(r.fileName, QStringLiteral("/a.pdf"));
    }

    void missingKeysGiveDefaults()
    {
        QStringList problems;
        const QJsonObject object{{"ranges", QJsonArray{QJsonObject{{"from", 5}}, QJsonObject{}}}};
        const SplitRequest r = SplitRequest::fromJson(object, &problems);
        QVERIFY(problems.isEmpty());
        QCOMPARE(r.mode, 0);
        QCOMPARE(r.pageCount, 0);
        QVERIFY(r.fileName.isEmpty());
        QVERIFY(r.password.isEmpty());
        QCOMPARE(r.ranges, (QList<QPair<int, int>>{{5, 0}, {0, 0}}));
    }

    void wrongTypesAreReported_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("mode as text") << QByteArray("{\"mode\":\"0\"}");
        QTest::newRow("fractional page count") << QByteArray("{\"page_coount\":2.5}");
        QTest::newRow("page count beyond int") << QByteArray("{\"page_coount\":1e12}");
        QTest::newRow("name as number") << QByteArray("{\"file_name\":7}");
        QTest::newRow("ranges as object") << QByteArray("{\"ranges\":{\"from\":1}}");
        QTest::newRow("range as number") << QByteArray("{\"ranges\":[3]}");
        QTest::newRow("from as text") << QByteArray("{\"ranges\":[{\"from\":\"1\",\"to\":2}]}");
        QTest::newRow("to beyond int") << QByteArray("{\"ranges\":[{\"from\":1,\"to\":99999999999}]}");
        QTest::newRow("password as array") << QByteArray("{\"property_password\":[]}");
    }
    void wrongTypesAreReported()
    {
        QFETCH(QByteArray, json);
        QJsonObject object;
        QVERIFY(WorkerFile::decode(base64Of(json), object));
        QStringList problems;
        SplitRequest::fromJson(object, &problems);
        QCOMPARE(problems.size(), 1);
    }

    void validation_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("pageCount");
        QTest::addColumn<QString>("sessionId");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("fit");
        QTest::newRow("fine") << 0 << 10 << "abc" << "/a.pdf" << true;
        QTest::newRow("mode 1") << 1 << 10 << "abc" << "/a.pdf" << true;
        QTest::newRow("zero pages") << 0 << 0 << "abc" << "/a.pdf" << true;
        QTest::newRow("mode 2") << 2 << 10 << "abc" << "/a.pdf" << false;
        QTest::newRow("mode -1") << -1 << 10 << "abc" << "/a.pdf" << false;
        QTest::newRow("negative pages") << 0 << -3 << "abc" << "/a.pdf" << false;
        QTest::newRow("absurd pages") << 1 << 2000000000 << "abc" << "/a.pdf" << false;
        QTest::newRow("id climbs out") << 0 << 10 << "../../x" << "/a.pdf" << false;
        QTest::newRow("id with separator") << 0 << 10 << "a/b" << "/a.pdf" << false;
        QTest::newRow("no id") << 0 << 10 << "" << "/a.pdf" << false;
        QTest::newRow("no source") << 0 << 10 << "abc" << "" << false;
    }
    void validation()
    {
        QFETCH(int, mode);
        QFETCH(int, pageCount);
        QFETCH(QString, sessionId);
        QFETCH(QString, fileName);
        QFETCH(bool, fit);
        SplitRequest r = sampleRequest();
        r.mode = mode;
        r.pageCount = pageCount;
        r.sessionId = sessionId;
        r.fileName = fileName;
        QCOMPARE(r.validate().isEmpty(), fit);
    }

    void tracedDataHasNoPasswords()
    {
        const QJsonObject clean = WorkerFile::withoutPasswords(sampleRequest().toJson());
        QCOMPARE(clean.value("file_password").toString(), QString());
        QCOMPARE(clean.value("property_password").toString(), QString());
        QCOMPARE(clean.value("property_author").toString(), QStringLiteral("Ann"));
        QCOMPARE(clean.value("ranges").toArray().size(), 3);
        const QByteArray decoded = QByteArray::fromBase64(WorkerFile::encode(clean));
        QVERIFY(!decoded.contains("open sesame"));
        QVERIFY(!decoded.contains("protect"));
        // Nested records (as in merge tasks) are blanked too.
        const QJsonObject nested{{"tasks", QJsonArray{QJsonObject{{"password", "inner"}}}}};
        QVERIFY(!QJsonDocument(WorkerFile::withoutPasswords(nested)).toJson().contains("inner"));
    }

    // --- decoding failures
    void undecodableText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("blank") << QByteArray(" \n ");
        QTest::newRow("not base64") << QByteArray("{\"mode\":0}");
        QTest::newRow("bad padding") << QByteArray("e30");
        QTest::newRow("base64 of garbage") << base64Of("\x01\x02not json");
        QTest::newRow("truncated json") << base64Of("{\"mode\":0,");
        QTest::newRow("array") << base64Of("[1,2]");
        QTest::newRow("string") << base64Of("\"text\"");
    }
    void undecodableText()
    {
        QFETCH(QByteArray, text);
        QJsonObject object{{"left", "over"}};
        QString problem;
        QVERIFY(!WorkerFile::decode(text, object, &problem));
        QVERIFY(!problem.isEmpty());
        QVERIFY(object.isEmpty());
    }

    // --- response
    void responseKeysAndRoundTrip()
    {
        SplitResponse response;
        response.sessionId = QStringLiteral("abc");
        response.outcome.code = 0;
        response.outcome.addWritten(QStringLiteral("/o/a_p1.pdf"), QStringLiteral("a_p1.pdf"));
        response.outcome.addWritten(QStringLiteral("/o/(1)a_p1.pdf"), QStringLiteral("a_p1.pdf"));
        const QJsonObject json = response.toJson();
        QStringList keys = json.keys();
        keys.sort();
        QCOMPARE(keys, QStringList({"error_code", "files", "session_id"}));
        const QJsonArray files = json.value("files").toArray();
        QCOMPARE(files.at(1).toObject().value("file_name").toString(), QStringLiteral("/o/(1)a_p1.pdf"));
        // Only the file whose name was taken says so.
        QCOMPARE(files.at(0).toObject().keys(), QStringList{"file_name"});
        QCOMPARE(files.at(1).toObject().value("renamed").toBool(), true);
        QTemporaryDir dir;
        const QString path = dir.filePath("abc.resp");
        QVERIFY(WorkerFile::write(path, json));
        QString problem;
        QCOMPARE(SplitResponse::readFile(path, QStringLiteral("abc"), &problem), response);
        QVERIFY(problem.isEmpty());

        // A failure carries what was left out, why, and the cause.
        response.outcome.code = WorkerCode::Incomplete;
        response.outcome.addLeftOut(QStringLiteral("5-6"), WorkerOutcome::Reason::NotWritten);
        response.outcome.writeError = QStringLiteral("disk_full");
        QVERIFY(WorkerFile::write(path, response.toJson()));
        const SplitResponse failed = SplitResponse::readFile(path, QStringLiteral("abc"), &problem);
        QCOMPARE(failed, response);
        QCOMPARE(failed.outcome.renamedFiles(), QStringList{"/o/(1)a_p1.pdf"});
    }

    void unreadableResponseIsFailure_data()
    {
        QTest::addColumn<QByteArray>("content");   // null: no file at all
        QTest::newRow("missing file") << QByteArray();
        QTest::newRow("empty file") << QByteArray("");
        QTest::newRow("not base64") << QByteArray("%%%");
        QTest::newRow("not json") << base64Of("hello");
        QTest::newRow("error code as text") << base64Of("{\"session_id\":\"abc\",\"error_code\":\"0\",\"files\":[]}");
        QTest::newRow("files as text") << base64Of("{\"session_id\":\"abc\",\"error_code\":0,\"files\":\"a.pdf\"}");
        QTest::newRow("renamed as text")
            << base64Of("{\"session_id\":\"abc\",\"error_code\":0,\"files\":[{\"file_name\":\"/x.pdf\",\"renamed\":\"yes\"}]}");
        QTest::newRow("other session") << base64Of("{\"session_id\":\"zzz\",\"error_code\":0,\"files\":[{\"file_name\":\"/x.pdf\"}]}");
    }
    void unreadableResponseIsFailure()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath("abc.resp");
        if (!content.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QString problem;
        const SplitResponse response = SplitResponse::readFile(path, QStringLiteral("abc"), &problem);
        QCOMPARE(response.outcome.code, int(WorkerCode::Failed));
        QVERIFY(response.outcome.files().isEmpty());
        QVERIFY(!problem.isEmpty());
    }

    void responseMissingKeys()
    {
        // A worker's response without an error code is a success with its files.
        const SplitResponse r = SplitResponse::fromJson(
            QJsonObject{{"files", QJsonArray{QJsonObject{{"file_name", "/x.pdf"}}}}});
        QCOMPARE(r.outcome.code, 0);
        QCOMPARE(r.outcome.files(), QStringList{"/x.pdf"});
    }
};

QTEST_GUILESS_MAIN(TestSplitProtocol)
#include "tst_splitprotocol.moc"
