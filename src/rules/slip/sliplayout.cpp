// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/slip/sliplayout.h"

#include "rules/postal/postalcode.h"
#include "rules/text/cp932.h"
#include "rules/text/halfwidth.h"

#include <array>

namespace rova::slip
{
namespace
{

constexpr std::array<int, 7> kZipBytes{1, 2, 3, 5, 6, 7, 8};
constexpr std::array<int, 7> kZipX{185, 230, 275, 340, 389, 438, 487};

struct TimeMark {
    int points;
    QList<int> rows; // Y per check box of the kind's group, in the order they are tried
};

using Items = QList<FieldItem>;

void add(Items& items, const QString& field, const QString& label, const QString& text, const QString& family,
         int points, bool bold, int x, int y)
{
    // A blank cell would only paint white over the pre-printed form.
    if (!text.trimmed().isEmpty())
        items.append({field, label, {text, family, points, bold, x, y}});
}

void add(Items& items, const QString& field, const QString& text, const QString& family, int points,
         bool bold, int x, int y)
{
    add(items, field, field, text, family, points, bold, x, y);
}

// A field drawn in pieces: each piece's label is the short name and its number.
QString piece(const QString& shortName, int i)
{
    return shortName + QString::number(i + 1);
}

void addZip(Items& items, const QString& field, const QString& shortName, const QString& code, int points,
            int y)
{
    const QStringList boxes = postalCodeBoxes(code);
    for (int i = 0; i < 7; ++i)
        add(items, field, piece(shortName, i), boxes[i], kLatin, points, false, kZipX[i], y);
}

void addTimeMark(Items& items, const SlipValues& slip)
{
    const auto mark = [&](int points, const QList<int>& rows, const auto& boxes) {
        for (int i = 0; i < rows.size(); ++i) {
            if (boxes[i]) {
                add(items, QStringLiteral("時間帯"), piece(QStringLiteral("時間帯"), i), QStringLiteral("○"),
                    kMincho, points, true, 1034, rows[i]);
                return;
            }
        }
    };
    switch (formKind(slip.slipType)) {
    case FormKind::Standard:
        mark(22, {30, 82, 140, 190, 244, 298}, slip.timeSlots);
        break;
    case FormKind::TimeService:
        mark(26, {90, 160}, slip.promisedTimes);
        break;
    case FormKind::DeliveryDate:
        mark(14, {20, 54, 88, 122, 156, 190}, slip.timeSlots);
        break;
    case FormKind::None:
        break;
    }
}

void addItemBlock(Items& items, const SlipValues& slip, int points)
{
    const QString goods = QStringLiteral("品名");
    if (formKind(slip.slipType) == FormKind::DeliveryDate) {
        add(items, goods, slip.g1, kMincho, 8, true, 540, 430);
        const QString count = padRight3(slip.count);
        for (int i = 0; i < 3; ++i)
            add(items, QStringLiteral("個数"), piece(QStringLiteral("個数"), i), count.mid(i, 1), kMincho, 14,
                true, 570 + 20 * i, 570);
        return;
    }
    add(items, goods, piece(goods, 0), slip.g1, kMincho, points, true, 570, 195);
    add(items, goods, piece(goods, 1), slip.g2, kMincho, points, true, 570, 225);
    add(items, goods, piece(goods, 2), slip.g3, kMincho, points, true, 570, 255);
}

} // namespace

const QStringList& slipTypes()
{
    static const QStringList types{
        QStringLiteral("発払　着払(手差し)"),     QStringLiteral("発払　着払(連続)"),
        QStringLiteral("タイムサービス(手差し)"), QStringLiteral("タイムサービス(連続)"),
        QStringLiteral("配達指定日(手差し)"),     QStringLiteral("配達指定日(連続)"),
    };
    return types;
}

FormKind formKind(const QString& slipType)
{
    switch (slipTypes().indexOf(slipType)) {
    case 0:
    case 1:
        return FormKind::Standard;
    case 2:
    case 3:
        return FormKind::TimeService;
    case 4:
    case 5:
        return FormKind::DeliveryDate;
    default:
        return FormKind::None;
    }
}

QStringList postalCodeBoxes(const QString& code)
{
    // A code however it was typed ("1000005", "〒１００－０００５") fills the boxes with its digits;
    // only other text falls back to the byte positions.
    if (const std::optional<int> parsed = postal::parseCode(code))
        return postal::formatCode(*parsed).remove(QLatin1Char('-')).split(QString(), Qt::SkipEmptyParts);
    const QByteArray bytes = cp932::toBytes(toHalfWidth(code));
    QStringList boxes;
    // Walk whole characters so that a position is known to start a character or to be its second byte.
    QList<QString> atByte(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const qsizetype width =
            cp932::isLeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < bytes.size() ? 2 : 1;
        atByte[i] = cp932::decode(bytes.mid(i, width));
        i += width;
    }
    for (int position : kZipBytes)
        boxes.append(position <= atByte.size() ? atByte[position - 1] : QString());
    return boxes;
}

QString padRight3(const QString& text)
{
    const QString trimmed = text.trimmed();
    return (QStringLiteral("   ") + trimmed).right(3);
}

QStringList datePieces(const QDate& date)
{
    const QString text = date.toString(QStringLiteral("yyyy/MM/dd"));
    return {text.mid(0, 4), text.mid(5, 2), text.mid(8, 2)};
}

int addressPoints(int fontSizeIndex)
{
    return fontSizeIndex == 2 ? 12 : fontSizeIndex == 1 ? 11 : 10;
}

QList<FieldItem> layoutFields(const SlipValues& slip)
{
    Items items;
    addZip(items, QStringLiteral("お届け先〒"), QStringLiteral("〒"), slip.zip, 14, 30);
    if (slip.printDate) {
        const QStringList date = datePieces(slip.date);
        const QString field = QStringLiteral("発送日");
        add(items, field, QStringLiteral("年"), date[0], kLatin, 9, false, 536, 70);
        add(items, field, QStringLiteral("月"), date[1], kLatin, 9, false, 630, 70);
        add(items, field, QStringLiteral("日"), date[2], kLatin, 9, false, 690, 70);
    }
    const QString delivery = QStringLiteral("配達指定日");
    add(items, delivery, QStringLiteral("指定月"), slip.deliveryMonth, kLatin, 14, false, 830, 114);
    add(items, delivery, QStringLiteral("指定日"), slip.deliveryDay, kLatin, 14, false, 930, 114);
    addTimeMark(items, slip);

    const int points = addressPoints(slip.fontSizeIndex);
    add(items, QStringLiteral("でんわ"), slip.tel, kMincho, points, true, 245, 110);
    add(items, QStringLiteral("おところ①"), slip.add1, kMincho, points, true, 150, 174);
    add(items, QStringLiteral("おところ②"), slip.add2, kMincho, points, true, 150, 219);
    add(items, QStringLiteral("おところ③"), slip.add3, kMincho, points, true, 150, 270);
    add(items, QStringLiteral("おなまえ"), slip.name, kMincho, points, true, 180, 330);
    addItemBlock(items, slip, points);

    if (slip.printSender) {
        addZip(items, QStringLiteral("ご依頼主〒"), QStringLiteral("依〒"), slip.myZip, 12, 380);
        add(items, QStringLiteral("ご依頼主でんわ"), slip.myTel, kMincho, 10, false, 245, 444);
        add(items, QStringLiteral("ご依頼主おところ①"), slip.myAdd1, kMincho, 10, false, 160, 495);
        add(items, QStringLiteral("ご依頼主おところ②"), slip.myAdd2, kMincho, 10, false, 160, 540);
        add(items, QStringLiteral("ご依頼主おなまえ"), slip.myName, kMincho, 10, false, 170, 595);
    }
    return items;
}

QList<TextItem> layoutItems(const SlipValues& slip)
{
    QList<TextItem> items;
    for (const FieldItem& field : layoutFields(slip))
        items.append(field.item);
    return items;
}

QList<LayoutPoint> layoutPoints(FormKind kind)
{
    // Every place of the form kind is where some slip puts a value: one with every field filled,
    // and one per time-mark box ticked alone.
    SlipValues full;
    full.slipType = kind == FormKind::None ? QString() : slipTypes()[2 * static_cast<int>(kind)];
    full.zip = full.myZip = QStringLiteral("000-0000");
    full.tel = full.add1 = full.add2 = full.add3 = full.name = full.g1 = full.g2 = full.g3 =
        QStringLiteral("X");
    full.myTel = full.myAdd1 = full.myAdd2 = full.myName = QStringLiteral("X");
    full.count = QStringLiteral("000");
    full.printDate = full.printSender = true;
    full.date = QDate(2000, 1, 1);
    full.deliveryMonth = full.deliveryDay = QStringLiteral("0");
    QList<LayoutPoint> points;
    const auto collect = [&](const SlipValues& slip) {
        for (const FieldItem& f : layoutFields(slip)) {
            const LayoutPoint point{f.label, QPoint(f.item.x, f.item.y)};
            if (!points.contains(point))
                points.append(point);
        }
    };
    collect(full);
    for (std::size_t i = 0; i < full.timeSlots.size(); ++i) {
        SlipValues ticked = full;
        ticked.timeSlots[i] = true;
        if (i < ticked.promisedTimes.size())
            ticked.promisedTimes[i] = true;
        collect(ticked);
    }
    return points;
}

} // namespace rova::slip
