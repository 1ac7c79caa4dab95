#include "widgets/forms.h"

#include "widgets/mainwindow.h"

#include "widgets/printpositiondialog.h"

namespace rova
{

Forms::Forms(print::PrinterChoice& printers, const QString& folder)
    : main(std::make_unique<MainWindow>(printers, folder)),
      slipPrn(std::make_unique<PrintPositionDialog>(main.get(), *main))
{
    main->setPrintPositionDialog(slipPrn.get());
}

// The dialog refers to the main window, so it goes first.
Forms::~Forms()
{
    slipPrn.reset();
}

} // namespace rova
