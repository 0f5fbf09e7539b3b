#pragma once

#include "app/AppSettings.h"

#include <QString>

// What both engines write into the files they produce, over the document
// information each output carries from its source (a merge: from its first
// input): the information entries given and, when the password is not
// blank, the protection password. An empty entry leaves the source's.
struct DocumentProperties
{
    DocumentProperties() = default;
    DocumentProperties(const QString &author, const QString &title, const QString &password,
                       const QString &creator, const QString &producer)
        : author(author), title(title), password(password), creator(creator), producer(producer)
    {
    }

    // What the program writes unless told otherwise: itself as creator and
    // producer, publisher as the author of outputs whose source names none,
    // and no title or author of its own, so that each output keeps its
    // source's.
    static DocumentProperties programDefaults(const QString &publisher, const QString &password = QString())
    {
        DocumentProperties properties(QString(), QString(), password, QStringLiteral("Sheafwright"),
                                      QStringLiteral("Sheafwright %1").arg(QLatin1String(AppSettings::version)));
        properties.publisher = publisher;
        return properties;
    }

    QString author;      // written over the source's author when not empty
    QString title;       // written over the source's title when not empty
    QString password;
    QString creator;
    QString producer;
    QString publisher;   // the author of outputs whose source names none (and author is empty)

    // The password with surrounding white space removed; empty means "do not
    // protect" (a password of spaces only protects nothing).
    QString protectionPassword() const { return password.trimmed(); }
    bool protects() const { return !protectionPassword().isEmpty(); }
};
