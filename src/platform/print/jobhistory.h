// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An accepted job into the print history, a record per slip in page order, each with the tracking
// number of its page and, for a reprint, the record it printed again. The window's recorder and the
// command line's batch print both record here.

#include "platform/print/slipjobs.h"
#include "platform/store/history.h"

#include <QString>

#include <functional>

namespace rova::print
{

struct JobRecord {
    qsizetype slips = 0;
    qsizetype recorded = 0; // counted from the job's first slip
    QString failure;        // the store's words when not every slip could be recorded
    // What the operator is told then (the paper is out already: nothing is printed again nor
    // taken back); empty when all were recorded.
    QString problem() const;
};

// `history` opens the history when first needed; null when it takes no records (read-only). The
// slips before `from` were recorded already. `resumed`: an earlier try failed on the slip at `from`,
// whose write may have reached the store all the same; it is then not recorded again.
JobRecord recordJob(const PrintedJob& job, const std::function<store::History*()>& history, int from = 0,
                    bool resumed = false);

} // namespace rova::print
