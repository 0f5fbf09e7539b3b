#include "pdf/DocumentMerger.h"
#include "pdf/PageExtractor.h"
#include "pdf/SourceCache.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <map>
#include <string>
#include <vector>

// Name trees as damaged or odd files have them, read by both engines: a
// tree that loops, one as deep as a long chain, one whose nodes share their
// kids, and keys that are not plain ASCII.
class TestNameTrees : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    using Handle = QPDFObjectHandle;

    // A name "été" in PDFDocEncoding, as its bytes stand in the file.
    static std::string accented() { return "\xE9t\xE9"; }

    static Handle leaf(const std::string &key, Handle value)
    {
        Handle node = Handle::newDictionary();
        node.replaceKey("/Names", Handle::newArray({Handle::newString(key), value}));
        return node;
    }

    static Handle fit(Handle page) { return Handle::newArray({page, Handle::newName("/Fit")}); }

    // Three pages; page 1 links by name to page 3 ("deep", "été") and to
    // page 2 ("shared"). The destinations sit in a tree whose first kid
    // loops back to the root, whose second is a chain of 100,000 nodes,
    // whose third is 64 levels of two references to one kid (2^64 paths),
    // and whose fourth holds the accented name. The embedded files' tree
    // holds itself.
    static void writeCrookedTrees(const QString &path)
    {
        QPDF pdf;
        pdf.emptyPDF();
        QPDFPageDocumentHelper pageTree(pdf);
        for (int n = 1; n <= 3; ++n) {
            pageTree.addPage(QPDFPageObjectHelper(pdf.makeIndirectObject(Handle::parse(
                                 "<< /Type /Page /MediaBox [0 0 " + std::to_string(200 + n) + " 300] >>"))),
                             false);
        }
        std::vector<Handle> pages = pdf.getAllPages();

        Handle root = pdf.makeIndirectObject(Handle::newDictionary());
        Handle loop = pdf.makeIndirectObject(Handle::newDictionary());
        loop.replaceKey("/Kids", Handle::newArray({root, loop, leaf("looped", fit(pages[1]))}));
        Handle chain = pdf.makeIndirectObject(leaf("deep", fit(pages[2])));
        for (int i = 0; i < 100000; ++i) {
            Handle up = pdf.makeIndirectObject(Handle::newDictionary());
            up.replaceKey("/Kids", Handle::newArray({chain}));
            chain = up;
        }
        Handle shared = pdf.makeIndirectObject(leaf("shared", fit(pages[1])));
        for (int i = 0; i < 64; ++i) {
            Handle up = pdf.makeIndirectObject(Handle::newDictionary());
            up.replaceKey("/Kids", Handle::newArray({shared, shared}));
            shared = up;
        }
        root.replaceKey("/Kids", Handle::newArray({loop, chain, shared, leaf(accented(), fit(pages[2]))}));

        Handle file = Handle::newStream(&pdf, "attached");
        Handle spec = Handle::parse("<< /Type /Filespec /F (note.txt) >>");
        spec.replaceKey("/EF", Handle::newDictionary({{"/F", file}}));
        Handle files = pdf.makeIndirectObject(leaf("note.txt", spec));
        files.replaceKey("/Kids", Handle::newArray({files}));
        pdf.getRoot().replaceKey("/Names", Handle::newDictionary({{"/Dests", root}, {"/EmbeddedFiles", files}}));

        std::vector<Handle> links;
        for (const std::string &name : {std::string("deep"), std::string("shared"), accented()}) {
            Handle link = Handle::parse("<< /Type /Annot /Subtype /Link /Rect [0 0 10 10] >>");
            link.replaceKey("/Dest", Handle::newString(name));
            links.push_back(pdf.makeIndirectObject(link));
        }
        pages[0].replaceKey("/Annots", Handle::newArray(links));

        const QByteArray file8 = QFile::encodeName(path);
        QPDFWriter writer(pdf, file8.constData());
        writer.write();
    }

    // The entries of a written document's named destinations, by their raw
    // bytes (both engines write the tree as one leaf).
    static std::map<std::string, Handle> destinations(QPDF &pdf)
    {
        std::map<std::string, Handle> entries;
        Handle names = pdf.getRoot().getKey("/Names").getKey("/Dests").getKey("/Names");
        for (int i = 0; i + 1 < names.getArrayNItems(); i += 2)
            entries[names.getArrayItem(i).getStringValue()] = names.getArrayItem(i + 1);
        return entries;
    }

    // Where each link of page goes, as an index into pdf's pages (-1 when
    // its name finds no destination), in the order of the links.
    static QList<int> linkTargets(QPDF &pdf, Handle page)
    {
        const std::map<std::string, Handle> named = destinations(pdf);
        const std::vector<Handle> &pages = pdf.getAllPages();
        QList<int> targets;
        for (Handle link : page.getKey("/Annots").aitems()) {
            const auto found = named.find(link.getKey("/Dest").getStringValue());
            int target = -1;
            for (size_t i = 0; found != named.end() && i < pages.size(); ++i) {
                if (Handle(found->second).getArrayItem(0).getObjGen() == pages[i].getObjGen())
                    target = int(i);
            }
            targets << target;
        }
        return targets;
    }

    static std::unique_ptr<QPDF> open(const QString &path)
    {
        auto pdf = std::make_unique<QPDF>();
        pdf->processFile(QFile::encodeName(path).constData());
        return pdf;
    }

