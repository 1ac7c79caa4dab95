// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print history of the data folder, opened at its first use rather than at start: a database that
// cannot be opened costs the operator that one command (with the reason), never the whole program,
// and the next use tries again. A server that did not answer is tried again only once it is known to
// answer, so no keystroke waits for it.

#include "platform/store/history.h"

#include <QString>

#include <memory>

namespace rova
{

class HistoryAccess
{
public:
    explicit HistoryAccess(const store::Location& store);
    ~HistoryAccess();
    HistoryAccess(const HistoryAccess&) = delete;
    HistoryAccess& operator=(const HistoryAccess&) = delete;

    // Raises rova::Error naming the database file when it cannot be opened. In a folder that cannot be
    // written the history there is opened read-only: it can be searched and reprinted from.
    store::History& history();
    // True once the history was opened read-only: nothing can be recorded.
    bool readOnly() const { return m_readOnly; }

    const store::Location& location() const { return m_store; }
    // The server failed (`reason`): its connection is given up, and until it answers again every use
    // raises the reason at once rather than wait for a server that is not there.
    void lost(const QString& reason);
    void reachedAgain() { m_away.clear(); }
    // The server answers again after it went away: the connection, broken with it even where no use
    // failed yet, is made again at the next use.
    void reconnect()
    {
        m_history.reset();
        reachedAgain();
    }
    bool away() const { return !m_away.isEmpty(); }
    const QString& awayReason() const { return m_away; }

private:
    store::Location m_store;
    bool m_readOnly = false;
    QString m_away; // why the server is taken to be away; empty while it answers
    std::unique_ptr<store::History> m_history;
};

} // namespace rova
