// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How strongly a line looks like a mail or web address.

#include <QString>

namespace rova::transfer
{

// The number of mail-marker occurrences ("@", ".jp", …) in the text; greater than 0 marks a line
// that carries a mail or web address.
int mailMarkerCount(const QString& text);

} // namespace rova::transfer
