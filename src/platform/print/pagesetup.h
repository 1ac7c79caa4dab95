// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page the current printer gets: its paper and the part of it that can be printed on.

#include "platform/print/printerchoice.h"
#include "rules/slip/pagegeometry.h"

#include <optional>

namespace rova::print
{

// Empty when the printer names no paper with a size.
std::optional<slip::PageArea> currentPageArea(PrinterChoice& printers);

// In dots at dpi from the printable area's corner; empty when not known.
QRect printableArea(PrinterChoice& printers, QPoint dpi);

} // namespace rova::print
