// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/orders/slipgathering.h"

#include "rules/orders/orderfield.h"

#include <QHash>

namespace rova::orders
{

namespace
{
// The form has three boxes for the count.
constexpr int kMostCount = 999;

struct Pending {
    ImportedSlip slip;
    QStringList items;
    // The rows' counts added up: a file holds far fewer rows than it would take to overflow this.
    std::optional<qint64> count;
    QStringList differing; // captions of the values later rows disagree on
};

QString destinationKey(const RowSlip& r)
{
    const slip::SlipValues& v = r.values;
    return QStringList{r.orderNumber, v.order.destinationId, v.zip, v.add1, v.add2, v.add3, v.name, v.tel}
        .join(QChar(0x1F));
}

void addUnique(auto& list, const auto& value)
{
    if (!list.contains(value))
        list << value;
}

// What a slip can hold only once, compared between the first row of a slip and a later one.
QStringList differences(const slip::SlipValues& a, const slip::SlipValues& b)
{
    QStringList out;
    if (a.slipType != b.slipType)
        out << fieldCaption(Field::SlipType);
    if (a.deliveryMonth != b.deliveryMonth || a.deliveryDay != b.deliveryDay)
        out << fieldCaption(Field::DeliveryDate);
    if (a.timeSlots != b.timeSlots)
        out << fieldCaption(Field::TimeSlot);
    if (a.promisedTimes != b.promisedTimes)
        out << fieldCaption(Field::PromisedTime);
    if (QStringList{a.myZip, a.myTel, a.myAdd1, a.myAdd2, a.myName} !=
        QStringList{b.myZip, b.myTel, b.myAdd1, b.myAdd2, b.myName})
        out << fieldCaption(Field::SenderName);
    return out;
}

QStringList nonEmpty(const QStringList& items)
{
    QStringList out;
    for (const QString& item : items) {
        if (!item.isEmpty())
            out << item;
    }
    return out;
}

Pending started(const NumberedRow& row, bool rowsAreSlips)
{
    Pending p{{row.slip.values, row.slip.orderNumber, {row.line}, {}}, {}, row.slip.count, {}};
    p.items = rowsAreSlips ? row.slip.items : nonEmpty(row.slip.items);
    for (const Mark& m : row.slip.marks)
        addUnique(p.slip.marks, m);
    return p;
}

void merge(Pending& p, const NumberedRow& row)
{
    p.slip.lines << row.line;
    for (const Mark& m : row.slip.marks)
        addUnique(p.slip.marks, m);
    p.items << nonEmpty(row.slip.items);
    p.slip.values.order.items << row.slip.values.order.items;
    if (row.slip.count)
        p.count = p.count.value_or(0) + *row.slip.count;
    for (const QString& caption : differences(p.slip.values, row.slip.values))
        addUnique(p.differing, caption);
}

ImportedSlip finished(Pending p, const QDate& today)
{
    slip::SlipValues& v = p.slip.values;
    v.g1 = p.items.value(0);
    v.g2 = p.items.value(1);
    v.g3 = p.items.value(2);
    if (p.items.size() > 3)
        p.slip.marks << mark(MarkCode::TooManyItems, p.items.mid(3).join(u'、'));
    if (p.count > kMostCount) {
        p.slip.marks << mark(MarkCode::Unmapped, QStringLiteral("%1「%2」を %3 にしました")
                                                     .arg(fieldCaption(Field::Count))
                                                     .arg(*p.count)
                                                     .arg(kMostCount));
        p.count = kMostCount;
    }
    v.count = p.count ? QString::number(*p.count) : QString();
    if (!p.differing.isEmpty())
        p.slip.marks << mark(MarkCode::DifferingValues, p.differing.join(u'、'));
    // A mark the import already gave (a past date with its year) is not given twice.
    for (const Mark& m : checkSlip(v, today)) {
        const bool given = std::any_of(p.slip.marks.begin(), p.slip.marks.end(),
                                       [&](const Mark& g) { return g.code == m.code; });
        if (!given)
            p.slip.marks << m;
    }
    return std::move(p.slip);
}
} // namespace

QList<ImportedSlip> gatherSlips(const QList<NumberedRow>& rows, bool rowsAreSlips, const QDate& today)
{
    QList<Pending> pending;
    QHash<QString, qsizetype> byDestination;
    for (const NumberedRow& row : rows) {
        if (rowsAreSlips || row.slip.orderNumber.isEmpty()) {
            pending << started(row, rowsAreSlips);
            continue;
        }
        const QString key = destinationKey(row.slip);
        if (const auto it = byDestination.constFind(key); it != byDestination.constEnd()) {
            merge(pending[*it], row);
            continue;
        }
        byDestination.insert(key, pending.size());
        pending << started(row, rowsAreSlips);
    }
    QList<ImportedSlip> slips;
    slips.reserve(pending.size());
    for (Pending& p : pending)
        slips << finished(std::move(p), today);
    return slips;
}

} // namespace rova::orders
