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
        QSqlQuery mark = m_db.prepare(QStringLiteral("UPDATE batch_rows SET status = ?, status_time = ?,"
                                                     " refusal = NULL, tracking_number = ? WHERE id = ?"));
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
        QSqlQuery mark = m_db.prepare(
            QStringLiteral("UPDATE batch_rows SET status = ?, status_time = ?, refusal = ? WHERE id = ?"));
        mark.bindValue(0, statusText(BatchStatus::Refused));
        mark.bindValue(1, when.toMSecsSinceEpoch());
        mark.bindValue(2, reason);
        forEachId(m_db, mark, 3, ids);
    });
}

} // namespace rova::store
