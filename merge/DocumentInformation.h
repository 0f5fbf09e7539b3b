#pragma once

#include <QImage>
#include <QMetaType>
#include <QPixmap>
#include <QString>

// What reading one document yields.
struct DocumentInformation
{
    QString path;
    QString title;
    bool hasPassword = false;          // protected by an open password
    bool encrypted = false;
    QString password;                  // the password that opened it; empty if none or refused
    qint32 pageCount = 0;              // 0 when not opened
    QPixmap preview;                   // page 1 when asked for, in a GUI application's main thread
    QImage previewImage;               // page 1 when asked for, on any thread
    bool locked = false;               // found, but the password is missing or wrong
    bool unreadable = false;           // missing, damaged or not a PDF: no password would help
    bool contentCopyPermitted = false;
};

Q_DECLARE_METATYPE(DocumentInformation)
