#pragma once

#include "protocol/PageEntry.h"

#include <QFrame>
#include <QStringList>
#include <QVector>

class BookmarkModePage;
class PageRanges;
class Button;
class PreviewWidget;
class ProgressControl;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedLayout;
class RangeListView;
class SaveFolderModel;
class SizeModePage;
class Split;

// The split screen: the document preview on top, the six split modes with
// the controls of the chosen one in the middle, and at the bottom either the
// save-folder choice with "SPLIT" or, while a split runs, the progress
// control. It drives the application's split controller.
class SplitView : public QFrame
{
    Q_OBJECT
public:
    // Ids of the mode buttons, also the indexes of their pages.
    enum Mode { ModeSinglePages = 0, ModeGroups = 1, ModeRemovePages = 2, ModeRanges = 3, ModeBookmarks = 4,
                ModeSize = 5 };

    // split: the controller to drive; null takes the application's.
    explicit SplitView(QWidget *parent = nullptr, Split *split = nullptr);

    // The folder the next split writes into, by the save-folder choice and the
    // loaded document (empty when no document is loaded).
    QString outputFolder() const;

    // For the screen's owner and its tests.
    PreviewWidget *preview() const { return m_preview; }
    ProgressControl *progressControl() const { return m_progress; }
    RangeListView *certainPagesList() const { return m_certainList; }
    RangeListView *pageRangesList() const { return m_rangeList; }
    QLineEdit *groupSizeEdit() const { return m_editGroupSize; }
    QLineEdit *startFromEdit() const { return m_editStartFrom; }
    QLineEdit *removePageEdit() const { return m_editRidPage; }
    QLineEdit *rangeFromEdit() const { return m_editFrom; }
    QLineEdit *rangeToEdit() const { return m_editTo; }
    // What the screen says beside the fields of the groups, remove and
    // ranges modes (empty while there is nothing to say).
    QLabel *groupsProblemLabel() const { return m_groupsProblem; }
    QLabel *removeProblemLabel() const { return m_removeProblem; }
    QLabel *rangesProblemLabel() const { return m_rangesProblem; }
    QComboBox *folderBox() const { return m_folderBox; }
    BookmarkModePage *bookmarkPage() const { return m_bookmarkPage; }
    SizeModePage *sizePage() const { return m_sizePage; }
    int currentMode() const;
    int currentPage() const;
    bool isSplitting() const;

signals:
    // The user chose to merge the produced files.
    void onMergeSplittedFiles(QStringList files);
    // The user asked for a full preview of the loaded document.
    void preview(QString fileName, QString password);
    // A split's end has been reported to the user (its dialog is closed).
    void runReported();

public slots:
    void split();
    void splitModeChanged(int splitMode);
    void onButtonAddRidPage();
    void onButtonAddRange();
    void onChangeOutFolder(int index);
    void readSettings();
    void onChangeCertainPages();
    void onChangedPageRangeList();
    void onPreview();
    // "Choose pages…": the page grid for the loaded document in the current mode.
    void onChoosePages();
    void onStarted();
    void onProgressChanged(double percentage);
    void onFinished(QStringList splitedFiles);
    void onComplete();
    // The split did not write everything (or was stopped): says what
    // happened and what was kept, from the controller's outcome.
    void onFailed(int errorCode);
    void onContentCopyDisabled();
    void setInitialState();
    // Marks the entries of every mode that do not fit the loaded document
    // (after a load, a reset, a list change or a language change).
    void updateEntryProblems();
    void updateGroupsProblem();

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildModeList();
    QWidget *buildSinglePagesPage();
    QWidget *buildGroupsPage();
    QWidget *buildRemovePagesPage();
    QWidget *buildRangesPage();
    QWidget *buildSaveRow();
    QWidget *buildHelpRow(QLabel *text, bool limitHeight);
    QLineEdit *createNumberEdit(QWidget *parent);
    QLabel *createProblemLabel(QWidget *parent);
    void wirePageList(QPushButton *clearButton, PageRanges *pages, RangeListView *list);
    void connectController();
    void retranslate();
    void showInfo(const QString &caption, const QString &text);
    // Says why SPLIT cannot start now; false when it can.
    bool refuseSplit();
    // The last of files becomes the application's last split result.
    void rememberLastFile(const QStringList &files);
    // Reads the stored save-folder choice; applies it at start and when the
    // stored choice changed, so a choice made on this screen lasts the session.
    void applyStoredFolderChoice(bool force);
    void updateListPage(bool empty, QWidget *help, RangeListView *list, QPushButton *clear);
    // SPLIT is off while the current mode's entries cannot be split: group
    // values refused, listed ranges the document does not have, a document
    // without bookmarks on the bookmarks page.
    void updateSplitButton();
    bool entriesFit() const;

