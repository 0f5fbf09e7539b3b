#include "protocol/PageEntry.h"

#include <QRegularExpression>
#include <QStringList>

#include <climits>

namespace {

// A range: digits or nothing on either side of a hyphen, an en dash or an
// em dash (word processors turn "3-5" into "3–5" when text is pasted).
const QRegularExpression &rangePattern()
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]*)\\s*[-\\x{2013}\\x{2014}]\\s*([0-9]*)$"));
    return pattern;
}

QString rangeText(int from, int to)
{
    return QStringLiteral("%1-%2").arg(from).arg(to);
}

} // namespace

bool PageEntry::readNumber(const QString &text, int *number)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!digits.match(text).hasMatch())
        return false;
    // More digits than an int holds: a page far past any end, not a failure
    // to read (the message then names the page the person typed).
    const qlonglong value = text.length() > 12 ? LLONG_MAX : text.toLongLong(nullptr, 10);
    *number = int(qMin<qlonglong>(value, INT_MAX));
    return true;
}

PageEntry::Result PageEntry::refuse(Result result, Problem problem, const QString &item)
{
    result.ranges.clear();
    result.problem = problem;
    result.item = item;
    return result;
}

PageEntry::Result PageEntry::readPart(const QString &part, int lastPage, Result result)
{
    int from = 0;
    int to = 0;
    const QRegularExpressionMatch range = rangePattern().match(part);
    if (range.hasMatch()) {
        const QString fromText = range.captured(1);
        const QString toText = range.captured(2);
        if (fromText.isEmpty() && toText.isEmpty())
            return refuse(result, NotANumber, part);
        // "7-" runs to the last page, "-5" from the first.
        from = 1;
        to = lastPage;
        if (!fromText.isEmpty())
            readNumber(fromText, &from);
        if (!toText.isEmpty())
            readNumber(toText, &to);
        if ((!fromText.isEmpty() && from < 1) || (!toText.isEmpty() && to < 1))
            return refuse(result, BelowOne, part);
        if (from > lastPage)
            return refuse(result, PastEnd, fromText);
        if (to > lastPage)
            return refuse(result, PastEnd, toText);
        if (from > to) {
            result.backwards = qMakePair(from, to);
            return refuse(result, Backwards, part);
        }
    } else {
        if (!readNumber(part, &from))
            return refuse(result, NotANumber, part);
        if (from < 1)
            return refuse(result, BelowOne, part);
        if (from > lastPage)
            return refuse(result, PastEnd, part);
        to = from;
    }
    result.ranges.append(qMakePair(from, to));
    return result;
}

PageEntry::Result PageEntry::parseList(const QString &text, int lastPage)
{
    Result result;
    result.kind = Pages;
    result.lastPage = lastPage;
    static const QRegularExpression separators(QStringLiteral("[,;]"));
    const QStringList parts = text.split(separators);
    for (const QString &raw : parts) {
        const QString part = raw.trimmed();
        if (part.isEmpty())
            continue; // "3,,5" and a trailing comma say nothing more
        result = readPart(part, lastPage, result);
        if (!result.isAccepted())
            return result;
    }
    if (result.ranges.isEmpty())
        return refuse(result, Empty, QString());
    return result;
}

PageEntry::Result PageEntry::parsePage(const QString &text, int lastPage)
{
    Result result;
    result.kind = Page;
    result.lastPage = lastPage;
    const QString part = text.trimmed();
    if (part.isEmpty())
        return refuse(result, Empty, QString());
    int page = 0;
    if (!readNumber(part, &page))
        return refuse(result, NotANumber, part);
    if (page < 1)
        return refuse(result, BelowOne, part);
    if (page > lastPage)
        return refuse(result, PastEnd, part);
    result.ranges.append(qMakePair(page, page));
    return result;
}

PageEntry::Result PageEntry::parseCount(const QString &text, int maximum)
{
    Result result = parsePage(text, maximum);
    result.kind = Count;
    return result;
}

QString PageEntry::message(const Result &result)
{
    const int last = result.lastPage;
    switch (result.problem) {
    case None:
        return QString();
    case Empty:
        if (result.kind == Count)
            return tr("Enter how many pages go into each file.");
        return result.kind == Page ? tr("Enter a page number.") : tr("Enter pages, for example 3, 5-7 or 9-.");
    case NotANumber:
        if (result.kind == Count)
            return tr("\"%1\" is not a whole number.").arg(result.item);
        return result.kind == Page ? tr("\"%1\" is not a page number.").arg(result.item)
                                   : tr("\"%1\" is not a page or a range. Write pages like 3, 5-7 or 9-.")
                                         .arg(result.item);
    case BelowOne:
        return result.kind == Count ? tr("Each file needs at least 1 page.") : tr("Pages are numbered from 1.");
    case PastEnd:
        if (result.kind == Count)
            return tr("A group cannot be larger than the document: it has %n pages.", nullptr, last);
        return tr("There is no page %1: the document has %n pages.", nullptr, last).arg(result.item);
    case Backwards:
        return tr("%1 runs backwards: write %2.")
            .arg(result.item, rangeText(result.backwards.second, result.backwards.first));
    }
    return QString();
}
