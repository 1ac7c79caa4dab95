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
    return true;
}

} // namespace rova
