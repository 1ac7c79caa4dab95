// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print/jobhistory.h"

#include <exception>

namespace rova::print
{

QString recordJob(const PrintedJob& job, const std::function<store::History*()>& history)
{
    int recorded = 0;
    try {
        store::History* records = history();
        if (!records)
            return QString();
        for (const slip::SlipValues& slip : job.slips) {
            store::HistoryEntry entry;
            entry.printedAt = job.acceptedAt;
            entry.printer = job.printer;
            entry.topMargin = job.settings.top;
            entry.leftMargin = job.settings.left;
            entry.slip = slip;
            entry.trackingNumber = job.numbers.value(recorded);
            entry.reprintOf.id = job.reprinted.value(recorded);
            records->record(entry);
            ++recorded;
        }
    } catch (const std::exception& e) {
        const QString reason = QString::fromUtf8(e.what()).replace(QLatin1Char('\n'), QStringLiteral("  "));
        return QStringLiteral("印刷した送り状 %1 枚のうち %2 枚を履歴に記録できませんでした: %3")
            .arg(job.slips.size())
            .arg(job.slips.size() - recorded)
            .arg(reason);
    }
    return QString();
}

} // namespace rova::print
