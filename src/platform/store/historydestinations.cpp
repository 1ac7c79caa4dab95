// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/history.h"

#include "platform/store/searchkey.h"

#include <QSet>
#include <QVariant>

namespace rova::store
{

namespace
{
// Most beginnings are found among the latest slips; only a rare one needs the whole indexes.
constexpr int latestSlips = 2000;

// A text that sorts after every text beginning with `prefix` (SQLite compares UTF-8 bytes, and the
// last code point has the greatest), so that a prefix is a range of the key's index.
QString pastPrefix(const QString& prefix)
{
    return prefix + QString::fromUcs4(U"\U0010FFFF", 1);
}

// Distinct destinations of the rows of `select` (newest first) up to `limit`.
QList<Destination> distinct(const Database& db, QSqlQuery& select, const QString& key, int limit)
{
    for (const int at : {0, 2}) {
        select.bindValue(at, key);
        select.bindValue(at + 1, pastPrefix(key));
    }
    select.setForwardOnly(true);
    db.exec(select);
    QList<Destination> found;
    QSet<QString> seen;
    while (found.size() < limit && select.next()) {
        const Destination d{select.value(0).toString(), select.value(1).toString(),
                            select.value(2).toString(), select.value(3).toString(),
                            select.value(4).toString(), select.value(5).toString()};
        const QString identity = QStringList{d.zip, d.add1, d.add2, d.add3, d.name, d.tel}.join(QChar(0x1F));
        if (!seen.contains(identity)) {
            seen.insert(identity);
            found.append(d);
        }
    }
    return found;
}
} // namespace

QList<Destination> History::recentDestinations(const QString& prefix, int limit) const
{
    const QString key = searchKey(prefix);
    const Engine engine = m_db.engine();
    const QString byName = dialect::textRange(engine, QStringLiteral("name_key"));
    const QString byTel = dialect::textRange(engine, QStringLiteral("tel_key"));
    QSqlQuery latest =
        m_db.prepare(QStringLiteral("SELECT zip, add1, add2, add3, name, tel FROM %1"
                                    " WHERE (%2 OR %3)"
                                    " AND id > (SELECT max(id) FROM history) - %4 ORDER BY id DESC")
                         .arg(dialect::historyNotIndexed(engine), byName, byTel)
                         .arg(latestSlips));
    QList<Destination> found = distinct(m_db, latest, key, limit);
    if (found.size() == limit)
        return found;
    QSqlQuery all =
        m_db.prepare(QStringLiteral("SELECT zip, add1, add2, add3, name, tel FROM history WHERE id IN"
                                    " (SELECT id FROM history WHERE %1"
                                    " UNION ALL SELECT id FROM history WHERE %2) ORDER BY id DESC")
                         .arg(byName, byTel));
    return distinct(m_db, all, key, limit);
}

} // namespace rova::store
