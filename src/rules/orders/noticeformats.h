// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shipping-notice uploads of the marketplaces, each one table of columns, as the import's
// formats are: which lines a file has (one per slip, per item row, or per order) and what each
// column holds.

#include "rules/slip/marketplaceorder.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace rova::orders
{

// The values the marketplaces' documentation leaves open for this carrier, from the settings file.
struct NoticeSettings {
    QString amazonCarrierCode;
    QString amazonCarrierName;
    QString amazonShipMethod;
    QString yahooShipCompanyCode;
    QString yahooShipStatus;
};

// What one line of a notice is written from.
struct NoticeLine {
    const slip::MarketplaceOrder& order;
    slip::OrderItem item; // the item row, in a file of one line per item row
    QStringList numbers;  // tracking numbers, 12 half-width digits each; several only per order
    QDate shipDate;
    const NoticeSettings& settings;
};

struct NoticeColumn {
    QString header;
    QString (*value)(const NoticeLine&);
};

struct NoticeFormat {
    enum class Lines {
        PerSlip,  // one line per parcel
        PerItem,  // one line per item row of each parcel
        PerOrder, // one line per order, its parcels' numbers side by side
    };
    slip::Marketplace marketplace;
    Lines lines;
    int numbersPerOrder; // how many numbers a line per order has room for
    QChar separator;
    QString extension;
    QList<NoticeColumn> columns;
};

const NoticeFormat& noticeFormat(slip::Marketplace marketplace);

} // namespace rova::orders
