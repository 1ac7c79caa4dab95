// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Distributing the rewritten working lines over the destination fields.

#include "rules/transfer/transfer.h"

namespace rova::transfer
{

// Postal code and phone lines first, then prefecture, name and address lines; each slot keeps the
// first line offered to it, later ones are dropped.
Fields fillSlots(const QStringList& workingLines);

} // namespace rova::transfer
