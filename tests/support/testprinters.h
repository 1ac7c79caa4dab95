// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print system and printer model that the windows of a test process print through. A test
// installs one before it makes a window, and may look at it or change it afterwards.

#include <memory>

namespace rova::print
{
class FakePrintSystem;
class PrintSystem;
class PrinterChoice;
} // namespace rova::print

namespace testprinters
{

// Replaces the system and the model; windows made afterwards use them. Returns the fake.
// The model is made when it is first asked for.
rova::print::FakePrintSystem* installFake(std::unique_ptr<rova::print::FakePrintSystem> fake);
void install(std::unique_ptr<rova::print::PrintSystem> system);
// The model of the installed system; the program's own printers (CUPS, then the PDF printer
// asking through the dialogs service) when none was installed.
rova::print::PrinterChoice& choice();

} // namespace testprinters
