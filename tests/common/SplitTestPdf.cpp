#include "SplitTestPdf.h"

#include "TestPdf.h"

#include <QFile>
#include <QProcess>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFNameTreeObjectHelper.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace SplitTestPdf {

namespace {

std::unique_ptr<QPDF> open(const QString &path, const QString &password = QString())
{
    auto pdf = std::make_unique<QPDF>();
    try {
        pdf->setSuppressWarnings(true);
        pdf->processFile(QFile::encodeName(path).constData(), password.toUtf8().constData());
        return pdf;
    } catch (const std::exception &) {
        return nullptr;
    }
}

QPDFObjectHandle destination(QPDFObjectHandle page, const char *fit)
{
    return QPDFObjectHandle::newArray({page, QPDFObjectHandle::newName(fit)});
}

QPDFObjectHandle link(QPDF &pdf, const char *key, QPDFObjectHandle value)
{
    QPDFObjectHandle annot = QPDFObjectHandle::parse("<< /Type /Annot /Subtype /Link /Rect [0 0 50 50] /Border [0 0 0] >>");
    annot.replaceKey(key, value);
    return pdf.makeIndirectObject(annot);
}

QPDFObjectHandle outlineItem(QPDF &pdf, const char *title, QPDFObjectHandle dest)
{
    QPDFObjectHandle item = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
    item.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(title));
    item.replaceKey("/Dest", dest);
    return item;
}

void chain(QPDFObjectHandle parent, const std::vector<QPDFObjectHandle> &items)
{
    parent.replaceKey("/First", items.front());
    parent.replaceKey("/Last", items.back());
    for (size_t i = 0; i < items.size(); ++i) {
        QPDFObjectHandle item = items[i];
        item.replaceKey("/Parent", parent);
        if (i > 0)
            item.replaceKey("/Prev", items[i - 1]);
        if (i + 1 < items.size())
            item.replaceKey("/Next", items[i + 1]);
    }
}

int pageNumber(QPDF &pdf, QPDFObjectHandle dest)
{
    if (!dest.isArray() || dest.getArrayNItems() < 1)
        return 0;
    QPDFObjectHandle target = dest.getArrayItem(0);
    const std::vector<QPDFObjectHandle> &pages = pdf.getAllPages();
    for (size_t i = 0; i < pages.size(); ++i) {
        if (target.isIndirect() && pages[i].getObjGen() == target.getObjGen())
            return int(i) + 1;
    }
    return 0;
}

QPDFObjectHandle resolveNamed(QPDF &pdf, QPDFObjectHandle dest)
{
    QPDFObjectHandle root = pdf.getRoot();
    if (dest.isString() && root.getKey("/Names").isDictionary()
        && root.getKey("/Names").getKey("/Dests").isDictionary()) {
        QPDFNameTreeObjectHelper tree(root.getKey("/Names").getKey("/Dests"), pdf);
        QPDFObjectHandle value;
        if (tree.findObject(dest.getStringValue(), value))
            dest = value;
    } else if (dest.isName() && root.getKey("/Dests").isDictionary()) {
        dest = root.getKey("/Dests").getKey(dest.getName());
    } else if (dest.isName()) {   // readers look a name up in the tree too
        dest = resolveNamed(pdf, QPDFObjectHandle::newString(dest.getName().substr(1)));
    }
    if (dest.isDictionary())
        dest = dest.getKey("/D");
    return dest;
}

void walkOutline(QPDF &pdf, QPDFObjectHandle first, int depth, QStringList &lines)
{
    for (QPDFObjectHandle item = first; item.isDictionary() && depth < 20; item = item.getKey("/Next")) {
        QPDFObjectHandle dest = item.getKey("/Dest");
        if (dest.isNull() && item.getKey("/A").isDictionary())
            dest = item.getKey("/A").getKey("/D");
        lines << QStringLiteral("%1:%2->%3")
                     .arg(depth)
                     .arg(QString::fromStdString(item.getKey("/Title").getUTF8Value()))
                     .arg(pageNumber(pdf, resolveNamed(pdf, dest)));
        walkOutline(pdf, item.getKey("/First"), depth + 1, lines);
    }
}

// Where a destination of writeWithDestinations goes.
struct Target
{
    const char *name;
    int page;   // 1-based
    int top;
};

// Points outline items and links at their targets in one form, filing the
// named ones in the catalog's /Dests or the name tree.
class DestinationWriter
{
public:
    DestinationWriter(QPDF &pdf, DestinationForm form) : m_pdf(pdf), m_form(form), m_pages(pdf.getAllPages()) {}

