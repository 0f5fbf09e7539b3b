#pragma once

#include "merge/IPasswordPrompt.h"

#include <QPointer>
#include <QWidget>

// Answers the merge list's password questions with the program's modal
// dialogs: the password dialog with "SKIP" and "SKIP ALL", and the one-button
// message box.
class PasswordPromptDialog : public IPasswordPrompt
{
public:
    // parent: the widget the dialogs are centred on and owned by (may be null).
    explicit PasswordPromptDialog(QWidget *parent = nullptr);

    Answer askPassword(const QString &fileName, QString &password) override;
    void showMessage(const QString &caption, const QString &text) override;

private:
    QPointer<QWidget> m_parent;
};
