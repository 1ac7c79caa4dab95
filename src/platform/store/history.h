// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print history: every slip whose job was accepted, searchable as the operator types, and the
// destinations of earlier slips for completing a repeat customer.

#include "platform/store/database.h"
#include "rules/slip/slipvalues.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace rova::store
{

// The record a reprint printed again, as that record reads now.
struct Original {
    qint64 id = 0;       // 0: the slip was printed for the first time
    QDateTime printedAt; // null once the record was deleted; the id still names it
    QString name;
};

struct HistoryEntry {
    qint64 id = 0; // given by record()
    QDateTime printedAt;
    QString printer;
    QString topMargin, leftMargin; // the margin texts as the print position dialog holds them
    slip::SlipValues slip;         // the slip type included, and the marketplace order it is for
    QString trackingNumber;        // of the form it went onto (12 digits); empty when not known
    bool spoiled = false;          // the form was replaced: its number never reached the parcel
    QDateTime notifiedAt;          // when it went into a shipping notice; null when it never did
    QString station;               // that printed it; record() gives the store's own
    Original reprintOf;            // record() keeps its id alone
};

struct HistoryQuery {
    // Matched in either width across name, telephone, postal code and address; a tracking number,
    // typed in any writing or scanned from a form's barcode, finds the slips that carry it.
    QString text{};
    QDate from{}, to{}; // printing days, both included; a null date leaves that end open
    int limit = 1000;
};

// The destination of an earlier slip (postal code, three address lines, name, telephone), offered
// to complete a repeat customer.
struct Destination {
    QString zip, add1, add2, add3, name, tel;
    bool operator==(const Destination&) const = default;
};

class History
{
public:
    explicit History(const Location& where, Access access = Access::ReadWrite);

    // Stores one accepted slip, printed by this station, and returns its id; a null time stands for now.
    qint64 record(const HistoryEntry& entry);
    // Newest first (in the order they were recorded, which a clock set back does not upset), at
    // most query.limit entries.
    QList<HistoryEntry> search(const HistoryQuery& query) const;
    void remove(const QList<qint64>& ids);
    // How many slips it holds.
    int size() const;
    // Whether this station's record of that very slip is there: a write cut off after the store
    // took it and before it said so, which must not be recorded again.
    bool holds(const HistoryEntry& entry) const;
    // The first recorded slip whose form carries one of these tracking numbers, whichever station
    // printed it: a form is used once, so a stack that gives such a number is registered wrongly.
    std::optional<HistoryEntry> carrying(const QStringList& numbers) const;
    // The numbers of these slips were spoiled (their forms replaced); slips without one stay as they are.
    void markSpoiled(const QList<qint64>& ids);
    // The slips, in the order given, went onto the forms numbered from `first` on: a slip without a
    // number takes it, a slip with one is recorded again with the new number and the old one kept
    // as spoiled. Raises when the numbers run out, before anything changed.
    void renumber(const QList<qint64>& ids, const QString& first);
    // The slips of marketplace orders not yet in a shipping notice (every one with `all`), in the
    // order they were recorded.
    QList<HistoryEntry> forNotices(bool all) const;
    void markNotified(const QList<qint64>& ids, const QDateTime& when);
    // Distinct destinations whose name or telephone begins with `prefix` (either width), the most
    // recently recorded first; an empty prefix gives the most recent ones.
    QList<Destination> recentDestinations(const QString& prefix, int limit) const;

private:
    Database m_db;
    QString m_station;
};

} // namespace rova::store
