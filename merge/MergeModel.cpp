#include "merge/MergeModel.h"

#include "app/FileUtils.h"
#include "app/Logger.h"
#include "merge/IPasswordPrompt.h"
#include "merge/InformationWorker.h"
#include "protocol/PageEntry.h"
#include "protocol/SessionFolder.h"

#include <QCollator>
#include <QColor>
#include <QDebug>
#include <QDir>
#include <QLocale>
#include <QMimeData>
#include <algorithm>

const char *const MergeModel::rowMimeType = "application/vnd.text.list";

MergeModel::MergeModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

MergeModel::~MergeModel()
{
    // Repairs write into folders this object removes.
    m_repairPool.waitForDone();
}

void MergeModel::repairItem(int row)
{
    if (row < 0 || row >= m_items.size() || !m_items.at(row).isUnreadable())
        return;
    const MergeItem item = m_items.at(row);
    auto folder = std::make_shared<std::unique_ptr<SessionFolder>>(
        std::make_unique<SessionFolder>(FileUtils::cacheDirectory()));
    if (!(*folder)->isValid()) {
        emit repairFinished(item.fileName, 0);
        return;
    }
    const QString output = (*folder)->path();
    // MuPDF reads and writes the whole file: never on the interface thread.
    // The answer comes back as an event to this object (dropped if it is gone).
    m_repairPool.start([this, folder, item, output] {
        const DocumentRepair::Result result = DocumentRepair::repairInto(item.fullPath, item.password, output);
        QMetaObject::invokeMethod(
            this, [this, folder, result, id = item.id] { onRepaired(id, std::move(*folder), result); },
            Qt::QueuedConnection);
    });
}

void MergeModel::onRepaired(const QString &id, std::unique_ptr<SessionFolder> folder,
                            const DocumentRepair::Result &result)
{
    const auto found = std::find_if(m_items.begin(), m_items.end(), [&id](const MergeItem &item) { return item.id == id; });
    if (found == m_items.end())
        return;   // removed meanwhile: the folder goes now
    if (result.copy.isEmpty()) {
        emit repairFinished(found->fileName, 0);
        return;
    }
    found->fullPath = result.copy;
    found->pageCount = result.pages;
    m_repairFolders[id] = std::move(folder);
    const int row = int(found - m_items.begin());
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    emit changed();
    emit repairFinished(found->fileName, result.pages);
}

void MergeModel::dropUnusedRepairs()
{
    for (auto it = m_repairFolders.begin(); it != m_repairFolders.end();) {
        const QString &id = it->first;
        if (std::none_of(m_items.cbegin(), m_items.cend(), [&id](const MergeItem &item) { return item.id == id; }))
            it = m_repairFolders.erase(it);
        else
            ++it;
    }
}

void MergeModel::setPdfService(std::shared_ptr<DebenuService> service)
{
    m_service = std::move(service);
}

void MergeModel::setPasswordPrompt(IPasswordPrompt *prompt)
{
    m_prompt = prompt;
}

IPasswordPrompt *MergeModel::passwordPrompt() const
{
    return m_prompt;
}

int MergeModel::rowCount(const QModelIndex &) const
{
    return m_items.size();
}

int MergeModel::columnCount(const QModelIndex &) const
{
    return ColumnCount;
}

bool MergeModel::isFillerRow(int row) const
{
    return row >= m_items.size();
}

QVariant MergeModel::actionText(int column)
{
    switch (column) {
    case PreviewColumn:
        return tr("Show the pages");
    case RemoveColumn:
        return tr("Remove from the list");
    default:
        return QVariant();
    }
}

QVariant MergeModel::data(const QModelIndex &index, int role) const
{
    if (role == FillerRowRole)
        return isFillerRow(index.row());
    if (!index.isValid() || index.row() < 0 || index.row() >= m_items.size())
        return QVariant();

    const MergeItem &item = m_items.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (index.column()) {
        case NumberColumn:
            return index.row() + 1;
        case FileNameColumn:
            return item.fileName;
        case PagesColumn:
            // Editing starts from the choice; shown, an empty choice is the
            // whole file, said by its page count.
            if (role == Qt::EditRole || !item.pages.isEmpty())
                return item.pages;
            return item.pageCount == 0 ? QVariant(QStringLiteral("?")) : QVariant(item.pageCount);
        case PreviewColumn:
            return QStringLiteral("Preview");
        case RemoveColumn:
            return QStringLiteral("Remove");
        default:
            return QVariant();
        }
    case Qt::TextAlignmentRole:
        if (index.column() == NumberColumn || index.column() == PagesColumn)
            return int(Qt::AlignHCenter | Qt::AlignVCenter);
        return QVariant();
    case Qt::ToolTipRole:
        return toolTip(index);
    case Qt::AccessibleTextRole:
        // The preview and remove cells are pictures: what they do.
        return actionText(index.column());
    case Qt::ForegroundRole:
        if (index.column() == PagesColumn && !pageProblem(index.row()).isEmpty())
            return QColor(151, 52, 57);
        return QVariant();
    case FullPathRole:
        return item.fullPath;
    case HasPasswordRole:
        return item.hasPassword;
    case PasswordRole:
        return item.password;
    case HasSecurityRole:
        return item.hasSecurity;
    case PageCountRole:
        return item.pageCount;
    case ChosenPagesRole:
        return item.pages;
    case RotationRole:
        return item.rotation;
    case PageProblemRole:
        return pageProblem(index.row());
    default:
        return QVariant();
    }
}