    // Typed entries: read against the loaded document's page count, added
    // to pages when accepted, else refused beside the field with the reason.
    PageEntry::Result typedRange(QLineEdit **atFault) const;
    void addEntry(const PageEntry::Result &entry, PageRanges *pages, QLineEdit *edit, QLabel *problem);
    PageEntry::Result groupSizeEntry() const;
    PageEntry::Result startPageEntry() const;
    // The page count entries are read against (any, without a document).
    int knownPageCount() const;
    // Why the group values cannot be used; empty when they can.
    QString groupsProblem() const;
    QString notReadyText() const;
    QString outsideEntriesText() const;
    // The reason beside a list's fields: the typed entry refused, else the
    // listed entries the document does not have, else nothing.
    void updateListProblem(QLabel *label, const PageEntry::Result &typed, PageRanges *pages);
    void markOutsideEntries(PageRanges *pages, RangeListView *list);
    // What the completion dialog adds to the count: files renamed because
    // their names were taken, pages larger than the size limit, the
    // protection the parts do not have.
    QString completionNote() const;

    Split *m_split = nullptr;
    PreviewWidget *m_preview = nullptr;
    QFrame *m_splitArea = nullptr;
    QButtonGroup *m_modeGroup = nullptr;
    QVector<QRadioButton *> m_modeButtons;
    QStackedLayout *m_modePages = nullptr;

    QLabel *m_helpSinglePages = nullptr;
    QLabel *m_labelGroupSize = nullptr;
    QLabel *m_labelStartFrom = nullptr;
    QLineEdit *m_editGroupSize = nullptr;
    QLineEdit *m_editStartFrom = nullptr;
    QLabel *m_helpGroups = nullptr;
    QLabel *m_groupsProblem = nullptr;

    QLineEdit *m_editRidPage = nullptr;
    Button *m_buttonAddPage = nullptr;
    QPushButton *m_buttonClearPages = nullptr;
    RangeListView *m_certainList = nullptr;
    QWidget *m_helpRemoveFrame = nullptr;
    QLabel *m_helpRemove = nullptr;
    QLabel *m_removeProblem = nullptr;
    PageEntry::Result m_removeEntry;

    QLabel *m_labelFrom = nullptr;
    QLabel *m_labelTo = nullptr;
    QLineEdit *m_editFrom = nullptr;
    QLineEdit *m_editTo = nullptr;
    Button *m_buttonAddRange = nullptr;
    QPushButton *m_buttonClearRanges = nullptr;
    RangeListView *m_rangeList = nullptr;
    QWidget *m_helpRangesFrame = nullptr;
    QLabel *m_helpRanges = nullptr;
    QLabel *m_rangesProblem = nullptr;
    PageEntry::Result m_rangesEntry;

    BookmarkModePage *m_bookmarkPage = nullptr;
    SizeModePage *m_sizePage = nullptr;

    QStackedLayout *m_bottomStack = nullptr;
    QLabel *m_saveToLabel = nullptr;
    QComboBox *m_folderBox = nullptr;
    SaveFolderModel *m_folderModel = nullptr;
    Button *m_buttonSplit = nullptr;
    ProgressControl *m_progress = nullptr;

    int m_lastFolderIndex = 0;
    int m_storedMode = -1;
    QString m_storedPath;
};
