// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/transfer/transfer.h"

#include "rules/text/cp932.h"
#include "rules/transfer/compaction.h"
#include "rules/transfer/fieldslots.h"
#include "rules/transfer/headings.h"
#include "rules/transfer/normalise.h"
#include "rules/transfer/onelinesplit.h"

namespace rova::transfer
{

namespace
{
constexpr qsizetype kWorkingLines = 7;
}

Outcome run(const QStringList& paneLines)
{
    Outcome outcome;
    QStringList pasted;
    pasted.reserve(paneLines.size());
    for (const QString& line : paneLines)
        pasted.append(cp932::foldVariants(line));
    // Headings go before the compaction, so that its 16 lines are the delivery block's.
    const QStringList compacted = compact(deliveryBlock(pasted));
    if (compacted.isEmpty()) {
        outcome.nothingToTransfer = true;
        outcome.pane = compacted;
        return outcome;
    }
    QStringList working;
    for (qsizetype i = 0; i < kWorkingLines; ++i)
        working.append(i < compacted.size() ? normaliseLine(compacted.at(i)) : QString());
    outcome.pane = splitLeadingPostalCodes(working);
    outcome.fields = fillSlots(outcome.pane);
    return outcome;
}

} // namespace rova::transfer
