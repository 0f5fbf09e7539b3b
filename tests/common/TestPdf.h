#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

// Small PDF documents generated with qpdf for tests.
namespace TestPdf {

struct Page
{
    double width = 595;
    double height = 842;
    int rotate = 0;      // written as the page's /Rotate when not 0
    QByteArray extraContent; // content operators drawn after the square and text
};

// Writes a document with the pages (each shows a black square and a line of
// text, so renderings are not blank) and the Info entries (keys "/Title"...).
// A rotation given in inheritedRotate is put on the page tree root instead
// of the pages. Returns false when writing failed.
bool write(const QString &path, const QList<Page> &pages, const QMap<QByteArray, QString> &info = {},
           int inheritedRotate = 0);

// count pages; page n is (200 + n) points wide, so a page can be recognised
// after extraction or merging by its width.
bool writeNumbered(const QString &path, int count);

// As writeNumbered, then damaged beyond qpdf's recovery (which needs a
// trailer) but not MuPDF's: written without object streams and cut after
// the last object, no cross-reference table, no trailer.
bool writeNumberedWithoutTrailer(const QString &path, int count);

// The media box widths of the document's pages, in order (empty on failure).
QList<int> pageWidths(const QString &path, const QString &password = QString());

} // namespace TestPdf
