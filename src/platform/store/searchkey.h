#pragma once
// The form a stored text and the operator's search text both take before they are compared, so
// that a search matches either width: "03-1234" finds "０３－１２３４", "ﾔﾏﾀﾞ" finds "ヤマダ".

#include <QString>

namespace rova::store
{

// Compatibility-composed (full-width Latin and digits become ASCII, half-width katakana full-width
// with its voicing marks joined), lower case, without blanks, hyphens and dashes, and without
// "ー" between digits (a telephone number typed with the long-vowel mark).
QString searchKey(const QString& text);

} // namespace rova::store
