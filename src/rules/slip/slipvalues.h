// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// rules/slip: the slip as a value, its layout, the renderer, the preview and the alignment sheet.
//
// The values of one slip as the print form reads them from the entry window, at drawing time.

#include "rules/slip/marketplaceorder.h"

#include <QDate>
#include <QString>

#include <array>

namespace rova::slip
{

struct SlipValues {
    QString slipType; // one of the six slip-type texts, or anything else (no time mark)

    QString zip;
    QString tel;
    QString add1, add2, add3;
    QString name;
    int fontSizeIndex = 0; // selected index of the address font size choice (-1: none)

    QString g1, g2, g3;
    QString count; // value text of the piece count

    QDate date;
    bool printDate = false;
    QString deliveryMonth, deliveryDay;

    std::array<bool, 6> timeSlots{};     // 午前中 … 20→21時
    std::array<bool, 2> promisedTimes{}; // 午前10時, 午後５時

    bool printSender = false;
    QString myZip, myTel, myAdd1, myAdd2, myName;

    MarketplaceOrder order; // empty for a slip that did not come from a marketplace's order file

    bool operator==(const SlipValues&) const = default;
};

} // namespace rova::slip
