#include "platform/print/slipjobs.h"

#include "platform/print/pagesetup.h"
#include "platform/print/registeredprinter.h"
#include "platform/print/slipprint.h"
#include "rules/errors.h"

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

PrintedJob SlipJobs::printOnCurrent(const QList<slip::SlipValues>& slips, const slip::PrintSettings& settings)
{
    PrintedJob job{slips, settings, m_printers.currentName(), QDateTime()};
    job.settings.resolution = m_printers.printResolution();
    printSlips(slips, settings, m_printers);
    job.acceptedAt = QDateTime::currentDateTime();
    return job;
}

void SlipJobs::print(const QList<slip::SlipValues>& slips, const slip::PrintSettings& settings)
{
    if (slips.isEmpty())
        return;
    PrintedJob job;
    onPrinterOf(settings, slips.first().slipType, [&] { job = printOnCurrent(slips, settings); });
    emit printed(job);
}

bool SlipJobs::print(const QList<slip::SlipValues>& slips, const slip::PrintSettings& settings,
                     const Confirm& confirm)
{
    if (slips.isEmpty())
        return false;
    std::optional<PrintedJob> job;
    bool asked = false;
    const auto ask = [&](const PageSetup* page) {
        asked = true;
        return confirm(page);
    };
    try {
        onPrinterOf(settings, slips.first().slipType, [&] {
            const PageSetup page = currentPageSetup();
            if (ask(&page))
                job = printOnCurrent(slips, settings);
        });
    } catch (const Error&) {
        // The question comes first even then; the failure is for a yes to report.
        if (asked || ask(nullptr))
            throw;
        return false;
    }
    if (job)
        emit printed(*job);
    return job.has_value();
}

void SlipJobs::printAlignmentSheet(const QString& slipType, const slip::PrintSettings& settings)
{
    onPrinterOf(settings, slipType, [&] {
        print::printAlignmentSheet({slipType, QString(), settings, QRect()}, m_printers);
    });
}

PageSetup SlipJobs::currentPageSetup()
{
    return {m_printers.currentName(), m_printers.printResolution(), currentPageArea(m_printers)};
}

PageSetup SlipJobs::pageSetup(const slip::PrintSettings& settings, const QString& slipType)
{
    PageSetup setup;
    onPrinterOf(settings, slipType, [&] { setup = currentPageSetup(); });
    return setup;
}

} // namespace rova::print
