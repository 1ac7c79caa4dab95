// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which printer a slip type prints on: the one registered under its name, wherever that printer now
// stands in the list, and never another one in its place.

#include "platform/print/printererror.h"
#include "rules/slip/printsettings.h"

#include <QStringList>

namespace rova::print
{

// Visible number of the slip type's printer among the visible printers' names: the stored number
// when the printer there has the registered name, else the first printer of that name. A file from
// before names were kept goes by number alone (-1: the default printer). Raises PrinterError NotFound
// naming the printer and the slip type when there is no such printer; a number that is no whole
// number raises as reading it does.
int registeredPrinter(const QStringList& names, const slip::PrintSettings& settings, const QString& slipType);

// The registered printer's name as the operator knows it: its name, or its number in an old file.
QString registeredPrinterName(const slip::PrintSettings& settings);

} // namespace rova::print
