#include "rules/postal/indexcache.h"

#include <QDataStream>
#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace rova::postal
{

namespace
{

constexpr quint32 kMagic = 0x524F5A50; // "ROZP"
// Raised whenever Record, the key rules or the tables change, so an older cache is rebuilt.
constexpr quint32 kFormat = 2;
// The arrays are stored in the machine's byte order; this value read back wrong means another one.
constexpr quint32 kByteOrderMark = 0x01020304;

QDataStream& operator<<(QDataStream& out, const FileStamp& s)
{
    return out << s.path << s.size << s.modified;
}

QDataStream& operator>>(QDataStream& in, FileStamp& s)
{
    return in >> s.path >> s.size >> s.modified;
}

template <typename T> void writeArray(QDataStream& out, const T* items, qsizetype count)
{
    out << quint64(count);
    out.writeRawData(reinterpret_cast<const char*>(items), int(count * qsizetype(sizeof(T))));
}

template <typename T> bool readArray(QDataStream& in, std::vector<T>& items)
{
    quint64 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok || count > quint64(in.device()->bytesAvailable()) / sizeof(T))
        return false;
    items.resize(count);
    const auto bytes = int(count * sizeof(T));
    return in.readRawData(reinterpret_cast<char*>(items.data()), bytes) == bytes;
}

bool readText(QDataStream& in, QString& text)
{
    quint64 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok || count > quint64(in.device()->bytesAvailable()) / 2)
        return false;
    text.resize(qsizetype(count));
    const auto bytes = int(count * 2);
    return in.readRawData(reinterpret_cast<char*>(text.data()), bytes) == bytes;
}

bool withinText(const IndexData& d, quint32 at, quint16 length)
{
    return quint64(at) + length <= quint64(d.text.size());
}

// Every offset and index within its table, and the tables in their order: a damaged file must not
// give wrong answers, nor read past an array.
bool isWhole(const IndexData& d)
{
    for (const Record& r : d.records) {
        if (!withinText(d, r.address, r.addressLength) || !withinText(d, r.office, r.officeLength) ||
            !withinText(d, r.key, r.keyLength) || r.cityLength > r.keyLength ||
            r.countyLength > r.cityLength || r.prefecture < -1 || r.prefecture >= 47)
            return false;
    }
    const auto inRange = [&](quint32 i) { return i < d.records.size(); };
    if (!std::ranges::all_of(d.byKey, inRange) || !std::ranges::all_of(d.counties, inRange))
        return false;
    const auto keyOf = [&](quint32 i) { return d.key(d.records[i]); };
    return std::ranges::is_sorted(d.records, {}, &Record::code) && std::ranges::is_sorted(d.byKey, {}, keyOf);
}

} // namespace

QByteArray cacheBytes(const IndexData& data, const FileStamp& towns, const FileStamp& offices)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << kMagic << kFormat << towns << offices;
    out.writeRawData(reinterpret_cast<const char*>(&kByteOrderMark), sizeof kByteOrderMark);
    writeArray(out, data.text.utf16(), data.text.size());
    writeArray(out, data.records.data(), qsizetype(data.records.size()));
    writeArray(out, data.byKey.data(), qsizetype(data.byKey.size()));
    writeArray(out, data.counties.data(), qsizetype(data.counties.size()));
    return bytes;
}

std::optional<IndexData> fromCacheBytes(const QByteArray& bytes, const FileStamp& towns,
                                        const FileStamp& offices)
{
    QDataStream in(bytes);
    quint32 magic = 0;
    quint32 format = 0;
    FileStamp cachedTowns;
    FileStamp cachedOffices;
    in >> magic >> format >> cachedTowns >> cachedOffices;
    if (in.status() != QDataStream::Ok || magic != kMagic || format != kFormat || cachedTowns != towns ||
        cachedOffices != offices)
        return std::nullopt;
    quint32 mark = 0;
    if (in.readRawData(reinterpret_cast<char*>(&mark), sizeof mark) != sizeof mark || mark != kByteOrderMark)
        return std::nullopt;
    IndexData data;
    if (!readText(in, data.text) || !readArray(in, data.records) || !readArray(in, data.byKey) ||
        !readArray(in, data.counties) || !in.atEnd() || !isWhole(data))
        return std::nullopt;
    return data;
}

} // namespace rova::postal
