#pragma once

#include "widgets/FramelessDialog.h"

class Button;
class QLabel;

// Shown when a split has finished: "OK", "OPEN" (the output folder) or
// "MERGE RESULTS" (hand the produced files to the merge screen).
class MessageSplit : public FramelessDialog
{
    Q_OBJECT
public:
    enum Choice { ChoiceOk = 0, ChoiceOpen = 1, ChoiceMerge = 2 };

    explicit MessageSplit(int fileCount, QWidget *parent = nullptr);

    // A second paragraph under the count (hidden when empty).
    void setNote(const QString &note);

    // What the user chose; closing with the window bar counts as "OK".
    int choice() const { return m_choice; }

public slots:
    void onOk();
    void onOpen();
    void onMerge();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    int m_fileCount;
    int m_choice = ChoiceOk;
    QLabel *m_text;
    QLabel *m_note;
    Button *m_ok;
    Button *m_open;
    Button *m_merge;
};
