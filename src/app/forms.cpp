#include "forms.h"

#include "tform_main.h"

#include "print/tform_slip97yprn.h"
#include "print/tpv_d97_dot.h"

namespace rova
{

Forms::Forms()
    : main(std::make_unique<TForm_Main>()), slipPrn(std::make_unique<TForm_SLIP97YPrn>(main.get())),
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
