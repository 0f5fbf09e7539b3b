#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class DebenuService;

// A PDF named on the command line, opened through the PDF service for what
// a split or a merge needs to know before the worker runs: whether it opens
// and with which password, its pages, its protection and whether it lets
// its pages be copied.
class InputDocument
{
    Q_DECLARE_TR_FUNCTIONS(InputDocument)
public:
    enum State {
        Opened,
        Locked,      // protected, and no password given or typed opens it
        Unreadable,  // damaged or not a PDF: no password would help
        Empty        // opens, but holds no page
    };

    // Opens path without a password, then with each of passwords in turn,
    // and keeps the first that grants copying its pages (an owner password),
    // else the first that opens it. Still locked and with mayAsk, asks on
    // the terminal, up to three times. Costs one open per password tried.
    static InputDocument open(DebenuService &service, const QString &path, const QStringList &passwords,
                              bool mayAsk);
    // The same; when path cannot be read and repairFolder is given, MuPDF
    // repairs a copy of it into repairFolder (tried with no password, then
    // with each of passwords) and the copy is opened instead: path is then
    // the copy's and repairedFrom the file named. Costs a whole read and
    // write of the file when it repairs.
    static InputDocument open(DebenuService &service, const QString &path, const QStringList &passwords,
                              bool mayAsk, const QString &repairFolder);

    QString path;
    State state = Unreadable;
    QString password;            // the password that opened it; empty when none was needed
    int pageCount = 0;
    bool encrypted = false;
    bool copyPermitted = false;
    bool passwordsGiven = false; // passwords came from a file or were typed
    QString repairedFrom;        // the unreadable file path is a repaired copy of; empty when none
    bool repairFailed = false;   // a repair was tried and MuPDF could not make a copy

    // The file named on the command line (repairedFrom for a repaired copy).
    QString originalPath() const;
    // The sentence telling that a repaired copy stands in; empty for none.
    QString repairNote() const;

    // One sentence naming the file and why it cannot be used; empty when Opened.
    QString problem() const;
    // The same for scripts: "password", "unreadable", "no_pages"; empty when Opened.
    QString reason() const;

private:
    // Opens with one password and keeps what it learns (see open()).
    void tryPassword(DebenuService &service, const QString &candidate);
    // Nothing more to learn: unreadable, or opened with copying granted.
    bool isSettled() const;
};
