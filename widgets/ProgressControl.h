#pragma once

#include "merge/IProgress.h"

#include <QFrame>
#include <QMutex>

class ProgressBar;
class QLabel;
class QPushButton;

// A status text, a progress bar and a stop button that show the progress of
// work running on any thread. The setters may be called from any thread:
// each posts its widget change to the GUI thread and returns at once; the
// changes arrive in the order of the calls. The cancel and pause marks are
// guarded by a lock and read by the working code.
class ProgressControl : public QFrame, public IProgress
{
    Q_OBJECT
public:
    explicit ProgressControl(QWidget *parent = nullptr);

    void setMinimum(int minimum) override;
    void setMaximum(int maximum) override;
    void setValue(int value) override;
    void setText(const QString &text) override;
    void cancel() override;
    // Clears both marks before returning; the bar goes back to 0 of 0..100
    // on the GUI thread, ahead of any later setter call.
    void reset() override;
    void pause() override;
    void resume() override;
    bool isCanceled() override;
    bool isPaused() override;

    // Shows the pause button when false, hides it when true.
    void setPauseHidden(bool hidden);

    ProgressBar *bar() const { return m_bar; }
    QString text() const;

signals:
    // The stop button was clicked (after the cancelled mark was set).
    void canceled();

public slots:
    void onButtonCancel();
    void onButtonPause();

private:
    ProgressBar *m_bar;
    QPushButton *m_stop;
    QPushButton *m_pause;
    QLabel *m_status;
    QLabel *m_secondLeft;
    QLabel *m_secondRight;
    QMutex m_lock;
    bool m_canceled = false;
    bool m_paused = false;
};
