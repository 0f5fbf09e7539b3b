#pragma once

#include "widgets/FramelessDialog.h"

#include <QStringList>

class Button;
class QLabel;
class QListWidget;

// Shown when a merge has finished: "OK" or "OPEN FOLDER". When the merge had
// to leave files out, it says so and lists them.
class MessageMerge : public FramelessDialog
{
    Q_OBJECT
public:
    explicit MessageMerge(QWidget *parent = nullptr);
    // leftOut: the inputs that are not in the merged file (full paths).
    MessageMerge(const QStringList &leftOut, QWidget *parent);

    // True when the user chose "OPEN FOLDER"; closing with the window bar
    // counts as "OK".
    bool openFolderRequested() const { return m_openFolder; }

    // The inputs left out (full paths) and, when given, why each was (one
    // phrase per file, shown beside its name; the path is its tooltip).
    void setLeftOutFiles(const QStringList &files, const QStringList &reasons = QStringList());
    // A paragraph under the text (hidden when empty): the name the merged
    // file was saved under when its own was taken.
    void setNote(const QString &note);
    QStringList leftOutFiles() const { return m_leftOut; }
    QString text() const;

public slots:
    void onOk();
    void onOpen();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    bool m_openFolder = false;
    QStringList m_leftOut;
    QLabel *m_text;
    QLabel *m_note;
    QLabel *m_leftOutCaption;
    QListWidget *m_leftOutList;
    Button *m_ok;
    Button *m_open;
};
