#include "pdf/MergedOutline.h"

#include "pdf/InputCopier.h"

#include <qpdf/QPDF.hh>

#include <set>

namespace {
using Handle = QPDFObjectHandle;
}

void MergedOutline::copy(QPDF &out, QPDF &in, InputCopier &copier, QPDFObjectHandle firstPage, const QString &title)
{
    Handle entry = out.makeIndirectObject(Handle::newDictionary());
    entry.replaceKey("/Title", Handle::newUnicodeString(title.toUtf8().toStdString()));
    Handle dest = Handle::newArray();
    dest.appendItem(firstPage);
    dest.appendItem(Handle::newName("/XYZ"));
    dest.appendItem(Handle::newNull());
    dest.appendItem(Handle::newNull());
    dest.appendItem(Handle::newNull());
    entry.replaceKey("/Dest", dest);
    m_entries.push_back(entry);

    Handle outlines = in.getRoot().getKey("/Outlines");
    if (!outlines.isDictionary() || !outlines.getKey("/First").isDictionary())
        return;
    if (outlines.isIndirect())
        copier.mapTo(outlines, entry);
    Handle first = copier.copy(outlines.getKey("/First"));
    Handle last = outlines.getKey("/Last").isDictionary() ? copier.copy(outlines.getKey("/Last")) : Handle();
    long long topLevel = 0;
    std::set<QPDFObjGen> seen;
    for (Handle item = first; item.isDictionary() && seen.insert(item.getObjGen()).second;
         item = item.getKey("/Next")) {
        item.replaceKey("/Parent", entry);   // also for a direct outline root
        last = item;
        ++topLevel;
    }
    entry.replaceKey("/First", first);
    entry.replaceKey("/Last", last);
    Handle count = outlines.getKey("/Count");
    const long long visible = count.isInteger() && count.getIntValue() > 0 ? count.getIntValue() : topLevel;
    entry.replaceKey("/Count", Handle::newInteger(visible));
    m_anyOutline = true;
}

Handle MergedOutline::buildRoot(QPDF &out)
{
    Handle root = out.makeIndirectObject(Handle::newDictionary());
    root.replaceKey("/Type", Handle::newName("/Outlines"));
    long long visible = 0;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        Handle entry = m_entries[i];
        entry.replaceKey("/Parent", root);
        if (i > 0)
            entry.replaceKey("/Prev", m_entries[i - 1]);
        if (i + 1 < m_entries.size())
            entry.replaceKey("/Next", m_entries[i + 1]);
        Handle count = entry.getKey("/Count");
        visible += 1 + (count.isInteger() && count.getIntValue() > 0 ? count.getIntValue() : 0);
    }
    root.replaceKey("/First", m_entries.front());
    root.replaceKey("/Last", m_entries.back());
    root.replaceKey("/Count", Handle::newInteger(visible));
    return root;
}

void MergedOutline::writeTo(QPDF &out, QPDFObjectHandle catalog)
{
    if (m_entries.empty())
        return;
    catalog.replaceKey("/Outlines", buildRoot(out));
    if (m_anyOutline)
        catalog.replaceKey("/PageMode", Handle::newName("/UseOutlines"));
}
