#include "widgets/PageGridDialog.h"

#include "pdf/DebenuService.h"
#include "pdf/PageRenderer.h"

#include "widgets/PageGridView.h"

#include <QDebug>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QVBoxLayout>

namespace {

const int ButtonHeight = 34;
const int ZoomButtonWidth = 34;

} // namespace

PageGridDialog::PageGridDialog(PagePictureLoader::RendererFactory renderers, PagePictureLoader::LabelReader labels,
                               int threads, QWidget *parent)
    : QDialog(parent, Qt::Window)
    , m_loader(new PagePictureLoader(std::move(renderers), threads, std::move(labels), this))
{
    setObjectName(QStringLiteral("pageGridDialog"));
    setWindowIcon(QIcon(QStringLiteral(":/style/images/AppIconPdf256.png")));
    setSizeGripEnabled(true);

    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("help"));
    m_hint->setWordWrap(true);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("pageGridSummary"));
    m_summary->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    top->addWidget(m_hint, 1);
    top->addSpacing(12);
    top->addWidget(m_summary);
    layout->addLayout(top);

    m_view = new PageGridView(this);
    layout->addWidget(m_view, 1);

    auto *bottom = new QHBoxLayout;
    m_zoomOut = new QPushButton(QStringLiteral("\u2212"), this);
    m_zoomIn = new QPushButton(QStringLiteral("+"), this);
    m_cancel = new QPushButton(this);
    m_ok = new QPushButton(this);
    m_zoomOut->setObjectName(QStringLiteral("buttonZoom"));
    m_zoomIn->setObjectName(QStringLiteral("buttonZoom"));
    m_cancel->setObjectName(QStringLiteral("buttonCancel"));
    for (QPushButton *button : {m_zoomOut, m_zoomIn, m_cancel})
        button->setAutoDefault(false);
    m_ok->setObjectName(QStringLiteral("buttonGreenSmall"));
    m_ok->setDefault(true);
    for (QPushButton *button : {m_zoomOut, m_zoomIn, m_cancel, m_ok}) {
        button->setFixedHeight(ButtonHeight);
        button->setCursor(Qt::PointingHandCursor);
    }
    m_zoomOut->setFixedWidth(ZoomButtonWidth);
    m_zoomIn->setFixedWidth(ZoomButtonWidth);
    bottom->addWidget(m_zoomOut);
    bottom->addWidget(m_zoomIn);
    bottom->addStretch();
    bottom->addWidget(m_cancel);
    bottom->addWidget(m_ok);
    layout->addLayout(bottom);

    connect(m_zoomOut, &QPushButton::clicked, m_view, &PageGridView::zoomOut);
    connect(m_zoomIn, &QPushButton::clicked, m_view, &PageGridView::zoomIn);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_view, &PageGridView::wantedPagesChanged, this, &PageGridDialog::requestPictures);
    connect(m_loader, &PagePictureLoader::sizesRead, this, [this](const QVector<QSizeF> &sizes) {
        if (m_model)
            m_model->setPageSizes(sizes);
        requestPictures();
    });
    connect(m_loader, &PagePictureLoader::labelsRead, this, [this](const QStringList &labels) {
        if (m_model)
            m_model->setLabels(labels);
    });
    connect(m_loader, &PagePictureLoader::pictureReady, this, &PageGridDialog::onPicture);
    connect(m_loader, &PagePictureLoader::pictureFailed, this, [this](int page) {
        if (m_model)
            m_model->setFailed(page);
    });
    connect(m_loader, &PagePictureLoader::openFailed, this, [this]() {
        qDebug() << Q_FUNC_INFO << "the pages cannot be drawn";
        m_unreadable = true;
        retranslate();
    });
    // Roomy, but never larger than the screen it opens on.
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize roomy(920, 700);
    resize(screen ? roomy.boundedTo(screen->availableGeometry().size() * 0.9) : roomy);
    retranslate();
}

PageGridDialog::~PageGridDialog() = default;

int PageGridDialog::defaultThreads()
{
    return qBound(1, QThread::idealThreadCount(), 4);
}

