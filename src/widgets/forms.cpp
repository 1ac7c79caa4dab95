// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/forms.h"

#include "widgets/entry/mainwindow.h"

#include "platform/print/slipjobs.h"
#include "rules/orders/marks.h"
#include "widgets/batch/batchwindow.h"
#include "widgets/entry/nextslipkey.h"
#include "widgets/entry/postalassist.h"
#include "widgets/entry/repeatcustomers.h"
#include "widgets/history/historyaccess.h"
#include "widgets/history/historyrecorder.h"
#include "widgets/history/historywindow.h"
#include "widgets/history/serverqueue.h"
#include "widgets/preview/previewbinding.h"
#include "widgets/preview/previewwindow.h"
#include "widgets/printer/printpositiondialog.h"

#include <QStatusBar>

namespace rova
{

Forms::Forms(print::PrinterChoice& printers, const store::Location& store)
    : jobs(std::make_unique<print::SlipJobs>(printers, store.folder)),
      history(std::make_unique<HistoryAccess>(store)),
      main(std::make_unique<MainWindow>(*jobs, store.folder)),
      slipPrn(std::make_unique<PrintPositionDialog>(main.get(), *main)),
      historyWindow([this] { return std::make_unique<HistoryWindow>(*history, *main); }),
      postal(std::make_unique<PostalAssist>(*main)),
      batch([this, store] { return std::make_unique<BatchWindow>(*main, *postal, store, *history); })
{
    const QString& folder = store.folder;
    main->setPrintPositionDialog(slipPrn.get());
    bindNextSlip(*main);
    main->addPrintCheck(
        [](const slip::SlipValues& values, const slip::PrintSettings&, const print::PageSetup*) {
            QStringList lines;
            for (const orders::Mark& missing : orders::missingValues(values))
                lines << missing.text;
            return lines;
        });
    main->setFunctionKey(8, QStringLiteral("履歴"), [this] { historyWindow->open(); });
    main->setFunctionKey(10, QStringLiteral("一括"), [this] { batch->open(); });
    new RepeatCustomers(*main, *history);
    MainWindow* window = main.get();
    preview = std::make_unique<PreviewWindow>(
        *jobs, folder,
        [window](const slip::SlipValues& values, const slip::PrintSettings& settings,
                 const print::PageSetup* page) { return window->printWarnings(values, settings, page); });
    bindPreview(*main, *preview, *jobs);
    slipPrn->setPreview(preview.get(), [window] { return window->slipValues(); });
    slipPrn->setNumbersFolder(folder);
    // After the line that says the job was printed, so a failure to record is read beside it; the help
    // line says it too, in red, over the hint to the next slip.
    recorder = new HistoryRecorder(*jobs, *history, [this](const QString& problem) {
        QStatusBar& status = main->statusLine();
        status.showMessage(status.currentMessage().trimmed().isEmpty()
                               ? problem
                               : status.currentMessage() + QStringLiteral("　") + problem);
        postal->warn(problem);
    });
    if (ServerQueue* queue = recorder->serverQueue())
        showWaitingIn(main->statusLine(), *queue);
}

// The dialog, the batch and history windows and the postal look-ups refer to the main window, so they go
// first.
Forms::~Forms()
{
    batch.reset();
    postal.reset();
    historyWindow.reset();
    slipPrn.reset();
    preview.reset();
    main.reset();
}

} // namespace rova
