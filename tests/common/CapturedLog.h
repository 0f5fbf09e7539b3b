#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// Every message of qDebug() and friends while one lives, from any thread
// (the worker's trace lines, the log echoed to the debug output). Warnings
// and worse still reach the handler it replaced, so a test's output keeps
// them; debug lines are only kept. One at a time: the handler is the
// process's.
class CapturedLog
{
public:
    CapturedLog() { state().previous = qInstallMessageHandler(&CapturedLog::collect); }
    ~CapturedLog() { qInstallMessageHandler(state().previous); }
    CapturedLog(const CapturedLog &) = delete;
    CapturedLog &operator=(const CapturedLog &) = delete;

    QStringList lines() const
    {
        QMutexLocker lock(&state().mutex);
        return state().lines;
    }
    // The lines so far, which are then forgotten.
    QStringList take()
    {
        QMutexLocker lock(&state().mutex);
        QStringList lines;
        lines.swap(state().lines);
        return lines;
    }
    void clear() { take(); }
    QStringList containing(const QString &text) const { return lines().filter(text); }

private:
    struct State {
        QMutex mutex;
        QStringList lines;
        QtMessageHandler previous = nullptr;
    };
    static State &state()
    {
        static State shared;
        return shared;
    }
    static void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        {
            QMutexLocker lock(&state().mutex);
            state().lines.append(message);
        }
        if (type != QtDebugMsg && state().previous)
            state().previous(type, context, message);
    }
};
