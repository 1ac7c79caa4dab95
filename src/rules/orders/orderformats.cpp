// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/orders/orderformats.h"

namespace rova::orders
{

namespace
{
using F = Field;
constexpr bool need = true;

ColumnRule rule(Field field, QStringList headers, bool needed = false)
{
    return {field, std::move(headers), needed};
}

// Our own CSV: the slip record's fields under the captions the window shows.
OrderFormat ownFormat()
{
    OrderFormat format{FormatId::Own, QStringLiteral("rova 送り状CSV"), true, {}};
    const Field fields[] = {F::OrderNumber,    F::SlipType,       F::PostalCode,
                            F::Address1,       F::Address2,       F::Address3,
                            F::Name,           F::Phone,          F::Item1,
                            F::Item2,          F::Item3,          F::Count,
                            F::DeliveryMonth,  F::DeliveryDay,    F::TimeSlot,
                            F::PromisedTime,   F::SlipDate,       F::PrintDate,
                            F::FontSize,       F::PrintSender,    F::SenderPostalCode,
                            F::SenderAddress1, F::SenderAddress2, F::SenderName,
                            F::SenderPhone,    F::TrackingNumber};
    for (const Field f : fields)
        format.rules << rule(f, {fieldCaption(f)}, f == F::PostalCode || f == F::Address1 || f == F::Name);
    return format;
}

// The columns both Rakuten layouts name alike (after NFKC): telephone parts, item, count, when and
// the payment.
QList<ColumnRule> rakutenParcel()
{
    return {rule(F::PhonePart1, {QStringLiteral("送付先電話番号1")}),
            rule(F::PhonePart2, {QStringLiteral("送付先電話番号2")}),
            rule(F::PhonePart3, {QStringLiteral("送付先電話番号3")}),
            rule(F::Item1, {QStringLiteral("商品名")}),
            rule(F::Count, {QStringLiteral("個数")}),
            rule(F::DeliveryDate, {QStringLiteral("お届け日指定")}),
            rule(F::TimeSlot, {QStringLiteral("お届け時間帯")}),
            rule(F::PaymentMethod, {QStringLiteral("決済方法")}),
            rule(F::CodAmount, {QStringLiteral("請求金額")})};
}

QList<OrderFormat> makeFormats()
{
    return {
        // The current download (楽天ペイ): an order can go to several destinations, each row one item.
        {FormatId::Rakuten, QStringLiteral("楽天市場 受注CSV"), false,
         QList<ColumnRule>{rule(F::OrderNumber, {QStringLiteral("注文番号"), QStringLiteral("受注番号")}),
                           rule(F::DestinationId, {QStringLiteral("送付先ID")}),
                           rule(F::ItemId, {QStringLiteral("商品明細ID")}),
                           rule(F::PostalCodeHead, {QStringLiteral("送付先郵便番号1")}, need),
                           rule(F::PostalCodeTail, {QStringLiteral("送付先郵便番号2")}, need),
                           rule(F::Prefecture, {QStringLiteral("送付先住所都道府県")}, need),
                           rule(F::City, {QStringLiteral("送付先住所郡市区")}, need),
                           rule(F::Street, {QStringLiteral("送付先住所それ以降の住所")}, need),
                           rule(F::FamilyName, {QStringLiteral("送付先姓")}, need),
                           rule(F::GivenName, {QStringLiteral("送付先名")})} +
             rakutenParcel(),
         slip::Marketplace::Rakuten},
        // The older layout, whose names carry full-width digits and colons (matched after NFKC).
        {FormatId::RakutenOld, QStringLiteral("楽天市場 受注CSV (旧形式)"), false,
         QList<ColumnRule>{rule(F::OrderNumber, {QStringLiteral("受注番号")}, need),
                           rule(F::PostalCodeHead, {QStringLiteral("送付先郵便番号1")}, need),
                           rule(F::PostalCodeTail, {QStringLiteral("送付先郵便番号2")}, need),
                           rule(F::Prefecture, {QStringLiteral("送付先住所:都道府県")}, need),
                           rule(F::City, {QStringLiteral("送付先住所:都市区")}, need),
                           rule(F::Street, {QStringLiteral("送付先住所:町以降")}, need),
                           rule(F::FamilyName, {QStringLiteral("送付先名字")}, need),
                           rule(F::GivenName, {QStringLiteral("送付先名前")})} +
             rakutenParcel(),
         slip::Marketplace::Rakuten},
        {FormatId::Yahoo,
         QStringLiteral("Yahoo!ショッピング 注文CSV"),
         false,
         {rule(F::OrderNumber, {QStringLiteral("OrderId")}),
          rule(F::FamilyName, {QStringLiteral("ShipLastName")}, need),
          rule(F::GivenName, {QStringLiteral("ShipFirstName")}),
          rule(F::PostalCode, {QStringLiteral("ShipZipCode")}, need),
          rule(F::Prefecture, {QStringLiteral("ShipPrefecture")}, need),
          rule(F::City, {QStringLiteral("ShipCity")}, need),
          rule(F::Street, {QStringLiteral("ShipAddress1")}, need),
          rule(F::Building, {QStringLiteral("ShipAddress2")}),
          rule(F::Company, {QStringLiteral("ShipCompanyName")}),
          rule(F::Phone, {QStringLiteral("ShipPhoneNumber")}),
          rule(F::Item1, {QStringLiteral("Title"), QStringLiteral("ItemTitle"), QStringLiteral("ItemName")}),
          rule(F::Count, {QStringLiteral("Quantity"), QStringLiteral("ItemQuantity")}),
          rule(F::DeliveryDate, {QStringLiteral("ShipRequestDate")}),
          rule(F::TimeSlot, {QStringLiteral("ShipRequestTime")}),
          rule(F::PaymentMethod, {QStringLiteral("PayMethodName")}),
          rule(F::CodAmount, {QStringLiteral("TotalPrice")})},
         slip::Marketplace::Yahoo},
        {FormatId::Amazon,
         QStringLiteral("Amazon 未出荷注文レポート"),
         false,
         {rule(F::OrderNumber, {QStringLiteral("order-id")}),
          rule(F::ItemId, {QStringLiteral("order-item-id")}),
          rule(F::Name, {QStringLiteral("recipient-name")}, need),
          rule(F::PostalCode, {QStringLiteral("ship-postal-code")}, need),
          rule(F::Prefecture, {QStringLiteral("ship-state")}, need),
          rule(F::City, {QStringLiteral("ship-city")}),
          rule(F::Street, {QStringLiteral("ship-address-1")}, need),
          rule(F::Building, {QStringLiteral("ship-address-2")}),
          rule(F::Company, {QStringLiteral("ship-address-3")}),
          rule(F::Phone, {QStringLiteral("ship-phone-number")}),
          rule(F::Item1, {QStringLiteral("product-name")}),
          rule(F::Count, {QStringLiteral("quantity-purchased")}),
          rule(F::DeliveryDate, {QStringLiteral("scheduled-delivery-start-date")}),
          rule(F::PaymentMethod, {QStringLiteral("payment-method")}),
          rule(F::CodAmount, {QStringLiteral("cod-collectible-amount")})},
         slip::Marketplace::Amazon},
        {FormatId::Carrier,
         QStringLiteral("宅急便 送り状取込レイアウト"),
         true,
         {rule(F::OrderNumber, {QStringLiteral("お客様管理番号")}),
          rule(F::SlipType, {QStringLiteral("送り状種類")}, need),
          rule(F::DeliveryDate, {QStringLiteral("お届け予定日")}),
          rule(F::TimeSlot, {QStringLiteral("配達時間帯")}),
          rule(F::Phone, {QStringLiteral("お届け先電話番号")}),
          rule(F::PostalCode, {QStringLiteral("お届け先郵便番号")}, need),
          rule(F::Street, {QStringLiteral("お届け先住所")}, need),
          rule(F::Building, {QStringLiteral("お届け先アパートマンション名")}),
          rule(F::Company, {QStringLiteral("お届け先会社・部門1")}),
          rule(F::Department, {QStringLiteral("お届け先会社・部門2")}),
          rule(F::Name, {QStringLiteral("お届け先名")}, need), rule(F::Item1, {QStringLiteral("品名1")}),
          rule(F::Item2, {QStringLiteral("品名2")}),
          rule(F::SenderPhone, {QStringLiteral("ご依頼主電話番号")}),
          rule(F::SenderPostalCode, {QStringLiteral("ご依頼主郵便番号")}),
          rule(F::SenderAddress1, {QStringLiteral("ご依頼主住所")}),
          rule(F::SenderAddress2, {QStringLiteral("ご依頼主アパートマンション")}),
          rule(F::SenderName, {QStringLiteral("ご依頼主名")})}},
        ownFormat(),
    };
}

// Header names as compared: trimmed, in NFKC.
QString comparable(const QString& name)
{
    return name.trimmed().normalized(QString::NormalizationForm_KC);
}

std::optional<int> columnOf(const QStringList& header, const ColumnRule& rule)
{
    for (const QString& name : rule.headers) {
        if (const qsizetype i = header.indexOf(comparable(name)); i >= 0)
            return int(i);
    }
    return std::nullopt;
}
} // namespace

const QList<OrderFormat>& orderFormats()
{
    static const QList<OrderFormat> formats = makeFormats();
    return formats;
}

const OrderFormat& orderFormat(FormatId id)
{
    for (const OrderFormat& f : orderFormats()) {
        if (f.id == id)
            return f;
    }
    Q_UNREACHABLE();
}

std::optional<Recognised> recognise(const QStringList& header)
{
    QStringList cells;
    for (const QString& cell : header)
        cells << comparable(cell);

    std::optional<Recognised> best;
    int bestKnown = 0;
    for (const OrderFormat& format : orderFormats()) {
        Recognised candidate{format.id, {}};
        candidate.mapping.rowsAreSlips = format.rowsAreSlips;
        int known = 0;
        bool complete = true;
        for (const ColumnRule& rule : format.rules) {
            const std::optional<int> column = columnOf(cells, rule);
            complete = complete && (column || !rule.needed);
            known += column ? 1 : 0;
            candidate.mapping.setColumn(rule.field, column);
        }
        if (complete && known > bestKnown) {
            best = candidate;
            bestKnown = known;
        }
    }
    return best;
}

} // namespace rova::orders
