// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/slip/formscan.h"

#include <cmath>

namespace rova::slip
{

namespace
{
double tenthsToDots(int tenths, int dpi)
{
    return tenths * dpi / 254.0;
}
} // namespace

QRectF scanPlace(const FormScan& scan, QSize imageSize, QPoint paperCorner, QPoint printerDpi)
{
    const double dpi = std::max(1, scan.dpi);
    const QPointF corner(paperCorner.x() + tenthsToDots(scan.offset.x(), printerDpi.x()),
                         paperCorner.y() + tenthsToDots(scan.offset.y(), printerDpi.y()));
    return QRectF(
        corner, QSizeF(imageSize.width() * printerDpi.x() / dpi, imageSize.height() * printerDpi.y() / dpi));
}

QPoint dotsToTenthsMm(QPointF dots, QPoint printerDpi)
{
    return QPoint(int(std::lround(dots.x() * 254.0 / std::max(1, printerDpi.x()))),
                  int(std::lround(dots.y() * 254.0 / std::max(1, printerDpi.y()))));
}

} // namespace rova::slip
