#pragma once

#include <QFrame>
#include <QPoint>
#include <QPointer>
#include <QStringList>

class Button;
class ButtonDescription;
class DocumentViewer;
class MessageView;
class QLabel;
class QPropertyAnimation;
class QSequentialAnimationGroup;
class SettingsView;
class TabButton;
class TabWidget;
class WindowBar;

// The program's frameless main window: window bar, the start screen and the
// split and merge screens in tabs, a bottom bar with the last-result folder,
// help and settings, the sliding settings panel and the page viewer window.
// It opens at the size it had when it was last closed (at first 703 x 466,
// also its smallest), maximised if it was, and can be resized by its edges
// and maximised from its window bar.
class MainView : public QFrame
{
    Q_OBJECT
public:
    explicit MainView(QWidget *parent = nullptr);
    ~MainView() override;

    TabWidget *tabWidget() const { return m_tabWidget; }
    SettingsView *settingsView() const { return m_settingsView; }
    QWidget *settingsBackground() const { return m_settingsBackground; }
    // Where the settings panel rests when slid in, in the body's coordinates.
    QRect settingsInside() const;
    DocumentViewer *documentViewer() const { return m_viewer; }
    ButtonDescription *lastFolderButton() const { return m_buttonLastFolder; }
    QWidget *splitScreen() const { return m_splitScreen; }
    QWidget *mergeScreen() const { return m_mergeScreen; }

    // Web addresses behind the site link and the help button.
    static QString siteUrl();
    static QString helpUrl();

    // The smallest size of the window's body (without a shadow margin).
    static QSize minimumBodySize();
    // The body: the visible window inside the shadow margin.
    QWidget *body() const;
    WindowBar *windowBar() const { return m_windowBar; }
    // The "Stop and close?" question while it is on screen.
    MessageView *stopQuestion() const;
    // Moves the window down and right by a step, so that a second window
    // does not hide the first one exactly.
    void moveAside();

public slots:
    void onMinimize();
    // Maximises a normal window, restores a maximised one.
    void onToggleMaximized();
    void onShowSettings();
    void onHideSettings();
    void onNavigateToSplit();
    void onNavigateToMerge();
    void onNavigateToSite();
    void onNavigateToSiteHelp();
    void onTabWidgetChanged(int index);
    void onButtonLastFolder();
    // Hands a split's results to the merge list and shows the merge screen.
    void onNavigateToMergeAfterSplit(const QStringList &files);
    // Hides the last-folder button on the start screen; on the split and merge
    // tabs shows it, enabled once that kind of result exists in this run.
    void updateLastFoderState();
    // Opens fileName in the page viewer and shows the viewer.
    void onPreview(const QString &fileName, const QString &password);
    // Shows only pages (empty: all) of the file, turned by rotation degrees
    // clockwise: a merge row's choice.
    void onPreviewPages(const QString &fileName, const QString &password, const QList<int> &pages, int rotation);
    void onDragWindow(const QPoint &newPos);
    // A screen has told the user how its run ended; closes the window when
    // the user chose to stop and close and nothing runs any more.
    void onRunReported();
    // A run ended: a "Stop and close?" question still open has nothing left
    // to stop and goes away (the window stays, the screen says how it ended).
    void onRunEnded();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void buildWidgets();
    QFrame *buildStartScreen();
    QWidget *buildBottomBar();
    QWidget *createSplitScreen();
    QWidget *createMergeScreen();
    void connectScreen(QWidget *screen);
    void connectSignals();
    void retranslate();
    // Settings panel geometry: hidden at the right of the body, or slid in.
    QRect settingsOutside(int extra) const;
    int bodyRightEdge() const;
    // A split or a merge worker is running.
    bool isWorking() const;
    // Asks whether to stop the running work and close; true to stop.
    bool confirmStop();
    // The shadow margin now: none while maximised.
    int currentShadowMargin() const;
    // Places the body inside the margin and keeps the settings panel and its
    // background over the body.
    void layoutBody();
    // Follows a change between maximised and normal.
    void applyWindowState();
    // The size of the last run, no larger than the screen.
    void restoreWindowState();
    void saveWindowState() const;

    QFrame *m_shadow = nullptr;
    QFrame *m_body = nullptr;
    QPointer<MessageView> m_stopQuestion;
    WindowBar *m_windowBar = nullptr;
    TabWidget *m_tabWidget = nullptr;
    QFrame *m_startScreen = nullptr;
    QWidget *m_splitScreen = nullptr;
    QWidget *m_mergeScreen = nullptr;
    Button *m_buttonNavigateToSplit = nullptr;
    Button *m_buttonNavigateToMerge = nullptr;
    QLabel *m_labelOr = nullptr;
    TabButton *m_buttonTabSplit = nullptr;
    TabButton *m_buttonTabMerge = nullptr;
    Button *m_buttonNavigateToSite = nullptr;
    ButtonDescription *m_buttonLastFolder = nullptr;
    Button *m_buttonHelp = nullptr;
    Button *m_buttonSettings = nullptr;
    QFrame *m_settingsBackground = nullptr;
    SettingsView *m_settingsView = nullptr;
    DocumentViewer *m_viewer = nullptr;
    QSequentialAnimationGroup *m_settingsAnimation = nullptr;
    int m_shadowMargin = 0;
    bool m_viewerPlaced = false;
    bool m_closeAfterRuns = false;
    bool m_dragging = false;
    QPoint m_pressPosition;
};
