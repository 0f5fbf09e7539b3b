#include "merge/PasswordPromptDialog.h"

#include "widgets/MessagePassword.h"
#include "widgets/MessageView.h"

PasswordPromptDialog::PasswordPromptDialog(QWidget *parent)
    : m_parent(parent)
{
}

IPasswordPrompt::Answer PasswordPromptDialog::askPassword(const QString &fileName, QString &password)
{
    MessagePassword dialog(m_parent);
    dialog.setText(fileName);
    dialog.setSkipVisible(true);
    dialog.setSkipAllVisible(true);
    if (dialog.exec() != QDialog::Accepted)
        return Answer::Closed;
    if (dialog.isSkipAll())
        return Answer::SkipAll;
    if (dialog.isSkip())
        return Answer::Skip;
    password = dialog.password();
    return Answer::Password;
}

void PasswordPromptDialog::showMessage(const QString &caption, const QString &text)
{
    MessageView *message = MessageView::createMessage(caption, text, m_parent);
    message->exec();
    delete message;
}
