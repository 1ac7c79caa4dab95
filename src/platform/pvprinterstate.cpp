#include "platform/pvprinterstate.h"

#include "rules/errors.h"

using rova::Error;

PvPrinterState::PvPrinterState(rova::print::PrintSystem& system, QList<rova::print::Destination> devices)
    : m_system(system), m_devices(std::move(devices))
{
}

int PvPrinterState::Index()
{
    if (m_index == -1)
        SetIndex(-1);
    return m_index;
}

void PvPrinterState::SetIndex(int rawIndex)
{
    if (rawIndex == -1) {
        rawIndex = m_system.defaultDestination();
        // Without a default the first device stands in for it, as long as there is one.
        if (rawIndex < 0 || rawIndex >= m_devices.size())
            rawIndex = m_devices.isEmpty() ? -1 : 0;
        if (rawIndex == -1)
            throw Error(QStringLiteral("No printer is installed"));
    }
    if (rawIndex < 0 || rawIndex >= m_devices.size())
        throw Error(QStringLiteral("Printer index out of range"));
    // Selecting a device opens it with its default settings, like a driver hands them out.
    rova::print::Capabilities caps = m_system.capabilities(m_devices.at(rawIndex).name);
    m_mode = caps.defaults;
    m_caps = std::move(caps);
    m_index = rawIndex;
}

const rova::print::Capabilities& PvPrinterState::Capabilities()
{
    const int index = Index();
    if (!m_caps)
        m_caps = m_system.capabilities(m_devices.at(index).name);
    return *m_caps;
}

QString PvPrinterState::DeviceName()
{
    return m_devices.at(Index()).name;
}

const rova::print::DeviceMode& PvPrinterState::DeviceMode()
{
    Index();
    return *m_mode;
}

void PvPrinterState::SetDeviceMode(const rova::print::DeviceMode& mode)
{
    Index();
    m_mode = mode;
}

void PvPrinterState::BeginDoc(const QString& title)
{
    if (m_job)
        throw Error(QStringLiteral("Printing in progress"));
    m_job = m_system.begin(DeviceName(), DeviceMode(), title);
}

rova::print::Canvas& PvPrinterState::Canvas()
{
    if (!m_job)
        throw Error(QStringLiteral("Printer is not currently printing"));
    return m_job->canvas();
}

void PvPrinterState::EndDoc()
{
    if (!m_job)
        throw Error(QStringLiteral("Printer is not currently printing"));
    // The job is over whatever the system answers, so that the next one can begin.
    const std::unique_ptr<rova::print::Job> job = std::move(m_job);
    job->end();
}

void PvPrinterState::Abort()
{
    // Callers abort after any failure, also one of BeginDoc; with no job there is nothing to discard.
    if (const std::unique_ptr<rova::print::Job> job = std::move(m_job))
        job->abort();
}
