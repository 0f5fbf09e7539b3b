#pragma once

#include <QFrame>
#include <QPair>

class QLabel;
class QPushButton;

// One removable tag of a range list: "7" for a single page, "3 - 6" for a range.
// A tag whose range the loaded document does not have shows why beside it,
// in the warning colours (property "invalid").
class RangeItemView : public QFrame
{
    Q_OBJECT
public:
    explicit RangeItemView(QWidget *parent = nullptr);

    // Stores the pair and shows it on the label.
    void setRange(int from, int to);
    QPair<int, int> range() const;
    // Shows name before the range ("Intro: 3 - 6"; long names shortened,
    // whole in the tooltip); "" shows the range alone.
    void setName(const QString &name);

    QPushButton *removeButton() const { return m_buttonRemove; }
    QString text() const;

    // Why the range does not fit the document, shown on the tag and as its
    // tooltip; empty marks it as fine again.
    void setProblem(const QString &reason);
    QString problem() const;

signals:
    // The tag is going away; the list updates its empty flag on it.
    void onRemove();
    // The pair of the removed tag, emitted after onRemove().
    void removed(QPair<int, int> rangeValue);

public slots:
    // Hides the tag, reports its removal and deletes it later.
    void buttonRemove();

private:
    QLabel *m_label = nullptr;
    QLabel *m_problem = nullptr;
    QPushButton *m_buttonRemove = nullptr;
    int m_from = 0;
    int m_to = 0;
};
