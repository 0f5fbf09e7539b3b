#include "widgets/DocumentViewer.h"

#include "app/Logger.h"
#include "widgets/PageView.h"
#include "shell/WindowBar.h"
#include "widgets/Compositor.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMouseEvent>
#include <QSizeGrip>
#include <QVBoxLayout>

DocumentViewer::DocumentViewer(QWidget *parent, std::shared_ptr<DebenuService> service)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint)
{
    // Without a compositing manager the translucent shadow margin would be
    // painted black: the content then fills the window.
    const bool shadow = Compositor::isRunning();
    if (shadow)
        setAttribute(Qt::WA_TranslucentBackground);
    // First child, outside the layout: it lies under the content and its
    // border image draws the shadow.
    m_shadow = new QFrame(this);
    m_shadow->setObjectName(QStringLiteral("previewShadow"));
    if (!shadow)
        m_shadow->hide();

    const int margin = shadow ? 20 : 0;
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin, margin, margin, margin);
    auto *content = new QFrame(this);
    content->setObjectName(QStringLiteral("documentViewer"));
    content->setProperty("flat", !shadow);
    layout->addWidget(content);

    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(9, 0, 8, 9);
    m_windowBar = new WindowBar(content);
    m_pageView = new PageView(content, std::move(service));
    contentLayout->addWidget(m_windowBar);
    contentLayout->addWidget(m_pageView, 1);
    contentLayout->addWidget(new QSizeGrip(content), 0, Qt::AlignRight | Qt::AlignBottom);

    connect(m_windowBar, &WindowBar::minimizeWindow, this, &DocumentViewer::onWindowMinimize);
    connect(m_windowBar, &WindowBar::closeWindow, this, &DocumentViewer::onWindowClose);

    setWindowIcon(QIcon(QStringLiteral(":/style/images/AppIconPdf256.png")));
    resize(700, 600);
}

DocumentViewer::~DocumentViewer()
{
    Logger::instance().log(QStringLiteral("Vellum doc viewer"), LogDebug);
}

bool DocumentViewer::open(const QString &fileName, const QString &password)
{
    return open(fileName, password, {}, 0);
}

bool DocumentViewer::open(const QString &fileName, const QString &password, const QList<int> &pages, int rotation)
{
    const QString title = QStringLiteral("%1 - Sheafwright").arg(QFileInfo(fileName).fileName());
    m_windowBar->setTitle(title);
    m_windowBar->setToolTip(QDir::toNativeSeparators(fileName));
    setWindowTitle(title);
    return m_pageView->open(fileName, password, pages, rotation);
}

void DocumentViewer::onWindowMinimize()
{
    setWindowState(Qt::WindowMinimized);
}

void DocumentViewer::onWindowClose()
{
    hide();
}

void DocumentViewer::resizeEvent(QResizeEvent *event)
{
    m_shadow->resize(size());
    QDialog::resizeEvent(event);
}

void DocumentViewer::mousePressEvent(QMouseEvent *event)
{
    m_pressPosition = event->pos();
    m_dragging = true;
    QDialog::mousePressEvent(event);
}

void DocumentViewer::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        move(event->globalPos() - m_pressPosition);
    QDialog::mouseMoveEvent(event);
}

void DocumentViewer::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QDialog::mouseReleaseEvent(event);
}
