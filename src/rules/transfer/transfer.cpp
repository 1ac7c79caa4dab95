#include "rules/transfer/transfer.h"

#include "rules/transfer/compaction.h"
#include "rules/transfer/fieldslots.h"
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
    const QStringList compacted = compact(paneLines);
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
