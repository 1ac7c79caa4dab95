// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/orders/marks.h"

#include "rules/orders/deliverydate.h"
#include "rules/orders/timeslot.h"
#include "rules/slip/sliplayout.h"
#include "rules/text/cp932.h"
#include "rules/text/halfwidth.h"

#include <QLocale>

#include <cmath>

namespace rova::orders
{

namespace
{
// Three half-width digits, a hyphen and four digits.
bool isPostalCodeForm(const QString& zip)
{
    if (zip.size() != 8 || zip[3] != u'-')
        return false;
    for (qsizetype i = 0; i < zip.size(); ++i) {
        if (i != 3 && (zip[i] < u'0' || zip[i] > u'9'))
            return false;
    }
    return true;
}

void checkPrintable(QList<Mark>& marks, const slip::SlipValues& v)
{
    QString text = v.zip + v.tel + v.add1 + v.add2 + v.add3 + v.name + v.g1 + v.g2 + v.g3 + v.count +
                   v.deliveryMonth + v.deliveryDay;
    if (v.printSender)
        text += v.myZip + v.myTel + v.myAdd1 + v.myAdd2 + v.myName;
    if (const cp932::Encoded e = cp932::encode(text); !e.ok())
        marks << mark(MarkCode::Unencodable, e.unencodable);
}

void checkDeliveryDate(QList<Mark>& marks, const slip::SlipValues& v, const QDate& today)
{
    if (v.deliveryMonth.trimmed().isEmpty() && v.deliveryDay.trimmed().isEmpty())
        return;
    const QString shown = QStringLiteral("%1月%2日").arg(v.deliveryMonth.trimmed(), v.deliveryDay.trimmed());
    bool monthOk = false, dayOk = false;
    const int month = toHalfWidth(v.deliveryMonth).trimmed().toInt(&monthOk);
    const int day = toHalfWidth(v.deliveryDay).trimmed().toInt(&dayOk);
    const QDate date = monthOk && dayOk ? nearestDate(month, day, today) : QDate();
    if (!date.isValid())
        marks << mark(MarkCode::DeliveryDateBad, shown);
    else if (date < today)
        marks << mark(MarkCode::DeliveryDatePast, shown);
}

// Values the form of the slip's type has no place for would silently not be printed.
void checkForm(QList<Mark>& marks, const slip::SlipValues& v)
{
    const slip::FormKind kind = slip::formKind(v.slipType);
    QStringList unprinted;
    const QString slot = timeSlotCaption(v);
    if (kind != slip::FormKind::Standard && kind != slip::FormKind::DeliveryDate && !slot.isEmpty())
        unprinted << slot;
    const QString promised = promisedTimeCaption(v);
    if (kind != slip::FormKind::TimeService && !promised.isEmpty())
        unprinted << promised;
    if (kind == slip::FormKind::DeliveryDate) {
        for (const QString& item : {v.g2, v.g3}) {
            if (!item.trimmed().isEmpty())
                unprinted << item.trimmed();
        }
    }
    if (!unprinted.isEmpty())
        marks << mark(MarkCode::NotPrinted, unprinted.join(u'、'));
}
} // namespace

QString markText(MarkCode code)
{
    switch (code) {
    case MarkCode::PostalCodeForm:
        return QStringLiteral("郵便番号が 123-4567 の形ではありません");
    case MarkCode::Unencodable:
        return QStringLiteral("送り状に印刷できない文字があります");
    case MarkCode::Address1TooLong:
        return QStringLiteral("警告:おところ①の文字数が多すぎます。　おところ②へ分割してください");
    case MarkCode::NameEmpty:
        return QStringLiteral("おなまえがありません");
    case MarkCode::AddressEmpty:
        return QStringLiteral("おところ①がありません");
    case MarkCode::PhoneEmpty:
        return QStringLiteral("でんわがありません");
    case MarkCode::SenderIncomplete:
        return QStringLiteral("ご依頼主を印字しますが空の欄があります");
    case MarkCode::ItemNameEmpty:
        return QStringLiteral("品名がありません");
    case MarkCode::DeliveryDatePast:
        return QStringLiteral("お届け日が過ぎています");
    case MarkCode::DeliveryDateBad:
        return QStringLiteral("お届け日が日付になっていません");
    case MarkCode::NotPrinted:
        return QStringLiteral("この送り状種類では印刷されない値があります");
    case MarkCode::Overlap:
        return QStringLiteral("文字が隣の欄に重なります");
    case MarkCode::PostalCodeMismatch:
        return QStringLiteral("郵便番号と住所が合いません");
    case MarkCode::Unmapped:
        return QStringLiteral("取り込めなかった値があります");
    case MarkCode::TooManyItems:
        return QStringLiteral("品名が3つを超えています");
    case MarkCode::DifferingValues:
        return QStringLiteral("同じ送り状の行で値が違います");
    case MarkCode::CashOnDelivery:
        return QStringLiteral("代金引換の注文です");
    case MarkCode::TimeSlotMoved:
        return QStringLiteral("ご希望の時間帯が送り状にありません");
    }
    return QString();
}

Mark mark(MarkCode code, const QString& detail)
{
    return {code, detail.isEmpty() ? markText(code) : markText(code) + QStringLiteral(": ") + detail};
}

Mark cashOnDelivery(const QString& amount)
{
    const QString text = markText(MarkCode::CashOnDelivery);
    QString digits = toHalfWidth(amount).trimmed();
    digits.remove(u',').remove(u'¥').remove(u'円');
    if (digits.isEmpty())
        return {MarkCode::CashOnDelivery, text};
    bool isNumber = false;
    const double yen = digits.toDouble(&isNumber);
    const QString shown =
        isNumber ? QLocale(QLocale::English).toString(qlonglong(std::llround(yen))) : amount.trimmed();
    return {MarkCode::CashOnDelivery, QStringLiteral("%1 (¥%2)").arg(text, shown)};
}

bool isImportMark(MarkCode code)
{
    return code == MarkCode::Unmapped || code == MarkCode::TooManyItems ||
           code == MarkCode::DifferingValues || code == MarkCode::CashOnDelivery ||
           code == MarkCode::TimeSlotMoved;
}

bool address1TooLong(const QString& add1)
{
    return cp932::byteLength(add1) > 40;
}

QList<Mark> missingValues(const slip::SlipValues& v)
{
    QList<Mark> marks;
    if (v.printSender) {
        QStringList empty;
        if (v.myName.trimmed().isEmpty())
            empty << QStringLiteral("おなまえ");
        if ((v.myAdd1 + v.myAdd2).trimmed().isEmpty())
            empty << QStringLiteral("おところ");
        if (v.myZip.trimmed().isEmpty())
            empty << QStringLiteral("郵便番号");
        if (!empty.isEmpty())
            marks << mark(MarkCode::SenderIncomplete, empty.join(u'、'));
    }
    if ((v.g1 + v.g2 + v.g3).trimmed().isEmpty())
        marks << mark(MarkCode::ItemNameEmpty);
    return marks;
}

QList<Mark> checkSlip(const slip::SlipValues& v, const QDate& today)
{
    QList<Mark> marks;
    if (!isPostalCodeForm(v.zip))
        marks << mark(MarkCode::PostalCodeForm, v.zip);
    checkPrintable(marks, v);
    if (address1TooLong(v.add1))
        marks << mark(MarkCode::Address1TooLong);
    if (v.name.trimmed().isEmpty())
        marks << mark(MarkCode::NameEmpty);
    if (v.add1.trimmed().isEmpty())
        marks << mark(MarkCode::AddressEmpty);
    if (v.tel.trimmed().isEmpty())
        marks << mark(MarkCode::PhoneEmpty);
    marks << missingValues(v);
    checkDeliveryDate(marks, v, today);
    checkForm(marks, v);
    return marks;
}

} // namespace rova::orders
