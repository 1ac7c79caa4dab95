// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing the batch list: the ticked rows not yet printed, one job per printer (and margins), a
// page per slip in list order, through the one print service. A row is marked printed only once
// its job was accepted; a refused job marks its rows with the reason and stops the batch. A job
// goes in parts of at most kSlipsPerPart slips, each claiming its rows just before it is sent, so
// a row another station printed or is printing is left to it, a station holds only what it is
// sending (long before its claim could lapse), and stations printing one list share it.

#include "platform/print/slipjobs.h"
#include "platform/store/batchlist.h"

#include <QDateTime>
#include <QList>

#include <functional>

namespace rova::batch
{

constexpr int kSlipsPerPart = 100;

struct BatchJob {
    slip::PrintSettings settings;
    QList<qint64> ids;
    QList<slip::SlipValues> slips;
};

using SettingsOf = std::function<slip::PrintSettings(const QString& slipType)>;

// Ticked rows not printed yet (rows with marks only when `includeMarked`), gathered per printer
// and margins; jobs in the list order of their first row, pages in list order.
QList<BatchJob> planJobs(const QList<store::BatchRow>& rows, const SettingsOf& settingsOf,
                         bool includeMarked);
int slipCount(const QList<BatchJob>& jobs);

struct BatchOutcome {
    int printed = 0; // slips of accepted jobs
    int taken = 0;   // rows another station printed or was printing first
    int total = 0;
    bool cancelled = false;
    QString refusal;     // the print path's words for the job that was refused, empty when none was
    QStringList numbers; // per accepted job that took tracking numbers, what the status line says of them
    // The rows of an accepted job the store failed to mark printed, with why: the paper is out, so
    // they must not be printed again. Their claims keep other stations off them for a while.
    QList<qint64> unmarked;
    QDateTime unmarkedPrintedAt;
    QStringList unmarkedNumbers;
    QString storeFailure;
    bool allAccepted() const { return printed + taken == total; }
    // Those neither printed here nor left to another station.
    int notPrinted() const { return total - printed - taken; }
    // What the operator is told of the rows left to other stations; empty when there were none.
    QString takenText() const;
    // What the operator is told of the unmarked rows; empty when there were none.
    QString unmarkedText() const;
};

// What the operator is told of `taken` rows left to other stations; empty for none.
QString takenText(int taken);

// Before each part `progress(done, total)` is asked whether to go on; false stops between parts.
// The batch also stops after a part whose rows could not be marked printed.
BatchOutcome printJobs(const QList<BatchJob>& jobs, print::SlipJobs& service, store::BatchList& list,
                       const std::function<bool(int done, int total)>& progress);

} // namespace rova::batch
