#include "shell/TabWidget.h"

#include "shell/TabButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QStackedLayout>
#include <QStyle>
#include <QStyleOption>
#include <QVBoxLayout>

TabWidget::TabWidget(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("tabWidget"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_tabBar = new QLabel(this);
    m_tabBar->setObjectName(QStringLiteral("labelTabBarHide"));
    // Hidden, not only folded away by the style sheet: the site link in it
    // must not take the keyboard focus before the bar is seen.
    m_tabBar->hide();
    m_buttonRow = new QHBoxLayout(m_tabBar);
    m_buttonRow->setContentsMargins(0, 0, 0, 0);
    m_buttonRow->setAlignment(Qt::AlignTop);
    m_buttonRow->addStretch();
    layout->addWidget(m_tabBar);

    m_stack = new QStackedLayout;
    layout->addLayout(m_stack);
}

void TabWidget::addTab(QWidget *page, int index, TabButton *button)
{
    if (button) {
        button->setIndex(index);
        button->stackUnder(page);
        // Buttons fill the row from the left, before the stretch.
        m_buttonRow->insertWidget(m_buttons.size(), button);
        m_buttons.insert(index, button);
        connect(button, &TabButton::clicked, this, &TabWidget::tabButtonClicked);
    }
    m_stack->insertWidget(index, page);
    ++m_count;
}

void TabWidget::addBarWidget(QWidget *widget)
{
    // After the stretch: bar widgets sit at the right end of the row.
    m_buttonRow->addWidget(widget);
}

QWidget *TabWidget::widget(int index) const
{
    return m_stack->widget(index);
}

void TabWidget::setCurrentIndex(int index)
{
    if (index < 0 || index >= m_count)
        return;
    m_currentIndex = index;
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it) {
        it.value()->setChecked(it.key() == index);
        it.value()->raise();
    }
    if (m_buttons.contains(index) && m_tabBar->objectName() != QLatin1String("labelTabBar")) {
        m_tabBar->setObjectName(QStringLiteral("labelTabBar"));
        m_tabBar->style()->unpolish(m_tabBar);
        m_tabBar->style()->polish(m_tabBar);
        m_tabBar->show();
    }
    m_stack->setCurrentIndex(index);
    emit currentIndexChanged(index);
}

void TabWidget::tabButtonClicked(int index)
{
    setCurrentIndex(index);
}

void TabWidget::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
