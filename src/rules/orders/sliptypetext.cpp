// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/orders/sliptypetext.h"

#include "rules/slip/sliplayout.h"
#include "rules/text/halfwidth.h"

namespace rova::orders
{

namespace
{
struct KindWord {
    const char16_t* word;
    int type; // index of the hand-fed slip type of the kind; the continuous one follows it
};
constexpr KindWord kKindWords[] = {
    {u"発払　着払", 0},     {u"発払 着払", 0}, {u"発払", 0}, {u"発払い", 0},
    {u"着払", 0},           {u"着払い", 0},    {u"0", 0},    {u"5", 0},
    {u"タイムサービス", 2}, {u"タイム", 2},    {u"4", 2},    {u"配達指定日", 4},
};
} // namespace

std::optional<QString> slipTypeFromText(const QString& text, const QString& current)
{
    const QString t = text.trimmed();
    const QStringList& types = slip::slipTypes();
    if (t.isEmpty())
        return current;
    if (types.contains(t))
        return t;
    const QString half = toHalfWidth(t);
    const bool continuous = types.indexOf(current) % 2 == 1;
    for (const KindWord& k : kKindWords) {
        if (t == QStringView(k.word) || half == QStringView(k.word))
            return types[k.type + (continuous ? 1 : 0)];
    }
    return std::nullopt;
}

} // namespace rova::orders
