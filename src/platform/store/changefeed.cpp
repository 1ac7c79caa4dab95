// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/changefeed.h"

#include <QSqlDriver>

#include <memory>

namespace rova::store
{

ChangeFeed::ChangeFeed(const Location& where, Topic topic, QObject* parent)
    : QObject(parent), m_where(where), m_topic(topic)
{
    // A connection of its own: its owner's may be busy reading when the notification comes.
    connectNow();
    connect(&m_timer, &QTimer::timeout, this, &ChangeFeed::look);
    m_timer.start(where.onServer() ? std::chrono::milliseconds(kServerRetry) : std::chrono::seconds(1));
}

ChangeFeed::~ChangeFeed() = default;

void ChangeFeed::connectNow()
{
    // On the file an immutable (read-only) connection would never see another's commit.
    m_db = std::make_unique<Database>(m_where, m_where.onServer() ? Access::ReadOnly : Access::ReadWrite);
    if (dialect::listen(*m_db, m_topic))
        connect(m_db->driver(), &QSqlDriver::notification, this, &ChangeFeed::changed);
    else
        m_commits = dialect::othersCommits(*m_db);
}

void ChangeFeed::look()
{
    if (!m_where.onServer()) {
        try {
            const qint64 commits = dialect::othersCommits(*m_db);
            if (commits != m_commits) {
                m_commits = commits;
                emit changed();
            }
        } catch (const Error&) {
            // A file busy for a moment is read again in a second.
        }
        return;
    }
    // A broken connection hears nothing and says nothing: only asking shows it.
    if (m_db && m_db->answers())
        return;
    m_db.reset();
    reconnect();
}

void ChangeFeed::reconnect()
{
    // A connection attempt may wait for the connection timeout: tried away from the window first.
    auto problem = std::make_shared<QString>();
    const Location where = m_where;
    m_attempt.run(
        [where, problem] {
            try {
                tryServer(where);
            } catch (const std::exception& e) {
                *problem = QString::fromUtf8(e.what());
            }
        },
        [this, problem] {
            if (problem->isEmpty()) {
                try {
                    connectNow();
                    emit reached();
                    m_lostReason.clear();
                    emit changed(); // what was told while away is lost
                    return;
                } catch (const Error& e) {
                    *problem = e.message();
                    m_db.reset();
                }
            }
            if (m_lostReason.isEmpty()) {
                m_lostReason = *problem;
                emit lost(*problem);
            }
        });
}

} // namespace rova::store
