#include "split/SplitView.h"

#include "app/AppSettings.h"
#include "app/Application.h"
#include "app/OutputFolder.h"
#include "shell/SaveFolderDelegate.h"
#include "shell/SaveFolderModel.h"
#include "split/BookmarkModePage.h"
#include "split/PageRanges.h"
#include "split/RangeListView.h"
#include "split/SizeModePage.h"
#include "split/Split.h"
#include "split/SplitByCertainPage.h"
#include "split/SplitPagesChooser.h"
#include "protocol/PageEntry.h"
#include "protocol/WorkerCode.h"
#include "protocol/OutcomeText.h"
#include "pdf/DebenuService.h"
#include "widgets/Button.h"
#include "widgets/MessageSplit.h"
#include "widgets/MessageView.h"
#include "widgets/PageGridDialog.h"
#include "widgets/HelpRow.h"
#include "widgets/PreviewWidget.h"
#include "widgets/ProgressControl.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QDebug>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedLayout>
#include <QVBoxLayout>

#include <limits>

namespace {

const int NumberEditWidth = 55;
// Wide enough for a few pages and ranges: "3, 5-7, 12-".
const int PageListEditWidth = 110;
const int NumberEditHeight = 30;
const int HelpMaxHeight = 70;
const int RangeListHeight = 70;
const int ModeListTopMargin = 8;
const int ProblemGap = 12;

void queueEnabled(QWidget *widget, bool enabled)
{
    // Queued, so it takes effect after the signal handler that asked for it.
    QMetaObject::invokeMethod(widget, "setEnabled", Qt::QueuedConnection, Q_ARG(bool, enabled));
}

} // namespace

SplitView::SplitView(QWidget *parent, Split *split)
    : QFrame(parent)
    , m_split(split ? split : Application::instance()->split())
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_preview = new PreviewWidget(this);
    m_preview->setFixedHeight(123);
    layout->addWidget(m_preview);

    m_splitArea = new QFrame(this);
    m_splitArea->setObjectName(QStringLiteral("splitAreaBorder"));
    auto *areaLayout = new QHBoxLayout(m_splitArea);
    areaLayout->addWidget(buildModeList());
    m_modePages = new QStackedLayout();
    // One page per mode button, in the order of their ids.
    m_modePages->addWidget(buildSinglePagesPage());
    m_modePages->addWidget(buildGroupsPage());
    m_modePages->addWidget(buildRemovePagesPage());
    m_modePages->addWidget(buildRangesPage());
    m_bookmarkPage = new BookmarkModePage(m_split, this);
    m_modePages->addWidget(m_bookmarkPage);
    m_sizePage = new SizeModePage(this);
    m_modePages->addWidget(m_sizePage);
    Q_ASSERT(m_modePages->count() == m_modeButtons.size());
    areaLayout->addLayout(m_modePages, 1);
    // The split area takes the room a larger window gives.
    layout->addWidget(m_splitArea, 1);

    layout->addSpacing(10);

    auto *bottom = new QFrame(this);
    m_bottomStack = new QStackedLayout(bottom);
    m_bottomStack->addWidget(buildSaveRow());
    m_progress = new ProgressControl(bottom);
    m_progress->setPauseHidden(true);
    m_bottomStack->addWidget(m_progress);
    layout->addWidget(bottom);

    connectController();
    retranslate();
    setInitialState();
}

QWidget *SplitView::buildModeList()
{
    auto *frame = new QFrame(this);
    auto *column = new QVBoxLayout(frame);
    // Six modes share the height the fixed window leaves the split area: the
    // buttons (24 px each in the style sheet) stand without gaps, the first
    // level with the first row of the mode page beside them.
    column->setContentsMargins(9, ModeListTopMargin, 9, 0);
    column->setSpacing(0);
    m_modeGroup = new QButtonGroup(this);
    m_modeGroup->setExclusive(true);
    for (int id : {ModeSinglePages, ModeGroups, ModeRemovePages, ModeRanges, ModeBookmarks, ModeSize}) {
        auto *button = new QRadioButton(frame);
        button->setCheckable(true);
        m_modeGroup->addButton(button, id);
        column->addWidget(button);
        m_modeButtons.append(button);
    }
    column->addStretch();
    m_modeButtons[ModeSinglePages]->setChecked(true);
    connect(m_modeGroup, &QButtonGroup::idPressed, this, &SplitView::splitModeChanged);
    // Arrow keys move the check without a press; the page follows them too.
    connect(m_modeGroup, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            splitModeChanged(id);
    });
    return frame;
}

