// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The batch list: slips waiting to be printed together, in list order, each with its tick, its
// print status and the marks its checks left. Every change is one transaction, so a crash or a
// second process (the command line tool) never leaves half of one.

#include "platform/store/database.h"
#include "rules/slip/slipvalues.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

namespace rova::store
{

// How long a claim holds when its station neither prints nor gives the rows back: long enough for
// any one job to be sent, short enough that the rows of a station that died are not lost for the day.
inline constexpr std::chrono::minutes kClaimLifetime{10};

// A finding of the checks on a row, shown as an icon and a tooltip.
struct BatchMark {
    QString code; // what was found, stable for programs ("zip", "unencodable", …)
    QString text; // what the operator reads
    bool operator==(const BatchMark&) const = default;
};

enum class BatchStatus { New, Printed, Refused };

struct BatchRow {
    qint64 id = 0; // given by add(); never used again once its row is deleted
    bool ticked = true;
    BatchStatus status = BatchStatus::New;
    QDateTime statusTime; // when it was printed or refused
    QString refusal;      // why its job was refused
    slip::SlipValues slip;
    QList<BatchMark> marks;
    QString orderNumber;
    QString orderSource; // the marketplace the order number belongs to; "" where unknown
    QString sourceFile;
    QString trackingNumber; // of the form it was printed on (12 digits); empty when not known
    QString claimedBy;      // the station printing it now; empty when none is
    QDateTime claimedAt;    // since when, by the store's clock

    // When the claim lapses and any station may print the row.
    QDateTime claimLapses() const { return claimedAt.addSecs(kClaimLifetime.count() * 60); }
    // Whether a station holds the row at `now`.
    bool claimHeld(const QDateTime& now) const { return !claimedBy.isEmpty() && now < claimLapses(); }
};

// An incoming row that is already in the list, or that repeats an earlier incoming row.
struct BatchDuplicate {
    enum class Reason { OrderNumber, DestinationAndItems };
    int index; // of the incoming row
    Reason reason;
    qint64 rowId; // the list row it repeats; 0 when it repeats an earlier incoming row
};

// What changed in the list since a revision: the ids now there, and the rows added or changed.
struct BatchChanges {
    QList<qint64> ids;    // every row's, in list order
    QList<BatchRow> rows; // in list order
};

class BatchList
{
public:
    explicit BatchList(const Location& where);

    // Appends the rows, all or none, and returns their new ids in the same order.
    QList<qint64> add(const QList<BatchRow>& rows);
    // Appends the rows that are no duplicates, looked for and added in one write transaction, so
    // another process importing the same rows at the same moment finds these. Returns the rows left out.
    QList<BatchDuplicate> addNew(const QList<BatchRow>& rows);
    // Incoming rows that repeat an order or a parcel already there or earlier among them.
    QList<BatchDuplicate> duplicates(const QList<BatchRow>& incoming) const;
    // Every row in list order.
    QList<BatchRow> rows() const;
    // The rows added or changed after the revision (every row for -1) and the ids of all; a row
    // whose id is gone was deleted.
    BatchChanges changesAfter(qint64 revision) const;

    // The corrected slip of one row and its marks checked again; the row is new again, since what
    // it now holds has not been printed.
    void updateSlip(qint64 id, const slip::SlipValues& slip, const QList<BatchMark>& marks);
    void remove(const QList<qint64>& ids);
    // Returns the revision the change counted.
    qint64 setTicked(const QList<qint64>& ids, bool ticked);
    // Every ticked row not yet printed takes the slip type; printed rows keep what they were
    // printed with. Returns how many rows changed.
    int setSlipTypeOfTicked(const QString& slipType);
    // Claims the rows for this station to print, in one transaction: a row printed or claimed is
    // left out (on a server without waiting for a station claiming it at this moment), unless its
    // claim has lapsed. Returns the ids claimed, in the order given.
    QList<qint64> claim(const QList<qint64>& ids);
    // Gives this station's claims on the rows back, as when their job was not printed.
    void release(const QList<qint64>& ids);
    // Ends the claims on the rows whichever station holds them, when the operator knows it stopped.
    void forceRelease(const QList<qint64>& ids);
    // Both end this station's claims on the rows.
    // `numbers` are the tracking numbers of the rows' forms in the same order; a row past their end has none.
    void markPrinted(const QList<qint64>& ids, const QDateTime& when, const QStringList& numbers = {});
    void markRefused(const QList<qint64>& ids, const QString& reason, const QDateTime& when);

    // Whether the list's connection still reaches the store (Database::answers).
    bool answers() const { return m_db.answers(); }

    // A number that changes with every committed change of the list, by any process: a window
    // compares it with the one it saw last to know when to read the list again.
    qint64 revision() const;

private:
    QList<BatchRow> rowsChangedAfter(qint64 revision) const;
    // Runs `work` in a write transaction that also counts one revision; returns that revision.
    qint64 change(const std::function<void()>& work);
    // Ends the claims on the rows: this station's, or (`anyStation`) everyone's.
    void endClaims(const QList<qint64>& ids, bool anyStation);
    // Inserts the rows inside a change; their ids in the same order.
    QList<qint64> insert(const QList<BatchRow>& rows);

    Database m_db;
    QString m_station;
};

} // namespace rova::store
