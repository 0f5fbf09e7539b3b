#include "shell/KeyboardShortcuts.h"

#include "app/AppSettings.h"
#include "merge/MergeModel.h"
#include "merge/MergeTableView.h"
#include "merge/MergeView.h"
#include "shell/FileOpener.h"
#include "shell/MainView.h"
#include "shell/TabWidget.h"
#include "split/SplitView.h"
#include "widgets/DocumentViewer.h"
#include "widgets/DropArea.h"
#include "widgets/PageView.h"
#include "widgets/PreviewWidget.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <algorithm>

namespace {

enum Screen { StartScreen = 0, SplitScreen = 1, MergeScreen = 2 };

template <typename Action>
void addShortcut(QWidget *owner, const QKeySequence &keys, Action action)
{
    auto *shortcut = new QShortcut(keys, owner);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, owner, action);
}

} // namespace

void KeyboardShortcuts::install(MainView *view)
{
    addShortcut(view, QKeySequence::Open, [view]() { addFiles(view); });
    addShortcut(view, QKeySequence(Qt::Key_Delete), [view]() {
        if (MergeView *screen = activeMergeScreen(view))
            removeSelectedRows(screen);
    });
    addShortcut(view, QKeySequence(Qt::CTRL | Qt::Key_Up), [view]() {
        if (MergeView *screen = activeMergeScreen(view))
            moveSelectedRows(screen, true);
    });
    addShortcut(view, QKeySequence(Qt::CTRL | Qt::Key_Down), [view]() {
        if (MergeView *screen = activeMergeScreen(view))
            moveSelectedRows(screen, false);
    });
    if (DocumentViewer *viewer = view->documentViewer()) {
        addShortcut(viewer, QKeySequence(Qt::Key_Home), [viewer]() { showFirstPage(viewer); });
        addShortcut(viewer, QKeySequence(Qt::Key_End), [viewer]() { showLastPage(viewer); });
        addShortcut(viewer, QKeySequence(Qt::CTRL | Qt::Key_G), [viewer]() { viewer->focusPageField(); });
    }
}

MergeView *KeyboardShortcuts::activeMergeScreen(MainView *view)
{
    if (view->tabWidget()->currentIndex() != MergeScreen)
        return nullptr;
    auto *screen = qobject_cast<MergeView *>(view->mergeScreen());
    // While a merge runs the list is locked.
    if (!screen || screen->isMerging() || !screen->table()->isEnabled())
        return nullptr;
    return screen;
}

void KeyboardShortcuts::addFiles(MainView *view)
{
    switch (view->tabWidget()->currentIndex()) {
    case SplitScreen: {
        auto *screen = qobject_cast<SplitView *>(view->splitScreen());
        if (!screen || screen->isSplitting())
            return;
        // The preview's own add button: same dialog, same remembered folder.
        if (auto *dropArea = screen->preview()->findChild<DropArea *>())
            dropArea->buttonAdd();
        return;
    }
    case MergeScreen:
        if (MergeView *screen = activeMergeScreen(view))
            screen->onButtonAdd();
        return;
    default:
        FileOpener::open(view, chooseFiles(view));
        return;
    }
}

QStringList KeyboardShortcuts::chooseFiles(MainView *view)
{
    const QStringList files = QFileDialog::getOpenFileNames(
        view, tr("Open PDF files"), DropArea::startFolder(), tr("Files (*.pdf)"));
    if (!files.isEmpty())
        AppSettings::open()->setValue(QLatin1String(AppSettings::keyLastSelectFolder),
                                      QFileInfo(files.first()).absolutePath());
    return files;
}

void KeyboardShortcuts::removeSelectedRows(MergeView *screen)
{
    MergeTableView *table = screen->table();
    MergeModel *model = screen->model();
    QList<int> rows;
    for (const QModelIndex &index : table->selectionModel()->selectedRows())
        if (index.row() < model->count())
            rows.append(index.row());
    if (rows.isEmpty())
        return;
    // From the bottom up, so the rows still to go keep their numbers.
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (int row : rows)
        model->removeItem(row);
    // The row that moved into place is selected, so Delete can go on.
    if (model->count() > 0)
        table->selectRow(std::min(rows.last(), model->count() - 1));
}

void KeyboardShortcuts::moveSelectedRows(MergeView *screen, bool up)
{
    if (up)
        screen->table()->selectionRowMoveUp();
    else
        screen->table()->selectionRowMoveDown();
}

void KeyboardShortcuts::showFirstPage(DocumentViewer *viewer)
{
    QScrollBar *bar = viewer->pageView()->scrollArea()->verticalScrollBar();
    bar->setValue(bar->minimum());
}

void KeyboardShortcuts::showLastPage(DocumentViewer *viewer)
{
    QScrollBar *bar = viewer->pageView()->scrollArea()->verticalScrollBar();
    bar->setValue(bar->maximum());
}
