// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/history/historyaccess.h"

#include "platform/system/datafolder.h"
#include "rules/errors.h"

#include <QDir>
#include <QFileInfo>

namespace rova
{

HistoryAccess::HistoryAccess(const store::Location& store) : m_store(store) {}

HistoryAccess::~HistoryAccess() = default;

store::History& HistoryAccess::history()
{
    if (m_history)
        return *m_history;
    if (away())
        throw Error(m_away);
    try {
        m_history = std::make_unique<store::History>(m_store);
    } catch (const store::DamagedDatabase&) {
        throw;
    } catch (const Error& e) {
        if (m_store.onServer()) {
            lost(e.message());
            throw;
        }
        const QString& folder = m_store.folder;
        const bool exists = QFileInfo::exists(QDir(folder).filePath(store::databaseFileName()));
        if (!exists || datafolder::prepare(folder).isEmpty())
            throw;
        m_history = std::make_unique<store::History>(m_store, store::Access::ReadOnly);
        m_readOnly = true;
    }
    return *m_history;
}

void HistoryAccess::lost(const QString& reason)
{
    m_history.reset();
    if (!away())
        m_away = reason;
}

} // namespace rova
