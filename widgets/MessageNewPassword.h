#pragma once

#include "pdf/OutputPermissions.h"
#include "widgets/FramelessDialog.h"

class Button;
class NewPasswordFields;
class QLabel;

// Asks for the password that will protect a file the program writes: the
// password twice, why it cannot be used while the two differ, and what a
// reader who has it may do with the file. "OK" stays off until both fields
// agree. exec() returns 1 for "OK", 0 for the close button or Escape.
class MessageNewPassword : public FramelessDialog
{
    Q_OBJECT
public:
    explicit MessageNewPassword(const OutputPermissions &permissions, QWidget *parent = nullptr);

    // The message above the fields (what will be protected).
    void setText(const QString &text);
    // The chosen password, trimmed; empty unless both fields agree.
    QString password() const;
    NewPasswordFields *fields() const { return m_fields; }
    Button *okButton() const { return m_ok; }

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void retranslate();

    QLabel *m_text;
    NewPasswordFields *m_fields;
    Button *m_ok;
};
