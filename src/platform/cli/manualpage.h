// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Japanese manual page, written from the tables --help prints, so the two say the same.

#include <QString>

namespace rova::cli
{

// The whole page in roff (man macros), for the given version and release date (YYYY-MM-DD).
QString japaneseManualPage(const QString& version, const QString& date);

} // namespace rova::cli
