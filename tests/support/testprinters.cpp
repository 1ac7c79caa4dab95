// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/testprinters.h"

#include "platform/print/installedprinters.h"
#include "platform/print/printerchoice.h"
#include "support/fakeprintsystem.h"
#include "widgets/programstart.h"

namespace testprinters
{
namespace
{
// The model refers to the system, so it is declared after it and goes first.
std::unique_ptr<rova::print::PrintSystem> installedSystem;
std::unique_ptr<rova::print::PrinterChoice> installedChoice;
} // namespace

void install(std::unique_ptr<rova::print::PrintSystem> system)
{
    installedChoice.reset();
    installedSystem = std::move(system);
}

rova::print::FakePrintSystem* installFake(std::unique_ptr<rova::print::FakePrintSystem> fake)
{
    rova::print::FakePrintSystem* installed = fake.get();
    install(std::move(fake));
    return installed;
}

rova::print::PrinterChoice& choice()
{
    if (!installedSystem)
        install(rova::print::installedPrinters(&rova::askPdfFile, rova::print::PdfProposal()));
    // Made on first use, so that it reads the printers as the test has set them up by then.
    if (!installedChoice)
        installedChoice = std::make_unique<rova::print::PrinterChoice>(*installedSystem);
    return *installedChoice;
}

} // namespace testprinters
