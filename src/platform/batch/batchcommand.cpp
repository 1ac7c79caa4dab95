// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/batch/batchcommand.h"

#include "platform/batch/batchimport.h"
#include "platform/batch/batchprint.h"
#include "platform/batch/rowcheck.h"
#include "platform/cli/nextnumber.h"
#include "platform/print/fonts.h"
#include "platform/print/installedprinters.h"
#include "platform/print/jobhistory.h"
#include "platform/print/printerchoice.h"
#include "platform/store/setaside.h"
#include "platform/system/programinfo.h"
#include "rules/files/assignmentfile.h"
#include "rules/postal/loader.h"

namespace rova::cli
{

namespace
{
void complain(const QString& text)
{
    print(stderr, QStringLiteral("%1: %2\n").arg(programinfo::command(), text));
}

// What the window would give an imported slip where the file has nothing: its last slip type.
orders::ImportContext importContext(const QString& folder)
{
    orders::ImportContext context;
    context.today = QDate::currentDate();
    context.base.slipType = lastSlipType(folder);
    context.base.date = context.today;
    return context;
}

// The dictionary the window would check postal codes with; without one, the check is left out and
// the reason said once.
std::shared_ptr<const postal::Index> postalIndex(const Request& request, const QString& folder)
{
    const postal::Loaded loaded = postal::load(
        postal::locateSources(request.zipcodeDir, qEnvironmentVariable(postal::kFolderVariable), folder));
    if (!loaded.index)
        complain(loaded.status);
    return loaded.index;
}

bool importFiles(const Request& request, const QString& folder, store::BatchList& list,
                 print::SlipJobs& service, const batch::SettingsOf& settingsOf)
{
    const orders::ImportContext context = importContext(folder);
    batch::RowCheck check(context.today, service, settingsOf, postalIndex(request, folder));
    bool allRead = true;
    for (const QString& path : request.importFiles) {
        try {
            const QList<store::BatchRow> rows =
                batch::batchRows(batch::importFile(path, folder, context), path, check);
            const batch::Added added = batch::addRows(list, rows, request.allowDuplicates);
            print(stdout, QStringLiteral("%1: 追加 %2 行、重複で除いた行 %3、確認の印がある行 %4\n")
                              .arg(path)
                              .arg(added.added)
                              .arg(added.skipped.size())
                              .arg(added.marked));
            if (!added.skipped.isEmpty())
                complain(QStringLiteral("%1: 重複で除いた行: %2 (重複しても加えるには --allow-duplicates)")
                             .arg(path, batch::skippedNames(added).join(QStringLiteral("、"))));
        } catch (const Error& e) {
            complain(e.message());
            allRead = false;
        }
    }
    for (const QString& line : check.notChecked())
        complain(line);
    return allRead;
}

bool printList(const Request& request, store::BatchList& list, print::SlipJobs& service,
               const batch::SettingsOf& settingsOf)
{
    const auto jobs = batch::planJobs(list.rows(), settingsOf, request.includeMarked);
    if (jobs.isEmpty()) {
        print(stderr, QStringLiteral("印刷する行がありません\n"));
        return true;
    }
    const batch::BatchOutcome outcome = batch::printJobs(jobs, service, list, [](int done, int total) {
        print(stderr, QStringLiteral("印刷 %1 / %2 枚\n").arg(done).arg(total));
        return true;
    });
    for (const QString& numbers : outcome.numbers)
        print(stdout, numbers + QLatin1Char('\n'));
    if (!outcome.refusal.isEmpty())
        complain(QStringLiteral("印刷できませんでした: %1\n%2 枚を印刷し、残りの %3 枚は印刷していません")
                     .arg(outcome.refusal)
                     .arg(outcome.printed)
                     .arg(outcome.notPrinted()));
    if (outcome.taken > 0)
        print(stdout, outcome.takenText() + QLatin1Char('\n'));
    return outcome.allAccepted();
}
} // namespace

int runBatch(const Request& request, const store::Location& store)
{
    const QString& folder = store.folder;
    try {
        fonts::registerSubstitutions();
        store::BatchList list(store);
        // No one is there to ask where the PDF printer saves: it takes the path it proposes.
        const auto system = print::installedPrinters([](const QString& proposed) { return proposed; },
                                                     print::PdfProposal(folder));
        print::PrinterChoice printers(*system);
        print::SlipJobs service(printers, folder);
        // Slips printed from a script go into the history as the window's do, so notices find them.
        store::History history(store);
        QObject::connect(&service, &print::SlipJobs::printed, [&history](const print::PrintedJob& job) {
            if (const QString problem = print::recordJob(job, [&history] { return &history; }).problem();
                !problem.isEmpty())
                complain(problem);
        });
        service.setNumbersGiven([&history](const QStringList& numbers) { return history.carrying(numbers); });
        const slip::AssignmentFile assignments(folder);
        const batch::SettingsOf settingsOf = [&](const QString& type) { return assignments.load(type); };
        bool ok = request.importFiles.isEmpty() || importFiles(request, folder, list, service, settingsOf);
        if (request.printBatch)
            ok = printList(request, list, service, settingsOf) && ok;
        return ok ? Success : Failure;
    } catch (const store::DamagedDatabase& e) {
        // The window offers to set the file aside; here the operator is told how to do the same.
        complain(QStringLiteral("%1\nファイルを残したまま新しい一覧で始めるには、名前を変えてください:\n"
                                "mv '%2' '%3'")
                     .arg(e.message(), e.path(), store::asidePath(folder, QDate::currentDate())));
        return Failure;
    } catch (const Error& e) {
        complain(e.message());
        return Failure;
    }
}

} // namespace rova::cli
