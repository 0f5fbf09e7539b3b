#include "widgets/BaseFrame.h"

#include "app/FileUtils.h"

#include <QDragEnterEvent>
#include <QDropEvent>

BaseFrame::BaseFrame(QWidget *parent, Qt::WindowFlags flags)
    : QFrame(parent, flags)
{
    setAcceptDrops(true);
}

void BaseFrame::dragEnterEvent(QDragEnterEvent *event)
{
    if (!FileUtils::pdfFilesFromMimeData(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void BaseFrame::dragMoveEvent(QDragMoveEvent *event)
{
    event->acceptProposedAction();
}

void BaseFrame::dragLeaveEvent(QDragLeaveEvent *event)
{
    event->accept();
}

void BaseFrame::dropEvent(QDropEvent *event)
{
    const QStringList files = FileUtils::pdfFilesFromMimeData(event->mimeData());
    if (!files.isEmpty())
        emit droppedFiles(files);
}
