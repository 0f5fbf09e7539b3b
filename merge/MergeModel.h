#pragma once

#include "merge/MergeItem.h"
#include "merge/MergeTask.h"
#include "pdf/DocumentRepair.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QThreadPool>
#include <map>
#include <memory>

class DebenuService;
class SessionFolder;
class IPasswordPrompt;

// The ordered list of documents to merge, shown as a six-column table:
// number, file name, pages, password state, preview button, remove button.
// Rows are reordered by dragging inside the table, by moveUp()/moveDown()
// and by sorting on the file-name column. Before a merge, mergeableItems()
// asks for the passwords still missing and tasks() turns the list into the
// documents of the merge request. Interface thread only.
class MergeModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column {
        NumberColumn = 0,
        FileNameColumn = 1,
        PagesColumn = 2,
        PasswordColumn = 3,
        PreviewColumn = 4,
        RemoveColumn = 5,
        ColumnCount = 6
    };

    enum Role {
        FullPathRole = Qt::UserRole + 1, // 257
        HasPasswordRole,                 // 258
        PasswordRole,                    // 259
        HasSecurityRole,                 // 260
        FillerRowRole,                   // 261: true for rows past the last item
        PageCountRole,                   // 262: the page count as a number (0: none read)
        ChosenPagesRole,                 // 263: the row's page choice as typed; empty: all
        RotationRole,                    // 264: the row's turn in degrees clockwise
        PageProblemRole                  // 265: why the page choice is refused; empty when it is not
    };

    // The drag payload of a row move inside the table.
    static const char *const rowMimeType; // "application/vnd.text.list"

    explicit MergeModel(QObject *parent = nullptr);
    ~MergeModel() override;

    // The service used to try passwords in mergeableItems(). Without one, a
    // typed password cannot be checked and the document is left out.
    void setPdfService(std::shared_ptr<DebenuService> service);
    // Who answers password questions (not owned; may be null, then every
    // document that needs a password is left out without asking).
    void setPasswordPrompt(IPasswordPrompt *prompt);
    IPasswordPrompt *passwordPrompt() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // The Pages cell takes a page choice (EditRole text); any other cell
    // and role: false.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    // The Pages cell of a row with a known page count is editable.
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    // "row|" once per valid index, in the order given.
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    // Moves the dragged row onto the row of parent (see the .cpp for the
    // exact placement). Refuses foreign, empty or out-of-range payloads.
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;
    // Removes count items from row; false (and no change) for a range that is
    // not inside the list. Emits no changed().
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    // Only the file-name column sorts; others do nothing. Names compare as
    // people read them: letter case aside, and runs of digits by their
    // value ("p2" < "p10" < "p100"). Equal names keep their order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    // True while the rows are still in the order of the last sort: adding
    // rows or moving one ends it, removing rows does not.
    bool isSorted() const { return m_sorted; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

    int count() const;
    bool isEmpty() const;
    // Copy of the item at row; a fresh default item when row is out of range.
    MergeItem item(int row) const;
    // Overwrites the item at row and emits changed(); out of range: nothing.
    void setItem(int row, const MergeItem &item);
    // Appends the items in order; emits changed().
    void addItems(const MergeItemList &items);
    // Removes the item at row if there is one; emits changed() in any case.
    void removeItem(int row);
    // Drops every item; emits changed() only when there was one.
    void clear();
    // Swap with the neighbour above / below; false at the edge.
    bool moveUp(const QModelIndex &index);
    bool moveDown(const QModelIndex &index);
    // The pages of row to merge, as a person types them (empty: all). Kept
    // as typed, even when refused, so the cell shows what was typed and the
    // merge can say why it cannot start. Out of range: nothing.
    void setPages(int row, const QString &pages);
    // Sets the row's turn to degrees clockwise, brought into 0..359; turn()
    // adds degrees (negative: counterclockwise) to it. Out of range: nothing.
    void setRotation(int row, int degrees);
    void turn(int row, int degrees);
    // Why the row's page choice cannot be merged (the page entry's sentence),
    // empty when it can or cannot be checked yet (page count unknown).
    QString pageProblem(int row) const;
    // The first row but skippedRow whose page choice is refused; -1 when
    // none is.
    int firstRowWithPageProblem(int skippedRow = -1) const;
    // How many pages of row go into the merge: its page count when nothing
    // is chosen, 0 while the choice is refused.
    int chosenPageCount(int row) const;
    // The page numbers row merges, in order; empty for all pages (also
    // while the choice is refused or cannot be checked).
    QList<int> chosenPageNumbers(int row) const;
    // Sum of chosenPageCount() over all items.
    int totalPages() const;
    // Every request to add files passes here; re-emitted as addFiles().
    void requestAddFiles(const QStringList &urls);

    // The readable items, in order, after asking for every missing password
    // (modal questions through the prompt; each typed password is tried by
    // opening the document, which blocks for one open). Items that got a
    // working password are updated in the list.
    MergeItemList mergeableItems();
    // The documents of the merge request, from mergeableItems(), with order
    // = position in that result.
    MergeTaskList tasks();

    // Has MuPDF write a repaired copy of the unreadable item at row (see
    // DocumentRepair) into a private folder of its own, on another thread;
    // the item then stands for the copy, which keeps the file's name (the
    // original is never changed) and goes when the item leaves the list.
    // Emits repairFinished() with the item's file name and the pages
    // recovered (0 when nothing could be). Does nothing for a readable item.
    void repairItem(int row);

signals:
    void repairFinished(const QString &fileName, int pages);
    void changed();
    void rowMoved(int row);
    void addFiles(const QStringList &urls);
    // isSorted() or sortOrder() changed.
    void sortStateChanged();

private:
    enum class Check { Accepted, Rejected, Failed };
    Check tryPassword(MergeItem &item, const QString &password) const;
    bool askForPassword(MergeItem &item, bool &skipAll);
    bool isFillerRow(int row) const;
    // What the picture in an action column does (preview, remove), for its
    // tooltip and screen readers; nothing for the other columns.
    static QVariant actionText(int column);
    QVariant toolTip(const QModelIndex &index) const;
    void swapItems(int upper, int lower);
    void setSorted(bool sorted, Qt::SortOrder order = Qt::AscendingOrder);
    void onRepaired(const QString &id, std::unique_ptr<SessionFolder> folder, const DocumentRepair::Result &result);
    // Removes the repaired copies of items no longer listed.
    void dropUnusedRepairs();

    MergeItemList m_items;
    std::shared_ptr<DebenuService> m_service;
    IPasswordPrompt *m_prompt = nullptr;
    bool m_sorted = false;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    std::map<QString, std::unique_ptr<SessionFolder>> m_repairFolders;   // by item id
    QThreadPool m_repairPool;   // runs repairs off the interface thread
};
