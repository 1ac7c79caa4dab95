// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/orders/rowslip.h"

#include "rules/orders/addresslines.h"
#include "rules/orders/deliverydate.h"
#include "rules/orders/sliptypetext.h"
#include "rules/orders/timeslot.h"
#include "rules/text/halfwidth.h"

#include <algorithm>

namespace rova::orders
{

namespace
{
using F = Field;

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

class Row
{
public:
    Row(const FieldTexts& texts, RowSlip& out) : m_texts(texts), m_out(out) {}

    const QString& operator[](Field f) const { return m_texts[int(f)]; }
    bool has(Field f) const { return !m_texts[int(f)].isEmpty(); }
    bool hasAny(std::initializer_list<Field> fields) const
    {
        for (const Field f : fields) {
            if (has(f))
                return true;
        }
        return false;
    }
    void unmapped(Field f) const
    {
        m_out.marks << mark(MarkCode::Unmapped, QStringLiteral("%1「%2」").arg(fieldCaption(f), (*this)[f]));
    }
    void timeSlotMoved(const TimeChoice& choice) const
    {
        m_out.marks << mark(
            MarkCode::TimeSlotMoved,
            QStringLiteral("ご希望 %1、印字 %2").arg(choice.moved, timeSlotCaptions().value(choice.box)));
    }
    void cashOnDelivery(const QString& amount) const { m_out.marks << orders::cashOnDelivery(amount); }

private:
    const FieldTexts& m_texts;
    RowSlip& m_out;
};

slip::SlipValues withoutParcel(const slip::SlipValues& base)
{
    slip::SlipValues v = base;
    for (QString* s : {&v.zip, &v.tel, &v.add1, &v.add2, &v.add3, &v.name, &v.g1, &v.g2, &v.g3, &v.count,
                       &v.deliveryMonth, &v.deliveryDay})
        s->clear();
    v.timeSlots = {};
    v.promisedTimes = {};
    v.order = {};
    return v;
}

QString phone(std::initializer_list<QString> parts)
{
    QStringList present;
    for (const QString& p : parts) {
        if (!p.isEmpty())
            present << toHalfWidth(p).trimmed();
    }
    return present.join(u'-');
}

std::optional<bool> flag(const QString& text)
{
    if (text == u"1")
        return true;
    if (text == u"0")
        return false;
    return std::nullopt;
}

void fillDestination(slip::SlipValues& v, const Row& row)
{
    if (row.has(F::PostalCode))
        v.zip = slipPostalCode(row[F::PostalCode]);
    else if (row.hasAny({F::PostalCodeHead, F::PostalCodeTail}))
        v.zip = slipPostalCode(row[F::PostalCodeHead] + u'-' + row[F::PostalCodeTail]);
    v.tel = phone({row[F::Phone], row[F::PhonePart1], row[F::PhonePart2], row[F::PhonePart3]});

    // A whole address too long for ① is cut as one in pieces is, what follows going before ②.
    AddressLines given{row[F::Address1], row[F::Address2], row[F::Address3]};
    if (address1TooLong(given.add1)) {
        const AddressLines cut = composeAddress({{}, {}, given.add1, given.add2, {}, {}});
        given.add1 = cut.add1;
        given.add2 = cut.add2;
    }
    AddressLines composed;
    if (row.hasAny({F::Prefecture, F::City, F::Street, F::Building, F::Company, F::Department}))
        composed = composeAddress({row[F::Prefecture], row[F::City], row[F::Street], row[F::Building],
                                   row[F::Company], row[F::Department]});
    v.add1 = joinWords({given.add1, composed.add1});
    v.add2 = joinWords({given.add2, composed.add2});
    v.add3 = joinWords({given.add3, composed.add3});
    v.name = joinWords({row[F::Name], row[F::FamilyName], row[F::GivenName]});
}

void tick(auto& boxes, const TimeChoice& choice, const Row& row, Field f)
{
    if (!choice.understood)
        return row.unmapped(f);
    if (choice.box >= 0)
        boxes[choice.box] = true;
    if (!choice.moved.isEmpty())
        row.timeSlotMoved(choice);
}

void fillDeliveryDate(RowSlip& out, const Row& row, const QDate& today)
{
    const DeliveryDate d = parseDeliveryDate(row[F::DeliveryDate]);
    if (!d.understood)
        return row.unmapped(F::DeliveryDate);
    if (d.none)
        return;
    out.values.deliveryMonth = QString::number(d.month);
    out.values.deliveryDay = QString::number(d.day);
    if (d.year && QDate(d.year, d.month, d.day) < today)
        out.marks << mark(MarkCode::DeliveryDatePast,
                          QStringLiteral("%1年%2月%3日").arg(d.year).arg(d.month).arg(d.day));
    // A delivery window given with the date picks the time box by its start when no slot is given.
    if (d.hour >= 0 && !row.has(F::TimeSlot))
        tick(out.values.timeSlots, timeSlotStartingAt(d.hour), row, F::DeliveryDate);
}

void fillWhen(RowSlip& out, const Row& row, const QDate& today)
{
    fillDeliveryDate(out, row, today);
    if (row.has(F::DeliveryMonth))
        out.values.deliveryMonth = row[F::DeliveryMonth];
    if (row.has(F::DeliveryDay))
        out.values.deliveryDay = row[F::DeliveryDay];
    tick(out.values.timeSlots, parseTimeSlot(row[F::TimeSlot]), row, F::TimeSlot);
    tick(out.values.promisedTimes, parsePromisedTime(row[F::PromisedTime]), row, F::PromisedTime);
}

void fillForm(slip::SlipValues& v, const Row& row)
{
    if (const auto type = slipTypeFromText(row[F::SlipType], v.slipType))
        v.slipType = *type;
    else
        row.unmapped(F::SlipType);

    if (row.has(F::SlipDate)) {
        const DeliveryDate d = parseDeliveryDate(row[F::SlipDate]);
        if (d.understood && !d.none && d.year)
            v.date = QDate(d.year, d.month, d.day);
        else
            row.unmapped(F::SlipDate);
    }
    static const QStringList sizes{QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("12")};
    if (row.has(F::FontSize) && sizes.contains(row[F::FontSize]))
        v.fontSizeIndex = int(sizes.indexOf(row[F::FontSize]));
    else if (row.has(F::FontSize))
        row.unmapped(F::FontSize);
}

void fillSender(slip::SlipValues& v, const Row& row)
{
    // A sender in the file replaces the window's whole sender, so no two senders get mixed; a file
    // that says whether to print the sender gives it whole, even empty.
    if (row.hasAny({F::SenderPostalCode, F::SenderPhone, F::SenderAddress1, F::SenderAddress2, F::SenderName,
                    F::PrintSender})) {
        v.myZip = row.has(F::SenderPostalCode) ? slipPostalCode(row[F::SenderPostalCode]) : QString();
        v.myTel = phone({row[F::SenderPhone]});
        v.myAdd1 = row[F::SenderAddress1];
        v.myAdd2 = row[F::SenderAddress2];
        v.myName = row[F::SenderName];
        v.printSender = true;
    }
}

void fillFlags(slip::SlipValues& v, const Row& row)
{
    for (const auto& [field, target] :
         {std::pair{F::PrintDate, &v.printDate}, std::pair{F::PrintSender, &v.printSender}}) {
        if (!row.has(field))
            continue;
        if (const std::optional<bool> on = flag(row[field]))
            *target = *on;
        else
            row.unmapped(field);
    }
}

// What a shipping notice names; the marketplace is the file's, set by whoever knows the format.
void fillOrder(slip::MarketplaceOrder& order, const Row& row)
{
    order.orderNumber = row[F::OrderNumber];
    order.destinationId = row[F::DestinationId];
    if (row.has(F::ItemId))
        order.items = {{row[F::ItemId], row[F::Count]}};
}

// Paid on delivery: the forms cannot collect, so the slip is marked with what to collect.
void fillPayment(const Row& row)
{
    const QString method = toHalfWidth(row[F::PaymentMethod]).trimmed();
    if (method.compare(u"COD", Qt::CaseInsensitive) == 0 || method.contains(u"代金引換") ||
        method.contains(u"代引"))
        row.cashOnDelivery(row[F::CodAmount]);
}

void fillParcel(RowSlip& out, const Row& row)
{
    out.items = {row[F::Item1], row[F::Item2], row[F::Item3]};
    if (!row.has(F::Count))
        return;
    bool ok = false;
    const int count = toHalfWidth(row[F::Count]).trimmed().toInt(&ok);
    if (ok && count >= 0)
        out.count = count;
    else
        row.unmapped(F::Count);
}
} // namespace

QString slipPostalCode(const QString& text)
{
    QString code = toHalfWidth(text);
    code.removeIf([](QChar c) { return c.isSpace() || c == u'〒'; });
    if (code.size() == 7 && std::all_of(code.begin(), code.end(), [](QChar c) { return isAsciiDigit(c); }))
        code.insert(3, u'-');
    return code;
}

RowSlip rowSlip(const FieldTexts& texts, const slip::SlipValues& base, const QDate& today)
{
    RowSlip out;
    out.values = withoutParcel(base);
    const Row row(texts, out);
    out.orderNumber = row[F::OrderNumber];
    fillOrder(out.values.order, row);
    fillDestination(out.values, row);
    fillForm(out.values, row);
    fillWhen(out, row, today);
    fillSender(out.values, row);
    fillFlags(out.values, row);
    fillParcel(out, row);
    fillPayment(row);
    // A slip read back is printed again and takes a new number: the old one is said, not kept.
    if (row.has(F::TrackingNumber))
        row.unmapped(F::TrackingNumber);
    return out;
}

} // namespace rova::orders
