#pragma once

#include <QList>
#include <QString>

// One document of a merge and what of it goes into the result.
struct MergeInput
{
    QString path;
    // The pages taken, 1-based, in the order they go in (a page may come
    // more than once); empty: every page, in order.
    QList<int> pages;
    // Degrees clockwise added to the own turn of every page taken: 0, 90,
    // 180 or 270.
    int rotation = 0;

    // Every page in order, unturned: the input as a whole-file merge takes it.
    bool isWhole() const { return pages.isEmpty() && rotation % 360 == 0; }
};
