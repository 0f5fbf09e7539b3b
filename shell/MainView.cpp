#include "shell/MainView.h"

#include "app/AppSettings.h"
#include "app/Application.h"
#include "merge/Merge.h"
#include "merge/MergeModel.h"
#include "merge/MergeView.h"
#include "shell/KeyboardShortcuts.h"
#include "shell/SettingsView.h"
#include "shell/TabButton.h"
#include "shell/TabWidget.h"
#include "widgets/Button.h"
#include "widgets/ButtonDescription.h"
#include "widgets/DocumentViewer.h"
#include "widgets/MessageView.h"
#include "widgets/PixmapLoader.h"
#include "shell/WindowBar.h"
#include "widgets/Compositor.h"
#include "widgets/WindowEdgeResizer.h"
#include "split/SplitView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QScreen>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QSequentialAnimationGroup>
#include <QUrl>
#include <QVBoxLayout>

#include <memory>

namespace {
const int bodyWidth = 703;
const int bodyHeight = 466;
const int shadowMargin = 20;
// How far into the body the resize zone of an edge reaches.
const int resizeBand = 5;
// How far a second window sits from the first.
const int cascadeStep = 40;
}

MainView::MainView(QWidget *parent)
    : QFrame(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_shadowMargin(Compositor::isRunning() ? shadowMargin : 0)
{
    // The window's edge is a translucent shadow only where a compositing
    // manager draws it; elsewhere it would be a black frame.
    if (m_shadowMargin > 0)
        setAttribute(Qt::WA_TranslucentBackground);
    setWindowIcon(QIcon(QStringLiteral(":/style/images/AppIconPdf256.png")));
    buildWidgets();
    m_tabWidget->addTab(m_startScreen, 0);
    m_tabWidget->addTab(m_splitScreen, 1, m_buttonTabSplit);
    m_tabWidget->addTab(m_mergeScreen, 2, m_buttonTabMerge);
    m_tabWidget->setCurrentIndex(0);
    connectSignals();
    KeyboardShortcuts::install(this);
    retranslate();
    m_windowBar->setMaximizeVisible(true);
    // Owned by the window: its edges resize it.
    new WindowEdgeResizer(this, m_shadowMargin + resizeBand);
    setMinimumSize(minimumBodySize() + QSize(2 * m_shadowMargin, 2 * m_shadowMargin));
    restoreWindowState();
}

QSize MainView::minimumBodySize()
{
    return QSize(bodyWidth, bodyHeight);
}

QWidget *MainView::body() const
{
    return m_body;
}

MessageView *MainView::stopQuestion() const
{
    return m_stopQuestion;
}

void MainView::restoreWindowState()
{
    const QSize margins(2 * m_shadowMargin, 2 * m_shadowMargin);
    QSize size = AppSettings::windowSize();
    if (!size.isValid())
        size = minimumBodySize();
    size = size.expandedTo(minimumBodySize()) + margins;
    // A frameless window gets no placement from a window manager decoration:
    // start in the middle of the screen, and no larger than it.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        size = size.boundedTo(available.size()).expandedTo(minimumSize());
        resize(size);
        move(available.center() - rect().center());
    } else {
        resize(size);
    }
    if (AppSettings::windowMaximized())
        setWindowState(windowState() | Qt::WindowMaximized);
}

void MainView::saveWindowState() const
{
    const bool maximized = isMaximized();
    // While maximised the size to come back to is the normal one.
    const QSize outer = maximized && normalGeometry().isValid() ? normalGeometry().size() : size();
    AppSettings::saveWindowState(outer - QSize(2 * m_shadowMargin, 2 * m_shadowMargin), maximized);
}

void MainView::moveAside()
{
    QRect placed = geometry().translated(cascadeStep, cascadeStep);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        // Back to the top left when the step would leave the screen.
        const QRect available = screen->availableGeometry();
        if (!available.contains(placed))
            placed.moveTopLeft(available.topLeft());
    }
    move(placed.topLeft());
}

int MainView::currentShadowMargin() const
{
    return isMaximized() || isFullScreen() ? 0 : m_shadowMargin;
}

void MainView::layoutBody()
{
    const int margin = currentShadowMargin();
    m_shadow->setGeometry(rect());
    m_body->setGeometry(margin, margin, width() - 2 * margin, height() - 2 * margin);
    m_settingsBackground->setGeometry(0, 0, m_body->width(), m_body->height());
    // A panel at rest stays at the body's right edge; a moving one finishes
    // where the body is now.
    const bool sliding = m_settingsAnimation && m_settingsAnimation->state() == QAbstractAnimation::Running;
    if (m_settingsView->isVisible() && !sliding)
        m_settingsView->setGeometry(settingsInside());
}

