#include "platform/installedprinters.h"

#include "platform/cupsprintsystem.h"

#include <vector>

namespace rova::print
{

std::unique_ptr<PrintSystem> installedPrinters(PdfPrinter::FileQuestion askPdfFile, const QString& folder)
{
    std::vector<std::unique_ptr<PrintSystem>> parts;
    parts.push_back(std::make_unique<CupsPrintSystem>());
    // Last, so that it never takes a visible index away from a real printer.
    parts.push_back(std::make_unique<PdfPrinter>(std::move(askPdfFile), folder));
    return joinSystems(std::move(parts));
}

} // namespace rova::print
