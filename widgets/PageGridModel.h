#pragma once

#include "split/PageParts.h"

#include <QAbstractListModel>
#include <QCache>
#include <QImage>
#include <QSet>
#include <QSizeF>
#include <QStringList>
#include <QVector>

// The page grid's list: one row per page, in reading order. It holds what
// the grid shows of each page (size, label, picture when drawn, failure) and
// the parts and marks being edited (PageParts). Pictures are kept in a
// cache bounded in bytes (pictureCacheBytes), so memory does not grow with
// the page count; a page whose picture was dropped is drawn again when it
// is wanted. Interface thread only.
class PageGridModel : public QAbstractListModel
{
    Q_OBJECT
public:
    // What the grid lets the user do.
    enum Mode {
        CutParts,   // cut between pages and name the parts (split by page ranges)
        MarkPages,  // mark pages to leave out (split without certain pages)
        ShowParts,  // show the parts a split will write, unchanged
        ShowPages   // pages only
    };
    enum Role {
        PageNumberRole = Qt::UserRole + 1, // int, 1-based
        LabelRole,                         // QString, "" without a label
        PageSizeRole,                      // QSizeF in points; empty until read
        PictureRole,                       // QImage, null until drawn
        FailedRole,                        // bool: the page could not be drawn
        PartsRole,                         // QList<int>: parts holding the page
        PartStartsRole,                    // bool: the first page of its part
        PartEndsRole,                      // bool: the last page of its part
        CutAfterRole,                      // bool: a cut follows this page
        CutBeforeRole,                     // bool: a cut precedes this page
        MarkedRole                         // bool: marked to be left out
    };
    // Pictures kept at most, in bytes.
    static constexpr int pictureCacheBytes = 64 * 1024 * 1024;

    PageGridModel(int pageCount, Mode mode, const PageParts &parts, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    // Qt::EditRole names the part of the page at index (CutParts only).
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    Mode mode() const { return m_mode; }
    const PageParts &parts() const { return m_parts; }

    void setPageSizes(const QVector<QSizeF> &sizes);
    void setLabels(const QStringList &labels);
    void setPicture(int page, const QImage &picture);
    void setFailed(int page);
    // The page's size in points; A4 until the sizes are read.
    QSizeF pageSize(int page) const;
    // Whether a picture of exactly this size is held for page.
    bool hasPicture(int page, const QSize &size) const;

    // Cuts after page, or removes the cut (CutParts only); true when it did.
    bool toggleCut(int page);
    // Marks page, or unmarks it (MarkPages only); with run, every page
    // from anchor to page takes page's new state.
    void toggleMark(int page, int anchor = 0);

signals:
    // Parts or marks changed (for the dialog's summary).
    void partsChanged();

private:
    bool isPage(int page) const { return page >= 1 && page <= m_pageCount; }
    void emitPagesChanged(int first, int last);

    int m_pageCount;
    Mode m_mode;
    PageParts m_parts;
    QVector<QSizeF> m_sizes;
    QStringList m_labels;
    QCache<int, QImage> m_pictures;
    QSet<int> m_failed;
};
