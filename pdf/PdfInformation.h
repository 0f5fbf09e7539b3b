#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QSet>
#include <QString>

#include <qpdf/QPDFObjectHandle.hh>

class QPDF;

// The document information dictionary of a qpdf document and the XMP packet
// that readers prefer over it. Calls may throw qpdf exceptions; the binding
// catches them.
class PdfInformation
{
public:
    // Info dictionary key ("/Author") for a numeric key: 1 Author, 2 Title,
    // 3 Subject, 4 Keywords, 5 Creator, 6 Producer, 7 CreationDate,
    // 8 ModDate. Empty for any other number.
    static QByteArray keyName(int key);
    // Same for a key given by name ("Author", any letter case).
    static QByteArray keyName(const QString &key);

    // The entry's text (PDFDocEncoding or UTF-16 decoded); empty when absent.
    static QString value(QPDF &pdf, const QByteArray &name);
    // Sets the entry (creating the dictionary when needed); an empty value
    // removes it.
    static void setValue(QPDF &pdf, const QByteArray &name, const QString &value);

    // pdf's Info dictionary as a direct dictionary that any document can
    // hold: its strings (as their raw bytes) and names, each a fresh value;
    // entries of other kinds are left out. Empty when pdf has none.
    static QPDFObjectHandle informationCopy(QPDF &pdf);

    // pdf's XMP packet (the catalog's /Metadata stream), decoded; empty when
    // there is none or it cannot be decoded.
    static QByteArray metadataPacket(QPDF &pdf);

    // Makes stream (a stream of catalog's document) the catalog's XMP
    // packet, holding packet.
    static void setMetadata(QPDFObjectHandle catalog, QPDFObjectHandle stream, const QByteArray &packet);

    // The Info dictionary's form of a date and time ("D:20240131120000Z").
    static QString pdfDate(const QDateTime &when);

    // Makes the XMP packet agree with the Info entries named in names (of
    // /Title, /Author, /Creator, /Producer, /ModDate): stale properties are
    // replaced by the current values, or dropped when the entry is empty;
    // with modified valid, xmp:ModifyDate and xmp:MetadataDate become that
    // time (put /ModDate into names too). A packet
    // that cannot be parsed or decoded is kept as it is: it may carry more
    // than the four names (a PDF/A claim, rights, keywords), and a reader
    // that prefers it over the Info dictionary is no worse off than before.
    // Nothing happens without an XMP packet.
    static void synchroniseMetadata(QPDF &pdf, const QSet<QByteArray> &names, const QDateTime &modified = {});

    // The rewritten packet for synchroniseMetadata; empty when xmp is not
    // well-formed XML. values maps Info names to their current values (XMP
    // dates under "/ModDate" and "/MetadataDate").
    static QByteArray rewriteXmp(const QByteArray &xmp, const QSet<QByteArray> &names,
                                 const QHash<QByteArray, QString> &values);
};
