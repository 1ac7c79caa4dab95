// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's print system: the CUPS printers followed by the built-in PDF printer.

#include "platform/print/pdf/pdfprinter.h"

namespace rova::print
{

// PDF files are saved where askPdfFile answers, proposed as the proposal says.
std::unique_ptr<PrintSystem> installedPrinters(PdfPrinter::FileQuestion askPdfFile, PdfProposal proposal);

} // namespace rova::print
