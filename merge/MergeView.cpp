#include "merge/MergeView.h"

#include "app/AppSettings.h"
#include "app/Application.h"
#include "app/FileUtils.h"
#include "app/Logger.h"
#include "app/OutputFolder.h"
#include "merge/InformationWorker.h"
#include "merge/InformationWorkerList.h"
#include "merge/Merge.h"
#include "merge/MergeItemDelegate.h"
#include "merge/MergeModel.h"
#include "merge/MergePagesChooser.h"
#include "merge/MergeTableView.h"
#include "merge/PasswordPromptDialog.h"
#include "pdf/DebenuService.h"
#include "protocol/OutputName.h"
#include "protocol/WorkerCode.h"
#include "protocol/OutcomeText.h"
#include "widgets/Button.h"
#include "widgets/CheckBox.h"
#include "widgets/MessageMerge.h"
#include "widgets/MessageNewPassword.h"
#include "widgets/MessagePassword.h"
#include "widgets/MessageView.h"
#include "widgets/PageGridDialog.h"
#include "widgets/PdfFileDialog.h"
#include "widgets/ProgressControl.h"
#include "widgets/ProgressDialog.h"

#include <QAction>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegExpValidator>
#include <QStackedLayout>
#include <QThread>
#include <QVBoxLayout>

#include <memory>

namespace {

const int TableWidth = 631;
const int SideButtonSize = 30;
const int AddDialogWidth = 430;
const int AddDialogHeight = 100;

enum Column { ColumnPassword = 3, ColumnPreview = 4, ColumnRemove = 5 };

void queueCall(QObject *target, const char *method)
{
    QMetaObject::invokeMethod(target, method, Qt::QueuedConnection);
}

// An icon-only button says what it does in its tooltip, and to screen readers.
void nameSideButton(QPushButton *button, const QString &text)
{
    button->setToolTip(text);
    button->setAccessibleName(text);
}

QPushButton *sideButton(const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    button->setFixedSize(SideButtonSize, SideButtonSize);
    button->setCursor(Qt::PointingHandCursor);
    // Reached with Tab; a click leaves the focus (and its frame) where it was.
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QFrame *editBox(QWidget *parent)
{
    auto *box = new QFrame(parent);
    box->setObjectName(QStringLiteral("box"));
    box->setFixedHeight(36);
    return box;
}

} // namespace

MergeView::MergeView(QWidget *parent, Merge *merge)
    : QFrame(parent)
    , m_merge(merge ? merge : Application::instance()->merge())
    , m_model(m_merge->model())
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTableBox(), 1);
    layout->addSpacing(4);
    layout->addWidget(buildOptions());
    layout->addSpacing(10);

    m_pageStack = new QStackedLayout();
    m_pageStack->addWidget(buildOutputPage());
    m_mergeProgress = new ProgressControl(this);
    m_mergeProgress->setPauseHidden(true);
    m_pageStack->addWidget(m_mergeProgress);
    layout->addLayout(m_pageStack);
    layout->addStretch();

    m_addProgress = new ProgressDialog(this);
    m_addProgress->hide();

    QString folder = AppSettings::mergeLastSaveFolder();
    if (!QFileInfo(folder).isDir())
        folder = AppSettings::desktopFolder();
    setSaveFolder(folder);
    m_editName->setText(defaultFileName());

    // Passwords still missing at merge time are asked for over this screen.
    m_prompt = std::make_unique<PasswordPromptDialog>(this);
    m_merge->setPasswordPrompt(m_prompt.get());

    createRowActions();
    connectSignals();
    retranslate();
    updateMoveButtons();
}

MergeView::~MergeView()
{
    if (m_model->passwordPrompt() == m_prompt.get())
        m_merge->setPasswordPrompt(nullptr);
    // A reader still running would report into the dialog that is going away.
    if (m_addThread && m_addThread->isRunning()) {
        m_addProgress->progress()->cancel();
        m_addThread->quit();
        m_addThread->wait();
    }
}

QString MergeView::defaultFileName()
{
    return QStringLiteral("Merged-%1")
        .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss")));
}

