#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

// One row of the merge list: a PDF file with what is known about it.
struct MergeItem
{
    MergeItem();

    QString id;          // fresh UUID text (with braces); neither shown nor sent
    QString fullPath;
    QString fileName;
    QString password;    // the open password known to work; empty when none
    qint32 pageCount = 0;
    bool hasPassword = false;
    bool hasSecurity = false;
    // The pages to merge as typed in the Pages cell ("1-3, 7, 10-"); empty: all.
    QString pages;
    // Degrees clockwise added to every page's own turn: 0, 90, 180 or 270.
    int rotation = 0;

    // Protected by an open password that is not known yet.
    bool needsPassword() const { return hasPassword && password.isEmpty(); }
    bool isUnreadable() const { return pageCount == 0; }
};

using MergeItemList = QList<MergeItem>;

Q_DECLARE_METATYPE(MergeItem)
Q_DECLARE_METATYPE(MergeItemList)
