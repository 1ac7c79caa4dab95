// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/orders/timeslot.h"

#include "rules/slip/slipvalues.h"
#include "rules/text/halfwidth.h"

#include <algorithm>

#include <QRegularExpression>

namespace rova::orders
{

namespace
{
struct Span {
    int from, to, box;
    bool moved = false; // the box prints another time than the one asked
};
// The first row with a given start is the one a start hour alone picks.
constexpr Span kSpans[] = {{8, 12, 0},  {12, 14, 1},       {14, 16, 2}, {16, 18, 3},
                           {18, 20, 4}, {19, 21, 5, true}, {20, 21, 5}};

TimeChoice none()
{
    return {true, -1};
}
TimeChoice box(int b)
{
    return {true, b};
}
TimeChoice box(const Span& s)
{
    return {true, s.box, s.moved ? QStringLiteral("%1時～%2時").arg(s.from).arg(s.to) : QString()};
}

// Half-width, without blanks, so that "１４：００ ～ １６：００" reads as "14:00~16:00".
QString plain(const QString& text)
{
    QString t = toHalfWidth(text);
    t.removeIf([](QChar c) { return c.isSpace(); });
    return t;
}

bool asksForNone(const QString& t)
{
    return t.isEmpty() || t == u"指定なし" || t == u"なし" || t == u"希望なし";
}

TimeChoice fromSpan(int from, int to)
{
    for (const Span& s : kSpans) {
        if (s.from == from && s.to == to)
            return box(s);
    }
    return {};
}
} // namespace

const QStringList& timeSlotCaptions()
{
    static const QStringList captions{QStringLiteral("午前中"),  QStringLiteral("12→14時"),
                                      QStringLiteral("14→16時"), QStringLiteral("16→18時"),
                                      QStringLiteral("18→20時"), QStringLiteral("20→21時")};
    return captions;
}

const QStringList& promisedTimeCaptions()
{
    static const QStringList captions{QStringLiteral("午前10時"), QStringLiteral("午後５時")};
    return captions;
}

namespace
{
QString tickedCaption(const auto& boxes, const QStringList& captions)
{
    const auto it = std::find(boxes.begin(), boxes.end(), true);
    return it == boxes.end() ? QString() : captions.value(int(it - boxes.begin()));
}
} // namespace

QString timeSlotCaption(const slip::SlipValues& slip)
{
    return tickedCaption(slip.timeSlots, timeSlotCaptions());
}

QString promisedTimeCaption(const slip::SlipValues& slip)
{
    return tickedCaption(slip.promisedTimes, promisedTimeCaptions());
}

TimeChoice parseTimeSlot(const QString& text)
{
    const QString t = plain(text);
    if (asksForNone(t))
        return none();
    if (t == u"午前中" || t == u"午前")
        return box(0);
    // "14-16", "14:00~16:00", "14時～16時", "14→16時", "14時から16時まで", or the code "1416".
    static const QRegularExpression span(QStringLiteral(
        "^(\\d{1,2})(?::00)?時?(?:-|~|〜|→|ｰ|−|から)(\\d{1,2})(?::00)?時?(?:まで)?$|^(\\d\\d)(\\d\\d)$"));
    const QRegularExpressionMatch m = span.match(t);
    if (!m.hasMatch())
        return {};
    const bool code = m.capturedLength(3) > 0;
    return fromSpan(m.captured(code ? 3 : 1).toInt(), m.captured(code ? 4 : 2).toInt());
}

TimeChoice timeSlotStartingAt(int hour)
{
    for (const Span& s : kSpans) {
        if (s.from == hour)
            return box(s);
    }
    return {};
}

TimeChoice parsePromisedTime(const QString& text)
{
    const QString t = plain(text);
    if (asksForNone(t))
        return none();
    static const QRegularExpression morning(QStringLiteral("^(?:午前)?10(?::00|時)$"));
    static const QRegularExpression afternoon(QStringLiteral("^(?:午後5時|17(?::00|時))$"));
    if (morning.match(t).hasMatch())
        return box(0);
    if (afternoon.match(t).hasMatch())
        return box(1);
    return {};
}

} // namespace rova::orders
