// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The preview of a slip: the page as its printer gets it, with the paper edge, the printable area
// and, under the values, the operator's scan of the blank form or else a faint mark with a short name
// at every layout point of the form kind, and the values that run into each other or off the area
// outlined in red.

#include "rules/slip/formscan.h"
#include "rules/slip/pagegeometry.h"
#include "rules/slip/printsettings.h"
#include "rules/slip/slipvalues.h"

#include <QImage>
#include <QRect>

#include <optional>

class QPainter;

namespace rova::slip
{

struct SlipPreview {
    SlipValues values;
    PrintSettings settings; // the resolution is the printer's
    std::optional<PageArea> page;
    FormScan scan;
    QImage scanImage; // null: no scan, or its file could not be read; the marks are drawn instead
};

// In dots from the printable area's corner: the paper, or without a known paper the form's extent.
QRect previewBounds(const SlipPreview& preview);

// Onto a painter whose units are the printer's dots with the origin at the printable area's corner.
// Raises the conversion error for a margin that is no whole number before anything is drawn.
void paintPreview(QPainter& painter, const SlipPreview& preview);

} // namespace rova::slip
