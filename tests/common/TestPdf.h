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

// About bytes of printable text that does not compress much, as a
// comment line of content: a page carrying it is that large in any output.
QByteArray bulk(int bytes, quint32 seed = 42);

// count pages; page n is (200 + n) points wide, so a page can be recognised
// after extraction or merging by its width.
bool writeNumbered(const QString &path, int count);

// As writeNumbered, then damaged beyond qpdf's recovery (which needs a
// trailer) but not MuPDF's: written without object streams and cut after
// the last object, no cross-reference table, no trailer.
bool writeNumberedWithoutTrailer(const QString &path, int count);

// The media box widths of the document's pages, in order (empty on failure).
QList<int> pageWidths(const QString &path, const QString &password = QString());

// Embeds content in the document as an attached file called name (an entry
// of the catalog's /EmbeddedFiles name tree), rewriting the file.
bool attach(const QString &path, const QString &name, const QByteArray &content);
// The attached files of a document: the name tree's names with each file's
// content (empty on failure).
QMap<QString, QByteArray> attachments(const QString &path);

} // namespace TestPdf
