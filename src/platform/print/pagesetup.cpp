// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print/pagesetup.h"

namespace rova::print
{

std::optional<slip::PageArea> currentPageArea(PrinterChoice& printers)
{
    const std::optional<Paper> paper = printers.currentPaper();
    if (!paper || paper->sizeMm.isEmpty())
        return std::nullopt;
    return slip::PageArea{paper->sizeMm, paper->marginsMm};
}

QRect printableArea(PrinterChoice& printers, QPoint dpi)
{
    const std::optional<slip::PageArea> page = currentPageArea(printers);
    return page ? slip::printableDots(*page, dpi) : QRect();
}

} // namespace rova::print