QWidget *SplitView::buildHelpRow(QLabel *text, bool limitHeight)
{
    return new HelpRow(text, this, limitHeight ? HelpMaxHeight : QWIDGETSIZE_MAX);
}

// No validator: one would drop the keys it dislikes and so turn "3-5" into
// "35". Whatever is typed stays as typed; PageEntry reads it or says why not.
QLineEdit *SplitView::createNumberEdit(QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setFixedSize(NumberEditWidth, NumberEditHeight);
    return edit;
}

// Empty, the label is the gap between the fields and what is under them;
// the reason takes that gap's place, so the list below moves only by the
// lines of the reason beyond the first.
QLabel *SplitView::createProblemLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("entryProblem"));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMinimumHeight(ProblemGap);
    return label;
}

QWidget *SplitView::buildSinglePagesPage()
{
    auto *page = new QFrame(this);
    page->setObjectName(QStringLiteral("splitArea"));
    auto *layout = new QVBoxLayout(page);
    m_helpSinglePages = new QLabel(page);
    layout->addWidget(buildHelpRow(m_helpSinglePages, false));
    layout->addStretch();
    return page;
}

QWidget *SplitView::buildGroupsPage()
{
    auto *page = new QFrame(this);
    page->setObjectName(QStringLiteral("splitArea"));
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(10, 5, 5, 0);
    auto *row = new QHBoxLayout();
    m_labelGroupSize = new QLabel(page);
    m_labelGroupSize->setObjectName(QStringLiteral("help"));
    m_editGroupSize = createNumberEdit(page);
    m_labelStartFrom = new QLabel(page);
    m_labelStartFrom->setObjectName(QStringLiteral("help"));
    m_editStartFrom = createNumberEdit(page);
    row->addWidget(m_labelGroupSize);
    row->addWidget(m_editGroupSize);
    row->addSpacing(10);
    row->addWidget(m_labelStartFrom);
    row->addWidget(m_editStartFrom);
    row->addStretch();
    layout->addLayout(row);
    m_groupsProblem = createProblemLabel(page);
    layout->addWidget(m_groupsProblem);

    m_helpGroups = new QLabel(page);
    layout->addWidget(buildHelpRow(m_helpGroups, true));
    layout->addStretch();

    connect(m_editGroupSize, &QLineEdit::textChanged, this, &SplitView::updateGroupsProblem);
    connect(m_editStartFrom, &QLineEdit::textChanged, this, &SplitView::updateGroupsProblem);
    return page;
}

QWidget *SplitView::buildRemovePagesPage()
{
    auto *page = new QFrame(this);
    page->setObjectName(QStringLiteral("splitArea"));
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(10, 5, 5, 0);
    auto *row = new QHBoxLayout();
    m_editRidPage = createNumberEdit(page);
    m_editRidPage->setFixedWidth(PageListEditWidth);
    m_editRidPage->setPlaceholderText(QStringLiteral("3, 5-7"));
    m_buttonAddPage = new Button(page);
    m_buttonAddPage->setObjectName(QStringLiteral("buttonAddPage"));
    m_buttonClearPages = new QPushButton(page);
    m_buttonClearPages->setObjectName(QStringLiteral("buttonClear"));
    m_buttonClearPages->hide();
    row->addWidget(m_editRidPage);
    row->addWidget(m_buttonAddPage);
    row->addStretch();
    row->addWidget(m_buttonClearPages);
    layout->addLayout(row);
    m_removeProblem = createProblemLabel(page);
    layout->addWidget(m_removeProblem);

    m_certainList = new RangeListView(page);
    m_certainList->setFixedHeight(RangeListHeight);
    m_certainList->hide();
    layout->addWidget(m_certainList);
    m_helpRemove = new QLabel(page);
    m_helpRemoveFrame = buildHelpRow(m_helpRemove, true);
    layout->addWidget(m_helpRemoveFrame);
    layout->addStretch();

    connect(m_buttonAddPage, &QPushButton::clicked, this, &SplitView::onButtonAddRidPage);
    connect(m_editRidPage, &QLineEdit::returnPressed, this, &SplitView::onButtonAddRidPage);
    connect(m_editRidPage, &QLineEdit::textEdited, this, [this] {
        m_removeEntry = PageEntry::Result();
        updateListProblem(m_removeProblem, m_removeEntry, m_split->certainPages());
    });
    return page;
}

