// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The next parcel's slip starts from the last one with what belonged to that parcel emptied, so no
// delivery day, time slot or count of the previous customer reaches the next form unnoticed.

#include "rules/slip/slipvalues.h"

namespace rova::slip
{

// Empties the destination (all three address lines too), the item names, the delivery month and day,
// the time and promised-time boxes and the piece count; keeps the slip type, the slip date and its
// tick, the sender and the font size.
SlipValues nextSlip(SlipValues slip);

} // namespace rova::slip
