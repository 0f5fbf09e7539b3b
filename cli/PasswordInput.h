#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// Passwords for the commands, never taken from their arguments (any user
// may read a process's arguments): from a file or standard input, one per
// line, or typed on the terminal without echo.
class PasswordInput
{
    Q_DECLARE_TR_FUNCTIONS(PasswordInput)
public:
    // The lines of path ("-": standard input), line ends removed and empty
    // lines skipped; spaces stay, they may belong to a password. False, with
    // *problem naming the file and why, when it cannot be read.
    static bool readLines(const QString &path, QStringList *lines, QString *problem);

    // Whether a person can be asked: standard input is a terminal and the
    // process has one to talk to. (Run from a script, a pipe or a test, it
    // never waits for an answer.)
    static bool canAsk();

    // Writes prompt to the terminal and reads one line with echo off. False
    // without a terminal, at the end of input or when a signal interrupts
    // the wait; the terminal's echo is back on either way.
    static bool ask(const QString &prompt, QString *password);
};
