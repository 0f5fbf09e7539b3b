#pragma once

#include <QObject>

class QSocketNotifier;

// Ctrl-C, a closed terminal or a polite kill (SIGINT, SIGHUP, SIGTERM) as a
// signal of the event loop, so that a command asks its worker to stop and
// still reports what was written whole, instead of dying with the worker's
// session folder (and the passwords of its request) left behind. Also keeps
// a closed output pipe (SIGPIPE) from ending the process: writes to it fail
// instead. One instance per process; install() before the first prompt, so
// that an interrupted prompt returns instead of leaving the terminal silent.
class InterruptNotifier : public QObject
{
    Q_OBJECT
public:
    explicit InterruptNotifier(QObject *parent = nullptr);
    ~InterruptNotifier() override;

    // Takes over the signals; false when the notification pipe could not be
    // made (the signals then keep their defaults).
    bool install();
    // A signal has arrived since install().
    static bool wasInterrupted();

signals:
    // Once control is back in the event loop after a signal.
    void interrupted();

private:
    void onReadable();

    QSocketNotifier *m_notifier = nullptr;
};
