// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rows of an order file gathered into slips: the lines of one order going to one destination
// become one slip, their item names filling the three item lines and their counts added up.

#include "rules/orders/marks.h"
#include "rules/orders/rowslip.h"
#include "rules/slip/slipvalues.h"

#include <QDate>
#include <QList>
#include <QString>

namespace rova::orders
{

struct ImportedSlip {
    slip::SlipValues values;
    QString orderNumber;
    QList<int> lines; // the file lines its rows start at
    QList<Mark> marks;
};

struct NumberedRow {
    int line = 0;
    RowSlip slip;
};

// With `rowsAreSlips` every row is a slip of its own, its items in their lines. Otherwise rows
// with the same order number and destination (its id where the file gives one, and the address;
// rows without an order number never) are gathered in the order they first appear, the marketplace
// item rows of each slip kept in that order: item names beyond the third, counts that are no number and
// values the rows disagree on become marks. Each slip then gets the marks of `checkSlip`.
QList<ImportedSlip> gatherSlips(const QList<NumberedRow>& rows, bool rowsAreSlips, const QDate& today);

} // namespace rova::orders
