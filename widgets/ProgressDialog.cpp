#include "widgets/ProgressDialog.h"

#include "shell/WindowBar.h"
#include "widgets/ProgressControl.h"

#include <QEvent>
#include <QKeyEvent>
#include <QVBoxLayout>

ProgressDialog::ProgressDialog(QWidget *parent)
    : FramelessDialog({QStringLiteral("progressView"), QSize(430, 100), QMargins(9, 0, 8, 13)},
                      Qt::FramelessWindowHint, parent)
    , m_control(new ProgressControl(content()))
{
    QVBoxLayout *layout = contentLayout();
    layout->addStretch();
    layout->addWidget(m_control);
    layout->addStretch();
    m_control->setPauseHidden(true);
    connect(windowBar(), &WindowBar::closeWindow, this, &ProgressDialog::onCloseWindow);
    retranslate();
}

IProgress *ProgressDialog::progress() const
{
    return m_control;
}

void ProgressDialog::onCloseWindow()
{
    m_control->cancel();
}

void ProgressDialog::retranslate()
{
    windowBar()->setTitle(tr("Add files"));
}

void ProgressDialog::keyPressEvent(QKeyEvent *event)
{
    QDialog::keyPressEvent(event);
    if (event->key() == Qt::Key_Escape)
        m_control->cancel();
}

void ProgressDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    FramelessDialog::changeEvent(event);
}
