#pragma once
// The form in which an address typed by the operator and an address of the dictionary are compared.

#include <QString>
#include <QStringView>

#include <string_view>

namespace rova::postal
{

// One spelling for what varies between writers: widths (digits, Latin, katakana), blanks removed,
// every dash and the long vowel mark as "-", "ヶ", "ケ" and "が" alike, "の" and "ノ" alike, and runs
// of kanji numerals as digits ("北二十四条" and "北24条" alike). Only for comparing, never shown.
QString addressKey(QStringView text);

// An address key with its leading prefecture taken off.
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
