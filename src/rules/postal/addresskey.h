// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The form in which an address typed by the operator and an address of the dictionary are compared.

#include <QString>
#include <QStringView>

#include <string_view>

namespace rova::postal
{

// One spelling for what varies between writers: widths (digits, Latin, katakana), blanks removed,
// every dash and the long vowel mark as "-", "ヶ", "ケ" and "が" alike, "の" and "ノ" alike, and runs
// of kanji numerals as digits ("北二十四条" and "北24条" alike), the variant kanji of place names as
// their common form, "大字" and "字" left out, "丁目", "番地", "番" and "号" after a number as "-",
// "第" of a land division left out ("第3地割" and "3地割" alike). Only for comparing, never shown.
QString addressKey(QStringView text);

// An address key with its leading prefecture taken off, and in Kyoto the crossing named before the
// town ("寺町通御池上る") left out.
struct KeyedAddress {
    int prefecture = -1; // index in the list of the 47 prefectures, -1 when the address names none
    QString rest;
};
KeyedAddress keyedAddress(QStringView text);

// Keys are compared unit by unit, which is far quicker than QString's comparison.
using Key = std::u16string_view;
inline Key keyOf(QStringView text)
{
    return {text.utf16(), size_t(text.size())};
}

} // namespace rova::postal
