// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The built tables kept in a file of the data folder, laid out so that later starts use the file
// where it lies: mapped read-only, the tables at offsets in it, so only the pages a look-up touches
// become resident and a second process shares them.

#include "rules/postal/index.h"
#include "rules/postal/sources.h"

#include <QByteArray>

#include <memory>

namespace rova::postal
{

// The tables as the cache file's bytes, marked with the files they were built from and closed by a
// checksum over all that goes before it.
QByteArray cacheBytes(const IndexTables& tables, const FileStamp& towns, const FileStamp& offices);

// The index of a cache file written by this format for exactly these files; null when the file is
// missing, the files changed since, the format differs, or the checksum or a table's bounds say
// the bytes are damaged.
std::shared_ptr<const Index> mappedIndex(const QString& cache, const FileStamp& towns,
                                         const FileStamp& offices);

} // namespace rova::postal
