#include "platform/store/history.h"

#include "platform/store/searchkey.h"
#include "platform/store/slipcolumns.h"

#include <QVariant>

#include <limits>

namespace rova::store
{

namespace
{
// One line per field, so a search never matches across two of them; the address lines are one
// address, so they are joined first.
QString searchText(const slip::SlipValues& s)
{
    return QStringList{searchKey(s.name), searchKey(s.tel), searchKey(s.zip),
                       searchKey(s.add1 + s.add2 + s.add3)}
        .join(QLatin1Char('\n'));
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
} // namespace

History::History(const QString& folder) : m_db(folder) {}

qint64 History::record(const HistoryEntry& entry)
{
    const QDateTime when = entry.printedAt.isValid() ? entry.printedAt : QDateTime::currentDateTime();
    WriteTransaction transaction(m_db);
    QSqlQuery insert = m_db.prepare(QStringLiteral("INSERT INTO history (printed_at, printer, top_margin,"
                                                   " left_margin, search, name_key, tel_key, %1)"
                                                   " VALUES (?, ?, ?, ?, ?, ?, ?, %2)")
                                        .arg(slipColumnNames(), slipPlaceholders()));
    insert.bindValue(0, when.toMSecsSinceEpoch());
    insert.bindValue(1, entry.printer);
    insert.bindValue(2, entry.topMargin);
    insert.bindValue(3, entry.leftMargin);
    insert.bindValue(4, searchText(entry.slip));
    insert.bindValue(5, searchKey(entry.slip.name));
    insert.bindValue(6, searchKey(entry.slip.tel));
    bindSlip(insert, entry.slip, 7);
    m_db.exec(insert);
    const qint64 id = insert.lastInsertId().toLongLong();
    transaction.commit();
    return id;
}

QList<HistoryEntry> History::search(const HistoryQuery& query) const
{
    // The inner selection reads only the index of time and search text; whole rows are read for
    // the few it keeps.
    QSqlQuery select = m_db.prepare(
        QStringLiteral("SELECT id, printed_at, printer, top_margin, left_margin, %1 FROM history"
                       " WHERE id IN (SELECT id FROM history WHERE printed_at >= ? AND printed_at < ?"
                       " AND instr(search, ?) > 0 ORDER BY printed_at DESC, id DESC LIMIT ?)"
                       " ORDER BY printed_at DESC, id DESC")
            .arg(slipColumnNames()));
    select.bindValue(0, startOf(query.from));
    select.bindValue(1, endOf(query.to));
    select.bindValue(2, searchKey(query.text));
    select.bindValue(3, query.limit);
    select.setForwardOnly(true);
    m_db.exec(select);
    QList<HistoryEntry> found;
    while (select.next()) {
        HistoryEntry& e = found.emplace_back();
        e.id = select.value(0).toLongLong();
        e.printedAt = QDateTime::fromMSecsSinceEpoch(select.value(1).toLongLong());
        e.printer = select.value(2).toString();
        e.topMargin = select.value(3).toString();
        e.leftMargin = select.value(4).toString();
        e.slip = readSlip(select, 5);
    }
    return found;
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
