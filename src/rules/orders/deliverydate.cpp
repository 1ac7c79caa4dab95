// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/orders/deliverydate.h"

#include "rules/text/halfwidth.h"

#include <QRegularExpression>

#include <cstdlib>

namespace rova::orders
{

namespace
{
// A weekday in brackets may follow any form: "2024/05/03(金)".
const QString kWeekday = QStringLiteral("(?:[(（][月火水木金土日][)）])?");

DeliveryDate checked(int year, int month, int day, int hour)
{
    // A year is needed to know 29 February; a leap year stands in when the text has none.
    if (!QDate(year ? year : 2000, month, day).isValid())
        return {};
    return {true, false, year, month, day, hour > 0 ? hour : -1};
}
} // namespace

DeliveryDate parseDeliveryDate(const QString& text)
{
    const QString t = toHalfWidth(text).trimmed();
    if (t.isEmpty() || t == u"指定なし" || t == u"なし")
        return {true, true};

    static const QRegularExpression withYear(
        QStringLiteral("^(\\d{4})[-/.年](\\d{1,2})[-/.月](\\d{1,2})日?") + kWeekday +
        QStringLiteral("(?:[T ](\\d{1,2}):\\d{2}(?::\\d{2})?(?:Z|[+-]\\d{2}:?\\d{2})?)?$"));
    static const QRegularExpression compact(QStringLiteral("^(\\d{4})(\\d{2})(\\d{2})$"));
    static const QRegularExpression monthDay(QStringLiteral("^(\\d{1,2})[/月](\\d{1,2})日?") + kWeekday +
                                             u'$');

    if (const auto m = withYear.match(t); m.hasMatch())
        return checked(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
                       m.capturedLength(4) ? m.captured(4).toInt() : -1);
    if (const auto m = compact.match(t); m.hasMatch())
        return checked(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), -1);
    if (const auto m = monthDay.match(t); m.hasMatch())
        return checked(0, m.captured(1).toInt(), m.captured(2).toInt(), -1);
    return {};
}

QDate nearestDate(int month, int day, const QDate& today)
{
    QDate best;
    for (int year = today.year() - 1; year <= today.year() + 1; ++year) {
        const QDate d(year, month, day);
        if (d.isValid() && (!best.isValid() || std::abs(today.daysTo(d)) < std::abs(today.daysTo(best))))
            best = d;
    }
    return best;
}

} // namespace rova::orders
