#include "pdf/PdfInformation.h"

#include <QHash>
#include <QVector>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

namespace {

const char *const kRdf = "http://www.w3.org/1999/02/22-rdf-syntax-ns#";
const char *const kDc = "http://purl.org/dc/elements/1.1/";
const char *const kXmp = "http://ns.adobe.com/xap/1.0/";
const char *const kPdf = "http://ns.adobe.com/pdf/1.3/";

// One Info entry and the XMP property that mirrors it.
struct XmpProperty
{
    QByteArray infoName;
    QString namespaceUri;
    QString localName;
};

const QVector<XmpProperty> &mirroredProperties()
{
    static const QVector<XmpProperty> properties = {
        {"/Title", QString::fromLatin1(kDc), QStringLiteral("title")},
        {"/Author", QString::fromLatin1(kDc), QStringLiteral("creator")},
        {"/Creator", QString::fromLatin1(kXmp), QStringLiteral("CreatorTool")},
        {"/Producer", QString::fromLatin1(kPdf), QStringLiteral("Producer")},
        {"/ModDate", QString::fromLatin1(kXmp), QStringLiteral("ModifyDate")},
        // No Info entry: when the packet was last changed, changed with /ModDate.
        {"/MetadataDate", QString::fromLatin1(kXmp), QStringLiteral("MetadataDate")},
    };
    return properties;
}

// The mirrored property a (namespace, name) pair stands for, if it is one of names.
const XmpProperty *mirroredProperty(QStringRef namespaceUri, QStringRef localName,
                                    const QSet<QByteArray> &names)
{
    for (const XmpProperty &property : mirroredProperties()) {
        if (names.contains(property.infoName) && namespaceUri == property.namespaceUri
            && localName == property.localName)
            return &property;
    }
    return nullptr;
}

void copyStartElement(const QXmlStreamReader &reader, QXmlStreamWriter &writer,
                      const QSet<QByteArray> &names)
{
    writer.writeStartElement(reader.qualifiedName().toString());
    for (const QXmlStreamNamespaceDeclaration &declaration : reader.namespaceDeclarations()) {
        const QString attribute = declaration.prefix().isEmpty()
                                      ? QStringLiteral("xmlns")
                                      : QStringLiteral("xmlns:") + declaration.prefix().toString();
        writer.writeAttribute(attribute, declaration.namespaceUri().toString());
    }
    for (const QXmlStreamAttribute &attribute : reader.attributes()) {
        // The short form <rdf:Description xmp:CreatorTool="..."> carries values too.
        if (mirroredProperty(attribute.namespaceUri(), attribute.name(), names))
            continue;
        writer.writeAttribute(attribute.qualifiedName().toString(), attribute.value().toString());
    }
}

// One rdf:Description with the current values of the mirrored properties.
void writeCurrentValues(QXmlStreamWriter &writer, const QString &about, const QSet<QByteArray> &names,
                        const QHash<QByteArray, QString> &values)
{
    bool any = false;
    for (const XmpProperty &property : mirroredProperties())
        any = any || (names.contains(property.infoName) && !values.value(property.infoName).isEmpty());
    if (!any)
        return;
    writer.writeStartElement(QStringLiteral("rdf:Description"));
    writer.writeAttribute(QStringLiteral("rdf:about"), about);
    writer.writeAttribute(QStringLiteral("xmlns:dc"), QString::fromLatin1(kDc));
    writer.writeAttribute(QStringLiteral("xmlns:xmp"), QString::fromLatin1(kXmp));
    writer.writeAttribute(QStringLiteral("xmlns:pdf"), QString::fromLatin1(kPdf));
    const auto text = [&](const char *name) { return values.value(QByteArray(name)); };
    const auto wanted = [&](const char *name) {
        return names.contains(QByteArray(name)) && !text(name).isEmpty();
    };
    if (wanted("/Title")) {
        writer.writeStartElement(QStringLiteral("dc:title"));
        writer.writeStartElement(QStringLiteral("rdf:Alt"));
        writer.writeStartElement(QStringLiteral("rdf:li"));
        writer.writeAttribute(QStringLiteral("xml:lang"), QStringLiteral("x-default"));
        writer.writeCharacters(text("/Title"));
        writer.writeEndElement();
        writer.writeEndElement();
        writer.writeEndElement();
    }
    if (wanted("/Author")) {
        writer.writeStartElement(QStringLiteral("dc:creator"));
        writer.writeStartElement(QStringLiteral("rdf:Seq"));
        writer.writeTextElement(QStringLiteral("rdf:li"), text("/Author"));
        writer.writeEndElement();
        writer.writeEndElement();
    }
    if (wanted("/Creator"))
        writer.writeTextElement(QStringLiteral("xmp:CreatorTool"), text("/Creator"));
    if (wanted("/Producer"))
        writer.writeTextElement(QStringLiteral("pdf:Producer"), text("/Producer"));
    if (wanted("/ModDate"))
        writer.writeTextElement(QStringLiteral("xmp:ModifyDate"), text("/ModDate"));
    if (wanted("/MetadataDate"))
        writer.writeTextElement(QStringLiteral("xmp:MetadataDate"), text("/MetadataDate"));
    writer.writeEndElement();
}

} // namespace

