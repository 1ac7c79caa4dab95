// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/transfer/compaction.h"

#include "rules/transfer/blanks.h"
#include "rules/transfer/mailmarkers.h"

namespace rova::transfer
{

namespace
{
constexpr qsizetype kLinesRead = 16;
}

QStringList compact(const QStringList& paneLines)
{
    QStringList kept;
    for (const QString& pasted : paneLines.first(qMin(paneLines.size(), kLinesRead))) {
        const QString line = trimStandard(pasted);
        // A line of ideographic spaces would otherwise take a working line and push the phone out.
        if (isBlank(line) || mailMarkerCount(line) > 0)
            continue;
        kept.append(line);
    }
    return kept;
}

} // namespace rova::transfer
