// SPDX-License-Identifier: GPL-3.0-or-later
// The batch window on a list of 10,000 rows: opening it (reading the list, filling the table and
// showing it, from F10 to the window drawn), and ticking 1,000 chosen rows (from the command to the
// window drawn again).

#include "stats.h"
#include "storeslips.h"

#include "platform/print/printerchoice.h"
#include "platform/store/batchlist.h"
#include "support/fakeprintsystem.h"
#include "widgets/batch/batchwindow.h"
#include "widgets/entry/mainwindow.h"
#include "widgets/forms.h"
#include "widgets/kit/dialogs.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTemporaryDir>

namespace
{
constexpr int rows = 10000;
constexpr int ticked = 1000;

// Every tenth row chosen, so that the changed rows are spread over the list.
void chooseSpread(QTableView& table)
{
    QItemSelection chosen;
    for (int row = 0; row < ticked * 10; row += 10)
        chosen.select(table.model()->index(row, 0), table.model()->index(row, 0));
    table.selectionModel()->select(chosen, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}
} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = bench::runsFromArguments(app.arguments());
    rova::Dialogs::setScripted(true);

    QTemporaryDir folder;
    {
        QList<rova::store::BatchRow> made;
        for (const rova::slip::SlipValues& slip : bench::storeSlips(rows, 1)) {
            rova::store::BatchRow& row = made.emplace_back();
            row.slip = slip;
            if (made.size() % 7 == 0)
                row.marks = {
                    {QStringLiteral("zip"), QStringLiteral("郵便番号が 123-4567 の形ではありません")}};
        }
        rova::store::BatchList(folder.path()).add(made);
    }
    rova::print::FakePrintSystem system;
    system.addPrinter(rova::print::FakePrintSystem::printer(QStringLiteral("Printer A")));
    system.setDefault(0);
    rova::print::PrinterChoice printers(system);

    bench::Timings opening;
    for (int i = 0; i <= runs; ++i) {
        // A fresh start each time: the window reads the list when it is first opened.
        rova::Forms forms(printers, folder.path());
        forms.main->show();
        QCoreApplication::processEvents();
        const auto open = [&] {
            forms.batch->open();
            forms.batch->repaint();
            QCoreApplication::processEvents();
        };
        if (i == 0)
            open(); // warms fonts and caches; not counted
        else
            opening.measure(open);
    }
    bench::report(QStringLiteral("batch window, open on 10,000 rows"), opening);

    rova::Forms forms(printers, folder.path());
    forms.main->show();
    forms.batch->open();
    QCoreApplication::processEvents();
    auto* table = forms.batch->findChild<QTableView*>(QStringLiteral("TableView_Batch"));
    chooseSpread(*table);
    bench::Timings ticking;
    for (int i = 0; i <= runs; ++i) {
        // Off and on in turns, so that every run changes the rows.
        const auto tick = [&] {
            forms.batch->tickSelected(i % 2 == 0);
            forms.batch->repaint();
            QCoreApplication::processEvents();
        };
        if (i == 0)
            tick();
        else
            ticking.measure(tick);
    }
    bench::report(QStringLiteral("batch window, tick 1,000 of 10,000 rows"), ticking);
    return 0;
}
