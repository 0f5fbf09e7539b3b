#pragma once

#include <QString>
#include <QList>
#include <QStringList>

// Manuals that Debian packages ship (each package is in
// scripts/packages.txt), made by producers other than this program and
// its tests. Compressed ones are unpacked with gzip into a folder the
// caller owns.
namespace RealDocuments {

struct Document
{
    QString producer;   // who made it, for messages
    QString path;       // a readable PDF; empty when it could not be had
};

// The installed file at path; when path ends in ".gz", its content
// unpacked into folder under the name without ".gz". Fails (qFatal) when
// the file is missing, naming the package that ships it, or gzip fails.
QString installed(const QString &path, const QString &package, const QString &folder);

// The SISCone reference manual: 337 pages written by Ghostscript from
// LaTeX with hyperref; an Info dictionary with a title and an empty
// author, and an XMP packet (siscone-doc-pdf).
QString sisconeManual(const QString &folder);

// The Why3 manual: 184 pages from pdfTeX (Sphinx); title and author in
// the Info dictionary, no XMP (why3-doc-pdf).
QString why3Manual(const QString &folder);

// Debian 12's other manuals and a document of LibreOffice's, one of each
// producer, for the producer sweep: the Why3 and SISCone manuals above, the
// auto-multiple-choice manual (xdvipdfmx from DBLaTeX), the DocBook XSL
// reference (an old pdfTeX, from DBLaTeX, no outline), the Gri manual
// (texinfo through pdfTeX), the Debian Live manual (xdvipdfmx from SiSU),
// and tests/documents/fieldnotes.pdf (LibreOffice Writer).
QList<Document> sweep(const QString &folder);

} // namespace RealDocuments
