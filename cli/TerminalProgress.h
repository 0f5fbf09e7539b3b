#pragma once

#include <QString>

#include <cstdio>

// A one-line progress bar on a terminal: "[=====     ]  48%  label",
// redrawn in place. On anything but a terminal it writes nothing, so that
// logs and pipes stay clean.
class TerminalProgress
{
public:
    // Draws on stream when it is a terminal.
    explicit TerminalProgress(FILE *stream = stderr);
    ~TerminalProgress();
    TerminalProgress(const TerminalProgress &) = delete;
    TerminalProgress &operator=(const TerminalProgress &) = delete;

    bool isShown() const { return m_enabled; }
    // percent below 0 draws no bar, only the label (work of unknown length).
    void show(double percent, const QString &label);
    // Removes the line, so that the next message starts on a clean one.
    void clear();

private:
    int columns() const;

    FILE *m_stream;
    bool m_enabled;
    bool m_drawn = false;
};
