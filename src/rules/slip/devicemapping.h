// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// From layout units (1/160 inch) to printer dots at the job's resolution, plus the slip type's margins.

#include "rules/slip/sliplayout.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QtGlobal>

namespace rova::slip
{

// Printer dots per layout unit in ten-thousandths: dpi × 62.5, a tie going to the even neighbour.
qint64 scaleFactor(qint64 dpi);

// round-half-away(scale × units ÷ 10000) + margin, in 64-bit arithmetic. A result beyond the range of
// device coordinates is held at its end; such a point lies off the page either way.
int toDevice(qint64 scale, int units, int margin);

// The print resolution the layout is scaled with: dpi × 100 div the driver's scale percent, so that a
// scaled page keeps the points of the form. A scale that is not positive counts as 100.
int printResolution(int dpi, int scalePercent);

// A margin label's text: empty is 0, anything but a whole number raises "'%s' is not a valid integer value".
int marginFromText(const QString& text);

struct DeviceMapping {
    qint64 scaleX = 0;
    qint64 scaleY = 0;
    int top = 0;
    int left = 0;
};

// The margins as the slip type's settings keep them, as text. Raises the conversion error for a
// margin that is not a whole number.
DeviceMapping deviceMapping(QPoint dotsPerInch, const QString& top, const QString& left);

QList<TextItem> toDevice(const QList<TextItem>& layout, const DeviceMapping& mapping);

} // namespace rova::slip