QWidget *MergeView::buildTableBox()
{
    m_tableBox = new QFrame(this);
    m_tableBox->setObjectName(QStringLiteral("tableBox"));
    // Five rows in the smallest window; a larger window shows more.
    m_tableBox->setMinimumHeight(175);
    m_tableBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto *row = new QHBoxLayout(m_tableBox);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    // A refused page choice is said right under the list, where the cell is
    // being typed in; the list gives up the line only while there is one.
    auto *listColumn = new QVBoxLayout();
    listColumn->setContentsMargins(0, 0, 0, 0);
    listColumn->setSpacing(0);
    m_table = new MergeTableView(m_model, m_tableBox);
    m_table->setMinimumWidth(TableWidth);
    listColumn->addWidget(m_table, 1);
    m_labelPageProblem = new QLabel(m_tableBox);
    m_labelPageProblem->setObjectName(QStringLiteral("labelPageProblem"));
    m_labelPageProblem->setStyleSheet(QStringLiteral("color: rgb(151, 52, 57);"));
    m_labelPageProblem->setWordWrap(true);
    m_labelPageProblem->hide();
    listColumn->addWidget(m_labelPageProblem);
    row->addLayout(listColumn, 1);

    auto *column = new QVBoxLayout();
    column->setContentsMargins(0, 0, 5, 0);
    column->setSpacing(6);
    m_buttonAdd = sideButton(QStringLiteral("buttonTableAdd"), m_tableBox);
    m_buttonMoveUp = sideButton(QStringLiteral("buttonMoveUp"), m_tableBox);
    m_buttonMoveDown = sideButton(QStringLiteral("buttonMoveDown"), m_tableBox);
    m_buttonClearAll = sideButton(QStringLiteral("buttonClearAll"), m_tableBox);
    m_buttonMoveUp->setEnabled(false);
    m_buttonMoveDown->setEnabled(false);
    column->addSpacing(30);
    column->addWidget(m_buttonAdd);
    column->addWidget(m_buttonMoveUp);
    column->addWidget(m_buttonMoveDown);
    column->addStretch();
    column->addWidget(m_buttonClearAll);
    row->addLayout(column);
    return m_tableBox;
}

