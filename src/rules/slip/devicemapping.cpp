// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/slip/devicemapping.h"

#include "rules/text/strtoint.h"

#include <algorithm>
#include <limits>

namespace rova::slip
{
namespace
{

qint64 floorDiv(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

qint64 scaleFactor(qint64 dpi)
{
    // dpi × 62.5 = dpi × 125 / 2: an odd product lies exactly halfway between two integers.
    const qint64 twice = dpi * 125;
    const qint64 down = floorDiv(twice, 2);
    if (twice % 2 == 0)
        return down;
    return down % 2 == 0 ? down : down + 1;
}

int toDevice(qint64 scale, int units, int margin)
{
    const qint64 product = scale * units;
    const qint64 rounded = product >= 0 ? (product + 5000) / 10000 : -((-product + 5000) / 10000);
    const qint64 device = rounded + margin;
    return static_cast<int>(
        std::clamp<qint64>(device, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int printResolution(int dpi, int scalePercent)
{
    return scalePercent > 0 ? dpi * 100 / scalePercent : dpi;
}

int marginFromText(const QString& text)
{
    return text.isEmpty() ? 0 : rova::strToInt(text);
}

DeviceMapping deviceMapping(QPoint dotsPerInch, const QString& top, const QString& left)
{
    DeviceMapping mapping;
    mapping.top = marginFromText(top);
    mapping.left = marginFromText(left);
    mapping.scaleX = scaleFactor(dotsPerInch.x());
    mapping.scaleY = scaleFactor(dotsPerInch.y());
    return mapping;
}

QList<TextItem> toDevice(const QList<TextItem>& layout, const DeviceMapping& mapping)
{
    QList<TextItem> device;
    device.reserve(layout.size());
    for (TextItem item : layout) {
        item.x = toDevice(mapping.scaleX, item.x, mapping.left);
        item.y = toDevice(mapping.scaleY, item.y, mapping.top);
        device.append(item);
    }
    return device;
}

} // namespace rova::slip
