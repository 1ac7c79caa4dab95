#pragma once
// Reads the slip record out of the entry window's controls, as they stand at drawing time.

#include "print/slipvalues.h"

class TForm_Main;

namespace rova::slip
{

SlipValues readSlip(const TForm_Main& main);

} // namespace rova::slip
