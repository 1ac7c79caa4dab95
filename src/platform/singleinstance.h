#pragma once
// Keeps one copy of the program per user. The first copy listens on a local socket that only this
// user can reach; a later copy asks it to come forward and then ends.

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace rova
{

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // `title` names the program; the socket name is derived from it and the user id.
    explicit SingleInstance(const QString& title, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Full path of the socket: in the user's runtime folder ($XDG_RUNTIME_DIR) when it is a folder of
    // this user's that nobody else may write to, otherwise in the temporary folder.
    QString serverName() const { return m_name; }

    // The start-up check. False when a running copy was asked to come forward, also one that took the
    // socket while this copy was starting; this copy then ends. True when this copy is to run: it now
    // listens, or no socket could be made and it runs unchecked rather than not at all.
    bool claim();

    // Asks a running copy to come forward. True when one is running: it took the connection and
    // the request (its acknowledgement is awaited for at most `timeoutMs`). A socket of another user
    // in the socket's place is never asked.
    bool bringExistingForward(int timeoutMs = 3000);

    // Starts answering later copies. A socket left behind by a copy that died is taken over.
    // False when a copy answers on the socket, or when the socket cannot be created.
    bool listen();

signals:
    // A later copy asked this one to come forward.
    void activationRequested();

private:
    void serve(QLocalSocket* peer);

    QString m_name;
    QLocalServer* m_server = nullptr;
};

} // namespace rova
