#pragma once

#include "merge/IProgress.h"

#include <QString>
#include <cstdio>

// The worker's progress sink: turns the engine's minimum, maximum and value
// into percentage lines ("0", "33.3", "100") on an output stream, one line
// per change, flushed at once so the launcher sees them live. Nothing else
// may be written to that stream.
class PercentProgress : public IProgress
{
public:
    explicit PercentProgress(FILE *out = stdout);

    void setMinimum(int minimum) override;
    void setMaximum(int maximum) override;
    void setValue(int value) override;
    void setText(const QString &text) override;
    void cancel() override;
    void reset() override;
    void pause() override;
    void resume() override;
    // True after cancel() or once the process was asked to stop
    // (StopRequest, set by SIGTERM).
    bool isCanceled() override;
    bool isPaused() override;

    // Percentage for the current settings: 0 when the range is empty
    // (indeterminate), else clamped to 0 .. 100, one decimal.
    double percentage() const;
    // Writes a line for the percentage unless it equals the last one written.
    void report();
    // Writes "100": the run is over.
    void reportDone();

private:
    void writeLine(double value);

    FILE *m_out;
    int m_minimum = 0;
    int m_maximum = 0;
    int m_value = 0;
    bool m_canceled = false;
    bool m_paused = false;
    double m_lastWritten = -1;
};
