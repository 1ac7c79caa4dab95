// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/instancelock.h"

#include "rules/errors.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rova
{

namespace
{
[[noreturn]] void fail(const QString& reason, const QString& path)
{
    throw FileError(reason, QFileInfo(path).absoluteFilePath());
}

// Why the opened file cannot serve as the lock, or nothing.
QString unfitness(int fd)
{
    struct stat st {
    };
    if (::fstat(fd, &st) != 0)
        return errtext::fromErrno(errno);
    if (st.st_uid != ::getuid())
        return QStringLiteral("別のユーザーのファイルです");
    if (!S_ISREG(st.st_mode))
        return errtext::fromErrno(EACCES);
    // Others may not even open it, so none can hold it.
    if ((st.st_mode & 077) != 0 && ::fchmod(fd, 0600) != 0)
        return errtext::fromErrno(errno);
    return {};
}
} // namespace

InstanceLock::InstanceLock(QString path) : m_path(std::move(path)) {}

InstanceLock::~InstanceLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool InstanceLock::tryLock()
{
    if (m_fd < 0) {
        const int fd =
            ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0)
            fail(errtext::fromErrno(errno), m_path);
        const QString problem = unfitness(fd);
        if (!problem.isEmpty()) {
            ::close(fd);
            fail(problem, m_path);
        }
        m_fd = fd;
    }
    while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK)
            return false;
        if (errno != EINTR)
            fail(errtext::fromErrno(errno), m_path);
    }
    m_held = true;
    return true;
}

void InstanceLock::write(const QByteArray& note)
{
    if (m_fd < 0 || !m_held)
        return;
    if (::ftruncate(m_fd, 0) != 0 || ::pwrite(m_fd, note.constData(), size_t(note.size()), 0) != note.size())
        (void)::ftruncate(m_fd, 0);
}

QByteArray InstanceLock::read() const
{
    int fd = m_fd;
    if (fd < 0) {
        fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        struct stat st {
        };
        // A note in a file of someone else's could send this copy's request anywhere.
        if (fd >= 0 && (::fstat(fd, &st) != 0 || st.st_uid != ::getuid() || !S_ISREG(st.st_mode))) {
            ::close(fd);
            return {};
        }
    }
    if (fd < 0)
        return {};
    QByteArray note(4096, Qt::Uninitialized);
    const ssize_t n = ::pread(fd, note.data(), size_t(note.size()), 0);
    if (fd != m_fd)
        ::close(fd);
    return n > 0 ? note.left(n) : QByteArray();
}

} // namespace rova
