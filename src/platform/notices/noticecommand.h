#pragma once
// Shipping notices from a script (--export-notices FOLDER [--all]), without a window.

#include "platform/cli/commandline.h"

#include <QString>

namespace rova::cli
{

// Writes the notices of the history in `dataFolder` into the request's folder, reports the summary
// on standard output and what failed on standard error, and returns the exit status: Failure when
// a file could not be written.
int runNoticeExport(const Request& request, const QString& dataFolder);

} // namespace rova::cli
