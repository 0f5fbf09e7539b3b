#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

// One document's pages as the page grid edits them: the parts of a split by
// page ranges (each a range with an optional name, the output file's name),
// changed by cuts between pages; and the pages marked to be left out. The
// grid shows and edits it; the split screen fills it from its page lists and
// writes it back, so both are views of the same ranges. No widgets.
class PageParts
{
public:
    using Range = QPair<int, int>;
    struct Part
    {
        int from = 0;
        int to = 0;
        QString name;
        bool operator==(const Part &other) const
        {
            return from == other.from && to == other.to && name == other.name;
        }
    };

    explicit PageParts(int pageCount = 0);
    int pageCount() const { return m_pageCount; }

    // The parts become ranges (1-based, inclusive, kept in this order, as
    // the worker writes them), named by names (one per range, or none). No
    // ranges make the whole document one part.
    void setRanges(const QList<Range> &ranges, const QStringList &names = {});
    const QList<Part> &parts() const { return m_parts; }
    QList<Range> ranges() const;
    // One name per part ("" for an unnamed one); empty when none is named,
    // as the split request wants them.
    QStringList names() const;

    // The first part (in list order) holding page, -1 when none does.
    int partAt(int page) const;
    // Every part holding page, in list order (several when ranges overlap).
    QList<int> partsAt(int page) const;

    // There is a cut after page: a part ends at page, another starts at
    // page + 1, and no part holds both pages.
    bool hasCut(int page) const;
    // Whether toggleCut(page) would change anything.
    bool canToggleCut(int page) const;
    // Cuts after page, or removes the cut there. Cuts every part holding both
    // page and page + 1 in two (the second half is a new, unnamed part right
    // after it); otherwise joins the first part ending at page with the first
    // starting at page + 1 (the name of the first, else of the second).
    // False, changing nothing, when neither applies.
    bool toggleCut(int page);
    // Names part index (trimmed; "" removes the name).
    void setName(int part, const QString &name);

    // The pages to leave out become every page of ranges (from to to); pages
    // outside the document are dropped.
    void setMarks(const QList<Range> &ranges);
    bool isMarked(int page) const;
    // Marks or unmarks every page from `from` to `to` (in either order).
    void setMarked(int from, int to, bool marked);
    // The marked pages in ascending order, one (p, p) pair each: the list of
    // pages a split without certain pages drops.
    QList<Range> marks() const;
    int markCount() const;

private:
    bool isPage(int page) const { return page >= 1 && page <= m_pageCount; }
    // Rebuilds the page-to-part index after the parts changed.
    void indexParts();

    int m_pageCount = 0;
    QList<Part> m_parts;
    QVector<int> m_partOfPage;   // first part holding each page (index 0 unused)
    bool m_overlapping = false;  // some page lies in more than one part
    QVector<bool> m_marked;      // index 0 unused
};
