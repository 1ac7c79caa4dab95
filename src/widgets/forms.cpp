#include "widgets/forms.h"

#include "widgets/mainwindow.h"

#include "platform/slipjobs.h"
#include "widgets/historyaccess.h"
#include "widgets/historyrecorder.h"
#include "widgets/nextslipkey.h"
#include "widgets/printpositiondialog.h"
#include "widgets/windowpart.h"

#include <QStatusBar>

namespace rova
{

Forms::Forms(print::PrinterChoice& printers, const QString& folder)
    : jobs(std::make_unique<print::SlipJobs>(printers)), history(std::make_unique<HistoryAccess>(folder)),
      main(std::make_unique<MainWindow>(*jobs, folder)),
      slipPrn(std::make_unique<PrintPositionDialog>(main.get(), *main))
{
    main->setPrintPositionDialog(slipPrn.get());
    recorder = new HistoryRecorder(*jobs, *history, [this](const QString& problem) {
        ui::part<QStatusBar>(*main, "StatusBar1").showMessage(problem);
    });
    bindNextSlip(*main);
}

// The dialog refers to the main window, so it goes first.
Forms::~Forms()
{
    slipPrn.reset();
    main.reset();
}

} // namespace rova
