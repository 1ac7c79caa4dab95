// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/slip/sliprenderer.h"

#include "rules/slip/devicemapping.h"
#include "rules/slip/sliplayout.h"

namespace rova::slip
{

void renderSlip(print::Canvas& canvas, const SlipValues& values, const PrintSettings& settings)
{
    // Mapped in full first, so a bad margin leaves the page untouched.
    const QList<TextItem> items =
        toDevice(layoutItems(values), deviceMapping(settings.resolution, settings.top, settings.left));
    canvas.setTextColor(Qt::black);
    canvas.setBrush(Qt::white);
    // Each item names its face, size and style (regular or bold), so no template font is needed.
    for (const TextItem& item : items) {
        canvas.setFont(item.family, item.points, item.bold);
        canvas.textOut(item.x, item.y, item.text);
    }
}

} // namespace rova::slip
