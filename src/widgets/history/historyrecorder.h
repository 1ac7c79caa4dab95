// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every job the print service reports as accepted goes into the print history, whoever printed it.
// A slip that cannot be recorded is reported, never printed again nor taken back.

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

class HistoryRecorder : public QObject
{
    Q_OBJECT
public:
    // `report` shows what could not be recorded (the main window's status bar and help line).
    HistoryRecorder(print::SlipJobs& jobs, HistoryAccess& history,
                    std::function<void(const QString&)> report);

    void record(const print::PrintedJob& job);

private:
    HistoryAccess& m_history;
    std::function<void(const QString&)> m_report;
    bool m_saidReadOnly = false;
};

} // namespace rova