QWidget *SplitView::buildRangesPage()
{
    auto *page = new QFrame(this);
    page->setObjectName(QStringLiteral("splitArea"));
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(10, 5, 5, 0);
    auto *row = new QHBoxLayout();
    m_labelFrom = new QLabel(page);
    m_labelFrom->setObjectName(QStringLiteral("help"));
    m_editFrom = createNumberEdit(page);
    m_labelTo = new QLabel(page);
    m_labelTo->setObjectName(QStringLiteral("help"));
    m_editTo = createNumberEdit(page);
    m_buttonAddRange = new Button(page);
    m_buttonAddRange->setObjectName(QStringLiteral("buttonAddNormal"));
    m_buttonClearRanges = new QPushButton(page);
    m_buttonClearRanges->setObjectName(QStringLiteral("buttonClear"));
    m_buttonClearRanges->hide();
    row->addWidget(m_labelFrom);
    row->addWidget(m_editFrom);
    row->addWidget(m_labelTo);
    row->addWidget(m_editTo);
    row->addWidget(m_buttonAddRange);
    row->addStretch();
    row->addWidget(m_buttonClearRanges);
    layout->addLayout(row);
    m_rangesProblem = createProblemLabel(page);
    layout->addWidget(m_rangesProblem);

    m_rangeList = new RangeListView(page);
    m_rangeList->setFixedHeight(RangeListHeight);
    m_rangeList->hide();
    layout->addWidget(m_rangeList);
    m_helpRanges = new QLabel(page);
    m_helpRangesFrame = buildHelpRow(m_helpRanges, true);
    layout->addWidget(m_helpRangesFrame);
    layout->addStretch();

    connect(m_buttonAddRange, &QPushButton::clicked, this, &SplitView::onButtonAddRange);
    connect(m_editFrom, &QLineEdit::returnPressed, this, &SplitView::onButtonAddRange);
    connect(m_editTo, &QLineEdit::returnPressed, this, &SplitView::onButtonAddRange);
    for (QLineEdit *edit : {m_editFrom, m_editTo}) {
        connect(edit, &QLineEdit::textEdited, this, [this] {
            m_rangesEntry = PageEntry::Result();
            updateListProblem(m_rangesProblem, m_rangesEntry, m_split->pageRanges());
        });
    }
    return page;
}

QWidget *SplitView::buildSaveRow()
{
    auto *frame = new QFrame(this);
    auto *row = new QHBoxLayout(frame);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    m_saveToLabel = new QLabel(frame);
    m_saveToLabel->setObjectName(QStringLiteral("saveToLabel"));
    m_saveToLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_folderModel = new SaveFolderModel(this);
    m_folderBox = new QComboBox(frame);
    m_folderBox->setFixedHeight(39);
    m_folderBox->setModel(m_folderModel);
    m_folderBox->setItemDelegate(new SaveFolderDelegate(m_folderBox));
    m_buttonSplit = new Button(frame);
    m_buttonSplit->setObjectName(QStringLiteral("buttonSplit"));
    m_buttonSplit->setFixedHeight(42);
    m_buttonSplit->setMinimumWidth(151);
    row->addWidget(m_saveToLabel);
    row->addSpacing(3);
    row->addWidget(m_folderBox, 1);
    row->addSpacing(20);
    row->addWidget(m_buttonSplit);

    connect(m_buttonSplit, &QPushButton::clicked, this, &SplitView::split);
    connect(m_folderBox, QOverload<int>::of(&QComboBox::activated), this, &SplitView::onChangeOutFolder);
    return frame;
}

