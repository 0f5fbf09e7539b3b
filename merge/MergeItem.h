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

    // Protected by an open password that is not known yet.
    bool needsPassword() const { return hasPassword && password.isEmpty(); }
    bool isUnreadable() const { return pageCount == 0; }
};

using MergeItemList = QList<MergeItem>;

Q_DECLARE_METATYPE(MergeItem)
Q_DECLARE_METATYPE(MergeItemList)
