// Noticing printers and ports that were added, removed or changed while the program runs.

#include "platform/tpvprinter.h"

// The ports of the catalogue as last read: the catalogue and its ports come from one reading.
const QStringList& TPvPrinter::GetPortNames()
{
    m_portNames.clear();
    for (const rova::print::Destination& d : Catalogue().Entries()) {
        if (!d.port.isEmpty() && !m_portNames.contains(d.port))
            m_portNames.append(d.port);
    }
    return m_portNames;
}

void TPvPrinter::CheckForChanges()
{
    auto fresh = std::make_unique<TPvAllPrintersInfo>(System());
    if (fresh->IsEqual(*m_catalogue)) {
        // Same printers; the fresh reading still carries the ports to compare.
        m_catalogue = std::move(fresh);
        // The snapshot starts empty, so the first check after start reports any port as a change.
        const QStringList before = m_portNames;
        if (GetPortNames() != before)
            emit OnChange(this);
        return;
    }
    // The current printer may be gone: start over from the default printer with fresh lists.
    m_state.reset();
    m_catalogue = std::move(fresh);
    m_cachedIndex = -1;
    ClearDevMode();
    emit OnChange(this);
}
