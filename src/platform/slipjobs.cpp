#include "platform/slipjobs.h"

#include "platform/pagesetup.h"
#include "platform/slipprint.h"
#include "rules/strtoint.h"

namespace rova::print
{

SlipJobs::SlipJobs(PrinterChoice& printers, QObject* parent) : QObject(parent), m_printers(printers) {}

void SlipJobs::choosePrinter(const slip::PrintSettings& settings)
{
    const int index = strToInt(settings.printerIndex);
    try {
        m_printers.setCurrentIndex(index);
    } catch (const PrinterError& e) {
        if (e.kind() != PrinterError::Kind::Range)
            throw;
        // A printer removed since it was registered: the first one, as the slip-type change does.
        m_printers.setCurrentIndex(0);
    }
}

void SlipJobs::onPrinterOf(const slip::PrintSettings& settings, const std::function<void()>& work)
{
    const int before = m_printers.currentIndex();
    const DeviceMode beforeMode = m_printers.deviceMode();
    // Going back is a courtesy to the entry window: when the printers changed meanwhile and it cannot
    // be done, the window's next slip-type change or activation chooses again.
    const auto restore = [&]() noexcept {
        try {
            if (m_printers.currentIndex() == before)
                return;
            m_printers.setCurrentIndex(before);
            m_printers.setDeviceMode(beforeMode);
        } catch (...) {
        }
    };
    try {
        choosePrinter(settings);
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
    onPrinterOf(settings, [&] {
        job.printer = m_printers.currentName();
        job.settings.resolution = m_printers.printResolution();
        printSlips(slips, settings, m_printers);
        job.acceptedAt = QDateTime::currentDateTime();
    });
    emit printed(job);
}

void SlipJobs::printAlignmentSheet(const QString& slipType, const slip::PrintSettings& settings)
{
    onPrinterOf(settings, [&] {
        print::printAlignmentSheet({slipType, QString(), settings, QRect()}, m_printers);
    });
}

PageSetup SlipJobs::pageSetup(const slip::PrintSettings& settings)
{
    PageSetup setup;
    onPrinterOf(settings, [&] {
        setup.printer = m_printers.currentName();
        setup.resolution = m_printers.printResolution();
        setup.page = currentPageArea(m_printers);
    });
    return setup;
}

} // namespace rova::print
