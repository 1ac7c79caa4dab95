#include "print/tform_slip97yprn.h"

TForm_SLIP97YPrn::TForm_SLIP97YPrn(TForm_Main* main) : QDialog(nullptr), m_main(main)
{
    setObjectName(QStringLiteral("Form_SLIP97YPrn"));
    setWindowTitle(QStringLiteral("印字位置調整"));
}
