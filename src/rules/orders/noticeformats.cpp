// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/orders/noticeformats.h"

namespace rova::orders
{

namespace
{
using Lines = NoticeFormat::Lines;

QString isoDate(const NoticeLine& l)
{
    return l.shipDate.toString(QStringLiteral("yyyy-MM-dd"));
}

QString firstNumber(const NoticeLine& l)
{
    return l.numbers.value(0);
}

QList<NoticeFormat> makeFormats()
{
    return {
        // The shipping-completion upload; 1001 is the carrier's code there. 発送明細ID stays empty
        // for a new shipment.
        {slip::Marketplace::Rakuten,
         Lines::PerSlip,
         1,
         u',',
         QStringLiteral("csv"),
         {{QStringLiteral("注文番号"), [](const NoticeLine& l) { return l.order.orderNumber; }},
          {QStringLiteral("送付先ID"), [](const NoticeLine& l) { return l.order.destinationId; }},
          {QStringLiteral("発送明細ID"), [](const NoticeLine&) { return QString(); }},
          {QStringLiteral("お荷物伝票番号"), firstNumber},
          {QStringLiteral("配送会社"), [](const NoticeLine&) { return QStringLiteral("1001"); }},
          {QStringLiteral("発送日"), isoDate}}},
        {slip::Marketplace::Amazon,
         Lines::PerItem,
         1,
         u'\t',
         QStringLiteral("txt"),
         {{QStringLiteral("order-id"), [](const NoticeLine& l) { return l.order.orderNumber; }},
          {QStringLiteral("order-item-id"), [](const NoticeLine& l) { return l.item.id; }},
          {QStringLiteral("quantity"), [](const NoticeLine& l) { return l.item.quantity; }},
          {QStringLiteral("ship-date"), isoDate},
          {QStringLiteral("carrier-code"), [](const NoticeLine& l) { return l.settings.amazonCarrierCode; }},
          {QStringLiteral("carrier-name"), [](const NoticeLine& l) { return l.settings.amazonCarrierName; }},
          {QStringLiteral("tracking-number"), firstNumber},
          {QStringLiteral("ship-method"), [](const NoticeLine& l) { return l.settings.amazonShipMethod; }}}},
        // Field names as in the order API; an order has room for two parcel numbers.
        {slip::Marketplace::Yahoo,
         Lines::PerOrder,
         2,
         u',',
         QStringLiteral("csv"),
         {{QStringLiteral("OrderId"), [](const NoticeLine& l) { return l.order.orderNumber; }},
          {QStringLiteral("ShipCompanyCode"),
           [](const NoticeLine& l) { return l.settings.yahooShipCompanyCode; }},
          {QStringLiteral("ShipInvoiceNumber1"), firstNumber},
          {QStringLiteral("ShipInvoiceNumber2"), [](const NoticeLine& l) { return l.numbers.value(1); }},
          {QStringLiteral("ShipDate"),
           [](const NoticeLine& l) { return l.shipDate.toString(QStringLiteral("yyyyMMdd")); }},
          {QStringLiteral("ShipStatus"), [](const NoticeLine& l) { return l.settings.yahooShipStatus; }}}},
    };
}
} // namespace

const NoticeFormat& noticeFormat(slip::Marketplace marketplace)
{
    static const QList<NoticeFormat> formats = makeFormats();
    for (const NoticeFormat& f : formats) {
        if (f.marketplace == marketplace)
            return f;
    }
    Q_UNREACHABLE();
}

} // namespace rova::orders
