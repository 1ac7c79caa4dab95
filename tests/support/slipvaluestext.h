// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Slip values as text, so a failed comparison shows which field differs.

#include "rules/slip/slipvalues.h"

#include <QStringList>
#include <QTest>

namespace rova::slip
{

inline char* toString(const SlipValues& s)
{
    const auto ticks = [](const auto& boxes) {
        QString digits;
        for (const bool on : boxes)
            digits += on ? u'1' : u'0';
        return digits;
    };
    const QStringList fields{"slipType=" + s.slipType,
                             "zip=" + s.zip,
                             "tel=" + s.tel,
                             "add1=" + s.add1,
                             "add2=" + s.add2,
                             "add3=" + s.add3,
                             "name=" + s.name,
                             "fontSizeIndex=" + QString::number(s.fontSizeIndex),
                             "g1=" + s.g1,
                             "g2=" + s.g2,
                             "g3=" + s.g3,
                             "count=" + s.count,
                             "date=" + s.date.toString(Qt::ISODate),
                             "printDate=" + QString::number(s.printDate),
                             "deliveryMonth=" + s.deliveryMonth,
                             "deliveryDay=" + s.deliveryDay,
                             "timeSlots=" + ticks(s.timeSlots),
                             "promisedTimes=" + ticks(s.promisedTimes),
                             "printSender=" + QString::number(s.printSender),
                             "myZip=" + s.myZip,
                             "myTel=" + s.myTel,
                             "myAdd1=" + s.myAdd1,
                             "myAdd2=" + s.myAdd2,
                             "myName=" + s.myName};
    return QTest::toString(fields.join(" | "));
}

} // namespace rova::slip
