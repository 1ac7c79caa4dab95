#include "platform/print/slipjobs.h"

#include "platform/print/pagesetup.h"
#include "platform/print/registeredprinter.h"
#include "platform/print/slipprint.h"

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

void SlipJobs::onPrinterOf(const slip::PrintSettings& settings, const QString& slipType,
                           const std::function<void()>& work)
{
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
    try {
        choosePrinter(settings, slipType);
        work();
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

void SlipJobs::print(const QList<slip::SlipValues>& slips, const slip::PrintSettings& settings)
{
    if (slips.isEmpty())
        return;
    PrintedJob job{slips, settings, QString(), QDateTime()};
    onPrinterOf(settings, slips.first().slipType, [&] {
        job.printer = m_printers.currentName();
        job.settings.resolution = m_printers.printResolution();
        printSlips(slips, settings, m_printers);
        job.acceptedAt = QDateTime::currentDateTime();
    });
    emit printed(job);
}

void SlipJobs::printAlignmentSheet(const QString& slipType, const slip::PrintSettings& settings)
{
    onPrinterOf(settings, slipType, [&] {
        print::printAlignmentSheet({slipType, QString(), settings, QRect()}, m_printers);
    });
}

PageSetup SlipJobs::pageSetup(const slip::PrintSettings& settings, const QString& slipType)
{
    PageSetup setup;
    onPrinterOf(settings, slipType, [&] {
        setup.printer = m_printers.currentName();
        setup.resolution = m_printers.printResolution();
        setup.page = currentPageArea(m_printers);
    });
    return setup;
}

} // namespace rova::print
