// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/orders/orderfield.h"

#include <array>

namespace rova::orders
{

namespace
{
struct Names {
    Field field;
    const char16_t* key;
    const char16_t* caption;
};

// In the order of the enumeration; the captions of the slip's own fields are our CSV's header.
constexpr std::array<Names, kFieldCount> kNames{{
    {Field::OrderNumber, u"orderNumber", u"注文番号"},
    {Field::DestinationId, u"destinationId", u"送付先ID"},
    {Field::ItemId, u"itemId", u"商品明細ID"},
    {Field::SlipType, u"slipType", u"送り状種類"},
    {Field::PostalCode, u"zip", u"郵便番号"},
    {Field::Phone, u"tel", u"でんわ"},
    {Field::Address1, u"add1", u"おところ①"},
    {Field::Address2, u"add2", u"おところ②"},
    {Field::Address3, u"add3", u"おところ③"},
    {Field::Name, u"name", u"おなまえ"},
    {Field::PostalCodeHead, u"zipHead", u"郵便番号(上3桁)"},
    {Field::PostalCodeTail, u"zipTail", u"郵便番号(下4桁)"},
    {Field::PhonePart1, u"tel1", u"でんわ(市外局番)"},
    {Field::PhonePart2, u"tel2", u"でんわ(市内局番)"},
    {Field::PhonePart3, u"tel3", u"でんわ(番号)"},
    {Field::Prefecture, u"prefecture", u"都道府県"},
    {Field::City, u"city", u"市区町村"},
    {Field::Street, u"street", u"町名・番地"},
    {Field::Building, u"building", u"建物名"},
    {Field::Company, u"company", u"会社名"},
    {Field::Department, u"department", u"部署名"},
    {Field::FamilyName, u"familyName", u"姓"},
    {Field::GivenName, u"givenName", u"名"},
    {Field::Item1, u"g1", u"品名1"},
    {Field::Item2, u"g2", u"品名2"},
    {Field::Item3, u"g3", u"品名3"},
    {Field::Count, u"count", u"個数"},
    {Field::DeliveryDate, u"deliveryDate", u"お届け日"},
    {Field::DeliveryMonth, u"deliveryMonth", u"お届け月"},
    {Field::DeliveryDay, u"deliveryDay", u"お届け日(日)"},
    {Field::TimeSlot, u"timeSlot", u"ご希望時間帯"},
    {Field::PromisedTime, u"promisedTime", u"お約束時刻"},
    {Field::SlipDate, u"date", u"日付"},
    {Field::PrintDate, u"printDate", u"日付を印字"},
    {Field::FontSize, u"fontSize", u"印字フォントサイズ"},
    {Field::PrintSender, u"printSender", u"ご依頼主を印字"},
    {Field::SenderPostalCode, u"myZip", u"ご依頼主郵便番号"},
    {Field::SenderPhone, u"myTel", u"ご依頼主でんわ"},
    {Field::SenderAddress1, u"myAdd1", u"ご依頼主住所1"},
    {Field::SenderAddress2, u"myAdd2", u"ご依頼主住所2"},
    {Field::SenderName, u"myName", u"ご依頼主名"},
    {Field::PaymentMethod, u"paymentMethod", u"お支払い方法"},
    {Field::CodAmount, u"codAmount", u"代金引換の金額"},
    {Field::TrackingNumber, u"trackingNumber", u"伝票番号"},
}};

constexpr bool inEnumOrder()
{
    for (int i = 0; i < kFieldCount; ++i) {
        if (int(kNames[i].field) != i)
            return false;
    }
    return true;
}
static_assert(inEnumOrder());
} // namespace

QString fieldKey(Field field)
{
    return QString::fromUtf16(kNames[int(field)].key);
}

QString fieldCaption(Field field)
{
    return QString::fromUtf16(kNames[int(field)].caption);
}

std::optional<Field> fieldFromKey(const QString& key)
{
    for (const Names& n : kNames) {
        if (key == QStringView(n.key))
            return n.field;
    }
    return std::nullopt;
}

} // namespace rova::orders
