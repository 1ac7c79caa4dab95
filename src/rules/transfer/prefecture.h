// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rova::transfer
{

// True when the trimmed text is exactly one of the 47 prefecture names.
bool isPrefecture(const QString& text);
// True when the text, blanks of either width before it left out, begins with one of them.
bool startsWithPrefecture(const QString& text);

} // namespace rova::transfer
