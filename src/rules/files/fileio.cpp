// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/files/fileio.h"

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
std::function<void()>& beforeReplaceHook()
{
    static std::function<void()> hook;
    return hook;
}

// Raises the error for `path` as the operator knows it: its full name.
[[noreturn]] void fail(int err, const QString& path)
{
    throw FileError(errtext::fromErrno(err), QFileInfo(path).absoluteFilePath());
}

// A file opened for reading; only plain files are read, so that a folder, a pipe or a device
// cannot block the program or feed it without end.
class Reader
{
public:
    explicit Reader(const QString& path) : m_path(path)
    {
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
        if (m_fd < 0)
            fail(errno, path);
        struct stat st {
        };
        if (::fstat(m_fd, &st) != 0)
            fail(errno, path);
        if (!S_ISREG(st.st_mode))
            fail(S_ISDIR(st.st_mode) ? EISDIR : EACCES, path);
        m_size = st.st_size;
    }
    ~Reader() { ::close(m_fd); }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    qsizetype size() const { return m_size; }

    // Appends up to `max` bytes; 0 at the end of the file.
    qsizetype readInto(QByteArray& out, qsizetype max)
    {
        const qsizetype at = out.size();
        out.resize(at + max);
        ssize_t n;
        do {
            n = ::read(m_fd, out.data() + at, size_t(max));
        } while (n < 0 && errno == EINTR);
        if (n < 0)
            fail(errno, m_path);
        out.resize(at + n);
        return n;
    }

private:
    QString m_path;
    int m_fd = -1;
    qsizetype m_size = 0;
};

// Closes the descriptor and removes the temporary file unless the rename took it over.
class TempFile
{
public:
    TempFile(QByteArray pattern, const QString& path) : m_path(std::move(pattern)), m_target(path)
    {
        m_fd = ::mkstemp(m_path.data());
        if (m_fd < 0)
            fail(errno, path);
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

    void write(QByteArrayView bytes)
    {
        const char* p = bytes.data();
        qsizetype left = bytes.size();
        while (left > 0) {
            const ssize_t n = ::write(m_fd, p, size_t(left));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                fail(errno, m_target);
            }
            p += n;
            left -= n;
        }
    }
    void renameTo(const QByteArray& target, mode_t mode)
    {
        if (::fsync(m_fd) != 0 || ::fchmod(m_fd, mode) != 0)
            fail(errno, m_target);
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0)
            fail(errno, m_target);
        if (beforeReplaceHook())
            beforeReplaceHook()();
        if (::rename(m_path.constData(), target.constData()) != 0)
            fail(errno, m_target);
        m_committed = true;
    }

private:
    QByteArray m_path;
    QString m_target;
    int m_fd = -1;
    bool m_committed = false;
};

// The file a path finally names, following symbolic links (a relative one from the folder it lies
// in), so that replacing the file keeps the links that lead to it.
QByteArray resolveLinks(QByteArray path, const QString& named)
{
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st {
        };
        if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        QByteArray target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.constData(), target.data(), size_t(target.size()));
        if (n < 0)
            fail(errno, named);
        target.truncate(n);
        if (!target.startsWith('/'))
            target.prepend(path.left(path.lastIndexOf('/') + 1));
        path = target;
    }
    fail(ELOOP, named);
}
} // namespace

QByteArray readAll(const QString& path, qsizetype maxBytes)
{
    Reader file(path);
    if (file.size() > maxBytes)
        throw FileError(errtext::fileTooLarge(), QFileInfo(path).absoluteFilePath());
    QByteArray out;
    // One allocation of the size the file has, plus one byte to see that it did not grow.
    out.reserve(file.size() + 1);
    for (;;) {
        const qsizetype room = out.capacity() - out.size();
        if (file.readInto(out, room > 0 ? room : 8192) == 0)
            break;
        if (out.size() > maxBytes)
            throw FileError(errtext::fileTooLarge(), QFileInfo(path).absoluteFilePath());
    }
    return out;
}

QByteArray readLines(const QString& path, int lines, qsizetype maxBytes)
{
    Reader file(path);
    QByteArray out;
    qsizetype scanned = 0;
    int found = 0;
    while (found < lines) {
        if (out.size() > maxBytes)
            throw FileError(errtext::linesTooLong(), QFileInfo(path).absoluteFilePath());
        if (file.readInto(out, 4096) == 0)
            return out;
        for (qsizetype lf = out.indexOf('\n', scanned); lf >= 0; lf = out.indexOf('\n', lf + 1)) {
            if (++found == lines) {
                out.truncate(lf + 1);
                break;
            }
        }
        scanned = out.size();
    }
    if (out.size() > maxBytes)
        throw FileError(errtext::linesTooLong(), QFileInfo(path).absoluteFilePath());
    return out;
}

void writeAtomically(const QString& path, const QByteArray& bytes)
{
    writeAtomically(path, QList<QByteArrayView>{bytes});
}

void writeAtomically(const QString& path, const QList<QByteArrayView>& parts)
{
    const QByteArray target = resolveLinks(QFile::encodeName(QFileInfo(path).absoluteFilePath()), path);
    // Keep the permissions of a file that is replaced; a new one gets the usual 0666 less umask.
    mode_t mode = 0666;
    struct stat st {
    };
    if (::stat(target.constData(), &st) == 0) {
        mode = st.st_mode & 07777;
        // Renaming would replace a file that may not be written, wherever the folder allows it. A
        // file nobody may write to stays as it is even for the superuser, like a read-only file.
        if (::access(target.constData(), W_OK) != 0)
            fail(errno, path);
        if ((mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            fail(EACCES, path);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    TempFile tmp(target + ".XXXXXX", path);
    for (const QByteArrayView part : parts)
        tmp.write(part);
    tmp.renameTo(target, mode);
}

void setBeforeReplaceHook(std::function<void()> hook)
{
    beforeReplaceHook() = std::move(hook);
}

} // namespace rova::fileio
