// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One row of an order file as the slip values it stands for, with a mark for every value that
// could not be put on the slip.

#include "rules/orders/columnmapping.h"
#include "rules/orders/marks.h"
#include "rules/slip/slipvalues.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace rova::orders
{

struct RowSlip {
    slip::SlipValues values; // everything but the items and the count
    QString orderNumber;
    QStringList items;        // item lines 1 to 3 as the row gives them
    std::optional<int> count; // the row's count, when it gives one
    QList<Mark> marks;
};

// Starts from `base` (the window's slip: type, date, sender, font size) with the parcel's own
// values emptied, and fills what the row gives. Postal codes and telephones become half-width, a
// seven-digit postal code gets its hyphen. `today` marks a dated delivery day already past.
RowSlip rowSlip(const FieldTexts& texts, const slip::SlipValues& base, const QDate& today);

// The postal code as the slip holds it: half-width, no "〒" or blanks, "1234567" as "123-4567".
QString slipPostalCode(const QString& text);

} // namespace rova::orders
