// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/changefeed.h"

#include <QSqlDriver>

namespace rova::store
{

ChangeFeed::ChangeFeed(const Location& where, Topic topic, QObject* parent) : QObject(parent)
{
    // A connection that only listens: its owner's own connection may be busy reading when the
    // notification comes, and this one is never.
    if (!where.onServer())
        return;
    m_db = std::make_unique<Database>(where, Access::ReadOnly);
    m_live = dialect::listen(*m_db, topic);
    if (m_live)
        connect(m_db->driver(), &QSqlDriver::notification, this, &ChangeFeed::changed);
}

ChangeFeed::~ChangeFeed() = default;

} // namespace rova::store
