// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/singleinstance.h"

#include "platform/system/activationserver.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>

#include <cerrno>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace rova
{

namespace
{
// A folder for the socket that no other user can put a socket of their own into.
QString runtimeFolder()
{
    const QByteArray dir = qgetenv("XDG_RUNTIME_DIR");
    struct stat st {
    };
    if (!dir.startsWith('/') || ::stat(dir.constData(), &st) != 0)
        return {};
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::getuid() || (st.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return {};
    return QFile::decodeName(dir);
}

// The folder's real path, the same before and after the folder is made: the part that exists is
// resolved, the names still missing are put after it as they are (making them adds no links).
// On a first start the folder is made after this copy derived its socket's name.
QString folderKey(const QString& dataFolder)
{
    QFileInfo existing(QDir::cleanPath(QFileInfo(dataFolder).absoluteFilePath()));
    QStringList missing;
    while (!existing.exists() && !existing.isRoot()) {
        missing.prepend(existing.fileName());
        existing.setFile(existing.path());
    }
    missing.prepend(existing.canonicalFilePath());
    return QDir::cleanPath(missing.join(QLatin1Char('/')));
}

QString socketPath(const QString& title, const QString& dataFolder)
{
    // The title is not ASCII and the folder may be long; a hash of both keeps the name short.
    const QString folder = folderKey(dataFolder);
    const QByteArray hash =
        QCryptographicHash::hash((title + u'\n' + folder).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    const QString name = QStringLiteral("rova-%1-%2").arg(QString::fromLatin1(hash)).arg(::getuid());
    const QString runtime = runtimeFolder();
    const QString inRuntime = runtime + QLatin1Char('/') + name;
    // A socket path must fit the address of a local socket, terminator included.
    if (!runtime.isEmpty() && QFile::encodeName(inRuntime).size() < qsizetype(sizeof(sockaddr_un::sun_path)))
        return inRuntime;
    return QDir(QDir::tempPath()).filePath(name);
}

// True when nothing lies at `path` or what lies there belongs to this user.
bool ownedOrAbsent(const QString& path)
{
    struct stat st {
    };
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return errno == ENOENT;
    return st.st_uid == ::getuid();
}

// One request; true when the running copy answered it.
bool askOnce(const QString& name, const QDeadlineTimer& deadline)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;
    socket.write(ActivationServer::request());
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    while (!socket.canReadLine() && socket.state() == QLocalSocket::ConnectedState &&
           socket.waitForReadyRead(int(deadline.remainingTime()))) {
    }
    return socket.canReadLine() && socket.readLine(64) == ActivationServer::answer();
}
} // namespace

SingleInstance::SingleInstance(const QString& title, const QString& dataFolder, QObject* parent)
    : QObject(parent), m_lock(QDir(dataFolder).filePath(QStringLiteral("rova_Yamato.lock"))),
      m_name(socketPath(title, dataFolder))
{
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Start SingleInstance::claim(int askTimeoutMs)
{
    if (!m_lock.tryLock())
        return bringExistingForward(askTimeoutMs) ? Start::HandedOver : Start::AlreadyRunning;
    if (!m_server) {
        m_server = new ActivationServer(this);
        connect(m_server, &ActivationServer::activationRequested, this, &SingleInstance::activationRequested);
    }
    // A socket of another user's in its place keeps later copies from asking this one to come
    // forward; they still do not run, so this copy runs all the same.
    if (ownedOrAbsent(m_name) && m_server->listen(m_name))
        m_lock.write(QFile::encodeName(m_name));
    return Start::Run;
}

bool SingleInstance::bringExistingForward(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    // The running copy may hold the lock a moment before it listens, or have all its connections busy.
    for (;;) {
        // Where the running copy says it listens comes first: started from the desktop menu and
        // from a terminal, the two copies may not see the same runtime folder.
        QStringList names{QFile::decodeName(m_lock.read()), m_name};
        names.removeDuplicates();
        for (const QString& name : std::as_const(names)) {
            if (!name.isEmpty() && ownedOrAbsent(name) && askOnce(name, deadline))
                return true;
        }
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
}

} // namespace rova