void MainView::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    layoutBody();
}

void MainView::applyWindowState()
{
    const bool maximized = isMaximized() || isFullScreen();
    m_windowBar->setMaximized(maximized);
    m_shadow->setProperty("maximized", maximized);
    m_shadow->style()->unpolish(m_shadow);
    m_shadow->style()->polish(m_shadow);
    layoutBody();
}

void MainView::onToggleMaximized()
{
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

MainView::~MainView()
{
    if (m_viewer) {
        m_viewer->close();
        delete m_viewer;
    }
}

QString MainView::siteUrl()
{
    return QStringLiteral("https://sheafwright.org");
}

QString MainView::helpUrl()
{
    return QStringLiteral("https://sheafwright.org/help");
}

void MainView::buildWidgets()
{
    // The shadow fills the window and the body sits inside the shadow's
    // border image; both placed by hand (layoutBody), since the style
    // sheet's border would add to a layout's margin.
    m_shadow = new QFrame(this);
    m_shadow->setObjectName(m_shadowMargin > 0 ? QStringLiteral("mainViewShadow") : QStringLiteral("mainViewFlat"));
    m_body = new QFrame(m_shadow);
    m_body->setObjectName(QStringLiteral("mainview"));
    m_body->setProperty("flat", m_shadowMargin == 0);
    m_body->setGeometry(m_shadowMargin, m_shadowMargin, bodyWidth, bodyHeight);
    auto *layout = new QVBoxLayout(m_body);
    layout->setContentsMargins(9, 1, 8, 9);
    layout->setSpacing(0);

    m_windowBar = new WindowBar(m_body);
    layout->addWidget(m_windowBar);

    m_tabWidget = new TabWidget(m_body);
    m_startScreen = buildStartScreen();
    m_splitScreen = createSplitScreen();
    m_mergeScreen = createMergeScreen();
    m_buttonTabSplit = new TabButton(m_tabWidget);
    m_buttonTabSplit->setObjectName(QStringLiteral("buttonTabSplit"));
    m_buttonTabSplit->setMinimumWidth(89);
    m_buttonTabMerge = new TabButton(m_tabWidget);
    m_buttonTabMerge->setObjectName(QStringLiteral("buttonTabMerge"));
    m_buttonTabMerge->setMinimumWidth(89);
    m_buttonNavigateToSite = new Button(m_tabWidget);
    m_buttonNavigateToSite->setObjectName(QStringLiteral("buttonNavigateToSite"));
    m_buttonNavigateToSite->setCursor(Qt::PointingHandCursor);
    m_tabWidget->addBarWidget(m_buttonNavigateToSite);
    layout->addWidget(m_tabWidget, 1);
    layout->addWidget(buildBottomBar());

    m_settingsBackground = new QFrame(m_body);
    m_settingsBackground->setObjectName(QStringLiteral("backgroundSettingsView"));
    m_settingsBackground->resize(bodyWidth, bodyHeight);
    m_settingsBackground->setGraphicsEffect(new QGraphicsOpacityEffect(m_settingsBackground));
    m_settingsBackground->hide();
    m_settingsView = new SettingsView(m_body);
    m_settingsView->hide();

    m_viewer = new DocumentViewer(nullptr);
}

QFrame *MainView::buildStartScreen()
{
    auto *screen = new QFrame;
    screen->setObjectName(QStringLiteral("initialView"));
    auto *layout = new QVBoxLayout(screen);
    auto *logo = new QLabel(screen);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setPixmap(PixmapLoader::load(QStringLiteral(":/style/images/logo.png")));
    logo->setAlignment(Qt::AlignCenter);

    m_buttonNavigateToSplit = new Button(screen);
    m_buttonNavigateToSplit->setObjectName(QStringLiteral("buttonNavigateToSplit"));
    m_buttonNavigateToMerge = new Button(screen);
    m_buttonNavigateToMerge->setObjectName(QStringLiteral("buttonNavigateToMerge"));
    for (Button *button : {m_buttonNavigateToSplit, m_buttonNavigateToMerge})
        button->setCursor(Qt::PointingHandCursor);
    m_labelOr = new QLabel(screen);
    m_labelOr->setObjectName(QStringLiteral("labelOr"));
    m_labelOr->setAlignment(Qt::AlignCenter);

    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(m_buttonNavigateToSplit);
    row->addSpacing(10);
    row->addWidget(m_labelOr);
    row->addSpacing(10);
    row->addWidget(m_buttonNavigateToMerge);
    row->addStretch();

    layout->addStretch(2);
    layout->addWidget(logo);
    layout->addSpacing(30);
    layout->addLayout(row);
    layout->addStretch(3);
    return screen;
}

QWidget *MainView::buildBottomBar()
{
    auto *bar = new QFrame(m_body);
    bar->setObjectName(QStringLiteral("bottomBar"));
    bar->setMinimumHeight(33);
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_buttonLastFolder = new ButtonDescription(bar);
    m_buttonLastFolder->setObjectName(QStringLiteral("buttonLastFolder"));
    m_buttonLastFolder->setCursor(Qt::PointingHandCursor);
    m_buttonLastFolder->hide();
    m_buttonHelp = new Button(bar);
    m_buttonHelp->setObjectName(QStringLiteral("buttonHelp"));
    m_buttonSettings = new Button(bar);
    m_buttonSettings->setObjectName(QStringLiteral("buttonSettings"));
    for (Button *button : {m_buttonHelp, m_buttonSettings})
        button->setCursor(Qt::PointingHandCursor);
    layout->addSpacing(3);
    layout->addWidget(m_buttonLastFolder);
    layout->addStretch();
    layout->addWidget(m_buttonHelp);
    layout->addWidget(m_buttonSettings);
    layout->addSpacing(9);
    return bar;
}

// The split screen on page 1.
QWidget *MainView::createSplitScreen()
{
    auto *screen = new SplitView;
    screen->setObjectName(QStringLiteral("splitView"));
    return screen;
}

// The merge screen on page 2.
QWidget *MainView::createMergeScreen()
{
    auto *screen = new MergeView;
    screen->setObjectName(QStringLiteral("mergeView"));
    return screen;
}

// Connects the signals a screen offers: preview(QString,QString) from both,
// onMergeSplittedFiles(QStringList) from the split screen.
void MainView::connectScreen(QWidget *screen)
{
    const QMetaObject *meta = screen->metaObject();
    if (meta->indexOfSignal("preview(QString,QString)") >= 0)
        connect(screen, SIGNAL(preview(QString,QString)), this, SLOT(onPreview(QString,QString)));
    if (meta->indexOfSignal("previewPages(QString,QString,QList<int>,int)") >= 0)
        connect(screen, SIGNAL(previewPages(QString,QString,QList<int>,int)), this,
                SLOT(onPreviewPages(QString,QString,QList<int>,int)));
    if (meta->indexOfSignal("onMergeSplittedFiles(QStringList)") >= 0)
        connect(screen, SIGNAL(onMergeSplittedFiles(QStringList)),
                this, SLOT(onNavigateToMergeAfterSplit(QStringList)));
    if (meta->indexOfSignal("runReported()") >= 0)
        connect(screen, SIGNAL(runReported()), this, SLOT(onRunReported()));
}

void MainView::connectSignals()
{
    connect(m_windowBar, &WindowBar::minimizeWindow, this, &MainView::onMinimize);
    connect(m_windowBar, &WindowBar::toggleMaximized, this, &MainView::onToggleMaximized);
    connect(m_windowBar, &WindowBar::closeWindow, this, &MainView::close);
    connect(m_buttonSettings, &QPushButton::clicked, this, &MainView::onShowSettings);
    connect(m_settingsView, &SettingsView::onHideWindow, this, &MainView::onHideSettings);
    connect(m_buttonNavigateToSplit, &QPushButton::clicked, this, &MainView::onNavigateToSplit);
    connect(m_buttonNavigateToMerge, &QPushButton::clicked, this, &MainView::onNavigateToMerge);
    connect(m_buttonNavigateToSite, &QPushButton::clicked, this, &MainView::onNavigateToSite);
    connect(m_buttonHelp, &QPushButton::clicked, this, &MainView::onNavigateToSiteHelp);
    connect(m_tabWidget, &TabWidget::currentIndexChanged, this, &MainView::onTabWidgetChanged);
    connect(m_buttonLastFolder, &QPushButton::clicked, this, &MainView::onButtonLastFolder);
    if (auto *app = Application::instance()) {
        connect(app, &Application::lastFolderChanged, this, &MainView::updateLastFoderState);
        connect(app->split(), &Split::complete, this, &MainView::onRunEnded);
        connect(app->merge(), &Merge::complete, this, &MainView::onRunEnded);
    }
    connectScreen(m_splitScreen);
    connectScreen(m_mergeScreen);
}

void MainView::retranslate()
{
    m_buttonHelp->setText(tr("Help"));
    m_buttonSettings->setText(tr("Settings"));
    m_buttonNavigateToSplit->setText(tr("Split"));
    m_buttonNavigateToMerge->setText(tr("Merge"));
    m_labelOr->setText(tr("or"));
    m_buttonNavigateToSite->setText(QStringLiteral("sheafwright.org"));
    m_buttonTabMerge->setText(tr("Merge"));
    m_buttonTabSplit->setText(tr("Split"));
    m_buttonLastFolder->setText(tr("Open folder"));
    updateLastFoderState();
    const QString title = QStringLiteral("Sheafwright");
    m_windowBar->setTitle(title);
    setWindowTitle(title);
}

void MainView::updateLastFoderState()
{
    const auto *app = Application::instance();
    switch (m_tabWidget->currentIndex()) {
    case 1:
        m_buttonLastFolder->setDescription(tr("Last split:"));
        m_buttonLastFolder->setEnabled(app && !app->lastSplitFolder.isEmpty());
        m_buttonLastFolder->show();
        break;
    case 2:
        m_buttonLastFolder->setDescription(tr("Last merge:"));
        m_buttonLastFolder->setEnabled(app && !app->lastMergeFile.isEmpty());
        m_buttonLastFolder->show();
        break;
    default:
        m_buttonLastFolder->hide();
        break;
    }
    m_buttonLastFolder->setText(tr("Open folder"));
    m_buttonLastFolder->update();
}

void MainView::onMinimize()
{
    setWindowState(Qt::WindowMinimized);
}

// Right edge of the body in the main view's coordinates (R). The panel and its
// background are children of the body, so R - P - 19 .. R - 20 puts the panel
// flush with the body's right edge and R + 20 onwards lies outside it.
int MainView::bodyRightEdge() const
{
    if (layout())
        layout()->activate();
    return m_body->mapTo(this, QPoint(m_body->width() - 1, 0)).x();
}

QRect MainView::settingsOutside(int extra) const
{
    const int panelWidth = qRound(m_body->width() * 0.8);
    const int right = bodyRightEdge();
    return QRect(QPoint(right + 20 + extra, 0), QPoint(right + panelWidth + 19 + extra, m_body->height() - 1));
}

QRect MainView::settingsInside() const
{
    const int panelWidth = qRound(m_body->width() * 0.8);
    const int right = bodyRightEdge();
    return QRect(QPoint(right - panelWidth - 19, 0), QPoint(right - 20, m_body->height() - 1));
}

void MainView::onShowSettings()
{
    if (m_settingsAnimation) {
        m_settingsAnimation->stop();
        delete m_settingsAnimation;
    }
    auto *opacity = static_cast<QGraphicsOpacityEffect *>(m_settingsBackground->graphicsEffect());
    m_settingsBackground->setGeometry(0, 0, m_body->width(), m_body->height());
    opacity->setOpacity(0);
    m_settingsBackground->show();
    m_settingsBackground->raise();
    m_settingsView->setGeometry(settingsOutside(0));
    m_settingsView->show();
    m_settingsView->raise();

    m_settingsAnimation = new QSequentialAnimationGroup(this);
    auto *fade = new QPropertyAnimation(opacity, "opacity");
    fade->setDuration(100);
    fade->setStartValue(0.0);
    fade->setEndValue(0.6);
    auto *slide = new QPropertyAnimation(m_settingsView, "geometry");
    slide->setDuration(300);
    slide->setEndValue(settingsInside());
    m_settingsAnimation->addAnimation(fade);
    m_settingsAnimation->addAnimation(slide);
    m_settingsAnimation->start();
    m_settingsView->setFocus();
}

void MainView::onHideSettings()
{
    if (m_settingsAnimation) {
        m_settingsAnimation->stop();
        delete m_settingsAnimation;
    }
    auto *opacity = static_cast<QGraphicsOpacityEffect *>(m_settingsBackground->graphicsEffect());
    m_settingsAnimation = new QSequentialAnimationGroup(this);
    auto *slide = new QPropertyAnimation(m_settingsView, "geometry");
    slide->setDuration(300);
    slide->setStartValue(m_settingsView->geometry());
    slide->setEndValue(settingsOutside(1));
    connect(slide, &QAbstractAnimation::finished, m_settingsView, &QWidget::hide);
    // The focus goes back to the button that opened the panel, showing
    // there as it did before (a popup's way of giving it back).
    if (m_settingsView->isAncestorOf(QApplication::focusWidget()) || m_settingsView->hasFocus())
        m_buttonSettings->setFocus(Qt::PopupFocusReason);
    auto *fade = new QPropertyAnimation(opacity, "opacity");
    fade->setDuration(100);
    fade->setStartValue(0.6);
    fade->setEndValue(0.0);
    connect(fade, &QAbstractAnimation::finished, m_settingsBackground, &QWidget::hide);
    m_settingsAnimation->addAnimation(slide);
    m_settingsAnimation->addAnimation(fade);
    m_settingsAnimation->start();
}

void MainView::onNavigateToSplit()
{
    m_tabWidget->setCurrentIndex(1);
}

void MainView::onNavigateToMerge()
{
    m_tabWidget->setCurrentIndex(2);
}

void MainView::onNavigateToSite()
{
    QDesktopServices::openUrl(QUrl(siteUrl()));
}

void MainView::onNavigateToSiteHelp()
{
    QDesktopServices::openUrl(QUrl(helpUrl()));
}

void MainView::onTabWidgetChanged(int)
{
    updateLastFoderState();
}

void MainView::onButtonLastFolder()
{
    auto *app = Application::instance();
    if (!app)
        return;
    if (m_tabWidget->currentIndex() == 1)
        app->openLastSplitFolder();
    else if (m_tabWidget->currentIndex() == 2)
        app->openLastMergeFolder();
}

void MainView::onNavigateToMergeAfterSplit(const QStringList &files)
{
    if (auto *app = Application::instance())
        app->merge()->model()->requestAddFiles(files);
    m_tabWidget->setCurrentIndex(2);
}

void MainView::onPreview(const QString &fileName, const QString &password)
{
    onPreviewPages(fileName, password, {}, 0);
}

void MainView::onPreviewPages(const QString &fileName, const QString &password, const QList<int> &pages,
                              int rotation)
{
    m_viewer->open(fileName, password, pages, rotation);
    if (!m_viewerPlaced) {
        // The first time over the main window; later where the user left it.
        m_viewer->move(frameGeometry().center() - m_viewer->rect().center());
        m_viewerPlaced = true;
    }
    m_viewer->show();
    m_viewer->raise();
    m_viewer->activateWindow();
}

void MainView::onDragWindow(const QPoint &newPos)
{
    move(newPos);
}

void MainView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    if (event->type() == QEvent::WindowStateChange)
        applyWindowState();
    QFrame::changeEvent(event);
}