void SplitView::wirePageList(QPushButton *clearButton, PageRanges *pages, RangeListView *list)
{
    connect(clearButton, &QPushButton::clicked, pages, &PageRanges::clear);
    connect(pages, &PageRanges::changed, clearButton, &QWidget::show);
    connect(pages, &PageRanges::cleared, clearButton, &QWidget::hide);
    connect(pages, &PageRanges::added, list, QOverload<int, int>::of(&RangeListView::add));
    connect(pages, &PageRanges::cleared, list, &RangeListView::clear);
    connect(list, &RangeListView::removedItem, pages,
            QOverload<QPair<int, int>>::of(&PageRanges::remove));
    connect(pages, &PageRanges::named, list, &RangeListView::setName);
}

void SplitView::connectController()
{
    // The list wiring comes first: the screen's own change handlers, connected
    // after it, have the last word on what is visible.
    wirePageList(m_buttonClearPages, m_split->certainPages(), m_certainList);
    wirePageList(m_buttonClearRanges, m_split->pageRanges(), m_rangeList);
    connect(m_split->certainPages(), &PageRanges::changed, this, &SplitView::onChangeCertainPages);
    connect(m_split->pageRanges(), &PageRanges::changed, this, &SplitView::onChangedPageRangeList);
    // Entries made for another document are kept, and told apart anew; a
    // refusal of what was typed spoke of the old document and goes.
    for (auto documentChanged : {&Split::loadFinished, &Split::clean}) {
        connect(m_split, documentChanged, this, [this] {
            m_removeEntry = PageEntry::Result();
            m_rangesEntry = PageEntry::Result();
            updateEntryProblems();
        });
    }

    if (auto *app = Application::instance())
        connect(app, &Application::settingsChanged, this, &SplitView::readSettings);
    connect(m_preview, &PreviewWidget::previewDocument, this, &SplitView::onPreview);
    connect(m_preview, &PreviewWidget::choosePages, this, &SplitView::onChoosePages);
    connect(m_split, &Split::started, this, &SplitView::onStarted);
    connect(m_split, &Split::progressChanged, this, &SplitView::onProgressChanged);
    connect(m_split, &Split::finished, this, &SplitView::onFinished);
    connect(m_split, &Split::complete, this, &SplitView::onComplete);
    connect(m_split, &Split::splitFailed, this, &SplitView::onFailed);
    connect(m_split, &Split::contentCopyDisabled, this, &SplitView::onContentCopyDisabled);
    connect(m_progress, &ProgressControl::canceled, m_split, &Split::cancel);
    connect(m_bookmarkPage, &BookmarkModePage::changed, this, &SplitView::updateSplitButton);
}

void SplitView::retranslate()
{
    m_modeButtons[ModeSinglePages]->setText(tr("Into files of 1 page"));
    m_modeButtons[ModeGroups]->setText(tr("By groups of pages"));
    m_modeButtons[ModeRemovePages]->setText(tr("Get rid of certain pages"));
    m_modeButtons[ModeRanges]->setText(tr("By page ranges"));
    m_modeButtons[ModeBookmarks]->setText(tr("By bookmarks"));
    m_modeButtons[ModeSize]->setText(tr("By size"));
    m_helpSinglePages->setText(tr("Every page will be splited to isolated file..."));
    m_labelGroupSize->setText(tr("Group of pages:"));
    m_labelStartFrom->setText(tr("Starting from:"));
    m_helpGroups->setText(tr("Choose how much pages will be in every group and you should choose pages, where splitting will be started..."));
    m_buttonAddPage->setText(tr("Add page"));
    m_buttonClearPages->setText(tr("Clear all"));
    m_helpRemove->setText(tr("You can choose and add pages which you want to delete..."));
    m_labelFrom->setText(tr("From:"));
    m_labelTo->setText(tr("To:"));
    m_buttonAddRange->setText(tr("Add range"));
    m_buttonClearRanges->setText(tr("Clear all"));
    m_helpRanges->setText(tr("You should choose and add a interval from document, which you will want to split..."));
    m_saveToLabel->setText(tr("Save to:"));
    m_buttonSplit->setText(tr("SPLIT"));
    updateEntryProblems();
}

