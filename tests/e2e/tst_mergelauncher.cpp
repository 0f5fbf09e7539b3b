#include "CapturedLog.h"
#include "SpiedOutcome.h"
#include "MergeSamples.h"
#include "PdfProbe.h"
#include "TestPaths.h"
#include "TestPdf.h"
#include "WorkerRequests.h"
#include "app/AppSettings.h"
#include "app/FileUtils.h"
#include "merge/MergeLauncher.h"
#include "protocol/WorkerCode.h"
#include "protocol/WorkerFile.h"

#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFNameTreeObjectHelper.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using WorkerRequests::task;

// The merge launcher against the real pdfworker: requests, responses,
// protection, outlines and forms of the result, cancelling, repeated runs.
class TestMergeLauncher : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return QDir::toNativeSeparators(m_dir.filePath(name)); }

    QString sample(const QString &name, int pages, const QString &marker, int fontBytes = 0)
    {
        MergeSamples::Options options;
        options.pages = pages;
        options.marker = marker;
        options.fontBytes = fontBytes;
        const QString file = path(name);
        if (!QFileInfo::exists(file) && !MergeSamples::write(file, options))
            qFatal("cannot write %s", qPrintable(file));
        return file;
    }

    static MergeRequest request(const MergeTaskList &tasks, const QString &output, const QString &password = QString())
    {
        MergeRequest r;
        r.tasks = tasks;
        r.saveFileName = output;
        r.setProperties(DocumentProperties(QStringLiteral("Publisher"), QString(), password,
                                           QStringLiteral("Pinecone Sheafwright"), QStringLiteral("Publisher")));
        return r;
    }

    // Runs the request to its end; the outcome finished() carried (code -1
    // when it never came).
    static WorkerOutcome runToEnd(MergeLauncher &launcher)
    {
        QSignalSpy finished(&launcher, &MergeLauncher::finished);
        launcher.run();
        if (!finished.wait(120000))
            return WorkerOutcome::ended(-1);
        return spiedOutcome(finished);
    }

    static std::unique_ptr<QPDF> open(const QString &file, const char *password = "")
    {
        auto pdf = std::make_unique<QPDF>();
        pdf->setSuppressWarnings(true);
        pdf->processFile(QFile::encodeName(file).constData(), password);
        return pdf;
    }

    static int qpdfExitCode(const QStringList &arguments, QByteArray *output = nullptr)
    {
        if (TestPaths::program(QStringLiteral("qpdf")).isEmpty())
            qFatal("the program \"qpdf\" is not installed (scripts/install-deps.sh installs it)");
        QProcess qpdf;
        qpdf.start(QStringLiteral("qpdf"), arguments);
        if (!qpdf.waitForFinished(60000))
            return -1;
        if (output)
            *output = qpdf.readAllStandardOutput();
        return qpdf.exitCode();
    }

    // The 0-based index of the page a destination (explicit, named, or a
    // dictionary with /D) of pdf leads to, as qpdf resolves it; -1 for none.
    static int targetPage(QPDF &pdf, QPDFObjectHandle destination)
    {
        QPDFOutlineDocumentHelper outlines(pdf);
        for (int hop = 0; hop < 4 && !destination.isArray(); ++hop) {
            if (destination.isDictionary())
                destination = destination.getKey("/D");
            else if (destination.isName() || destination.isString())
                destination = outlines.resolveNamedDest(destination);
            else
                return -1;
        }
        if (!destination.isArray() || destination.getArrayNItems() == 0)
            return -1;
        const QPDFObjGen page = destination.getArrayItem(0).getObjGen();
        const std::vector<QPDFObjectHandle> &pages = pdf.getAllPages();
        for (size_t i = 0; i < pages.size(); ++i) {
            if (pages[i].getObjGen() == page)
                return int(i);
        }
        return -1;
    }

    // The pages the internal links of page (0-based) lead to, in the order
    // of its annotations; web links and other actions are left out.
    static QList<int> linkTargets(QPDF &pdf, int page)
    {
        QList<int> targets;
        QPDFObjectHandle annotations = QPDFObjectHandle(pdf.getAllPages().at(size_t(page))).getKey("/Annots");
        if (!annotations.isArray())
            return targets;
        for (QPDFObjectHandle link : annotations.aitems()) {
            if (!link.getKey("/Subtype").isNameAndEquals("/Link"))
                continue;
            QPDFObjectHandle action = link.getKey("/A");
            if (link.hasKey("/Dest"))
                targets << targetPage(pdf, link.getKey("/Dest"));
            else if (action.isDictionary() && action.getKey("/S").isNameAndEquals("/GoTo"))
                targets << targetPage(pdf, action.getKey("/D"));
        }
        return targets;
    }

    // The pages every named destination of pdf leads to.
    static QList<int> namedTargets(QPDF &pdf)
    {
        QList<int> targets;
        QPDFObjectHandle names = pdf.getRoot().getKey("/Names");
        if (names.isDictionary() && names.getKey("/Dests").isDictionary()) {
            QPDFNameTreeObjectHelper tree(names.getKey("/Dests"), pdf);
            for (const auto &entry : tree)
                targets << targetPage(pdf, entry.second);
        }
        QPDFObjectHandle dests = pdf.getRoot().getKey("/Dests");
        if (dests.isDictionary()) {
            for (const auto &entry : dests.ditems())
                targets << targetPage(pdf, entry.second);
        }
        return targets;
    }

    // "/S/St" of the label qpdf reads for page (0-based).
    static QString label(QPDF &pdf, int page)
    {
        QPDFObjectHandle label = QPDFPageLabelDocumentHelper(pdf).getLabelForPage(page);
        return QString::fromStdString(label.getKey("/S").unparse() + label.getKey("/St").unparse());
    }

    static QByteArray firstPageText(QPDF &pdf, int index)
    {
        auto data = QPDFObjectHandle(pdf.getAllPages().at(size_t(index))).getKey("/Contents").getStreamData();
        return QByteArray(reinterpret_cast<const char *>(data->getBuffer()), int(data->getSize()));
    }

