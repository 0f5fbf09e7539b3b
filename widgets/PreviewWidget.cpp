#include "widgets/PreviewWidget.h"

#include "app/Application.h"
#include "split/Split.h"
#include "widgets/BaseFrame.h"
#include "widgets/Button.h"
#include "widgets/Cover.h"
#include "widgets/DropArea.h"
#include "widgets/MessagePassword.h"
#include "widgets/MessageView.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

PreviewWidget::PreviewWidget(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("previewWidget"));
    setAcceptDrops(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_stack = new QStackedLayout;
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->setSpacing(0);
    layout->addLayout(m_stack, 1);

    m_dropArea = new DropArea(this);
    m_stack->addWidget(m_dropArea);
    m_stack->addWidget(buildInformationPage());
    m_stack->setCurrentIndex(0);

    connect(m_delete, &QPushButton::clicked, this, &PreviewWidget::onDelete);
    connect(m_passwordLink, &QPushButton::clicked, this, &PreviewWidget::onEnterPassword);
    connect(m_repairLink, &QPushButton::clicked, this, &PreviewWidget::onRepair);
    connect(m_dropArea, &DropArea::droppedFile, this, &PreviewWidget::onDroppedFile);
    if (Split *split = controller()) {
        connect(split, &Split::loadFinished, this, &PreviewWidget::onLoaded);
        connect(split, &Split::clean, this, &PreviewWidget::onClean);
        connect(split, &Split::repairFinished, this, &PreviewWidget::onRepairFinished);
    }
    connect(m_informationPage, &BaseFrame::droppedFiles, this, &PreviewWidget::onDroppedFiles);
    connect(m_preview, &QPushButton::clicked, this, &PreviewWidget::previewDocument);
    connect(m_choosePages, &QPushButton::clicked, this, &PreviewWidget::choosePages);
    retranslate();
}

QWidget *PreviewWidget::buildInformationPage()
{
    m_informationPage = new BaseFrame(this);
    auto *outer = new QVBoxLayout(m_informationPage);
    outer->setContentsMargins(10, 10, 10, 5);

    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    outer->addLayout(row, 1);

    auto *coverColumn = new QVBoxLayout;
    coverColumn->setContentsMargins(0, 0, 0, 0);
    m_cover = new Cover(m_informationPage);
    coverColumn->addWidget(m_cover);
    coverColumn->addStretch();
    row->addLayout(coverColumn);

    auto *details = new QFrame(m_informationPage);
    auto *detailsLayout = new QVBoxLayout(details);
    detailsLayout->setSpacing(2);
    detailsLayout->setContentsMargins(0, 0, 0, 0);
    row->addWidget(details, 1);

    m_title = new QLabel(QStringLiteral("Title"), details);
    m_title->setObjectName(QStringLiteral("previewTitle"));
    m_file = new QLabel(QStringLiteral("File name:"), details);
    // A deep path must not widen the panel past the window.
    m_file->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_file->installEventFilter(this);
    m_passwordLabel = new QLabel(details);
    m_passwordLink = new QPushButton(details);
    m_passwordLink->setObjectName(QStringLiteral("buttonURL"));
    m_passwordLink->setCursor(Qt::PointingHandCursor);
    m_problem = new QLabel(details);
    m_problem->setObjectName(QStringLiteral("previewProblem"));
    m_problem->setWordWrap(true);
    m_problem->hide();
    m_repairLink = new QPushButton(details);
    m_repairLink->setObjectName(QStringLiteral("buttonURL"));
    m_repairLink->setCursor(Qt::PointingHandCursor);
    m_repairLink->hide();
    m_passwordRow = new QHBoxLayout;
    m_passwordRow->setContentsMargins(0, 0, 0, 0);
    m_passwordRow->addWidget(m_passwordLabel);
    m_passwordRow->addSpacing(5);
    m_passwordRow->addWidget(m_passwordLink);
    m_passwordRow->addStretch();
    detailsLayout->addWidget(m_title);
    detailsLayout->addWidget(m_file);
    detailsLayout->addWidget(m_problem);
    detailsLayout->addLayout(m_passwordRow);
    detailsLayout->addStretch();

    auto *bottom = new QHBoxLayout;
    bottom->setAlignment(Qt::AlignVCenter);
    bottom->setContentsMargins(0, 5, 0, 0);
    m_pages = new QLabel(details);
    m_preview = new Button(details);
    m_preview->setObjectName(QStringLiteral("buttonPreview"));
    m_delete = new Button(details);
    m_delete->setObjectName(QStringLiteral("buttonDelete"));
    m_choosePages = new Button(details);
    m_choosePages->setObjectName(QStringLiteral("buttonChoosePages"));
    for (Button *button : {m_choosePages, m_preview, m_delete}) {
        button->setFixedHeight(34);
        button->setMinimumWidth(96);
        button->setCursor(Qt::PointingHandCursor);
    }
    bottom->addWidget(m_pages);
    // Where the page count stands: an unreadable file has none.
    bottom->addWidget(m_repairLink);
    bottom->addStretch();
    bottom->addWidget(m_choosePages);
    bottom->addWidget(m_preview);
    bottom->addWidget(m_delete);
    detailsLayout->addLayout(bottom);
    return m_informationPage;
}

Split *PreviewWidget::controller() const
{
    auto *app = Application::instance();
    return app ? app->split() : nullptr;
}

