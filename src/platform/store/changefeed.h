// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's ear on the store: on a server, a connection of its own that hears at once when another
// connection (another station, the command line, another window) commits a change of one topic.
// The file has no such thing: its owner reads the store's counter on a timer instead.

#include "platform/store/database.h"

#include <QObject>

#include <memory>

namespace rova::store
{

class ChangeFeed : public QObject
{
    Q_OBJECT
public:
    // Connects to the server as opening the store does, raising the same rova::Error; for the file
    // it connects to nothing.
    ChangeFeed(const Location& where, Topic topic, QObject* parent = nullptr);
    ~ChangeFeed() override;

    // Whether changed() comes by itself.
    bool live() const { return m_live; }

signals:
    // A change of the topic was committed; the owner reads what changed.
    void changed();

private:
    std::unique_ptr<Database> m_db; // listening only: it never reads or writes
    bool m_live = false;
};

} // namespace rova::store
