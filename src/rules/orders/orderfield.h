// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a column of an order file can hold: the slip record's own fields, and the pieces that
// marketplace files split them into (name parts, address parts, telephone parts).

#include <QString>

#include <optional>

namespace rova::orders
{

enum class Field {
    OrderNumber,
    DestinationId, // one destination of a marketplace order that can have several
    ItemId,        // a marketplace's id of the row's item, which its shipping notice names
    SlipType,
    // destination, as the slip holds it
    PostalCode,
    Phone,
    Address1,
    Address2,
    Address3,
    Name,
    // destination, in pieces
    PostalCodeHead, // first three digits
    PostalCodeTail, // last four digits
    PhonePart1,
    PhonePart2,
    PhonePart3,
    Prefecture,
    City,
    Street,   // what follows the city, or a whole address
    Building, // apartment or building name
    Company,
    Department,
    FamilyName,
    GivenName,
    // parcel
    Item1,
    Item2,
    Item3,
    Count,
    DeliveryDate,  // a date in any of the usual forms
    DeliveryMonth, // month and day as the slip holds them
    DeliveryDay,
    TimeSlot,
    PromisedTime,
    SlipDate,
    PrintDate,
    FontSize,
    // sender
    PrintSender,
    SenderPostalCode,
    SenderPhone,
    SenderAddress1,
    SenderAddress2,
    SenderName,
    // payment, which the forms cannot collect: only said
    PaymentMethod,
    CodAmount, // the amount a cash-on-delivery order collects
    // printed
    TrackingNumber, // the parcel's number, which our own CSV writes and an import never takes
};
constexpr int kFieldCount = int(Field::TrackingNumber) + 1;

// Stable ASCII key (stored mappings) and the caption an operator reads (mapping dialog, our CSV).
QString fieldKey(Field field);
QString fieldCaption(Field field);
std::optional<Field> fieldFromKey(const QString& key);

} // namespace rova::orders
