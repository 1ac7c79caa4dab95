// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/activationserver.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace rova
{

QByteArray ActivationServer::request()
{
    return QByteArrayLiteral("activate\n");
}

QByteArray ActivationServer::answer()
{
    return QByteArrayLiteral("ok\n");
}

ActivationServer::ActivationServer(QObject* parent) : QObject(parent), m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = m_server->nextPendingConnection())
            serve(peer);
    });
    // A failed accept (no descriptors left, say) makes the server close its socket; it is opened again
    // so that later copies still find this one.
    auto* watch = new QTimer(this);
    connect(watch, &QTimer::timeout, this, &ActivationServer::relistenIfClosed);
    watch->start(2000);
}

bool ActivationServer::listen(const QString& name)
{
    m_name = name;
    QLocalServer::removeServer(name);
    return m_server->listen(name);
}

void ActivationServer::relistenIfClosed()
{
    if (!m_name.isEmpty() && !m_server->isListening())
        listen(m_name);
}

void ActivationServer::serve(QLocalSocket* peer)
{
    if (m_connections >= kMaxConnections) {
        peer->abort();
        peer->deleteLater();
        return;
    }
    ++m_connections;
    connect(peer, &QObject::destroyed, this, [this] { --m_connections; });
    connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
    peer->setReadBufferSize(kMaxMessageBytes);
    auto* idle = new QTimer(peer);
    idle->setSingleShot(true);
    connect(idle, &QTimer::timeout, peer, [peer] {
        peer->abort();
        peer->deleteLater();
    });
    idle->start(kIdleMs);
    connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
        if (!peer->canReadLine()) {
            if (peer->bytesAvailable() >= kMaxMessageBytes) {
                peer->abort(); // longer than any request
                peer->deleteLater();
            }
            return;
        }
        if (peer->readLine(kMaxMessageBytes + 1) == request()) {
            peer->write(answer());
            peer->flush();
            emit activationRequested();
        }
        peer->disconnectFromServer();
    });
}

} // namespace rova
