// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/history/serverqueue.h"

#include "widgets/history/historyaccess.h"

#include <QLabel>
#include <QStatusBar>

#include <memory>

namespace rova
{

namespace
{
struct Sent {
    int left = -1; // slips still waiting; unknown when the queue could not be read
    QString problem;
};
} // namespace

ServerQueue::ServerQueue(HistoryAccess& history, QObject* parent) : QObject(parent), m_history(history)
{
    m_retry.setInterval(store::kServerRetry);
    connect(&m_retry, &QTimer::timeout, this, [this] {
        if (waiting() || m_history.away())
            sendWaiting();
    });
    m_retry.start();
    try {
        m_waiting = queue().size();
    } catch (const std::exception&) {
        m_waiting = 0; // nothing can wait here then; keep() says so when a slip has to
    }
    if (waiting())
        QTimer::singleShot(0, this, [this] {
            emit waitingChanged(m_waiting, QString());
            sendWaiting();
        });
}

store::HistoryQueue& ServerQueue::queue()
{
    if (!m_queue)
        m_queue.emplace(m_history.location());
    return *m_queue;
}

print::JobRecord ServerQueue::keep(const print::PrintedJob& job, int from)
{
    const print::JobRecord kept = print::recordJob(
        job, [this] { return &queue().waiting(); }, from);
    m_waiting += int(kept.recorded) - from;
    emit waitingChanged(m_waiting, m_history.awayReason());
    return kept;
}

void ServerQueue::sendWaiting()
{
    const store::Location where = m_history.location();
    auto outcome = std::make_shared<Sent>();
    m_sender.run(
        [where, outcome] {
            try {
                store::History server(where);
                store::HistoryQueue waiting(where);
                waiting.moveTo(server);
                outcome->left = waiting.size();
            } catch (const std::exception& e) {
                outcome->problem = QString::fromUtf8(e.what());
                try {
                    outcome->left = store::HistoryQueue(where).size();
                } catch (const std::exception&) {
                }
            }
        },
        [this, outcome] { sent(outcome->left, outcome->problem); });
}

void ServerQueue::sent(int left, const QString& problem)
{
    if (left >= 0)
        m_waiting = left;
    if (!problem.isEmpty()) {
        m_history.lost(problem);
    } else {
        m_history.reachedAgain();
        // Slips that came while these were sent follow them at once.
        if (waiting())
            QTimer::singleShot(0, this, &ServerQueue::sendWaiting);
    }
    emit waitingChanged(m_waiting, problem);
}

void showWaitingIn(QStatusBar& bar, ServerQueue& queue)
{
    auto* label = new QLabel(&bar);
    label->setObjectName(QStringLiteral("Label_ServerQueue"));
    label->setStyleSheet(QStringLiteral("color: red"));
    label->hide();
    bar.addPermanentWidget(label);
    QObject::connect(&queue, &ServerQueue::waitingChanged, label, [label](int count, const QString& reason) {
        label->setVisible(count > 0);
        label->setText(QStringLiteral("サーバー待ちの履歴 %1 件").arg(count));
        label->setToolTip(
            (reason.isEmpty() ? QString() : reason + QStringLiteral("\n")) +
            QStringLiteral(
                "印刷した送り状の履歴をこの PC に保存しています。サーバーが応答したら自動で送ります。"));
    });
}

} // namespace rova
