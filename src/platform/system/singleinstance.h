// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps one copy of the program per data folder. The copy that holds an exclusive lock on a file in
// that folder runs; no other user can make or hold that file. The running copy listens on a local
// socket of this user's only to hear later copies ask it to come forward.

#include "platform/system/instancelock.h"

#include <QObject>
#include <QString>

namespace rova
{

class ActivationServer;

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // `title` names the program; the lock lies in `dataFolder`, the socket's name is derived from
    // both and from the user id.
    SingleInstance(const QString& title, const QString& dataFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // "rova_Yamato.lock" in the data folder.
    QString lockPath() const { return m_lock.path(); }
    // Full path of the socket: in the user's runtime folder ($XDG_RUNTIME_DIR) when it is a folder of
    // this user's that nobody else may write to, otherwise in the temporary folder.
    QString serverName() const { return m_name; }

    enum class Start {
        Run,           // this copy holds the lock and listens (or runs unasked when it cannot)
        HandedOver,    // the running copy was asked to come forward; this one ends
        AlreadyRunning // another copy holds the lock but could not be asked; this one ends
    };
    // The start-up check; a running copy is asked for up to `askTimeoutMs`. Raises rova::FileError
    // naming the lock file when it cannot be made or held.
    Start claim(int askTimeoutMs = 5000);

    // Asks a running copy to come forward, trying again for up to `timeoutMs` while it is starting to
    // listen or busy with other connections. True once it answered. A socket of another user in the
    // socket's place is never asked.
    bool bringExistingForward(int timeoutMs = 5000);

signals:
    // A later copy asked this one to come forward.
    void activationRequested();

private:
    InstanceLock m_lock;
    QString m_name;
    ActivationServer* m_server = nullptr;
};

} // namespace rova
