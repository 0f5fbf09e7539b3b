#pragma once

#include <QString>

// What both engines write into the files they produce: four information
// entries and, when the password is not blank, the protection password.
struct DocumentProperties
{
    DocumentProperties() = default;
    DocumentProperties(const QString &author, const QString &title, const QString &password,
                       const QString &creator, const QString &producer)
        : author(author), title(title), password(password), creator(creator), producer(producer)
    {
    }

    QString author;
    QString title;
    QString password;
    QString creator;
    QString producer;

    // The password with surrounding white space removed; empty means "do not
    // protect" (a password of spaces only protects nothing).
    QString protectionPassword() const { return password.trimmed(); }
    bool protects() const { return !protectionPassword().isEmpty(); }
};
