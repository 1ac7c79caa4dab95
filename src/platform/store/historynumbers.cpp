// SPDX-License-Identifier: GPL-3.0-or-later
// The tracking numbers of recorded slips corrected after a form was spoiled.
#include "platform/store/history.h"

#include "platform/store/slipcolumns.h"
#include "rules/slip/trackingnumber.h"

#include <QVariant>

namespace rova::store
{

void History::markSpoiled(const QList<qint64>& ids)
{
    WriteTransaction transaction(m_db);
    QSqlQuery mark = m_db.prepare(
        QStringLiteral("UPDATE history SET spoiled = 1 WHERE id = ? AND tracking_number IS NOT NULL"));
    for (const qint64 id : ids) {
        mark.bindValue(0, id);
        m_db.exec(mark);
    }
    transaction.commit();
}

void History::renumber(const QList<qint64>& ids, const QString& first)
{
    QStringList numbers{first};
    while (numbers.size() < ids.size())
        numbers << tracking::next(numbers.last());
    WriteTransaction transaction(m_db);
    // A slip without a number takes it in place; one with a number keeps it as spoiled, and its copy
    // carries the new one, so the record of the spoiled form stays as it was.
    QSqlQuery fill = m_db.prepare(
        QStringLiteral("UPDATE history SET tracking_number = ? WHERE id = ? AND tracking_number IS NULL"));
    const QString columns =
        QStringLiteral("printed_at, printer, top_margin, left_margin, search, name_key, tel_key, station,"
                       " reprint_of, %1")
            .arg(slipColumnNames());
    QSqlQuery copy = m_db.prepare(QStringLiteral("INSERT INTO history (%1, tracking_number)"
                                                 " SELECT %1, ? FROM history WHERE id = ?")
                                      .arg(columns));
    QSqlQuery spoil = m_db.prepare(QStringLiteral("UPDATE history SET spoiled = 1 WHERE id = ?"));
    for (int i = 0; i < ids.size(); ++i) {
        fill.bindValue(0, numbers[i]);
        fill.bindValue(1, ids[i]);
        m_db.exec(fill);
        if (fill.numRowsAffected() == 1)
            continue;
        copy.bindValue(0, numbers[i]);
        copy.bindValue(1, ids[i]);
        m_db.exec(copy);
        spoil.bindValue(0, ids[i]);
        m_db.exec(spoil);
    }
    transaction.commit();
}

} // namespace rova::store
