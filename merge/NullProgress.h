#pragma once

#include "merge/IProgress.h"

#include <atomic>

// The progress sink that shows nothing: it keeps the range, value and marks
// and writes values and texts to the program log (DEBUG). Thread-safe.
class NullProgress : public IProgress
{
public:
    NullProgress() = default;

    void setMinimum(int minimum) override;
    void setMaximum(int maximum) override;
    // Logs "Progress: <p>%", p the share of the range reached (0 for an empty range).
    void setValue(int value) override;
    // Logs the text itself.
    void setText(const QString &text) override;
    void cancel() override;
    void reset() override;
    void pause() override;
    void resume() override;
    bool isCanceled() override;
    bool isPaused() override;

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int value() const { return m_value; }
    // The percentage setValue logs for value within [minimum, maximum].
    static int percentage(int value, int minimum, int maximum);

private:
    std::atomic<int> m_minimum{0};
    std::atomic<int> m_maximum{0};
    std::atomic<int> m_value{0};
    std::atomic<bool> m_cancelled{false};
    std::atomic<bool> m_paused{false};
};
