#include "singleinstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace rova {

namespace {
const QByteArray kRequest = "activate\n";
const QByteArray kAnswer = "ok\n";

QString nameFor(const QString& title)
{
    // The title is not ASCII; a hash of it keeps the socket name portable.
    const QByteArray hash = QCryptographicHash::hash(title.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("rova-%1-%2").arg(QString::fromLatin1(hash)).arg(::getuid());
}
} // namespace

SingleInstance::SingleInstance(const QString& title, QObject* parent) : QObject(parent), m_name(nameFor(title)) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::bringExistingForward(int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kRequest);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    // A copy busy with a print job answers late; the request is queued for it all the same.
    while (!socket.canReadLine() && socket.waitForReadyRead(timeoutMs)) {
    }
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen()
{
    if (!m_server) {
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* peer = m_server->nextPendingConnection())
                serve(peer);
        });
    }
    if (m_server->isListening())
        return true;
    // Listening with access options renames the new socket over any old one, so a running copy
    // would lose its name silently: look first. A socket nobody answers on is stale.
    QLocalSocket probe;
    probe.connectToServer(m_name);
    if (probe.waitForConnected(1000))
        return false;
    QLocalServer::removeServer(m_name);
    return m_server->listen(m_name);
}

void SingleInstance::serve(QLocalSocket* peer)
{
    connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
    connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
        if (!peer->canReadLine())
            return;
        const QByteArray line = peer->readLine();
        if (line == kRequest) {
            peer->write(kAnswer);
            peer->flush();
            emit activationRequested();
        }
        peer->disconnectFromServer();
    });
}

} // namespace rova