    void point(QPDFObjectHandle holder, const Target &target)
    {
        const QPDFObjectHandle array = QPDFObjectHandle::newArray(
            {m_pages[size_t(target.page - 1)], QPDFObjectHandle::newName("/XYZ"), QPDFObjectHandle::newInteger(72),
             QPDFObjectHandle::newInteger(target.top), QPDFObjectHandle::newNull()});
        QPDFObjectHandle inDictionary = QPDFObjectHandle::newDictionary();
        inDictionary.replaceKey("/D", array);
        const QPDFObjectHandle name = QPDFObjectHandle::newName(std::string("/") + target.name);
        const QPDFObjectHandle string = QPDFObjectHandle::newString(target.name);
        switch (m_form) {
        case DestinationForm::ExplicitArray: holder.replaceKey("/Dest", array); return;
        case DestinationForm::GoToArray: holder.replaceKey("/A", goTo(array)); return;
        case DestinationForm::NameInDests: file(target, array); holder.replaceKey("/Dest", name); return;
        case DestinationForm::NameToDictionary: file(target, inDictionary); holder.replaceKey("/A", goTo(name)); return;
        case DestinationForm::StringInNameTree: file(target, array); holder.replaceKey("/Dest", string); return;
        case DestinationForm::NameInNameTree: file(target, array); holder.replaceKey("/Dest", name); return;
        case DestinationForm::StringToDictionary:
        case DestinationForm::StringInDeepTree:
            file(target, m_pdf.makeIndirectObject(inDictionary));
            holder.replaceKey("/A", goTo(string));
            return;
        }
    }

    // Puts the named destinations into the catalog.
    void fileNames(QPDFObjectHandle root) const
    {
        if (m_named.empty())
            return;
        if (m_form == DestinationForm::NameInDests || m_form == DestinationForm::NameToDictionary) {
            QPDFObjectHandle dests = QPDFObjectHandle::newDictionary();
            for (const auto &entry : m_named)
                dests.replaceKey("/" + entry.first, entry.second);
            root.replaceKey("/Dests", m_pdf.makeIndirectObject(dests));
            return;
        }
        std::vector<std::pair<std::string, QPDFObjectHandle>> sorted(m_named.begin(), m_named.end());
        QPDFObjectHandle tree = m_pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        if (m_form == DestinationForm::StringInDeepTree) {
            const size_t half = sorted.size() / 2;
            tree.replaceKey("/Kids", QPDFObjectHandle::newArray({leaf(sorted, 0, half), leaf(sorted, half, sorted.size())}));
        } else {
            tree.replaceKey("/Names", leaf(sorted, 0, sorted.size()).getKey("/Names"));
        }
        QPDFObjectHandle names = QPDFObjectHandle::newDictionary();
        names.replaceKey("/Dests", tree);
        root.replaceKey("/Names", names);
    }

private:
    static QPDFObjectHandle goTo(QPDFObjectHandle destination)
    {
        QPDFObjectHandle action = QPDFObjectHandle::parse("<< /S /GoTo >>");
        action.replaceKey("/D", destination);
        return action;
    }

    void file(const Target &target, QPDFObjectHandle value) { m_named.emplace(target.name, value); }

    QPDFObjectHandle leaf(const std::vector<std::pair<std::string, QPDFObjectHandle>> &sorted, size_t from,
                          size_t to) const
    {
        QPDFObjectHandle pairs = QPDFObjectHandle::newArray();
        for (size_t i = from; i < to; ++i) {
            pairs.appendItem(QPDFObjectHandle::newString(sorted[i].first));
            pairs.appendItem(sorted[i].second);
        }
        QPDFObjectHandle node = m_pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        node.replaceKey("/Names", pairs);
        node.replaceKey("/Limits", QPDFObjectHandle::newArray({QPDFObjectHandle::newString(sorted[from].first),
                                                               QPDFObjectHandle::newString(sorted[to - 1].first)}));
        return node;
    }

    QPDF &m_pdf;
    DestinationForm m_form;
    std::vector<QPDFObjectHandle> m_pages;
    std::map<std::string, QPDFObjectHandle> m_named;   // sorted by bytes, as a name tree is
};

} // namespace

