// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Per slip type, the tracking number of the next blank form in its printer: the stack of
// pre-printed forms numbers are taken from as pages are printed. Taking is one write transaction,
// so two programs printing at once on one data folder never give one number twice.

#include "platform/store/database.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace rova::store
{

struct TakenNumbers {
    QStringList numbers; // in order
    QString next;        // where the stack now stands; empty when it ended
};

class TrackingStacks
{
public:
    explicit TrackingStacks(const QString& folder);

    // The next number of the slip type's stack (12 digits), nothing when none is registered.
    std::optional<QString> next(const QString& slipType) const;
    // Registers the next number (12 digits, checked by the caller); an empty one ends the stack.
    void setNext(const QString& slipType, const QString& number);
    // Up to `count` numbers in order, the stack moved on past them; none when no number is
    // registered. A stack reaching the last number there is gives what it has and then ends.
    TakenNumbers take(const QString& slipType, int count);
    // The numbers take() would give now, the stack left as it is.
    TakenNumbers peek(const QString& slipType, int count) const;

private:
    Database m_db;
};

} // namespace rova::store
