// SPDX-License-Identifier: GPL-3.0-or-later
// The history window's commands on the chosen rows.

#include "widgets/history/historywindow.h"

#include "platform/print/slipjobs.h"
#include "rules/files/assignmentfile.h"
#include "rules/files/fileio.h"
#include "rules/orders/slipexport.h"
#include "widgets/entry/slipentry.h"
#include "widgets/history/historyaccess.h"
#include "widgets/kit/dialogs.h"
#include "widgets/kit/filedialogs.h"
#include "widgets/printer/trackingnumberdialog.h"

#include <QHash>
#include <QLabel>

using namespace rova;

namespace
{
// Raised when a command finds no row chosen (an empty search leaves none).
[[noreturn]] void nothingChosen()
{
    throw Error(QStringLiteral("履歴が選択されていません"));
}
} // namespace

void HistoryWindow::reprint()
{
    const QList<store::HistoryEntry> entries = chosen();
    if (entries.isEmpty())
        nothingChosen();
    // One job per slip type, each on the printer and at the margins registered for that type now;
    // each slip is checked on that printer's page with those margins, each printer chosen once.
    const slip::AssignmentFile assignments(m_main.folder());
    QList<print::SlipJob> jobs;
    QHash<QString, qsizetype> jobOf;
    for (const store::HistoryEntry& e : entries) {
        const QString& type = e.slip.slipType;
        if (!jobOf.contains(type)) {
            jobOf[type] = jobs.size();
            jobs << print::SlipJob{{}, assignments.load(type), {}};
        }
        jobs[jobOf[type]].slips << e.slip;
        jobs[jobOf[type]].reprinted << e.id;
    }
    const auto ask = [&](const QList<std::optional<print::PageSetup>>& pages) {
        QStringList question{QStringLiteral("印刷しますか?")};
        for (const store::HistoryEntry& e : entries) {
            const qsizetype job = jobOf[e.slip.slipType];
            question += m_main.printWarnings(e.slip, jobs[job].settings, pages[job] ? &*pages[job] : nullptr);
        }
        return Dialogs::ask(this, question.join(QLatin1Char('\n')));
    };
    // The new forms replace the old ones, whose numbers must never reach a parcel's notice.
    const auto spoil = [&](qsizetype job) { m_history.history().markSpoiled(jobs[job].reprinted); };
    if (m_main.jobs().print(jobs, ask, spoil))
        refresh();
}

void HistoryWindow::renumber()
{
    QList<store::HistoryEntry> entries = chosen();
    if (entries.isEmpty())
        nothingChosen();
    TrackingNumberDialog dialog(this, QStringLiteral("伝票番号を付け直す"),
                                QStringLiteral("%1 件の最初の伝票番号").arg(entries.size()));
    if (Dialogs::exec(dialog) != QDialog::Accepted)
        return;
    // In the order they were printed, as the forms lie on the stack.
    QList<qint64> ids;
    for (const store::HistoryEntry& e : entries)
        ids << e.id;
    std::sort(ids.begin(), ids.end());
    m_history.history().renumber(ids, dialog.number());
    refresh();
}

void HistoryWindow::load()
{
    const QList<store::HistoryEntry> entries = chosen();
    if (entries.isEmpty())
        nothingChosen();
    m_main.showSlip(entries.first().slip);
    m_main.comeForward();
}

void HistoryWindow::exportCsv()
{
    const QList<store::HistoryEntry> entries = chosen();
    if (entries.isEmpty())
        nothingChosen();
    const QString path =
        FileDialogs(this, ProgramSettings(m_main.folder()), FileKind::HistoryCsv)
            .saveFile(QStringLiteral("CSV出力"), QStringLiteral("履歴.csv"), QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty())
        return;
    QList<orders::ImportedSlip> slips;
    QStringList numbers;
    for (const store::HistoryEntry& e : entries) {
        slips << orders::ImportedSlip{e.slip, e.slip.order.orderNumber, {}, {}};
        // A spoiled form's number went to no parcel and is never handed on.
        numbers << (e.spoiled ? QString() : e.trackingNumber);
    }
    fileio::writeAtomically(path, orders::exportSlips(slips, numbers));
    m_count->setText(QStringLiteral("%1 件を %2 に書き出しました").arg(slips.size()).arg(path));
}

void HistoryWindow::removeChosen()
{
    const QList<store::HistoryEntry> entries = chosen();
    if (entries.isEmpty())
        nothingChosen();
    if (!Dialogs::ask(this, QStringLiteral("選択した %1 件の履歴を削除しますか?").arg(entries.size())))
        return;
    QList<qint64> ids;
    for (const store::HistoryEntry& e : entries)
        ids << e.id;
    m_history.history().remove(ids);
    refresh();
}
