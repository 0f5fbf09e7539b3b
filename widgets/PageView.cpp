#include "widgets/PageView.h"

#include "app/Application.h"
#include "pdf/DebenuDocument.h"
#include "pdf/DebenuService.h"
#include "widgets/Page.h"

#include <QPixmapCache>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

PageView::PageView(QWidget *parent, std::shared_ptr<DebenuService> service)
    : QFrame(parent)
    , m_service(std::move(service))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("scrollAreaPages"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setFrameShadow(QFrame::Plain);
    m_scrollArea->setWidgetResizable(true);
    auto *vertical = new QScrollBar(Qt::Vertical, m_scrollArea);
    vertical->setObjectName(QStringLiteral("scrollDocVertical"));
    m_scrollArea->setVerticalScrollBar(vertical);
    auto *horizontal = new QScrollBar(Qt::Horizontal, m_scrollArea);
    horizontal->setObjectName(QStringLiteral("scrollDocHorizontal"));
    m_scrollArea->setHorizontalScrollBar(horizontal);

    m_doc = new QFrame(m_scrollArea);
    m_doc->setObjectName(QStringLiteral("doc"));
    m_pages = new QVBoxLayout(m_doc);
    m_pages->setContentsMargins(0, 0, 0, 0);
    m_pages->setAlignment(Qt::AlignCenter);
    m_scrollArea->setWidget(m_doc);
    // The column is as wide as its widest page and the scroll area centres
    // it, so a change of the viewer's width never moves the pages inside.
    m_scrollArea->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    layout->addWidget(m_scrollArea);
    connect(vertical, &QScrollBar::valueChanged, this, &PageView::onScrolled);
    connect(vertical, &QScrollBar::rangeChanged, this, &PageView::onScrolled);
}

PageView::~PageView()
{
    // Pages hold the document too; they go with the widget tree.
}

std::shared_ptr<DebenuService> PageView::service() const
{
    if (m_service)
        return m_service;
    auto *app = Application::instance();
    return app ? app->pdfService() : nullptr;
}

int PageView::pageCount() const
{
    return m_pages->count();
}

int PageView::currentPage() const
{
    const int count = m_pages->count();
    if (count == 0)
        return 0;
    // The first page whose bottom lies below the top of the view; pages are
    // laid out top to bottom, so a binary search finds it in any manual.
    const int top = m_scrollArea->verticalScrollBar()->value();
    int low = 0, high = count - 1;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (m_pages->itemAt(middle)->geometry().bottom() < top)
            low = middle + 1;
        else
            high = middle;
    }
    return low + 1;
}

void PageView::showPage(int number)
{
    const int count = m_pages->count();
    if (count == 0)
        return;
    const QLayoutItem *page = m_pages->itemAt(qBound(1, number, count) - 1);
    m_scrollArea->verticalScrollBar()->setValue(page->geometry().top());
}

void PageView::onScrolled()
{
    const int page = currentPage();
    if (page == m_currentPage)
        return;
    m_currentPage = page;
    emit currentPageChanged(page);
}

void PageView::clear()
{
    QPixmapCache::clear();
    // Hidden while it changes: the toolkit handles each visible sibling that
    // goes or moves against all the others, which does not scale to
    // thousands of pages.
    const bool wasVisible = !m_doc->isHidden();
    m_doc->hide();
    while (QLayoutItem *item = m_pages->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    m_doc->setMaximumWidth(QWIDGETSIZE_MAX);
    if (wasVisible)
        m_doc->show();
    m_scrollArea->verticalScrollBar()->setValue(0);
    onScrolled();
}

void PageView::addPages(int count)
{
    QList<int> numbers;
    for (int page : m_chosen) {
        if (page >= 1 && page <= count)
            numbers << page;
    }
    if (m_chosen.isEmpty()) {
        for (int page = 1; page <= count; ++page)
            numbers << page;
    }
    m_doc->hide();
    int widest = 0;
    for (int page : numbers) {
        auto *widget = new Page(m_document, page, m_doc);
        widget->setRotation(m_rotation);
        widest = qMax(widest, widget->width());
        // Each page on the column's centre line, also when widths differ.
        m_pages->addWidget(widget, 0, Qt::AlignHCenter);
    }
    // Final size and page positions while hidden, so showing moves nothing.
    m_doc->setMaximumWidth(qMax(widest, 1));
    m_doc->resize(widest, m_pages->sizeHint().height());
    m_pages->activate();
    m_doc->show();
}

bool PageView::open(const QString &fileName, const QString &password)
{
    return open(fileName, password, {}, 0);
}

bool PageView::open(const QString &fileName, const QString &password, const QList<int> &pages, int rotation)
{
    if (fileName == m_path && !m_path.isEmpty()) {
        if (pages == m_chosen && rotation == m_rotation)
            return true;
        clear();
        m_chosen = pages;
        m_rotation = rotation;
        addPages(m_document->pageCount());
        return true;
    }
    m_chosen = pages;
    m_rotation = rotation;
    clear();
    m_document.reset();
    auto pdf = service();
    if (pdf)
        m_document = std::make_shared<DebenuDocument>(pdf, fileName, password, false);
    // A document that still waits for its password has nothing to show.
    if (!m_document || !m_document->isLoaded() || m_document->needsPassword()) {
        m_path.clear();
        m_password.clear();
        return false;
    }
    m_path = fileName;
    m_password = password;
    const int count = m_document->pageCount();
    if (count <= 0)
        return false;
    addPages(count);
    onScrolled();
    return true;
}
