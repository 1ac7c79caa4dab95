// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printed slips into one shipping-notice file per marketplace. A slip whose number cannot be told
// to the marketplace (none, a spoiled form's, no room left on its order) is left out and counted.

#include "rules/orders/noticeformats.h"
#include "rules/slip/marketplaceorder.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>

namespace rova::orders
{

struct NoticeSlip {
    qint64 id = 0; // the caller's, handed back with the file the slip went into
    slip::MarketplaceOrder order;
    QString trackingNumber; // 12 half-width digits, empty when none
    bool spoiled = false;
    QDate shipDate;
};

struct NoticeFile {
    slip::Marketplace marketplace;
    QString fileName; // the marketplace and the time, as "shipping-rakuten-20300501-093005.csv"
    QByteArray bytes; // code page 932
    int rows = 0;     // lines below the header
    QList<qint64> ids;
};

struct Notices {
    QList<NoticeFile> files;    // in the order rakuten, amazon, yahoo; none for a marketplace without slips
    QMap<QString, int> leftOut; // reason → slips
    QList<qint64> settled;      // slips left out for good (a spoiled form's, one past the
                                // numbers its order has room for), to be marked as told
};

// Raises rova::Error when a value cannot be written in code page 932 (a setting holding such a
// character), naming the marketplace and the value; nothing is returned then.
Notices buildNotices(const QList<NoticeSlip>& slips, const NoticeSettings& settings, const QDateTime& now);

// "楽天市場 shipping-rakuten-….csv 3 行、…; 除いた送り状 2 (伝票番号なし 1、書き損じ 1)"
QString noticeSummary(const Notices& notices);

} // namespace rova::orders
