// SPDX-License-Identifier: GPL-3.0-or-later
// Printing 1,000 ticked rows of the batch window to a private CUPS server (one file-backed queue with
// the generic PDF description) through the batch print path, from the operator's confirmation to the
// job accepted: per slip, and against the entry window's print command of one slip to the same queue.

#include "printbench.h"
#include "queues.h"
#include "stats.h"
#include "storeslips.h"
#include "support/controls.h"
#include "support/pdfwords.h"

#include "platform/store/batchlist.h"
#include "rules/files/assignmentfile.h"
#include "rules/slip/sliplayout.h"
#include "widgets/batch/batchwindow.h"
#include "widgets/entry/mainwindow.h"
#include "widgets/forms.h"

#include <QApplication>
#include <QPushButton>

#include <cstdio>

namespace
{

constexpr int slips = 1000;

int fail(const QString& why)
{
    std::fprintf(stderr, "batch print benchmark failed: %s\n", qPrintable(why));
    return 1;
}

QList<rova::store::BatchRow> tickedRows(const QString& slipType)
{
    QList<rova::store::BatchRow> rows;
    for (rova::slip::SlipValues slip : bench::storeSlips(slips, 1)) {
        slip.slipType = slipType;
        rows.emplace_back().slip = slip;
    }
    return rows;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = bench::runsFromArguments(app.arguments());

    bench::PrintBench setup;
    QString why;
    if (!setup.start(&why)) {
        std::fprintf(stderr, "batch print skipped: %s\n", qPrintable(why));
        return 2;
    }
    const QString& queue = setup.queue;
    PrivateCupsServer& server = setup.server;
    const qsizetype queueIndex = setup.printer->printerNames().indexOf(queue);
    if (queueIndex < 0)
        return fail(
            QStringLiteral("%1 is not listed: %2").arg(queue, setup.printer->printerNames().join(u',')));
    // The entry window's slip type and the rows' print on the queue.
    const QString slipType = rova::slip::slipTypes().first();
    rova::slip::AssignmentFile(setup.folder.path())
        .store(slipType, {queue, QString::number(queueIndex), QStringLiteral("0"), QStringLiteral("0")});

    MainWindow& window = setup.openWindow();
    rova::Forms& forms = *setup.forms;
    QPushButton* f11 = testsupport::control<QPushButton>(&window, QStringLiteral("SpeedButton_F11"));
    forms.batch->open();
    QPushButton* batchPrint =
        testsupport::control<QPushButton>(forms.batch.get(), QStringLiteral("Button_Print"));

    const QList<rova::store::BatchRow> rows = tickedRows(slipType);
    rova::store::BatchList list(setup.folder.path());
    QList<qint64> ids;
    bench::Samples perSlip, whole, single;
    for (int i = 0; i <= runs; ++i) {
        // Round 0 warms caches and fonts and is not counted.
        const bool counted = i > 0;
        list.remove(ids);
        ids = list.add(rows);

        int before = server.lastJobId(queue);
        bool ok = true;
        const double batchMs = bench::timeMs([&] { ok = bench::clickPrint(batchPrint, &why); });
        if (!ok || server.lastJobId(queue) <= before)
            return fail(QStringLiteral("no batch job reached %1: %2").arg(queue, why));
        for (const rova::store::BatchRow& row : list.rows()) {
            if (row.status != rova::store::BatchStatus::Printed)
                return fail(QStringLiteral("a row was not marked printed"));
        }
        if (!server.waitForIdle(600000))
            return fail(QStringLiteral("the batch job did not finish: %1").arg(server.errorLogTail()));
        if (const int pages = pdfPageCount(server.outputPath(queue)); pages != slips)
            return fail(QStringLiteral("the queue wrote %1 pages, not %2").arg(pages).arg(slips));

        before = server.lastJobId(queue);
        const double singleMs = bench::timeMs([&] { ok = bench::clickPrint(f11, &why); });
        if (!ok || server.lastJobId(queue) <= before)
            return fail(QStringLiteral("no job of the print command reached %1: %2").arg(queue, why));
        server.waitForIdle();

        if (counted) {
            whole.values << batchMs;
            perSlip.values << batchMs / slips;
            single.values << singleMs;
        }
    }
    bench::report(QStringLiteral("batch print of 1,000 slips to job accepted by CUPS, per slip"), perSlip,
                  QStringLiteral("ms"), QStringLiteral("one print command (F11) to job accepted"), single);
    bench::report(QStringLiteral("batch print of 1,000 slips to job accepted by CUPS, whole batch"), whole,
                  QStringLiteral("ms"));
    bench::report(QStringLiteral("one print command (F11) to job accepted by CUPS, same queue"), single,
                  QStringLiteral("ms"));
    return 0;
}