QByteArray PdfInformation::keyName(int key)
{
    switch (key) {
    case 1: return QByteArrayLiteral("/Author");
    case 2: return QByteArrayLiteral("/Title");
    case 3: return QByteArrayLiteral("/Subject");
    case 4: return QByteArrayLiteral("/Keywords");
    case 5: return QByteArrayLiteral("/Creator");
    case 6: return QByteArrayLiteral("/Producer");
    case 7: return QByteArrayLiteral("/CreationDate");
    case 8: return QByteArrayLiteral("/ModDate");
    default: return QByteArray();
    }
}

QByteArray PdfInformation::keyName(const QString &key)
{
    for (int number = 1; number <= 8; ++number) {
        const QByteArray name = keyName(number);
        if (QString::fromLatin1(name.mid(1)).compare(key.trimmed(), Qt::CaseInsensitive) == 0)
            return name;
    }
    return QByteArray();
}

QString PdfInformation::value(QPDF &pdf, const QByteArray &name)
{
    QPDFObjectHandle info = pdf.getTrailer().getKey("/Info");
    if (!info.isDictionary())
        return QString();
    QPDFObjectHandle entry = info.getKey(name.toStdString());
    if (!entry.isString())
        return QString();
    return QString::fromStdString(entry.getUTF8Value());
}

void PdfInformation::setValue(QPDF &pdf, const QByteArray &name, const QString &value)
{
    QPDFObjectHandle trailer = pdf.getTrailer();
    QPDFObjectHandle info = trailer.getKey("/Info");
    if (!info.isDictionary()) {
        info = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        trailer.replaceKey("/Info", info);
    }
    if (value.isEmpty())
        info.removeKey(name.toStdString());
    else
        info.replaceKey(name.toStdString(), QPDFObjectHandle::newUnicodeString(value.toStdString()));
}

QByteArray PdfInformation::rewriteXmp(const QByteArray &xmp, const QSet<QByteArray> &names,
                                      const QHash<QByteArray, QString> &values)
{
    QXmlStreamReader reader(xmp);
    QByteArray output;
    QXmlStreamWriter writer(&output);
    writer.setAutoFormatting(false);
    QString about;
    bool wroteValues = false;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartDocument:
            if (!reader.documentVersion().isEmpty())
                writer.writeStartDocument(reader.documentVersion().toString());
            break;
        case QXmlStreamReader::StartElement:
            if (mirroredProperty(reader.namespaceUri(), reader.name(), names)) {
                reader.skipCurrentElement(); // a stale value: replaced below
                break;
            }
            if (reader.namespaceUri() == QLatin1String(kRdf) && reader.name() == QLatin1String("Description")
                && about.isNull())
                about = reader.attributes().value(QLatin1String(kRdf), QStringLiteral("about")).toString();
            copyStartElement(reader, writer, names);
            break;
        case QXmlStreamReader::EndElement:
            if (!wroteValues && reader.namespaceUri() == QLatin1String(kRdf)
                && reader.name() == QLatin1String("RDF")) {
                writeCurrentValues(writer, about.isNull() ? QString() : about, names, values);
                wroteValues = true;
            }
            writer.writeEndElement();
            break;
        case QXmlStreamReader::Characters:
            if (reader.isCDATA())
                writer.writeCDATA(reader.text().toString());
            else
                writer.writeCharacters(reader.text().toString());
            break;
        case QXmlStreamReader::Comment:
            writer.writeComment(reader.text().toString());
            break;
        case QXmlStreamReader::ProcessingInstruction:
            writer.writeProcessingInstruction(reader.processingInstructionTarget().toString(),
                                              reader.processingInstructionData().toString());
            break;
        case QXmlStreamReader::EntityReference:
            writer.writeEntityReference(reader.name().toString());
            break;
        default:
            break;
        }
    }
    if (reader.hasError() || !wroteValues)
        return QByteArray();
    return output;
}

