// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The second rewrite of the working lines: a postal code that starts a longer line gets a line of
// its own.

#include <QStringList>

namespace rova::transfer
{

// For each line in order: when it starts with a half-width postal code («123-4567» or «1234567»)
// that the line does not continue with a digit or hyphen, and at least 7 characters follow within the
// next 80 bytes, the line keeps the postal code and those characters (whole characters only,
// untrimmed) move to the first later line that is blank; with no blank line they are dropped.
QStringList splitLeadingPostalCodes(const QStringList& workingLines);

} // namespace rova::transfer