int PreviewWidget::currentPage() const
{
    return m_stack->currentIndex();
}

void PreviewWidget::retranslate()
{
    m_preview->setText(tr("Preview"));
    m_choosePages->setText(tr("Choose pages…"));
    m_delete->setText(tr("Delete"));
    m_preview->setToolTip(tr("Show the pages of this document"));
    // "Delete" only takes the document off this screen.
    m_delete->setToolTip(tr("Close this document here. The file itself is not deleted."));
    m_passwordLink->setText(tr("enter password"));
    m_passwordLabel->setText(tr("Password protected:"));
    m_repairLink->setText(tr("Repair a copy"));
    refresh();
}

QString PreviewWidget::unreadableText(const QString &fileName)
{
    return tr("%1 cannot be read. The file is damaged or is not a PDF.").arg(fileName);
}

void PreviewWidget::refresh()
{
    Split *split = controller();
    if (!split)
        return;
    // Elide with the font the style sheet gives the title.
    m_title->ensurePolished();
    const QString title = split->displayName();
    m_title->setText(m_title->fontMetrics().elidedText(title, Qt::ElideRight, 530));
    m_title->setToolTip(m_title->text() != title ? title : QString());
    m_path = QDir::toNativeSeparators(split->sourceFileName());
    showPath();
    const int pageCount = split->pageCount();
    m_pages->setText(tr("Pages: %1").arg(pageCount > 0 ? QString::number(pageCount) : QStringLiteral("?")));
    // Three states: readable, locked (a password may open it) and unreadable
    // (damaged or not a PDF: no password would help, nothing to preview).
    const bool locked = split->isLocked();
    const bool unreadable = split->isUnreadable();
    if (unreadable)
        m_cover->setCover(Cover::CoverEmpty);
    else if (locked)
        m_cover->setCover(Cover::CoverLocked);
    else
        m_cover->setCover(Cover::CoverImage, split->thumbnail());
    m_passwordLabel->setVisible(locked);
    m_passwordLink->setVisible(locked);
    QString problem;
    if (unreadable && split->isRepairing())
        problem = tr("Repairing a copy…");
    else if (unreadable && m_repairFailed)
        problem = tr("No page could be recovered; the file is left as it was.");
    else if (unreadable)
        problem = unreadableText(QFileInfo(split->sourceFileName()).fileName());
    else if (split->isRepairedCopy())
        problem = tr("Repaired copy in use: %1 pages recovered. The original is unchanged.").arg(pageCount);
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    // The panel's height is fixed: an unreadable file's message (which names
    // the file) takes the path's line, wrapped on two lines in some
    // languages, and the path moves to the title's tooltip.
    m_file->setVisible(!unreadable);
    if (unreadable)
        m_title->setToolTip(m_path);
    m_repairLink->setVisible(unreadable && !split->isRepairing() && !m_repairFailed);
    m_pages->setVisible(!unreadable);
    m_preview->setVisible(!unreadable);
    m_choosePages->setVisible(!unreadable);
}

void PreviewWidget::showPath()
{
    // Until it is shown the label has no width of its own to elide to.
    const int width = m_file->width();
    const QString shown = m_file->isVisible() && width > 0
                              ? m_file->fontMetrics().elidedText(m_path, Qt::ElideMiddle, width)
                              : m_path;
    m_file->setText(shown);
    m_file->setToolTip(m_path);
}

bool PreviewWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_file && (event->type() == QEvent::Resize || event->type() == QEvent::Show)
        && !m_path.isEmpty())
        showPath();
    return QFrame::eventFilter(watched, event);
}

void PreviewWidget::onLoaded()
{
    if (Split *split = controller(); split && !split->isRepairedCopy())
        m_repairFailed = false;
    refresh();
    m_stack->setCurrentIndex(1);
}

void PreviewWidget::onRepair()
{
    if (Split *split = controller()) {
        split->repair();
        refresh();
    }
}

void PreviewWidget::onRepairFinished(int pages)
{
    m_repairFailed = pages <= 0;
    refresh();
}

void PreviewWidget::onClean()
{
    m_stack->setCurrentIndex(0);
}

void PreviewWidget::onDelete()
{
    if (Split *split = controller())
        split->reset();
}

void PreviewWidget::onDroppedFile(const QString &file)
{
    if (Split *split = controller())
        split->load(file, QString());
}

void PreviewWidget::onDroppedFiles(const QStringList &files)
{
    if (!files.isEmpty())
        onDroppedFile(files.first());
}

void PreviewWidget::onEnterPassword()
{
    askPassword();
}

bool PreviewWidget::askPassword()
{
    Split *split = controller();
    if (!split || split->fileName().isEmpty() || split->isUnreadable())
        return false;
    if (!split->isLocked())
        return split->isLoaded();
    const QString baseName = QFileInfo(split->fileName()).completeBaseName();
    MessagePassword dialog(this);
    dialog.setText(baseName);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    const QString password = dialog.password().trimmed();
    if (!accepted || password.isEmpty())
        return false;
    split->load(split->fileName(), password);
    if (split->isLoaded())
        return true;
    MessageView *message = MessageView::createMessage(
        tr("Can not open file"), tr("The password for %1 is incorrect").arg(baseName), this);
    message->exec();
    message->deleteLater();
    return false;
}

void PreviewWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        refresh();
    }
    QFrame::changeEvent(event);
}
