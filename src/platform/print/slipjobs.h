// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every print of slips goes through here: the entry window's print command, the preview, a batch and
// a reprint. A job goes to the printer the slip type is registered for; once the print system has
// accepted it, its pages take the next tracking numbers of the slip type's stack of forms, and
// whoever keeps a record of printed slips (the history, the status line) is told.

#include "platform/print/printerchoice.h"
#include "platform/store/history.h"
#include "rules/slip/pagegeometry.h"
#include "rules/slip/printsettings.h"
#include "rules/slip/slipvalues.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace rova::store
{
class TrackingStacks;
}

namespace rova::print
{

struct PrintedJob {
    QList<slip::SlipValues> slips;
    slip::PrintSettings settings; // as printed: the resolution is the job's
    QString printer;              // the destination's name
    QDateTime acceptedAt;
    // The tracking numbers of the pages' forms in page order (fewer than the pages when the stack
    // ran out, none when the slip type has no stack), where the stack stands now, and why no
    // numbers could be taken when the database failed.
    QStringList numbers;
    QString nextNumber;
    QString numberProblem;
    // The history records the slips print again, in page order; empty for slips printed the first time.
    QList<qint64> reprinted;
};

// What the status line says of the tracking numbers a job took ("伝票番号 … ～ …、次は …") and of
// a failure to take them; empty when it took none.
QString numbersSummary(const PrintedJob& job);

// How a slip type's printer takes a page.
struct PageSetup {
    QString printer;
    QPoint resolution; // the one slips are laid out at
    std::optional<slip::PageArea> page;
};

// One job of a print command that prints on several printers.
struct SlipJob {
    QList<slip::SlipValues> slips;
    slip::PrintSettings settings;
    QList<qint64> reprinted; // the history records the slips print again; empty for first prints
};

class SlipJobs : public QObject
{
    Q_OBJECT
public:
    // Pages take tracking numbers from the stacks kept in `numbersFolder`; none when it is empty.
    explicit SlipJobs(PrinterChoice& printers, QString numbersFolder = {}, QObject* parent = nullptr);
    ~SlipJobs() override;

    PrinterChoice& printers() { return m_printers; }

    // Where the numbers already given are recorded (the history, shared by every station on a
    // server): a job whose forms would carry one of them is refused before it prints. Without it,
    // numbers are not checked.
    using NumbersGiven = std::function<std::optional<store::HistoryEntry>(const QStringList& numbers)>;
    void setNumbersGiven(NumbersGiven given) { m_numbersGiven = std::move(given); }

    // One job, a page per slip in the given order, on the printer registered in the settings and no
    // other (the first slip's type names the registration). Raises what the print path raises, and
    // then nothing is announced. The printer current before, with its job
    // settings, is current again afterwards, so the entry window keeps showing its own. Returns the
    // job as announced.
    PrintedJob print(const QList<slip::SlipValues>& slips, const slip::PrintSettings& settings);

    // One print command: the registered printer is chosen once and its page read once; `confirm`
    // sees that page (the checks and the question) and the job goes to the same printer when it
    // answers yes. When the printer cannot be chosen or asked, `confirm` sees no page and a yes
    // raises why. Returns whether the job was accepted.
    using Confirm = std::function<bool(const PageSetup* page)>;
    bool print(const QList<slip::SlipValues>& slips, const slip::PrintSettings& settings,
               const Confirm& confirm);

    // One print command of several jobs (a reprint of several slip types), each on its own
    // registered printer: each printer is chosen and its page read once, `confirm` sees the pages in
    // the jobs' order (none for a printer that cannot be chosen or asked), and on a yes the jobs
    // print, the printer read last first, since it is current already, the current printer's last. `accepted`
    // hears of each job as soon as it is accepted; a job that fails raises why, and the jobs after it are not
    // printed. Returns whether the jobs were printed.
    using ConfirmPages = std::function<bool(const QList<std::optional<PageSetup>>& pages)>;
    bool print(const QList<SlipJob>& jobs, const ConfirmPages& confirm,
               const std::function<void(qsizetype job)>& accepted = {});

    // The plain-paper alignment sheet of a slip type, on the printer of the settings, through the same
    // path; nothing is announced, since no slip was printed.
    void printAlignmentSheet(const QString& slipType, const slip::PrintSettings& settings);

    // The page the slip type's printer would get, read without printing; the current printer stays.
    PageSetup pageSetup(const slip::PrintSettings& settings, const QString& slipType);

signals:
    void printed(const rova::print::PrintedJob& job);

private:
    PageSetup currentPageSetup();
    PrintedJob printOnCurrent(const QList<slip::SlipValues>& slips, const slip::PrintSettings& settings);
    // Makes the registered printer current; raises when it is not there or the list is not known.
    void choosePrinter(const slip::PrintSettings& settings, const QString& slipType);
    // Takes the numbers of an accepted job and announces it.
    void announce(PrintedJob& job);
    // Runs work with the slip type's registered printer current, and makes the one before current again.
    void onPrinterOf(const slip::PrintSettings& settings, const QString& slipType,
                     const std::function<void()>& work);

    // Raises when the forms the slips would go onto carry numbers already given to other slips.
    void refuseGivenNumbers(const QList<slip::SlipValues>& slips);
    store::TrackingStacks& stacks();
    // Takes the numbers of an accepted job's pages; a failure is kept in the job, since its paper
    // is out already.
    void takeNumbers(PrintedJob& job);

    PrinterChoice& m_printers;
    QString m_numbersFolder;
    std::unique_ptr<store::TrackingStacks> m_stacks; // opened at the first job that takes numbers
    NumbersGiven m_numbersGiven;
};

} // namespace rova::print
