#include "widgets/previewbinding.h"

#include "platform/slipjobs.h"
#include "rules/errors.h"
#include "rules/slipoverlaps.h"
#include "widgets/mainwindow.h"
#include "widgets/previewwindow.h"

#include <QStatusBar>

namespace rova
{

void bindPreview(MainWindow& main, PreviewWindow& preview, print::SlipJobs& jobs)
{
    main.addPrintCheck([&jobs](const slip::SlipValues& values, const slip::PrintSettings& settings) {
        try {
            const print::PageSetup setup = jobs.pageSetup(settings, values.slipType);
            slip::PrintSettings atPrinter = settings;
            atPrinter.resolution = setup.resolution;
            const QRect printable = setup.page ? slip::printableDots(*setup.page, setup.resolution) : QRect();
            return slip::overlapReport(values, atPrinter, printable);
        } catch (const Error&) {
            return QStringList(); // the print itself reports a printer that cannot be asked
        }
    });
    main.setFunctionKey(9, QStringLiteral("確認"),
                        [&main, &preview] { preview.showSlip(main.slipValues(), main.printSettings()); });
    auto* status = main.findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
    QObject::connect(&jobs, &print::SlipJobs::printed, status, [status](const print::PrintedJob& job) {
        status->showMessage(QStringLiteral("印刷しました　%1　%2")
                                .arg(job.printer, job.acceptedAt.toString(QStringLiteral("HH:mm:ss"))));
    });
}

} // namespace rova
