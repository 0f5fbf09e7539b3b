#pragma once

#include <QFrame>
#include <QModelIndex>
#include <QPointer>
#include <QStringList>
#include <memory>

#include "merge/MergeItem.h"

class Button;
class CheckBox;
class Merge;
class MergeModel;
class MergeTableView;
class PasswordPromptDialog;
class ProgressControl;
class ProgressDialog;
class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedLayout;
class QThread;

// The merge screen: the merge table with its side buttons, the output folder
// and file name, the page total, the password switch and "MERGE". It reads
// added files on a thread of their own and runs the merge through the
// application's merge controller, then reports the outcome.
class MergeView : public QFrame
{
    Q_OBJECT
public:
    // merge: the controller to drive; null takes the application's.
    explicit MergeView(QWidget *parent = nullptr, Merge *merge = nullptr);
    ~MergeView() override;

    // "Merged-yyyyMMdd-hhmmss" for the current local time.
    static QString defaultFileName();

    // For the screen's owner and its tests.
    MergeTableView *table() const { return m_table; }
    MergeModel *model() const { return m_model; }
    ProgressControl *mergeProgress() const { return m_mergeProgress; }
    ProgressDialog *addProgress() const { return m_addProgress; }
    QLineEdit *nameEdit() const { return m_editName; }
    QString saveFolder() const { return m_saveFolder; }
    void setSaveFolder(const QString &folder);
    bool isMerging() const;
    // The options below the list, for the screen's owner and its tests.
    CheckBox *interleaveSwitch() const { return m_interleave; }
    CheckBox *reverseLastSwitch() const { return m_reverseLast; }
    CheckBox *blankAfterOddSwitch() const { return m_blankAfterOdd; }
    // What the screen says about a refused page choice; empty when none is.
    QString pageProblemText() const;
    // The row actions: turn clockwise (Ctrl+R), counterclockwise
    // (Ctrl+Shift+R), upside down, and choose the pages in the Pages cell.
    QAction *turnClockwiseAction() const { return m_turnClockwise; }
    QAction *turnCounterclockwiseAction() const { return m_turnCounterclockwise; }
    QAction *turnUpsideDownAction() const { return m_turnUpsideDown; }
    QAction *choosePagesAction() const { return m_choosePages; }
    QAction *choosePicturesAction() const { return m_choosePictures; }

signals:
    void preview(QString fileName, QString password);
    // A row with chosen pages or a turn: the viewer shows pages (empty:
    // all), each turned by rotation degrees clockwise, as they will merge.
    void previewPages(QString fileName, QString password, QList<int> pages, int rotation);
    // A merge's end has been reported to the user (its dialog is closed).
    void runReported();

public slots:
    void onButtonAdd();
    void onButtonMerge();
    void onButtonSelectFolder();
    void onMergeTableClicked(QModelIndex index);
    void onButtonClearAll();
    void onSetPassword(int state);
    void rowSelectionChanged();
    void updateTotalPages();
    void updateMoveButtons();
    void onAddFiles(const QStringList &urls);
    void onAddStarted();
    void onAddFinished(bool success, MergeItemList items);
    void onAddComplete();
    void moveToCenter(QWidget *srcWidget, int srcWidth, int srcHeight, QWidget *dstWidget);
    void onMergeStarted();
    void onMergeFinished(int errorCode, QString mergedFileName);
    void onMergeComplete();
    // Adds degrees clockwise to the selected row's turn.
    void turnSelectedRow(int degrees);
    // Opens the Pages cell of the selected row for editing.
    void editSelectedRowPages();
    // Opens the page grid for the selected row's file to choose its pages.
    void chooseSelectedRowPagesFromPictures();

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildTableBox();
    QWidget *buildOutputPage();
    QWidget *buildOptions();
    void createRowActions();
    void updateRowActions();
    void onInterleaveChanged(int state);
    void onBlankAfterOddChanged(int state);
    // Shows typed (the problem of the text in the open Pages editor of
    // editedRow) or else the first refused row's problem but editedRow's
    // beside the list; hides the line when there is none.
    void showPageProblem(int editedRow = -1, const QString &typed = QString());
    int selectedRow() const;
    void connectSignals();
    void retranslate();
    void showMessage(const QString &caption, const QString &text);
    void askPasswordForRow(int row);
    // Tells the user that the row's file cannot be read.
    void showUnreadable(int row);
    // Tells how the repair of a copy of fileName ended.
    void onRepairFinished(const QString &fileName, int pages);
    // The completion dialog: the inputs left out with why, and the name the
    // merged file was saved under when its own was taken.
    void showMergeDone();
    // Says why MERGE cannot start now; false when it can.
    bool refuseMerge(const QString &name);
    bool refusePageChoice();

    Merge *m_merge = nullptr;
    MergeModel *m_model = nullptr;
    QFrame *m_tableBox = nullptr;
    MergeTableView *m_table = nullptr;
    QPushButton *m_buttonAdd = nullptr;
    QPushButton *m_buttonMoveUp = nullptr;
    QPushButton *m_buttonMoveDown = nullptr;
    QPushButton *m_buttonClearAll = nullptr;
    Button *m_buttonMerge = nullptr;
    QPushButton *m_buttonOpenFolder = nullptr;
    QLabel *m_labelFileName = nullptr;
    QLabel *m_labelFolder = nullptr;
    QLabel *m_labelTotalPages = nullptr;
    QLineEdit *m_editFolder = nullptr;
    QLineEdit *m_editName = nullptr;
    QLabel *m_labelExtension = nullptr;
    CheckBox *m_passwordSwitch = nullptr;
    QLabel *m_labelPageProblem = nullptr;
    QFrame *m_optionsBox = nullptr;
    CheckBox *m_interleave = nullptr;
    CheckBox *m_reverseLast = nullptr;
    CheckBox *m_blankAfterOdd = nullptr;
    QAction *m_turnClockwise = nullptr;
    QAction *m_turnCounterclockwise = nullptr;
    QAction *m_turnUpsideDown = nullptr;
    QAction *m_choosePages = nullptr;
    QAction *m_choosePictures = nullptr;
    QStackedLayout *m_pageStack = nullptr;
    ProgressControl *m_mergeProgress = nullptr;
    ProgressDialog *m_addProgress = nullptr;
    QString m_saveFolder;
    QPointer<QThread> m_addThread;
    std::unique_ptr<PasswordPromptDialog> m_prompt;
};
