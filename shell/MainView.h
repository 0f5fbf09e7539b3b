#pragma once

#include <QFrame>
#include <QPoint>
#include <QStringList>

class Button;
class ButtonDescription;
class DocumentViewer;
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

public slots:
    void onMinimize();
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

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
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

    QFrame *m_body = nullptr;
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