private slots:
    void initTestCase()
    {
        AppSettings::applyIdentity();
        QVERIFY(m_dir.isValid());
        QVERIFY(QFileInfo(MergeLauncher::workerExecutable()).isExecutable());
        SW_REQUIRE_PROGRAM("qpdf");
    }

    void requestIsWrittenAndTasksMergeInAscendingOrder()
    {
        const QString a = sample(QStringLiteral("a.pdf"), 1, QStringLiteral("first"));
        const QString b = sample(QStringLiteral("b.pdf"), 2, QStringLiteral("second"));
        const QString c = sample(QStringLiteral("c.pdf"), 3, QStringLiteral("third"));
        const QString output = path(QStringLiteral("ordered.pdf"));
        MergeLauncher launcher;
        launcher.setRequest(request({task(c, 2), task(a, 0), task(b, 1)}, output));
        QSignalSpy started(&launcher, &MergeLauncher::started);
        const WorkerOutcome result = runToEnd(launcher);
        QCOMPARE(result.code, 0);
        QCOMPARE(result.files().value(0), output);
        QCOMPARE(started.count(), 1);

        // The request file of the session: three tasks with all six keys,
        // and the session folder as "cache_path".
        QCOMPARE(launcher.sessionDirectory(),
                 QDir::toNativeSeparators(FileUtils::cacheDirectory() + QLatin1Char('/') + launcher.sessionId()));
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(launcher.sessionDirectory()).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0700);
        QJsonObject written;
        QVERIFY(WorkerFile::read(launcher.requestPath(), written));
        const QJsonArray tasks = written.value(QStringLiteral("tasks")).toArray();
        QCOMPARE(tasks.size(), 3);
        for (const QJsonValue &value : tasks)
            QCOMPARE(value.toObject().size(), 6);
        QCOMPARE(written.value(QStringLiteral("cache_path")).toString(), launcher.sessionDirectory());
        QCOMPARE(written.value(QStringLiteral("session_id")).toString(), launcher.sessionId());

        auto pdf = open(output);
        QCOMPARE(int(pdf->getAllPages().size()), 6);
        QVERIFY(firstPageText(*pdf, 0).contains("(first 1)"));
        QVERIFY(firstPageText(*pdf, 1).contains("(second 1)"));
        QVERIFY(firstPageText(*pdf, 3).contains("(third 1)"));
        QVERIFY(launcher.errorFiles().isEmpty());
    }

    // Two inputs that embed files of the same name: both files arrive, the
    // second under a name of its own, and nothing is left out.
    void attachmentsOfTheSameNameAreBothKept()
    {
        const QString first = sample(QStringLiteral("attached-1.pdf"), 1, QStringLiteral("one"));
        const QString second = sample(QStringLiteral("attached-2.pdf"), 2, QStringLiteral("two"));
        QVERIFY(TestPdf::attach(first, QStringLiteral("data.txt"), "first data"));
        QVERIFY(TestPdf::attach(second, QStringLiteral("data.txt"), "second data"));
        const QString output = path(QStringLiteral("attached.pdf"));
        MergeLauncher launcher;
        launcher.setRequest(request({task(first, 0), task(second, 1)}, output));
        const WorkerOutcome result = runToEnd(launcher);
        QCOMPARE(result.code, 0);
        QVERIFY(result.leftOut.isEmpty());
        const QMap<QString, QByteArray> files = TestPdf::attachments(output);
        QCOMPARE(files.size(), 2);
        QCOMPARE(files.value(QStringLiteral("data.txt")), QByteArray("first data"));
        QVERIFY2(files.values().contains("second data"), qPrintable(QStringList(files.keys()).join(", ")));
    }

    void protectedInputsAndProtectedOutput()
    {
        const QString right = TestPaths::fixture(QStringLiteral("enc-XI-R6,V5,U=view,O=master.pdf"));
        const QString wrong = TestPaths::fixture(QStringLiteral("enc-R3,V2,U=view,O=master.pdf"));
        const QString plain = sample(QStringLiteral("plain.pdf"), 2, QStringLiteral("plain"));
        const QString output = path(QStringLiteral("protected.pdf"));
        const QString password = QStringLiteral("out put");
        MergeLauncher launcher;
        launcher.setRequest(request({task(right, 0, QStringLiteral("view")), task(wrong, 1, QStringLiteral("wrong")),
                                     task(plain, 2)},
                                    output, QStringLiteral("  ") + password + QStringLiteral(" ")));
        QStringList traceLines;
        const WorkerOutcome result = [&] {
            CapturedLog trace;
            const WorkerOutcome ended = runToEnd(launcher);
            traceLines = trace.lines();
            return ended;
        }();
        QCOMPARE(result.code, 0);
        QCOMPARE(result.files().value(0), output);
        QCOMPARE(launcher.errorFiles(), QStringList({wrong}));
        QCOMPARE(result.leftOut.first().reason, WorkerOutcome::Reason::Password);

        // Another reader: qpdf wants the password, accepts the trimmed one,
        // and finds AES-256 (R6).
        QCOMPARE(qpdfExitCode({QStringLiteral("--requires-password"), output}), 0);
        QVERIFY(qpdfExitCode({QStringLiteral("--password=wrong"), QStringLiteral("--check"), output}) != 0);
        QByteArray shown;
        QCOMPARE(qpdfExitCode({QStringLiteral("--password=") + password, QStringLiteral("--show-encryption"), output},
                              &shown),
                 0);
        QVERIFY2(shown.contains("R = 6"), shown.constData());
        QVERIFY2(shown.contains("AESv3"), shown.constData());
        QCOMPARE(qpdfExitCode({QStringLiteral("--password=") + password, QStringLiteral("--check"), output}), 0);
        auto pdf = open(output, "out put");
        QCOMPARE(int(pdf->getAllPages().size()), 32);

        // The passwords never reached the trace, not even inside the Base64
        // request data.
        const QString trace = traceLines.join(QLatin1Char('\n'));
        QVERIFY(trace.contains(QStringLiteral("writeRequestData")));
        for (const QString &line : qAsConst(traceLines)) {
            QVERIFY(!line.contains(password));
            QVERIFY(!line.contains(QStringLiteral("wrong")) || line.contains(QStringLiteral(".pdf")));
            const int data = line.indexOf(QStringLiteral("Data:"));
            if (data >= 0) {
                const QByteArray decoded = QByteArray::fromBase64(line.mid(data + 5).remove(QLatin1Char('"')).trimmed().toLatin1());
                QVERIFY(decoded.contains("task_password"));
                QVERIFY(!decoded.contains("view\""));
                QVERIFY(!decoded.contains("wrong\""));
                QVERIFY(!decoded.contains(password.toUtf8()));
            }
        }
    }

    void outlinesAndFormsSurviveTheWorker()
    {
        const QString outlined = TestPaths::fixture(QStringLiteral("direct-outlines.pdf"));
        const QString form = TestPaths::fixture(QStringLiteral("form-filled-by-acrobat.pdf"));
        const QString output = path(QStringLiteral("outlines-forms.pdf"));
        MergeLauncher launcher;
        launcher.setRequest(request({task(form, 0), task(outlined, 1), task(form, 2)}, output));
        const WorkerOutcome result = runToEnd(launcher);
        QCOMPARE(result.code, 0);
        auto pdf = open(output);
        QPDFOutlineDocumentHelper outline(*pdf);
        std::vector<QPDFOutlineObjectHelper> top = outline.getTopLevelOutlines();
        QCOMPARE(int(top.size()), 3);
        QCOMPARE(QString::fromStdString(top[1].getTitle()), QStringLiteral("direct-outlines"));
        QVERIFY(!top[1].getKids().empty());
        // The inner entries point into the second input's pages (3 .. 32).
        const std::vector<QPDFObjectHandle> &pages = pdf->getAllPages();
        for (QPDFOutlineObjectHelper kid : top[1].getKids()) {
            const QPDFObjGen target = kid.getDestPage().getObjGen();
            int index = -1;
            for (size_t i = 0; i < pages.size(); ++i) {
                if (pages[i].getObjGen() == target)
                    index = int(i);
            }
            QVERIFY2(index >= 3 && index < 33, qPrintable(QString::number(index)));
        }
        // The qpdf command lists the fields of both forms, the second one's
        // renamed, each with its filled-in value.
        QByteArray json;
        QCOMPARE(qpdfExitCode({QStringLiteral("--json=2"), QStringLiteral("--json-key=acroform"), output}, &json), 0);
        QStringList names;
        QStringList values;
        const QJsonArray fields = QJsonDocument::fromJson(json).object().value(QStringLiteral("acroform"))
                                      .toObject().value(QStringLiteral("fields")).toArray();
        for (const QJsonValue &field : fields) {
            names << field.toObject().value(QStringLiteral("fullname")).toString();
            values << field.toObject().value(QStringLiteral("value")).toString();
        }
        QVERIFY2(names.contains(QStringLiteral("Text Box 1")), qPrintable(names.join(QLatin1Char(','))));
        QVERIFY2(names.contains(QStringLiteral("Text Box 1_2")), qPrintable(names.join(QLatin1Char(','))));
        QCOMPARE(values.filter(QStringLiteral("salad")).count(), 2);
        QPDFAcroFormDocumentHelper acroForm(*pdf);
        QCOMPARE(int(acroForm.getFormFields().size()), 2 * int(QPDFAcroFormDocumentHelper(*open(form)).getFormFields().size()));
        // Structurally sound for qpdf, with no warnings.
        QCOMPARE(qpdfExitCode({QStringLiteral("--check"), output}), 0);
    }

    // Pages 4 (part of the table of contents), 10 and 12 of a real manual:
    // the bookmarks, named destinations and links that lead into them stay,
    // pointing at their new places, the pages keep their labels, and
    // nothing that led elsewhere is left pointing at nothing.
    void chosenPagesKeepTheNavigationThatLeadsToThem()
    {
        const QString manual = TestPaths::realManual();
        const QString after = sample(QStringLiteral("after-choice.pdf"), 2, QStringLiteral("after"));
        const QString output = path(QStringLiteral("chosen.pdf"));
        MergeTask part = task(manual, 0);
        part.pages = QStringLiteral("4, 10, 12");
        MergeLauncher launcher;
        launcher.setRequest(request({part, task(after, 1)}, output));
        QCOMPARE(runToEnd(launcher).code, 0);

        const QStringList source = PdfProbe::pageTexts(manual);
        const QStringList merged = PdfProbe::pageTexts(output);
        QCOMPARE(merged.size(), 5);
        QCOMPARE(merged.mid(0, 3), QStringList({source.at(3), source.at(9), source.at(11)}));

        // Bookmarks, as MuPDF reads them: every entry goes to a page; one
        // whose own page is left out but that holds a kept one goes there.
        const QStringList entries = PdfProbe::outline(output);
        for (const QString &entry : entries)
            QVERIFY2(!entry.endsWith(QLatin1String("->0")), qPrintable(entries.join(QLatin1Char('\n'))));
        QVERIFY2(entries.contains(QStringLiteral("1:auto-multiple-choice.en->1")), qPrintable(entries.join('\n')));
        QVERIFY2(entries.contains(QStringLiteral("2:License->2")), qPrintable(entries.join('\n')));
        QVERIFY2(entries.contains(QStringLiteral("2:AMC-TXT syntax->3")), qPrintable(entries.join('\n')));
        QVERIFY2(entries.contains(QStringLiteral("3:Comments->3")), qPrintable(entries.join('\n')));
        QVERIFY2(entries.contains(QStringLiteral("1:after-choice->4")), qPrintable(entries.join('\n')));
        for (const QString &gone : {QStringLiteral("Usage notes"), QStringLiteral("Separate answer sheet"),
                                    QStringLiteral("Arabic language")})
            QVERIFY2(!entries.join('\n').contains(gone), qPrintable(gone));

        // Links of the table of contents: those into pages 10 and 12 stay
        // and lead to their copies; the others are gone.
        auto in = open(manual);
        auto out = open(output);
        QList<int> kept;
        const QList<int> contents = linkTargets(*in, 3);
        for (int target : contents) {
            if (target == 3 || target == 9 || target == 11)
                kept << (target == 3 ? 0 : target == 9 ? 1 : 2);
        }
        QVERIFY(!kept.isEmpty() && kept.size() < contents.size());
        QCOMPARE(linkTargets(*out, 0), kept);
        for (int page = 0; page < 5; ++page)
            QVERIFY2(!linkTargets(*out, page).contains(-1), qPrintable(QString::number(page)));
        const QList<int> names = namedTargets(*out);
        QVERIFY(!names.isEmpty());
        QVERIFY2(!names.contains(-1), "a named destination leads nowhere");

        // Each page keeps its label; the next file reads from 1.
        QCOMPARE(label(*out, 0), QStringLiteral("/r4"));
        QCOMPARE(label(*out, 1), QStringLiteral("/D5"));
        QCOMPARE(label(*out, 2), QStringLiteral("/D7"));
        QCOMPARE(label(*out, 3), QStringLiteral("/D1"));
        QCOMPARE(qpdfExitCode({QStringLiteral("--check"), output}), 0);
        // Only what three pages use is copied, not the whole manual.
        QVERIFY2(QFileInfo(output).size() < QFileInfo(manual).size() / 2, qPrintable(QString::number(QFileInfo(output).size())));
    }

    // A form's fields stay with the pages their widgets are on.
    void chosenPagesKeepTheirFormFields()
    {
        const QString form = TestPaths::fixture(QStringLiteral("form-filled-by-acrobat.pdf"));
        const QString output = path(QStringLiteral("chosen-form.pdf"));
        MergeTask first = task(form, 0);
        first.pages = QStringLiteral("1-2");
        MergeLauncher launcher;
        launcher.setRequest(request({first, task(sample(QStringLiteral("after-form.pdf"), 1, QStringLiteral("x")), 1)},
                                    output));
        QCOMPARE(runToEnd(launcher).code, 0);
        QByteArray json;
        QCOMPARE(qpdfExitCode({QStringLiteral("--json=2"), QStringLiteral("--json-key=acroform"), output}, &json), 0);
        QSet<QString> names;
        for (const QJsonValue &field : QJsonDocument::fromJson(json).object().value(QStringLiteral("acroform"))
                                           .toObject().value(QStringLiteral("fields")).toArray()) {
            names << field.toObject().value(QStringLiteral("fullname")).toString();
            QCOMPARE(field.toObject().value(QStringLiteral("pageposfrom1")).toInt(), 1);
        }
        // Page 1's fields (the radio group r1 with its three buttons among
        // them); page 3's (r2, "Text Box 2") are gone.
        QCOMPARE(names, QSet<QString>({QStringLiteral("Text Box 1"), QStringLiteral("r1"), QStringLiteral("Check Box 1"),
                                       QStringLiteral("Check Box 2"), QStringLiteral("Check Box 3")}));
        auto out = open(output);
        QCOMPARE(int(QPDFAcroFormDocumentHelper(*out).getFormFields().size()), 7);
        // The form itself lists no field of page 3, not even an empty one.
        QSet<QString> listed;
        for (QPDFObjectHandle field : out->getRoot().getKey("/AcroForm").getKey("/Fields").aitems()) {
            listed << QString::fromStdString(field.getKey("/T").getUTF8Value());
            if (field.hasKey("/Kids")) {
                for (QPDFObjectHandle kid : field.getKey("/Kids").aitems())
                    QVERIFY(kid.isDictionary());
            }
        }
        QCOMPARE(listed, names);
        QCOMPARE(qpdfExitCode({QStringLiteral("--check"), output}), 0);
    }

    // Front sides in one file, back sides scanned from the end in another:
    // page by page, one from each, the last file's from its end; the file
    // that runs out leaves the rest to the other. Each file's bookmarks stay
    // under its own entry and lead to the pages in their new places.
    void interleavedFilesTakeTurns()
    {
        const QString english = TestPaths::realManual();
        const QString french = QStringLiteral("/usr/share/doc/auto-multiple-choice/auto-multiple-choice.fr.pdf");
        const QString output = path(QStringLiteral("interleaved.pdf"));
        MergeTask fronts = task(english, 0);
        fronts.pages = QStringLiteral("10-14");
        MergeTask backs = task(french, 1);
        backs.pages = QStringLiteral("10-12");
        MergeRequest both = request({fronts, backs}, output);
        both.interleave = true;
        both.interleaveReverseLast = true;
        MergeLauncher launcher;
        launcher.setRequest(both);
        QCOMPARE(runToEnd(launcher).code, 0);

        const QStringList en = PdfProbe::pageTexts(english);
        const QStringList fr = PdfProbe::pageTexts(french);
        const QStringList expected{en.at(9), fr.at(11), en.at(10), fr.at(10), en.at(11), fr.at(9), en.at(12), en.at(13)};
        const QStringList merged = PdfProbe::pageTexts(output);
        QCOMPARE(merged.size(), expected.size());
        for (int page = 0; page < expected.size(); ++page)
            QVERIFY2(merged.at(page) == expected.at(page), qPrintable(QStringLiteral("page %1").arg(page + 1)));

        const QStringList entries = PdfProbe::outline(output);
        const QString all = entries.join(QLatin1Char('\n'));
        QVERIFY2(entries.contains(QStringLiteral("1:auto-multiple-choice.en->1")), qPrintable(all));
        QVERIFY2(entries.contains(QStringLiteral("2:License->1")), qPrintable(all));
        // The French file begins in the result with its last page taken.
        QVERIFY2(entries.contains(QStringLiteral("1:auto-multiple-choice.fr->2")), qPrintable(all));
        QVERIFY2(entries.contains(QStringLiteral("2:Licence->6")), qPrintable(all));
        const int french_ = entries.indexOf(QStringLiteral("1:auto-multiple-choice.fr->2"));
        QVERIFY(entries.indexOf(QStringLiteral("2:License->1")) < french_);
        QVERIFY(entries.indexOf(QStringLiteral("2:Licence->6")) > french_);
        for (const QString &entry : entries)
            QVERIFY2(!entry.endsWith(QLatin1String("->0")), qPrintable(all));
        QCOMPARE(qpdfExitCode({QStringLiteral("--check"), output}), 0);
    }

    // Every file starts on an odd page: a blank page the size (and turn)
    // of its last page follows a file with an odd number of pages, but not
    // the last file.
    void oddFilesAreFollowedByABlankPage()
    {
        // qpdf's test file of page boxes: page 2 is 572 x 732 and turned by 90.
        const QString boxes = TestPaths::fixturesDir() + QStringLiteral("/../qpdf-suite/boxes.pdf");
        const QString manual = TestPaths::realManual();
        const QString output = path(QStringLiteral("odd.pdf"));
        MergeTask turned = task(boxes, 0);
        turned.pages = QStringLiteral("2");
        MergeTask two = task(manual, 1);
        two.pages = QStringLiteral("10-11");
        MergeTask one = task(manual, 2);
        one.pages = QStringLiteral("12");
        MergeRequest blanks = request({turned, two, one}, output);
        blanks.blankAfterOdd = true;
        MergeLauncher launcher;
        launcher.setRequest(blanks);
        QCOMPARE(runToEnd(launcher).code, 0);

        QCOMPARE(PdfProbe::pageCount(output), 5);
        const QStringList merged = PdfProbe::pageTexts(output);
        QVERIFY(merged.at(1).trimmed().isEmpty());
        QVERIFY(!merged.at(2).trimmed().isEmpty());
        const QString info = PdfProbe::run(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                                                      QStringLiteral("-l"), QStringLiteral("5"), output});
        const auto line = [&info](const QString &key, int page) {
            const QRegularExpression pattern(QStringLiteral("Page\\s+%1 %2:\\s+(.*)").arg(page).arg(key));
            return pattern.match(info).captured(1).trimmed();
        };
        QVERIFY(!line(QStringLiteral("size"), 1).isEmpty());
        QCOMPARE(line(QStringLiteral("size"), 2), line(QStringLiteral("size"), 1));
        QCOMPARE(line(QStringLiteral("rot"), 2), line(QStringLiteral("rot"), 1));
        QCOMPARE(line(QStringLiteral("rot"), 1), QStringLiteral("90"));
        QVERIFY(line(QStringLiteral("size"), 3) != line(QStringLiteral("size"), 1));
        QCOMPARE(qpdfExitCode({QStringLiteral("--check"), output}), 0);
    }

    // A turned page keeps its links where they are on the page: the page
    // turns as a whole, annotations with it, and the links still lead to
    // their pages.
    void turnedPagesKeepTheirLinks()
    {
        const QString manual = TestPaths::realManual();
        // qpdf's test file whose page inherits a turn of 90 from its page tree.
        const QString turned = TestPaths::fixturesDir() + QStringLiteral("/../qpdf-suite/inherited-rotate.pdf");
        const QString output = path(QStringLiteral("turned.pdf"));
        MergeTask contents = task(manual, 0);
        contents.pages = QStringLiteral("4, 10");
        contents.rotation = 90;
        MergeTask again = task(turned, 1);
        again.rotation = 180;
        MergeLauncher launcher;
        launcher.setRequest(request({contents, again}, output));
        QCOMPARE(runToEnd(launcher).code, 0);

        auto in = open(manual);
        auto out = open(output);
        QPDFObjectHandle source = in->getAllPages().at(3);
        QPDFObjectHandle page = out->getAllPages().at(0);
        QCOMPARE(page.getKey("/Rotate").getIntValue(), 90LL);
        QCOMPARE(QPDFObjectHandle(out->getAllPages().at(1)).getKey("/Rotate").getIntValue(), 90LL);
        // Own turn 90, turned by 180 more.
        QCOMPARE(QPDFObjectHandle(out->getAllPages().at(2)).getKey("/Rotate").getIntValue(), 270LL);
        // The links into page 10 are where they were, and lead there.
        QStringList sourceRects;
        for (QPDFObjectHandle link : source.getKey("/Annots").aitems()) {
            if (targetPage(*in, link.getKey("/A").getKey("/D")) == 9)
                sourceRects << QString::fromStdString(link.getKey("/Rect").unparseResolved());
        }
        QStringList rects;
        for (QPDFObjectHandle link : page.getKey("/Annots").aitems())
            rects << QString::fromStdString(link.getKey("/Rect").unparseResolved());
        QVERIFY(!sourceRects.isEmpty());
        QCOMPARE(rects, sourceRects);
        QList<int> intoSecondPage;
        for (int i = 0; i < sourceRects.size(); ++i)
            intoSecondPage << 1;
        QCOMPARE(linkTargets(*out, 0), intoSecondPage);
        QCOMPARE(PdfProbe::run(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("3"), QStringLiteral("-l"),
                                                           QStringLiteral("3"), output})
                     .contains(QRegularExpression(QStringLiteral("Page\\s+3 rot:\\s+270"))),
                 true);
    }

    // Pages the file lacks, turns that are no multiple of 90, values of the
    // wrong type, and interleaving with blank pages: refused with code 4, a
    // response that names the task and the problem, and nothing written.
    void badChoicesAreRefused()
    {
        const QString manual = TestPaths::realManual();
        const QString other = sample(QStringLiteral("refused-other.pdf"), 1, QStringLiteral("other"));
        const QString output = path(QStringLiteral("refused.pdf"));
        MergeTask outside = task(manual, 1);
        outside.pages = QStringLiteral("3, 200");
        MergeTask askew = task(other, 0);
        askew.rotation = 45;
        MergeLauncher launcher;
        launcher.setRequest(request({task(other, 0), outside}, output));
        QCOMPARE(runToEnd(launcher).code, int(WorkerCode::RequestInvalid));
        QVERIFY2(launcher.outcome().problems.join(QLatin1Char('\n')).contains(QStringLiteral("task 2 (auto-multiple-choice.en.pdf)")), qPrintable(launcher.outcome().problems.join(QLatin1Char('\n'))));
        QVERIFY2(launcher.outcome().problems.join(QLatin1Char('\n')).contains(QStringLiteral("There is no page 200: the document has 101 pages.")),
                 qPrintable(launcher.outcome().problems.join(QLatin1Char('\n'))));
        launcher.setRequest(request({askew, task(manual, 1)}, output));
        QCOMPARE(runToEnd(launcher).code, int(WorkerCode::RequestInvalid));
        QVERIFY2(launcher.outcome().problems.join(QLatin1Char('\n')).contains(QStringLiteral("task 1 (refused-other.pdf)")), qPrintable(launcher.outcome().problems.join(QLatin1Char('\n'))));
        QVERIFY2(launcher.outcome().problems.join(QLatin1Char('\n')).contains(QStringLiteral("45 degrees, not a multiple of 90")), qPrintable(launcher.outcome().problems.join(QLatin1Char('\n'))));
        MergeRequest both = request({task(other, 0), task(manual, 1)}, output);
        both.interleave = true;
        both.blankAfterOdd = true;
        launcher.setRequest(both);
        QCOMPARE(runToEnd(launcher).code, int(WorkerCode::RequestInvalid));
        QVERIFY2(launcher.outcome().problems.join(QLatin1Char('\n')).contains(QStringLiteral("cannot be combined")), qPrintable(launcher.outcome().problems.join(QLatin1Char('\n'))));

        // Written by hand: JSON of the wrong types.
        QJsonObject object = request({task(other, 0), task(manual, 1)}, output).toJson();
        QJsonArray tasks = object.value(QStringLiteral("tasks")).toArray();
        QJsonObject second = tasks.at(1).toObject();
        second.insert(QStringLiteral("pages"), 5);
        second.insert(QStringLiteral("rotate"), QStringLiteral("90"));
        tasks.replace(1, second);
        object.insert(QStringLiteral("tasks"), tasks);
        object.insert(QStringLiteral("blank_after_odd"), QStringLiteral("yes"));
        QTemporaryDir session;
        object.insert(QStringLiteral("cache_path"), session.path());
        object.insert(QStringLiteral("session_id"), QStringLiteral("typed"));
        const QString requestFile = session.filePath(QStringLiteral("typed.req"));
        QVERIFY(WorkerFile::write(requestFile, object));
        QProcess worker;
        worker.start(MergeLauncher::workerExecutable(), {QStringLiteral("--merge"), requestFile});
        QVERIFY(worker.waitForFinished(60000));
        QCOMPARE(worker.exitCode(), 0);
        QJsonObject answer;
        QVERIFY(WorkerFile::read(session.filePath(QStringLiteral("typed.resp")), answer));
        const MergeResponse response = MergeResponse::fromJson(answer);
        QCOMPARE(response.outcome.code, int(WorkerCode::RequestInvalid));
        for (const QString &said : {QStringLiteral("\"tasks[1].pages\" is not a string"),
                                    QStringLiteral("\"tasks[1].rotate\" is not a whole number"),
                                    QStringLiteral("\"blank_after_odd\" is not true or false")})
            QVERIFY2(response.outcome.problems.join(QLatin1Char('\n')).contains(said), qPrintable(response.outcome.problems.join(QLatin1Char('\n'))));
        QVERIFY(!QFileInfo::exists(output));
    }

    void cancelStopsTheWorker()
    {
        QStringList files;
        MergeTaskList tasks;
        for (int i = 0; i < 300; ++i)
            tasks << task(sample(QStringLiteral("many%1.pdf").arg(i), 1, QStringLiteral("many %1").arg(i), 20000), i);
        const QString output = path(QStringLiteral("cancelled.pdf"));
        MergeLauncher launcher;
        launcher.setRequest(request(tasks, output));
        QSignalSpy finished(&launcher, &MergeLauncher::finished);
        launcher.run();
        QVERIFY(launcher.isRunning());
        launcher.cancel();
        QVERIFY(finished.wait(60000));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(spiedOutcome(finished, 0).code, int(WorkerCode::Canceled));
        QVERIFY(spiedOutcome(finished, 0).files().value(0).isEmpty());
        QVERIFY(!launcher.isRunning());
        QVERIFY(!QFileInfo::exists(output));
        // Nothing of the stopped merge is left beside the output, hidden or not.
        for (const QString &name : QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden))
            QVERIFY2(!FileUtils::isTemporaryFileOf(name, launcher.sessionId()), qPrintable(name));
        // Cancelling again, with no worker running, does nothing.
        launcher.cancel();
        QTest::qWait(100);
        QCOMPARE(finished.count(), 1);
    }

    // A worker that cannot be started ends the run as a failure, once, and
    // not from inside run().
    void unstartableWorkerIsReportedOnce()
    {
        const QString a = sample(QStringLiteral("a.pdf"), 1, QStringLiteral("first"));
        const QString b = sample(QStringLiteral("b.pdf"), 2, QStringLiteral("second"));
        for (const bool exists : {false, true}) {
            const QString program = path(QStringLiteral("no-worker-%1").arg(int(exists)));
            if (exists) {
                QFile file(program);
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write("#!/bin/sh\nexit 0\n");
                file.close();
                QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
            }
            MergeLauncher launcher;
            launcher.setWorkerProgram(program);
            const QString output = path(QStringLiteral("never.pdf"));
            launcher.setRequest(request({task(a, 0), task(b, 1)}, output));
            QSignalSpy started(&launcher, &MergeLauncher::started);
            QSignalSpy finished(&launcher, &MergeLauncher::finished);
            launcher.run();
            QCOMPARE(finished.count(), 0);
            QTRY_COMPARE(finished.count(), 1);
            QTest::qWait(200);
            QCOMPARE(finished.count(), 1);
            QCOMPARE(started.count(), 0);
            QCOMPARE(spiedOutcome(finished).code, int(WorkerCode::NotStarted));
            QVERIFY(spiedOutcome(finished).files().value(0).isEmpty());
            QVERIFY(!launcher.isRunning());
            QVERIFY(!QFileInfo::exists(output));
        }
    }

    void secondRunWhileRunningIsIgnored()
    {
        MergeTaskList tasks;
        for (int i = 0; i < 100; ++i)
            tasks << task(path(QStringLiteral("many%1.pdf").arg(i)), i);
        const QString output = path(QStringLiteral("once.pdf"));
        MergeLauncher launcher;
        launcher.setRequest(request(tasks, output));
        QSignalSpy finished(&launcher, &MergeLauncher::finished);
        QSignalSpy started(&launcher, &MergeLauncher::started);
        launcher.run();
        const QString session = launcher.sessionId();
        launcher.setRequest(request(tasks.mid(0, 1), path(QStringLiteral("twice.pdf"))));
        launcher.run();
        QCOMPARE(launcher.sessionId(), session);
        QVERIFY(finished.wait(120000));
        QTest::qWait(200);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(started.count(), 1);
        QCOMPARE(spiedOutcome(finished, 0).files().value(0), output);
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("twice.pdf"))));
        QCOMPARE(int(open(output)->getAllPages().size()), 100);
    }

    void eachRunReplacesThePreviousSessionFolder()
    {
        const QString a = sample(QStringLiteral("a.pdf"), 1, QStringLiteral("first"));
        const QString b = sample(QStringLiteral("b.pdf"), 2, QStringLiteral("second"));
        MergeLauncher launcher;
        launcher.setRequest(request({task(a, 0), task(b, 1)}, path(QStringLiteral("s1.pdf"))));
        QCOMPARE(runToEnd(launcher).code, 0);
        const QString first = launcher.sessionDirectory();
        QVERIFY(QFileInfo(first).isDir());
        launcher.setRequest(request({task(b, 0), task(a, 1)}, path(QStringLiteral("s1.pdf"))));
        QCOMPARE(runToEnd(launcher).files().value(0), path(QStringLiteral("(1)s1.pdf")));
        const QString second = launcher.sessionDirectory();
        QVERIFY(second != first);
        QVERIFY(!QFileInfo::exists(first));
        QVERIFY(QFileInfo(second).isDir());
        // Only the request, the response and the note of the output folder
        // are left in the session folder.
        QCOMPARE(QDir(second).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
                 QStringList({launcher.sessionId() + ".req", launcher.sessionId() + ".resp", "output-folder"}));
    }

    void responsesAsRead()
    {
        const QString a = sample(QStringLiteral("a.pdf"), 1, QStringLiteral("first"));
        MergeLauncher launcher;
        launcher.setRequest(request({task(a, 0), task(a, 1)}, path(QStringLiteral("r.pdf"))));
        QCOMPARE(runToEnd(launcher).code, 0);
        // Only "merged_file_name": success.
        QVERIFY(WorkerFile::write(launcher.responsePath(),
                                  QJsonObject{{QStringLiteral("merged_file_name"), QStringLiteral("/x/m.pdf")}}));
        MergeResponse response = launcher.readResponse();
        QCOMPARE(response.outcome.code, 0);
        QCOMPARE(response.mergedFileName(), QStringLiteral("/x/m.pdf"));
        // Not Base64 JSON: a failure, not a silent success.
        QFile broken(launcher.responsePath());
        QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
        broken.write("!!! not base64 !!!");
        broken.close();
        QCOMPARE(launcher.readResponse().outcome.code, int(WorkerCode::Failed));
        QVERIFY(QFile::remove(launcher.responsePath()));
        response = launcher.readResponse();
        QCOMPARE(response.outcome.code, int(WorkerCode::Failed));
        QVERIFY(response.mergedFileName().isEmpty());
    }

    void mergeThatProducesNothingIsAFailure()
    {
        MergeLauncher launcher;
        launcher.setRequest(request({task(path(QStringLiteral("gone1.pdf")), 0), task(path(QStringLiteral("gone2.pdf")), 1)},
                                    path(QStringLiteral("nothing.pdf"))));
        const WorkerOutcome result = runToEnd(launcher);
        QCOMPARE(result.code, int(WorkerCode::NothingProduced));
        QVERIFY(result.files().value(0).isEmpty());
        QCOMPARE(launcher.errorFiles(), QStringList({path(QStringLiteral("gone1.pdf")), path(QStringLiteral("gone2.pdf"))}));
        // An empty task list is refused.
        launcher.setRequest(request({}, path(QStringLiteral("nothing.pdf"))));
        QCOMPARE(runToEnd(launcher).code, int(WorkerCode::RequestInvalid));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("nothing.pdf"))));
    }

    void workerRefusesBadRequests()
    {
        QFile junk(path(QStringLiteral("junk.req")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a request");
        junk.close();
        QProcess worker;
        worker.start(MergeLauncher::workerExecutable(), {QStringLiteral("--merge"), junk.fileName()});
        QVERIFY(worker.waitForFinished(30000));
        QCOMPARE(worker.exitCode(), int(WorkerCode::RequestUnreadable));
        // A session id that would climb out of its folder.
        QVERIFY(WorkerFile::write(junk.fileName(), QJsonObject{{QStringLiteral("cache_path"), m_dir.path()},
                                                              {QStringLiteral("session_id"), QStringLiteral("../x")}}));
        worker.start(MergeLauncher::workerExecutable(), {QStringLiteral("--merge"), junk.fileName()});
        QVERIFY(worker.waitForFinished(30000));
        QCOMPARE(worker.exitCode(), int(WorkerCode::RequestInvalid));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("x.resp"))));
    }
};

QTEST_GUILESS_MAIN(TestMergeLauncher)
#include "tst_mergelauncher.moc"
