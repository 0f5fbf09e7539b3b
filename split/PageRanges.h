#pragma once

#include <QList>
#include <QObject>
#include <QPair>

// The list of page ranges a user builds on the split screen: pages to drop, or
// ranges that each become one output file. A range is (from, to), 1-based and
// inclusive; a single page is (p, p). The list keeps insertion order, is never
// sorted or merged, and may hold the same pair twice. Bounds are checked only
// when a pair is added; changing the interval later leaves stored pairs alone.
class PageRanges : public QObject
{
    Q_OBJECT
public:
    using Range = QPair<int, int>;

    explicit PageRanges(QObject *parent = nullptr);

    // Copy of the working list, in the order the pairs were added.
    QList<Range> ranges() const;
    bool isEmpty() const;

    int minValue() const;
    int maxValue() const;

signals:
    void changed();
    void added(int from, int to);
    void cleared();

public slots:
    // Appends (from, to) when both ends lie inside [minValue, maxValue]; else
    // nothing happens and nothing is emitted. from > to is not refused here.
    void addRange(int from, int to);
    // Removes every entry equal to the pair; emits changed() once if any went.
    void remove(int from, int to);
    void remove(QPair<int, int> range);
    // Snapshot of the working list; emits changed().
    void save();
    // Working list back to the snapshot; emits changed().
    void cancel();
    // Empties the working list (not the snapshot); emits cleared(), changed().
    void clear();
    // New bounds for later additions; emits nothing.
    void setInterval(int minValue, int maxValue);

private:
    QList<Range> m_ranges;
    QList<Range> m_saved;
    // Until a document sets the interval nothing can be added.
    int m_minValue = 1;
    int m_maxValue = 0;
};
