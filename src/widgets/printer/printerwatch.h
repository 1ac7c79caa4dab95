// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printers installed or removed while the program was in the background are noticed when the
// operator comes back to it: the printer model checks for changes each time the application
// becomes active, and a failed check is reported like any other error. At start the model has just
// read the list (`listJustRead`): the activation that follows the window's show, when it comes within
// a few seconds, would only read it again.

namespace rova
{
namespace print
{
class PrinterChoice;
}

void checkPrintersOnActivation(print::PrinterChoice& printers, bool listJustRead = false);

} // namespace rova
