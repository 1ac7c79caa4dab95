// Opening the batch window on a list of 10,000 rows: reading the list, filling the table and
// showing it, from F10 to the window drawn.

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
#include <QTemporaryDir>

namespace
{
constexpr int rows = 10000;
}

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
    return 0;
}
