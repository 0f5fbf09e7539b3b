#pragma once

#include <QString>
#include <QStringList>

// Documents and checks for the split tests, built on the qpdf library.
namespace SplitTestPdf {

// Six numbered pages (page n is 200 + n points wide) that use what a plain
// page copy loses:
// - page 1 links: explicit /Dest to page 3, named destination "chap2"
//   (name tree) to page 4, a GoTo action to page 5, old-style named
//   destination /six (catalog /Dests) to page 6;
// - the name tree also holds "unused" (page 2);
// - outline: "One" (page 1), "Three" (page 3, open) with child "Four"
//   (named "chap2"), "Five" (page 5) with child "Six" (page 6);
// - page labels: i, ii, then 10, 11, 12, 13 (decimal from page 3).
bool writeLinked(const QString &path);

// The ways a document may store where its outline items and links go.
enum class DestinationForm {
    ExplicitArray,        // /Dest [page /XYZ left top zoom]
    GoToArray,            // /A << /S /GoTo /D [page ...] >>
    NameInDests,          // /Dest /name, the catalog's /Dests maps it to an array (PDF 1.1)
    NameToDictionary,     // GoTo /D /name, /Dests maps it to << /D [page ...] >>
    StringInNameTree,     // /Dest (name), the /Names /Dests tree maps it to an array
    StringToDictionary,   // GoTo /D (name), the tree maps it to << /D [page ...] >> (pdfTeX, texinfo)
    StringInDeepTree,     // as above in a tree of two leaves with /Limits, values indirect
    NameInNameTree,       // /Dest /name, defined in the name tree only (readers look there too)
};

// Six numbered pages (as TestPdf::writeNumbered) whose outline and links all
// go where they go in the form given:
// - outline "Part A" (page 1), "Part B" (page 3, open) with child
//   "Section B.2" (page 4), "Part C" (page 5);
// - page 6 links to pages 1, 3, 4 and 5, in that order.
bool writeWithDestinations(const QString &path, DestinationForm form);

// `qpdf --check` found no problem (and the qpdf command ran).
bool qpdfCheckClean(const QString &path, QString *report = nullptr);

// The trailer's Info entry ("/Author"...) as text; empty when absent.
QString info(const QString &path, const QString &key, const QString &password = QString());

// The PDF version of the file ("1.7"); empty when it cannot be opened.
QString version(const QString &path, const QString &password = QString());

// Encryption revision R (6 for AES-256), 0 when unencrypted, -1 when the
// file cannot be opened with password.
int encryptionRevision(const QString &path, const QString &password);

// The label text of every page as "S/P/number" (style name, prefix, number),
// or "-" for pages without a label range.
QStringList pageLabels(const QString &path);

// The outline as lines "depth:title->page" (1-based page, 0 when the item
// goes nowhere), in reading order.
QStringList outline(const QString &path);

// Each link annotation of page (1-based) as the 1-based page its destination
// resolves to (named destinations looked up), 0 for unresolvable.
QList<int> linkTargets(const QString &path, int page);
// The same for the links that go to a place in the document only (a
// destination or a GoTo action), leaving out links to web addresses, files
// and other actions.
QList<int> internalLinkTargets(const QString &path, int page);

} // namespace SplitTestPdf
