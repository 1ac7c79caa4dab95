// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print/pageoverlaps.h"

#include "rules/slip/pagegeometry.h"

namespace rova::print
{

QStringList overlapsOnPage(const slip::SlipValues& values, const slip::PrintSettings& settings,
                           const PageSetup& setup, slip::TextCells* cells)
{
    slip::PrintSettings atPrinter = settings;
    atPrinter.resolution = setup.resolution;
    const QRect printable = setup.page ? slip::printableDots(*setup.page, setup.resolution) : QRect();
    return slip::overlapReport(values, atPrinter, printable, cells);
}

} // namespace rova::print
