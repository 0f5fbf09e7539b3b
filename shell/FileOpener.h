#pragma once

#include <QCoreApplication>
#include <QStringList>

class MainView;
class QWidget;

// Puts PDF files on the screen that takes them, for the command line (and so
// the file manager's "Open with") and for Ctrl+O on the start screen: one file
// opens on the split screen, several go to the merge list in the order given.
class FileOpener
{
    Q_DECLARE_TR_FUNCTIONS(FileOpener)

public:
    // Nothing happens for no files. Uses the application's controllers.
    static void open(MainView *view, const QStringList &files);

    // Tells the user, in a message over parent, which files were left out
    // and why (one line each); nothing for none. Returns the shown text.
    static QString reportProblems(QWidget *parent, const QStringList &problems);
};