void SplitView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

int SplitView::currentMode() const
{
    return m_modeGroup->checkedId();
}

int SplitView::currentPage() const
{
    return m_modePages->currentIndex();
}

bool SplitView::isSplitting() const
{
    return m_bottomStack->currentIndex() == 1;
}

QString SplitView::outputFolder() const
{
    // Beside the file the person chose, also when a repaired copy is split.
    const QString source = m_split->sourceFileName();
    if (source.isEmpty())
        return QString();
    const QFileInfo info(source);
    const int mode = m_folderModel->modeAt(m_folderBox->currentIndex());
    switch (mode) {
    case SaveFolderModel::ModeSubFolder:
        return info.absolutePath() + QLatin1Char('/') + info.completeBaseName();
    case SaveFolderModel::ModeOriginalFolder:
        return info.absolutePath();
    default:
        return m_folderModel->index(2, SaveFolderModel::ColumnValue).data().toString();
    }
}

void SplitView::split()
{
    if (m_split->isRunning())
        return;
    // A protected document asks for its password first, then goes on.
    if (m_split->isLocked() && !m_preview->askPassword())
        return;
    m_split->setMode(currentMode());
    // A refused entry gives 0, which the controller refuses in turn.
    m_split->setGroupSize(groupSizeEntry().number());
    m_split->setStartFrom(startPageEntry().number());
    m_split->setMaxSizeKb(m_sizePage->maxSizeKb());
    if (refuseSplit())
        return;
    if (!m_split->isContentCopyPermitted()) {
        m_split->run(); // refuses with contentCopyDisabled(), before any folder is made
        return;
    }
    const QString folder = outputFolder();
    QString problem;
    if (!OutputFolder::ensure(folder, &problem)) {
        showInfo(tr("Split failed"), problem);
        return;
    }
    m_split->setOutDirectory(folder);
    m_split->run();
}

bool SplitView::refuseSplit()
{
    const QString caption = tr("Nothing to split");
    if (m_split->fileName().isEmpty()) {
        showInfo(caption, tr("Add a PDF file to split first."));
        return true;
    }
    if (m_split->isUnreadable()) {
        showInfo(tr("Split failed"), PreviewWidget::unreadableText(QFileInfo(m_split->fileName()).fileName()));
        return true;
    }
    if (!m_split->isLoaded())
        return true;
    if (m_split->pageCount() < 2) {
        showInfo(caption, tr("This document has only one page."));
        return true;
    }
    if (!m_split->isContentCopyPermitted())
        return false; // split() lets the controller refuse it, with its own message
    if (!m_split->rangesOutsideDocument().isEmpty()) {
        showInfo(caption, outsideEntriesText());
        return true;
    }
    if (currentMode() == ModeGroups && !groupsProblem().isEmpty()) {
        showInfo(caption, groupsProblem());
        return true;
    }
    if (currentMode() == ModeRemovePages && !m_split->certainPages()->isEmpty()
        && SplitByCertainPage::keptPageList(m_split->certainPages()->ranges(), m_split->pageCount()).isEmpty()) {
        showInfo(caption, tr("These are all the pages of the document: removing them would leave nothing."));
        return true;
    }
    if (!m_split->requestedRanges().isEmpty())
        return false;
    switch (currentMode()) {
    case ModeRemovePages:
        showInfo(caption, tr("Add the pages to remove first."));
        break;
    case ModeRanges:
        showInfo(caption, tr("Add at least one page range first."));
        break;
    case ModeBookmarks:
        showInfo(caption, tr("This document has no bookmarks, so it cannot be split at them."));
        break;
    case ModeSize:
        showInfo(caption, tr("Enter the largest file size first."));
        break;
    default:
        break;
    }
    return true;
}

