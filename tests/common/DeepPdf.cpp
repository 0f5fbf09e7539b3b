#include "DeepPdf.h"

#include <QFile>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <string>

namespace DeepPdf {

namespace {

using Handle = QPDFObjectHandle;

Handle resourcesWith(const char *category, const char *name, Handle value)
{
    Handle entries = Handle::newDictionary();
    entries.replaceKey(name, value);
    Handle resources = Handle::newDictionary();
    resources.replaceKey(category, entries);
    return resources;
}

void addFormXObjects(QPDF &pdf, Handle page, int depth)
{
    Handle next;
    for (int level = 0; level < depth; ++level) {
        Handle form = Handle::newStream(&pdf, next.isInitialized() ? "/X Do\n" : "0 0 10 10 re f\n");
        Handle dictionary = form.getDict();
        dictionary.replaceKey("/Type", Handle::newName("/XObject"));
        dictionary.replaceKey("/Subtype", Handle::newName("/Form"));
        dictionary.replaceKey("/BBox", Handle::parse("[0 0 10 10]"));
        if (next.isInitialized())
            dictionary.replaceKey("/Resources", resourcesWith("/XObject", "/X", next));
        next = form;
    }
    page.replaceKey("/Resources", resourcesWith("/XObject", "/X", next));
    page.replaceKey("/Contents", Handle::newStream(&pdf, "q /X Do Q\n"));
}

// A name tree whose root leads through depth nodes, each the only kid of
// the one above, to the leaf that holds the one name.
Handle deepNameTree(QPDF &pdf, Handle value, int depth)
{
    Handle leaf = Handle::newDictionary();
    leaf.replaceKey("/Names", Handle::newArray({Handle::newString("deep"), value}));
    Handle node = pdf.makeIndirectObject(leaf);
    for (int level = 1; level < depth; ++level) {
        Handle parent = Handle::newDictionary();
        parent.replaceKey("/Kids", Handle::newArray({node}));
        node = pdf.makeIndirectObject(parent);
    }
    return node;
}

void addNameTree(QPDF &pdf, Handle page, Kind kind, int depth)
{
    Handle value;
    if (kind == Destinations) {
        value = Handle::newArray({page, Handle::newName("/Fit")});
    } else {
        Handle data = Handle::newStream(&pdf, "attached\n");
        data.getDict().replaceKey("/Type", Handle::newName("/EmbeddedFile"));
        Handle files = Handle::newDictionary();
        files.replaceKey("/F", data);
        value = Handle::parse("<< /Type /Filespec /F (deep.txt) >>");
        value.replaceKey("/EF", files);
    }
    Handle names = Handle::newDictionary();
    names.replaceKey(kind == Destinations ? "/Dests" : "/EmbeddedFiles", deepNameTree(pdf, value, depth));
    pdf.getRoot().replaceKey("/Names", names);
}

void addOutline(QPDF &pdf, Handle page, int depth)
{
    Handle root = pdf.makeIndirectObject(Handle::parse("<< /Type /Outlines /Count 1 >>"));
    Handle parent = root;
    for (int level = 0; level < depth; ++level) {
        Handle item = pdf.makeIndirectObject(Handle::newDictionary());
        item.replaceKey("/Title", Handle::newUnicodeString("Level " + std::to_string(level + 1)));
        item.replaceKey("/Dest", Handle::newArray({page, Handle::newName("/Fit")}));
        item.replaceKey("/Parent", parent);
        parent.replaceKey("/First", item);
        parent.replaceKey("/Last", item);
        if (level > 0)
            parent.replaceKey("/Count", Handle::newInteger(1));
        parent = item;
    }
    pdf.getRoot().replaceKey("/Outlines", root);
}

void addActionChain(QPDF &pdf, Handle page, int depth)
{
    Handle next;
    for (int level = 0; level < depth; ++level) {
        Handle action = pdf.makeIndirectObject(Handle::parse("<< /S /GoTo >>"));
        action.replaceKey("/D", Handle::newArray({page, Handle::newName("/Fit")}));
        if (next.isInitialized())
            action.replaceKey("/Next", next);
        next = action;
    }
    Handle link = pdf.makeIndirectObject(Handle::parse("<< /Type /Annot /Subtype /Link /Rect [0 0 50 50] >>"));
    link.replaceKey("/A", next);
    page.replaceKey("/Annots", Handle::newArray({link}));
}

void addFieldTree(QPDF &pdf, Handle page, int depth)
{
    Handle widget = pdf.makeIndirectObject(Handle::parse(
        "<< /Type /Annot /Subtype /Widget /FT /Tx /T (leaf) /Rect [0 0 50 20] /V (text) >>"));
    widget.replaceKey("/P", page);
    page.replaceKey("/Annots", Handle::newArray({widget}));
    Handle child = widget;
    for (int level = 1; level < depth; ++level) {
        Handle field = pdf.makeIndirectObject(Handle::parse("<< /T (level) >>"));
        field.replaceKey("/Kids", Handle::newArray({child}));
        child.replaceKey("/Parent", field);
        child = field;
    }
    Handle form = Handle::newDictionary();
    form.replaceKey("/Fields", Handle::newArray({child}));
    pdf.getRoot().replaceKey("/AcroForm", form);
}

// Puts page 1 under depth page tree nodes below the root, the other pages
// staying at the root.
void deepenPageTree(QPDF &pdf, Handle page, int depth)
{
    Handle root = pdf.getRoot().getKey("/Pages");
    Handle child = page;
    for (int level = 0; level < depth; ++level) {
        Handle node = pdf.makeIndirectObject(Handle::parse("<< /Type /Pages /Count 1 >>"));
        node.replaceKey("/Kids", Handle::newArray({child}));
        child.replaceKey("/Parent", node);
        child = node;
    }
    child.replaceKey("/Parent", root);
    Handle kids = root.getKey("/Kids");
    kids.setArrayItem(0, child);
}

} // namespace

bool write(const QString &path, Kind kind, int depth, int pageCount)
{
    try {
        QPDF pdf;
        pdf.emptyPDF();
        QPDFPageDocumentHelper pages(pdf);
        for (int n = 1; n <= pageCount; ++n) {
            Handle page = Handle::parse("<< /Type /Page /MediaBox [0 0 " + std::to_string(200 + n) + " 300] >>");
            page.replaceKey("/Contents", Handle::newStream(&pdf, "0 0 20 20 re f\n"));
            pages.addPage(pdf.makeIndirectObject(page), false);
        }
        Handle first = pdf.getAllPages().at(0);
        switch (kind) {
        case FormXObjects:
            addFormXObjects(pdf, first, depth);
            break;
        case Destinations:
        case Attachments:
            addNameTree(pdf, first, kind, depth);
            break;
        case Outline:
            addOutline(pdf, first, depth);
            break;
        case ActionChain:
            addActionChain(pdf, first, depth);
            break;
        case PageTree:
            deepenPageTree(pdf, first, depth);
            break;
        case FieldTree:
            addFieldTree(pdf, first, depth);
            break;
        }
        const QByteArray name = QFile::encodeName(path);   // must outlive the writer
        QPDFWriter writer(pdf, name.constData());
        writer.setObjectStreamMode(qpdf_o_generate);
        writer.write();
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

} // namespace DeepPdf
