#pragma once

#include <QString>

// Sink for the progress of long-running work: a range, a value, a status
// text, and cancel and pause marks that the working code polls.
// Implementations accept calls from any thread. The interface holds no state.
class IProgress
{
public:
    virtual ~IProgress() = default;

    virtual void setMinimum(int minimum) = 0;
    virtual void setMaximum(int maximum) = 0;
    virtual void setValue(int value) = 0;
    virtual void setText(const QString &text) = 0;
    virtual void cancel() = 0;
    // Clears the cancelled and paused marks (displays also reset their bar).
    virtual void reset() = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    virtual bool isCanceled() = 0;
    virtual bool isPaused() = 0;
};