void PageGridDialog::setDocument(const QString &path, const QString &password, int pageCount,
                                 PageGridModel::Mode mode, const PageParts &parts)
{
    m_loader->stop();
    m_fileName = QFileInfo(path).fileName();
    m_unreadable = false;
    PageGridModel *old = m_model;
    m_model = new PageGridModel(pageCount, mode, parts, this);
    m_view->setGridModel(m_model);
    delete old;
    connect(m_model, &PageGridModel::partsChanged, this, &PageGridDialog::updateSummary);
    const bool edits = mode == PageGridModel::CutParts || mode == PageGridModel::MarkPages;
    m_cancel->setVisible(edits);
    retranslate();
    m_loader->open(path, password);
    requestPictures();
    m_view->setFocus();
}

const PageParts &PageGridDialog::parts() const
{
    static const PageParts none;
    return m_model ? m_model->parts() : none;
}

void PageGridDialog::requestPictures()
{
    if (!m_model)
        return;
    const QSize box = m_view->pictureBox();
    QVector<int> pages;
    const QVector<int> wanted = m_view->wantedPages();
    for (int page : wanted) {
        if (!m_model->hasPicture(page, PagePictureLoader::fittedSize(m_model->pageSize(page), box)))
            pages.append(page);
    }
    m_loader->request(pages, box);
}

void PageGridDialog::onPicture(int page, const QImage &picture)
{
    if (!m_model)
        return;
    QImage shown = picture;
    shown.setDevicePixelRatio(m_view->devicePixelRatioF());
    m_model->setPicture(page, shown);
}

void PageGridDialog::closeDocument()
{
    m_loader->stop();
    if (isVisible())
        reject();
}

void PageGridDialog::done(int result)
{
    // Nothing more is drawn for a window that is gone.
    m_loader->stop();
    QDialog::done(result);
}

void PageGridDialog::updateSummary()
{
    if (!m_model) {
        m_summary->clear();
        return;
    }
    const PageParts &parts = m_model->parts();
    switch (m_model->mode()) {
    case PageGridModel::CutParts:
        m_summary->setText(tr("%n part(s)", nullptr, parts.parts().size()));
        break;
    case PageGridModel::MarkPages:
        m_summary->setText(tr("%n page(s) left out", nullptr, parts.markCount()));
        break;
    case PageGridModel::ShowParts:
        m_summary->setText(tr("%n file(s)", nullptr, parts.parts().size()));
        break;
    default:
        m_summary->setText(tr("%n page(s)", nullptr, parts.pageCount()));
        break;
    }
}

void PageGridDialog::retranslate()
{
    setWindowTitle(m_fileName.isEmpty() ? tr("Choose pages") : tr("Choose pages – %1").arg(m_fileName));
    const PageGridModel::Mode mode = m_model ? m_model->mode() : PageGridModel::ShowPages;
    QString hint;
    switch (mode) {
    case PageGridModel::CutParts:
        hint = tr("Click between two pages to cut the document there; click a cut again to join the parts. "
                  "Double-click a part's band to name its file.");
        break;
    case PageGridModel::MarkPages:
        hint = tr("Click a page to leave it out, and again to keep it; Shift+click marks every page up to it.");
        break;
    case PageGridModel::ShowParts:
        hint = tr("The coloured bands show the files the split will write.");
        break;
    default:
        hint = tr("The pages of the document.");
        break;
    }
    if (m_unreadable)
        hint = tr("The pages of this document cannot be drawn; their numbers are shown.") + QLatin1Char(' ') + hint;
    m_hint->setText(hint);
    m_zoomOut->setToolTip(tr("Smaller pages (Ctrl+minus)"));
    m_zoomIn->setToolTip(tr("Larger pages (Ctrl+plus)"));
    m_cancel->setText(tr("Cancel"));
    const bool edits = mode == PageGridModel::CutParts || mode == PageGridModel::MarkPages;
    m_ok->setText(edits ? tr("OK") : tr("Close"));
    updateSummary();
}

void PageGridDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

PagePictureLoader::LabelReader PageGridDialog::labelsFrom(std::shared_ptr<DebenuService> service)
{
    return [service](const QString &path, const QString &password) {
        QStringList labels;
        if (service)
            service->pageLabels(path, password, &labels);
        return labels;
    };
}

PagePictureLoader::RendererFactory PageGridDialog::ownRenderers()
{
    return [] { return std::make_unique<PageRenderer>(1); };
}