QWidget *MergeView::buildOutputPage()
{
    auto *page = new QFrame(this);
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(8);
    grid->setColumnMinimumWidth(2, 10);

    m_labelFolder = new QLabel(page);
    m_labelFolder->setObjectName(QStringLiteral("inputLabel"));
    QFrame *folderBox = editBox(page);
    auto *folderRow = new QHBoxLayout(folderBox);
    folderRow->setContentsMargins(5, 2, 5, 2);
    m_editFolder = new QLineEdit(folderBox);
    m_editFolder->setObjectName(QStringLiteral("cleanEdit"));
    m_editFolder->setReadOnly(true);
    m_buttonOpenFolder = new QPushButton(folderBox);
    m_buttonOpenFolder->setObjectName(QStringLiteral("buttonOpenFolder"));
    m_buttonOpenFolder->setCursor(Qt::PointingHandCursor);
    m_buttonOpenFolder->setFocusPolicy(Qt::TabFocus);
    folderRow->addWidget(m_editFolder, 1);
    folderRow->addWidget(m_buttonOpenFolder);
    m_labelTotalPages = new QLabel(page);
    m_labelTotalPages->setObjectName(QStringLiteral("labelTotalPages"));
    m_labelTotalPages->setAlignment(Qt::AlignCenter);
    m_labelTotalPages->setMinimumWidth(164);
    m_labelTotalPages->setFixedHeight(36);

    m_labelFileName = new QLabel(page);
    m_labelFileName->setObjectName(QStringLiteral("inputLabel"));
    QFrame *nameBox = editBox(page);
    auto *nameRow = new QHBoxLayout(nameBox);
    nameRow->setContentsMargins(5, 2, 5, 2);
    nameRow->setSpacing(3);
    m_editName = new QLineEdit(nameBox);
    m_editName->setObjectName(QStringLiteral("cleanEdit"));
    m_editName->setValidator(new QRegExpValidator(
        QRegExp(QStringLiteral("^[^ \\/:*?<>|]+([ ]+[^ \\/:*?<>|]+)*$"), Qt::CaseSensitive), m_editName));
    m_labelExtension = new QLabel(QStringLiteral(".pdf"), nameBox);
    m_labelExtension->setObjectName(QStringLiteral("labelHigh"));
    nameRow->addWidget(m_editName, 1);
    nameRow->addWidget(m_labelExtension);
    // The switch has a row of its own under the name: beside it, a long
    // translation would squeeze the name field until the name is cut.
    m_passwordSwitch = new CheckBox(page);
    m_passwordSwitch->setObjectName(QStringLiteral("passwordSwitch"));
    m_passwordSwitch->setMinimumHeight(24);

    m_buttonMerge = new Button(page);
    m_buttonMerge->setObjectName(QStringLiteral("buttonMerge"));
    m_buttonMerge->setMinimumWidth(164);
    m_buttonMerge->setFixedHeight(42);

    grid->addWidget(m_labelFolder, 0, 0);
    grid->addWidget(folderBox, 0, 1);
    grid->addWidget(m_labelTotalPages, 0, 3);
    grid->addWidget(m_labelFileName, 1, 0);
    grid->addWidget(nameBox, 1, 1);
    grid->addWidget(m_buttonMerge, 1, 3);
    grid->addWidget(m_passwordSwitch, 2, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->setColumnStretch(1, 1);
    return page;
}

QWidget *MergeView::buildOptions()
{
    auto *box = new QFrame(this);
    box->setObjectName(QStringLiteral("mergeOptions"));
    m_optionsBox = box;
    auto *lines = new QVBoxLayout(box);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setSpacing(2);
    auto *interleaveLine = new QHBoxLayout();
    interleaveLine->setSpacing(18);
    m_interleave = new CheckBox(box);
    m_interleave->setObjectName(QStringLiteral("interleaveSwitch"));
    m_reverseLast = new CheckBox(box);
    m_reverseLast->setObjectName(QStringLiteral("reverseLastSwitch"));
    m_reverseLast->setEnabled(false);
    interleaveLine->addWidget(m_interleave);
    interleaveLine->addWidget(m_reverseLast);
    interleaveLine->addStretch();
    m_blankAfterOdd = new CheckBox(box);
    m_blankAfterOdd->setObjectName(QStringLiteral("blankAfterOddSwitch"));
    for (CheckBox *option : {m_interleave, m_reverseLast, m_blankAfterOdd})
        option->setMinimumHeight(22);
    lines->addLayout(interleaveLine);
    lines->addWidget(m_blankAfterOdd, 0, Qt::AlignLeft);
    return box;
}

void MergeView::createRowActions()
{
    m_turnClockwise = new QAction(this);
    m_turnClockwise->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    m_turnCounterclockwise = new QAction(this);
    m_turnCounterclockwise->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    m_turnUpsideDown = new QAction(this);
    m_choosePages = new QAction(this);
    m_choosePictures = new QAction(this);
    // The list itself takes no focus, so the shortcuts work in the whole
    // window, and only while this screen shows (a hidden widget's actions do
    // not answer). The table's context menu offers the same actions.
    for (QAction *action : {m_choosePages, m_choosePictures, m_turnClockwise, m_turnCounterclockwise, m_turnUpsideDown}) {
        action->setShortcutContext(Qt::WindowShortcut);
        action->setEnabled(false);
        addAction(action);
        m_table->addAction(action);
    }
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(m_turnClockwise, &QAction::triggered, this, [this]() { turnSelectedRow(90); });
    connect(m_turnCounterclockwise, &QAction::triggered, this, [this]() { turnSelectedRow(270); });
    connect(m_turnUpsideDown, &QAction::triggered, this, [this]() { turnSelectedRow(180); });
    connect(m_choosePages, &QAction::triggered, this, &MergeView::editSelectedRowPages);
    connect(m_choosePictures, &QAction::triggered, this, &MergeView::chooseSelectedRowPagesFromPictures);
}

int MergeView::selectedRow() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    if (rows.isEmpty() || rows.first().row() >= m_model->count())
        return -1;
    return rows.first().row();
}

void MergeView::updateRowActions()
{
    const int row = selectedRow();
    const bool usable = row >= 0 && !isMerging();
    for (QAction *action : {m_turnClockwise, m_turnCounterclockwise, m_turnUpsideDown})
        action->setEnabled(usable);
    m_choosePages->setEnabled(usable && m_model->item(row).pageCount > 0);
    m_choosePictures->setEnabled(m_choosePages->isEnabled() && !m_model->item(row).needsPassword());
}

