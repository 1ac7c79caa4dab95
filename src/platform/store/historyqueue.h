// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Slips printed while the history's server did not answer wait in the data folder's own file, in the
// order they were printed, and go to the server when it answers again: nothing printed is left out
// of the shared history, and nothing is recorded there twice.

#include "platform/store/history.h"

namespace rova::store
{

class HistoryQueue
{
public:
    // The queue of the station `server` names: a history of its own in the data folder's
    // "server-queue" folder, apart from the folder's own history, which holds what was printed before
    // the list moved to a server.
    explicit HistoryQueue(const Location& server);

    // Where slips wait, recorded into as into the server's history.
    History& waiting() { return m_waiting; }
    int size() const;
    // Moves what waits into `server`, oldest first, and returns how many moved. Raises when the
    // server fails; what moved before stays moved and the rest waits.
    int moveTo(History& server);

private:
    History m_waiting;
};

} // namespace rova::store
