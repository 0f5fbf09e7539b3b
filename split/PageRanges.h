#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QStringList>

// The list of page ranges a user builds on the split screen: pages to drop, or
// ranges that each become one output file. A range is (from, to), 1-based and
// inclusive; a single page is (p, p). The list keeps insertion order, is never
// sorted or merged, and may hold the same pair twice. Bounds are checked when
// a pair is added; changing the interval later leaves stored pairs alone, and
// those that no longer fit are told by fits() and outsideRanges(), never
// dropped.
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

    // The pair lies inside the interval and does not run backwards.
    bool fits(const Range &range) const;
    // The stored pairs that do not fit the current interval, in order.
    QList<Range> outsideRanges() const;
    // The output name given to (from, to), "" when none. A name belongs to
    // the pair: every entry equal to it shares it, and it goes when the pair
    // is removed or the list cleared.
    QString name(const Range &range) const;

signals:
    void changed();
    // setInterval() changed the bounds: stored pairs may fit or not anew.
    void intervalChanged();
    void added(int from, int to);
    void cleared();
    // (from, to) was given name ("" when its name was taken away).
    void named(int from, int to, const QString &name);

public slots:
    // Appends (from, to) when both ends lie inside [minValue, maxValue] and
    // returns true; else nothing happens, nothing is emitted and it returns
    // false. from > to is not refused here.
    bool addRange(int from, int to);
    // Removes every entry equal to the pair; emits changed() once if any went.
    void remove(int from, int to);
    void remove(QPair<int, int> range);
    // Snapshot of the working list; emits changed().
    void save();
    // Working list back to the snapshot; emits changed().
    void cancel();
    // Empties the working list (not the snapshot); emits cleared(), changed().
    void clear();
    // New bounds for later additions and for fits(); emits intervalChanged()
    // when they differ from the old ones.
    void setInterval(int minValue, int maxValue);
    // Names (from, to) (trimmed; "" takes the name away) when the list holds
    // it; emits named() and changed().
    void setName(int from, int to, const QString &name);
    // The working list becomes ranges, each named by the name at its index
    // in names ("" or missing: unnamed), as one edit (the page grid's):
    // emits cleared(), added() for each pair kept, named() for each named
    // one, then changed() once. Pairs outside the interval are dropped.
    void replace(const QList<Range> &ranges, const QStringList &names);

private:
    bool isInInterval(int from, int to) const;

    QList<Range> m_ranges;
    QHash<Range, QString> m_names;
    QList<Range> m_saved;
    // Until a document sets the interval nothing can be added.
    int m_minValue = 1;
    int m_maxValue = 0;
};
