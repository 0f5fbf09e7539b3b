#pragma once

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QString>

// Reads what a person types where the split screen, the merge list and the
// command line take page numbers, the way they meant it, and refuses
// everything else with its reason. It sits with the worker protocol because
// the worker reads a merge's per-file page choice with the same rules. An entry
// is never turned into a different one: "3-5" is pages 3 to 5 (never page
// 35), 0 and 999 on a 261-page document are refused, not dropped.
class PageEntry
{
    Q_DECLARE_TR_FUNCTIONS(PageEntry)
public:
    using Range = QPair<int, int>;

    // What was asked for, which words the refusal uses.
    enum Kind { Pages, Page, Count };
    enum Problem { None, Empty, NotANumber, BelowOne, PastEnd, Backwards };

    struct Result
    {
        Kind kind = Pages;
        // The entries read, in the order typed; empty whenever refused.
        QList<Range> ranges;
        Problem problem = None;
        // The part of the text that was refused, as typed (trimmed).
        QString item;
        // A refused range that runs backwards, as typed (Backwards only).
        Range backwards;
        // The document's last page (or, for a count, the largest allowed).
        int lastPage = 0;

        bool isAccepted() const { return problem == None; }
        // The single number of an accepted Page or Count entry.
        int number() const { return ranges.isEmpty() ? 0 : ranges.first().first; }
    };

    // Pages and ranges separated by commas or semicolons: "7", "3-5",
    // "3 - 5", "7-" (7 to lastPage), "-5" (1 to 5), "3,5", "1-2; 9". The
    // dash may be an en dash. Every page must lie in 1..lastPage and a range
    // must not run backwards. One refused part refuses the whole text.
    static Result parseList(const QString &text, int lastPage);
    // One page number in 1..lastPage; the range holds it twice.
    static Result parsePage(const QString &text, int lastPage);
    // A whole number in 1..maximum (how many pages go into a group).
    static Result parseCount(const QString &text, int maximum);

    // The sentence shown beside the field for a refused result; empty for
    // an accepted one.
    static QString message(const Result &result);

private:
    // A page number as typed: digits only; false for anything else. Numbers
    // too long for an int come back as INT_MAX, which is past any end.
    static bool readNumber(const QString &text, int *number);
    static Result refuse(Result result, Problem problem, const QString &item);
    static Result readPart(const QString &part, int lastPage, Result result);
};
