// SPDX-License-Identifier: GPL-3.0-or-later
// Noticing printers and ports that were added, removed or changed while the program runs.

#include "platform/print/printerchoice.h"

namespace rova::print
{

namespace
{

// Same count, and at every position the same name (case-sensitive) and hidden flag.
bool samePrinters(const QList<Destination>& a, const QList<Destination>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Destination& x, const Destination& y) {
        return x.name == y.name && x.hidden == y.hidden;
    });
}

} // namespace

QStringList PrinterChoice::portNames()
{
    m_ports.clear();
    for (const Destination& d : m_catalogue) {
        if (!d.port.isEmpty() && !m_ports.contains(d.port))
            m_ports.append(d.port);
    }
    return m_ports;
}

void PrinterChoice::checkForChanges()
{
    const bool wasReachable = reachable();
    QList<Destination> fresh = readCatalogue();
    if (samePrinters(fresh, m_catalogue) && reachable() == wasReachable) {
        // Same printers; the fresh reading still carries the ports to compare.
        m_catalogue = std::move(fresh);
        // The ports start empty, so the first check after start reports any port as a change.
        const QStringList before = m_ports;
        if (portNames() != before)
            emit changed();
        return;
    }
    // The current printer may be gone: start over from the default printer with fresh lists.
    m_catalogue = std::move(fresh);
    forgetCurrent();
    emit changed();
}

} // namespace rova::print
