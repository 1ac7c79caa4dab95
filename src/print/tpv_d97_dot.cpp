#include "print/tpv_d97_dot.h"

TPv_d97_Dot::TPv_d97_Dot(TForm_Main* main) : QWidget(nullptr), m_main(main)
{
    setObjectName(QStringLiteral("Pv_d97_Dot"));
}

void TPv_d97_Dot::SLIP97_Prn() {}
