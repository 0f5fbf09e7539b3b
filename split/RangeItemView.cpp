#include "split/RangeItemView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVariant>

RangeItemView::RangeItemView(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("pageitemview"));
    m_label = new QLabel(this);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("rangeProblem"));
    m_problem->hide();
    m_buttonRemove = new QPushButton(this);
    m_buttonRemove->setObjectName(QStringLiteral("deletelabel"));
    m_buttonRemove->setCursor(Qt::PointingHandCursor);

    auto *layout = new QHBoxLayout(this);
    layout->setAlignment(Qt::AlignCenter);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addWidget(m_label);
    layout->addWidget(m_problem);
    layout->addWidget(m_buttonRemove);

    connect(m_buttonRemove, &QPushButton::clicked, this, &RangeItemView::buttonRemove);
}

void RangeItemView::setRange(int from, int to)
{
    m_from = from;
    m_to = to;
    m_label->setText(from == to ? QString::number(from)
                                : QStringLiteral("%1 - %2").arg(from).arg(to));
}

void RangeItemView::setName(const QString &name)
{
    const QString range = m_from == m_to ? QString::number(m_from) : QStringLiteral("%1 - %2").arg(m_from).arg(m_to);
    const int longestName = 140;
    const QString shown = m_label->fontMetrics().elidedText(name, Qt::ElideRight, longestName);
    m_label->setText(name.isEmpty() ? range : tr("%1: %2", "a named page range: its name, then its pages").arg(shown, range));
    setToolTip(name);
}

QPair<int, int> RangeItemView::range() const
{
    return qMakePair(m_from, m_to);
}

QString RangeItemView::text() const
{
    return m_label->text();
}

void RangeItemView::setProblem(const QString &reason)
{
    if (reason == m_problem->text())
        return;
    m_problem->setText(reason);
    m_problem->setVisible(!reason.isEmpty());
    setToolTip(reason);
    setProperty("invalid", QVariant(!reason.isEmpty()));
    // The style sheet reads the property only when the tag is polished anew.
    style()->unpolish(this);
    style()->polish(this);
    adjustSize();
}

QString RangeItemView::problem() const
{
    return m_problem->text();
}

void RangeItemView::buttonRemove()
{
    // Hidden first, so the list sees its new empty state before the page list
    // reports its own change.
    hide();
    emit onRemove();
    emit removed(range());
    deleteLater();
}
