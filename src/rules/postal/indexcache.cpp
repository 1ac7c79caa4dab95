// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/postal/indexcache.h"

#include "rules/files/checksum.h"
#include "rules/files/mappedfile.h"

#include <QDataStream>
#include <QIODevice>

#include <cstring>
#include <optional>
#include <span>

namespace rova::postal
{

namespace
{

constexpr quint32 kMagic = 0x524F5A50; // "ROZP"
// Raised whenever the layout, Record, the key rules or the tables change, so an older cache is rebuilt.
constexpr quint32 kFormat = 3;
// The tables are stored in the machine's byte order; this value read back wrong means another one.
constexpr quint32 kByteOrderMark = 0x01020304;
constexpr size_t kAlignment = 8; // each table starts at a multiple of this, as its type wants

// Where a table lies in the file: its first byte and how many items it holds.
struct Section {
    quint64 offset = 0;
    quint64 count = 0;
};

// The file's start; the stamps of the lists follow it (`stampBytes`), then the tables, then the
// checksum of everything before it.
struct Header {
    quint32 magic = kMagic;
    quint32 format = kFormat;
    quint32 byteOrderMark = kByteOrderMark;
    quint32 stampBytes = 0;
    Section text;
    Section records;
    Section byKey;
    Section counties;
};
static_assert(std::has_unique_object_representations_v<Header>);

QDataStream& operator<<(QDataStream& out, const FileStamp& s)
{
    return out << s.path << s.size << s.modified;
}

QDataStream& operator>>(QDataStream& in, FileStamp& s)
{
    return in >> s.path >> s.size >> s.modified;
}

void appendRaw(QByteArray& bytes, const void* data, size_t size)
{
    bytes.append(static_cast<const char*>(data), qsizetype(size));
}

template <typename T> Section appendTable(QByteArray& bytes, const T* items, size_t count)
{
    bytes.append(qsizetype((kAlignment - size_t(bytes.size()) % kAlignment) % kAlignment), '\0');
    const Section at{quint64(bytes.size()), count};
    appendRaw(bytes, items, count * sizeof(T));
    return at;
}

quint64 checksumOf(std::span<const uchar> bytes)
{
    fileio::Checksum sum;
    sum.add(bytes);
    return sum.value();
}

// The table a section names, when it lies whole within the file's first `end` bytes.
template <typename T>
std::optional<std::span<const T>> tableAt(std::span<const uchar> file, size_t end, const Section& s)
{
    if (s.offset % alignof(T) != 0 || s.offset > end || s.count > (end - s.offset) / sizeof(T))
        return std::nullopt;
    return std::span(reinterpret_cast<const T*>(file.data() + s.offset), size_t(s.count));
}

bool stampsMatch(std::span<const uchar> stamps, const FileStamp& towns, const FileStamp& offices)
{
    QDataStream in(
        QByteArray::fromRawData(reinterpret_cast<const char*>(stamps.data()), qsizetype(stamps.size())));
    FileStamp cachedTowns;
    FileStamp cachedOffices;
    in >> cachedTowns >> cachedOffices;
    return in.status() == QDataStream::Ok && cachedTowns == towns && cachedOffices == offices;
}

bool checksumHolds(const fileio::MappedFile& file, size_t contentEnd)
{
    fileio::Checksum sum;
    if (!file.readStart(contentEnd, [&](std::span<const uchar> part) { sum.add(part); }))
        return false;
    quint64 stored = 0;
    std::memcpy(&stored, file.bytes().data() + contentEnd, sizeof stored);
    return stored == sum.value();
}

} // namespace

QByteArray cacheBytes(const IndexTables& tables, const FileStamp& towns, const FileStamp& offices)
{
    QByteArray stamps;
    QDataStream out(&stamps, QIODevice::WriteOnly);
    out << towns << offices;
    Header header;
    header.stampBytes = quint32(stamps.size());
    QByteArray bytes(sizeof header, '\0');
    bytes += stamps;
    header.text = appendTable(bytes, tables.text.constData(), size_t(tables.text.size()));
    header.records = appendTable(bytes, tables.records.data(), tables.records.size());
    header.byKey = appendTable(bytes, tables.byKey.data(), tables.byKey.size());
    header.counties = appendTable(bytes, tables.counties.data(), tables.counties.size());
    std::memcpy(bytes.data(), &header, sizeof header);
    const quint64 sum =
        checksumOf(std::span(reinterpret_cast<const uchar*>(bytes.constData()), size_t(bytes.size())));
    appendRaw(bytes, &sum, sizeof sum);
    return bytes;
}

std::shared_ptr<const Index> mappedIndex(const QString& cache, const FileStamp& towns,
                                         const FileStamp& offices)
{
    const std::shared_ptr<const fileio::MappedFile> file = fileio::MappedFile::open(cache);
    if (!file)
        return nullptr;
    const std::span<const uchar> bytes = file->bytes();
    Header header;
    if (bytes.size() < sizeof header + sizeof(quint64))
        return nullptr;
    std::memcpy(&header, bytes.data(), sizeof header);
    const size_t contentEnd = bytes.size() - sizeof(quint64);
    if (header.magic != kMagic || header.format != kFormat || header.byteOrderMark != kByteOrderMark ||
        header.stampBytes > contentEnd - sizeof header ||
        !stampsMatch(bytes.subspan(sizeof header, header.stampBytes), towns, offices))
        return nullptr;
    const auto text = tableAt<QChar>(bytes, contentEnd, header.text);
    const auto records = tableAt<Record>(bytes, contentEnd, header.records);
    const auto byKey = tableAt<quint32>(bytes, contentEnd, header.byKey);
    const auto counties = tableAt<quint32>(bytes, contentEnd, header.counties);
    if (!text || !records || !byKey || !counties || !checksumHolds(*file, contentEnd))
        return nullptr;
    const IndexData data{QStringView(text->data(), qsizetype(text->size())), *records, *byKey, *counties};
    return std::make_shared<const Index>(data, file);
}

} // namespace rova::postal
