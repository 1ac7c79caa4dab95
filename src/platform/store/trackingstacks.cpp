// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/trackingstacks.h"

#include "rules/errors.h"
#include "rules/slip/trackingnumber.h"

#include <QVariant>

namespace rova::store
{

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
    std::optional<QString> next = this->next(slipType);
    QStringList taken;
    while (next && taken.size() < count) {
        taken << *next;
        try {
            next = tracking::next(*next);
        } catch (const Error&) {
            next.reset();
        }
    }
    if (!taken.isEmpty()) {
        QSqlQuery change =
            next ? m_db.prepare(
                       QStringLiteral("UPDATE tracking_stacks SET next_number = ? WHERE slip_type = ?"))
                 : m_db.prepare(QStringLiteral("DELETE FROM tracking_stacks WHERE slip_type = ?"));
        int at = 0;
        if (next)
            change.bindValue(at++, *next);
        change.bindValue(at, slipType);
        m_db.exec(change);
    }
    transaction.commit();
    return {taken, next.value_or(QString())};
}

} // namespace rova::store
