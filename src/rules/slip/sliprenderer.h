// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws one slip onto a canvas: every value at its place on the carrier's form, mapped to the dots
// of the settings' resolution and shifted by their margins. No window is involved, so the same
// drawing serves a printer page, a PDF page and an image.

#include "rules/slip/canvas.h"
#include "rules/slip/printsettings.h"
#include "rules/slip/slipvalues.h"

namespace rova::slip
{

// Raises the conversion error "'%s' is not a valid integer value" for a margin that is no whole
// number before anything is drawn.
void renderSlip(print::Canvas& canvas, const SlipValues& values, const PrintSettings& settings);

} // namespace rova::slip
