// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/batchlist.h"

#include "platform/store/batchcolumns.h"
#include "platform/store/slipcolumns.h"
#include "rules/errors.h"

namespace rova::store
{

namespace
{
QVariant timeColumn(const QDateTime& when)
{
    return when.isValid() ? QVariant(when.toMSecsSinceEpoch()) : QVariant(QMetaType::fromType<qint64>());
}
} // namespace

BatchList::BatchList(const Location& where)
    : m_db(where, Access::ReadWrite, Topic::BatchList), m_station(where.station)
{
}

qint64 BatchList::change(const std::function<void()>& work)
{
    WriteTransaction transaction(m_db);
    // Counted first: the rows the work touches are stamped with the new revision.
    QSqlQuery counted =
        m_db.exec(QStringLiteral("UPDATE batch_revision SET value = value + 1 RETURNING value"));
    const qint64 revision = counted.next() ? counted.value(0).toLongLong() : -1;
    counted.finish();
    work();
    transaction.commit();
    return revision;
}

qint64 BatchList::revision() const
{
    return m_db.value(QStringLiteral("SELECT value FROM batch_revision")).toLongLong();
}

QList<qint64> BatchList::add(const QList<BatchRow>& rows)
{
    QList<qint64> ids;
    if (!rows.isEmpty())
        change([&] { ids = insert(rows); });
    return ids;
}

QList<BatchDuplicate> BatchList::addNew(const QList<BatchRow>& rows)
{
    QList<BatchDuplicate> found;
    if (rows.isEmpty())
        return found;
    change([&] {
        found = duplicates(rows);
        QList<bool> skip(rows.size(), false);
        for (const BatchDuplicate& d : found)
            skip[d.index] = true;
        QList<BatchRow> taken;
        for (qsizetype i = 0; i < rows.size(); ++i) {
            if (!skip[i])
                taken.append(rows[i]);
        }
        insert(taken);
    });
    return found;
}

QList<qint64> BatchList::insert(const QList<BatchRow>& rows)
{
    QList<qint64> ids;
    ids.reserve(rows.size());
    QSqlQuery insert =
        m_db.prepare(QStringLiteral("INSERT INTO batch_rows (ticked, status, status_time, refusal,"
                                    " marks, order_number, order_source, source_file, duplicate_key, %1)"
                                    " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, %2) RETURNING id")
                         .arg(slipColumnNames(), slipPlaceholders()));
    for (const BatchRow& row : rows) {
        insert.bindValue(0, int(row.ticked));
        insert.bindValue(1, statusText(row.status));
        insert.bindValue(2, timeColumn(row.statusTime));
        insert.bindValue(3, row.refusal);
        insert.bindValue(4, marksColumn(row.marks));
        insert.bindValue(5, row.orderNumber.trimmed());
        insert.bindValue(6, row.orderSource);
        insert.bindValue(7, row.sourceFile);
        insert.bindValue(8, duplicateKey(row.slip));
        bindSlip(insert, row.slip, 9);
        ids.append(m_db.insert(insert));
    }
    return ids;
}

QList<BatchRow> BatchList::rows() const
{
    return rowsChangedAfter(-1);
}

BatchChanges BatchList::changesAfter(qint64 revision) const
{
    BatchChanges changes;
    QSqlQuery ids = m_db.prepare(QStringLiteral("SELECT id FROM batch_rows ORDER BY id"));
    ids.setForwardOnly(true);
    m_db.exec(ids);
    while (ids.next())
        changes.ids.append(ids.value(0).toLongLong());
    changes.rows = rowsChangedAfter(revision);
    return changes;
}

QList<BatchRow> BatchList::rowsChangedAfter(qint64 revision) const
{
    // All rows are read in id order without the index of revisions, which would only add a sort.
    QSqlQuery select = m_db.prepare(
        QStringLiteral("SELECT id, ticked, status, status_time, refusal, marks,"
                       " order_number, order_source, source_file, tracking_number, claimed_by, claimed_at, %1"
                       " FROM batch_rows %2 ORDER BY id")
            .arg(slipColumnNames(), revision < 0 ? QString() : QStringLiteral("WHERE changed > ?")));
    select.setForwardOnly(true);
    if (revision >= 0)
        select.bindValue(0, revision);
    m_db.exec(select);
    QList<BatchRow> rows;
    while (select.next()) {
        BatchRow& row = rows.emplace_back();
        row.id = select.value(0).toLongLong();
        row.ticked = select.value(1).toBool();
        row.status = statusFromText(select.value(2).toString());
        if (!select.value(3).isNull())
            row.statusTime = QDateTime::fromMSecsSinceEpoch(select.value(3).toLongLong());
        row.refusal = select.value(4).toString();
        row.marks = marksFromColumn(select.value(5));
        row.orderNumber = select.value(6).toString();
        row.orderSource = select.value(7).toString();
        row.sourceFile = select.value(8).toString();
        row.trackingNumber = select.value(9).toString();
        row.claimedBy = select.value(10).toString();
        if (!select.value(11).isNull())
            row.claimedAt = QDateTime::fromMSecsSinceEpoch(select.value(11).toLongLong());
        row.slip = readSlip(select, 12);
    }
    return rows;
}

void BatchList::updateSlip(qint64 id, const slip::SlipValues& slip, const QList<BatchMark>& marks)
{
    change([&] {
        QSqlQuery update = m_db.prepare(
            QStringLiteral(
                "UPDATE batch_rows SET %1, marks = ?, duplicate_key = ?,"
                " status = ?, status_time = NULL, refusal = NULL, tracking_number = NULL WHERE id = ?")
                .arg(slipAssignments()));
        bindSlip(update, slip, 0);
        const int next = slipColumnCount();
        update.bindValue(next, marksColumn(marks));
        update.bindValue(next + 1, duplicateKey(slip));
        update.bindValue(next + 2, statusText(BatchStatus::New));
        update.bindValue(next + 3, id);
        m_db.exec(update);
        if (update.numRowsAffected() != 1)
            throw Error(QStringLiteral("この行は一覧から削除されています"));
    });
}

} // namespace rova::store
