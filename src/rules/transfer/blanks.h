// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Trimming the pasted lines: the standard trim (codes 0x00 to 0x20) and the one that also knows the
// ideographic space.

#include <QString>

namespace rova::transfer
{

// Removes leading and trailing characters with codes 0x00 to 0x20.
QString trimStandard(const QString& text);
// Removes leading characters with codes 0x00 to 0x20 only.
QString trimLeftStandard(const QString& text);
// Removes leading and trailing blanks of either width (and control characters); a text of nothing
// but those becomes empty.
QString trimZen(const QString& text);
// True when the text holds nothing but blanks of either width and control characters.
bool isBlank(const QString& text);

} // namespace rova::transfer
