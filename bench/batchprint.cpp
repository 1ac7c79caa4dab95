// Printing 1,000 ticked rows of the batch window to a private CUPS server (one file-backed queue with
// the generic PDF description) through the batch print path, from the operator's confirmation to the
// job accepted: per slip, and against the entry window's print command of one slip to the same queue.

#include "queues.h"
#include "stats.h"
#include "storeslips.h"
#include "support/controls.h"
#include "support/pdfwords.h"

#include "platform/installedprinters.h"
#include "platform/printerchoice.h"
#include "platform/store/batchlist.h"
#include "rules/assignmentfile.h"
#include "rules/sliplayout.h"
#include "widgets/batchwindow.h"
#include "widgets/dialogs.h"
#include "widgets/forms.h"
#include "widgets/mainwindow.h"
#include "widgets/programstart.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

namespace
{

using rova::Dialogs;

constexpr int slips = 1000;

// Clicks a print button with the question answered Yes; false with the message when an error box
// came up.
bool clickPrint(QPushButton* print, QString* why)
{
    Dialogs::takeShown();
    Dialogs::answerNext(true);
    print->click();
    for (const Dialogs::Shown& shown : Dialogs::takeShown()) {
        if (shown.kind == Dialogs::Kind::Error) {
            *why = shown.text;
            return false;
        }
    }
    return true;
}

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

    PrivateCupsServer server;
    QString why;
    if (!bench::startWithQueues(server, 1, &why)) {
        std::fprintf(stderr, "batch print skipped: %s\n", qPrintable(why));
        return 2;
    }
    const QString queue = bench::queueName(1);

    QTemporaryDir folder;
    Dialogs::setScripted(true);
    const auto system =
        rova::print::installedPrinters(&rova::askPdfFile, rova::print::PdfProposal(folder.path()));
    rova::print::PrinterChoice printer(*system);
    const qsizetype queueIndex = printer.printerNames().indexOf(queue);
    if (queueIndex < 0)
        return fail(QStringLiteral("%1 is not listed: %2").arg(queue, printer.printerNames().join(u',')));
    // The entry window's slip type and the rows' print on the queue.
    const QString slipType = rova::slip::slipTypes().first();
    rova::slip::AssignmentFile(folder.path())
        .store(slipType, {queue, QString::number(queueIndex), QStringLiteral("0"), QStringLiteral("0")});

    rova::Forms forms(printer, folder.path());
    MainWindow& window = *forms.main;
    window.show();
    QCoreApplication::processEvents();
    const testsupport::MainWindowControls ui(window);
    ui.Edit_Zip->setText(QStringLiteral("105-0011"));
    ui.Edit_Add1->setText(QStringLiteral("東京都港区芝公園1-2-3"));
    ui.Edit_Custo1->setText(QStringLiteral("山田　太郎"));
    ui.Edit_tel->setText(QStringLiteral("03-1234-5678"));
    ui.Edit_G1->setText(QStringLiteral("書籍"));
    QPushButton* f11 = testsupport::control<QPushButton>(&window, QStringLiteral("SpeedButton_F11"));
    forms.batch->open();
    QPushButton* batchPrint =
        testsupport::control<QPushButton>(forms.batch.get(), QStringLiteral("Button_Print"));

    const QList<rova::store::BatchRow> rows = tickedRows(slipType);
    rova::store::BatchList list(folder.path());
    QList<qint64> ids;
    bench::Samples perSlip, whole, single;
    for (int i = 0; i <= runs; ++i) {
        // Round 0 warms caches and fonts and is not counted.
        const bool counted = i > 0;
        list.remove(ids);
        ids = list.add(rows);

        int before = server.lastJobId(queue);
        bool ok = true;
        const double batchMs = bench::timeMs([&] { ok = clickPrint(batchPrint, &why); });
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
        const double singleMs = bench::timeMs([&] { ok = clickPrint(f11, &why); });
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
