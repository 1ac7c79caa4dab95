// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/files/mappedfile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace rova::fileio
{

std::shared_ptr<const MappedFile> MappedFile::open(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return nullptr;
    struct stat info {
    };
    void* at = MAP_FAILED;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0)
        at = ::mmap(nullptr, size_t(info.st_size), PROT_READ, MAP_SHARED, fd, 0);
    if (at == MAP_FAILED) {
        ::close(fd);
        return nullptr;
    }
    return std::shared_ptr<const MappedFile>(
        new MappedFile(fd, static_cast<const uchar*>(at), size_t(info.st_size)));
}

MappedFile::~MappedFile()
{
    ::munmap(const_cast<uchar*>(m_bytes), m_size);
    ::close(m_fd);
}

bool MappedFile::readStart(size_t length, const std::function<void(std::span<const uchar>)>& part) const
{
    std::vector<uchar> buffer(size_t(1) << 16);
    for (size_t done = 0; done < length;) {
        const size_t want = std::min(length - done, buffer.size());
        const ssize_t n = ::pread(m_fd, buffer.data(), want, off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        part(std::span(buffer.data(), size_t(n)));
        done += size_t(n);
    }
    return true;
}

} // namespace rova::fileio
