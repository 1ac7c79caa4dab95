#pragma once
// The program's print system: the CUPS printers followed by the built-in PDF printer.

#include "platform/pdfprinter.h"

namespace rova::print
{

// PDF files are proposed in the folder and saved where askPdfFile answers.
std::unique_ptr<PrintSystem> installedPrinters(PdfPrinter::FileQuestion askPdfFile, const QString& folder);

} // namespace rova::print
