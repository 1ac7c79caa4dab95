// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plain-paper alignment sheet: a small cross at every layout point of a form kind with the
// point's name beside it (just below and right, clear of every cross and other name), millimetre
// rulers along the top and left edges of the printable area, and under the names a footer naming the
// slip type, printer, resolution and margins. Laid over a blank form against the light, it shows how
// far each cross is from its box. Texts are drawn without a background, so nothing hides what is under it.

#include "rules/slip/canvas.h"
#include "rules/slip/printsettings.h"
#include "rules/slip/sliplayout.h"

#include <QRect>

namespace rova::slip
{

struct AlignmentSheet {
    QString slipType;
    QString printer;
    PrintSettings settings; // the resolution is the printer's
    QRect printable;        // dots from the printable area's corner; empty when not known
};

// Raises the conversion error for a margin that is no whole number before anything is drawn.
void renderAlignmentSheet(print::Canvas& canvas, const AlignmentSheet& sheet);

// The footer's text.
QString alignmentFooter(const AlignmentSheet& sheet);

} // namespace rova::slip