void MergeView::turnSelectedRow(int degrees)
{
    const int row = selectedRow();
    if (row < 0 || isMerging())
        return;
    m_model->turn(row, degrees);
}

void MergeView::editSelectedRowPages()
{
    const int row = selectedRow();
    if (row < 0 || isMerging())
        return;
    m_table->edit(m_model->index(row, MergeModel::PagesColumn));
}

void MergeView::chooseSelectedRowPagesFromPictures()
{
    const int row = selectedRow();
    if (row < 0 || isMerging())
        return;
    const MergeItem item = m_model->item(row);
    if (item.pageCount <= 0 || item.needsPassword())
        return;
    auto *app = Application::instance();
    const MergePagesChooser chooser(PageGridDialog::ownRenderers(),
                                    PageGridDialog::labelsFrom(app ? app->pdfService() : nullptr));
    QString pages;
    if (chooser.choose(this, item.fullPath, item.password, item.pageCount, m_model->chosenPageNumbers(row), &pages))
        m_model->setPages(row, pages);
}

void MergeView::onInterleaveChanged(int state)
{
    const bool on = state == Qt::Checked;
    m_merge->setInterleave(on);
    m_reverseLast->setEnabled(on);
    // Interleaved files share no page boundary a blank page could keep.
    if (on)
        m_blankAfterOdd->setCheckState(Qt::Unchecked);
    updateTotalPages();
}

void MergeView::onBlankAfterOddChanged(int state)
{
    const bool on = state == Qt::Checked;
    m_merge->setBlankAfterOdd(on);
    if (on)
        m_interleave->setCheckState(Qt::Unchecked);
    updateTotalPages();
}

QString MergeView::pageProblemText() const
{
    return m_labelPageProblem->isHidden() ? QString() : m_labelPageProblem->text();
}

void MergeView::showPageProblem(int editedRow, const QString &typed)
{
    QString text = typed;
    if (text.isEmpty()) {
        const int row = m_model->firstRowWithPageProblem(editedRow);
        if (row >= 0)
            text = tr("Pages of %1: %2").arg(m_model->item(row).fileName, m_model->pageProblem(row));
    }
    m_labelPageProblem->setText(text);
    m_labelPageProblem->setVisible(!text.isEmpty());
}

void MergeView::connectSignals()
{
    connect(m_buttonAdd, &QPushButton::clicked, this, &MergeView::onButtonAdd);
    connect(m_buttonMoveUp, &QPushButton::clicked, m_table, &MergeTableView::selectionRowMoveUp);
    connect(m_buttonMoveDown, &QPushButton::clicked, m_table, &MergeTableView::selectionRowMoveDown);
    connect(m_buttonOpenFolder, &QPushButton::clicked, this, &MergeView::onButtonSelectFolder);
    connect(m_buttonMerge, &QPushButton::clicked, this, &MergeView::onButtonMerge);
    connect(m_table, &QAbstractItemView::clicked, this, &MergeView::onMergeTableClicked);
    connect(m_model, &MergeModel::changed, this, &MergeView::updateTotalPages);
    connect(m_model, &MergeModel::changed, this, &MergeView::updateMoveButtons);
    // A sort or a reset drops the selection without a selection signal.
    connect(m_model, &QAbstractItemModel::modelReset, this, &MergeView::updateMoveButtons);
    connect(m_buttonClearAll, &QPushButton::clicked, this, &MergeView::onButtonClearAll);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged,
            this, &MergeView::rowSelectionChanged);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged,
            this, &MergeView::updateMoveButtons);
    connect(m_passwordSwitch, &CheckBox::stateChanged, this, &MergeView::onSetPassword);
    connect(m_interleave, &CheckBox::stateChanged, this, &MergeView::onInterleaveChanged);
    connect(m_reverseLast, &CheckBox::stateChanged, this,
            [this](int state) { m_merge->setInterleaveReverseLast(state == Qt::Checked); });
    connect(m_blankAfterOdd, &CheckBox::stateChanged, this, &MergeView::onBlankAfterOddChanged);
    connect(m_table->itemDelegate(), &MergeItemDelegate::pagesChecked, this,
            [this](int row, const QString &problem) { showPageProblem(row, problem); });
    connect(m_model, &MergeModel::changed, this, [this]() { showPageProblem(); });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this]() { showPageProblem(); });
    connect(m_model, &MergeModel::changed, this, &MergeView::updateRowActions);
    connect(m_model, &QAbstractItemModel::modelReset, this, &MergeView::updateRowActions);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this, &MergeView::updateRowActions);
    connect(m_model, &MergeModel::addFiles, this, &MergeView::onAddFiles);
    connect(m_model, &MergeModel::repairFinished, this, &MergeView::onRepairFinished);
    connect(m_merge, &Merge::started, this, &MergeView::onMergeStarted);
    connect(m_merge, &Merge::complete, this, &MergeView::onMergeComplete);
    connect(m_merge, &Merge::finished, this, &MergeView::onMergeFinished);
    connect(m_mergeProgress, &ProgressControl::canceled, m_merge, &Merge::cancel);
}

