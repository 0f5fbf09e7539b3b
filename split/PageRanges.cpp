#include "split/PageRanges.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// Reads one trimmed entry into range; *problem says why not. Open-ended
// ranges end at pageCount.
bool parseEntry(const QString &entry, int pageCount, PageRanges::Range *range, QString *problem)
{
    // Digits only, so that "+3", "3.0" or "1e3" are refused rather than read.
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,9})(?:\\s*(-)\\s*([0-9]{1,9})?)?$"));
    const QRegularExpressionMatch match = pattern.match(entry);
    if (!match.hasMatch()) {
        *problem = PageRanges::tr("\"%1\" is not a page number or a range such as 3-5.").arg(entry);
        return false;
    }
    const int from = match.captured(1).toInt();
    const bool isRange = !match.captured(2).isEmpty();
    const int to = !isRange ? from : match.captured(3).isEmpty() ? pageCount : match.captured(3).toInt();
    if (from < 1 || to < 1) {
        *problem = PageRanges::tr("\"%1\": pages are numbered from 1.").arg(entry);
        return false;
    }
    if (from > pageCount || to > pageCount) {
        *problem = PageRanges::tr("\"%1\": the document has only %n page(s).", nullptr, pageCount).arg(entry);
        return false;
    }
    if (to < from) {
        *problem = PageRanges::tr("\"%1\": a range goes from the lower page to the higher one.").arg(entry);
        return false;
    }
    *range = qMakePair(from, to);
    return true;
}

} // namespace

PageRanges::PageRanges(QObject *parent)
    : QObject(parent)
{
}

QList<PageRanges::Range> PageRanges::ranges() const
{
    return m_ranges;
}

bool PageRanges::isEmpty() const
{
    return m_ranges.isEmpty();
}

int PageRanges::minValue() const
{
    return m_minValue;
}

int PageRanges::maxValue() const
{
    return m_maxValue;
}

void PageRanges::addRange(int from, int to)
{
    if (from < m_minValue || from > m_maxValue)
        return;
    if (to < m_minValue || to > m_maxValue)
        return;
    m_ranges.append(qMakePair(from, to));
    emit added(from, to);
    emit changed();
}

void PageRanges::remove(int from, int to)
{
    remove(qMakePair(from, to));
}

void PageRanges::remove(QPair<int, int> range)
{
    if (m_ranges.removeAll(range) == 0)
        return;
    emit changed();
}

void PageRanges::save()
{
    if (m_saved != m_ranges)
        m_saved = m_ranges;
    emit changed();
}

void PageRanges::cancel()
{
    if (m_ranges != m_saved)
        m_ranges = m_saved;
    emit changed();
}

void PageRanges::clear()
{
    m_ranges.clear();
    emit cleared();
    emit changed();
}

void PageRanges::setInterval(int minValue, int maxValue)
{
    m_minValue = minValue;
    m_maxValue = maxValue;
}

bool PageRanges::parse(const QString &text, int pageCount, QList<Range> *ranges, QString *problem)
{
    QList<Range> read;
    QString why;
    for (const QString &part : text.split(QLatin1Char(','))) {
        const QString entry = part.trimmed();
        if (entry.isEmpty())
            continue;
        Range range;
        if (!parseEntry(entry, pageCount, &range, &why)) {
            if (problem)
                *problem = why;
            return false;
        }
        read.append(range);
    }
    if (read.isEmpty()) {
        if (problem)
            *problem = tr("No page is given.");
        return false;
    }
    *ranges = read;
    return true;
}
