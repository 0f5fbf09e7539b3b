#pragma once

#include <QFrame>
#include <QStringList>

// A frame that takes drops of local PDF files anywhere on it.
class BaseFrame : public QFrame
{
    Q_OBJECT
public:
    explicit BaseFrame(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

signals:
    // One or more existing local PDF files were dropped; never empty.
    void droppedFiles(const QStringList &files);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};
