// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text to integer the way stored numbers are read back: decimal with an optional sign, or hexadecimal
// after "$" or "0x". Anything else raises rova::Error "'%s' is not a valid integer value".

#include <QString>

namespace rova
{

int strToInt(const QString& text);
// The same rules; returns `fallback` instead of raising.
int strToIntDef(const QString& text, int fallback);

} // namespace rova
