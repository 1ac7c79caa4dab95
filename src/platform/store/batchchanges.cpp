// SPDX-License-Identifier: GPL-3.0-or-later
// The changes the batch window and the print make to rows already in the list.
#include "platform/store/batchcolumns.h"

namespace rova::store
{

namespace
{
// Runs `statement` once for each id, with the id bound last.
void forEachId(const Database& db, QSqlQuery& statement, int idAt, const QList<qint64>& ids)
{
    for (const qint64 id : ids) {
        statement.bindValue(idAt, id);
        db.exec(statement);
    }
}
} // namespace

void BatchList::remove(const QList<qint64>& ids)
{
    change([&] {
        QSqlQuery remove = m_db.prepare(QStringLiteral("DELETE FROM batch_rows WHERE id = ?"));
        forEachId(m_db, remove, 0, ids);
    });
}

void BatchList::setTicked(const QList<qint64>& ids, bool ticked)
{
    change([&] {
        QSqlQuery tick = m_db.prepare(QStringLiteral("UPDATE batch_rows SET ticked = ? WHERE id = ?"));
        tick.bindValue(0, int(ticked));
        forEachId(m_db, tick, 1, ids);
    });
}

int BatchList::setSlipTypeOfTicked(const QString& slipType)
{
    int changed = 0;
    change([&] {
        QSqlQuery update = m_db.prepare(
            QStringLiteral("UPDATE batch_rows SET slip_type = ? WHERE ticked <> 0 AND status <> ?"));
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
        QSqlQuery mark = m_db.prepare(QStringLiteral(
            "UPDATE batch_rows SET status = ?, status_time = ?, refusal = NULL, tracking_number = ?,"
            " claimed_by = NULL, claimed_at = NULL WHERE id = ?"));
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
        QSqlQuery mark =
            m_db.prepare(QStringLiteral("UPDATE batch_rows SET status = ?, status_time = ?, refusal = ?,"
                                        " claimed_by = NULL, claimed_at = NULL WHERE id = ?"));
        mark.bindValue(0, statusText(BatchStatus::Refused));
        mark.bindValue(1, when.toMSecsSinceEpoch());
        mark.bindValue(2, reason);
        forEachId(m_db, mark, 3, ids);
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
            QStringLiteral("UPDATE batch_rows SET claimed_by = ?, claimed_at = %1 WHERE id = ?").arg(now));
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
        QSqlQuery release = m_db.prepare(
            QStringLiteral("UPDATE batch_rows SET claimed_by = NULL, claimed_at = NULL WHERE id = ?%1")
                .arg(anyStation ? QString() : QStringLiteral(" AND claimed_by = ?")));
        if (!anyStation)
            release.bindValue(1, m_station);
        forEachId(m_db, release, 0, ids);
    });
}

} // namespace rova::store
