#include "widgets/forms.h"

#include "widgets/mainwindow.h"

#include "platform/slipjobs.h"
#include "widgets/previewbinding.h"
#include "widgets/previewwindow.h"
#include "widgets/printpositiondialog.h"

namespace rova
{

Forms::Forms(print::PrinterChoice& printers, const QString& folder)
    : jobs(std::make_unique<print::SlipJobs>(printers)), main(std::make_unique<MainWindow>(*jobs, folder)),
      slipPrn(std::make_unique<PrintPositionDialog>(main.get(), *main))
{
    main->setPrintPositionDialog(slipPrn.get());
    MainWindow* window = main.get();
    preview = std::make_unique<PreviewWindow>(
        *jobs, [window](const slip::SlipValues& values, const slip::PrintSettings& settings) {
            return window->printWarnings(values, settings);
        });
    bindPreview(*main, *preview, *jobs);
    slipPrn->setPreview(preview.get(), [window] { return window->slipValues(); });
}

// The dialog refers to the main window, so it goes first.
Forms::~Forms()
{
    slipPrn.reset();
    preview.reset();
    main.reset();
}

} // namespace rova
