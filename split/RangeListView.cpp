#include "split/RangeListView.h"

#include "split/RangeItemView.h"
#include "widgets/FlowLayout.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

RangeListView::RangeListView(QWidget *parent)
    : QFrame(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("scrollPageItems"));
    m_scrollArea->setFrameShadow(QFrame::Plain);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *scrollBar = new QScrollBar(Qt::Vertical, m_scrollArea);
    scrollBar->setObjectName(QStringLiteral("scrollBarPageItems"));
    m_scrollArea->setVerticalScrollBar(scrollBar);

    auto *content = new QWidget(m_scrollArea);
    m_flowLayout = new FlowLayout(content, 0, -1, -1);
    m_flowLayout->setContentsMargins(0, 0, 0, 0);
    m_scrollArea->setWidget(content);
    layout->addWidget(m_scrollArea);
}

QList<RangeItemView *> RangeListView::items() const
{
    QList<RangeItemView *> result;
    for (int i = 0; i < m_flowLayout->count(); ++i) {
        auto *item = qobject_cast<RangeItemView *>(m_flowLayout->itemAt(i)->widget());
        if (item && !item->isHidden())
            result.append(item);
    }
    return result;
}

void RangeListView::markProblems(const std::function<QString(QPair<int, int>)> &problemOf)
{
    const auto tags = items();
    for (RangeItemView *tag : tags)
        tag->setProblem(problemOf(tag->range()));
    // Tags grown by their reason wrap anew.
    m_flowLayout->invalidate();
    QWidget *content = m_scrollArea->widget();
    content->resize(content->sizeHint());
}

bool RangeListView::hasRange(int from, int to) const
{
    const auto tags = items();
    for (const RangeItemView *tag : tags) {
        if (tag->range() == qMakePair(from, to))
            return true;
    }
    return false;
}

void RangeListView::add(int from, int to)
{
    if (hasRange(from, to))
        return;
    // Born inside the scroll area's content: a tag moved there later would be
    // hidden by the move until the event loop shows it again.
    QWidget *content = m_scrollArea->widget();
    auto *tag = new RangeItemView(content);
    tag->setRange(from, to);
    connect(tag, &RangeItemView::onRemove, this, &RangeListView::onRemovedItem);
    connect(tag, &RangeItemView::removed, this, &RangeListView::removedItem);
    m_flowLayout->addWidget(tag);
    tag->show();
    content->resize(content->sizeHint());
    m_empty = false;
    emit changed();
    QTimer::singleShot(100, this, &RangeListView::scrollDown);
}

void RangeListView::setName(int from, int to, const QString &name)
{
    const auto tags = items();
    for (RangeItemView *tag : tags) {
        if (tag->range() == qMakePair(from, to))
            tag->setName(name);
    }
    m_flowLayout->invalidate();
    QWidget *content = m_scrollArea->widget();
    content->resize(content->sizeHint());
}

void RangeListView::add(QPair<int, int> range)
{
    add(range.first, range.second);
}

void RangeListView::clear()
{
    while (QLayoutItem *item = m_flowLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    update();
    m_empty = true;
    emit changed();
}

void RangeListView::onRemovedItem()
{
    m_flowLayout->invalidate();
    m_flowLayout->activate();
    m_empty = items().isEmpty();
    emit changed();
}

void RangeListView::scrollDown()
{
    QScrollBar *bar = m_scrollArea->verticalScrollBar();
    bar->setValue(bar->maximum());
}
