// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One line per imported slip, so that a test row can state every value the slip should carry.

#include "rules/orders/slipgathering.h"
#include "rules/orders/timeslot.h"

#include <QStringList>

namespace rova::orders::test
{

inline QString markName(MarkCode code)
{
    static const QStringList names{
        "PostalCodeForm",  "Unencodable",      "Address1TooLong",    "NameEmpty",        "AddressEmpty",
        "PhoneEmpty",      "SenderIncomplete", "ItemNameEmpty",      "DeliveryDatePast", "DeliveryDateBad",
        "NotPrinted",      "Overlap",          "PostalCodeMismatch", "Unmapped",         "TooManyItems",
        "DifferingValues", "CashOnDelivery",   "TimeSlotMoved"};
    return names.value(int(code));
}

// "order | type | zip | add1 | add2 | add3 | name | tel | g1 | g2 | g3 | count | M/D | slot | lines | marks"
inline QString summary(const ImportedSlip& s)
{
    const slip::SlipValues& v = s.values;
    QString slot;
    for (int i = 0; i < 6; ++i) {
        if (v.timeSlots[i])
            slot += timeSlotCaptions()[i];
    }
    for (int i = 0; i < 2; ++i) {
        if (v.promisedTimes[i])
            slot += promisedTimeCaptions()[i];
    }
    QStringList lines, marks;
    for (const int line : s.lines)
        lines << QString::number(line);
    for (const Mark& m : s.marks)
        marks << markName(m.code);
    return QStringList{s.orderNumber,
                       v.slipType,
                       v.zip,
                       v.add1,
                       v.add2,
                       v.add3,
                       v.name,
                       v.tel,
                       v.g1,
                       v.g2,
                       v.g3,
                       v.count,
                       v.deliveryMonth + u'/' + v.deliveryDay,
                       slot,
                       lines.join(u','),
                       marks.join(u',')}
        .join(QStringLiteral(" | "));
}

} // namespace rova::orders::test
