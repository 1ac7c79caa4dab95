// SPDX-License-Identifier: GPL-3.0-or-later
// Which incoming rows the list already holds. Two rows that both carry an order number are the same
// order only when the numbers are the same in the same marketplace: a customer who orders again
// sends the same parcel under a new number. Where one of them has no number, the same destination
// and item names (compared in search form, so a re-typed width or hyphen does not hide a repeat)
// make it the same parcel.
#include "platform/store/batchcolumns.h"

#include <QHash>
#include <QMultiHash>

namespace rova::store
{

namespace
{
struct Numbered {
    QString source; // "" where unknown, which matches every marketplace
    qint64 id;
};

bool sameMarketplace(const QString& a, const QString& b)
{
    return a.isEmpty() || b.isEmpty() || a == b;
}
} // namespace

QList<BatchDuplicate> BatchList::duplicates(const QList<BatchRow>& incoming) const
{
    using Reason = BatchDuplicate::Reason;
    QMultiHash<QString, Numbered> byOrder;
    // To the list row, or to 0 for an earlier incoming row; `unnumbered` holds rows without a number.
    QHash<QString, qint64> byKey, unnumbered;
    QSqlQuery select =
        m_db.exec(QStringLiteral("SELECT id, order_number, order_source, duplicate_key FROM batch_rows"));
    while (select.next()) {
        const qint64 id = select.value(0).toLongLong();
        const QString order = select.value(1).toString();
        const QString key = select.value(3).toString();
        if (!order.isEmpty())
            byOrder.insert(order, {select.value(2).toString(), id});
        if (!key.isEmpty()) {
            byKey.insert(key, id);
            if (order.isEmpty())
                unnumbered.insert(key, id);
        }
    }

    QList<BatchDuplicate> found;
    for (int i = 0; i < incoming.size(); ++i) {
        const QString order = incoming[i].orderNumber.trimmed();
        const QString key = duplicateKey(incoming[i].slip);
        const QHash<QString, qint64>& sameParcel = order.isEmpty() ? byKey : unnumbered;
        qint64 sameOrder = -1;
        for (auto it = byOrder.constFind(order);
             !order.isEmpty() && it != byOrder.cend() && it.key() == order; ++it) {
            if (sameMarketplace(it->source, incoming[i].orderSource))
                sameOrder = it->id;
        }
        if (sameOrder >= 0)
            found.append({i, Reason::OrderNumber, sameOrder});
        else if (!key.isEmpty() && sameParcel.contains(key))
            found.append({i, Reason::DestinationAndItems, sameParcel.value(key)});
        // Slips of one file that share a number are parcels of one order to several destinations,
        // so an incoming number is not kept for the rows after it.
        if (key.isEmpty())
            continue;
        byKey.insert(key, byKey.value(key, 0));
        if (order.isEmpty())
            unnumbered.insert(key, unnumbered.value(key, 0));
    }
    return found;
}

} // namespace rova::store
