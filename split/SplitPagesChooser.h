#pragma once

#include "pdf/PagePictureLoader.h"
#include "split/PageParts.h"
#include "widgets/PageGridModel.h"

class QWidget;
class Split;

// "Choose pages…" on the split screen: opens the page grid for the split
// controller's document in the mode the screen shows, and writes what was
// chosen back into the controller's page lists, so that the range list and
// the grid stay two views of the same ranges. By page ranges the grid cuts
// and names parts; without certain pages it marks pages; the other modes
// show the files the split will write (groups, single pages, bookmarks) or
// just the pages (by size).
class SplitPagesChooser
{
public:
    SplitPagesChooser(Split *split, PagePictureLoader::RendererFactory renderers,
                      PagePictureLoader::LabelReader labels);

    // Shows the grid modally over parent for mode (a SplitView mode id);
    // groupSize and startFrom are the groups mode's values. True when the
    // grid was accepted with other parts or marks than it started from,
    // which are then in the page lists.
    bool choose(QWidget *parent, int mode, int groupSize, int startFrom);

    // What the grid lets the user do in a split mode.
    static PageGridModel::Mode gridMode(int splitMode);
    // The parts (or marks) the grid starts from in a split mode.
    PageParts startingParts(int splitMode, int groupSize, int startFrom) const;

private:
    void writeBack(PageGridModel::Mode mode, const PageParts &parts);

    Split *m_split;
    PagePictureLoader::RendererFactory m_renderers;
    PagePictureLoader::LabelReader m_labels;
};
