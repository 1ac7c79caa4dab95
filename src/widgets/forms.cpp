#include "widgets/forms.h"

#include "widgets/mainwindow.h"

#include "platform/slipjobs.h"
#include "widgets/batchwindow.h"
#include "widgets/printpositiondialog.h"

namespace rova
{

Forms::Forms(print::PrinterChoice& printers, const QString& folder)
    : jobs(std::make_unique<print::SlipJobs>(printers)), main(std::make_unique<MainWindow>(*jobs, folder)),
      slipPrn(std::make_unique<PrintPositionDialog>(main.get(), *main)),
      batch(std::make_unique<BatchWindow>(*main))
{
    main->setPrintPositionDialog(slipPrn.get());
}

// The dialog and the batch window refer to the main window, so they go first.
Forms::~Forms()
{
    batch.reset();
    slipPrn.reset();
    main.reset();
}

} // namespace rova