void PdfInformation::synchroniseMetadata(QPDF &pdf, const QSet<QByteArray> &names, const QDateTime &modified)
{
    if (names.isEmpty())
        return;
    QPDFObjectHandle root = pdf.getRoot();
    QPDFObjectHandle metadata = root.getKey("/Metadata");
    if (!metadata.isStream())
        return;
    QSet<QByteArray> rewritten = names;
    QHash<QByteArray, QString> values;
    for (const QByteArray &name : names)
        values.insert(name, value(pdf, name));
    if (modified.isValid()) {
        const QString when = modified.toUTC().toString(Qt::ISODate);
        rewritten << QByteArrayLiteral("/ModDate") << QByteArrayLiteral("/MetadataDate");
        values.insert(QByteArrayLiteral("/ModDate"), when);
        values.insert(QByteArrayLiteral("/MetadataDate"), when);
    }
    const QByteArray packet = metadataPacket(pdf);   // undecodable: kept as it is, like an unparsable one
    const QByteArray xmp = packet.isEmpty() ? QByteArray() : rewriteXmp(packet, rewritten, values);
    if (xmp.isEmpty())
        return;   // keep the original stream rather than lose what else it says
    metadata.replaceStreamData(xmp.toStdString(), QPDFObjectHandle::newNull(), QPDFObjectHandle::newNull());
}

QPDFObjectHandle PdfInformation::informationCopy(QPDF &pdf)
{
    QPDFObjectHandle copy = QPDFObjectHandle::newDictionary();
    QPDFObjectHandle info = pdf.getTrailer().getKey("/Info");
    if (!info.isDictionary())
        return copy;
    for (auto entry : info.ditems()) {
        QPDFObjectHandle value = entry.second;
        if (value.isString())
            copy.replaceKey(entry.first, QPDFObjectHandle::newString(value.getStringValue()));
        else if (value.isName())
            copy.replaceKey(entry.first, QPDFObjectHandle::newName(value.getName()));
    }
    return copy;
}

QByteArray PdfInformation::metadataPacket(QPDF &pdf)
{
    QPDFObjectHandle metadata = pdf.getRoot().getKey("/Metadata");
    if (!metadata.isStream())
        return QByteArray();
    try {
        std::shared_ptr<Buffer> data = metadata.getStreamData(qpdf_dl_generalized);
        return QByteArray(reinterpret_cast<const char *>(data->getBuffer()), int(data->getSize()));
    } catch (const std::exception &) {
        return QByteArray();
    }
}

void PdfInformation::setMetadata(QPDFObjectHandle catalog, QPDFObjectHandle stream, const QByteArray &packet)
{
    stream.replaceDict(QPDFObjectHandle::parse("<< /Type /Metadata /Subtype /XML >>"));
    stream.replaceStreamData(packet.toStdString(), QPDFObjectHandle::newNull(), QPDFObjectHandle::newNull());
    catalog.replaceKey("/Metadata", stream);
}

QString PdfInformation::pdfDate(const QDateTime &when)
{
    return when.toUTC().toString(QStringLiteral("'D:'yyyyMMddHHmmss'Z'"));
}