QVariant MergeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QVariant();
    if (role == Qt::TextAlignmentRole && section == FileNameColumn)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case FileNameColumn:
        return tr("Filename");
    case PagesColumn:
        return tr("Pages");
    case PasswordColumn:
        return tr("Password");
    default:
        return QVariant();
    }
}

QVariant MergeModel::toolTip(const QModelIndex &index) const
{
    const MergeItem &item = m_items.at(index.row());
    switch (index.column()) {
    case FileNameColumn:
        // The column shows the name only, cut when long: the whole path.
        if (item.rotation == 0)
            return QDir::toNativeSeparators(item.fullPath);
        return QDir::toNativeSeparators(item.fullPath) + QLatin1Char('\n')
               + tr("Every page turned %1\u00b0 clockwise").arg(item.rotation);
    case PagesColumn: {
        if (item.pageCount <= 0)
            return QVariant();
        const QString problem = pageProblem(index.row());
        if (!problem.isEmpty())
            return problem;
        if (item.pages.isEmpty())
            return tr("All %n pages. Double-click to choose pages, such as 1-3, 7, 10-.", nullptr, item.pageCount);
        return tr("%1 of %2 pages chosen. Double-click to change.").arg(chosenPageCount(index.row())).arg(item.pageCount);
    }
    default:
        return actionText(index.column());
    }
}

bool MergeModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || index.column() != PagesColumn || !index.isValid() || isFillerRow(index.row()))
        return false;
    setPages(index.row(), value.toString());
    return true;
}

Qt::ItemFlags MergeModel::flags(const QModelIndex &index) const
{
    if (!index.isValid() || isFillerRow(index.row()))
        return Qt::ItemIsDropEnabled;
    Qt::ItemFlags flags = QAbstractTableModel::flags(index) | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    if (index.column() == PagesColumn && m_items.at(index.row()).pageCount > 0)
        flags |= Qt::ItemIsEditable;
    return flags;
}

// Target-move lets the table finish an internal move without deleting the
// source row afterwards (the move already happened in dropMimeData).
Qt::DropActions MergeModel::supportedDropActions() const
{
    return Qt::CopyAction | Qt::MoveAction | Qt::TargetMoveAction;
}

QStringList MergeModel::mimeTypes() const
{
    return {QString::fromLatin1(rowMimeType)};
}

QMimeData *MergeModel::mimeData(const QModelIndexList &indexes) const
{
    QString text;
    for (const QModelIndex &index : indexes) {
        if (index.isValid())
            text += QString::number(index.row()) + QLatin1Char('|');
    }
    auto *mime = new QMimeData();
    mime->setData(QString::fromLatin1(rowMimeType), text.toUtf8());
    return mime;
}

// The dragged row lands on the dropped-on row when it moves up, and just
// above it when it moves down (the row leaves its place first). Dropping a
// row onto itself or onto the row below it changes nothing.
bool MergeModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int,
                              const QModelIndex &parent)
{
    qDebug() << Q_FUNC_INFO << "Begin drop mime data";
    if (action == Qt::IgnoreAction)
        return true;
    const QString type = QString::fromLatin1(rowMimeType);
    if (!data || !data->hasFormat(type))
        return false;
    const QString text = QString::fromUtf8(data->data(type));
    if (text.isEmpty())
        return false;

    const QStringList parts = text.split(QLatin1Char('|'), Qt::KeepEmptyParts);
    bool isNumber = false;
    const int source = parts.first().toInt(&isNumber);
    int target = parent.row();
    qDebug() << Q_FUNC_INFO << "Source row:" << source;
    qDebug() << Q_FUNC_INFO << "Drop Mime Data:" << parts;
    qDebug() << Q_FUNC_INFO << "Target row id" << target;
    qDebug() << Q_FUNC_INFO << "[SECOND_ROW]:" << row;

    if (target == -1 || (parent.model() && parent.model() != this))
        return false;
    if (isFillerRow(target) || parent.data(FillerRowRole).toBool())
        return false;
    // A payload naming no row of this list (another list's drag, a stale
    // drag after rows were removed) must never reach the list operations.
    if (!isNumber || source < 0 || source >= m_items.size())
        return false;

    if (source < target)
        --target;
    if (source == target)
        return false;
    setSorted(false);
    if (source + 1 == target) {
        swapItems(source, target);
        emit rowMoved(target);
        return true;
    }
    const int destination = target > source ? target + 1 : target;
    beginMoveRows(QModelIndex(), source, source, QModelIndex(), destination);
    m_items.move(source, target);
    endMoveRows();
    emit rowMoved(target);
    return true;
}

