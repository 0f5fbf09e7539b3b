#pragma once

#include <QCoreApplication>
#include <QStringList>

class DocumentViewer;
class MainView;
class MergeView;

// The keyboard shortcuts of the main window and the page viewer:
// Ctrl+O adds files on the current screen (on the start screen it opens
// them as the command line does); on the merge screen Delete removes the
// selected rows and Ctrl+Up / Ctrl+Down move them; in the viewer Home / End
// go to the first / last page and Ctrl+G to the page number field. Text
// fields keep their own editing keys.
class KeyboardShortcuts
{
    Q_DECLARE_TR_FUNCTIONS(KeyboardShortcuts)

public:
    // Creates the shortcuts as children of view and of its viewer.
    static void install(MainView *view);

    // What the shortcuts do, one function each.
    static void addFiles(MainView *view);
    static void removeSelectedRows(MergeView *screen);
    static void moveSelectedRows(MergeView *screen, bool up);
    static void showFirstPage(DocumentViewer *viewer);
    static void showLastPage(DocumentViewer *viewer);

private:
    // The merge screen when it is the one shown and takes changes now.
    static MergeView *activeMergeScreen(MainView *view);
    // Asks for PDF files to open from the start screen.
    static QStringList chooseFiles(MainView *view);
};
