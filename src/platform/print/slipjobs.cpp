// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print/slipjobs.h"

#include "platform/print/pagesetup.h"
#include "platform/print/registeredprinter.h"
#include "platform/print/slipprint.h"
#include "platform/store/trackingstacks.h"
#include "rules/errors.h"
#include "rules/slip/trackingnumber.h"

namespace rova::print
{

QString numbersSummary(const PrintedJob& job)
{
    if (job.numbers.isEmpty())
        return job.numberProblem;
    QString text = QStringLiteral("伝票番号 %1").arg(tracking::display(job.numbers.first()));
    if (job.numbers.size() > 1)
        text += QStringLiteral(" ～ %1").arg(tracking::display(job.numbers.last()));
    if (job.numbers.size() < job.slips.size())
        return text + QStringLiteral("、残りの %1 枚は番号が尽きて付いていません")
                          .arg(job.slips.size() - job.numbers.size());
    return text + (job.nextNumber.isEmpty()
                       ? QStringLiteral("、次の番号はありません")
                       : QStringLiteral("、次は %1").arg(tracking::display(job.nextNumber)));
}

SlipJobs::SlipJobs(PrinterChoice& printers, QString numbersFolder, QObject* parent)
    : QObject(parent), m_printers(printers), m_numbersFolder(std::move(numbersFolder))
{
}

SlipJobs::~SlipJobs() = default;

void SlipJobs::choosePrinter(const slip::PrintSettings& settings, const QString& slipType)
{
    // A server that did not answer before may answer now; its printers are then read afresh.
    if (!m_printers.reachable())
        m_printers.checkForChanges();
    m_printers.setCurrentIndex(registeredPrinter(m_printers.printerNames(), settings, slipType));
}

namespace
{
// Makes the printer that was current when it was made current again when it goes. Going back is a
// courtesy to the entry window: when the printers changed meanwhile and it cannot be done, the
// window's next slip-type change or activation chooses again. Meanwhile each printer is read once,
// so going back asks the print system nothing.
class PrinterKept
{
public:
    explicit PrinterKept(PrinterChoice& printers) : m_readOnce(printers), m_printers(printers)
    {
        // Nothing to go back to while there is no printer or the server does not answer; choosing
        // then says why.
        try {
            if (printers.reachable()) {
                m_before = printers.currentIndex();
                m_mode = printers.deviceMode();
            }
        } catch (const Error&) {
            m_before = -2;
        }
    }
    ~PrinterKept()
    {
        try {
            if (m_before == -2 || m_printers.currentIndex() == m_before)
                return;
            m_printers.setCurrentIndex(m_before);
            m_printers.setDeviceMode(m_mode);
        } catch (...) {
        }
    }
    PrinterKept(const PrinterKept&) = delete;
    PrinterKept& operator=(const PrinterKept&) = delete;

private:
    PrinterChoice::ReadOnce m_readOnce; // first made, last gone
    PrinterChoice& m_printers;
    int m_before = -2;
    DeviceMode m_mode;
};
} // namespace

void SlipJobs::onPrinterOf(const slip::PrintSettings& settings, const QString& slipType,
                           const std::function<void()>& work)
{
    const PrinterKept kept(m_printers);
    choosePrinter(settings, slipType);
    work();
}

PrintedJob SlipJobs::printOnCurrent(const QList<slip::SlipValues>& slips, const slip::PrintSettings& settings)
{
    PrintedJob job{slips, settings, m_printers.currentName(), QDateTime()};
    job.settings.resolution = m_printers.printResolution();
    refuseGivenNumbers(slips);
    printSlips(slips, settings, m_printers);
    job.acceptedAt = QDateTime::currentDateTime();
    return job;
}

PrintedJob SlipJobs::print(const QList<slip::SlipValues>& slips, const slip::PrintSettings& settings)
{
    if (slips.isEmpty())
        return {};
    PrintedJob job;
    onPrinterOf(settings, slips.first().slipType, [&] { job = printOnCurrent(slips, settings); });
    announce(job);
    return job;
}

void SlipJobs::announce(PrintedJob& job)
{
    takeNumbers(job);
    emit printed(job);
}

store::TrackingStacks& SlipJobs::stacks()
{
    if (!m_stacks)
        m_stacks = std::make_unique<store::TrackingStacks>(m_numbersFolder);
    return *m_stacks;
}

void SlipJobs::refuseGivenNumbers(const QList<slip::SlipValues>& slips)
{
    if (m_numbersFolder.isEmpty() || !m_numbersGiven)
        return;
    QStringList numbers;
    try {
        numbers = stacks().peek(slips.first().slipType, int(slips.size())).numbers;
    } catch (const std::exception&) {
        return; // the job still prints; taking its numbers afterwards says what failed
    }
    if (numbers.isEmpty())
        return; // no stack registered: nothing to look up
    const std::optional<store::HistoryEntry> given = m_numbersGiven(numbers);
    if (!given)
        return;
    throw Error(QStringLiteral("伝票番号 %1 は、%2 が %3 に印刷した %4の送り状に付いています。"
                               "同じ番号の送り状は一枚しかないため、印刷していません。\n"
                               "プリンタにある次の送り状の伝票番号を確かめ、"
                               "「印字位置調整」の「伝票番号」に登録し直してください。")
                    .arg(tracking::display(given->trackingNumber),
                         given->station.isEmpty() ? QStringLiteral("ほかの端末") : given->station,
                         given->printedAt.toString(QStringLiteral("yyyy/MM/dd HH:mm")),
                         given->slip.name.isEmpty() ? QStringLiteral("名前のない宛先")
                                                    : given->slip.name + QStringLiteral(" 様")));
}

void SlipJobs::takeNumbers(PrintedJob& job)
{
    if (m_numbersFolder.isEmpty())
        return;
    try {
        const store::TakenNumbers taken = stacks().take(job.slips.first().slipType, int(job.slips.size()));
        job.numbers = taken.numbers;
        job.nextNumber = taken.next;
    } catch (const std::exception& e) {
        job.numberProblem = QStringLiteral("伝票番号を取れませんでした: %1").arg(QString::fromUtf8(e.what()));
    }
}

bool SlipJobs::print(const QList<slip::SlipValues>& slips, const slip::PrintSettings& settings,
                     const Confirm& confirm)
{
    if (slips.isEmpty())
        return false;
    return print({{slips, settings}}, [&](const QList<std::optional<PageSetup>>& pages) {
        return confirm(pages.first() ? &*pages.first() : nullptr);
    });
}

bool SlipJobs::print(const QList<SlipJob>& jobs, const ConfirmPages& confirm,
                     const std::function<void(qsizetype job)>& accepted)
{
    const PrinterKept kept(m_printers);
    // The jobs for the printer current now are read first and so printed last, the printer read
    // last printed on first: the printers chosen again are only those in between.
    const auto onCurrent = [&](const SlipJob& job) {
        try {
            return registeredPrinter(m_printers.printerNames(), job.settings, job.slips.first().slipType) ==
                   m_printers.currentIndex();
        } catch (const Error&) {
            return false;
        }
    };
    QList<qsizetype> order;
    for (qsizetype i = 0; i < jobs.size(); ++i)
        order.insert(onCurrent(jobs[i]) ? 0 : order.size(), i);
    QList<std::optional<PageSetup>> pages(jobs.size());
    for (const qsizetype i : order) {
        try {
            choosePrinter(jobs[i].settings, jobs[i].slips.first().slipType);
            pages[i] = currentPageSetup();
        } catch (const Error&) {
            // the question comes first even then; the failure is for a yes to report
        }
    }
    if (!confirm(pages))
        return false;
    for (auto i = order.crbegin(); i != order.crend(); ++i) {
        // Choosing the current printer again asks nothing; a printer that could not be asked
        // raises why now.
        const SlipJob& slipJob = jobs[*i];
        choosePrinter(slipJob.settings, slipJob.slips.first().slipType);
        PrintedJob job = printOnCurrent(slipJob.slips, slipJob.settings);
        job.reprinted = slipJob.reprinted;
        announce(job);
        if (accepted)
            accepted(*i);
    }
    return true;
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
