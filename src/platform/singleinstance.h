#pragma once
// Keeps one copy of the program per user. The first copy listens on a local socket that only this
// user can reach; a later copy asks it to come forward and then ends.

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace rova {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `title` names the program; the socket name is derived from it and the user id.
    explicit SingleInstance(const QString& title, QObject* parent = nullptr);
    ~SingleInstance() override;

    QString serverName() const { return m_name; }

    // Asks a running copy to come forward. True when one is running: it took the connection and
    // the request (its acknowledgement is awaited for at most `timeoutMs`).
    bool bringExistingForward(int timeoutMs = 3000);

    // Starts answering later copies. A socket left behind by a copy that died is taken over.
    // False only when the socket cannot be created at all.
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