bool MainView::isWorking() const
{
    auto *app = Application::instance();
    return app && (app->split()->isRunning() || app->merge()->isRunning());
}

bool MainView::confirmStop()
{
    auto *app = Application::instance();
    QStringList lines;
    if (app->split()->isRunning())
        lines << tr("A split is still running. If you close the window now, it stops; the files it has "
                    "written so far are kept.");
    if (app->merge()->isRunning())
        lines << tr("A merge is still running. If you close the window now, it stops and no merged file "
                    "is written.");
    std::unique_ptr<MessageView> question(MessageView::createQuestion(
        tr("Stop and close?"), lines.join(QStringLiteral("\n\n")), tr("STOP AND CLOSE"), tr("GO ON"), this));
    m_stopQuestion = question.get();
    return question->exec() == QDialogButtonBox::DestructiveRole;
}

void MainView::closeEvent(QCloseEvent *event)
{
    // Closing during a run would kill the worker unasked: ask first, and
    // once the runs have stopped and said what they kept, close.
    if (isWorking()) {
        event->ignore();
        if (m_closeAfterRuns || !confirmStop())
            return;
        if (isWorking()) {
            m_closeAfterRuns = true;
            auto *app = Application::instance();
            app->split()->cancel();
            app->merge()->cancel();
            return;
        }
        // The run ended while the question was open.
        QMetaObject::invokeMethod(this, "close", Qt::QueuedConnection);
        return;
    }
    m_closeAfterRuns = false;
    saveWindowState();
    if (m_viewer)
        m_viewer->close();
    QFrame::closeEvent(event);
}

void MainView::onRunEnded()
{
    if (m_stopQuestion && !isWorking())
        m_stopQuestion->done(QDialogButtonBox::RejectRole);
}

void MainView::onRunReported()
{
    if (m_closeAfterRuns && !isWorking())
        QMetaObject::invokeMethod(this, "close", Qt::QueuedConnection);
}

void MainView::mousePressEvent(QMouseEvent *event)
{
    m_pressPosition = event->pos();
    // A maximised window stays where it is.
    m_dragging = !isMaximized() && !isFullScreen();
    QFrame::mousePressEvent(event);
}

void MainView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        onDragWindow(event->globalPos() - m_pressPosition);
    QFrame::mouseMoveEvent(event);
}

void MainView::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QFrame::mouseReleaseEvent(event);
}