void MergeView::retranslate()
{
    m_labelFolder->setText(tr("Save to folder:"));
    m_labelFileName->setText(tr("Filename:"));
    m_buttonMerge->setText(tr("MERGE"));
    m_passwordSwitch->setText(tr("Set Password"));
    nameSideButton(m_buttonAdd, tr("Add PDF files to the list"));
    nameSideButton(m_buttonMoveUp, tr("Move the selected file up"));
    nameSideButton(m_buttonMoveDown, tr("Move the selected file down"));
    nameSideButton(m_buttonClearAll, tr("Remove all files from the list"));
    m_interleave->setText(tr("Interleave pages (for scans of front and back sides)"));
    m_reverseLast->setText(tr("last file in reverse order"));
    m_blankAfterOdd->setText(tr("Start every file on an odd page"));
    m_interleave->setToolTip(tr("Takes one page from each file in turn: file 1 page 1, file 2 page 1, "
                                "file 1 page 2, and so on."));
    m_reverseLast->setToolTip(tr("Takes the last file's pages from its end, as a stack of back sides is "
                                 "scanned."));
    m_blankAfterOdd->setToolTip(tr("Adds a blank page after every file with an odd number of pages, so "
                                   "that each file starts on a front side when printed on both sides."));
    m_choosePages->setText(tr("Choose pages"));
    m_choosePictures->setText(tr("Choose pages from pictures…"));
    m_turnClockwise->setText(tr("Turn clockwise"));
    m_turnCounterclockwise->setText(tr("Turn counterclockwise"));
    m_turnUpsideDown->setText(tr("Turn upside down"));
    showPageProblem();
    m_table->viewport()->update();
    m_table->horizontalHeader()->viewport()->update();
    updateTotalPages();
}

void MergeView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

void MergeView::setSaveFolder(const QString &folder)
{
    m_saveFolder = folder;
    m_editFolder->setText(QDir::toNativeSeparators(folder));
    m_editFolder->setCursorPosition(0);
    m_editFolder->setToolTip(m_editFolder->text());
}

bool MergeView::isMerging() const
{
    return m_pageStack->currentIndex() == 1;
}

void MergeView::onButtonAdd()
{
    const QStringList files = PdfFileDialog::getOpenFileNames(
        this, tr("Select one or more files to open"), AppSettings::lastSelectFolder());
    if (files.isEmpty())
        return;
    AppSettings::open()->setValue(QLatin1String(AppSettings::keyLastSelectFolder),
                                  QFileInfo(files.first()).absolutePath());
    m_model->requestAddFiles(files);
}

void MergeView::onAddFiles(const QStringList &urls)
{
    Logger::instance().log(QStringLiteral("Add files for merge"), 0);
    Logger::instance().log(QStringLiteral("Files:%1").arg(urls.join(QLatin1Char(','))), 0);
    auto *worker = new InformationWorkerList(Application::instance()->pdfService(), urls,
                                             m_addProgress->progress(), nullptr);
    Logger::instance().log(QStringLiteral("Add worker created"), 0);

    auto *thread = new QThread();
    worker->moveToThread(thread);
    connect(thread, &QThread::started, worker, &InformationWorkerList::run);
    connect(worker, &InformationWorkerList::started, this, &MergeView::onAddStarted);
    connect(worker, &InformationWorkerList::complete, this, &MergeView::onAddComplete);
    connect(worker, &InformationWorkerList::complete, thread, &QThread::quit);
    connect(worker, &InformationWorkerList::complete, worker, &QObject::deleteLater);
    connect(worker, &InformationWorkerList::finished, this, &MergeView::onAddFinished);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    m_addThread = thread;
    thread->start(QThread::InheritPriority);
}