private slots:
    void crookedNameTreesAreReadWholeOnceAndKeepTheirLinks()
    {
        QVERIFY(m_dir.isValid());
        const QString source = m_dir.filePath(QStringLiteral("crooked.pdf"));
        writeCrookedTrees(source);

        // A merge reads every input's trees; the second copy's names get "-2".
        const QString merged = m_dir.filePath(QStringLiteral("merged.pdf"));
        QCOMPARE(DocumentMerger::mergeFiles({source, source}, merged), 6);
        auto pdf = open(merged);
        QList<QByteArray> keys;
        for (const auto &entry : destinations(*pdf))
            keys << QByteArray::fromStdString(entry.first);
        const QByteArray e = QByteArray::fromStdString(accented());
        QCOMPARE(keys, (QList<QByteArray>{"deep", "deep-2", "looped", "looped-2", "shared", "shared-2", e, e + "-2"}));
        const std::vector<Handle> &pages = pdf->getAllPages();
        QCOMPARE(linkTargets(*pdf, pages[0]), (QList<int>{2, 1, 2}));
        QCOMPARE(linkTargets(*pdf, pages[3]), (QList<int>{5, 4, 5}));
        Handle files = pdf->getRoot().getKey("/Names").getKey("/EmbeddedFiles").getKey("/Names");
        QCOMPARE(files.getArrayNItems(), 4);
        QCOMPARE(QByteArray::fromStdString(files.getArrayItem(0).getStringValue()), QByteArray("note.txt"));
        QCOMPARE(QByteArray::fromStdString(files.getArrayItem(2).getStringValue()), QByteArray("note.txt-2"));

        // A split keeps the destinations its kept links use: the link into
        // the page left out goes.
        int error = 0;
        const std::shared_ptr<QPDF> parsed = SourceCache::parse(source, QString(), &error);
        QVERIFY(parsed);
        PageExtractor extractor(parsed, source, QString());
        const QString part = m_dir.filePath(QStringLiteral("part.pdf"));
        QCOMPARE(extractor.extract({1, 3}, part), 1);
        auto split = open(part);
        QCOMPARE(int(destinations(*split).size()), 2);
        QCOMPARE(linkTargets(*split, split->getAllPages()[0]), (QList<int>{1, 1}));
    }
};

QTEST_GUILESS_MAIN(TestNameTrees)
#include "tst_nametrees.moc"
