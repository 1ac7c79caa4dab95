// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing slips: one job on the current printer, one page per slip in the given order. The entry
// window prints one slip this way; a batch or a reprint hands over its own list.

#include "platform/print/printerchoice.h"
#include "rules/slip/alignmentsheet.h"
#include "rules/slip/printsettings.h"
#include "rules/slip/slipvalues.h"

#include <QList>

namespace rova::print
{

// The title every slip job carries; the job is addressed to the slips' destination when they share
// one (the PDF printer proposes a file named after it).
QString slipJobTitle(); // "rova_Yamato"

// The settings' resolution is replaced by the current printer's print resolution. A job that fails
// while drawing (a margin that is no whole number raises "'%s' is not a valid integer value" before
// anything is drawn) is discarded and the error passed on; a refused job is never reported as
// printed. An empty list prints nothing.
void printSlips(const QList<slip::SlipValues>& slips, slip::PrintSettings settings, PrinterChoice& printers);

// The plain-paper alignment sheet of the settings' slip type, on the current printer, as one job
// through the same path as slips. The sheet's printer and resolution are the current printer's.
void printAlignmentSheet(slip::AlignmentSheet sheet, PrinterChoice& printers);

inline void printSlip(const slip::SlipValues& values, const slip::PrintSettings& settings,
                      PrinterChoice& printers)
{
    printSlips({values}, settings, printers);
}

} // namespace rova::print
