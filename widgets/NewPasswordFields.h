#pragma once

#include "pdf/OutputPermissions.h"

#include <QWidget>

class QLabel;
class QLineEdit;

// The fields where a person chooses a password that will protect a file
// the program writes: the password, the same typed again (a typo would lock
// them out of their own file), a line saying why it cannot be used yet while
// the two differ, and a line saying what a reader who has the password may
// do with the file. Spaces around the password do not count: outputs are
// protected with the trimmed password. The password is never written
// anywhere by these fields.
class NewPasswordFields : public QWidget
{
    Q_OBJECT
public:
    explicit NewPasswordFields(QWidget *parent = nullptr);

    // The permissions the protected output will carry, for the line under
    // the fields.
    void setPermissions(const OutputPermissions &permissions);

    // The chosen password, trimmed; empty until both fields agree.
    QString password() const;
    // Both fields hold the same password, not blank.
    bool isAcceptable() const;

    QLineEdit *passwordEdit() const { return m_password; }
    QLineEdit *repeatEdit() const { return m_repeat; }
    // Why the password cannot be used yet (empty while it can or while
    // nothing is typed).
    QLabel *problemLabel() const { return m_problem; }
    QLabel *permissionsLabel() const { return m_permissions; }

signals:
    void acceptableChanged(bool acceptable);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void retranslate();
    void updateProblem();
    QString problemText() const;
    QString permissionsText() const;

    QLabel *m_passwordLabel;
    QLineEdit *m_password;
    QLabel *m_repeatLabel;
    QLineEdit *m_repeat;
    QLabel *m_problem;
    QLabel *m_permissions;
    OutputPermissions m_granted;
    bool m_acceptable = false;
};