bool MergeModel::removeRows(int row, int count, const QModelIndex &)
{
    if (row < 0 || count < 1 || row + count > m_items.size())
        return false;
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    for (int i = 0; i < count; ++i) {
        if (row < m_items.size())
            m_items.removeAt(row);
    }
    endRemoveRows();
    return true;
}

void MergeModel::sort(int column, Qt::SortOrder order)
{
    if (column != FileNameColumn)
        return;
    // The C locale ("LANG=C") makes the collator a plain code-point compare
    // that ignores the numeric mode: English rules stand in for it then.
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English);
    QCollator collator(locale);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    beginResetModel();
    std::stable_sort(m_items.begin(), m_items.end(), [&collator, order](const MergeItem &a, const MergeItem &b) {
        const int c = collator.compare(a.fileName, b.fileName);
        return order == Qt::AscendingOrder ? c < 0 : c > 0;
    });
    endResetModel();
    setSorted(true, order);
}

void MergeModel::setSorted(bool sorted, Qt::SortOrder order)
{
    if (sorted == m_sorted && (!sorted || order == m_sortOrder))
        return;
    m_sorted = sorted;
    if (sorted)
        m_sortOrder = order;
    emit sortStateChanged();
}

int MergeModel::count() const
{
    return m_items.size();
}

bool MergeModel::isEmpty() const
{
    return m_items.isEmpty();
}

MergeItem MergeModel::item(int row) const
{
    if (row < 0 || row >= m_items.size())
        return MergeItem();
    return m_items.at(row);
}

// Besides changed(), the row's cells are announced so that any view repaints
// the new values at once.
void MergeModel::setItem(int row, const MergeItem &item)
{
    if (row < 0 || row >= m_items.size())
        return;
    m_items[row] = item;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    emit changed();
}

void MergeModel::addItems(const MergeItemList &items)
{
    if (!items.isEmpty())
        setSorted(false);
    beginResetModel();
    m_items.append(items);
    endResetModel();
    emit changed();
}

void MergeModel::removeItem(int row)
{
    beginResetModel();
    if (row >= 0 && row < m_items.size())
        m_items.removeAt(row);
    endResetModel();
    dropUnusedRepairs();
    emit changed();
}

void MergeModel::clear()
{
    if (m_items.isEmpty())
        return;
    beginResetModel();
    m_items.clear();
    endResetModel();
    dropUnusedRepairs();
    setSorted(false);
    emit changed();
}

void MergeModel::swapItems(int upper, int lower)
{
    const MergeItem upperItem = m_items.at(upper);
    const MergeItem lowerItem = m_items.at(lower);
    setItem(upper, lowerItem);
    setItem(lower, upperItem);
}

bool MergeModel::moveUp(const QModelIndex &index)
{
    const int row = index.row();
    if (row - 1 < 0 || row >= m_items.size())
        return false;
    setSorted(false);
    swapItems(row - 1, row);
    return true;
}

bool MergeModel::moveDown(const QModelIndex &index)
{
    const int row = index.row();
    if (row < 0 || row + 1 >= m_items.size())
        return false;
    setSorted(false);
    swapItems(row, row + 1);
    return true;
}

void MergeModel::setPages(int row, const QString &pages)
{
    if (row < 0 || row >= m_items.size())
        return;
    MergeItem item = m_items.at(row);
    item.pages = pages.trimmed();
    setItem(row, item);
}

void MergeModel::setRotation(int row, int degrees)
{
    if (row < 0 || row >= m_items.size())
        return;
    MergeItem item = m_items.at(row);
    item.rotation = ((degrees % 360) + 360) % 360;
    setItem(row, item);
}

void MergeModel::turn(int row, int degrees)
{
    if (row >= 0 && row < m_items.size())
        setRotation(row, m_items.at(row).rotation + degrees);
}

