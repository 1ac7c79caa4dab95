// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/text/halfwidth.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace rova
{

namespace
{
struct Mapping {
    char16_t from;
    std::u16string_view to;
};

// Every character outside U+FF01..U+FF5E that the mapping changes, in code point order.
// The seven whose half-width forms code page 932 cannot hold (○ ■ → ← ↑ ↓ │) are left out on
// purpose: the platform turns them into '?', which would lose them.
constexpr Mapping kMappings[] = {
    {u'‘', u"'"},   {u'’', u"'"},   {u'“', u"\""},  {u'”', u"\""},  {u'　', u" "},   {u'、', u"､"},
    {u'。', u"｡"},  {u'「', u"｢"},  {u'」', u"｣"},  {u'゛', u"ﾞ"},  {u'゜', u"ﾟ"},   {u'ァ', u"ｧ"},
    {u'ア', u"ｱ"},  {u'ィ', u"ｨ"},  {u'イ', u"ｲ"},  {u'ゥ', u"ｩ"},  {u'ウ', u"ｳ"},   {u'ェ', u"ｪ"},
    {u'エ', u"ｴ"},  {u'ォ', u"ｫ"},  {u'オ', u"ｵ"},  {u'カ', u"ｶ"},  {u'ガ', u"ｶﾞ"},  {u'キ', u"ｷ"},
    {u'ギ', u"ｷﾞ"}, {u'ク', u"ｸ"},  {u'グ', u"ｸﾞ"}, {u'ケ', u"ｹ"},  {u'ゲ', u"ｹﾞ"},  {u'コ', u"ｺ"},
    {u'ゴ', u"ｺﾞ"}, {u'サ', u"ｻ"},  {u'ザ', u"ｻﾞ"}, {u'シ', u"ｼ"},  {u'ジ', u"ｼﾞ"},  {u'ス', u"ｽ"},
    {u'ズ', u"ｽﾞ"}, {u'セ', u"ｾ"},  {u'ゼ', u"ｾﾞ"}, {u'ソ', u"ｿ"},  {u'ゾ', u"ｿﾞ"},  {u'タ', u"ﾀ"},
    {u'ダ', u"ﾀﾞ"}, {u'チ', u"ﾁ"},  {u'ヂ', u"ﾁﾞ"}, {u'ッ', u"ｯ"},  {u'ツ', u"ﾂ"},   {u'ヅ', u"ﾂﾞ"},
    {u'テ', u"ﾃ"},  {u'デ', u"ﾃﾞ"}, {u'ト', u"ﾄ"},  {u'ド', u"ﾄﾞ"}, {u'ナ', u"ﾅ"},   {u'ニ', u"ﾆ"},
    {u'ヌ', u"ﾇ"},  {u'ネ', u"ﾈ"},  {u'ノ', u"ﾉ"},  {u'ハ', u"ﾊ"},  {u'バ', u"ﾊﾞ"},  {u'パ', u"ﾊﾟ"},
    {u'ヒ', u"ﾋ"},  {u'ビ', u"ﾋﾞ"}, {u'ピ', u"ﾋﾟ"}, {u'フ', u"ﾌ"},  {u'ブ', u"ﾌﾞ"},  {u'プ', u"ﾌﾟ"},
    {u'ヘ', u"ﾍ"},  {u'ベ', u"ﾍﾞ"}, {u'ペ', u"ﾍﾟ"}, {u'ホ', u"ﾎ"},  {u'ボ', u"ﾎﾞ"},  {u'ポ', u"ﾎﾟ"},
    {u'マ', u"ﾏ"},  {u'ミ', u"ﾐ"},  {u'ム', u"ﾑ"},  {u'メ', u"ﾒ"},  {u'モ', u"ﾓ"},   {u'ャ', u"ｬ"},
    {u'ヤ', u"ﾔ"},  {u'ュ', u"ｭ"},  {u'ユ', u"ﾕ"},  {u'ョ', u"ｮ"},  {u'ヨ', u"ﾖ"},   {u'ラ', u"ﾗ"},
    {u'リ', u"ﾘ"},  {u'ル', u"ﾙ"},  {u'レ', u"ﾚ"},  {u'ロ', u"ﾛ"},  {u'ワ', u"ﾜ"},   {u'ヲ', u"ｦ"},
    {u'ン', u"ﾝ"},  {u'ヴ', u"ｳﾞ"}, {u'・', u"･"},  {u'ー', u"ｰ"},  {u'ヾ', u"ヽﾞ"}, {u'￤', u"|"},
    {u'￥', u"\\"}};
static_assert(std::is_sorted(std::begin(kMappings), std::end(kMappings),
                             [](const Mapping& a, const Mapping& b) { return a.from < b.from; }));

// Replacement of one character: up to two characters, none when it stays.
struct Replacement {
    char16_t first = 0;
    char16_t second = 0;
};
using Page = std::array<Replacement, 256>;

constexpr bool isFullWidthAscii(char16_t c)
{
    // "＼" stays: code page 932 spells its half-width form as the yen-looking 0x5C.
    return c >= 0xFF01 && c <= 0xFF5E && c != 0xFF3C;
}

constexpr Page makePage(char16_t high)
{
    Page page{};
    for (const Mapping& m : kMappings) {
        if ((m.from >> 8) == high)
            page[m.from & 0xFF] = {m.to[0], m.to.size() > 1 ? m.to[1] : char16_t(0)};
    }
    for (unsigned low = 0; low < 256; ++low) {
        const char16_t c = char16_t((high << 8) | low);
        if (isFullWidthAscii(c))
            page[low] = {char16_t(c - 0xFEE0), 0};
    }
    return page;
}

constexpr Page kPage20 = makePage(0x20);
constexpr Page kPage30 = makePage(0x30);
constexpr Page kPageFF = makePage(0xFF);

constexpr bool pagesCoverTable()
{
    for (const Mapping& m : kMappings) {
        const char16_t high = m.from >> 8;
        if (high != 0x20 && high != 0x30 && high != 0xFF)
            return false;
    }
    return true;
}
static_assert(pagesCoverTable(), "a mapped character lies outside the looked-up pages");

const Replacement* lookup(char16_t c)
{
    const Page* page = nullptr;
    switch (c >> 8) {
    case 0x20:
        page = &kPage20;
        break;
    case 0x30:
        page = &kPage30;
        break;
    case 0xFF:
        page = &kPageFF;
        break;
    default:
        return nullptr;
    }
    const Replacement& r = (*page)[c & 0xFF];
    return r.first ? &r : nullptr;
}
} // namespace

QString toHalfWidth(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && !lookup(text.at(i).unicode()))
        ++i;
    if (i == text.size())
        return text; // the common case on every keystroke: nothing to change, nothing copied

    QString out;
    out.reserve(text.size() + text.size() / 4);
    out.append(QStringView(text).first(i));
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const Replacement* r = lookup(c.unicode());
        if (!r) {
            out.append(c);
            continue;
        }
        out.append(QChar(r->first));
        if (r->second)
            out.append(QChar(r->second));
    }
    return out;
}

} // namespace rova
