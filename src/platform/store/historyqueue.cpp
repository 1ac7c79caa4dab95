// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/historyqueue.h"

#include <QDir>

#include <algorithm>
#include <limits>

namespace rova::store
{

namespace
{
const HistoryQuery everything{.limit = std::numeric_limits<int>::max()};
} // namespace

HistoryQueue::HistoryQueue(const Location& server)
    : m_waiting(Location(QDir(server.folder).filePath(QStringLiteral("server-queue")), {}, server.station))
{
}

int HistoryQueue::size() const
{
    return m_waiting.size();
}

int HistoryQueue::moveTo(History& server)
{
    QList<HistoryEntry> waiting = m_waiting.search(everything);
    std::ranges::reverse(waiting);
    int moved = 0;
    for (const HistoryEntry& entry : waiting) {
        // Only the first can have been cut off after the server took it and before it left the
        // queue: each later one left here before the next was sent.
        if (moved > 0 || !server.holds(entry))
            server.record(entry);
        m_waiting.remove({entry.id});
        ++moved;
    }
    return moved;
}

} // namespace rova::store
