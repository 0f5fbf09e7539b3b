#include "widgets/PageGridModel.h"

PageGridModel::PageGridModel(int pageCount, Mode mode, const PageParts &parts, QObject *parent)
    : QAbstractListModel(parent)
    , m_pageCount(qMax(0, pageCount))
    , m_mode(mode)
    , m_parts(parts)
    , m_pictures(pictureCacheBytes)
{
}

int PageGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_pageCount;
}

QVariant PageGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_pageCount)
        return QVariant();
    const int page = index.row() + 1;
    const bool showsParts = m_mode == CutParts || m_mode == ShowParts;
    switch (role) {
    case Qt::DisplayRole:
    case PageNumberRole:
        return page;
    case LabelRole:
        return m_labels.value(index.row());
    case PageSizeRole:
        return pageSize(page);
    case PictureRole: {
        const QImage *picture = m_pictures.object(page);
        return picture ? *picture : QImage();
    }
    case FailedRole:
        return m_failed.contains(page);
    case Qt::EditRole: {
        const int part = m_parts.partAt(page);
        return part < 0 ? QString() : m_parts.parts().at(part).name;
    }
    case PartsRole:
        return showsParts ? QVariant::fromValue(m_parts.partsAt(page)) : QVariant::fromValue(QList<int>());
    case PartStartsRole:
        return showsParts && m_parts.partAt(page) >= 0 && m_parts.partAt(page - 1) != m_parts.partAt(page);
    case PartEndsRole:
        return showsParts && m_parts.partAt(page) >= 0 && m_parts.partAt(page + 1) != m_parts.partAt(page);
    case CutAfterRole:
        return m_mode == CutParts && m_parts.hasCut(page);
    case CutBeforeRole:
        return m_mode == CutParts && m_parts.hasCut(page - 1);
    case MarkedRole:
        return m_mode == MarkPages && m_parts.isMarked(page);
    default:
        return QVariant();
    }
}

bool PageGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || m_mode != CutParts || !index.isValid())
        return false;
    const int part = m_parts.partAt(index.row() + 1);
    if (part < 0)
        return false;
    const QString name = value.toString().trimmed();
    if (m_parts.parts().at(part).name == name)
        return true;
    m_parts.setName(part, name);
    const PageParts::Part &named = m_parts.parts().at(part);
    emitPagesChanged(named.from, named.to);
    emit partsChanged();
    return true;
}

Qt::ItemFlags PageGridModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractListModel::flags(index);
    if (m_mode == CutParts && index.isValid() && m_parts.partAt(index.row() + 1) >= 0)
        flags |= Qt::ItemIsEditable;
    return flags;
}

void PageGridModel::emitPagesChanged(int first, int last)
{
    first = qBound(1, first, m_pageCount);
    last = qBound(1, last, m_pageCount);
    if (m_pageCount > 0 && first <= last)
        emit dataChanged(index(first - 1), index(last - 1));
}

void PageGridModel::setPageSizes(const QVector<QSizeF> &sizes)
{
    m_sizes = sizes;
    emitPagesChanged(1, m_pageCount);
}

void PageGridModel::setLabels(const QStringList &labels)
{
    m_labels = labels;
    emitPagesChanged(1, m_pageCount);
}

void PageGridModel::setPicture(int page, const QImage &picture)
{
    if (!isPage(page) || picture.isNull())
        return;
    m_failed.remove(page);
    m_pictures.insert(page, new QImage(picture), qMax(1, int(picture.sizeInBytes())));
    emitPagesChanged(page, page);
}

void PageGridModel::setFailed(int page)
{
    if (!isPage(page))
        return;
    m_failed.insert(page);
    emitPagesChanged(page, page);
}

QSizeF PageGridModel::pageSize(int page) const
{
    const QSizeF size = m_sizes.value(page - 1);
    return size.isEmpty() ? QSizeF(595, 842) : size;
}

bool PageGridModel::hasPicture(int page, const QSize &size) const
{
    if (m_failed.contains(page))
        return true; // tried: drawing it again would fail again
    const QImage *picture = m_pictures.object(page);
    return picture && picture->size() == size;
}

bool PageGridModel::toggleCut(int page)
{
    if (m_mode != CutParts || !m_parts.toggleCut(page))
        return false;
    // A cut renumbers every part after it: the whole list changes.
    emitPagesChanged(1, m_pageCount);
    emit partsChanged();
    return true;
}

void PageGridModel::toggleMark(int page, int anchor)
{
    if (m_mode != MarkPages || !isPage(page))
        return;
    const bool marked = !m_parts.isMarked(page);
    const int from = isPage(anchor) ? anchor : page;
    m_parts.setMarked(from, page, marked);
    emitPagesChanged(qMin(from, page), qMax(from, page));
    emit partsChanged();
}
