#include "widgets/FramelessDialog.h"

#include "app/Application.h"
#include "shell/WindowBar.h"
#include "widgets/Compositor.h"

#include <QFrame>
#include <QMouseEvent>
#include <QVBoxLayout>

FramelessDialog::FramelessDialog(const Frame &frame, Qt::WindowFlags flags, QWidget *parent)
    : QDialog(parent, flags)
    , m_content(new QFrame(this))
    , m_contentLayout(new QVBoxLayout(m_content))
    , m_bar(new WindowBar(m_content))
{
    // The transparent margin carries the shadow; without a compositor it
    // would be a black frame, so the content then fills the window.
    const bool shadow = Compositor::isRunning();
    const int margin = shadow ? 20 : 0;
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(margin, margin, margin, margin);
    outer->addWidget(m_content);
    m_content->setProperty("flat", !shadow);

    m_content->setObjectName(frame.objectName);
    m_content->setMinimumSize(frame.minimumSize);
    m_contentLayout->setContentsMargins(frame.margins);
    m_contentLayout->addWidget(m_bar);
    m_bar->setMinimizeVisible(false);
    applyDropShadow(this, m_content);
}

void FramelessDialog::centerOnParentWindow()
{
    growToFitTexts();   // centred at the size it shows at
    QWidget *owner = parentWidget();
    if (!owner)
        return;
    QWidget *window = owner->window();
    const QRect w = window->rect();
    const QRect f = window->frameGeometry();
    const QRect d = rect();
    move((w.left() + w.right()) / 2 + f.left() - (d.left() + d.right()) / 2,
         (w.top() + w.bottom()) / 2 + f.top() - (d.top() + d.bottom()) / 2);
}

void FramelessDialog::growToFitTexts()
{
    if (!layout() || !layout()->hasHeightForWidth())
        return;
    const int needed = layout()->totalHeightForWidth(width());
    if (needed > height())
        resize(width(), needed);
}

void FramelessDialog::showEvent(QShowEvent *event)
{
    growToFitTexts();
    QDialog::showEvent(event);
}

void FramelessDialog::mousePressEvent(QMouseEvent *event)
{
    m_pressPosition = event->pos();
    m_dragging = true;
    QDialog::mousePressEvent(event);
}

void FramelessDialog::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        move(event->globalPos() - m_pressPosition);
    QDialog::mouseMoveEvent(event);
}

void FramelessDialog::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QDialog::mouseReleaseEvent(event);
}
