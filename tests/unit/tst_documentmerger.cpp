#include "MergeSamples.h"
#include "TestPaths.h"
#include "pdf/DocumentMerger.h"
#include "pdf/PdfErrorCode.h"

#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFNameTreeObjectHelper.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <map>
#include <memory>
#include <set>

// The merging of whole documents: what each input brings along (pages,
// links, forms, labels, outlines), what is stored once, and which inputs are
// left out.
class TestDocumentMerger : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    QString sample(const QString &name, const MergeSamples::Options &options)
    {
        const QString file = path(name);
        if (!MergeSamples::write(file, options))
            qFatal("cannot write sample %s", qPrintable(file));
        return file;
    }

    static std::unique_ptr<QPDF> open(const QString &file, const char *password = "")
    {
        auto pdf = std::make_unique<QPDF>();
        pdf->setSuppressWarnings(true);
        pdf->processFile(QFile::encodeName(file).constData(), password);
        return pdf;
    }

    static QByteArray pageText(QPDFObjectHandle page)
    {
        std::string all;
        QPDFObjectHandle contents = page.getKey("/Contents");
        std::vector<QPDFObjectHandle> streams = contents.isArray() ? contents.getArrayAsVector()
                                                                   : std::vector<QPDFObjectHandle>{contents};
        for (QPDFObjectHandle stream : streams) {
            auto buffer = stream.getStreamData();
            all.append(reinterpret_cast<const char *>(buffer->getBuffer()), buffer->getSize());
        }
        return QByteArray::fromStdString(all);
    }

    // Index of the page object within the document's pages, -1 when absent.
    static int pageIndex(QPDF &pdf, QPDFObjectHandle page)
    {
        const std::vector<QPDFObjectHandle> &pages = pdf.getAllPages();
        for (size_t i = 0; i < pages.size(); ++i) {
            if (pages[i].getObjGen() == page.getObjGen())
                return static_cast<int>(i);
        }
        return -1;
    }

    static int streamCountWithLength(QPDF &pdf, size_t length)
    {
        int count = 0;
        for (QPDFObjectHandle object : pdf.getAllObjects()) {
            if (object.isStream() && object.getStreamData()->getSize() == length)
                ++count;
        }
        return count;
    }

    static QString fixtureCopy(const QString &name) { return TestPaths::fixture(name); }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void pagesFollowInputOrderWithTheirContent()
    {
        MergeSamples::Options a;
        a.pages = 3;
        a.marker = QStringLiteral("alpha");
        MergeSamples::Options b;
        b.pages = 4;
        b.marker = QStringLiteral("beta");
        const QString first = sample(QStringLiteral("a.pdf"), a);
        const QString second = sample(QStringLiteral("b.pdf"), b);
        const QString out = path(QStringLiteral("ab.pdf"));
        QCOMPARE(DocumentMerger::mergeFiles({second, first}, out), 7);
        auto pdf = open(out);
        const std::vector<QPDFObjectHandle> pages = pdf->getAllPages();
        QCOMPARE(int(pages.size()), 7);
        const QStringList expected = {QStringLiteral("beta 1"), QStringLiteral("beta 2"), QStringLiteral("beta 3"),
                                      QStringLiteral("beta 4"), QStringLiteral("alpha 1"), QStringLiteral("alpha 2"),
                                      QStringLiteral("alpha 3")};
        for (int i = 0; i < 7; ++i)
            QVERIFY2(pageText(pages[size_t(i)]).contains(expected[i].toLatin1()), qPrintable(expected[i]));
        // Every page knows its parent and carries the resources it uses.
        for (QPDFObjectHandle page : pages) {
            QVERIFY(page.getKey("/Parent").isDictionary());
            QVERIFY(page.getKey("/Resources").getKey("/Font").getKey("/F1").isDictionary());
        }
    }

    void outlineOfEveryInputUnderAnEntryNamedAfterIt()
    {
        const QString outlined = fixtureCopy(QStringLiteral("direct-outlines.pdf"));
        const QString labelled = fixtureCopy(QStringLiteral("11-pages-with-labels.pdf"));
        const QString out = path(QStringLiteral("outlines.pdf"));
        DocumentMerger merger;
        QVERIFY(merger.addFile(outlined));
        QVERIFY(merger.addFile(labelled, QString(), QStringLiteral("Chapter \u00e9t\u00e9")));
        QVERIFY(merger.addFile(outlined));
        QVERIFY(merger.write(out));

        auto input = open(outlined);
        QPDFOutlineDocumentHelper inputOutline(*input);
        std::vector<std::pair<std::string, int>> inputTargets;   // title -> page index
        for (QPDFOutlineObjectHelper item : inputOutline.getTopLevelOutlines()) {
            inputTargets.emplace_back(item.getTitle(), pageIndex(*input, item.getDestPage()));
            for (QPDFOutlineObjectHelper kid : item.getKids())
                inputTargets.emplace_back(kid.getTitle(), pageIndex(*input, kid.getDestPage()));
        }
        QVERIFY(inputTargets.size() >= 3);

        auto pdf = open(out);
        QPDFOutlineDocumentHelper outline(*pdf);
        std::vector<QPDFOutlineObjectHelper> top = outline.getTopLevelOutlines();
        QCOMPARE(int(top.size()), 3);
        QCOMPARE(QString::fromStdString(top[0].getTitle()), QStringLiteral("direct-outlines"));
        QCOMPARE(QString::fromStdString(top[1].getTitle()), QStringLiteral("Chapter \u00e9t\u00e9"));
        QCOMPARE(QString::fromStdString(top[2].getTitle()), QStringLiteral("direct-outlines"));
        const int firstCount = int(input->getAllPages().size());
        QCOMPARE(pageIndex(*pdf, top[0].getDestPage()), 0);
        QCOMPARE(pageIndex(*pdf, top[1].getDestPage()), firstCount);
        QCOMPARE(pageIndex(*pdf, top[2].getDestPage()), firstCount + 11);
        QVERIFY(top[1].getKids().empty());   // that input has no outline of its own
        for (int copy : {0, 2}) {
            const int offset = copy == 0 ? 0 : firstCount + 11;
            std::vector<std::pair<std::string, int>> targets;
            for (QPDFOutlineObjectHelper item : top[size_t(copy)].getKids()) {
                targets.emplace_back(item.getTitle(), pageIndex(*pdf, item.getDestPage()) - offset);
                for (QPDFOutlineObjectHelper kid : item.getKids())
                    targets.emplace_back(kid.getTitle(), pageIndex(*pdf, kid.getDestPage()) - offset);
            }
            QCOMPARE(targets, inputTargets);
        }
        // Readers open the outline panel for a merged outline.
        QVERIFY(pdf->getRoot().getKey("/PageMode").isNameAndEquals("/UseOutlines"));
    }

    void pageLabelsOfEveryInputKept()
    {
        const QString labelled = fixtureCopy(QStringLiteral("11-pages-with-labels.pdf"));
        MergeSamples::Options plain;
        plain.pages = 2;
        const QString unlabelled = sample(QStringLiteral("plain2.pdf"), plain);
        const QString out = path(QStringLiteral("labels.pdf"));
        QCOMPARE(DocumentMerger::mergeFiles({labelled, unlabelled, labelled}, out), 24);

        auto input = open(labelled);
        QPDFPageLabelDocumentHelper inputLabels(*input);
        auto pdf = open(out);
        QPDFPageLabelDocumentHelper labels(*pdf);
        QVERIFY(labels.hasPageLabels());
        auto labelText = [](QPDFObjectHandle label, long long index) {
            // Prefix, style and number of the page within its range.
            QPDFObjectHandle l = label;
            return QString::fromStdString(l.getKey("/P").isString() ? l.getKey("/P").getUTF8Value() : std::string())
                   + QLatin1Char('|')
                   + QString::fromStdString(l.getKey("/S").isName() ? l.getKey("/S").getName() : std::string())
                   + QLatin1Char('|') + QString::number(index);
        };
        // The label helper answers with the range's label and the page's
        // number within that range in /St.
        for (long long i = 0; i < 11; ++i) {
            const QString expected = labelText(inputLabels.getLabelForPage(i), inputLabels.getLabelForPage(i).getKey("/St").getIntValue());
            QCOMPARE(labelText(labels.getLabelForPage(i), labels.getLabelForPage(i).getKey("/St").getIntValue()), expected);
            QCOMPARE(labelText(labels.getLabelForPage(i + 13), labels.getLabelForPage(i + 13).getKey("/St").getIntValue()),
                     expected);
        }
        // The unlabelled input's pages count 1, 2 in decimals.
        QCOMPARE(labelText(labels.getLabelForPage(11), labels.getLabelForPage(11).getKey("/St").getIntValue()),
                 QStringLiteral("|/D|1"));
        QCOMPARE(labelText(labels.getLabelForPage(12), labels.getLabelForPage(12).getKey("/St").getIntValue()),
                 QStringLiteral("|/D|2"));
    }

    void namedDestinationsRenamedWhenTwoInputsShareAName()
    {
        MergeSamples::Options options;
        options.pages = 3;
        options.destination = QStringLiteral("summary");
        const QString doc = sample(QStringLiteral("dest.pdf"), options);
        const QString out = path(QStringLiteral("dests.pdf"));
        QCOMPARE(DocumentMerger::mergeFiles({doc, doc}, out), 6);

        auto pdf = open(out);
        QPDFNameTreeObjectHelper tree(pdf->getRoot().getKey("/Names").getKey("/Dests"), *pdf);
        QPDFObjectHandle first;
        QPDFObjectHandle second;
        QVERIFY(tree.findObject("summary", first));
        QVERIFY(tree.findObject("summary-2", second));
        QCOMPARE(pageIndex(*pdf, first.getArrayItem(0)), 2);
        QCOMPARE(pageIndex(*pdf, second.getArrayItem(0)), 5);
        // Each input's link goes to its own destination.
        std::vector<QPDFObjectHandle> pages = pdf->getAllPages();
        QCOMPARE(QString::fromStdString(pages[0].getKey("/Annots").getArrayItem(0).getKey("/Dest").getStringValue()),
                 QStringLiteral("summary"));
        QCOMPARE(QString::fromStdString(pages[3].getKey("/Annots").getArrayItem(0).getKey("/Dest").getStringValue()),
                 QStringLiteral("summary-2"));
        // So does each input's outline entry that jumps there by name.
        QPDFOutlineDocumentHelper outline(*pdf);
        std::vector<QPDFOutlineObjectHelper> top = outline.getTopLevelOutlines();
        QCOMPARE(int(top.size()), 2);
        for (int copy = 0; copy < 2; ++copy) {
            std::vector<QPDFOutlineObjectHelper> kids = top[size_t(copy)].getKids();
            QCOMPARE(int(kids.size()), 1);
            QCOMPARE(QString::fromStdString(kids[0].getTitle()), QStringLiteral("Summary"));
            QCOMPARE(QString::fromStdString(kids[0].getObjectHandle().getKey("/A").getKey("/D").getStringValue()),
                     copy == 0 ? QStringLiteral("summary") : QStringLiteral("summary-2"));
            QCOMPARE(pageIndex(*pdf, kids[0].getDestPage()), copy == 0 ? 2 : 5);
        }
    }

    void formsOfBothInputsKeepWorkingWithTheSameFieldNames()
    {
        const QString form = fixtureCopy(QStringLiteral("form-filled-by-acrobat.pdf"));
        const QString out = path(QStringLiteral("forms.pdf"));
        QCOMPARE(DocumentMerger::mergeFiles({form, form}, out), 6);

        auto input = open(form);
        QPDFAcroFormDocumentHelper inputForm(*input);
        std::map<std::string, std::string> inputValues;
        for (QPDFFormFieldObjectHelper field : inputForm.getFormFields())
            inputValues[field.getFullyQualifiedName()] = field.getValueAsString();

        auto pdf = open(out);
        QPDFAcroFormDocumentHelper merged(*pdf);
        QVERIFY(merged.hasAcroForm());
        std::map<std::string, std::string> values;
        for (QPDFFormFieldObjectHelper field : merged.getFormFields())
            values[field.getFullyQualifiedName()] = field.getValueAsString();
        QCOMPARE(values.size(), inputValues.size() * 2);
        for (const auto &entry : inputValues) {
            QVERIFY2(values.count(entry.first), entry.first.c_str());
            QCOMPARE(values[entry.first], entry.second);
            // The renamed copy of the second input carries the same value.
            bool found = false;
            for (const auto &value : values) {
                if (value.first != entry.first && value.first.rfind(entry.first.substr(0, entry.first.find('.')), 0) == 0
                    && value.second == entry.second)
                    found = true;
            }
            QVERIFY2(found, entry.first.c_str());
        }
        // Every widget on the pages belongs to a named field of the form, and
        // both halves have as many widgets as the input.
        int inputWidgets = 0;
        for (QPDFPageObjectHelper page : QPDFPageDocumentHelper(*input).getAllPages())
            inputWidgets += int(inputForm.getWidgetAnnotationsForPage(page).size());
        std::set<std::string> widgetFields;
        int widgets = 0;
        for (QPDFPageObjectHelper page : QPDFPageDocumentHelper(*pdf).getAllPages()) {
            for (QPDFAnnotationObjectHelper widget : merged.getWidgetAnnotationsForPage(page)) {
                ++widgets;
                const std::string name = merged.getFieldForAnnotation(widget).getFullyQualifiedName();
                QVERIFY(!name.empty());
                widgetFields.insert(name);
            }
        }
        QVERIFY(inputWidgets > 0);
        QCOMPARE(widgets, 2 * inputWidgets);
        QCOMPARE(widgetFields.size(), values.size());

        // Filling one copy leaves the other as it was.
        QPDFFormFieldObjectHelper firstText;
        QPDFFormFieldObjectHelper secondText;
        for (QPDFFormFieldObjectHelper field : merged.getFormFields()) {
            if (field.getFullyQualifiedName() == "Text Box 1")
                firstText = field;
            else if (field.getFullyQualifiedName() == "Text Box 1_2")
                secondText = field;
        }
        QVERIFY(firstText.getObjectHandle().isDictionary());
        QVERIFY(secondText.getObjectHandle().isDictionary());
        firstText.setV(QPDFObjectHandle::newUnicodeString("changed"));
        QCOMPARE(QString::fromStdString(firstText.getValueAsString()), QStringLiteral("changed"));
        QCOMPARE(secondText.getValueAsString(), inputValues["Text Box 1"]);
    }

    void generatedFieldsWithOneNameStayTwoFields()
    {
        MergeSamples::Options options;
        options.fieldName = QStringLiteral("name");
        options.fieldValue = QStringLiteral("first");
        const QString one = sample(QStringLiteral("f1.pdf"), options);
        options.fieldValue = QStringLiteral("second");
        const QString two = sample(QStringLiteral("f2.pdf"), options);
        const QString out = path(QStringLiteral("f12.pdf"));
        QCOMPARE(DocumentMerger::mergeFiles({one, two}, out), 2);
        auto pdf = open(out);
        QPDFAcroFormDocumentHelper form(*pdf);
        std::map<std::string, std::string> values;
        for (QPDFFormFieldObjectHelper field : form.getFormFields())
            values[field.getFullyQualifiedName()] = field.getValueAsString();
        QCOMPARE(values.size(), size_t(2));
        QCOMPARE(QString::fromStdString(values["name"]), QStringLiteral("first"));
        QCOMPARE(QString::fromStdString(values["name_2"]), QStringLiteral("second"));
        QVERIFY(pdf->getRoot().getKey("/AcroForm").getKey("/DR").getKey("/Font").getKey("/Helv").isDictionary());
    }

    void identicalStreamsAreStoredOnce()
    {
        MergeSamples::Options options;
        options.fontBytes = 40000;
        QStringList files;
        qint64 inputBytes = 0;
        for (int i = 0; i < 20; ++i) {
            options.marker = QStringLiteral("single %1").arg(i);
            files << sample(QStringLiteral("shared%1.pdf").arg(i), options);
            inputBytes += QFileInfo(files.last()).size();
        }
        options.fontSeed = 'G';   // a different font: must stay separate
        files << sample(QStringLiteral("other.pdf"), options);
        const QString out = path(QStringLiteral("shared.pdf"));
        QCOMPARE(DocumentMerger::mergeFiles(files, out), 21);
        auto pdf = open(out);
        QCOMPARE(streamCountWithLength(*pdf, 40000), 2);
        // Twenty-one fonts of 40,000 bytes went in; two came out.
        QVERIFY2(QFileInfo(out).size() < 3 * 40000, qPrintable(QString::number(QFileInfo(out).size())));
        QVERIFY(inputBytes > 20 * 40000);
        // Each page still has its own content and a font with its file.
        std::vector<QPDFObjectHandle> pages = pdf->getAllPages();
        for (int i = 0; i < 20; ++i)
            QVERIFY(pageText(pages[size_t(i)]).contains(QStringLiteral("(single %1 1)").arg(i).toLatin1()));
        QVERIFY(pages[20].getKey("/Resources").getKey("/Font").getKey("/F1").getKey("/FontDescriptor")
                    .getKey("/FontFile").isStream());
        // Written with object streams.
        bool objectStream = false;
        for (QPDFObjectHandle object : pdf->getAllObjects())
            objectStream = objectStream || (object.isStream() && object.getDict().getKey("/Type").isNameAndEquals("/ObjStm"));
        QVERIFY(objectStream);
    }

    void versionIsTheHighestOfTheInputs()
    {
        MergeSamples::Options old;
        old.version = "1.3";
        MergeSamples::Options newer;
        newer.version = "1.7";
        const QString a = sample(QStringLiteral("v13.pdf"), old);
        const QString b = sample(QStringLiteral("v17.pdf"), newer);
        const QString out = path(QStringLiteral("v.pdf"));
        QCOMPARE(DocumentMerger::mergeFiles({a, b, a}, out), 3);
        QCOMPARE(QString::fromStdString(open(out)->getPDFVersion()), QStringLiteral("1.7"));
    }

    void annotationsAndPageBoxKept()
    {
        const QString rotated = fixtureCopy(QStringLiteral("annotations-rotated-90.pdf"));
        auto input = open(rotated);
        const int annotations = QPDFObjectHandle(input->getAllPages().at(0)).getKey("/Annots").getArrayNItems();
        QVERIFY(annotations > 0);
        const QString out = path(QStringLiteral("rot.pdf"));
        MergeSamples::Options plain;
        QCOMPARE(DocumentMerger::mergeFiles({sample(QStringLiteral("p1.pdf"), plain), rotated}, out), 2);
        auto pdf = open(out);
        QPDFObjectHandle page = pdf->getAllPages().at(1);
        QPDFObjectHandle inputPage = input->getAllPages().at(0);
        QCOMPARE(page.getKey("/MediaBox").unparse(), inputPage.getKey("/MediaBox").unparse());
        QCOMPARE(page.getKey("/MediaBox").unparse(), std::string("[ 0 0 792 612 ]"));
        QCOMPARE(page.getKey("/Annots").getArrayNItems(), annotations);
        for (QPDFObjectHandle annotation : page.getKey("/Annots").aitems()) {
            if (annotation.hasKey("/P"))
                QCOMPARE(annotation.getKey("/P").getObjGen(), page.getObjGen());
        }
        // Its embedded files come along.
        QPDFNameTreeObjectHelper inputFiles(input->getRoot().getKey("/Names").getKey("/EmbeddedFiles"), *input);
        QPDFNameTreeObjectHelper files(pdf->getRoot().getKey("/Names").getKey("/EmbeddedFiles"), *pdf);
        QVERIFY(!inputFiles.getAsMap().empty());
        QCOMPARE(files.getAsMap().size(), inputFiles.getAsMap().size());
        for (const auto &entry : files.getAsMap())
            QVERIFY(QPDFObjectHandle(entry.second).getKey("/EF").getKey("/F").isStream());
    }

    // Resources, page box and rotation held by the page tree, not by the
    // pages: every copy of every page gets them, a page's own value wins,
    // and a value the tree holds once is stored once per copy.
    void attributesInheritedFromThePageTreeReachEveryPage()
    {
        const char *text =
            "%PDF-1.4\n"
            "1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj\n"
            "2 0 obj << /Type /Pages /Kids [3 0 R 4 0 R] /Count 3 /MediaBox [0 0 300 400] /Rotate 90\n"
            "  /Resources << /Font << /F1 5 0 R >> >> >> endobj\n"
            "3 0 obj << /Type /Page /Parent 2 0 R /Contents 6 0 R >> endobj\n"
            "4 0 obj << /Type /Pages /Parent 2 0 R /Kids [7 0 R 8 0 R] /Count 2 /CropBox [10 10 290 390] >> endobj\n"
            "5 0 obj << /Type /Font /Subtype /Type1 /BaseFont /Helvetica >> endobj\n"
            "6 0 obj << /Length 34 >> stream\nBT /F1 12 Tf 20 20 Td (tree) Tj ET\nendstream endobj\n"
            "7 0 obj << /Type /Page /Parent 4 0 R /Contents 6 0 R /MediaBox [0 0 500 500] >> endobj\n"
            "8 0 obj << /Type /Page /Parent 4 0 R /Contents 6 0 R /Rotate 0 >> endobj\n"
            "trailer << /Root 1 0 R /Size 9 >>\n%%EOF\n";
        const QString input = path(QStringLiteral("inherited.pdf"));
        {
            QPDF source;
            source.setSuppressWarnings(true);
            source.processMemoryFile("inherited", text, std::strlen(text));
            // The writer keeps the name's pointer until write(): the bytes must outlive it.
            const QByteArray name = QFile::encodeName(input);
            QPDFWriter writer(source, name.constData());
            writer.write();
        }
        const QString out = path(QStringLiteral("inherited-merged.pdf"));
        QCOMPARE(DocumentMerger::mergeFiles({input, input}, out), 6);

        auto pdf = open(out);
        std::vector<QPDFObjectHandle> pages = pdf->getAllPages();
        QCOMPARE(int(pages.size()), 6);
        const char *mediaBoxes[] = {"[ 0 0 300 400 ]", "[ 0 0 500 500 ]", "[ 0 0 300 400 ]"};
        const int rotations[] = {90, 90, 0};
        for (size_t i = 0; i < pages.size(); ++i) {
            QPDFObjectHandle page = pages[i];
            const size_t inInput = i % 3;
            QCOMPARE(page.getKey("/MediaBox").unparseResolved(), std::string(mediaBoxes[inInput]));
            QCOMPARE(int(page.getKey("/Rotate").getIntValue()), rotations[inInput]);
            QCOMPARE(page.getKey("/CropBox").isArray(), inInput != 0);
            QCOMPARE(page.getKey("/Resources").getKey("/Font").getKey("/F1").getKey("/BaseFont").getName(),
                     std::string("/Helvetica"));
        }
        QVERIFY(pages[0].getKey("/Resources").isIndirect());
        QCOMPARE(pages[0].getKey("/Resources").getObjGen(), pages[1].getKey("/Resources").getObjGen());
        QCOMPARE(pages[1].getKey("/CropBox").getObjGen(), pages[2].getKey("/CropBox").getObjGen());
    }

    void unreadableAndProtectedInputs()
    {
        QFile junk(path(QStringLiteral("junk.pdf")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("this is not a PDF file at all");
        junk.close();
        const QString locked = fixtureCopy(QStringLiteral("enc-XI-R6,V5,U=view,O=master.pdf"));
        MergeSamples::Options plain;
        plain.pages = 2;
        const QString good = sample(QStringLiteral("good.pdf"), plain);
        DocumentMerger merger;
        QVERIFY(!merger.addFile(junk.fileName()));
        QVERIFY(!merger.addFile(path(QStringLiteral("missing.pdf"))));
        QVERIFY(!merger.addFile(locked, QStringLiteral("wrong")));
        QVERIFY(merger.addFile(good));
        QVERIFY(merger.addFile(locked, QStringLiteral("view")));
        QCOMPARE(merger.pageCount(), 32);
        QCOMPARE(merger.failedFiles(), QStringList({junk.fileName(), path(QStringLiteral("missing.pdf")), locked}));
        const QString out = path(QStringLiteral("mixed.pdf"));
        QVERIFY(merger.write(out));
        auto pdf = open(out);
        QCOMPARE(int(pdf->getAllPages().size()), 32);
        QVERIFY(!pdf->isEncrypted());
    }

    void damagedInputsDoNotFailTheMerge()
    {
        const QString out = path(QStringLiteral("damaged.pdf"));
        QCOMPARE(DocumentMerger::mergeFiles({fixtureCopy(QStringLiteral("bad-xref.pdf")),
                                             fixtureCopy(QStringLiteral("damaged-stream.pdf")),
                                             fixtureCopy(QStringLiteral("c-object-streams.pdf"))},
                                            out),
                 32);
        QCOMPARE(int(open(out)->getAllPages().size()), 32);
    }

    void layersKeepTheirDefaultVisibility()
    {
        MergeSamples::Options hidden;
        hidden.layer = QStringLiteral("Notes");
        MergeSamples::Options plain;
        const QString a = sample(QStringLiteral("layer-a.pdf"), hidden);
        hidden.layer = QStringLiteral("Grid");
        const QString b = sample(QStringLiteral("layer-b.pdf"), hidden);
        const QString out = path(QStringLiteral("layers.pdf"));
        QCOMPARE(DocumentMerger::mergeFiles({a, sample(QStringLiteral("nolayer.pdf"), plain), b}, out), 3);
        auto pdf = open(out);
        QPDFObjectHandle properties = pdf->getRoot().getKey("/OCProperties");
        QVERIFY(properties.isDictionary());
        QCOMPARE(properties.getKey("/OCGs").getArrayNItems(), 2);
        QCOMPARE(properties.getKey("/D").getKey("/OFF").getArrayNItems(), 2);
        QCOMPARE(properties.getKey("/D").getKey("/Order").getArrayNItems(), 2);
        // The groups listed are the ones the pages draw with.
        std::vector<QPDFObjectHandle> pages = pdf->getAllPages();
        for (size_t page : {size_t(0), size_t(2)}) {
            QPDFObjectHandle used = pages[page].getKey("/Resources").getKey("/Properties").getKey("/L1");
            bool listed = false;
            for (QPDFObjectHandle group : properties.getKey("/OCGs").aitems())
                listed = listed || group.getObjGen() == used.getObjGen();
            QVERIFY(listed);
        }
        QCOMPARE(QString::fromStdString(properties.getKey("/OCGs").getArrayItem(1).getKey("/Name").getUTF8Value()),
                 QStringLiteral("Grid"));
    }

    void mergeIsAllOrNothing()
    {
        MergeSamples::Options plain;
        const QString good = sample(QStringLiteral("whole.pdf"), plain);
        const QString out = path(QStringLiteral("whole-out.pdf"));
        QFile previous(out);
        QVERIFY(previous.open(QIODevice::WriteOnly));
        previous.write("previous");
        previous.close();
        DocumentMerger failing;
        QCOMPARE(failing.merge({good, path(QStringLiteral("absent.pdf")), good}, out), 0);
        QCOMPARE(failing.errorCode(), int(PdfErrorCode::FileNotFound));
        QVERIFY(previous.open(QIODevice::ReadOnly));
        QCOMPARE(previous.readAll(), QByteArray("previous"));   // untouched
        previous.close();
        DocumentMerger locked;
        QCOMPARE(locked.merge({fixtureCopy(QStringLiteral("enc-R3,V2,U=view,O=master.pdf"))}, out), 0);
        QCOMPARE(locked.errorCode(), int(PdfErrorCode::PasswordNeeded));
        DocumentMerger working;
        QCOMPARE(working.merge({good, good}, out), 2);
        QCOMPARE(working.errorCode(), int(PdfErrorCode::None));
        QCOMPARE(int(open(out)->getAllPages().size()), 2);
        DocumentMerger empty;
        QCOMPARE(empty.merge({}, out), 0);
        QCOMPARE(empty.errorCode(), int(PdfErrorCode::InvalidArgument));
    }

    void nothingAddedWritesNothing()
    {
        DocumentMerger merger;
        const QString out = path(QStringLiteral("none.pdf"));
        QVERIFY(!merger.write(out));
        QVERIFY(!QFileInfo::exists(out));
        QCOMPARE(DocumentMerger::mergeFiles({}, out), 0);
        QVERIFY(!QFileInfo::exists(out));
    }

    // A document merged with itself, three times in a row: every copy keeps
    // its own pages, links and destination names; what the copies share
    // (page contents, fonts) is stored once.
    void documentMergedWithItselfKeepsEachCopyApart()
    {
        MergeSamples::Options options;
        options.pages = 3;
        options.fontBytes = 20000;
        options.destination = QStringLiteral("end");
        options.destinationObject = true;
        const QString doc = sample(QStringLiteral("self.pdf"), options);
        const QString out = path(QStringLiteral("self-merged.pdf"));
        QCOMPARE(DocumentMerger::mergeFiles({doc, doc, doc}, out), 9);

        auto pdf = open(out);
        std::vector<QPDFObjectHandle> pages = pdf->getAllPages();
        QCOMPARE(streamCountWithLength(*pdf, 20000), 1);
        QPDFNameTreeObjectHelper tree(pdf->getRoot().getKey("/Names").getKey("/Dests"), *pdf);
        const QStringList names{QStringLiteral("end"), QStringLiteral("end-2"), QStringLiteral("end-3")};
        for (int copy = 0; copy < 3; ++copy) {
            const size_t first = size_t(copy) * 3;
            for (size_t page = 0; page < 3; ++page)
                QVERIFY(pages[first + page].getKey("/Contents").getObjGen() == pages[page].getKey("/Contents").getObjGen());
            QPDFObjectHandle link = pages[first].getKey("/Annots").getArrayItem(0);
            QCOMPARE(QString::fromStdString(link.getKey("/Dest").getStringValue()), names[copy]);
            if (copy > 0)
                QVERIFY(link.getObjGen() != pages[0].getKey("/Annots").getArrayItem(0).getObjGen());
            QPDFObjectHandle target;
            QVERIFY(tree.findObject(names[copy].toStdString(), target));
            QCOMPARE(pageIndex(*pdf, target.getArrayItem(0)), int(first) + 2);
        }
        QCOMPARE(int(QPDFOutlineDocumentHelper(*pdf).getTopLevelOutlines().size()), 3);
    }

    void inputsAreClosedOnceCopied()
    {
        MergeSamples::Options options;
        options.fontBytes = 1000;
        DocumentMerger merger;
        QStringList files;
        for (int i = 0; i < 30; ++i) {
            files << sample(QStringLiteral("open%1.pdf").arg(i), options);
            QVERIFY(merger.addFile(files.last()));
        }
        // No descriptor of this process refers to an input any more.
        const QDir fds(QStringLiteral("/proc/self/fd"));
        for (const QString &fd : fds.entryList(QDir::NoDotAndDotDot | QDir::AllEntries)) {
            const QString target = QFileInfo(fds.filePath(fd)).symLinkTarget();
            QVERIFY2(!files.contains(target), qPrintable(target));
        }
        QVERIFY(merger.write(path(QStringLiteral("open.pdf"))));
        QCOMPARE(int(open(path(QStringLiteral("open.pdf")))->getAllPages().size()), 30);
    }
};

QTEST_GUILESS_MAIN(TestDocumentMerger)
#include "tst_documentmerger.moc"
