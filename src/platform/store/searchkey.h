// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The form a stored text and the operator's search text both take before they are compared, so
// that a search matches either width and either kana: "03-1234" finds "０３－１２３４", "ﾔﾏﾀﾞ" and
// "やまだ" find "ヤマダ".

#include "rules/slip/slipvalues.h"

#include <QString>

namespace rova::store
{

// Compatibility-composed (full-width Latin and digits become ASCII, half-width katakana full-width
// with its voicing marks joined), lower case, without blanks, hyphens and dashes, and without
// "ー" between digits (a telephone number typed with the long-vowel mark), hiragana as katakana.
QString searchKey(const QString& text);

// The search text of a slip in the history: the keys of the name, telephone, postal code, address
// and item names, one line per field so a search never matches across two of them.
QString slipSearchText(const slip::SlipValues& slip);

} // namespace rova::store
