#pragma once

#include <QMap>
#include <QWidget>

class QHBoxLayout;
class QLabel;
class QStackedLayout;
class TabButton;

// A small tab container: a row of tab buttons above a stack of pages. The
// button row stays hidden (by its style-sheet name) until a page that owns a
// button is shown for the first time.
class TabWidget : public QWidget
{
    Q_OBJECT
public:
    explicit TabWidget(QWidget *parent = nullptr);

    // Inserts page into the stack at index; a given button is told its index,
    // appended to the button row and clicked through to tabButtonClicked.
    void addTab(QWidget *page, int index, TabButton *button = nullptr);
    // Appends a widget (such as a link) to the button row.
    void addBarWidget(QWidget *widget);

    // Shows page index and checks its button; an index outside the pages
    // changes nothing and emits nothing.
    void setCurrentIndex(int index);
    int currentIndex() const { return m_currentIndex; }
    int count() const { return m_count; }
    QWidget *widget(int index) const;
    TabButton *button(int index) const { return m_buttons.value(index, nullptr); }

signals:
    void currentIndexChanged(int index);

public slots:
    void tabButtonClicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_tabBar = nullptr;
    QHBoxLayout *m_buttonRow = nullptr;
    QStackedLayout *m_stack = nullptr;
    QMap<int, TabButton *> m_buttons;
    int m_currentIndex = -1;
    int m_count = 0;
};
