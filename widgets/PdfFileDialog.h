#pragma once

#include <QCoreApplication>
#include <QFileDialog>
#include <QString>
#include <QStringList>

class QWidget;

// The open-file dialog for PDF files, shared by every "add" button. Its
// filter matches the extension in any letter case ("Report.PDF" too), as a
// drop does; the filter's patterns stay out of sight.
class PdfFileDialog
{
    Q_DECLARE_TR_FUNCTIONS(PdfFileDialog)
public:
    // The name filter handed to the dialog.
    static QString filter();
    static QFileDialog::Options options();

    // Modal; the chosen files, or an empty list when the dialog was cancelled.
    static QStringList getOpenFileNames(QWidget *parent, const QString &caption, const QString &folder);
    static QString getOpenFileName(QWidget *parent, const QString &caption, const QString &folder);
};