bool writeWithDestinations(const QString &path, DestinationForm form)
{
    const QString plain = path + QStringLiteral(".plain");
    if (!TestPdf::writeNumbered(plain, 6))
        return false;
    bool written = true;
    try {
        QPDF pdf;
        pdf.processFile(QFile::encodeName(plain).constData());
        DestinationWriter destinations(pdf, form);
        const Target partA{"part.A", 1, 700}, partB{"part.B", 3, 650}, sectionB2{"section.B.2", 4, 600},
            partC{"part.C", 5, 550};

        QPDFObjectHandle outlines = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Outlines >>"));
        std::vector<QPDFObjectHandle> items;
        for (const char *title : {"Part A", "Part B", "Section B.2", "Part C"}) {
            items.push_back(pdf.makeIndirectObject(QPDFObjectHandle::newDictionary()));
            items.back().replaceKey("/Title", QPDFObjectHandle::newUnicodeString(title));
        }
        destinations.point(items[0], partA);
        destinations.point(items[1], partB);
        destinations.point(items[2], sectionB2);
        destinations.point(items[3], partC);
        chain(outlines, {items[0], items[1], items[3]});
        chain(items[1], {items[2]});
        items[1].replaceKey("/Count", QPDFObjectHandle::newInteger(1));
        outlines.replaceKey("/Count", QPDFObjectHandle::newInteger(4));
        pdf.getRoot().replaceKey("/Outlines", outlines);

        std::vector<QPDFObjectHandle> links;
        for (const Target &target : {partA, partB, sectionB2, partC}) {
            links.push_back(pdf.makeIndirectObject(QPDFObjectHandle::parse(
                "<< /Type /Annot /Subtype /Link /Rect [0 0 50 50] /Border [0 0 0] >>")));
            destinations.point(links.back(), target);
        }
        QPDFObjectHandle lastPage = pdf.getAllPages()[5];
        lastPage.replaceKey("/Annots", QPDFObjectHandle::newArray(links));
        destinations.fileNames(pdf.getRoot());

        const QByteArray encodedName = QFile::encodeName(path); // must outlive the writer
        QPDFWriter writer(pdf, encodedName.constData());
        writer.write();
    } catch (const std::exception &) {
        written = false;
    }
    QFile::remove(plain);
    return written;
}

bool writeLinked(const QString &path)
{
    const QString plain = path + QStringLiteral(".plain");
    if (!TestPdf::writeNumbered(plain, 6))
        return false;
    try {
        QPDF pdf;
        pdf.processFile(QFile::encodeName(plain).constData());
        std::vector<QPDFObjectHandle> pages = pdf.getAllPages();
        QPDFObjectHandle root = pdf.getRoot();

        QPDFObjectHandle goTo = QPDFObjectHandle::parse("<< /S /GoTo >>");
        goTo.replaceKey("/D", destination(pages[4], "/Fit"));
        pages[0].replaceKey("/Annots", QPDFObjectHandle::newArray({
            link(pdf, "/Dest", QPDFObjectHandle::newArray({pages[2], QPDFObjectHandle::newName("/XYZ"),
                                                           QPDFObjectHandle::newInteger(0),
                                                           QPDFObjectHandle::newInteger(700),
                                                           QPDFObjectHandle::newNull()})),
            link(pdf, "/Dest", QPDFObjectHandle::newString("chap2")),
            link(pdf, "/A", goTo),
            link(pdf, "/Dest", QPDFObjectHandle::newName("/six")),
        }));

        QPDFObjectHandle tree = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        tree.replaceKey("/Names", QPDFObjectHandle::newArray({
            QPDFObjectHandle::newString("chap2"), destination(pages[3], "/Fit"),
            QPDFObjectHandle::newString("unused"), destination(pages[1], "/Fit"),
        }));
        QPDFObjectHandle names = QPDFObjectHandle::newDictionary();
        names.replaceKey("/Dests", tree);
        root.replaceKey("/Names", names);
        QPDFObjectHandle oldDests = QPDFObjectHandle::newDictionary();
        oldDests.replaceKey("/six", destination(pages[5], "/Fit"));
        root.replaceKey("/Dests", pdf.makeIndirectObject(oldDests));

        QPDFObjectHandle outlines = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Outlines >>"));
        QPDFObjectHandle one = outlineItem(pdf, "One", destination(pages[0], "/Fit"));
        QPDFObjectHandle three = outlineItem(pdf, "Three", destination(pages[2], "/Fit"));
        QPDFObjectHandle four = outlineItem(pdf, "Four", QPDFObjectHandle::newString("chap2"));
        QPDFObjectHandle five = outlineItem(pdf, "Five", destination(pages[4], "/Fit"));
        QPDFObjectHandle six = outlineItem(pdf, "Six", destination(pages[5], "/Fit"));
        chain(outlines, {one, three, five});
        chain(three, {four});
        chain(five, {six});
        three.replaceKey("/Count", QPDFObjectHandle::newInteger(1));
        five.replaceKey("/Count", QPDFObjectHandle::newInteger(-1));
        outlines.replaceKey("/Count", QPDFObjectHandle::newInteger(4));
        root.replaceKey("/Outlines", outlines);

        root.replaceKey("/PageLabels", pdf.makeIndirectObject(QPDFObjectHandle::parse(
                                           "<< /Nums [0 << /S /r >> 2 << /S /D /St 10 >>] >>")));

        const QByteArray encodedName = QFile::encodeName(path); // must outlive the writer
        QPDFWriter writer(pdf, encodedName.constData());
        writer.write();
    } catch (const std::exception &) {
        QFile::remove(plain);
        return false;
    }
    QFile::remove(plain);
    return true;
}

