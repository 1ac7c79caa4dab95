// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/trackingstacks.h"

#include "rules/errors.h"
#include "rules/slip/trackingnumber.h"

#include <QVariant>

namespace rova::store
{

namespace
{
// Up to `count` numbers from `next` on; a stack reaching the last number there is ends there.
TakenNumbers numbersFrom(std::optional<QString> next, int count)
{
    QStringList numbers;
    while (next && numbers.size() < count) {
        numbers << *next;
        try {
            next = tracking::next(*next);
        } catch (const Error&) {
            next.reset();
        }
    }
    return {numbers, next.value_or(QString())};
}
} // namespace

TrackingStacks::TrackingStacks(const QString& folder) : m_db(folder) {}

std::optional<QString> TrackingStacks::next(const QString& slipType) const
{
    QSqlQuery select =
        m_db.prepare(QStringLiteral("SELECT next_number FROM tracking_stacks WHERE slip_type = ?"));
    select.bindValue(0, slipType);
    m_db.exec(select);
    if (!select.next())
        return std::nullopt;
    return select.value(0).toString();
}

void TrackingStacks::setNext(const QString& slipType, const QString& number)
{
    WriteTransaction transaction(m_db);
    QSqlQuery change =
        number.isEmpty()
            ? m_db.prepare(QStringLiteral("DELETE FROM tracking_stacks WHERE slip_type = ?"))
            : m_db.prepare(QStringLiteral("INSERT INTO tracking_stacks VALUES (?, ?) ON CONFLICT (slip_type)"
                                          " DO UPDATE SET next_number = excluded.next_number"));
    change.bindValue(0, slipType);
    if (!number.isEmpty())
        change.bindValue(1, number);
    m_db.exec(change);
    transaction.commit();
}

TakenNumbers TrackingStacks::take(const QString& slipType, int count)
{
    WriteTransaction transaction(m_db);
    // Read under the write lock: another program may have taken numbers since.
    const TakenNumbers taken = numbersFrom(next(slipType), count);
    if (!taken.numbers.isEmpty()) {
        const bool ended = taken.next.isEmpty();
        QSqlQuery change =
            ended ? m_db.prepare(QStringLiteral("DELETE FROM tracking_stacks WHERE slip_type = ?"))
                  : m_db.prepare(
                        QStringLiteral("UPDATE tracking_stacks SET next_number = ? WHERE slip_type = ?"));
        int at = 0;
        if (!ended)
            change.bindValue(at++, taken.next);
        change.bindValue(at, slipType);
        m_db.exec(change);
    }
    transaction.commit();
    return taken;
}

TakenNumbers TrackingStacks::peek(const QString& slipType, int count) const
{
    return numbersFrom(next(slipType), count);
}

} // namespace rova::store
