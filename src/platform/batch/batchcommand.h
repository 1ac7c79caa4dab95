// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The batch list from a script: order files added (--import) and the list printed (--print-batch)
// without a window, as a shop system runs them on a schedule. The window, when open, sees the
// changes through the list's revision.

#include "platform/cli/commandline.h"
#include "platform/store/location.h"

#include <QString>

namespace rova::cli
{

// Runs the request's import and print on the list in `store` with the installed printers, reports
// on standard output (a line per file) and standard error (progress, what failed), and returns the
// exit status: Failure when a file could not be read or a job was not accepted.
int runBatch(const Request& request, const store::Location& store);

} // namespace rova::cli
