#pragma once

#include "pdf/PagePictureLoader.h"

#include <QList>
#include <QString>

class QWidget;

// "Choose pages from pictures…" on a merge-list row: the page grid shows the
// row's file with the pages the merge leaves out marked, and a click marks
// or unmarks a page (Shift+click: a run of pages). Accepted, the pages not
// marked become the row's page choice, in page order.
class MergePagesChooser
{
public:
    MergePagesChooser(PagePictureLoader::RendererFactory renderers, PagePictureLoader::LabelReader labels);

    // Shows the grid modally over parent for path (pageCount pages, opened
    // with password), starting from chosen (the row's pages, 1-based; empty:
    // every page). True, with *pages holding the new choice as typed text
    // ("" for every page), when the grid was accepted with other marks and
    // keeps at least one page.
    bool choose(QWidget *parent, const QString &path, const QString &password, int pageCount,
                const QList<int> &chosen, QString *pages) const;

    // The pages of 1..pageCount that leftOut (ascending, no repeats) does
    // not hold, as ranges: "1-3, 7, 10-12"; "" when none is left out. Costs
    // O(pageCount).
    static QString choiceText(int pageCount, const QList<int> &leftOut);

private:
    PagePictureLoader::RendererFactory m_renderers;
    PagePictureLoader::LabelReader m_labels;
};
