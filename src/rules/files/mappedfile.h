// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file used where it lies: mapped read-only, so that only the pages read become resident and
// other processes mapping the same file share them.

#include <QString>

#include <functional>
#include <memory>
#include <span>

namespace rova::fileio
{

class MappedFile
{
public:
    // Nothing when the file cannot be opened or mapped, or is empty: the caller goes without it.
    static std::shared_ptr<const MappedFile> open(const QString& path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    std::span<const uchar> bytes() const { return {m_bytes, m_size}; }

    // Hands the file's first `length` bytes to `part` in order, read through a small buffer rather
    // than the mapping, so that checking the whole file leaves none of it resident. False when
    // reading fails.
    bool readStart(size_t length, const std::function<void(std::span<const uchar>)>& part) const;

private:
    MappedFile(int fd, const uchar* bytes, size_t size) : m_fd(fd), m_bytes(bytes), m_size(size) {}

    int m_fd = -1; // kept open so that the hash reads the very file that is mapped
    const uchar* m_bytes = nullptr;
    size_t m_size = 0;
};

} // namespace rova::fileio