void MergeView::onAddStarted()
{
    Logger::instance().log(QStringLiteral("Add started"), 0);
    m_addProgress->setModal(true);
    m_addProgress->show();
    moveToCenter(m_addProgress, AddDialogWidth, AddDialogHeight, this);
}

void MergeView::onAddFinished(bool success, MergeItemList items)
{
    Q_UNUSED(success)
    Logger::instance().log(QStringLiteral("Add finished. Count:%1").arg(items.count()), 0);
    m_model->addItems(items);
}

void MergeView::onAddComplete()
{
    Logger::instance().log(QStringLiteral("Add complete"), 0);
    queueCall(m_addProgress, "hide");
}

void MergeView::moveToCenter(QWidget *srcWidget, int srcWidth, int srcHeight, QWidget *dstWidget)
{
    if (!srcWidget || !dstWidget)
        return;
    QWidget *window = dstWidget->window();
    const QPoint center = window->frameGeometry().topLeft()
                          + QPoint(window->width() / 2, window->height() / 2);
    srcWidget->move(center - QPoint(srcWidth / 2, srcHeight / 2));
}

// With blank pages after odd files, the total counts them as well.
void MergeView::updateTotalPages()
{
    int total = m_model->totalPages();
    if (m_merge->blankAfterOdd() && !m_merge->interleave()) {
        for (int row = 0; row + 1 < m_model->count(); ++row)
            total += m_model->chosenPageCount(row) % 2;
    }
    m_labelTotalPages->setText(tr("%1 pages total", nullptr, total).arg(total));
}

void MergeView::updateMoveButtons()
{
    // The buttons move the current row, and only where it can go.
    const QModelIndex current = m_table->currentIndex();
    const bool selected = m_table->selectionModel() && m_table->selectionModel()->hasSelection()
                          && current.isValid() && current.row() < m_model->count();
    m_buttonMoveUp->setEnabled(selected && current.row() > 0);
    m_buttonMoveDown->setEnabled(selected && current.row() < m_model->count() - 1);
    m_buttonClearAll->setEnabled(!m_model->isEmpty());
}

void MergeView::rowSelectionChanged()
{
    qDebug() << Q_FUNC_INFO;
    updateMoveButtons();
}

void MergeView::onButtonClearAll()
{
    // One click would take a whole list put together by hand: ask first.
    const int count = m_model->count();
    if (count > 1) {
        std::unique_ptr<MessageView> question(MessageView::createQuestion(
            tr("Clear the list?"),
            tr("Remove all %n files from the list? The files themselves stay where they are.", nullptr, count),
            tr("CLEAR"), tr("KEEP"), this));
        if (question->exec() != QDialogButtonBox::DestructiveRole)
            return;
    }
    m_model->clear();
}

void MergeView::onButtonSelectFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Select destination folder"), m_saveFolder,
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty())
        return;
    setSaveFolder(folder);
    AppSettings::open()->setValue(QLatin1String(AppSettings::keyMergeLastSaveFolder), folder);
}

void MergeView::onSetPassword(int state)
{
    if (state != Qt::Checked) {
        m_merge->setPassword(QString());
        return;
    }
    MessageNewPassword dialog(DebenuService::outputPermissions(), this);
    dialog.setText(tr("The merged file will be protected with this password."));
    const bool accepted = dialog.exec() == QDialog::Accepted;
    const QString password = dialog.password();
    if (accepted && !password.isEmpty())
        m_merge->setPassword(password);
    else
        m_passwordSwitch->setCheckState(Qt::Unchecked);
}