void SplitView::splitModeChanged(int splitMode)
{
    if (splitMode >= 0 && splitMode < m_modePages->count())
        m_modePages->setCurrentIndex(splitMode);
    updateSplitButton();
}

void SplitView::onButtonAddRidPage()
{
    m_removeEntry = PageEntry::parseList(m_editRidPage->text(), m_split->pageCount());
    addEntry(m_removeEntry, m_split->certainPages(), m_editRidPage, m_removeProblem);
}

void SplitView::onButtonAddRange()
{
    QLineEdit *atFault = m_editFrom;
    m_rangesEntry = typedRange(&atFault);
    addEntry(m_rangesEntry, m_split->pageRanges(), atFault, m_rangesProblem);
}

// With only "From" filled in, it takes a list like the pages to remove
// ("3-5", "7-", "1, 4"), each part a range of its own; with both filled in,
// each holds one page. *atFault: the field a refusal is about.
PageEntry::Result SplitView::typedRange(QLineEdit **atFault) const
{
    const int count = m_split->pageCount();
    if (m_editTo->text().trimmed().isEmpty())
        return PageEntry::parseList(m_editFrom->text(), count);
    const PageEntry::Result from = PageEntry::parsePage(m_editFrom->text(), count);
    if (!from.isAccepted())
        return from;
    const PageEntry::Result to = PageEntry::parsePage(m_editTo->text(), count);
    if (!to.isAccepted()) {
        *atFault = m_editTo;
        return to;
    }
    return PageEntry::parseList(QStringLiteral("%1-%2").arg(from.number()).arg(to.number()), count);
}

void SplitView::addEntry(const PageEntry::Result &entry, PageRanges *pages, QLineEdit *edit, QLabel *problem)
{
    edit->setFocus();
    if (!m_split->isLoaded()) {
        problem->setText(notReadyText());
        return;
    }
    if (!entry.isAccepted()) {
        // The text stays as typed, to be mended.
        updateListProblem(problem, entry, pages);
        return;
    }
    // Each range lies inside the interval: it was read against the page count.
    for (const PageEntry::Range &range : entry.ranges)
        pages->addRange(range.first, range.second);
}

PageEntry::Result SplitView::groupSizeEntry() const
{
    return PageEntry::parseCount(m_editGroupSize->text(), knownPageCount());
}

PageEntry::Result SplitView::startPageEntry() const
{
    return PageEntry::parsePage(m_editStartFrom->text(), knownPageCount());
}

int SplitView::knownPageCount() const
{
    // Without a document only the form of an entry can be judged.
    return m_split->isLoaded() ? m_split->pageCount() : std::numeric_limits<int>::max();
}

QString SplitView::groupsProblem() const
{
    const PageEntry::Result size = groupSizeEntry();
    if (!size.isAccepted())
        return tr("Group of pages:") + QLatin1Char(' ') + PageEntry::message(size);
    const PageEntry::Result start = startPageEntry();
    if (!start.isAccepted())
        return tr("Starting from:") + QLatin1Char(' ') + PageEntry::message(start);
    return QString();
}

void SplitView::updateGroupsProblem()
{
    m_groupsProblem->setText(groupsProblem());
    updateSplitButton();
}

QString SplitView::notReadyText() const
{
    if (m_split->isLocked())
        return tr("Enter the document's password first.");
    if (m_split->isUnreadable())
        return PreviewWidget::unreadableText(QFileInfo(m_split->fileName()).fileName());
    return tr("Add a PDF file to split first.");
}

QString SplitView::outsideEntriesText() const
{
    return tr("The entries marked in red are not in this document, which has %n pages. Remove them to split.",
              nullptr, m_split->pageCount());
}

