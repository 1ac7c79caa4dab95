#include "widgets/history/historyaccess.h"

namespace rova
{

HistoryAccess::HistoryAccess(const QString& folder) : m_folder(folder) {}

HistoryAccess::~HistoryAccess() = default;

store::History& HistoryAccess::history()
{
    if (!m_history)
        m_history = std::make_unique<store::History>(m_folder);
    return *m_history;
}

} // namespace rova
