#include "merge/NullProgress.h"

#include "app/Logger.h"

void NullProgress::setMinimum(int minimum)
{
    m_minimum = minimum;
}

void NullProgress::setMaximum(int maximum)
{
    m_maximum = maximum;
}

int NullProgress::percentage(int value, int minimum, int maximum)
{
    if (maximum == minimum)
        return 0;
    // Measured from the start of the range, so a range 1..n ends at 100%.
    return int((qint64(value) - minimum) * 100 / (qint64(maximum) - minimum));
}

void NullProgress::setValue(int value)
{
    m_value = value;
    Logger::instance().log(QStringLiteral("Progress: %1%").arg(percentage(value, m_minimum, m_maximum)),
                           LogDebug);
}

void NullProgress::setText(const QString &text)
{
    Logger::instance().log(text, LogDebug);
}

void NullProgress::cancel()
{
    m_cancelled = true;
}

void NullProgress::reset()
{
    m_cancelled = false;
    m_paused = false;
}

void NullProgress::pause()
{
    m_paused = true;
}

void NullProgress::resume()
{
    m_paused = false;
}

bool NullProgress::isCanceled()
{
    return m_cancelled;
}

bool NullProgress::isPaused()
{
    return m_paused;
}
