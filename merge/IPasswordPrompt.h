#pragma once

#include <QString>

// The questions the merge list asks the user while it collects passwords.
// The program answers them with its modal dialogs; tests answer them in code.
// Implementations run on the interface thread and may block until answered.
class IPasswordPrompt
{
public:
    enum class Answer {
        Password, // a password was entered (possibly empty); try it
        Skip,     // leave this document out of the merge
        SkipAll,  // leave out this and every later document that needs one
        Closed    // dismissed without a choice: the same question is asked again
    };

    virtual ~IPasswordPrompt() = default;

    // Asks for the open password of fileName, offering "SKIP" and "SKIP ALL".
    // On Answer::Password, password holds the text exactly as typed.
    virtual Answer askPassword(const QString &fileName, QString &password) = 0;

    // Shows a one-button message and returns when the user closed it.
    virtual void showMessage(const QString &caption, const QString &text) = 0;
};
