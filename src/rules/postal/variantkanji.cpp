// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/postal/variantkanji.h"

#include <algorithm>
#include <array>
#include <utility>

namespace rova::postal
{

namespace
{

// Variant → common form. Every common form is one code page 932 holds, so keys stay storable.
constexpr auto kVariants = [] {
    std::array<std::pair<char16_t, char16_t>, 32> table{{
        {u'巾', u'幅'}, {u'舘', u'館'},     {u'嶋', u'島'}, {u'嶌', u'島'}, {u'﨑', u'崎'}, {u'嵜', u'崎'},
        {u'髙', u'高'}, {u'邊', u'辺'},     {u'邉', u'辺'}, {u'澤', u'沢'}, {u'冨', u'富'}, {u'齋', u'斎'},
        {u'齊', u'斎'}, {u'斉', u'斎'},     {u'藪', u'薮'}, {u'龍', u'竜'}, {u'檜', u'桧'}, {u'萬', u'万'},
        {u'當', u'当'}, {u'廣', u'広'},     {u'國', u'国'}, {u'濱', u'浜'}, {u'濵', u'浜'}, {u'櫻', u'桜'},
        {u'槇', u'槙'}, {u'峯', u'峰'},     {u'曾', u'曽'}, {u'瀨', u'瀬'}, {u'驒', u'騨'}, {u'德', u'徳'},
        {u'惠', u'恵'}, {u'\uFA10', u'塚'},
    }};
    std::sort(table.begin(), table.end());
    return table;
}();

} // namespace

QChar commonKanji(QChar c)
{
    const auto found =
        std::ranges::lower_bound(kVariants, c.unicode(), {}, &std::pair<char16_t, char16_t>::first);
    return found != kVariants.end() && found->first == c.unicode() ? QChar(found->second) : c;
}

} // namespace rova::postal
