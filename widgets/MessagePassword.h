#pragma once

#include "widgets/FramelessDialog.h"

class Button;
class QLabel;
class QLineEdit;

// Asks for a document's password, optionally offering "SKIP" and "SKIP ALL"
// for a batch of files. exec() returns 1 for "OK", "SKIP" and "SKIP ALL" and
// 0 for the window bar's close button or Escape; the accessors tell which.
// The typed password is never written anywhere by this dialog.
class MessagePassword : public FramelessDialog
{
    Q_OBJECT
public:
    explicit MessagePassword(QWidget *parent = nullptr);

    // The message above the password field (callers put the file name there).
    void setText(const QString &text);
    QString text() const;
    // The typed text, untrimmed; callers decide what an empty one means.
    QString password() const;
    bool isSkip() const { return m_skip; }
    bool isSkipAll() const { return m_skipAll; }
    // True when the dialog was closed without any of its buttons.
    bool isCanceled() const { return result() == QDialog::Rejected; }

    // Both skip buttons start hidden.
    void setSkipVisible(bool visible);
    void setSkipAllVisible(bool visible);

public slots:
    void buttonSkip();
    void buttonSkipAll();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    bool m_skip = false;
    bool m_skipAll = false;
    QLabel *m_text;
    QLabel *m_passwordLabel;
    QLineEdit *m_password;
    Button *m_ok;
    Button *m_skipButton;
    Button *m_skipAllButton;
};
