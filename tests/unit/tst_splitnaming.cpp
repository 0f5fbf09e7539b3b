#include "split/BookmarkParts.h"
#include "protocol/OutputName.h"
#include "split/SplitRequest.h"
#include "split/SplitResponse.h"

#include <QFile>
#include <QJsonArray>
#include <QtTest>

using Part = BookmarkParts::Part;

// Names of split outputs made from text a document or a request supplies,
// the parts an outline gives in awkward cases, and the new protocol fields
// (and that requests without them read and write as before).
class TestSplitNaming : public QObject
{
    Q_OBJECT

    static QStringList spans(const QList<Part> &parts)
    {
        QStringList lines;
        for (const Part &part : parts)
            lines << QStringLiteral("%1-%2 %3").arg(part.from).arg(part.to).arg(part.name);
        return lines;
    }

private slots:
    void safeNames_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("safe");
        QTest::newRow("plain") << "Chapter 1: Intro" << "Chapter 1: Intro";
        QTest::newRow("parent folder") << "../x" << "_x";
        QTest::newRow("root") << "/" << "_";
        QTest::newRow("backslash") << "a\\b" << "a_b";
        QTest::newRow("absolute path") << "/etc/passwd" << "_etc_passwd";
        QTest::newRow("dots only") << ".." << "";
        QTest::newRow("hidden") << " .profile " << "profile";
        QTest::newRow("controls and breaks") << QString::fromUtf8("a\x01\x1f" "b\r\nc\x7f" "d\u2028e") << "a b c d e";
        QTest::newRow("spaces only") << " \t " << "";
        QTest::newRow("nul") << QString(QChar(0)) + "x" << "x";
        // Format characters would make a name read as something it is not.
        QTest::newRow("right-to-left override") << QString::fromUtf8("cod\u202Ecod.exe") << "codcod.exe";
        QTest::newRow("isolates and marks")
            << QString::fromUtf8("a\u2066b\u2069c\u200Fd\u061Ce\u200Bf\uFEFF") << "abcdef";
        QTest::newRow("tag characters") << QString::fromUcs4(U"x\U000E0041\U000E007Fy") << "xy";
        QTest::newRow("other planes kept") << QString::fromUcs4(U"\U0001F4D6 book") << QString::fromUcs4(U"\U0001F4D6 book");
    }
    void safeNames()
    {
        QFETCH(QString, text);
        QFETCH(QString, safe);
        QCOMPARE(OutputName::makeSafe(text), safe);
    }

    // At most 120 characters, and few enough bytes for a file name, never
    // cutting a character in two.
    void longNames()
    {
        QCOMPARE(OutputName::makeSafe(QString(150, 'a')), QString(120, 'a'));
        const QString cjk = QString(130, QChar(0x4e2d));   // 3 bytes each in UTF-8
        const QString cut = OutputName::makeSafe(cjk);
        QCOMPARE(cut, QString(66, QChar(0x4e2d)));
        const QString emoji = QString::fromUtf8("\xf0\x9f\x93\x96").repeated(70);   // surrogate pairs, 4 bytes
        const QString cutEmoji = OutputName::makeSafe(emoji);
        QCOMPARE(cutEmoji, QString::fromUtf8("\xf0\x9f\x93\x96").repeated(50));
        QVERIFY(QFile::encodeName(cutEmoji).size() <= OutputName::maxBytes);
        QCOMPARE(OutputName::makeSafe(QString(119, 'a') + "  b"), QString(119, 'a'));

        // A source's stem is cut only where an output name could not be
        // made of it: by bytes, not by characters.
        QCOMPARE(OutputName::fittingStem(QString(150, 'a') + ".v2"), QString(150, 'a') + ".v2");
        QCOMPARE(OutputName::fittingStem(QString(84, QChar(0x4e2d))), QString(66, QChar(0x4e2d)));
        QCOMPARE(OutputName::fittingStem(emoji), QString::fromUtf8("\xf0\x9f\x93\x96").repeated(50));
    }

    void numberedNames()
    {
        QCOMPARE(OutputName::numbered(3, 9, "Intro", "p1-2"), QStringLiteral("03 Intro"));
        QCOMPARE(OutputName::numbered(7, 150, "Intro", "p1-2"), QStringLiteral("007 Intro"));
        QCOMPARE(OutputName::numbered(1, 2, " / ", "p1-2"), QStringLiteral("01 _"));
        QCOMPARE(OutputName::numbered(1, 2, "\n..\t", "p1-2"), QStringLiteral("01 p1-2"));
        QCOMPARE(OutputName::numbered(12, 12, QString(130, 'x'), "p").size(), OutputName::maxLength);
    }

    // Entries that point nowhere start no part; entries on the same page
    // start one, named after the first; a first entry on page 1 leaves no
    // part before it; deeper levels are left out.
    void awkwardOutlines()
    {
        const OutlineEntries entries{
            {"Cover", 1, 1}, {"Nowhere", 1, 0}, {"Beyond", 1, 40}, {"Part A", 1, 3}, {"Section", 2, 3},
            {"Deep", 3, 4}, {"Part B", 1, 6}, {"", 1, 8}, {"Back to 2", 2, 2},
        };
        QCOMPARE(BookmarkParts::levels(entries), (QList<int>{1, 2, 3}));
        QCOMPARE(spans(BookmarkParts::parts(entries, 1, 10)),
                 (QStringList{"1-2 01 Cover", "3-5 02 Part A", "6-7 03 Part B", "8-10 04 p8-10"}));
        QCOMPARE(spans(BookmarkParts::parts(entries, 2, 10)),
                 (QStringList{"1-1 01 Cover", "2-2 02 Back to 2", "3-5 03 Part A", "6-7 04 Part B",
                              "8-10 05 p8-10"}));
        QCOMPARE(BookmarkParts::parts(entries, 3, 10).size(), 6);
        QVERIFY(BookmarkParts::parts({{"Nowhere", 1, 0}}, 1, 10).isEmpty());
        QVERIFY(BookmarkParts::levels({{"Nowhere", 1, 0}}).isEmpty());
        QCOMPARE(spans(BookmarkParts::parts({{"Late", 1, 5}}, 1, 5)), (QStringList{"1-4 01 p1-4", "5-5 02 Late"}));
    }

    void requestFields()
    {
        SplitRequest r;
        r.fileName = "/a.pdf";
        r.outDirectory = "/out";
        r.sessionPath = "/s";
        r.sessionId = "abc";
        r.ranges = {{1, 2}, {3, 3}};
        // No names and not by size: the JSON is what it always was.
        QJsonObject json = r.toJson();
        QVERIFY(!json.contains("max_size_kb"));
        for (const QJsonValue &range : json.value("ranges").toArray())
            QCOMPARE(range.toObject().keys(), (QStringList{"from", "to"}));
        QVERIFY(SplitRequest::fromJson(json).rangeNames.isEmpty());

        r.rangeNames = QStringList{"One", QString()};
        json = r.toJson();
        QCOMPARE(json.value("ranges").toArray().at(0).toObject().value("name").toString(), QStringLiteral("One"));
        QVERIFY(!json.value("ranges").toArray().at(1).toObject().contains("name"));
        QStringList problems;
        QCOMPARE(SplitRequest::fromJson(json, &problems), r);
        QVERIFY(problems.isEmpty());
        QVERIFY(r.validate().isEmpty());
        r.rangeNames = QStringList{"One"};
        QVERIFY(!r.validate().isEmpty());

        r.rangeNames.clear();
        r.mode = SplitRequest::ModeBySize;
        r.maxSizeKb = 2500;
        json = r.toJson();
        QCOMPARE(json.value("max_size_kb").toInt(), 2500);
        QCOMPARE(SplitRequest::fromJson(json), r);
        QVERIFY(r.validate().isEmpty());
        r.maxSizeKb = 0;
        QVERIFY(!r.validate().isEmpty());
    }

    void responseListsOversizedFiles()
    {
        SplitResponse response;
        response.sessionId = "abc";
        response.outcome.addWritten("/o/a_p1-3.pdf", "a_p1-3.pdf");
        response.outcome.addWritten("/o/a_p4.pdf", "a_p4.pdf");
        QVERIFY(!response.toJson().contains("oversized"));
        response.outcome.oversized = QStringList{"/o/a_p4.pdf"};
        const QJsonObject json = response.toJson();
        QCOMPARE(json.value("oversized").toArray().at(0).toObject().value("file_name").toString(),
                 QStringLiteral("/o/a_p4.pdf"));
        QStringList problems;
        QCOMPARE(SplitResponse::fromJson(json, &problems), response);
        QVERIFY(problems.isEmpty());
        QJsonObject wrong = json;
        wrong.insert("oversized", "a_p4.pdf");
        SplitResponse::fromJson(wrong, &problems);
        QVERIFY(!problems.isEmpty());
    }
};

QTEST_MAIN(TestSplitNaming)
#include "tst_splitnaming.moc"
