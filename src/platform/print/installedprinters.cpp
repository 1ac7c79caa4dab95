// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print/installedprinters.h"

#include "platform/print/cups/cupsprintsystem.h"

#include <vector>

namespace rova::print
{

std::unique_ptr<PrintSystem> installedPrinters(PdfPrinter::FileQuestion askPdfFile, PdfProposal proposal)
{
    std::vector<std::unique_ptr<PrintSystem>> parts;
    parts.push_back(std::make_unique<CupsPrintSystem>());
    // Last, so that it never takes a visible index away from a real printer.
    parts.push_back(std::make_unique<PdfPrinter>(std::move(askPdfFile), std::move(proposal)));
    return joinSystems(std::move(parts));
}

} // namespace rova::print
