// Which incoming rows the list already holds: the same order number, or the same destination and
// item names (compared in search form, so a re-typed width or hyphen does not hide a repeat).
#include "platform/store/batchcolumns.h"

#include <QHash>

namespace rova::store
{

QList<BatchDuplicate> BatchList::duplicates(const QList<BatchRow>& incoming) const
{
    using Reason = BatchDuplicate::Reason;
    QHash<QString, qint64> byOrder, byKey; // to the list row, or to 0 for an earlier incoming row
    QSqlQuery select = m_db.exec(QStringLiteral("SELECT id, order_number, duplicate_key FROM batch_rows"));
    while (select.next()) {
        const qint64 id = select.value(0).toLongLong();
        if (const QString order = select.value(1).toString(); !order.isEmpty())
            byOrder.insert(order, id);
        if (const QString key = select.value(2).toString(); !key.isEmpty())
            byKey.insert(key, id);
    }

    QList<BatchDuplicate> found;
    for (int i = 0; i < incoming.size(); ++i) {
        const QString order = incoming[i].orderNumber.trimmed();
        const QString key = duplicateKey(incoming[i].slip);
        if (!order.isEmpty() && byOrder.contains(order))
            found.append({i, Reason::OrderNumber, byOrder.value(order)});
        else if (!key.isEmpty() && byKey.contains(key))
            found.append({i, Reason::DestinationAndItems, byKey.value(key)});
        if (!order.isEmpty())
            byOrder.insert(order, byOrder.value(order, 0));
        if (!key.isEmpty())
            byKey.insert(key, byKey.value(key, 0));
    }
    return found;
}

} // namespace rova::store
