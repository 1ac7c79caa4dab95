// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Values that run into each other, or off the printable area, on the page a slip type's printer
// takes: the print question and the batch list ask this of the same page setup.

#include "platform/print/slipjobs.h"
#include "rules/slip/printsettings.h"
#include "rules/slip/slipoverlaps.h"
#include "rules/slip/slipvalues.h"

#include <QStringList>

namespace rova::print
{

// The overlap lines of the values laid out with the settings' margins at the printer's resolution,
// checked against its printable area when the page names one. `cells` keeps the texts' widths
// between calls.
QStringList overlapsOnPage(const slip::SlipValues& values, const slip::PrintSettings& settings,
                           const PageSetup& setup, slip::TextCells* cells = nullptr);

} // namespace rova::print
