// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The number of the next blank form registered from a script (--next-number), as the print
// position dialog does, for a slip type named or the one the window used last.

#include "platform/cli/commandline.h"

#include <QString>

namespace rova::cli
{

// The slip type the window used last, as its settings file in `folder` keeps it; the first type when
// the file cannot be read.
QString lastSlipType(const QString& folder);

// Registers the request's number for its slip type in the database of `folder`, says so on standard
// output and returns the exit status (Failure with the reason on standard error when the database
// cannot be written).
int registerNextNumber(const Request& request, const QString& folder);

} // namespace rova::cli
