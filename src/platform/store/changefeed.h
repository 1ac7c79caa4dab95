// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's ear on the store: a connection of its own that learns when another connection (another
// station, the command line, another window) commits a change. A server tells it at once, for one
// topic; the file has no such thing, so the feed reads each second whether anyone committed there.
// A server's connection that breaks is made again once the server answers.

#include "platform/store/database.h"
#include "platform/store/serverattempt.h"

#include <QObject>
#include <QTimer>

#include <memory>

namespace rova::store
{

class ChangeFeed : public QObject
{
    Q_OBJECT
public:
    // Connects as opening the store does, raising the same rova::Error.
    ChangeFeed(const Location& where, Topic topic, QObject* parent = nullptr);
    ~ChangeFeed() override;

    // What lost() said, until the server answers again (read in reached()).
    const QString& lostReason() const { return m_lostReason; }

signals:
    // A change was committed, or may have been while the server was away; the owner reads what
    // changed.
    void changed();
    // The server no longer answers (`reason`, as opening the store says it); the feed tries it again
    // every kServerRetry and sends changed() once it answers.
    void lost(const QString& reason);
    // The server answers again, just before changed().
    void reached();

private:
    void connectNow();
    // Each second on the file, every kServerRetry on a server.
    void look();
    void reconnect();

    const Location m_where;
    const Topic m_topic;
    std::unique_ptr<Database> m_db; // never writes; none while the server is away
    qint64 m_commits = 0;           // the file's, as last read
    QString m_lostReason;           // empty while the server answers
    QTimer m_timer;
    ServerAttempt m_attempt;
};

} // namespace rova::store
