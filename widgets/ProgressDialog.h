#pragma once

#include "widgets/FramelessDialog.h"

class IProgress;
class ProgressControl;

// The small frameless "Add files" dialog around a ProgressControl, shown
// while newly added files are read. Its close button and Escape set the
// cancelled mark; the owner hides it when the work ends.
class ProgressDialog : public FramelessDialog
{
    Q_OBJECT
public:
    explicit ProgressDialog(QWidget *parent = nullptr);

    // The control's progress interface, for the working code (any thread).
    IProgress *progress() const;
    ProgressControl *control() const { return m_control; }

public slots:
    // Sets the cancelled mark; the dialog stays open.
    void onCloseWindow();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    ProgressControl *m_control;
};
