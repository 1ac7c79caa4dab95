#include "widgets/history/historyrecorder.h"

#include "platform/print/slipjobs.h"
#include "widgets/history/historyaccess.h"

#include <utility>

namespace rova
{

HistoryRecorder::HistoryRecorder(print::SlipJobs& jobs, HistoryAccess& history,
                                 std::function<void(const QString&)> report)
    : QObject(&jobs), m_history(history), m_report(std::move(report))
{
    connect(&jobs, &print::SlipJobs::printed, this, &HistoryRecorder::record);
}

void HistoryRecorder::record(const print::PrintedJob& job)
{
    int recorded = 0;
    try {
        store::History& history = m_history.history();
        if (m_history.readOnly()) {
            // The start said so; one line after the first print is enough.
            if (!std::exchange(m_saidReadOnly, true))
                m_report(QStringLiteral("データフォルダに書き込めないため、印刷の履歴は記録していません"));
            return;
        }
        for (const slip::SlipValues& slip : job.slips) {
            store::HistoryEntry entry;
            entry.printedAt = job.acceptedAt;
            entry.printer = job.printer;
            entry.topMargin = job.settings.top;
            entry.leftMargin = job.settings.left;
            entry.slip = slip;
            entry.trackingNumber = job.numbers.value(recorded);
            history.record(entry);
            ++recorded;
        }
    } catch (const std::exception& e) {
        // The paper is out already: printing again would spend a second form, so only say so.
        const QString reason = QString::fromUtf8(e.what()).replace(QLatin1Char('\n'), QStringLiteral("  "));
        m_report(QStringLiteral("印刷した送り状 %1 枚のうち %2 枚を履歴に記録できませんでした: %3")
                     .arg(job.slips.size())
                     .arg(job.slips.size() - recorded)
                     .arg(reason));
    }
}

} // namespace rova
