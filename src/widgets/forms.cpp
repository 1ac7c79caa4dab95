#include "widgets/forms.h"

#include "widgets/mainwindow.h"

#include "widgets/printpositiondialog.h"
#include "widgets/tpv_d97_dot.h"

namespace rova
{

Forms::Forms()
    : main(std::make_unique<MainWindow>()), slipPrn(std::make_unique<PrintPositionDialog>(main.get())),
      dot(std::make_unique<TPv_d97_Dot>(main.get()))
{
    main->setForms(slipPrn.get(), dot.get());
}

// The two forms refer to the main window, so they go first.
Forms::~Forms()
{
    dot.reset();
    slipPrn.reset();
}

} // namespace rova
