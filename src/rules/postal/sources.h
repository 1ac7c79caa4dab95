// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the postal dictionary is read from, and what identifies one version of its files.

#include <QString>

namespace rova::postal
{

// The variable naming a folder with a newer list; a command-line option goes before it.
inline constexpr char kFolderVariable[] = "ROVA_ZIPCODE_DIR";
inline constexpr char kDefaultFolder[] = "/usr/share/skk";
inline constexpr char kTownFile[] = "SKK-JISYO.zipcode";
inline constexpr char kOfficeFile[] = "SKK-JISYO.office.zipcode";
inline constexpr char kCacheFile[] = "postal-index.cache";

struct Sources {
    QString towns;   // required
    QString offices; // read when it is there
    QString cache;   // empty: no cache
};

// The folder given on the command line, else the one in the environment variable, else the default;
// `cacheFolder` (the data folder) holds the cache, none when empty.
Sources locateSources(const QString& optionFolder, const QString& variableFolder, const QString& cacheFolder);

// Size and modification time of one file; a missing file has size -1.
struct FileStamp {
    QString path;
    qint64 size = -1;
    qint64 modified = 0; // milliseconds since the epoch
    bool operator==(const FileStamp&) const = default;
};
FileStamp stampOf(const QString& path);

} // namespace rova::postal
