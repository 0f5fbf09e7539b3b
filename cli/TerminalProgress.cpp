#include "cli/TerminalProgress.h"

#include <QtGlobal>

#include <sys/ioctl.h>
#include <unistd.h>

namespace {

constexpr int barWidth = 30;
constexpr int fallbackColumns = 80;

} // namespace

TerminalProgress::TerminalProgress(FILE *stream)
    : m_stream(stream)
    , m_enabled(::isatty(::fileno(stream)) != 0)
{
}

TerminalProgress::~TerminalProgress()
{
    clear();
}

int TerminalProgress::columns() const
{
    winsize size = {};
    if (::ioctl(::fileno(m_stream), TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return fallbackColumns;
}

void TerminalProgress::show(double percent, const QString &label)
{
    if (!m_enabled)
        return;
    QString line;
    if (percent >= 0) {
        const double bounded = qBound(0.0, percent, 100.0);
        const int filled = qRound(bounded * barWidth / 100.0);
        line = QStringLiteral("[%1%2] %3% ")
                   .arg(QString(filled, QLatin1Char('=')), QString(barWidth - filled, QLatin1Char(' ')))
                   .arg(qRound(bounded), 3);
    }
    line += label;
    // One character less than the width: a full line would wrap on some terminals.
    line.truncate(qMax(0, columns() - 1));
    // "\r" back to the start, "\033[K" clears what a longer line left.
    std::fprintf(m_stream, "\r%s\033[K", line.toLocal8Bit().constData());
    std::fflush(m_stream);
    m_drawn = true;
}

void TerminalProgress::clear()
{
    if (!m_enabled || !m_drawn)
        return;
    std::fputs("\r\033[K", m_stream);
    std::fflush(m_stream);
    m_drawn = false;
}
