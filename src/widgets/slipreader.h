#pragma once
// Reads the slip record out of the entry window's controls, as they stand at drawing time.

#include "rules/slipvalues.h"

class MainWindow;

namespace rova::slip
{

SlipValues readSlip(const MainWindow& main);

} // namespace rova::slip
