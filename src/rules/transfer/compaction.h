// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clean-up of the pasted block before every transfer.

#include <QStringList>

namespace rova::transfer
{

// Of the first 16 lines, those that are neither blank (blanks of either width) nor carry a mail
// marker, trimmed, in their order. A long line stays one line.
QStringList compact(const QStringList& paneLines);

} // namespace rova::transfer
