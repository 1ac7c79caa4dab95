// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every job the print service reports as accepted goes into the print history, whoever printed it.
// A slip that cannot be recorded is reported, never printed again nor taken back. A job whose forms
// would carry numbers the history already holds is refused before it prints. While the history's
// server does not answer, the slips wait in the data folder for it.

#include <QObject>
#include <QString>

#include <functional>

namespace rova::print
{
class SlipJobs;
struct PrintedJob;
} // namespace rova::print

namespace rova
{

class HistoryAccess;
class ServerQueue;

class HistoryRecorder : public QObject
{
    Q_OBJECT
public:
    // `report` shows what could not be recorded (the main window's status bar and help line).
    HistoryRecorder(print::SlipJobs& jobs, HistoryAccess& history,
                    std::function<void(const QString&)> report);

    void record(const print::PrintedJob& job);
    // Where slips wait for the server; null when the history is the data folder's own.
    ServerQueue* serverQueue() const { return m_queue; }

private:
    HistoryAccess& m_history;
    std::function<void(const QString&)> m_report;
    bool m_saidReadOnly = false;
    ServerQueue* m_queue = nullptr;
};

} // namespace rova
