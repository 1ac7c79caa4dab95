// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// While the history's server does not answer, the slips printed wait in the data folder. Every few
// seconds a thread of its own tries the server, so no window waits for it, and moves them there in
// the order they were printed; the status bar says how many wait.

#include "platform/print/jobhistory.h"
#include "platform/store/historyqueue.h"
#include "platform/store/serverattempt.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

class QStatusBar;

namespace rova
{

class HistoryAccess;

class ServerQueue : public QObject
{
    Q_OBJECT
public:
    // Slips left waiting by an earlier run are sent as soon as the server answers.
    ServerQueue(HistoryAccess& history, QObject* parent);

    // The slips of `job` from `from` on wait; says what failed when even that failed.
    print::JobRecord keep(const print::PrintedJob& job, int from);
    // Whether slips wait: later ones wait behind them, to reach the server in order.
    bool waiting() const { return m_waiting > 0; }
    // Tries the server now, away from the window's thread; the outcome comes as waitingChanged.
    void sendWaiting();

signals:
    void waitingChanged(int count, const QString& reason);

private:
    store::HistoryQueue& queue();
    void sent(int left, const QString& problem);

    HistoryAccess& m_history;
    std::optional<store::HistoryQueue> m_queue; // opened when first needed
    QTimer m_retry;
    store::ServerAttempt m_sender; // waits for a move under way when the queue goes
    int m_waiting = 0;
};

// A label at the right of the status bar: how many slips wait for the server, and why.
void showWaitingIn(QStatusBar& bar, ServerQueue& queue);

} // namespace rova
