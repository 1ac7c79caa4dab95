#include "platform/store/history.h"

#include "platform/store/searchkey.h"
#include "platform/store/slipcolumns.h"
#include "rules/slip/trackingnumber.h"

#include <QVariant>

#include <limits>

namespace rova::store
{

namespace
{
// The key as one phrase of a full-text query, which the trigram index matches as a piece of text.
QString phrase(QString key)
{
    return QLatin1Char('"') + key.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

qint64 startOf(const QDate& day)
{
    return day.isNull() ? std::numeric_limits<qint64>::min() : day.startOfDay().toMSecsSinceEpoch();
}

qint64 endOf(const QDate& day)
{
    return day.isNull() ? std::numeric_limits<qint64>::max()
                        : day.addDays(1).startOfDay().toMSecsSinceEpoch();
}

// The columns readEntries reads, from the first of the SELECT on.
QString entryColumns()
{
    return QStringLiteral("id, printed_at, printer, top_margin, left_margin, tracking_number, spoiled,"
                          " notified_at, %1")
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
        e.slip = readSlip(select, 8);
    }
    return found;
}
} // namespace

History::History(const QString& folder, Access access) : m_db(folder, access) {}

qint64 History::record(const HistoryEntry& entry)
{
    const QDateTime when = entry.printedAt.isValid() ? entry.printedAt : QDateTime::currentDateTime();
    WriteTransaction transaction(m_db);
    QSqlQuery insert = m_db.prepare(QStringLiteral("INSERT INTO history (printed_at, printer, top_margin,"
                                                   " left_margin, search, name_key, tel_key,"
                                                   " tracking_number, spoiled, %1)"
                                                   " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, %2)")
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
    bindSlip(insert, entry.slip, 9);
    m_db.exec(insert);
    const qint64 id = insert.lastInsertId().toLongLong();
    transaction.commit();
    return id;
}

QList<HistoryEntry> History::search(const HistoryQuery& query) const
{
    const std::optional<QString> number = tracking::recognise(query.text);
    const QString key = searchKey(query.text);
    const bool ranged = !query.from.isNull() || !query.to.isNull();
    const QString within = ranged ? QStringLiteral(" AND printed_at >= ? AND printed_at < ?") : QString();
    // The trigram index answers three letters or more. A shorter text is sought newest first in the
    // index of times and search texts, which a frequent text leaves early and a date range narrows.
    const bool trigrams = key.toUcs4().size() >= 3;
    QString ids;
    if (number)
        ids = QStringLiteral("SELECT id FROM history WHERE tracking_number = ?%1 ORDER BY id DESC LIMIT ?");
    else if (trigrams)
        ids = QStringLiteral("SELECT rowid FROM history_search WHERE history_search MATCH ?%1"
                             " ORDER BY rowid DESC LIMIT ?");
    else
        ids = QStringLiteral("SELECT id FROM history INDEXED BY history_recent"
                             " WHERE instr(search, ?) > 0%1 ORDER BY printed_at DESC LIMIT ?");
    QSqlQuery select = m_db.prepare(QStringLiteral("SELECT %1 FROM history WHERE id IN (%2) ORDER BY id DESC")
                                        .arg(entryColumns(), ids.arg(within)));
    int at = 0;
    select.bindValue(at++, number ? *number : trigrams ? phrase(key) : key);
    if (ranged) {
        select.bindValue(at++, startOf(query.from));
        select.bindValue(at++, endOf(query.to));
    }
    select.bindValue(at, query.limit);
    select.setForwardOnly(true);
    m_db.exec(select);
    return readEntries(select);
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
