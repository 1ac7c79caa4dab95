// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/orders/slipexport.h"

#include "rules/orders/delimited.h"
#include "rules/orders/orderformats.h"
#include "rules/orders/timeslot.h"

namespace rova::orders
{

namespace
{
QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QString fontSize(int index)
{
    return index >= 0 && index <= 2 ? QString::number(10 + index) : QString();
}

QString text(const ImportedSlip& s, Field field)
{
    const slip::SlipValues& v = s.values;
    switch (field) {
    case Field::OrderNumber:
        return s.orderNumber;
    case Field::SlipType:
        return v.slipType;
    case Field::PostalCode:
        return v.zip;
    case Field::Address1:
        return v.add1;
    case Field::Address2:
        return v.add2;
    case Field::Address3:
        return v.add3;
    case Field::Name:
        return v.name;
    case Field::Phone:
        return v.tel;
    case Field::Item1:
        return v.g1;
    case Field::Item2:
        return v.g2;
    case Field::Item3:
        return v.g3;
    case Field::Count:
        return v.count;
    case Field::DeliveryMonth:
        return v.deliveryMonth;
    case Field::DeliveryDay:
        return v.deliveryDay;
    case Field::TimeSlot:
        return timeSlotCaption(v);
    case Field::PromisedTime:
        return promisedTimeCaption(v);
    case Field::SlipDate:
        return v.date.isValid() ? v.date.toString(QStringLiteral("yyyy/MM/dd")) : QString();
    case Field::PrintDate:
        return flag(v.printDate);
    case Field::FontSize:
        return fontSize(v.fontSizeIndex);
    case Field::PrintSender:
        return flag(v.printSender);
    case Field::SenderPostalCode:
        return v.myZip;
    case Field::SenderAddress1:
        return v.myAdd1;
    case Field::SenderAddress2:
        return v.myAdd2;
    case Field::SenderName:
        return v.myName;
    case Field::SenderPhone:
        return v.myTel;
    default:
        return QString(); // the pieces of marketplace files are never written
    }
}
} // namespace

QByteArray exportSlips(const QList<ImportedSlip>& slips, const QStringList& trackingNumbers)
{
    const QList<ColumnRule>& rules = orderFormat(FormatId::Own).rules;
    QList<QStringList> records;
    records.reserve(slips.size() + 1);
    QStringList header;
    for (const ColumnRule& rule : rules)
        header << rule.headers.front();
    records << header;
    for (qsizetype i = 0; i < slips.size(); ++i) {
        QStringList record;
        for (const ColumnRule& rule : rules)
            record << (rule.field == Field::TrackingNumber ? trackingNumbers.value(i)
                                                           : text(slips[i], rule.field));
        records << record;
    }
    return QByteArray("\xEF\xBB\xBF") + writeDelimited(records, u',').toUtf8();
}

} // namespace rova::orders
