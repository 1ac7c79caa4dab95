// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/transfer/prefecture.h"

#include "rules/transfer/blanks.h"
#include "rules/transfer/wordlists.h"

#include <algorithm>

namespace rova::transfer
{

bool isPrefecture(const QString& text)
{
    return words::prefectures().contains(trimStandard(text));
}

bool startsWithPrefecture(const QString& text)
{
    const QString start = trimZen(text);
    return std::any_of(words::prefectures().begin(), words::prefectures().end(),
                       [&](const QString& name) { return start.startsWith(name); });
}

} // namespace rova::transfer
