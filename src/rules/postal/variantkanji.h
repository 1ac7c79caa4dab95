// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The customary variant kanji of place names, each taken as one common form when addresses are
// compared: "矢巾町" and "矢幅町", "髙田" and "高田", "渡邉" and "渡辺" alike.

#include <QChar>

namespace rova::postal
{

// The common form of a variant kanji; any other character as it is.
QChar commonKanji(QChar c);

} // namespace rova::postal
