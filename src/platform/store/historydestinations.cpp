#include "platform/store/history.h"

#include "platform/store/searchkey.h"

#include <QVariant>

namespace rova::store
{

namespace
{
// A text that sorts after every text beginning with `prefix` (SQLite compares UTF-8 bytes, and the
// last code point has the greatest), so that a prefix is a range of the key's index.
QString pastPrefix(const QString& prefix)
{
    return prefix + QString::fromUcs4(U"\U0010FFFF", 1);
}
} // namespace

QList<Destination> History::recentDestinations(const QString& prefix, int limit) const
{
    const QString key = searchKey(prefix);
    QSqlQuery select = m_db.prepare(
        QStringLiteral("SELECT zip, add1, add2, add3, name, tel, MAX(printed_at) AS latest FROM history"
                       " WHERE (name_key >= ? AND name_key < ?) OR (tel_key >= ? AND tel_key < ?)"
                       " GROUP BY zip, add1, add2, add3, name, tel ORDER BY latest DESC LIMIT ?"));
    for (const int keyAt : {0, 2}) {
        select.bindValue(keyAt, key);
        select.bindValue(keyAt + 1, pastPrefix(key));
    }
    select.bindValue(4, limit);
    select.setForwardOnly(true);
    m_db.exec(select);
    QList<Destination> found;
    while (select.next())
        found.append({select.value(0).toString(), select.value(1).toString(), select.value(2).toString(),
                      select.value(3).toString(), select.value(4).toString(), select.value(5).toString()});
    return found;
}

} // namespace rova::store
