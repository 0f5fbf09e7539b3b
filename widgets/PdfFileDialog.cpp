#include "widgets/PdfFileDialog.h"

QString PdfFileDialog::filter()
{
    // Name filters compare case-sensitively on Linux; the bracket sets make
    // "*.pdf" match every spelling of the extension.
    return tr("PDF files") + QStringLiteral(" (*.[pP][dD][fF])");
}

QFileDialog::Options PdfFileDialog::options()
{
    return QFileDialog::HideNameFilterDetails;
}

QStringList PdfFileDialog::getOpenFileNames(QWidget *parent, const QString &caption, const QString &folder)
{
    return QFileDialog::getOpenFileNames(parent, caption, folder, filter(), nullptr, options());
}

QString PdfFileDialog::getOpenFileName(QWidget *parent, const QString &caption, const QString &folder)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter(), nullptr, options());
}