void MergeView::onButtonMerge()
{
    if (m_merge->isRunning())
        return;
    const QString folder = m_saveFolder.trimmed();
    QString name = m_editName->text().trimmed();
    if (refuseMerge(name) || refusePageChoice())
        return;
    QString problem;
    if (!OutputFolder::ensure(folder, &problem)) {
        showMessage(tr("Merge failed"), problem);
        return;
    }
    if (!name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        name += QLatin1String(".pdf");
    // A name that is taken is not replaced: the worker writes "(1)name" and
    // the completion dialog says so.
    m_merge->setSaveFileName(QDir::toNativeSeparators(QDir(folder).filePath(name)));
    m_merge->run();
}

bool MergeView::refuseMerge(const QString &name)
{
    const QString caption = tr("Nothing to merge");
    if (m_model->count() < 2) {
        showMessage(caption, tr("Add at least two PDF files to merge."));
        return true;
    }
    if (name.isEmpty()) {
        showMessage(tr("File name"), tr("Enter a name for the merged file."));
        m_editName->setFocus();
        return true;
    }
    // "../x" and ".x" would make a hidden file, or one outside the folder.
    if (name.startsWith(QLatin1Char('.'))) {
        showMessage(tr("File name"), tr("A file name cannot start with a dot."));
        m_editName->setFocus();
        return true;
    }
    // File systems take names of up to 255 bytes, and ".pdf" and a "(n)"
    // for a name already taken come on top: past that the merge would run,
    // then fail to name its file.
    if (QFile::encodeName(name).size() > OutputName::maxBytes) {
        showMessage(tr("File name"), tr("The file name is too long. Shorten it and try again."));
        m_editName->setFocus();
        return true;
    }
    return false;
}

// A refused page choice keeps the merge from starting; its cell is opened
// so that it can be put right at once.
bool MergeView::refusePageChoice()
{
    const int row = m_model->firstRowWithPageProblem();
    if (row < 0)
        return false;
    showMessage(tr("Pages"), tr("The pages chosen for %1 cannot be merged: %2")
                                 .arg(m_model->item(row).fileName, m_model->pageProblem(row)));
    m_table->selectRow(row);
    m_table->edit(m_model->index(row, MergeModel::PagesColumn));
    return true;
}

void MergeView::onMergeStarted()
{
    m_mergeProgress->reset();
    m_mergeProgress->setMinimum(0);
    m_mergeProgress->setMaximum(0);
    m_mergeProgress->setValue(0);
    m_mergeProgress->setText(tr("Merging files.."));
    QMetaObject::invokeMethod(m_tableBox, "setEnabled", Qt::QueuedConnection, Q_ARG(bool, false));
    QMetaObject::invokeMethod(m_optionsBox, "setEnabled", Qt::QueuedConnection, Q_ARG(bool, false));
    QMetaObject::invokeMethod(m_pageStack, "setCurrentIndex", Qt::QueuedConnection, Q_ARG(int, 1));
}

void MergeView::onMergeComplete()
{
    QMetaObject::invokeMethod(m_tableBox, "setEnabled", Qt::QueuedConnection, Q_ARG(bool, true));
    QMetaObject::invokeMethod(m_optionsBox, "setEnabled", Qt::QueuedConnection, Q_ARG(bool, true));
    QMetaObject::invokeMethod(m_pageStack, "setCurrentIndex", Qt::QueuedConnection, Q_ARG(int, 0));
}

void MergeView::showMessage(const QString &caption, const QString &text)
{
    MessageView *message = MessageView::createMessage(caption, text, this);
    message->exec();
    message->deleteLater();
}

void MergeView::showMergeDone()
{
    const OutcomeText words(OutcomeText::Merge, m_saveFolder.trimmed());
    MessageMerge dialog(this);
    // Files the merge could not take are named with why, so none is lost unnoticed.
    QStringList files;
    QStringList reasons;
    for (const WorkerOutcome::LeftOut &entry : m_merge->leftOut()) {
        files << entry.item;
        reasons << OutcomeText::reasonText(entry.reason);
    }
    dialog.setLeftOutFiles(files, reasons);
    dialog.setNote(words.notes(m_merge->outcome()).join(QStringLiteral("\n\n")));
    dialog.exec();
    if (dialog.openFolderRequested())
        Application::instance()->openLastMergeFolder();
}

void MergeView::onMergeFinished(int errorCode, QString mergedFileName)
{
    if (errorCode == WorkerCode::Success && !mergedFileName.isEmpty() && QFileInfo::exists(mergedFileName)) {
        auto *app = Application::instance();
        app->lastMergeFile = mergedFileName;
        emit app->lastFolderChanged();
        // The name was used: the next merge gets a fresh one. After a cancel
        // or a failure the user's name stays for another try.
        m_editName->setText(defaultFileName());
        showMergeDone();
        emit runReported();
        return;
    }
    WorkerOutcome outcome = m_merge->outcome();
    // A worker stopped without a word after a cancel: a stopped merge writes nothing.
    if (m_merge->isCancelRequested())
        outcome.code = WorkerCode::Canceled;
    // A success without its file on the disk is no success.
    if (outcome.succeeded())
        outcome.code = WorkerCode::NothingProduced;
    outcome.leftOut = m_merge->leftOut();
    const OutcomeText words(OutcomeText::Merge, m_saveFolder.trimmed());
    showMessage(words.caption(outcome), words.failure(outcome));
    emit runReported();
}

void MergeView::onMergeTableClicked(QModelIndex index)
{
    if (!index.isValid() || index.data(MergeModel::FillerRowRole).toBool())
        return;
    switch (index.column()) {
    case ColumnPreview: {
        qDebug() << Q_FUNC_INFO << "Preview";
        const QString path = index.data(MergeModel::FullPathRole).toString();
        const QString password = index.data(MergeModel::PasswordRole).toString();
        const bool needsPassword = index.data(MergeModel::HasPasswordRole).toBool() && password.isEmpty();
        if (path.isEmpty() || needsPassword)
            break;
        // Nothing to show of a file that cannot be read: say so instead.
        if (index.data(MergeModel::PageCountRole).toInt() <= 0)
            showUnreadable(index.row());
        else if (m_model->item(index.row()).pages.isEmpty() && m_model->item(index.row()).rotation == 0)
            emit preview(path, password);
        else
            emit previewPages(path, password, m_model->chosenPageNumbers(index.row()),
                              m_model->item(index.row()).rotation);
        break;
    }
    case ColumnRemove:
        m_model->removeItem(index.row());
        break;
    case ColumnPassword:
        qDebug() << Q_FUNC_INFO << "Password";
        askPasswordForRow(index.row());
        break;
    default:
        break;
    }
}

// Says the file cannot be read and offers to repair a copy of it.
void MergeView::showUnreadable(int row)
{
    MessageView *message = MessageView::createMessage(
        tr("Can not open file"),
        tr("%1 cannot be read. The file is damaged or is not a PDF.").arg(m_model->item(row).fileName), this);
    message->buttonBox()->addButton(new QPushButton(tr("Repair a copy")), QDialogButtonBox::ActionRole);
    const bool repair = message->exec() == QDialogButtonBox::ActionRole;
    message->deleteLater();
    if (repair)
        m_model->repairItem(row);
}

void MergeView::onRepairFinished(const QString &fileName, int pages)
{
    if (pages > 0)
        showMessage(tr("Repair a copy"),
                    tr("%1: %2 pages recovered. The merge uses a repaired copy; the original is unchanged.")
                        .arg(fileName)
                        .arg(pages));
    else
        showMessage(tr("Repair a copy"), tr("No page of %1 could be recovered. The file is left as it was.").arg(fileName));
}

void MergeView::askPasswordForRow(int row)
{
    MergeItem item = m_model->item(row);
    if (item.fullPath.isEmpty())
        return;
    if (!item.needsPassword()) {
        if (item.isUnreadable())
            showUnreadable(row);
        return;
    }
    MessagePassword dialog(this);
    dialog.setText(item.fileName);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString password = dialog.password().trimmed();
    if (password.isEmpty())
        return;

    InformationWorker reader(Application::instance()->pdfService(), item.fullPath, password);
    reader.run();
    const DocumentInformation info = reader.result();
    item.fullPath = info.path;
    item.pageCount = info.pageCount;
    item.password = info.password;
    item.hasPassword = info.hasPassword;
    // The merge decrypts by this flag; a file read while locked never had it.
    item.hasSecurity = info.encrypted;
    m_model->setItem(row, item);
    if (info.hasPassword && info.password.isEmpty())
        showMessage(tr("Can not open file"), tr("The password for %1 is incorrect").arg(item.fileName));
}
