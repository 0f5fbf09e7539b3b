#include "shell/SingleInstance.h"

#include "app/AppSettings.h"
#include "app/FileUtils.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>

namespace {

const QByteArray readyLine = "ready\n";
const QByteArray goLine = "go\n";
// A hand-over is a few paths; anything far larger is not one of ours.
const int maxMessageBytes = 4 * 1024 * 1024;
// Unix socket paths are limited to 107 bytes.
const int maxSocketPathBytes = 100;

QJsonArray toArray(const QStringList &list)
{
    QJsonArray array;
    for (const QString &item : list)
        array.append(item);
    return array;
}

QStringList toList(const QJsonValue &value)
{
    QStringList list;
    for (const QJsonValue &item : value.toArray())
        if (item.isString())
            list << item.toString();
    return list;
}

// The display the window shows on, so that each display has its own window.
QString displaySuffix()
{
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");
    display.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
    return display.isEmpty() ? QString() : QLatin1Char('-') + display;
}

// Reads up to the next line break, waiting at most until the deadline.
QByteArray readLine(QLocalSocket &socket, const QElapsedTimer &clock, int timeoutMs)
{
    while (!socket.canReadLine()) {
        const int left = timeoutMs - int(clock.elapsed());
        if (left <= 0 || !socket.waitForReadyRead(left))
            return QByteArray();
    }
    return socket.readLine();
}

} // namespace

SingleInstance::SingleInstance(const QString &socketPath, QObject *parent)
    : QObject(parent)
    , m_socketPath(socketPath)
{
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();   // removes the socket file
}

QString SingleInstance::defaultSocketPath()
{
    QString folder;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && QFileInfo(runtime).isDir())
        folder = runtime + QLatin1Char('/') + QLatin1String(AppSettings::folderName);
    else if (const QString cache = FileUtils::cacheDirectory(); !cache.isEmpty())
        folder = QFileInfo(cache).absolutePath();
    if (folder.isEmpty() || !FileUtils::ensurePrivateDirectory(folder))
        return QString();
    const QString path = folder + QStringLiteral("/instance") + displaySuffix();
    return QFile::encodeName(path).size() <= maxSocketPathBytes ? path : QString();
}

bool SingleInstance::handOver(const QString &socketPath, const QStringList &files, const QStringList &problems,
                              int timeoutMs)
{
    if (socketPath.isEmpty())
        return false;
    QElapsedTimer clock;
    clock.start();
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    const QJsonObject message{{QStringLiteral("files"), toArray(files)},
                              {QStringLiteral("problems"), toArray(problems)}};
    socket.write(QJsonDocument(message).toJson(QJsonDocument::Compact) + '\n');
    if (!socket.waitForBytesWritten(timeoutMs) || readLine(socket, clock, timeoutMs) != readyLine)
        return false;
    socket.write(goLine);
    if (!socket.waitForBytesWritten(qMax(1, timeoutMs - int(clock.elapsed()))))
        return false;
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::someoneListens() const
{
    QLocalSocket probe;
    probe.connectToServer(m_socketPath);
    return probe.waitForConnected(1000);
}

bool SingleInstance::listen()
{
    if (m_socketPath.isEmpty())
        return false;
    if (!m_server) {
        // No socket options: with them the toolkit renames its socket over an
        // existing one, taking it from a live window. The folder is the
        // user's own (0700) instead.
        m_server = new QLocalServer(this);
        connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    }
    if (m_server->listen(m_socketPath))
        return true;
    if (m_server->serverError() != QAbstractSocket::AddressInUseError || someoneListens())
        return false;
    // The socket of a window that is gone.
    QLocalServer::removeServer(m_socketPath);
    return m_server->listen(m_socketPath);
}

bool SingleInstance::isListening() const
{
    return m_server && m_server->isListening();
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        m_pending.insert(socket, Pending());
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            // Files never confirmed with "go" are dropped: their sender has
            // given up and opened a window of its own.
            m_pending.remove(socket);
            socket->deleteLater();
        });
    }
}

void SingleInstance::onReadyRead(QLocalSocket *socket)
{
    auto found = m_pending.find(socket);
    if (found == m_pending.end())
        return;
    Pending &pending = found.value();
    pending.buffer += socket->readAll();
    if (pending.buffer.size() > maxMessageBytes) {
        socket->abort();
        return;
    }
    if (!pending.announced) {
        const int end = pending.buffer.indexOf('\n');
        if (end < 0)
            return;
        const QJsonObject message = QJsonDocument::fromJson(pending.buffer.left(end)).object();
        pending.buffer.remove(0, end + 1);
        pending.files = toList(message.value(QStringLiteral("files")));
        pending.problems = toList(message.value(QStringLiteral("problems")));
        pending.announced = true;
        socket->write(readyLine);
    }
    if (pending.buffer.startsWith(goLine)) {
        const QStringList files = pending.files;
        const QStringList problems = pending.problems;
        m_pending.erase(found);
        socket->disconnectFromServer();
        qDebug() << Q_FUNC_INFO << "files handed over:" << files.size();
        emit received(files, problems);
    }
}
