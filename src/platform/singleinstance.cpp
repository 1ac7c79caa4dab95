#include "platform/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace rova
{

namespace
{
const QByteArray kRequest = "activate\n";
const QByteArray kAnswer = "ok\n";

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

QString pathFor(const QString& title)
{
    // The title is not ASCII; a hash of it keeps the socket name portable.
    const QByteArray hash =
        QCryptographicHash::hash(title.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
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

// Held while a copy looks for a running one and takes the socket, so two copies starting at the
// same moment cannot both find the name free and both listen. A lock file of another user's is not
// used: it could be held for ever.
class StartLock
{
public:
    explicit StartLock(const QString& path)
    {
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        struct stat st {
        };
        if (m_fd >= 0 && (::fstat(m_fd, &st) != 0 || st.st_uid != ::getuid())) {
            ::close(m_fd);
            m_fd = -1;
        }
        while (m_fd >= 0 && ::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    ~StartLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    StartLock(const StartLock&) = delete;
    StartLock& operator=(const StartLock&) = delete;

private:
    int m_fd = -1;
};
} // namespace

SingleInstance::SingleInstance(const QString& title, QObject* parent)
    : QObject(parent), m_name(pathFor(title))
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim()
{
    if (bringExistingForward())
        return false;
    if (listen())
        return true;
    // Another copy took the socket after the first look: it is the one that runs.
    return !bringExistingForward();
}

bool SingleInstance::bringExistingForward(int timeoutMs)
{
    if (!ownedOrAbsent(m_name))
        return false;
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
    const StartLock lock(m_name + QStringLiteral(".lock"));
    if (!ownedOrAbsent(m_name))
        return false;
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
