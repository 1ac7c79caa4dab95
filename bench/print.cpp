// The print command from the operator's confirmation to the job accepted by a private CUPS server
// (one file-backed queue with the generic PDF description), in turns with `lp` handing the same
// one-page PDF to the same queue. Also the print command to the built-in PDF printer, which writes
// the PDF that `lp` then submits.

#include "queues.h"
#include "stats.h"
#include "support/controls.h"

#include "platform/installedprinters.h"
#include "platform/pdfprinter.h"
#include "platform/printerchoice.h"
#include "widgets/dialogs.h"
#include "widgets/forms.h"
#include "widgets/mainwindow.h"
#include "widgets/programstart.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

namespace
{

using rova::Dialogs;

void fillSlip(MainWindow& window)
{
    const testsupport::MainWindowControls ui(window);
    ui.Edit_Zip->setText(QStringLiteral("105-0011"));
    ui.Edit_Add1->setText(QStringLiteral("東京都港区芝公園1-2-3"));
    ui.Edit_Add2->setText(QStringLiteral("芝公園ビル12階"));
    ui.Edit_Custo1->setText(QStringLiteral("山田　太郎"));
    ui.Edit_tel->setText(QStringLiteral("03-1234-5678"));
    ui.Edit_G1->setText(QStringLiteral("書籍"));
}

// Clicks "印刷" with the question answered Yes; false with the message when an error box came up.
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
    std::fprintf(stderr, "print benchmark failed: %s\n", qPrintable(why));
    return 1;
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
        std::fprintf(stderr, "print skipped: %s\n", qPrintable(why));
        return 2;
    }
    const QString queue = bench::queueName(1);

    QTemporaryDir folder;
    Dialogs::setScripted(true);
    const auto system =
        rova::print::installedPrinters(&rova::askPdfFile, rova::print::PdfProposal(folder.path()));
    rova::print::PrinterChoice printer(*system);
    rova::Forms forms(printer, folder.path());
    MainWindow& window = *forms.main;
    window.show();
    QCoreApplication::processEvents();
    fillSlip(window);
    QPushButton* printButton = testsupport::control<QPushButton>(&window, QStringLiteral("SpeedButton_F11"));

    const int cupsIndex = int(printer.printerNames().indexOf(queue));
    const int pdfIndex = int(printer.printerNames().indexOf(rova::print::PdfPrinter::name()));
    if (cupsIndex < 0 || pdfIndex < 0)
        return fail(QStringLiteral("%1 or the PDF printer is not listed: %2")
                        .arg(queue, printer.printerNames().join(QLatin1Char(','))));

    bench::Samples toCups, withLp, toPdf;
    QString pdf;
    for (int i = 0; i <= runs; ++i) {
        // Round 0 warms caches and fonts and is not counted.
        const bool counted = i > 0;
        printer.setCurrentIndex(pdfIndex);
        pdf = folder.filePath(QStringLiteral("slip%1.pdf").arg(i));
        Dialogs::answerNextFile(pdf);
        bool ok = true;
        const double pdfMs = bench::timeMs([&] { ok = clickPrint(printButton, &why); });
        if (!ok || !QFile::exists(pdf))
            return fail(QStringLiteral("built-in PDF printer: %1").arg(why));

        printer.setCurrentIndex(cupsIndex);
        const int before = server.lastJobId(queue);
        const double cupsMs = bench::timeMs([&] { ok = clickPrint(printButton, &why); });
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
