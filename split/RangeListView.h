#pragma once

#include <QFrame>
#include <QPair>
#include <functional>

class FlowLayout;
class QScrollArea;
class RangeItemView;

// The entries of one page list as removable tags that wrap onto further lines
// and scroll vertically. It mirrors the page list through signals: tags come
// from added(), go with cleared(), and a removed tag asks for removal through
// removedItem().
class RangeListView : public QFrame
{
    Q_OBJECT
public:
    explicit RangeListView(QWidget *parent = nullptr);

    // True when no tag is visible.
    bool isEmpty() const { return m_empty; }

    // The visible tags, in layout order (for the screen's own checks and tests).
    QList<RangeItemView *> items() const;

    // Gives every tag the reason problemOf tells for its range (empty: none).
    void markProblems(const std::function<QString(QPair<int, int>)> &problemOf);

signals:
    void changed();
    void removedItem(QPair<int, int> item);

public slots:
    // Adds a tag for (from, to) unless one with the same pair is shown already.
    void add(int from, int to);
    void add(QPair<int, int> range);
    // Shows name on the tags of (from, to).
    void setName(int from, int to, const QString &name);
    // Deletes every tag at once; always emits changed().
    void clear();
    void onRemovedItem();
    void scrollDown();

private:
    bool hasRange(int from, int to) const;

    bool m_empty = true;
    FlowLayout *m_flowLayout = nullptr;
    QScrollArea *m_scrollArea = nullptr;
};
