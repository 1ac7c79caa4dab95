// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/slip/pagegeometry.h"

#include <cmath>

namespace rova::slip
{

int mmToDots(double mm, int dpi)
{
    return static_cast<int>(std::lround(mm * dpi / 25.4));
}

double dotsToMm(int dots, int dpi)
{
    return dpi > 0 ? dots * 25.4 / dpi : 0.0;
}

QRect printableDots(const PageArea& page, QPoint dpi)
{
    const double width = page.paperMm.width() - page.marginsMm.left() - page.marginsMm.right();
    const double height = page.paperMm.height() - page.marginsMm.top() - page.marginsMm.bottom();
    return QRect(0, 0, mmToDots(width, dpi.x()), mmToDots(height, dpi.y()));
}

QRect paperDots(const PageArea& page, QPoint dpi)
{
    return QRect(-mmToDots(page.marginsMm.left(), dpi.x()), -mmToDots(page.marginsMm.top(), dpi.y()),
                 mmToDots(page.paperMm.width(), dpi.x()), mmToDots(page.paperMm.height(), dpi.y()));
}

int nudgedMargin(int startDots, int halfMillimetres, int dpi)
{
    return startDots + mmToDots(halfMillimetres * 0.5, dpi);
}

} // namespace rova::slip
