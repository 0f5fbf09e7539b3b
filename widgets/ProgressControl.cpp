#include "widgets/ProgressControl.h"

#include "widgets/ProgressBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMutexLocker>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <QVariant>

ProgressControl::ProgressControl(QWidget *parent)
    : QFrame(parent)
    , m_bar(new ProgressBar(this))
    , m_stop(new QPushButton(this))
    , m_pause(new QPushButton(this))
    , m_status(new QLabel(this))
    , m_secondLeft(new QLabel(this))
    , m_secondRight(new QLabel(this))
{
    m_bar->setFixedHeight(18);
    m_stop->setObjectName(QStringLiteral("buttonStop"));
    m_pause->setObjectName(QStringLiteral("defaultButton"));
    m_pause->setProperty("thePaused", false);
    for (QLabel *label : {m_status, m_secondLeft, m_secondRight})
        label->setObjectName(QStringLiteral("progressLabel"));
    m_secondRight->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_secondRight->hide();

    auto *secondRow = new QHBoxLayout;
    secondRow->setContentsMargins(0, 0, 0, 0);
    secondRow->addWidget(m_secondLeft);
    secondRow->addStretch();
    secondRow->addWidget(m_secondRight);

    auto *progressFrame = new QFrame(this);
    auto *progress = new QVBoxLayout(progressFrame);
    progress->setContentsMargins(0, 0, 0, 0);
    progress->setSpacing(0);
    progress->addWidget(m_status, 0, Qt::AlignLeft);
    progress->addSpacing(2);
    progress->addWidget(m_bar);
    progress->addSpacing(5);
    progress->addLayout(secondRow);

    auto *buttonFrame = new QFrame(this);
    auto *buttons = new QHBoxLayout(buttonFrame);
    buttons->setContentsMargins(15, 0, 0, 2);
    buttons->setSpacing(6);
    for (QPushButton *button : {m_pause, m_stop}) {
        button->setFixedHeight(30);
        button->setMinimumWidth(30);
        buttons->addWidget(button);
    }

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(progressFrame, 1);
    layout->addWidget(buttonFrame);

    connect(m_stop, &QPushButton::clicked, this, &ProgressControl::onButtonCancel);
    connect(m_pause, &QPushButton::clicked, this, &ProgressControl::onButtonPause);
}

void ProgressControl::setMinimum(int minimum)
{
    QMutexLocker locker(&m_lock);
    QMetaObject::invokeMethod(m_bar, "setMinimum", Qt::QueuedConnection, Q_ARG(int, minimum));
}

void ProgressControl::setMaximum(int maximum)
{
    QMutexLocker locker(&m_lock);
    QMetaObject::invokeMethod(m_bar, "setMaximum", Qt::QueuedConnection, Q_ARG(int, maximum));
}

void ProgressControl::setValue(int value)
{
    QMutexLocker locker(&m_lock);
    QMetaObject::invokeMethod(m_bar, "setValue", Qt::QueuedConnection, Q_ARG(int, value));
}

void ProgressControl::setText(const QString &text)
{
    QMutexLocker locker(&m_lock);
    QMetaObject::invokeMethod(m_status, "setText", Qt::QueuedConnection, Q_ARG(QString, text));
}

void ProgressControl::cancel()
{
    QMutexLocker locker(&m_lock);
    m_canceled = true;
}

void ProgressControl::reset()
{
    QMutexLocker locker(&m_lock);
    m_canceled = false;
    m_paused = false;
    // Queued like the other setters, so it is safe from a worker thread and
    // keeps its place among the calls around it.
    ProgressBar *bar = m_bar;
    QMetaObject::invokeMethod(
        bar,
        [bar] {
            bar->setRange(0, 100);
            bar->setValue(0);
            bar->update();
        },
        Qt::QueuedConnection);
}

void ProgressControl::pause()
{
    QMutexLocker locker(&m_lock);
    m_paused = true;
}

void ProgressControl::resume()
{
    QMutexLocker locker(&m_lock);
    m_paused = false;
}

bool ProgressControl::isCanceled()
{
    QMutexLocker locker(&m_lock);
    return m_canceled;
}

bool ProgressControl::isPaused()
{
    QMutexLocker locker(&m_lock);
    return m_paused;
}

void ProgressControl::setPauseHidden(bool hidden)
{
    m_pause->setVisible(!hidden);
}

QString ProgressControl::text() const
{
    return m_status->text();
}

void ProgressControl::onButtonCancel()
{
    cancel();
    emit canceled();
}

void ProgressControl::onButtonPause()
{
    if (isPaused())
        resume();
    else
        pause();
    m_pause->setProperty("thePaused", isPaused());
    m_pause->style()->unpolish(m_pause);
    m_pause->style()->polish(m_pause);
    m_pause->update();
}
