#include "platform/batchcommand.h"

#include "platform/batchimport.h"
#include "platform/batchprint.h"
#include "platform/fonts.h"
#include "platform/installedprinters.h"
#include "platform/printerchoice.h"
#include "platform/programinfo.h"
#include "rules/assignmentfile.h"
#include "rules/profile.h"
#include "rules/settingsfile.h"
#include "rules/sliplayout.h"

#include <QDir>

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
    Settings settings;
    try {
        settings.load(ProfileFile(QDir(folder).filePath(Settings::fileName())));
    } catch (const Error&) {
        // An unreadable settings file leaves the defaults; the import itself does not need it.
    }
    orders::ImportContext context;
    context.today = QDate::currentDate();
    context.base.slipType = slip::slipTypes().value(settings.comboBoxSel, slip::slipTypes().first());
    context.base.date = context.today;
    return context;
}

bool importFiles(const Request& request, const QString& folder, store::BatchList& list)
{
    const orders::ImportContext context = importContext(folder);
    bool allRead = true;
    for (const QString& path : request.importFiles) {
        try {
            const QList<store::BatchRow> rows =
                batch::batchRows(batch::importFile(path, folder, context), path);
            const batch::Added added = batch::addRows(list, rows, request.allowDuplicates);
            print(stdout, QStringLiteral("%1: 追加 %2 行、重複で除いた行 %3、確認の印がある行 %4\n")
                              .arg(path)
                              .arg(added.added)
                              .arg(added.duplicatesSkipped)
                              .arg(added.marked));
        } catch (const Error& e) {
            complain(e.message());
            allRead = false;
        }
    }
    return allRead;
}

bool printList(const Request& request, const QString& folder, store::BatchList& list)
{
    // No one is there to ask where the PDF printer saves: it takes the path it proposes.
    const auto system = print::installedPrinters([](const QString& proposed) { return proposed; },
                                                 print::PdfProposal(folder));
    print::PrinterChoice printers(*system);
    print::SlipJobs service(printers);
    const slip::AssignmentFile assignments(folder);
    const auto jobs = batch::planJobs(
        list.rows(), [&](const QString& type) { return assignments.load(type); }, request.includeMarked);
    if (jobs.isEmpty()) {
        print(stderr, QStringLiteral("印刷する行がありません\n"));
        return true;
    }
    const batch::BatchOutcome outcome = batch::printJobs(jobs, service, list, [](int done, int total) {
        print(stderr, QStringLiteral("印刷 %1 / %2 枚\n").arg(done).arg(total));
        return true;
    });
    if (!outcome.refusal.isEmpty())
        complain(QStringLiteral("印刷できませんでした: %1\n%2 枚を印刷し、残りの %3 枚は印刷していません")
                     .arg(outcome.refusal)
                     .arg(outcome.printed)
                     .arg(outcome.total - outcome.printed));
    return outcome.allAccepted();
}
} // namespace

int runBatch(const Request& request, const QString& folder)
{
    try {
        fonts::registerSubstitutions();
        store::BatchList list(folder);
        bool ok = importFiles(request, folder, list);
        if (request.printBatch)
            ok = printList(request, folder, list) && ok;
        return ok ? Success : Failure;
    } catch (const Error& e) {
        complain(e.message());
        return Failure;
    }
}

} // namespace rova::cli
