// SPDX-License-Identifier: GPL-3.0-or-later
// The print command from the operator's confirmation to the job accepted by a private CUPS server
// (one file-backed queue with the generic PDF description), in turns with `lp` handing the same
// one-page PDF to the same queue. Also the print command to the built-in PDF printer, which writes
// the PDF that `lp` then submits.

#include "printbench.h"
#include "queues.h"
#include "stats.h"
#include "support/controls.h"

#include "platform/print/pdf/pdfprinter.h"
#include "rules/files/assignmentfile.h"
#include "rules/slip/sliplayout.h"
#include "widgets/entry/mainwindow.h"
#include "widgets/forms.h"
#include "widgets/kit/dialogs.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

namespace
{

using rova::Dialogs;

int fail(const QString& why)
{
    std::fprintf(stderr, "print benchmark failed: %s\n", qPrintable(why));
    return 1;
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
        std::fprintf(stderr, "print skipped: %s\n", qPrintable(why));
        return 2;
    }
    const QString& queue = setup.queue;
    PrivateCupsServer& server = setup.server;
    QTemporaryDir& folder = setup.folder;
    rova::print::PrinterChoice& printer = *setup.printer;
    const int cupsIndex = int(printer.printerNames().indexOf(queue));
    const int pdfIndex = int(printer.printerNames().indexOf(rova::print::PdfPrinter::name()));
    if (cupsIndex < 0 || pdfIndex < 0)
        return fail(QStringLiteral("%1 or the PDF printer is not listed: %2")
                        .arg(queue, printer.printerNames().join(QLatin1Char(','))));
    // A slip goes to its slip type's registered printer: one type for the PDF printer, one of the
    // same form for the queue, and the operator switches between them.
    const QStringList types = rova::slip::slipTypes();
    rova::slip::AssignmentFile assignments(folder.path());
    assignments.store(types[0], {rova::print::PdfPrinter::name(), QString::number(pdfIndex),
                                 QStringLiteral("0"), QStringLiteral("0")});
    assignments.store(types[1],
                      {queue, QString::number(cupsIndex), QStringLiteral("0"), QStringLiteral("0")});
    MainWindow& window = setup.openWindow();
    QPushButton* printButton = testsupport::control<QPushButton>(&window, QStringLiteral("SpeedButton_F11"));

    bench::Samples toCups, withLp, toPdf;
    QString pdf;
    for (int i = 0; i <= runs; ++i) {
        // Round 0 warms caches and fonts and is not counted.
        const bool counted = i > 0;
        setup.chooseSlipType(0);
        pdf = folder.filePath(QStringLiteral("slip%1.pdf").arg(i));
        Dialogs::answerNextFile(pdf);
        bool ok = true;
        const double pdfMs = bench::timeMs([&] { ok = bench::clickPrint(printButton, &why); });
        if (!ok || !QFile::exists(pdf))
            return fail(QStringLiteral("built-in PDF printer: %1").arg(why));

        setup.chooseSlipType(1);
        const int before = server.lastJobId(queue);
        const double cupsMs = bench::timeMs([&] { ok = bench::clickPrint(printButton, &why); });
        if (!ok || server.lastJobId(queue) <= before)
            return fail(QStringLiteral("no job reached %1: %2").arg(queue, why));
        server.waitForIdle();

        QString output;
        int status = 0;
        const double lpMs = bench::timeMs([&] {
            status = server.run(QStringLiteral("lp"), {QStringLiteral("-d"), queue, pdf}, &output);
        });
        if (status != 0)
            return fail(QStringLiteral("lp: %1").arg(output));
        server.waitForIdle();

        if (counted) {
            toPdf.values << pdfMs;
            toCups.values << cupsMs;
            withLp.values << lpMs;
        }
    }
    bench::report(QStringLiteral("print command to job accepted by CUPS"), toCups, QStringLiteral("ms"),
                  QStringLiteral("lp of the same PDF"), withLp);
    bench::report(QStringLiteral("print command to PDF file written"), toPdf, QStringLiteral("ms"));
    return 0;
}
