// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/transfer/headings.h"

#include "rules/transfer/blanks.h"
#include "rules/transfer/wordlists.h"

#include <QHash>

#include <algorithm>

namespace rova::transfer
{

namespace
{

enum class LineKind {
    Data,            // anything else, blank lines included
    Rule,            // only decorations and box-drawing characters ("----", "━━━━"): a separator
    DeliveryHeading, // a delivery heading word between decorations, nothing more ("【お届け先】")
    OtherHeading,    // the heading of a buyer, items, payment or notes block ("■ご注文者情報")
};

bool isDecoration(QChar c)
{
    // Control characters go with the blanks, as in every other trim of the pasted lines.
    return c.unicode() <= 0x20 || words::headingDecorations().contains(c);
}

bool isRuleCharacter(QChar c)
{
    return isDecoration(c) || (c.unicode() >= 0x2500 && c.unicode() <= 0x257F);
}

QStringView withoutDecorations(QStringView line)
{
    while (!line.isEmpty() && isDecoration(line.front()))
        line = line.sliced(1);
    while (!line.isEmpty() && isDecoration(line.back()))
        line.chop(1);
    return line;
}

struct HeadingWords {
    QHash<QString, LineKind> kinds;
    qsizetype longest = 0;

    HeadingWords()
    {
        for (const QString& w : words::deliveryHeadings())
            add(w, LineKind::DeliveryHeading);
        for (const QString& w : words::otherHeadings())
            add(w, LineKind::OtherHeading);
    }
    void add(const QString& word, LineKind kind)
    {
        kinds.insert(word, kind);
        longest = qMax(longest, word.size());
    }
};

LineKind kindOf(const QString& line)
{
    static const HeadingWords headings;
    // A separator would otherwise be read as a telephone number ("----") or a name ("====").
    if (!isBlank(line) && std::all_of(line.begin(), line.end(), isRuleCharacter))
        return LineKind::Rule;
    const QStringView core = withoutDecorations(line);
    // Long lines are data whatever they hold; only a short rest is looked up.
    if (core.isEmpty() || core.size() > headings.longest)
        return LineKind::Data;
    return headings.kinds.value(core.toString(), LineKind::Data);
}

} // namespace

QStringList deliveryBlock(const QStringList& pasted)
{
    QList<LineKind> kinds;
    kinds.reserve(pasted.size());
    for (const QString& line : pasted)
        kinds.append(kindOf(line));

    const qsizetype heading = kinds.indexOf(LineKind::DeliveryHeading);
    QStringList kept;
    for (qsizetype i = heading + 1; i < pasted.size(); ++i) {
        if (kinds.at(i) == LineKind::Data)
            kept.append(pasted.at(i));
        else if (kinds.at(i) != LineKind::Rule && heading >= 0)
            break; // the delivery block ends at the next heading of either kind
    }
    return kept;
}

} // namespace rova::transfer
