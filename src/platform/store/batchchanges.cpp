// SPDX-License-Identifier: GPL-3.0-or-later
// The changes the batch window and the print make to rows already in the list.
#include "platform/store/batchcolumns.h"

namespace rova::store
{

namespace
{
// These updates stamp the rows they change with the revision counted for the change, so that the
// triggers, there for the writes of any other program, leave the rows alone instead of writing
// each of them a second time.
const QString stamped = QStringLiteral("changed = (SELECT value FROM batch_revision)");

// The ids as lists for "id IN (…)": one statement for many rows instead of one a row. They are
// numbers, written into the text, a bounded number to a statement.
QStringList idLists(const QList<qint64>& ids)
{
    constexpr qsizetype perStatement = 1000;
    QStringList lists;
    for (qsizetype from = 0; from < ids.size(); from += perStatement) {
        QStringList list;
        for (const qint64 id : ids.mid(from, perStatement))
            list << QString::number(id);
        lists << list.join(QLatin1Char(','));
    }
    return lists;
}

// Sets `assignments` (with `values` bound in order) on the rows with the ids that meet `condition`.
void updateRows(const Database& db, const QString& assignments, const QVariantList& values,
                const QList<qint64>& ids, const QString& condition = {})
{
    for (const QString& list : idLists(ids)) {
        QSqlQuery statement = db.prepare(QStringLiteral("UPDATE batch_rows SET %1, %2 WHERE id IN (%3)%4")
                                             .arg(assignments, stamped, list, condition));
        for (int i = 0; i < values.size(); ++i)
            statement.bindValue(i, values[i]);
        db.exec(statement);
    }
}
} // namespace

void BatchList::remove(const QList<qint64>& ids)
{
    change([&] {
        for (const QString& list : idLists(ids))
            m_db.exec(QStringLiteral("DELETE FROM batch_rows WHERE id IN (%1)").arg(list));
    });
}

qint64 BatchList::setTicked(const QList<qint64>& ids, bool ticked)
{
    return change([&] { updateRows(m_db, QStringLiteral("ticked = ?"), {int(ticked)}, ids); });
}

int BatchList::setSlipTypeOfTicked(const QString& slipType)
{
    int changed = 0;
    change([&] {
        QSqlQuery update = m_db.prepare(
            QStringLiteral("UPDATE batch_rows SET slip_type = ?, %1 WHERE ticked <> 0 AND status <> ?")
                .arg(stamped));
        update.bindValue(0, slipType);
        update.bindValue(1, statusText(BatchStatus::Printed));
        m_db.exec(update);
        changed = update.numRowsAffected();
    });
    return changed;
}

void BatchList::markPrinted(const QList<qint64>& ids, const QDateTime& when, const QStringList& numbers)
{
    change([&] {
        QSqlQuery mark = m_db.prepare(
            QStringLiteral(
                "UPDATE batch_rows SET status = ?, status_time = ?, refusal = NULL, tracking_number = ?,"
                " claimed_by = NULL, claimed_at = NULL, %1 WHERE id = ?")
                .arg(stamped));
        mark.bindValue(0, statusText(BatchStatus::Printed));
        mark.bindValue(1, when.toMSecsSinceEpoch());
        for (int i = 0; i < ids.size(); ++i) {
            mark.bindValue(2, i < numbers.size() ? QVariant(numbers[i])
                                                 : QVariant(QMetaType::fromType<QString>()));
            mark.bindValue(3, ids[i]);
            m_db.exec(mark);
        }
    });
}

void BatchList::markRefused(const QList<qint64>& ids, const QString& reason, const QDateTime& when)
{
    change([&] {
        updateRows(
            m_db,
            QStringLiteral("status = ?, status_time = ?, refusal = ?, claimed_by = NULL, claimed_at = NULL"),
            {statusText(BatchStatus::Refused), when.toMSecsSinceEpoch(), reason}, ids);
    });
}

QList<qint64> BatchList::claim(const QList<qint64>& ids)
{
    QList<qint64> claimed;
    change([&] {
        // The write transaction keeps SQLite's rows to this program; a server locks the rows read
        // and passes over those another program holds. A claim is never taken again before it
        // lapses, not even by its own station, where the window and a script may print at once;
        // past its lifetime it was left by a program that went away.
        const QString now = dialect::clock(m_db.engine());
        QSqlQuery free = m_db.prepare(QStringLiteral("SELECT id FROM batch_rows WHERE id = ? AND status <> ?"
                                                     " AND (claimed_by IS NULL OR claimed_at < %1 - ?)%2")
                                          .arg(now, dialect::lockedForUpdate(m_db.engine())));
        free.bindValue(1, statusText(BatchStatus::Printed));
        free.bindValue(2, qint64(std::chrono::milliseconds(kClaimLifetime).count()));
        QSqlQuery take = m_db.prepare(
            QStringLiteral("UPDATE batch_rows SET claimed_by = ?, claimed_at = %1, %2 WHERE id = ?")
                .arg(now, stamped));
        take.bindValue(0, m_station);
        for (const qint64 id : ids) {
            free.bindValue(0, id);
            m_db.exec(free);
            const bool isFree = free.next();
            free.finish();
            if (!isFree)
                continue;
            take.bindValue(1, id);
            m_db.exec(take);
            claimed.append(id);
        }
    });
    return claimed;
}

void BatchList::release(const QList<qint64>& ids)
{
    endClaims(ids, false);
}

void BatchList::forceRelease(const QList<qint64>& ids)
{
    endClaims(ids, true);
}

void BatchList::endClaims(const QList<qint64>& ids, bool anyStation)
{
    change([&] {
        updateRows(m_db, QStringLiteral("claimed_by = NULL, claimed_at = NULL"),
                   anyStation ? QVariantList{} : QVariantList{m_station}, ids,
                   anyStation ? QString() : QStringLiteral(" AND claimed_by = ?"));
    });
}

} // namespace rova::store
