#include "widgets/forms.h"

#include "widgets/mainwindow.h"

#include "platform/slipjobs.h"
#include "widgets/postalassist.h"
#include "widgets/printpositiondialog.h"

namespace rova
{

Forms::Forms(print::PrinterChoice& printers, const QString& folder)
    : jobs(std::make_unique<print::SlipJobs>(printers)), main(std::make_unique<MainWindow>(*jobs, folder)),
      slipPrn(std::make_unique<PrintPositionDialog>(main.get(), *main)),
      postal(std::make_unique<PostalAssist>(*main))
{
    main->setPrintPositionDialog(slipPrn.get());
}

// The dialog and the postal look-ups refer to the main window, so they go first.
Forms::~Forms()
{
    postal.reset();
    slipPrn.reset();
    main.reset();
}

} // namespace rova
