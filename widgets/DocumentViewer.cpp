#include "widgets/DocumentViewer.h"

#include "app/Logger.h"
#include "widgets/PageView.h"
#include "shell/WindowBar.h"
#include "widgets/Compositor.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
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
    contentLayout->addWidget(buildPageRow(content));

    connect(m_windowBar, &WindowBar::minimizeWindow, this, &DocumentViewer::onWindowMinimize);
    connect(m_windowBar, &WindowBar::closeWindow, this, &DocumentViewer::onWindowClose);
    connect(m_pageView, &PageView::currentPageChanged, this, &DocumentViewer::showCurrentPage);
    connect(m_pageField, &QLineEdit::returnPressed, this, &DocumentViewer::goToTypedPage);
    // A number typed and left without Return is forgotten.
    connect(m_pageField, &QLineEdit::editingFinished, this, [this] {
        if (!m_pageField->hasFocus())
            showCurrentPage();
    });
    retranslate();

    setWindowIcon(QIcon(QStringLiteral(":/style/images/AppIconPdf256.png")));
    resize(700, 600);
}

QWidget *DocumentViewer::buildPageRow(QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 6, 0, 0);
    layout->setSpacing(6);
    m_pageLabel = new QLabel(row);
    m_pageLabel->setObjectName(QStringLiteral("pageFieldLabel"));
    m_pageField = new QLineEdit(row);
    m_pageField->setObjectName(QStringLiteral("pageField"));
    m_pageField->setAlignment(Qt::AlignCenter);
    m_pageField->setFixedSize(64, 26);
    // Digits only; a number past the end goes to the last page.
    m_pageField->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,7}")), m_pageField));
    m_pageLabel->setBuddy(m_pageField);
    m_pageTotal = new QLabel(row);
    m_pageTotal->setObjectName(QStringLiteral("pageFieldLabel"));
    layout->addStretch();
    layout->addWidget(m_pageLabel);
    layout->addWidget(m_pageField);
    layout->addWidget(m_pageTotal);
    layout->addStretch();
    layout->addWidget(new QSizeGrip(row), 0, Qt::AlignRight | Qt::AlignBottom);
    return row;
}

void DocumentViewer::retranslate()
{
    m_pageLabel->setText(tr("Page"));
    m_pageField->setToolTip(tr("Type a page number and press Return to go there (Ctrl+G)"));
    m_pageField->setAccessibleName(tr("Page number"));
    showCurrentPage();
}

void DocumentViewer::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void DocumentViewer::showCurrentPage()
{
    const int count = m_pageView->pageCount();
    m_pageField->setEnabled(count > 0);
    m_pageField->setText(count > 0 ? QString::number(m_pageView->currentPage()) : QString());
    m_pageTotal->setText(tr("of %1").arg(count));
}

void DocumentViewer::goToTypedPage()
{
    bool ok = false;
    const int number = m_pageField->text().toInt(&ok);
    if (ok)
        m_pageView->showPage(number);
    showCurrentPage();
    // Ready for the next number.
    m_pageField->selectAll();
}

void DocumentViewer::focusPageField()
{
    m_pageField->setFocus(Qt::ShortcutFocusReason);
    m_pageField->selectAll();
}

void DocumentViewer::keyPressEvent(QKeyEvent *event)
{
    // Return belongs to the page field: it never closes the viewer.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
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
    const bool opened = m_pageView->open(fileName, password, pages, rotation);
    showCurrentPage();
    return opened;
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
