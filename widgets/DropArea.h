#pragma once

#include <QFrame>
#include <QStringList>

class QLabel;
class QPushButton;

// The empty-state panel that takes PDF files: a large add button that opens
// the open-file dialog, the captions "Add file" and "or drag & drop", and
// drops of files from the desktop.
class DropArea : public QFrame
{
    Q_OBJECT
public:
    explicit DropArea(QWidget *parent = nullptr);

    // false: one file per action (droppedFile); true: any number (droppedFiles).
    bool multiSelect = false;

    // The folder the open-file dialog starts in: the remembered one, or the
    // desktop folder.
    static QString startFolder();

signals:
    void droppedFile(const QString &file);
    void droppedFiles(const QStringList &fileList);

public slots:
    // Runs the open-file dialog; remembers the folder of the chosen file and
    // reports the choice. A cancelled dialog changes nothing.
    void buttonAdd();

protected:
    // Asks the user for files (one, or several with multiSelect); empty when
    // cancelled.
    virtual QStringList chooseFiles(const QString &caption, const QString &folder,
                                    const QString &filter);

    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    // Emits droppedFiles, or droppedFile with the first path; nothing for none.
    void report(const QStringList &files);

    QPushButton *m_add;
    QLabel *m_bigLabel;
    QLabel *m_smallLabel;
};
