#pragma once
// The built tables kept in a file of the data folder, so that later starts skip the building.

#include "rules/postal/indexdata.h"
#include "rules/postal/sources.h"

#include <QByteArray>

#include <optional>

namespace rova::postal
{

// The tables as the cache file's bytes, marked with the files they were built from.
QByteArray cacheBytes(const IndexData& data, const FileStamp& towns, const FileStamp& offices);

// The tables of a cache file written by this format for exactly these files; nothing when the files
// changed since, the format differs or the bytes are damaged.
std::optional<IndexData> fromCacheBytes(const QByteArray& bytes, const FileStamp& towns,
                                        const FileStamp& offices);

} // namespace rova::postal
