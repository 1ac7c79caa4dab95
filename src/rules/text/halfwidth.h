// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Full-width to half-width mapping of text the way the code page 932 platform maps widths.

#include <QString>

namespace rova
{

// Full-width Latin letters, digits and signs become ASCII, U+3000 a blank, full-width katakana and
// "ー" half-width katakana (a voiced or semi-voiced one becoming two characters). Everything else,
// hiragana, kanji and characters outside code page 932 included, stays as it is. Any length.
QString toHalfWidth(const QString& text);

} // namespace rova