void SplitView::updateListProblem(QLabel *label, const PageEntry::Result &typed, PageRanges *pages)
{
    QString text;
    if (!typed.isAccepted())
        text = PageEntry::message(typed);
    else if (m_split->isLoaded() && !pages->outsideRanges().isEmpty())
        text = outsideEntriesText();
    label->setText(text);
}

void SplitView::markOutsideEntries(PageRanges *pages, RangeListView *list)
{
    const bool known = m_split->isLoaded();
    const QString reason = tr("the document has %n pages", nullptr, m_split->pageCount());
    list->markProblems([=](QPair<int, int> range) { return known && !pages->fits(range) ? reason : QString(); });
}

void SplitView::updateEntryProblems()
{
    markOutsideEntries(m_split->certainPages(), m_certainList);
    markOutsideEntries(m_split->pageRanges(), m_rangeList);
    updateListProblem(m_removeProblem, m_removeEntry, m_split->certainPages());
    updateListProblem(m_rangesProblem, m_rangesEntry, m_split->pageRanges());
    updateGroupsProblem();
}

void SplitView::onChangeOutFolder(int index)
{
    const int mode = m_folderModel->modeAt(index);
    if (mode == SaveFolderModel::ModeSelectFolder) {
        const QModelIndex folderCell = m_folderModel->index(index, SaveFolderModel::ColumnValue);
        const QString folder = QFileDialog::getExistingDirectory(
            this, tr("Select destination folder"), folderCell.data().toString(),
            QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
        if (folder.isEmpty()) {
            m_folderBox->setCurrentIndex(m_lastFolderIndex);
            return;
        }
        m_folderModel->setData(folderCell, folder, Qt::EditRole);
    }
    m_lastFolderIndex = index;
}

void SplitView::readSettings()
{
    applyStoredFolderChoice(false);
}

void SplitView::applyStoredFolderChoice(bool force)
{
    auto settings = AppSettings::open();
    settings->beginGroup(QLatin1String(AppSettings::keySaveModeGroup));
    int mode = settings->value(QLatin1String(AppSettings::keySaveMode), 0).toInt();
    const QString path = settings->value(QLatin1String(AppSettings::keySavePath),
                                         AppSettings::desktopFolder()).toString();
    settings->endGroup();
    if (mode < 0 || mode >= m_folderModel->rowCount())
        mode = 0;
    // Settings saved with another language or publisher leave the choice
    // made on this screen alone.
    if (!force && mode == m_storedMode && path == m_storedPath)
        return;
    m_storedMode = mode;
    m_storedPath = path;
    if (mode == SaveFolderModel::ModeSelectFolder)
        m_folderModel->setData(m_folderModel->index(2, SaveFolderModel::ColumnValue), path, Qt::EditRole);
    m_folderBox->setCurrentIndex(mode);
    m_lastFolderIndex = mode;
}

void SplitView::updateListPage(bool empty, QWidget *help, RangeListView *list, QPushButton *clear)
{
    help->setVisible(empty);
    list->setVisible(!empty);
    clear->setVisible(!empty);
    help->update();
    list->update();
    clear->update();
}

void SplitView::onChangeCertainPages()
{
    updateListPage(m_certainList->isEmpty(), m_helpRemoveFrame, m_certainList, m_buttonClearPages);
    m_editRidPage->clear();
    m_removeEntry = PageEntry::Result();
    updateEntryProblems();
}

void SplitView::onChangedPageRangeList()
{
    updateListPage(m_split->pageRanges()->isEmpty(), m_helpRangesFrame, m_rangeList, m_buttonClearRanges);
    m_editFrom->clear();
    m_editTo->clear();
    m_rangesEntry = PageEntry::Result();
    updateEntryProblems();
}

void SplitView::onPreview()
{
    if (m_split->isLocked() && !m_preview->askPassword())
        return;
    if (m_split->isLoaded())
        emit preview(m_split->fileName(), m_split->password());
}

void SplitView::onChoosePages()
{
    if (m_split->isLocked() && !m_preview->askPassword())
        return;
    auto *app = Application::instance();
    const std::shared_ptr<DebenuService> service = app ? app->pdfService() : nullptr;
    SplitPagesChooser chooser(m_split, PageGridDialog::ownRenderers(), PageGridDialog::labelsFrom(service));
    chooser.choose(this, currentMode(), m_editGroupSize->text().toInt(nullptr, 10),
                   m_editStartFrom->text().toInt(nullptr, 10));
}

void SplitView::onStarted()
{
    m_progress->reset();
    m_progress->setMinimum(0);
    m_progress->setMaximum(100);
    m_progress->setText(QString());
    m_bottomStack->setCurrentIndex(1);
    queueEnabled(m_preview, false);
    queueEnabled(m_splitArea, false);
}

void SplitView::onProgressChanged(double percentage)
{
    m_progress->setValue(static_cast<int>(percentage));
}

void SplitView::onComplete()
{
    queueEnabled(m_preview, true);
    queueEnabled(m_splitArea, true);
    m_bottomStack->setCurrentIndex(0);
}

void SplitView::updateSplitButton()
{
    m_buttonSplit->setEnabled(entriesFit());
}

bool SplitView::entriesFit() const
{
    switch (currentMode()) {
    case ModeGroups:
        return groupsProblem().isEmpty();
    case ModeRemovePages:
        return !m_split->isLoaded() || m_split->certainPages()->outsideRanges().isEmpty();
    case ModeRanges:
        return !m_split->isLoaded() || m_split->pageRanges()->outsideRanges().isEmpty();
    case ModeBookmarks:
        return m_bookmarkPage->canSplit();
    default:
        return true;
    }
}

QString SplitView::completionNote() const
{
    QStringList notes = OutcomeText(OutcomeText::Split, m_split->outDirectory()).notes(m_split->outcome());
    if (m_split->isProtected() && !m_split->outcome().files().isEmpty())
        notes << OutcomeText::unprotectedNote(m_split->fileName());
    return notes.join(QStringLiteral("\n\n"));
}

void SplitView::rememberLastFile(const QStringList &files)
{
    auto *app = Application::instance();
    if (!app || files.isEmpty())
        return;
    app->lastSplitFolder = files.last();
    emit app->lastFolderChanged();
}

void SplitView::onFinished(QStringList splitedFiles)
{
    MessageSplit message(splitedFiles.count(), this);
    message.setNote(completionNote());
    message.exec();
    if (splitedFiles.isEmpty()) {
        emit runReported();
        return;
    }
    rememberLastFile(splitedFiles);
    auto *app = Application::instance();
    switch (message.choice()) {
    case 1:
        if (app)
            app->openFolderAndSelect(splitedFiles.last());
        break;
    case 2:
        emit onMergeSplittedFiles(splitedFiles);
        break;
    default:
        break;
    }
    emit runReported();
}

void SplitView::showInfo(const QString &caption, const QString &text)
{
    MessageView *message = MessageView::createMessage(caption, text, this);
    message->exec();
    message->deleteLater();
}

void SplitView::onFailed(int errorCode)
{
    const WorkerOutcome &outcome = m_split->outcome();
    const OutcomeText words(OutcomeText::Split, m_split->outDirectory(), m_split->fileName());
    rememberLastFile(outcome.files());
    // Entries the document does not have are named as the screen marks them.
    const QString text = errorCode == WorkerCode::PagesOutsideDocument
                             ? outsideEntriesText() + QLatin1Char(' ') + tr("No file was written.")
                             : words.failure(outcome);
    showInfo(words.caption(outcome), text);
    emit runReported();
}

void SplitView::onContentCopyDisabled()
{
    showInfo(tr("Split failed"), tr("Error: this file has read permission only!"));
}

void SplitView::setInitialState()
{
    applyStoredFolderChoice(true);
    m_certainList->clear();
    m_rangeList->clear();
    m_editGroupSize->setText(QStringLiteral("3"));
    m_editStartFrom->setText(QStringLiteral("1"));
    m_editRidPage->clear();
    m_editFrom->clear();
    m_editTo->clear();
    m_modeButtons[ModeSinglePages]->click();
}
