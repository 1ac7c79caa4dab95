#include "widgets/history/historyaccess.h"

#include "platform/system/datafolder.h"
#include "rules/errors.h"

#include <QDir>
#include <QFileInfo>

namespace rova
{

HistoryAccess::HistoryAccess(const QString& folder) : m_folder(folder) {}

HistoryAccess::~HistoryAccess() = default;

store::History& HistoryAccess::history()
{
    if (m_history)
        return *m_history;
    try {
        m_history = std::make_unique<store::History>(m_folder);
    } catch (const store::DamagedDatabase&) {
        throw;
    } catch (const Error&) {
        const bool exists = QFileInfo::exists(QDir(m_folder).filePath(store::databaseFileName()));
        if (!exists || datafolder::prepare(m_folder).isEmpty())
            throw;
        m_history = std::make_unique<store::History>(m_folder, store::Access::ReadOnly);
        m_readOnly = true;
    }
    return *m_history;
}

} // namespace rova
