// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print/jobhistory.h"

#include <exception>

namespace rova::print
{

QString JobRecord::problem() const
{
    if (failure.isEmpty())
        return QString();
    return QStringLiteral("印刷した送り状 %1 枚のうち %2 枚を履歴に記録できませんでした: %3")
        .arg(slips)
        .arg(slips - recorded)
        .arg(QString(failure).replace(QLatin1Char('\n'), QStringLiteral("  ")));
}

JobRecord recordJob(const PrintedJob& job, const std::function<store::History*()>& history, int from,
                    bool resumed)
{
    JobRecord result{job.slips.size(), from, QString()};
    try {
        store::History* records = history();
        if (!records)
            return result;
        for (const slip::SlipValues& slip : job.slips.mid(from)) {
            store::HistoryEntry entry;
            entry.printedAt = job.acceptedAt;
            entry.printer = job.printer;
            entry.topMargin = job.settings.top;
            entry.leftMargin = job.settings.left;
            entry.slip = slip;
            entry.trackingNumber = job.numbers.value(result.recorded);
            entry.reprintOf.id = job.reprinted.value(result.recorded);
            if (!resumed || result.recorded > from || !records->holds(entry))
                records->record(entry);
            ++result.recorded;
        }
    } catch (const std::exception& e) {
        result.failure = QString::fromUtf8(e.what());
    }
    return result;
}

} // namespace rova::print
