#include "split/BookmarkModePage.h"

#include "split/Split.h"
#include "widgets/HelpRow.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

BookmarkModePage::BookmarkModePage(Split *split, QWidget *parent)
    : QFrame(parent)
    , m_split(split)
    , m_levelLabel(new QLabel(this))
    , m_levels(new QComboBox(this))
    , m_count(new QLabel(this))
    , m_help(new QLabel(this))
{
    setObjectName(QStringLiteral("splitArea"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 5, 5, 0);

    auto *row = new QHBoxLayout();
    m_levelLabel->setObjectName(QStringLiteral("help"));
    m_levels->setObjectName(QStringLiteral("bookmarkLevel"));
    m_levels->setMinimumWidth(70);
    m_count->setObjectName(QStringLiteral("help"));
    row->addWidget(m_levelLabel);
    row->addWidget(m_levels);
    row->addSpacing(10);
    row->addWidget(m_count);
    row->addStretch();
    layout->addLayout(row);
    layout->addSpacing(12);

    layout->addWidget(new HelpRow(m_help, this));
    layout->addStretch();

    connect(m_levels, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &BookmarkModePage::onLevelChosen);
    connect(m_split, &Split::loadFinished, this, &BookmarkModePage::refresh);
    connect(m_split, &Split::clean, this, &BookmarkModePage::refresh);
    retranslate();
}

bool BookmarkModePage::canSplit() const
{
    return !m_noBookmarks;
}

void BookmarkModePage::refresh()
{
    // The outline is read when the page is on screen, not at every load.
    const bool loaded = m_split->isLoaded();
    const QList<int> levels = loaded && isVisible() ? m_split->bookmarkLevels() : QList<int>();
    const bool wasNoBookmarks = m_noBookmarks;
    m_noBookmarks = loaded && isVisible() && levels.isEmpty();
    {
        const QSignalBlocker blocker(m_levels);
        m_levels->clear();
        for (int level : levels)
            m_levels->addItem(QString::number(level), level);
        const int chosen = m_levels->findData(m_split->bookmarkLevel());
        m_levels->setCurrentIndex(chosen >= 0 ? chosen : 0);
    }
    m_levels->setEnabled(!levels.isEmpty());
    if (!levels.isEmpty())
        m_split->setBookmarkLevel(m_levels->currentData().toInt());
    retranslate();
    if (wasNoBookmarks != m_noBookmarks)
        emit changed();
}

void BookmarkModePage::onLevelChosen(int index)
{
    if (index < 0)
        return;
    m_split->setBookmarkLevel(m_levels->itemData(index).toInt());
    showCount();
}

void BookmarkModePage::showCount()
{
    if (m_levels->count() == 0) {
        m_count->clear();
        return;
    }
    const int files = m_split->bookmarkParts().size();
    m_count->setText(tr("%1 files", nullptr, files).arg(files));
}

void BookmarkModePage::retranslate()
{
    m_levelLabel->setText(tr("Bookmark level:"));
    showCount();
    if (m_noBookmarks)
        m_help->setText(tr("This document has no bookmarks, so it cannot be split at them."));
    else
        m_help->setText(tr("A new file starts at every bookmark of this level and the levels above it, named "
                           "after the bookmark. Pages before the first bookmark form a file of their own."));
}

void BookmarkModePage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

void BookmarkModePage::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    refresh();
}
