#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

// One window per user and display: the first start listens on a local
// socket, and a later start hands its files (and the reasons others were
// left out) to that window instead of opening a second one on top of it.
//
// The hand-over is a three-step exchange, so that files never open twice
// and never get lost: the new start sends them, the running window answers
// "ready" once its event loop is free, and the new start confirms with "go"
// before it ends. A window that does not answer in time (busy, hung) gets
// no "go" and drops the files; the new start then opens its own window. A
// socket left by a window that crashed is found dead and replaced.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // socketPath: where to listen; empty: no hand-over at all.
    explicit SingleInstance(const QString &socketPath, QObject *parent = nullptr);
    ~SingleInstance() override;

    // The socket of this user and display: in $XDG_RUNTIME_DIR/sheafwright,
    // or beside the cache folder; empty when neither is usable.
    static QString defaultSocketPath();

    // Hands files and problems to the window listening on socketPath; true
    // when it took them. Waits at most timeoutMs for its answer.
    static bool handOver(const QString &socketPath, const QStringList &files, const QStringList &problems,
                         int timeoutMs);

    // Starts listening. False when another window already listens (or no
    // socket can be made): then this one does not take hand-overs.
    bool listen();
    bool isListening() const;

signals:
    // A later start handed these over (either list may be empty: a start
    // without files asks the window to come to the front).
    void received(const QStringList &files, const QStringList &problems);

private:
    void onNewConnection();
    void onReadyRead(QLocalSocket *socket);
    // Whether a window answers on the socket now.
    bool someoneListens() const;

    QString m_socketPath;
    QLocalServer *m_server = nullptr;
    // Per connection: the files and problems it sent, until it says "go".
    struct Pending {
        QByteArray buffer;
        bool announced = false;
        QStringList files;
        QStringList problems;
    };
    QHash<QLocalSocket *, Pending> m_pending;
};
