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

#include <QDeadlineTimer>
#include <QThread>

#include <chrono>

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

// A job's slips the history did not take when it printed: the job, how many of its slips it took and why.
struct Unrecorded {
    print::PrintedJob job;
    int recorded = 0;
    QString failure;
};

// The store failed after a job's paper was out, before its slips were recorded or its rows marked
// printed. The rows' claims keep other stations off them, so the records are tried again on new
// connections for half the claims' lifetime, until the server answers; then the operator is told
// which were not recorded.
bool settle(const store::Location& store, const batch::BatchOutcome& outcome, QList<Unrecorded>& unrecorded)
{
    const std::chrono::minutes patience = store::kClaimLifetime / 2;
    const QDeadlineTimer deadline(patience);
    QString failure = outcome.storeFailure;
    if (failure.isEmpty())
        failure = unrecorded.first().failure;
    complain(QStringLiteral("データベースに記録できませんでした: %1\n"
                            "印刷した送り状を一覧と履歴に記録するため、応答を最長 %2 分待ちます")
                 .arg(failure, QString::number(patience.count())));
    bool marked = outcome.unmarked.isEmpty();
    for (;;) {
        try {
            store::History history(store);
            while (!unrecorded.isEmpty()) {
                Unrecorded& job = unrecorded.first();
                const print::JobRecord result = print::recordJob(
                    job.job, [&history] { return &history; }, job.recorded, true);
                job.recorded = int(result.recorded);
                if (!result.failure.isEmpty())
                    throw Error(result.failure);
                unrecorded.removeFirst();
            }
            if (!marked)
                store::BatchList(store).markPrinted(outcome.unmarked, outcome.unmarkedPrintedAt,
                                                    outcome.unmarkedNumbers);
            complain(QStringLiteral("データベースが応答したため、印刷した送り状を一覧と履歴に記録しました"));
            return true;
        } catch (const std::exception& e) {
            failure = QString::fromUtf8(e.what());
        }
        if (deadline.hasExpired())
            break;
        QThread::sleep(1);
    }
    for (const Unrecorded& job : unrecorded)
        complain(print::JobRecord{job.job.slips.size(), job.recorded, failure}.problem());
    if (!marked)
        complain(outcome.unmarkedText());
    return false;
}

bool printList(const Request& request, const store::Location& store, store::BatchList& list,
               print::SlipJobs& service, const batch::SettingsOf& settingsOf, QList<Unrecorded>& unrecorded)
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
    const bool settled =
        (outcome.unmarked.isEmpty() && unrecorded.isEmpty()) || settle(store, outcome, unrecorded);
    if (!outcome.refusal.isEmpty())
        complain(QStringLiteral("印刷できませんでした: %1\n%2 枚を印刷し、残りの %3 枚は印刷していません")
                     .arg(outcome.refusal, QString::number(outcome.printed),
                          QString::number(outcome.notPrinted())));
    else if (!outcome.unmarked.isEmpty() && outcome.notPrinted() > 0)
        complain(QStringLiteral("%1 枚を印刷し、残りの %2 枚は印刷していません")
                     .arg(outcome.printed)
                     .arg(outcome.notPrinted()));
    if (outcome.taken > 0)
        print(stdout, outcome.takenText() + QLatin1Char('\n'));
    return settled && outcome.allAccepted();
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
        QList<Unrecorded> unrecorded;
        QObject::connect(&service, &print::SlipJobs::printed, [&](const print::PrintedJob& job) {
            const print::JobRecord result = print::recordJob(job, [&history] { return &history; });
            if (!result.failure.isEmpty())
                unrecorded.append({job, int(result.recorded), result.failure});
        });
        service.setNumbersGiven([&history](const QStringList& numbers) { return history.carrying(numbers); });
        const slip::AssignmentFile assignments(folder);
        const batch::SettingsOf settingsOf = [&](const QString& type) { return assignments.load(type); };
        bool ok = request.importFiles.isEmpty() || importFiles(request, folder, list, service, settingsOf);
        if (request.printBatch)
            ok = printList(request, store, list, service, settingsOf, unrecorded) && ok;
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
