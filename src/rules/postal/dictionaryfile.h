// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lines of the two dictionary files: a seven-digit code, a blank, then "/"-separated entries.
// A town entry is "prefecture city town"; an office entry is "name @ address". Lines starting with
// ";" are comments.

#include <QStringView>

#include <functional>

namespace rova::postal
{

enum class ListKind { Towns, Offices };

struct Entry {
    int code = 0;
    QStringView address;
    QStringView office; // empty for a town
};

// Calls `take` for every entry, in the order of the text. Lines that do not start with seven digits
// and a blank, empty entries, office entries without " @ " and entries holding a character that
// could not be read (U+FFFD) are passed over. A ";" inside an entry starts a note, which is dropped.
void forEachEntry(QStringView text, ListKind kind, const std::function<void(const Entry&)>& take);

} // namespace rova::postal
