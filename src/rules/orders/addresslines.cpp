// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/orders/addresslines.h"

#include "rules/text/cp932.h"
#include "rules/transfer/prefecture.h"
#include "rules/transfer/zipphone.h"

#include <QList>

#include <algorithm>

namespace rova::orders
{

namespace
{
constexpr qsizetype kLine1Bytes = 40;

QString withoutLead(const QString& text, const QString& lead)
{
    return !lead.isEmpty() && text.startsWith(lead) ? text.mid(lead.size()).trimmed() : text;
}

// Length of a prefecture name that starts the text (three or four characters), or 0.
qsizetype prefectureAtStart(const QString& text)
{
    for (const qsizetype n : {3, 4}) {
        if (text.size() > n && transfer::isPrefecture(text.left(n)))
            return n;
    }
    return 0;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\u3000';
}

// A character of a block number: "１－２－３", "1丁目2番地3号".
bool isBlockNumber(QChar c)
{
    static const QString marks = QStringLiteral("-－‐ー丁目番地号");
    return transfer::isAnyWidthDigit(c) || marks.contains(c);
}

// Places ① may end at, in ascending order.
QList<qsizetype> cutPoints(const QString& head, qsizetype streetStart, qsizetype prefectureEnd)
{
    QList<qsizetype> points;
    if (prefectureEnd > 0)
        points << prefectureEnd;
    if (streetStart > prefectureEnd)
        points << streetStart;
    bool digitSeen = false;
    bool numberEnded = false;
    for (qsizetype i = streetStart; i < head.size(); ++i) {
        const bool firstDigit = !digitSeen && transfer::isAnyWidthDigit(head[i]);
        digitSeen = digitSeen || firstDigit;
        // Where the block number ends and a building name starts with no blank between them.
        const bool afterNumber = digitSeen && !numberEnded && !isBlockNumber(head[i]);
        numberEnded = numberEnded || afterNumber;
        if ((firstDigit || isBlank(head[i]) || afterNumber) && i > 0)
            points << i;
    }
    return points;
}
} // namespace

QString joinWords(std::initializer_list<QString> texts)
{
    QString out;
    for (const QString& text : texts) {
        const QString t = text.trimmed();
        if (t.isEmpty())
            continue;
        if (!out.isEmpty())
            out += u'\u3000';
        out += t;
    }
    return out;
}

AddressLines composeAddress(const AddressParts& parts)
{
    const QString prefecture = parts.prefecture.trimmed();
    const QString city = withoutLead(parts.city.trimmed(), prefecture);
    const QString street = withoutLead(withoutLead(parts.street.trimmed(), prefecture), city);

    const QString head = prefecture + city + street;
    const qsizetype streetStart = prefecture.size() + city.size();
    const qsizetype prefectureEnd = prefecture.isEmpty() ? prefectureAtStart(head) : prefecture.size();

    qsizetype cut = head.size();
    if (cp932::byteLength(head) > kLine1Bytes) {
        const QList<qsizetype> points = cutPoints(head, streetStart, prefectureEnd);
        const auto fits = std::find_if(points.rbegin(), points.rend(), [&](qsizetype point) {
            return cp932::byteLength(head.left(point).trimmed()) <= kLine1Bytes;
        });
        if (fits != points.rend())
            cut = *fits;
    }
    return {head.left(cut).trimmed(), joinWords({head.mid(cut), parts.building}),
            joinWords({parts.company, parts.department})};
}

} // namespace rova::orders
