// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The running copy's local socket, on which later copies ask it to come forward. It is this user's
// only, and bounded against a misbehaving client: a few connections at once, a short message, a few
// idle seconds; whatever a connection does, the server keeps listening.

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace rova
{

class ActivationServer : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxConnections = 4;
    static constexpr qint64 kMaxMessageBytes = 64;
    static constexpr int kIdleMs = 3000;

    static QByteArray request(); // "activate\n"
    static QByteArray answer();  // "ok\n"

    explicit ActivationServer(QObject* parent = nullptr);

    // Listens on `name`, replacing a socket left there by a copy that died. The caller holds the
    // lock that makes it the running copy, so no live copy can be listening there.
    bool listen(const QString& name);

signals:
    void activationRequested();

private:
    void serve(QLocalSocket* peer);
    void relistenIfClosed();

    QLocalServer* m_server;
    QString m_name;
    int m_connections = 0;
};

} // namespace rova
