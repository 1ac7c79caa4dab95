// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/history.h"

#include "platform/store/searchkey.h"
#include "platform/store/slipcolumns.h"
#include "rules/slip/trackingnumber.h"

#include <QVariant>

#include <algorithm>
#include <limits>

namespace rova::store
{

namespace
{
qint64 startOf(const QDate& day)
{
    return day.isNull() ? std::numeric_limits<qint64>::min() : day.startOfDay().toMSecsSinceEpoch();
}

qint64 endOf(const QDate& day)
{
    return day.isNull() ? std::numeric_limits<qint64>::max()
                        : day.addDays(1).startOfDay().toMSecsSinceEpoch();
}

// The columns readEntries reads, from the first of the SELECT on, the reprinted record's time and
// name read where it is now.
QString entryColumns()
{
    return QStringLiteral("id, printed_at, printer, top_margin, left_margin, tracking_number, spoiled,"
                          " notified_at, station, reprint_of,"
                          " (SELECT o.printed_at FROM history o WHERE o.id = history.reprint_of),"
                          " (SELECT o.name FROM history o WHERE o.id = history.reprint_of), %1")
        .arg(slipColumnNames());
}

QList<HistoryEntry> readEntries(QSqlQuery& select)
{
    QList<HistoryEntry> found;
    while (select.next()) {
        HistoryEntry& e = found.emplace_back();
        e.id = select.value(0).toLongLong();
        e.printedAt = QDateTime::fromMSecsSinceEpoch(select.value(1).toLongLong());
        e.printer = select.value(2).toString();
        e.topMargin = select.value(3).toString();
        e.leftMargin = select.value(4).toString();
        e.trackingNumber = select.value(5).toString();
        e.spoiled = select.value(6).toBool();
        if (!select.value(7).isNull())
            e.notifiedAt = QDateTime::fromMSecsSinceEpoch(select.value(7).toLongLong());
        e.station = select.value(8).toString();
        e.reprintOf.id = select.value(9).toLongLong();
        if (!select.value(10).isNull())
            e.reprintOf.printedAt = QDateTime::fromMSecsSinceEpoch(select.value(10).toLongLong());
        e.reprintOf.name = select.value(11).toString();
        e.slip = readSlip(select, 12);
    }
    return found;
}
} // namespace

History::History(const Location& where, Access access)
    : m_db(where, access, Topic::History), m_station(where.station)
{
}

qint64 History::record(const HistoryEntry& entry)
{
    const QDateTime when = entry.printedAt.isValid() ? entry.printedAt : QDateTime::currentDateTime();
    WriteTransaction transaction(m_db);
    QSqlQuery insert =
        m_db.prepare(QStringLiteral("INSERT INTO history (printed_at, printer, top_margin,"
                                    " left_margin, search, name_key, tel_key,"
                                    " tracking_number, spoiled, station, reprint_of, %1)"
                                    " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, %2) RETURNING id")
                         .arg(slipColumnNames(), slipPlaceholders()));
    insert.bindValue(0, when.toMSecsSinceEpoch());
    insert.bindValue(1, entry.printer);
    insert.bindValue(2, entry.topMargin);
    insert.bindValue(3, entry.leftMargin);
    insert.bindValue(4, slipSearchText(entry.slip));
    insert.bindValue(5, searchKey(entry.slip.name));
    insert.bindValue(6, searchKey(entry.slip.tel));
    insert.bindValue(7, entry.trackingNumber.isEmpty() ? QVariant(QMetaType::fromType<QString>())
                                                       : QVariant(entry.trackingNumber));
    insert.bindValue(8, int(entry.spoiled));
    insert.bindValue(9, m_station);
    insert.bindValue(10, entry.reprintOf.id == 0 ? QVariant(QMetaType::fromType<qlonglong>())
                                                 : QVariant(entry.reprintOf.id));
    bindSlip(insert, entry.slip, 11);
    const qint64 id = m_db.insert(insert);
    transaction.commit();
    return id;
}

QList<HistoryEntry> History::search(const HistoryQuery& query) const
{
    const std::optional<QString> number = tracking::recognise(query.text);
    const QString key = searchKey(query.text);
    const bool ranged = !query.from.isNull() || !query.to.isNull();
    const QString within = ranged ? QStringLiteral(" AND printed_at >= ? AND printed_at < ?") : QString();
    const bool trigrams = key.toUcs4().size() >= 3;
    const QString ids =
        number ? QStringLiteral("SELECT id FROM history WHERE tracking_number = ?%1 ORDER BY id DESC LIMIT ?")
                     .arg(within)
               : dialect::searchedIds(m_db.engine(), trigrams, within);
    QSqlQuery select = m_db.prepare(
        QStringLiteral("SELECT %1 FROM history WHERE id IN (%2) ORDER BY id DESC").arg(entryColumns(), ids));
    int at = 0;
    select.bindValue(at++, number ? QVariant(*number) : dialect::searchedText(m_db.engine(), trigrams, key));
    if (ranged) {
        select.bindValue(at++, startOf(query.from));
        select.bindValue(at++, endOf(query.to));
    }
    select.bindValue(at, query.limit);
    select.setForwardOnly(true);
    m_db.exec(select);
    return readEntries(select);
}

int History::size() const
{
    QSqlQuery count = m_db.exec(QStringLiteral("SELECT COUNT(*) FROM history"));
    count.next();
    return count.value(0).toInt();
}

bool History::holds(const HistoryEntry& entry) const
{
    const QDate day = entry.printedAt.date();
    const QString text = entry.trackingNumber.isEmpty() ? entry.slip.name : entry.trackingNumber;
    const QList<HistoryEntry> same = search({.text = text, .from = day, .to = day});
    return std::ranges::any_of(same, [&](const HistoryEntry& there) {
        return there.station == m_station && there.printedAt == entry.printedAt &&
               there.trackingNumber == entry.trackingNumber && there.slip == entry.slip;
    });
}

std::optional<HistoryEntry> History::carrying(const QStringList& numbers) const
{
    if (numbers.isEmpty())
        return std::nullopt;
    const QStringList marks(numbers.size(), QStringLiteral("?"));
    QSqlQuery select = m_db.prepare(
        QStringLiteral("SELECT %1 FROM history WHERE tracking_number IN (%2) ORDER BY id LIMIT 1")
            .arg(entryColumns(), marks.join(QLatin1Char(','))));
    for (int i = 0; i < numbers.size(); ++i)
        select.bindValue(i, numbers[i]);
    select.setForwardOnly(true);
    m_db.exec(select);
    const QList<HistoryEntry> found = readEntries(select);
    return found.isEmpty() ? std::nullopt : std::optional(found.first());
}

QList<HistoryEntry> History::forNotices(bool all) const
{
    QSqlQuery select = m_db.prepare(
        QStringLiteral("SELECT %1 FROM history WHERE marketplace_order IS NOT NULL%2 ORDER BY id")
            .arg(entryColumns(), all ? QString() : QStringLiteral(" AND notified_at IS NULL")));
    select.setForwardOnly(true);
    m_db.exec(select);
    return readEntries(select);
}

void History::markNotified(const QList<qint64>& ids, const QDateTime& when)
{
    WriteTransaction transaction(m_db);
    QSqlQuery mark = m_db.prepare(QStringLiteral("UPDATE history SET notified_at = ? WHERE id = ?"));
    mark.bindValue(0, when.toMSecsSinceEpoch());
    for (const qint64 id : ids) {
        mark.bindValue(1, id);
        m_db.exec(mark);
    }
    transaction.commit();
}

void History::remove(const QList<qint64>& ids)
{
    WriteTransaction transaction(m_db);
    QSqlQuery remove = m_db.prepare(QStringLiteral("DELETE FROM history WHERE id = ?"));
    for (const qint64 id : ids) {
        remove.bindValue(0, id);
        m_db.exec(remove);
    }
    transaction.commit();
}

} // namespace rova::store
