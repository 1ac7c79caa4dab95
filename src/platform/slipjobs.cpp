#include "platform/slipjobs.h"

#include "platform/registeredprinter.h"
#include "platform/slipprint.h"

namespace rova::print
{

SlipJobs::SlipJobs(PrinterChoice& printers, QObject* parent) : QObject(parent), m_printers(printers) {}

void SlipJobs::choosePrinter(const slip::PrintSettings& settings, const QString& slipType)
{
    // A server that did not answer before may answer now; its printers are then read afresh.
    if (!m_printers.reachable())
        m_printers.checkForChanges();
    m_printers.setCurrentIndex(registeredPrinter(m_printers.printerNames(), settings, slipType));
}

void SlipJobs::print(const QList<slip::SlipValues>& slips, const slip::PrintSettings& settings)
{
    if (slips.isEmpty())
        return;
    // Nothing to go back to while the server does not answer; choosing then says why.
    const int before = m_printers.reachable() ? m_printers.currentIndex() : -2;
    const DeviceMode beforeMode = m_printers.reachable() ? m_printers.deviceMode() : DeviceMode();
    // Going back is a courtesy to the entry window: when the printers changed meanwhile and it cannot
    // be done, the window's next slip-type change or activation chooses again.
    const auto restore = [&]() noexcept {
        try {
            if (before == -2 || m_printers.currentIndex() == before)
                return;
            m_printers.setCurrentIndex(before);
            m_printers.setDeviceMode(beforeMode);
        } catch (...) {
        }
    };
    PrintedJob job{slips, settings, QString(), QDateTime()};
    try {
        choosePrinter(settings, slips.first().slipType);
        job.printer = m_printers.currentName();
        job.settings.resolution = m_printers.printResolution();
        printSlips(slips, settings, m_printers);
    } catch (...) {
        restore();
        throw;
    }
    job.acceptedAt = QDateTime::currentDateTime();
    restore();
    emit printed(job);
}

} // namespace rova::print
