#include "transfer.h"

#include "compaction.h"
#include "fieldslots.h"
#include "normalise.h"
#include "onelinesplit.h"

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
