// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/history/historyrecorder.h"

#include "platform/print/jobhistory.h"
#include "widgets/history/historyaccess.h"
#include "widgets/history/serverqueue.h"

#include <utility>

namespace rova
{

HistoryRecorder::HistoryRecorder(print::SlipJobs& jobs, HistoryAccess& history,
                                 std::function<void(const QString&)> report)
    : QObject(&jobs), m_history(history), m_report(std::move(report))
{
    connect(&jobs, &print::SlipJobs::printed, this, &HistoryRecorder::record);
    if (history.location().onServer())
        m_queue = new ServerQueue(history, this);
    // The history holds every number given, by every station that shares it.
    jobs.setNumbersGiven([&history](const QStringList& numbers) -> std::optional<store::HistoryEntry> {
        try {
            return history.history().carrying(numbers);
        } catch (const std::exception&) {
            return std::nullopt; // a history that cannot be opened is said when the job is recorded
        }
    });
}

void HistoryRecorder::record(const print::PrintedJob& job)
{
    // Behind slips that wait, a slip waits too, so the server takes them in the order printed.
    const bool behind = m_queue && (m_queue->waiting() || m_history.away());
    print::JobRecord result;
    if (!behind)
        result = print::recordJob(job, [this]() -> store::History* {
            store::History& history = m_history.history();
            if (!m_history.readOnly())
                return &history;
            // The start said so; one line after the first print is enough.
            if (!std::exchange(m_saidReadOnly, true))
                m_report(QStringLiteral("データフォルダに書き込めないため、印刷の履歴は記録していません"));
            return nullptr;
        });
    if (m_queue && (behind || !result.failure.isEmpty())) {
        if (!behind)
            m_history.lost(result.failure);
        result = m_queue->keep(job, int(result.recorded));
    }
    if (const QString problem = result.problem(); !problem.isEmpty())
        m_report(problem);
}

} // namespace rova
