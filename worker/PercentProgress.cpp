#include "worker/PercentProgress.h"

#include "app/StopRequest.h"

#include <QByteArray>
#include <cmath>

PercentProgress::PercentProgress(FILE *out)
    : m_out(out)
{
}

void PercentProgress::setMinimum(int minimum)
{
    m_minimum = minimum;
}

void PercentProgress::setMaximum(int maximum)
{
    m_maximum = maximum;
}

void PercentProgress::setValue(int value)
{
    m_value = value;
    report();
}

void PercentProgress::setText(const QString &)
{
}

void PercentProgress::cancel()
{
    m_canceled = true;
}

void PercentProgress::reset()
{
    m_minimum = m_maximum = m_value = 0;
    m_canceled = m_paused = false;
}

void PercentProgress::pause()
{
    m_paused = true;
}

void PercentProgress::resume()
{
    m_paused = false;
}

bool PercentProgress::isCanceled()
{
    return m_canceled || StopRequest::isSet();
}

bool PercentProgress::isPaused()
{
    return m_paused;
}

double PercentProgress::percentage() const
{
    if (m_maximum <= m_minimum)
        return 0;
    const double share = (double(m_value) - m_minimum) / (double(m_maximum) - m_minimum);
    return std::round(qBound(0.0, share, 1.0) * 1000.0) / 10.0;
}

void PercentProgress::report()
{
    const double value = percentage();
    if (value != m_lastWritten)
        writeLine(value);
}

void PercentProgress::reportDone()
{
    writeLine(100);
}

void PercentProgress::writeLine(double value)
{
    m_lastWritten = value;
    const QByteArray line = QByteArray::number(value, 'g', 4) + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), m_out);
    std::fflush(m_out);
}
