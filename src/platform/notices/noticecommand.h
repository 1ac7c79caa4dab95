// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shipping notices from a script (--export-notices FOLDER [--all]), without a window.

#include "platform/cli/commandline.h"
#include "platform/store/location.h"

#include <QString>

namespace rova::cli
{

// Writes the notices of the history in the store into the request's folder, reports the summary
// on standard output and what failed on standard error, and returns the exit status: Failure when
// a file could not be written.
int runNoticeExport(const Request& request, const store::Location& store);

} // namespace rova::cli
