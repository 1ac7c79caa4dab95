// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Delivery dates as order files write them, and when a month and day without a year fall.

#include <QDate>
#include <QString>

namespace rova::orders
{

struct DeliveryDate {
    bool understood = false;
    bool none = false; // empty or "指定なし": no date asked for
    int year = 0;      // 0 when the text gives none
    int month = 0, day = 0;
    int hour = -1; // a time of day other than midnight, when the text gives one
};

// "2024/05/03", "2024-5-3", "20240503", "2024年5月3日", "2024-05-03(金)", "5/3", "5月3日", an ISO
// date and time ("2024-05-03T14:00:00+09:00"), either width.
DeliveryDate parseDeliveryDate(const QString& text);

// A month and day without a year are taken in the year that brings them nearest to `today`, so
// that in late December "1/5" is early next year and in May "5/3" is this week's past.
QDate nearestDate(int month, int day, const QDate& today);

} // namespace rova::orders
