#include "widgets/MessageView.h"

#include "shell/WindowBar.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

MessageView::MessageView(const QString &caption, const QString &text, QWidget *parent)
    : FramelessDialog({QStringLiteral("messageBox"), QSize(380, 190), QMargins(9, 3, 8, 12)},
                      Qt::FramelessWindowHint, parent)
    , m_text(new QLabel(text, content()))
    , m_buttons(new QDialogButtonBox(Qt::Horizontal, content()))
{
    windowBar()->setTitle(caption);
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);
    QVBoxLayout *layout = contentLayout();
    layout->addStretch();
    layout->addWidget(m_text);
    layout->addStretch();
    layout->addWidget(m_buttons, 0, Qt::AlignHCenter);

    connect(windowBar(), &WindowBar::closeWindow, this, &MessageView::onCloseWindow);
    connect(m_buttons, &QDialogButtonBox::clicked, this, &MessageView::buttonClicked);
}

MessageView *MessageView::createMessage(const QString &caption, const QString &text, QWidget *parent)
{
    auto *view = new MessageView(caption, text, parent);
    QFrame *frame = view->content();
    frame->setMinimumSize(426, 173);
    frame->setObjectName(QStringLiteral("messageBox"));
    frame->style()->unpolish(frame);
    frame->style()->polish(frame);
    frame->update();

    auto *ok = new QPushButton(tr("OK"));
    ok->setObjectName(QStringLiteral("buttonSaveSettings"));
    ok->setFixedHeight(42);
    ok->setMinimumWidth(150);
    view->m_buttons->addButton(ok, QDialogButtonBox::RejectRole);
    return view;
}

MessageView *MessageView::createQuestion(const QString &caption, const QString &text, const QString &act,
                                         const QString &keep, QWidget *parent)
{
    auto *view = new MessageView(caption, text, parent);
    auto *actButton = new QPushButton(act);
    actButton->setObjectName(QStringLiteral("buttonSaveSettings"));
    auto *keepButton = new QPushButton(keep);
    keepButton->setObjectName(QStringLiteral("buttonCancel"));
    for (QPushButton *button : {actButton, keepButton}) {
        button->setFixedHeight(42);
        button->setMinimumWidth(120);
    }
    view->m_buttons->addButton(actButton, QDialogButtonBox::DestructiveRole);
    view->m_buttons->addButton(keepButton, QDialogButtonBox::RejectRole);
    keepButton->setDefault(true);
    keepButton->setFocus();
    return view;
}

QString MessageView::text() const
{
    return m_text->text();
}

void MessageView::buttonClicked(QAbstractButton *button)
{
    done(m_buttons->buttonRole(button));
}

void MessageView::onCloseWindow()
{
    reject();
}

void MessageView::keyPressEvent(QKeyEvent *event)
{
    QDialog::keyPressEvent(event);
    if (event->key() == Qt::Key_Escape)
        reject();
    else if (event->key() == Qt::Key_Enter)
        done(1);
}