QString MergeModel::pageProblem(int row) const
{
    if (row < 0 || row >= m_items.size())
        return QString();
    const MergeItem &item = m_items.at(row);
    if (item.pages.isEmpty() || item.pageCount <= 0)
        return QString();
    return PageEntry::message(PageEntry::parseList(item.pages, item.pageCount));
}

int MergeModel::firstRowWithPageProblem(int skippedRow) const
{
    for (int row = 0; row < m_items.size(); ++row) {
        if (row != skippedRow && !pageProblem(row).isEmpty())
            return row;
    }
    return -1;
}

int MergeModel::chosenPageCount(int row) const
{
    if (row < 0 || row >= m_items.size())
        return 0;
    const MergeItem &item = m_items.at(row);
    if (item.pages.isEmpty() || item.pageCount <= 0)
        return item.pageCount;
    const PageEntry::Result chosen = PageEntry::parseList(item.pages, item.pageCount);
    int count = 0;
    for (const PageEntry::Range &range : chosen.ranges)
        count += range.second - range.first + 1;
    return count;
}

QList<int> MergeModel::chosenPageNumbers(int row) const
{
    QList<int> numbers;
    if (row < 0 || row >= m_items.size() || m_items.at(row).pages.isEmpty() || m_items.at(row).pageCount <= 0)
        return numbers;
    const MergeItem &item = m_items.at(row);
    for (const PageEntry::Range &range : PageEntry::parseList(item.pages, item.pageCount).ranges) {
        for (int page = range.first; page <= range.second; ++page)
            numbers << page;
    }
    return numbers;
}

int MergeModel::totalPages() const
{
    int total = 0;
    for (int row = 0; row < m_items.size(); ++row)
        total += chosenPageCount(row);
    return total;
}

void MergeModel::requestAddFiles(const QStringList &urls)
{
    emit addFiles(urls);
}

MergeItemList MergeModel::mergeableItems()
{
    MergeItemList result;
    bool skipAll = false;
    for (int row = 0; row < m_items.size(); ++row) {
        MergeItem item = m_items.at(row);
        if (!item.needsPassword()) {
            if (!item.isUnreadable())
                result.append(item);
            continue;
        }
        if (skipAll || !askForPassword(item, skipAll))
            continue;
        setItem(row, item);
        result.append(item);
    }
    return result;
}

// Asks until the user skips or gives a password that opens the document.
// True when item now holds a working password and fresh page facts.
bool MergeModel::askForPassword(MergeItem &item, bool &skipAll)
{
    if (!m_prompt)
        return false;
    for (;;) {
        QString password;
        switch (m_prompt->askPassword(item.fileName, password)) {
        case IPasswordPrompt::Answer::Closed:
            continue;
        case IPasswordPrompt::Answer::Skip:
            return false;
        case IPasswordPrompt::Answer::SkipAll:
            skipAll = true;
            return false;
        case IPasswordPrompt::Answer::Password:
            break;
        }
        switch (tryPassword(item, password)) {
        case Check::Accepted:
            return true;
        case Check::Failed:
            return false;
        case Check::Rejected:
            m_prompt->showMessage(tr("Can not open file"),
                                  tr("The password for %1 is incorrect").arg(item.fileName));
            break;
        }
    }
}

MergeTaskList MergeModel::tasks()
{
    const MergeItemList items = mergeableItems();
    MergeTaskList result;
    for (int i = 0; i < items.size(); ++i) {
        const MergeItem &item = items.at(i);
        if (item.isUnreadable() || item.needsPassword())
            continue;
        MergeTask task;
        task.fullPath = item.fullPath;
        task.hasPassword = item.hasPassword;
        task.password = item.password;
        task.hasSecurity = item.hasSecurity;
        task.pageCount = item.pageCount;
        task.pages = item.pages;
        task.rotation = item.rotation;
        task.order = i;
        result.append(task);
    }
    return result;
}

// Opens the document with the typed password. Accepted: item holds the
// working password and the facts just read. Rejected: the document still
// wants a password. Failed: it could not be read at all (gone, damaged).
MergeModel::Check MergeModel::tryPassword(MergeItem &item, const QString &password) const
{
    InformationWorker reader(m_service, item.fullPath, password);
    reader.run();
    const DocumentInformation info = reader.result();
    if (!reader.isDone())
        return Check::Failed;
    if (info.locked || (info.hasPassword && info.password.isEmpty()))
        return Check::Rejected;
    if (info.pageCount <= 0) {
        Logger::instance().log(QStringLiteral("Can not read file:%1").arg(item.fullPath), LogError);
        return Check::Failed;
    }
    item.password = info.password;
    item.hasPassword = info.hasPassword;
    item.pageCount = info.pageCount;
    item.hasSecurity = info.encrypted;
    return Check::Accepted;
}