bool qpdfCheckClean(const QString &path, QString *report)
{
    QProcess qpdf;
    qpdf.start(QStringLiteral("qpdf"), {QStringLiteral("--check"), path});
    qpdf.waitForFinished(60000);
    const QString output = QString::fromUtf8(qpdf.readAllStandardOutput() + qpdf.readAllStandardError());
    if (report)
        *report = output;
    return qpdf.exitStatus() == QProcess::NormalExit && qpdf.exitCode() == 0
        && output.contains(QLatin1String("No syntax or stream encoding errors found"));
}

QString info(const QString &path, const QString &key, const QString &password)
{
    const std::unique_ptr<QPDF> pdf = open(path, password);
    if (!pdf)
        return QString();
    QPDFObjectHandle dict = pdf->getTrailer().getKey("/Info");
    if (!dict.isDictionary() || !dict.getKey(key.toStdString()).isString())
        return QString();
    return QString::fromStdString(dict.getKey(key.toStdString()).getUTF8Value());
}

QString version(const QString &path, const QString &password)
{
    const std::unique_ptr<QPDF> pdf = open(path, password);
    return pdf ? QString::fromStdString(pdf->getPDFVersion()) : QString();
}

int encryptionRevision(const QString &path, const QString &password)
{
    const std::unique_ptr<QPDF> pdf = open(path, password);
    if (!pdf)
        return -1;
    int R = 0, P = 0, V = 0;
    QPDF::encryption_method_e stream, string, file;
    if (!pdf->isEncrypted(R, P, V, stream, string, file))
        return 0;
    return R;
}

QStringList pageLabels(const QString &path)
{
    QStringList labels;
    const std::unique_ptr<QPDF> pdf = open(path);
    if (!pdf)
        return labels;
    QPDFPageLabelDocumentHelper helper(*pdf);
    const size_t count = pdf->getAllPages().size();
    for (size_t i = 0; i < count; ++i) {
        QPDFObjectHandle label = helper.getLabelForPage(qint64(i));
        if (!label.isDictionary()) {
            labels << QStringLiteral("-");
            continue;
        }
        const QString style = label.getKey("/S").isName() ? QString::fromStdString(label.getKey("/S").getName())
                                                           : QString();
        const QString prefix = label.getKey("/P").isString()
            ? QString::fromStdString(label.getKey("/P").getUTF8Value()) : QString();
        const qint64 number = label.getKey("/St").isInteger() ? label.getKey("/St").getIntValue() : 1;
        labels << QStringLiteral("%1/%2/%3").arg(style, prefix).arg(number);
    }
    return labels;
}

QStringList outline(const QString &path)
{
    QStringList lines;
    const std::unique_ptr<QPDF> pdf = open(path);
    if (pdf && pdf->getRoot().getKey("/Outlines").isDictionary())
        walkOutline(*pdf, pdf->getRoot().getKey("/Outlines").getKey("/First"), 0, lines);
    return lines;
}

namespace {

QList<int> targetsOf(const QString &path, int page, bool internalOnly)
{
    QList<int> targets;
    const std::unique_ptr<QPDF> pdf = open(path);
    if (!pdf || page < 1 || size_t(page) > pdf->getAllPages().size())
        return targets;
    QPDFObjectHandle pageObject = pdf->getAllPages()[size_t(page - 1)];
    QPDFObjectHandle annots = pageObject.getKey("/Annots");
    for (int i = 0; annots.isArray() && i < annots.getArrayNItems(); ++i) {
        QPDFObjectHandle annot = annots.getArrayItem(i);
        if (!annot.getKey("/Subtype").isName() || annot.getKey("/Subtype").getName() != "/Link")
            continue;
        QPDFObjectHandle dest = annot.getKey("/Dest");
        QPDFObjectHandle action = annot.getKey("/A");
        if (dest.isNull() && action.isDictionary()) {
            const bool goTo = action.getKey("/S").isName() && action.getKey("/S").getName() == "/GoTo";
            if (internalOnly && !goTo)
                continue;
            dest = action.getKey("/D");
        }
        targets << pageNumber(*pdf, resolveNamed(*pdf, dest));
    }
    return targets;
}

} // namespace

QList<int> linkTargets(const QString &path, int page)
{
    return targetsOf(path, page, false);
}

QList<int> internalLinkTargets(const QString &path, int page)
{
    return targetsOf(path, page, true);
}

} // namespace SplitTestPdf
