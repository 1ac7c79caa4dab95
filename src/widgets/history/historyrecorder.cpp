// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/history/historyrecorder.h"

#include "platform/print/jobhistory.h"
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
    const QString problem = print::recordJob(job, [this]() -> store::History* {
        store::History& history = m_history.history();
        if (!m_history.readOnly())
            return &history;
        // The start said so; one line after the first print is enough.
        if (!std::exchange(m_saidReadOnly, true))
            m_report(QStringLiteral("データフォルダに書き込めないため、印刷の履歴は記録していません"));
        return nullptr;
    });
    if (!problem.isEmpty())
        m_report(problem);
}

} // namespace rova
