#include "split/SplitPagesChooser.h"

#include "split/PageRanges.h"
#include "split/Split.h"
#include "split/SplitView.h"
#include "widgets/PageGridDialog.h"

#include <QDebug>

SplitPagesChooser::SplitPagesChooser(Split *split, PagePictureLoader::RendererFactory renderers,
                                     PagePictureLoader::LabelReader labels)
    : m_split(split)
    , m_renderers(std::move(renderers))
    , m_labels(std::move(labels))
{
}

PageGridModel::Mode SplitPagesChooser::gridMode(int splitMode)
{
    switch (splitMode) {
    case SplitView::ModeRanges:
        return PageGridModel::CutParts;
    case SplitView::ModeRemovePages:
        return PageGridModel::MarkPages;
    case SplitView::ModeSinglePages:
    case SplitView::ModeGroups:
    case SplitView::ModeBookmarks:
        return PageGridModel::ShowParts;
    default:
        return PageGridModel::ShowPages;
    }
}

PageParts SplitPagesChooser::startingParts(int splitMode, int groupSize, int startFrom) const
{
    const int pageCount = m_split->pageCount();
    PageParts parts(pageCount);
    switch (splitMode) {
    case SplitView::ModeRanges: {
        const QList<PageParts::Range> ranges = m_split->pageRanges()->ranges();
        QStringList names;
        for (const PageParts::Range &range : ranges)
            names.append(m_split->pageRanges()->name(range));
        parts.setRanges(ranges, names);
        break;
    }
    case SplitView::ModeRemovePages:
        parts.setMarks(m_split->certainPages()->ranges());
        break;
    case SplitView::ModeSinglePages:
        parts.setRanges(Split::groupRanges(1, 1, pageCount));
        break;
    case SplitView::ModeGroups:
        parts.setRanges(Split::groupRanges(startFrom, groupSize, pageCount));
        break;
    case SplitView::ModeBookmarks: {
        QList<PageParts::Range> ranges;
        QStringList names;
        for (const BookmarkParts::Part &part : m_split->bookmarkParts()) {
            ranges.append(qMakePair(part.from, part.to));
            names.append(part.name);
        }
        parts.setRanges(ranges, names);
        break;
    }
    default:
        break;
    }
    return parts;
}

bool SplitPagesChooser::choose(QWidget *parent, int mode, int groupSize, int startFrom)
{
    if (!m_split->isLoaded())
        return false;
    const PageGridModel::Mode gridMode = SplitPagesChooser::gridMode(mode);
    const PageParts start = startingParts(mode, groupSize, startFrom);
    PageGridDialog dialog(m_renderers, m_labels, PageGridDialog::defaultThreads(), parent);
    dialog.setDocument(m_split->fileName(), m_split->password(), m_split->pageCount(), gridMode, start);
    // Another document (or none) on the screen: the grid's pages are gone.
    QObject::connect(m_split, &Split::clean, &dialog, &PageGridDialog::closeDocument);
    QObject::connect(m_split, &Split::loadFinished, &dialog, &PageGridDialog::closeDocument);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const PageParts &chosen = dialog.parts();
    // Cut and joined again, or marked and unmarked: nothing to write.
    if (chosen.parts() == start.parts() && chosen.marks() == start.marks())
        return false;
    writeBack(gridMode, chosen);
    return true;
}

void SplitPagesChooser::writeBack(PageGridModel::Mode mode, const PageParts &parts)
{
    qDebug() << Q_FUNC_INFO << "parts" << parts.parts().size() << "marks" << parts.markCount();
    if (mode == PageGridModel::CutParts)
        m_split->pageRanges()->replace(parts.ranges(), parts.names());
    else if (mode == PageGridModel::MarkPages)
        m_split->certainPages()->replace(parts.marks(), {});
}
