#include "rules/fileio.h"

#include "rules/errors.h"

#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rova::fileio
{

namespace
{
[[noreturn]] void fail(int err)
{
    throw Error(errtext::fromErrno(err));
}

// Closes the descriptor and removes the temporary file unless the rename took it over.
class TempFile
{
public:
    explicit TempFile(QByteArray pattern) : m_path(std::move(pattern))
    {
        m_fd = ::mkstemp(m_path.data());
        if (m_fd < 0)
            fail(errno);
    }
    ~TempFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_committed)
            ::unlink(m_path.constData());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    void write(const QByteArray& bytes)
    {
        const char* p = bytes.constData();
        qsizetype left = bytes.size();
        while (left > 0) {
            const ssize_t n = ::write(m_fd, p, size_t(left));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                fail(errno);
            }
            p += n;
            left -= n;
        }
        if (::fsync(m_fd) != 0)
            fail(errno);
    }
    void renameTo(const QByteArray& target, mode_t mode)
    {
        if (::fchmod(m_fd, mode) != 0)
            fail(errno);
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0)
            fail(errno);
        if (::rename(m_path.constData(), target.constData()) != 0)
            fail(errno);
        m_committed = true;
    }

private:
    QByteArray m_path;
    int m_fd = -1;
    bool m_committed = false;
};

// The file a path finally names, following symbolic links (a relative one from the folder it lies
// in), so that replacing the file keeps the links that lead to it.
QByteArray resolveLinks(QByteArray path)
{
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st {
        };
        if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        QByteArray target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.constData(), target.data(), size_t(target.size()));
        if (n < 0)
            fail(errno);
        target.truncate(n);
        if (!target.startsWith('/'))
            target.prepend(path.left(path.lastIndexOf('/') + 1));
        path = target;
    }
    fail(ELOOP);
}
} // namespace

QByteArray readAll(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        fail(errno);
    QByteArray out;
    char buf[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int err = errno;
            ::close(fd);
            fail(err);
        }
        if (n == 0)
            break;
        out.append(buf, n);
    }
    ::close(fd);
    return out;
}

void writeAtomically(const QString& path, const QByteArray& bytes)
{
    const QByteArray target = resolveLinks(QFile::encodeName(QFileInfo(path).absoluteFilePath()));
    // Keep the permissions of a file that is replaced; a new one gets the usual 0666 less umask.
    mode_t mode = 0666;
    struct stat st {
    };
    if (::stat(target.constData(), &st) == 0) {
        mode = st.st_mode & 07777;
        // Renaming would replace a file that may not be written, wherever the folder allows it. A
        // file nobody may write to stays as it is even for the superuser, like a read-only file.
        if (::access(target.constData(), W_OK) != 0)
            fail(errno);
        if ((mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            fail(EACCES);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    TempFile tmp(target + ".XXXXXX");
    tmp.write(bytes);
    tmp.renameTo(target, mode);
}

} // namespace rova::fileio
